// orvane-cli's places: --place takes position and offset from the place
// table at the birth moment, --places lists matches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/common/cli_process.h"

namespace {

using orvane::testing_support::CliRun;
using orvane::testing_support::RunCliProcess;
using orvane::testing_support::WriteTempFile;

// The JSON text without its "place" object (which has no nested object).
std::string WithoutPlace(const std::string& json) {
  const std::size_t at = json.find(",\"place\":{");
  if (at == std::string::npos) return json;
  return json.substr(0, at) + json.substr(json.find('}', at) + 1);
}

bool OneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

struct PlaceCase {
  std::vector<std::string> args;      // after --json
  std::vector<std::string> explicit_;  // the same chart with the numbers typed
  const char* place;                  // the "place" object expected
};

TEST(CliPlace, TakesPositionAndTheOffsetInForce) {
  const PlaceCase cases[] = {
      {{"--place", "Chennai, IN", "--date", "1970-04-04", "--time", "17:50"},
       {"--utc-offset", "+05:30", "--lon", "80:17E", "--lat", "13:05N", "--date", "1970-04-04", "--time", "17:50"},
       R"({"name":"Chennai","admin1":"Tamil Nadu","country":"IN","latitude":13.088,"longitude":80.278,)"
       R"("zone_id":"Asia/Kolkata","offset_seconds":19800,"dst":false,"ambiguous":false})"},
      {{"--place", "kolkata", "--date", "1943-06-15", "--time", "12:00"},
       {"--utc-offset", "+06:30", "--lon", "88:22E", "--lat", "22:34N", "--date", "1943-06-15", "--time", "12:00"},
       R"({"name":"Kolkata","admin1":"West Bengal","country":"IN","latitude":22.563,"longitude":88.363,)"
       R"("zone_id":"Asia/Kolkata","offset_seconds":23400,"dst":true,"ambiguous":false})"},
      {{"--place", "sao paulo, br", "--date", "1990-01-10", "--time", "08:00"},
       {"--utc-offset", "-02:00", "--lon", "46:38W", "--lat", "23:33S", "--date", "1990-01-10", "--time", "08:00"},
       R"({"name":"São Paulo","admin1":"São Paulo","country":"BR","latitude":-23.547,"longitude":-46.636,)"
       R"("zone_id":"America/Sao_Paulo","offset_seconds":-7200,"dst":true,"ambiguous":false})"},
      // An explicit offset overrides the place's; the place still says what it found.
      {{"--place", "Chennai", "--utc-offset", "+06:00", "--date", "1970-04-04", "--time", "17:50"},
       {"--utc-offset", "+06:00", "--lon", "80:17E", "--lat", "13:05N", "--date", "1970-04-04", "--time", "17:50"},
       R"({"name":"Chennai","admin1":"Tamil Nadu","country":"IN","latitude":13.088,"longitude":80.278,)"
       R"("zone_id":"Asia/Kolkata","offset_seconds":19800,"dst":false,"ambiguous":false})"},
      // A name in whole words with its division and country; daylight saving
      // past the tz files' last listed year (their footer rule).
      {{"--place", "New York, NY, US", "--date", "2038-07-01", "--time", "12:00"},
       {"--utc-offset", "-04:00", "--lon", "74:00W", "--lat", "40:43N", "--date", "2038-07-01", "--time", "12:00"},
       R"({"name":"New York City","admin1":"New York","country":"US","latitude":40.714,"longitude":-74.006,)"
       R"("zone_id":"America/New_York","offset_seconds":-14400,"dst":true,"ambiguous":false})"},
      // Repeated hour: the first, daylight reading, with a note.
      {{"--place", "new york, us", "--date", "2021-11-07", "--time", "01:30"},
       {"--utc-offset", "-04:00", "--lon", "74:00W", "--lat", "40:43N", "--date", "2021-11-07", "--time", "01:30"},
       R"({"name":"New York City","admin1":"New York","country":"US","latitude":40.714,"longitude":-74.006,)"
       R"("zone_id":"America/New_York","offset_seconds":-14400,"dst":true,"ambiguous":true})"},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.args[1]);
    std::vector<std::string> args = {"--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunCliProcess(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t at = run.out.find(",\"place\":");
    ASSERT_NE(at, std::string::npos) << run.out;
    EXPECT_EQ(run.out.substr(at + 9, run.out.find('}', at) - at - 8), c.place);
    std::vector<std::string> typed = {"--json"};
    typed.insert(typed.end(), c.explicit_.begin(), c.explicit_.end());
    const CliRun same = RunCliProcess(typed);
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out.find("\"place\""), std::string::npos);  // no place given, no "place"
    EXPECT_EQ(WithoutPlace(run.out), same.out);
    EXPECT_EQ(run.err.empty(), c.args[1] != "new york, us") << run.err;
  }
}

TEST(CliPlace, RefusedWithOneLineAndExitTwo) {
  struct Bad {
    std::vector<std::string> args;
    const char* message;
    std::string environment;
  };
  const Bad cases[] = {
      {{"--place", "Xqzzyqville", "--date", "2000-01-01", "--time", "12:00"}, "unknown place \"Xqzzyqville\"", ""},
      // A query must name a place, not only start its name, and name one.
      {{"--place", "a", "--date", "2000-01-01", "--time", "12:00"},
       "--place \"a\" names no place in full: \"Alexandria, Alexandria, EG\", ", ""},
      {{"--place", "\xff", "--date", "2000-01-01", "--time", "12:00"}, "names no place in full", ""},
      {{"--place", "Springfield", "--date", "2000-01-01", "--time", "12:00"},
       "names more than one place: \"Springfield, Missouri, US\", ", ""},
      {{"--place", "new york, us", "--date", "2021-03-14", "--time", "02:30"},
       "2021-03-14 02:30 does not exist in America/New_York", ""},
      {{"--place", "Chennai"}, "need at least --date and --time", ""},
      {{"--place", ""}, "--place takes a place", ""},
      {{"--places", "chenn", "--date", "2000-01-01"}, "--places lists places", ""},
      {{"--places", "chenn", "chart.orv"}, "--places lists places", ""},
      {{"--places", "Xqzzyq"}, "no place matches \"Xqzzyq\"", ""},
      {{"--places", "chenn"}, "the place table was not found", "ORVANE_PLACES=/nonexistent/places.tsv"},
      {{"--place", "Chennai", "--date", "2000-01-01", "--time", "12:00"}, "the place table was not found",
       "ORVANE_PLACES=/nonexistent/places.tsv"},
      // A long query is echoed cut short: the message stays one readable line.
      {{"--places", std::string(100000, 'q')}, "no place matches \"qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq...\"\n", ""},
      {{"--place", std::string(100000, 'q'), "--date", "2000-01-01", "--time", "12:00"},
       "unknown place \"qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq...\" (", ""},
      {{"--places", "S\xC3\xA3o Paulx\x1b[2J"}, "no place matches \"S\xC3\xA3o Paulx?[2J\"\n", ""},
  };
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.message);
    const CliRun run = RunCliProcess(c.args, c.environment);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_TRUE(OneLine(run.err)) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_LT(run.err.size(), 200u);
  }
}

// The place table is a file like any other: a path or a zone id or name in
// it that holds terminal escapes is shown escaped in every message and
// listing.
TEST(CliPlace, TableTextsAndPathsAreShownEscaped) {
  const std::string table = WriteTempFile("hostile_places.tsv",
                                          "@V\t1\n"
                                          "@Z\tEvil/\x1b]0;owned\x07Zone\n"
                                          "@C\tXX\tNowhere\n"
                                          "@D\t0\t\t\t0\n"
                                          "Bad\x1b[2JTown\t0\t10000\t20000\t\t5000\n");
  const CliRun listed = RunCliProcess({"--places", "bad"}, "ORVANE_PLACES=" + table);
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_NE(listed.out.find("Bad\\x1b[2JTown\t"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("Evil/\\x1b]0;owned\\x07Zone"), std::string::npos) << listed.out;
  const CliRun taken =
      RunCliProcess({"--place", "Bad\x1b[2JTown", "--date", "2000-01-01", "--time", "12:00"}, "ORVANE_PLACES=" + table);
  EXPECT_EQ(taken.status, 2);
  EXPECT_EQ(taken.err.find('\x1b'), std::string::npos) << taken.err;
  EXPECT_NE(taken.err.find("\\x1b"), std::string::npos) << taken.err;
  const CliRun missing = RunCliProcess({"--places", "bad"}, "ORVANE_PLACES='/nonexistent/\x1b[31mred.tsv'");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err.find('\x1b'), std::string::npos) << missing.err;
  EXPECT_NE(missing.err.find("/nonexistent/\\x1b[31mred.tsv"), std::string::npos) << missing.err;
}

TEST(CliPlace, ListsTheBestMatches) {
  const CliRun text = RunCliProcess({"--places", "chenn"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "Chennai\tTamil Nadu\tIN\t13.088\t80.278\tAsia/Kolkata\t4328063");
  EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 7);  // every place named "Chenn..."
  const CliRun many = RunCliProcess({"--places", "san"});
  EXPECT_EQ(std::count(many.out.begin(), many.out.end(), '\n'), 10);  // the ten largest
  const CliRun json = RunCliProcess({"--places", "São Paulo, BR", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.rfind(R"([{"name":"São Paulo","admin1":"São Paulo","country":"BR","latitude":-23.547,)"
                           R"("longitude":-46.636,"zone_id":"America/Sao_Paulo","population":10021295})", 0),
            0u)
      << json.out;
}

TEST(CliPlace, CopiesOfALabelledChartNameThePersonAndPlace) {
  const std::string path = WriteTempFile(
      "labelled.orv",
      "4\n4\n1970\n17.5000\n-5.30\n-80.17\n13.05\nName: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\nZone: Asia/Kolkata\n");
  const CliRun run = RunCliProcess({"--basic", path});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string rule(68, '-');
  const std::size_t notice = run.out.find(rule + "\n\n");
  ASSERT_NE(notice, std::string::npos);
  const std::string subject = "Name:  Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\n\n";
  EXPECT_EQ(run.out.substr(notice + 70, subject.size()), subject);
  std::remove(path.c_str());
}

}  // namespace
