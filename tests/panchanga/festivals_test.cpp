// Festival dates at Delhi in 2025 and 2026 as orvane-cli --panchanga gives
// them, against published dates.
//
// Sources: the holiday lists of the Government of India for its offices at
// Delhi (Department of Personnel and Training, office memoranda for 2025
// and 2026: the gazetted holidays and the restricted holidays), whose dates
// the printed Delhi panchangas of those years agree with. The Ekadashi rows
// are the years' printed calendars that give the Smarta and the Vaishnava
// days apart.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "../common/cli_process.h"

namespace {

using nlohmann::json;
using orvane::testing_support::RunCliProcess;

// Date -> observances of the year at Delhi, computed once a year and engine.
const std::map<std::string, std::set<std::string>>& Observances(const std::string& year, const std::string& engine) {
  static std::map<std::string, std::map<std::string, std::set<std::string>>> cache;
  auto& days = cache[year + engine];
  if (!days.empty()) return days;
  const auto run = RunCliProcess({"--panchanga", year, "--place", "Delhi, IN", "--ephemeris", engine, "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  const json parsed = json::parse(run.out);
  for (const json& day : parsed["days"]) {
    auto& names = days[day["date"].get<std::string>()];
    for (const json& name : day["observances"]) names.insert(name.get<std::string>());
  }
  return days;
}

struct Case {
  const char* festival;
  const char* date;
  const char* source;
};

const Case kCases[] = {
    {"Makar Sankranti", "2025-01-14", "DoPT 2025, restricted"},
    {"Vasant Panchami", "2025-02-02", "DoPT 2025, restricted"},
    {"Maha Shivaratri", "2025-02-26", "DoPT 2025, gazetted"},
    {"Holika Dahan", "2025-03-13", "DoPT 2025, restricted"},
    {"Holi", "2025-03-14", "DoPT 2025, gazetted"},
    {"Ugadi / Gudi Padwa", "2025-03-30", "DoPT 2025, restricted"},
    {"Rama Navami", "2025-04-06", "DoPT 2025, gazetted"},
    {"Raksha Bandhan", "2025-08-09", "DoPT 2025, restricted"},
    {"Krishna Janmashtami", "2025-08-16", "DoPT 2025, gazetted"},
    {"Ganesh Chaturthi", "2025-08-27", "DoPT 2025, restricted"},
    {"Dussehra", "2025-10-02", "DoPT 2025, gazetted"},
    {"Karva Chauth", "2025-10-10", "DoPT 2025, restricted"},
    {"Diwali", "2025-10-20", "DoPT 2025, gazetted"},
    {"Govardhan Puja", "2025-10-22", "DoPT 2025, restricted"},
    {"Bhai Dooj", "2025-10-23", "DoPT 2025, restricted"},
    {"Kartika Purnima", "2025-11-05", "DoPT 2025, gazetted (Guru Nanak's birthday)"},
    {"Makar Sankranti", "2026-01-14", "DoPT 2026, restricted"},
    {"Vasant Panchami", "2026-01-23", "DoPT 2026, restricted"},
    {"Maha Shivaratri", "2026-02-15", "DoPT 2026, gazetted"},
    {"Holi", "2026-03-04", "DoPT 2026, gazetted (Bhadra over the first evening)"},
    {"Ugadi / Gudi Padwa", "2026-03-19", "DoPT 2026, restricted (Pratipada at no sunrise)"},
    {"Rama Navami", "2026-03-26", "DoPT 2026, gazetted"},
    {"Raksha Bandhan", "2026-08-28", "DoPT 2026, restricted"},
    {"Krishna Janmashtami", "2026-09-04", "DoPT 2026, gazetted"},
    {"Ganesh Chaturthi", "2026-09-14", "DoPT 2026, restricted"},
    {"Dussehra", "2026-10-20", "DoPT 2026, gazetted"},
    {"Diwali", "2026-11-08", "DoPT 2026, gazetted"},
    {"Kartika Purnima", "2026-11-24", "DoPT 2026, gazetted (Guru Nanak's birthday)"},
    {"Ekadashi (Smarta)", "2025-03-25", "printed calendars 2025 (Papmochani)"},
    {"Ekadashi (Vaishnava)", "2025-03-26", "printed calendars 2025 (Papmochani)"},
    {"Ekadashi (Smarta)", "2025-06-21", "printed calendars 2025 (Yogini)"},
    {"Ekadashi (Vaishnava)", "2025-06-22", "printed calendars 2025 (Yogini)"},
};

// Each festival on its published date, and on no other date of that year
// (an Ekadashi rule on its date), with both engines.
TEST(Festivals, DelhiDatesOf2025And2026) {
  for (const char* engine : {"swiss", "classic"}) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(engine) + ": " + c.festival + " " + c.date + " (" + c.source + ")");
      const auto& days = Observances(std::string(c.date).substr(0, 4), engine);
      if (std::string(c.festival).starts_with("Ekadashi")) {
        // A fortnightly observance: on that date.
        ASSERT_TRUE(days.count(c.date));
        EXPECT_TRUE(days.at(c.date).count(c.festival));
        continue;
      }
      std::set<std::string> on;
      for (const auto& [date, names] : days)
        if (names.count(c.festival)) on.insert(date);
      EXPECT_EQ(on, std::set<std::string>{c.date});
    }
  }
}

// The monthly observances come once a lunar fortnight or month. 2025 has
// 25 Ekadashis (the last on 30 December), 12 Purnimas and Amavasyas, 24
// Pradoshas, 12 Sankashti Chaturthis and 12 Shivaratris.
TEST(Festivals, MonthlyObservancesOfAYear) {
  std::map<std::string, int> count;
  for (const auto& [date, names] : Observances("2025", "swiss"))
    for (const std::string& name : names) ++count[name];
  EXPECT_EQ(count["Ekadashi"] + count["Ekadashi (Smarta)"], 25);
  EXPECT_EQ(count["Ekadashi"] + count["Ekadashi (Vaishnava)"], 25);
  EXPECT_EQ(count["Purnima"], 12);
  EXPECT_EQ(count["Amavasya"], 12);
  EXPECT_EQ(count["Pradosha"], 24);
  EXPECT_EQ(count["Sankashti Chaturthi"], 12);
  // Eleven monthly Shivaratris and the great one of Magha.
  EXPECT_EQ(count["Masik Shivaratri"] + count["Maha Shivaratri"], 12);
}

}  // namespace
