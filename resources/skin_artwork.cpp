// The skinned controls' built-in artwork: the five styles' pictures, each in its own colours.

#include "resources/artwork.h"
#include "resources/skin_artwork_kit.h"

namespace skin_art {

namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

TStylePalette Graphite() {
  TStylePalette p;
  p.Prefix = "GRAPHITE";
  p.Sizes = {{252, 23}, {60, 17}, {64, 17}, {306, 17}, {48, 23}, {49, 23}, {48, 23}, {13, 10},
             {45, 5},   {11, 20}, {19, 11}, {96, 22},  {33, 16}, {40, 11}, {72, 18}, {36, 27},
             {17, 7},   {7, 84},  {1, 21}};
  p.Background = Rgb(0xE7, 0xE7, 0xE7);
  p.Face = Rgb(0xFA, 0xFA, 0xFA);
  p.FaceShade = Rgb(0xC4, 0xC6, 0xCA);
  p.Border = Rgb(0x7F, 0x7F, 0x7F);
  p.Accent = Rgb(0x39, 0x73, 0xC4);
  p.AccentLight = Rgb(0x9C, 0xC0, 0xEE);
  p.TitleTop = Rgb(0xF6, 0xF6, 0xF6);
  p.TitleBottom = Rgb(0xB4, 0xB6, 0xBA);
  p.TitleGlyph = Rgb(0x30, 0x30, 0x30);
  p.ScrollBack = Rgb(0xC9, 0xC9, 0xC9);
  p.TitleButtonTop = 4;
  p.ButtonSeeThrough = true;
  p.TitleButtonSeeThrough = false;
  p.OwnScrollButton = true;
  p.Radius = 3;
  return p;
}

TStylePalette Pearl() {
  TStylePalette p;
  p.Prefix = "PEARL";
  p.Sizes = {{54, 21}, {52, 13}, {52, 13}, {378, 21}, {35, 29}, {37, 29}, {35, 29}, {6, 10},
             {45, 8},  {11, 21}, {22, 11}, {96, 17},  {21, 16}, {44, 11}, {72, 18}, {18, 18},
             {8, 1},   {8, 86},  {1, 21}};
  p.Background = Rgb(0xEF, 0xEB, 0xDE);
  p.Face = Rgb(0xFF, 0xFF, 0xFF);
  p.FaceShade = Rgb(0xE2, 0xE6, 0xF0);
  p.Border = Rgb(0x68, 0x68, 0x68);
  p.Accent = Rgb(0x00, 0x2C, 0xC8);
  p.AccentLight = Rgb(0xC6, 0xD3, 0xEF);
  p.TitleTop = Rgb(0x4A, 0x78, 0xEC);
  p.TitleBottom = Rgb(0x00, 0x2C, 0xC8);
  p.TitleGlyph = clWhite;
  p.ScrollBack = Rgb(0xF9, 0xF9, 0xF9);
  p.TitleButtonTop = 5;
  p.ButtonSeeThrough = false;
  p.TitleButtonSeeThrough = false;
  p.OwnScrollButton = true;
  p.Radius = 3;
  return p;
}

// Marine, Jade and Glacier share most part sizes.
TStyleSizes SharedSizes(TSize button, TSize titleLeft, TSize titleClient, TSize titleRight,
                        TSize scrollBarButton, TSize tab, TSize sideHandle, TSize sideBar) {
  return {button,        {52, 13}, {52, 13}, {342, 19}, titleLeft, titleClient, titleRight,
          {1, 10},       {45, 4},  {11, 20}, {18, 11},  scrollBarButton, {21, 16}, {44, 11},
          {72, 17},      tab,      {10, 5},  sideHandle, sideBar};
}

TStylePalette Marine() {
  TStylePalette p;
  p.Prefix = "MARINE";
  p.Sizes = SharedSizes({222, 21}, {97, 32}, {98, 32}, {97, 32}, {96, 16}, {12, 17}, {8, 83},
                        {1, 20});
  p.Sizes.TabLine = {5, 5};
  p.Background = Rgb(0xE8, 0xE8, 0xE8);
  p.Face = Rgb(0xFF, 0xFF, 0xFF);
  p.FaceShade = Rgb(0xD4, 0xDA, 0xE6);
  p.Border = Rgb(0x33, 0x3B, 0x55);
  p.Accent = Rgb(0x44, 0x4A, 0xA0);
  p.AccentLight = Rgb(0x9C, 0xA8, 0xE0);
  p.TitleTop = Rgb(0x2E, 0x52, 0xA2);
  p.TitleBottom = Rgb(0x10, 0x24, 0x5C);
  p.TitleGlyph = clWhite;
  p.ScrollBack = Rgb(0xF5, 0xF5, 0xF5);
  p.TitleButtonTop = 2;
  p.ButtonSeeThrough = false;
  p.TitleButtonSeeThrough = false;
  p.OwnScrollButton = false;
  p.Radius = 2;
  return p;
}

TStylePalette Jade() {
  TStylePalette p;
  p.Prefix = "JADE";
  p.Sizes = SharedSizes({222, 21}, {441, 23}, {1, 23}, {1, 23}, {96, 16}, {18, 17}, {8, 83},
                        {1, 21});
  p.Background = Rgb(0xFB, 0xFB, 0xFB);
  p.Face = Rgb(0xFF, 0xFF, 0xFF);
  p.FaceShade = Rgb(0xD6, 0xEC, 0xDE);
  p.Border = Rgb(0x2E, 0x5E, 0x48);
  p.Accent = Rgb(0x1E, 0x8C, 0x5A);
  p.AccentLight = Rgb(0xA2, 0xDA, 0xBC);
  p.TitleTop = Rgb(0x3C, 0xAA, 0x7A);
  p.TitleBottom = Rgb(0x14, 0x6C, 0x48);
  p.TitleGlyph = clWhite;
  p.ScrollBack = Rgb(0xF5, 0xF5, 0xF5);
  p.TitleButtonTop = 2;
  p.ButtonSeeThrough = false;
  p.TitleButtonSeeThrough = true;
  p.OwnScrollButton = false;
  p.Radius = 2;
  return p;
}

TStylePalette Glacier() {
  TStylePalette p;
  p.Prefix = "GLACIER";
  p.Sizes = SharedSizes({231, 27}, {162, 33}, {179, 33}, {101, 33}, {102, 16}, {18, 17}, {8, 86},
                        {1, 21});
  p.Background = Rgb(0xE7, 0xE7, 0xE7);
  p.Face = Rgb(0xFF, 0xFF, 0xFF);
  p.FaceShade = Rgb(0xD2, 0xE2, 0xF2);
  p.Border = Rgb(0x5A, 0x78, 0x98);
  p.Accent = Rgb(0x5E, 0x5E, 0xEC);
  p.AccentLight = Rgb(0xBE, 0xD6, 0xF4);
  p.TitleTop = Rgb(0x8C, 0xBE, 0xEE);
  p.TitleBottom = Rgb(0x36, 0x74, 0xBE);
  p.TitleGlyph = clWhite;
  p.ScrollBack = Rgb(0xF4, 0xF4, 0xF4);
  p.TitleButtonTop = 6;
  p.ButtonSeeThrough = true;
  p.TitleButtonSeeThrough = true;
  p.OwnScrollButton = false;
  p.Radius = 3;
  return p;
}

void DrawSkinArtwork(TArtworkSink& sink) {
  for (const TStylePalette& p : {Graphite(), Pearl(), Marine(), Jade(), Glacier()}) {
    DrawStyleArtwork(p, sink);
  }
  DrawSharedScrollButtons(Marine(), sink);
  DrawSharedSkinArtwork(sink);
}

}  // namespace

REGISTER_ARTWORK(DrawSkinArtwork)

}  // namespace skin_art
