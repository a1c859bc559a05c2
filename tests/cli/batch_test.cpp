// Batches of births: --input in CSV and JSON Lines, bad rows, the worker
// pool's order and bound, and the GNU parallel recipe of the README.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/batch.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "batch_" + std::to_string(getpid()) + "_" + name;
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Runs a shell command line; its standard error goes to a file of its own.
Outcome Shell(const std::string& command) {
  static int counter = 0;
  const std::string errPath = TempPath("stderr_" + std::to_string(counter++));
  Outcome run;
  std::FILE* pipe = popen((command + " 2>'" + errPath + "'").c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = ReadFile(errPath);
  std::remove(errPath.c_str());
  return run;
}

Outcome Cli(const std::string& args) { return Shell(std::string(ORVANE_CLI_PATH) + " " + args); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Births over the centuries and both hemispheres, in the options' notations.
struct Birth {
  const char* id;
  const char* date;
  const char* time;
  const char* offset;
  const char* lon;
  const char* lat;
};
constexpr Birth kBirths[] = {
    {"default", "1970-04-04", "17:50", "+05:30", "81:12E", "16:15N"},
    {"london", "2000-01-01", "00:00", "Z", "0:07W", "51:30N"},
    {"ny", "1955-07-15", "06:45:30", "-05:00", "74:00W", "40:43N"},
    {"sydney", "1888-11-30", "23:59", "+10:00", "151:12E", "33:52S"},
    {"old", "-0500-03-01", "12:00", "+02:00", "23:43E", "37:58N"},
    {"far", "2399-12-31", "04:00", "-03:00", "43:10W", "22:54S"},
    {"arctic", "1999-06-21", "12:00", "+01:00", "15:38E", "78:13N"},
    {"tromso", "2020-12-21", "09:30", "+01:00", "18:57E", "69:39N"},
};

std::string Csv(int repeat) {
  std::string csv = "id,date,time,utc_offset,lon,lat\n";
  for (int r = 0; r < repeat; ++r)
    for (const Birth& b : kBirths)
      csv += std::string(b.id) + std::to_string(r) + "," + b.date + "," + b.time + "," + b.offset + "," + b.lon + "," +
             b.lat + "\n";
  return csv;
}

std::string BirthArgs(const Birth& b) {
  return std::string("--date ") + b.date + " --time " + b.time + " --utc-offset " + b.offset + " --lon " + b.lon +
         " --lat " + b.lat;
}

TEST(Batch, RowsGiveTheChartsOfTheBirthOptionsWithTheirIds) {
  const std::string csv = WriteFile("rows.csv", Csv(1));
  for (const char* form : {"--json", "--section 4", "--tajaka 2026 --section 10", ""}) {
    SCOPED_TRACE(form);
    const Outcome batch = Cli(std::string(form) + " --input " + csv);
    ASSERT_EQ(batch.status, 0) << batch.err;
    std::string expected;
    for (const Birth& b : kBirths) {
      const Outcome one = Cli(std::string(form) + " " + BirthArgs(b));
      ASSERT_EQ(one.status, 0) << one.err;
      const std::string id = std::string(b.id) + "0";
      if (std::string(form) == "--json") {
        expected += "{\"id\":\"" + id + "\"," + one.out.substr(1);
      } else {
        for (const std::string& line : Lines(one.out)) expected += id + "\t" + line + "\n";
      }
    }
    EXPECT_EQ(batch.out, expected);
  }
}

// --fields keeps the keys asked for (and the row's id) with the whole
// chart's values, in the chart's order.
TEST(Batch, FieldsKeepTheirKeysWithTheSameBytes) {
  const std::string csv = WriteFile("fields.csv", Csv(1));
  const Outcome whole = Cli("--json --input " + csv);
  ASSERT_EQ(whole.status, 0) << whole.err;
  struct Case {
    const char* fields;
    std::vector<std::string> keys;  // kept where the chart has them
  };
  const Case cases[] = {
      {"vimsottari,slots", {"id", "slots", "vimsottari"}},
      {"ephemeris", {"id", "ephemeris", "ephemeris_source", "classic_range_note"}},
      {"birth,birth,tajaka", {"id", "birth", "tajaka"}},
      {"place", {"id"}},  // no --place: nothing to keep
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fields);
    for (const char* jobs : {"1", "2"}) {
      const Outcome some = Cli(std::string("--json --jobs ") + jobs + " --fields " + c.fields + " --input " + csv);
      ASSERT_EQ(some.status, 0) << some.err;
      const std::vector<std::string> all = Lines(whole.out), kept = Lines(some.out);
      ASSERT_EQ(kept.size(), all.size());
      for (std::size_t i = 0; i < all.size(); ++i) {
        const nlohmann::ordered_json a = nlohmann::ordered_json::parse(all[i]);
        const nlohmann::ordered_json k = nlohmann::ordered_json::parse(kept[i]);
        std::vector<std::string> expected, keys;
        for (const auto& [key, value] : a.items()) {
          if (std::find(c.keys.begin(), c.keys.end(), key) != c.keys.end()) expected.push_back(key);
        }
        for (const auto& [key, value] : k.items()) {
          keys.push_back(key);
          EXPECT_EQ(value, a.at(key)) << key;
        }
        EXPECT_EQ(keys, expected);
        EXPECT_GE(keys.size(), std::string(c.fields) == "place" ? 1u : 2u);
      }
    }
  }
}

TEST(Batch, WorkersPrintInInputOrderWhateverTheirNumber) {
  const std::string csv = WriteFile("order.csv", Csv(6));
  const Outcome one = Cli("--json --jobs 1 --input " + csv);
  ASSERT_EQ(one.status, 0) << one.err;
  ASSERT_EQ(Lines(one.out).size(), 6 * std::size(kBirths));
  for (const char* jobs : {"2", "3", "16"}) {
    SCOPED_TRACE(jobs);
    const Outcome many = Shell("cat " + csv + " | " + ORVANE_CLI_PATH + " --json --input - --jobs " + jobs);
    ASSERT_EQ(many.status, 0) << many.err;
    EXPECT_EQ(many.out, one.out);
  }
  // Several chart files go through the pool too.
  const std::string a = WriteFile("a.orv", "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15");
  const std::string b = WriteFile("b.orv", "1\n1\n2000\n12.0000\n0.00\n0.00\n51.30\n");
  const Outcome files1 = Cli("--section 4 --jobs 1 " + a + " /nonexistent.orv " + b + " " + a);
  const Outcome files3 = Cli("--section 4 --jobs 3 " + a + " /nonexistent.orv " + b + " " + a);
  EXPECT_EQ(files1.status, 1);
  EXPECT_EQ(files3.status, 1);
  EXPECT_EQ(files3.out, files1.out);
  EXPECT_EQ(files3.err, "File '/nonexistent.orv' not found.\n");
}

// 200 random births (1800..2200, every zone and latitude) in the CSV form.
std::string RandomCsv(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> year(1800, 2200), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      zoneQuarter(-48, 56), lonDeg(0, 179), latDeg(0, 66), sign(0, 1);
  std::string csv = "id,date,time,utc_offset,lon,lat\n";
  char row[160];
  for (int i = 0; i < 200; ++i) {
    const int z = zoneQuarter(rng) * 15;
    std::snprintf(row, sizeof row, "r%d,%04d-%02d-%02d,%02d:%02d,%c%02d:%02d,%d:%02d%c,%d:%02d%c\n", i, year(rng),
                  month(rng), day(rng), hour(rng), minute(rng), z < 0 ? '-' : '+', std::abs(z) / 60, std::abs(z) % 60,
                  lonDeg(rng), minute(rng), sign(rng) ? 'E' : 'W', latDeg(rng), minute(rng), sign(rng) ? 'N' : 'S');
    csv += row;
  }
  return csv;
}

// Workers compute exactly what one thread computes, with either engine and
// whatever ran on the thread before: the Swiss library keeps its settings
// (the sidereal mode, the data path) per thread.
TEST(Batch, WorkersGiveTheBytesOfOneWorkerWithEitherEngine) {
  const std::string csv = WriteFile("random.csv", RandomCsv(31));
  for (const char* form : {"--json", "--complete", "--tajaka 2030 --json"}) {
    for (const char* engine : {"classic", "swiss"}) {
      SCOPED_TRACE(std::string(form) + " " + engine);
      const std::string args = std::string(form) + " --ephemeris " + engine + " --input " + csv;
      const Outcome one = Cli("--jobs 1 " + args);
      ASSERT_EQ(one.status, 0) << one.err;
      for (int run = 0; run < 2; ++run) {
        const Outcome two = Cli("--jobs 2 " + args);
        ASSERT_EQ(two.status, 0) << two.err;
        EXPECT_TRUE(two.out == one.out) << "run " << run << " of two workers differs from one worker";
      }
    }
  }
}

TEST(Batch, JsonLinesTakeTheSameKeys) {
  const std::string lines = WriteFile("rows.jsonl",
                                      "{\"id\": 17, \"date\": \"1970-04-04\", \"time\": \"17:50\", \"utc_offset\": "
                                      "\"+05:30\", \"lon\": \"81:12E\", \"lat\": \"16:15N\"}\n"
                                      "\n"
                                      "{\"lat\":\"16:15N\",\"lon\":\"81:12E\",\"utc_offset\":\"+05:30\",\"time\":"
                                      "\"17:50\",\"date\":\"1970-04-04\",\"id\":\"tab\\there \\u00e9\"}\r\n"
                                      "{\"date\":\"1970-04-04\",\"time\":\"17:50\"}\n");
  const Outcome run = Cli("--json --input " + lines);
  ASSERT_EQ(run.status, 0) << run.err;
  const Outcome one = Cli("--json " + BirthArgs(kBirths[0]));
  const std::string chart = one.out.substr(1);
  const Outcome defaults = Cli("--json --date 1970-04-04 --time 17:50");
  EXPECT_EQ(run.out, "{\"id\":17," + chart + "{\"id\":\"tab\\u0009here \u00e9\"," + chart + "{\"id\":4," +
                         defaults.out.substr(1));
  // Text output puts the id before every line, shown as names are: a control
  // character as an escape.
  const Outcome text = Cli("--section 4 --input " + lines);
  for (const std::string& line : Lines(text.out))
    EXPECT_TRUE(line.rfind("17\t", 0) == 0 || line.rfind("tab\\x09here \u00e9\t", 0) == 0 || line.rfind("4\t", 0) == 0)
        << line;
}

// Ids that could drive a terminal, reorder a line or are not UTF-8: the JSON
// stays valid UTF-8 (a bad byte as U+FFFD), text output and error lines show
// them escaped, one function for both.
TEST(Batch, HostileIdsAreShownEscapedAndTheJsonStaysUtf8) {
  const std::string csv = WriteFile("hostile.csv",
                                    "id,date,time\n"
                                    "\"bad\xff" "byte\",1970-04-04,17:50\n"
                                    "csi\u009B" "31m,1970-04-04,17:50\n"
                                    "rlo\u202E" "fdp,1970-04-04,17:50\n"
                                    "\"esc\x1b]0;x\",1970-99-04,17:50\n");
  const Outcome json = Cli("--json --input " + csv);
  const std::vector<std::string> out = Lines(json.out);
  ASSERT_EQ(out.size(), 3u) << json.err;
  EXPECT_EQ(out[0].rfind("{\"id\":\"bad\uFFFDbyte\",", 0), 0u) << out[0].substr(0, 40);
  const Outcome text = Cli("--section 4 --input " + csv);
  for (const char* shown : {"bad\\xffbyte\t", "csi\\xc2\\x9b31m\t", "rlo\\u202efdp\t"})
    EXPECT_NE(text.out.find(shown), std::string::npos) << shown;
  EXPECT_EQ(text.out.find("\u009B"), std::string::npos);
  EXPECT_EQ(text.out.find("\u202E"), std::string::npos);
  EXPECT_NE(text.err.find("(id esc\\x1b]0;x)"), std::string::npos) << text.err;
  EXPECT_EQ(text.err.find('\x1b'), std::string::npos);
}

TEST(Batch, BadRowsGiveOneErrorLineEachAndTheGoodRowsPrint) {
  struct Case {
    const char* name;
    const char* input;
    std::vector<std::string> errors;  // what each error line names, in order
  };
  const Case cases[] = {
      {"csv",
       "id,date,time,utc_offset,lon,lat\n"
       "good1,1970-04-04,17:50,+05:30,81:12E,16:15N\n"
       "short,1970-04-04,17:50,+05:30\n"
       "feb30,1970-02-30,17:50,+05:30,81:12E,16:15N\n"
       "junk,junk,junk,junk,junk,junk\n"
       "\"open,1970-04-04,17:50,+05:30,81:12E,16:15N\n"
       "nodate,,17:50,+05:30,81:12E,16:15N\n"
       "badlat,1970-04-04,17:50,+05:30,81:12E,91:00N\n"
       "good2,2000-01-01,00:00,Z,0:07W,51:30N\n",
       {"line 3 (id short): 4 columns", "line 4 (id feb30): date:", "line 5 (id junk): date:", "line 6 (id 6): not a CSV",
        "line 7 (id nodate): date: missing", "line 8 (id badlat): lat:"}},
      {"json lines",
       "{\"id\":\"good1\",\"date\":\"1970-04-04\",\"time\":\"17:50\"}\n"
       "not json at all\n"
       "{\"id\":\"num\",\"date\":\"1970-04-04\",\"time\":1750}\n"
       "{\"id\":\"key\",\"date\":\"1970-04-04\",\"time\":\"17:50\",\"lng\":\"81:12E\"}\n"
       "{\"id\":\"open\",\"date\":\"1970-04-04\",\"time\":\"17:50\"\n"
       "{\"id\":\"twice\",\"date\":\"1970-04-04\",\"date\":\"1970-04-05\",\"time\":\"17:50\"}\n"
       "{\"id\":\"nested\",\"date\":{\"y\":1970},\"time\":\"17:50\"}\n"
       "{\"id\":\"good2\",\"date\":\"2000-01-01\",\"time\":\"00:00\"} \n",
       {"line 2 (id 2): not a JSON object", "line 3 (id num): time:", "line 4 (id key): unknown key \"lng\"",
        "line 5 (id open): the object is not closed", "line 6 (id twice): key \"date\" appears twice",
        "line 7 (id nested):"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteFile("bad_rows", c.input);
    for (const char* jobs : {"1", "3"}) {
      const Outcome run = Cli(std::string("--json --jobs ") + jobs + " --input " + path);
      EXPECT_EQ(run.status, 2);
      const std::vector<std::string> errors = Lines(run.err);
      ASSERT_EQ(errors.size(), c.errors.size()) << run.err;
      for (std::size_t i = 0; i < errors.size(); ++i)
        EXPECT_NE(errors[i].find("input " + c.errors[i]), std::string::npos) << errors[i];
      const std::vector<std::string> out = Lines(run.out);
      ASSERT_EQ(out.size(), 2u);
      EXPECT_EQ(out[0].rfind("{\"id\":\"good1\",\"birth\"", 0), 0u);
      EXPECT_EQ(out[1].rfind("{\"id\":\"good2\",\"birth\"", 0), 0u);
    }
  }
}

// CSV as RFC 4180 reads it (a quoted field may hold commas, doubled quotes
// and line breaks; a quote that no line closes is one bad row and the lines
// after it are rows again), an empty id stands for the line number, and a
// JSON Lines row is a row however long, the first one too.
TEST(Batch, RowsAreReadAsTheirFormatsDefine) {
  const std::string longId(5000, 'x');
  struct Case {
    const char* name;
    std::string input;
    std::vector<std::string> ids;     // the "id" of each chart printed, in order
    std::vector<std::string> errors;  // what each error line names, in order
  };
  const Case cases[] = {
      {"line break in quotes",
       "id,date,time\n\"two\nlines, \"\"quoted\"\"\",1970-04-04,17:50\nafter,2000-01-01,12:00\n",
       {"\"two\\u000alines, \\\"quoted\\\"\"", "\"after\""},
       {}},
      {"crlf line break in quotes", "id,date,time\r\n\"a\r\nb\",1970-04-04,17:50\r\nc,2000-01-01,12:00\r\n",
       {"\"a\\u000ab\"", "\"c\""}, {}},
      {"quote never closed",
       "id,date,time\n\"open,1970-04-04,17:50\nnext,1970-04-04,17:50\nlast,2000-01-01,12:00\n",
       {"\"next\"", "\"last\""},
       {"line 2 (id 2): not a CSV line"}},
      {"empty csv id", "id,date,time\n,1970-04-04,17:50\n\"\",2000-01-01,12:00\n", {"2", "3"}, {}},
      {"empty json id", "{\"id\":\"\",\"date\":\"1970-04-04\",\"time\":\"17:50\"}\n", {"1"}, {}},
      {"long first json row",
       "{\"id\":\"" + longId + "\",\"date\":\"1970-04-04\",\"time\":\"17:50\"}\n"
       "{\"id\":\"short\",\"date\":\"1970-04-04\",\"time\":\"17:50\"}\n",
       {"\"short\""},
       {"line 1 (id 1): longer than 4096 bytes"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome run = Cli("--json --input " + WriteFile("formats", c.input));
    EXPECT_EQ(run.status, c.errors.empty() ? 0 : 2) << run.err;
    const std::vector<std::string> out = Lines(run.out);
    ASSERT_EQ(out.size(), c.ids.size()) << run.out << run.err;
    for (std::size_t i = 0; i < out.size(); ++i)
      EXPECT_EQ(out[i].rfind("{\"id\":" + c.ids[i] + ",\"birth\"", 0), 0u) << out[i].substr(0, 80);
    const std::vector<std::string> errors = Lines(run.err);
    ASSERT_EQ(errors.size(), c.errors.size()) << run.err;
    for (std::size_t i = 0; i < errors.size(); ++i)
      EXPECT_NE(errors[i].find("input " + c.errors[i]), std::string::npos) << errors[i];
  }
}

TEST(Batch, AnUnusableHeaderOrFileStopsBeforeAnyChart) {
  struct Case {
    const char* name;
    const char* input;
    const char* message;
  };
  const Case cases[] = {
      {"unknown column", "id,date,time,zone\n1,1970-04-04,17:50,5\n", "unknown column \"zone\""},
      {"no time column", "date,lon\n1970-04-04,81:12E\n", "needs the columns date and time"},
      {"column twice", "date,time,date\n1970-04-04,17:50,1970-04-04\n", "column \"date\" appears twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome run = Cli("--json --input " + WriteFile("header.csv", c.input));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  const Outcome missing = Cli("--input /nonexistent/births.csv");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(Lines(missing.err).size(), 1u);
  for (const char* args : {"--input", "--jobs 0 --now", "--jobs x --now", "--input - --now"}) {
    SCOPED_TRACE(args);
    const Outcome bad = Cli(args);
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(Lines(bad.err).size(), 1u);
  }
}

// --input reads files and pipes (a pipe as its rows come, from a writer that
// may come later) and refuses at once what never ends or is no file; a named
// pipe that nobody writes into is refused after ten seconds, never waited on
// for ever.
TEST(Batch, InputTakesFilesAndPipesAndRefusesDevices) {
  const std::string csv = WriteFile("piped.csv", Csv(1));
  const Outcome file = Cli("--json --input " + csv);
  ASSERT_EQ(file.status, 0) << file.err;
  for (const char* device : {"/dev/zero", "/dev/null", "/tmp"}) {
    SCOPED_TRACE(device);
    const Outcome refused = Cli(std::string("--json --input ") + device);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(Lines(refused.err).size(), 1u) << refused.err;
    EXPECT_NE(refused.err.find("is not a file of births"), std::string::npos) << refused.err;
  }
  const std::string fifo = TempPath("births.fifo");
  std::remove(fifo.c_str());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Process substitution, and a writer that opens the named pipe a second late.
  const Outcome substituted = Shell("bash -c '" + std::string(ORVANE_CLI_PATH) + " --json --input <(cat " + csv + ")'");
  EXPECT_EQ(substituted.status, 0) << substituted.err;
  EXPECT_EQ(substituted.out, file.out);
  const Outcome late = Shell("(sleep 1; cat " + csv + " > " + fifo + ") & " + ORVANE_CLI_PATH + " --json --input " + fifo);
  EXPECT_EQ(late.status, 0) << late.err;
  EXPECT_EQ(late.out, file.out);
  const Outcome nobody = Cli("--json --input " + fifo);
  EXPECT_EQ(nobody.status, 2);
  EXPECT_NE(nobody.err.find("no program wrote into the pipe"), std::string::npos) << nobody.err;
  std::remove(fifo.c_str());
}

// The README's recipe: GNU parallel cuts the CSV into blocks, repeats the
// header for each and keeps the order of the blocks' output.
TEST(Batch, GnuParallelRecipeGivesTheLinesOfOneProcess) {
  if (Shell("command -v parallel").status != 0) GTEST_SKIP() << "GNU parallel is not installed (scripts/deps.sh)";
  const std::string csv = WriteFile("parallel.csv", Csv(12));
  const Outcome one = Cli("--json --input " + csv);
  ASSERT_EQ(one.status, 0) << one.err;
  const Outcome split = Shell("parallel --will-cite --pipe --header : --keep-order -j2 --block 1k " +
                          std::string(ORVANE_CLI_PATH) + " --json --jobs 1 --input - < " + csv);
  ASSERT_EQ(split.status, 0) << split.err;
  EXPECT_EQ(split.out, one.out);
  EXPECT_EQ(Lines(split.out).size(), 12 * std::size(kBirths));
}

// Under a memory limit that lets only some of 1,024 threads start, the batch
// runs on half of those that did (threads that took the whole limit would
// leave the charts no memory), says so once, and prints what one worker
// prints.
TEST(Batch, WorkersThatCannotStartAreDoneWithout) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizers reserve more address space than the limit allows";
#endif
  const std::string csv = WriteFile("limited.csv", Csv(3));
  const Outcome one = Cli("--json --jobs 1 --input " + csv);
  ASSERT_EQ(one.status, 0) << one.err;
  const Outcome limited = Shell("ulimit -v 1000000; " + std::string(ORVANE_CLI_PATH) + " --json --jobs 1024 --input " + csv);
  EXPECT_EQ(limited.status, 0) << limited.err;
  EXPECT_EQ(limited.out, one.out);
  EXPECT_NE(limited.err.find("of 1024 worker threads run (a system limit"), std::string::npos) << limited.err;
  EXPECT_EQ(Lines(limited.err).size(), 1u) << limited.err;
}

// Finished results that wait for a slow earlier one hold a budget of bytes,
// not a count of jobs: past it the workers start no new job but the one
// printed next.
TEST(Batch, PoolHoldsAtMostItsBudgetOfBytes) {
  constexpr std::size_t kResult = 100000, kBudget = 1000000;
  constexpr int kWorkers = 8;
  std::atomic<std::size_t> finished{0}, produced{0};
  std::size_t emitted = 0, mostHeld = 0;
  {
    orvane::OrderedPool pool(
        kWorkers,
        [&](orvane::JobResult& r) {
          emitted += r.out.size();
          mostHeld = std::max(mostHeld, produced.load() - emitted);
        },
        kBudget);
    for (int i = 0; i < 200; ++i) {
      pool.Submit([i, &finished, &produced] {
        if (i == 0) {
          // The first job waits until the others have piled up (or a while).
          for (int k = 0; k < 300 && finished.load() < 60; ++k) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ++finished;
        produced += kResult;
        return orvane::JobResult{std::string(kResult, 'x'), "", 0};
      });
    }
    pool.Finish();
  }
  EXPECT_EQ(emitted, 200 * kResult);
  EXPECT_LE(mostHeld, kBudget + kWorkers * kResult);
}

// The pool never holds more than its window of jobs, and emits in order.
TEST(Batch, PoolKeepsItsWindowAndOrder) {
  for (int workers : {1, 2, 5}) {
    SCOPED_TRACE(workers);
    std::atomic<int> started{0};
    std::size_t emitted = 0, mostInFlight = 0;
    std::vector<std::string> order;
    {
      orvane::OrderedPool pool(workers, [&](orvane::JobResult& r) {
        order.push_back(r.out);
        ++emitted;
      });
      for (int i = 0; i < 2000; ++i) {
        pool.Submit([i, &started] {
          ++started;
          // Uneven work, so that later jobs often finish first.
          volatile double x = 0;
          for (int k = 0; k < (i % 7) * 2000; ++k) x = x + k;
          return orvane::JobResult{std::to_string(i), "", 0};
        });
        mostInFlight = std::max(mostInFlight, static_cast<std::size_t>(started.load()) - emitted);
        mostInFlight = std::max(mostInFlight, static_cast<std::size_t>(i + 1) - emitted);
      }
      pool.Finish();
    }
    ASSERT_EQ(order.size(), 2000u);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(order[i], std::to_string(i));
    const std::size_t window = workers <= 1 ? 1 : orvane::OrderedPool::kWindowPerWorker * workers;
    EXPECT_LE(mostInFlight, window);
  }
}

}  // namespace
