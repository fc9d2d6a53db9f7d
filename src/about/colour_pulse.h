#pragma once
// The colour pulse of the About window's captions: a counter that runs 1..100, 0, 1, ... on every
// tick, and for each caption a factor between 1/3 and 1 that scales its base colour.
#include <cstdint>

namespace about {

class TColourPulse {
public:
  int Counter() const { return counter_; }
  void SetCounter(int counter) { counter_ = counter; }
  // One tick: add 1; past 100 the counter starts again at 0.
  void Step();
  // f = (sin(((counter + phase) / 100 * 2) * pi) + 2) / 3, on the extended-precision argument.
  double Factor(int phase) const;
  // The base colour scaled by the factor for this phase (0x00BBGGRR).
  std::uint32_t Colour(int phase, std::uint32_t base) const;

private:
  int counter_ = 0;
};

// The three pulsing captions, in the order they are coloured: phase and base colour.
struct TPulseCaption {
  int Phase;
  std::uint32_t Base;
};
inline constexpr TPulseCaption kForumPulse{0, 0xFFFF00};   // "Форум", aqua
inline constexpr TPulseCaption kSitePulse{33, 0x00FF00};   // "Cайт", lime
inline constexpr TPulseCaption kMailerPulse{67, 0x00FFFF}; // "Рассылка", yellow

} // namespace about
