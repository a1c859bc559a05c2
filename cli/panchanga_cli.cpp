#include "cli/panchanga_cli.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/ics.h"
#include "cli/json.h"
#include "cli/place_cli.h"
#include "engine/calendar.h"
#include "engine/eclipses.h"
#include "panchanga/days.h"
#include "panchanga/festivals.h"
#include "panchanga/muhurta.h"
#include "places/place_table.h"
#include "places/zone_time.h"

namespace orvane {

namespace {

constexpr int kExitBadInput = 2;

using Clock = ClockReading;

// The clock reading of a moment at an offset, to the nearest second.
Clock ClockOf(double jd, int offsetSeconds) { return ClockAt(jd, offsetSeconds); }

// "+05:30", "-04:00" (seconds of an offset shown only when not zero).
std::string OffsetText(int offsetSeconds) {
  const char sign = offsetSeconds < 0 ? '-' : '+';
  const int a = std::abs(offsetSeconds);
  char text[24];
  if (a % 60 != 0)
    std::snprintf(text, sizeof text, "%c%02d:%02d:%02d", sign, a / 3600, a / 60 % 60, a % 60);
  else
    std::snprintf(text, sizeof text, "%c%02d:%02d", sign, a / 3600, a / 60 % 60);
  return text;
}

// The calendar's place: where it is, what it is called and its zone.
struct CalendarPlace {
  std::string label;  // "Delhi, Delhi, IN" or "28:39N 77:13E"
  std::string zoneName;  // IANA zone; empty for a fixed offset
  SkyPlace sky;
  ZoneOffsetAt zone;
};

// The "place" and "zone" keys of a listing (the zone null for a fixed
// offset).
void WritePlaceJson(JsonWriter& json, const CalendarPlace& place) {
  json.Key("place");
  json.String(place.label);
  json.Key("zone");
  if (place.zoneName.empty())
    json.Null();
  else
    json.String(place.zoneName);
}

class Writer {
 public:
  Writer(const ZoneOffsetAt& zone) : zone_(zone) {}
  int Offset(double jd) const {
    int offset = 0;
    zone_(static_cast<std::int64_t>(std::llround(UnixOfJulianDay(jd))), offset);
    return offset;
  }
  std::string Iso(double jd) const { return IsoMoment(jd, Offset(jd)); }
  // "06:45:12", or "03-02 06:45:12" when the moment falls on another date
  // than the day's.
  std::string Time(double jd, const PanchangaDay& day, bool seconds = true) const {
    const Clock c = ClockOf(jd, Offset(jd));
    const bool other = c.year != day.year || c.month != day.month || c.day != day.day;
    char text[40];
    int n = 0;
    if (other) n = std::snprintf(text, sizeof text, "%02d-%02d ", c.month, c.day);
    if (seconds)
      std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), "%02d:%02d:%02d", c.hour, c.minute, c.second);
    else
      std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), "%02d:%02d", c.hour, c.minute);
    return text;
  }

 private:
  const ZoneOffsetAt& zone_;
};

std::string SpanName(int kind, int index) {
  switch (kind) {
    case 0:
      return std::string(TithiNameOf(index));
    case 1:
      return std::string(NakshatraNameOf(index));
    case 2:
      return std::string(NakshatraNameOf(index / 4)) + " " + std::to_string(index % 4 + 1);
    case 3:
      return std::string(YogaNameOf(index));
    default:
      return std::string(KaranaNameOf(index));
  }
}

std::string MonthText(const LunarMonth& m) {
  return std::string(m.adhika ? "Adhika " : "") + std::string(LunarMonthNameOf(m.index));
}

void WriteDayText(const Writer& w, const PanchangaDay& day, std::string& out) {
  char line[256];
  std::snprintf(line, sizeof line, "%04d-%02d-%02d %s\n", day.year, day.month, day.day,
                std::string(VaraNameOf(day.vara)).c_str());
  out += line;
  auto opt = [&](const std::optional<double>& t) { return t ? w.Time(*t, day) : std::string("none"); };
  out += "  Sun        rise " + opt(day.sunrise) + ", set " + opt(day.sunset) + "\n";
  out += "  Moon       rise " + opt(day.moonrise) + ", set " + opt(day.moonset) + "\n";
  out += "  Month      " + MonthText(day.amanta) + " (amanta), " + MonthText(day.purnimanta) + " (purnimanta)";
  if (day.kshayaMonth >= 0) out += ", " + std::string(LunarMonthNameOf(day.kshayaMonth)) + " kshaya";
  out += "\n";
  std::snprintf(line, sizeof line, "  Year       %s samvatsara, Saka %d, Vikram %d; %s ritu, %s\n",
                std::string(SamvatsaraNameOf(day.samvatsara)).c_str(), day.sakaYear, day.vikramYear,
                std::string(RituNameOf(day.ritu)).c_str(), day.uttarayana ? "Uttarayana" : "Dakshinayana");
  out += line;
  if (!day.observances.empty()) {
    out += "  Festivals  ";
    for (std::size_t i = 0; i < day.observances.size(); ++i) out += (i ? ", " : "") + day.observances[i];
    out += "\n";
  }
  const char* labels[] = {"Tithi", "Nakshatra", "Pada", "Yoga", "Karana"};
  const std::vector<Span>* lists[] = {&day.tithis, &day.nakshatras, &day.padas, &day.yogas, &day.karanas};
  for (int k = 0; k < 5; ++k) {
    std::snprintf(line, sizeof line, "  %-10s ", labels[k]);
    out += line;
    bool first = true;
    for (const Span& s : *lists[k]) {
      if (!first) out += "; ";
      first = false;
      out += SpanName(k, s.index) + " till " + w.Time(s.end, day);
    }
    out += "\n";
  }
  for (const Sankranti& s : day.sankrantis)
    out += "  Sankranti  the Sun enters " + std::string(SignNameOf(s.sign)) + " at " + w.Time(s.moment, day) + "\n";
  auto period = [&](const Interval& i) { return w.Time(i.start, day, false) + "-" + w.Time(i.end, day, false); };
  auto optPeriod = [&](const std::optional<Interval>& i) { return i ? period(*i) : std::string("none"); };
  auto periods = [&](const std::vector<Interval>& list) {
    std::string s;
    for (const Interval& i : list) s += (s.empty() ? "" : ", ") + period(i);
    return s.empty() ? std::string("none") : s;
  };
  if (!day.rahuKalam) {
    out += "  (no sunrise or sunset: the day's periods are not reckoned)\n\n";
    return;
  }
  out += "  Rahu kalam " + optPeriod(day.rahuKalam) + "; Yamaganda " + optPeriod(day.yamaganda) + "; Gulika kalam " +
         optPeriod(day.gulikaKalam) + "\n";
  out += "  Muhurtas   Abhijit " + optPeriod(day.abhijit) + "; Brahma " + optPeriod(day.brahmaMuhurta) + "; Dur " +
         periods(day.durMuhurtas) + "\n";
  out += "  Varjyam    " + periods(day.varjyam) + "; Amrita kalam " + periods(day.amritaKalam) + "\n";
  for (int half = 0; half < 2; ++half) {
    out += half == 0 ? "  Choghadiya day  " : "             night";
    for (int k = 0; k < 8; ++k) {
      const RuledInterval& c = day.choghadiyas[static_cast<std::size_t>(half * 8 + k)];
      out += " " + std::string(ChoghadiyaNameOf(c.ruler)) + " " + w.Time(c.span.start, day, false);
    }
    out += "\n";
  }
  for (int half = 0; half < 2; ++half) {
    out += half == 0 ? "  Hora day  " : "       night";
    for (int k = 0; k < 12; ++k) {
      const RuledInterval& h = day.horas[static_cast<std::size_t>(half * 12 + k)];
      out += " " + std::string(GrahaNameOf(h.ruler)).substr(0, 3) + " " + w.Time(h.span.start, day, false);
    }
    out += "\n";
  }
  out += "\n";
}

void WriteSpansJson(JsonWriter& json, const Writer& w, const std::vector<Span>& spans, int kind) {
  json.BeginArray();
  for (const Span& s : spans) {
    json.BeginObject();
    if (kind == 2) {
      json.Key("nakshatra");
      json.String(NakshatraNameOf(s.index / 4));
      json.Key("pada");
      json.Int(s.index % 4 + 1);
    } else {
      json.Key("number");
      json.Int(s.index + 1);
      json.Key("name");
      json.String(SpanName(kind, s.index));
    }
    json.Key("start");
    json.String(w.Iso(s.start));
    json.Key("end");
    json.String(w.Iso(s.end));
    json.EndObject();
  }
  json.EndArray();
}

void WriteIntervalJson(JsonWriter& json, const Writer& w, const Interval& i) {
  json.BeginObject();
  json.Key("start");
  json.String(w.Iso(i.start));
  json.Key("end");
  json.String(w.Iso(i.end));
  json.EndObject();
}

void WriteDayJson(JsonWriter& json, const Writer& w, const PanchangaDay& day) {
  json.BeginObject();
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
  json.Key("date");
  json.String(date);
  json.Key("vara");
  json.String(VaraNameOf(day.vara));
  auto moment = [&](const char* key, const std::optional<double>& t) {
    json.Key(key);
    if (t)
      json.String(w.Iso(*t));
    else
      json.Null();
  };
  moment("sunrise", day.sunrise);
  moment("sunset", day.sunset);
  moment("moonrise", day.moonrise);
  moment("moonset", day.moonset);
  const char* keys[] = {"tithis", "nakshatras", "padas", "yogas", "karanas"};
  const std::vector<Span>* lists[] = {&day.tithis, &day.nakshatras, &day.padas, &day.yogas, &day.karanas};
  for (int k = 0; k < 5; ++k) {
    json.Key(keys[k]);
    WriteSpansJson(json, w, *lists[k], k);
  }
  auto month = [&](const char* key, const LunarMonth& m) {
    json.Key(key);
    json.BeginObject();
    json.Key("name");
    json.String(LunarMonthNameOf(m.index));
    json.Key("adhika");
    json.Bool(m.adhika);
    json.EndObject();
  };
  month("amanta_month", day.amanta);
  month("purnimanta_month", day.purnimanta);
  json.Key("kshaya_month");
  if (day.kshayaMonth >= 0)
    json.String(LunarMonthNameOf(day.kshayaMonth));
  else
    json.Null();
  json.Key("samvatsara");
  json.String(SamvatsaraNameOf(day.samvatsara));
  json.Key("saka_year");
  json.Int(day.sakaYear);
  json.Key("vikram_year");
  json.Int(day.vikramYear);
  json.Key("ritu");
  json.String(RituNameOf(day.ritu));
  json.Key("ayana");
  json.String(day.uttarayana ? "Uttarayana" : "Dakshinayana");
  json.Key("sun_sign");
  json.String(SignNameOf(day.sunSign));
  json.Key("moon_sign");
  json.String(SignNameOf(day.moonSign));
  json.Key("sankrantis");
  json.BeginArray();
  for (const Sankranti& s : day.sankrantis) {
    json.BeginObject();
    json.Key("sign");
    json.String(SignNameOf(s.sign));
    json.Key("moment");
    json.String(w.Iso(s.moment));
    json.EndObject();
  }
  json.EndArray();
  auto optInterval = [&](const char* key, const std::optional<Interval>& i) {
    json.Key(key);
    if (i)
      WriteIntervalJson(json, w, *i);
    else
      json.Null();
  };
  optInterval("rahu_kalam", day.rahuKalam);
  optInterval("yamaganda", day.yamaganda);
  optInterval("gulika_kalam", day.gulikaKalam);
  optInterval("abhijit_muhurta", day.abhijit);
  optInterval("brahma_muhurta", day.brahmaMuhurta);
  auto intervals = [&](const char* key, const std::vector<Interval>& list) {
    json.Key(key);
    json.BeginArray();
    for (const Interval& i : list) WriteIntervalJson(json, w, i);
    json.EndArray();
  };
  intervals("dur_muhurtas", day.durMuhurtas);
  intervals("varjyam", day.varjyam);
  intervals("amrita_kalam", day.amritaKalam);
  auto ruled = [&](const char* key, const std::vector<RuledInterval>& list, bool choghadiya) {
    json.Key(key);
    json.BeginArray();
    const std::size_t half = list.size() / 2;
    for (std::size_t k = 0; k < list.size(); ++k) {
      const RuledInterval& r = list[k];
      json.BeginObject();
      if (choghadiya) {
        json.Key("name");
        json.String(ChoghadiyaNameOf(r.ruler));
        json.Key("good");
        json.Bool(ChoghadiyaIsGood(r.ruler));
      }
      json.Key("ruler");
      json.String(GrahaNameOf(r.ruler));
      json.Key("part");
      json.String(k < half ? "day" : "night");
      json.Key("start");
      json.String(w.Iso(r.span.start));
      json.Key("end");
      json.String(w.Iso(r.span.end));
      json.EndObject();
    }
    json.EndArray();
  };
  ruled("choghadiyas", day.choghadiyas, true);
  ruled("horas", day.horas, false);
  json.Key("observances");
  json.BeginArray();
  for (const std::string& name : day.observances) json.String(name);
  json.EndArray();
  json.EndObject();
}

bool PlaceOf(const CliOptions& options, const Settings& settings, CalendarPlace& out, std::string* error) {
  const BirthData& given = options.birth ? *options.birth : BirthData{};
  if (!options.place.empty()) {
    PlaceTable table;
    PlaceReading place;
    std::string note;
    BirthData noon{};
    noon.year = options.eclipsesYear ? *options.eclipsesYear : options.panchangaYear;
    noon.month = options.panchangaMonth > 0 ? options.panchangaMonth : 1;
    noon.day = 1;
    noon.time = 12;
    if (!LoadPlaceTable(table, error) || !ReadPlace(table, options.place, noon, place, error, &note)) return false;
    out.label = place.admin1.empty() ? place.name + ", " + place.country
                                     : place.name + ", " + place.admin1 + ", " + place.country;
    out.sky.latitude = options.latitudeGiven ? DecToDeg(given.latitude) : place.latitude;
    out.sky.longitude = options.longitudeGiven ? -DecToDeg(given.longitude) : place.longitude;
    if (options.zoneGiven) {
      out.zone = FixedOffset(static_cast<int>(std::lround(-DecToDeg(given.zone) * 3600)));
    } else {
      out.zoneName = place.zone;
      const std::string zoneName = place.zone;
      // The zone must read at all before the days are computed.
      ZoneOffset probe;
      if (!OffsetAtInstant(zoneName, 0, probe, error)) return false;
      out.zone = [zoneName](std::int64_t unixSeconds, int& offset) {
        ZoneOffset z;
        if (!OffsetAtInstant(zoneName, unixSeconds, z, nullptr)) return false;
        offset = z.offsetSeconds;
        return true;
      };
    }
    return true;
  }
  out.sky.latitude = DecToDeg(given.latitude);
  out.sky.longitude = -DecToDeg(given.longitude);
  const double zone = options.zoneGiven ? given.zone : settings.defaultZone;
  out.zone = FixedOffset(static_cast<int>(std::lround(-DecToDeg(zone) * 3600)));
  auto dms = [](double v, char pos, char neg) {
    const double a = std::fabs(v);
    const int whole = static_cast<int>(std::floor(a));
    const int minutes = static_cast<int>(std::lround((a - whole) * 60));
    char text[24];
    std::snprintf(text, sizeof text, "%d:%02d%c", whole + minutes / 60, minutes % 60, v < 0 ? neg : pos);
    return std::string(text);
  };
  out.label = dms(out.sky.latitude, 'N', 'S') + " " + dms(out.sky.longitude, 'E', 'W');
  return true;
}

std::string PlaceHeader(const CalendarPlace& place) {
  return place.label + " (" + (place.zoneName.empty() ? std::string("fixed offset") : place.zoneName) + ")";
}

void WritePhaseJson(JsonWriter& json, const Writer& w, const char* key, const std::optional<EclipsePhase>& phase) {
  json.Key(key);
  if (!phase) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("start");
  json.String(w.Iso(phase->start));
  json.Key("end");
  json.String(w.Iso(phase->end));
  json.EndObject();
}

void WriteEclipseJson(JsonWriter& json, const Writer& w, const Eclipse& e) {
  json.BeginObject();
  json.Key("body");
  json.String(e.solar ? "sun" : "moon");
  json.Key("kind");
  json.String(EclipseKindName(e.kind));
  json.Key("maximum");
  json.String(w.Iso(e.maximum));
  json.Key("start");
  json.String(w.Iso(e.whole.start));
  json.Key("end");
  json.String(w.Iso(e.whole.end));
  json.Key("magnitude");
  json.Number(e.magnitude);
  if (!e.solar) {
    json.Key("penumbral_magnitude");
    json.Number(e.penumbralMagnitude);
    WritePhaseJson(json, w, "partial", e.partial);
    WritePhaseJson(json, w, "total", e.total);
  }
  json.Key("local");
  json.BeginObject();
  json.Key("visible");
  json.Bool(e.local.visible);
  json.Key("maximum_visible");
  json.Bool(e.local.maximumVisible);
  if (e.local.visible) {
    json.Key("kind");
    json.String(EclipseKindName(e.local.kind));
    json.Key("magnitude");
    json.Number(e.local.magnitude);
    auto moment = [&](const char* key, const std::optional<double>& t) {
      json.Key(key);
      if (t)
        json.String(w.Iso(*t));
      else
        json.Null();
    };
    moment("start", e.local.begin);
    moment("maximum", e.local.maximum);
    moment("end", e.local.end);
  }
  json.EndObject();
  json.EndObject();
}

// "2025-09-07 23:41:52 +05:30"
std::string Stamp(const Writer& w, double jd) {
  const int offset = w.Offset(jd);
  const Clock c = ClockOf(jd, offset);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d ", c.year, c.month, c.day, c.hour, c.minute,
                c.second);
  return text + OffsetText(offset);
}

void WriteEclipseText(const Writer& w, const Eclipse& e, const std::string& placeLabel, std::string& out) {
  char line[256];
  std::snprintf(line, sizeof line, "%s eclipse, %s: greatest %s, magnitude %.3f", e.solar ? "Solar" : "Lunar",
                std::string(EclipseKindName(e.kind)).c_str(), Stamp(w, e.maximum).c_str(), e.magnitude);
  out += line;
  if (!e.solar) {
    std::snprintf(line, sizeof line, " (penumbral %.3f)", e.penumbralMagnitude);
    out += line;
  }
  out += "\n  " + std::string(e.solar ? "on the Earth " : "penumbral   ") + Stamp(w, e.whole.start) + " to " +
         Stamp(w, e.whole.end) + "\n";
  if (e.partial) out += "  partial     " + Stamp(w, e.partial->start) + " to " + Stamp(w, e.partial->end) + "\n";
  if (e.total) out += "  total       " + Stamp(w, e.total->start) + " to " + Stamp(w, e.total->end) + "\n";
  if (!e.local.visible) {
    out += "  from " + placeLabel + ": not visible\n\n";
    return;
  }
  std::snprintf(line, sizeof line, "  from %s: visible, %s, magnitude %.3f%s\n", placeLabel.c_str(),
                std::string(EclipseKindName(e.local.kind)).c_str(), e.local.magnitude,
                e.local.maximumVisible ? "" : " (its greatest phase below the horizon)");
  out += line;
  if (e.local.begin && e.local.end)
    out += "    seen " + Stamp(w, *e.local.begin) + " to " + Stamp(w, *e.local.end) +
           (e.local.maximum ? ", greatest " + Stamp(w, *e.local.maximum) : std::string()) + "\n";
  out += "\n";
}

// The place in an event's identifier: its coordinates to a hundredth.
std::string UidPlace(const CalendarPlace& place) {
  char text[48];
  std::snprintf(text, sizeof text, "%+.2f%+.2f", place.sky.latitude, place.sky.longitude);
  return text;
}

std::string Slug(std::string_view name) {
  std::string out;
  for (char c : name) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      out += c;
    else if (c >= 'A' && c <= 'Z')
      out += static_cast<char>(c - 'A' + 'a');
    else if (!out.empty() && out.back() != '-')
      out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return out;
}

// The calendar file of the days: their festivals and observances (all-day
// events), every tithi (from its start to its end) and, with the Swiss
// engine, the eclipses of the days.
std::vector<IcsEvent> CalendarEvents(const std::vector<PanchangaDay>& days, const CalendarPlace& place,
                                     const Writer& w, bool swiss) {
  std::vector<IcsEvent> events;
  const std::string at = "@" + UidPlace(place) + ".orvane";
  for (const PanchangaDay& day : days) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", day.year, day.month, day.day);
    for (const std::string& name : day.observances) {
      IcsEvent e;
      e.uid = std::string(date) + "-" + Slug(name) + at;
      e.summary = name;
      e.description = "At " + place.label + ". " + MonthText(day.amanta) + " (amanta), " +
                      MonthText(day.purnimanta) + " (purnimanta).";
      e.category = "Festival";
      e.allDay = true;
      e.year = day.year;
      e.month = day.month;
      e.day = day.day;
      events.push_back(e);
    }
  }
  double lastStart = -1;
  for (const PanchangaDay& day : days) {
    for (const Span& t : day.tithis) {
      if (t.start <= lastStart + 1e-6) continue;
      lastStart = t.start;
      IcsEvent e;
      e.uid = "tithi-" + std::to_string(std::llround(UnixOfJulianDay(t.start))) + at;
      e.summary = "Tithi: " + std::string(TithiNameOf(t.index));
      e.description = std::string(TithiNameOf(t.index)) + " of " + MonthText(t.month) + " (amanta), from " +
                      w.Iso(t.start) + " to " + w.Iso(t.end) + " at " + place.label + ".";
      e.category = "Tithi";
      e.start = t.start;
      e.end = t.end;
      events.push_back(e);
    }
  }
  if (swiss && !days.empty() && days.front().sunrise) {
    std::vector<Eclipse> eclipses;
    const double from = JulianDayOfDate(days.front().year, days.front().month, days.front().day) - 1;
    const double until = JulianDayOfDate(days.back().year, days.back().month, days.back().day) + 1;
    std::string error;
    if (EclipsesBetween(from, until, place.sky.longitude, place.sky.latitude, eclipses, &error)) {
      for (const Eclipse& ec : eclipses) {
        const Clock c = ClockOf(ec.maximum, w.Offset(ec.maximum));
        bool inDays = false;
        for (const PanchangaDay& day : days) inDays |= day.year == c.year && day.month == c.month && day.day == c.day;
        if (!inDays) continue;
        IcsEvent e;
        std::string kind(EclipseKindName(ec.kind));
        kind[0] = static_cast<char>(kind[0] - 'a' + 'A');
        e.uid = std::string(ec.solar ? "solar" : "lunar") + "-eclipse-" +
                std::to_string(std::llround(UnixOfJulianDay(ec.maximum))) + at;
        e.summary = kind + (ec.solar ? " solar eclipse" : " lunar eclipse");
        char magnitude[32];
        std::snprintf(magnitude, sizeof magnitude, "%.3f", ec.magnitude);
        e.description = "Greatest eclipse " + w.Iso(ec.maximum) + ", magnitude " + magnitude + ". From " +
                        place.label + ": " + (ec.local.visible ? "visible" : "not visible") +
                        (ec.local.visible && ec.local.begin && ec.local.end
                             ? " from " + w.Iso(*ec.local.begin) + " to " + w.Iso(*ec.local.end)
                             : std::string()) +
                        ".";
        e.category = "Eclipse";
        e.start = ec.whole.start;
        e.end = ec.whole.end;
        events.push_back(e);
      }
    }
  }
  return events;
}

void WriteMuhurtaText(const Writer& w, const MuhurtaWindow& win, std::string& out) {
  out += Stamp(w, win.start) + " to " + Stamp(w, win.end) + (win.allMet ? "  every rule met" : "") + "\n";
  std::string met, missed;
  for (const MuhurtaCheck& c : win.checks) {
    std::string& list = c.met ? met : missed;
    list += (list.empty() ? "" : "; ") + c.rule + " " + c.detail;
  }
  out += "  meets   " + met + "\n";
  if (!missed.empty()) out += "  misses  " + missed + "\n";
}

void WriteMuhurtaJson(JsonWriter& json, const Writer& w, const MuhurtaWindow& win) {
  json.BeginObject();
  json.Key("start");
  json.String(w.Iso(win.start));
  json.Key("end");
  json.String(w.Iso(win.end));
  json.Key("all_met");
  json.Bool(win.allMet);
  json.Key("checks");
  json.BeginArray();
  for (const MuhurtaCheck& c : win.checks) {
    json.BeginObject();
    json.Key("rule");
    json.String(c.rule);
    json.Key("met");
    json.Bool(c.met);
    json.Key("detail");
    json.String(c.detail);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

// The muhurta windows of the days, as text, JSON or a calendar file (the
// windows meeting every rule).
std::string MuhurtaOutput(const CliOptions& options, const PanchangaRequest& request,
                          const std::vector<PanchangaDay>& days, const CalendarPlace& place, const Writer& w) {
  const MuhurtaEvent event = *MuhurtaEventNamed(options.muhurta);
  std::optional<BirthStar> star;
  if (options.birthStar) star = BirthStar{(*options.birthStar)[0] - 1, (*options.birthStar)[1] - 1};
  const std::vector<MuhurtaWindow> windows = FindMuhurtas(event, request, days, star);
  if (options.ics) {
    std::vector<IcsEvent> events;
    const std::string at = "@" + UidPlace(place) + ".orvane";
    for (const MuhurtaWindow& win : windows) {
      if (!win.allMet) continue;
      IcsEvent e;
      e.uid = "muhurta-" + options.muhurta + "-" + std::to_string(std::llround(UnixOfJulianDay(win.start))) + at;
      e.summary = "Muhurta: " + options.muhurta;
      for (const MuhurtaCheck& c : win.checks) e.description += (e.description.empty() ? "" : "; ") + c.rule + " " + c.detail;
      e.description += " (at " + place.label + ")";
      e.category = "Muhurta";
      e.start = win.start;
      e.end = win.end;
      events.push_back(e);
    }
    return IcsCalendar(events, static_cast<long long>(std::time(nullptr)));
  }
  if (options.json) {
    JsonWriter json;
    json.BeginObject();
    WritePlaceJson(json, place);
    json.Key("event");
    json.String(options.muhurta);
    json.Key("windows");
    json.BeginArray();
    for (const MuhurtaWindow& win : windows) WriteMuhurtaJson(json, w, win);
    json.EndArray();
    json.EndObject();
    return json.Take() + "\n";
  }
  std::string out = "Muhurta for " + options.muhurta + " at " + PlaceHeader(place) +
                    ": the windows whose nakshatra, tithi and weekday suit it" +
                    (star ? "" : " (no --birth-star: tara and chandra bala not checked)") + "\n\n";
  int all = 0;
  for (const MuhurtaWindow& win : windows) {
    WriteMuhurtaText(w, win, out);
    all += win.allMet ? 1 : 0;
  }
  out += "\n" + std::to_string(windows.size()) + " windows, " + std::to_string(all) + " meeting every rule\n";
  return out;
}

}  // namespace

int RunEclipses(const CliOptions& options, const Settings& settings) {
  if (EngineSettingsOf(settings).ephemeris != EphemerisKind::kSwiss) {
    std::fprintf(stderr,
                 "orvane-cli: eclipses are computed with the Swiss Ephemeris (--ephemeris swiss); the classic "
                 "engine has no eclipse theory\n");
    return kExitBadInput;
  }
  CalendarPlace place;
  std::string error;
  if (!PlaceOf(options, settings, place, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
    return kExitBadInput;
  }
  const int year = *options.eclipsesYear;
  const double from = JulianDayOfDate(year, 1, 1) - place.sky.longitude / 360.0 - 0.5;
  const double until = JulianDayOfDate(year + 1, 1, 1) + 0.5;
  std::vector<Eclipse> found;
  if (!EclipsesBetween(from, until, place.sky.longitude, place.sky.latitude, found, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
    return kExitBadInput;
  }
  const Writer w(place.zone);
  // The eclipses whose greatest phase falls in the year at the place.
  std::vector<Eclipse> eclipses;
  for (const Eclipse& e : found)
    if (ClockOf(e.maximum, w.Offset(e.maximum)).year == year) eclipses.push_back(e);
  std::string out;
  if (options.json) {
    JsonWriter json;
    json.BeginObject();
    WritePlaceJson(json, place);
    json.Key("year");
    json.Int(year);
    json.Key("eclipses");
    json.BeginArray();
    for (const Eclipse& e : eclipses) WriteEclipseJson(json, w, e);
    json.EndArray();
    json.EndObject();
    out = json.Take() + "\n";
  } else {
    out = "Eclipses of " + std::to_string(year) + ", seen from " + PlaceHeader(place) +
          "; Swiss Ephemeris; clock times of the place\n\n";
    for (const Eclipse& e : eclipses) WriteEclipseText(w, e, place.label, out);
  }
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return 1;
  return 0;
}

std::string IsoMoment(double jd, int offsetSeconds) {
  const Clock c = ClockOf(jd, offsetSeconds);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                c.second);
  return text + OffsetText(offsetSeconds);
}

int RunPanchanga(const CliOptions& options, const Settings& settings) {
  CalendarPlace place;
  std::string error;
  if (!PlaceOf(options, settings, place, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
    return kExitBadInput;
  }
  PanchangaRequest request;
  request.engine = EngineSettingsOf(settings);
  request.place = place.sky;
  request.zone = place.zone;
  request.firstYear = request.lastYear = options.panchangaYear;
  if (options.panchangaMonth > 0) {
    request.firstMonth = request.lastMonth = options.panchangaMonth;
    request.firstDay = 1;
    int y = 0, m = 0, d = 0;
    GregorianFromDayCount(GregorianDayCount(options.panchangaYear, options.panchangaMonth + 1, 1) - 1, y, m, d);
    request.lastDay = d;
  } else {
    request.firstMonth = 1;
    request.firstDay = 1;
    request.lastMonth = 12;
    request.lastDay = 31;
  }
  // A day more on either side: the festival rules read the neighbouring days.
  const std::int64_t first = GregorianDayCount(request.firstYear, request.firstMonth, request.firstDay);
  const std::int64_t last = GregorianDayCount(request.lastYear, request.lastMonth, request.lastDay);
  GregorianFromDayCount(first - 1, request.firstYear, request.firstMonth, request.firstDay);
  GregorianFromDayCount(last + 1, request.lastYear, request.lastMonth, request.lastDay);
  std::vector<PanchangaDay> days;
  if (!ComputePanchanga(request, days, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
    return kExitBadInput;
  }
  AddObservances(days);
  days.erase(days.begin());
  days.pop_back();
  const Writer w(place.zone);
  const char* engine = request.engine.ephemeris == EphemerisKind::kSwiss ? "swiss" : "classic";
  std::string out;
  if (!options.muhurta.empty()) {
    // The days of the period itself (the margin dropped above).
    out = MuhurtaOutput(options, request, days, place, w);
  } else if (options.ics) {
    out = IcsCalendar(CalendarEvents(days, place, w, request.engine.ephemeris == EphemerisKind::kSwiss),
                      static_cast<long long>(std::time(nullptr)));
  } else if (options.json) {
    JsonWriter json;
    json.BeginObject();
    json.Key("place");
    json.BeginObject();
    json.Key("name");
    json.String(place.label);
    json.Key("latitude");
    json.Number(place.sky.latitude);
    json.Key("longitude");
    json.Number(place.sky.longitude);
    json.Key("zone");
    if (place.zoneName.empty())
      json.Null();
    else
      json.String(place.zoneName);
    json.EndObject();
    json.Key("ephemeris");
    json.String(engine);
    json.Key("days");
    json.BeginArray();
    for (const PanchangaDay& day : days) WriteDayJson(json, w, day);
    json.EndArray();
    json.EndObject();
    out = json.Take() + "\n";
  } else {
    out = "Panchanga at " + place.label + " (" + (place.zoneName.empty() ? std::string("fixed offset") : place.zoneName) +
          "), " + engine + " ephemeris; clock times of the place, lunar months amanta and purnimanta\n\n";
    for (const PanchangaDay& day : days) WriteDayText(w, day, out);
  }
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return 1;
  return 0;
}

}  // namespace orvane
