#include "compute/chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "compute/pipeline.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

// The default chart read by body: the ascendant at 164.87 (Virgo), the
// first house from 149.87 to 179.87; a navamsa is a ninth of a sign, counted
// on from Aries through the zodiac (floor(longitude / 3 deg 20') mod 12).
TEST(ChartValue, ReadsTheDefaultChartByBody) {
  const std::optional<Chart> chart = ComputeChart(kDefaultBirth, ChartOptions{}, Settings{});
  ASSERT_TRUE(chart.has_value());
  EXPECT_EQ(chart->Kind(), ChartKind::kNatal);
  EXPECT_NEAR(chart->AscendantLongitude(), 164.874, 5e-4);
  EXPECT_EQ(chart->AscendantSign(), Rasi::kVirgo);
  struct Row {
    Body body;
    double longitude;
    bool retrograde;
    Rasi sign;
    int house;      // equal houses around the ascendant
    int signHouse;  // whole signs from Virgo
    Rasi navamsa;
  };
  const Row rows[] = {
      {Body::kSun, 350.874, false, Rasi::kPisces, 7, 7, Rasi::kCapricorn},
      {Body::kMoon, 328.569, false, Rasi::kAquarius, 6, 6, Rasi::kGemini},
      {Body::kJupiter, 189.763, true, Rasi::kLibra, 2, 2, Rasi::kSagittarius},
      {Body::kSaturn, 15.099, false, Rasi::kAries, 8, 8, Rasi::kLeo},
      {Body::kRahu, 316.890, false, Rasi::kAquarius, 6, 6, Rasi::kPisces},
      {Body::kKetu, 136.890, false, Rasi::kLeo, 12, 12, Rasi::kVirgo},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.body));
    EXPECT_NEAR(chart->Longitude(r.body), r.longitude, 5e-4);
    EXPECT_EQ(chart->Retrograde(r.body), r.retrograde);
    EXPECT_EQ(chart->Sign(r.body), r.sign);
    EXPECT_EQ(chart->House(r.body), r.house);
    EXPECT_EQ(chart->SignHouse(r.body), r.signHouse);
    EXPECT_EQ(chart->VargaSign(kD1, r.body), r.sign);
    EXPECT_EQ(chart->VargaSign(kD9, r.body), r.navamsa);
  }
  // The Moon in Purva Bhadrapada (24), its third pada.
  EXPECT_EQ(chart->Nakshatra(Body::kMoon), 24);
  EXPECT_EQ(chart->Pada(Body::kMoon), 2);
  // The Vimsottari periods start with the Moon's nakshatra lord, Jupiter.
  const VimsottariTree dasas = chart->Vimsottari();
  ASSERT_GT(dasas.mains.count, 0);
  EXPECT_EQ(dasas.mains.main[0].period.lord, static_cast<int>(SlotOf(Body::kJupiter)));
}

TEST(ChartValue, RefusesDataThatCannotBeCast) {
  BirthData bad = kDefaultBirth;
  bad.time = std::nan("");
  EXPECT_FALSE(ComputeChart(bad, ChartOptions{}, Settings{}).has_value());
  bad = kDefaultBirth;
  bad.year = 1e7;
  EXPECT_FALSE(ComputeChart(bad, ChartOptions{}, Settings{}).has_value());
}

// A Tajaka chart keeps the birth data and is cast at the year's moment.
TEST(ChartValue, TajakaChartIsCastAtTheMomentOfTheYear) {
  ChartOptions options;
  options.tajakaMode = 1;
  options.tajakaYear = 2000;
  const std::optional<Chart> chart = ComputeChart(kDefaultBirth, options, Settings{});
  ASSERT_TRUE(chart.has_value());
  EXPECT_EQ(chart->Kind(), ChartKind::kAnnual);
  EXPECT_EQ(chart->Birth().year, 1970);
  EXPECT_EQ(chart->CastMoment().year, 2000);
  // The Sun returns to its natal longitude.
  EXPECT_NEAR(chart->Longitude(Body::kSun), chart->State().tajaka.natalLongitude[SlotOf(Body::kSun)], 1e-3);
}

// A section written from a computed chart is the section a pass writes, and
// writing it changes nothing in the chart or in its copies.
TEST(ChartValue, WritesSectionsAsThePassWritesThem) {
  const Settings settings;
  ChartOptions options;
  options.textChartRasiNavamsa = 1;
  const std::optional<Chart> chart = ComputeChart(kDefaultBirth, options, settings);
  ASSERT_TRUE(chart.has_value());
  const Chart copy = *chart;
  const double sunBefore = copy.Longitude(Body::kSun);
  auto written = std::make_unique<ReportBuffer>();
  auto byPass = std::make_unique<ReportBuffer>();
  for (int section : {0, 4, 5, 6, 9, 10, 13, 41}) {
    SCOPED_TRACE(section);
    ASSERT_TRUE(WriteChartSection(*chart, settings, section, *written));
    auto state = std::make_unique<ChartState>();
    state->options = options;
    ASSERT_TRUE(ComputeChartFromBirth(*state, settings, kDefaultBirth, section, byPass.get()));
    EXPECT_FALSE(written->Text().empty());
    EXPECT_EQ(written->Text(), byPass->Text());
  }
  EXPECT_EQ(copy.Longitude(Body::kSun), sunBefore);
  EXPECT_EQ(&copy.State(), &chart->State());  // copies share one computation
  EXPECT_FALSE(WriteChartSection(*chart, settings, 99, *written));
  EXPECT_TRUE(written->Text().empty());
}

}  // namespace
}  // namespace orvane
