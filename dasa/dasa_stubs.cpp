#include "dasa/dasa.h"

namespace orvane {

void ComputeDasaBalance(ChartState&, const Settings&) {}
void VimsottariDasa(ChartState&, const Settings&) {}
void VimsottariSubPeriods(ChartState&, const Settings&) {}
void KalachakraDasa(ChartState&, const Settings&) {}
void YoginiDasa(ChartState&, const Settings&) {}
void TithiYoginiDasa(ChartState&, const Settings&) {}
void DwisaptatiSamaDasa(ChartState&, const Settings&) {}
void ShatTrimsaSamaDasa(ChartState&, const Settings&) {}
void DwadasottariDasa(ChartState&, const Settings&) {}
void ChaturasitiSamaDasa(ChartState&, const Settings&) {}
void SatabdikaDasa(ChartState&, const Settings&) {}
void ShodasottariDasa(ChartState&, const Settings&) {}
void PanchottariDasa(ChartState&, const Settings&) {}
void AshtottariDasa(ChartState&, const Settings&) {}
void TithiAshtottariDasa(ChartState&, const Settings&) {}
void ShashtihayaniDasa(ChartState&, const Settings&) {}
void CompressedVimsottariDasa(ChartState&, const Settings&) {}
void CompressedYoginiDasa(ChartState&, const Settings&) {}

}  // namespace orvane
