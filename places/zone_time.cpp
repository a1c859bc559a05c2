#include "places/zone_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>

#include "date/tz.h"

namespace orvane {
namespace {

ZoneOffset FromInfo(const date::sys_info& info) {
  ZoneOffset out;
  out.offsetSeconds = static_cast<int>(info.offset.count());
  // Read from the compiled database, `save` only says whether the time is
  // daylight saving (its size is not kept there).
  out.dst = info.save != std::chrono::minutes{0};
  out.abbreviation = info.abbrev;
  out.localMeanTime = info.abbrev == "LMT";
  return out;
}

// "2021-03-14 02:30"
std::string ClockText(int year, int month, int day, int hour, int minute) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
  return text;
}

// The local clock reading at a UTC instant of the offset `offsetSeconds`.
std::string LocalClock(date::sys_seconds instant, int offsetSeconds) {
  const auto local = instant + std::chrono::seconds{offsetSeconds};
  const auto dayPoint = date::floor<date::days>(local);
  const date::hh_mm_ss<std::chrono::seconds> time{local - dayPoint};
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()));
  return text;
}

// The rule for the years past a zone's last listed clock change: the POSIX
// TZ string at the end of its tz database file ("EST5EDT,M3.2.0,M11.1.0").
// The date/tz library stops at the last listed change (2037 in the
// database's files), so a summer of 2038 would read as standard time.
struct PosixDate {
  enum Kind { kMonthWeekDay, kJulianNoLeap, kDayOfYear } kind = kMonthWeekDay;
  int month = 0, week = 0, weekday = 0;  // Mm.w.d: weekday d (0 Sunday) of week w (5: the last)
  int day = 0;                           // Jn (1..365, no 29 February) or n (0..365)
  int seconds = 7200;                    // local time of the change, may be negative or past 24 h
};

struct PosixZone {
  std::string stdName, dstName;
  int stdOffset = 0, dstOffset = 0;  // east of Greenwich, seconds
  bool hasDst = false;
  PosixDate start, end;  // the change to daylight saving time and back
};

class PosixReader {
 public:
  explicit PosixReader(std::string_view text) : s_(text) {}
  bool Parse(PosixZone& z) {
    if (!Name(z.stdName) || !Offset(z.stdOffset)) return false;
    z.stdOffset = -z.stdOffset;  // POSIX offsets count west
    if (Done()) return true;
    if (!Name(z.dstName)) return false;
    z.hasDst = true;
    z.dstOffset = z.stdOffset + 3600;
    if (!Done() && Peek() != ',') {
      int west = 0;
      if (!Offset(west)) return false;
      z.dstOffset = -west;
    }
    if (!Eat(',') || !Date(z.start) || !Eat(',') || !Date(z.end)) return false;
    return Done();
  }

 private:
  bool Done() const { return i_ >= s_.size(); }
  char Peek() const { return Done() ? '\0' : s_[i_]; }
  bool Eat(char c) {
    if (Peek() != c) return false;
    ++i_;
    return true;
  }
  bool Number(int& out, int most) {
    std::size_t digits = 0;
    out = 0;
    while (!Done() && s_[i_] >= '0' && s_[i_] <= '9' && digits < 4) out = out * 10 + (s_[i_++] - '0'), ++digits;
    return digits > 0 && out <= most;
  }
  bool Name(std::string& out) {
    if (Eat('<')) {
      const std::size_t close = s_.find('>', i_);
      if (close == std::string_view::npos) return false;
      out.assign(s_.substr(i_, close - i_));
      i_ = close + 1;
      return !out.empty();
    }
    const std::size_t from = i_;
    while (!Done() && ((s_[i_] >= 'A' && s_[i_] <= 'Z') || (s_[i_] >= 'a' && s_[i_] <= 'z'))) ++i_;
    out.assign(s_.substr(from, i_ - from));
    return out.size() >= 3;
  }
  // [+-]hh[:mm[:ss]] in seconds.
  bool Clock(int& out, int mostHours) {
    int sign = 1;
    if (Eat('-')) sign = -1;
    else Eat('+');
    int h = 0, m = 0, sec = 0;
    if (!Number(h, mostHours)) return false;
    if (Eat(':') && !Number(m, 59)) return false;
    if (Eat(':') && !Number(sec, 59)) return false;
    out = sign * (h * 3600 + m * 60 + sec);
    return true;
  }
  bool Offset(int& out) { return Clock(out, 24); }
  bool Date(PosixDate& d) {
    if (Eat('M')) {
      d.kind = PosixDate::kMonthWeekDay;
      if (!Number(d.month, 12) || d.month < 1 || !Eat('.') || !Number(d.week, 5) || d.week < 1 || !Eat('.') ||
          !Number(d.weekday, 6))
        return false;
    } else if (Eat('J')) {
      d.kind = PosixDate::kJulianNoLeap;
      if (!Number(d.day, 365) || d.day < 1) return false;
    } else {
      d.kind = PosixDate::kDayOfYear;
      if (!Number(d.day, 365)) return false;
    }
    d.seconds = 7200;
    if (Eat('/') && !Clock(d.seconds, 167)) return false;
    return true;
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

// The local midnight (as a count of days) of a rule's date in `year`.
date::sys_days RuleDay(const PosixDate& d, int year) {
  using namespace date;
  switch (d.kind) {
    case PosixDate::kMonthWeekDay: {
      const auto ym = date::year{year} / date::month{static_cast<unsigned>(d.month)};
      const date::weekday wd{static_cast<unsigned>(d.weekday)};
      if (d.week == 5) return sys_days{ym / wd[date::last]};
      return sys_days{ym / wd[static_cast<unsigned>(d.week)]};
    }
    case PosixDate::kJulianNoLeap: {
      // 1..365, 29 February never counted: day 60 is 1 March.
      const sys_days jan1{date::year{year} / 1 / 1};
      int n = d.day - 1;
      if (date::year{year}.is_leap() && d.day >= 60) ++n;
      return jan1 + date::days{n};
    }
    case PosixDate::kDayOfYear:
      return sys_days{date::year{year} / 1 / 1} + date::days{d.day};
  }
  return sys_days{};
}

// The UTC instants at which daylight saving time starts and ends in `year`.
std::pair<date::sys_seconds, date::sys_seconds> ChangesOf(const PosixZone& z, int year) {
  const date::sys_seconds start =
      RuleDay(z.start, year) + std::chrono::seconds{z.start.seconds} - std::chrono::seconds{z.stdOffset};
  const date::sys_seconds end =
      RuleDay(z.end, year) + std::chrono::seconds{z.end.seconds} - std::chrono::seconds{z.dstOffset};
  return {start, end};
}

bool InDaylightTime(const PosixZone& z, date::sys_seconds instant) {
  const auto local = date::floor<date::days>(instant + std::chrono::seconds{z.stdOffset});
  const int year = static_cast<int>(date::year_month_day{local}.year());
  const auto [start, end] = ChangesOf(z, year);
  return start < end ? (instant >= start && instant < end) : (instant < end || instant >= start);
}

// The footer rule of a zone's database file, read once a zone; nothing
// when the file has none or it does not parse (the library's reading then
// stands).
std::optional<PosixZone> FooterRule(const std::string& zone) {
  static std::mutex mutex;
  static std::map<std::string, std::optional<PosixZone>> cache;
  std::lock_guard<std::mutex> lock(mutex);
  const auto found = cache.find(zone);
  if (found != cache.end()) return found->second;
  std::optional<PosixZone> rule;
  std::ifstream file("/usr/share/zoneinfo/" + zone, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // A version 2 or later file ends with "\n<TZ string>\n".
  if (bytes.size() > 44 && bytes.compare(0, 4, "TZif") == 0 && bytes[4] >= '2' && bytes.back() == '\n') {
    const std::size_t open = bytes.rfind('\n', bytes.size() - 2);
    if (open != std::string::npos) {
      PosixZone z;
      if (PosixReader(std::string_view(bytes).substr(open + 1, bytes.size() - open - 2)).Parse(z)) rule = z;
    }
  }
  cache.emplace(zone, rule);
  return rule;
}

// The reading of `local` by the footer rule, as the library would give it.
date::local_info FooterInfo(const PosixZone& z, date::local_seconds local) {
  date::local_info info{};
  auto reading = [&](bool daylight) {
    date::sys_info s{};
    s.offset = std::chrono::seconds{daylight ? z.dstOffset : z.stdOffset};
    s.save = std::chrono::minutes{daylight ? 60 : 0};
    s.abbrev = daylight ? z.dstName : z.stdName;
    return s;
  };
  const date::sys_seconds asStd{local.time_since_epoch() - std::chrono::seconds{z.stdOffset}};
  const date::sys_seconds asDst{local.time_since_epoch() - std::chrono::seconds{z.dstOffset}};
  const bool stdHolds = !InDaylightTime(z, asStd), dstHolds = InDaylightTime(z, asDst);
  if (stdHolds && dstHolds) {
    info.result = date::local_info::ambiguous;
    // The earlier reading first: the larger offset is the earlier instant.
    const bool dstFirst = z.dstOffset > z.stdOffset;
    info.first = reading(dstFirst);
    info.second = reading(!dstFirst);
  } else if (!stdHolds && !dstHolds) {
    info.result = date::local_info::nonexistent;
    const bool dstAfter = z.dstOffset > z.stdOffset;
    info.first = reading(!dstAfter);
    info.second = reading(dstAfter);
  } else {
    info.result = date::local_info::unique;
    info.first = reading(dstHolds);
  }
  // The change that makes the time occur twice or not at all.
  if (info.result != date::local_info::unique) {
    const int year = static_cast<int>(date::year_month_day{date::floor<date::days>(local)}.year());
    const auto lo = local.time_since_epoch() - std::chrono::seconds{std::max(z.stdOffset, z.dstOffset)};
    const auto hi = local.time_since_epoch() - std::chrono::seconds{std::min(z.stdOffset, z.dstOffset)};
    for (int y = year - 1; y <= year + 1; ++y) {
      const auto [start, end] = ChangesOf(z, y);
      for (const date::sys_seconds change : {start, end})
        if (change.time_since_epoch() >= lo && change.time_since_epoch() <= hi) info.first.end = change;
    }
  }
  return info;
}

// True when the library's reading is of the zone's last listed period,
// which runs on to the end of its calendar.
bool LastListedPeriod(const date::sys_info& info) {
  return info.end >= date::sys_days{date::year{32767} / 1 / 1};
}

}  // namespace

LocalTimeResolution ResolveLocalTime(std::string_view zone, int year, int month, int day, int hour, int minute,
                                     double second, bool secondReading) {
  LocalTimeResolution result;
  const std::string zoneName(zone);
  const std::string clock = ClockText(year, month, day, hour, minute);
  if (!(second >= 0 && second < 61) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || year < -32767 ||
      year > 32767) {
    result.message = clock + " is not a clock time";
    return result;
  }
  const date::year_month_day ymd{date::year{year}, date::month{static_cast<unsigned>(month)},
                                 date::day{static_cast<unsigned>(day)}};
  if (!ymd.ok()) {
    result.message = clock + " is not a date";
    return result;
  }
  const date::local_seconds local = date::local_days{ymd} + std::chrono::hours{hour} +
                                    std::chrono::minutes{minute} +
                                    std::chrono::seconds{static_cast<long long>(std::floor(second))};
  const date::time_zone* tz = nullptr;
  try {
    tz = date::locate_zone(zoneName);
  } catch (const std::exception& e) {
    result.message = "the time zone \"" + zoneName + "\" is not in the system's tz database";
    return result;
  }
  date::local_info info;
  try {
    info = tz->get_info(local);
  } catch (const std::exception& e) {
    result.message = "the tz database cannot place " + clock + " in " + zoneName + ": " + e.what();
    return result;
  }
  // Past the last listed change the zone's footer rule holds.
  if (info.result == date::local_info::unique && LastListedPeriod(info.first)) {
    const std::optional<PosixZone> rule = FooterRule(std::string(tz->name()));
    if (rule && rule->hasDst) {
      const date::local_info footer = FooterInfo(*rule, local);
      const date::sys_seconds asRead{local.time_since_epoch() - info.first.offset};
      if (asRead > info.first.begin) info = footer;
    }
  }
  switch (info.result) {
    case date::local_info::unique:
      result.kind = LocalTimeKind::kUnique;
      result.offset = FromInfo(info.first);
      break;
    case date::local_info::nonexistent: {
      result.kind = LocalTimeKind::kNonexistent;
      // The clocks jumped at the end of the first period.
      const date::sys_seconds change = info.first.end;
      result.message = clock + " does not exist in " + zoneName + ": the clocks moved forward from " +
                       LocalClock(change, static_cast<int>(info.first.offset.count())) + " to " +
                       LocalClock(change, static_cast<int>(info.second.offset.count())) +
                       " (" + FormatOffset(static_cast<int>(info.first.offset.count())) + " to " +
                       FormatOffset(static_cast<int>(info.second.offset.count())) + ")";
      result.offset = FromInfo(info.first);
      result.other = FromInfo(info.second);
      break;
    }
    case date::local_info::ambiguous: {
      result.kind = LocalTimeKind::kAmbiguous;
      const ZoneOffset first = FromInfo(info.first), later = FromInfo(info.second);
      result.offset = secondReading ? later : first;
      result.other = secondReading ? first : later;
      const date::sys_seconds change = info.first.end;
      result.message = clock + " occurs twice in " + zoneName + " (the clocks moved back from " +
                       LocalClock(change, first.offsetSeconds) + " to " + LocalClock(change, later.offsetSeconds) +
                       "): taken as the " + (secondReading ? "second" : "first") + " one, " +
                       FormatOffset(result.offset.offsetSeconds) + (result.offset.dst ? " daylight saving time" : "");
      break;
    }
  }
  if (result.kind == LocalTimeKind::kNonexistent) {
    // No reading is in force.
    result.offset = ZoneOffset{};
  }
  return result;
}

bool OffsetAtInstant(std::string_view zone, std::int64_t unixSeconds, ZoneOffset& out, std::string* error) {
  const std::string zoneName(zone);
  const date::time_zone* tz = nullptr;
  try {
    tz = date::locate_zone(zoneName);
  } catch (const std::exception&) {
    if (error) *error = "the time zone \"" + zoneName + "\" is not in the system's tz database";
    return false;
  }
  const date::sys_seconds instant{std::chrono::seconds{unixSeconds}};
  date::sys_info info;
  try {
    info = tz->get_info(instant);
  } catch (const std::exception& e) {
    if (error) *error = "the tz database cannot read " + zoneName + ": " + e.what();
    return false;
  }
  out = FromInfo(info);
  // Past the last listed change the zone's footer rule holds.
  if (LastListedPeriod(info)) {
    const std::optional<PosixZone> rule = FooterRule(std::string(tz->name()));
    if (rule && rule->hasDst && instant > info.begin) {
      const bool daylight = InDaylightTime(*rule, instant);
      out.offsetSeconds = daylight ? rule->dstOffset : rule->stdOffset;
      out.dst = daylight;
      out.abbreviation = daylight ? rule->dstName : rule->stdName;
      out.localMeanTime = false;
    }
  }
  return true;
}

int LocalMeanTimeOffset(double longitudeEast) {
  if (!std::isfinite(longitudeEast) || std::abs(longitudeEast) > 180) return 0;
  return static_cast<int>(std::lround(longitudeEast * 240.0));
}

std::string FormatOffset(int offsetSeconds) {
  const char sign = offsetSeconds < 0 ? '-' : '+';
  const long long total = std::llabs(static_cast<long long>(offsetSeconds));
  const long long h = total / 3600, m = total / 60 % 60, s = total % 60;
  char text[32];
  if (s != 0) {
    std::snprintf(text, sizeof text, "%c%lld:%02lld:%02lld", sign, h, m, s);
  } else {
    std::snprintf(text, sizeof text, "%c%lld:%02lld", sign, h, m);
  }
  return text;
}

std::string DescribeOffset(std::string_view zone, const ZoneOffset& offset) {
  std::string text(zone);
  text += ", ";
  text += FormatOffset(offset.offsetSeconds);
  // A lettered abbreviation is a name ("IST", "EWT"); "+0630" only repeats
  // the offset.
  const bool named = !offset.abbreviation.empty() && offset.abbreviation != "LMT" &&
                     offset.abbreviation.front() != '+' && offset.abbreviation.front() != '-';
  if (named) text += " " + offset.abbreviation;
  text += offset.localMeanTime ? ", local mean time" : offset.dst ? ", daylight saving time" : ", standard time";
  return text;
}

}  // namespace orvane
