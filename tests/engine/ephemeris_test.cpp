#include "engine/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

#include "compute/pipeline.h"

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
    Body body;
    double longitude;
    double retrograde;
  };
  const Row rows[] = {
      {"Sun", Body::kSun, 280.376, 0},        {"Moon", Body::kMoon, 223.321, 0},
      {"Mercury", Body::kMercury, 271.894, 0}, {"Venus", Body::kVenus, 241.572, 0},
      {"Mars", Body::kMars, 327.968, 0},       {"Jupiter", Body::kJupiter, 25.256, 0},
      {"Saturn", Body::kSaturn, 40.390, 1.0},  {"Node", Body::kRahu, 125.043, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_NEAR(state.ephemeris.longitude[IndexOf(r.body)], r.longitude, 5e-4);
    EXPECT_EQ(state.ephemeris.retrograde[IndexOf(r.body)], r.retrograde);
  }
}

}  // namespace
}  // namespace orvane
