#include "cli/cli.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/birth_rows.h"
#include "cli/chart_read.h"
#include "cli/json.h"
#include "cli/library_cli.h"
#include "cli/match_cli.h"
#include "cli/options.h"
#include "cli/yoga_cli.h"
#include "cli/jaimini_cli.h"
#include "compute/sensitivity.h"
#include "compute/houses.h"
#include "compute/yoga_chart.h"
#include "vedic/kp.h"
#include "yoga/text.h"
#include "cli/panchanga_cli.h"
#include "cli/place_cli.h"
#include "compute/pipeline.h"
#include "cli/program_info.h"
#include "engine/classic_engine.h"
#include "engine/ephemeris_engine.h"
#include "engine/slot_labels.h"
#include "io/chart_file.h"
#include "io/settings.h"
#include "io/shown_name.h"
#include "vedic/names.h"
#include "compute/collection.h"
#include "report/sections.h"

namespace orvane {

namespace {

constexpr int kExitBadInput = 2;
constexpr int kExitOutputFailed = 3;

// Standard output as this program uses it: every chart's output is checked
// once it is written, and the final flush and close are checked too, so
// that output lost to a closed stream or a full disk is never reported as
// success.
class CheckedOutput {
 public:
  // Returns false (and says so once) when standard output is not open at
  // all (`>&-`). Its descriptor is then taken by /dev/null so that no file
  // the program opens later can land on descriptor 1.
  bool Open() {
    std::clearerr(stdout);
    if (::fcntl(STDOUT_FILENO, F_GETFD) >= 0) return true;
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd >= 0 && fd != STDOUT_FILENO) ::close(fd);
    Fail(EBADF);
    return false;
  }

  // Call before a chart's output is written.
  void Begin() { errno = 0; }

  // Call after it is written: false (and one message) when a write failed.
  bool Check() {
    if (failed_) return false;
    if (!std::ferror(stdout)) return true;
    Fail(errno != 0 ? errno : EIO);
    return false;
  }

  // Flushes standard output and closes a duplicate of its descriptor (a
  // file system that reports write errors only at close, such as NFS, does
  // so then; standard output itself stays open for a caller that runs the
  // program again in the same process). False (and one message) when
  // anything written earlier or now did not arrive.
  bool Finish() {
    if (!Check()) return false;
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      Fail(errno != 0 ? errno : EIO);
      return false;
    }
    const int duplicate = ::dup(STDOUT_FILENO);
    if (duplicate >= 0 && ::close(duplicate) != 0 && errno != EINTR) {
      Fail(errno);
      return false;
    }
    return true;
  }

  bool Failed() const { return failed_; }

 private:
  void Fail(int err) {
    if (failed_) return;
    failed_ = true;
    std::fprintf(stderr, "orvane-cli: cannot write the output: %s\n", std::strerror(err));
  }

  bool failed_ = false;
};

// The "houses" key of --houses: the system and its twelve cusps with their
// KP lords.
// A longitude with its KP lords: sign, star and sub lord, and the sub-sub
// lord when `subSub` (the --kp listing).
void WriteKpLordsJson(JsonWriter& json, double longitude, bool subSub) {
  const KpLords lords = KpLordsOf(longitude);
  json.Key("longitude");
  json.Number(longitude);
  json.Key("sign_lord");
  json.String(yoga::BodyName(lords.sign));
  json.Key("star_lord");
  json.String(yoga::BodyName(lords.star));
  json.Key("sub_lord");
  json.String(yoga::BodyName(lords.sub));
  if (subSub) {
    json.Key("sub_sub_lord");
    json.String(yoga::BodyName(lords.subSub));
  }
}

void WriteHousesJson(JsonWriter& json, HouseSystem system, const HouseCusps& cusps) {
  json.Key("houses");
  json.BeginObject();
  json.Key("system");
  json.String(HouseSystemName(system));
  json.Key("cusps");
  json.BeginArray();
  for (const double c : cusps.cusp) {
    json.BeginObject();
    WriteKpLordsJson(json, c, false);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void WriteChartJson(JsonWriter& json, const Chart& chart, const Settings& settings,
                    const std::string* idJson, const PlaceReading* place = nullptr,
                    const std::pair<HouseSystem, HouseCusps>* houses = nullptr) {
  const ChartState& state = chart.State();  // the slots and each layer's values
  json.BeginObjectWithId(idJson);
  json.Key("birth");
  json.BeginObject();
  const BirthData& b = chart.Birth();
  json.Key("month");
  json.Number(b.month);
  json.Key("day");
  json.Number(b.day);
  json.Key("year");
  json.Number(b.year);
  json.Key("time");
  json.Number(b.time);
  json.Key("zone");
  json.Number(b.zone);
  json.Key("longitude");
  json.Number(b.longitude);
  json.Key("latitude");
  json.Number(b.latitude);
  json.EndObject();

  json.Key("slots");
  json.BeginArray();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    json.BeginObject();
    json.Key("label");
    json.String(kSlotLabel[slot]);
    json.Key("longitude");
    json.Number(state.slotLongitude[slot]);
    json.Key("retrograde");
    json.Bool(state.slotRetrograde[slot] != 0);
    json.EndObject();
  }
  json.EndArray();

  json.Key("ayanamsa");
  json.Number(state.ayanamsaValue);
  json.Key("nakshatra_balance");
  json.Number(state.nakshatraBalance);
  json.Key("lunar_month_sign");
  json.Int(state.lunarMonthSign);
  json.Key("sunrise");
  json.BeginObject();
  const SunriseValues& sr = state.sunrise;
  json.Key("ghatis");
  json.Number(sr.sunriseGhatis);
  json.Key("minutes_since");
  json.Number(sr.minutesSinceSunrise);
  json.Key("day_length");
  json.Number(sr.dayLength);
  json.Key("night_length");
  json.Number(sr.nightLength);
  json.Key("born_in_daytime");
  json.Bool(sr.bornInDaytime != 0);
  json.Key("fallback");
  json.Bool(sr.fallback != 0);
  json.EndObject();

  WriteVedicJson(json, state, settings);
  WriteDasaJson(json, state, settings);
  WriteStrengthJson(json, state, settings);
  WriteTajakaJson(json, state, settings);
  const EngineSettings engine = EngineSettingsOf(settings);
  json.Key("ephemeris");
  json.String(engine.ephemeris == EphemerisKind::kSwiss ? "swiss" : "classic");
  if (engine.ephemeris != EphemerisKind::kClassic) {
    json.Key("ephemeris_source");
    json.String(EngineFor(engine.ephemeris).Describe(state.swissSource));
  } else if (const std::string note = ClassicRangeNote(ChartYear(state)); !note.empty()) {
    json.Key("classic_range_note");
    json.String(note);
  }
  if (place != nullptr) {
    json.Key("place");
    WritePlaceJson(json, *place);
  }
  if (houses != nullptr) WriteHousesJson(json, houses->first, houses->second);
  json.EndObject();
}

// A plain listing of the body slots when no section or JSON was asked for;
// an engine other than the classic one is named under the ayanamsa.
void AppendPositions(std::string& out, const Chart& chart, const Settings& settings) {
  const ChartState& state = chart.State();  // the body slots
  const BirthData& b = chart.Birth();
  char line[256];
  std::snprintf(line, sizeof line, "Chart of %d-%02d-%02d, time %.4f, zone %.2f, longitude %.2f, latitude %.2f\n",
                static_cast<int>(b.year), static_cast<int>(b.month), static_cast<int>(b.day), b.time, b.zone,
                b.longitude, b.latitude);
  out += line;
  std::snprintf(line, sizeof line, "Ayanamsa %.6f\n", -state.ayanamsaValue);
  out += line;
  const EphemerisKind engine = EngineSettingsOf(settings).ephemeris;
  if (engine != EphemerisKind::kClassic) {
    std::snprintf(line, sizeof line, "Ephemeris %s\n", EngineFor(engine).Describe(state.swissSource).c_str());
    out += line;
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slot >= kUranus && slot <= kPluto) continue;
    const double L = state.slotLongitude[slot];
    const int sign = static_cast<int>(L / 30) % 12;
    const double inSign = L - 30 * sign;
    const int deg = static_cast<int>(inSign);
    const int min = static_cast<int>((inSign - deg) * 60);
    std::snprintf(line, sizeof line, "%-8s %10.6f  %2d %s %02d%s\n", std::string(kSlotLabel[slot]).c_str(), L, deg,
                  std::string(vedic::kSignAbbreviation[sign]).c_str(), min, state.slotRetrograde[slot] ? " (R)" : "");
    out += line;
  }
}

// The JSON line of a chart file that could not be computed.
std::string ErrorJson(const std::string& path, const std::string& message) {
  JsonWriter json;
  json.BeginObject();
  json.Key("file");
  json.String(path);
  json.Key("error");
  json.String(message);
  json.EndObject();
  return json.Text() + "\n";
}

// Puts `prefix` before every line of `text`.
std::string PrefixLines(std::string_view prefix, std::string_view text) {
  std::string out;
  out.reserve(text.size() + 64);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    out += prefix;
    out += text.substr(start, end - start);
    start = end;
  }
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

// The ruling planets of a chart's moment: the lord of its weekday, of the
// lagna's sign and star, and of the Moon's sign and star.
std::array<std::pair<const char*, Body>, 5> RulingPlanets(const Chart& chart) {
  const KpLords lagna = KpLordsOf(chart.AscendantLongitude()), moon = KpLordsOf(chart.Longitude(Body::kMoon));
  const int weekday = chart.State().vedic.vara;  // 0 Sunday: its ruler is body 0, the Sun
  return {{{"day lord", BodyAt(((weekday % 7) + 7) % 7)},
           {"lagna sign lord", lagna.sign},
           {"lagna star lord", lagna.star},
           {"Moon sign lord", moon.sign},
           {"Moon star lord", moon.star}}};
}

std::array<double, 9> KpGrahaLongitudes(const Chart& chart) {
  std::array<double, 9> l{};
  for (int i = 0; i < kGrahaCount; ++i) l[static_cast<std::size_t>(i)] = chart.Longitude(BodyAt(i));
  return l;
}

std::string KpText(const Chart& chart, HouseSystem system, const HouseCusps& cusps, int horary) {
  std::string out = horary ? "KP horary number " + std::to_string(horary) + ": placidus cusps from its ascendant, the chart's ayanamsa\n\n"
                           : "KP lords: " + std::string(HouseSystemName(system)) + " cusps, the chart's ayanamsa\n\n";
  char line[160];
  std::snprintf(line, sizeof line, "%-11s %-12s %-8s %-8s %-8s %s\n", "", "Position", "Sign", "Star", "Sub", "Sub-sub");
  out += line;
  auto row = [&](const std::string& name, double longitude) {
    const KpLords l = KpLordsOf(longitude);
    std::snprintf(line, sizeof line, "%-11s %-12s %-8s %-8s %-8s %s\n", name.c_str(), KpPositionText(longitude).c_str(),
                  std::string(yoga::BodyName(l.sign)).c_str(), std::string(yoga::BodyName(l.star)).c_str(),
                  std::string(yoga::BodyName(l.sub)).c_str(), std::string(yoga::BodyName(l.subSub)).c_str());
    out += line;
  };
  for (int h = 0; h < 12; ++h) row("Cusp " + std::to_string(h + 1), cusps.cusp[static_cast<std::size_t>(h)]);
  out += "\n";
  for (int i = 0; i < kGrahaCount; ++i) {
    row(std::string(yoga::BodyName(BodyAt(i))) + (chart.Retrograde(BodyAt(i)) ? " (R)" : ""),
        chart.Longitude(BodyAt(i)));
  }
  out += "\nRuling planets of the chart's moment:";
  for (const auto& [what, body] : RulingPlanets(chart)) out += std::string(" ") + what + " " + std::string(yoga::BodyName(body)) + ";";
  out.back() = '\n';
  const KpSignificators sig = KpSignificatorsOf(cusps.cusp, KpGrahaLongitudes(chart));
  static constexpr std::array<const char*, 9> kShort = {"Su", "Mo", "Ma", "Me", "Ju", "Ve", "Sa", "Ra", "Ke"};
  out += "\nSignificators of the houses (1 in the stars of its occupants, 2 its occupants, 3 in the star of its lord, "
         "4 its lord)\n";
  for (std::size_t h = 0; h < 12; ++h) {
    std::snprintf(line, sizeof line, "House %-2zu", h + 1);
    out += line;
    for (std::size_t level = 0; level < 4; ++level) {
      std::string names;
      for (const Body b : sig.house[h][level]) names += (names.empty() ? "" : " ") + std::string(kShort[IndexOf(b)]);
      std::snprintf(line, sizeof line, "  %zu: %-14s", level + 1, names.empty() ? "-" : names.c_str());
      out += line;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += "\n";
  }
  out += "\nSignificators of the planets (1 the house of its star lord, 2 its house, 3 the houses its star lord owns, "
         "4 the houses it owns)\n";
  for (std::size_t p = 0; p < 9; ++p) {
    std::snprintf(line, sizeof line, "%-8s", std::string(yoga::BodyName(BodyAt(static_cast<int>(p)))).c_str());
    out += line;
    for (std::size_t level = 0; level < 4; ++level) {
      std::string houses;
      for (const int h : sig.planet[p][level]) houses += (houses.empty() ? "" : " ") + std::to_string(h);
      std::snprintf(line, sizeof line, "  %zu: %-10s", level + 1, houses.empty() ? "-" : houses.c_str());
      out += line;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += "\n";
  }
  return out;
}

std::string KpJson(const Chart& chart, HouseSystem system, const HouseCusps& cusps, int horary,
                   const std::string* idJson) {
  JsonWriter json;
  json.BeginObjectWithId(idJson);
  json.Key("system");
  json.String(HouseSystemName(system));
  if (horary) {
    json.Key("horary_number");
    json.Int(horary);
  }
  json.Key("cusps");
  json.BeginArray();
  for (const double c : cusps.cusp) {
    json.BeginObject();
    WriteKpLordsJson(json, c, true);
    json.EndObject();
  }
  json.EndArray();
  json.Key("planets");
  json.BeginArray();
  for (int i = 0; i < kGrahaCount; ++i) {
    json.BeginObject();
    json.Key("planet");
    json.String(yoga::BodyName(BodyAt(i)));
    WriteKpLordsJson(json, chart.Longitude(BodyAt(i)), true);
    json.Key("retrograde");
    json.Bool(chart.Retrograde(BodyAt(i)));
    json.EndObject();
  }
  json.EndArray();
  json.Key("ruling_planets");
  json.BeginObject();
  for (const auto& [what, body] : RulingPlanets(chart)) {
    std::string key = what;
    for (char& c : key) c = c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    json.Key(key);
    json.String(yoga::BodyName(body));
  }
  json.EndObject();
  const KpSignificators sig = KpSignificatorsOf(cusps.cusp, KpGrahaLongitudes(chart));
  json.Key("significators");
  json.BeginObject();
  json.Key("houses");
  json.BeginArray();
  for (std::size_t h = 0; h < 12; ++h) {
    json.BeginObject();
    json.Key("house");
    json.Int(static_cast<long long>(h + 1));
    json.Key("levels");
    json.BeginArray();
    for (const std::vector<Body>& level : sig.house[h]) {
      json.BeginArray();
      for (const Body b : level) json.String(yoga::BodyName(b));
      json.EndArray();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.Key("planets");
  json.BeginArray();
  for (std::size_t p = 0; p < 9; ++p) {
    json.BeginObject();
    json.Key("planet");
    json.String(yoga::BodyName(BodyAt(static_cast<int>(p))));
    json.Key("house");
    json.Int(sig.occupies[p]);
    json.Key("levels");
    json.BeginArray();
    for (const std::vector<int>& level : sig.planet[p]) {
      json.BeginArray();
      for (const int h : level) json.Int(h);
      json.EndArray();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.EndObject();
  return json.Take() + "\n";
}

// "stays for −4 min 12 s / +1 min 3 s" lines, one a point.
std::string SensitivityText(const std::vector<SensitivityWindow>& windows) {
  std::string out = "Birth-time sensitivity: how far the time may move either way with the point unchanged\n";
  for (const SensitivityWindow& w : windows) {
    auto side = [](int seconds, bool limited) {
      return limited ? "more than " + DurationText(seconds) : DurationText(seconds);
    };
    char line[256];
    std::snprintf(line, sizeof line, "%-16s %-22s stays for \u2212%s / +%s\n", w.point.c_str(), w.value.c_str(),
                  side(w.before, w.beforeLimited).c_str(), side(w.after, w.afterLimited).c_str());
    out += line;
  }
  return out;
}

std::string SensitivityJson(const std::vector<SensitivityWindow>& windows, const std::string* idJson) {
  JsonWriter json;
  json.BeginObjectWithId(idJson);
  json.Key("sensitivity");
  json.BeginArray();
  for (const SensitivityWindow& w : windows) {
    json.BeginObject();
    json.Key("point");
    json.String(w.point);
    json.Key("value");
    json.String(w.value);
    json.Key("before_seconds");
    json.Int(w.before);
    json.Key("after_seconds");
    json.Int(w.after);
    json.Key("before_limited");
    json.Bool(w.beforeLimited);
    json.Key("after_limited");
    json.Bool(w.afterLimited);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Take() + "\n";
}

// Computes one chart on a fresh state and returns what was asked for. With
// an id (a JSON token and its plain text), the JSON object carries it as
// its first key and every text line starts with it and a tab. `labels`: the
// person and place the chart file names (copies' header); `place`: the place
// of --place.
std::string ChartOutput(const CliOptions& options, const Settings& settings, const BirthData& birth,
                        const BirthRow* id = nullptr, const ChartLabels& labels = {},
                        const PlaceReading* place = nullptr) {
  // ChartState is large: a worker thread keeps it on the heap, and the
  // chart value takes it over once computed.
  auto state = std::make_unique<ChartState>();
  options.Apply(state->options);
  if (options.section == ToInt(ReportSection::kTextCharts)) state->options.textChartRasiNavamsa = 1;
  auto report = std::make_unique<ReportBuffer>();
  ComputeChartFromBirth(*state, settings, birth, options.section.value_or(kNoSection), report.get());
  const Chart chart(std::move(state));
  CheckSwissData(chart.State());
  std::string text;
  if (options.kp) {
    const HouseSystem system = options.houses.value_or(HouseSystem::kPlacidus);
    HouseCusps cusps;
    std::string houseError;
    const bool got = options.kpHorary ? KpHoraryCusps(chart, settings, options.kpHorary, cusps, &houseError)
                                      : ChartHouseCusps(chart, settings, system, cusps, &houseError);
    if (!got) throw std::runtime_error(houseError);
    if (options.json) return KpJson(chart, system, cusps, options.kpHorary, id ? &id->idJson : nullptr);
    text = KpText(chart, system, cusps, options.kpHorary);
    return id ? PrefixLines(id->idText + "\t", text) : text;
  }
  if (options.rasiDasa || options.jaimini) {
    const jaimini::JaiminiChart jc = jaimini::JaiminiChartOf(chart);
    if (options.jaimini) {
      if (options.json) return JaiminiJson(jc, id ? &id->idJson : nullptr);
      text = JaiminiText(jc);
    } else {
      jaimini::RasiDasaOptions o;
      o.charaDirection = options.charaDirection;
      const jaimini::RasiDasaResult dasa = jaimini::ComputeRasiDasa(jc, *options.rasiDasa, o);
      if (options.json) return RasiDasaJson(jc, dasa, o, id ? &id->idJson : nullptr);
      text = RasiDasaText(jc, dasa, o);
    }
    return id ? PrefixLines(id->idText + "\t", text) : text;
  }
  if (options.sensitivity) {
    SensitivityOptions sensitivity;
    sensitivity.dasaDate = options.dasaAt;
    const std::vector<SensitivityWindow> windows = BirthTimeSensitivity(birth, settings, sensitivity);
    if (options.json) return SensitivityJson(windows, id ? &id->idJson : nullptr);
    text = SensitivityText(windows);
    return id ? PrefixLines(id->idText + "\t", text) : text;
  }
  if (options.yogas) {
    const std::vector<yoga::FoundYoga> found = yoga::FindYogas(YogaChartOf(chart, options.yogaChart));
    if (options.json) return YogasJson(found, options.yogaChart, id ? &id->idJson : nullptr);
    text = yoga::YogasText(found, options.yogaChart);
    return id ? PrefixLines(id->idText + "\t", text) : text;
  }
  if (options.json) {
    JsonWriter json;
    const std::vector<std::string> kept = KeptChartKeys(options.fields);
    if (!options.fields.empty()) json.KeepOnly(&kept);
    std::optional<std::pair<HouseSystem, HouseCusps>> houses;
    if (options.houses) {
      HouseCusps cusps;
      std::string houseError;
      if (!ChartHouseCusps(chart, settings, *options.houses, cusps, &houseError)) {
        throw std::runtime_error(houseError);
      }
      houses.emplace(*options.houses, cusps);
    }
    WriteChartJson(json, chart, settings, id ? &id->idJson : nullptr, place, houses ? &*houses : nullptr);
    text = json.Take();
    text += '\n';
    return text;
  }
  if (options.basic || options.complete) {
    text = BuildCollectionText(chart, settings, options.complete ? CollectionSet::kComplete : CollectionSet::kBasic,
                               labels)
               .text;
  } else if (options.section) {
    text = std::string(report->Text());
  } else {
    AppendPositions(text, chart, settings);
  }
  return id ? PrefixLines(id->idText + "\t", text) : text;
}

// Birth data of the options, with the settings' zone and place where none
// was given.
BirthData WithDefaults(BirthData birth, bool zoneGiven, bool longitudeGiven, bool latitudeGiven,
                       const Settings& settings) {
  if (!zoneGiven) birth.zone = settings.defaultZone;
  if (!longitudeGiven) birth.longitude = settings.defaultLongitude;
  if (!latitudeGiven) birth.latitude = settings.defaultLatitude;
  return birth;
}

// Reads, checks and computes one chart file.
JobResult FileJob(const CliOptions& options, const Settings& settings, const std::string& path) {
  JobResult r;
  const ChartFileInput in = ReadChartInput(path);
  if (in.status != 0) {
    r.err = in.message;
    r.status = in.status;
    if (options.json) r.out = ErrorJson(path, in.reason);
    return r;
  }
  r.out = ChartOutput(options, settings, in.birth, nullptr, in.labels);
  return r;
}

// Progress of a long batch on standard error, when that is a terminal: shown
// once the batch has run for a second, then refreshed a few times a second.
class Progress {
 public:
  explicit Progress(std::FILE* input) : shown_(isatty(fileno(stderr)) != 0), start_(Clock::now()), last_(start_) {
    struct stat st;
    if (input && fstat(fileno(input), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
      input_ = input;
      size_ = static_cast<double>(st.st_size);
    }
  }
  void Count(int status) {
    ++done_;
    if (status != 0) ++bad_;
    if (!shown_) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200)) return;
    last_ = now;
    Show(false);
  }
  void End() {
    if (printed_) Show(true);
  }

 private:
  using Clock = std::chrono::steady_clock;
  void Show(bool last) {
    std::fflush(stdout);
    char percent[32] = "";
    if (input_ && !last) {
      const long at = std::ftell(input_);
      if (at >= 0) std::snprintf(percent, sizeof percent, " (%.0f%% of the input)", 100.0 * static_cast<double>(at) / size_);
    }
    std::fprintf(stderr, "\rorvane-cli: %zu charts, %zu with errors%s\033[K%s", done_, bad_, percent, last ? "\n" : "");
    std::fflush(stderr);
    printed_ = true;
  }
  bool shown_;
  Clock::time_point start_, last_;
  std::FILE* input_ = nullptr;
  double size_ = 0;
  std::size_t done_ = 0, bad_ = 0;
  bool printed_ = false;
};

// The exit status of a batch: a bad input (2) wins over a missing file (1).
int Worse(int status, int next) {
  if (next == kExitBadInput || (next != 0 && status == 0)) return next;
  return status;
}

// Runs the program on `output`; returns the exit status of the charts
// (output failures are reported by `output`).
// How long a named pipe given to --input may wait for a program to open it
// for writing.
constexpr int kPipeWriterWaitMs = 10000;

// Opens the file of births for --input. A regular file and a pipe are read
// (a pipe as its rows come); a device, a folder or a socket is refused, and
// so is a named pipe that no program opens for writing within ten seconds.
// Returns null with the reason in `error`.
std::FILE* OpenBirthInput(const std::string& path, std::string& error) {
  const std::string shown = "'" + ShownName(path) + "'";
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = "cannot open " + shown + ": " + std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !(S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode))) {
    error = shown + " is not a file of births (" +
            (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) ? "a device"
             : S_ISDIR(info.st_mode)                         ? "a folder"
                                                             : "not a regular file or a pipe") +
            ")";
    ::close(fd);
    return nullptr;
  }
  int first = -1;  // a byte read while looking for the writer
  if (S_ISFIFO(info.st_mode)) {
    // Opened without blocking, a pipe reads end-of-file while nobody holds
    // its writing end and "try again" while a writer has nothing to say yet.
    for (int waited = 0;; waited += 20) {
      unsigned char byte = 0;
      const ssize_t n = ::read(fd, &byte, 1);
      if (n == 1) {
        first = byte;
        break;
      }
      if (n < 0 && errno == EAGAIN) break;  // a writer is there
      if (n < 0 && errno != EINTR) {
        error = "cannot read " + shown + ": " + std::strerror(errno);
        ::close(fd);
        return nullptr;
      }
      if (waited >= kPipeWriterWaitMs) {
        error = "no program wrote into the pipe " + shown + " within " + std::to_string(kPipeWriterWaitMs / 1000) +
                " seconds";
        ::close(fd);
        return nullptr;
      }
      ::usleep(20000);
    }
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* in = ::fdopen(fd, "rb");
  if (!in) {
    error = "cannot read " + shown + ": " + std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  if (first >= 0) std::ungetc(first, in);
  return in;
}

// Says so when a system limit let fewer worker threads start than asked for
// (the batch goes on with those that did).
void NoteWorkers(const OrderedPool& pool, int wanted) {
  const int running = std::max(pool.Workers(), 1);
  if (wanted > 1 && running < wanted)
    std::fprintf(stderr, "orvane-cli: note: %d of %d worker threads run (a system limit stopped the others)\n", running,
                 wanted);
}

int RunCliToOutput(int argc, char** argv, CheckedOutput& output) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(args, options, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
    return kExitBadInput;
  }
  if (options.help) {
    std::fputs(CliUsage().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::fputs(VersionText().c_str(), stdout);
    return 0;
  }
  if (options.listYogas) {
    std::fputs((options.json ? YogaLibraryJson() : YogaLibraryText()).c_str(), stdout);
    return 0;
  }
  if (options.listSections) {
    std::fputs(SectionListText(options.json).c_str(), stdout);
    return 0;
  }

  Settings settings;
  if (!options.settingsPath.empty()) {
    const SettingsParseResult loaded = LoadSettings(options.settingsPath, settings);
    if (loaded.status != SettingsStatus::kLoaded) {
      std::fprintf(stderr, "orvane-cli: %s: not a settings file of this version%s%s\n",
                   ShownName(options.settingsPath).c_str(), loaded.message.empty() ? "" : ": ", loaded.message.c_str());
      return kExitBadInput;
    }
  }

  if (options.ephemeris) settings.ephemeris = *options.ephemeris;
  if (options.ayanamsa) SetAyanamsaPreset(settings, *options.ayanamsa);
  if (options.LibraryCommand()) return RunLibrary(options, settings);
  if (options.placesQuery) return ListPlaces(*options.placesQuery, options.json, stdout, stderr);
  if (options.panchanga) return RunPanchanga(options, settings);
  if (options.eclipsesYear) return RunEclipses(options, settings);
  if (options.match) return RunMatch(options.files[0], options.files[1], settings, options.json, options.poruthams);
  if (options.transits) return RunTransits(options, settings);

  const int jobs = options.jobs.value_or(DefaultJobCount());
  int status = 0;
  bool stopped = false;  // standard output failed: nothing more is written
  auto print = [&](JobResult& r) {
    if (stopped) return;
    if (!r.err.empty()) {
      // After the output of the charts before it, on a terminal too.
      std::fflush(stdout);
      std::fwrite(r.err.data(), 1, r.err.size(), stderr);
    }
    status = Worse(status, r.status);
    if (r.out.empty()) return;
    output.Begin();
    std::fwrite(r.out.data(), 1, r.out.size(), stdout);
    // Output that cannot be written ends the run: later charts would be lost too.
    if (!output.Check()) stopped = true;
  };

  if (options.now) {
    JobResult r{ChartOutput(options, settings, NowBirthData(settings)), "", 0};
    print(r);
  } else if (options.birth) {
    BirthData birth = WithDefaults(*options.birth, options.zoneGiven, options.longitudeGiven,
                                   options.latitudeGiven, settings);
    if (!options.place.empty()) {
      // --place: position and offset from the place table at the birth moment.
      PlaceTable table;
      std::string placeError, note;
      PlaceReading place;
      if (!LoadPlaceTable(table, &placeError) ||
          !ReadPlace(table, options.place, birth, place, &placeError, &note)) {
        std::fprintf(stderr, "orvane-cli: %s\n", placeError.c_str());
        return kExitBadInput;
      }
      if (!note.empty()) std::fprintf(stderr, "orvane-cli: note: %s\n", note.c_str());
      ApplyPlace(place, options.zoneGiven, options.longitudeGiven, options.latitudeGiven, birth);
      const std::string label = place.admin1.empty() ? place.name + ", " + place.country
                                                     : place.name + ", " + place.admin1 + ", " + place.country;
      JobResult r{ChartOutput(options, settings, birth, nullptr, ChartLabels{"", label, place.zone}, &place), "", 0};
      print(r);
    } else {
      JobResult r{ChartOutput(options, settings, birth), "", 0};
      print(r);
    }
  } else if (!options.inputPath.empty()) {
    std::FILE* in = stdin;
    if (options.inputPath != "-") {
      std::string inputError;
      in = OpenBirthInput(options.inputPath, inputError);
      if (!in) {
        std::fprintf(stderr, "orvane-cli: --input: %s\n", inputError.c_str());
        return kExitBadInput;
      }
    }
    Progress rows(in);
    {
      OrderedPool pool(jobs, [&](JobResult& r) {
        print(r);
        rows.Count(r.status);
      });
      NoteWorkers(pool, jobs);
      BirthRowReader reader(in);
      BirthRow row;
      while (!stopped && reader.Next(row)) {
        if (!row.ok) {
          std::string message = "orvane-cli: input line " + std::to_string(row.line) + " (id " + row.idText +
                                "): " + row.error + "\n";
          pool.Submit([message] { return JobResult{"", message, kExitBadInput}; });
          continue;
        }
        pool.Submit([&options, &settings, row] {
          const BirthData birth =
              WithDefaults(row.birth, row.zoneGiven, row.longitudeGiven, row.latitudeGiven, settings);
          return JobResult{ChartOutput(options, settings, birth, &row), "", 0};
        });
      }
      pool.Finish();
      if (!reader.HeaderError().empty()) {
        std::fflush(stdout);
        std::fprintf(stderr, "orvane-cli: --input: %s\n", reader.HeaderError().c_str());
        status = kExitBadInput;
      } else if (std::ferror(in)) {
        std::fflush(stdout);
        std::fprintf(stderr, "orvane-cli: --input: read error\n");
        status = kExitBadInput;
      }
    }
    rows.End();
    if (in != stdin) std::fclose(in);
  } else {
    Progress progress(nullptr);
    const int wanted = std::min(jobs, static_cast<int>(options.files.size()));
    OrderedPool pool(wanted, [&](JobResult& r) {
      print(r);
      progress.Count(r.status);
    });
    NoteWorkers(pool, wanted);
    for (const std::string& path : options.files) {
      if (stopped) break;
      pool.Submit([&options, &settings, path] { return FileJob(options, settings, path); });
    }
    pool.Finish();
    progress.End();
  }
  return status;
}

}  // namespace

int RunCli(int argc, char** argv) {
  CheckedOutput output;
  if (!output.Open()) return kExitOutputFailed;
  int status = 0;
  try {
    status = RunCliToOutput(argc, argv, output);
  } catch (const std::exception& e) {
    // A chart that must not be shown (damaged Swiss data files) or memory
    // that ran out: one line, and the bad-input status.
    std::fflush(stdout);
    std::fprintf(stderr, "orvane-cli: %s\n", e.what());
    status = kExitBadInput;
  }
  if (!output.Finish()) return kExitOutputFailed;
  return status;
}

}  // namespace orvane
