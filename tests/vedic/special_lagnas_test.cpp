#include "vedic/special_lagnas.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/calendar.h"
#include "compute/pipeline.h"
#include "engine/sunrise.h"

namespace orvane {
namespace {

TEST(TimeLagnas, AdvanceFromTheSunAtSunrise) {
  struct Case {
    const char* name;
    double sun, minutes, bhava, hora, ghati;
  };
  const Case cases[] = {
      {"birth at sunrise", 350.0, 0.0, 350.0, 350.0, 350.0},
      {"two hours after sunrise", 100.0, 120.0, 130.0, 160.0, 250.0},
      {"two hours after sunrise across Aries", 350.0, 120.0, 20.0, 50.0, 140.0},
      {"a whole day", 10.0, 1440.0, 10.0, 10.0, 10.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = std::make_unique<ChartState>();
    state->sunrise.minutesSinceSunrise = c.minutes;
    state->slotRetrograde.fill(1);
    ComputeTimeLagnas(*state, c.sun, 10.0);
    EXPECT_NEAR(state->slotLongitude[kBhavaLagna], c.bhava, 1e-9);
    EXPECT_NEAR(state->slotLongitude[kHoraLagna], c.hora, 1e-9);
    EXPECT_NEAR(state->slotLongitude[kGhatiLagna], c.ghati, 1e-9);
    for (int slot = kBhavaLagna; slot <= kVarnadaLagna + 11; ++slot) EXPECT_EQ(state->slotRetrograde[slot], 0);
  }
}

TEST(VarnadaLagna, ParitiesOfTheAscendantAndTheHoraLagna) {
  struct Case {
    const char* name;
    double ascendant, hora;
    int house;
    double varnada;
  };
  const Case cases[] = {
      // Both in odd signs: ascendant + hora lagna + 60 degrees per house.
      {"odd, odd, house 1", 10.0, 70.0, 0, 80.0},
      {"odd, odd, house 2", 10.0, 70.0, 1, 140.0},
      {"odd, odd, house 6 wraps", 10.0, 70.0, 5, 20.0},
      // Both in even signs: the same sum.
      {"even, even, house 1", 40.0, 100.0, 0, 140.0},
      {"even, even, house 3", 40.0, 100.0, 2, 260.0},
      // Even ascendant, odd hora lagna: 360 - |(360 - A) - H|.
      {"even, odd, house 1", 40.0, 70.0, 0, 110.0},
      {"even, odd, house 2", 40.0, 70.0, 1, 170.0},
      // Odd ascendant, even hora lagna: |A - (360 - H)|.
      {"odd, even, house 1", 10.0, 100.0, 0, 250.0},
      // A sum of a whole turn stays inside [0, 360).
      {"even, even, a whole turn", 90.0, 270.0, 0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double v = VarnadaLagna(c.ascendant, c.hora, c.house);
    EXPECT_NEAR(v, c.varnada, 1e-9);
    EXPECT_GE(v, 0.0);
    EXPECT_LT(v, 360.0);
  }
}

TEST(SreeLagna, AscendantAdvancedByThePartOfTheNakshatraPassed) {
  struct Case {
    const char* name;
    double moon, ascendant, sree;
  };
  const Case cases[] = {
      {"Moon at the start of Bharani", 13.333333333333332, 100.0, 100.0},
      {"Moon at the start of Aswini", 0.0, 100.0, 100.0},
      {"Moon halfway through Aswini", 6.666666666666666, 100.0, 280.0},
      {"Moon three quarters through Revathi", 356.66666666666663, 300.0, 210.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = std::make_unique<ChartState>();
    state->slotLongitude[kMoon] = c.moon;
    state->slotLongitude[kAscendant] = c.ascendant;
    ComputeSreeLagna(*state);
    EXPECT_NEAR(state->slotLongitude[kSreeLagna], c.sree, 1e-9);
  }
}

TEST(TimeUpagrahas, PortionOfEachPlanet) {
  struct Case {
    const char* name;
    int planet, weekday, portion;
  };
  const Case cases[] = {
      {"Gulika on Sunday", 6, 0, 6},
      {"Gulika on Saturday", 6, 6, 0},
      {"Kaala on Sunday", 0, 0, 0},
      {"Kaala on Saturday", 0, 6, 2},
      {"Kaala on Monday", 0, 1, 7},
      {"Yama ghantaka on Thursday", 4, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UpagrahaPortion(c.planet, c.weekday), c.portion);
  }
}

// The ascendant of a cast at `moment` with the chart's place, by a copy of
// `caster` (the chains as the chart's casts left them).
double AscendantAt(Caster caster, const ChartState& chart, const DasaDate& moment) {
  return caster.CastAt(chart.birth, moment).ascendant;
}

TEST(TimeUpagrahas, CastAtTheirPortionOfTheDayOrTheNight) {
  Settings settings;
  settings.upagrahaRising = {0, 1, 2, 0, 1, 0};  // Mrityu middle, Artha prahara end, Mandi middle
  struct Case {
    const char* name;
    bool day;
    // Portions of Kaala, Mrityu, Artha prahara, Yama ghantaka, Mandi, Gulika.
    int portion[6];
  };
  // 4 April 1970 at 17:50 was a Saturday (6) with the Sun above the horizon;
  // by night the portions count from Wednesday (6 + 4 = 3 modulo 7).
  const Case cases[] = {
      {"born by day", true, {2, 4, 5, 6, 0, 0}},
      {"born by night", false, {5, 7, 0, 1, 3, 3}},
  };
  const double point[6] = {0, 0.5, 1, 0, 0.5, 0};
  const int slots[6] = {kKaala, kMrityu, kArthaPrahara, kYamaGhantaka, kMandi, kGulika};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = std::make_unique<ChartState>();
    state->birth = {4, 4, 1970, 17.5, -5.30, -81.12, 16.15};
    Caster caster(EngineSettingsOf(settings));
    const CastResult atChart = caster.CastAt(state->birth, MomentOf(1970, 4, 4, FileClock{17.5}));
    SunriseValues& sr = state->sunrise;
    sr.sunriseMoment = {1970, 4, 4, 15.0};
    sr.dayLength = 30.8;
    sr.sunsetMoment = {1970, 4, 4, 45.8};
    sr.nightLength = 29.2;
    sr.bornInDaytime = c.day ? 1 : 0;
    ComputeTimeUpagrahas(*state, settings, caster, atChart);
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(i);
      const DasaDate start = c.day ? sr.sunriseMoment : sr.sunsetMoment;
      const double length = c.day ? sr.dayLength : sr.nightLength;
      const DasaDate moment = AddDuration(start, EncodeGhatis((c.portion[i] + point[i]) * length / 8));
      EXPECT_NEAR(state->slotLongitude[slots[i]], AscendantAt(caster, *state, moment), 1e-6);
      EXPECT_EQ(state->slotRetrograde[slots[i]], 0);
    }
  }
}

}  // namespace
}  // namespace orvane
