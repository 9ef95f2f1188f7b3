#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/clock.h"
#include "sidebar/side_bar.h"

// A shown form with a side bar on it, the library started, and a test clock. Tests drive the
// bar with messages and look at what it paints into a bitmap.
class SidebarTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A header with `buttons` buttons captioned "<caption> 1", "<caption> 2", ...
  TnbHeader* AddHeader(const String& caption, int buttons = 0);
  // Paints the bar (or `bar`) into a fresh bitmap of its size.
  std::unique_ptr<TBitmap> Paint(TnbSideBar* bar = nullptr);
  void Layout() { bar_->BarLayout(); }

  void Move(TPoint p);
  void Press(TPoint p);
  void Release(TPoint p);
  // Move, press and release at the centre of `r`.
  void Click(const TRect& r);
  void Key(uint16_t vk);
  static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
  // An image list owned by the form holding one image: a square of `size` in `colour`.
  TImageList* SquareImages(int size, TColor colour);
  // Saves a picture for a person to look at when a pixel test fails.
  void Save(TBitmap& bitmap, const char* name);
  static TColor At(TBitmap& bitmap, int x, int y);

  TTestClock& Clock() { return *clock_; }

  TForm* form_ = nullptr;
  TnbSideBar* bar_ = nullptr;

 private:
  std::unique_ptr<TnbSideBarUnit> unit_;
  std::unique_ptr<TApplicationScope> scope_;
  TTestClock* clock_ = nullptr;
};

// A bar with headers "Mail" (3 buttons, active), "Contacts" (2) and "Tools" (1), switching
// without a slide.
class ThreeHeaderTest : public SidebarTest {
 protected:
  void SetUp() override;
  TnbHeader* mail_ = nullptr;
  TnbHeader* contacts_ = nullptr;
  TnbHeader* tools_ = nullptr;
};
