// The one numbering of the bodies: the nine grahas and the outer bodies,
// for every engine and every layer above. The chart's slots
// (engine/engine_state.h), each engine's own index order and every table by
// planet map from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane {

// Sun..Saturn run in the order of the weekdays they rule (Sunday = Sun), so
// a weekday 0..6 is the index of its ruler.
enum class Body : std::uint8_t {
  kSun,
  kMoon,
  kMars,
  kMercury,
  kJupiter,
  kVenus,
  kSaturn,
  kRahu,  // the lunar node
  kKetu,  // its opposite point, derived from Rahu by every cast
  kUranus,
  kNeptune,
  kPluto,
};
inline constexpr int kBodyCount = 12;
inline constexpr int kGrahaCount = 9;   // Sun..Ketu
inline constexpr int kPlanetCount = 7;  // Sun..Saturn: the bodies that own signs

constexpr std::size_t IndexOf(Body body) { return static_cast<std::size_t>(body); }
constexpr Body BodyAt(int index) { return static_cast<Body>(index); }

// The chart slot of each body: the grahas are slots 1..9 in body order (so a
// graha's slot is also its planet code 1..9), the outer bodies 26..28. The
// slot enumeration (engine/engine_state.h) takes its body entries from here.
inline constexpr std::array<int, kBodyCount> kSlotOfBody = {1, 2, 3, 4, 5, 6, 7, 8, 9, 26, 27, 28};

constexpr int SlotOf(Body body) { return kSlotOfBody[IndexOf(body)]; }

// The body index of a graha's slot (planet code) 1..9, or -1 for any other
// number.
constexpr int GrahaIndexOfSlot(long long slot) {
  return slot >= 1 && slot <= kGrahaCount ? static_cast<int>(slot - 1) : -1;
}
// The body index of a planet's slot 1..7 (Sun..Saturn), or -1 for any other
// number.
constexpr int PlanetIndexOfSlot(long long slot) {
  return slot >= 1 && slot <= kPlanetCount ? static_cast<int>(slot - 1) : -1;
}
static_assert(GrahaIndexOfSlot(SlotOf(Body::kKetu)) == static_cast<int>(Body::kKetu));

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
