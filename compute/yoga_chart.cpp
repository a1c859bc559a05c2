#include "compute/yoga_chart.h"

namespace orvane {

yoga::YogaChart YogaChartOf(const Chart& chart, int varga) {
  const Varga chosen = varga == 9 ? kD9 : varga == 10 ? kD10 : kD1;
  yoga::YogaChart out;
  out.lagna = ToInt(chart.VargaAscendant(chosen));
  out.lagnaNavamsa = ToInt(chart.VargaAscendant(kD9));
  for (int i = 0; i < kGrahaCount; ++i) {
    const Body body = BodyAt(i);
    const auto at = static_cast<std::size_t>(i);
    out.sign[at] = ToInt(chart.VargaSign(chosen, body));
    out.navamsa[at] = ToInt(chart.VargaSign(kD9, body));
    out.longitude[at] = chart.Longitude(body);
    out.retrograde[at] = chart.Retrograde(body);
  }
  return out;
}

}  // namespace orvane
