#include "vedic/calculation_pass.h"

namespace orvane {

void RunCalculationPass(ChartState& state, const Settings&) {
  if (state.reportSection != kNoSection) state.report.Clear();
}

}  // namespace orvane
