#include "vedic/text_charts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/common/chart_with_report.h"

namespace orvane {
namespace {

constexpr int kShown[15] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 38, 39};

// The fifteen points of the diagrams at 1, 2, ... 15 degrees, in slot order,
// Jupiter retrograde; `inAries` of them in Aries, the rest in Taurus.
std::unique_ptr<testing_support::ChartWithReport> CrowdedChart(int inAries) {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  for (int i = 0; i < 15; ++i) {
    state->slotLongitude[kShown[i]] = 1.0 + i;
    for (auto& signs : state->vedic.vargaSign) signs[kShown[i]] = i < inAries ? 0 : 1;
  }
  state->slotRetrograde[5] = 1;
  return state;
}

TEST(TextCharts, AllFifteenLabelsInOneBox) {
  auto state = CrowdedChart(15);
  ReportBuffer out;
  AppendTextChart(out, *state, state->vedic.vargaSign[kD1], "R A S I");
  EXPECT_EQ(std::string(out.Text()),
            "\n"
            "+-------------------------------------------------------+\n"
            "|             |  Asc   Sun  |             |             |\n"
            "|             |  Moo   Mar  |             |             |\n"
            "|             |  Mer   JupR |             |             |\n"
            "|             |  Ven   Sat  |             |             |\n"
            "|             |  Rah   Ket  |             |             |\n"
            "|             |   BL    HL  |             |             |\n"
            "|             |   GL   Mnd  |             |             |\n"
            "|             |  Glk        |             |             |\n"
            "|-------------|---------------------------|-------------|\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|-------------|          R A S I          |-------------|\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|             |                           |             |\n"
            "|-------------|---------------------------|-------------|\n"
            "|             |             |             |             |\n"
            "|             |             |             |             |\n"
            "|             |             |             |             |\n"
            "|             |             |             |             |\n"
            "|             |             |             |             |\n"
            "+-------------------------------------------------------+\n");
}

TEST(TextCharts, ElevenLabelsBesideAFourLabelBox) {
  // Eleven in Aries take six lines; the four in Taurus keep their layout.
  auto state = CrowdedChart(11);
  ReportBuffer out;
  AppendTextChart(out, *state, state->vedic.vargaSign[kD1], "R A S I");
  const std::string text(out.Text());
  EXPECT_EQ(text.substr(0, 1 + 58 * 8),
            "\n"
            "+-------------------------------------------------------+\n"
            "|             |  Asc   Sun  |             |             |\n"
            "|             |  Moo   Mar  |   HL    GL  |             |\n"
            "|             |  Mer   JupR |             |             |\n"
            "|             |  Ven   Sat  |  Mnd   Glk  |             |\n"
            "|             |  Rah   Ket  |             |             |\n"
            "|             |   BL        |             |             |\n"
            "|-------------|---------------------------|-------------|\n");
}

TEST(TextCharts, TwentyCrowdedChartsFitTheBuffer) {
  auto state = CrowdedChart(15);
  state->options.textChartRasiNavamsa = 1;
  state->options.textChartOthers = 1;
  WriteTextCharts(*state, state->report);
  EXPECT_FALSE(state->report.Truncated());
  // Twenty charts of 28 lines of 58 bytes and a leading line end, and two
  // closing pairs of line ends.
  EXPECT_EQ(state->report.Text().size(), 20u * (1 + 28 * 58) + 4);
}

}  // namespace
}  // namespace orvane
