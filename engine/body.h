// The bodies an ephemeris computes, in one numbering for every engine. The
// chart's slots (engine/engine_state.h) and each engine's own index order
// map from it.
#pragma once

#include <array>
#include <cstdint>

#include "engine/engine_state.h"

namespace orvane {

enum class Body : std::uint8_t {
  kSun,
  kMoon,
  kMars,
  kMercury,
  kJupiter,
  kVenus,
  kSaturn,
  kRahu,  // the lunar node; Ketu is its opposite point
  kUranus,
  kNeptune,
  kPluto,
};
inline constexpr int kBodyCount = 11;

inline constexpr std::array<int, kBodyCount> kSlotOfBody = {
    kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kUranus, kNeptune, kPluto,
};

constexpr int SlotOf(Body body) { return kSlotOfBody[static_cast<std::size_t>(body)]; }

// A set of bodies, as the bits 1 << Body; the ascendant has its own bit.
class BodySet {
 public:
  constexpr BodySet() = default;
  static constexpr BodySet All() { return BodySet(((1u << kBodyCount) - 1u) | kAscendantBit); }
  constexpr BodySet With(Body body) const { return BodySet(bits_ | Bit(body)); }
  constexpr BodySet WithAscendant() const { return BodySet(bits_ | kAscendantBit); }
  constexpr BodySet With(BodySet other) const { return BodySet(bits_ | other.bits_); }
  constexpr bool Has(Body body) const { return (bits_ & Bit(body)) != 0; }
  constexpr bool HasAscendant() const { return (bits_ & kAscendantBit) != 0; }
  constexpr bool operator==(const BodySet&) const = default;

 private:
  static constexpr std::uint32_t kAscendantBit = 1u << 31;
  static constexpr std::uint32_t Bit(Body body) { return 1u << static_cast<unsigned>(body); }
  constexpr explicit BodySet(std::uint32_t bits) : bits_(bits) {}
  std::uint32_t bits_ = 0;
};

}  // namespace orvane
