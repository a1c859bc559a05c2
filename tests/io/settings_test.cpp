#include "io/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "io/number_text.h"
#include "io_test_support.h"

namespace orvane {
namespace {

using testing_io::CommaLocale;
using testing_io::ScratchFolder;

// The defaults' file, written out by hand from the file's formats.
constexpr std::string_view kDefaultFile =
    "4011\n"
    "0\n0\n1\n"
    "0.000000\n0.000000\n0.000000\n"
    "0\n"
    "5.000000\n71.120000\n42.300000\n"
    "0\n1\n0\n"
    "1\n0\n0\n1\n0\n"
    "1\n12\n7\n0\n0\n0\n"
    "0\n"
    "0\n0\n0\n0\n1\n0\n"
    "365.242500\n"
    "6 1 1 1 1 1 1 0"
    "\n\nDo NOT try to manually edit this file! Never delete this file!!\n\n";

// Settings unlike the defaults in every value.
Settings Unusual() {
  Settings s;
  s.chartStyle = 3;
  s.ayanamsaChoice = 1;
  s.ayanamsaDirection = -1;
  s.ayanamsaDegrees = 1;
  s.ayanamsaMinutes = 27;
  s.ayanamsaSeconds = 5.4;
  s.horaMethod = 1;
  s.defaultZone = -5.3;
  s.defaultLongitude = -81.12;
  s.defaultLatitude = -16.15;
  s.reserved12 = 7;
  s.reserved13 = 0;
  s.reserved14 = -3;
  s.showSpecialLagnas = 0;
  s.showDhoomaGroup = 1;
  s.showGulikaGroup = 1;
  s.showAllPadas = 0;
  s.showSomePadas = 1;
  s.chosenPadas = {2, 3, 4, 5, 6, 11};
  s.dhumaRelation = 1;
  s.upagrahaRising = {2, 2, 2, 2, 0, 1};
  s.daysInYear = 360;
  s.printItems = {0, 1, 0, 1, 1, 0};
  s.printItemCount = 3;
  s.blackAndWhite = 1;
  return s;
}

std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> tokens;
  ForEachToken(text, [&](std::string_view t) {
    tokens.emplace_back(t);
    return true;
  });
  return tokens;
}

std::string Join(const std::vector<std::string>& tokens, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && i < tokens.size(); ++i) text += tokens[i] + "\n";
  return text;
}

TEST(FormatSettings, DefaultsInFileOrder) { EXPECT_EQ(FormatSettings(Settings{}), kDefaultFile); }

TEST(FormatSettings, CountWrittenIsTheItemsCount) {
  Settings s;
  s.printItems = {1, 0, 0, 1, 0, 0};
  s.printItemCount = 6;  // stale
  const std::string text = FormatSettings(s);
  EXPECT_NE(text.find("365.242500\n2 1 0 0 1 0 0 0\n\nDo NOT"), std::string::npos) << text;
}

TEST(ParseSettings, RoundTripsEveryValue) {
  const Settings written = Unusual();
  Settings read;
  const SettingsParseResult r = ParseSettings(FormatSettings(written), read);
  EXPECT_EQ(r.status, SettingsStatus::kLoaded);
  EXPECT_EQ(r.unreadableFields, 0);
  EXPECT_EQ(r.rejectedFields, 0);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(FormatSettings(read), FormatSettings(written));
  EXPECT_EQ(read.ayanamsaSeconds, 5.4);
  EXPECT_EQ(read.defaultLongitude, -81.12);
  EXPECT_EQ(read.printItemCount, 3);
  EXPECT_EQ(read.AyanamsaOffset(), -(60.0 * 1 + 27 + 5.4 / 60));
}

// The engine choice lives after the trailer and is written only when it is
// not the default: a file without it (every older file) reads as the
// classic engine and the mean node, and nothing before it changes meaning.
TEST(ParseSettings, EngineChoiceAfterTheTrailer) {
  Settings swiss;
  swiss.ephemeris = 1;
  swiss.trueNode = 1;
  swiss.chartDegrees = 1;
  swiss.vargaDegrees = 1;
  const std::string swissFile = FormatSettings(swiss);
  EXPECT_EQ(swissFile,
            std::string(kDefaultFile) + "ephemeris=swiss\nrahu=true-node\nchart-degrees=on\nvarga-degrees=none\n");
  struct Case {
    const char* name;
    std::string text;
    int ephemeris, trueNode, rejected;
    int degrees = 0;
    int vargaDegrees = 0;
  };
  const Case cases[] = {
      {"older file", std::string(kDefaultFile), 0, 0, 0},
      {"written swiss", swissFile, 1, 1, 0, 1, 1},
      {"divisional degrees said", std::string(kDefaultFile) + "varga-degrees=divisional\n", 0, 0, 0},
      {"divisional degrees unknown word", std::string(kDefaultFile) + "varga-degrees=rasi\n", 0, 0, 1},
      {"classic said", std::string(kDefaultFile) + "ephemeris=classic\nrahu=mean-node\n", 0, 0, 0},
      {"carriage returns", std::string(kDefaultFile) + "ephemeris=swiss\r\n", 1, 0, 0},
      {"unknown word", std::string(kDefaultFile) + "ephemeris=moshier\nrahu=true-node\n", 0, 1, 1},
      {"unknown key", std::string(kDefaultFile) + "colour=blue\nephemeris=swiss\n", 1, 0, 0},
      {"degrees off said", std::string(kDefaultFile) + "chart-degrees=off\n", 0, 0, 0},
      {"degrees unknown word", std::string(kDefaultFile) + "chart-degrees=yes\n", 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settings read;
    read.ephemeris = 1;  // a value held before: a file without the line still reads as classic
    read.trueNode = 1;
    read.chartDegrees = 1;
    read.vargaDegrees = 1;
    const SettingsParseResult r = ParseSettings(c.text, read);
    EXPECT_EQ(r.status, SettingsStatus::kLoaded);
    EXPECT_EQ(read.ephemeris, c.ephemeris);
    EXPECT_EQ(read.trueNode, c.trueNode);
    EXPECT_EQ(read.chartDegrees, c.degrees);
    EXPECT_EQ(read.vargaDegrees, c.vargaDegrees);
    EXPECT_EQ(r.rejectedFields, c.rejected);
    EXPECT_EQ(r.unreadableFields, 0);
    // The values before the trailer are the defaults' in every case.
    Settings expected;
    expected.ephemeris = read.ephemeris;
    expected.trueNode = read.trueNode;
    expected.chartDegrees = read.chartDegrees;
    expected.vargaDegrees = read.vargaDegrees;
    EXPECT_EQ(FormatSettings(read), FormatSettings(expected));
  }
}

// The language and the charts' Latin labels live after the trailer too: a
// file without them reads as the system's language with the language's own
// labels; a language name that is not one reads as none (and is counted).
TEST(ParseSettings, LanguageAfterTheTrailer) {
  Settings tamil;
  tamil.latinLabels = 1;
  tamil.language = {'t', 'a'};
  const std::string tamilFile = FormatSettings(tamil);
  EXPECT_EQ(tamilFile, std::string(kDefaultFile) + "chart-labels=latin\nlanguage=ta\n");
  struct Case {
    const char* name;
    std::string text;
    const char* language;
    int latinLabels, rejected;
  };
  const Case cases[] = {
      {"older file", std::string(kDefaultFile), "", 0, 0},
      {"written", tamilFile, "ta", 1, 0},
      {"with a region", std::string(kDefaultFile) + "language=pt_BR\r\n", "pt_BR", 0, 0},
      {"labels of the language said", std::string(kDefaultFile) + "chart-labels=language\n", "", 0, 0},
      {"upper case", std::string(kDefaultFile) + "language=HI\n", "", 0, 1},
      {"too long", std::string(kDefaultFile) + "language=hindi\n", "", 0, 1},
      {"a path", std::string(kDefaultFile) + "language=../../etc\n", "", 0, 1},
      {"empty", std::string(kDefaultFile) + "language=\n", "", 0, 0},
      {"unknown labels", std::string(kDefaultFile) + "chart-labels=greek\nlanguage=ml\n", "ml", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settings read;
    read.language = {'h', 'i'};  // held before: a file without the line reads as none
    read.latinLabels = 1;
    const SettingsParseResult r = ParseSettings(c.text, read);
    EXPECT_EQ(r.status, SettingsStatus::kLoaded);
    EXPECT_STREQ(read.language.data(), c.language);
    EXPECT_EQ(read.latinLabels, c.latinLabels);
    EXPECT_EQ(r.rejectedFields, c.rejected);
    // What is read is written back as it was read.
    Settings again;
    EXPECT_EQ(ParseSettings(FormatSettings(read), again).rejectedFields, 0);
    EXPECT_STREQ(again.language.data(), c.language);
  }
}

TEST(ParseSettings, OtherVersionsAreAFirstRun) {
  const std::string body(kDefaultFile.substr(4));
  const std::string cases[] = {"", "   \n", "4010" + body, "4011.0" + body, "x4011" + body, "40110" + body,
                               "Do NOT try to manually edit this file!"};
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 12));
    Settings s = Unusual();
    const SettingsParseResult r = ParseSettings(text, s);
    EXPECT_EQ(r.status, SettingsStatus::kFirstRun);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(FormatSettings(s), FormatSettings(Unusual())) << "untouched";
  }
}

// Token k of the file (k = 0 is the version) replaced by a bad value: an
// unreadable value keeps what the program had, an out-of-range one takes
// the default, every other value is read from the file.
TEST(ParseSettings, DamagedValues) {
  enum Outcome { kKeepsCurrent, kTakesDefault, kReadsFile };
  struct Case {
    std::size_t token;
    const char* text;
    Outcome outcome;
  };
  const Case cases[] = {
      {1, "x", kKeepsCurrent},        {1, "2.5", kKeepsCurrent},       {1, "5", kTakesDefault},
      {1, "-1", kTakesDefault},       {1, "4", kReadsFile},            {2, "9", kTakesDefault},
      {2, "8", kReadsFile},
      {3, "0", kTakesDefault},        {3, "2", kTakesDefault},         {3, "1", kReadsFile},
      {4, "31", kTakesDefault},       {4, "1000.000000", kReadsFile},  {4, "999", kTakesDefault},
      {4, "nan", kKeepsCurrent},      {5, "60.000001", kTakesDefault}, {6, "-0.5", kTakesDefault},
      {6, "inf", kKeepsCurrent},      {6, "1e1", kKeepsCurrent},       {7, "5", kTakesDefault},
      {7, "4", kReadsFile},           {8, "24.01", kTakesDefault},     {8, "-24", kReadsFile},
      {9, "-180.5", kTakesDefault},   {10, "90.5", kTakesDefault},     {10, "-90", kReadsFile},
      {10, "-81,12", kKeepsCurrent},  {11, "99999", kReadsFile},       {11, "99999999999", kTakesDefault},
      {14, "2", kTakesDefault},       {19, "13", kTakesDefault},       {24, "-1", kTakesDefault},
      {25, "2", kTakesDefault},       {26, "3", kTakesDefault},        {32, "-1", kTakesDefault},
      {32, "1000001", kTakesDefault}, {32, "0", kReadsFile},           {34, "2", kTakesDefault},
      {39, "5", kTakesDefault},       {40, "x", kKeepsCurrent},        {40, "1", kReadsFile},
  };
  const std::vector<std::string> defaults = Tokens(FormatSettings(Settings{}));
  Settings fileSettings = Unusual();
  fileSettings.reserved12 = 5;
  const std::vector<std::string> fileTokens = Tokens(FormatSettings(fileSettings));
  Settings current;  // what the program had: neither the file's values nor all defaults
  current.chartStyle = 2;
  current.ayanamsaDegrees = 12;
  current.ayanamsaSeconds = 1.5;
  current.defaultLatitude = 11;
  current.blackAndWhite = 0;
  const std::vector<std::string> currentTokens = Tokens(FormatSettings(current));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "token " << c.token << " = " << c.text);
    std::vector<std::string> tokens = fileTokens;
    tokens[c.token] = c.text;
    Settings s = current;
    const SettingsParseResult r = ParseSettings(Join(tokens, tokens.size()), s);
    ASSERT_EQ(r.status, SettingsStatus::kLoaded);
    EXPECT_EQ(r.unreadableFields, c.outcome == kKeepsCurrent ? 1 : 0);
    EXPECT_EQ(r.rejectedFields, c.outcome == kTakesDefault ? 1 : 0);
    const std::vector<std::string> got = Tokens(FormatSettings(s));
    for (std::size_t k = 1; k < 41; ++k) {
      if (k == 33) continue;  // the print-item count follows the items
      if (k == c.token && c.outcome == kReadsFile) {
        EXPECT_EQ(ParseDecimal(got[k]), ParseDecimal(c.text)) << "the file's value is taken";
        continue;
      }
      const std::string& expected = k != c.token                ? fileTokens[k]
                                    : c.outcome == kKeepsCurrent ? currentTokens[k]
                                                                 : defaults[k];
      EXPECT_EQ(got[k], expected) << "token " << k;
    }
  }
}

TEST(ParseSettings, ShortFileKeepsTheRest) {
  const std::vector<std::string> tokens = Tokens(FormatSettings(Unusual()));
  Settings s;
  const SettingsParseResult r = ParseSettings(Join(tokens, 4), s);  // version and three values
  EXPECT_EQ(r.status, SettingsStatus::kLoaded);
  EXPECT_EQ(r.unreadableFields, 40 - 3 - 1);  // the count is never read
  EXPECT_EQ(s.chartStyle, 3);
  EXPECT_EQ(s.ayanamsaDirection, -1);
  EXPECT_EQ(s.ayanamsaDegrees, 0);  // kept
  EXPECT_EQ(s.printItemCount, 6);
}

TEST(ParseSettings, PrintItemCountComesFromTheItems) {
  Settings s;
  const SettingsParseResult r = ParseSettings(
      "4011\n0\n0\n1\n0\n0\n0\n0\n5\n71.12\n42.3\n0\n1\n0\n1\n0\n0\n1\n0\n1\n12\n7\n0\n0\n0\n0\n0\n0\n0\n0\n1\n0\n"
      "365.2425\n6 1 0 1 0 0 0 1",
      s);
  EXPECT_EQ(r.status, SettingsStatus::kLoaded);
  EXPECT_EQ(r.rejectedFields, 0);
  EXPECT_EQ(s.printItemCount, 2);
  EXPECT_EQ(s.blackAndWhite, 1);
}

// Whatever a damaged file holds, reading it ends, and every value it
// leaves is one the dialogs allow: writing the result out and reading it
// again finds nothing to repair.
TEST(ParseSettings, RandomDamageAlwaysLeavesValidSettings) {
  std::mt19937 random(4011);
  const std::string good = FormatSettings(Unusual());
  const std::string alphabet = "0123456789-+.e \n\tx";
  for (int i = 0; i < 3000; ++i) {
    std::string text = good;
    const int edits = 1 + static_cast<int>(random() % 12);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = random() % text.size();
      const char c = random() % 4 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0: text[at] = c; break;
        case 1: text.insert(at, 1, c); break;
        default: text.erase(at, 1); break;
      }
    }
    Settings s;
    ParseSettings(text, s);
    Settings again;
    const SettingsParseResult r = ParseSettings(FormatSettings(s), again);
    ASSERT_EQ(r.status, SettingsStatus::kLoaded) << text;
    ASSERT_EQ(r.unreadableFields, 0) << text;
    ASSERT_EQ(r.rejectedFields, 0) << text;
    ASSERT_EQ(FormatSettings(again), FormatSettings(s)) << text;
  }
}

TEST(SettingsLocale, CommaLocaleChangesNothing) {
  CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
  EXPECT_EQ(FormatSettings(Settings{}), kDefaultFile);
  Settings s;
  const SettingsParseResult r = ParseSettings(FormatSettings(Unusual()), s);
  EXPECT_EQ(r.rejectedFields + r.unreadableFields, 0);
  EXPECT_EQ(s.defaultLongitude, -81.12);
  EXPECT_EQ(s.daysInYear, 360);
}

class SettingsOnDisk : public ::testing::Test {
 protected:
  ScratchFolder folder_;
};

TEST_F(SettingsOnDisk, SaveCreatesTheFolderAndLoadReadsItBack) {
  const std::string path = folder_.File("config/orvane/orl4011.ini");
  std::string error;
  ASSERT_TRUE(SaveSettings(path, Unusual(), &error)) << error;
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes, FormatSettings(Unusual()));
  Settings s;
  const SettingsParseResult r = LoadSettings(path, s);
  EXPECT_EQ(r.status, SettingsStatus::kLoaded);
  EXPECT_EQ(FormatSettings(s), bytes);
}

TEST_F(SettingsOnDisk, MissingFileIsAFirstRun) {
  Settings s = Unusual();
  const SettingsParseResult r = LoadSettings(folder_.File("orl4011.ini"), s);
  EXPECT_EQ(r.status, SettingsStatus::kFirstRun);
  EXPECT_EQ(FormatSettings(s), FormatSettings(Unusual()));
}

TEST_F(SettingsOnDisk, FailedSaveIsReportedAndKeepsTheOldFile) {
  const std::string blocker = folder_.File("not-a-folder");
  std::ofstream(blocker) << "x";
  std::string error;
  EXPECT_FALSE(SaveSettings(blocker + "/orl4011.ini", Settings{}, &error));
  EXPECT_NE(error.find("not-a-folder"), std::string::npos) << error;

  const std::string path = folder_.File("orl4011.ini");
  ASSERT_TRUE(SaveSettings(path, Unusual(), &error)) << error;
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // the rename can no longer succeed
  EXPECT_FALSE(SaveSettings(path, Settings{}, &error));
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(DefaultSettingsPath, FollowsTheConfigurationFolder) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  const std::string savedHome = oldHome ? oldHome : "";

  ::setenv("HOME", "/home/ravi", 1);
  ::setenv("XDG_CONFIG_HOME", "/srv/cfg", 1);
  EXPECT_EQ(DefaultSettingsPath(), "/srv/cfg/orvane/orl4011.ini");
  ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // only absolute paths count
  EXPECT_EQ(DefaultSettingsPath(), "/home/ravi/.config/orvane/orl4011.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(DefaultSettingsPath(), "/home/ravi/.config/orvane/orl4011.ini");

  oldXdg ? ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  oldHome ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
}

}  // namespace
}  // namespace orvane
