// Festivals and observances of the panchanga days: the monthly ones
// (Ekadashi by the Smarta and the Vaishnava rule, Purnima, Amavasya,
// Pradosha, Sankashti Chaturthi, Masik Shivaratri) and the year's festivals,
// each by the tithi of its lunar month prevailing at its time of the day.
#pragma once

#include <string_view>
#include <vector>

#include "panchanga/days.h"

namespace orvane {

// The time of the day at which a festival's tithi has to prevail.
enum class FestivalTime {
  kSunrise,    // at sunrise (udaya tithi)
  kMorning,    // the middle of the forenoon (a quarter of the daytime after sunrise)
  kMidday,     // madhyahna: the middle of the daytime
  kAfternoon,  // aparahna: the middle of the fourth fifth of the daytime
  kSunset,     // at sunset
  kPradosha,   // the middle of pradosha, the first fifth of the night
  kNishita,    // the middle of nishita, the 8th of the night's 15 muhurtas
  kMoonrise,   // at moonrise
};

// A festival on a tithi of an amanta month (never in an added month).
struct FestivalRule {
  std::string_view name;
  int month;  // 0 Chaitra .. 11 Phalguna (amanta)
  int tithi;  // 0 Sukla Pratipat .. 29 Amavasya
  FestivalTime time;
};

// The festivals kept by the general rule: the first day on which the tithi
// prevails at the time; when it prevails at that time on no day, the day at
// whose sunrise it runs, else the day in which it begins.
const std::vector<FestivalRule>& FestivalRules();

// Puts the festivals and observances into each day's `observances`. The
// days are consecutive dates; a rule that needs the day before or after a
// day at either end of the list is decided without it, so callers compute a
// day more on each side than they show.
void AddObservances(std::vector<PanchangaDay>& days);

}  // namespace orvane
