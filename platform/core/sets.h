#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

// A set of enumerators (at most 64 distinct values), stored as a bit mask so that an option
// set converts to and from the integer a stream or caller gives.
template <typename E>
class Set {
  static_assert(std::is_enum_v<E>, "Set holds enumerators");

 public:
  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  static constexpr Set FromMask(uint64_t mask) {
    Set s;
    s.bits_ = mask;
    return s;
  }
  constexpr uint64_t Mask() const { return bits_; }

  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr Set& Include(E e) { bits_ |= Bit(e); return *this; }
  constexpr Set& Exclude(E e) { bits_ &= ~Bit(e); return *this; }
  constexpr bool Empty() const { return bits_ == 0; }
  int Count() const { return static_cast<int>(std::bitset<64>(bits_).count()); }

  constexpr Set operator+(Set o) const { return FromMask(bits_ | o.bits_); }
  constexpr Set operator-(Set o) const { return FromMask(bits_ & ~o.bits_); }
  constexpr Set operator*(Set o) const { return FromMask(bits_ & o.bits_); }
  constexpr Set operator+(E e) const { return *this + Set{e}; }
  constexpr Set operator-(E e) const { return *this - Set{e}; }
  constexpr Set& operator+=(Set o) { bits_ |= o.bits_; return *this; }
  constexpr Set& operator-=(Set o) { bits_ &= ~o.bits_; return *this; }
  constexpr Set& operator*=(Set o) { bits_ &= o.bits_; return *this; }
  constexpr Set& operator+=(E e) { return Include(e); }
  constexpr Set& operator-=(E e) { return Exclude(e); }
  constexpr bool operator==(const Set&) const = default;
  // Subset test, as `a <= b`.
  constexpr bool operator<=(Set o) const { return (bits_ & ~o.bits_) == 0; }

 private:
  static constexpr uint64_t Bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t bits_ = 0;
};
