// Random charts of every kind (natal, Tajaka annual, monthly and hora,
// mundane) over the whole range, each report section written in turn: every
// chart ends within a bounded number of casts, every value stays finite and
// in range, and no section prints a non-finite number or runs out of room.
#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"
#include "tests/common/random_charts.h"

namespace orvane {
namespace {

using testing_support::ApplyKind;
using testing_support::ChartKind;
using testing_support::kChartKinds;
using testing_support::RandomCharts;

bool HasNonFiniteText(std::string_view text) {
  for (std::string_view bad : {"nan", "NaN", "inf", "Inf"})
    if (text.find(bad) != std::string_view::npos) return true;
  return false;
}

TEST(SweepSections, EveryKindEverySection) {
  RandomCharts charts(2026);
  const Settings settings;
#ifdef __SANITIZE_ADDRESS__
  const int kCharts = 400;  // the sanitizers make each pass about ten times slower
#else
  const int kCharts = 2000;
#endif
  for (int i = 0; i < kCharts; ++i) {
    const BirthData birth = charts.Next(i);
    const ChartKind kind = kChartKinds[i % 5];
    SCOPED_TRACE(testing::Message() << "chart " << i << " kind " << static_cast<int>(kind) << ": " << birth.year
                                    << "-" << birth.month << "-" << birth.day << " " << birth.time << " zone "
                                    << birth.zone << " lon " << birth.longitude << " lat " << birth.latitude);
    testing_support::ChartWithReport state;
    ApplyKind(state.options, kind, static_cast<int>(birth.year), i);
    ASSERT_TRUE(ComputeChartFromBirth(state, settings, birth));
    // The natal cast, the Tajaka search and the sunrise and new-moon searches.
    ASSERT_LE(state.castCount, 2500u);
    for (double v : state.slotLongitude) ASSERT_TRUE(std::isfinite(v) && v >= 0 && v < 360);

    state.options.recompute = 0;  // re-derive every section from the cached chart
    for (int section = 0; section <= 42; ++section) {
      state.options.textChartRasiNavamsa = section == 41 ? 1 : 0;
      state.options.textChartOthers = (section == 41 && i % 2) ? 1 : 0;
      ASSERT_TRUE(ComputeChartFromBirth(state, settings, birth, section, &state.report));
      const std::string_view text = state.report.Text();
      ASSERT_FALSE(state.report.Truncated()) << "section " << section;
      ASSERT_FALSE(HasNonFiniteText(text)) << "section " << section << ":\n" << text;
    }
    ASSERT_EQ(state.dasa.yearLength, settings.daysInYear);
  }
}

}  // namespace
}  // namespace orvane
