// Transits (gochara): the nine grahas at a chosen moment read against a
// natal chart, the next sign ingresses of the slow grahas, and the periods
// of Sade Sati and the small panoti over a lifetime.
//
// Moments are counted as local days: the proleptic Gregorian day count of
// the date (GregorianDayCount, the program's date arithmetic) plus the clock
// time as a fraction of a day, in one fixed zone: the transit place's (by
// default the native's birth place, BirthPlace). Every position comes from
// the chart engine: the displayed positions are those of a chart computed
// for the moment, the searches cast the engine on a fresh ephemeris state.
//
// Reads from the natal chart: slotLongitude[kMoon] (the Moon sign the houses
// are counted from), vedic.rasi[0..8] (the natal ashtakavarga), birth
// (the start of the lifetime). Writes nothing into it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"
#include "engine/body.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane::transit {

// ---- Moments -----------------------------------------------------------------

// A birth-data moment (file units: date, clock time H.MMSS) as local days.
double LocalDaysOf(const BirthData& moment);
// Local days back to birth data, with the zone and place of `place`.
BirthData BirthAt(double localDays, const BirthData& place);

struct CalendarMoment {
  int year = 0, month = 1, day = 1, hour = 0, minute = 0;
};
// The date and clock time (to the nearest minute) of local days.
CalendarMoment CalendarOf(double localDays);

// Moments shift between zones (hours, positive west, file units).
double ShiftZone(double localDays, double fromZone, double toZone);

// The settings' default place (zone, longitude, latitude).
BirthData TransitPlace(const Settings& settings);
// The native's birth place and zone: where transit moments are reckoned
// unless another zone is asked for.
BirthData BirthPlace(const ChartState& natal);
// A zone (file units, hours H.MM positive west) as "UTC+05:30".
std::string ZoneText(double zone);
// "+05:30": the offset east of universal time, as ISO 8601 times carry it.
std::string OffsetText(double zone);

// ---- Casting -----------------------------------------------------------------

// Longitudes and retrograde flags of the grahas, by body slot (Sun..Ketu at
// 1..9; the ascendant at 0 is the ascendant of the place).
struct GrahaPositions {
  std::array<double, 10> longitude{};
  std::array<int, 10> retrograde{};
};

// Casts the engine for one moment after another, each time from a fresh
// ephemeris state. One state is kept and reused: a cast costs no more than
// the engine's own work.
class Caster {
 public:
  Caster(const Settings& settings, const BirthData& place);
  ~Caster();
  Caster(const Caster&) = delete;
  Caster& operator=(const Caster&) = delete;

  GrahaPositions At(double localDays);
  // A moment as birth data (date and clock time as given; the caster's zone
  // and place).
  GrahaPositions At(const BirthData& moment);
  // Saturn's (or any slot's) longitude only: a cast of that body alone,
  // which gives the number a whole cast gives for it.
  double LongitudeAt(int slot, double localDays);
  std::uint64_t Casts() const { return casts_; }
  const Settings& settings() const { return settings_; }
  const BirthData& place() const { return place_; }

 private:
  void Cast(const BirthData& moment, BodySet wanted);

  const Settings& settings_;
  BirthData place_;
  std::unique_ptr<EngineState> state_;
  std::uint64_t casts_ = 0;
};

// The positions a chart computed for the moment shows (the whole chart
// pipeline, in the zone and place of `place`): what the transit reading
// displays. The searches below use the plain casts of a Caster, whose
// numbers can differ from these in the last thousandth of a degree; the
// ingress moments are then settled on these positions to the minute.
GrahaPositions ChartPositions(const Settings& settings, const BirthData& moment, const BirthData& place);

// ---- Reading against the natal Moon --------------------------------------------

// Venus's vedha houses for its good 11th and 12th houses: printed tables
// give one of two pairings.
enum class VenusVedha : std::uint8_t {
  kElevenSixTwelveThree,  // 11th obstructed from the 6th, 12th from the 3rd (the default)
  kElevenThreeTwelveSix,  // 11th obstructed from the 3rd, 12th from the 6th
};
// "11-6" or "11-3": the pairing by the vedha house of the 11th.
std::string_view VenusVedhaName(VenusVedha pairing);

inline constexpr int kGrahaCount = 9;  // Sun..Ketu, body slots 1..9

struct GrahaTransit {
  int slot = 0;            // 1..9
  double longitude = 0;    // sidereal degrees
  bool retrograde = false;
  int sign = 0;            // 0..11
  int nakshatra = 0;       // 0..26
  int pada = 0;            // 0..3
  int house = 1;           // 1..12 counted from the natal Moon's sign
  bool favourable = false; // a good house for this graha
  int vedhaHouse = 0;      // the house whose occupant obstructs a good house (0: none)
  std::vector<int> obstructedBy;  // slots of the grahas there (vedha)
  int bindus = -1;         // the graha's own bindus in the sign (Sun..Saturn; -1 for the nodes)
  int sarvaBindus = 0;     // sarvashtakavarga bindus of the sign
};

struct TransitReading {
  double moment = 0;  // local days
  VenusVedha venusVedha = VenusVedha::kElevenSixTwelveThree;
  int natalMoonSign = 0;
  std::array<GrahaTransit, kGrahaCount> graha{};
};

// The favourable houses from the Moon of graha slot 1..9 and their vedha
// houses: entry h-1 is the vedha house of house h, 0 where h is not good.
const std::array<int, 12>& VedhaRow(int slot, VenusVedha pairing = VenusVedha::kElevenSixTwelveThree);
// False for the pairs that never obstruct each other (Sun and Saturn, Moon
// and Mercury, Rahu and Ketu, which always stand opposite) and for a graha
// and itself.
bool CanObstruct(int slot, int other);

TransitReading ReadTransits(const ChartState& natal, const Settings& settings, const GrahaPositions& positions,
                            double moment, VenusVedha pairing = VenusVedha::kElevenSixTwelveThree);

// ---- Ingresses -----------------------------------------------------------------

struct Ingress {
  int slot = 0;
  bool found = false;
  double moment = 0;  // local days of the crossing
  int fromSign = 0, toSign = 0;
};
// The next sign change of Jupiter, Saturn, Rahu and Ketu after `from`, each
// searched up to kIngressSearchDays ahead. The moment is the first whole
// minute at which the positions a chart of that minute shows
// (ChartPositions in the caster's place) have the graha in the new sign.
inline constexpr double kIngressSearchDays = 4 * 365.25;
std::array<Ingress, 4> NextIngresses(Caster& caster, double from);

// ---- Sade Sati and the small panoti ----------------------------------------------

enum class SaturnPeriodKind : int {
  kSadeSati,      // Saturn in the 12th, 1st or 2nd sign from the natal Moon
  kPanotiFourth,  // small panoti: the 4th sign
  kPanotiEighth,  // small panoti: the 8th sign
};
std::string_view PeriodKindName(SaturnPeriodKind kind);

// Saturn's stay in one sign.
struct SaturnSpan {
  int sign = 0;
  int house = 1;  // from the natal Moon's sign
  double start = 0, end = 0;  // local days
};
struct SaturnPeriod {
  SaturnPeriodKind kind = SaturnPeriodKind::kSadeSati;
  double start = 0, end = 0;        // local days
  bool startsBeforeWindow = false;  // already running at the start of the window (birth)
  bool endsAfterWindow = false;     // still running at its end
  std::vector<SaturnSpan> spans;    // sign by sign
};

// The lifetime window searched: from birth to this many years later.
inline constexpr double kLifetimeYears = 100;
// Saturn's sign is read on a grid of one day from the start of the window;
// each change between two grid moments is refined by bisection to within
// kCrossingTolerance days. A stay in a sign shorter than the step (a station
// on the boundary) may be missed; it moves a date by under a day.
// The grid is not cast moment by moment: a stretch of it is skipped when
// Saturn, read at its ends, cannot reach a sign boundary in between, given
// that its longitude bends by at most kSaturnMostBend degrees a day per day
// (the Earth's orbit gives under 0.003).
inline constexpr double kSaturnStepDays = 1.0;
inline constexpr double kCrossingTolerance = 1e-5;
inline constexpr double kSaturnMostBend = 0.01;

// The crossing of Saturn from one sign into the next, found by bisection in
// [lo, hi] where the signs at the ends differ.
double RefineCrossing(Caster& caster, int slot, double lo, double hi);

// Every Sade Sati and small-panoti period between `from` and `to` (local
// days) for a natal Moon in `moonSign`, in time order.
std::vector<SaturnPeriod> SaturnPeriods(Caster& caster, int moonSign, double from, double to);

// ---- The whole report --------------------------------------------------------------

struct TransitReport {
  TransitReading reading;
  std::array<Ingress, 4> ingresses{};
  std::vector<SaturnPeriod> periods;
  double lifetimeStart = 0, lifetimeEnd = 0;
  double zone = 0;  // the zone every moment of the report is in (file units)
};

// Positions, reading and ingresses at `moment` (its date and clock time in
// the zone of `place`, usually BirthPlace(natal)), and the Saturn periods of
// the natal chart's lifetime; every moment of the report is in that zone.
TransitReport ComputeTransits(const ChartState& natal, const Settings& settings, const BirthData& moment,
                              const BirthData& place, VenusVedha pairing = VenusVedha::kElevenSixTwelveThree);
// The same without the lifetime search (for stepping through dates).
TransitReport ComputeTransitsAt(const ChartState& natal, const Settings& settings, const BirthData& moment,
                                const BirthData& place, VenusVedha pairing = VenusVedha::kElevenSixTwelveThree);
// The Saturn periods of the natal chart's lifetime, in the zone of `place`.
std::vector<SaturnPeriod> LifetimeSaturnPeriods(const ChartState& natal, const Settings& settings,
                                                const BirthData& place, double* start, double* end);

void WriteTransitReport(ReportBuffer& out, const TransitReport& report);

}  // namespace orvane::transit
