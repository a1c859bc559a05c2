// The core's folders are layers that only look down: each folder includes
// only itself, the folders its row below names (all of them lower layers),
// the standard library and the C libraries it is built on; never Qt, never a
// folder above it. The same table is the link order of the folders'
// libraries in CMakeLists.txt, and docs/architecture.md draws it. No two
// files include each other, directly or round a longer loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Include {
  std::string file;  // folder/name
  int line;
  std::string target;
  bool quoted;
};

std::vector<Include> IncludesOf(const std::string& folder) {
  std::vector<Include> out;
  const std::regex directive(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  for (const auto& entry : fs::directory_iterator(fs::path(ORVANE_SOURCE_DIR) / folder)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      std::smatch m;
      if (std::regex_search(text, m, directive))
        out.push_back({folder + "/" + entry.path().filename().string(), line, m[2].str(), m[1].str() == "\""});
    }
  }
  return out;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find('/')); }

// Each core folder, lowest first, with the folders it may include besides
// itself (a folder may name only folders listed before it) and the C
// library's and the Swiss Ephemeris' headers it may use besides the
// standard library ("sys/" standing for every header there).
struct Layer {
  std::string folder;
  std::vector<std::string> below;
  std::vector<std::string> system = {};
};
const std::vector<Layer>& Layers() {
  static const std::vector<Layer> layers = {
      {"engine", {}, {"fcntl.h", "swephexp.h", "sys/", "unistd.h", "pwd.h"}},
      {"io", {"engine"}, {"fcntl.h", "pwd.h", "signal.h", "sys/", "unistd.h"}},
      {"report", {}, {"locale.h"}},
      {"places", {"date", "io"}, {"fcntl.h", "sys/", "unistd.h"}},  // "date/tz.h": the time-zone library; io: names shown escaped
      {"chart", {"engine"}},
      {"vedic", {"chart", "engine", "io", "report"}},
      {"dasa", {"chart", "engine", "io", "report"}},
      {"tajaka", {"vedic", "dasa", "chart", "engine", "io", "report"}},
      {"yoga", {"engine"}},
      {"compute", {"yoga", "tajaka", "vedic", "dasa", "chart", "engine", "io", "report"}},
      {"match", {"compute", "yoga", "tajaka", "vedic", "dasa", "chart", "engine", "io", "report"}},
      {"transit", {"compute", "vedic", "chart", "engine", "io", "report"}},
      {"jaimini", {"compute", "yoga", "tajaka", "vedic", "dasa", "chart", "engine", "io", "report"}},
      {"library", {"compute", "yoga", "tajaka", "vedic", "dasa", "chart", "engine", "io", "report"},
       {"sqlite3.h", "unistd.h"}},
      {"panchanga", {"vedic", "chart", "engine", "io", "report"}},
      {"cli",
       {"panchanga", "library", "yoga", "match", "transit", "jaimini", "compute", "tajaka", "vedic", "dasa", "chart", "engine", "io", "report", "places"},
       {"fcntl.h", "malloc.h", "sys/", "unistd.h", "libical/ical.h"}},
  };
  return layers;
}

// <cmath>, <array>, ... or one of the layer's own system headers; never
// <QString> or <QtCore/...>.
bool AllowedSystemHeader(const Layer& layer, const std::string& target) {
  const bool standard = target.find_first_of("./") == std::string::npos && target[0] != 'Q';
  if (standard) return true;
  for (const std::string& header : layer.system) {
    if (target == header || (header == "sys/" && target.rfind("sys/", 0) == 0)) return true;
  }
  return false;
}

TEST(Layering, TheTableListsEachFolderAboveWhatItIncludes) {
  std::set<std::string> seen;
  for (const Layer& layer : Layers()) {
    SCOPED_TRACE(layer.folder);
    for (const std::string& below : layer.below) {
      if (below == "date") continue;  // not a folder of this program
      EXPECT_TRUE(seen.count(below)) << below << " is not listed below " << layer.folder;
    }
    seen.insert(layer.folder);
  }
}

TEST(Layering, EveryCoreFolderIncludesOnlyTheLayersBelowIt) {
  for (const Layer& layer : Layers()) {
    SCOPED_TRACE(layer.folder);
    const std::vector<Include> includes = IncludesOf(layer.folder);
    ASSERT_GT(includes.size(), 3u);  // the folder was found and read
    for (const Include& inc : includes) {
      SCOPED_TRACE(inc.file + ":" + std::to_string(inc.line) + " includes " + inc.target);
      if (inc.quoted) {
        const std::string folder = FolderOf(inc.target);
        const bool allowed = folder == layer.folder ||
                             std::find(layer.below.begin(), layer.below.end(), folder) != layer.below.end();
        EXPECT_TRUE(allowed);
      } else {
        EXPECT_TRUE(AllowedSystemHeader(layer, inc.target));
      }
    }
  }
}

TEST(Layering, NoFilesIncludeEachOther) {
  std::map<std::string, std::vector<std::string>> graph;
  for (const Layer& layer : Layers()) {
    for (const Include& inc : IncludesOf(layer.folder)) {
      if (inc.quoted && fs::exists(fs::path(ORVANE_SOURCE_DIR) / inc.target)) graph[inc.file].push_back(inc.target);
    }
  }
  ASSERT_GT(graph.size(), 50u);
  // Depth-first search; a file met again while it is still open closes a loop.
  std::map<std::string, int> state;  // 1 open, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& file) {
    state[file] = 1;
    path.push_back(file);
    for (const std::string& next : graph[file]) {
      if (state[next] == 1) {
        std::string loop;
        for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it) loop += *it + " -> ";
        ADD_FAILURE() << "include loop: " << loop << next;
      } else if (state[next] == 0) {
        visit(next);
      }
    }
    path.pop_back();
    state[file] = 2;
  };
  for (const auto& [file, targets] : graph)
    if (state[file] == 0) visit(file);
}

}  // namespace
