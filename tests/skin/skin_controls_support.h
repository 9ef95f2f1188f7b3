#pragma once

// What the tests of the skinned controls share: a form, the five built-in styles and a theme
// file of plain colours, painting a control into a picture, and the test clock.

#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/clock.h"
#include "platform/windows/messages.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/themes.h"
#include "tests/skin/pixel_test_support.h"
#include "tests/skin/skin_fixture.h"
#include "tests/skin/theme_file_test_support.h"

// The plain colours of the test theme file: cells of strips are filled one colour each.
struct TThemeFileColours {
  static constexpr TColor Face[3] = {static_cast<TColor>(0x204060), static_cast<TColor>(0x40A060),
                                     static_cast<TColor>(0x6020A0)};
  static constexpr TColor Check[4] = {static_cast<TColor>(0x0000C0), static_cast<TColor>(0x00C000),
                                      static_cast<TColor>(0xC00000), static_cast<TColor>(0x808000)};
  static constexpr TColor Radio[4] = {static_cast<TColor>(0x0040C0), static_cast<TColor>(0x40C000),
                                      static_cast<TColor>(0xC04000), static_cast<TColor>(0x804000)};
  static constexpr TColor Progress = static_cast<TColor>(0x30B030);
  static constexpr TColor Border = static_cast<TColor>(0x102030);
  static constexpr TColor Background = static_cast<TColor>(0xC0E0F0);
  static constexpr TColor Font = static_cast<TColor>(0x600060);
};

// A strip of cells, each w x h and filled with its colour; with `magentaCorners` the corner
// pixels of each cell are the see-through magenta of skin bitmaps.
inline void MakeStrip(TBitmap& strip, int w, int h, const std::vector<TColor>& colours,
                      bool magentaCorners = false) {
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(w * static_cast<int>(colours.size()), h);
  for (size_t i = 0; i < colours.size(); ++i) {
    const int left = static_cast<int>(i) * w;
    Fill(strip, colours[i], Bounds(left, 0, w, h));
    if (!magentaCorners) continue;
    for (TPoint p : {Point(left, 0), Point(left + w - 1, 0), Point(left, h - 1), Point(left + w - 1, h - 1)})
      strip.Canvas()->SetPixels(p.x, p.y, static_cast<TColor>(0xFF00FF));
  }
}

class SkinControlTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    form_ = MakeForm(Bounds(10, 10, 400, 300));
    WriteTheme(folder_.File("controls.skn"));
  }
  void TearDown() override {
    if (HasFailure() && !picture_.Empty()) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      String name = String(info->test_suite_name()) + "." + info->name();
      for (char& c : name) c = c == '/' ? '_' : c;
      picture_.SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + name + ".png");
    }
    SkinFormTest::TearDown();
  }

  static void WriteTheme(const String& path) {
    using C = TThemeFileColours;
    TskThemeFileWriter w;
    TBitmap face, check, radio, progress;
    MakeStrip(face, 30, 21, {C::Face[0], C::Face[1], C::Face[2]});
    w.AddBitmap("ButtonImage", face);
    MakeStrip(check, 13, 13, {C::Check[0], C::Check[1], C::Check[2], C::Check[3]});
    w.AddBitmap("CheckBoxImage", check);
    MakeStrip(radio, 13, 13, {C::Radio[0], C::Radio[1], C::Radio[2], C::Radio[3]}, true);
    w.AddBitmap("RadioButtonImage", radio);
    MakeStrip(progress, 10, 10, {C::Progress});
    w.AddBitmap("ProgressBarImage", progress);
    w.AddBool("ButtonTransparentBool", false);
    w.AddColor("ControlBorderColor", C::Border);
    w.AddColor("ControlBackgroundColor", C::Background);
    w.AddColor("ControlFontColor", C::Font);
    w.SaveToFile(path);
  }

  // A theme component on the form, loaded from the test theme file.
  TskFileTheme* Theme() {
    if (theme_ == nullptr) {
      theme_ = new TskFileTheme(form_);
      theme_->SetThemeFile(folder_.File("controls.skn"));
      EXPECT_TRUE(theme_->CanUse());
    }
    return theme_;
  }

  // A shown form of `bounds` and a theme component on it loaded from `file`.
  TForm* FormOnThemeFile(TRect bounds, const String& file, TskFileTheme*& theme) {
    TForm* form = MakeForm(bounds);
    theme = new TskFileTheme(form);
    theme->SetThemeFile(file);
    return form;
  }
  // A skin on `form` that hands its style to the controls placed on it.
  static TskForm* SkinOf(TForm* form) {
    auto* skin = new TskForm(form);
    skin->SetParent(form);
    skin->SetUIStyleAutoUpdateSub(true);
    return skin;
  }
  static void ShowThemeFile(TskForm* skin, TskFileTheme* theme) {
    skin->SetFileTheme(theme);
    skin->SetUIStyle(FromThemeFile);
  }

  // Gives a skinned control the style and, for FromThemeFile, the test theme.
  template <class TControlClass>
  TControlClass* Styled(TControlClass* control, TskUIStyle style) {
    if constexpr (requires { control->SetUIStyle(style); }) {
      if (style == FromThemeFile) control->SetFileTheme(Theme());
      control->SetUIStyle(style);
    }
    return control;
  }

  template <class TControlClass>
  TControlClass* Make(TskUIStyle style, TRect bounds = Bounds(10, 10, 80, 27)) {
    auto* control = new TControlClass(form_);
    control->SetParent(form_);
    control->SetBoundsRect(bounds);
    return Styled(control, style);
  }

  // The control as it paints now.
  void Paint(TWinControl* control) {
    Pump();
    picture_.SetPixelFormat(pf32bit);
    picture_.SetSize(control->Width(), control->Height());
    control->PaintTo(picture_.Canvas()->Handle(), 0, 0);
  }
  TColor At(int x, int y) { return picture_.Canvas()->Pixels(x, y); }
  int Count(TColor color, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == color;
    return n;
  }

  static void Tick(int ms) {
    static_cast<TTestClock&>(Clock()).Advance(ms);
    Application->ProcessMessages();
  }
  static LPARAM Pos(int x, int y) { return PointToLParam(Point(x, y)); }

  TForm* form_ = nullptr;
  TskFileTheme* theme_ = nullptr;
  TTempFolder folder_;
  TBitmap picture_;
};

// The built-in styles and the test theme file, for tables over every look.
inline constexpr TskUIStyle kEveryLook[] = {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile};


inline String StyleName(TskUIStyle style) { return GetEnumInfo(style).Name(style); }
