// A chart kept together with the report buffer its passes and writers
// append to, for tests that read both.
#pragma once

#include "chart/chart_state.h"
#include "report/report_buffer.h"

namespace orvane::testing_support {

struct ChartWithReport : ChartState {
  ReportBuffer report{};
};

}  // namespace orvane::testing_support
