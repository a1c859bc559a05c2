// The nakshatra dasa family: dasas built like Vimsottari on their own cycles
// of lords, entered by the Moon's nakshatra (or the tithi), and the two
// compressed dasas of mundane charts. Each writer lists its periods from the
// chart date (the birth copies) at state.dasaYearLength days a dasa year; the
// calculation pass sets that year length before each call.
#include <array>
#include <cmath>

#include "dasa/dasa.h"
#include "dasa/periods.h"
#include "engine/calendar.h"
#include "chart/pipeline.h"

namespace orvane {

namespace {

using dasa::LordCycle;
using dasa::LordYears;
using dasa::MakeCycle;

// True when `index` is `order` rotated by one place, so that position 1 holds
// the first lord of the cycle.
template <std::size_t N>
constexpr bool RotatedByOne(const std::array<int, N>& index, const LordCycle& cycle) {
  int lord = cycle.firstLord;
  for (std::size_t i = 1; i <= N; ++i) {
    if (index[i % N] != lord) return false;
    lord = cycle.next[lord];
  }
  return true;
}

// Dwisaptati Sama: the eight lords Sun to Rahu, 9 years each.
constexpr LordCycle kDwisaptati = MakeCycle(std::array<LordYears, 8>{{
    {kSun, 9}, {kMoon, 9}, {kMars, 9}, {kMercury, 9}, {kJupiter, 9}, {kVenus, 9}, {kSaturn, 9}, {kRahu, 9}}});
constexpr std::array<int, 8> kDwisaptatiIndex = {kRahu, kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn};
static_assert(kDwisaptati.years[0] == 72 && RotatedByOne(kDwisaptatiIndex, kDwisaptati));

// Shat-Trimsa Sama runs on the Yogini cycle and index.
static_assert(RotatedByOne(dasa::kYoginiIndex, dasa::kYogini));

// Dwadasottari: odd years from 7 to 21.
constexpr LordCycle kDwadasottari = MakeCycle(std::array<LordYears, 8>{{
    {kSun, 7}, {kJupiter, 9}, {kKetu, 11}, {kMercury, 13}, {kRahu, 15}, {kMars, 17}, {kSaturn, 19}, {kMoon, 21}}});
constexpr std::array<int, 8> kDwadasottariIndex = {kMoon, kSun, kJupiter, kKetu, kMercury, kRahu, kMars, kSaturn};
static_assert(kDwadasottari.years[0] == 112 && RotatedByOne(kDwadasottariIndex, kDwadasottari));

// Chaturasiti Sama: the seven lords Sun to Saturn, 12 years each.
constexpr LordCycle kChaturasiti = MakeCycle(std::array<LordYears, 7>{{
    {kSun, 12}, {kMoon, 12}, {kMars, 12}, {kMercury, 12}, {kJupiter, 12}, {kVenus, 12}, {kSaturn, 12}}});
constexpr std::array<int, 7> kChaturasitiIndex = {kSaturn, kSun, kMoon, kMars, kMercury, kJupiter, kVenus};
static_assert(kChaturasiti.years[0] == 84 && RotatedByOne(kChaturasitiIndex, kChaturasiti));

// Satabdika: seven lords, 100 years.
constexpr LordCycle kSatabdika = MakeCycle(std::array<LordYears, 7>{{
    {kSun, 5}, {kMoon, 5}, {kVenus, 10}, {kMercury, 10}, {kJupiter, 20}, {kMars, 20}, {kSaturn, 30}}});
constexpr std::array<int, 7> kSatabdikaIndex = {kSaturn, kSun, kMoon, kVenus, kMercury, kJupiter, kMars};
static_assert(kSatabdika.years[0] == 100 && RotatedByOne(kSatabdikaIndex, kSatabdika));

// Shodasottari: years 11 to 18.
constexpr LordCycle kShodasottari = MakeCycle(std::array<LordYears, 8>{{
    {kSun, 11}, {kMars, 12}, {kJupiter, 13}, {kSaturn, 14}, {kKetu, 15}, {kMoon, 16}, {kMercury, 17}, {kVenus, 18}}});
constexpr std::array<int, 8> kShodasottariIndex = {kVenus, kSun, kMars, kJupiter, kSaturn, kKetu, kMoon, kMercury};
static_assert(kShodasottari.years[0] == 116 && RotatedByOne(kShodasottariIndex, kShodasottari));

// Panchottari: years 12 to 18, seven lords.
constexpr LordCycle kPanchottari = MakeCycle(std::array<LordYears, 7>{{
    {kSun, 12}, {kMercury, 13}, {kSaturn, 14}, {kMars, 15}, {kVenus, 16}, {kMoon, 17}, {kJupiter, 18}}});
constexpr std::array<int, 7> kPanchottariIndex = {kJupiter, kSun, kMercury, kSaturn, kMars, kVenus, kMoon};
static_assert(kPanchottari.years[0] == 105 && RotatedByOne(kPanchottariIndex, kPanchottari));

// Ashtottari: eight lords, 108 years.
constexpr LordCycle kAshtottari = MakeCycle(std::array<LordYears, 8>{{
    {kSun, 6}, {kMoon, 15}, {kMars, 8}, {kMercury, 17}, {kSaturn, 10}, {kJupiter, 19}, {kRahu, 12}, {kVenus, 21}}});
static_assert(kAshtottari.years[0] == 108);

// Ashtottari groups of nakshatras: lord, first nakshatra, nakshatras spanned.
// Rahu's group runs on from Uttara Bhadrapada through Revati, Ashwini and
// Bharani.
struct AshtottariGroup {
  int lord = 0;
  int first = 0;
  int span = 0;
};
constexpr std::array<AshtottariGroup, 8> kAshtottariGroups = {{
    {kVenus, 2, 3}, {kSun, 5, 4}, {kMoon, 9, 3}, {kMars, 12, 4},
    {kMercury, 16, 3}, {kSaturn, 19, 3}, {kJupiter, 22, 3}, {kRahu, 25, 4}}};

constexpr std::array<int, 27> MakeGroupOfNakshatra() {
  std::array<int, 27> g{};
  for (int i = 0; i < 27; ++i) g[i] = -1;
  for (int k = 0; k < 8; ++k) {
    for (int j = 0; j < kAshtottariGroups[k].span; ++j) g[(kAshtottariGroups[k].first + j) % 27] = k;
  }
  return g;
}
// Group (row of kAshtottariGroups) of each nakshatra, Ashwini to Revati.
constexpr std::array<int, 27> kAshtottariGroupOf = MakeGroupOfNakshatra();
constexpr bool EveryNakshatraGrouped() {
  for (int g : kAshtottariGroupOf) {
    if (g < 0) return false;
  }
  return true;
}
static_assert(EveryNakshatraGrouped());

constexpr double kNakshatraSpan = 13.333333333333332;  // 13 deg 20 min

// Lord of each tithi, Sukla Pratipat (0) to Amavasya (29).
constexpr std::array<int, 30> kTithiLord = {
    kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kSun, kMoon,
    kMars, kMercury, kJupiter, kVenus, kSaturn,  // the full moon, Pournimasya
    kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kSun, kMoon,
    kMars, kMercury, kJupiter, kVenus, kRahu};  // the new moon, Amavasya

// The tithi of the chart: index 0..29 and the part of it still to run, (0, 1].
struct TithiPosition {
  int tithi = 0;
  double unelapsed = 1.0;
};

TithiPosition TithiOf(double sun, double moon) {
  const double x = Mod360(moon - sun);  // elongation, [0, 360)
  int t = static_cast<int>(std::floor(x / 12));
  // The quotient may round onto the next whole number: the elongation decides.
  if (t > 29) t = 29;
  if (t < 0) t = 0;
  while (t > 0 && x < 12.0 * t) --t;
  while (t < 29 && x >= 12.0 * (t + 1)) ++t;
  TithiPosition p;
  p.tithi = t;
  p.unelapsed = 1 - (x - 12.0 * t) / 12;  // x - 12t is exact and below 12: never 0
  if (!(p.unelapsed > 0)) p.unelapsed = 1e-12;
  if (p.unelapsed > 1) p.unelapsed = 1;
  return p;
}

// The unelapsed part of the Moon's Ashtottari group. The distance from the
// group's start is taken across 0 deg Aries when the group began before it.
double AshtottariFraction(double moonLongitude, const NakshatraPosition& moon, const AshtottariGroup& g) {
  double d = moonLongitude - kNakshatraSpan * g.first;
  if (d < 0) d += 360;
  double f = 1 - d / (kNakshatraSpan * g.span);
  if (!(f > 0 && f <= 1)) {
    // On a group boundary the longitude and the nakshatra index may disagree
    // by a rounding: count from the nakshatra index instead.
    const int passed = ((moon.nakshatra - g.first) % 27 + 27) % 27;  // [0, span)
    f = (g.span - passed - 1 + moon.unelapsed) / g.span;
  }
  return f;
}

// The chart date and the periods of one listing.
struct Listing {
  DasaDate birth{};
  dasa::PeriodList periods{};
};

Listing Enter(const ChartState& state, const LordCycle& cycle, int lord, double fraction, double yearLength,
              int count) {
  Listing l;
  l.birth = dasa::ChartDate(state);
  l.periods = dasa::BalancedPeriods(cycle, lord, l.birth, fraction, yearLength, count);
  return l;
}

void AppendListing(ChartState& state, const Listing& l) {
  dasa::AppendPlanetPeriods(state.report, l.periods, &l.birth);
}

NakshatraPosition MoonNakshatra(const ChartState& state) { return NakshatraOf(state.slotLongitude[kMoon]); }

TithiPosition ChartTithi(const ChartState& state) {
  return TithiOf(state.slotLongitude[kSun], state.slotLongitude[kMoon]);
}

// The days of a mundane chart as its header prints them (whole days).
int WholeDays(double days) {
  if (!std::isfinite(days)) return 0;
  if (days > 2.0e9) return 2000000000;
  if (days < -2.0e9) return -2000000000;
  return static_cast<int>(std::trunc(days));
}

}  // namespace

void YoginiDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = dasa::kYoginiIndex[(moon.nakshatra + 4) % 8];
  const Listing l = Enter(state, dasa::kYogini, lord, moon.unelapsed, state.dasaYearLength, 22);
  if (state.reportSection != 2) return;
  state.report.Appendf("Yogini Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void TithiYoginiDasa(ChartState& state, const Settings&) {
  const TithiPosition tithi = ChartTithi(state);
  const Listing l = Enter(state, dasa::kYogini, kTithiLord[tithi.tithi], tithi.unelapsed, state.dasaYearLength, 22);
  if (state.reportSection != 40) return;
  state.report.Appendf("Tithi Yogini Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n");
}

void DwisaptatiSamaDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = kDwisaptatiIndex[((moon.nakshatra + 9) % 27 + 1) % 8];
  const Listing l = Enter(state, kDwisaptati, lord, moon.unelapsed, state.dasaYearLength, 12);
  if (state.reportSection != 30) return;
  state.report.Appendf("\nDwisaptati Sama Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void ShatTrimsaSamaDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = dasa::kYoginiIndex[((moon.nakshatra + 6) % 27 + 1) % 8];
  const Listing l = Enter(state, dasa::kYogini, lord, moon.unelapsed, state.dasaYearLength, 24);
  if (state.reportSection != 31) return;
  state.report.Appendf("\nShat-Trimsa Sama Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void DwadasottariDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = kDwadasottariIndex[(27 - moon.nakshatra) % 8];
  const Listing l = Enter(state, kDwadasottari, lord, moon.unelapsed, state.dasaYearLength, 9);
  if (state.reportSection != 32) return;
  state.report.Appendf("\nDwadasottari Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void ChaturasitiSamaDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = kChaturasitiIndex[((moon.nakshatra + 13) % 27 + 1) % 7];
  const Listing l = Enter(state, kChaturasiti, lord, moon.unelapsed, state.dasaYearLength, 9);
  if (state.reportSection != 33) return;
  state.report.Appendf("\nChaturasiti Sama Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void SatabdikaDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = kSatabdikaIndex[((moon.nakshatra + 1) % 27 + 1) % 7];
  const Listing l = Enter(state, kSatabdika, lord, moon.unelapsed, state.dasaYearLength, 8);
  if (state.reportSection != 34) return;
  state.report.Appendf("\nSatabdika Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void ShodasottariDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = kShodasottariIndex[((moon.nakshatra + 20) % 27 + 1) % 8];
  const Listing l = Enter(state, kShodasottari, lord, moon.unelapsed, state.dasaYearLength, 8);
  if (state.reportSection != 35) return;
  state.report.Appendf("\nShodasottari Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void PanchottariDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const int lord = kPanchottariIndex[((moon.nakshatra + 11) % 27 + 1) % 7];
  const Listing l = Enter(state, kPanchottari, lord, moon.unelapsed, state.dasaYearLength, 8);
  if (state.reportSection != 36) return;
  state.report.Appendf("\nPanchottari Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void AshtottariDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const AshtottariGroup& group = kAshtottariGroups[kAshtottariGroupOf[moon.nakshatra]];
  const double fraction = AshtottariFraction(Mod360(state.slotLongitude[kMoon]), moon, group);
  const Listing l = Enter(state, kAshtottari, group.lord, fraction, state.dasaYearLength, 9);
  if (state.reportSection != 37) return;
  state.report.Appendf("\nAshtottari Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void TithiAshtottariDasa(ChartState& state, const Settings&) {
  const TithiPosition tithi = ChartTithi(state);
  const Listing l =
      Enter(state, kAshtottari, kTithiLord[tithi.tithi], tithi.unelapsed, state.dasaYearLength, 9);
  if (state.reportSection != 38) return;
  state.report.Appendf("\nTithi Ashtottari Dasa:\n");
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void ShashtihayaniDasa(ChartState& state, const Settings&) {
  if (state.reportSection != 39) return;
  state.report.Appendf(
      "\n\n\n        Shashtihayani Dasa is not yet programmed.\n\n        It may be available in the next release.\n");
}

void CompressedVimsottariDasa(ChartState& state, const Settings&) {
  // No balance: the chart date opens the first main period, and the whole
  // 120-year cycle fills the mundane chart's days.
  const NakshatraPosition moon = MoonNakshatra(state);
  const double days = state.options.mundaneDays;
  Listing l;
  l.birth = dasa::ChartDate(state);
  l.periods = dasa::MainPeriods(dasa::kVimsottari, dasa::kNakshatraLord[moon.nakshatra], l.birth,
                                days / dasa::kVimsottari.years[0], 10);
  if (state.reportSection != 15) return;
  state.report.Appendf("\nCompressed Vimsottari Dasas (%d days):\n", WholeDays(days));
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

void CompressedYoginiDasa(ChartState& state, const Settings&) {
  const NakshatraPosition moon = MoonNakshatra(state);
  const double days = state.options.mundaneDays;
  const int lord = dasa::kYoginiIndex[(moon.nakshatra + 4) % 8];
  const Listing l = Enter(state, dasa::kYogini, lord, moon.unelapsed, days / dasa::kYogini.years[0], 9);
  if (state.reportSection != 16) return;
  state.report.Appendf("\nCompressed Yogini Dasas (%d days):\n", WholeDays(days));
  AppendListing(state, l);
  state.report.Appendf("\n\n");
}

}  // namespace orvane
