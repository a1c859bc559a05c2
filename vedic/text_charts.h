// Text chart diagrams (section 41): south Indian squares of four by four
// boxes, 57 characters wide, with the ascendant, the nine planets, the
// bhava, hora and ghati lagnas, Mandi and Gulika in their signs.
#pragma once

#include <string_view>

#include "chart/chart_state.h"
#include "report/report_buffer.h"
#include "chart/vedic_state.h"

namespace orvane {

// One diagram of the signs in `signs` (by body slot) with `title` centred in
// the middle of the square.
void AppendTextChart(ReportBuffer& out, const ChartState& state, const PointInts& signs, std::string_view title);

// Section 41: the rasi and navamsa diagrams when
// state.options.textChartRasiNavamsa is set; the eighteen other divisional
// charts (D-2 .. D-60) when state.options.textChartOthers is set.
void WriteTextCharts(const ChartState& state, ReportBuffer& out);

}  // namespace orvane
