// Krishnamurti Paddhati: the lords of a sidereal longitude at four levels
// (the sign's lord, the nakshatra's or star's lord, the sub lord and the
// sub-sub lord: each nakshatra, and each sub again, divided among the nine
// lords in the Vimsottari order and proportion, from its own lord), the
// table of the 249 subs (the 243 subs of the nakshatras, those that straddle
// a sign split in two) and the horary numbers 1..249 that name them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/body.h"

namespace orvane {

struct KpLords {
  Body sign = Body::kSun;
  Body star = Body::kSun;
  Body sub = Body::kSun;
  Body subSub = Body::kSun;
};

KpLords KpLordsOf(double siderealLongitude);

// A position as the KP listings show it, to the second of arc: "8 Cn 40'12"".
std::string KpPositionText(double siderealLongitude);

struct KpSub {
  int number = 0;      // 1..249 (the horary number)
  double start = 0;    // degrees from 0 Aries
  double end = 0;
  Body sign = Body::kSun;
  Body star = Body::kSun;
  Body sub = Body::kSun;
};
inline constexpr int kKpSubCount = 249;
const std::array<KpSub, kKpSubCount>& KpSubTable();

// The horary number 1..249's sub: its start is the ascendant the number
// stands for.
const KpSub& KpHorary(int number);

// The four-level significators of the twelve houses and of the nine grahas
// (Sun..Ketu), from the cusps (the 1st house's first; a graha is in house h
// from cusp h up to cusp h + 1) and the grahas' longitudes. A house's lord
// is the sign lord of its cusp.
//   house h: 1 grahas in the stars of h's occupants, 2 its occupants,
//            3 grahas in the star of its lord, 4 its lord;
//   graha p: 1 the house its star lord occupies, 2 the house it occupies,
//            3 the houses its star lord owns, 4 the houses it owns.
// Rahu and Ketu own no house: they stand for the lord of the sign they are
// in, whose houses are their level 4 (and their star lord's level 3 when
// the star lord is a node).
struct KpSignificators {
  std::array<std::array<std::vector<Body>, 4>, 12> house;        // [house 0..11][level 0..3]
  std::array<std::array<std::vector<int>, 4>, 9> planet;          // [Sun..Ketu][level 0..3], houses 1..12
  std::array<int, 9> occupies{};                                  // the house 1..12 of each graha
};
KpSignificators KpSignificatorsOf(const std::array<double, 12>& cusps, const std::array<double, 9>& longitudes);

// The house 1..12 of each graha among house boundaries (a graha is in house
// h from boundary h up to boundary h + 1): the cusps, or Sripati's sandhis.
std::array<int, 9> HousesAmong(const std::array<double, 12>& bounds, const std::array<double, 9>& longitudes);

}  // namespace orvane
