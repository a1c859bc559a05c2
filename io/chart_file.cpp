#include "io/chart_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "io/number_text.h"
#include "io/shown_name.h"

namespace orvane {
namespace {

std::string Quoted(std::string_view text) {
  // Shows at most 24 characters of what the user's file holds, with
  // anything unprintable replaced, so the message stays one short line.
  constexpr std::size_t kShown = 24;
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
  }
  if (text.size() > kShown) out += "...";
  out += '"';
  return out;
}

std::string SystemMessage(int err) { return std::system_category().message(err); }

void SetError(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
}

// Closes a descriptor once, keeping the first error.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Returns 0, or the errno of a failed close.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

struct FieldRule {
  std::string_view name;
  double min;
  double max;
};

// The seven fields in file order with their closed ranges.
constexpr std::array<FieldRule, 7> kFieldRules = {{
    {"month", kChartMonthMin, kChartMonthMax},
    {"day", kChartDayMin, kChartDayMax},
    {"year", kChartYearMin, kChartYearMax},
    {"time", -kChartTimeLimit, kChartTimeLimit},
    {"zone", -kChartZoneLimit, kChartZoneLimit},
    {"longitude", -kChartLongitudeLimit, kChartLongitudeLimit},
    {"latitude", -kChartLatitudeLimit, kChartLatitudeLimit},
}};

// Truncation toward zero that stays defined for any input.
long long TruncatedInt(double value) {
  if (!std::isfinite(value) || value >= 2147483648.0 || value <= -2147483649.0) return 0;
  return static_cast<long long>(value);
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes, bool& more,
                     std::string* error) {
  bytes.clear();
  more = false;
  // Non-blocking open so that a named pipe cannot stall the program; only
  // regular files are read.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) {
    SetError(error, "cannot open \"" + ShownName(path) + "\": " + SystemMessage(errno));
    return false;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    SetError(error, "cannot read \"" + ShownName(path) + "\": " + SystemMessage(errno));
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    SetError(error, "\"" + ShownName(path) + "\" is not a regular file");
    return false;
  }
  std::string data;
  std::array<char, 8192> chunk;
  while (true) {
    const ssize_t n = ::read(file.get(), chunk.data(), chunk.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(error, "cannot read \"" + ShownName(path) + "\": " + SystemMessage(errno));
      return false;
    }
    if (n == 0) break;
    data.append(chunk.data(), static_cast<std::size_t>(n));
    if (data.size() > limit) {
      data.resize(limit);
      more = true;
      break;
    }
  }
  bytes = std::move(data);
  return true;
}

bool PathIsMissing(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool ReadChartImage(const std::string& path, std::string& bytes, std::string* error) {
  bool more = false;
  if (!ReadRegularFile(path, kChartImageLimit, bytes, more, error)) return false;
  if (more) {
    bytes.clear();
    SetError(error, "\"" + ShownName(path) + "\" is larger than 64 KiB: not a chart data file");
    return false;
  }
  return true;
}

ChartValidation ValidateChartImage(std::string_view image) {
  ChartValidation result;
  std::array<double, 7> values{};
  std::size_t count = 0;
  ForEachToken(image, [&](std::string_view token) {
    const FieldRule& rule = kFieldRules[count];
    const std::optional<double> value = ParseDecimal(token);
    if (!value) {
      result.message = "the " + std::string(rule.name) + " " + Quoted(token) + " is not a decimal number";
      return false;
    }
    if (!(*value >= rule.min && *value <= rule.max)) {
      result.message = "the " + std::string(rule.name) + " " + Quoted(token) + " is outside " +
                       ShortestNumber(rule.min) + ".." + ShortestNumber(rule.max);
      return false;
    }
    values[count++] = *value;
    return count < values.size();
  });
  if (!result.message.empty()) return result;
  if (count < values.size()) {
    result.message = "a chart data file holds seven numbers (month, day, year, time, zone, longitude, "
                     "latitude); found " + std::to_string(count);
    return result;
  }
  result.ok = true;
  result.birth = {values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
  return result;
}

std::string FormatChartDataFile(const BirthData& birth) {
  std::string out;
  out.reserve(64);
  AppendInt(out, TruncatedInt(birth.month));
  out += '\n';
  AppendInt(out, TruncatedInt(birth.day));
  out += '\n';
  AppendInt(out, TruncatedInt(birth.year));
  out += '\n';
  AppendFixed(out, birth.time, 4);
  out += '\n';
  AppendFixed(out, birth.zone, 2);
  out += '\n';
  AppendFixed(out, birth.longitude, 2);
  out += '\n';
  AppendFixed(out, birth.latitude, 2);
  out += '\n';
  return out;
}

namespace {

constexpr std::string_view kNameLabel = "Name:";
constexpr std::string_view kPlaceLabel = "Place:";
constexpr std::string_view kZoneLabel = "Zone:";

}  // namespace

std::string CleanChartLabel(std::string_view value) {
  // Valid UTF-8 only: a byte that is not part of a valid sequence (an
  // overlong form such as C0 AF for "/" too) becomes U+FFFD; a control
  // character, C1 included, and a character that reorders or breaks the
  // line on screen become a blank.
  std::string out;
  out.reserve(value.size());
  while (!value.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8Sequence(value, code);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      value.remove_prefix(1);
      continue;
    }
    if (IsControlCharacter(code) || IsLayoutChanging(code)) out += ' ';
    else out.append(value.substr(0, length));
    value.remove_prefix(length);
  }
  const std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  out.erase(0, first);
  out.erase(out.find_last_not_of(' ') + 1);
  if (out.size() > kChartLabelLimit) {
    std::size_t cut = kChartLabelLimit;
    // Never in the middle of a UTF-8 sequence.
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
    out.erase(out.find_last_not_of(' ') + 1);
  }
  return out;
}

ChartLabels ReadChartLabels(std::string_view image) {
  ChartLabels labels;
  // Past the seventh number.
  std::size_t count = 0, end = 0;
  ForEachToken(image, [&](std::string_view token) {
    end = static_cast<std::size_t>(token.data() - image.data()) + token.size();
    return ++count < 7;
  });
  if (count < 7) return labels;
  std::string_view rest = image.substr(end);
  while (!rest.empty()) {
    std::size_t lineEnd = rest.find('\n');
    std::string_view line = rest.substr(0, lineEnd);
    rest.remove_prefix(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto take = [&](std::string_view label, std::string& into) {
      if (line.substr(0, label.size()) != label) return false;
      into = CleanChartLabel(line.substr(label.size()));
      return true;
    };
    take(kNameLabel, labels.name) || take(kPlaceLabel, labels.place) || take(kZoneLabel, labels.zone);
  }
  return labels;
}

std::string FormatChartLabels(const ChartLabels& labels) {
  std::string out;
  auto line = [&](std::string_view label, const std::string& value) {
    const std::string clean = CleanChartLabel(value);
    if (clean.empty()) return;
    out += label;
    out += ' ';
    out += clean;
    out += '\n';
  };
  line(kNameLabel, labels.name);
  line(kPlaceLabel, labels.place);
  line(kZoneLabel, labels.zone);
  return out;
}

namespace {

constexpr std::string_view kTempMarker = ".tmp-";

// Whether `name` is ".<fileName>.tmp-" followed by one or more digits.
bool IsSaveTempName(std::string_view name, std::string_view fileName) {
  if (name.size() < 1 + fileName.size() + kTempMarker.size() + 1 || name[0] != '.') return false;
  name.remove_prefix(1);
  if (name.substr(0, fileName.size()) != fileName) return false;
  name.remove_prefix(fileName.size());
  if (name.substr(0, kTempMarker.size()) != kTempMarker) return false;
  name.remove_prefix(kTempMarker.size());
  for (const char c : name) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

int RemoveSaveLeftovers(const std::string& folder, const std::string& fileName) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<std::string> candidates;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsSaveTempName(name, fileName)) candidates.push_back(it->path().string());
  }
  int removed = 0;
  for (const std::string& candidate : candidates) {
    // Never through a link, never a pipe or device, never another user's file.
    Descriptor file(::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid()) {
      continue;
    }
    // A save in progress holds its temporary file locked.
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) continue;
    struct stat named {};
    if (::lstat(candidate.c_str(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino) {
      continue;
    }
    if (::unlink(candidate.c_str()) == 0) ++removed;
  }
  return removed;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error, LinkAtPath links) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  // Writing through a symbolic link replaces the file it points to, not the
  // link (unless the link itself is to be replaced).
  if (links == LinkAtPath::kWriteThrough && fs::is_symlink(fs::symlink_status(target, ec))) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (!target.has_filename()) {
    SetError(error, "cannot write \"" + ShownName(path) + "\": no file name");
    return false;
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  // Temporary files of earlier saves that were killed on the way.
  RemoveSaveLeftovers(folder.string(), target.filename().string());

  // A new, unique temporary file beside the target (same file system, so
  // the rename is atomic), locked for as long as it is written. A leftover
  // sweep by another save may remove it between its creation and the lock:
  // the file is then made again.
  std::random_device entropy;
  std::string tempPath;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    tempPath = (folder / ("." + target.filename().string() + std::string(kTempMarker) + std::to_string(entropy())))
                   .string();
    fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno != EEXIST) break;
      continue;
    }
    struct stat opened {}, named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 || ::lstat(tempPath.c_str(), &named) != 0 ||
        opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
      ::close(fd);
      fd = -1;
      errno = EEXIST;
    }
  }
  if (fd < 0) {
    SetError(error, "cannot write \"" + ShownName(path) + "\": cannot create a temporary file in \"" + ShownName(folder.string()) +
                        "\": " + SystemMessage(errno));
    return false;
  }
  Descriptor temp(fd);
  auto failAndRemove = [&](std::string_view step, int err) {
    if (temp.get() >= 0) temp.Close();
    ::unlink(tempPath.c_str());
    SetError(error, "cannot write \"" + ShownName(path) + "\": " + std::string(step) + ": " + SystemMessage(err));
    return false;
  };

  struct stat old {};
  const int oldState = links == LinkAtPath::kReplace ? ::lstat(target.c_str(), &old) : ::stat(target.c_str(), &old);
  if (oldState == 0 && S_ISREG(old.st_mode)) {
    if (::fchmod(temp.get(), old.st_mode & 07777) != 0) return failAndRemove("setting permissions", errno);
  }
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(temp.get(), p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failAndRemove("writing", errno);
    }
    if (n == 0) return failAndRemove("writing", EIO);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(temp.get()) != 0) return failAndRemove("flushing to disk", errno);
  // The lock stays held through a second descriptor until the rename is
  // done, so that no leftover sweep takes the finished file away.
  const Descriptor lockHolder(::dup(temp.get()));
  if (const int err = temp.Close(); err != 0) return failAndRemove("closing", err);
  if (::rename(tempPath.c_str(), target.c_str()) != 0) return failAndRemove("replacing the old file", errno);

  // Make the rename itself durable. The new file is complete and in place
  // by now, so a folder that cannot be synced (some file systems refuse)
  // does not turn the save into a failure.
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

}  // namespace orvane
