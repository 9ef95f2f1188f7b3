// Bookmarks as bytes: encoding and decoding a record's identity.
#include "platform/data/bookmark.h"

// Eight bytes, little-endian, whatever the machine.
TBookmark EncodeBookmark(int64_t id) {
  TBookmark b(sizeof id, '\0');
  for (size_t i = 0; i < sizeof id; ++i) b[i] = static_cast<char>((static_cast<uint64_t>(id) >> (8 * i)) & 0xFF);
  return b;
}

bool DecodeBookmark(const TBookmark& bookmark, int64_t& id) {
  if (bookmark.size() != sizeof id) return false;
  uint64_t v = 0;
  for (size_t i = 0; i < sizeof id; ++i) v |= uint64_t{static_cast<unsigned char>(bookmark[i])} << (8 * i);
  id = static_cast<int64_t>(v);
  return true;
}
