// A modal message box over its owner in a real window, as a user meets it: a click on the
// owner that the box keeps disabled, and a request to close the owner meanwhile.
#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <QWindow>

#include <memory>
#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/message_box.h"
#include "platform/controls/panel.h"
#include "platform/controls/screen.h"
#include "platform/windows/focus.h"
#include "platform/windows/painting.h"
#include "platform/graphics/bitmap.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/x_screen.h"

namespace {

// Counts the close requests that reach a toolkit window.
class TCloseRequests : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Close) ++count;
    return false;
  }
};

class RealModalBox : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    application_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetCaption("Modal owner " + std::to_string(getpid()));
    form_->SetBounds(100, 100, 600, 420);
    opener_ = new TPanel(form_);
    opener_->SetParent(form_);
    opener_->SetBounds(250, 300, 100, 30);
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  }
  void TearDown() override { application_.reset(); }

  static TMessageForm* OpenBox() {
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (auto* box = dynamic_cast<TMessageForm*>(Screen->Forms(i)); box && box->Visible()) return box;
    return nullptr;
  }
  // The screen shows the box's own picture where the box is, not its owner's.
  static bool ShownOnTop(TMessageForm* box) {
    TRect r;
    GetWindowRect(box->Handle(), r);
    TBitmap* picture = WindowSurface(box->Handle());
    const std::vector<uint32_t> screen = ScreenPixels(r);
    if (!picture || screen.empty()) return false;
    size_t same = 0;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x)
        same += (picture->Pixel32(x, y) & 0xFFFFFFu) == screen[static_cast<size_t>(y * r.Width() + x)];
    return same == screen.size();
  }
  static QWindow* RealWindow(TForm* f) { return static_cast<QWindow*>(ToolkitWindowOf(f->Handle())); }

  TForm* form_ = nullptr;
  TPanel* opener_ = nullptr;

 private:
  std::unique_ptr<TApplicationScope> application_;
};

TEST_F(RealModalBox, AClickOnTheOwnerBringsTheBoxForwardAndTheOwnerStaysOpen) {
  TModalResult answer = mrNone;
  opener_->OnClick.Bind(form_, "Open", [&](TObject*) { answer = MessageDlg("Send the messages now?", mtConfirmation, {mbOK, mbCancel}); });
  TCloseRequests requests;
  bool driven = false;
  // The box runs its own loop; the user's part is played from inside it.
  Application->OnIdle.Bind(nullptr, "Drive", [&](TObject*, bool&) {
    TMessageForm* box = OpenBox();
    if (driven || !box || !ToolkitWindowExposed(box->Handle())) return;
    driven = true;
    ASSERT_TRUE(WaitFor([&] { return ShownOnTop(box); })) << "the box opens above its owner";
    ASSERT_TRUE(ClickAt(form_->ClientToScreen({8, 8})));
    EXPECT_TRUE(WaitFor([&] { return ShownOnTop(box) && GetActiveWindow() == box->Handle(); }))
        << "a click on the disabled owner leaves the box in front, active";
    RealWindow(form_)->installEventFilter(&requests);
    ASSERT_TRUE(RequestClose(RealWindow(form_)->winId()));
    ASSERT_TRUE(WaitFor([&] { return requests.count > 0; })) << "the close request reached the owner";
    Application->ProcessMessages();
    EXPECT_TRUE(box->Visible() && form_->Visible()) << "the owner is not closed under its box";
    EXPECT_TRUE(WaitFor([&] { return ShownOnTop(box); })) << "the box is brought forward to be answered";
    TMessageButton* ok = box->Button(mrOk);
    ASSERT_TRUE(ClickAt(ok->ClientToScreen({ok->Width() / 2, ok->Height() / 2})));
    WaitFor([&] { return box->ModalResult() != mrNone; });
  });
  ASSERT_TRUE(ClickAt(opener_->ClientToScreen({10, 10})));
  ASSERT_TRUE(WaitFor([&] { return driven && OpenBox() == nullptr; }));
  EXPECT_EQ(answer, mrOk) << "the user's answer, not a box ended by the owner's closing";
  EXPECT_TRUE(form_->Visible());
}

}  // namespace
