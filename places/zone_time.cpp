#include "places/zone_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>

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
