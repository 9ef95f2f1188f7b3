// The built-in bitmaps and cursors, registered and found by name.
#include "platform/graphics/resources.h"

#include <map>

#include "platform/core/streams.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/masked_draw.h"

namespace {

// Names are stored upper-cased, so lookups ignore Latin case.
template <typename Entry>
std::map<String, const Entry*>& Registry() {
  static std::map<String, const Entry*> registry;
  return registry;
}

template <typename Entry>
void Register(const Entry* entries, size_t count) {
  for (size_t i = 0; i < count; ++i) Registry<Entry>()[UpperCase(entries[i].Name)] = &entries[i];
}

template <typename Entry>
const Entry* Find(std::string_view name) {
  auto& registry = Registry<Entry>();
  auto found = registry.find(UpperCase(name));
  return found == registry.end() ? nullptr : found->second;
}

template <typename Entry>
std::vector<String> Names() {
  std::vector<String> names;
  for (const auto& [name, entry] : Registry<Entry>()) names.push_back(name);
  return names;
}

[[noreturn]] void NotFound(std::string_view name) {
  throw EResNotFound("Resource " + String(name) + " not found");
}

}  // namespace

void RegisterBuiltInBitmaps(const TBuiltInBitmap* entries, size_t count) {
  Register(entries, count);
}

void RegisterBuiltInCursors(const TBuiltInCursor* entries, size_t count) {
  Register(entries, count);
}

const TBuiltInBitmap* FindBuiltInBitmap(std::string_view name) {
  return Find<TBuiltInBitmap>(name);
}

const TBuiltInCursor* FindBuiltInCursor(std::string_view name) {
  return Find<TBuiltInCursor>(name);
}

std::vector<String> BuiltInBitmapNames() { return Names<TBuiltInBitmap>(); }

std::vector<String> BuiltInCursorNames() { return Names<TBuiltInCursor>(); }

TCursorImage LoadCursorFromResourceName(std::string_view name) {
  const TBuiltInCursor* entry = FindBuiltInCursor(name);
  if (entry == nullptr) NotFound(name);
  TMaskedBitmaps parts = SplitByAlpha(DecodeBmp(entry->Data, entry->Size));
  TCursorImage cursor;
  cursor.Image = std::move(parts.Picture);
  cursor.Mask = std::move(parts.Mask);
  cursor.HotSpot = Point(entry->HotX, entry->HotY);
  return cursor;
}

void TBitmap::LoadFromResourceName(uintptr_t /*instance*/, const String& name) {
  const TBuiltInBitmap* entry = FindBuiltInBitmap(name);
  if (entry == nullptr) NotFound(name);
  TBytesStream stream(entry->Data, static_cast<int64_t>(entry->Size));
  LoadFromStream(stream);
}
