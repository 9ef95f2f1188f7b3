// The skin page's pages of controls, one per style, and the showcase's skinned message boxes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "examples/showcase/showcase_message_box.h"
#include "examples/showcase/skin_styles_page.h"
#include "platform/classes/properties.h"
#include "platform/controls/application.h"
#include "platform/controls/edit.h"
#include "platform/controls/screen.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/edits.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/list_controls.h"
#include "skin/message_form.h"
#include "skin/page_control.h"
#include "skin/panels.h"

namespace {

bool HasChinese(const String& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return true;
  return false;
}

// Every control placed inside `control`, depth first: into containers, but not into the
// parts a skinned control is built of (a scroll bar's arrows, say).
void ForEachControl(TWinControl* control, const std::function<void(TControl*)>& visit) {
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* child = control->Controls(i);
    visit(child);
    const bool container = !IsPublishedProp(child, "UIStyle") || dynamic_cast<TskGroupBox*>(child) ||
                           dynamic_cast<TskPageControl*>(child);
    if (auto* win = dynamic_cast<TWinControl*>(child); win && container) ForEachControl(win, visit);
  }
}

class SkinStylesPage : public ::testing::Test {
 protected:
  void SetUp() override {
    scope_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, 900, 560);
    skin_ = new TskForm(form_);
    skin_->SetParent(form_);
    theme_ = new TskFileTheme(form_);
    theme_->SetThemeFile(ProgramFolder() + "../examples/showcase/OnePlumet.skn");
    ASSERT_TRUE(theme_->CanUse()) << "the build writes the showcase's theme file";
    pages_ = BuildSkinStylePages(skin_, theme_);
    form_->Show();
    Application->ProcessMessages();
  }
  void TearDown() override { scope_.reset(); }

  // Runs `action` on the message box once its modal loop is idle.
  void WhenBoxShown(const std::function<void(TfrmMsg*)>& action) {
    Application->OnIdle.Bind(nullptr, "Idle", [this, action](TObject*, bool&) {
      if (done_) return;
      done_ = true;
      auto* box = dynamic_cast<TfrmMsg*>(Screen->ActiveForm());
      ASSERT_NE(box, nullptr) << "a skinned message box is open";
      action(box);
    });
  }

  std::unique_ptr<TApplicationScope> scope_;
  TForm* form_ = nullptr;
  TskForm* skin_ = nullptr;
  TskFileTheme* theme_ = nullptr;
  TskPageControl* pages_ = nullptr;
  bool done_ = false;
};

TEST_F(SkinStylesPage, OnePageOfControlsPerStyleEachInItsStyleWithChineseText) {
  const TskUIStyle styles[] = {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile};
  ASSERT_EQ(pages_->PageCount(), 7);
  EXPECT_EQ(pages_->Pages(0)->Caption(), "皮肤图片");
  EXPECT_EQ(pages_->Pages(6)->Caption(), "主题文件");
  // Restyling the page control (as a newly loaded theme file does) leaves each page's style.
  pages_->SetUIStyle(Jade);
  for (int i = 1; i <= 6; ++i) {
    const TskUIStyle style = styles[i - 1];
    int skinned = 0, texts = 0, pageControls = 0;
    ForEachControl(pages_->Pages(i), [&](TControl* control) {
      // Edits for text (not the number, mask and spin edits) and every list hold Chinese.
      if (control->ClassNameIs("TskEdit")) texts += HasChinese(static_cast<TCustomEdit*>(control)->Text());
      if (auto* list = dynamic_cast<TskListBox*>(control)) texts += HasChinese(list->Items()->Strings(0));
      if (auto* combo = dynamic_cast<TskComboBox*>(control)) texts += HasChinese(combo->Items()->Strings(0));
      if (auto* memo = dynamic_cast<TskMemo*>(control)) texts += HasChinese(memo->Lines()->Strings(0));
      if (auto* tree = dynamic_cast<TskTreeView*>(control)) texts += HasChinese(tree->Items()->Item(0)->Text());
      pageControls += dynamic_cast<TskPageControl*>(control) != nullptr;
      if (!IsPublishedProp(control, "UIStyle") || dynamic_cast<TskTabControlTopPanel*>(control)) return;
      ++skinned;
      EXPECT_EQ(GetOrdProp(control, GetPropInfo(control, "UIStyle")), style) << pages_->Pages(i)->Caption() << " " << control->ClassName();
    });
    EXPECT_GT(skinned, 5) << pages_->Pages(i)->Caption();
    EXPECT_EQ(texts, 6) << pages_->Pages(i)->Caption();
    EXPECT_EQ(pageControls, 1) << pages_->Pages(i)->Caption();
  }
}

TEST_F(SkinStylesPage, ItsMessageButtonsOpenASkinnedBoxInThePagesStyle) {
  pages_->SetActivePageIndex(2);  // Pearl
  TskButton* confirm = nullptr;
  ForEachControl(pages_->Pages(2), [&](TControl* control) {
    if (auto* button = dynamic_cast<TskButton*>(control); button && button->Caption() == "确认") confirm = button;
  });
  ASSERT_NE(confirm, nullptr);
  TskUIStyle boxStyle = Marine;
  int buttons = 0;
  WhenBoxShown([&](TfrmMsg* box) {
    boxStyle = box->skForm1()->UIStyle();
    for (int i = 0; i < box->ComponentCount(); ++i) buttons += dynamic_cast<TskButton*>(box->Components(i)) != nullptr;
    InjectKeyStroke(VK_ESCAPE);
  });
  confirm->Click();
  EXPECT_TRUE(done_);
  EXPECT_EQ(boxStyle, Pearl);
  EXPECT_EQ(buttons, 2);
}

TEST_F(SkinStylesPage, ShowcaseMessageBoxTakesTheLookOfTheWindowAndAnswersItsButtons) {
  skin_->SetUIStyle(Glacier);
  TskUIStyle boxStyle = Marine;
  String text;
  WhenBoxShown([&](TfrmMsg* box) {
    boxStyle = box->skForm1()->UIStyle();
    text = box->ClipboardText();
    InjectKeyStroke(VK_RETURN);
  });
  auto* plain = new TEdit(form_);  // no look of its own: the box takes the window's
  plain->SetParent(skin_);
  EXPECT_EQ(ShowcaseMessageBox(plain, "确定要删除吗？", "确认", skdlg::skHelp, 2), mrOk);
  EXPECT_EQ(boxStyle, Glacier);
  EXPECT_NE(text.find("取消   确定"), String::npos) << text;
}

}  // namespace
