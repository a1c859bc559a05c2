#include "cli/options.h"

#include <algorithm>
#include <cstdio>
#include <charconv>
#include <cmath>

#include "cli/json.h"
#include "cli/match_cli.h"
#include "io/birth_options.h"
#include "report/sections.h"

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

namespace {

bool SetFlag(bool& flag, std::string_view) {
  flag = true;
  return true;
}

bool StoreText(std::optional<std::string>& out, std::string_view value) {
  out = std::string(value);
  return true;
}

// The table of options. Adding an option is one row here (and its field in
// CliOptions); --help, the "=value" form and the suggestions follow from it.
constexpr CliOptionSpec kOptionTable[] = {
    {"--now", "", "", "the current moment at the default place of the settings",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.now, {}); }},
    {"--date", "Y-M-D", "a date such as 1970-04-04",
     "birth date (astronomical year, e.g. 1970-04-04 or -0500-03-01)",
     [](CliOptions& o, std::string_view v, std::string&) { return StoreText(o.birthText.date, v); }},
    {"--time", "H:M[:S]", "a clock time such as 17:50:00", "local clock time, 24-hour",
     [](CliOptions& o, std::string_view v, std::string&) { return StoreText(o.birthText.time, v); }},
    {"--utc-offset", "+HH:MM", "an offset such as +05:30",
     "zone as people write it (east positive); default: the settings' zone",
     [](CliOptions& o, std::string_view v, std::string&) { return StoreText(o.birthText.offset, v); }},
    {"--lon", "D:M[:S]E|W", "a longitude such as 81:12E", "longitude; default: the settings' default place",
     [](CliOptions& o, std::string_view v, std::string&) { return StoreText(o.birthText.lon, v); }},
    {"--lat", "D:M[:S]N|S", "a latitude such as 16:15N", "latitude;  default: the settings' default place",
     [](CliOptions& o, std::string_view v, std::string&) { return StoreText(o.birthText.lat, v); }},
    {"--place", "\"NAME[, DIVISION][, CC]\"", "a place such as \"Chennai, Tamil Nadu, IN\"",
     "position and zone offset from the place table (the offset in force at --date and --time; "
     "--utc-offset, --lon, --lat override)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.place = std::string(v);
       return true;
     }},
    {"--places", "QUERY", "a name to look up, such as \"chenn\"",
     "the best matches of QUERY in the place table (text, or --json)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.placesQuery = std::string(v);
       return true;
     }},
    {"--settings", "FILE", "a file name", "preferences from a settings file (defaults otherwise)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.settingsPath = std::string(v);
       return true;
     }},
    {"--panchanga", "YYYY-MM|YYYY", "a month such as 2025-03 or a year such as 2025",
     "the panchanga of each day of that month or year at --place (or --lon and --lat with --utc-offset): "
     "sunrise and moonrise, the tithis, nakshatras, yogas and karanas with their ends, the lunar month and "
     "the day's muhurtas and festivals; text, --json or --ics",
     [](CliOptions& o, std::string_view v, std::string& message) {
       int year = 0, month = 0;
       const bool whole = v.size() == 4 && ParseInt(v, 1, 9999, year);
       const bool monthly = v.size() == 7 && v[4] == '-' && ParseInt(v.substr(0, 4), 1, 9999, year) &&
                            ParseInt(v.substr(5, 2), 1, 12, month);
       if (!whole && !monthly) return false;
       if (year < 1800 || year > 2399) {
         message = "the calendar covers the years 1800 to 2399";
         return false;
       }
       o.panchanga = std::string(v);
       o.panchangaYear = year;
       o.panchangaMonth = month;
       return true;
     }},
    {"--eclipses", "YYYY", "a year from 1800 to 2399",
     "the solar and lunar eclipses of that year, globally and as seen from --place (or --lon and --lat with "
     "--utc-offset); needs --ephemeris swiss; text or --json",
     [](CliOptions& o, std::string_view v, std::string&) {
       int year = 0;
       if (v.size() != 4 || !ParseInt(v, 1800, 2399, year)) return false;
       o.eclipsesYear = year;
       return true;
     }},
    {"--muhurta", "KIND", "marriage, griha-pravesha, travel, business or namakarana",
     "with --panchanga: the windows of that period whose tithi, nakshatra, weekday, yoga, karana, lagna (and "
     "with --birth-star tara and chandra bala) suit KIND (marriage, griha-pravesha, travel, business, "
     "namakarana), each with the rules it meets and misses",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "marriage" && v != "griha-pravesha" && v != "travel" && v != "business" && v != "namakarana")
         return false;
       o.muhurta = std::string(v);
       return true;
     }},
    {"--birth-star", "N:P", "a nakshatra 1..27 and its pada 1..4, such as 4:2",
     "with --muhurta: the person's birth nakshatra (1 Aswini .. 27 Revathi) and pada, for tara and chandra bala",
     [](CliOptions& o, std::string_view v, std::string&) {
       const std::size_t colon = v.find(':');
       int n = 0, p = 0;
       if (colon == std::string_view::npos || !ParseInt(v.substr(0, colon), 1, 27, n) ||
           !ParseInt(v.substr(colon + 1), 1, 4, p))
         return false;
       o.birthStar = std::array<int, 2>{n, p};
       return true;
     }},
    {"--ics", "", "",
     "with --panchanga: an iCalendar file (RFC 5545) of the festivals, the tithis and, with --ephemeris swiss, "
     "the eclipses (with --muhurta: the windows meeting every rule), for calendar programs to import",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.ics, {}); }},
    {"--ephemeris", "E", "classic or swiss",
     "classic (the built-in theory) or swiss (the Swiss Ephemeris); default: the settings'",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "classic" && v != "swiss") return false;
       o.ephemeris = v == "swiss" ? 1 : 0;
       return true;
     }},
    {"--ayanamsa", "NAME", "chitrapaksha, raman, devadatta, krishnamurti, usha-shashi, fagan, tropical or kp-new",
     "the ayanamsa (kp-new: Krishnamurti's with the vernal point of 291); default: the settings'",
     [](CliOptions& o, std::string_view v, std::string&) {
       for (std::size_t i = 0; i < kAyanamsaPresets.size(); ++i) {
         if (kAyanamsaPresets[i].key == v && kAyanamsaPresets[i].direction != 0) {
           o.ayanamsa = static_cast<int>(i);
           return true;
         }
       }
       return false;
     }},
    {"--tajaka", "YEAR", "a year from -3000 to 3000", "the Tajaka annual chart of YEAR",
     [](CliOptions& o, std::string_view v, std::string&) {
       int y = 0;
       if (!ParseInt(v, -3000, 3000, y)) return false;
       o.tajakaYear = y;
       return true;
     }},
    {"--month", "M", "a month from 1 to 12", "with --tajaka: the monthly chart of month M (1..12)",
     [](CliOptions& o, std::string_view v, std::string&) {
       int m = 0;
       if (!ParseInt(v, 1, 12, m)) return false;
       o.tajakaMonth = m;
       return true;
     }},
    {"--hora", "P", "a hora period from 1 to 12", "with --month: the hora chart of period P (1..12)",
     [](CliOptions& o, std::string_view v, std::string&) {
       int p = 0;
       if (!ParseInt(v, 1, 12, p)) return false;
       o.tajakaHora = p;
       return true;
     }},
    {"--mundane", "DAYS", "a positive number of days", "a mundane chart spanning DAYS days",
     [](CliOptions& o, std::string_view v, std::string&) {
       double d = 0;
       if (!ParsePositive(v, 1e6, d)) return false;
       o.mundaneDays = d;
       return true;
     }},
    {"--mahadasa", "N", "a planet code from 1 (Sun) to 9 (Ketu)",
     "the main period (planet code 1..9) whose sub-periods section 42 lists",
     [](CliOptions& o, std::string_view v, std::string&) {
       int lord = 0;
       if (!ParseInt(v, 1, 9, lord)) return false;
       o.mahadasa = lord;
       return true;
     }},
    {"--json", "", "", "the computed chart as JSON",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.json, {}); }},
    {"--fields", "LIST", "a comma-separated list of chart JSON keys",
     "with --json: only these keys of each chart (e.g. slots,panchanga,vimsottari; the row's id is kept)",
     [](CliOptions& o, std::string_view v, std::string& message) {
       o.fields.clear();
       const auto known = ChartJsonFields();
       while (true) {
         const std::size_t comma = v.find(',');
         const std::string_view name = v.substr(0, comma);
         if (std::find(known.begin(), known.end(), name) == known.end()) {
           std::string list;
           for (const std::string_view k : known) list += (list.empty() ? "" : ", ") + std::string(k);
           message = name.empty() ? "an empty field name (fields: " + list + ")"
                                  : "unknown field '" + Shown(name) + "' (fields: " + list + ")";
           return false;
         }
         if (std::find(o.fields.begin(), o.fields.end(), name) == o.fields.end()) o.fields.emplace_back(name);
         if (comma == std::string_view::npos) return true;
         v.remove_prefix(comma + 1);
       }
     }},
    {"--section", "NAME|N", "a section name or number 0..43 (see --list-sections)",
     "the text of report section NAME or number N",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (const auto named = FindReportSection(v)) {
         o.section = *named;
         return true;
       }
       int n = 0;
       if (!ParseInt(v, 0, kNoSection, n) || (n >= kReportSectionCount && n != kNoSection)) return false;
       o.section = n;
       return true;
     }},
    {"--yogas", "", "", "the yogas of the chart: key, name, family, source, planets, houses, conditions and "
     "weakenings (with --json: as JSON)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.yogas, {}); }},
    {"--yoga-chart", "D1|D9|D10", "D1, D9 or D10", "with --yogas: read the yogas in the rasi (D1, the default), the "
     "navamsa (D9) or the dasamsa (D10)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "D1" && v != "D9" && v != "D10") return false;
       o.yogaChart = v == "D9" ? 9 : v == "D10" ? 10 : 1;
       return true;
     }},
    {"--sensitivity", "", "", "how far the birth time may move either way before the lagna, its pada, the "
     "navamsa, D-10, D-12 and D-60 lagnas, each planet's navamsa, the KP sub lords of the Placidus cusps (and with "
     "--dasa-at the dasa lord) change",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.sensitivity, {}); }},
    {"--dasa-at", "YYYY-MM-DD", "a date as 2030-01-31", "with --sensitivity: the Vimsottari lord running at this date "
     "as one more point",
     [](CliOptions& o, std::string_view v, std::string&) {
       int y = 0, m = 0, d = 0;
       char tail = 0;
       if (std::sscanf(std::string(v).c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 || d < 1 ||
           d > 31 || y < -3000 || y > 3000)
         return false;
       o.dasaAt = std::array<int, 3>{y, m, d};
       return true;
     }},
    {"--houses", "SYSTEM", "placidus, koch, porphyry, regiomontanus, campanus, equal, whole-sign or sripati",
     "with --json: the house cusps of SYSTEM (sidereal, with their KP lords); with --kp: the cusps used "
     "(default placidus)",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.houses = HouseSystemNamed(v);
       return o.houses.has_value();
     }},
    {"--kp", "", "", "Krishnamurti Paddhati: the sign, star, sub and sub-sub lords of the cusps and planets, and the "
     "ruling planets of the chart's moment (with --json: as JSON)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.kp, {}); }},
    {"--rasi-dasa", "NAME", "chara, narayana, sthira, shoola, niryana-shoola, drig or navamsa",
     "a Jaimini rasi dasa: the main periods from birth with their antardasas, dates and ages (with --json: as "
     "JSON)",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.rasiDasa = jaimini::RasiDasaNamed(v);
       return o.rasiDasa.has_value();
     }},
    {"--chara-direction", "ninth|lagna", "ninth or lagna", "with --rasi-dasa chara: the dasa runs forward when the "
     "ninth from the lagna is odd-footed (ninth, the default) or when the lagna is an odd sign (lagna)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "ninth" && v != "lagna") return false;
       o.charaDirection = v == "ninth" ? jaimini::CharaDirection::kNinthFootedness : jaimini::CharaDirection::kLagnaOddEven;
       o.charaDirectionGiven = true;
       return true;
     }},
    {"--poruthams", "", "", "with --match: the ten poruthams of South Indian matching after the Ashtakoota (the JSON "
     "always has them)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.poruthams, {}); }},
    {"--jaimini", "", "", "Jaimini's sign aspects (rasi drishti), the argalas on each house, the karakamsa and "
     "swamsa (with --json: as JSON)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.jaimini, {}); }},
    {"--kp-horary", "N", "a number 1..249", "KP horary: --kp with the Placidus cusps whose ascendant is the start "
     "of sub N, at the chart's place and date (the planets at the chart's moment)",
     [](CliOptions& o, std::string_view v, std::string&) {
       int n = 0;
       if (!ParseInt(v, 1, 249, n)) return false;
       o.kpHorary = n;
       o.kp = true;
       return true;
     }},
    {"--list-yogas", "", "", "every yoga Orvane knows, with its source and rule (with --json: as JSON)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.listYogas, {}); }},
    {"--db", "FILE", "a file name", "the chart library (default ~/.local/share/orvane/charts.sqlite) for the "
     "library commands below",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.db = std::string(v);
       return true;
     }},
    {"--add", "", "", "add the chart files (and the chart files of the folders) named to the library",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.libAdd, {}); }},
    {"--import", "FILE", "a file name", "add the births of an AAF, CSV or JSON Lines file to the library",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.libImport = std::string(v);
       return true;
     }},
    {"--list", "", "", "every chart of the library (with --json: one JSON line each)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.libList, {}); }},
    {"--find", "NAME", "a name", "the library's charts whose name starts with NAME",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.libFind = std::string(v);
       return true;
     }},
    {"--where", "EXPR", "a query", "the library's charts matching EXPR, e.g. 'moon.sign == \"Scorpio\" and "
     "jupiter.house in [1, 4, 7, 10]' (docs/library.md)",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.libWhere = std::string(v);
       return true;
     }},
    {"--count-by", "FACT", "a fact name", "counts of FACT's values over the library's charts (matching --where)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.libCountBy = std::string(v);
       return true;
     }},
    {"--control", "METHOD", "shuffle or random", "with --count-by: expected counts from a control group (shuffle: "
     "the group's dates among its times and places; random: random times in its range of dates) and a chi-square test",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "shuffle" && v != "random") return false;
       o.libControl = std::string(v);
       return true;
     }},
    {"--csv", "", "", "with --count-by: the counts as CSV",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.csv, {}); }},
    {"--export", "FORMAT", "csv, jsonl or aaf", "the library's charts (matching --where) as CSV, JSON Lines (with "
     "their facts) or AAF",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "csv" && v != "jsonl" && v != "aaf") return false;
       o.libExport = std::string(v);
       return true;
     }},
    {"--tag", "ID:TAG", "a chart id and a tag, as 12:client", "tag a chart of the library",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.libTag.emplace_back(v);
       return true;
     }},
    {"--untag", "ID:TAG", "a chart id and a tag, as 12:client", "take a tag from a chart of the library",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.libUntag.emplace_back(v);
       return true;
     }},
    {"--remove", "ID", "a chart id", "remove a chart from the library",
     [](CliOptions& o, std::string_view v, std::string&) {
       int id = 0;
       if (!ParseInt(v, 1, 2000000000, id)) return false;
       o.libRemove.push_back(id);
       return true;
     }},
    {"--facts", "ID", "a chart id", "the facts the library keeps of a chart",
     [](CliOptions& o, std::string_view v, std::string&) {
       int id = 0;
       if (!ParseInt(v, 1, 2000000000, id)) return false;
       o.libFacts = id;
       return true;
     }},
    {"--event", "ID:KIND:DATE[:NOTE]", "a chart id, a kind, a date and a note, as 12:marriage:1995-05-01:in Chennai",
     "keep a life event of a chart of the library (marriage, job, illness, ...)",
     [](CliOptions& o, std::string_view v, std::string&) {
       o.libEvents.emplace_back(v);
       return true;
     }},
    {"--events", "ID", "a chart id", "the life events the library keeps of a chart",
     [](CliOptions& o, std::string_view v, std::string&) {
       int id = 0;
       if (!ParseInt(v, 1, 2000000000, id)) return false;
       o.libShowEvents = id;
       return true;
     }},
    {"--backup", "FILE", "a file name", "a consistent copy of the library",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.libBackup = std::string(v);
       return true;
     }},
    {"--check", "", "", "SQLite's integrity check of the library",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.libCheck, {}); }},
    {"--list-sections", "", "", "number, name and title of every report section (with --json: as JSON)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.listSections, {}); }},
    {"--basic", "", "", "the basic calculations as the desktop program copies them",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.basic, {}); }},
    {"--complete", "", "", "the complete calculations as the desktop program copies them",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.complete, {}); }},
    {"--version", "", "", "program version, ephemeris engines and time-zone database",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.version, {}); }},
    {"--input", "FILE|-", "a file name, or - for standard input",
     "births from a CSV file (header id,date,time,utc_offset,lon,lat; id, utc_offset, lon, lat optional) or "
     "JSON Lines with the same keys; - reads standard input; every output line carries the row's id",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v.empty()) return false;
       o.inputPath = std::string(v);
       return true;
     }},
    {"--jobs", "N", "a number of worker threads from 1 to 1024",
     "worker threads for several charts (default: one per core)",
     [](CliOptions& o, std::string_view v, std::string&) {
       int n = 0;
       if (!ParseInt(v, 1, 1024, n)) return false;
       o.jobs = n;
       return true;
     }},
    {"--match", "", "", "with two chart files GROOM BRIDE: Ashtakoota matching and Manglik check",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.match, {}); }},
    // --transits takes its moment only when one follows it (see ParseCliOptions).
    {"--transits", "", "",
     "[YYYY-MM-DD[THH:MM]]: transits of that moment (default: now) read against the chart, with its Sade "
     "Sati periods; times in the birth zone (or --utc-offset)",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.transits, {}); }},
    {"--venus-vedha", "PAIRING", "11-6 or 11-3",
     "with --transits: Venus's 11th house obstructed from the 6th and its 12th from the 3rd (11-6, the "
     "default), or the 11th from the 3rd and the 12th from the 6th (11-3)",
     [](CliOptions& o, std::string_view v, std::string&) {
       if (v != "11-6" && v != "11-3") return false;
       o.venusVedhaOther = v == "11-3";
       o.venusVedhaGiven = true;
       return true;
     }},
    {"--help", "", "", "this text",
     [](CliOptions& o, std::string_view, std::string&) { return SetFlag(o.help, {}); }},
};

const CliOptionSpec* FindOption(std::string_view name) {
  if (name == "-h") name = "--help";
  for (const CliOptionSpec& row : kOptionTable)
    if (row.name == name) return &row;
  return nullptr;
}

// Edit distance (insertions, deletions, substitutions, swaps of neighbours).
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

// The known option nearest to an unknown one, when one is near enough to
// be what was meant: the only option it begins, or one a typo away.
std::optional<std::string_view> NearestOption(std::string_view typed) {
  constexpr std::size_t kLongest = 64;  // longer text is no typo of an option
  if (typed.size() < 3 || typed.size() > kLongest) return std::nullopt;
  const CliOptionSpec* prefixOf = nullptr;
  int prefixCount = 0;
  for (const CliOptionSpec& row : kOptionTable) {
    if (row.name.starts_with(typed)) {
      prefixOf = &row;
      ++prefixCount;
    }
  }
  if (prefixCount == 1) return prefixOf->name;
  std::string_view best;
  std::size_t bestDistance = 0;
  for (const CliOptionSpec& row : kOptionTable) {
    const std::size_t d = EditDistance(typed, row.name);
    if (best.empty() || d < bestDistance) {
      best = row.name;
      bestDistance = d;
    }
  }
  const std::size_t allowed = std::max<std::size_t>(2, best.size() / 4);
  if (bestDistance <= allowed) return best;
  return std::nullopt;
}

}  // namespace

std::span<const CliOptionSpec> CliOptionTable() { return kOptionTable; }

std::string CliUsage() {
  std::string out = "usage: orvane-cli [options] [--] [FILE...]\n";
  auto line = [&out](std::string_view left, std::string_view help) {
    constexpr std::size_t kColumn = 20;
    out += "  ";
    out += left;
    out.append(left.size() < kColumn ? kColumn - left.size() : 0, ' ');
    out += ' ';
    out += help;
    out += '\n';
  };
  line("FILE", "chart data file(s) (.orv or .dat); several with --json give one line each");
  for (const CliOptionSpec& row : kOptionTable) {
    std::string left(row.name);
    if (!row.valueName.empty()) left += " " + std::string(row.valueName);
    line(left, row.help);
  }
  line("--", "ends the options: every later argument is a chart file");
  return out;
}

bool ParseCliOptions(const std::vector<std::string_view>& args, CliOptions& o, std::string* error) {
  auto fail = [error](const std::string& message) {
    if (error) *error = message;
    return false;
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool looksLikeOption = a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
    if (optionsEnded || !looksLikeOption) {
      o.files.emplace_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    // "--name=value" or "--name value".
    const std::size_t equals = a.starts_with("--") ? a.find('=') : std::string_view::npos;
    const std::string_view name = a.substr(0, equals);
    const CliOptionSpec* row = FindOption(name);
    if (!row) {
      const auto nearest = NearestOption(name);
      if (nearest) return fail("unknown option '" + Shown(name) + "' (did you mean " + std::string(*nearest) + "?)");
      return fail("unknown option '" + Shown(name) + "' (see --help)");
    }
    const std::string takes = std::string(row->name) + " takes " + std::string(row->takes);
    std::string_view value;
    if (row->valueName.empty()) {
      if (equals != std::string_view::npos) return fail(std::string(row->name) + " takes no value");
    } else if (equals != std::string_view::npos) {
      value = a.substr(equals + 1);
    } else {
      if (i + 1 >= args.size()) return fail(takes);
      value = args[++i];
    }
    std::string message;
    if (!row->apply(o, value, message)) return fail(message.empty() ? takes : std::string(row->name) + ": " + message);
    // The moment of --transits is optional: taken when the next argument has its shape.
    if (row->name == "--transits" && i + 1 < args.size() && IsTransitMomentShape(args[i + 1])) {
      BirthData moment;
      if (!ParseTransitMoment(args[++i], moment, &message)) return fail(message);
      o.transitMoment = moment;
    }
  }
  if (o.help || o.version || o.listSections || o.listYogas) return true;
  if (o.LibraryCommand() || o.db) {
    if (!o.LibraryCommand()) return fail("--db goes with a library command (--add, --import, --list, --where, ...)");
    const int commands = (o.libAdd ? 1 : 0) + (o.libImport.empty() ? 0 : 1) + (o.libList ? 1 : 0) +
                         (o.libFind ? 1 : 0) + (o.libCountBy ? 1 : 0) + (o.libExport ? 1 : 0) + (o.libFacts ? 1 : 0) + (o.libShowEvents ? 1 : 0) +
                         (o.libBackup.empty() ? 0 : 1) + (o.libCheck ? 1 : 0);
    if (commands > 1) return fail("one library command at a time");
    const auto& [date, time, offset, lon, lat] = o.birthText;
    if (o.now || date || time || offset || lon || lat || !o.inputPath.empty() || o.section || o.basic || o.complete ||
        o.yogas || o.match || o.transits || o.tajakaYear || o.mundaneDays || !o.place.empty())
      return fail("the library commands take no chart options");
    if (!o.files.empty() && !o.libAdd) return fail("chart files go with --add");
    if (o.libAdd && o.files.empty()) return fail("--add takes chart files or folders");
    if (!o.libControl.empty() && !o.libCountBy) return fail("--control goes with --count-by");
    if (o.csv && !o.libCountBy) return fail("--csv goes with --count-by");
    return true;
  }
  if (o.tajakaMonth && !o.tajakaYear) return fail("--month needs --tajaka YEAR");
  if (o.tajakaHora && !o.tajakaMonth) return fail("--hora needs --month M");
  if (o.tajakaYear && o.mundaneDays) return fail("--tajaka and --mundane exclude each other");
  if (o.json && o.section) return fail("--json and --section exclude each other");
  if (o.yogaChart != 1 && !o.yogas) return fail("--yoga-chart goes with --yogas");
  if (o.dasaAt && !o.sensitivity) return fail("--dasa-at goes with --sensitivity");
  if (o.houses && !o.json && !o.kp) return fail("--houses goes with --json or --kp");
  if (o.houses && o.kpHorary) return fail("--kp-horary takes Placidus cusps: it excludes --houses");
  if (o.charaDirectionGiven && o.rasiDasa != jaimini::RasiDasa::kChara)
    return fail("--chara-direction goes with --rasi-dasa chara");
  if ((o.rasiDasa || o.jaimini) &&
      (o.rasiDasa.has_value() + o.jaimini + o.kp + o.sensitivity + o.yogas > 1 || o.section || o.basic || o.complete ||
       !o.fields.empty() || o.match || o.transits || o.tajakaYear || o.mundaneDays))
    return fail(std::string(o.jaimini ? "--jaimini" : "--rasi-dasa") +
                " excludes --section, --basic, --complete, --yogas, --kp, --sensitivity, --fields, --match, "
                "--transits, --tajaka and --mundane");
  if (o.kp && (o.section || o.basic || o.complete || o.yogas || o.sensitivity || !o.fields.empty() || o.match ||
               o.transits))
    return fail("--kp excludes --section, --basic, --complete, --yogas, --sensitivity, --fields, --match and "
                "--transits");
  if (o.sensitivity && (o.section || o.basic || o.complete || o.yogas || !o.fields.empty() || o.match || o.transits ||
                        o.tajakaYear || o.mundaneDays))
    return fail("--sensitivity excludes --section, --basic, --complete, --yogas, --fields, --match, --transits, "
                "--tajaka and --mundane");
  if (o.yogas && (o.section || o.basic || o.complete || !o.fields.empty() || o.match || o.transits))
    return fail("--yogas excludes --section, --basic, --complete, --fields, --match and --transits");
  if (!o.fields.empty() && (!o.json || o.match || o.transits || o.placesQuery))
    return fail("--fields goes with --json of charts");
  if ((o.basic || o.complete) && (o.json || o.section || (o.basic && o.complete)))
    return fail("--basic, --complete, --json and --section exclude each other");

  const auto& [date, time, offset, lon, lat] = o.birthText;
  // The zone and place options into birth data (false, with the message
  // given, for a value that cannot be read).
  auto readPlace = [&o, &fail](BirthData& b) {
    if (const auto& offset = o.birthText.offset) {
      const auto z = ParseUtcOffsetOption(*offset);
      if (!z.ok) return fail("--utc-offset: " + z.error);
      b.zone = z.value;
      o.zoneGiven = true;
    }
    if (const auto& lon = o.birthText.lon) {
      const auto l = ParseLongitudeOption(*lon);
      if (!l.ok) return fail("--lon: " + l.error);
      b.longitude = l.value;
      o.longitudeGiven = true;
    }
    if (const auto& lat = o.birthText.lat) {
      const auto l = ParseLatitudeOption(*lat);
      if (!l.ok) return fail("--lat: " + l.error);
      b.latitude = l.value;
      o.latitudeGiven = true;
    }
    return true;
  };
  if (o.match || o.transits) {
    const bool otherOutput = o.section || o.basic || o.complete || o.tajakaYear || o.mundaneDays;
    if (o.match && o.transits) return fail("--match and --transits exclude each other");
    if (otherOutput)
      return fail(std::string(o.match ? "--match" : "--transits") +
                  " excludes --section, --basic, --complete, --tajaka and --mundane");
    if (o.match && (o.files.size() != 2 || o.now || date || time || offset || lon || lat || !o.inputPath.empty()))
      return fail("--match takes two chart files: GROOM BRIDE");
    if (o.transits && !o.inputPath.empty())
      return fail("--transits reads chart files, --now or birth data options, not --input");
  }
  if (o.venusVedhaGiven && !o.transits) return fail("--venus-vedha goes with --transits");
  if (o.poruthams && !o.match) return fail("--poruthams goes with --match");
  if (o.transits && offset && !date && !time && !lon && !lat && o.place.empty()) {
    // With chart files or --now, --utc-offset names the zone of the transit times.
    const auto z = ParseUtcOffsetOption(*offset);
    if (!z.ok) return fail("--utc-offset: " + z.error);
    o.transitZone = z.value;
    o.birthText.offset.reset();
  }
  if (o.ics && !o.panchanga) return fail("--ics goes with --panchanga");
  if (!o.muhurta.empty() && !o.panchanga) return fail("--muhurta goes with --panchanga (the period searched)");
  if (o.birthStar && o.muhurta.empty()) return fail("--birth-star goes with --muhurta");
  if (o.ics && o.json) return fail("--ics and --json exclude each other");
  if (o.panchanga || o.eclipsesYear) {
    // A calendar at a place: no chart is cast.
    const std::string what = o.panchanga ? "--panchanga" : "--eclipses";
    if (o.panchanga && o.eclipsesYear) return fail("--panchanga and --eclipses exclude each other");
    if (date || time || o.now || !o.files.empty() || !o.inputPath.empty() || o.section || o.basic || o.complete ||
        o.tajakaYear || o.mundaneDays || o.mahadasa || o.match || o.transits || o.yogas || o.sensitivity || o.kp ||
        !o.fields.empty() || o.placesQuery)
      return fail(what + " takes a place (--place, or --lon and --lat) and no chart options");
    if (o.place.empty() && (!lon || !lat)) return fail(what + " needs --place, or --lon and --lat");
    BirthData b;
    if (!readPlace(b)) return false;
    o.birth = b;
    return true;
  }
  const bool anyBirth = date || time || offset || lon || lat || !o.place.empty();
  if (o.placesQuery) {
    // A listing of places: no chart is cast.
    if (anyBirth || o.now || !o.files.empty() || !o.inputPath.empty() || o.section || o.basic || o.complete ||
        o.tajakaYear || o.mundaneDays || o.mahadasa)
      return fail("--places lists places and takes no chart options (only --json)");
    return true;
  }
  const int sources =
      (o.now ? 1 : 0) + (anyBirth ? 1 : 0) + (o.files.empty() ? 0 : 1) + (o.inputPath.empty() ? 0 : 1);
  if (sources == 0)
    return fail("no chart given: name a chart file, --now, --date and --time, or --input FILE (see --help)");
  if (sources > 1) return fail("give either chart files, --now, birth data options or --input, not several");
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
    if (!readPlace(b)) return false;
    o.birth = b;
  }
  return true;
}

}  // namespace orvane
