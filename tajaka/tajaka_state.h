// Tajaka (solar-return) results of a pass: the natal snapshot, the found
// moment, strengths, sahams and dasas.
#pragma once

#include <array>
#include <cstdint>

namespace orvane {

struct TajakaMoment {
  double year = 0;   // whole numbers
  double month = 0;
  double day = 0;
  double time = 0;   // clock time in the birth zone, hours + minutes/100 (fractional minutes)
};

struct TajakaState {
  // Natal positions of slots 0..9 (ascendant, Sun..Ketu) and their retrograde
  // flags, taken when the search starts.
  std::array<double, 10> natalLongitude{};
  std::array<std::int32_t, 10> natalRetrograde{};
  TajakaMoment moment{};
  double target = 0;        // the Sun's longitude sought, degrees [0, 360)
  std::int32_t found = 0;   // 1 when the search ended on the crossing
};

}  // namespace orvane
