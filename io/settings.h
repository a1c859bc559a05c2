// The user's preferences: every value of the settings file, in file order,
// with the defaults a first run starts from.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/engine_settings.h"

namespace orvane {

inline constexpr int kSettingsVersion = 4011;

struct Settings {
  int chartStyle = 0;            // 0..4
  int ayanamsaChoice = 0;        // 0..8 (AyanamsaChoice)
  int ayanamsaDirection = 1;     // +1 add, -1 subtract
  double ayanamsaDegrees = 0;    // 1000 for the tropical zodiac
  double ayanamsaMinutes = 0;
  double ayanamsaSeconds = 0;
  int horaMethod = 0;            // 0 Cancer-Leo, 1 zodiac twice (higher values: further methods)
  double defaultZone = 5.0;      // file units of a chart data file
  double defaultLongitude = 71.12;
  double defaultLatitude = 42.30;
  int reserved12 = 0;
  int reserved13 = 1;
  int reserved14 = 0;
  int showSpecialLagnas = 1;
  int showDhoomaGroup = 0;
  int showGulikaGroup = 0;
  int showAllPadas = 1;
  int showSomePadas = 0;
  std::array<int, 6> chosenPadas = {1, 12, 7, 0, 0, 0};  // 0..12
  int dhumaRelation = 0;  // 0 "Vyatipata = 360 deg - Dhuma", 1 "Vyatipata = Dhuma + 53 deg 20 min"
  // Rising point within the portion (0 beginning, 1 middle, 2 end) of
  // Kaala, Mrityu, Artha Prahara, Yama Ghantaka, Mandi, Gulika.
  std::array<int, 6> upagrahaRising = {0, 0, 0, 0, 1, 0};
  double daysInYear = 365.2425;  // nakshatra dasa year
  int printItemCount = 6;
  std::array<int, 6> printItems = {1, 1, 1, 1, 1, 1};
  int blackAndWhite = 0;

  // Not in the settings file: the sunrise definition (0 apparent rise of the
  // upper limb, 1 true rise of the upper limb, 2 true rise of the centre).
  int sunriseDefinition = 0;

  // After the settings file's trailer, as "key=value" lines written only
  // when they are not the default: a file without them reads as the classic
  // engine and the mean node, and older programs ignore them.
  int ephemeris = 0;  // 0 the classic engine, 1 the Swiss Ephemeris
  int trueNode = 0;   // 1: Rahu from the true node (Swiss engine only)
  int chartDegrees = 0;  // 1: the charts show each body's degrees and minutes beside its label
  int vargaDegrees = 0;  // with chartDegrees, 1: none in the divisional charts (0: their own degrees)
  int latinLabels = 0;   // 1: the chart diagrams keep the Latin abbreviations in any language
  // The desktop program's language ("hi", "ta", "en", ...); empty: the
  // system locale's.
  std::array<char, 16> language{};

  // The custom deviation in arc-minutes; beyond +-1000 it stands for the
  // tropical zodiac.
  double AyanamsaOffset() const {
    return ayanamsaDirection * (60.0 * ayanamsaDegrees + ayanamsaMinutes + ayanamsaSeconds / 60.0);
  }
};
static_assert(std::is_trivially_copyable_v<Settings>);

// Each ayanamsa choice as the preference offers it: its name, the key the
// command line takes, and its deviation from Chitrapaksha (Lahiri), which
// the classic engine applies (the Swiss engine takes the named ones by
// their own definitions). Indexed by AyanamsaChoice.
struct AyanamsaPreset {
  std::string_view name;
  std::string_view key;
  double degrees;
  double minutes;
  double seconds;
  int direction;  // +1 add, -1 subtract; 0: the fields stay as they are
};
inline constexpr std::array<AyanamsaPreset, kAyanamsaChoiceCount> kAyanamsaPresets = {{
    {"Chitrapaksha ayanamsa (Lahiri)", "chitrapaksha", 0, 0, 0, 1},
    {"Raman ayanamsa", "raman", 1, 27, 0, -1},
    {"Deva-datta ayanamsa", "devadatta", 0, 22, 37, -1},
    {"Krishnamoorthy ayanamsa", "krishnamurti", 0, 6, 5.4, -1},
    {"Usha-Shashi ayanamsa", "usha-shashi", 3, 48, 16, -1},
    {"Fagan ayanamsa", "fagan", 0, 53, 0.3, 1},
    {"Tropical (sayana) zodiac", "tropical", 0, 0, 0, 1},
    {"Custom ayanamsa", "custom", 0, 0, 0, 0},
    {"KP (new) ayanamsa", "kp-new", 0, 4, 36.2, -1},
}};
// Sets the settings' ayanamsa to preset `choice` (not the custom one) as the
// preference does: the choice, its deviation, or the tropical mark.
void SetAyanamsaPreset(Settings& settings, int choice);

// What the engine reads of the settings: the ayanamsa, the sunrise
// definition and the ephemeris.
EngineSettings EngineSettingsOf(const Settings& settings);

// The settings file: one value per line in the order of the members above
// (version 4011 first; the print-item count and the six items separated by
// blanks; the black-and-white flag last), then a fixed trailer. Reals are
// written with six decimals; a decimal point is used whatever the locale.
inline constexpr std::string_view kSettingsFileName = "orl4011.ini";
inline constexpr std::string_view kSettingsTrailer =
    "\n\nDo NOT try to manually edit this file! Never delete this file!!\n\n";

// Number of the six print items that are switched on (1).
int CountPrintItems(const Settings& settings);

// The whole settings file for `settings`: "4011\n", every value in file
// order ("%d\n" for integers, "%f\n" for reals, "%d " for the print-item
// count and the six items, "%d" for the black-and-white flag) and the
// trailer. The print-item count written is the one the six items give.
std::string FormatSettings(const Settings& settings);

enum class SettingsStatus : std::uint8_t {
  kLoaded,    // the file was a settings file of this version
  kFirstRun,  // missing, or its first value is not 4011
  kUnreadable,  // there is a file (or something else) at the path, but it cannot be read
};

struct SettingsParseResult {
  SettingsStatus status = SettingsStatus::kFirstRun;
  // Values that were missing or not a plain number of the field's kind:
  // the value the program had is kept for each.
  int unreadableFields = 0;
  // Values outside the range the preference dialogs allow: each is replaced
  // by its default.
  int rejectedFields = 0;
  std::string message;  // one line, for diagnostics; empty when all was well
};

// Reads a settings file's text into `settings`. The values are blank-
// separated tokens taken in file order; the first must be the integer 4011,
// otherwise the result is kFirstRun and `settings` is left untouched.
// Each later value must be a plain number (integers for integer fields,
// decimals without exponent for real fields) or the field keeps its
// current value; a number outside its range takes the field's default:
// chart style 0..4, ayanamsa choice 0..7, direction +1 or -1, deviation
// degrees 0..30 or 1000 (tropical), minutes and seconds 0..60, hora
// method 0..4, zone -24..24, longitude -180..180, latitude -90..90, the
// reserved integers any int, display switches, relation, print items and
// black-and-white 0..1, padas 0..12, rising points 0..2, days in a year
// 0..1000000. The print-item count is not taken from the file but counted
// from the six items. Anything after the 41st value is ignored.
SettingsParseResult ParseSettings(std::string_view text, Settings& settings);

// Reads the settings file at `path` (at most its first 64 KiB) with
// ParseSettings. A file that is missing gives kFirstRun; one that exists
// but cannot be read (no permission, not a regular file, a read error)
// gives kUnreadable with the reason in `message`. Both leave `settings`
// untouched.
SettingsParseResult LoadSettings(const std::string& path, Settings& settings);

// Writes FormatSettings(settings) to `path` whole or not at all (see
// WriteFileAtomic), creating the folder first when it does not exist.
// Returns false with a one-line reason in `error` (when given) on failure;
// the old file is then unchanged. A file that exists but cannot be read is
// never replaced (the user's preferences may be in it), and a file that
// cannot be read back once written counts as a failure.
bool SaveSettings(const std::string& path, const Settings& settings, std::string* error);

// Where the settings file lives: the per-user configuration folder
// ($XDG_CONFIG_HOME when it is an absolute path, else ~/.config) followed
// by "/orvane/orl4011.ini". Empty when no home folder can be found.
std::string DefaultSettingsPath();

}  // namespace orvane
