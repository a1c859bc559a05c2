#include "transit/transits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "compute/pipeline.h"
#include "engine/cast.h"
#include "engine/caster.h"
#include "engine/zodiac.h"

namespace orvane::transit {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

std::unique_ptr<ChartState> Natal(const BirthData& birth = kDefaultBirth) {
  auto state = std::make_unique<ChartState>();
  EXPECT_TRUE(ComputeChartFromBirth(*state, Settings{}, birth));
  return state;
}

int SignOfLongitude(double L) { return static_cast<int>(Mod360(L) / 30); }

TEST(TransitMoments, BirthDataRoundTripAndCalendar) {
  struct Row {
    BirthData birth;
    double localDays;  // day count + hours / 24
  };
  const Row rows[] = {
      {{4, 4, 1970, 17.30, 0, 0, 0}, static_cast<double>(GregorianDayCount(1970, 4, 4)) + 17.5 / 24},
      {{12, 31, 2026, 23.59, 0, 0, 0}, static_cast<double>(GregorianDayCount(2026, 12, 31)) + (23 + 59 / 60.0) / 24},
      {{3, 1, 2000, 0.0, 0, 0, 0}, static_cast<double>(GregorianDayCount(2000, 3, 1))},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.birth.year);
    EXPECT_NEAR(LocalDaysOf(r.birth), r.localDays, 1e-9);
    const BirthData back = BirthAt(r.localDays, {0, 0, 0, 0, -5.30, -81.12, 16.15});
    EXPECT_EQ(back.year, r.birth.year);
    EXPECT_EQ(back.month, r.birth.month);
    EXPECT_EQ(back.day, r.birth.day);
    EXPECT_NEAR(back.time, r.birth.time, 1e-9);
    EXPECT_EQ(back.zone, -5.30);  // the place's zone and coordinates
    EXPECT_EQ(back.latitude, 16.15);
  }
  // Calendar moments round to the minute, carrying into the next day.
  const CalendarMoment c = CalendarOf(static_cast<double>(GregorianDayCount(2026, 12, 31)) + (1439.7 / 1440));
  EXPECT_EQ(c.year, 2027);
  EXPECT_EQ(c.month, 1);
  EXPECT_EQ(c.day, 1);
  EXPECT_EQ(c.hour, 0);
  EXPECT_EQ(c.minute, 0);
  // 17:30 at zone -5:30 (east) is 12:00 universal time, 07:00 at zone +5:00 (west).
  EXPECT_NEAR(ShiftZone(0.5 + 17.5 / 24, -5.30, 5.00) - 0.5, 7.0 / 24, 1e-12);
}

TEST(Transits, PositionsEqualACastForTheMoment) {
  const Settings settings;
  const auto natal = Natal();
  const BirthData place = BirthPlace(*natal);
  struct Row {
    int year, month, day;
    double time;
  };
  for (const Row& r : {Row{2026, 12, 10, 15.30}, Row{1995, 2, 28, 0.0}, Row{2061, 7, 1, 23.59}}) {
    SCOPED_TRACE(r.year);
    BirthData moment = place;
    moment.year = r.year;
    moment.month = r.month;
    moment.day = r.day;
    moment.time = r.time;
    const TransitReport report = ComputeTransitsAt(*natal, settings, moment, place);
    auto cast = std::make_unique<ChartState>();
    ASSERT_TRUE(ComputeChartFromBirth(*cast, settings, moment));
    for (const GrahaTransit& g : report.reading.graha) {
      SCOPED_TRACE(g.slot);
      EXPECT_EQ(g.longitude, cast->slotLongitude[g.slot]);
      EXPECT_EQ(g.retrograde, cast->slotRetrograde[g.slot] != 0);
      EXPECT_EQ(g.sign, cast->vedic.rasi[g.slot]);
      EXPECT_EQ(g.nakshatra, cast->vedic.nakshatra[g.slot]);
      // Houses from the natal Moon's sign (Aquarius for the default chart).
      EXPECT_EQ(g.house, (cast->vedic.rasi[g.slot] - 10 + 12) % 12 + 1);
      // Bindus of the sign in the natal ashtakavarga the chart itself computed.
      const auto& av = natal->vedic.strength.ashtakavarga;
      EXPECT_EQ(g.sarvaBindus, av.bindu[kSarvaRow][g.sign]);
      EXPECT_EQ(g.bindus, g.slot <= kSaturn ? av.bindu[g.slot - 1][g.sign] : -1);
    }
  }
}

// Positions with every graha placed in a chosen house from a natal Moon in Aries.
GrahaPositions InHouses(const std::array<int, 10>& house) {
  GrahaPositions p;
  for (int slot = kSun; slot <= kKetu; ++slot) p.longitude[slot] = 30.0 * (house[slot] - 1) + 10;
  return p;
}

TEST(Transits, FavourableHousesAndVedha) {
  const Settings settings;
  // The default chart moved so that its Moon is in Aries: only the Moon's
  // sign counts for the reading.
  auto natal = Natal();
  natal->slotLongitude[kMoon] = 5;
  struct Row {
    const char* name;
    std::array<int, 10> house;  // by slot, Sun..Ketu at 1..9
    int slot;
    bool favourable;
    std::vector<int> obstructedBy;
    VenusVedha pairing = VenusVedha::kElevenSixTwelveThree;
  };
  constexpr VenusVedha kOther = VenusVedha::kElevenThreeTwelveSix;
  const Row rows[] = {
      {"Sun in the 3rd, Mars in the 9th", {0, 3, 1, 9, 1, 1, 1, 1, 1, 7}, kSun, true, {kMars}},
      {"Sun in the 3rd, Saturn in the 9th: no vedha", {0, 3, 1, 1, 1, 1, 1, 9, 1, 7}, kSun, true, {}},
      {"Mercury in the 4th, Moon in the 3rd: no vedha", {0, 1, 3, 1, 4, 1, 1, 1, 1, 7}, kMercury, true, {}},
      {"Mercury in the 4th, Venus in the 3rd", {0, 1, 1, 1, 4, 1, 3, 1, 1, 7}, kMercury, true, {kVenus}},
      {"Jupiter in the 5th, Venus and Rahu in the 4th", {0, 1, 1, 1, 1, 5, 4, 1, 4, 10}, kJupiter, true, {kVenus, kRahu}},
      {"Jupiter in the 4th: not favourable", {0, 1, 1, 1, 1, 4, 5, 1, 2, 8}, kJupiter, false, {}},
      {"Saturn in the 11th, Sun in the 5th: no vedha", {0, 5, 1, 1, 1, 1, 1, 11, 2, 8}, kSaturn, true, {}},
      {"Saturn in the 11th, Moon in the 5th", {0, 1, 5, 1, 1, 1, 1, 11, 2, 8}, kSaturn, true, {kMoon}},
      {"Venus in the 12th, Ketu in the 3rd", {0, 1, 1, 1, 1, 1, 12, 1, 9, 3}, kVenus, true, {kKetu}},
      {"Moon in the 1st, Sun in the 5th", {0, 5, 1, 1, 1, 1, 1, 1, 2, 8}, kMoon, true, {kSun}},
      {"Rahu in the 6th, Mars in the 9th", {0, 1, 1, 9, 1, 1, 1, 1, 6, 12}, kRahu, true, {kMars}},
      // Rahu and Ketu always stand opposite: neither obstructs the other.
      {"Rahu in the 11th, Ketu in the 5th: no vedha", {0, 1, 1, 1, 1, 1, 1, 1, 11, 5}, kRahu, true, {}},
      {"Ketu in the 11th, Rahu in the 5th: no vedha", {0, 1, 1, 1, 1, 1, 1, 1, 5, 11}, kKetu, true, {}},
      {"Ketu in the 11th, Rahu and Mars in the 5th", {0, 1, 1, 5, 1, 1, 1, 1, 5, 11}, kKetu, true, {kMars}},
      // Venus's two pairings for its 11th and 12th houses.
      {"Venus in the 11th, Mars in the 6th", {0, 1, 1, 6, 1, 1, 11, 1, 2, 8}, kVenus, true, {kMars}},
      {"Venus in the 11th, Mars in the 6th, other pairing", {0, 1, 1, 6, 1, 1, 11, 1, 2, 8}, kVenus, true, {}, kOther},
      {"Venus in the 11th, Mars in the 3rd, other pairing", {0, 1, 1, 3, 1, 1, 11, 1, 2, 8}, kVenus, true, {kMars}, kOther},
      {"Venus in the 12th, Ketu in the 3rd, other pairing", {0, 1, 1, 1, 1, 1, 12, 1, 9, 3}, kVenus, true, {}, kOther},
      {"Venus in the 12th, Mars in the 6th, other pairing", {0, 1, 1, 6, 1, 1, 12, 1, 2, 8}, kVenus, true, {kMars}, kOther},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const TransitReading reading = ReadTransits(*natal, settings, InHouses(r.house), 0, r.pairing);
    const GrahaTransit& g = reading.graha[r.slot - 1];
    EXPECT_EQ(reading.natalMoonSign, 0);
    EXPECT_EQ(g.house, r.house[r.slot]);
    EXPECT_EQ(g.favourable, r.favourable);
    EXPECT_EQ(g.obstructedBy, r.obstructedBy);
  }
}

// Saturn's sign changes over [from, to], found by stepping a quarter day and
// placing each crossing where the longitude meets the boundary, with casts
// of fresh chart states.
struct Crossing {
  double moment;
  int from, to;
};
std::vector<Crossing> SaturnCrossings(const Settings& settings, const BirthData& place, double from, double to) {
  auto state = std::make_unique<ChartState>();
  auto saturn = [&](double t) {
    *state = ChartState{};
    orvane::Caster caster(EngineSettingsOf(settings));
    ApplyCast(*state, caster.Cast(BirthAt(t, place)));
    return state->slotLongitude[kSaturn];
  };
  std::vector<Crossing> out;
  double prevT = from, prevL = saturn(from);
  for (double t = from + 0.25; t <= to; t += 0.25) {
    const double L = saturn(t);
    const int a = SignOfLongitude(prevL), b = SignOfLongitude(L);
    if (a != b) {
      // The boundary between the two signs, and the straight-line moment.
      const bool forward = (b - a + 12) % 12 == 1;
      const double boundary = 30.0 * (forward ? b : a);
      double d0 = prevL - boundary, d1 = L - boundary;
      if (d0 > 180) d0 -= 360;
      if (d0 < -180) d0 += 360;
      if (d1 > 180) d1 -= 360;
      if (d1 < -180) d1 += 360;
      out.push_back({prevT + 0.25 * d0 / (d0 - d1), a, b});
    }
    prevT = t;
    prevL = L;
  }
  return out;
}

TEST(SadeSati, DefaultChartPeriodsMeetSaturnsCrossings) {
  const Settings settings;
  const auto natal = Natal();
  double start = 0, end = 0;
  const std::vector<SaturnPeriod> periods = LifetimeSaturnPeriods(*natal, settings, BirthPlace(*natal), &start, &end);
  EXPECT_NEAR(end - start, 100 * 365.2425, 1e-6);

  const std::vector<Crossing> crossings = SaturnCrossings(settings, BirthPlace(*natal), start, end);
  // The natal Moon is in Aquarius: Sade Sati in Capricorn, Aquarius and
  // Pisces, the small panoti in Taurus (4th) and Virgo (8th).
  auto kindOf = [](int sign, SaturnPeriodKind& kind) {
    if (sign == 9 || sign == 10 || sign == 11) kind = SaturnPeriodKind::kSadeSati;
    else if (sign == 1) kind = SaturnPeriodKind::kPanotiFourth;
    else if (sign == 5) kind = SaturnPeriodKind::kPanotiEighth;
    else return false;
    return true;
  };
  struct Expected {
    SaturnPeriodKind kind;
    double start, end;
  };
  std::vector<Expected> expected;
  int sign = 0;  // Saturn in Aries at birth
  double since = start;
  auto close = [&](double until) {
    SaturnPeriodKind kind{};
    if (!kindOf(sign, kind)) return;
    if (!expected.empty() && expected.back().kind == kind && expected.back().end == since)
      expected.back().end = until;
    else
      expected.push_back({kind, since, until});
  };
  int reentries = 0;
  for (const Crossing& c : crossings) {
    ASSERT_EQ(c.from, sign);
    close(c.moment);
    if ((c.to - c.from + 12) % 12 == 11) {
      SaturnPeriodKind kind{};
      if (kindOf(c.from, kind) && !kindOf(c.to, kind)) ++reentries;  // retrograde out of a period
    }
    sign = c.to;
    since = c.moment;
  }
  close(end);
  EXPECT_GE(reentries, 1);  // at least one period is left and entered again

  ASSERT_EQ(periods.size(), expected.size());
  for (std::size_t i = 0; i < periods.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(periods[i].kind, expected[i].kind);
    // The straight-line crossing of a quarter-day step is within a minute.
    EXPECT_NEAR(periods[i].start, expected[i].start, 1e-3);
    EXPECT_NEAR(periods[i].end, expected[i].end, 1e-3);
  }
  // Three Sade Sati spells in a hundred years (around 1990, 2020, 2049).
  int sadeSatiStarts = 0;
  for (std::size_t i = 0; i < periods.size(); ++i)
    if (periods[i].kind == SaturnPeriodKind::kSadeSati && periods[i].spans.front().house == 12) ++sadeSatiStarts;
  EXPECT_GE(sadeSatiStarts, 3);
}

TEST(SadeSati, PeriodRunningAtTheWindowsEdges) {
  const Settings settings;
  Caster caster(settings, TransitPlace(settings));
  const double from = LocalDaysOf({1, 1, 2022, 0.0, 0, 0, 0});
  const int saturnSign = SignOfLongitude(caster.LongitudeAt(kSaturn, from));
  // A Moon in Saturn's sign: Sade Sati is running at the start of the window.
  const std::vector<SaturnPeriod> short_ = SaturnPeriods(caster, saturnSign, from, from + 30);
  ASSERT_EQ(short_.size(), 1u);
  EXPECT_EQ(short_[0].kind, SaturnPeriodKind::kSadeSati);
  EXPECT_TRUE(short_[0].startsBeforeWindow);
  EXPECT_TRUE(short_[0].endsAfterWindow);
  EXPECT_EQ(short_[0].start, from);
  EXPECT_EQ(short_[0].end, from + 30);
  // Saturn in the 6th from the Moon: no period in the same 30 days.
  EXPECT_TRUE(SaturnPeriods(caster, (saturnSign + 7) % 12, from, from + 30).empty());
}

// The one-body casts of the searches give the numbers a whole cast gives,
// for both engines and every graha searched.
TEST(Caster, OneBodyCastsMatchWholeCasts) {
  for (int ephemeris : {0, 1}) {
    Settings settings;
    settings.ephemeris = ephemeris;
    Caster caster(settings, {0, 0, 0, 0, -5.30, -81.12, 16.15});
    SCOPED_TRACE(ephemeris);
    for (double t = LocalDaysOf({1, 1, 1903, 0.0, 0, 0, 0}); t < LocalDaysOf({1, 1, 2090, 0.0, 0, 0, 0}); t += 997.37) {
      const GrahaPositions whole = caster.At(t);
      for (int slot : {kSun, kMoon, kJupiter, kSaturn, kRahu, kKetu})
        ASSERT_EQ(caster.LongitudeAt(slot, t), whole.longitude[static_cast<std::size_t>(slot)]) << slot << " " << t;
    }
  }
}

// The lifetime search skips stretches of its day grid on a bound of how
// much Saturn's longitude bends; the bound holds over two centuries.
TEST(SadeSati, SaturnsBendStaysWithinTheSearchsBound) {
  for (int ephemeris : {0, 1}) {
    Settings settings;
    settings.ephemeris = ephemeris;
    Caster caster(settings, TransitPlace(settings));
    SCOPED_TRACE(ephemeris);
    const double from = LocalDaysOf({1, 1, 1900, 0.0, 0, 0, 0}), to = LocalDaysOf({1, 1, 2100, 0.0, 0, 0, 0});
    auto unwrap = [](double d) { return d > 180 ? d - 360 : (d < -180 ? d + 360 : d); };
    double before = caster.LongitudeAt(kSaturn, from), now = caster.LongitudeAt(kSaturn, from + 2);
    double most = 0;
    for (double t = from + 4; t < to; t += 2) {
      const double after = caster.LongitudeAt(kSaturn, t);
      most = std::max(most, std::fabs(unwrap(after - now) - unwrap(now - before)) / 4.0);
      before = now;
      now = after;
    }
    EXPECT_LT(most, kSaturnMostBend / 2) << most;
    EXPECT_GT(most, 0.001);  // the Earth's orbit shows
  }
}

// The lifetime periods against a plain walk of the day grid with whole
// casts and bisection of every sign change: the same crossings to the bit,
// for both engines, every Moon sign, windows starting at odd hours.
TEST(SadeSati, PeriodsMatchADayByDayWalk) {
  struct Case {
    int ephemeris;
    BirthData place;
    BirthData from;
    double years;
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0, -5.30, -81.12, 16.15}, {4, 4, 1970, 17.30, 0, 0, 0}, 100},
      {1, {0, 0, 0, 0, 5.00, 74.00, 40.43}, {11, 23, 1931, 3.07, 0, 0, 0}, 100},
      {1, {0, 0, 0, 0, -9.00, -139.45, 35.41}, {2, 28, 2004, 23.59, 0, 0, 0}, 37.7},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.ephemeris = c.ephemeris;
    Caster caster(settings, c.place);
    SCOPED_TRACE(c.from.year);
    const double from = LocalDaysOf(c.from), to = from + c.years * 365.2425;
    auto sign = [&](double t) { return SignOfTurn(caster.At(t).longitude[kSaturn]); };
    // The walk: Saturn's sign every day, each change bisected to 1e-5 days.
    std::vector<double> crossings;
    int current = sign(from);
    for (double t = from; t < to;) {
      const double next = std::min(t + 1.0, to);
      const int s = sign(next);
      if (s != current) {
        double lo = t, hi = next;
        const int loSign = sign(lo);
        while (hi - lo > 1e-5) {
          const double mid = 0.5 * (lo + hi);
          (sign(mid) == loSign ? lo : hi) = mid;
        }
        crossings.push_back(hi);
        current = s;
      }
      t = next;
    }
    ASSERT_GT(crossings.size(), 10u);
    // Every crossing bounds a stay in some period for one of the Moon signs.
    std::vector<double> found;
    for (int moonSign = 0; moonSign < 12; ++moonSign)
      for (const SaturnPeriod& p : SaturnPeriods(caster, moonSign, from, to))
        for (const SaturnSpan& span : p.spans) {
          if (span.start != from) found.push_back(span.start);
          if (span.end != to) found.push_back(span.end);
        }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    EXPECT_EQ(found, crossings);
  }
}

TEST(Ingresses, NextSignChangeOfTheSlowGrahas) {
  const Settings settings;
  const BirthData place = TransitPlace(settings);
  Caster caster(settings, place);
  const double from = LocalDaysOf({12, 10, 2026, 12.0, 0, 0, 0});
  const std::array<Ingress, 4> ingresses = NextIngresses(caster, from);
  const int slots[4] = {kJupiter, kSaturn, kRahu, kKetu};
  for (int i = 0; i < 4; ++i) {
    const Ingress& in = ingresses[i];
    SCOPED_TRACE(in.slot);
    EXPECT_EQ(in.slot, slots[i]);
    ASSERT_TRUE(in.found);
    EXPECT_GT(in.moment, from);
    EXPECT_NE(in.fromSign, in.toSign);
    // The sign holds until the crossing (checked every half day).
    for (double t = from; t < in.moment - 0.05; t += 0.5)
      ASSERT_EQ(SignOfLongitude(caster.LongitudeAt(in.slot, t)), in.fromSign) << t - from;
  }
  // Rahu and Ketu change signs together, opposite each other.
  EXPECT_NEAR(ingresses[2].moment, ingresses[3].moment, 1e-3);
  EXPECT_EQ((ingresses[2].toSign + 6) % 12, ingresses[3].toSign);
}

// An ingress is the first whole minute at which the positions a listing of
// that minute shows have the graha in its new sign: the minute before still
// shows the old sign. Zones east and west, births in several decades.
TEST(Ingresses, AgreeToTheMinuteWithThePositionsShown) {
  const Settings settings;
  struct Case {
    BirthData place;  // zone and place the moments are read in
    BirthData from;
  };
  const Case cases[] = {
      {{0, 0, 0, 0, -5.30, -81.12, 16.15}, {3, 1, 2025, 0.0, 0, 0, 0}},  // Saturn into Pisces, March 2025
      {{0, 0, 0, 0, 5.00, 74.00, 40.43}, {12, 10, 2026, 12.0, 0, 0, 0}},
      {{0, 0, 0, 0, 0.00, 0.00, 51.30}, {6, 15, 1987, 6.30, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from.year);
    Caster caster(settings, c.place);
    for (const Ingress& in : NextIngresses(caster, LocalDaysOf(c.from))) {
      SCOPED_TRACE(in.slot);
      ASSERT_TRUE(in.found);
      const CalendarMoment at = CalendarOf(in.moment);
      const BirthData shown = {static_cast<double>(at.month), static_cast<double>(at.day),
                               static_cast<double>(at.year), at.hour + at.minute / 100.0, 0, 0, 0};
      const CalendarMoment before = CalendarOf(in.moment - 1.0 / 1440);
      const BirthData previous = {static_cast<double>(before.month), static_cast<double>(before.day),
                                  static_cast<double>(before.year), before.hour + before.minute / 100.0, 0, 0, 0};
      EXPECT_EQ(SignOfLongitude(ChartPositions(settings, shown, c.place).longitude[in.slot]), in.toSign);
      EXPECT_EQ(SignOfLongitude(ChartPositions(settings, previous, c.place).longitude[in.slot]), in.fromSign);
    }
  }
}

TEST(TransitReport, TextListsEveryGrahaIngressAndPeriod) {
  const Settings settings;
  const auto natal = Natal();
  const TransitReport report = ComputeTransits(*natal, settings, {12, 10, 2026, 12.0, 0, 0, 0}, BirthPlace(*natal));
  auto out = std::make_unique<ReportBuffer>();
  WriteTransitReport(*out, report);
  const std::string text(out->Text());
  EXPECT_FALSE(out->Truncated());
  EXPECT_NE(text.find("Transits of 2026-12-10 12:00, read from the natal Moon sign Aq\nTimes in UTC+05:30\n"),
            std::string::npos);
  for (const char* name : {"Sun ", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"})
    EXPECT_NE(text.find(std::string("\n") + name), std::string::npos) << name;
  EXPECT_NE(text.find("Next sign ingresses\n"), std::string::npos);
  EXPECT_NE(text.find("Sade Sati and small panoti, birth to 100 years\n"), std::string::npos);
  EXPECT_NE(text.find("Sade Sati           1990-"), std::string::npos);
}

}  // namespace
}  // namespace orvane::transit
