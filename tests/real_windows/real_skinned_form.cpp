#include "tests/real_windows/real_skinned_form.h"

#include "platform/backend/qt_backend.h"
#include "tests/real_windows/real_display.h"

TPoint CaptionPoint(TskForm* skin) {
  TskTitleBar* bar = skin->TitleBar();
  return bar->ClientToScreen({bar->Layout().CaptionLeft + 40, bar->Height() / 2});
}

void RealSkinnedFormTest::SetUp() {
  if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
  application_ = std::make_unique<TApplicationScope>();
  form_ = new TForm(Application);
  form_->SetCaption(caption_);
  form_->SetBoundsRect(bounds_);
  skin_ = new TskForm(form_);
  skin_->SetParent(form_);
  skin_->SetUIStyle(Pearl);
  Prepare();
  Application->SetMainForm(form_);
  form_->Show();
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
}
