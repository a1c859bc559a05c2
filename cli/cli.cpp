#include "cli/cli.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json.h"
#include "cli/options.h"
#include "chart/pipeline.h"
#include "engine/slot_labels.h"
#include "io/chart_file.h"
#include "io/settings.h"
#include "vedic/names.h"
#include "report/collection.h"

namespace orvane {

namespace {

constexpr int kExitNotFound = 1;
constexpr int kExitBadInput = 2;

void WriteChartJson(JsonWriter& json, const ChartState& state, const Settings& settings) {
  json.BeginObject();
  json.Key("birth");
  json.BeginObject();
  const BirthData& b = state.birthCopy;
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
  json.EndObject();
}

// A plain listing of the body slots when no section or JSON was asked for.
void PrintPositions(std::FILE* out, const ChartState& state) {
  const BirthData& b = state.birthCopy;
  std::fprintf(out, "Chart of %d-%02d-%02d, time %.4f, zone %.2f, longitude %.2f, latitude %.2f\n",
               static_cast<int>(b.year), static_cast<int>(b.month), static_cast<int>(b.day), b.time, b.zone,
               b.longitude, b.latitude);
  std::fprintf(out, "Ayanamsa %.6f\n", -state.ayanamsaValue);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slot >= kUranus && slot <= kPluto) continue;
    const double L = state.slotLongitude[slot];
    const int sign = static_cast<int>(L / 30) % 12;
    const double inSign = L - 30 * sign;
    const int deg = static_cast<int>(inSign);
    const int min = static_cast<int>((inSign - deg) * 60);
    std::fprintf(out, "%-8s %10.6f  %2d %s %02d%s\n", std::string(kSlotLabel[slot]).c_str(), L, deg, std::string(vedic::kSignAbbreviation[sign]).c_str(), min,
                 state.slotRetrograde[slot] ? " (R)" : "");
  }
}

// The JSON line of a chart file that could not be computed.
void PrintErrorJson(const std::string& path, const std::string& message) {
  JsonWriter json;
  json.BeginObject();
  json.Key("file");
  json.String(path);
  json.Key("error");
  json.String(message);
  json.EndObject();
  std::printf("%s\n", json.Text().c_str());
}

// Computes one chart on a fresh state and prints what was asked for.
void PrintChart(const CliOptions& options, const Settings& settings, const BirthData& birth) {
  ChartState state;
  options.Apply(state.options);
  state.reportSection = options.section.value_or(kNoSection);
  if (options.section == 41) state.options.textChartRasiNavamsa = 1;
  ComputeChartFromBirth(state, settings, birth);
  if (options.json) {
    JsonWriter json;
    WriteChartJson(json, state, settings);
    std::fwrite(json.Text().data(), 1, json.Text().size(), stdout);
    std::fputc('\n', stdout);
  } else if (options.basic || options.complete) {
    const CollectionText text =
        BuildCollectionText(state, settings, options.complete ? CollectionSet::kComplete : CollectionSet::kBasic);
    std::fwrite(text.text.data(), 1, text.text.size(), stdout);
  } else if (options.section) {
    const std::string_view text = state.report.Text();
    std::fwrite(text.data(), 1, text.size(), stdout);
  } else {
    PrintPositions(stdout, state);
  }
}

}  // namespace

int RunCli(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(args, options, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
    return kExitBadInput;
  }
  if (options.help) {
    std::fputs(kCliUsage, stdout);
    return 0;
  }

  Settings settings;
  if (!options.settingsPath.empty()) {
    const SettingsParseResult loaded = LoadSettings(options.settingsPath, settings);
    if (loaded.status != SettingsStatus::kLoaded) {
      std::fprintf(stderr, "orvane-cli: %s: not a settings file of this version%s%s\n", options.settingsPath.c_str(),
                   loaded.message.empty() ? "" : ": ", loaded.message.c_str());
      return kExitBadInput;
    }
  }

  if (options.now) {
    PrintChart(options, settings, NowBirthData(settings));
    std::fflush(stdout);
    return 0;
  }
  if (options.birth) {
    BirthData birth = *options.birth;
    if (!options.zoneGiven) birth.zone = settings.defaultZone;
    if (!options.longitudeGiven) birth.longitude = settings.defaultLongitude;
    if (!options.latitudeGiven) birth.latitude = settings.defaultLatitude;
    PrintChart(options, settings, birth);
    std::fflush(stdout);
    return 0;
  }

  int status = 0;
  for (const std::string& path : options.files) {
    std::string bytes, readError;
    if (!ReadChartImage(path, bytes, &readError)) {
      std::FILE* probe = std::fopen(path.c_str(), "rb");
      if (!probe) {
        std::fflush(stdout);
        std::fprintf(stderr, "File '%s' not found.\n", path.c_str());
        if (status == 0) status = kExitNotFound;
      } else {
        std::fclose(probe);
        std::fflush(stdout);
        std::fprintf(stderr, "orvane-cli: %s\n", readError.c_str());
        status = kExitBadInput;
      }
      if (options.json) PrintErrorJson(path, "cannot be read");
      continue;
    }
    const ChartValidation valid = ValidateChartImage(bytes);
    if (!valid.ok) {
      std::fflush(stdout);
      std::fprintf(stderr, "orvane-cli: %s: not a valid chart data file: %s\n", path.c_str(), valid.message.c_str());
      status = kExitBadInput;
      if (options.json) PrintErrorJson(path, valid.message);
      continue;
    }
    PrintChart(options, settings, valid.birth);
  }
  std::fflush(stdout);
  return status;
}

}  // namespace orvane
