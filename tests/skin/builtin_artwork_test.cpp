// The built-in skin bitmaps: every picture the styles name exists at its size, splits into
// its cells, and holds magenta exactly where a control draws it see-through.

#include <gtest/gtest.h>

#include <map>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/resources.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"
#include "skin/theme_values.h"
#include "skin/themes.h"

namespace {

constexpr TskUIStyle kStyles[] = {Graphite, Pearl, Marine, Jade, Glacier};

struct TPart {
  const char* Name;
  TSize Size[5];  // Graphite, Pearl, Marine, Jade, Glacier
  int Cells;
};

const TPart kParts[] = {
    {"BUTTON", {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}, 3},
    {"CHECKBOX", {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}, 4},
    {"RADIOBUTTON", {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}, 4},
    {"TITLEBTN", {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}, 18},
    {"TITLE_LEFT", {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}, 1},
    {"TITLE_CLIENT", {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}, 1},
    {"TITLE_RIGHT", {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}, 1},
    {"PROGRESSBAR", {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}, 1},
    {"TRACKBAR_BAR", {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}, 3},
    {"TRACKBAR_SLIDER", {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}, 1},
    {"TRACKBAR_SLIDER_V", {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}, 1},
    {"SCROLLBAR_BUTTON", {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}, 6},
    {"SCROLLBAR_TRACK", {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}, 3},
    {"CHECKLIST", {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}, 4},
    {"TAB", {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}, 2},
    {"TAB_LINE", {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}, 1},
    {"SIDECHANNEL_HANDLE", {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}, 1},
    {"SIDECHANNEL_BAR", {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}, 1},
};

const char* kPrefixes[] = {"GRAPHITE", "PEARL", "MARINE", "JADE", "GLACIER"};

const TColor kMagenta = clSkinTransparent;

void Load(TBitmap& b, const String& name) { b.LoadFromResourceName(0, name); }

bool HasMagenta(TBitmap& b, TRect r) {
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      if (b.Canvas()->Pixels(x, y) == kMagenta) return true;
    }
  }
  return false;
}

bool HasMagenta(TBitmap& b) { return HasMagenta(b, Rect(0, 0, b.Width(), b.Height())); }

bool SamePixels(TBitmap& a, const TRect& ra, TBitmap& b, const TRect& rb) {
  for (int y = 0; y < ra.Height(); ++y) {
    for (int x = 0; x < ra.Width(); ++x) {
      if (a.Canvas()->Pixels(ra.Left + x, ra.Top + y) != b.Canvas()->Pixels(rb.Left + x, rb.Top + y)) return false;
    }
  }
  return true;
}

TRect Cell(TBitmap& b, int count, int i) {
  int w = b.Width() / count;
  return Bounds(w * i, 0, w, b.Height());
}

TEST(BuiltInArtwork, EveryPartHasItsSizeAndEqualCells) {
  for (int s = 0; s < 5; ++s) {
    for (const TPart& part : kParts) {
      if (String(part.Name) == "SCROLLBUTTON") continue;
      String name = String(kPrefixes[s]) + "_" + part.Name;
      SCOPED_TRACE(name);
      TBitmap b;
    Load(b, name);
      EXPECT_EQ(b.Width(), part.Size[s].cx);
      EXPECT_EQ(b.Height(), part.Size[s].cy);
      EXPECT_EQ(b.Width() % part.Cells, 0);
      // Each look of a strip differs from the others.
      for (int i = 0; i + 1 < part.Cells; ++i) {
        EXPECT_FALSE(SamePixels(b, Cell(b, part.Cells, i), b, Cell(b, part.Cells, i + 1)))
            << "cells " << i + 1 << " and " << i + 2;
      }
    }
  }
}

TEST(BuiltInArtwork, PicturesNamedInCodeExist) {
  const std::map<String, TSize> sizes = {
      {"GRAPHITE_SCROLLBUTTON", {72, 18}}, {"PEARL_SCROLLBUTTON", {72, 18}},
      {"MORE_SCROLLBUTTON", {72, 17}},     {"GRAPHITE_MENU_BAR", {1, 22}},
      {"GRAPHITE_MENU_SELECT", {1, 21}},   {"GRAPHITE_FORM_BACKGROUND", {8, 8}},
      {"JADE_FORM_BACKGROUND", {8, 8}},    {"GRAPHITE_COMBOBOX_BUTTON", {16, 17}},
      {"PEARL_COMBOBOX_BUTTON", {16, 18}}, {"MENU_CHECKED", {16, 16}},
      {"MSGDLG", {168, 42}},
  };
  for (const auto& [name, size] : sizes) {
    TBitmap b;
    Load(b, name);
    EXPECT_EQ(b.Width(), size.cx) << name;
    EXPECT_EQ(b.Height(), size.cy) << name;
    EXPECT_FALSE(HasMagenta(b)) << name;  // all drawn opaque (the check mark masks white)
  }
  TBitmap check;
    Load(check, "MENU_CHECKED");
  EXPECT_EQ(check.Canvas()->Pixels(0, 15), clWhite);
}

TEST(BuiltInArtwork, EveryBitmapKeyOfEveryStyleLoads) {
  for (TskUIStyle style : kStyles) {
    for (TskThemeKey k : kThemeKeys) {
      if (ThemeKeyKind(k) != tvkBitmap) continue;
      TBitmap b;
      GetInsideThemeBitmap(style, k, &b);
      EXPECT_FALSE(b.Empty()) << style << " " << ThemeKeyName(k);
    }
  }
}

// Opaque pictures: drawn with no transparent colour, so magenta would show.
TEST(BuiltInArtwork, OpaquePicturesHaveNoMagenta) {
  const char* opaque[] = {"CHECKBOX", "TITLE_LEFT", "TITLE_CLIENT", "TITLE_RIGHT", "PROGRESSBAR",
                          "TRACKBAR_SLIDER_V", "SCROLLBAR_BUTTON", "SCROLLBAR_TRACK",
                          "CHECKLIST", "TAB_LINE", "SIDECHANNEL_HANDLE", "SIDECHANNEL_BAR"};
  for (int s = 0; s < 5; ++s) {
    for (const char* part : opaque) {
      String name = String(kPrefixes[s]) + "_" + part;
      TBitmap b;
    Load(b, name);
      EXPECT_FALSE(HasMagenta(b)) << name;
    }
    TBitmap button;
    Load(button, String(kPrefixes[s]) + "_BUTTON");
    EXPECT_EQ(HasMagenta(button), GetInsideThemeBool(kStyles[s], tkButtonTransparentBool)) << kPrefixes[s];
    TBitmap titleButtons;
    Load(titleButtons, String(kPrefixes[s]) + "_TITLEBTN");
    EXPECT_EQ(HasMagenta(titleButtons), GetInsideThemeBool(kStyles[s], tkTitleBarButtonTransparentBool)) << kPrefixes[s];
  }
}

// Cells drawn with their bottom-left pixel as the transparent colour must have magenta there.
TEST(BuiltInArtwork, SeeThroughCellsAreMagentaBottomLeft) {
  for (int s = 0; s < 5; ++s) {
    SCOPED_TRACE(kPrefixes[s]);
    TBitmap radio;
    Load(radio, String(kPrefixes[s]) + "_RADIOBUTTON");
    for (int i = 0; i < 4; ++i) {
      TRect r = Cell(radio, 4, i);
      EXPECT_EQ(radio.Canvas()->Pixels(r.Left, r.Bottom - 1), kMagenta) << "radio cell " << i + 1;
    }
    TBitmap slider;
    Load(slider, String(kPrefixes[s]) + "_TRACKBAR_SLIDER");
    EXPECT_EQ(slider.Canvas()->Pixels(0, slider.Height() - 1), kMagenta);
    if (!GetInsideThemeBool(kStyles[s], tkTitleBarButtonTransparentBool)) continue;
    TBitmap titleButtons;
    Load(titleButtons, String(kPrefixes[s]) + "_TITLEBTN");
    for (int i = 0; i < 18; ++i) {
      TRect r = Cell(titleButtons, 18, i);
      EXPECT_EQ(titleButtons.Canvas()->Pixels(r.Left, r.Bottom - 1), kMagenta) << "title cell " << i + 1;
    }
  }
}

// What is stretched never holds magenta: a button's middle row and column, a bar's middle
// cell and a tab's middle third.
TEST(BuiltInArtwork, StretchedMiddlesHaveNoMagenta) {
  for (int s = 0; s < 5; ++s) {
    SCOPED_TRACE(kPrefixes[s]);
    TBitmap button;
    Load(button, String(kPrefixes[s]) + "_BUTTON");
    for (int i = 0; i < 3; ++i) {
      TRect r = Cell(button, 3, i);
      int mx = r.Left + r.Width() / 2, my = r.Height() / 2;
      EXPECT_FALSE(HasMagenta(button, Rect(mx, 0, mx + 1, r.Bottom)));
      EXPECT_FALSE(HasMagenta(button, Rect(r.Left, my, r.Right, my + 1)));
    }
    TBitmap bar;
    Load(bar, String(kPrefixes[s]) + "_TRACKBAR_BAR");
    EXPECT_FALSE(HasMagenta(bar, Cell(bar, 3, 1)));
    EXPECT_TRUE(HasMagenta(bar, Cell(bar, 3, 0)));  // rounded ends are see-through
    TBitmap tab;
    Load(tab, String(kPrefixes[s]) + "_TAB");
    for (int i = 0; i < 2; ++i) {
      TRect r = Cell(tab, 2, i);
      int third = r.Width() / 3;
      EXPECT_FALSE(HasMagenta(tab, Rect(r.Left + third, 0, r.Left + 2 * third, r.Bottom)));
      EXPECT_EQ(tab.Canvas()->Pixels(r.Left, 0), kMagenta);  // tells the strip its mask
    }
  }
}

// Opaque title bar buttons carry the bar's own rows behind them, so they sit on it unseen.
TEST(BuiltInArtwork, OpaqueTitleButtonsMatchTheBarBehindThem) {
  for (int s = 0; s < 5; ++s) {
    if (GetInsideThemeBool(kStyles[s], tkTitleBarButtonTransparentBool)) continue;
    SCOPED_TRACE(kPrefixes[s]);
    TBitmap buttons;
    Load(buttons, String(kPrefixes[s]) + "_TITLEBTN");
    TBitmap client;
    Load(client, String(kPrefixes[s]) + "_TITLE_CLIENT");
    int top = GetInsideThemeInt(kStyles[s], tkTitleBarButtonTopInt);
    TRect maximize = Cell(buttons, 18, 6);  // normal look: no frame
    for (int y : {0, maximize.Height() - 1}) {
      EXPECT_EQ(buttons.Canvas()->Pixels(maximize.Left, y), client.Canvas()->Pixels(0, top + y)) << y;
    }
  }
}

TEST(BuiltInArtwork, FromThemeFileWithoutAFileShowsMarinesBitmaps) {
  TskFileTheme unloaded(nullptr);
  TskThemeValues values(&unloaded, FromThemeFile);
  for (TskThemeKey k : kThemeKeys) {
    if (ThemeKeyKind(k) != tvkBitmap) continue;
    TBitmap fallback, marine;
    values.Bitmap(k, &fallback);
    GetInsideThemeBitmap(Marine, k, &marine);
    ASSERT_EQ(fallback.Width(), marine.Width()) << ThemeKeyName(k);
    EXPECT_TRUE(SamePixels(fallback, Rect(0, 0, marine.Width(), marine.Height()), marine,
                           Rect(0, 0, marine.Width(), marine.Height())))
        << ThemeKeyName(k);
  }
}

TEST(BuiltInArtwork, CellsAreCutThroughTheThemeLookup) {
  TBitmap cell;
  GetInsideThemeBitmapPiece(Marine, tkTitleBarButtonImage, &cell, 18, 18);  // the close button, pressed
  EXPECT_EQ(cell.Width(), 19);
  EXPECT_EQ(cell.Height(), 19);
  TBitmap whole;
  GetInsideThemeBitmapPiece(Pearl, tkButtonImage, &whole, 0, 5);  // no count: the whole strip
  EXPECT_EQ(whole.Width(), 54);
  TBitmap untouched(3, 3);
  GetInsideThemeBitmapPiece(Marine, tkFormMinWidthInt, &untouched, 3, 1);  // not a bitmap key
  GetInsideThemeBitmap(FromThemeFile, tkButtonImage, &untouched);
  EXPECT_EQ(untouched.Width(), 3);
  EXPECT_THROW(GetInsideThemeBitmapPiece(Marine, tkButtonImage, &cell, 3, 4), Exception);
}

}  // namespace
