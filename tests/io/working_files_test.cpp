// The program's own files on disk: private folders that are the user's and
// nobody else's, the folder of one run and its clean-up, working files that
// never follow a planted link, leftovers of killed saves, and a settings
// file that cannot be read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <set>
#include <string>

#include "io/chart_file.h"
#include "io/settings.h"
#include "io/user_folder.h"
#include "io_test_support.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing_io::ScratchFolder;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// A user id that is not ours (for folders made by "another user"); only
// root can give a folder away.
constexpr uid_t kOtherUser = 65534;

TEST(MakeUserFolder, AcceptsOnlyARealFolderOfThisUser) {
  ScratchFolder scratch;
  const std::string target = scratch.File("target");
  fs::create_directory(target);
  ::chmod(target.c_str(), 0755);
  struct Case {
    const char* name;
    std::function<void(const std::string&)> prepare;
    bool ok;
    const char* reason;
  };
  const Case cases[] = {
      {"new, with new parents", [](const std::string&) {}, true, ""},
      {"existing, open to all", [](const std::string& p) { fs::create_directories(p), ::chmod(p.c_str(), 0777); },
       true, ""},
      {"symbolic link to a folder", [&](const std::string& p) { fs::create_directories(fs::path(p).parent_path()),
                                                                 fs::create_directory_symlink(target, p); },
       false, "symbolic link"},
      {"a file in its place", [](const std::string& p) { fs::create_directories(fs::path(p).parent_path()),
                                                           Put(p, "x"); },
       false, "cannot be opened"},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = scratch.File("case" + std::to_string(n++) + "/a/b/orvane");
    c.prepare(path);
    std::string error;
    EXPECT_EQ(MakeUserFolder(path, &error), c.ok) << error;
    if (c.ok) {
      EXPECT_EQ(ModeOf(path), 0700u);
    } else {
      EXPECT_NE(error.find(c.reason), std::string::npos) << error;
      EXPECT_NE(error.find(path), std::string::npos) << error;
    }
  }
  EXPECT_EQ(ModeOf(target), 0755u);  // a link's target is never changed
  if (::geteuid() == 0) {
    // A folder another user made first is refused, and left as it was.
    const std::string theirs = scratch.File("theirs");
    ASSERT_EQ(::mkdir(theirs.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(theirs.c_str(), 0777), 0);
    ASSERT_EQ(::chown(theirs.c_str(), kOtherUser, kOtherUser), 0);
    std::string error;
    EXPECT_FALSE(MakeUserFolder(theirs, &error));
    EXPECT_NE(error.find("another user"), std::string::npos) << error;
    EXPECT_EQ(ModeOf(theirs), 0777u);
  }
}

TEST(RunFolder, IsPrivateToOneRunAndRemovedAfterIt) {
  ScratchFolder scratch;
  const std::string parent = scratch.File("data/orvane/work");
  std::string first, second;
  {
    RunFolder a(parent), b(parent);
    std::string error;
    ASSERT_TRUE(a.Create(&error)) << error;
    ASSERT_TRUE(b.Create(&error)) << error;
    // Removed while running: made again under the same name.
    const std::string name = a.path();
    fs::remove_all(name);
    ASSERT_TRUE(a.Create(&error)) << error;
    EXPECT_EQ(a.path(), name);
    first = a.path();
    second = b.path();
    EXPECT_NE(first, second);
    EXPECT_EQ(fs::path(first).parent_path(), fs::path(parent));
    EXPECT_EQ(ModeOf(first), 0700u);
    EXPECT_EQ(ModeOf(parent), 0700u);
    Put(first + "/dvktmp.1.dvk", "x");
    fs::create_directory(first + "/sub");
    // A link inside is removed, its target kept.
    Put(scratch.File("victim"), "keep");
    fs::create_symlink(scratch.File("victim"), first + "/dvknow.1.dvk");
  }
  EXPECT_FALSE(fs::exists(first));
  EXPECT_FALSE(fs::exists(second));
  EXPECT_EQ(ReadAll(scratch.File("victim")), "keep");
}

TEST(RunFolder, FoldersOfEndedRunsOnThisHostAreRemoved) {
  ScratchFolder scratch;
  const std::string parent = scratch.File("work");
  RunFolder mine(parent);
  std::string error;
  ASSERT_TRUE(mine.Create(&error)) << error;
  // "run-<pid>-<random>-<host>": the host part of this machine.
  const std::string name = fs::path(mine.path()).filename().string();
  const std::string host = name.substr(name.find('-', name.find('-', 4) + 1) + 1);

  // A process that has ended, and one that is still running.
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ::waitpid(ended, nullptr, 0);
  const pid_t running = ::fork();
  if (running == 0) {
    ::pause();
    ::_exit(0);
  }
  const std::string endedRun = parent + "/run-" + std::to_string(ended) + "-17-" + host;
  const std::string runningRun = parent + "/run-" + std::to_string(running) + "-18-" + host;
  const std::string otherHost = parent + "/run-" + std::to_string(ended) + "-19-elsewhere.example";
  const std::string notARun = parent + "/run-notes";
  for (const std::string& folder : {endedRun, runningRun, otherHost, notARun}) {
    fs::create_directory(folder);
    Put(folder + "/dvktmp.1.dvk", "x");
  }
  EXPECT_EQ(RemoveStaleRunFolders(parent), 1);
  EXPECT_FALSE(fs::exists(endedRun));
  EXPECT_TRUE(fs::exists(runningRun));
  EXPECT_TRUE(fs::exists(otherHost));
  EXPECT_TRUE(fs::exists(notARun));
  EXPECT_TRUE(fs::exists(mine.path()));
  ::kill(running, SIGKILL);
  ::waitpid(running, nullptr, 0);

  // The next run cleans up on its own.
  RunFolder next(parent);
  ASSERT_TRUE(next.Create(&error)) << error;
  EXPECT_FALSE(fs::exists(runningRun));
  EXPECT_TRUE(fs::exists(mine.path()));
}

TEST(WriteFileAtomic, WorkingFilesReplaceAPlantedLinkInsteadOfFollowingIt) {
  ScratchFolder scratch;
  const std::string victim = scratch.File("victim.txt");
  Put(victim, "precious");
  const std::string working = scratch.File("dvktmp.1.dvk");
  fs::create_symlink(victim, working);
  std::string error;
  ASSERT_TRUE(WriteFileAtomic(working, "1\n1\n2000\n", &error, LinkAtPath::kReplace)) << error;
  EXPECT_EQ(ReadAll(victim), "precious");
  EXPECT_FALSE(fs::is_symlink(fs::symlink_status(working)));
  EXPECT_EQ(ReadAll(working), "1\n1\n2000\n");
  // A user's own file saved through a link still reaches the linked file.
  const std::string link = scratch.File("chart.orv");
  fs::create_symlink(victim, link);
  ASSERT_TRUE(WriteFileAtomic(link, "new", &error)) << error;
  EXPECT_EQ(ReadAll(victim), "new");
}

// Temporary files of saves that were killed are removed by the next save of
// the same file there; nothing else is touched.
TEST(WriteFileAtomic, NextSaveRemovesLeftoversOfKilledSavesOnly) {
  ScratchFolder scratch;
  const std::string folder = scratch.path();
  const std::string chart = folder + "/chart.orv";
  Put(chart, "old");
  const std::string killed = folder + "/.chart.orv.tmp-3141592653";
  Put(killed, "4\n4\n19");
  // A leftover made by a child that was killed half-way.
  const std::string killedChild = folder + "/.chart.orv.tmp-2718281828";
  const pid_t child = ::fork();
  if (child == 0) {
    const int fd = ::open(killedChild.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    ::flock(fd, LOCK_EX);
    ::raise(SIGKILL);
  }
  ::waitpid(child, nullptr, 0);
  ASSERT_TRUE(fs::exists(killedChild));

  // What must stay: a save in progress (its file locked), names of other
  // patterns, another file's leftover, a link and a pipe of the pattern.
  const std::string inProgress = folder + "/.chart.orv.tmp-42";
  Put(inProgress, "");
  const int held = ::open(inProgress.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  Put(scratch.File("victim"), "keep");
  const std::set<std::string> kept = {
      ".chart.orv.tmp-42",     ".chart.orv.tmp-12ab", ".chart.orv.tmp-",  ".other.orv.tmp-1",
      "chart.orv.tmp-1",       ".chart.orv.tmp-7",    ".chart.orv.tmp-8", "chart.orv",
      ".chart.orv.bak",        "victim"};
  Put(folder + "/.chart.orv.tmp-12ab", "");
  Put(folder + "/.chart.orv.tmp-", "");
  Put(folder + "/.other.orv.tmp-1", "");
  Put(folder + "/chart.orv.tmp-1", "");
  Put(folder + "/.chart.orv.bak", "");
  fs::create_symlink(scratch.File("victim"), folder + "/.chart.orv.tmp-7");
  ASSERT_EQ(::mkfifo((folder + "/.chart.orv.tmp-8").c_str(), 0600), 0);

  std::string error;
  ASSERT_TRUE(WriteFileAtomic(chart, "new", &error)) << error;
  EXPECT_EQ(ReadAll(chart), "new");
  std::set<std::string> present;
  for (const auto& entry : fs::directory_iterator(folder)) present.insert(entry.path().filename().string());
  EXPECT_EQ(present, kept);
  EXPECT_EQ(ReadAll(scratch.File("victim")), "keep");
  ::close(held);
}

// A settings file that is there but cannot be read is reported as such and
// never replaced, so the user's preferences in it are not lost.
TEST(SettingsFile, ThatCannotBeReadIsNeverReplaced) {
  ScratchFolder scratch;
  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;
  };
  const Case cases[] = {
      {"a folder in its place", [](const std::string& p) { fs::create_directory(p); }},
      {"a named pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = scratch.File("settings" + std::to_string(n++) + ".ini");
    c.make(path);
    Settings s;
    s.chartStyle = 3;
    const SettingsParseResult r = LoadSettings(path, s);
    EXPECT_EQ(r.status, SettingsStatus::kUnreadable);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(s.chartStyle, 3);  // untouched
    std::string error;
    EXPECT_FALSE(SaveSettings(path, Settings{}, &error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos) << error;
    struct stat info {};
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    EXPECT_FALSE(S_ISREG(info.st_mode));
  }
  // A missing file is a first run and is written.
  Settings s;
  EXPECT_EQ(LoadSettings(scratch.File("missing.ini"), s).status, SettingsStatus::kFirstRun);

  // A file without read permission, as an ordinary user sees it (root reads
  // anything, so the check runs as another user in a child process).
  const std::string folder = scratch.File("private");
  fs::create_directory(folder);
  const std::string locked = folder + "/orl4011.ini";
  Settings mine;
  mine.chartStyle = 2;
  std::string error;
  ASSERT_TRUE(SaveSettings(locked, mine, &error)) << error;
  const std::string before = ReadAll(locked);
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(folder.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(::chown(locked.c_str(), kOtherUser, kOtherUser), 0);
  }
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)) ::_exit(10);
    Settings t;
    if (LoadSettings(locked, t).status != SettingsStatus::kUnreadable) ::_exit(11);
    std::string why;
    if (SaveSettings(locked, Settings{}, &why)) ::_exit(12);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10: cannot change user, 11: not reported unreadable, 12: replaced";
  EXPECT_EQ(ModeOf(locked), 0u);
  ::chmod(locked.c_str(), 0600);
  EXPECT_EQ(ReadAll(locked), before);
}

}  // namespace
}  // namespace orvane
