#include "vedic/special_lagnas.h"

namespace orvane {

void ComputeTimeLagnas(ChartState&, const Settings&, double) {}

void ComputeTimeUpagrahas(ChartState&, const Settings&) {}

}  // namespace orvane
