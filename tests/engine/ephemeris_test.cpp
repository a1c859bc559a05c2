#include "engine/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/pipeline.h"

namespace orvane {
namespace {

Settings Tropical() {
  Settings s;
  s.ayanamsaChoice = 6;
  s.ayanamsaDegrees = 1000;
  return s;
}

// Sets the birth fields so that T = 1.0 exactly: 2000 January 1, 12:00 UT.
ChartState J2000() {
  ChartState state;
  state.birth = {1, 1, 2000, 12.0, 0.0, 0.0, 0.0};
  return state;
}

TEST(Ephemeris, J2000TropicalPositions) {
  ChartState state = J2000();
  const Settings settings = Tropical();
  CastEphemeris(state, EngineSettingsOf(settings), 1);
  EXPECT_EQ(state.ephemeris.T, 1.0);
  struct Row {
    const char* name;
    int index;
    double longitude;
    double retrograde;
  };
  const Row rows[] = {
      {"Sun", kEphSun, 280.376, 0},        {"Moon", kEphMoon, 223.321, 0},     {"Mercury", kEphMercury, 271.894, 0},
      {"Venus", kEphVenus, 241.572, 0},    {"Mars", kEphMars, 327.968, 0},     {"Jupiter", kEphJupiter, 25.256, 0},
      {"Saturn", kEphSaturn, 40.390, 1.0}, {"Node", kEphNode, 125.043, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_NEAR(state.ephemeris.longitude[r.index], r.longitude, 5e-4);
    EXPECT_EQ(state.ephemeris.retrograde[r.index], r.retrograde);
  }
}

}  // namespace
}  // namespace orvane
