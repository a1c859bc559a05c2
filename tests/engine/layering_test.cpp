// engine/ is the base layer: its files include only each other, the standard
// library and the C libraries it is built on, never a folder above it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Include {
  std::string file;
  int line;
  std::string target;
  bool quoted;
};

std::vector<Include> IncludesOf(const fs::path& folder) {
  std::vector<Include> out;
  const std::regex directive(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      std::smatch m;
      if (std::regex_search(text, m, directive))
        out.push_back({entry.path().filename().string(), line, m[2].str(), m[1].str() == "\""});
    }
  }
  return out;
}

TEST(Layering, EngineIncludesNothingAboveIt) {
  const std::vector<Include> includes = IncludesOf(fs::path(ORVANE_SOURCE_DIR) / "engine");
  ASSERT_GT(includes.size(), 10u);  // the folder was found and read
  // System headers the engine may use besides the standard library.
  const std::vector<std::string> allowedSystem = {"swephexp.h"};
  for (const Include& inc : includes) {
    SCOPED_TRACE(inc.file + ":" + std::to_string(inc.line) + " includes " + inc.target);
    if (inc.quoted) {
      EXPECT_EQ(inc.target.rfind("engine/", 0), 0u);
    } else {
      // <cmath>, <array>, ...; not <QString> or <QtCore/...>.
      const bool standard = inc.target.find_first_of("./") == std::string::npos && inc.target[0] != 'Q';
      const bool cHeader = inc.target.rfind("sys/", 0) == 0 || inc.target == "unistd.h" || inc.target == "pwd.h";
      bool allowed = standard || cHeader;
      for (const std::string& name : allowedSystem) allowed = allowed || inc.target == name;
      EXPECT_TRUE(allowed);
    }
  }
}

}  // namespace
