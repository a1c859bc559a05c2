// Vimsottari dasa: the balance at birth, the nine main periods with their
// antardasas (section 0), and the antardasas with pratyantardasas of one
// chosen mahadasa (section 42).
#include <array>

#include "dasa/dasa.h"
#include "dasa/periods.h"
#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"

namespace orvane {

namespace {

using dasa::kVimsottari;

constexpr int kMainPeriodCount = 9;

// Full point names of the planets for the section-42 header; the Sun's name
// is written without the blank that pads its four-character label.
constexpr std::array<const char*, 10> kPlanetName = {
    "", "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"};

// The Vimsottari lord of the Moon's nakshatra and the part of its period
// still to run; nakshatra and fraction come from one reading of the Moon.
DasaBalance BalanceOf(const ChartState& state) {
  const NakshatraPosition moon = NakshatraOf(state.slotLongitude[kMoon]);
  DasaBalance b;
  b.lord = dasa::kNakshatraLord[moon.nakshatra];
  const DasaDuration d = dasa::SplitBalance(kVimsottari.years[b.lord] * moon.unelapsed);
  b.years = d.years;
  b.months = d.months;
  b.days = d.days;
  b.ghatis = d.ghatis;
  return b;
}

bool HasBalance(const DasaBalance& b) { return b.lord >= kSun && b.lord <= kKetu; }

// The stored balance, or the Moon's when the pass stored none.
DasaBalance ChartBalance(const ChartState& state) {
  return HasBalance(state.dasa.balance) ? state.dasa.balance : BalanceOf(state);
}

// The balance as a duration of the 360-day reckoning.
DasaDuration BalanceDuration(const DasaBalance& b) { return {b.years, b.months, b.days, b.ghatis}; }

// The nine main periods from the balance `b`, at yearLength days a year.
dasa::PeriodList PeriodsFromBalance(const DasaBalance& b, double yearLength, const DasaDate& birth) {
  const DasaDate end = AddDuration(birth, EncodeGhatis(dasa::ScaledGhatis(BalanceDuration(b), yearLength)));
  const DasaDate start =
      SubtractDuration(end, EncodeGhatis(dasa::PeriodGhatis(kVimsottari.years[b.lord], yearLength)));
  return dasa::MainPeriods(kVimsottari, b.lord, start, yearLength, kMainPeriodCount, &end);
}

// The nine main periods from the balance, at the chart's year length.
dasa::PeriodList VimsottariPeriods(const DasaBalance& balance, const ChartState& state, const DasaDate& birth) {
  return PeriodsFromBalance(balance, state.dasa.yearLength, birth);
}

// One level down: the antardasas of main period `m` are main periods at a
// year of years[lord] / 120 of the dasa year, from its true start; their
// sub-periods are the pratyantardasas.
dasa::PeriodList Antardasas(const dasa::MainPeriod& m, double dasaYearLength) {
  const int lord = m.period.lord;
  const double yearLength = kVimsottari.years[lord] * dasaYearLength / kVimsottari.years[0];
  return dasa::MainPeriods(kVimsottari, lord, m.period.start, yearLength, kMainPeriodCount);
}

VimsottariRecord RecordOf(const dasa::Period& p, const DasaDate& start) {
  return {p.lord, start.year, start.month, start.day, p.end.year, p.end.month, p.end.day};
}

}  // namespace

DasaBalance DasaBalanceOf(const ChartState& state) { return BalanceOf(state); }

void ComputeVimsottari(const ChartState& state, DasaState& out) {
  const DasaDate birth = dasa::ChartDate(state);
  if (!HasBalance(out.balance)) out.balance = BalanceOf(state);  // the pass had not stored it
  const dasa::PeriodList list = VimsottariPeriods(out.balance, state, birth);

  out.vimsottari = {};
  out.vimsottariStart = {};
  out.vimsottariEnd = {};
  for (int i = 0; i < list.count; ++i) {
    const dasa::MainPeriod& m = list.main[i];
    // The first main period is recorded from the birth date.
    out.vimsottari[i][0] = RecordOf(m.period, i == 0 ? birth : m.period.start);
    for (int j = 0; j < m.subCount; ++j) out.vimsottari[i][j + 1] = RecordOf(m.sub[j], m.sub[j].start);
    out.vimsottariStart[i] = m.period.start;
    out.vimsottariEnd[i] = m.period.end;
  }
  out.vimsottariValid = 1;
}

void WriteVimsottari(const ChartState& state, const Settings&, ReportBuffer& out) {
  const DasaDate birth = dasa::ChartDate(state);
  const dasa::PeriodList list = VimsottariPeriods(ChartBalance(state), state, birth);
  out.Appendf("Vimsottari Dasa:\n");
  dasa::AppendPlanetPeriods(out, list, &birth);
  out.Appendf("\n");
}

void VimsottariSubPeriods(const ChartState& state, const Settings&, ReportBuffer& out) {
  int lord = state.options.selectedMahadasaLord;
  if (lord < kSun || lord > kKetu) lord = kSun;  // the dialog's default

  const DasaDate birth = dasa::ChartDate(state);
  const dasa::PeriodList mains = VimsottariPeriods(ChartBalance(state), state, birth);
  dasa::PeriodList subs;
  for (int i = 0; i < mains.count; ++i) {
    const dasa::MainPeriod& m = mains.main[i];
    if (m.period.lord != lord) continue;
    subs = Antardasas(m, state.dasa.yearLength);
    break;
  }

  out.Appendf("Antardasas && pratyantardasas in %s's Vimsottari Dasa:\n", kPlanetName[lord]);
  dasa::AppendPlanetPeriods(out, subs, nullptr);
  out.Appendf("\n");
}

VimsottariTree VimsottariPeriodTree(const ChartState& state) {
  VimsottariTree tree;
  tree.birth = dasa::ChartDate(state);
  const DasaBalance b = ChartBalance(state);
  tree.mains = PeriodsFromBalance(b, state.dasa.yearLength, tree.birth);
  for (int i = 0; i < tree.mains.count && i < kMainPeriodCount; ++i) {
    tree.antardasas[static_cast<std::size_t>(i)] = Antardasas(tree.mains.main[i], state.dasa.yearLength);
  }
  return tree;
}

}  // namespace orvane
