#include "tests/sidebar/sidebar_fixture.h"

#include <filesystem>

#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/message_loop.h"
#include "platform/windows/messages.h"

void SidebarTest::SetUp() {
  auto clock = std::make_unique<TTestClock>();
  clock_ = clock.get();
  SetClock(std::move(clock));
  ResetInput();
  unit_ = std::make_unique<TnbSideBarUnit>();
  scope_ = std::make_unique<TApplicationScope>();
  form_ = new TForm(Application);
  form_->SetBorderStyle(bsNone);
  form_->SetBoundsRect(Bounds(50, 50, 400, 400));
  form_->Show();
  bar_ = new TnbSideBar(form_);
  bar_->SetParent(form_);
  bar_->SetAlign(alNone);
  bar_->SetBoundsRect(Bounds(0, 0, 200, 360));
}

void SidebarTest::TearDown() {
  scope_.reset();
  MSG m;
  while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
  ReleaseCapture();
  SetFocus(nullptr);
  unit_.reset();
  SetClock(nullptr);
}

TnbHeader* SidebarTest::AddHeader(const String& caption, int buttons) {
  TnbHeader* h = bar_->Headers()->Add();
  h->SetCaption(caption);
  for (int i = 1; i <= buttons; ++i) h->Buttons()->Add()->SetCaption(caption + " " + std::to_string(i));
  return h;
}

TImageList* SidebarTest::SquareImages(int size, TColor colour) {
  auto* list = new TImageList(size, size, form_);
  TBitmap picture;
  picture.SetSize(size, size);
  picture.Canvas()->Brush()->SetColor(colour);
  picture.Canvas()->FillRect(Rect(0, 0, size, size));
  list->Add(&picture, nullptr);
  return list;
}

std::unique_ptr<TBitmap> SidebarTest::Paint(TnbSideBar* bar) {
  if (bar == nullptr) bar = bar_;
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(bar->Width(), bar->Height());
  bar->PaintTo(bitmap->Canvas()->Handle(), 0, 0);
  return bitmap;
}

void SidebarTest::Move(TPoint p) { bar_->Perform(WM_MOUSEMOVE, 0, PointToLParam(p)); }
void SidebarTest::Press(TPoint p) { bar_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p)); }
void SidebarTest::Release(TPoint p) { bar_->Perform(WM_LBUTTONUP, 0, PointToLParam(p)); }

void SidebarTest::Click(const TRect& r) {
  const TPoint p = Centre(r);
  Move(p);
  Press(p);
  Release(p);
}

void SidebarTest::Key(uint16_t vk) { bar_->Perform(WM_KEYDOWN, vk, 0); }

void SidebarTest::Save(TBitmap& bitmap, const char* name) {
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  bitmap.SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + name + ".png");
}

TColor SidebarTest::At(TBitmap& bitmap, int x, int y) {
  const uint32_t argb = bitmap.Pixel32(x, y);
  return static_cast<TColor>(RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
}

void ThreeHeaderTest::SetUp() {
  SidebarTest::SetUp();
  bar_->SetHeaderScrollType(stNone);
  mail_ = AddHeader("Mail", 3);
  contacts_ = AddHeader("Contacts", 2);
  tools_ = AddHeader("Tools", 1);
  bar_->SetActiveHeader(mail_);
}
