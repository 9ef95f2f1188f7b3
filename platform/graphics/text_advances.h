#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>

// Widths of a font's characters, and whether pairs of them shape as the sum of their widths,
// learnt from the toolkit's shaping, so that most texts of simple characters are measured
// without shaping them again. A text with a character or a pair it has not learnt (and cannot
// learn any more) is left to the caller to shape whole.
class TTextAdvances {
 public:
  // Measures UTF-16 text as the toolkit shapes it, in 64ths of a pixel.
  using Shaper = std::function<int64_t(std::u16string_view)>;
  explicit TTextAdvances(Shaper shaper) : shaper_(std::move(shaper)) {}

  // The advance of `text` in 64ths of a pixel; -1 when it has to be shaped whole.
  int64_t Advance(std::u16string_view text);

 private:
  int64_t CharAdvance(char16_t c);
  bool Additive(char16_t first, char16_t second, int64_t firstAdvance, int64_t secondAdvance);

  Shaper shaper_;
  std::unordered_map<char16_t, int64_t> chars_;
  std::unordered_map<uint32_t, bool> pairs_;
};
