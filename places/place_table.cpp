#include "places/place_table.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <filesystem>
#include <system_error>


#include "io/shown_name.h"

namespace orvane {
namespace {

// The table is a few megabytes; anything far larger is not a place table.
constexpr std::size_t kTableLimit = 64u << 20;

// The field count of each record kind.
constexpr std::size_t kPlaceFields = 6;     // name division lat lon zone population
constexpr std::size_t kDivisionFields = 5;  // @D country code name zone

// Splits `line` at tabs into at most `max` fields; returns how many.
std::size_t SplitTabs(std::string_view line, std::string_view* fields, std::size_t max) {
  std::size_t n = 0;
  while (n < max) {
    const std::size_t tab = line.find('\t');
    fields[n++] = line.substr(0, tab);
    if (tab == std::string_view::npos) break;
    line.remove_prefix(tab + 1);
  }
  return n;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

// Decodes the UTF-8 sequence at `text[i]`; returns its length (1 for a byte
// that does not start a valid sequence, which is then taken as it is).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t& code) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > text.size()) {
    code = c;
    return 1;
  }
  code = length == 1 ? c : length == 2 ? (c & 0x1Fu) : length == 3 ? (c & 0x0Fu) : (c & 0x07u);
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      code = c;
      return 1;
    }
    code = (code << 6) | (next & 0x3Fu);
  }
  return length;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

namespace {

// The compact form of a table, as it is kept in memory and written as the
// index file: a header, the record runs, then the text they point into.
constexpr char kIndexMagic[8] = {'O', 'R', 'V', 'P', 'L', 'C', 'X', '\n'};
constexpr std::uint32_t kIndexVersion = 1;
constexpr std::uint32_t kByteOrder = 0x01020304;  // a file from a machine of the other byte order is refused

enum Run : std::size_t { kTextRun, kZones, kCountries, kDivisions, kFolds, kPlaces, kOrder, kAlternates, kRunCount };

// The table file an index was made from: it is used only while the file is
// the same (size, modification time and the file itself).
struct SourceStamp {
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::uint64_t inode = 0;
  std::uint64_t device = 0;
  bool operator==(const SourceStamp&) const = default;
};

struct IndexHeader {
  char magic[8];
  std::uint32_t version;
  std::uint32_t byteOrder;
  SourceStamp source;
  struct {
    std::uint64_t offset;  // from the start of the bytes, a multiple of 8
    std::uint64_t count;   // records (bytes for the text)
  } runs[kRunCount];
};
static_assert(std::is_trivially_copyable_v<IndexHeader>);

SourceStamp StampOf(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
          static_cast<std::uint64_t>(info.st_ino), static_cast<std::uint64_t>(info.st_dev)};
}

// The records of a table being built, before they become its compact form.
struct TableBuild {
  std::string text;
  std::vector<PlaceTable::Text> zones;
  std::vector<PlaceTable::Country> countries;
  std::vector<PlaceTable::Division> divisions;
  std::vector<PlaceTable::FoldRule> folds;
  std::vector<PlaceTable::Row> places;
  std::vector<std::uint32_t> order;
  std::vector<PlaceTable::Alternate> alternates;

  PlaceTable::Text Add(std::string_view s) {
    const PlaceTable::Text t{static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(s.size())};
    text.append(s);
    return t;
  }

  // The compact form: header, runs, text, each run at a multiple of 8.
  std::string Bytes(const SourceStamp& source) const {
    IndexHeader header{};
    std::memcpy(header.magic, kIndexMagic, sizeof header.magic);
    header.version = kIndexVersion;
    header.byteOrder = kByteOrder;
    header.source = source;
    std::string out(sizeof header, '\0');
    auto put = [&](Run run, const void* data, std::size_t count, std::size_t width) {
      out.resize((out.size() + 7) & ~std::size_t{7}, '\0');
      header.runs[run] = {out.size(), count};
      out.append(static_cast<const char*>(data), count * width);
    };
    put(kZones, zones.data(), zones.size(), sizeof(PlaceTable::Text));
    put(kCountries, countries.data(), countries.size(), sizeof(PlaceTable::Country));
    put(kDivisions, divisions.data(), divisions.size(), sizeof(PlaceTable::Division));
    put(kFolds, folds.data(), folds.size(), sizeof(PlaceTable::FoldRule));
    put(kPlaces, places.data(), places.size(), sizeof(PlaceTable::Row));
    put(kOrder, order.data(), order.size(), sizeof(std::uint32_t));
    put(kAlternates, alternates.data(), alternates.size(), sizeof(PlaceTable::Alternate));
    put(kTextRun, text.data(), text.size(), 1);
    std::memcpy(out.data(), &header, sizeof header);
    return out;
  }
};

// "places-<hash of the table's path>.idx": one index per table file.
std::string IndexPathFor(const std::string& folder, const std::string& tablePath) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(tablePath, ec);
  const std::string key = ec ? tablePath : absolute.lexically_normal().string();
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (const unsigned char c : key) hash = (hash ^ c) * 1099511628211ull;
  char name[40];
  std::snprintf(name, sizeof name, "places-%016llx.idx", static_cast<unsigned long long>(hash));
  return folder + "/" + name;
}

// The index at `indexPath` when it was made from the file `source`
// describes, mapped read-only; null otherwise.
std::shared_ptr<const void> MapIndex(const std::string& indexPath, const SourceStamp& source, std::string_view* bytes) {
  const int fd = ::open(indexPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  void* map = MAP_FAILED;
  std::size_t size = 0;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= static_cast<off_t>(sizeof(IndexHeader)) &&
      static_cast<std::size_t>(info.st_size) <= 2 * kTableLimit) {
    size = static_cast<std::size_t>(info.st_size);
    IndexHeader header{};
    if (::pread(fd, &header, sizeof header, 0) == static_cast<ssize_t>(sizeof header) && header.source == source) {
      map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    }
  }
  ::close(fd);
  if (map == MAP_FAILED) return nullptr;
  // A look-up reads a few scattered pages: no read-ahead around them.
  ::madvise(map, size, MADV_RANDOM);
  *bytes = std::string_view(static_cast<const char*>(map), size);
  return std::shared_ptr<const void>(map, [size](const void* p) { ::munmap(const_cast<void*>(p), size); });
}

// Writes the index beside the others, whole or not at all: into a file of
// its own, renamed over the old one when complete. The index only saves
// time, so a folder that cannot be written is passed over in silence.
void WriteIndex(const std::string& folder, const std::string& indexPath, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string temp = indexPath + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return;
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  // On disk before it takes the index's name; then out of the page cache, whose
  // large pages a mapping would take in whole: the next start reads back only
  // the pages its look-up touches.
  ok = ok && ::fdatasync(fd) == 0;
  if (ok) ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  ok = ::close(fd) == 0 && ok;
  if (!ok || ::rename(temp.c_str(), indexPath.c_str()) != 0) ::unlink(temp.c_str());
}

}  // namespace

std::string PlaceIndexFolder() {
  if (const char* named = std::getenv("ORVANE_PLACE_INDEX")) return named;
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && cache[0] == '/') {
    return std::string(cache) + "/orvane";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    return std::string(home) + "/.cache/orvane";
  }
  return {};
}

bool PlaceTable::Load(const std::string& path, std::string* error) { return Load(path, PlaceIndexFolder(), error); }

bool PlaceTable::Load(const std::string& path, const std::string& indexFolder, std::string* error) {
  *this = PlaceTable();
  const std::string shown = ShownName(path);  // the path as messages show it
  // The table file is read into memory, not mapped: a mapped file that
  // another program cuts short while this one runs kills it with SIGBUS the
  // next time a search touches a page past the new end. Its index is this
  // program's own file, replaced only by renaming a new one over it, so a
  // mapping of it always reads the file it mapped.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = "cannot open \"" + shown + "\": " + std::system_category().message(errno);
    return false;
  }
  std::string reason;
  std::string text;
  std::string indexPath;
  SourceStamp stamp;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    reason = "cannot read \"" + shown + "\": " + std::system_category().message(errno);
  } else if (!S_ISREG(info.st_mode)) {
    reason = "\"" + shown + "\" is not a regular file";
  } else if (info.st_size <= 0) {
    reason = "\"" + shown + "\" is empty: not a place table";
  } else if (static_cast<std::size_t>(info.st_size) > kTableLimit) {
    reason = "\"" + shown + "\" is too large to be a place table";
  } else {
    stamp = StampOf(info);
    if (!indexFolder.empty()) {
      indexPath = IndexPathFor(indexFolder, path);
      std::string_view bytes;
      if (auto mapped = MapIndex(indexPath, stamp, &bytes); mapped != nullptr && Attach(std::move(mapped), bytes)) {
        ::close(fd);
        fromIndex_ = true;
        return true;
      }
    }
    // Read to the end, whatever the size now is (the file may change while
    // it is read), up to the limit.
    text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    for (;;) {
      if (got == text.size()) {
        if (text.size() > kTableLimit) break;
        text.resize(text.size() + 65536);
      }
      const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        reason = "cannot read \"" + shown + "\": " + std::system_category().message(errno);
        break;
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    if (reason.empty() && got > kTableLimit) reason = "\"" + shown + "\" is too large to be a place table";
    if (reason.empty() && got == 0) reason = "\"" + shown + "\" is empty: not a place table";
  }
  ::close(fd);
  if (!reason.empty()) {
    if (error) *error = reason;
    return false;
  }
  if (!ParseText(text, shown, error)) return false;
  if (!indexPath.empty()) {
    // Written with the stamp read before the file was: a file that changed
    // while it was read no longer matches its index, and is read again.
    std::string bytes(bytes_);
    std::memcpy(bytes.data() + offsetof(IndexHeader, source), &stamp, sizeof stamp);
    WriteIndex(indexFolder, indexPath, bytes);
  }
  return true;
}

bool PlaceTable::Parse(std::string text, std::string_view source, std::string* error) {
  *this = PlaceTable();
  return ParseText(text, source, error);
}

bool PlaceTable::Attach(std::shared_ptr<const void> holder, std::string_view bytes) {
  *this = PlaceTable();
  IndexHeader header{};
  if (bytes.size() < sizeof header) return false;
  std::memcpy(&header, bytes.data(), sizeof header);
  if (std::memcmp(header.magic, kIndexMagic, sizeof header.magic) != 0 || header.version != kIndexVersion ||
      header.byteOrder != kByteOrder)
    return false;
  const std::size_t widths[kRunCount] = {1,
                                         sizeof(Text),
                                         sizeof(Country),
                                         sizeof(Division),
                                         sizeof(FoldRule),
                                         sizeof(Row),
                                         sizeof(std::uint32_t),
                                         sizeof(Alternate)};
  for (std::size_t run = 0; run < kRunCount; ++run) {
    const auto [offset, count] = header.runs[run];
    if (offset % 8 != 0 || offset < sizeof header || offset > bytes.size() ||
        count > (bytes.size() - offset) / widths[run])
      return false;
  }
  // The bytes start at a multiple of 8 (an allocation or a mapping), so every
  // run is aligned for its records.
  if (reinterpret_cast<std::uintptr_t>(bytes.data()) % 8 != 0) return false;
  auto span = [&]<typename T>(Span<T>& into, Run run) {
    into.data = reinterpret_cast<const T*>(bytes.data() + header.runs[run].offset);
    into.count = header.runs[run].count;
  };
  text_ = bytes.substr(header.runs[kTextRun].offset, header.runs[kTextRun].count);
  span(zones_, kZones);
  span(countries_, kCountries);
  span(divisions_, kDivisions);
  span(folds_, kFolds);
  span(places_, kPlaces);
  span(order_, kOrder);
  span(alternates_, kAlternates);
  // The few divisions are checked whole; the many places where they are read.
  bool ok = !places_.empty() && (order_.empty() || order_.size() == places_.size()) && zones_.size() <= 65535;
  for (const Division& d : divisions_) ok = ok && d.country < countries_.size() && d.zone < zones_.size();
  if (!ok) {
    *this = PlaceTable();
    return false;
  }
  holder_ = std::move(holder);
  bytes_ = bytes;
  return true;
}

bool PlaceTable::ParseText(std::string_view all, std::string_view source, std::string* error) {
  std::size_t lineNumber = 0;
  auto fail = [&](std::string_view what) {
    if (error) *error = "line " + std::to_string(lineNumber) + " of \"" + std::string(source) + "\": " + std::string(what);
    *this = PlaceTable();
    return false;
  };
  TableBuild build;
  build.text.reserve(all.size() / 2);
  build.places.reserve(all.size() / 32);
  std::vector<std::pair<std::uint32_t, std::string_view>> folds;
  struct PendingAlternate {
    std::string_view name;
    std::uint32_t place;
  };
  std::vector<PendingAlternate> pending;
  bool versionSeen = false;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::string_view f[kPlaceFields];
    if (line.front() == '@') {
      const std::size_t n = SplitTabs(line, f, kDivisionFields);
      const std::string_view kind = f[0];
      if (kind == "@V") {
        if (n != 2 || f[1] != "1") return fail("this place table has a format this program does not read");
        versionSeen = true;
      } else if (kind == "@Z") {
        std::string_view rest = line.substr(std::min(line.size(), std::size_t{3}));
        while (!rest.empty()) {
          const std::size_t tab = rest.find('\t');
          build.zones.push_back(build.Add(rest.substr(0, tab)));
          if (tab == std::string_view::npos) break;
          rest.remove_prefix(tab + 1);
        }
        if (build.zones.size() > 65535) return fail("too many zones");
      } else if (kind == "@C") {
        if (n != 3) return fail("a country record has a code and a name");
        build.countries.push_back({build.Add(f[1]), build.Add(f[2]), {}});
      } else if (kind == "@D") {
        std::uint32_t country = 0;
        std::uint16_t zone = 0;
        if (n != 5 || !ParseNumber(f[1], country) || country >= build.countries.size() || !ParseNumber(f[4], zone) ||
            zone >= build.zones.size())
          return fail("a division record has a country, a code, a name and a zone");
        build.divisions.push_back({build.Add(f[2]), build.Add(f[3]), {}, country, zone});
      } else if (kind == "@F") {
        std::uint32_t code = 0;
        if (n != 3 || f[1].empty() || DecodeUtf8(f[1], 0, code) != f[1].size())
          return fail("a folding record has one character and its folded text");
        folds.emplace_back(code, f[2]);
      } else if (kind == "@A") {
        std::uint32_t place = 0;
        if (n != 3 || f[1].empty() || !ParseNumber(f[2], place)) return fail("another spelling needs a name and a place");
        pending.push_back({f[1], place});
      } else {
        return fail("unknown record");
      }
      continue;
    }
    if (!versionSeen) return fail("not a place table (no version record)");
    if (SplitTabs(line, f, kPlaceFields) != kPlaceFields) return fail("a place has six fields");
    Row row;
    std::uint16_t zone = 0;
    if (f[0].empty() || f[0].size() > 65535) return fail("a place needs a name");
    if (!ParseNumber(f[1], row.division) || row.division >= build.divisions.size()) return fail("unknown division");
    if (!ParseNumber(f[2], row.latitude) || std::abs(row.latitude) > 90000 || !ParseNumber(f[3], row.longitude) ||
        std::abs(row.longitude) > 180000)
      return fail("latitude or longitude out of range");
    if (f[4].empty()) {
      zone = static_cast<std::uint16_t>(build.divisions[row.division].zone);
    } else if (!ParseNumber(f[4], zone) || zone >= build.zones.size()) {
      return fail("unknown zone");
    }
    if (!f[5].empty() && !ParseNumber(f[5], row.population)) return fail("the population is not a number");
    row.zone = zone;
    const Text name = build.Add(f[0]);
    row.nameOffset = name.offset;
    row.nameLength = static_cast<std::uint16_t>(name.length);
    build.places.push_back(row);
  }
  if (!versionSeen) return fail("not a place table (no version record)");
  for (const PendingAlternate& a : pending) {
    if (a.place >= build.places.size()) return fail("another spelling names a place beyond the table");
  }
  if (build.places.empty()) return fail("the table holds no place");
  std::stable_sort(folds.begin(), folds.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [code, folded] : folds) build.folds.push_back({code, build.Add(folded)});

  // Taken once without the folded keys, so that the table can fold them.
  const std::string first = build.Bytes({});
  if (!Attach(nullptr, first)) return fail("the table is too large");
  for (Country& c : build.countries) c.key = build.Add(Fold(TextOf(c.name)));
  for (Division& d : build.divisions) d.key = build.Add(Fold(TextOf(d.name)));
  for (const PendingAlternate& a : pending) build.alternates.push_back({build.Add(Fold(a.name)), a.place});
  std::stable_sort(build.alternates.begin(), build.alternates.end(), [&](const Alternate& a, const Alternate& b) {
    return std::string_view(build.text).substr(a.key.offset, a.key.length) <
           std::string_view(build.text).substr(b.key.offset, b.key.length);
  });
  // The file lists the places by folded name, which the search relies on:
  // checked here (comparing folded names stops at their first difference,
  // so this is quick), and a table written otherwise is sorted.
  bool sorted = true;
  for (std::size_t i = 1; i < places_.size() && sorted; ++i) {
    sorted = CompareNames(NameOf(places_[i - 1]), NameOf(places_[i])) <= 0;
  }
  if (!sorted) {
    build.order.resize(places_.size());
    for (std::uint32_t i = 0; i < build.order.size(); ++i) build.order[i] = i;
    std::stable_sort(build.order.begin(), build.order.end(), [this](std::uint32_t a, std::uint32_t b) {
      return CompareNames(NameOf(places_[a]), NameOf(places_[b])) < 0;
    });
  }
  auto owned = std::make_shared<const std::string>(build.Bytes({}));
  const std::string_view bytes = *owned;
  if (!Attach(std::move(owned), bytes)) return fail("the table is too large");
  return true;
}

const PlaceTable::Division& PlaceTable::DivisionOf(const Row& row) const {
  static const Division kNone{};
  return row.division < divisions_.size() ? divisions_[row.division] : kNone;
}

const PlaceTable::Country& PlaceTable::CountryOf(const Division& division) const {
  static const Country kNone{};
  return division.country < countries_.size() ? countries_[division.country] : kNone;
}

const PlaceTable::FoldRule* PlaceTable::FoldOf(std::uint32_t code) const {
  const FoldRule* it = std::lower_bound(folds_.begin(), folds_.end(), code,
                                        [](const FoldRule& rule, std::uint32_t value) { return rule.code < value; });
  return it != folds_.end() && it->code == code ? it : nullptr;
}

std::string_view PlaceTable::FoldedText(std::uint32_t code) const {
  const FoldRule* rule = FoldOf(code);
  if (rule == nullptr) return {};
  const std::string_view folded = TextOf(rule->folded);
  return folded.data() != nullptr ? folded : std::string_view("", 0);
}

Place PlaceTable::at(std::size_t index) const {
  if (index >= places_.size()) throw std::out_of_range("PlaceTable::at");
  const Row& row = places_[index];
  const Division& division = DivisionOf(row);
  const Country& country = CountryOf(division);
  Place place;
  place.name = NameOf(row);
  place.admin1 = TextOf(division.name);
  place.admin1Code = TextOf(division.code);
  place.country = TextOf(country.code);
  place.countryName = TextOf(country.name);
  place.zone = row.zone < zones_.size() ? TextOf(zones_[row.zone]) : std::string_view();
  place.latitude = row.latitude / 1000.0;
  place.longitude = row.longitude / 1000.0;
  place.population = row.population;
  return place;
}

void PlaceTable::AppendFolded(std::string& out, std::string_view text) const {
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) < 0x80) {
      out += c == '-' ? ' ' : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      ++i;
      continue;
    }
    std::uint32_t code = 0;
    const std::size_t length = DecodeUtf8(text, i, code);
    if (const FoldRule* rule = FoldOf(code)) {
      out += TextOf(rule->folded);
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
}

namespace {

// An ASCII byte as the search compares it.
constexpr int FoldAscii(unsigned char c) { return c == '-' ? ' ' : (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

// The folded bytes of a text, one at a time.
class FoldedBytes {
 public:
  FoldedBytes(std::string_view text, const PlaceTable& table) : text_(text), table_(table) {}
  // The next byte (0..255), or -1 at the end.
  int Next() {
    while (pending_.empty()) {
      if (i_ >= text_.size()) return -1;
      const char c = text_[i_];
      if (static_cast<unsigned char>(c) < 0x80) {
        ++i_;
        return FoldAscii(static_cast<unsigned char>(c));
      }
      std::uint32_t code = 0;
      const std::size_t length = DecodeUtf8(text_, i_, code);
      const std::string_view folded = table_.FoldedText(code);
      pending_ = folded.data() != nullptr ? folded : text_.substr(i_, length);
      i_ += length;
    }
    const unsigned char c = static_cast<unsigned char>(pending_.front());
    pending_.remove_prefix(1);
    return c;
  }

 private:
  std::string_view text_;
  const PlaceTable& table_;
  std::size_t i_ = 0;
  std::string_view pending_;
};

}  // namespace

int PlaceTable::CompareFolded(std::string_view name, std::string_view folded, bool prefixOnly) const {
  FoldedBytes a(name, *this);
  for (std::size_t i = 0;; ++i) {
    if (i == folded.size()) return prefixOnly || a.Next() < 0 ? 0 : 1;
    const int x = a.Next();
    const int y = static_cast<unsigned char>(folded[i]);
    if (x != y) return x < y ? -1 : 1;
  }
}

int PlaceTable::CompareNames(std::string_view first, std::string_view second) const {
  // The ASCII start of both names folds byte by byte; the folding of the
  // rest starts at the first other byte (a whole code point, as every byte
  // before it was one).
  const std::size_t common = std::min(first.size(), second.size());
  std::size_t i = 0;
  for (; i < common; ++i) {
    const unsigned char p = static_cast<unsigned char>(first[i]), q = static_cast<unsigned char>(second[i]);
    if ((p | q) >= 0x80) break;
    const int x = FoldAscii(p), y = FoldAscii(q);
    if (x != y) return x < y ? -1 : 1;
  }
  FoldedBytes a(first.substr(i), *this), b(second.substr(i), *this);
  while (true) {
    const int x = a.Next(), y = b.Next();
    if (x != y) return x < y ? -1 : 1;
    if (x < 0) return 0;
  }
}

std::string PlaceTable::Fold(std::string_view text) const {
  std::string out;
  out.reserve(text.size());
  AppendFolded(out, text);
  return std::string(Trimmed(out));
}

bool PlaceTable::Matches(const Row& row, const std::vector<std::string>& qualifiers) const {
  const Division& division = DivisionOf(row);
  const Country& country = CountryOf(division);
  const std::string_view countryCode = TextOf(country.code), countryKey = TextOf(country.key);
  const std::string_view divisionCode = TextOf(division.code), divisionKey = TextOf(division.key);
  for (const std::string& q : qualifiers) {
    auto sameCode = [&](std::string_view code) {
      if (code.size() != q.size()) return false;
      for (std::size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != q[i]) return false;
      }
      return true;
    };
    const bool hit = sameCode(countryCode) || StartsWith(countryKey, q) ||
                     (!divisionCode.empty() && sameCode(divisionCode)) ||
                     (!divisionKey.empty() && StartsWith(divisionKey, q));
    if (!hit) return false;
  }
  return true;
}

namespace {

// Whether the folded `name` is `words`, or starts with them and a blank
// when they are more than one word: "new york" names "new york city"; "a"
// names neither "alexandria" nor "a coruna".
bool WholeWords(std::string_view name, std::string_view words) {
  if (name == words) return true;
  return words.find(' ') != std::string_view::npos && name.size() > words.size() &&
         name.substr(0, words.size()) == words && name[words.size()] == ' ';
}

}  // namespace

std::vector<std::size_t> PlaceTable::Search(std::string_view query, std::size_t limit, bool wholeName) const {
  std::vector<std::size_t> found;
  if (places_.empty() || limit == 0) return found;
  std::vector<std::string> parts;
  for (std::size_t start = 0; start <= query.size();) {
    std::size_t comma = query.find(',', start);
    if (comma == std::string_view::npos) comma = query.size();
    parts.push_back(Fold(query.substr(start, comma - start)));
    start = comma + 1;
  }
  const std::string prefix = parts.front();
  if (prefix.empty()) return found;
  std::vector<std::string> qualifiers;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (!parts[i].empty()) qualifiers.push_back(parts[i]);
  }

  std::vector<std::uint32_t> hits;
  // The first place whose folded name is not below the prefix.
  std::size_t low = 0, high = places_.size();
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (CompareFolded(NameOf(RowAt(mid)), prefix, false) < 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  for (std::size_t rank = low; rank < places_.size() && CompareFolded(NameOf(RowAt(rank)), prefix, true) == 0; ++rank) {
    if (wholeName && !WholeWords(Fold(NameOf(RowAt(rank))), prefix)) continue;
    if (Matches(RowAt(rank), qualifiers)) hits.push_back(IndexAt(rank));
  }
  auto alt = std::lower_bound(alternates_.begin(), alternates_.end(), prefix,
                              [this](const Alternate& a, const std::string& p) { return TextOf(a.key) < p; });
  for (; alt != alternates_.end() && StartsWith(TextOf(alt->key), prefix); ++alt) {
    if (alt->place >= places_.size() || (wholeName && !WholeWords(TextOf(alt->key), prefix))) continue;
    if (Matches(places_[alt->place], qualifiers) && std::find(hits.begin(), hits.end(), alt->place) == hits.end())
      hits.push_back(alt->place);
  }

  auto better = [&](std::uint32_t a, std::uint32_t b) {
    const Row& ra = places_[a];
    const Row& rb = places_[b];
    if (ra.population != rb.population) return ra.population > rb.population;
    const bool exactA = CompareFolded(NameOf(ra), prefix, false) == 0;
    const bool exactB = CompareFolded(NameOf(rb), prefix, false) == 0;
    if (exactA != exactB) return exactA;
    return a < b;
  };
  const std::size_t shown = std::min(limit, hits.size());
  std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(shown), hits.end(), better);
  found.assign(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(shown));
  return found;
}

std::string PlaceLabel(const Place& place) {
  std::string label(place.name);
  if (!place.admin1.empty()) {
    label += ", ";
    label += place.admin1;
  }
  label += ", ";
  label += place.country;
  return label;
}

std::vector<std::string> PlaceTablePaths() {
  std::vector<std::string> paths;
  if (const char* named = std::getenv("ORVANE_PLACES"); named != nullptr && *named != '\0') {
    paths.emplace_back(named);
    // A file named on purpose is the only one tried.
    return paths;
  }
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && self.has_parent_path()) {
    paths.push_back((self.parent_path().parent_path() / "share" / "orvane" / "places.tsv").string());
  }
#ifdef ORVANE_PLACES_INSTALLED
  paths.emplace_back(ORVANE_PLACES_INSTALLED);
#endif
#ifdef ORVANE_PLACES_SOURCE
  paths.emplace_back(ORVANE_PLACES_SOURCE);
#endif
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  return paths;
}

bool LoadPlaceTable(PlaceTable& table, std::string* error) {
  const std::vector<std::string> paths = PlaceTablePaths();
  std::error_code ec;
  for (const std::string& path : paths) {
    if (std::filesystem::exists(path, ec)) return table.Load(path, error);
  }
  if (error) {
    std::string tried;
    for (const std::string& path : paths) tried += (tried.empty() ? "" : ", ") + ("\"" + ShownName(path) + "\"");
    *error = "the place table was not found (looked for " + tried + ")";
  }
  table = PlaceTable();
  return false;
}

}  // namespace orvane
