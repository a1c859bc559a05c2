#include "cli/options.h"

#include <charconv>
#include <cmath>

#include "io/birth_options.h"

namespace orvane {

namespace {

// An option as the user typed it, for a message: cut short and with
// anything unprintable replaced, so that the message stays one line.
std::string Shown(std::string_view text) {
  constexpr std::size_t kShown = 32;
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
  }
  if (text.size() > kShown) out += "...";
  return out;
}

bool ParseInt(std::string_view text, long long min, long long max, int& out) {
  // One optional sign: "+5" is 5, "+-5" is malformed.
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  long long v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || v < min || v > max) return false;
  out = static_cast<int>(v);
  return true;
}

bool ParsePositive(std::string_view text, double max, double& out) {
  double v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v) || v <= 0 || v > max)
    return false;
  out = v;
  return true;
}

}  // namespace

void CliOptions::Apply(ChartOptions& out) const {
  if (tajakaYear) {
    out.tajakaMode = 1;
    out.tajakaYear = *tajakaYear;
    if (tajakaMonth) {
      out.tajakaMonthly = 1;
      out.tajakaMonth = *tajakaMonth;
      if (tajakaHora) {
        out.tajakaHoraWanted = 1;
        out.tajakaHora = *tajakaHora - 1;
      }
    }
  }
  if (mundaneDays) {
    out.mundane = 1;
    out.mundaneDays = *mundaneDays;
  }
  if (mahadasa) out.selectedMahadasaLord = *mahadasa;
}

bool ParseCliOptions(const std::vector<std::string_view>& args, CliOptions& o, std::string* error) {
  auto fail = [error](const std::string& message) {
    if (error) *error = message;
    return false;
  };
  std::optional<std::string_view> date, time, offset, lon, lat;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    auto value = [&](std::string_view& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string_view v;
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--now") {
      o.now = true;
    } else if (a == "--section") {
      int n = 0;
      if (!value(v) || !ParseInt(v, 0, 10000, n) || (n > 42 && n != 10000))
        return fail("--section takes a section number 0..42 or 10000");
      o.section = n;
    } else if (a == "--basic") {
      o.basic = true;
    } else if (a == "--complete") {
      o.complete = true;
    } else if (a == "--settings") {
      if (!value(v) || v.empty()) return fail("--settings takes a file name");
      o.settingsPath = std::string(v);
    } else if (a == "--ephemeris") {
      if (!value(v) || (v != "classic" && v != "swiss")) return fail("--ephemeris takes classic or swiss");
      o.ephemeris = v == "swiss" ? 1 : 0;
    } else if (a == "--date") {
      if (!value(v)) return fail("--date takes a date such as 1970-04-04");
      date = v;
    } else if (a == "--time") {
      if (!value(v)) return fail("--time takes a clock time such as 17:50:00");
      time = v;
    } else if (a == "--utc-offset") {
      if (!value(v)) return fail("--utc-offset takes an offset such as +05:30");
      offset = v;
    } else if (a == "--lon") {
      if (!value(v)) return fail("--lon takes a longitude such as 81:12E");
      lon = v;
    } else if (a == "--lat") {
      if (!value(v)) return fail("--lat takes a latitude such as 16:15N");
      lat = v;
    } else if (a == "--place") {
      if (!value(v) || v.empty()) return fail("--place takes a place such as \"Chennai, Tamil Nadu, IN\"");
      o.place = std::string(v);
    } else if (a == "--places") {
      if (!value(v) || v.empty()) return fail("--places takes a name to look up, such as \"chenn\"");
      o.placesQuery = std::string(v);
    } else if (a == "--tajaka") {
      int y = 0;
      if (!value(v) || !ParseInt(v, -3000, 3000, y)) return fail("--tajaka takes a year from -3000 to 3000");
      o.tajakaYear = y;
    } else if (a == "--month") {
      int m = 0;
      if (!value(v) || !ParseInt(v, 1, 12, m)) return fail("--month takes a month from 1 to 12");
      o.tajakaMonth = m;
    } else if (a == "--hora") {
      int p = 0;
      if (!value(v) || !ParseInt(v, 1, 12, p)) return fail("--hora takes a hora period from 1 to 12");
      o.tajakaHora = p;
    } else if (a == "--mundane") {
      double d = 0;
      if (!value(v) || !ParsePositive(v, 1e6, d)) return fail("--mundane takes a positive number of days");
      o.mundaneDays = d;
    } else if (a == "--mahadasa") {
      int lord = 0;
      if (!value(v) || !ParseInt(v, 1, 9, lord)) return fail("--mahadasa takes a planet code from 1 (Sun) to 9 (Ketu)");
      o.mahadasa = lord;
    } else if (a.size() > 1 && a[0] == '-' && !(a.size() > 1 && (a[1] >= '0' && a[1] <= '9'))) {
      return fail("unknown option '" + Shown(a) + "' (see --help)");
    } else {
      o.files.emplace_back(a);
    }
  }
  if (o.help) return true;
  if (o.tajakaMonth && !o.tajakaYear) return fail("--month needs --tajaka YEAR");
  if (o.tajakaHora && !o.tajakaMonth) return fail("--hora needs --month M");
  if (o.tajakaYear && o.mundaneDays) return fail("--tajaka and --mundane exclude each other");
  if (o.json && o.section) return fail("--json and --section exclude each other");
  if ((o.basic || o.complete) && (o.json || o.section || (o.basic && o.complete)))
    return fail("--basic, --complete, --json and --section exclude each other");

  const bool anyBirth = date || time || offset || lon || lat || !o.place.empty();
  if (o.placesQuery) {
    // A listing of places: no chart is cast.
    if (anyBirth || o.now || !o.files.empty() || o.section || o.basic || o.complete || o.tajakaYear ||
        o.mundaneDays || o.mahadasa)
      return fail("--places lists places and takes no chart options (only --json)");
    return true;
  }
  const int sources = (o.now ? 1 : 0) + (anyBirth ? 1 : 0) + (o.files.empty() ? 0 : 1);
  if (sources == 0) return fail("no chart given: name a chart file, --now, or --date and --time (see --help)");
  if (sources > 1) return fail("give either chart files, --now, or birth data options, not several");
  if (o.files.size() > 1 && !o.json && !o.section) {
    // Several charts print one after the other; fine for every output form.
  }

  if (anyBirth) {
    if (!date || !time) return fail("birth data options need at least --date and --time");
    BirthData b;
    const auto d = ParseDateOption(*date);
    if (!d.ok) return fail("--date: " + d.error);
    b.year = d.value.year;
    b.month = d.value.month;
    b.day = d.value.day;
    const auto t = ParseTimeOption(*time);
    if (!t.ok) return fail("--time: " + t.error);
    b.time = t.value;
    if (offset) {
      const auto z = ParseUtcOffsetOption(*offset);
      if (!z.ok) return fail("--utc-offset: " + z.error);
      b.zone = z.value;
      o.zoneGiven = true;
    }
    if (lon) {
      const auto l = ParseLongitudeOption(*lon);
      if (!l.ok) return fail("--lon: " + l.error);
      b.longitude = l.value;
      o.longitudeGiven = true;
    }
    if (lat) {
      const auto l = ParseLatitudeOption(*lat);
      if (!l.ok) return fail("--lat: " + l.error);
      b.latitude = l.value;
      o.latitudeGiven = true;
    }
    o.birth = b;
  }
  return true;
}

}  // namespace orvane
