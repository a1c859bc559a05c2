// House cusps of computed charts: the quadrant systems' 1st cusp is the
// chart's ascendant with either engine, and with the Swiss engine every cusp
// is what swetest gives for the same moment, place and ayanamsa.
#include "compute/houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

namespace orvane {
namespace {

double Arc(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

const HouseSystem kQuadrant[] = {HouseSystem::kPlacidus, HouseSystem::kKoch, HouseSystem::kPorphyry,
                                 HouseSystem::kRegiomontanus, HouseSystem::kCampanus};

// Random births at Greenwich time (zone 0), so that swetest reads the clock
// as universal time; |latitude| <= 60.
std::vector<BirthData> Births(int count) {
  std::mt19937 rng(61);
  std::uniform_int_distribution<int> year(1900, 2050), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      lon(0, 179), lat(0, 59), side(0, 1);
  std::vector<BirthData> births;
  for (int i = 0; i < count; ++i) {
    births.push_back({static_cast<double>(month(rng)), static_cast<double>(day(rng)), static_cast<double>(year(rng)),
                      hour(rng) + minute(rng) / 100.0, 0.0, (side(rng) ? 1 : -1) * (lon(rng) + minute(rng) / 100.0),
                      (side(rng) ? 1 : -1) * (lat(rng) + minute(rng) / 100.0)});
  }
  return births;
}

TEST(ChartHouses, QuadrantCuspOneIsTheChartsAscendant) {
  for (const int ephemeris : {0, 1}) {
    Settings settings;
    settings.ephemeris = ephemeris;
    for (const BirthData& b : Births(20)) {
      const std::optional<Chart> chart = ComputeChart(b, ChartOptions{}, settings);
      ASSERT_TRUE(chart);
      for (const HouseSystem system : kQuadrant) {
        HouseCusps cusps;
        std::string error;
        ASSERT_TRUE(ChartHouseCusps(*chart, settings, system, cusps, &error)) << error;
        EXPECT_LT(Arc(cusps.cusp[0], chart->AscendantLongitude()) * 3600, 1e-6) << HouseSystemName(system);
      }
      // Whole-sign and equal houses from the same (sidereal) ascendant: the
      // 1st whole-sign house is the lagna's sidereal sign.
      HouseCusps whole, equal;
      ASSERT_TRUE(ChartHouseCusps(*chart, settings, HouseSystem::kWholeSign, whole, nullptr));
      ASSERT_TRUE(ChartHouseCusps(*chart, settings, HouseSystem::kEqual, equal, nullptr));
      EXPECT_DOUBLE_EQ(whole.cusp[0], 30.0 * ToInt(chart->AscendantSign()));
      EXPECT_DOUBLE_EQ(whole.cusp[5], std::fmod(30.0 * (ToInt(chart->AscendantSign()) + 5), 360.0));
      EXPECT_LT(Arc(equal.cusp[0], chart->AscendantLongitude()) * 3600, 1e-6);
    }
  }
}

std::string RunCommand(const std::string& command) {
  std::string out;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    pclose(pipe);
  }
  return out;
}

TEST(ChartHouses, SwissCuspsAgreeWithSwetestWithinAnArcSecond) {
  Settings settings;
  settings.ephemeris = 1;  // Lahiri, as swetest -sid1
  for (const BirthData& b : Births(12)) {
    const std::optional<Chart> chart = ComputeChart(b, ChartOptions{}, settings);
    ASSERT_TRUE(chart);
    // File units: time h + min/100, longitude west positive, latitude north.
    auto decimal = [](double v) { return std::trunc(v) + (v - std::trunc(v)) * 100 / 60; };
    const int h = static_cast<int>(b.time), m = static_cast<int>(std::lround((b.time - h) * 100));
    for (const HouseSystem system : kQuadrant) {
      char command[256];
      std::snprintf(command, sizeof command, "swetest -b%d.%d.%d -ut%d:%02d -house%.6f,%.6f,%c -sid1 -fPl -head -p 2>&1",
                    static_cast<int>(b.day), static_cast<int>(b.month), static_cast<int>(b.year), h, m,
                    -decimal(b.longitude), decimal(b.latitude), SwissHouseLetter(system));
      const std::string out = RunCommand(command);
      SCOPED_TRACE(command);
      HouseCusps cusps;
      std::string error;
      ASSERT_TRUE(ChartHouseCusps(*chart, settings, system, cusps, &error)) << error;
      std::istringstream lines(out);
      int seen = 0;
      for (std::string line; std::getline(lines, line);) {
        int house = 0;
        double longitude = 0;
        if (std::sscanf(line.c_str(), "house %d %lf", &house, &longitude) != 2 || house < 1 || house > 12) continue;
        EXPECT_LT(Arc(cusps.cusp[static_cast<std::size_t>(house - 1)], longitude) * 3600, 1.0) << "house " << house;
        ++seen;
      }
      EXPECT_EQ(seen, 12) << out;
    }
  }
}

}  // namespace
}  // namespace orvane
