// Kalachakra dasa: a sign dasa keyed to the pada of the Moon's nakshatra.
// Each of sixteen pada classes owns a cycle of nine signs; the unelapsed part
// of the Moon's pada picks the running sign and its balance, and the periods
// run through the rest of the cycle and then through the following class's.
#include <array>
#include <vector>

#include "dasa/dasa.h"
#include "dasa/periods.h"
#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"

namespace orvane {

namespace {

constexpr int kMaxListed = 12;
constexpr double kPadasPerDegree = 0.3;  // a pada is 3 deg 20 min

// Dasa years by sign code, Aries (1) to Pisces (12); entry 0 unused.
constexpr std::array<int, 13> kSignYears = {0, 7, 16, 9, 21, 5, 9, 16, 7, 10, 4, 4, 10};

// Two-letter sign names by sign code.
constexpr std::array<const char*, 13> kSignAbbreviation = {"  ", "Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                                                           "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

// Kind of each nakshatra, Ashwini (0) to Revati (26): 0, 1, 0, 2, 3, 3 over
// and over from Ashwini.
constexpr std::array<int, 6> kNakshatraKind = {0, 1, 0, 2, 3, 3};

// The nine signs (codes) of the cycle of each pada class k = pada + 4 * kind.
constexpr std::array<std::array<int, 9>, 16> kCycleSigns = {{
    {1, 2, 3, 4, 5, 6, 7, 8, 9},
    {10, 11, 12, 8, 7, 6, 4, 5, 3},
    {2, 1, 12, 11, 10, 9, 1, 2, 3},
    {4, 5, 6, 7, 8, 9, 10, 11, 12},
    {8, 7, 6, 4, 5, 3, 2, 1, 12},
    {11, 10, 9, 1, 2, 3, 4, 5, 6},
    {7, 8, 9, 10, 11, 12, 8, 7, 6},
    {4, 5, 3, 2, 1, 12, 11, 10, 9},
    {9, 10, 11, 12, 1, 2, 3, 5, 4},
    {6, 7, 8, 12, 11, 10, 9, 8, 7},
    {6, 5, 4, 3, 2, 1, 9, 10, 11},
    {12, 1, 2, 3, 5, 4, 6, 7, 8},
    {12, 11, 10, 9, 8, 7, 6, 5, 4},
    {3, 2, 1, 9, 10, 11, 12, 1, 2},
    {3, 5, 4, 6, 7, 8, 12, 11, 10},
    {9, 8, 7, 6, 5, 4, 3, 2, 1},
}};

// The total years (paramayus) of each class's cycle.
constexpr std::array<int, 16> kCycleTotal = {100, 85, 83, 86, 100, 85, 83, 86, 86, 83, 85, 100, 86, 83, 85, 100};

constexpr bool TotalsAgree() {
  for (int k = 0; k < 16; ++k) {
    int sum = 0;
    for (int sign : kCycleSigns[k]) sum += kSignYears[sign];
    if (sum != kCycleTotal[k]) return false;
  }
  return true;
}
static_assert(TotalsAgree());

// The class whose cycle follows class k: the classes 0..7 and 8..15 each
// form a ring.
constexpr int FollowingClass(int k) { return k < 8 ? (k + 1) % 8 : 8 + (k + 1) % 8; }
static_assert(FollowingClass(7) == 0 && FollowingClass(15) == 8 && FollowingClass(3) == 4);

// A class's cycle as a dasa cycle over positions 1..9 (lord codes are cycle
// positions; the successor of position 9 is position 1).
dasa::LordCycle CycleOf(int k) {
  dasa::LordCycle c;
  c.lordCount = 9;
  c.firstLord = 1;
  for (int pos = 1; pos <= 9; ++pos) {
    c.years[pos] = kSignYears[kCycleSigns[k][pos - 1]];
    c.years[0] += c.years[pos];
    c.next[pos] = pos % 9 + 1;
  }
  return c;
}

// Main periods of the listing: the cycle class each belongs to.
struct KalachakraPeriod {
  int cls = 0;
  dasa::MainPeriod main{};
};

struct KalachakraList {
  int count = 0;
  std::array<KalachakraPeriod, kMaxListed> period{};
};

// The unelapsed part of the Moon's pada, (0, 1].
double PadaUnelapsed(double moonLongitude, const NakshatraPosition& moon) {
  double u = 4 * moon.nakshatra + moon.pada + 1 - kPadasPerDegree * moonLongitude;
  if (!(u > 0 && u <= 1)) {
    // A rounding on a pada boundary: take the pada's part from the
    // nakshatra's unelapsed fraction, which agrees with the pada by
    // construction, and keep it inside (0, 1].
    u = 4 * moon.unelapsed - (3 - moon.pada);
    if (!(u > 0)) u = 1e-12;
    if (u > 1) u = 1;
  }
  return u;
}

KalachakraList ComputeKalachakra(const ChartState& state, const DasaDate& birth) {
  const double moonLongitude = Mod360(state.slotLongitude[kMoon]);
  const NakshatraPosition moon = NakshatraOf(moonLongitude);
  const int cls = moon.pada + 4 * kNakshatraKind[moon.nakshatra % 6];  // [0, 15]
  const double yearLength = state.dasa.yearLength;

  // The running sign: walk back from the ninth sign of the cycle while the
  // unelapsed amount exceeds the sign's years; the walk stops at the first.
  const dasa::LordCycle first = CycleOf(cls);
  double balance = PadaUnelapsed(moonLongitude, moon) * first.years[0];
  int pos = 9;
  while (pos > 1 && balance > first.years[pos]) {
    balance -= first.years[pos];
    --pos;
  }

  KalachakraList list;
  const dasa::FirstPeriod running = dasa::PeriodAtBirth(birth, first.years[pos], balance, yearLength);
  DasaDate start = running.start;
  int k = cls;
  dasa::LordCycle cycle = first;
  // The rest of this cycle, then the whole following cycle, twelve at most.
  while (list.count < kMaxListed) {
    KalachakraPeriod& p = list.period[list.count];
    const double length = dasa::PeriodGhatis(cycle.years[pos], yearLength);
    p.cls = k;
    p.main.period.lord = pos;
    p.main.period.start = start;
    p.main.period.end = list.count == 0 ? running.end : AddDuration(start, EncodeGhatis(length));
    dasa::DivideMainPeriod(p.main, cycle, length);
    start = p.main.period.end;
    ++list.count;
    if (pos < 9) {
      ++pos;
    } else if (k == cls) {
      k = FollowingClass(cls);
      cycle = CycleOf(k);
      pos = 1;
    } else {
      break;  // the ninth sign of the following cycle ends the list
    }
  }
  return list;
}

}  // namespace

std::vector<KalachakraRow> KalachakraPeriods(const ChartState& state) {
  const DasaDate birth = dasa::ChartDate(state);
  const KalachakraList list = ComputeKalachakra(state, birth);
  std::vector<KalachakraRow> rows;
  for (int i = 0; i < list.count; ++i) {
    const KalachakraPeriod& p = list.period[i];
    const auto& signs = kCycleSigns[p.cls];
    KalachakraRow row;
    row.sign = signs[p.main.period.lord - 1] - 1;
    row.start = p.main.period.start;
    row.end = p.main.period.end;
    for (int j = 0; j < p.main.subCount; ++j) {
      const dasa::Period& sub = p.main.sub[j];
      row.subs.push_back({signs[sub.lord - 1] - 1, sub.start, sub.end, {}});
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void KalachakraDasa(const ChartState& state, const Settings&, ReportBuffer& out) {
  const DasaDate birth = dasa::ChartDate(state);
  const KalachakraList list = ComputeKalachakra(state, birth);

  out.Appendf("Kalachakra Dasa:\n");
  for (int i = 0; i < list.count; ++i) {
    const KalachakraPeriod& p = list.period[i];
    const auto& signs = kCycleSigns[p.cls];
    const bool first = i == 0;
    const DasaDate& shown = first ? birth : p.main.period.start;
    const char* name = kSignAbbreviation[signs[p.main.period.lord - 1]];
    out.Appendf("\n%c%c %04d-%02d-%02d", name[0], name[1], dasa::PrintedYear(shown.year), shown.month,
                         shown.day);
    // Sub-period 1 begins with the main period and is never shown; in the
    // period running at birth only those that start after birth are.
    for (int j = 1; j < p.main.subCount; ++j) {
      const dasa::Period& s = p.main.sub[j];
      if (first && !dasa::StartsAfter(s.start, birth)) continue;
      const char* sub = kSignAbbreviation[signs[s.lord - 1]];
      out.Appendf("  %c%c %04d-%02d-%02d", sub[0], sub[1], dasa::PrintedYear(s.start.year),
                           s.start.month, s.start.day);
      if (j == 4) out.Appendf("\n%13s", "");  // the rest under the first entry
    }
  }
  out.Appendf("\n");
}

}  // namespace orvane
