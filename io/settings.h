// The user's preferences: every value of the settings file, in file order,
// with the defaults a first run starts from.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

namespace orvane {

inline constexpr int kSettingsVersion = 4011;

struct Settings {
  int chartStyle = 0;            // 0..4
  int ayanamsaChoice = 0;        // 0..7
  int ayanamsaDirection = 1;     // +1 add, -1 subtract
  double ayanamsaDegrees = 0;    // 1000 for the tropical zodiac
  double ayanamsaMinutes = 0;
  double ayanamsaSeconds = 0;
  int horaMethod = 0;            // 0 Cancer-Leo, 1 zodiac twice (higher values: further methods)
  double defaultZone = 5.0;      // file units of a chart data file
  double defaultLongitude = 71.12;
  double defaultLatitude = 42.30;
  int reserved12 = 0;
  int reserved13 = 1;
  int reserved14 = 0;
  int showSpecialLagnas = 1;
  int showDhoomaGroup = 0;
  int showGulikaGroup = 0;
  int showAllPadas = 1;
  int showSomePadas = 0;
  std::array<int, 6> chosenPadas = {1, 12, 7, 0, 0, 0};  // 0..12
  int dhumaRelation = 0;  // 0 "Vyatipata = 360 deg - Dhuma", 1 "Vyatipata = Dhuma + 53 deg 20 min"
  // Rising point within the portion (0 beginning, 1 middle, 2 end) of
  // Kaala, Mrityu, Artha Prahara, Yama Ghantaka, Mandi, Gulika.
  std::array<int, 6> upagrahaRising = {0, 0, 0, 0, 1, 0};
  double daysInYear = 365.2425;  // nakshatra dasa year
  int printItemCount = 6;
  std::array<int, 6> printItems = {1, 1, 1, 1, 1, 1};
  int blackAndWhite = 0;

  // Not in the settings file: the sunrise definition (0 apparent rise of the
  // upper limb, 1 true rise of the upper limb, 2 true rise of the centre).
  int sunriseDefinition = 0;

  // The custom deviation in arc-minutes; beyond +-1000 it stands for the
  // tropical zodiac.
  double AyanamsaOffset() const {
    return ayanamsaDirection * (60.0 * ayanamsaDegrees + ayanamsaMinutes + ayanamsaSeconds / 60.0);
  }
};
static_assert(std::is_trivially_copyable_v<Settings>);

}  // namespace orvane
