// Runs orvane-cli as a separate process, as scripts do: its standard output,
// its error stream and its exit status.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orvane::testing_support {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// `environment` is put in front of the command ("LC_ALL=de_DE.UTF-8").
inline CliRun RunCliProcess(const std::vector<std::string>& args, const std::string& environment = "") {
  // One error file per run: the cases run in parallel processes.
  static int counter = 0;
  const std::string errPath = ::testing::TempDir() + "cli_stderr_" + std::to_string(getpid()) + "_" +
                              std::to_string(counter++) + ".txt";
  std::string command = environment.empty() ? "" : environment + " ";
  command += ORVANE_CLI_PATH;
  for (const std::string& a : args) command += " " + ShellQuote(a);
  command += " 2>" + ShellQuote(errPath);
  CliRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream e(errPath);
  run.err.assign(std::istreambuf_iterator<char>(e), std::istreambuf_iterator<char>());
  std::remove(errPath.c_str());
  return run;
}

// A file in the test's temporary folder, unique to this process.
inline std::string WriteTempFile(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + std::to_string(getpid()) + "_" + name;
  std::ofstream f(path, std::ios::binary);
  f << bytes;
  return path;
}

// The chart of the program's own default birth data, as a chart file.
inline constexpr const char* kDefaultChartFile = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";

}  // namespace orvane::testing_support
