// The dasa systems of the natal chart: section writers of the calculation
// pass. Each computes its results whatever the section and writes text only
// when state.reportSection names its section. They read the birth date
// copies, the Moon and state.dasaYearLength.
#pragma once

#include "engine/chart_state.h"
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
