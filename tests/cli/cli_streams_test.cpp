// orvane-cli against hostile surroundings: standard output closed, full or
// on a full disk; named pipes and devices given as chart files; file names
// that hold control characters or bytes that are not UTF-8.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ShellRun {
  int status = -1;
  std::string err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

class CliStreams : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orvane-cli-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  std::string File(const std::string& name) const { return folder_ + "/" + name; }

  std::string Put(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
    return File(name);
  }

  // Runs `prefix; orvane-cli ARGS REDIRECT` in a shell with a time limit (a
  // program that waits for ever fails the test instead of stopping it).
  ShellRun Run(const std::string& prefix, const std::vector<std::string>& args, const std::string& redirect) const {
    const std::string errPath = File("stderr.txt");
    std::string command = prefix + "; exec timeout -s KILL 20 " + std::string(ORVANE_CLI_PATH);
    for (const std::string& a : args) command += " " + Quote(a);
    command += " " + redirect + " 2>" + Quote(errPath);
    const int raw = std::system(("sh -c " + Quote(command)).c_str());
    ShellRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = ReadAll(errPath);
    return run;
  }

  std::string folder_;
};

const char* kChart = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n";

bool OneLine(const std::string& text) { return !text.empty() && text.find('\n') == text.size() - 1; }

// Output that does not arrive is a failure with one message, never exit 0.
TEST_F(CliStreams, LostOutputIsAFailure) {
  const std::string chart = Put("chart.orv", kChart);
  // The complete calculations of one chart are far more than 2 KiB.
  struct Case {
    const char* name;
    const char* prefix;
    std::vector<std::string> args;
    std::string redirect;
  };
  const Case cases[] = {
      {"standard output closed", ":", {"--complete", chart}, ">&-"},
      {"closed, JSON", ":", {"--json", chart}, ">&-"},
      {"closed, usage", ":", {"--help"}, ">&-"},
      {"/dev/full, small output", ":", {chart}, ">/dev/full"},
      {"/dev/full, several charts", ":", {"--complete", chart, chart, chart}, ">/dev/full"},
      // A disk that takes 2 KiB and then says it is full (a file-size
      // limit with its signal ignored fails the write as a full disk does).
      {"full disk", "trap '' XFSZ; ulimit -f 2", {"--complete", chart}, ">" + Quote(File("out.txt"))},
      {"full disk, several charts", "trap '' XFSZ; ulimit -f 2", {"--section", "1", chart, chart, chart, chart},
       ">" + Quote(File("out.txt"))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ShellRun run = Run(c.prefix, c.args, c.redirect);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.status, -1) << "killed";
    EXPECT_TRUE(OneLine(run.err)) << run.err;
    EXPECT_NE(run.err.find("cannot write the output"), std::string::npos) << run.err;
  }
  // The same runs with room to write succeed.
  const ShellRun fine = Run(":", {"--complete", chart}, ">" + Quote(File("out.txt")));
  EXPECT_EQ(fine.status, 0) << fine.err;
  EXPECT_EQ(fine.err, "");
  EXPECT_GT(fs::file_size(File("out.txt")), 2048u);
}

// Anything that is not a regular file is refused at once, alone or among
// other files, and the other files are still read.
TEST_F(CliStreams, NonRegularFilesAreRefusedAtOnce) {
  const std::string chart = Put("chart.orv", kChart);
  const std::string fifo = File("fifo.orv");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = File("folder.orv");
  fs::create_directory(folder);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int charts;  // charts expected on standard output
    int errorLines;
  };
  const Case cases[] = {
      {"named pipe", {fifo}, 0, 1},
      {"named pipe, JSON", {"--json", fifo}, 0, 1},
      {"named pipe among files", {chart, fifo, chart, fifo, chart}, 3, 2},
      {"character device", {"/dev/zero"}, 0, 1},
      {"folder", {folder}, 0, 1},
      // The commands that read two charts or a natal chart read them the same way.
      {"match, pipe second", {"--match", chart, fifo}, 0, 1},
      {"match, pipe first", {"--match", fifo, chart}, 0, 1},
      {"match, device", {"--match", "/dev/zero", chart}, 0, 1},
      {"transits, pipe", {"--transits", "2026-01-01", fifo}, 0, 1},
      {"transits, pipe among files", {"--transits", "2026-01-01", chart, fifo}, 0, 1},
      {"transits, device, JSON", {"--json", "--transits", "2026-01-01", "/dev/zero"}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ShellRun run = Run(":", c.args, ">" + Quote(File("out.txt")));
    EXPECT_EQ(run.status, 2) << run.err;
    const std::string out = ReadAll(File("out.txt"));
    int charts = 0;
    for (std::size_t at = out.find("Ayanamsa"); at != std::string::npos; at = out.find("Ayanamsa", at + 1)) ++charts;
    EXPECT_EQ(charts, c.charts);
    int lines = 0;
    for (char ch : run.err) lines += ch == '\n';
    EXPECT_EQ(lines, c.errorLines) << run.err;
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
  }
}

// A name is shown with its control characters and invalid bytes escaped:
// the message stays one line and sends nothing to the terminal.
TEST_F(CliStreams, NamesOnTheErrorStreamAreEscaped) {
  const std::string invalid = "4\n4\n3000\n17.5000\n-5.30\n-81.12\n16.15\n";
  struct Case {
    const char* name;
    std::string file;  // a name in the scratch folder
    bool exists;       // with an invalid chart in it
    std::string shown;  // how the name must appear
  };
  const Case cases[] = {
      {"newline, missing", "two\nlines.orv", false, "two\\x0alines.orv"},
      {"terminal title and colour", "\x1b]0;owned\x07\x1b[31mred.orv", true,
       "\\x1b]0;owned\\x07\\x1b[31mred.orv"},
      {"invalid UTF-8", "inv\xff" "alid.orv", true, "inv\\xffalid.orv"},
      {"C1 control in UTF-8", "csi\xc2\x9b" "31m.orv", false, "csi\\xc2\\x9b31m.orv"},
      {"backslash", "back\\slash.orv", true, "back\\\\slash.orv"},
      {"plain UTF-8 kept", "r\xc4\x81shi.orv", true, "r\xc4\x81shi.orv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = c.exists ? Put(c.file, invalid) : File(c.file);
    const ShellRun run = Run(":", {path}, ">/dev/null");
    EXPECT_EQ(run.status, c.exists ? 2 : 1);
    EXPECT_TRUE(OneLine(run.err)) << run.err;
    EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
    for (char ch : run.err) {
      const unsigned char u = static_cast<unsigned char>(ch);
      EXPECT_TRUE(u == '\n' || (u >= 0x20 && u != 0x7f)) << "raw byte " << int(u) << " in " << run.err;
    }
  }
}

}  // namespace
