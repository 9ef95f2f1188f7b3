#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "platform/classes/class_registry.h"
#include "platform/classes/stream_components.h"
#include "platform/controls/screen.h"
#include "platform/core/streams.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/edits.h"
#include "skin/file_theme.h"
#include "skin/flat_panel.h"
#include "skin/form.h"
#include "skin/list_controls.h"
#include "skin/menus.h"
#include "skin/message_dialog.h"
#include "skin/page_control.h"
#include "skin/panels.h"
#include "skin/progress_bar.h"
#include "skin/scroll_bar.h"
#include "skin/spin_edit.h"
#include "skin/tab_control.h"
#include "skin/title_bar.h"
#include "skin/track_bars.h"
#include "tests/skin/skin_fixture.h"
#include "tests/support/round_trip_walk.h"

// A skinned control keeps through a saved form layout every value it was given, also a value
// its class stores as default but a new control does not start with.

namespace {

// A form that stores the components it owns, as a form layout does.
class TLayoutForm : public TForm {
  DECLARE_CLASS(TLayoutForm, TForm)
 public:
  using TForm::TForm;
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
};

constexpr const char* kWalked = "Walked1";

// The walked component of class `cls` on a new layout form, with what it needs around it.
TComponent* MakeOnForm(TClass cls) {
  auto* form = new TLayoutForm(Application);
  TComponent* parent = form;
  if (cls == TskTabSheet::StaticClass()) {
    auto* pages = new TskPageControl(form);
    pages->SetName("Pages1");
    pages->SetParent(form);
    parent = pages;
  }
  TComponent* c = CreateComponent(cls, form);
  c->SetName(kWalked);
  if (auto* control = dynamic_cast<TControl*>(c)) control->SetParent(static_cast<TWinControl*>(parent));
  return c;
}

round_trip::Subject OnALayoutForm(TClass cls) {
  round_trip::Subject s;
  s.make = [cls] { return MakeOnForm(cls); };
  s.saveAndFree = [](TObject* c) {
    TComponent* form = static_cast<TComponent*>(c)->Owner();
    TMemoryStream stream;
    WriteComponent(stream, form);
    delete form;
    return stream.Bytes();
  };
  s.load = [](const round_trip::Bytes& bytes) -> TObject* {
    auto* form = new TLayoutForm(Application);
    TBytesStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
    ReadComponent(stream, form);
    return form->FindComponent(kWalked);
  };
  s.free = [](TObject* c) { delete static_cast<TComponent*>(c)->Owner(); };
  return s;
}

class SkinLayoutRoundTripTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    // Values a control refuses with a message box: the box is answered, the value not kept.
    Application->OnIdle.Bind(nullptr, "Idle", [](TObject*, bool&) {
      if (auto* box = dynamic_cast<TForm*>(Screen->ActiveForm()); box && box->FormState().Contains(fsModal))
        box->SetModalResult(mrOk);
    });
  }
};

}  // namespace

// Left out: where the skinned form stands and how large it is, which it takes from its form,
// the title bar's height, which its theme gives, and a page's place, look and state, which its
// page control gives.
TEST_F(SkinLayoutRoundTripTest, EachValueSetAloneComesBackAsSaved) {
  const std::set<String> bounds = {"Left", "Top", "Width", "Height", "Align"};
  const std::pair<TClass, std::set<String>> walked[] = {
      {TskForm::StaticClass(), bounds},
      {TskTitleBar::StaticClass(), {"Height"}},
      {TskButton::StaticClass(), {}},
      {TskImageButton::StaticClass(), {}},
      {TSkArrowButton::StaticClass(), {}},
      {TskCheckBox::StaticClass(), {}},
      {TskRadioButton::StaticClass(), {}},
      {TskEdit::StaticClass(), {}},
      {TskMaskEdit::StaticClass(), {}},
      {TskNumberEdit::StaticClass(), {}},
      {TSkSpinEdit::StaticClass(), {}},
      {TskComboBox::StaticClass(), {}},
      {TskListBox::StaticClass(), {}},
      {TskMemo::StaticClass(), {}},
      {TskTreeView::StaticClass(), {}},
      {TskPageControl::StaticClass(), {}},
      {TskTabSheet::StaticClass(),
       {"Left", "Top", "Width", "Height", "Align", "Anchors", "Visible", "Enabled", "Color", "ParentColor"}},
      {TskTrackBar::StaticClass(), {}},
      {TskScrollBar::StaticClass(), {}},
      {TskProgressBar::StaticClass(), {}},
      {TskGroupBox::StaticClass(), {}},
      {TskImagePanel::StaticClass(), {}},
      {TFlatPanel::StaticClass(), {}},
      {TskMainMenu::StaticClass(), {}},
      {TskPopupMenu::StaticClass(), {}},
      {TskMessageDialog::StaticClass(), {}},
      {TskFileTheme::StaticClass(), {}}};
  TClassRegistration around{TLayoutForm::StaticClass(), TskPageControl::StaticClass()};
  for (const auto& [cls, leftOut] : walked) {
    TClassRegistration registered{cls};
    round_trip::Subject subject = OnALayoutForm(cls);
    subject.leftOut = leftOut;
    for (const String& difference : round_trip::ValuesThatComeBackDifferent(subject))
      ADD_FAILURE() << cls->ClassName() << "." << difference;
  }
}
