// The nakshatra dasa family: dasas built like Vimsottari on their own cycles
// of lords, entered by the Moon's nakshatra (or the tithi), and the two
// compressed dasas of mundane charts. Each writer lists its periods over a
// DasaSpan: the chart date at state.dasa.yearLength days a dasa year, or the
// span a Tajaka or mundane chart compresses the dasa into.
#include <array>
#include <cmath>
#include <optional>

#include "dasa/dasa.h"
#include "engine/zodiac.h"
#include "dasa/periods.h"
#include "engine/calendar.h"
#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"

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

// How a listing finds its first lord and the part of that lord's period
// still to run at the chart date.
enum class FirstLord {
  kCounted,         // index[(nakshatra + offset) mod n], the Moon's unelapsed nakshatra
  kCountedPastOne,  // index[((nakshatra + offset) mod 27 + 1) mod n], the same fraction
  kCountedBack,     // index[(27 - nakshatra) mod n], the same fraction
  kTithi,           // the tithi's lord and its unelapsed part
  kAshtottari,      // the Moon's Ashtottari group and its unelapsed part
  kVimsottari,      // the nakshatra's Vimsottari lord, from the start of its period
  kNotProgrammed,   // no listing: the heading is a notice
};

// Where the dasa year of a listing comes from.
enum class DasaYear {
  kChart,    // the span's (compressed in Tajaka and mundane charts)
  kMundane,  // the mundane chart's days spread over the cycle's total years
};

struct NakshatraDasaRow {
  NakshatraDasa dasa;
  int section;
  // The heading before the listing (for the mundane dasas, the cycle's name
  // in "Compressed ... Dasas (N days):"), and what follows the listing.
  const char* heading;
  const char* closing;
  const LordCycle* cycle;
  FirstLord firstLord;
  const int* index;  // the cycle's lords by counted position (kCounted...)
  int indexSize;
  int offset;
  int mainPeriods;
  DasaYear year;
};

template <std::size_t N>
constexpr const int* IndexOf(const std::array<int, N>& index) {
  return index.data();
}

using F = FirstLord;
using Y = DasaYear;
using D = NakshatraDasa;
constexpr std::array<NakshatraDasaRow, static_cast<std::size_t>(D::kCount)> kNakshatraDasas = {{
    {D::kYogini, 2, "Yogini Dasa:\n", "\n\n", &dasa::kYogini, F::kCounted, IndexOf(dasa::kYoginiIndex), 8, 4, 22,
     Y::kChart},
    {D::kTithiYogini, 40, "Tithi Yogini Dasa:\n", "\n", &dasa::kYogini, F::kTithi, nullptr, 0, 0, 22, Y::kChart},
    {D::kDwisaptatiSama, 30, "\nDwisaptati Sama Dasa:\n", "\n\n", &kDwisaptati, F::kCountedPastOne,
     IndexOf(kDwisaptatiIndex), 8, 9, 12, Y::kChart},
    {D::kShatTrimsaSama, 31, "\nShat-Trimsa Sama Dasa:\n", "\n\n", &dasa::kYogini, F::kCountedPastOne,
     IndexOf(dasa::kYoginiIndex), 8, 6, 24, Y::kChart},
    {D::kDwadasottari, 32, "\nDwadasottari Dasa:\n", "\n\n", &kDwadasottari, F::kCountedBack,
     IndexOf(kDwadasottariIndex), 8, 0, 9, Y::kChart},
    {D::kChaturasitiSama, 33, "\nChaturasiti Sama Dasa:\n", "\n\n", &kChaturasiti, F::kCountedPastOne,
     IndexOf(kChaturasitiIndex), 7, 13, 9, Y::kChart},
    {D::kSatabdika, 34, "\nSatabdika Dasa:\n", "\n\n", &kSatabdika, F::kCountedPastOne, IndexOf(kSatabdikaIndex), 7,
     1, 8, Y::kChart},
    {D::kShodasottari, 35, "\nShodasottari Dasa:\n", "\n\n", &kShodasottari, F::kCountedPastOne,
     IndexOf(kShodasottariIndex), 8, 20, 8, Y::kChart},
    {D::kPanchottari, 36, "\nPanchottari Dasa:\n", "\n\n", &kPanchottari, F::kCountedPastOne,
     IndexOf(kPanchottariIndex), 7, 11, 8, Y::kChart},
    {D::kAshtottari, 37, "\nAshtottari Dasa:\n", "\n\n", &kAshtottari, F::kAshtottari, nullptr, 0, 0, 9, Y::kChart},
    {D::kTithiAshtottari, 38, "\nTithi Ashtottari Dasa:\n", "\n\n", &kAshtottari, F::kTithi, nullptr, 0, 0, 9,
     Y::kChart},
    {D::kShashtihayani, 39,
     "\n\n\n        Shashtihayani Dasa is not yet programmed.\n\n        It may be available in the next release.\n", "",
     nullptr, F::kNotProgrammed, nullptr, 0, 0, 0, Y::kChart},
    {D::kCompressedVimsottari, 15, "Vimsottari", "\n\n", &dasa::kVimsottari, F::kVimsottari, nullptr, 0, 0, 10,
     Y::kMundane},
    {D::kCompressedYogini, 16, "Yogini", "\n\n", &dasa::kYogini, F::kCounted, IndexOf(dasa::kYoginiIndex), 8, 4, 9,
     Y::kMundane},
}};

constexpr bool RowsInEnumOrder() {
  for (std::size_t i = 0; i < kNakshatraDasas.size(); ++i)
    if (static_cast<std::size_t>(kNakshatraDasas[i].dasa) != i) return false;
  return true;
}
static_assert(RowsInEnumOrder());

}  // namespace

int NakshatraDasaSection(NakshatraDasa dasa) {
  return kNakshatraDasas[static_cast<std::size_t>(dasa)].section;
}

DasaSpan ChartDasaSpan(const ChartState& state) { return DasaSpan{dasa::ChartDate(state), state.dasa.yearLength}; }

std::optional<dasa::PeriodList> NakshatraDasaPeriods(const ChartState& state, NakshatraDasa dasa, const DasaSpan& span) {
  const NakshatraDasaRow& row = kNakshatraDasas[static_cast<std::size_t>(dasa)];
  if (row.firstLord == F::kNotProgrammed) return std::nullopt;

  const NakshatraPosition moon = MoonNakshatra(state);
  const int n = moon.nakshatra;
  int lord = 0;
  double fraction = moon.unelapsed;
  switch (row.firstLord) {
    case F::kCounted:
      lord = row.index[(n + row.offset) % row.indexSize];
      break;
    case F::kCountedPastOne:
      lord = row.index[((n + row.offset) % 27 + 1) % row.indexSize];
      break;
    case F::kCountedBack:
      lord = row.index[(27 - n) % row.indexSize];
      break;
    case F::kTithi: {
      const TithiPosition tithi = ChartTithi(state);
      lord = kTithiLord[tithi.tithi];
      fraction = tithi.unelapsed;
      break;
    }
    case F::kAshtottari: {
      const AshtottariGroup& group = kAshtottariGroups[kAshtottariGroupOf[n]];
      lord = group.lord;
      fraction = AshtottariFraction(Mod360(state.slotLongitude[kMoon]), moon, group);
      break;
    }
    case F::kVimsottari:
      lord = dasa::kNakshatraLord[n];
      break;
    case F::kNotProgrammed:
      break;
  }

  const double days = state.options.mundaneDays;
  const double yearLength = row.year == Y::kMundane ? days / row.cycle->years[0] : span.yearLength;
  // Without a balance the chart date opens the first main period (the whole
  // cycle fills the mundane chart's days).
  return row.firstLord == F::kVimsottari
             ? dasa::MainPeriods(*row.cycle, lord, span.from, yearLength, row.mainPeriods)
             : dasa::BalancedPeriods(*row.cycle, lord, span.from, fraction, yearLength, row.mainPeriods);
}

void WriteNakshatraDasa(const ChartState& state, NakshatraDasa dasa, const DasaSpan& span, ReportBuffer& out) {
  const NakshatraDasaRow& row = kNakshatraDasas[static_cast<std::size_t>(dasa)];
  const std::optional<dasa::PeriodList> periods = NakshatraDasaPeriods(state, dasa, span);
  if (!periods) {
    out.Appendf("%s", row.heading);
    return;
  }
  const DasaDate birth = span.from;
  if (row.year == Y::kMundane) {
    out.Appendf("\nCompressed %s Dasas (%d days):\n", row.heading, WholeDays(state.options.mundaneDays));
  } else {
    out.Appendf("%s", row.heading);
  }
  dasa::AppendPlanetPeriods(out, *periods, &birth);
  out.Appendf("%s", row.closing);
}

}  // namespace orvane
