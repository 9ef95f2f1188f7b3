// Writes the showcase's theme file: the skin pictures drawn by the built-in artwork's own
// routines in a palette of their own, and the theme's own colours and sizes.
//
//   make-showcase-theme <file.skn>

#include <cstdio>
#include <map>
#include <memory>

#include "platform/graphics/bitmap.h"
#include "resources/artwork.h"
#include "resources/skin_artwork_kit.h"
#include "skin/theme_file_writer.h"
#include "skin/themes.h"

namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

// A plum-coloured style with Marine's proportions.
skin_art::TStylePalette PlumPalette() {
  return {.Prefix = "PLUM",
          .Sizes = {{222, 21}, {52, 13}, {52, 13}, {342, 19}, {97, 30}, {98, 30}, {97, 30},
                    {1, 10}, {45, 4}, {11, 20}, {18, 11}, {96, 16}, {21, 16}, {44, 11},
                    {72, 17}, {18, 17}, {10, 5}, {8, 83}, {1, 21}},
          .Background = Rgb(0xF4, 0xF0, 0xF7), .Face = Rgb(0xFF, 0xFF, 0xFF),
          .FaceShade = Rgb(0xE2, 0xD6, 0xEA), .Border = Rgb(0x5A, 0x3A, 0x6E),
          .Accent = Rgb(0x7A, 0x3E, 0x9D), .AccentLight = Rgb(0xD2, 0xB6, 0xE4),
          .TitleTop = Rgb(0x9E, 0x62, 0xC4), .TitleBottom = Rgb(0x4E, 0x1E, 0x6E),
          .TitleGlyph = clWhite, .ScrollBack = Rgb(0xF6, 0xF3, 0xF8),
          .TitleButtonTop = 5, .ButtonSeeThrough = false, .TitleButtonSeeThrough = false,
          .OwnScrollButton = true, .Radius = 3};
}

// The theme's numbers, colours and switches, by key name.
const std::map<String, int32_t> kValues = {
    {"ButtonTransparentBool", 0},
    {"TitleBarButtonTransparentBool", 0},
    {"TitleBarButtonLeftOffsetInt", 2},
    {"TitleBarButtonRightOffsetInt", -2},
    {"TitleBarButtonTopInt", 5},
    {"FormMinWidthInt", 150},
    {"FormRoundCornerInt", 9},
    {"FormBackgroundColor", Rgb(0xF4, 0xF0, 0xF7)},
    {"FormBorderColor", Rgb(0x4E, 0x1E, 0x6E)},
    {"FormBorderWidthInt", 2},
    {"MenuSelectedBorderColor", Rgb(0x7A, 0x3E, 0x9D)},
    {"MenuSelectedBackgroundColor", Rgb(0xE6, 0xD6, 0xF0)},
    {"MenuSelectedFontColor", Rgb(0x2E, 0x0E, 0x44)},
    {"MenuBackgroundColor", Rgb(0xFF, 0xFF, 0xFF)},
    {"MenuFontColor", Rgb(0x00, 0x00, 0x00)},
    {"MenuBarColor", Rgb(0xE2, 0xD6, 0xEA)},
    {"ControlBorderColor", Rgb(0x5A, 0x3A, 0x6E)},
    {"ControlBackgroundColor", Rgb(0xF4, 0xF0, 0xF7)},
    {"ControlFontColor", Rgb(0x2E, 0x0E, 0x44)},
    {"ScrollBarBackgroundColor", Rgb(0xF6, 0xF3, 0xF8)},
    {"ToolBarButtonBorderColor", Rgb(0x7A, 0x3E, 0x9D)},
    {"ToolBarButtonBackgroundColor", Rgb(0xF0, 0xE8, 0xF6)},
    {"ToolBarButtonDownBackgroundColor", Rgb(0xDC, 0xC8, 0xEA)},
};

// Keeps the pictures the artwork routines hand over, by name.
class TCollectingSink : public TArtworkSink {
 public:
  void AddBitmap(const String& name, TBitmap& bitmap) override {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&bitmap);
    pictures_[name] = std::move(copy);
  }
  void AddCursor(const String&, TBitmap&, TColor, TPoint) override {}
  TBitmap* Find(const String& name) {
    auto found = pictures_.find(name);
    return found == pictures_.end() ? nullptr : found->second.get();
  }

 private:
  std::map<String, std::unique_ptr<TBitmap>> pictures_;
};

// The part of a bitmap key's name ("BUTTON"), as the built-in styles name their pictures.
String PartOfKey(TskThemeKey key) {
  TskThemeValueKind kind;
  String builtIn = GetInsideThemeValue(Graphite, key, kind).BitmapName;
  return builtIn.substr(String("GRAPHITE_").size());
}

void WriteTheme(const String& fileName) {
  skin_art::TStylePalette palette = PlumPalette();
  TCollectingSink pictures;
  skin_art::DrawControlArtwork(palette, pictures);
  skin_art::DrawFrameArtwork(palette, pictures);
  TskThemeFileWriter writer;
  writer.AddString("ThemeName", "Plum");
  for (TskThemeKey key : kThemeKeys) {
    String name = ThemeKeyName(key);
    if (ThemeKeyKind(key) == tvkBitmap) {
      TBitmap* picture = pictures.Find(palette.Prefix + "_" + PartOfKey(key));
      if (picture == nullptr) throw Exception("No picture for " + name);
      writer.AddBitmap(name, *picture);
    } else if (ThemeKeyKind(key) == tvkBool) {
      writer.AddBool(name, kValues.at(name) != 0);
    } else {
      writer.AddInteger(name, kValues.at(name));
    }
  }
  writer.SaveToFile(fileName);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <file.skn>\n", argv[0]);
    return 2;
  }
  try {
    WriteTheme(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-showcase-theme: %s\n", e.what());
    return 1;
  }
  return 0;
}
