// The skinned controls' built-in artwork: the five styles' pictures, each in its own colours.

#include "resources/artwork.h"
#include "resources/skin_artwork_kit.h"

namespace skin_art {

namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

// Colours as red, green, blue.
TStylePalette Graphite() {
  return {.Prefix = "GRAPHITE",
          .Sizes = {{252, 23}, {60, 17}, {64, 17}, {306, 17}, {48, 23}, {49, 23}, {48, 23},
                    {13, 10}, {45, 5}, {11, 20}, {19, 11}, {96, 22}, {33, 16}, {40, 11},
                    {72, 18}, {36, 27}, {17, 7}, {7, 84}, {1, 21}},
          .Background = Rgb(0xE7, 0xE7, 0xE7), .Face = Rgb(0xFA, 0xFA, 0xFA),
          .FaceShade = Rgb(0xC4, 0xC6, 0xCA), .Border = Rgb(0x7F, 0x7F, 0x7F),
          .Accent = Rgb(0x39, 0x73, 0xC4), .AccentLight = Rgb(0x9C, 0xC0, 0xEE),
          .TitleTop = Rgb(0xF6, 0xF6, 0xF6), .TitleBottom = Rgb(0xB4, 0xB6, 0xBA),
          .TitleGlyph = Rgb(0x30, 0x30, 0x30), .ScrollBack = Rgb(0xC9, 0xC9, 0xC9),
          .TitleButtonTop = 4, .ButtonSeeThrough = true, .TitleButtonSeeThrough = false,
          .OwnScrollButton = true, .Radius = 3};
}

TStylePalette Pearl() {
  return {.Prefix = "PEARL",
          .Sizes = {{54, 21}, {52, 13}, {52, 13}, {378, 21}, {35, 29}, {37, 29}, {35, 29},
                    {6, 10}, {45, 8}, {11, 21}, {22, 11}, {96, 17}, {21, 16}, {44, 11},
                    {72, 18}, {18, 18}, {8, 1}, {8, 86}, {1, 21}},
          .Background = Rgb(0xEF, 0xEB, 0xDE), .Face = Rgb(0xFF, 0xFF, 0xFF),
          .FaceShade = Rgb(0xE2, 0xE6, 0xF0), .Border = Rgb(0x68, 0x68, 0x68),
          .Accent = Rgb(0x00, 0x2C, 0xC8), .AccentLight = Rgb(0xC6, 0xD3, 0xEF),
          .TitleTop = Rgb(0x4A, 0x78, 0xEC), .TitleBottom = Rgb(0x00, 0x2C, 0xC8),
          .TitleGlyph = clWhite, .ScrollBack = Rgb(0xF9, 0xF9, 0xF9),
          .TitleButtonTop = 5, .ButtonSeeThrough = false, .TitleButtonSeeThrough = false,
          .OwnScrollButton = true, .Radius = 3};
}

// Marine, Jade and Glacier share most part sizes.
TStyleSizes SharedSizes(TSize button, TSize titleLeft, TSize titleClient, TSize titleRight,
                        TSize scrollBarButton, TSize tab, TSize tabLine, TSize sideHandle,
                        TSize sideBar) {
  return {button, {52, 13}, {52, 13}, {342, 19}, titleLeft, titleClient, titleRight,
          {1, 10}, {45, 4}, {11, 20}, {18, 11}, scrollBarButton, {21, 16}, {44, 11},
          {72, 17}, tab, tabLine, sideHandle, sideBar};
}

TStylePalette Marine() {
  return {.Prefix = "MARINE",
          .Sizes = SharedSizes({222, 21}, {97, 32}, {98, 32}, {97, 32}, {96, 16}, {12, 17},
                               {5, 5}, {8, 83}, {1, 20}),
          .Background = Rgb(0xE8, 0xE8, 0xE8), .Face = Rgb(0xFF, 0xFF, 0xFF),
          .FaceShade = Rgb(0xD4, 0xDA, 0xE6), .Border = Rgb(0x33, 0x3B, 0x55),
          .Accent = Rgb(0x44, 0x4A, 0xA0), .AccentLight = Rgb(0x9C, 0xA8, 0xE0),
          .TitleTop = Rgb(0x2E, 0x52, 0xA2), .TitleBottom = Rgb(0x10, 0x24, 0x5C),
          .TitleGlyph = clWhite, .ScrollBack = Rgb(0xF5, 0xF5, 0xF5),
          .TitleButtonTop = 2, .ButtonSeeThrough = false, .TitleButtonSeeThrough = false,
          .OwnScrollButton = false, .Radius = 2};
}

TStylePalette Jade() {
  return {.Prefix = "JADE",
          .Sizes = SharedSizes({222, 21}, {441, 23}, {1, 23}, {1, 23}, {96, 16}, {18, 17},
                               {10, 5}, {8, 83}, {1, 21}),
          .Background = Rgb(0xFB, 0xFB, 0xFB), .Face = Rgb(0xFF, 0xFF, 0xFF),
          .FaceShade = Rgb(0xD6, 0xEC, 0xDE), .Border = Rgb(0x2E, 0x5E, 0x48),
          .Accent = Rgb(0x1E, 0x8C, 0x5A), .AccentLight = Rgb(0xA2, 0xDA, 0xBC),
          .TitleTop = Rgb(0x3C, 0xAA, 0x7A), .TitleBottom = Rgb(0x14, 0x6C, 0x48),
          .TitleGlyph = clWhite, .ScrollBack = Rgb(0xF5, 0xF5, 0xF5),
          .TitleButtonTop = 2, .ButtonSeeThrough = false, .TitleButtonSeeThrough = true,
          .OwnScrollButton = false, .Radius = 2};
}

TStylePalette Glacier() {
  return {.Prefix = "GLACIER",
          .Sizes = SharedSizes({231, 27}, {162, 33}, {179, 33}, {101, 33}, {102, 16}, {18, 17},
                               {10, 5}, {8, 86}, {1, 21}),
          .Background = Rgb(0xE7, 0xE7, 0xE7), .Face = Rgb(0xFF, 0xFF, 0xFF),
          .FaceShade = Rgb(0xD2, 0xE2, 0xF2), .Border = Rgb(0x5A, 0x78, 0x98),
          .Accent = Rgb(0x5E, 0x5E, 0xEC), .AccentLight = Rgb(0xBE, 0xD6, 0xF4),
          .TitleTop = Rgb(0x8C, 0xBE, 0xEE), .TitleBottom = Rgb(0x36, 0x74, 0xBE),
          .TitleGlyph = clWhite, .ScrollBack = Rgb(0xF4, 0xF4, 0xF4),
          .TitleButtonTop = 6, .ButtonSeeThrough = true, .TitleButtonSeeThrough = true,
          .OwnScrollButton = false, .Radius = 3};
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
