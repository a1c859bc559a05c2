#include "io/user_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#include "io/shown_name.h"

namespace orvane {
namespace {

constexpr std::string_view kRunPrefix = "run-";

std::string Quoted(const std::string& path) { return "\"" + ShownName(path) + "\""; }

void SetError(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
}

std::string SystemMessage(int err) { return std::system_category().message(err); }

// This host's name as it goes into a run folder's name: letters, digits,
// '.', '-' and '_' kept, anything else as '_'.
std::string HostPart() {
  std::array<char, 256> name{};
  if (::gethostname(name.data(), name.size() - 1) != 0) return "localhost";
  std::string out;
  for (const char c : std::string_view(name.data())) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                       c == '-' || c == '_';
    out += plain ? c : '_';
  }
  return out.empty() ? "localhost" : out;
}

// Reads "run-<pid>-<random>-<host>"; false for any other name.
bool ParseRunName(std::string_view name, long& pid, std::string_view& host) {
  if (name.substr(0, kRunPrefix.size()) != kRunPrefix) return false;
  name.remove_prefix(kRunPrefix.size());
  const auto [pidEnd, pidError] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (pidError != std::errc() || pid <= 0 || pidEnd == name.data() + name.size() || *pidEnd != '-') return false;
  name.remove_prefix(static_cast<std::size_t>(pidEnd - name.data()) + 1);
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos) return false;
  for (const char c : name.substr(0, dash)) {
    if (c < '0' || c > '9') return false;
  }
  host = name.substr(dash + 1);
  return !host.empty();
}

bool ProcessHasEnded(long pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

}  // namespace

bool MakeUserFolder(const std::string& path, std::string* error) {
  namespace fs = std::filesystem;
  if (path.empty()) {
    SetError(error, "no folder name");
    return false;
  }
  std::error_code ec;
  const fs::path folder = fs::path(path).lexically_normal();
  const fs::path parent = folder.has_relative_path() && folder.has_parent_path() ? folder.parent_path() : fs::path();
  if (!parent.empty()) {
    fs::create_directories(parent, ec);
    if (ec) {
      SetError(error, "the folder " + Quoted(parent.string()) + " cannot be created: " + ec.message());
      return false;
    }
  }
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    SetError(error, "the folder " + Quoted(path) + " cannot be created: " + SystemMessage(errno));
    return false;
  }
  // Looked at through a descriptor that cannot follow a link, so that what
  // is checked is what gets its permissions changed.
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      SetError(error, "the folder " + Quoted(path) + " is a symbolic link, not a folder of this user");
    } else {
      SetError(error, "the folder " + Quoted(path) + " cannot be opened: " + SystemMessage(err));
    }
    return false;
  }
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0;
  if (!ok) {
    SetError(error, "the folder " + Quoted(path) + " cannot be examined: " + SystemMessage(errno));
  } else if (info.st_uid != ::geteuid()) {
    ok = false;
    SetError(error, "the folder " + Quoted(path) + " belongs to another user");
  } else if ((info.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0) {
    ok = false;
    SetError(error, "the folder " + Quoted(path) + " cannot be made private: " + SystemMessage(errno));
  }
  ::close(fd);
  return ok;
}

RunFolder::RunFolder(std::string parent) : parent_(std::move(parent)) {
  std::random_device entropy;
  path_ = parent_ + "/" + std::string(kRunPrefix) + std::to_string(::getpid()) + "-" + std::to_string(entropy()) +
          "-" + HostPart();
}

RunFolder::~RunFolder() { Remove(); }

bool RunFolder::Create(std::string* error) {
  struct stat info {};
  if (made_ && ::lstat(path_.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()) return true;
  if (!MakeUserFolder(parent_, error)) return false;
  if (!cleaned_) {
    RemoveStaleRunFolders(parent_);
    cleaned_ = true;
  }
  if (::mkdir(path_.c_str(), 0700) != 0) {
    SetError(error, "the folder " + Quoted(path_) + " cannot be created: " + SystemMessage(errno));
    return false;
  }
  made_ = true;
  return true;
}

void RunFolder::Remove() {
  if (!made_) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  made_ = false;
}

int RemoveStaleRunFolders(const std::string& parent) {
  namespace fs = std::filesystem;
  const std::string host = HostPart();
  std::vector<fs::path> stale;
  std::error_code ec;
  for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
    long pid = 0;
    std::string_view itsHost;
    const std::string name = it->path().filename().string();
    if (!ParseRunName(name, pid, itsHost) || itsHost != host) continue;
    struct stat info {};
    if (::lstat(it->path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) continue;
    if (ProcessHasEnded(pid)) stale.push_back(it->path());
  }
  int removed = 0;
  for (const fs::path& folder : stale) {
    std::error_code removeError;
    if (fs::remove_all(folder, removeError) > 0 && !removeError) ++removed;
  }
  return removed;
}

}  // namespace orvane
