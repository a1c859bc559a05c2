#include "dasa/periods.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane::dasa {

namespace {

// A stored whole number as an int in [lo, hi]; anything not finite gives
// `fallback`.
int WholeInRange(double x, int lo, int hi, int fallback) {
  if (!std::isfinite(x)) return fallback;
  x = std::trunc(x);
  if (x < lo) return lo;
  if (x > hi) return hi;
  return static_cast<int>(x);
}

// Balances beyond this many dasa years are not meaningful and would not fit
// the whole-number fields of a duration.
constexpr double kMaxBalanceYears = 1.0e6;

}  // namespace

DasaDate ChartDate(const ChartState& state) { return ChartDateOf(state.birth); }

DasaDate ChartDateOf(const BirthData& b) {
  const int year = WholeInRange(b.year, -1000000, 1000000, 0);
  const int month = WholeInRange(b.month, -100000, 100000, 1);
  const int day = WholeInRange(b.day, -100000, 100000, 1);
  DasaDate date;
  GregorianFromDayCount(GregorianDayCount(year, month, day), date.year, date.month, date.day);
  date.ghatis = 0;
  return date;
}

DasaDuration SplitBalance(double b) {
  DasaDuration d;
  if (!(b > 0)) return d;  // also non-finite input
  if (b > kMaxBalanceYears) b = kMaxBalanceYears;
  const double Y = std::floor(b);
  const double months = 12 * (b - Y);
  const double M = std::floor(months);
  const double days = 30 * (months - M);
  const double D = std::floor(days);
  d.years = static_cast<int>(Y);
  d.months = static_cast<int>(M);
  d.days = static_cast<int>(D);
  d.ghatis = 60 * (days - D);
  return d;
}

double ScaledGhatis(const DasaDuration& d, double yearLength) {
  return (d.ghatis + 60 * (d.days + 30.0 * d.months + 360.0 * d.years)) * yearLength / 360;
}

double PeriodGhatis(int years, double yearLength) { return years * yearLength * 60; }

void DivideMainPeriod(MainPeriod& m, const LordCycle& cycle, double lengthGhatis) {
  m.subCount = 0;
  if (cycle.years[0] <= 0) return;
  int lord = m.period.lord;
  DasaDate start = m.period.start;
  // At most one sub-period per lord of the cycle; a lord outside the cycle
  // (successor 0) ends the list.
  for (int i = 0; i < cycle.lordCount && i < static_cast<int>(m.sub.size()); ++i) {
    if (lord < 1 || lord > 9 || cycle.next[lord] == 0) break;
    Period& s = m.sub[i];
    s.lord = lord;
    s.start = start;
    s.end = AddDuration(start, EncodeDuration(lord, lengthGhatis, cycle.years.data(), cycle.years[0]));
    start = s.end;
    lord = cycle.next[lord];
    ++m.subCount;
  }
}

PeriodList MainPeriods(const LordCycle& cycle, int firstLord, const DasaDate& firstStart,
                       double yearLength, int count, const DasaDate* firstEnd) {
  PeriodList list;
  count = std::clamp(count, 0, kMaxMainPeriods);
  int lord = firstLord;
  DasaDate start = firstStart;
  for (int i = 0; i < count; ++i) {
    if (lord < 1 || lord > 9 || cycle.next[lord] == 0) break;
    MainPeriod& m = list.main[i];
    const double length = PeriodGhatis(cycle.years[lord], yearLength);
    m.period.lord = lord;
    m.period.start = start;
    m.period.end = (i == 0 && firstEnd) ? *firstEnd : AddDuration(start, EncodeGhatis(length));
    DivideMainPeriod(m, cycle, length);
    start = m.period.end;
    lord = cycle.next[lord];
    ++list.count;
  }
  return list;
}

FirstPeriod PeriodAtBirth(const DasaDate& birth, int lordYears, double balanceYears, double yearLength) {
  FirstPeriod first;
  first.balance = SplitBalance(balanceYears);
  first.end = AddDuration(birth, EncodeGhatis(ScaledGhatis(first.balance, yearLength)));
  first.start = SubtractDuration(first.end, EncodeGhatis(PeriodGhatis(lordYears, yearLength)));
  return first;
}

PeriodList BalancedPeriods(const LordCycle& cycle, int firstLord, const DasaDate& birth,
                           double fraction, double yearLength, int count) {
  if (firstLord < 1 || firstLord > 9) return {};
  const FirstPeriod first =
      PeriodAtBirth(birth, cycle.years[firstLord], cycle.years[firstLord] * fraction, yearLength);
  return MainPeriods(cycle, firstLord, first.start, yearLength, count, &first.end);
}

bool StartsAfter(const DasaDate& date, const DasaDate& day) {
  if (date.year != day.year) return date.year > day.year;
  if (date.month != day.month) return date.month > day.month;
  if (date.day != day.day) return date.day > day.day;
  return date.ghatis > 0;
}

int PrintedYear(int year) {
  const long long y = std::llabs(static_cast<long long>(year));
  return y > 2147483647LL ? 2147483647 : static_cast<int>(y);
}

namespace {

const char* LabelOf(int lord) { return kDasaLabel[(lord >= 0 && lord <= 9) ? lord : 0]; }

}  // namespace

void AppendPlanetPeriods(ReportBuffer& report, const PeriodList& list, const DasaDate* birth) {
  for (int i = 0; i < list.count; ++i) {
    const MainPeriod& m = list.main[i];
    const bool fromBirth = (i == 0 && birth != nullptr);
    const DasaDate& shown = fromBirth ? *birth : m.period.start;
    const char* label = LabelOf(m.period.lord);
    report.Appendf("\n%c%c%c%c %04d-%02d-%02d", label[0], label[1], label[2], label[3],
                   PrintedYear(shown.year), shown.month, shown.day);
    // Sub-period 1 begins with the main period and is never shown.
    for (int j = 1; j < m.subCount; ++j) {
      const Period& s = m.sub[j];
      if (fromBirth && !StartsAfter(s.start, *birth)) continue;
      const char* sl = LabelOf(s.lord);
      report.Appendf("  %c%c%c%c %04d-%02d-%02d", sl[0], sl[1], sl[2], sl[3], PrintedYear(s.start.year),
                     s.start.month, s.start.day);
      // After the fifth sub-period the line goes on under the first entry.
      if (j == 4) report.Appendf("\n%15s", "");
    }
  }
}

}  // namespace orvane::dasa
