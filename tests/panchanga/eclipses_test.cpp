// orvane-cli --eclipses: the eclipses of 2025 and 2026 with their kinds,
// greatest moments and magnitudes as NASA's catalogue of eclipses (Five
// Millennium Canon, F. Espenak and J. Meeus) gives them, and whether each
// is seen from Delhi.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include <nlohmann/json.hpp>

#include "../common/cli_process.h"

namespace {

using nlohmann::json;
using orvane::testing_support::RunCliProcess;

TEST(Eclipses, OfTwoYearsSeenFromDelhi) {
  struct Case {
    const char* body;
    const char* kind;
    const char* maximum;  // greatest eclipse, Indian time (to the minute)
    double magnitude;     // the Sun's: of greatest eclipse; the Moon's: umbral
    bool visible;         // some part of it seen from Delhi
  };
  const Case cases[] = {
      {"moon", "total", "2025-03-14T12:28", 1.178, false},
      {"sun", "partial", "2025-03-29T16:17", 0.938, false},
      {"moon", "total", "2025-09-07T23:41", 1.362, true},
      {"sun", "partial", "2025-09-22T01:11", 0.855, false},
      {"sun", "annular", "2026-02-17T17:42", 0.963, false},
      {"moon", "total", "2026-03-03T17:03", 1.151, true},  // rises in eclipse
      {"sun", "total", "2026-08-12T23:16", 1.039, false},
      {"moon", "partial", "2026-08-28T09:42", 0.930, false},
  };
  json all = json::array();
  for (const char* year : {"2025", "2026"}) {
    const auto run = RunCliProcess({"--eclipses", year, "--place", "Delhi, IN", "--ephemeris", "swiss", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    for (const json& e : parsed["eclipses"]) all.push_back(e);
  }
  ASSERT_EQ(all.size(), std::size(cases));
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Case& c = cases[i];
    const json& e = all[i];
    SCOPED_TRACE(c.maximum);
    EXPECT_EQ(e["body"], c.body);
    EXPECT_EQ(e["kind"], c.kind);
    const std::string maximum = e["maximum"];
    // Within a minute of the catalogue's.
    const int minute = std::stoi(maximum.substr(11, 2)) * 60 + std::stoi(maximum.substr(14, 2));
    const int expected = std::stoi(std::string(c.maximum).substr(11, 2)) * 60 + std::stoi(std::string(c.maximum).substr(14, 2));
    EXPECT_EQ(maximum.substr(0, 10), std::string(c.maximum).substr(0, 10));
    EXPECT_LE(std::abs(minute - expected), 1) << maximum;
    EXPECT_NEAR(e["magnitude"].get<double>(), c.magnitude, 0.002);
    EXPECT_EQ(e["local"]["visible"], c.visible);
    if (c.visible) {
      // Seen between its start and its end, within the eclipse.
      EXPECT_GE(std::string(e["local"]["start"]), std::string(e["start"]));
      EXPECT_LE(std::string(e["local"]["end"]), std::string(e["end"]));
    }
  }
}

TEST(Eclipses, TheClassicEngineSaysItHasNoEclipseTheory) {
  const auto run = RunCliProcess({"--eclipses", "2025", "--place", "Delhi, IN", "--ephemeris", "classic"});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("--ephemeris swiss"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("no eclipse theory"), std::string::npos) << run.err;
}

}  // namespace
