#include <gtest/gtest.h>

#include "platform/classes/class_registry.h"
#include "platform/classes/stream_components.h"
#include "platform/core/streams.h"
#include "tests/skin/page_control_support.h"

// A page control and its pages read back from a stored form layout come in their stored order.

namespace {

// A form that stores the components it owns, as a form layout does.
class TStoredPagesForm : public TForm {
  DECLARE_CLASS(TStoredPagesForm, TForm)
 public:
  using TForm::TForm;
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (dynamic_cast<TskPageControl*>(Components(i)) || dynamic_cast<TskTabSheet*>(Components(i))) proc(Components(i));
  }
};

}  // namespace

TEST_F(PageControlTest, PagesReadFromAStreamTakeTheirStoredOrderAndTabs) {
  TClassRegistration classes{TStoredPagesForm::StaticClass(), TskPageControl::StaticClass(), TskTabSheet::StaticClass()};
  TMemoryStream stream;
  {
    auto* form = new TStoredPagesForm(Application);
    auto* control = new TskPageControl(form);
    control->SetName("skPageControl1");
    control->SetParent(form);
    for (const char* name : {"发送", "通讯录", "设置"}) {
      auto* page = new TskTabSheet(form);
      page->SetName("TabSheet" + std::to_string(form->ComponentCount()));
      page->SetCaption(name);
      page->SetParent(control);
    }
    control->Pages(2)->SetPageIndex(0);  // 设置, 发送, 通讯录: no longer the creation order
    control->Pages(2)->SetTabVisible(false);
    control->SetActivePageIndex(1);
    WriteComponent(stream, form);
    delete form;
  }
  stream.SetPosition(0);
  auto* form = new TStoredPagesForm(Application);
  ReadComponent(stream, form);
  auto* control = dynamic_cast<TskPageControl*>(form->FindComponent("skPageControl1"));
  ASSERT_NE(control, nullptr);
  ASSERT_EQ(control->PageCount(), 3);
  const String expected[] = {"设置", "发送", "通讯录"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(control->Pages(i)->Caption(), expected[i]);
    EXPECT_EQ(control->Pages(i)->PageIndex(), i);
    EXPECT_EQ(control->Pages(i)->Parent(), control);
    EXPECT_EQ(control->TopPanel()->Tabs()->Strings(i), expected[i]);
  }
  EXPECT_FALSE(control->TopPanel()->TabVisible(2));
  EXPECT_TRUE(control->TopPanel()->TabVisible(0));
  ASSERT_NE(control->ActivePage(), nullptr);
  EXPECT_EQ(control->ActivePage()->Caption(), "发送");
  EXPECT_EQ(control->TopPanel()->TabIndex(), 1);
  delete form;
}
