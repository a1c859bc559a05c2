// The Tajaka dasas: Patyayini (the span of the chart shared among the
// ascendant and Sun..Saturn by their degrees inside the sign; section 6, and
// over a fixed span from birth, section 9), Mudda (Vimsottari compressed
// into the span; section 7) and Varsha Yogini (Yogini compressed the same
// way; section 8).
#include <array>
#include <cmath>
#include <cstdint>

#include "dasa/periods.h"
#include "engine/zodiac.h"
#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"
#include "engine/sunrise.h"
#include "tajaka/tajaka.h"
#include "tajaka/tajaka_rules.h"
#include "vedic/names.h"
#include "vedic/vargas.h"

namespace orvane {

namespace tajaka {

namespace {

// Annual, monthly, hora chart: ghatis per dasa year of the Mudda (120-year) and the Varsha
// Yogini (36-year) cycles, and the Patyayini span in days. Each cycle fills
// the span: 182.62125 * 120 = 608.7375 * 36 = 365.2425 days of 60 ghatis.
struct SpanFactors {
  double mudda;
  double varshaYogini;
  double patyayini;
};
constexpr std::array<SpanFactors, 3> kSpan = {{
    {182.62125, 608.7375, 365.2425},
    {15.2184375, 50.728125, 30.436875},
    {1.268203125, 4.22734375, 2.53640625},
}};

// Days the natal Patyayini spans from the birth date.
constexpr double kNatalPatyayiniSpan = 43200;
// Spans shorter than this many days are listed without sub-periods, with
// clock times.
constexpr double kSubPeriodSpan = 10;

// A chart that is not a Tajaka chart reads the annual row.
const SpanFactors& SpanOf(const ChartState& state) {
  switch (KindOf(state.options)) {
    case ChartKind::kMonthly: return kSpan[1];
    case ChartKind::kHora: return kSpan[2];
    default: return kSpan[0];
  }
}


const char* LabelOf(int slot) { return dasa::kDasaLabel[static_cast<std::size_t>(slot >= 0 && slot <= 9 ? slot : 0)]; }

// Length of a duration in days.
double DaysOf(const DasaDuration& d) { return d.days + 30.0 * d.months + 360.0 * d.years + d.ghatis / 60; }

struct PatyayiniPeriod {
  int slot = 0;
  DasaDate start{};
  DasaDate end{};
  std::array<int, kPatyayiniPoints> subSlot{};
  std::array<DasaDate, kPatyayiniPoints> subStart{};
};

// Main periods from `start` over `spanDays`, each divided among the eight
// points from its own on when `withSubPeriods`.
std::array<PatyayiniPeriod, kPatyayiniPoints> PatyayiniPeriods(const PatyayiniShares& shares, const DasaDate& start,
                                                              double spanDays, bool withSubPeriods) {
  std::array<PatyayiniPeriod, kPatyayiniPoints> periods{};
  DasaDate at = start;
  for (int k = 0; k < kPatyayiniPoints; ++k) {
    PatyayiniPeriod& p = periods[static_cast<std::size_t>(k)];
    p.slot = shares.order[static_cast<std::size_t>(k)];
    p.start = at;
    const DasaDuration length = ShareToDuration(shares.fraction[static_cast<std::size_t>(k)], spanDays);
    p.end = AddDuration(at, length);
    if (withSubPeriods) {
      const double lengthDays = DaysOf(length);
      DasaDate sub = at;
      for (int s = 0; s < kPatyayiniPoints; ++s) {
        const std::size_t pos = static_cast<std::size_t>((k + s) % kPatyayiniPoints);
        p.subSlot[static_cast<std::size_t>(s)] = shares.order[pos];
        p.subStart[static_cast<std::size_t>(s)] = sub;
        sub = AddDuration(sub, ShareToDuration(shares.fraction[pos], lengthDays));
      }
    }
    at = p.end;
  }
  return periods;
}

// Main periods with their sub-periods 2 to 8, five to a line.
void AppendPatyayini(ReportBuffer& out, const std::array<PatyayiniPeriod, kPatyayiniPoints>& periods) {
  for (const PatyayiniPeriod& p : periods) {
    const char* label = LabelOf(p.slot);
    out.Appendf("\n%c%c%c%c %04d-%02d-%02d", label[0], label[1], label[2], label[3], dasa::PrintedYear(p.start.year),
                p.start.month, p.start.day);
    for (int s = 1; s < kPatyayiniPoints; ++s) {
      const char* sl = LabelOf(p.subSlot[static_cast<std::size_t>(s)]);
      const DasaDate& d = p.subStart[static_cast<std::size_t>(s)];
      out.Appendf("  %c%c%c%c %04d-%02d-%02d", sl[0], sl[1], sl[2], sl[3], dasa::PrintedYear(d.year), d.month, d.day);
      if (s == 4) out.Appendf("\n%15s", "");
    }
  }
}

void KeepPeriods(TajakaState& tj, const PatyayiniShares& shares,
                 const std::array<PatyayiniPeriod, kPatyayiniPoints>& periods) {
  tj.patyayiniOrder = shares.order;
  tj.patyayiniShare = shares.share;
  tj.patyayiniFraction = shares.fraction;
  tj.patyayiniTotal = shares.total;
  for (int k = 0; k < kPatyayiniPoints; ++k) {
    tj.patyayiniStart[static_cast<std::size_t>(k)] = periods[static_cast<std::size_t>(k)].start;
    tj.patyayiniEnd[static_cast<std::size_t>(k)] = periods[static_cast<std::size_t>(k)].end;
  }
}

// The Tajaka date at 0 ghatis (the date the search found).
DasaDate TajakaDate(const TajakaState& tj) {
  return MomentOf(tj.moment.year, tj.moment.month, tj.moment.day, FileClock{0.0});
}

// Age in whole years: the Tajaka year less the birth year.
long long AgeOf(const ChartState& state) {
  const double birthYear = state.birth.year;
  const long long year = std::isfinite(birthYear) ? static_cast<long long>(std::trunc(birthYear)) : 0;
  return static_cast<long long>(state.options.tajakaYear) - year;
}

// The natal Moon's nakshatra, 0..26.
int NatalMoonNakshatra(const ChartState& state) {
  return NakshatraOf(state.tajaka.natalLongitude[kMoon]).nakshatra;
}

// The unelapsed part of the Tajaka chart's Moon's nakshatra, [0, 1].
double TajakaNakshatraFraction(const ChartState& state) {
  const double f = state.vedic.tajakaNakshatraBalance;
  if (!std::isfinite(f)) return 1;
  return f < 0 ? 0 : (f > 1 ? 1 : f);
}

// A compressed dasa entered at the Tajaka date with `firstLord` and the
// balance f: `count` main periods of years * ghatisPerYear ghatis each, the
// first ending at the Tajaka date plus the balance.
dasa::PeriodList CompressedPeriods(const dasa::LordCycle& cycle, int firstLord, const DasaDate& date,
                                   double fraction, double ghatisPerYear, int count) {
  dasa::PeriodList list;
  const double firstLength = cycle.years[static_cast<std::size_t>(firstLord)] * ghatisPerYear;
  const DasaDate firstEnd = AddDuration(date, EncodeGhatis(firstLength * fraction));
  DasaDate start = SubtractDuration(firstEnd, EncodeGhatis(firstLength));
  int lord = firstLord;
  for (int i = 0; i < count && i < dasa::kMaxMainPeriods; ++i) {
    dasa::MainPeriod& m = list.main[static_cast<std::size_t>(i)];
    const double length = cycle.years[static_cast<std::size_t>(lord)] * ghatisPerYear;
    m.period.lord = lord;
    m.period.start = start;
    m.period.end = i == 0 ? firstEnd : AddDuration(start, EncodeGhatis(length));
    dasa::DivideMainPeriod(m, cycle, length);
    start = m.period.end;
    lord = cycle.next[static_cast<std::size_t>(lord)];
    ++list.count;
  }
  return list;
}

}  // namespace

PatyayiniShares ComputePatyayiniShares(const SlotArray<double>& longitude) {
  constexpr std::size_t n = kPatyayiniPoints;
  PatyayiniShares s;
  std::array<double, n> degrees{};
  for (std::size_t slot = 0; slot < n; ++slot) degrees[slot] = DegreesInSignWrapped(longitude[slot]);
  // Insertion sort by degrees: a point goes before the first earlier point
  // with more degrees, so equal degrees keep slot order.
  for (std::size_t slot = 0; slot < n; ++slot) {
    std::size_t at = slot;
    for (std::size_t k = 0; k < slot; ++k) {
      if (degrees[static_cast<std::size_t>(s.order[k])] > degrees[slot]) {
        at = k;
        break;
      }
    }
    for (std::size_t k = slot; k > at; --k) s.order[k] = s.order[k - 1];
    s.order[at] = static_cast<std::int32_t>(slot);
  }
  double previous = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const double d = degrees[static_cast<std::size_t>(s.order[k])];
    s.share[k] = d - previous;
    s.total += d - previous;
    previous = d;
  }
  if (s.total > 0) {
    for (std::size_t k = 0; k < n; ++k) s.fraction[k] = s.share[k] / s.total;
  } else {
    // Every point at 0 degrees: nothing to share by, the first takes it all.
    s.fraction[0] = 1;
  }
  return s;
}

DasaDuration ShareToDuration(double fraction, double spanDays) {
  DasaDuration d;
  const double x = fraction * spanDays;
  if (!(x > 0) || !std::isfinite(x)) return d;
  // Whole days through whole hundredths of a day.
  const long long hundredths = static_cast<long long>(std::trunc(100 * x));
  d.days = static_cast<int>(hundredths / 100);
  d.ghatis = (x - d.days) * 60;
  return d;
}

}  // namespace tajaka

void PatyayiniDasa(ChartState& state, const Settings&, ReportBuffer* report) {
  const tajaka::PatyayiniShares shares = tajaka::ComputePatyayiniShares(state.slotLongitude);
  if (report) {
    ReportBuffer& out = *report;
    out.Appendf("\nPatyayini Dasa Fractions:\n\n");
    double sum = 0;
    for (int k = 0; k < kPatyayiniPoints; ++k) {
      const char* label = tajaka::LabelOf(shares.order[static_cast<std::size_t>(k)]);
      const double share = shares.share[static_cast<std::size_t>(k)];
      sum += share;
      out.Appendf("    %c%c%c%c      %f     %f\n", label[0], label[1], label[2], label[3], share, sum);
    }
    out.Appendf("\n    TOTAL    %f\n", shares.total);
  }

  // The span starts at the chart's moment: the Tajaka moment in a Tajaka
  // chart, the birth otherwise, its clock time in ghatis.
  const bool tajakaChart = state.options.tajakaMode != 0;
  const TajakaMoment& tm = state.tajaka.moment;
  const BirthData& b = state.birth;
  const DasaDate start = tajakaChart ? MomentOf(tm.year, tm.month, tm.day, FileClock{tm.time})
                                     : MomentOf(b.year, b.month, b.day, FileClock{b.time});
  const double span = tajaka::SpanOf(state).patyayini;
  const bool withSubPeriods = span >= tajaka::kSubPeriodSpan;
  const auto periods = tajaka::PatyayiniPeriods(shares, start, span, withSubPeriods);
  tajaka::KeepPeriods(state.tajaka, shares, periods);
  if (!report) return;

  ReportBuffer& out = *report;
  out.Appendf("\nPatyayini Dasa:\n");
  if (withSubPeriods) {
    tajaka::AppendPatyayini(out, periods);
  } else {
    out.Appendf("\n");
    for (const tajaka::PatyayiniPeriod& p : periods) {
      const char* label = tajaka::LabelOf(p.slot);
      const double hours = p.start.ghatis * 0.4;
      int h = static_cast<int>(std::floor(hours));
      int m = static_cast<int>(std::floor((hours - h) * 60));
      if (h < 0 || h > 23) h = 0;
      if (m < 0 || m > 59) m = 0;
      out.Appendf("%c%c%c%c:    %04d-%02d-%02d   (%02d:%02d)\r\n", label[0], label[1], label[2], label[3],
                  dasa::PrintedYear(p.start.year), p.start.month, p.start.day, h, m);
    }
  }
  out.Appendf("\n\n");
}

void NatalPatyayiniDasa(ChartState& state, const Settings&, ReportBuffer* report) {
  const tajaka::PatyayiniShares shares = tajaka::ComputePatyayiniShares(state.slotLongitude);
  // From 0 ghatis of the birth date: the clock time of birth is not used.
  const auto periods = tajaka::PatyayiniPeriods(shares, dasa::ChartDate(state), tajaka::kNatalPatyayiniSpan, true);
  tajaka::KeepPeriods(state.tajaka, shares, periods);
  if (!report) return;
  report->Appendf("\n\nPatyayini Dasa:\n");
  tajaka::AppendPatyayini(*report, periods);
  report->Appendf("\n\n");
}

void MuddaDasa(ChartState& state, const Settings&, ReportBuffer* report) {
  TajakaState& tj = state.tajaka;
  // The natal Moon's nakshatra advanced by one for each year of age (the
  // remainder is never negative, so years before birth count back).
  const long long n = vedic::FloorMod(tajaka::NatalMoonNakshatra(state) + tajaka::AgeOf(state), 27);
  const int first = vedic::NakshatraLord(n);
  tj.muddaFirstLord = first;
  const DasaDate date = tajaka::TajakaDate(tj);
  const dasa::PeriodList list = tajaka::CompressedPeriods(
      dasa::kVimsottari, first, date, tajaka::TajakaNakshatraFraction(state), tajaka::SpanOf(state).mudda, 10);
  if (!report) return;
  report->Appendf("\nMudda Dasa:\n");
  dasa::AppendPlanetPeriods(*report, list, &date);
  report->Appendf("\n\n");
}

void VarshaYoginiDasas(ChartState& state, const Settings&, ReportBuffer* report) {
  TajakaState& tj = state.tajaka;
  const long long position = vedic::FloorMod(tajaka::NatalMoonNakshatra(state) + tajaka::AgeOf(state) + 4, 8);
  const int first = dasa::kYoginiIndex[static_cast<std::size_t>(position)];
  tj.varshaYoginiFirstLord = first;
  const DasaDate date = tajaka::TajakaDate(tj);
  const dasa::PeriodList list = tajaka::CompressedPeriods(
      dasa::kYogini, first, date, tajaka::TajakaNakshatraFraction(state), tajaka::SpanOf(state).varshaYogini, 9);
  if (!report) return;
  report->Appendf("\nVarsha Yogini Dasas:\n");
  dasa::AppendPlanetPeriods(*report, list, &date);
  report->Appendf("\n\n");
}

}  // namespace orvane
