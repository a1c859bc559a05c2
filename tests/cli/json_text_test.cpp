// The JSON orvane-cli writes is always valid UTF-8 that a JSON parser reads:
// bytes that are not UTF-8 become U+FFFD, control characters are escaped.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <climits>
#include <cmath>
#include <string>

#include "cli/json.h"
#include "tests/common/cli_process.h"

namespace orvane {
namespace {

TEST(JsonText, StringsAreValidUtf8) {
  struct Case {
    const char* name;
    std::string in;
    std::string decoded;  // what a parser reads back
  };
  const std::string r = "\xEF\xBF\xBD";  // U+FFFD
  const Case cases[] = {
      {"plain text", "Vijayawada", "Vijayawada"},
      {"quote and backslash", "a\"b\\c", "a\"b\\c"},
      {"control characters", std::string("\x01\t\n\r\x1b[2J\x7f", 9), std::string("\x01\t\n\r\x1b[2J\x7f", 9)},
      {"a NUL byte", std::string("a\0b", 3), std::string("a\0b", 3)},
      {"two-, three- and four-byte characters", "\xC3\xA9 \xE0\xA4\x85 \xF0\x9F\x8C\x99",
       "\xC3\xA9 \xE0\xA4\x85 \xF0\x9F\x8C\x99"},
      {"a byte 0xff", "missing\xff.orv", "missing" + r + ".orv"},
      {"a Latin-1 e acute", "caf\xe9", "caf" + r},
      {"a stray continuation byte", "a\x80z", "a" + r + "z"},
      {"an overlong slash", "\xC0\xAF", r + r},
      {"an overlong three-byte form", "\xE0\x80\xAF", r + r + r},
      {"a surrogate", "\xED\xA0\x80", r + r + r},
      {"past U+10FFFF", "\xF4\x90\x80\x80", r + r + r + r},
      {"a sequence cut by the end", "ab\xE0\xA4", "ab" + r + r},
      {"a sequence cut by ASCII", "\xE0\xA4z", r + r + "z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JsonWriter writer;
    writer.BeginObject();
    writer.Key(c.in);  // keys go the same way
    writer.String(c.in);
    writer.EndObject();
    const nlohmann::json parsed = nlohmann::json::parse(writer.Text());  // throws on invalid UTF-8
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed.begin().key(), c.decoded);
    EXPECT_EQ(parsed.begin().value().get<std::string>(), c.decoded);
    for (unsigned char byte : writer.Text()) EXPECT_TRUE(byte >= 0x20 && byte != 0x7f) << int(byte);
  }
}

// The exact bytes of values, keys and separators: commas between values and
// members only, numbers in their shortest form, escapes as they were, long
// tokens and keys that need escaping.
TEST(JsonText, ExactBytes) {
  JsonWriter w;
  w.BeginObject();
  w.Key("ints");
  w.BeginArray();
  for (long long v : {0LL, -7LL, 42LL, LLONG_MIN, LLONG_MAX}) w.Int(v);
  w.EndArray();
  w.Key("numbers");
  w.BeginArray();
  for (double v : {0.1, -0.0, 1e-7, 123456.789, 1e300, std::nan(""), 2.0}) w.Number(v);
  w.EndArray();
  w.Key("empty");
  w.BeginObject();
  w.EndObject();
  w.Key("nested");
  w.BeginArray();
  w.BeginArray();
  w.EndArray();
  w.BeginObject();
  w.Key("a");
  w.Null();
  w.Key("b");
  w.Bool(true);
  w.EndObject();
  w.Bool(false);
  w.EndArray();
  w.Key("text");
  w.String(std::string("q\"b\\ \x01\n\t\x7f \xC3\xA9\xff", 13));
  w.Key("k\"ey");
  w.Raw("\"a raw token longer than thirty-two bytes\"");
  w.Key(std::string(70, 'x'));
  w.Raw("1");
  w.EndObject();
  EXPECT_EQ(w.Text(),
            "{\"ints\":[0,-7,42,-9223372036854775808,9223372036854775807],"
            "\"numbers\":[0.1,-0,1e-07,123456.789,1e+300,null,2],\"empty\":{},"
            "\"nested\":[[],{\"a\":null,\"b\":true},false],"
            "\"text\":\"q\\\"b\\\\ \\u0001\\n\\t\\u007f \xC3\xA9\xEF\xBF\xBD\","
            "\"k\\\"ey\":\"a raw token longer than thirty-two bytes\","
            "\"" + std::string(70, 'x') + "\":1}");
}

TEST(JsonText, ErrorLineOfAFileNameThatIsNotUtf8) {
  const auto run = testing_support::RunCliProcess({"--json", "/nonexistent/missing\xff.orv"});
  EXPECT_EQ(run.status, 1);
  const nlohmann::json line = nlohmann::json::parse(run.out);
  EXPECT_EQ(line.at("file"), "/nonexistent/missing\xEF\xBF\xBD.orv");
  EXPECT_EQ(line.at("error"), "not found");
}

// The error line of a chart file that cannot be used gives the reason the
// error stream gives.
TEST(JsonText, ErrorLineGivesTheReasonOfTheErrorStream) {
  const std::string big = testing_support::WriteTempFile("big.orv", std::string(70000, '1'));
  const std::string invalid = testing_support::WriteTempFile("invalid.orv", "4\n4\n3000\n17.5\n0\n0\n0\n");
  struct Case {
    const char* name;
    std::string path;
    int status;
    std::string reason;  // in the JSON and on the error stream
  };
  const Case cases[] = {
      {"missing", "/nonexistent/missing.orv", 1, "not found"},
      {"larger than 64 KiB", big, 2, "larger than 64 KiB"},
      {"a folder", "/", 2, "is not a regular file"},
      {"invalid numbers", invalid, 2, "the year \"3000\" is outside"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto run = testing_support::RunCliProcess({"--json", c.path});
    EXPECT_EQ(run.status, c.status);
    const nlohmann::json line = nlohmann::json::parse(run.out);
    const std::string error = line.at("error");
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find(error), std::string::npos) << error << " / " << run.err;
    }
  }
}

TEST(JsonText, SectionListParses) {
  const auto run = testing_support::RunCliProcess({"--list-sections", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json list = nlohmann::json::parse(run.out);
  ASSERT_TRUE(list.is_array());
  ASSERT_EQ(list.size(), 44u);
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].at("number"), static_cast<int>(i));
    EXPECT_FALSE(list[i].at("name").get<std::string>().empty());
    EXPECT_FALSE(list[i].at("title").get<std::string>().empty());
  }
  EXPECT_EQ(list[0].at("name"), "vimsottari");
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

// The classic engine says where it is far from the sky: a note in the JSON
// of every chart whose year lies outside the years it keeps within a few
// arc-minutes of the Swiss Ephemeris, none inside them or with the Swiss engine.
TEST(JsonText, ClassicRangeNoteOutsideItsYears) {
  struct Case {
    std::vector<std::string> args;
    bool noted;
  };
  const Case cases[] = {
      {{"--json", "--date", "0200-01-01", "--time", "12:00"}, true},
      {{"--json", "--date", "2026-12-11", "--time", "12:00"}, true},
      {{"--json", "--date", "1970-04-04", "--time", "17:50"}, false},
      {{"--json", "--date", "1900-01-01", "--time", "00:00"}, false},
      {{"--json", "--date", "1970-04-04", "--time", "17:50", "--tajaka", "2030"}, true},
      {{"--json", "--date", "0200-01-01", "--time", "12:00", "--ephemeris", "swiss"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[2] + (c.args.size() > 6 ? " " + c.args[5] + " " + c.args[6] : ""));
    const auto run = testing_support::RunCliProcess(c.args);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json chart = nlohmann::json::parse(run.out);
    EXPECT_EQ(chart.contains("classic_range_note"), c.noted);
    if (c.noted) {
      EXPECT_NE(chart["classic_range_note"].get<std::string>().find("1900 to 1999"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace orvane
