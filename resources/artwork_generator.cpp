// The artwork generator: runs every registered drawing function and writes a C++ source that
// embeds the pictures (as BMP file images) and registers them by name, plus a copy of each
// picture as a .bmp file for people to look at.
//
//   artwork-generator <generated.cpp> [<folder for .bmp copies>]

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/core/streams.h"
#include "platform/graphics/argb_colors.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/bmp_codec.h"
#include "resources/artwork.h"

namespace {

std::vector<std::pair<String, TArtworkFunction>>& ArtworkFunctions() {
  static std::vector<std::pair<String, TArtworkFunction>> functions;
  return functions;
}

struct Picture {
  std::vector<uint8_t> bmp;
  bool cursor = false;
  TPoint hotSpot;
};

bool IsResourceName(const String& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  });
}

class EmbeddingSink : public TArtworkSink {
 public:
  void AddBitmap(const String& name, TBitmap& bitmap) override {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    Add(name, Picture{stream.Bytes(), false, {}});
  }

  void AddCursor(const String& name, TBitmap& bitmap, TColor transparent, TPoint hotSpot) override {
    TBmpImage image;
    bitmap.SaveToImage(image);
    uint32_t key = ColorToArgb(transparent) & 0xFFFFFF;
    for (uint32_t& p : image.Pixels) p = (p & 0xFFFFFF) == key ? 0 : (p | 0xFF000000u);
    image.HasAlpha = true;
    if (!Bounds(0, 0, image.Width, image.Height).Contains(hotSpot)) {
      throw Exception("Cursor " + name + ": hot spot outside the picture");
    }
    Add(name, Picture{EncodeBmp(image, 32), true, hotSpot});
  }

  const std::map<String, Picture>& Pictures() const { return pictures_; }

 private:
  void Add(const String& name, Picture picture) {
    if (!IsResourceName(name)) {
      throw Exception("Artwork name \"" + name + "\" must be upper-case letters, digits and _");
    }
    if (!pictures_.emplace(name, std::move(picture)).second) {
      throw Exception("Artwork name " + name + " is used twice");
    }
  }

  std::map<String, Picture> pictures_;  // sorted by name, so the output is stable
};

void WriteBytes(std::ostream& out, const std::vector<uint8_t>& bytes) {
  char hex[8];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(hex, sizeof hex, "0x%02x,", bytes[i]);
    out << (i % 16 == 0 ? "\n    " : "") << hex;
  }
}

void WriteTable(std::ostream& out, const std::map<String, Picture>& pictures, bool cursors) {
  const char* type = cursors ? "TBuiltInCursor" : "TBuiltInBitmap";
  const char* table = cursors ? "kCursors" : "kBitmaps";
  size_t count = 0;
  out << "const " << type << " " << table << "[] = {\n";
  for (const auto& [name, picture] : pictures) {
    if (picture.cursor != cursors) continue;
    out << "    {\"" << name << "\", k" << name << ", sizeof k" << name;
    if (cursors) out << ", " << picture.hotSpot.x << ", " << picture.hotSpot.y;
    out << "},\n";
    ++count;
  }
  if (count == 0) out << "    {nullptr, nullptr, 0" << (cursors ? ", 0, 0" : "") << "},\n";
  out << "};\nconstexpr size_t " << table << "Count = " << count << ";\n\n";
}

String GeneratedSource(const std::map<String, Picture>& pictures) {
  std::ostringstream out;
  out << "// Made by the artwork generator from resources/*_artwork.cpp when the project is "
         "built.\n\n#include \"platform/graphics/resources.h\"\n\nnamespace {\n\n";
  for (const auto& [name, picture] : pictures) {
    out << "const uint8_t k" << name << "[] = {";
    WriteBytes(out, picture.bmp);
    out << "\n};\n\n";
  }
  WriteTable(out, pictures, false);
  WriteTable(out, pictures, true);
  out << "[[maybe_unused]] const bool kRegistered =\n"
         "    (RegisterBuiltInBitmaps(kBitmaps, kBitmapsCount),\n"
         "     RegisterBuiltInCursors(kCursors, kCursorsCount), true);\n\n}  // namespace\n";
  return out.str();
}

// Rewrites the file only when its contents change, so an unchanged picture set does not
// rebuild what embeds it.
void WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
  std::ifstream in(path, std::ios::binary);
  std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.is_open() && old == text) return;
  in.close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw Exception("Cannot write " + path.string());
}

void WriteCopies(const std::filesystem::path& folder, const std::map<String, Picture>& pictures) {
  std::filesystem::create_directories(folder);
  for (const auto& [name, picture] : pictures) {
    std::string bytes(picture.bmp.begin(), picture.bmp.end());
    WriteIfChanged(folder / (name + ".bmp"), bytes);
  }
}

}  // namespace

bool RegisterArtwork(const char* functionName, TArtworkFunction draw) {
  ArtworkFunctions().emplace_back(functionName, draw);
  return true;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <generated.cpp> [<folder for .bmp copies>]\n", argv[0]);
    return 2;
  }
  try {
    auto& functions = ArtworkFunctions();
    std::sort(functions.begin(), functions.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    EmbeddingSink sink;
    for (const auto& [name, draw] : functions) draw(sink);
    WriteIfChanged(argv[1], GeneratedSource(sink.Pictures()));
    if (argc > 2) WriteCopies(argv[2], sink.Pictures());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artwork generator: %s\n", e.what());
    return 1;
  }
  return 0;
}
