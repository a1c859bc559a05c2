#include "io/settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "io/chart_file.h"
#include "io/number_text.h"

namespace orvane {
namespace {

enum class FieldKind : std::uint8_t {
  kInt,         // an integer in [min, max]
  kAnyInt,      // any int (reserved values nothing reads)
  kDirection,   // +1 or -1
  kReal,        // a real in [min, max]
  kDeviation,   // a real in [min, max], or exactly 1000 (the tropical zodiac)
  kPrintCount,  // read but replaced by the count of the six items
};

// One value of the settings file after the version: where it lives in a
// Settings, its kind and range, and what follows it in the file.
struct Field {
  FieldKind kind;
  int* intValue;
  double* realValue;
  double min;
  double max;
  char separator;  // '\n', ' ', or 0 for nothing
};

inline constexpr int kFieldCount = 40;  // values 2..41 of the file
inline constexpr double kTropicalDegrees = 1000;

Field Int(int& v, int min, int max, char separator = '\n') {
  return {FieldKind::kInt, &v, nullptr, double(min), double(max), separator};
}
Field Real(double& v, double min, double max) { return {FieldKind::kReal, nullptr, &v, min, max, '\n'}; }

// The fields of `s` in file order.
std::array<Field, kFieldCount> FieldsOf(Settings& s) {
  return {{
      Int(s.chartStyle, 0, 4),
      Int(s.ayanamsaChoice, 0, kAyanamsaChoiceCount - 1),
      {FieldKind::kDirection, &s.ayanamsaDirection, nullptr, -1, 1, '\n'},
      {FieldKind::kDeviation, nullptr, &s.ayanamsaDegrees, 0, 30, '\n'},
      Real(s.ayanamsaMinutes, 0, 60),
      Real(s.ayanamsaSeconds, 0, 60),
      Int(s.horaMethod, 0, 4),
      Real(s.defaultZone, -24, 24),
      Real(s.defaultLongitude, -180, 180),
      Real(s.defaultLatitude, -90, 90),
      {FieldKind::kAnyInt, &s.reserved12, nullptr, 0, 0, '\n'},
      {FieldKind::kAnyInt, &s.reserved13, nullptr, 0, 0, '\n'},
      {FieldKind::kAnyInt, &s.reserved14, nullptr, 0, 0, '\n'},
      Int(s.showSpecialLagnas, 0, 1),
      Int(s.showDhoomaGroup, 0, 1),
      Int(s.showGulikaGroup, 0, 1),
      Int(s.showAllPadas, 0, 1),
      Int(s.showSomePadas, 0, 1),
      Int(s.chosenPadas[0], 0, 12),
      Int(s.chosenPadas[1], 0, 12),
      Int(s.chosenPadas[2], 0, 12),
      Int(s.chosenPadas[3], 0, 12),
      Int(s.chosenPadas[4], 0, 12),
      Int(s.chosenPadas[5], 0, 12),
      Int(s.dhumaRelation, 0, 1),
      Int(s.upagrahaRising[0], 0, 2),
      Int(s.upagrahaRising[1], 0, 2),
      Int(s.upagrahaRising[2], 0, 2),
      Int(s.upagrahaRising[3], 0, 2),
      Int(s.upagrahaRising[4], 0, 2),
      Int(s.upagrahaRising[5], 0, 2),
      Real(s.daysInYear, 0, 1000000),
      {FieldKind::kPrintCount, &s.printItemCount, nullptr, 0, 6, ' '},
      Int(s.printItems[0], 0, 1, ' '),
      Int(s.printItems[1], 0, 1, ' '),
      Int(s.printItems[2], 0, 1, ' '),
      Int(s.printItems[3], 0, 1, ' '),
      Int(s.printItems[4], 0, 1, ' '),
      Int(s.printItems[5], 0, 1, ' '),
      Int(s.blackAndWhite, 0, 1, 0),
  }};
}

// The settings kept after the trailer: "key=value" lines, each with its
// words; a key the program does not know is skipped (a later version's).
struct Extension {
  std::string_view key;
  std::array<std::string_view, 2> words;  // the words of the values 0 and 1
  int Settings::*value;
};
constexpr std::array<Extension, 5> kExtensions = {{
    {"ephemeris", {"classic", "swiss"}, &Settings::ephemeris},
    {"rahu", {"mean-node", "true-node"}, &Settings::trueNode},
    {"chart-degrees", {"off", "on"}, &Settings::chartDegrees},
    {"varga-degrees", {"divisional", "none"}, &Settings::vargaDegrees},
    {"chart-labels", {"language", "latin"}, &Settings::latinLabels},
}};

// A language name as the settings file keeps it: two or three lower-case
// letters, perhaps a region ("pt_BR"); anything else reads as none.
bool IsLanguageName(std::string_view name) {
  std::size_t letters = 0;
  while (letters < name.size() && name[letters] >= 'a' && name[letters] <= 'z') ++letters;
  if (letters < 2 || letters > 3) return false;
  if (letters == name.size()) return true;
  const std::string_view region = name.substr(letters);
  return region.size() == 3 && region[0] == '_' && region[1] >= 'A' && region[1] <= 'Z' && region[2] >= 'A' &&
         region[2] <= 'Z';
}

void SetLanguage(Settings& settings, std::string_view name) {
  settings.language.fill('\0');
  if (!IsLanguageName(name)) return;
  for (std::size_t i = 0; i < name.size(); ++i) settings.language[i] = name[i];
}

// Reads the extension lines of `text` into `settings`; returns the number of
// known keys whose value was not one of their words (the value is then the
// default).
int ParseExtensions(std::string_view text, Settings& settings) {
  for (const Extension& e : kExtensions) settings.*e.value = 0;  // absent: the default
  settings.language.fill('\0');
  int rejected = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, eq), word = line.substr(eq + 1);
    if (key == "language") {
      SetLanguage(settings, word);
      if (!word.empty() && settings.language[0] == '\0') ++rejected;
      continue;
    }
    for (const Extension& e : kExtensions) {
      if (key != e.key) continue;
      if (word == e.words[0]) {
        settings.*e.value = 0;
      } else if (word == e.words[1]) {
        settings.*e.value = 1;
      } else {
        settings.*e.value = 0;
        ++rejected;
      }
    }
  }
  return rejected;
}

bool IsIntKind(FieldKind kind) { return kind != FieldKind::kReal && kind != FieldKind::kDeviation; }

bool InRange(const Field& field, double v) {
  switch (field.kind) {
    case FieldKind::kAnyInt:
      return v >= -2147483648.0 && v <= 2147483647.0;
    case FieldKind::kDirection:
      return v == 1 || v == -1;
    case FieldKind::kDeviation:
      return (v >= field.min && v <= field.max) || v == kTropicalDegrees;
    case FieldKind::kInt:
    case FieldKind::kReal:
    case FieldKind::kPrintCount:
      return v >= field.min && v <= field.max;
  }
  return false;
}

}  // namespace

EngineSettings EngineSettingsOf(const Settings& settings) {
  EngineSettings engine;
  engine.ayanamsaOffset = settings.AyanamsaOffset();
  const int choice = settings.ayanamsaChoice;
  engine.ayanamsa = static_cast<AyanamsaChoice>(choice >= 0 && choice < kAyanamsaChoiceCount ? choice : 0);
  engine.sunriseDefinition = settings.sunriseDefinition;
  engine.ephemeris = settings.ephemeris == 1 ? EphemerisKind::kSwiss : EphemerisKind::kClassic;
  engine.trueNode = settings.trueNode == 1;
  return engine;
}

void SetAyanamsaPreset(Settings& settings, int choice) {
  if (choice < 0 || choice >= kAyanamsaChoiceCount) return;
  const AyanamsaPreset& preset = kAyanamsaPresets[static_cast<std::size_t>(choice)];
  settings.ayanamsaChoice = choice;
  if (preset.direction == 0) return;
  settings.ayanamsaDirection = preset.direction;
  settings.ayanamsaDegrees = preset.degrees;
  settings.ayanamsaMinutes = preset.minutes;
  settings.ayanamsaSeconds = preset.seconds;
  if (choice == static_cast<int>(AyanamsaChoice::kTropical)) {
    // The tropical zodiac is stored as a deviation of 1000 degrees.
    settings.ayanamsaDegrees = 1000;
    settings.ayanamsaMinutes = settings.ayanamsaSeconds = 0;
  }
}

int CountPrintItems(const Settings& settings) {
  int count = 0;
  for (int item : settings.printItems) count += item == 1 ? 1 : 0;
  return count;
}

std::string FormatSettings(const Settings& settings) {
  Settings copy = settings;
  copy.printItemCount = CountPrintItems(settings);
  std::string out;
  out.reserve(256);
  AppendInt(out, kSettingsVersion);
  out += '\n';
  for (const Field& field : FieldsOf(copy)) {
    if (IsIntKind(field.kind)) {
      AppendInt(out, *field.intValue);
    } else {
      AppendFixed(out, *field.realValue, 6);
    }
    if (field.separator != 0) out += field.separator;
  }
  out += kSettingsTrailer;
  if (settings.ephemeris == 1) out += "ephemeris=swiss\n";
  if (settings.trueNode == 1) out += "rahu=true-node\n";
  if (settings.chartDegrees == 1) out += "chart-degrees=on\n";
  if (settings.vargaDegrees == 1) out += "varga-degrees=none\n";
  if (settings.latinLabels == 1) out += "chart-labels=latin\n";
  if (settings.language[0] != '\0') {
    const std::string_view language(settings.language.data());
    if (IsLanguageName(language)) out += "language=" + std::string(language) + "\n";
  }
  return out;
}

SettingsParseResult ParseSettings(std::string_view text, Settings& settings) {
  SettingsParseResult result;
  std::vector<std::string_view> tokens;
  tokens.reserve(kFieldCount + 1);
  ForEachToken(text, [&](std::string_view token) {
    tokens.push_back(token);
    return tokens.size() < kFieldCount + 1;
  });
  const std::optional<long long> version = tokens.empty() ? std::nullopt : ParseInteger(tokens[0]);
  if (!version || *version != kSettingsVersion) {
    result.status = SettingsStatus::kFirstRun;
    result.message = tokens.empty() ? "the settings file is empty"
                                    : "the settings file is not of version 4011";
    return result;
  }
  result.status = SettingsStatus::kLoaded;

  Settings defaults;
  const std::array<Field, kFieldCount> fields = FieldsOf(settings);
  const std::array<Field, kFieldCount> defaultFields = FieldsOf(defaults);
  for (int i = 0; i < kFieldCount; ++i) {
    const Field& field = fields[i];
    const std::size_t tokenIndex = static_cast<std::size_t>(i) + 1;
    std::optional<double> value;
    if (tokenIndex < tokens.size()) {
      if (IsIntKind(field.kind)) {
        if (const std::optional<long long> n = ParseInteger(tokens[tokenIndex])) value = double(*n);
      } else {
        value = ParseDecimal(tokens[tokenIndex]);
      }
    }
    if (field.kind == FieldKind::kPrintCount) continue;  // counted from the items below
    if (!value) {
      ++result.unreadableFields;
      continue;
    }
    if (!InRange(field, *value)) {
      ++result.rejectedFields;
      if (IsIntKind(field.kind)) {
        *field.intValue = *defaultFields[i].intValue;
      } else {
        *field.realValue = *defaultFields[i].realValue;
      }
      continue;
    }
    if (IsIntKind(field.kind)) {
      *field.intValue = static_cast<int>(*value);
    } else {
      *field.realValue = *value;
    }
  }
  settings.printItemCount = CountPrintItems(settings);
  result.rejectedFields += ParseExtensions(text, settings);
  if (result.unreadableFields > 0 || result.rejectedFields > 0) {
    result.message = std::to_string(result.unreadableFields) + " unreadable and " +
                     std::to_string(result.rejectedFields) + " out-of-range values in the settings file";
  }
  return result;
}

SettingsParseResult LoadSettings(const std::string& path, Settings& settings) {
  // The file is a few hundred bytes; a larger one is read only as far as
  // its values can reach.
  constexpr std::size_t kReadLimit = 65536;
  std::string text;
  bool more = false;
  std::string error;
  if (!ReadRegularFile(path, kReadLimit, text, more, &error)) {
    SettingsParseResult result;
    result.status = PathIsMissing(path) ? SettingsStatus::kFirstRun : SettingsStatus::kUnreadable;
    result.message = error;
    return result;
  }
  return ParseSettings(text, settings);
}

bool SaveSettings(const std::string& path, const Settings& settings, std::string* error) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      if (error != nullptr) {
        *error = "cannot create the folder \"" + folder.string() + "\": " + ec.message();
      }
      return false;
    }
  }
  // Something that is there but cannot be read may hold the user's
  // preferences: it is left alone.
  constexpr std::size_t kProbeLimit = 1;
  std::string probe, reason;
  bool more = false;
  if (!PathIsMissing(path) && !ReadRegularFile(path, kProbeLimit, probe, more, &reason)) {
    if (error != nullptr) *error = "the settings file exists but cannot be read (" + reason + "); it is left as it is";
    return false;
  }
  if (!WriteFileAtomic(path, FormatSettings(settings), error)) return false;
  if (!ReadRegularFile(path, kProbeLimit, probe, more, &reason)) {
    if (error != nullptr) *error = "the settings file was written but cannot be read back: " + reason;
    return false;
  }
  return true;
}

std::string DefaultSettingsPath() {
  std::string base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    base = config;
  } else {
    std::string home;
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
      home = env;
    } else {
      struct passwd entry {};
      struct passwd* found = nullptr;
      std::array<char, 4096> buffer;
      if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
          found->pw_dir != nullptr) {
        home = found->pw_dir;
      }
    }
    if (home.empty()) return {};
    base = home + "/.config";
  }
  return base + "/orvane/" + std::string(kSettingsFileName);
}

}  // namespace orvane
