#include "engine/cast.h"

#include <cmath>

#include "engine/zodiac.h"

namespace orvane {

bool IsCastable(const BirthData& b) {
  for (double v : {b.month, b.day, b.year, b.time, b.zone, b.longitude, b.latitude}) {
    if (!(std::fabs(v) <= kBirthFieldLimit)) return false;  // NaN fails too
  }
  return true;
}

NakshatraPosition NakshatraOf(double longitude) {
  NakshatraPosition p;
  double L = Mod360(longitude);
  int n = static_cast<int>(std::trunc(L * kNakshatraPerDegree));
  if (n < 0) n = 0;
  if (n > 26) n = 26;
  double rest = L - n * kNakshatraSpan;
  // The product and the quotient may disagree by one at an exact boundary:
  // the part travelled decides, so that nakshatra, pada and fraction agree.
  if (rest < 0 && n > 0) {
    --n;
    rest = L - n * kNakshatraSpan;
  } else if (rest >= kNakshatraSpan && n < 26) {
    ++n;
    rest = L - n * kNakshatraSpan;
  }
  if (rest < 0) rest = 0;
  p.nakshatra = n;
  int pada = static_cast<int>(std::floor((3 * L - 40.0 * n) / 10));
  p.pada = pada < 0 ? 0 : (pada > 3 ? 3 : pada);
  double unelapsed = 1 - rest * kNakshatraPerDegree;
  if (!(unelapsed > 0)) unelapsed = 1e-12;  // (0, 1]: a Moon never has run its whole nakshatra
  if (unelapsed > 1) unelapsed = 1;
  p.unelapsed = unelapsed;
  return p;
}

}  // namespace orvane
