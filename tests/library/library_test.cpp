// The chart library: its query language, its SQLite file (what it refuses,
// what survives a kill), the AAF reader, the chi-square test.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/library_cli.h"
#include "library/aaf.h"
#include "library/chart_library.h"
#include "library/query.h"

namespace orvane::library {
namespace {

namespace fs = std::filesystem;

std::string TempPath(const std::string& name) {
  const std::string path = ::testing::TempDir() + "library_" + std::to_string(getpid()) + "_" + name;
  for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(path + suffix);
  return path;
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(LibraryQuery, CompilesToParameterisedSql) {
  struct Case {
    const char* text;
    const char* sql;
    std::vector<QueryValue> params;
  };
  const Case cases[] = {
      {"moon.sign == \"Scorpio\" and jupiter.house in [1, 4, 7, 10]",
       "(f.moon_sign = ? AND f.jupiter_house IN (?, ?, ?, ?))",
       {std::int64_t{7}, std::int64_t{1}, std::int64_t{4}, std::int64_t{7}, std::int64_t{10}}},
      {"not saturn.retrograde", "(NOT f.saturn_retrograde = 1)", {}},
      {"lagna.nakshatra == \"Rohini\"", "f.lagna_nakshatra = ?", {std::int64_t{3}}},
      {"moon.nakshatra != 'purva phalguni'", "f.moon_nakshatra <> ?", {std::int64_t{10}}},
      {"has_yoga(\"gaja-kesari\") or tag(\"client\")",
       "(EXISTS (SELECT 1 FROM chart_yogas y WHERE y.chart_id = c.id AND y.yoga = ?) OR EXISTS (SELECT 1 FROM tags t "
       "WHERE t.chart_id = c.id AND t.tag = ?))",
       {std::string("gaja-kesari"), std::string("client")}},
      {"(sun.dignity == \"exalted\" or mars.dignity == \"own\") and year >= 1900",
       "((f.sun_dignity = ? OR f.mars_dignity = ?) AND c.year >= ?)",
       {std::string("exalted"), std::string("own"), std::int64_t{1900}}},
      {"dasa.lord == \"Ketu\"", "f.dasa_lord = ?", {std::string("Ketu")}},
      {"   ", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CompiledQuery q;
    std::string error;
    ASSERT_TRUE(CompileQuery(c.text, q, &error)) << error;
    EXPECT_EQ(q.where, c.sql);
    EXPECT_EQ(q.params, c.params);
  }
}

TEST(LibraryQuery, ErrorsSayWhere) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"moon.sgn == \"Scorpio\"", "column 1: unknown fact 'moon.sgn' (moon.sign, moon.house,"},
      {"moon.sign == \"Scorpion\"", "column 14: moon.sign is a sign (\"Aries\" .. \"Pisces\"), not \"Scorpion\""},
      {"moon.sign = \"Scorpio\"", "column 11: '=' is not an operator (write == or !=)"},
      {"moon.sign < \"Scorpio\"", "column 11: moon.sign can only be compared with == or !="},
      {"jupiter.house in [1, 13]", "column 22: jupiter.house is a whole number from 1 to 12, not 13"},
      {"(moon.sign == \"Leo\"", "column 20: ')' expected for the '(' at column 1"},
      {"moon.sign == \"Leo", "column 14: a text that is not closed"},
      {"has_yoga(\"no-such-yoga\")", "column 1: no yoga has the key \"no-such-yoga\""},
      {"moon.sign == \"Leo\" moon", "column 20: unexpected 'moon'"},
      {"moon.sign == \"Leo\"; DROP TABLE charts", "column 19: unexpected character ';'"},
      {"saturn.house", "column 13: == , != , <, >, in [...] expected after saturn.house"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CompiledQuery q;
    std::string error;
    EXPECT_FALSE(CompileQuery(c.text, q, &error));
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    EXPECT_TRUE(q.where.empty() && q.params.empty());
  }
  std::string deep(200, '(');
  CompiledQuery q;
  std::string error;
  EXPECT_FALSE(CompileQuery(deep + "sun.retrograde", q, &error));
  EXPECT_NE(error.find("nested too deeply"), std::string::npos) << error;
}

ChartEntry Entry(const std::string& name, double year) {
  ChartEntry e;
  e.name = name;
  e.birth = {4, 4, year, 17.50, -5.30, -81.12, 16.15};
  e.place = "Machilipatnam, IN";
  return e;
}

ChartFacts FactsWithMoonIn(int sign, std::vector<std::string> yogas = {}) {
  ChartFacts f;
  f.points[2].sign = sign;
  f.dasaLord = "Jupiter";
  f.yogas = std::move(yogas);
  return f;
}

std::vector<std::string> Names(ChartLibrary& db, const std::string& where) {
  CompiledQuery q;
  std::string error;
  EXPECT_TRUE(CompileQuery(where, q, &error)) << error;
  std::vector<std::string> names;
  EXPECT_TRUE(db.Where(q, [&](const ChartEntry& e) { names.push_back(e.name); }, &error)) << error;
  return names;
}

TEST(ChartLibrary, KeepsChartsTagsEventsAndFacts) {
  const std::string path = TempPath("keeps.sqlite");
  ChartLibrary db;
  std::string error;
  ASSERT_TRUE(db.Open(path, &error)) << error;
  const std::int64_t a = db.Add(Entry("Ravi Kumar", 1970), FactsWithMoonIn(7, {"gaja-kesari"}), "k", &error);
  const std::int64_t b = db.Add(Entry("Rama", 1980), FactsWithMoonIn(3), "k", &error);
  ASSERT_GT(a, 0) << error;
  ASSERT_GT(b, 0) << error;
  EXPECT_TRUE(db.AddTag(a, "client", &error));
  EXPECT_FALSE(db.AddTag(99, "client", &error));
  EXPECT_GT(db.AddEvent({0, a, "marriage", "1995-05-01", ""}, &error), 0);
  EXPECT_TRUE(db.SetNotes(b, "from his mother", &error));

  EXPECT_EQ(Names(db, "moon.sign == \"Scorpio\""), (std::vector<std::string>{"Ravi Kumar"}));
  EXPECT_EQ(Names(db, "has_yoga(\"gaja-kesari\")"), (std::vector<std::string>{"Ravi Kumar"}));
  EXPECT_EQ(Names(db, "tag(\"client\")"), (std::vector<std::string>{"Ravi Kumar"}));
  EXPECT_EQ(Names(db, "not tag(\"client\")"), (std::vector<std::string>{"Rama"}));
  EXPECT_EQ(Names(db, "year < 1975"), (std::vector<std::string>{"Ravi Kumar"}));
  // Text goes in as a value, never as SQL.
  EXPECT_TRUE(Names(db, "name == \"x' OR 1=1 --\"").empty());
  EXPECT_TRUE(Names(db, "tag(\"') OR 1=1; DROP TABLE charts; --\")").empty());
  EXPECT_EQ(db.Count(), 2);

  std::vector<std::string> found;
  for (const ChartEntry& e : db.FindByName("ra", 10)) found.push_back(e.name);
  EXPECT_EQ(found, (std::vector<std::string>{"Rama", "Ravi Kumar"}));
  EXPECT_TRUE(db.FindByName("%", 10).empty());  // the pattern's own characters are text

  ChartEntry got;
  ASSERT_TRUE(db.Get(a, got));
  EXPECT_EQ(got.tags, (std::vector<std::string>{"client"}));
  EXPECT_EQ(got.birth.time, 17.50);
  EXPECT_EQ(db.Events(a).size(), 1u);

  // Removing a chart takes its tags, events, facts and yogas with it.
  ASSERT_TRUE(db.Remove(a, &error)) << error;
  EXPECT_FALSE(db.Remove(a, &error));
  EXPECT_TRUE(db.Events(a).empty());
  EXPECT_TRUE(Names(db, "has_yoga(\"gaja-kesari\")").empty());
  EXPECT_EQ(db.IntegrityCheck(), "ok");

  // A backup is a library of its own.
  const std::string copy = TempPath("copy.sqlite");
  ASSERT_TRUE(db.Backup(copy, &error)) << error;
  ChartLibrary other;
  ASSERT_TRUE(other.Open(copy, &error)) << error;
  EXPECT_EQ(other.Count(), 1);
}

TEST(ChartLibrary, RefusesFilesItDidNotMakeAndLeavesThemAlone) {
  std::string error;
  // Not SQLite at all.
  const std::string text = TempPath("notes.sqlite");
  std::ofstream(text) << "my notes, not a database\n";
  // An SQLite file of another program.
  const std::string other = TempPath("other.sqlite");
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(other.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES(1);", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  // A library of a newer Orvane.
  const std::string newer = TempPath("newer.sqlite");
  {
    ChartLibrary lib;
    ASSERT_TRUE(lib.Open(newer, &error)) << error;
  }
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(newer.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA user_version=99;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  struct Case {
    std::string path;
    const char* message;
  };
  for (const Case& c : {Case{text, "not a chart library (not an SQLite file)"}, Case{other, "not an Orvane chart library"},
                        Case{newer, "made by a newer Orvane (library version 99"}}) {
    SCOPED_TRACE(c.path);
    const std::string before = Bytes(c.path);
    ChartLibrary db;
    EXPECT_FALSE(db.Open(c.path, &error));
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_EQ(Bytes(c.path), before);
    EXPECT_FALSE(fs::exists(c.path + "-wal"));
  }
}

// A process killed in the middle of its changes leaves a library that opens,
// passes the integrity check and holds whole transactions only.
TEST(ChartLibrary, SurvivesAKillDuringChanges) {
  const std::string path = TempPath("killed.sqlite");
  for (int round = 0; round < 3; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ChartLibrary db;
      std::string error;
      if (!db.Open(path, &error)) _exit(3);
      for (int i = 0;; ++i) {
        // Ten charts to a transaction, with an edit of an earlier one.
        db.Begin(&error);
        for (int k = 0; k < 10; ++k) db.Add(Entry("chart " + std::to_string(i), 1900 + i % 100), FactsWithMoonIn(i % 12), "k", &error);
        db.AddTag(1 + i, "seen", &error);
        db.SetNotes(1 + i / 2, "note " + std::to_string(i), &error);
        db.Commit(&error);
      }
    }
    usleep(150000 + 70000 * round);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ChartLibrary db;
    std::string error;
    ASSERT_TRUE(db.Open(path, &error)) << error;
    EXPECT_EQ(db.IntegrityCheck(), "ok");
    EXPECT_EQ(db.Count() % 10, 0) << "a transaction was cut in two";
  }
}

TEST(Aaf, RecordsAndTheirErrors) {
  std::istringstream in(
      "#: a comment\n"
      "#A93:Einstein,Albert,m,14.03.1879,11:30,Ulm,D\n"
      "#B93:2407422.93958,48n24,10e00,0hE40,0\n"
      "#A93:Doe,Jane,f,01.07.1990,06:05:40,New York,USA\n"
      "#B93:*,40n43,74w00,5hW00,1\n"
      "#A93:Bad,Date,f,31.13.1900,10:00,X,Y\n"
      "#B93:*,1n1,1e1,1hE00,0\n"
      "#A93:Bad,Place,m,01.01.1900,10:00,X,Y\n"
      "#B93:*,91n00,1e1,1hE00,0\n"
      "#B93:*,1n1,1e1,1hE00,0\n"
      "#A93:Lonely,One,m,01.01.1900,10:00,X,Y\n");
  std::vector<ChartEntry> charts;
  std::vector<std::string> errors;
  ReadAaf(in, [&](const ChartEntry* e, const std::string& error, std::size_t line) {
    if (e) charts.push_back(*e);
    else errors.push_back(std::to_string(line) + ": " + error);
  });
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0].name, "Albert Einstein");
  EXPECT_EQ(charts[0].gender, "m");
  // File units: the zone hours + minutes/100 west positive, longitude west
  // positive, latitude north positive, time hours + minutes/100.
  EXPECT_DOUBLE_EQ(charts[0].birth.zone, -0.40);
  EXPECT_DOUBLE_EQ(charts[0].birth.longitude, -10.00);
  EXPECT_DOUBLE_EQ(charts[0].birth.latitude, 48.24);
  EXPECT_DOUBLE_EQ(charts[0].birth.time, 11.30);
  EXPECT_EQ(charts[0].place, "Ulm, D");
  EXPECT_DOUBLE_EQ(charts[1].birth.zone, 4.00);  // 5 h west, daylight saving in force
  EXPECT_DOUBLE_EQ(charts[1].birth.longitude, 74.00);
  EXPECT_NEAR(charts[1].birth.time, 6.05 + 40 / 6000.0, 1e-12);
  EXPECT_EQ(errors, (std::vector<std::string>{"6: the date \"31.13.1900\" is not dd.mm.yyyy",
                                             "8: #B93 latitude \"91n00\", longitude \"1e1\" or zone \"1hE00\" cannot be read",
                                             "10: a #B93 line without its #A93 record",
                                             "11: a #A93 record without its #B93 line"}));
  // Written and read back.
  std::istringstream again(FormatAaf(charts[0]) + FormatAaf(charts[1]));
  std::vector<ChartEntry> back;
  ReadAaf(again, [&](const ChartEntry* e, const std::string&, std::size_t) {
    if (e) back.push_back(*e);
  });
  ASSERT_EQ(back.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_DOUBLE_EQ(back[i].birth.zone, charts[i].birth.zone);
    EXPECT_DOUBLE_EQ(back[i].birth.longitude, charts[i].birth.longitude);
    EXPECT_DOUBLE_EQ(back[i].birth.latitude, charts[i].birth.latitude);
    EXPECT_NEAR(back[i].birth.time, charts[i].birth.time, 0.006);  // AAF keeps whole minutes
  }
}

TEST(ChiSquare, KnownValues) {
  // (10-20)^2/20 + 0 + (30-20)^2/20 = 10 with 2 degrees: p = exp(-10 / 2).
  const ChiSquare a = ChiSquareTest({10, 20, 30}, {20, 20, 20});
  EXPECT_DOUBLE_EQ(a.statistic, 10);
  EXPECT_EQ(a.degrees, 2);
  EXPECT_NEAR(a.p, std::exp(-5.0), 1e-12);
  // One degree of freedom at the table's 5 % point, 3.841459.
  const ChiSquare b = ChiSquareTest({0, 1 + std::sqrt(2.841459)}, {1, 1});
  EXPECT_EQ(b.degrees, 1);
  EXPECT_NEAR(b.p, 0.05, 1e-6);
  // Eleven degrees at the 1 % point, 24.725.
  std::vector<double> observed(12, 10), expected(12, 10);
  observed[0] = 10 + std::sqrt(24.725 * 10);
  EXPECT_NEAR(ChiSquareTest(observed, expected).p, 0.01, 1e-4);
  EXPECT_EQ(ChiSquareTest({5, 5}, {5, 5}).p, 1.0);
}

}  // namespace
}  // namespace orvane::library
