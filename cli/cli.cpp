#include "cli/cli.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json.h"
#include "cli/match_cli.h"
#include "cli/options.h"
#include "chart/pipeline.h"
#include "engine/slot_labels.h"
#include "io/chart_file.h"
#include "io/settings.h"
#include "io/shown_name.h"
#include "vedic/names.h"
#include "report/collection.h"

namespace orvane {

namespace {

constexpr int kExitNotFound = 1;
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

// Whether a failed read of `path` means the file is not there at all.
// Only the name is looked at (stat): nothing is opened, so a named pipe or
// a device cannot make the program wait.
bool IsMissing(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) != 0;
}

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

// Runs the program on `output`; returns the exit status of the charts
// (output failures are reported by `output`).
int RunCliToOutput(int argc, char** argv, CheckedOutput& output) {
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
      std::fprintf(stderr, "orvane-cli: %s: not a settings file of this version%s%s\n",
                   ShownName(options.settingsPath).c_str(), loaded.message.empty() ? "" : ": ", loaded.message.c_str());
      return kExitBadInput;
    }
  }

  if (options.match) return RunMatch(options.files[0], options.files[1], settings, options.json);
  if (options.transits) return RunTransits(options, settings);

  if (options.now) {
    PrintChart(options, settings, NowBirthData(settings));
    return 0;
  }
  if (options.birth) {
    BirthData birth = *options.birth;
    if (!options.zoneGiven) birth.zone = settings.defaultZone;
    if (!options.longitudeGiven) birth.longitude = settings.defaultLongitude;
    if (!options.latitudeGiven) birth.latitude = settings.defaultLatitude;
    PrintChart(options, settings, birth);
    return 0;
  }

  int status = 0;
  for (const std::string& path : options.files) {
    std::string bytes, readError;
    if (!ReadChartImage(path, bytes, &readError)) {
      if (IsMissing(path)) {
        std::fflush(stdout);
        std::fprintf(stderr, "File '%s' not found.\n", ShownName(path).c_str());
        if (status == 0) status = kExitNotFound;
      } else {
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
      std::fprintf(stderr, "orvane-cli: %s: not a valid chart data file: %s\n", ShownName(path).c_str(),
                   valid.message.c_str());
      status = kExitBadInput;
      if (options.json) PrintErrorJson(path, valid.message);
      continue;
    }
    output.Begin();
    PrintChart(options, settings, valid.birth);
    // Output that cannot be written ends the run: later charts would be lost too.
    if (!output.Check()) break;
  }
  return status;
}

}  // namespace

int RunCli(int argc, char** argv) {
  CheckedOutput output;
  if (!output.Open()) return kExitOutputFailed;
  const int status = RunCliToOutput(argc, argv, output);
  if (!output.Finish()) return kExitOutputFailed;
  return status;
}

}  // namespace orvane
