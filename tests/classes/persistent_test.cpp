#include <gtest/gtest.h>

#include "platform/classes/persistent.h"
#include "platform/core/exceptions.h"
#include "tests/classes/sample_widget.h"

namespace {

// Knows how to copy itself into a TWidgetFont, which does not know it.
class TFontPreset : public TPersistent {
  DECLARE_CLASS(TFontPreset, TPersistent)
 public:
  int size = 14;

 protected:
  void AssignTo(TPersistent* dest) override {
    if (auto* font = dynamic_cast<TWidgetFont*>(dest)) {
      font->SetSize(size);
      return;
    }
    TPersistent::AssignTo(dest);
  }
};

TEST(Persistent, AssignFallsBackToTheSourcesAssignTo) {
  TWidgetFont font;
  TFontPreset preset;
  font.Assign(&preset);
  EXPECT_EQ(font.Size(), 14);
  TFontPreset other;
  try {
    other.Assign(&font);
    FAIL() << "assigned a font to a preset";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TWidgetFont to a TFontPreset");
  }
  try {
    other.Assign(nullptr);
    FAIL() << "assigned nil";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a nil to a TFontPreset");
  }
}

TEST(Persistent, NamePathIsTheClassNameBelowTheOwnersPath) {
  TFontPreset loose;
  EXPECT_EQ(loose.GetNamePath(), "TFontPreset");
  TSampleWidget widget(nullptr);
  widget.SetName("Widget1");
  auto* item = new TSampleItem(widget.Items());
  EXPECT_EQ(item->GetOwner(), widget.Items());
  EXPECT_EQ(widget.Items()->GetNamePath(), "Widget1.Items");
}

}  // namespace
