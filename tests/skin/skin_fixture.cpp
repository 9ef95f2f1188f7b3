#include "tests/skin/skin_fixture.h"

#include <filesystem>

#include "platform/classes/properties.h"
#include "platform/windows/input.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "skin/file_theme.h"

void TskThemeProbe::Publish() {
  TPublisher<TskThemeProbe> p;
  p.Property("FileTheme", &TskThemeProbe::FileTheme, &TskThemeProbe::SetFileTheme);
  p.Property("UIStyle", &TskThemeProbe::UIStyle, &TskThemeProbe::SetUIStyle).Default(Marine);
}

void TskThemeProbe::SetFileTheme(TskFileTheme* value) {
  calls.push_back("FileTheme");
  if (fileTheme_ != nullptr) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_ != nullptr) fileTheme_->FreeNotification(this);
}

void TskThemeProbe::SetUIStyle(TskUIStyle value) {
  calls.push_back("UIStyle");
  uiStyle_ = value;
}

void TskThemeProbe::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == fileTheme_) fileTheme_ = nullptr;
}

void TskStyleOnlyProbe::Publish() {
  TPublisher<TskStyleOnlyProbe> p;
  p.Property("UIStyle", &TskStyleOnlyProbe::UIStyle, &TskStyleOnlyProbe::SetUIStyle).Default(Marine);
}

void SkinFormTest::SetUp() {
  SetClock(std::make_unique<TTestClock>());
  ResetInput();
  scope_ = std::make_unique<TApplicationScope>();
}

void SkinFormTest::TearDown() {
  scope_.reset();
  MSG m;
  while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
  SetClock(nullptr);
}

TForm* SkinFormTest::MakeForm(TRect bounds) {
  TForm* form = new TForm(Application);
  form->SetBorderStyle(bsNone);
  form->SetBoundsRect(bounds);
  form->Show();
  return form;
}

TColor SkinFormTest::Pixel(TCustomForm* form, int x, int y) {
  TBitmap* surface = WindowSurface(form->Handle());
  if (surface == nullptr) return clNone;
  uint32_t argb = surface->Pixel32(x, y);
  return static_cast<TColor>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16);
}

void SkinFormTest::SavePictureOnFailure(TCustomForm* form) {
  if (!HasFailure()) return;
  TBitmap* surface = WindowSurface(form->Handle());
  if (surface == nullptr) return;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  String name = String(info->test_suite_name()) + "." + info->name();
  for (char& c : name) c = c == '/' ? '_' : c;  // parameterised tests name their instances
  surface->SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + name + ".png");
}
