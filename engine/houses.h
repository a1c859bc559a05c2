// Quadrant and sign-based house systems: the twelve cusps from the sidereal
// time at the place (RAMC), the obliquity of the ecliptic and the place's
// latitude. The cusps are tropical; a chart subtracts its ayanamsa.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

enum class HouseSystem : std::uint8_t {
  kPlacidus,
  kKoch,
  kPorphyry,
  kRegiomontanus,
  kCampanus,
  kEqual,      // 30 degrees each from the ascendant
  kWholeSign,  // the ascendant's sign is the 1st house
  kSripati,    // Porphyry's cusps as the middles of the bhavas, their starts half-way between
};
inline constexpr int kHouseSystemCount = 8;

// "placidus", "koch", "porphyry", "regiomontanus", "campanus", "equal",
// "whole-sign", "sripati".
std::string_view HouseSystemName(HouseSystem system);
std::optional<HouseSystem> HouseSystemNamed(std::string_view name);
// The Swiss Ephemeris' letter of a system ('P', 'K', 'O', 'R', 'C', 'A', 'W';
// Sripati is made from Porphyry's).
char SwissHouseLetter(HouseSystem system);

struct HouseCusps {
  std::array<double, 12> cusp{};   // degrees [0, 360): the 1st house's first, the middle of each bhava for Sripati
  std::array<double, 12> start{};  // where each house begins: the cusp, or Sripati's sandhi
  double ascendant = 0;
  double mc = 0;
};

// Tropical cusps for the sidereal time `armc`, the obliquity and the
// geographic latitude (north positive), all in degrees. False, with a
// one-line reason, where the system is not defined: Placidus and Koch inside
// the polar circles, where some degrees of the ecliptic never rise.
bool CuspsFromArmc(HouseSystem system, double armc, double obliquity, double latitude, HouseCusps& out,
                   std::string* error);

// The ascendant and the MC of the sidereal time, the obliquity and the
// latitude (degrees).
double AscendantOf(double armc, double obliquity, double latitude);
double MidheavenOf(double armc, double obliquity);

// The true obliquity of the ecliptic (degrees) at a universal time (Julian
// day), from the Swiss Ephemeris: the obliquity its own house function uses.
double SwissTrueObliquity(double jdUt);

// The starts of the bhavas from their middles: each half-way (on the shorter
// arc) between a middle and the one before it.
std::array<double, 12> SandhisOf(const std::array<double, 12>& middles);

}  // namespace orvane
