#include "compute/yoga_chart.h"

#include "vedic/vargas.h"

namespace orvane {

yoga::YogaChart YogaChartOf(const ChartState& state, const Settings& settings, int varga) {
  const Varga chosen = varga == 9 ? Varga::kD9 : varga == 10 ? Varga::kD10 : Varga::kD1;
  yoga::YogaChart chart;
  chart.lagna = VargaSignOf(chosen, state.slotLongitude[kAscendant], settings.horaMethod);
  chart.lagnaNavamsa = VargaSignOf(Varga::kD9, state.slotLongitude[kAscendant], settings.horaMethod);
  for (int i = 0; i < kGrahaCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const auto slot = static_cast<std::size_t>(SlotOf(BodyAt(i)));
    const double longitude = state.slotLongitude[slot];
    chart.sign[at] = VargaSignOf(chosen, longitude, settings.horaMethod);
    chart.navamsa[at] = VargaSignOf(Varga::kD9, longitude, settings.horaMethod);
    chart.longitude[at] = longitude;
    chart.retrograde[at] = state.slotRetrograde[slot] != 0;
  }
  return chart;
}

}  // namespace orvane
