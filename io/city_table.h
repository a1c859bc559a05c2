// The built-in list of cities offered by the birth-data dialog, in list
// order (the list index is the row index).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace orvane {

// One city: its name as listed and its time zone, longitude and latitude
// in the chart data file's units (whole + minutes/100; zone and longitude
// positive west of Greenwich, latitude positive north).
struct CityRow {
  std::string_view name;  // at most 31 characters
  double zone;
  double longitude;
  double latitude;
};

inline constexpr std::size_t kCityCount = 58;

inline constexpr std::array<CityRow, kCityCount> kCityTable = {{
    {"Andover, MA", 5.00, 71.08, 42.40},
    {"Ankara, Turkey", -2.00, -32.52, 39.56},
    {"Baghdad, Iraq", -3.00, -44.25, 33.21},
    {"Bangkok, Thailand", -8.00, -100.31, 13.45},
    {"Beijing, China", -8.00, -116.25, 39.55},
    {"Belgrade, Yugoslavia", -1.00, -20.30, 44.50},
    {"Berlin, Germany", -1.00, -13.22, 52.30},
    {"Bonn, Germany", -1.00, -7.30, 50.30},
    {"Bhubaneswar", -5.30, -85.52, 20.15},
    {"Bombay", -5.30, -72.50, 18.58},
    {"Burlington, MA", 5.00, 71.12, 42.30},
    {"Cairo, Egypt", -2.00, -31.15, 30.03},
    {"Calcutta", -5.30, -88.22, 22.32},
    {"Chennai", -5.30, -80.17, 13.04},
    {"Chicago, IL", 6.00, 87.39, 41.51},
    {"Cochin", -5.30, -76.14, 9.58},
    {"Coimbatore", -5.30, -76.58, 11.00},
    {"Colombo, Sri Lanka", -5.30, -79.51, 6.56},
    {"Dallas, TX", 6.00, 96.48, 32.47},
    {"Denver, CO", 7.00, 104.59, 39.44},
    {"Dhaka, Bangladesh", -6.00, -90.25, 23.43},
    {"Guntur", -5.30, -80.29, 16.18},
    {"Hanoi, Vietnam", -8.00, -105.51, 21.02},
    {"Hyderabad", -5.30, -78.30, 17.20},
    {"Houston, TX", 6.00, 95.22, 29.46},
    {"Islamabad, Pakistan", -5.00, -73.10, 33.42},
    {"Jaipur", -5.30, -75.49, 26.55},
    {"Jakarta, Indonesia", -8.00, -106.48, 6.10},
    {"Kabul, Afghanistan", -4.30, -69.12, 34.31},
    {"Kuala Lumpur, Malaysia", -8.00, -101.42, 3.10},
    {"London, England", 0.00, 0.10, 51.30},
    {"Los Angeles, CA", 8.00, 118.15, 34.03},
    {"Lucknow", -5.30, -80.55, 26.51},
    {"Machilipatnam", -5.30, -81.12, 16.15},
    {"Madras", -5.30, -80.17, 13.04},
    {"Manila, Philippines", -8.00, -121.00, 14.35},
    {"Moscow, Russia", -3.00, -37.35, 55.45},
    {"Mumbai", -5.30, -72.50, 18.58},
    {"Natick, MA", 5.00, 71.21, 42.17},
    {"New Delhi", -5.30, -77.12, 28.36},
    {"New York, NY", 5.00, 74.00, 40.43},
    {"Norwood, MA", 5.00, 71.12, 42.12},
    {"Paris, France", 0.00, -2.20, 48.52},
    {"Puri", -5.30, -85.52, 19.48},
    {"Pyongyang, N.Korea", -9.00, -125.44, 39.00},
    {"Rangoon, Myanmar", -6.30, -96.10, 16.47},
    {"Sambalpur", -5.30, -83.58, 21.27},
    {"San Francisco, CA", 8.00, 122.25, 37.47},
    {"Seattle, WA", 8.00, 122.20, 47.36},
    {"Seoul, S.Korea", -9.00, -126.58, 37.33},
    {"Singapore, SGP", -8.00, -103.51, 1.16},
    {"Tehran, Iran", -3.30, -51.26, 35.40},
    {"Tokyo, Japan", -9.00, -139.46, 35.42},
    {"Ujjain", -5.30, -75.46, 23.11},
    {"Vijayawada", -5.30, -80.39, 16.31},
    {"Warangal", -5.30, -79.40, 17.58},
    {"Washington, DC", 5.00, 77.02, 38.54},
    {"Winchester, MA", 5.00, 71.08, 42.27},
}};

// Names fit the list's 32-byte name field (31 characters and a NUL).
static_assert([] {
  for (const CityRow& row : kCityTable) {
    if (row.name.empty() || row.name.size() > 31) return false;
  }
  return true;
}());

// The row whose name is exactly `name`, if any (the first of equal names).
std::optional<std::size_t> FindCity(std::string_view name);

}  // namespace orvane
