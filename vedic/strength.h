// Ashtakavarga, nature of the planets, shadbala and bhava bala, and the
// writers of their texts.
#pragma once

#include "chart/chart_state.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane {

void ComputeAshtakavarga(ChartState& state, const Settings& settings);
void ComputeNatureOfPlanets(ChartState& state, const Settings& settings);
void ComputeShadbala(ChartState& state, const Settings& settings);

// The text of a derived chart's shadbalas and bhava balas: in full (section
// 13) or the totals (section 22).
void WriteShadbalaSection(const ChartState& state, bool full, ReportBuffer& out);

// The ashtakavarga texts: the tables with the pindas (section 3), the
// pindas alone (17), the prastara tables of the Sun to Mars (18) and of
// Mercury to Saturn (19).
enum class AshtakavargaText { kTables, kPindas, kPrastaraSunToMars, kPrastaraMercuryToSaturn };
// Computes the ashtakavarga of the chart the options select and writes one
// of its texts from the start of the buffer.
void WriteAshtakavarga(ChartState& state, const Settings& settings, AshtakavargaText text, ReportBuffer& out);

}  // namespace orvane
