// Learned character advances that make measuring plain texts fast.
#include "platform/graphics/text_advances.h"

#include <QChar>

namespace {

// What is learnt stays bounded; past it, texts with what is new are shaped whole.
constexpr size_t kMostChars = 1 << 14;
constexpr size_t kMostPairs = 1 << 16;
// Longer texts are rare in cells and are shaped whole.
constexpr size_t kLongestText = 256;

// Characters that shaping lays out one after another at their own widths, unless the font
// pairs them (which Additive finds out): no marks, controls, format characters or
// surrogates, and only scripts written left to right without joining.
bool Simple(char16_t c) {
  const QChar ch(c);
  if (ch.isSurrogate()) return false;
  switch (ch.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
      return false;
    default: break;
  }
  switch (ch.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
      break;
    default: return false;
  }
  return ch.direction() != QChar::DirR && ch.direction() != QChar::DirAL && ch.direction() != QChar::DirAN;
}

}  // namespace

int64_t TTextAdvances::Advance(std::u16string_view text) {
  if (text.empty() || text.size() > kLongestText) return -1;
  int64_t sum = 0;
  int64_t previous = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!Simple(text[i])) return -1;
    const int64_t advance = CharAdvance(text[i]);
    if (advance < 0) return -1;
    if (i > 0 && !Additive(text[i - 1], text[i], previous, advance)) return -1;
    sum += advance;
    previous = advance;
  }
  return sum;
}

int64_t TTextAdvances::CharAdvance(char16_t c) {
  const auto known = chars_.find(c);
  if (known != chars_.end()) return known->second;
  if (chars_.size() >= kMostChars) return -1;
  const int64_t advance = shaper_(std::u16string_view(&c, 1));
  chars_.emplace(c, advance);
  return advance;
}

bool TTextAdvances::Additive(char16_t first, char16_t second, int64_t firstAdvance, int64_t secondAdvance) {
  const uint32_t key = static_cast<uint32_t>(first) << 16 | second;
  const auto known = pairs_.find(key);
  if (known != pairs_.end()) return known->second;
  if (pairs_.size() >= kMostPairs) return false;
  const char16_t pair[] = {first, second};
  const bool additive = shaper_(std::u16string_view(pair, 2)) == firstAdvance + secondAdvance;
  pairs_.emplace(key, additive);
  return additive;
}
