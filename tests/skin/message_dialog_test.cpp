#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/screen.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/form.h"
#include "skin/title_bar.h"
#include "skin/message_dialog.h"
#include "skin/message_form.h"
#include "tests/skin/skin_controls_support.h"

// The skinned message box: its buttons, icon and size, and how it ends.

namespace {

std::vector<TskButton*> Buttons(TfrmMsg* form) {
  std::vector<TskButton*> buttons;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TskButton*>(form->Components(i))) buttons.push_back(button);
  std::sort(buttons.begin(), buttons.end(), [](TskButton* a, TskButton* b) { return a->Left() < b->Left(); });
  return buttons;
}

}  // namespace

class MessageDialogTest : public SkinControlTest {
 protected:
  TskMessageDialog* Dialog(int buttons, TskIconType icon = skdlg::skNone) {
    auto* dialog = new TskMessageDialog(form_);
    dialog->SetButtonCount(buttons);
    dialog->SetIconType(icon);
    dialog->SetText("号码格式不正确，请检查后重新输入。");
    dialog->SetCaption("提示");
    return dialog;
  }

  // Runs `action` on the box once its modal loop is idle.
  template <typename F>
  void WhenShown(F action) {
    Application->OnIdle.Bind(nullptr, "Idle", [this, action](TObject*, bool&) {
      if (done_) return;
      done_ = true;
      auto* box = dynamic_cast<TfrmMsg*>(Screen->ActiveForm());
      ASSERT_NE(box, nullptr);
      action(box);
    });
  }
  bool done_ = false;
};

TEST_F(MessageDialogTest, DefaultsAreThoseOfTheClient) {
  auto* dialog = new TskMessageDialog(form_);
  EXPECT_EQ(dialog->Caption(), "skDialog");
  EXPECT_EQ(dialog->Position(), poScreenCenter);
  EXPECT_EQ(dialog->ButtonCount(), 1);
  EXPECT_EQ(dialog->Button1Caption(), "OK");
  EXPECT_EQ(dialog->Button2Caption(), "Cancel");
  EXPECT_EQ(dialog->Button3Caption(), "Cancel");
  EXPECT_EQ(dialog->Button3ModalResult(), mrCancel);
  EXPECT_EQ(dialog->Text(), "Hello world!");
  EXPECT_EQ(dialog->ButtonCursor(), crHandPoint);
  EXPECT_EQ(dialog->CaptionFont()->Color(), clWhite);
  EXPECT_TRUE(dialog->CaptionFont()->Style().Contains(fsBold));
  dialog->SetButtonCount(0);
  EXPECT_EQ(dialog->ButtonCount(), 1);
  dialog->SetButtonCount(7);
  EXPECT_EQ(dialog->ButtonCount(), 3);
}

TEST_F(MessageDialogTest, ButtonsRunFromButtonOneOnTheLeftAndItHasTheFocus) {
  struct TCase {
    int count;
    TskIconType icon;
    bool narrower;  // 64 pixels narrower than a box with an icon
    int messageLeft;
  };
  std::unique_ptr<TfrmMsg> reference = Dialog(1, skdlg::skStop)->CreateForm();
  const int fullWidth = reference->Width(), rightButton = Buttons(reference.get())[0]->Left();
  for (const TCase& c : {TCase{1, skdlg::skNone, true, 24}, TCase{2, skdlg::skNone, true, 24},
                         TCase{3, skdlg::skNone, false, 24}, TCase{2, skdlg::skWarning, false, 88},
                         TCase{3, skdlg::skHelp, false, 88}}) {
    TskMessageDialog* dialog = Dialog(c.count, c.icon);
    dialog->SetButton3Caption("帮助");
    std::unique_ptr<TfrmMsg> box = dialog->CreateForm();
    const std::vector<TskButton*> buttons = Buttons(box.get());
    ASSERT_EQ(static_cast<int>(buttons.size()), c.count);
    const int narrowing = c.narrower ? 64 : 0;
    EXPECT_EQ(box->Width(), fullWidth - narrowing) << c.count;
    EXPECT_EQ(buttons.back()->Left(), rightButton - narrowing) << c.count;
    EXPECT_EQ(box->lbl()->Left(), c.messageLeft);
    EXPECT_EQ(box->Image1()->Visible(), c.icon != skdlg::skNone);
    EXPECT_EQ(box->ActiveControl(), buttons[0]);
    const String captions[] = {"OK", "Cancel", "帮助"};
    for (int k = 0; k < c.count; ++k) {
      const TskButton* button = buttons[static_cast<size_t>(k)];
      EXPECT_EQ(button->Caption(), captions[k]);
      EXPECT_EQ(button->Width(), 73);
      EXPECT_EQ(button->Top(), 124);
      EXPECT_EQ(button->Cursor(), crHandPoint);
      EXPECT_EQ(button->Left(), buttons.back()->Left() - 93 * (c.count - 1 - k));
    }
    EXPECT_EQ(box->skForm1()->FormCaption(), "提示");
  }
}

TEST_F(MessageDialogTest, ALongTextWrapsAndPushesTheButtonsDown) {
  TskMessageDialog* dialog = Dialog(2);
  std::unique_ptr<TfrmMsg> shortBox = dialog->CreateForm();
  dialog->SetText(String(6, 'x') + " " + [] {
    String s;
    for (int i = 0; i < 40; ++i) s += "发送失败的号码将保留在队列中。";
    return s;
  }());
  std::unique_ptr<TfrmMsg> longBox = dialog->CreateForm();
  EXPECT_EQ(longBox->lbl()->Width(), 225);
  EXPECT_GT(longBox->lbl()->Height(), 5 * shortBox->lbl()->Height());
  const int bottom = longBox->lbl()->BoundsRect().Bottom;
  EXPECT_EQ(Buttons(longBox.get())[0]->Top(), bottom + 20);
  EXPECT_EQ(longBox->Height(), bottom + 65);
  EXPECT_GT(longBox->Height(), shortBox->Height());
}

TEST_F(MessageDialogTest, TheIconIsTheChosenPieceOfTheIconStrip) {
  TBitmap strip;
  strip.LoadFromResourceName(0, "MSGDLG");
  ASSERT_EQ(strip.Width(), 168);
  for (TskIconType icon : {skdlg::skWarning, skdlg::skStop, skdlg::skInformation, skdlg::skHelp}) {
    std::unique_ptr<TfrmMsg> box = Dialog(1, icon)->CreateForm();
    TGraphic* shown = box->Image1()->Picture()->Graphic();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Width(), 42);
    auto* bitmap = dynamic_cast<TBitmap*>(shown);
    ASSERT_NE(bitmap, nullptr);
    const int left = (static_cast<int>(icon) - 1) * 42;
    for (TPoint p : {Point(21, 21), Point(10, 30), Point(30, 12)})
      EXPECT_EQ(bitmap->Canvas()->Pixels(p.x, p.y), strip.Canvas()->Pixels(left + p.x, p.y)) << int(icon);
  }
}

TEST_F(MessageDialogTest, ButtonsKeysAndCloseEndTheBoxWithTheirResult) {
  struct TCase {
    const char* name;
    std::function<void(TfrmMsg*)> act;
    TModalResult expected;
  };
  const TCase cases[] = {
      {"click Cancel", [](TfrmMsg* box) { InjectClick(Buttons(box)[1]->ClientToScreen({10, 10})); }, mrCancel},
      {"click OK", [](TfrmMsg* box) { InjectClick(Buttons(box)[0]->ClientToScreen({10, 10})); }, mrOk},
      {"Enter", [](TfrmMsg*) { InjectKeyStroke(VK_RETURN); }, mrOk},
      {"Tab, Enter", [](TfrmMsg*) { InjectKeyStroke(VK_TAB); InjectKeyStroke(VK_RETURN); }, mrIgnore},
      {"Escape", [](TfrmMsg*) { InjectKeyStroke(VK_ESCAPE); }, mrCancel},
      {"close button",
       [](TfrmMsg* box) {
         TskTitleBar* bar = box->skForm1()->TitleBar();
         ASSERT_EQ(bar->Layout().Buttons.size(), 1u);
         const TRect r = bar->Layout().Buttons[0].Rect;
         InjectClick(bar->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
       },
       mrCancel},
  };
  for (const TCase& c : cases) {
    TskMessageDialog* dialog = Dialog(2);
    dialog->SetButton2ModalResult(mrIgnore == c.expected ? mrIgnore : mrCancel);
    done_ = false;
    WhenShown([&c](TfrmMsg* box) {
      c.act(box);
      Application->ProcessMessages();
    });
    EXPECT_EQ(dialog->ShowModal(), c.expected) << c.name;
    EXPECT_EQ(dynamic_cast<TfrmMsg*>(Screen->ActiveForm()), nullptr) << c.name << ": the box is freed";
  }
}

TEST_F(MessageDialogTest, CtrlCCopiesTitleTextAndButtons) {
  TskMessageDialog* dialog = Dialog(2);
  WhenShown([](TfrmMsg*) {
    InjectKey(VK_CONTROL, true);
    InjectKeyStroke('C', "c");
    InjectKey(VK_CONTROL, false);
    Application->ProcessMessages();
    InjectKeyStroke(VK_ESCAPE);
  });
  dialog->ShowModal();
  const String dashes(27, '-');
  EXPECT_EQ(Clipboard()->AsText(), dashes + "\r\n提示\r\n" + dashes + "\r\n号码格式不正确，请检查后重新输入。\r\n" + dashes +
                                       "\r\nCancel   OK\r\n" + dashes);
}

class MessageDialogLookTest : public MessageDialogTest, public ::testing::WithParamInterface<TskUIStyle> {};

TEST_P(MessageDialogLookTest, TheBoxTakesTheDialogsTheme) {
  TskMessageDialog* dialog = Dialog(2, skdlg::skInformation);
  if (GetParam() == FromThemeFile) dialog->SetFileTheme(Theme());
  dialog->SetUIStyle(GetParam());
  std::unique_ptr<TfrmMsg> box = dialog->CreateForm();
  box->Show();
  Pump();
  EXPECT_EQ(box->skForm1()->UIStyle(), GetParam());
  const TskThemeValues theme(GetParam() == FromThemeFile ? Theme() : nullptr, GetParam());
  // The test theme file has no form border; the built-in styles each have theirs.
  if (GetParam() != FromThemeFile) {
    EXPECT_EQ(Pixel(box.get(), 0, box->Height() / 2), theme.Color(tkFormBorderColor));
  }
  // The button faces are the theme's: not the form's background where a face stands.
  TskButton* ok = Buttons(box.get())[0];
  const TPoint face = ok->ClientToScreen({3, ok->Height() / 2});
  const TPoint at{face.x - box->Left(), face.y - box->Top()};
  if (GetParam() == FromThemeFile) {
    EXPECT_EQ(Pixel(box.get(), at.x, at.y), TThemeFileColours::Face[0]);
  }
  else {
    EXPECT_NE(Pixel(box.get(), at.x, at.y), theme.Color(tkFormBackgroundColor));
  }
  box->Hide();
}

// The box's title is drawn in the colour every title bar of its style gives its caption: black
// on Graphite's light bar, white on the others.
class MessageDialogCaptionTest : public MessageDialogLookTest {};

TEST_P(MessageDialogCaptionTest, TheCaptionTakesTheColourOfItsStylesTitles) {
  TForm* plain = MakeForm();
  auto* skin = new TskForm(plain);
  skin->SetParent(plain);
  skin->SetUIStyle(GetParam());
  const TColor styleColour = ColorToRGB(skin->TitleBar()->Font()->Color());
  TskMessageDialog* dialog = Dialog(1);
  dialog->SetUIStyle(GetParam());
  std::unique_ptr<TfrmMsg> box = dialog->CreateForm();
  box->Show();
  Pump();
  TskTitleBar* bar = box->skForm1()->TitleBar();
  int drawn = 0;
  for (int y = 0; y < bar->Height(); ++y) {
    for (int x = 0; x < 80; ++x) {
      const TPoint p = bar->ClientToScreen({x, y});
      drawn += Pixel(box.get(), p.x - box->Left(), p.y - box->Top()) == styleColour;
    }
  }
  EXPECT_GT(drawn, 10) << "the caption is drawn in " << std::hex << uint32_t(styleColour);
  box->Hide();
}

INSTANTIATE_TEST_SUITE_P(EveryLook, MessageDialogLookTest, ::testing::ValuesIn(kEveryLook),
                         [](const auto& param) { return StyleName(param.param); });
INSTANTIATE_TEST_SUITE_P(BuiltInLooks, MessageDialogCaptionTest,
                         ::testing::Values(Graphite, Pearl, Marine, Jade, Glacier),
                         [](const auto& param) { return StyleName(param.param); });
