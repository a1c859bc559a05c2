// orvane-cli --panchanga PERIOD --muhurta KIND: the windows found, read
// against the panchanga of the same period: no window straddles the end of
// a tithi, nakshatra, yoga or karana, each names the limbs that run in it,
// and those of its tithi, nakshatra and weekday suit the event.
#include <gtest/gtest.h>

#include <libical/ical.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../common/cli_process.h"

namespace {

using nlohmann::json;
using orvane::testing_support::RunCliProcess;

json RunJson(std::vector<std::string> args) {
  const auto run = RunCliProcess(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

std::string Detail(const json& window, const std::string& rule) {
  for (const json& c : window["checks"])
    if (c["rule"] == rule) return c["detail"];
  return "";
}

bool Met(const json& window, const std::string& rule) {
  for (const json& c : window["checks"])
    if (c["rule"] == rule) return c["met"];
  return false;
}

TEST(Muhurta, WindowsFollowTheLimbsOfThePeriod) {
  const std::vector<std::string> base = {"--panchanga", "2025-11", "--place", "Delhi, IN", "--json"};
  const json days = RunJson(base)["days"];
  // Every limb's parts of the month by start, for the look-ups below.
  struct Part {
    std::string start, end, name;
  };
  std::map<std::string, std::vector<Part>> limbs;
  for (const char* key : {"tithis", "nakshatras", "yogas", "karanas"}) {
    std::set<std::string> seen;
    for (const json& day : days)
      for (const json& p : day[key])
        if (seen.insert(p["start"]).second) limbs[key].push_back({p["start"], p["end"], p["name"]});
  }
  const std::map<std::string, std::string> ruleOf = {
      {"tithis", "tithi"}, {"nakshatras", "nakshatra"}, {"yogas", "yoga"}, {"karanas", "karana"}};
  const std::map<std::string, std::set<std::string>> allowedNakshatras = {
      {"marriage", {"Rohini", "Mrigasira", "Makha", "U.Pha.", "Hastha", "Swathi", "Anuradha", "Moola", "U.Shaa.",
                    "U.Bhaa.", "Revathi"}},
      {"travel", {"Aswini", "Mrigasira", "Punarvasu", "Pushyami", "Hastha", "Anuradha", "Sravanam", "Dhanishtha",
                  "Revathi"}},
  };
  for (const auto& [event, nakshatras] : allowedNakshatras) {
    SCOPED_TRACE(event);
    auto args = base;
    args.insert(args.end(), {"--muhurta", event, "--birth-star", "4:2"});
    const json windows = RunJson(args)["windows"];
    ASSERT_FALSE(windows.empty());
    std::string lastEnd;
    for (const json& w : windows) {
      const std::string start = w["start"], end = w["end"];
      SCOPED_TRACE(start);
      EXPECT_LT(start, end);
      EXPECT_GE(start, lastEnd);  // in order, without overlap
      lastEnd = end;
      for (const auto& [key, parts] : limbs) {
        // The window lies within one part of each limb, the one it names.
        bool inside = false;
        for (const Part& p : parts) {
          if (p.start <= start && end <= p.end) {
            inside = true;
            EXPECT_EQ(Detail(w, ruleOf.at(key)), p.name);
          }
        }
        EXPECT_TRUE(inside) << key;
      }
      EXPECT_TRUE(nakshatras.count(Detail(w, "nakshatra"))) << Detail(w, "nakshatra");
      EXPECT_NE(Detail(w, "tithi"), "Amavasya");
      const std::set<std::string> weekdays = {"Monday", "Wednesday", "Thursday", "Friday"};
      EXPECT_TRUE(weekdays.count(Detail(w, "vara")));
      // Bhadra (Vishti) is missed, never met.
      if (Detail(w, "karana") == "Vishti") {
        EXPECT_FALSE(Met(w, "karana"));
      }
      bool all = true;
      for (const json& c : w["checks"]) all = all && c["met"].get<bool>();
      EXPECT_EQ(w["all_met"], all);
    }
  }
}

// Tara bala counts the window's nakshatra from the birth star in nines:
// the 3rd, 5th and 7th are missed. Birth star Rohini (4).
TEST(Muhurta, TaraBalaCountsFromTheBirthStar) {
  // Counted inclusively: Rohini itself is the 1st (Janma), Hastha the 10th
  // (Janma again), Swathi the 12th (Vipat).
  const std::map<std::string, std::string> taraOf = {
      {"Rohini", "Janma"},       {"Mrigasira", "Sampat"},       {"Makha", "Naidhana"}, {"U.Pha.", "Parama Mitra"},
      {"Hastha", "Janma"},       {"Swathi", "Vipat"},           {"Anuradha", "Pratyak"}, {"Moola", "Naidhana"},
      {"U.Shaa.", "Parama Mitra"}, {"U.Bhaa.", "Pratyak"},      {"Revathi", "Sadhana"}};
  const json windows = RunJson({"--panchanga", "2025-11", "--place", "Delhi, IN", "--json", "--muhurta", "marriage",
                            "--birth-star", "4:2"})["windows"];
  std::set<std::string> seen;
  for (const json& w : windows) {
    const std::string nakshatra = Detail(w, "nakshatra");
    ASSERT_TRUE(taraOf.count(nakshatra)) << nakshatra;
    const std::string tara = taraOf.at(nakshatra);
    EXPECT_EQ(Detail(w, "tara bala"), tara + " tara");
    EXPECT_EQ(Met(w, "tara bala"), tara != "Vipat" && tara != "Pratyak" && tara != "Naidhana");
    seen.insert(nakshatra);
  }
  EXPECT_GE(seen.size(), 5u);
}

TEST(Muhurta, CalendarFileHoldsTheWindowsMeetingEveryRule) {
  const json windows = RunJson({"--panchanga", "2025-11", "--place", "Delhi, IN", "--json", "--muhurta", "griha-pravesha"})["windows"];
  int all = 0;
  for (const json& w : windows) all += w["all_met"].get<bool>() ? 1 : 0;
  ASSERT_GT(all, 0);
  const auto ics = RunCliProcess({"--panchanga", "2025-11", "--place", "Delhi, IN", "--ics", "--muhurta", "griha-pravesha"});
  ASSERT_EQ(ics.status, 0) << ics.err;
  icalcomponent* calendar = icalparser_parse_string(ics.out.c_str());
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(icalrestriction_check(calendar), 1);
  EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), all);
  icalcomponent_free(calendar);
}

TEST(Muhurta, RefusesWhatItCannotSearch) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--muhurta", "marriage", "--place", "Delhi, IN"}, "--muhurta goes with --panchanga"},
      {{"--panchanga", "2025-11", "--place", "Delhi, IN", "--muhurta", "picnic"}, "--muhurta takes"},
      {{"--panchanga", "2025-11", "--place", "Delhi, IN", "--muhurta", "travel", "--birth-star", "28:1"},
       "--birth-star takes"},
      {{"--panchanga", "2025-11", "--place", "Delhi, IN", "--birth-star", "4:2"}, "--birth-star goes with --muhurta"},
  };
  for (const Case& c : cases) {
    const auto run = RunCliProcess(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
