// The dasa systems of the natal chart: section writers of the calculation
// pass. Each computes its results whatever the section and appends text only
// when state.reportSection names its section (the pass empties the buffer
// before the pass; no writer clears it).
//
// What they read from ChartState:
// - the chart date: birthCopy.year, .month, .day (whole numbers; the clock
//   time is not used; a date past a month's end is read as the real date its
//   day count names). In Tajaka mode the pass puts the annual chart's moment
//   there before the compressed dasas and restores it afterwards.
// - the Moon: slotLongitude[kMoon]; its nakshatra, pada and unelapsed
//   fraction are taken together through NakshatraOf (nakshatraBalance is not
//   read: it is the same fraction).
// - the tithi dasas also read slotLongitude[kSun] (tithi and its fraction
//   from the Moon's elongation).
// - dasaYearLength: days per dasa year, read by every writer except the two
//   compressed ones, which read options.mundaneDays instead. No writer
//   changes dasaYearLength; the pass sets and restores it around the calls.
// - VimsottariDasa and VimsottariSubPeriods read dasa.balance (written by
//   ComputeDasaBalance; computed on the spot when no balance is stored);
//   VimsottariSubPeriods also reads options.selectedMahadasaLord (1..9;
//   anything else is read as the Sun).
//
// What they write: ComputeDasaBalance writes dasa.balance; VimsottariDasa
// writes dasa.vimsottari, .vimsottariStart, .vimsottariEnd and
// .vimsottariValid; all write report text for their own section only.
#pragma once

#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

void ComputeDasaBalance(ChartState& state, const Settings& settings);
void VimsottariDasa(ChartState& state, const Settings& settings);        // section 0
void VimsottariSubPeriods(ChartState& state, const Settings& settings);  // section 42
void KalachakraDasa(ChartState& state, const Settings& settings);        // section 1
void YoginiDasa(ChartState& state, const Settings& settings);            // section 2
void TithiYoginiDasa(ChartState& state, const Settings& settings);       // section 40
void DwisaptatiSamaDasa(ChartState& state, const Settings& settings);    // section 30
void ShatTrimsaSamaDasa(ChartState& state, const Settings& settings);    // section 31
void DwadasottariDasa(ChartState& state, const Settings& settings);      // section 32
void ChaturasitiSamaDasa(ChartState& state, const Settings& settings);   // section 33
void SatabdikaDasa(ChartState& state, const Settings& settings);         // section 34
void ShodasottariDasa(ChartState& state, const Settings& settings);      // section 35
void PanchottariDasa(ChartState& state, const Settings& settings);       // section 36
void AshtottariDasa(ChartState& state, const Settings& settings);        // section 37
void TithiAshtottariDasa(ChartState& state, const Settings& settings);   // section 38
void ShashtihayaniDasa(ChartState& state, const Settings& settings);     // section 39
void CompressedVimsottariDasa(ChartState& state, const Settings& settings);  // section 15
void CompressedYoginiDasa(ChartState& state, const Settings& settings);      // section 16

}  // namespace orvane
