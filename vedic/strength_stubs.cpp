#include "vedic/strength.h"

namespace orvane {

void ComputeAshtakavarga(ChartState&, const Settings&) {}
void ComputeNatureOfPlanets(ChartState&, const Settings&) {}
void ComputeShadbala(ChartState&, const Settings&) {}

}  // namespace orvane
