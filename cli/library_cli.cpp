#include "cli/library_cli.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>

#include "cli/birth_rows.h"
#include "cli/chart_read.h"
#include "cli/json.h"
#include "compute/chart.h"
#include "compute/pipeline.h"
#include "engine/calendar.h"
#include "io/shown_name.h"
#include "library/aaf.h"
#include "library/chart_facts.h"
#include "library/chart_library.h"

namespace orvane {
namespace {

using library::ChartEntry;
using library::ChartLibrary;

constexpr int kBad = 2;

// Says how far a long piece of work has come, on a terminal only.
class Ticker {
 public:
  explicit Ticker(const char* what) : what_(what), shown_(isatty(fileno(stderr)) != 0) {}
  void Tick(std::size_t done) {
    if (!shown_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250)) return;
    last_ = now;
    std::fprintf(stderr, "\r%s %zu charts...", what_, done);
    printed_ = true;
  }
  ~Ticker() {
    if (printed_) std::fputs("\r\033[K", stderr);
  }

 private:
  const char* what_;
  bool shown_;
  bool printed_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now(), last_ = start_;
};

// The chart of a library entry, computed fresh; false when its data cannot be cast.
bool Facts(const BirthData& birth, const Settings& settings, library::ChartFacts& out) {
  const std::optional<Chart> chart = ComputeChart(birth, ChartOptions{}, settings);
  if (!chart) return false;
  out = library::FactsOf(*chart);
  return true;
}

std::string DateText(const BirthData& b) {
  char buf[96];
  // File units: hours + minutes/100 + seconds/6000.
  const double t = b.time;
  const int hour = static_cast<int>(t);
  const long total = std::lround((t - hour) * 6000);  // 60 * minutes + seconds
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", static_cast<int>(b.year), static_cast<int>(b.month),
                static_cast<int>(b.day), hour, static_cast<int>(std::min(total / 60, 59L)));
  return buf;
}

// "+05:30" from a file-units zone (hours + minutes/100, west positive).
std::string OffsetText(double zone) {
  const double east = -zone;
  const double a = std::fabs(east);
  const int hours = static_cast<int>(a);
  const int minutes = static_cast<int>(std::lround((a - hours) * 100));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%c%02d:%02d", east < 0 ? '-' : '+', hours, minutes);
  return buf;
}

// "80:17E" / "13:05N" from file units (degrees + minutes/100).
std::string AngleText(double value, char positive, char negative) {
  const double a = std::fabs(value);
  const int degrees = static_cast<int>(a);
  const int minutes = static_cast<int>(std::lround((a - degrees) * 100));
  char buf[24];
  std::snprintf(buf, sizeof buf, "%d:%02d%c", degrees, minutes, value >= 0 ? positive : negative);
  return buf;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
  std::string q = "\"";
  for (const char c : text) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

std::string TagsText(const ChartEntry& e) {
  std::string tags;
  for (const std::string& t : e.tags) tags += (tags.empty() ? "" : ",") + t;
  return tags;
}

void WriteEntryJson(JsonWriter& json, const ChartEntry& e) {
  json.Key("id");
  json.Int(e.id);
  json.Key("name");
  json.String(e.name);
  json.Key("gender");
  json.String(e.gender);
  json.Key("date");
  json.String(DateText(e.birth).substr(0, 10));
  json.Key("time");
  json.String(DateText(e.birth).substr(11));
  json.Key("utc_offset");
  json.String(OffsetText(e.birth.zone));
  json.Key("lon");
  json.String(AngleText(-e.birth.longitude, 'E', 'W'));
  json.Key("lat");
  json.String(AngleText(e.birth.latitude, 'N', 'S'));
  json.Key("place");
  json.String(e.place);
  // Flat, so that a notebook or DuckDB reads every key as a column, and the
  // export reads back in with --import.
  json.Key("tags");
  json.String(TagsText(e));
}

void PrintEntry(const ChartEntry& e, bool json) {
  if (json) {
    JsonWriter w;
    w.BeginObject();
    WriteEntryJson(w, e);
    w.EndObject();
    std::printf("%s\n", w.Text().c_str());
    return;
  }
  std::printf("%lld\t%s\t%s %s\t%s\t%s\n", static_cast<long long>(e.id), ShownName(e.name).c_str(),
              DateText(e.birth).c_str(), OffsetText(e.birth.zone).c_str(), ShownName(e.place).c_str(),
              ShownName(TagsText(e)).c_str());
}

// Brings the facts of every chart up to the settings: those computed under
// other settings are computed again, in one transaction.
bool RefreshFacts(ChartLibrary& db, const Settings& settings) {
  const std::string key = library::FactsKey(settings);
  const std::vector<std::int64_t> stale = db.StaleFacts(key);
  if (stale.empty()) return true;
  std::string error;
  if (!db.Begin(&error)) {
    std::fprintf(stderr, "orvane-cli: --db: %s\n", error.c_str());
    return false;
  }
  Ticker ticker("recomputing the facts of");
  std::size_t done = 0;
  for (const std::int64_t id : stale) {
    ChartEntry e;
    library::ChartFacts facts;
    if (db.Get(id, e) && Facts(e.birth, settings, facts) && !db.SetFacts(id, facts, key, &error)) {
      db.Rollback();
      std::fprintf(stderr, "orvane-cli: --db: %s\n", error.c_str());
      return false;
    }
    ticker.Tick(++done);
  }
  if (!db.Commit(&error)) {
    std::fprintf(stderr, "orvane-cli: --db: %s\n", error.c_str());
    return false;
  }
  return true;
}

// Adds chart files, and the chart files of folders named, in one transaction.
int AddFiles(ChartLibrary& db, const std::vector<std::string>& paths, const Settings& settings) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  for (const std::string& p : paths) {
    std::error_code ec;
    if (fs::is_directory(p, ec)) {
      std::vector<std::string> in;
      for (const auto& entry : fs::directory_iterator(p, ec)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file(ec) && (ext == ".orv" || ext == ".dat")) in.push_back(entry.path().string());
      }
      std::sort(in.begin(), in.end());
      files.insert(files.end(), in.begin(), in.end());
    } else {
      files.push_back(p);
    }
  }
  const std::string key = library::FactsKey(settings);
  std::string error;
  if (!db.Begin(&error)) {
    std::fprintf(stderr, "orvane-cli: --db: %s\n", error.c_str());
    return kBad;
  }
  int status = 0;
  std::size_t added = 0;
  for (const std::string& path : files) {
    const ChartFileInput in = ReadChartInput(path);
    if (in.status != 0) {
      std::fputs(in.message.c_str(), stderr);
      status = kBad;
      continue;
    }
    ChartEntry e;
    e.name = in.labels.name.empty() ? fs::path(path).stem().string() : in.labels.name;
    e.birth = in.birth;
    e.place = in.labels.place;
    e.zoneId = in.labels.zone;
    e.source = fs::path(path).filename().string();
    library::ChartFacts facts;
    if (!Facts(e.birth, settings, facts)) {
      std::fprintf(stderr, "orvane-cli: %s: the birth data cannot be cast\n", ShownName(path).c_str());
      status = kBad;
      continue;
    }
    const std::int64_t id = db.Add(e, facts, key, &error);
    if (id == 0) {
      db.Rollback();
      std::fprintf(stderr, "orvane-cli: --db: %s (nothing was added)\n", error.c_str());
      return kBad;
    }
    std::printf("%lld\t%s\n", static_cast<long long>(id), ShownName(e.name).c_str());
    ++added;
  }
  if (!db.Commit(&error)) {
    std::fprintf(stderr, "orvane-cli: --db: %s (nothing was added)\n", error.c_str());
    return kBad;
  }
  std::fprintf(stderr, "orvane-cli: %zu chart%s added\n", added, added == 1 ? "" : "s");
  return status;
}

// Imports an AAF file or a CSV / JSON Lines file of births, in one
// transaction: a bad record gives one message and the import goes on.
int Import(ChartLibrary& db, const std::string& path, const Settings& settings) {
  const std::string key = library::FactsKey(settings);
  std::string error;
  std::size_t added = 0, bad = 0;
  Ticker ticker("imported");
  auto add = [&](ChartEntry& e) {
    library::ChartFacts facts;
    if (!Facts(e.birth, settings, facts)) {
      ++bad;
      std::fprintf(stderr, "orvane-cli: --import: %s: the birth data cannot be cast\n", ShownName(e.name).c_str());
      return true;
    }
    if (db.Add(e, facts, key, &error) == 0) return false;
    ticker.Tick(++added);
    return true;
  };
  // AAF is told by its first record line; anything else is read as CSV or JSON Lines.
  bool aaf = false;
  {
    std::ifstream probe(path, std::ios::binary);
    if (!probe) {
      std::fprintf(stderr, "orvane-cli: --import: cannot open \"%s\"\n", ShownName(path).c_str());
      return kBad;
    }
    std::string line;
    while (std::getline(probe, line)) {
      if (line.empty() || line == "\r") continue;
      aaf = line.rfind("#A93:", 0) == 0 || line.rfind("#U", 0) == 0 || line.rfind("#: ", 0) == 0;
      if (line[0] != '#' || aaf) break;
    }
  }
  if (!db.Begin(&error)) {
    std::fprintf(stderr, "orvane-cli: --db: %s\n", error.c_str());
    return kBad;
  }
  bool failed = false;
  if (aaf) {
    std::ifstream in(path, std::ios::binary);
    library::ReadAaf(in, [&](const ChartEntry* e, const std::string& why, std::size_t line) {
      if (failed) return;
      if (e == nullptr) {
        ++bad;
        std::fprintf(stderr, "orvane-cli: --import: line %zu: %s\n", line, why.c_str());
        return;
      }
      ChartEntry copy = *e;
      failed = !add(copy);
    });
  } else {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
      db.Rollback();
      std::fprintf(stderr, "orvane-cli: --import: cannot open \"%s\"\n", ShownName(path).c_str());
      return kBad;
    }
    BirthRowReader reader(in);
    // The columns this program's own CSV and JSON Lines exports add.
    std::vector<std::string> accepted = {"name",   "gender", "place", "zone_id", "source",
                                         "rodden", "tags",   "notes", "yogas"};
    for (const library::FactInfo& f : library::FactCatalogue()) accepted.push_back(f.name);  // an export's facts, computed anew
    reader.AcceptColumns(std::move(accepted));
    BirthRow row;
    while (!failed && reader.Next(row)) {
      if (!row.ok) {
        ++bad;
        std::fprintf(stderr, "orvane-cli: --import: line %zu (id %s): %s\n", row.line, row.idText.c_str(),
                     row.error.c_str());
        continue;
      }
      ChartEntry e;
      e.name = row.idText;
      e.birth = row.birth;
      if (!row.zoneGiven) e.birth.zone = settings.defaultZone;
      if (!row.longitudeGiven) e.birth.longitude = settings.defaultLongitude;
      if (!row.latitudeGiven) e.birth.latitude = settings.defaultLatitude;
      e.source = std::filesystem::path(path).filename().string();
      for (const auto& [name, value] : row.extra) {
        if (name == "name" && !value.empty()) e.name = value;
        if (name == "gender") e.gender = value == "m" || value == "f" ? value : "";
        if (name == "place") e.place = value;
        if (name == "zone_id") e.zoneId = value;
        if (name == "source" && !value.empty()) e.source = value;
        if (name == "rodden") e.rodden = value;
        if (name == "notes") e.notes = value;
        if (name == "tags") {
          std::stringstream tags(value);
          for (std::string tag; std::getline(tags, tag, ',');) {
            if (!tag.empty()) e.tags.push_back(tag);
          }
        }
      }
      failed = !add(e);
    }
    if (!reader.HeaderError().empty()) {
      std::fprintf(stderr, "orvane-cli: --import: %s\n", reader.HeaderError().c_str());
      bad += 1;
    }
    std::fclose(in);
  }
  if (failed || !db.Commit(&error)) {
    db.Rollback();
    std::fprintf(stderr, "orvane-cli: --db: %s (nothing was imported)\n", error.c_str());
    return kBad;
  }
  std::fprintf(stderr, "orvane-cli: %zu chart%s imported, %zu record%s refused\n", added, added == 1 ? "" : "s", bad,
               bad == 1 ? "" : "s");
  return bad == 0 ? 0 : kBad;
}

int Export(ChartLibrary& db, const library::CompiledQuery& query, const std::string& format) {
  std::string error;
  if (format == "csv") {
    std::printf("id,name,date,time,utc_offset,lon,lat,gender,place,zone_id,source,rodden,tags\n");
  }
  const bool ok = db.Where(query, [&](const ChartEntry& e) {
    const std::string date = DateText(e.birth);
    if (format == "csv") {
      std::printf("%lld,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s\n", static_cast<long long>(e.id), CsvField(e.name).c_str(),
                  date.substr(0, 10).c_str(), date.substr(11).c_str(), OffsetText(e.birth.zone).c_str(),
                  AngleText(-e.birth.longitude, 'E', 'W').c_str(), AngleText(e.birth.latitude, 'N', 'S').c_str(),
                  CsvField(e.gender).c_str(), CsvField(e.place).c_str(), CsvField(e.zoneId).c_str(),
                  CsvField(e.source).c_str(), CsvField(e.rodden).c_str(), CsvField(TagsText(e)).c_str());
    } else if (format == "aaf") {
      std::fputs(library::FormatAaf(e).c_str(), stdout);
    } else {
      JsonWriter w;
      w.BeginObject();
      WriteEntryJson(w, e);
      for (const auto& [name, value] : db.FactsOf(e.id)) {
        w.Key(name);
        const library::FactInfo* f = library::FindFact(name);
        if (f != nullptr && (f->kind == library::FactKind::kHouse || f->kind == library::FactKind::kPada)) {
          w.Int(std::atoi(value.c_str()));
        } else if (f != nullptr && f->kind == library::FactKind::kBool) {
          w.Bool(value == "true");
        } else {
          w.String(value);
        }
      }
      w.EndObject();
      std::printf("%s\n", w.Text().c_str());
    }
  }, &error);
  if (!ok) {
    std::fprintf(stderr, "orvane-cli: --export: %s\n", error.c_str());
    return kBad;
  }
  return 0;
}

// Splits "ID:TEXT".
bool IdAndText(const std::string& value, std::int64_t& id, std::string& text) {
  const std::size_t colon = value.find(':');
  if (colon == std::string::npos || colon == 0) return false;
  char* end = nullptr;
  id = std::strtoll(value.c_str(), &end, 10);
  if (end != value.c_str() + colon || id <= 0) return false;
  text = value.substr(colon + 1);
  return !text.empty();
}

// Birth data of a control group made from the group's own: each chart's
// date with another chart's time and place (`shuffle`), or random moments
// in the group's range of dates at the group's places and zones (`random`).
std::vector<BirthData> ControlBirths(const std::vector<BirthData>& group, const std::string& method, std::size_t count) {
  std::mt19937_64 rng(20261211);
  std::vector<BirthData> out;
  if (group.empty()) return out;
  std::uniform_int_distribution<std::size_t> pick(0, group.size() - 1);
  long long first = 0, last = 0;
  for (std::size_t i = 0; i < group.size(); ++i) {
    const long long d = GregorianDayCount(static_cast<std::int64_t>(group[i].year),
                                          static_cast<std::int64_t>(group[i].month), static_cast<std::int64_t>(group[i].day));
    first = i == 0 ? d : std::min(first, d);
    last = i == 0 ? d : std::max(last, d);
  }
  std::uniform_int_distribution<long long> day(first, std::max(first, last));
  std::uniform_int_distribution<int> minute(0, 24 * 60 - 1);
  for (std::size_t n = 0; n < count; ++n) {
    BirthData b = group[pick(rng)];
    if (method == "shuffle") {
      const BirthData& other = group[pick(rng)];
      b.year = other.year;
      b.month = other.month;
      b.day = other.day;
    } else {
      int y = 0, m = 0, d = 0;
      GregorianFromDayCount(day(rng), y, m, d);
      const int t = minute(rng);
      b.year = y;
      b.month = m;
      b.day = d;
      b.time = t / 60 + (t % 60) / 100.0;
    }
    out.push_back(b);
  }
  return out;
}

// The value of a fact in computed facts, as the catalogue writes it.
std::string FactValue(const library::ChartFacts& facts, const library::FactInfo& fact) {
  if (fact.name == "dasa.lord") return facts.dasaLord;
  const std::string point = fact.name.substr(0, fact.name.find('.'));
  const std::string field = fact.name.substr(fact.name.find('.') + 1);
  std::size_t p = 0;
  while (p < library::kPointNames.size() && library::kPointNames[p] != point) ++p;
  if (p == library::kPointNames.size()) return "";
  const library::PointFacts& f = facts.points[p];
  if (field == "sign") return std::string(library::SignText(f.sign));
  if (field == "navamsa") return std::string(library::SignText(f.navamsa));
  if (field == "nakshatra") return std::string(library::NakshatraText(f.nakshatra));
  if (field == "house") return std::to_string(f.house);
  if (field == "pada") return std::to_string(f.pada);
  if (field == "dignity") return f.dignity;
  if (field == "retrograde") return f.retrograde ? "true" : "false";
  return "";
}

int CountBy(ChartLibrary& db, const library::CompiledQuery& query, const std::string& factName,
            const std::string& control, bool json, bool csv, const Settings& settings) {
  const library::FactInfo* fact = library::FindFact(factName);
  if (fact == nullptr || fact->column.rfind("f.", 0) != 0) {
    std::fprintf(stderr, "orvane-cli: --count-by: unknown fact '%s' (docs/library.md lists the facts)\n",
                 ShownName(factName).c_str());
    return kBad;
  }
  std::vector<std::pair<std::string, std::int64_t>> counts;
  std::string error;
  if (!db.CountBy(query, *fact, counts, &error)) {
    std::fprintf(stderr, "orvane-cli: --count-by: %s\n", error.c_str());
    return kBad;
  }
  std::int64_t total = 0;
  for (const auto& [value, n] : counts) total += n;
  // The control group: its share of each value, scaled to the group.
  std::vector<double> expected;
  std::size_t controlSize = 0;
  if (!control.empty()) {
    std::vector<BirthData> group;
    db.Where(query, [&](const ChartEntry& e) { group.push_back(e.birth); }, &error);
    controlSize = std::min<std::size_t>(std::max<std::size_t>(group.size() * 10, 1000), 50000);
    std::map<std::string, double> share;
    std::size_t computed = 0;
    Ticker ticker("control group:");
    for (const BirthData& b : ControlBirths(group, control, group.empty() ? 0 : controlSize)) {
      library::ChartFacts facts;
      if (!Facts(b, settings, facts)) continue;
      share[FactValue(facts, *fact)] += 1;
      ticker.Tick(++computed);
    }
    for (auto& [value, n] : counts) {
      (void)n;
      expected.push_back(computed ? share[value] / static_cast<double>(computed) * static_cast<double>(total) : 0);
    }
    // Values only the control group has count too (observed 0).
    for (const auto& entry : share) {
      const std::string& value = entry.first;
      if (std::none_of(counts.begin(), counts.end(), [&](const auto& c) { return c.first == value; })) {
        counts.emplace_back(value, 0);
        expected.push_back(entry.second / static_cast<double>(computed) * static_cast<double>(total));
      }
    }
  }
  ChiSquare chi;
  if (!expected.empty()) {
    std::vector<double> observed;
    for (const auto& c : counts) observed.push_back(static_cast<double>(c.second));
    chi = ChiSquareTest(observed, expected);
  }
  if (json) {
    JsonWriter w;
    w.BeginObject();
    w.Key("fact");
    w.String(fact->name);
    w.Key("charts");
    w.Int(total);
    w.Key("counts");
    w.BeginArray();
    for (std::size_t i = 0; i < counts.size(); ++i) {
      w.BeginObject();
      w.Key("value");
      w.String(counts[i].first);
      w.Key("count");
      w.Int(counts[i].second);
      if (!expected.empty()) {
        w.Key("expected");
        w.Number(expected[i]);
      }
      w.EndObject();
    }
    w.EndArray();
    if (!expected.empty()) {
      w.Key("control");
      w.BeginObject();
      w.Key("method");
      w.String(control);
      w.Key("charts");
      w.Int(static_cast<long long>(controlSize));
      w.Key("chi_square");
      w.Number(chi.statistic);
      w.Key("degrees_of_freedom");
      w.Int(chi.degrees);
      w.Key("p");
      w.Number(chi.p);
      w.EndObject();
    }
    w.EndObject();
    std::printf("%s\n", w.Text().c_str());
    return 0;
  }
  if (csv) {
    std::printf(expected.empty() ? "value,count\n" : "value,count,expected\n");
    for (std::size_t i = 0; i < counts.size(); ++i) {
      if (expected.empty()) {
        std::printf("%s,%lld\n", CsvField(counts[i].first).c_str(), static_cast<long long>(counts[i].second));
      } else {
        std::printf("%s,%lld,%.3f\n", CsvField(counts[i].first).c_str(), static_cast<long long>(counts[i].second),
                    expected[i]);
      }
    }
    return 0;
  }
  std::printf("%s over %lld chart%s\n", fact->name.c_str(), static_cast<long long>(total), total == 1 ? "" : "s");
  for (std::size_t i = 0; i < counts.size(); ++i) {
    if (expected.empty()) {
      std::printf("  %-16s %8lld\n", ShownName(counts[i].first).c_str(), static_cast<long long>(counts[i].second));
    } else {
      std::printf("  %-16s %8lld  expected %10.2f\n", ShownName(counts[i].first).c_str(),
                  static_cast<long long>(counts[i].second), expected[i]);
    }
  }
  if (!expected.empty()) {
    std::printf("control group: %zu charts (%s); chi-square %.3f with %d degrees of freedom, p = %.4g\n", controlSize,
                control.c_str(), chi.statistic, chi.degrees, chi.p);
  }
  return 0;
}

// The regularized upper incomplete gamma function Q(a, x), by its series
// for x < a + 1 and its continued fraction otherwise.
double UpperGamma(double a, double x) {
  if (x <= 0) return 1;
  const double lnFront = -x + a * std::log(x) - std::lgamma(a);
  if (x < a + 1) {
    double sum = 1 / a, term = sum;
    for (int n = 1; n < 1000; ++n) {
      term *= x / (a + n);
      sum += term;
      if (std::fabs(term) < std::fabs(sum) * 1e-15) break;
    }
    return std::max(0.0, 1 - sum * std::exp(lnFront));
  }
  double b = x + 1 - a, c = 1 / 1e-300, d = 1 / b, h = d;
  for (int i = 1; i < 1000; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < 1e-300) d = 1e-300;
    c = b + an / c;
    if (std::fabs(c) < 1e-300) c = 1e-300;
    d = 1 / d;
    const double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < 1e-15) break;
  }
  return std::min(1.0, std::exp(lnFront) * h);
}

}  // namespace

ChiSquare ChiSquareTest(const std::vector<double>& observed, const std::vector<double>& expected) {
  ChiSquare r;
  int categories = 0;
  for (std::size_t i = 0; i < observed.size() && i < expected.size(); ++i) {
    if (expected[i] <= 0) continue;
    const double d = observed[i] - expected[i];
    r.statistic += d * d / expected[i];
    ++categories;
  }
  r.degrees = std::max(0, categories - 1);
  r.p = r.degrees > 0 ? UpperGamma(r.degrees / 2.0, r.statistic / 2.0) : 1.0;
  return r;
}

int RunLibrary(const CliOptions& o, const Settings& settings) {
  const std::string path = o.db.value_or(library::DefaultLibraryPath());
  ChartLibrary db;
  std::string error;
  if (!db.Open(path, &error)) {
    std::fprintf(stderr, "orvane-cli: --db: %s\n", error.c_str());
    return kBad;
  }
  library::CompiledQuery query;
  if (o.libWhere && !library::CompileQuery(*o.libWhere, query, &error)) {
    std::fprintf(stderr, "orvane-cli: --where: %s\n  %s\n  %*s^\n", error.c_str(), ShownName(*o.libWhere).c_str(),
                 static_cast<int>(std::strtol(error.c_str() + 7, nullptr, 10) - 1), "");
    return kBad;
  }
  if (o.libAdd) return AddFiles(db, o.files, settings);
  if (!o.libImport.empty()) return Import(db, o.libImport, settings);
  int status = 0;
  for (const std::string& t : o.libTag) {
    std::int64_t id = 0;
    std::string tag;
    if (!IdAndText(t, id, tag) || !db.AddTag(id, tag, &error)) {
      std::fprintf(stderr, "orvane-cli: --tag %s: %s\n", ShownName(t).c_str(), error.empty() ? "takes ID:TAG" : error.c_str());
      status = kBad;
    }
  }
  for (const std::string& t : o.libUntag) {
    std::int64_t id = 0;
    std::string tag;
    if (!IdAndText(t, id, tag) || !db.RemoveTag(id, tag, &error)) {
      std::fprintf(stderr, "orvane-cli: --untag %s: %s\n", ShownName(t).c_str(), error.empty() ? "takes ID:TAG" : error.c_str());
      status = kBad;
    }
  }
  for (const std::int64_t id : o.libRemove) {
    if (!db.Remove(id, &error)) {
      std::fprintf(stderr, "orvane-cli: --remove %lld: %s\n", static_cast<long long>(id), error.c_str());
      status = kBad;
    }
  }
  if (!o.libBackup.empty()) {
    if (!db.Backup(o.libBackup, &error)) {
      std::fprintf(stderr, "orvane-cli: --backup: %s\n", error.c_str());
      return kBad;
    }
    return status;
  }
  if (o.libCheck) {
    const std::string result = db.IntegrityCheck();
    std::printf("%s: %s (%lld charts)\n", ShownName(path).c_str(), ShownName(result).c_str(),
                static_cast<long long>(db.Count()));
    return result == "ok" ? status : kBad;
  }
  if (o.libFind) {
    for (const ChartEntry& e : db.FindByName(*o.libFind, 100)) PrintEntry(e, o.json);
    return status;
  }
  for (const std::string& text : o.libEvents) {
    // ID:KIND:YYYY-MM-DD[:NOTE]
    std::int64_t id = 0;
    std::string rest;
    library::ChartEvent event;
    int y = 0, m = 0, d = 0;
    char tail = 0;
    const bool parsed = IdAndText(text, id, rest) && rest.find(':') != std::string::npos &&
                        std::sscanf(rest.substr(rest.find(':') + 1, 10).c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) == 3 &&
                        m >= 1 && m <= 12 && d >= 1 && d <= 31;
    if (parsed) {
      event.chart = id;
      event.kind = rest.substr(0, rest.find(':'));
      const std::string after = rest.substr(rest.find(':') + 1);
      event.date = after.substr(0, after.find(':'));
      event.note = after.find(':') == std::string::npos ? "" : after.substr(after.find(':') + 1);
    }
    ChartEntry e;
    if (!parsed || event.kind.empty() || !db.Get(id, e) || db.AddEvent(event, &error) == 0) {
      std::fprintf(stderr, "orvane-cli: --event %s: %s\n", ShownName(text).c_str(),
                   !parsed || event.kind.empty() ? "takes ID:KIND:YYYY-MM-DD[:NOTE]"
                   : error.empty()               ? ("no chart has the id " + std::to_string(id)).c_str()
                                                 : error.c_str());
      status = kBad;
    }
  }
  if (o.libShowEvents) {
    ChartEntry e;
    if (!db.Get(*o.libShowEvents, e)) {
      std::fprintf(stderr, "orvane-cli: --events: no chart has the id %lld\n", static_cast<long long>(*o.libShowEvents));
      return kBad;
    }
    for (const library::ChartEvent& ev : db.Events(e.id)) {
      if (o.json) {
        JsonWriter w;
        w.BeginObject();
        w.Key("chart");
        w.Int(ev.chart);
        w.Key("kind");
        w.String(ev.kind);
        w.Key("date");
        w.String(ev.date);
        w.Key("note");
        w.String(ev.note);
        w.EndObject();
        std::printf("%s\n", w.Text().c_str());
      } else {
        std::printf("%s\t%s\t%s\n", ev.date.c_str(), ShownName(ev.kind).c_str(), ShownName(ev.note).c_str());
      }
    }
    return status;
  }
  if (o.libFacts) {
    ChartEntry e;
    if (!db.Get(*o.libFacts, e)) {
      std::fprintf(stderr, "orvane-cli: --facts: no chart has the id %lld\n", static_cast<long long>(*o.libFacts));
      return kBad;
    }
    if (!RefreshFacts(db, settings)) return kBad;
    for (const auto& [name, value] : db.FactsOf(e.id)) std::printf("%s\t%s\n", name.c_str(), ShownName(value).c_str());
    return status;
  }
  if (o.libCountBy || o.libExport || o.libWhere || o.libList) {
    if (!RefreshFacts(db, settings)) return kBad;
  }
  if (o.libCountBy) return CountBy(db, query, *o.libCountBy, o.libControl, o.json, o.csv, settings);
  if (o.libExport) return Export(db, query, *o.libExport);
  if (o.libWhere || o.libList) {
    if (!db.Where(query, [&](const ChartEntry& e) { PrintEntry(e, o.json); }, &error)) {
      std::fprintf(stderr, "orvane-cli: --where: %s\n", error.c_str());
      return kBad;
    }
  }
  return status;
}

}  // namespace orvane
