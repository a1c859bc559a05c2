#include "io/city_table.h"

#include <gtest/gtest.h>

#include "io/chart_file.h"

namespace orvane {
namespace {

TEST(CityTable, RowsInListOrder) {
  struct Case {
    std::size_t row;
    const char* name;
    double zone, longitude, latitude;
  };
  const Case cases[] = {
      {0, "Andover, MA", 5.00, 71.08, 42.40},      {8, "Bhubaneswar", -5.30, -85.52, 20.15},
      {30, "London, England", 0.00, 0.10, 51.30},  {42, "Paris, France", 0.00, -2.20, 48.52},
      {45, "Rangoon, Myanmar", -6.30, -96.10, 16.47}, {57, "Winchester, MA", 5.00, 71.08, 42.27},
  };
  ASSERT_EQ(kCityTable.size(), 58u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CityRow& row = kCityTable[c.row];
    EXPECT_EQ(row.name, c.name);
    EXPECT_EQ(row.zone, c.zone);
    EXPECT_EQ(row.longitude, c.longitude);
    EXPECT_EQ(row.latitude, c.latitude);
    EXPECT_EQ(FindCity(c.name), c.row);
  }
  EXPECT_FALSE(FindCity("Atlantis").has_value());
  EXPECT_FALSE(FindCity("london, england").has_value());
}

// The start-up chart is cast for Machilipatnam.
TEST(CityTable, StartupChartPlace) {
  const CityRow& city = kCityTable[*FindCity("Machilipatnam")];
  const ChartValidation v = ValidateChartImage(kStartupDefaultChart);
  ASSERT_TRUE(v.ok);
  EXPECT_EQ(city.zone, v.birth.zone);
  EXPECT_EQ(city.longitude, v.birth.longitude);
  EXPECT_EQ(city.latitude, v.birth.latitude);
}

}  // namespace
}  // namespace orvane
