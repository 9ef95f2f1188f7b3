#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/object.h"
#include "platform/core/streams.h"
#include "platform/core/string_list.h"

// A theme file (".skn") read into four name/value lists: bitmaps, integers (colours are
// integers too), booleans and strings. The file is a 24-byte header whose last field is the
// offset of the first entry, then a chain of 77-byte entries, each naming its value's offset
// and size and the next entry's offset (0 ends the chain).
//
// Damaged files never raise and never read outside the file: an entry whose value does not
// fit its type or the file, or would make the values kept larger than the file, is skipped, as
// is a picture larger than a screen (more than 4096 pixels along a side, or than 1920 x 1200
// in all); a chain that loops, runs past the end or meets a short read ends the parse with the
// entries read so far. Lookups ignore case; the first of two entries with one name wins.
class TskThemeFileReader : public TObject {
  DECLARE_CLASS(TskThemeFileReader, TObject)
 public:
  explicit TskThemeFileReader(const String& fileName);
  // Reads a theme file image held in a stream (the file constructor's parse).
  explicit TskThemeFileReader(TStream& stream);
  ~TskThemeFileReader() override;
  TskThemeFileReader(const TskThemeFileReader&) = delete;
  TskThemeFileReader& operator=(const TskThemeFileReader&) = delete;

  // The stored bitmap file image of `name`, rewound; nullptr when the file has none.
  TMemoryStream* Bitmap(const String& name) const;
  // Absent when the file has no such integer or its text is not a decimal integer; -1 is a
  // value like any other.
  std::optional<int32_t> Integer(const String& name) const;
  // The stored byte's low byte as a truth value; absent as for integers.
  std::optional<bool> Boolean(const String& name) const;

  // The lists as read, for callers that list a file's contents.
  const TStringList& BitmapNames() const { return bitmapNames_; }
  const TStringList& Integers() const { return integers_; }
  const TStringList& Booleans() const { return booleans_; }
  const TStringList& Strings() const { return strings_; }

 private:
  struct Entry;
  void Parse(TStream& stream);
  void Store(TStream& stream, const Entry& entry);

  TStringList bitmapNames_;  // parallel to bitmaps_
  std::vector<std::unique_ptr<TMemoryStream>> bitmaps_;
  TStringList integers_;
  TStringList booleans_;
  TStringList strings_;
};
