// Saves interrupted by a crash or a full disk: the chart file and the
// settings file on disk are always the old one or the new one, complete,
// never a mixture or a stub; a failed save says why and keeps the old file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "io/chart_file.h"
#include "io/settings.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// One save: writes version `which` (0 old, 1 new) of the file at `path`.
using SaveFn = std::function<bool(const std::string& path, int which, std::string* error)>;

// A saved file of either kind: its two versions and how to write them.
struct SavedFile {
  const char* name;
  std::string versions[2];
  SaveFn save;
};

BirthData OtherChart() {
  // 31 December 2999, 23:59:59, zone 12 east, 180 W, the south pole.
  return {12, 31, 2999, 23.5959, -12.0, 180.0, -90.0};
}

Settings OtherSettings() {
  Settings s;
  s.chartStyle = 4;
  s.ayanamsaChoice = 7;
  s.ayanamsaDirection = -1;
  s.ayanamsaDegrees = 1000;
  s.defaultZone = -5.30;
  s.defaultLongitude = -81.12;
  s.defaultLatitude = 16.15;
  s.daysInYear = 360;
  s.printItems = {0, 1, 0, 1, 0, 1};
  return s;
}

SavedFile ChartFile() {
  SavedFile f{"chart file", {std::string(kStartupDefaultChart), FormatChartDataFile(OtherChart())}, nullptr};
  const std::string versions[2] = {f.versions[0], f.versions[1]};
  f.save = [versions](const std::string& path, int which, std::string* error) {
    return WriteFileAtomic(path, versions[which], error);
  };
  return f;
}

SavedFile SettingsFile() {
  const Settings settings[2] = {Settings{}, OtherSettings()};
  SavedFile f{"settings file", {FormatSettings(settings[0]), FormatSettings(settings[1])}, nullptr};
  f.save = [settings](const std::string& path, int which, std::string* error) {
    return SaveSettings(path, settings[which], error);
  };
  return f;
}

// A file on disk that is one of the two versions whole, and reads as such.
void ExpectOneVersion(const SavedFile& file, const std::string& content) {
  ASSERT_TRUE(content == file.versions[0] || content == file.versions[1])
      << "damaged " << file.name << " (" << content.size() << " bytes): \"" << content << "\"";
}

class SaveCrashTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("orvane-save-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Files in the folder other than `name` and the temporary files a killed
  // save leaves behind.
  static std::vector<std::string> OtherFiles(const fs::path& folder, const std::string& name) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string n = entry.path().filename().string();
      if (n != name && n.rfind("." + name + ".tmp-", 0) != 0) others.push_back(n);
    }
    return others;
  }

  // Temporary files left in the folder.
  static int TemporaryFiles(const fs::path& folder, const std::string& name) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().filename().string().rfind("." + name + ".tmp-", 0) == 0) ++count;
    }
    return count;
  }

  // `trials` times: a child process saves the two versions in turn, without
  // pause, and is killed with SIGKILL after a random delay (fixed seed);
  // the file left must be one of the versions, complete. Returns the number
  // of kills that landed inside a save.
  int KillDuringSaves(const fs::path& folder, const SavedFile& file, int trials, std::uint32_t seed) {
    const std::string path = (folder / "target").string();
    std::string error;
    EXPECT_TRUE(file.save(path, 0, &error)) << error;

    // The delays reach over several whole saves, however long the file
    // system takes to flush one.
    const auto before = std::chrono::steady_clock::now();
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(file.save(path, i % 2, &error)) << error;
    const long saveMicroseconds = static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - before).count() / 4);
    const long maxDelay = std::clamp(3 * saveMicroseconds, 2000L, 30000L);

    // Saves the child has begun and finished, readable after it is gone.
    struct Progress {
      std::atomic<long> begun{0};
      std::atomic<long> finished{0};
    };
    void* shared = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    EXPECT_NE(shared, MAP_FAILED);
    if (shared == MAP_FAILED) return 0;
    auto* progress = new (shared) Progress;

    std::mt19937 rng(seed);
    std::uniform_int_distribution<long> delayMicroseconds(0, maxDelay);
    int insideSave = 0;
    for (int trial = 0; trial < trials; ++trial) {
      progress->begun.store(0);
      progress->finished.store(0);
      const long delay = delayMicroseconds(rng);
      const pid_t child = ::fork();
      if (child == 0) {
        for (long i = 0; i < 1000000; ++i) {
          progress->begun.fetch_add(1);
          if (!file.save(path, static_cast<int>((i + trial) % 2), nullptr)) ::_exit(3);
          progress->finished.fetch_add(1);
        }
        ::_exit(0);
      }
      EXPECT_GT(child, 0);
      if (child <= 0) break;
      // The delay counts from the child's first save: starting a process
      // (slow under the sanitizers, whose shadow memory fork copies) is no
      // part of a save.
      for (int wait = 0; wait < 500000 && progress->begun.load() == 0; ++wait) {
        const timespec poll{0, 10000};
        ::nanosleep(&poll, nullptr);
      }
      const timespec pause{0, delay * 1000};
      ::nanosleep(&pause, nullptr);
      ::kill(child, SIGKILL);
      int status = 0;
      while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "trial " << trial << ": status " << status;
      if (progress->begun.load() > progress->finished.load()) ++insideSave;

      SCOPED_TRACE(testing::Message() << file.name << ", trial " << trial << ", killed after " << delay << " us");
      ExpectOneVersion(file, ReadAll(path));
      if (HasFatalFailure()) break;
    }
    ::munmap(shared, sizeof(Progress));
    EXPECT_TRUE(OtherFiles(folder, "target").empty());
    // The next save there removes the temporary files the killed saves left.
    EXPECT_TRUE(file.save(path, 0, &error)) << error;
    EXPECT_EQ(TemporaryFiles(folder, "target"), 0);
    return insideSave;
  }

  fs::path folder_;
};

TEST_F(SaveCrashTest, KilledSavesLeaveOldOrNewFileComplete) {
  constexpr int kTrials = 250;
  // A memory file system (when there is one) makes a save take microseconds
  // instead of the milliseconds of a disk flush, so that the kills land in
  // every step of the save (writing, closing, renaming) and not nearly
  // always in the flush; the steps are the same on any file system.
  fs::path folder = folder_;
  std::error_code ec;
  if (fs::is_directory("/dev/shm", ec)) {
    const fs::path memory = fs::path("/dev/shm") / folder_.filename();
    if (fs::create_directories(memory, ec) && !ec) folder = memory;
  }
  for (const SavedFile& file : {ChartFile(), SettingsFile()}) {
    SCOPED_TRACE(file.name);
    ASSERT_NE(file.versions[0].size(), file.versions[1].size());  // a stub or mixture cannot pass as either
    const int insideSave = KillDuringSaves(folder, file, kTrials, 4011);
    // Most kills must land inside a save, or the test proves nothing.
    EXPECT_GE(insideSave, kTrials / 2) << file.name;
    if (!HasFailure()) {
      std::printf("%s: %d kills, %d inside a save, no damaged file (in %s)\n", file.name, kTrials, insideSave,
                  folder.c_str());
    }
  }
  if (folder != folder_) fs::remove_all(folder, ec);
}

// A save that runs out of room: the child process may write only `limit`
// bytes to any file (RLIMIT_FSIZE, with SIGXFSZ ignored so that the write
// fails with EFBIG instead of ending the process), as on a full disk.
struct FullDiskResult {
  bool saved = true;
  std::string error;
};

FullDiskResult SaveWithFileSizeLimit(const SavedFile& file, const std::string& path, rlim_t limit) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {true, "pipe failed"};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit rl{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) ::_exit(4);
    std::string error;
    const bool saved = file.save(path, 1, &error);
    const std::string report = std::string(saved ? "1" : "0") + error;
    if (::write(pipeFds[1], report.data(), report.size()) < 0) ::_exit(5);
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string report;
  char buffer[512];
  ssize_t n;
  while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) report.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty()) {
    return {true, "child failed, status " + std::to_string(status)};
  }
  return {report[0] == '1', report.substr(1)};
}

TEST_F(SaveCrashTest, FullDiskKeepsOldFileAndSaysWhy) {
  for (const SavedFile& file : {ChartFile(), SettingsFile()}) {
    const std::size_t newSize = file.versions[1].size();
    for (const rlim_t limit : {rlim_t{0}, rlim_t{10}, rlim_t{newSize - 1}}) {
      SCOPED_TRACE(testing::Message() << file.name << ", room for " << limit << " bytes");
      const std::string path = (folder_ / "target").string();
      std::string error;
      ASSERT_TRUE(file.save(path, 0, &error)) << error;

      const FullDiskResult result = SaveWithFileSizeLimit(file, path, limit);
      EXPECT_FALSE(result.saved);
      EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
      EXPECT_NE(result.error.find("writing"), std::string::npos) << result.error;
      EXPECT_EQ(result.error.find('\n'), std::string::npos) << result.error;
      EXPECT_EQ(ReadAll(path), file.versions[0]);
      EXPECT_EQ(TemporaryFiles(folder_, "target"), 0);
      EXPECT_TRUE(OtherFiles(folder_, "target").empty());
    }
    // With room enough the same save goes through.
    const std::string path = (folder_ / "target").string();
    const FullDiskResult result = SaveWithFileSizeLimit(file, path, newSize);
    EXPECT_TRUE(result.saved) << file.name << ": " << result.error;
    EXPECT_EQ(ReadAll(path), file.versions[1]) << file.name;
  }
}

}  // namespace
}  // namespace orvane
