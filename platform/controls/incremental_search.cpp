// Typing to find a list item by the prefix typed so far.
#include "platform/controls/incremental_search.h"

#include "platform/core/utf8_codec.h"
#include "platform/windows/clock.h"

namespace {

int FindPrefix(const TStrings& items, const String& prefix, int start) {
  int count = items.Count();
  for (int n = 0; n < count; ++n) {
    int i = (start + n) % count;
    String head = LeftStr(items.Strings(i), CharLength(prefix));
    if (AnsiCompareText(head, prefix) == 0) return i;
  }
  return -1;
}

}  // namespace

int TIncrementalSearch::Type(const TStrings& items, char32_t code, int current) {
  uint32_t now = GetTickCount();
  if (now - lastTick_ > IncrementalSearchTimeout) prefix_.clear();
  lastTick_ = now;
  String typed;
  utf8::Append(typed, code);
  // The same single character again cycles through the items that start with it.
  bool cycling = prefix_ == typed;
  if (!cycling) prefix_ += typed;
  if (items.Count() == 0) return -1;
  int start = current < 0 ? 0 : current + (cycling || CharLength(prefix_) == 1 ? 1 : 0);
  return FindPrefix(items, prefix_, start % items.Count());
}
