#include "tajaka/tajaka.h"

namespace orvane {

void ComputeSahams(ChartState&, const Settings&) {}
void PanchaVargeeyaBala(ChartState&, const Settings&) {}
void TajakaYogas(ChartState&, const Settings&) {}
void PatyayiniDasa(ChartState&, const Settings&) {}
void MuddaDasa(ChartState&, const Settings&) {}
void VarshaYoginiDasas(ChartState&, const Settings&) {}
void NatalPatyayiniDasa(ChartState&, const Settings&) {}

}  // namespace orvane
