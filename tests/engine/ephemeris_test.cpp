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

// The moment at which T = 1.0 exactly: 2000 January 1, 12:00 UT.
const BirthData kJ2000 = {1, 1, 2000, 12.0, 0.0, 0.0, 0.0};

TEST(Ephemeris, J2000TropicalPositions) {
  const Settings settings = Tropical();
  CastChains chains;
  const EphemerisState eph = CastEphemeris(CastMomentOf(kJ2000), EngineSettingsOf(settings), chains);
  EXPECT_EQ(eph.T, 1.0);
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
    EXPECT_NEAR(eph.longitude[IndexOf(r.body)], r.longitude, 5e-4);
    EXPECT_EQ(eph.retrograde[IndexOf(r.body)], r.retrograde);
  }
}

}  // namespace
}  // namespace orvane
