#include "library/aaf.h"

#include <cctype>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace orvane::library {
namespace {

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> fields;
  std::string field;
  for (const char c : text) {
    if (c == ',') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  for (std::string& f : fields) {
    while (!f.empty() && std::isspace(static_cast<unsigned char>(f.front()))) f.erase(f.begin());
    while (!f.empty() && std::isspace(static_cast<unsigned char>(f.back()))) f.pop_back();
  }
  return fields;
}

std::optional<int> Number(const std::string& text, std::size_t& i) {
  if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  int n = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    if (n > 100000) return std::nullopt;
    n = n * 10 + (text[i++] - '0');
  }
  return n;
}

// "48n24", "48n24:30", "074w00": degrees, a direction letter, minutes and
// seconds. Returns degrees + minutes/100 (file units) signed by `positive`.
std::optional<double> Angle(const std::string& text, char positive, char negative, int maxDegrees) {
  std::size_t i = 0;
  const auto degrees = Number(text, i);
  if (!degrees || i >= text.size()) return std::nullopt;
  const char dir = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
  if (dir != positive && dir != negative) return std::nullopt;
  const auto minutes = Number(text, i);
  int seconds = 0;
  if (i < text.size() && text[i] == ':') {
    ++i;
    const auto s = Number(text, i);
    if (!s) return std::nullopt;
    seconds = *s;
  }
  if (!minutes || i != text.size() || *degrees > maxDegrees || *minutes >= 60 || seconds >= 60) return std::nullopt;
  // File units hold whole minutes: seconds round to the nearest.
  int m = *minutes + (seconds >= 30 ? 1 : 0);
  int d = *degrees;
  if (m == 60) {
    ++d;
    m = 0;
  }
  const double value = d + m / 100.0;
  return dir == positive ? value : -value;
}

// "1hE00", "5hw00", "5h30e", "0h00": hours east of Greenwich (negative west).
std::optional<double> ZoneEastHours(const std::string& text) {
  std::size_t i = 0;
  const auto hours = Number(text, i);
  if (!hours || i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != 'h') return std::nullopt;
  ++i;
  char dir = 'e';
  if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) dir = static_cast<char>(std::tolower(text[i++]));
  const auto minutes = Number(text, i);
  if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) dir = static_cast<char>(std::tolower(text[i++]));
  if (!minutes || i != text.size() || (dir != 'e' && dir != 'w') || *hours > 14 || *minutes >= 60) return std::nullopt;
  const double h = *hours + *minutes / 60.0;
  return dir == 'e' ? h : -h;
}

}  // namespace

std::size_t ReadAaf(std::istream& in,
                    const std::function<void(const ChartEntry*, const std::string& error, std::size_t line)>& each) {
  std::string line, a;
  std::size_t number = 0, aLine = 0, records = 0;
  bool haveA = false;
  constexpr std::size_t kLongest = 4096;
  while (std::getline(in, line)) {
    ++number;
    if (line.size() > kLongest) {
      each(nullptr, "a line longer than " + std::to_string(kLongest) + " characters", number);
      haveA = false;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("#A93:", 0) == 0) {
      if (haveA) each(nullptr, "a #A93 record without its #B93 line", aLine);
      a = line.substr(5);
      aLine = number;
      haveA = true;
      continue;
    }
    if (line.rfind("#B93:", 0) != 0) continue;
    if (!haveA) {
      each(nullptr, "a #B93 line without its #A93 record", number);
      continue;
    }
    haveA = false;
    ++records;
    const std::vector<std::string> fa = Split(a), fb = Split(line.substr(5));
    auto bad = [&](const std::string& why) { each(nullptr, why, aLine); };
    if (fa.size() < 5) {
      bad("#A93 needs name, first name, sex, date and time");
      continue;
    }
    if (fb.size() < 4) {
      bad("#B93 needs a Julian day or *, latitude, longitude and zone");
      continue;
    }
    ChartEntry e;
    e.name = fa[1].empty() || fa[1] == "*" ? fa[0] : fa[1] + " " + fa[0];
    if (e.name.empty() || e.name == "*") e.name = "AAF line " + std::to_string(aLine);
    e.gender = fa[2] == "m" || fa[2] == "M" ? "m" : fa[2] == "f" || fa[2] == "F" ? "f" : "";
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    if (std::sscanf(fa[3].c_str(), "%d.%d.%d%c", &day, &month, &year, &tail) != 3 || month < 1 || month > 12 ||
        day < 1 || day > 31 || year < -3000 || year > 3000) {
      bad("the date \"" + fa[3] + "\" is not dd.mm.yyyy");
      continue;
    }
    const int got = std::sscanf(fa[4].c_str(), "%d:%d:%d%c", &hour, &minute, &second, &tail);
    if ((got != 2 && got != 3) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
      bad("the time \"" + fa[4] + "\" is not hh:mm[:ss]");
      continue;
    }
    const auto latitude = Angle(fb[1], 'n', 's', 90);
    const auto longitude = Angle(fb[2], 'w', 'e', 180);  // file units: west positive
    const auto zone = ZoneEastHours(fb[3]);
    if (!latitude || !longitude || !zone) {
      bad("#B93 latitude \"" + fb[1] + "\", longitude \"" + fb[2] + "\" or zone \"" + fb[3] + "\" cannot be read");
      continue;
    }
    double east = *zone;
    if (fb.size() > 4 && fb[4] == "1") east += 1;  // daylight saving in force
    const double westHours = -east;
    const double whole = std::trunc(westHours);
    e.birth = {static_cast<double>(month), static_cast<double>(day), static_cast<double>(year),
               hour + minute / 100.0 + second / 6000.0, whole + std::round((westHours - whole) * 60) / 100.0,
               *longitude, *latitude};
    e.place = fa.size() > 6 && !fa[6].empty() ? fa[5] + ", " + fa[6] : (fa.size() > 5 ? fa[5] : "");
    e.source = "AAF";
    each(&e, "", aLine);
  }
  if (haveA) each(nullptr, "a #A93 record without its #B93 line", aLine);
  return records;
}

std::string FormatAaf(const ChartEntry& entry) {
  // Commas separate the fields and a record is two lines: neither may stand
  // in a name or a place.
  ChartEntry e = entry;
  for (std::string* text : {&e.name, &e.place}) {
    for (char& c : *text) {
      if (c == ',' || c == '\n' || c == '\r') c = ' ';
    }
  }
  auto angle = [](double v, char positive, char negative) {
    const double a = std::fabs(v);
    const int degrees = static_cast<int>(a);
    const int minutes = static_cast<int>(std::lround((a - degrees) * 100));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d%c%02d", degrees, v >= 0 ? positive : negative, minutes);
    return std::string(buf);
  };
  const double east = -e.birth.zone;  // file units: hours + minutes/100, west positive
  const double a = std::fabs(east);
  const int hours = static_cast<int>(a);
  const int minutes = static_cast<int>(std::lround((a - hours) * 100));
  // File units: hours + minutes/100 + seconds/6000; AAF keeps whole
  // minutes, rounded (to 23:59 at most).
  const double t = e.birth.time;
  const long whole = static_cast<long>(t);
  const long seconds = whole * 3600 + std::lround((t - static_cast<double>(whole)) * 6000);
  const long clock = std::min((seconds + 30) / 60, 24L * 60 - 1);
  const int hour = static_cast<int>(clock / 60), minute = static_cast<int>(clock % 60);
  char out[512];
  std::snprintf(out, sizeof out, "#A93:%s,*,%s,%02d.%02d.%04d,%02d:%02d,%s,*\n#B93:*,%s,%s,%dh%c%02d,0\n",
                e.name.c_str(), e.gender.empty() ? "*" : e.gender.c_str(), static_cast<int>(e.birth.day),
                static_cast<int>(e.birth.month), static_cast<int>(e.birth.year), hour, minute,
                e.place.empty() ? "*" : e.place.c_str(), angle(e.birth.latitude, 'n', 's').c_str(),
                angle(e.birth.longitude, 'w', 'e').c_str(), hours, east >= 0 ? 'E' : 'W', minutes);
  return out;
}

}  // namespace orvane::library
