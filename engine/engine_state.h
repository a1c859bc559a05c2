// The cast chart at the base layer: birth data, the body slots of the cast
// and the sunrise values. It is trivially copyable; the whole computed chart
// (chart/chart_state.h) extends it with what the layers above derive.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "engine/body.h"
#include "engine/calendar.h"

namespace orvane {

// Slots of the computed chart: the points the report lists, in its order.
// The bodies' slots come from their one numbering (engine/body.h); planet
// codes 1..9 are the same numbers.
enum BodySlot : int {
  kAscendant = 0,
  kSun = SlotOf(Body::kSun),
  kMoon = SlotOf(Body::kMoon),
  kMars = SlotOf(Body::kMars),
  kMercury = SlotOf(Body::kMercury),
  kJupiter = SlotOf(Body::kJupiter),
  kVenus = SlotOf(Body::kVenus),
  kSaturn = SlotOf(Body::kSaturn),
  kRahu = SlotOf(Body::kRahu),
  kKetu = SlotOf(Body::kKetu),
  kSreeLagna = 10,
  kBhavaLagna = 11,
  kHoraLagna = 12,
  kGhatiLagna = 13,
  kVarnadaLagna = 14,  // 15..25: varnada lagnas of houses 2..12
  kUranus = SlotOf(Body::kUranus),
  kNeptune = SlotOf(Body::kNeptune),
  kPluto = SlotOf(Body::kPluto),
  kDhooma = 29,
  kVyatipata = 30,
  kParivesha = 31,
  kIndrachapa = 32,
  kUpaketu = 33,
  kKaala = 34,
  kMrityu = 35,
  kArthaPrahara = 36,
  kYamaGhantaka = 37,
  kMandi = 38,
  kGulika = 39,
};
inline constexpr int kSlotCount = 40;

template <typename T>
using SlotArray = std::array<T, kSlotCount>;

// The seven numbers of a chart data file, in file units: month, day, year
// (whole numbers), time (hours + minutes/100 + seconds/6000, local clock),
// zone (hours + minutes/100, positive west), longitude (degrees +
// minutes/100, positive west), latitude (degrees + minutes/100, positive
// north). A cast converts them once (CastMomentOf, engine/ephemeris_engine.h).
struct BirthData {
  double month = 0;
  double day = 0;
  double year = 0;
  double time = 0;
  double zone = 0;
  double longitude = 0;
  double latitude = 0;
};

// Sunrise values of the chart moment.
struct SunriseValues {
  double sunriseGhatis = 0;        // sunrise before the chart moment, ghatis after midnight
  double minutesSinceSunrise = 0;  // from that sunrise to the chart moment
  double dayLength = 0;            // ghatis from that sunrise to the following sunset
  double nightLength = 0;          // ghatis from that sunset to the next sunrise
  std::uint8_t bornInDaytime = 0;
  // 1 when the ascendant never reached the Sun's target in the bounded search
  // (polar day or night): sunrise and sunset then stand at 6 h and 18 h local
  // mean time.
  std::uint8_t fallback = 0;
  DasaDate sunriseMoment{};      // the sunrise before the chart moment
  DasaDate sunsetMoment{};       // the sunset after it
  DasaDate nextSunriseMoment{};  // the sunrise after that sunset (birth by night only)
  DasaDate chartMoment{};        // the moment the searches started from
};

struct EngineState {
  BirthData birth{};  // the chart's data, file units (never converted in place)
  // The moment the chart's positions were cast for, in file units: the birth
  // moment of a natal chart, the found moment of a Tajaka chart (the clock
  // time as the searches' last cast at it gives it).
  BirthData castMoment{};

  SlotArray<double> slotLongitude{};  // sidereal degrees, [0, 360)
  SlotArray<std::int32_t> slotRetrograde{};

  double ayanamsaValue = 0;    // negated ayanamsa of the birth date (added form)
  double nakshatraBalance = 0; // part of the Moon's nakshatra still to run, (0, 1]
  std::int32_t lunarMonthSign = 0;
  std::uint32_t castCount = 0;  // casts the chart's computation made (bounds the searches' work)
  // 1 when the new-moon search of the lunar month found no crossing within
  // its bound (only for non-finite or absurd input).
  std::int32_t lunarMonthFallback = 0;
  // Where the Swiss engine's casts of this chart took their positions from
  // (SwissSource, engine/swiss_engine.h): the least precise source.
  std::uint8_t swissSource = 0;

  SunriseValues sunrise{};
};
static_assert(std::is_trivially_copyable_v<EngineState>);

}  // namespace orvane
