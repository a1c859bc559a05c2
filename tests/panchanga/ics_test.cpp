// orvane-cli --panchanga --ics read back with libical's parser (the one
// GNOME Calendar imports through, by Evolution's data server): it parses
// without an error, passes the library's RFC 5545 restrictions for a
// calendar file, and holds the festivals, the tithis and the eclipses
// the JSON of the same month gives.
#include <gtest/gtest.h>

#include <libical/ical.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "../common/cli_process.h"

namespace {

using nlohmann::json;
using orvane::testing_support::RunCliProcess;

// Unix seconds of "2025-09-07T23:41:50+05:30".
long long UnixOfIso(const std::string& text) {
  struct tm t {};
  int oh = 0, om = 0;
  char sign = '+';
  std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d%c%d:%d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour, &t.tm_min,
              &t.tm_sec, &sign, &oh, &om);
  t.tm_year -= 1900;
  t.tm_mon -= 1;
  return static_cast<long long>(timegm(&t)) - (sign == '-' ? -1 : 1) * (oh * 3600 + om * 60);
}

TEST(PanchangaIcs, ParsesAndHoldsTheMonthsEvents) {
  const std::vector<std::string> month = {"--panchanga", "2025-09", "--place", "Delhi, IN", "--ephemeris", "swiss"};
  auto args = month;
  args.push_back("--ics");
  const auto ics = RunCliProcess(args);
  ASSERT_EQ(ics.status, 0) << ics.err;
  args = month;
  args.push_back("--json");
  const auto run = RunCliProcess(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const json parsed = json::parse(run.out);

  // Every line ends in CRLF.
  EXPECT_EQ(ics.out.find("\r\n"), ics.out.find('\n') - 1);
  icalcomponent* calendar = icalparser_parse_string(ics.out.c_str());
  ASSERT_NE(calendar, nullptr);
  ASSERT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
  EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
  EXPECT_EQ(icalrestriction_check(calendar), 1);
  EXPECT_EQ(icalcomponent_count_errors(calendar), 0);

  std::map<std::string, std::set<std::string>> festivals;  // date -> names
  std::set<long long> tithiStarts;
  std::set<std::string> uids;
  int eclipses = 0;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    const std::string uid = icalcomponent_get_uid(e);
    EXPECT_TRUE(uids.insert(uid).second) << "UID used twice: " << uid;
    const std::string summary = icalcomponent_get_summary(e);
    const icaltimetype start = icalcomponent_get_dtstart(e), end = icalcomponent_get_dtend(e);
    EXPECT_LT(icaltime_compare(start, end), 0) << summary;
    icalproperty* category = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
    ASSERT_NE(category, nullptr);
    const std::string kind = icalproperty_get_categories(category);
    if (kind == "Festival") {
      EXPECT_TRUE(start.is_date);
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", start.year, start.month, start.day);
      festivals[date].insert(summary);
    } else if (kind == "Tithi") {
      EXPECT_TRUE(icaltime_is_utc(start));
      tithiStarts.insert(static_cast<long long>(icaltime_as_timet(start)));
    } else if (kind == "Eclipse") {
      ++eclipses;
    } else {
      ADD_FAILURE() << "unknown category " << kind;
    }
  }
  icalcomponent_free(calendar);

  std::map<std::string, std::set<std::string>> expectedFestivals;
  std::set<long long> expectedStarts;
  for (const json& day : parsed["days"]) {
    for (const json& name : day["observances"]) expectedFestivals[day["date"].get<std::string>()].insert(name.get<std::string>());
    for (const json& t : day["tithis"]) expectedStarts.insert(UnixOfIso(t["start"]));
  }
  EXPECT_EQ(festivals, expectedFestivals);
  EXPECT_EQ(tithiStarts, expectedStarts);
  // September 2025: the total lunar eclipse of the 7th and the partial
  // solar eclipse of the 21st-22nd.
  EXPECT_EQ(eclipses, 2);
}

TEST(PanchangaIcs, GoesOnlyWithTheCalendar) {
  const auto alone = RunCliProcess({"--ics", "--place", "Delhi, IN"});
  EXPECT_EQ(alone.status, 2);
  EXPECT_NE(alone.err.find("--ics goes with --panchanga"), std::string::npos) << alone.err;
  const auto both = RunCliProcess({"--panchanga", "2025-09", "--place", "Delhi, IN", "--ics", "--json"});
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("exclude each other"), std::string::npos) << both.err;
}

}  // namespace
