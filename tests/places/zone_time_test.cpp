#include "places/zone_time.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "date/tz.h"

namespace orvane {
namespace {

struct NamedCase {
  const char* zone;
  int year, month, day, hour, minute;
  LocalTimeKind kind;
  int offsetSeconds;
  bool dst;
  const char* described;  // DescribeOffset, or part of the message
};

TEST(ZoneTime, WellKnownOffsets) {
  const NamedCase cases[] = {
      {"Asia/Kolkata", 1943, 6, 15, 12, 0, LocalTimeKind::kUnique, 6 * 3600 + 1800, true,
       "Asia/Kolkata, +6:30, daylight saving time"},
      {"Asia/Kolkata", 1970, 4, 4, 17, 50, LocalTimeKind::kUnique, 5 * 3600 + 1800, false,
       "Asia/Kolkata, +5:30 IST, standard time"},
      {"Asia/Kathmandu", 1985, 6, 15, 12, 0, LocalTimeKind::kUnique, 5 * 3600 + 1800, false,
       "Asia/Kathmandu, +5:30, standard time"},
      {"Asia/Kathmandu", 1987, 6, 15, 12, 0, LocalTimeKind::kUnique, 5 * 3600 + 2700, false,
       "Asia/Kathmandu, +5:45, standard time"},
      {"Europe/London", 1970, 7, 15, 12, 0, LocalTimeKind::kUnique, 3600, false, "Europe/London, +1:00 BST"},
      {"Europe/London", 1975, 7, 15, 12, 0, LocalTimeKind::kUnique, 3600, true,
       "Europe/London, +1:00 BST, daylight saving time"},
      {"America/New_York", 1943, 1, 15, 12, 0, LocalTimeKind::kUnique, -4 * 3600, true,
       "America/New_York, -4:00 EWT, daylight saving time"},
      {"Asia/Kolkata", 1850, 1, 1, 0, 0, LocalTimeKind::kUnique, 5 * 3600 + 53 * 60 + 28, false,
       "Asia/Kolkata, +5:53:28, local mean time"},
      {"America/New_York", 2021, 3, 14, 2, 30, LocalTimeKind::kNonexistent, 0, false,
       "2021-03-14 02:30 does not exist in America/New_York: the clocks moved forward from 02:00 to 03:00 "
       "(-5:00 to -4:00)"},
      {"America/New_York", 2021, 11, 7, 1, 30, LocalTimeKind::kAmbiguous, -4 * 3600, true,
       "2021-11-07 01:30 occurs twice in America/New_York (the clocks moved back from 02:00 to 01:00): taken "
       "as the first one, -4:00 daylight saving time"},
  };
  for (const NamedCase& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year));
    const LocalTimeResolution r = ResolveLocalTime(c.zone, c.year, c.month, c.day, c.hour, c.minute, 0);
    ASSERT_EQ(r.kind, c.kind) << r.message;
    EXPECT_EQ(r.offset.offsetSeconds, c.offsetSeconds);
    EXPECT_EQ(r.offset.dst, c.dst);
    if (c.kind == LocalTimeKind::kUnique) {
      EXPECT_EQ(DescribeOffset(c.zone, r.offset).rfind(c.described, 0), 0u) << DescribeOffset(c.zone, r.offset);
      EXPECT_TRUE(r.message.empty());
    } else {
      EXPECT_EQ(r.message, c.described);
    }
  }
}

TEST(ZoneTime, AmbiguousTimeOffersTheSecondReading) {
  const LocalTimeResolution first = ResolveLocalTime("America/New_York", 2021, 11, 7, 1, 30, 0);
  const LocalTimeResolution second = ResolveLocalTime("America/New_York", 2021, 11, 7, 1, 30, 0, true);
  ASSERT_EQ(second.kind, LocalTimeKind::kAmbiguous);
  EXPECT_EQ(first.other.offsetSeconds, -5 * 3600);
  EXPECT_EQ(second.offset.offsetSeconds, -5 * 3600);
  EXPECT_FALSE(second.offset.dst);
  EXPECT_EQ(second.other.offsetSeconds, -4 * 3600);
  EXPECT_NE(second.message.find("taken as the second one, -5:00"), std::string::npos) << second.message;
}

TEST(ZoneTime, RefusedInput) {
  struct Bad {
    const char* zone;
    int year, month, day, hour, minute;
    double second;
    const char* message;
  };
  const Bad cases[] = {
      {"Mars/Olympus_Mons", 2000, 1, 1, 0, 0, 0, "\"Mars/Olympus_Mons\" is not in the system's tz database"},
      {"Asia/Kolkata", 2021, 2, 30, 0, 0, 0, "2021-02-30 00:00 is not a date"},
      {"Asia/Kolkata", 2021, 13, 1, 0, 0, 0, "is not a date"},
      {"Asia/Kolkata", 2021, 1, 1, 24, 0, 0, "is not a clock time"},
      {"Asia/Kolkata", 2021, 1, 1, 0, 60, 0, "is not a clock time"},
      {"Asia/Kolkata", 2021, 1, 1, 0, 0, -1, "is not a clock time"},
  };
  for (const Bad& c : cases) {
    const LocalTimeResolution r = ResolveLocalTime(c.zone, c.year, c.month, c.day, c.hour, c.minute, c.second);
    EXPECT_EQ(r.kind, LocalTimeKind::kError);
    EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
  }
}

TEST(ZoneTime, OffsetTextAndLocalMeanTime) {
  const std::pair<int, const char*> cases[] = {
      {0, "+0:00"}, {19800, "+5:30"}, {-18000, "-5:00"}, {21208, "+5:53:28"}, {-1, "-0:00:01"}, {49500, "+13:45"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatOffset(seconds), text);
  EXPECT_EQ(LocalMeanTimeOffset(80.27847), 19267);  // Chennai: +5:21:07
  EXPECT_EQ(LocalMeanTimeOffset(-0.12574), -30);
  EXPECT_EQ(LocalMeanTimeOffset(180), 43200);
  EXPECT_EQ(LocalMeanTimeOffset(200), 0);
}

// The same system tz files read by a second reader: Python's zoneinfo, up to
// 2100 (past 2037 by each file's footer rule). Every sampled local time must
// read alike: the offset of a unique time, both readings of a repeated one,
// and a skipped one must be skipped.
TEST(ZoneTime, AgreesWithPythonZoneinfo) {
  const char* zones[] = {"Asia/Kolkata", "Asia/Kathmandu", "Asia/Colombo", "Asia/Dhaka", "Asia/Karachi",
                         "Asia/Tehran", "Asia/Tokyo", "Asia/Singapore", "Europe/London", "Europe/Paris",
                         "Europe/Moscow", "Europe/Dublin", "America/New_York", "America/Los_Angeles",
                         "America/Sao_Paulo", "America/St_Johns", "Australia/Sydney", "Pacific/Auckland",
                         "Africa/Johannesburg", "Asia/Yangon", "America/Havana", "America/Nuuk",
                         "America/Santiago", "Australia/Lord_Howe", "Pacific/Chatham"};
  struct Sample {
    const char* zone;
    int y, mo, d, h, mi;
  };
  std::vector<Sample> samples;
  using namespace std::chrono;
  const date::sys_days from = date::sys_days{date::year{1900} / 1 / 1};
  const date::sys_days to = date::sys_days{date::year{2100} / 12 / 31};
  auto add = [&](const char* zone, date::local_seconds t) {
    const auto dayPoint = date::floor<date::days>(t);
    const date::year_month_day ymd{dayPoint};
    const date::hh_mm_ss<seconds> hms{t - dayPoint};
    samples.push_back({zone, int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
                       int(hms.hours().count()), int(hms.minutes().count())});
  };
  for (const char* zone : zones) {
    // Every ninth day at a changing clock time...
    int i = 0;
    for (date::sys_days day = from; day <= to; day += date::days{9}, ++i) {
      add(zone, date::local_seconds{day.time_since_epoch()} + hours{(i * 7) % 24} + minutes{(i * 13) % 60});
    }
    // ...every day of years past the zone files' last listed change (their
    // footer rule holds there) at the hours that clocks change...
    for (const int year : {2038, 2039, 2061, 2099})
      for (date::sys_days day = date::sys_days{date::year{year} / 1 / 1};
           day < date::sys_days{date::year{year + 1} / 1 / 1}; day += date::days{1})
        for (const int minute : {-30, 30, 90, 150, 210})
          add(zone, date::local_seconds{day.time_since_epoch()} + minutes{minute});
    // ...and around every listed clock change: before, inside and after the
    // gap or the repeated hour.
    const date::time_zone* tz = date::locate_zone(zone);
    for (date::sys_seconds t = date::sys_seconds{from.time_since_epoch()}; t < to;) {
      const date::sys_info info = tz->get_info(t);
      if (info.end >= to) break;
      const date::sys_info next = tz->get_info(info.end);
      for (const int m : {-61, -31, -1, 1, 29, 31, 59, 61, 91}) {
        add(zone, date::local_seconds{(info.end + info.offset).time_since_epoch()} + minutes{m});
        add(zone, date::local_seconds{(info.end + next.offset).time_since_epoch()} + minutes{m});
      }
      t = info.end;
    }
  }

  char inputs[] = "/tmp/orvane-zone-samples-XXXXXX";
  const int fd = ::mkstemp(inputs);
  ASSERT_GE(fd, 0);
  ::close(fd);
  {
    std::ofstream out(inputs);
    for (const Sample& s : samples) out << s.zone << ' ' << s.y << ' ' << s.mo << ' ' << s.d << ' ' << s.h << ' ' << s.mi << '\n';
  }
  const std::string script =
      "import sys, datetime, zoneinfo\n"
      "zones = {}\n"
      "for line in open(sys.argv[1]):\n"
      "    name, y, mo, d, h, mi = line.split()\n"
      "    z = zones.setdefault(name, zoneinfo.ZoneInfo(name))\n"
      "    t = datetime.datetime(int(y), int(mo), int(d), int(h), int(mi))\n"
      "    a, b = t.replace(tzinfo=z, fold=0), t.replace(tzinfo=z, fold=1)\n"
      "    print(int(a.utcoffset().total_seconds()), int(b.utcoffset().total_seconds()))\n";
  const std::string command = "python3 -c '" + script + "' " + inputs;
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = ::pclose(pipe);
  std::remove(inputs);
  ASSERT_EQ(status, 0) << "python3 with zoneinfo is needed for this test";

  std::istringstream lines(output);
  std::size_t checked = 0, skipped = 0, repeated = 0;
  for (const Sample& s : samples) {
    int fold0 = 0, fold1 = 0;
    ASSERT_TRUE(lines >> fold0 >> fold1);
    const LocalTimeResolution r = ResolveLocalTime(s.zone, s.y, s.mo, s.d, s.h, s.mi, 0);
    const std::string where = std::string(s.zone) + " " + std::to_string(s.y) + "-" + std::to_string(s.mo) + "-" +
                              std::to_string(s.d) + " " + std::to_string(s.h) + ":" + std::to_string(s.mi);
    if (fold0 == fold1) {
      ASSERT_EQ(r.kind, LocalTimeKind::kUnique) << where << ": " << r.message;
      ASSERT_EQ(r.offset.offsetSeconds, fold0) << where;
    } else if (fold0 > fold1) {
      // Python reads a repeated time's first occurrence with fold 0.
      ASSERT_EQ(r.kind, LocalTimeKind::kAmbiguous) << where;
      ASSERT_EQ(r.offset.offsetSeconds, fold0) << where;
      ASSERT_EQ(r.other.offsetSeconds, fold1) << where;
      ++repeated;
    } else {
      ASSERT_EQ(r.kind, LocalTimeKind::kNonexistent) << where;
      ++skipped;
    }
    ++checked;
  }
  EXPECT_EQ(checked, samples.size());
  // The samples did reach both kinds of clock change.
  EXPECT_GT(skipped, 100u);
  EXPECT_GT(repeated, 100u);
}

}  // namespace
}  // namespace orvane
