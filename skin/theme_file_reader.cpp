// Reading theme files: values and pictures by key.
#include "skin/theme_file_reader.h"

#include <cstring>
#include <iterator>
#include <set>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/graphics/bmp_codec.h"
#include "skin/theme_file_layout.h"

using namespace theme_file;

struct TskThemeFileReader::Entry {
  String Name;
  uint8_t Type = 0;
  uint32_t DataOffset = 0;
  uint32_t DataSize = 0;
  uint32_t Next = 0;
};

namespace {

// Reads exactly `count` bytes at `offset`; false when the stream holds fewer.
bool ReadAt(TStream& stream, uint64_t offset, void* buffer, uint32_t count) {
  if (offset + count > static_cast<uint64_t>(stream.Size())) return false;
  stream.SetPosition(static_cast<int64_t>(offset));
  return stream.Read(buffer, count) == count;
}

// The first entry's offset, or 0 when the header is short or not of the one known length.
uint32_t FirstEntry(TStream& stream) {
  uint8_t header[kHeaderLength];
  if (!ReadAt(stream, 0, header, kHeaderLength)) return 0;
  if (ReadU32(header + kHeaderLengthOffset) != kHeaderLength) return 0;
  return ReadU32(header + kFirstEntryOffset);
}

// True when an entry at `offset` would share bytes with an entry already read: the chain
// points back into itself. Entries of a sound file never overlap, so a hostile file cannot
// make more entries than it has room for.
bool OverlapsChain(const std::set<uint32_t>& entries, uint32_t offset) {
  auto next = entries.lower_bound(offset);
  if (next != entries.end() && uint64_t{offset} + kEntryLength > *next) return true;
  if (next == entries.begin()) return false;
  return uint64_t{*std::prev(next)} + kEntryLength > offset;
}

// Theme pictures are the strips and edges of a form's frame and its controls: none needs to be
// larger than a screen, and a larger one would cost its whole size at every paint that draws
// it. Such an entry is refused as a damaged one is. A picture whose headers cannot be read is
// kept: it counts as missing where it is drawn.
constexpr int kLongestPictureSide = 4096;
constexpr int64_t kMostPicturePixels = int64_t{1920} * 1200;

bool FitsAScreen(TMemoryStream& bitmap) {
  try {
    const TBmpSize size = ReadBmpSize(bitmap.Memory(), static_cast<size_t>(bitmap.Size()));
    return size.Width <= kLongestPictureSide && size.Height <= kLongestPictureSide &&
           int64_t{size.Width} * size.Height <= kMostPicturePixels;
  } catch (const EInvalidGraphic&) {
    return true;
  }
}

}  // namespace

TskThemeFileReader::TskThemeFileReader(const String& fileName) {
  try {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
    Parse(stream);
  } catch (const EStreamError&) {
    // A file that vanished or cannot be read gives an empty theme; the caller still sees the
    // assignment as done, as for any damaged file.
  }
}

TskThemeFileReader::TskThemeFileReader(TStream& stream) { Parse(stream); }

TskThemeFileReader::~TskThemeFileReader() = default;

void TskThemeFileReader::Parse(TStream& stream) {
  uint64_t size = static_cast<uint64_t>(stream.Size());
  std::set<uint32_t> entries;
  uint64_t kept = 0;  // value bytes stored so far
  uint32_t offset = FirstEntry(stream);
  while (offset != 0 && !OverlapsChain(entries, offset)) {
    entries.insert(offset);
    uint8_t raw[kEntryLength];
    if (!ReadAt(stream, offset, raw, kEntryLength)) return;
    Entry entry;
    const char* name = reinterpret_cast<const char*>(raw);
    entry.Name.assign(name, strnlen(name, kNameLength));
    entry.Type = raw[kTypeOffset];
    entry.DataOffset = ReadU32(raw + kDataOffset);
    entry.DataSize = ReadU32(raw + kDataSizeOffset);
    entry.Next = ReadU32(raw + kNextOffset);
    // A value that lies past the end is skipped, and so is one that would make the values kept
    // larger than the file, which only values sharing bytes can; the chain goes on.
    if (uint64_t{entry.DataOffset} + entry.DataSize <= size && kept + entry.DataSize <= size) {
      kept += entry.DataSize;
      Store(stream, entry);
    }
    offset = entry.Next;
  }
}

void TskThemeFileReader::Store(TStream& stream, const Entry& entry) {
  switch (entry.Type) {
    case vtBitmap: {
      auto bitmap = std::make_unique<TMemoryStream>();
      bitmap->SetSize(entry.DataSize);
      if (!ReadAt(stream, entry.DataOffset, bitmap->Memory(), entry.DataSize) || !FitsAScreen(*bitmap)) return;
      bitmap->SetPosition(0);
      bitmapNames_.Add(entry.Name);
      bitmaps_.push_back(std::move(bitmap));
      return;
    }
    case vtInteger: {
      uint8_t bytes[4];
      if (entry.DataSize != 4 || !ReadAt(stream, entry.DataOffset, bytes, 4)) return;
      integers_.Add(entry.Name + "=" + IntToStr(static_cast<int32_t>(ReadU32(bytes))));
      return;
    }
    case vtBoolean: {
      uint8_t byte = 0;
      if (entry.DataSize != 1 || !ReadAt(stream, entry.DataOffset, &byte, 1)) return;
      booleans_.Add(entry.Name + "=" + IntToStr(byte));
      return;
    }
    case vtString: {
      String text(entry.DataSize, '\0');
      if (!ReadAt(stream, entry.DataOffset, text.data(), entry.DataSize)) return;
      strings_.Add(entry.Name + "=" + GbkToUtf8(text));
      return;
    }
    default:
      return;  // types of a later format are passed over
  }
}

TMemoryStream* TskThemeFileReader::Bitmap(const String& name) const {
  int index = bitmapNames_.IndexOf(name);
  if (index < 0) return nullptr;
  TMemoryStream* stream = bitmaps_[static_cast<size_t>(index)].get();
  stream->SetPosition(0);
  return stream;
}

namespace {

std::optional<int32_t> ValueOf(const TStringList& list, const String& name) {
  int index = list.IndexOfName(name);
  int value = 0;
  if (index < 0 || !TryStrToInt(list.ValueFromIndex(index), value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int32_t> TskThemeFileReader::Integer(const String& name) const {
  return ValueOf(integers_, name);
}

std::optional<bool> TskThemeFileReader::Boolean(const String& name) const {
  std::optional<int32_t> value = ValueOf(booleans_, name);
  if (!value) return std::nullopt;
  return (*value & 0xFF) != 0;
}
