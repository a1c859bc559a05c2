// House cusps against the Swiss Ephemeris' own house function.
#include "engine/houses.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <random>

namespace orvane {
namespace {

double Arc(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(Houses, AgreeWithTheSwissEphemerisWithinAnArcSecond) {
  std::mt19937 rng(26);
  std::uniform_real_distribution<double> armc(0, 360), latitude(-60, 60), obliquity(23.0, 24.0);
  const HouseSystem systems[] = {HouseSystem::kPlacidus,      HouseSystem::kKoch,     HouseSystem::kPorphyry,
                                 HouseSystem::kRegiomontanus, HouseSystem::kCampanus, HouseSystem::kEqual,
                                 HouseSystem::kWholeSign};
  for (int n = 0; n < 500; ++n) {
    const double r = armc(rng), phi = latitude(rng), eps = obliquity(rng);
    for (const HouseSystem system : systems) {
      SCOPED_TRACE(std::string(HouseSystemName(system)) + " armc " + std::to_string(r) + " lat " + std::to_string(phi));
      double cusps[13] = {}, ascmc[10] = {};
      ASSERT_EQ(swe_houses_armc(r, phi, eps, SwissHouseLetter(system), cusps, ascmc), OK);
      HouseCusps ours;
      std::string error;
      ASSERT_TRUE(CuspsFromArmc(system, r, eps, phi, ours, &error)) << error;
      for (int h = 0; h < 12; ++h) EXPECT_LT(Arc(ours.cusp[static_cast<std::size_t>(h)], cusps[h + 1]) * 3600, 1.0) << "house " << h + 1;
      EXPECT_LT(Arc(ours.ascendant, ascmc[0]) * 3600, 1.0);
      EXPECT_LT(Arc(ours.mc, ascmc[1]) * 3600, 1.0);
    }
  }
}

TEST(Houses, SripatiBhavasStartHalfWayBetweenPorphyryMiddles) {
  HouseCusps porphyry, sripati;
  std::string error;
  ASSERT_TRUE(CuspsFromArmc(HouseSystem::kPorphyry, 123.4, 23.44, 13.08, porphyry, &error));
  ASSERT_TRUE(CuspsFromArmc(HouseSystem::kSripati, 123.4, 23.44, 13.08, sripati, &error));
  EXPECT_EQ(sripati.cusp, porphyry.cusp);
  for (int h = 0; h < 12; ++h) {
    const double previous = porphyry.cusp[static_cast<std::size_t>((h + 11) % 12)], middle = porphyry.cusp[static_cast<std::size_t>(h)];
    EXPECT_NEAR(Arc(sripati.start[static_cast<std::size_t>(h)], previous), Arc(middle, previous) / 2, 1e-9) << h;
    EXPECT_NEAR(Arc(sripati.start[static_cast<std::size_t>(h)], middle), Arc(middle, previous) / 2, 1e-9) << h;
  }
}

TEST(Houses, QuadrantSystemsOfTimeAreRefusedInsideThePolarCircles) {
  for (const HouseSystem system : {HouseSystem::kPlacidus, HouseSystem::kKoch}) {
    HouseCusps out;
    std::string error;
    EXPECT_FALSE(CuspsFromArmc(system, 10, 23.44, 70, out, &error));
    EXPECT_NE(error.find("not defined inside the polar circles (latitude 70)"), std::string::npos) << error;
    EXPECT_FALSE(CuspsFromArmc(system, 10, 23.44, -66.6, out, &error));
  }
  for (const HouseSystem system : {HouseSystem::kPorphyry, HouseSystem::kRegiomontanus, HouseSystem::kCampanus,
                                   HouseSystem::kEqual, HouseSystem::kWholeSign, HouseSystem::kSripati}) {
    HouseCusps out;
    std::string error;
    EXPECT_TRUE(CuspsFromArmc(system, 10, 23.44, 70, out, &error)) << HouseSystemName(system);
  }
}

}  // namespace
}  // namespace orvane
