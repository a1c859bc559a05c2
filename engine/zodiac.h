// The one numbering of the signs and the one home of sign and nakshatra
// arithmetic: which sign a longitude falls in, how far into it, how long a
// nakshatra is. Every layer reads signs and nakshatras through these.
//
// Longitudes are sidereal degrees. Every longitude a cast or a derivation
// gives is in [0, 360); there every reading of a sign below agrees with
// SignOf and every reading of the degrees with DegreesInSign. They differ
// only for values outside one turn or not finite, and each caller keeps the
// reading it has always had there (tests/engine/zodiac_test.cpp holds the
// differences).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/calendar.h"

namespace orvane {

// The twelve signs (rasis) from Aries. (Sign() in engine/calendar.h is the
// sign of a number.)
enum class Rasi : std::uint8_t {
  kAries,
  kTaurus,
  kGemini,
  kCancer,
  kLeo,
  kVirgo,
  kLibra,
  kScorpio,
  kSagittarius,
  kCapricorn,
  kAquarius,
  kPisces,
};
inline constexpr int kSignCount = 12;
inline constexpr double kSignSpan = 30.0;

inline constexpr int kNakshatraCount = 27;
inline constexpr double kNakshatraSpan = 13.333333333333332;        // 13 deg 20 min
inline constexpr double kNakshatraPerDegree = 0.07500000000000001;  // 1 / kNakshatraSpan

// The sign's number 0..11 from Aries.
constexpr int ToInt(Rasi sign) { return static_cast<int>(sign); }

// A count of signs from Aries, any whole number, taken whole turns round
// into 0..11.
constexpr int WrapToSign(long long count) {
  const long long r = count % kSignCount;
  return static_cast<int>(r < 0 ? r + kSignCount : r);
}
constexpr Rasi RasiAt(long long count) { return static_cast<Rasi>(WrapToSign(count)); }

// Sign 0..11 of a longitude: floor(longitude / 30) taken whole turns round;
// 0 for a value that is not finite.
inline int SignOf(double longitude) {
  if (!std::isfinite(longitude)) return 0;
  return WrapToSign(static_cast<long long>(std::floor(longitude / kSignSpan)));
}

// Sign 0..11 of a longitude first brought into one turn (Mod360), the
// quotient truncated and held to 0..11; 0 for a value that is not finite.
// The same as SignOf on [0, 360) and on ordinary longitudes outside it, with
// two edges: a longitude a hair below 0 (-1e-14 and closer) reduces to 360,
// which is Aries here and Pisces for SignOf; and far outside one turn
// (|longitude| ~ 1e17 and beyond) the reduction rounds differently from
// SignOf's division. The transit searches and the match's Moon read signs
// this way.
inline int SignOfTurn(double longitude) {
  return std::clamp(static_cast<int>(Mod360(longitude) / kSignSpan), 0, kSignCount - 1);
}

// Degrees of a longitude past the start of its sign (SignOf): [0, 30) for
// every longitude in [0, 360); 0 where the difference falls outside [0, 30)
// (a longitude outside one turn).
inline double DegreesInSign(double longitude) {
  const double d = longitude - kSignSpan * SignOf(longitude);
  return (d >= 0 && d < kSignSpan) ? d : 0.0;
}

// Degrees of a longitude past the start of its sign, taken whole signs round
// into [0, 30), so that a longitude outside one turn keeps its place in its
// sign; 0 for a value that is not finite.
inline double DegreesInSignWrapped(double longitude) {
  if (!std::isfinite(longitude)) return 0;
  double d = longitude - kSignSpan * SignOf(longitude);
  d -= kSignSpan * std::floor(d / kSignSpan);
  return (d >= 0 && d < kSignSpan) ? d : 0.0;
}

// Degrees travelled in `sign` (0..11, as SignOf gives it), held inside the
// sign: 0 below its start (or for a value that is not a number), the last
// double below 30 at or past its end. The divisional charts divide these.
inline double DegreesInSignHeld(double longitude, int sign) {
  const double d = longitude - kSignSpan * sign;
  if (!(d >= 0.0)) return 0.0;
  return d < kSignSpan ? d : std::nextafter(kSignSpan, 0.0);
}

}  // namespace orvane
