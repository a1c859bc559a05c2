#include "places/place_table.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
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

bool PlaceTable::Load(const std::string& path, std::string* error) {
  *this = PlaceTable();
  const std::string shown = ShownName(path);  // the path as messages show it
  // The file is read into memory, not mapped: a mapped file that another
  // program cuts short while this one runs kills it with SIGBUS the next
  // time a search touches a page past the new end.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = "cannot open \"" + shown + "\": " + std::system_category().message(errno);
    return false;
  }
  std::string reason;
  std::string text;
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
  auto owned = std::make_shared<const std::string>(std::move(text));
  text_ = *owned;
  textHolder_ = std::shared_ptr<const char>(owned, owned->data());
  return ParseText(shown, error);
}

bool PlaceTable::Parse(std::string text, std::string_view source, std::string* error) {
  *this = PlaceTable();
  auto owned = std::make_shared<const std::string>(std::move(text));
  text_ = *owned;
  textHolder_ = std::shared_ptr<const char>(owned, owned->data());
  return ParseText(source, error);
}

bool PlaceTable::ParseText(std::string_view source, std::string* error) {
  const std::string_view all = text_;
  std::size_t lineNumber = 0;
  auto fail = [&](std::string_view what) {
    if (error) *error = "line " + std::to_string(lineNumber) + " of \"" + std::string(source) + "\": " + std::string(what);
    *this = PlaceTable();
    return false;
  };
  struct PendingAlternate {
    std::string_view name;
    std::uint32_t place;
  };
  std::vector<PendingAlternate> pending;
  bool versionSeen = false;
  places_.reserve(all.size() / 32);
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
          zones_.push_back(rest.substr(0, tab));
          if (tab == std::string_view::npos) break;
          rest.remove_prefix(tab + 1);
        }
        if (zones_.size() > 65535) return fail("too many zones");
      } else if (kind == "@C") {
        if (n != 3) return fail("a country record has a code and a name");
        countries_.push_back({f[1], f[2], {}});
      } else if (kind == "@D") {
        std::uint32_t country = 0;
        std::uint16_t zone = 0;
        if (n != 5 || !ParseNumber(f[1], country) || country >= countries_.size() || !ParseNumber(f[4], zone) ||
            zone >= zones_.size())
          return fail("a division record has a country, a code, a name and a zone");
        divisions_.push_back({f[2], f[3], {}, country, zone});
      } else if (kind == "@F") {
        std::uint32_t code = 0;
        if (n != 3 || f[1].empty() || DecodeUtf8(f[1], 0, code) != f[1].size())
          return fail("a folding record has one character and its folded text");
        folds_.emplace_back(code, std::string(f[2]));
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
    if (!ParseNumber(f[1], row.division) || row.division >= divisions_.size()) return fail("unknown division");
    if (!ParseNumber(f[2], row.latitude) || std::abs(row.latitude) > 90000 || !ParseNumber(f[3], row.longitude) ||
        std::abs(row.longitude) > 180000)
      return fail("latitude or longitude out of range");
    if (f[4].empty()) {
      zone = divisions_[row.division].zone;
    } else if (!ParseNumber(f[4], zone) || zone >= zones_.size()) {
      return fail("unknown zone");
    }
    if (!f[5].empty() && !ParseNumber(f[5], row.population)) return fail("the population is not a number");
    row.zone = zone;
    row.nameOffset = static_cast<std::uint32_t>(f[0].data() - all.data());
    row.nameLength = static_cast<std::uint16_t>(f[0].size());
    places_.push_back(row);
  }
  if (!versionSeen) return fail("not a place table (no version record)");
  std::sort(folds_.begin(), folds_.end());

  // The file lists the places by folded name, which the search relies on:
  // checked here (comparing folded names stops at their first difference,
  // so this is quick), and a table written otherwise is sorted.
  bool sorted = true;
  for (std::size_t i = 1; i < places_.size() && sorted; ++i) {
    sorted = CompareNames(NameOf(places_[i - 1]), NameOf(places_[i])) <= 0;
  }
  if (!sorted) {
    order_.resize(places_.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::stable_sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) {
      return CompareNames(NameOf(places_[a]), NameOf(places_[b])) < 0;
    });
  }

  for (Country& c : countries_) c.key = Fold(c.name);
  for (Division& d : divisions_) d.key = Fold(d.name);
  for (const PendingAlternate& a : pending) {
    if (a.place >= places_.size()) return fail("another spelling names a place beyond the table");
    alternates_.push_back({Fold(a.name), a.place});
  }
  std::sort(alternates_.begin(), alternates_.end(),
            [](const Alternate& a, const Alternate& b) { return a.key < b.key; });
  if (places_.empty()) return fail("the table holds no place");
  return true;
}

Place PlaceTable::at(std::size_t index) const {
  const Row& row = places_.at(index);
  const Division& division = divisions_[row.division];
  const Country& country = countries_[division.country];
  Place place;
  place.name = NameOf(row);
  place.admin1 = division.name;
  place.admin1Code = division.code;
  place.country = country.code;
  place.countryName = country.name;
  place.zone = zones_[row.zone];
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
    const auto it = std::lower_bound(folds_.begin(), folds_.end(), code,
                                     [](const auto& entry, std::uint32_t value) { return entry.first < value; });
    if (it != folds_.end() && it->first == code) {
      out += it->second;
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
  FoldedBytes(std::string_view text, const std::vector<std::pair<std::uint32_t, std::string>>& folds)
      : text_(text), folds_(folds) {}
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
      const auto it = std::lower_bound(folds_.begin(), folds_.end(), code,
                                       [](const auto& entry, std::uint32_t value) { return entry.first < value; });
      pending_ = (it != folds_.end() && it->first == code) ? std::string_view(it->second) : text_.substr(i_, length);
      i_ += length;
    }
    const unsigned char c = static_cast<unsigned char>(pending_.front());
    pending_.remove_prefix(1);
    return c;
  }

 private:
  std::string_view text_;
  const std::vector<std::pair<std::uint32_t, std::string>>& folds_;
  std::size_t i_ = 0;
  std::string_view pending_;
};

}  // namespace

int PlaceTable::CompareFolded(std::string_view name, std::string_view folded, bool prefixOnly) const {
  FoldedBytes a(name, folds_);
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
  FoldedBytes a(first.substr(i), folds_), b(second.substr(i), folds_);
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
  const Division& division = divisions_[row.division];
  const Country& country = countries_[division.country];
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
    const bool hit = sameCode(country.code) || StartsWith(country.key, q) ||
                     (!division.code.empty() && sameCode(division.code)) ||
                     (!division.key.empty() && StartsWith(division.key, q));
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
                              [](const Alternate& a, const std::string& p) { return a.key < p; });
  for (; alt != alternates_.end() && StartsWith(alt->key, prefix); ++alt) {
    if (wholeName && !WholeWords(alt->key, prefix)) continue;
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
