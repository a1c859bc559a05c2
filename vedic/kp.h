// Krishnamurti Paddhati: the lords of a sidereal longitude at four levels
// (the sign's lord, the nakshatra's or star's lord, the sub lord and the
// sub-sub lord: each nakshatra, and each sub again, divided among the nine
// lords in the Vimsottari order and proportion, from its own lord), the
// table of the 249 subs (the 243 subs of the nakshatras, those that straddle
// a sign split in two) and the horary numbers 1..249 that name them.
#pragma once

#include <array>

#include "engine/body.h"

namespace orvane {

struct KpLords {
  Body sign = Body::kSun;
  Body star = Body::kSun;
  Body sub = Body::kSun;
  Body subSub = Body::kSun;
};

KpLords KpLordsOf(double siderealLongitude);

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

}  // namespace orvane
