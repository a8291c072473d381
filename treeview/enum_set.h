// A set of enumeration members stored as a bit mask (bit n = member n), the
// form in which the tree's option and state sets are stored and compared.
#pragma once
#include <cstdint>
#include <initializer_list>

namespace treeview {

template <class E, class Bits = std::uint32_t>
class EnumSet {
 public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<E> members) {
    for (E m : members) bits_ |= Bit(m);
  }
  static constexpr EnumSet FromBits(Bits bits) {
    EnumSet s;
    s.bits_ = bits;
    return s;
  }

  constexpr Bits ToBits() const { return bits_; }
  constexpr bool Has(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(E m) { bits_ |= Bit(m); }
  constexpr void Exclude(E m) { bits_ &= ~Bit(m); }

  friend constexpr EnumSet operator|(EnumSet a, EnumSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr EnumSet operator&(EnumSet a, EnumSet b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr EnumSet operator-(EnumSet a, EnumSet b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr bool operator==(EnumSet a, EnumSet b) { return a.bits_ == b.bits_; }

 private:
  static constexpr Bits Bit(E m) { return Bits(1) << static_cast<unsigned>(m); }
  Bits bits_ = 0;
};

}  // namespace treeview
