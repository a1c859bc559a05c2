// Ashtakavarga, nature of the planets, shadbala and bhava bala, and the
// writers of their texts.
#pragma once

#include "chart/chart_state.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane {

// The ashtakavarga of the chart the options select (the rasi unless
// options.ashtakavargaChart chooses another).
AshtakavargaState AshtakavargaOf(const ChartState& chart, const Settings& settings);
// The benefic flags, the shadbalas and the bhava balas.
void ComputeShadbala(const ChartState& chart, const Settings& settings, StrengthState& strength);

// The text of a derived chart's shadbalas and bhava balas: in full (section
// 13) or the totals (section 22).
void WriteShadbalaSection(const ChartState& state, bool full, ReportBuffer& out);

// The ashtakavarga texts: the tables with the pindas (section 3), the
// pindas alone (17), the prastara tables of the Sun to Mars (18) and of
// Mercury to Saturn (19).
enum class AshtakavargaText { kTables, kPindas, kPrastaraSunToMars, kPrastaraMercuryToSaturn };
// Writes one of the texts of an ashtakavarga from the start of the buffer.
void WriteAshtakavarga(const AshtakavargaState& ashtakavarga, AshtakavargaText text, ReportBuffer& out);

}  // namespace orvane
