#pragma once
// The small sets that switch the view control's features and the per-object menu commands.
#include <cstdint>
#include <initializer_list>

namespace glview {

// A set of up to eight members of an enumeration, one bit each in declaration order.
template <class E> class TSmallSet {
public:
  constexpr TSmallSet() = default;
  constexpr TSmallSet(std::initializer_list<E> members) {
    for (E e : members)
      FBits |= Bit(e);
  }
  static constexpr TSmallSet FromBits(std::uint8_t bits) {
    TSmallSet s;
    s.FBits = bits;
    return s;
  }
  constexpr std::uint8_t Bits() const { return FBits; }
  constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSmallSet& Include(E e) {
    FBits |= Bit(e);
    return *this;
  }
  constexpr TSmallSet& Exclude(E e) {
    FBits &= static_cast<std::uint8_t>(~Bit(e));
    return *this;
  }
  friend constexpr bool operator==(TSmallSet, TSmallSet) = default;

private:
  static constexpr std::uint8_t Bit(E e) { return static_cast<std::uint8_t>(1u << e); }
  std::uint8_t FBits = 0;
};

// Mouse features of the view control: a right click opens the popup menu; a left drag turns,
// zooms or pans the scene.
enum TPossibilityMember : std::uint8_t { pPopupMenu, pMouseControl };
using TPossibility = TSmallSet<TPossibilityMember>;

// Items of the popup menu's "Опции" submenu.
enum TOptionsPossibilityMember : std::uint8_t { opBackground, opLight, opAnimation };
using TOptionsPossibility = TSmallSet<TOptionsPossibilityMember>;

// Per-object commands of the popup menu; an object with none gets no menu entry.
enum TObjectMenuOption : std::uint8_t { moColor, moMaterial, moFillMode, moVisibility };
using TObjectMenuOptions = TSmallSet<TObjectMenuOption>;

} // namespace glview
