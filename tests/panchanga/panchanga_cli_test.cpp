// orvane-cli --panchanga over a year at three places (India; the United
// States and Australia, both with daylight saving time), read back from its
// JSON and checked against the Swiss Ephemeris: the Moon's elongation at
// each tithi end by swetest (a separate program), sunrise by the library's
// rise function, the Sun's sidereal longitude at each sankranti by swetest.
#include <gtest/gtest.h>

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../common/cli_process.h"

namespace {

using nlohmann::json;
using orvane::testing_support::RunCliProcess;

struct Place {
  const char* query;
  double latitude, longitude;
};
const Place kPlaces[] = {
    {"Delhi, IN", 28.652, 77.231},
    {"New York City, US", 40.714, -74.006},
    {"Sydney, AU", -33.868, 151.207},
};

// The calendar of 2025 at a place, computed once per place and engine.
const json& Year(const std::string& place, const std::string& engine) {
  static std::map<std::string, json> cache;
  const std::string key = place + "|" + engine;
  auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  const auto run = RunCliProcess({"--panchanga", "2025", "--place", place, "--ephemeris", engine, "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  return cache[key] = json::parse(run.out);
}

// Days from 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

// Julian day (universal time) of "2025-03-01T06:46:12+05:30"; the offset is
// returned in seconds.
double JulianDayOfIso(const std::string& text, int* offset = nullptr) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, oh = 0, om = 0;
  char sign = '+';
  EXPECT_EQ(std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d%c%d:%d", &y, &mo, &d, &h, &mi, &s, &sign, &oh, &om), 9)
      << text;
  const int off = (sign == '-' ? -1 : 1) * (oh * 3600 + om * 60);
  if (offset) *offset = off;
  const double unix = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d))) * 86400 +
                      h * 3600 + mi * 60 + s - off;
  return 2440587.5 + unix / 86400;
}

// Longitudes (degrees) that swetest gives for `bodies` ("01": Sun, Moon) at
// a Julian day of universal time; `sidereal` with the Lahiri ayanamsa.
std::vector<double> Swetest(double jd, const std::string& bodies, bool sidereal) {
  char command[256];
  std::snprintf(command, sizeof command, "swetest -bj%.8f -ut -p%s -fl -head -eswe %s 2>&1", jd, bodies.c_str(),
                sidereal ? "-sid1" : "");
  std::FILE* pipe = popen(command, "r");
  std::vector<double> out;
  if (!pipe) return out;
  char line[256];
  while (std::fgets(line, sizeof line, pipe)) {
    double v = 0;
    if (std::sscanf(line, "%lf", &v) == 1) out.push_back(v);
  }
  pclose(pipe);
  return out;
}

bool HaveSwetest() { return std::system("swetest -h >/dev/null 2>&1") == 0 || std::system("command -v swetest >/dev/null") == 0; }

double DistanceToMultiple(double angle, double of) {
  const double r = std::fmod(std::fmod(angle, of) + of, of);
  return std::min(r, of - r);
}

// Every tithi end of the year, at each place: the Moon's elongation from the
// Sun is a multiple of 12 degrees there. With the Swiss engine within
// 0.002 degrees (about 14 seconds of time); the classic theory's Moon
// stays within a few arc-minutes (0.06 degrees in 2025).
TEST(PanchangaYear, TithiEndsAreWholeTithisOfElongationBySwetest) {
  ASSERT_TRUE(HaveSwetest()) << "swetest is installed by scripts/deps.sh";
  struct Case {
    const char* engine;
    double tolerance;
  };
  for (const Case& c : {Case{"swiss", 0.002}, Case{"classic", 0.1}}) {
    SCOPED_TRACE(c.engine);
    // The same instants at every place: read at each, checked once.
    std::set<long long> checked;
    std::map<std::string, int> ends;
    for (const Place& place : kPlaces) {
      const json& year = Year(place.query, c.engine);
      for (const json& day : year["days"]) {
        for (const json& tithi : day["tithis"]) {
          const double jd = JulianDayOfIso(tithi["end"]);
          const long long second = std::llround((jd - 2440587.5) * 86400);
          ends[place.query] += checked.insert(second).second ? 1 : 0;
        }
      }
    }
    // The three places name the same instants (their zones read right).
    EXPECT_GT(ends["Delhi, IN"], 360);
    EXPECT_LE(checked.size(), static_cast<std::size_t>(ends["Delhi, IN"] + 2));
    double worst = 0;
    for (long long second : checked) {
      const double jd = 2440587.5 + static_cast<double>(second) / 86400;
      const std::vector<double> lon = Swetest(jd, "01", false);
      ASSERT_EQ(lon.size(), 2u);
      const double miss = DistanceToMultiple(lon[1] - lon[0], 12);
      worst = std::max(worst, miss);
      EXPECT_LT(miss, c.tolerance) << "tithi end at JD " << jd;
    }
    RecordProperty(std::string("worst_elongation_miss_") + c.engine, std::to_string(worst));
  }
}

// Sankrantis: the Sun's sidereal (Lahiri) longitude is a whole sign.
TEST(PanchangaYear, SankrantisAreWholeSignsOfTheSunBySwetest) {
  ASSERT_TRUE(HaveSwetest());
  int count = 0;
  for (const json& day : Year("Delhi, IN", "swiss")["days"]) {
    for (const json& s : day["sankrantis"]) {
      const std::vector<double> lon = Swetest(JulianDayOfIso(s["moment"]), "0", true);
      ASSERT_EQ(lon.size(), 1u);
      EXPECT_LT(DistanceToMultiple(lon[0], 30), 0.001) << s["moment"];
      ++count;
    }
  }
  EXPECT_EQ(count, 12);
}

// Sunrise within a minute of the Swiss Ephemeris' rise function, every day
// of the year at each place, with both engines.
TEST(PanchangaYear, SunriseWithinAMinuteOfTheRiseFunction) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  for (const char* engine : {"swiss", "classic"}) {
    for (const Place& place : kPlaces) {
      SCOPED_TRACE(std::string(engine) + " " + place.query);
      double worst = 0;
      int days = 0;
      for (const json& day : Year(place.query, engine)["days"]) {
        ASSERT_TRUE(day["sunrise"].is_string()) << day["date"];
        const double ours = JulianDayOfIso(day["sunrise"]);
        double geopos[3] = {place.longitude, place.latitude, 0};
        double rise = 0;
        char error[256] = "";
        ASSERT_GE(swe_rise_trans(ours - 0.25, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_RISE, geopos, 0, 0, &rise, error), 0)
            << error;
        const double seconds = std::fabs(rise - ours) * 86400;
        worst = std::max(worst, seconds);
        EXPECT_LT(seconds, 60) << day["date"];
        ++days;
      }
      EXPECT_EQ(days, 365);
      RecordProperty(std::string("worst_sunrise_seconds_") + engine + "_" + place.query, std::to_string(worst));
    }
  }
  swe_close();
}

// Each limb's parts follow one another without a gap through the year: one
// ends where the next begins, and the numbers run on by one.
TEST(PanchangaYear, LimbsRunOnWithoutGapsFromDayToDay) {
  struct Limb {
    const char* key;
    int count;
  };
  for (const Limb& limb : {Limb{"tithis", 30}, Limb{"nakshatras", 27}, Limb{"yogas", 27}, Limb{"karanas", 60}}) {
    SCOPED_TRACE(limb.key);
    std::map<std::string, int> seen;  // start -> number
    std::string lastEnd;
    int lastNumber = 0;
    for (const json& day : Year("New York City, US", "classic")["days"]) {
      const json& parts = day[limb.key];
      ASSERT_FALSE(parts.empty());
      // The first part runs at sunrise, the last at the next sunrise.
      EXPECT_LE(JulianDayOfIso(parts.front()["start"]), JulianDayOfIso(day["sunrise"]));
      for (const json& p : parts) {
        const std::string start = p["start"], end = p["end"];
        const int number = p["number"];
        EXPECT_LT(JulianDayOfIso(start), JulianDayOfIso(end));
        if (seen.count(start)) {
          EXPECT_EQ(seen[start], number);  // the same part as the day before
          continue;
        }
        if (!lastEnd.empty()) {
          EXPECT_NEAR(JulianDayOfIso(start), JulianDayOfIso(lastEnd), 1.5 / 86400) << start;
          EXPECT_EQ(number, lastNumber % limb.count + 1) << start;
        }
        seen[start] = number;
        lastEnd = end;
        lastNumber = number;
      }
    }
  }
}

// Clock times follow the zone's daylight saving time: the offset of each
// sunrise is the one in force on that date.
TEST(PanchangaYear, TimesCarryTheOffsetInForce) {
  struct Case {
    const char* place;
    const char* date;
    int offset;
  };
  const Case cases[] = {
      {"New York City, US", "2025-03-08", -5 * 3600},  {"New York City, US", "2025-03-09", -4 * 3600},
      {"New York City, US", "2025-11-01", -4 * 3600},  {"New York City, US", "2025-11-02", -5 * 3600},
      {"Sydney, AU", "2025-04-05", 11 * 3600},         {"Sydney, AU", "2025-04-06", 10 * 3600},
      {"Sydney, AU", "2025-10-05", 11 * 3600},         {"Delhi, IN", "2025-07-01", 19800},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.place) + " " + c.date);
    bool found = false;
    for (const json& day : Year(c.place, "classic")["days"]) {
      if (day["date"] != c.date) continue;
      found = true;
      int offset = 0;
      JulianDayOfIso(day["sunrise"], &offset);
      EXPECT_EQ(offset, c.offset);
      // The sunrise is on the morning of that date.
      EXPECT_EQ(std::string(day["sunrise"]).substr(0, 10), c.date);
    }
    EXPECT_TRUE(found);
  }
}

// The day's periods divide the day and the night as their tables say: the
// 16 choghadiyas and the 24 horas run from sunrise to the next sunrise
// without a gap, and the first hora is the weekday's lord.
TEST(PanchangaYear, ChoghadiyasAndHorasCoverDayAndNight) {
  const char* lords[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
  const char* weekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  const json& days = Year("Sydney, AU", "classic")["days"];
  for (std::size_t i = 0; i + 1 < days.size(); i += 37) {
    const json& day = days[i];
    SCOPED_TRACE(std::string(day["date"]));
    for (const char* key : {"choghadiyas", "horas"}) {
      const json& list = day[key];
      ASSERT_EQ(list.size(), std::string(key) == "horas" ? 24u : 16u);
      EXPECT_EQ(list.front()["start"], day["sunrise"]);
      EXPECT_NEAR(JulianDayOfIso(list.back()["end"]), JulianDayOfIso(days[i + 1]["sunrise"]), 1.5 / 86400);
      for (std::size_t k = 1; k < list.size(); ++k) EXPECT_EQ(list[k]["start"], list[k - 1]["end"]);
    }
    int w = 0;
    while (weekdays[w] != day["vara"].get<std::string>()) ++w;
    EXPECT_EQ(day["horas"][0]["ruler"], lords[w]);
    // Rahu kalam, Yamaganda and Gulika kalam are eighths of the daytime.
    const double length = JulianDayOfIso(day["sunset"]) - JulianDayOfIso(day["sunrise"]);
    for (const char* key : {"rahu_kalam", "yamaganda", "gulika_kalam"}) {
      const double span = JulianDayOfIso(day[key]["end"]) - JulianDayOfIso(day[key]["start"]);
      EXPECT_NEAR(span, length / 8, 2.0 / 86400) << key;
    }
  }
}

// Lunar months, added months and years at Delhi, as printed calendars give
// them: the added Sravana of 2023 and Jyeshtha of 2026, the dark half's
// month in the purnimanta reckoning, the new year at Chaitra.
TEST(PanchangaCli, LunarMonthsAndYears) {
  struct Case {
    const char* month;
    const char* date;
    const char* amanta;
    bool adhika;
    const char* purnimanta;
    const char* samvatsara;
    int saka;
  };
  const Case cases[] = {
      {"2023-07", "2023-07-25", "Sravana", true, "Sravana", "Shobhakrit", 1945},
      {"2023-08", "2023-08-20", "Sravana", false, "Sravana", "Shobhakrit", 1945},
      {"2025-03", "2025-03-21", "Phalguna", false, "Chaitra", "Krodhi", 1946},
      {"2025-03", "2025-03-31", "Chaitra", false, "Chaitra", "Vishvavasu", 1947},
      {"2026-05", "2026-05-25", "Jyeshtha", true, "Jyeshtha", "Parabhava", 1948},
      {"2026-01", "2026-01-10", "Pushya", false, "Magha", "Vishvavasu", 1947},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    const auto run = RunCliProcess({"--panchanga", c.month, "--place", "Delhi, IN", "--ephemeris", "swiss", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json parsed = json::parse(run.out);
    for (const json& day : parsed["days"]) {
      if (day["date"] != c.date) continue;
      EXPECT_EQ(day["amanta_month"]["name"], c.amanta);
      EXPECT_EQ(day["amanta_month"]["adhika"], c.adhika);
      EXPECT_EQ(day["purnimanta_month"]["name"], c.purnimanta);
      EXPECT_EQ(day["samvatsara"], c.samvatsara);
      EXPECT_EQ(day["saka_year"], c.saka);
    }
  }
}

TEST(PanchangaCli, RefusesWhatItCannotReckon) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--panchanga", "2025-13", "--place", "Delhi, IN"}, "--panchanga takes"},
      {{"--panchanga", "2025-3", "--place", "Delhi, IN"}, "--panchanga takes"},
      {{"--panchanga", "1700", "--place", "Delhi, IN"}, "1800 to 2399"},
      {{"--panchanga", "2025-03"}, "needs --place, or --lon and --lat"},
      {{"--panchanga", "2025-03", "--lon", "77:13E"}, "needs --place, or --lon and --lat"},
      {{"--panchanga", "2025-03", "--place", "Delhi, IN", "--date", "2025-03-01"}, "no chart options"},
      {{"--panchanga", "2025-03", "--place", "Nowhereville Zzq"}, "unknown place"},
  };
  for (const Case& c : cases) {
    const auto run = RunCliProcess(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

// A place given by its coordinates and a fixed offset: every day of the
// month printed once, in order, times at that offset.
TEST(PanchangaCli, CoordinatesWithAFixedOffset) {
  const auto run = RunCliProcess(
      {"--panchanga", "2024-02", "--lon", "80:17E", "--lat", "13:05N", "--utc-offset", "+05:30", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json j = json::parse(run.out);
  ASSERT_EQ(j["days"].size(), 29u);  // a leap year's February
  for (std::size_t i = 0; i < 29; ++i) {
    char date[16];
    std::snprintf(date, sizeof date, "2024-02-%02zu", i + 1);
    EXPECT_EQ(j["days"][i]["date"], date);
    EXPECT_EQ(std::string(j["days"][i]["sunrise"]).substr(19), "+05:30");
  }
  const auto text = RunCliProcess({"--panchanga", "2024-02", "--lon", "80:17E", "--lat", "13:05N", "--utc-offset", "+05:30"});
  ASSERT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("2024-02-29 Thursday"), std::string::npos);
  EXPECT_NE(text.out.find("Rahu kalam"), std::string::npos);
}

}  // namespace
