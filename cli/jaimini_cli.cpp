#include "cli/jaimini_cli.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "cli/json.h"
#include "engine/calendar.h"
#include "vedic/names.h"
#include "yoga/yoga.h"

namespace orvane {

using namespace jaimini;

namespace {

std::string Sign(Rasi s) { return std::string(yoga::SignName(ToInt(s))); }
std::string Name(Body b) { return std::string(yoga::BodyName(b)); }

std::string Short(Rasi s) { return std::string(vedic::kSignAbbreviation[static_cast<std::size_t>(ToInt(s))]); }

std::string Bodies(const std::vector<Body>& bodies) {
  std::string out;
  for (const Body b : bodies) out += (out.empty() ? "" : ", ") + Name(b);
  return out;
}

// How the dasa is reckoned, in one line.
std::string MethodLine(const RasiDasaResult& d, const RasiDasaOptions& o) {
  switch (d.dasa) {
    case RasiDasa::kChara:
      return o.charaDirection == CharaDirection::kNinthFootedness
                 ? "from the lagna, forward when the ninth from it is odd-footed (K. N. Rao)"
                 : "from the lagna, forward when it is an odd sign";
    case RasiDasa::kNarayana: return "from the stronger of the lagna and the seventh, in the order of its nature";
    case RasiDasa::kSthira: return "from the sign of the Brahma graha, 7, 8 and 9 years by the sign's nature";
    case RasiDasa::kShoola: return "from the stronger of the lagna and the seventh, 9 years a sign";
    case RasiDasa::kNiryanaShoola: return "from the stronger of the second and the eighth, 7, 8 and 9 years";
    case RasiDasa::kDrig: return "the ninth, tenth and eleventh with the signs each aspects";
    case RasiDasa::kNavamsa: return "from the lagna, 9 years a sign";
  }
  return "";
}

std::string MethodKey(const RasiDasaResult& d, const RasiDasaOptions& o) {
  if (d.dasa != RasiDasa::kChara) return "";
  return o.charaDirection == CharaDirection::kNinthFootedness ? "ninth" : "lagna";
}

// Years as "7" or "7.5".
std::string YearsText(double years) {
  char buf[32];
  if (std::fabs(years - std::round(years)) < 1e-9) {
    std::snprintf(buf, sizeof buf, "%.0f", years);
  } else {
    std::snprintf(buf, sizeof buf, "%.2f", years);
  }
  return buf;
}

}  // namespace

std::string LocalDate(double localDays) {
  int y = 0, m = 1, d = 1;
  GregorianFromDayCount(static_cast<std::int64_t>(std::floor(localDays)), y, m, d);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
  return buf;
}

std::string RasiDasaText(const JaiminiChart& chart, const RasiDasaResult& d, const RasiDasaOptions& o) {
  std::string out = std::string(RasiDasaName(d.dasa)) + " dasa: " + MethodLine(d, o) + "\n";
  out += "Starts from " + Sign(d.start) + ", " + (d.forward ? "forward" : "backward") +
         "; antardasas by their start date\n\n";
  char line[160];
  std::snprintf(line, sizeof line, "%-12s %5s %6s  %-10s  %s\n", "Sign", "Years", "Age", "From", "To");
  out += line;
  for (const RasiPeriod& p : d.periods) {
    std::snprintf(line, sizeof line, "%-12s %5s %6.2f  %-10s  %s\n", Sign(p.sign).c_str(), YearsText(p.years).c_str(),
                  (p.startDays - chart.birthDays) / chart.yearDays, LocalDate(p.startDays).c_str(),
                  LocalDate(p.endDays).c_str());
    out += line;
    for (std::size_t i = 0; i < p.subPeriods.size(); ++i) {
      out += (i % 6 == 0 ? "   " : "  ") + Short(p.subPeriods[i].sign) + " " + LocalDate(p.subPeriods[i].startDays);
      if (i % 6 == 5 || i + 1 == p.subPeriods.size()) out += "\n";
    }
  }
  return out;
}

std::string RasiDasaJson(const JaiminiChart& chart, const RasiDasaResult& d, const RasiDasaOptions& o,
                         const std::string* idJson) {
  JsonWriter json;
  json.BeginObjectWithId(idJson);
  json.Key("rasi_dasa");
  json.BeginObject();
  json.Key("system");
  json.String(RasiDasaKey(d.dasa));
  if (const std::string key = MethodKey(d, o); !key.empty()) {
    json.Key("direction_rule");
    json.String(key);
  }
  json.Key("start");
  json.String(Sign(d.start));
  json.Key("forward");
  json.Bool(d.forward);
  json.Key("periods");
  json.BeginArray();
  auto period = [&](const RasiPeriod& p) {
    json.Key("sign");
    json.String(Sign(p.sign));
    json.Key("years");
    json.Number(p.years);
    json.Key("age");
    json.Number((p.startDays - chart.birthDays) / chart.yearDays);
    json.Key("start");
    json.String(LocalDate(p.startDays));
    json.Key("end");
    json.String(LocalDate(p.endDays));
  };
  for (const RasiPeriod& p : d.periods) {
    json.BeginObject();
    period(p);
    json.Key("antardasas");
    json.BeginArray();
    for (const RasiPeriod& s : p.subPeriods) {
      json.BeginObject();
      period(s);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.EndObject();
  return json.Take() + "\n";
}

std::string JaiminiText(const JaiminiChart& chart) {
  std::string out = "Rasi drishti: the signs each sign aspects, and the grahas aspecting it\n";
  char line[256];
  for (int h = 1; h <= kSignCount; ++h) {
    const Rasi s = SignFrom(chart.lagna, h);
    std::string aspected, by;
    for (const Rasi a : AspectedSigns(s)) aspected += (aspected.empty() ? "" : " ") + Short(a);
    for (int i = 0; i < kGrahaCount; ++i) {
      if (Aspects(chart.sign[static_cast<std::size_t>(i)], s)) by += (by.empty() ? "" : ", ") + Name(BodyAt(i));
    }
    std::snprintf(line, sizeof line, "House %-2d %-12s aspects %-9s  aspected by %s\n", h, Sign(s).c_str(),
                  aspected.c_str(), by.empty() ? "-" : by.c_str());
    out += line;
  }
  out += "\nArgala on each house: the house giving it (its grahas) and the house obstructing it\n";
  for (int h = 1; h <= kSignCount; ++h) {
    const Rasi s = SignFrom(chart.lagna, h);
    std::string text;
    for (const Argala& a : ArgalasOn(chart, s)) {
      text += (text.empty() ? "" : "; ") + std::to_string(a.house) + (a.house == 3 ? " (malefics)" : "") + ": " +
              Bodies(a.by) + (a.stands ? " stands" : " obstructed") +
              (a.obstructedBy.empty() ? "" : " (" + std::to_string(a.obstructionHouse) + ": " + Bodies(a.obstructedBy) + ")");
    }
    std::snprintf(line, sizeof line, "House %-2d %-12s %s\n", h, Sign(s).c_str(), text.empty() ? "-" : text.c_str());
    out += line;
  }
  const Karakamsa k = KarakamsaOf(chart);
  out += "\nAtmakaraka " + Name(k.atmakaraka) + "; karakamsa " + Sign(k.sign) + " (the lagna is house " +
         std::to_string(k.lagnaRasiHouse) + " from it, the navamsa lagna house " + std::to_string(k.navamsaLagnaHouse) +
         ")\n";
  std::snprintf(line, sizeof line, "%-8s %14s %8s\n", "", "Karakamsa lagna", "Swamsa");
  out += line;
  for (int i = 0; i < kGrahaCount; ++i) {
    std::snprintf(line, sizeof line, "%-8s %14d %8d\n", Name(BodyAt(i)).c_str(), k.rasiHouse[static_cast<std::size_t>(i)],
                  k.navamsaHouse[static_cast<std::size_t>(i)]);
    out += line;
  }
  return out;
}

std::string JaiminiJson(const JaiminiChart& chart, const std::string* idJson) {
  JsonWriter json;
  json.BeginObjectWithId(idJson);
  auto bodies = [&](const std::vector<Body>& list) {
    json.BeginArray();
    for (const Body b : list) json.String(yoga::BodyName(b));
    json.EndArray();
  };
  json.Key("houses");
  json.BeginArray();
  for (int h = 1; h <= kSignCount; ++h) {
    const Rasi s = SignFrom(chart.lagna, h);
    json.BeginObject();
    json.Key("house");
    json.Int(h);
    json.Key("sign");
    json.String(Sign(s));
    json.Key("aspects_signs");
    json.BeginArray();
    for (const Rasi a : AspectedSigns(s)) json.String(Sign(a));
    json.EndArray();
    std::vector<Body> by;
    for (int i = 0; i < kGrahaCount; ++i) {
      if (Aspects(chart.sign[static_cast<std::size_t>(i)], s)) by.push_back(BodyAt(i));
    }
    json.Key("aspected_by");
    bodies(by);
    json.Key("argala");
    json.BeginArray();
    for (const Argala& a : ArgalasOn(chart, s)) {
      json.BeginObject();
      json.Key("house");
      json.Int(a.house);
      json.Key("by");
      bodies(a.by);
      json.Key("obstruction_house");
      json.Int(a.obstructionHouse);
      json.Key("obstructed_by");
      bodies(a.obstructedBy);
      json.Key("stands");
      json.Bool(a.stands);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  const Karakamsa k = KarakamsaOf(chart);
  json.Key("karakamsa");
  json.BeginObject();
  json.Key("atmakaraka");
  json.String(yoga::BodyName(k.atmakaraka));
  json.Key("sign");
  json.String(Sign(k.sign));
  json.Key("lagna_house");
  json.Int(k.lagnaRasiHouse);
  json.Key("navamsa_lagna_house");
  json.Int(k.navamsaLagnaHouse);
  json.Key("planets");
  json.BeginArray();
  for (int i = 0; i < kGrahaCount; ++i) {
    json.BeginObject();
    json.Key("planet");
    json.String(yoga::BodyName(BodyAt(i)));
    json.Key("karakamsa_house");
    json.Int(k.rasiHouse[static_cast<std::size_t>(i)]);
    json.Key("swamsa_house");
    json.Int(k.navamsaHouse[static_cast<std::size_t>(i)]);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.EndObject();
  return json.Take() + "\n";
}

}  // namespace orvane
