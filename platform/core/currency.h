#pragma once

#include <cstdint>
#include <compare>

// Fixed-point money: an int64 scaled by 10000 (four decimals), raw access for streams.
class Currency {
 public:
  static constexpr int64_t Scale = 10000;
  constexpr Currency() = default;
  static constexpr Currency FromRaw(int64_t raw) {
    Currency c;
    c.raw_ = raw;
    return c;
  }
  // Rounds to the nearest 1/10000 (halves to even); raises EConvertError when out of range.
  static Currency FromDouble(double value);
  static constexpr Currency FromInt(int64_t value) { return FromRaw(value * Scale); }
  constexpr int64_t Raw() const { return raw_; }
  double ToDouble() const { return static_cast<double>(raw_) / Scale; }
  constexpr auto operator<=>(const Currency&) const = default;
  constexpr Currency operator+(Currency o) const { return FromRaw(raw_ + o.raw_); }
  constexpr Currency operator-(Currency o) const { return FromRaw(raw_ - o.raw_); }
  constexpr Currency operator-() const { return FromRaw(-raw_); }

 private:
  int64_t raw_ = 0;
};
