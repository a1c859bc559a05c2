// orvane-cli's chart-library commands as scripts use them.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "library/chart_library.h"
#include "library/facts.h"
#include "tests/common/cli_process.h"

namespace {

using orvane::testing_support::CliRun;
using orvane::testing_support::RunCliProcess;
namespace fs = std::filesystem;

std::string Fresh(const std::string& name) {
  const std::string path = ::testing::TempDir() + "libcli_" + std::to_string(getpid()) + "_" + name;
  for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(path + suffix);
  return path;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliLibrary, ImportQueryExportAndImportAgain) {
  const std::string db = Fresh("a.sqlite");
  const std::string csv = orvane::testing_support::WriteTempFile(
      "lib_rows.csv",
      "id,date,time,utc_offset,lon,lat\n"
      "Ravi,1970-04-04,17:50,+05:30,81:12E,16:15N\n"
      "bad date,1970-02-30,10:00,+05:30,81:12E,16:15N\n"
      "Sita,1990-05-17,10:30,+05:30,80:17E,13:05N\n"
      "too,few\n");
  const CliRun imported = RunCliProcess({"--db", db, "--import", csv});
  EXPECT_EQ(imported.status, 2);  // bad rows: one message each, the rest imported
  const std::vector<std::string> errors = Lines(imported.err);
  ASSERT_EQ(errors.size(), 3u) << imported.err;
  EXPECT_NE(errors[0].find("line 3 (id bad date)"), std::string::npos) << errors[0];
  EXPECT_NE(errors[1].find("line 5"), std::string::npos) << errors[1];
  EXPECT_EQ(errors[2], "orvane-cli: 2 charts imported, 2 records refused");

  const CliRun where = RunCliProcess({"--db", db, "--where", "moon.sign == \"Capricorn\"", "--json"});
  ASSERT_EQ(where.status, 0) << where.err;
  const std::vector<std::string> found = Lines(where.out);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(nlohmann::json::parse(found[0]).at("name"), "Sita");

  EXPECT_EQ(RunCliProcess({"--db", db, "--tag", "1:family"}).status, 0);
  const CliRun tagged = RunCliProcess({"--db", db, "--where", "tag(\"family\")"});
  EXPECT_EQ(Lines(tagged.out).size(), 1u);

  const CliRun bad = RunCliProcess({"--db", db, "--where", "moon.sign == \"Scorpion\""});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err,
            "orvane-cli: --where: column 14: moon.sign is a sign (\"Aries\" .. \"Pisces\"), not \"Scorpion\"\n"
            "  moon.sign == \"Scorpion\"\n"
            "               ^\n");

  // Both exports read back in with the same facts.
  for (const char* format : {"csv", "jsonl", "aaf"}) {
    SCOPED_TRACE(format);
    const CliRun exported = RunCliProcess({"--db", db, "--export", format});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string file = orvane::testing_support::WriteTempFile(std::string("export.") + format, exported.out);
    const std::string copy = Fresh(std::string("copy_") + format + ".sqlite");
    const CliRun again = RunCliProcess({"--db", copy, "--import", file});
    ASSERT_EQ(again.status, 0) << again.err;
    for (const char* id : {"1", "2"}) {
      EXPECT_EQ(RunCliProcess({"--db", copy, "--facts", id}).out, RunCliProcess({"--db", db, "--facts", id}).out);
    }
  }
  // Life events, kept with the chart and removed with it.
  EXPECT_EQ(RunCliProcess({"--db", db, "--event", "1:marriage:1995-05-01:in Chennai"}).status, 0);
  EXPECT_EQ(RunCliProcess({"--db", db, "--event", "1:job:1992-07-15"}).status, 0);
  EXPECT_EQ(RunCliProcess({"--db", db, "--events", "1"}).out, "1992-07-15\tjob\t\n1995-05-01\tmarriage\tin Chennai\n");
  const CliRun badEvent = RunCliProcess({"--db", db, "--event", "1:marriage:1995-13-01"});
  EXPECT_EQ(badEvent.status, 2);
  EXPECT_NE(badEvent.err.find("takes ID:KIND:YYYY-MM-DD[:NOTE]"), std::string::npos) << badEvent.err;
  EXPECT_NE(RunCliProcess({"--db", db, "--event", "99:job:2000-01-01"}).err.find("no chart has the id 99"), std::string::npos);

  const CliRun counts = RunCliProcess({"--db", db, "--count-by", "sun.sign", "--json"});
  ASSERT_EQ(counts.status, 0) << counts.err;
  EXPECT_EQ(nlohmann::json::parse(counts.out).at("charts"), 2);
  EXPECT_EQ(RunCliProcess({"--db", db, "--check"}).status, 0);
}

// A kill in the middle of an import leaves the library as it was: the
// import is one transaction.
TEST(CliLibrary, AKilledImportLeavesTheLibraryAsItWas) {
  const std::string db = Fresh("killed.sqlite");
  std::string rows = "id,date,time,utc_offset,lon,lat\n";
  for (int i = 0; i < 20000; ++i) rows += "c" + std::to_string(i) + ",19" + std::to_string(10 + i % 90) + "-03-01,10:00,+05:30,80:17E,13:05N\n";
  const std::string csv = orvane::testing_support::WriteTempFile("lib_many.csv", rows);
  ASSERT_EQ(RunCliProcess({"--db", db, "--import", orvane::testing_support::WriteTempFile(
                                                          "lib_one.csv", "id,date,time\none,2000-01-01,12:00\n")})
                .status,
            0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    execl(ORVANE_CLI_PATH, ORVANE_CLI_PATH, "--db", db.c_str(), "--import", csv.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  usleep(400000);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it was killed";
  orvane::library::ChartLibrary lib;
  std::string error;
  ASSERT_TRUE(lib.Open(db, &error)) << error;
  EXPECT_EQ(lib.IntegrityCheck(), "ok");
  EXPECT_EQ(lib.Count(), 1);
}

TEST(CliLibrary, DocsNameEveryFact) {
  std::ifstream file(ORVANE_SOURCE_DIR "/docs/library.md");
  const std::string docs((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(docs.empty());
  for (const orvane::library::FactInfo& f : orvane::library::FactCatalogue()) {
    EXPECT_NE(docs.find("`" + f.name + "`"), std::string::npos) << f.name;
  }
}

TEST(CliLibrary, OptionsRefusedWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--db", "x.sqlite"}, "--db goes with a library command"},
      {{"--list", "--import", "a.csv"}, "one library command at a time"},
      {{"--list", "--now"}, "the library commands take no chart options"},
      {{"--list", "chart.orv"}, "chart files go with --add"},
      {{"--add"}, "--add takes chart files or folders"},
      {{"--list", "--control", "shuffle"}, "--control goes with --count-by"},
      {{"--count-by", "sun.sign", "--control", "bootstrap"}, "--control takes shuffle or random"},
      {{"--export", "xml"}, "--export takes csv, jsonl or aaf"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCliProcess(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  const std::string text = Fresh("notes.txt");
  std::ofstream(text) << "not a library\n";
  const CliRun refused = RunCliProcess({"--db", text, "--list"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("not a chart library (not an SQLite file)"), std::string::npos) << refused.err;
}

}  // namespace
