#pragma once

// Page controls on a form, in a built-in style or a theme file of plain-coloured tab pictures.

#include "skin/page_control.h"
#include "tests/skin/skin_controls_support.h"

struct TTabThemeColours {
  static constexpr TColor ActiveTab = static_cast<TColor>(0x2060C0);
  static constexpr TColor InactiveTab = static_cast<TColor>(0x60A040);
  static constexpr TColor Bar = static_cast<TColor>(0xA04080);
  // Forward, forward under the mouse, back, back under the mouse.
  static constexpr TColor Buttons[4] = {static_cast<TColor>(0x0000F0), static_cast<TColor>(0x00F000),
                                        static_cast<TColor>(0xF00000), static_cast<TColor>(0xF0F000)};
  static constexpr TColor Border = static_cast<TColor>(0x102030);
  static constexpr TColor Background = static_cast<TColor>(0xC0E0F0);
  static constexpr int TabHeight = 20;
  static constexpr int BarHeight = 6;
  static constexpr int ButtonWidth = 16;
  static constexpr int ButtonHeight = 14;
};

class PageControlTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    using C = TTabThemeColours;
    TskThemeFileWriter w;
    TBitmap tabs, bar, buttons;
    // Each tab picture is three cells: left end, middle, right end.
    MakeStrip(tabs, 6, C::TabHeight, {C::ActiveTab, C::ActiveTab, C::ActiveTab, C::InactiveTab, C::InactiveTab, C::InactiveTab});
    w.AddBitmap("TabControlTabImage", tabs);
    MakeStrip(bar, 4, C::BarHeight, {C::Bar});
    w.AddBitmap("TabControlBarImage", bar);
    MakeStrip(buttons, C::ButtonWidth, C::ButtonHeight, {C::Buttons[0], C::Buttons[1], C::Buttons[2], C::Buttons[3]});
    w.AddBitmap("ScrollButtonImage", buttons);
    w.AddColor("ControlBorderColor", C::Border);
    w.AddColor("ControlBackgroundColor", C::Background);
    w.SaveToFile(folder_.File("tabs.skn"));
    tabTheme_ = new TskFileTheme(form_);
    tabTheme_->SetThemeFile(folder_.File("tabs.skn"));
    ASSERT_TRUE(tabTheme_->CanUse());
  }

  // A page control with `count` pages captioned "页面0", "页面1", ...; the last one is current.
  TskPageControl* MakePages(int count, TskUIStyle style = Marine, TRect bounds = Bounds(10, 10, 300, 200)) {
    auto* control = new TskPageControl(form_);
    control->SetParent(form_);
    control->SetBoundsRect(bounds);
    if (style == FromThemeFile) control->SetFileTheme(tabTheme_);
    control->SetUIStyle(style);
    for (int i = 0; i < count; ++i) AddPage(control, "页面" + std::to_string(i));
    return control;
  }

  TskTabSheet* AddPage(TskPageControl* control, const String& caption) {
    auto* page = new TskTabSheet(form_);
    page->SetCaption(caption);
    page->SetParent(control);
    return page;
  }

  static void Click(TskPageControl* control, TPoint p) {
    TskTabControlTopPanel* strip = control->TopPanel();
    strip->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(p.x, p.y));
    strip->Perform(WM_LBUTTONUP, 0, Pos(p.x, p.y));
  }
  static TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
  static void ClickTab(TskPageControl* control, int index) {
    const TRect r = control->TopPanel()->TabRect(index);
    ASSERT_FALSE(r.IsEmpty()) << "tab " << index << " is not drawn";
    Click(control, Point(r.Left + 3, r.Top + 3));
  }

  TskFileTheme* tabTheme_ = nullptr;
};
