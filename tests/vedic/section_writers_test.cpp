// A section written alone on a computed chart (the copies and printing
// write their sections so, from one computation) gives the text a whole
// calculation pass with that section gives, for every chart kind, with the
// text-chart switches, the ashtakavarga's chart and the mahadasa chosen.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"
#include "tests/common/random_charts.h"
#include "compute/calculation_pass.h"

namespace orvane {
namespace {

using testing_support::ApplyKind;
using testing_support::ChartKind;
using testing_support::kChartKinds;
using testing_support::RandomCharts;

TEST(SectionWriters, WritingAloneGivesThePassText) {
  RandomCharts charts(77);
  Settings settings;
  settings.daysInYear = 360;  // the writers' dasa year comes from the preferences, as in the pass
  int alone = 0;
  for (int i = 0; i < 60; ++i) {
    const BirthData birth = charts.Next(i);
    const ChartKind kind = kChartKinds[i % 5];
    SCOPED_TRACE(testing::Message() << "chart " << i << " kind " << static_cast<int>(kind));
    auto computed = std::make_unique<ChartState>();
    ApplyKind(computed->options, kind, static_cast<int>(birth.year), i);
    computed->options.textChartRasiNavamsa = i % 2;
    computed->options.textChartOthers = (i / 2) % 2;
    computed->options.ashtakavargaChart = i % 21;
    computed->options.selectedMahadasaLord = 1 + i % 9;
    ASSERT_TRUE(ComputeChartFromBirth(*computed, settings, birth));
    computed->options.recompute = 0;

    auto byPass = std::make_unique<testing_support::ChartWithReport>();
    auto byWriter = std::make_unique<testing_support::ChartWithReport>();
    for (int section = 0; section <= 42; ++section) {
      SCOPED_TRACE(section);
      static_cast<ChartState&>(*byWriter) = *computed;
      if (!WriteSectionAlone(*byWriter, settings, section, byWriter->report)) continue;
      ++alone;
      static_cast<ChartState&>(*byPass) = *computed;
      ASSERT_TRUE(ComputeChartFromBirth(*byPass, settings, birth, section, &byPass->report));
      EXPECT_EQ(byWriter->report.Text(), byPass->report.Text());
      EXPECT_EQ(byWriter->dasa.yearLength, byPass->dasa.yearLength);
      EXPECT_EQ(byWriter->birth.time, byPass->birth.time);
    }
  }
  EXPECT_GT(alone, 0);
}

}  // namespace
}  // namespace orvane
