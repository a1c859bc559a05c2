// Vimsottari dasa: the balance at birth, the nine main periods with their
// antardasas (section 0), and the antardasas with pratyantardasas of one
// chosen mahadasa (section 42).
#include <array>

#include "dasa/dasa.h"
#include "dasa/periods.h"
#include "chart/pipeline.h"

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
void StoreBalance(ChartState& state) {
  const NakshatraPosition moon = NakshatraOf(state.slotLongitude[kMoon]);
  DasaBalance& b = state.dasa.balance;
  b.lord = dasa::kNakshatraLord[moon.nakshatra];
  const DasaDuration d = dasa::SplitBalance(kVimsottari.years[b.lord] * moon.unelapsed);
  b.years = d.years;
  b.months = d.months;
  b.days = d.days;
  b.ghatis = d.ghatis;
}

// The balance as a duration of the 360-day reckoning.
DasaDuration BalanceDuration(const DasaBalance& b) { return {b.years, b.months, b.days, b.ghatis}; }

// The nine main periods from the stored balance, at yearLength days a year.
dasa::PeriodList VimsottariPeriods(ChartState& state, const DasaDate& birth) {
  if (state.dasa.balance.lord < kSun || state.dasa.balance.lord > kKetu) {
    StoreBalance(state);  // the pass had not stored it
  }
  const DasaBalance& b = state.dasa.balance;
  const double yearLength = state.dasaYearLength;
  const DasaDate end = AddDuration(birth, EncodeGhatis(dasa::ScaledGhatis(BalanceDuration(b), yearLength)));
  const DasaDate start =
      SubtractDuration(end, EncodeGhatis(dasa::PeriodGhatis(kVimsottari.years[b.lord], yearLength)));
  return dasa::MainPeriods(kVimsottari, b.lord, start, yearLength, kMainPeriodCount, &end);
}

VimsottariRecord RecordOf(const dasa::Period& p, const DasaDate& start) {
  return {p.lord, start.year, start.month, start.day, p.end.year, p.end.month, p.end.day};
}

}  // namespace

void ComputeDasaBalance(ChartState& state, const Settings&) { StoreBalance(state); }

void VimsottariDasa(ChartState& state, const Settings&) {
  const DasaDate birth = dasa::ChartDate(state);
  const dasa::PeriodList list = VimsottariPeriods(state, birth);

  DasaState& out = state.dasa;
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

  if (!WritingSection(state)) return;
  state.report.Appendf("Vimsottari Dasa:\n");
  dasa::AppendPlanetPeriods(state.report, list, &birth);
  state.report.Appendf("\n");
}

void VimsottariSubPeriods(ChartState& state, const Settings&) {
  int lord = state.options.selectedMahadasaLord;
  if (lord < kSun || lord > kKetu) lord = kSun;  // the dialog's default

  const DasaDate birth = dasa::ChartDate(state);
  const dasa::PeriodList mains = VimsottariPeriods(state, birth);
  dasa::PeriodList subs;
  for (int i = 0; i < mains.count; ++i) {
    const dasa::MainPeriod& m = mains.main[i];
    if (m.period.lord != lord) continue;
    // One level down: the mahadasa's antardasas are main periods at a year
    // of years[lord] / 120 of the dasa year, from its true start.
    const double yearLength = kVimsottari.years[lord] * state.dasaYearLength / kVimsottari.years[0];
    subs = dasa::MainPeriods(kVimsottari, lord, m.period.start, yearLength, kMainPeriodCount);
    break;
  }

  state.report.Appendf("Antardasas && pratyantardasas in %s's Vimsottari Dasa:\n", kPlanetName[lord]);
  dasa::AppendPlanetPeriods(state.report, subs, nullptr);
  state.report.Appendf("\n");
}

}  // namespace orvane
