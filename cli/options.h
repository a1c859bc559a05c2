// Command-line options of orvane-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"

namespace orvane {

inline constexpr const char* kCliUsage =
    "usage: orvane-cli [options] [FILE...]\n"
    "  FILE                 chart data file(s) (.orv or .dat); several with --json give one line each\n"
    "  --now                the current moment at the default place of the settings\n"
    "  --date Y-M-D         birth date (astronomical year, e.g. 1970-04-04 or -0500-03-01)\n"
    "  --time H:M[:S]       local clock time, 24-hour\n"
    "  --utc-offset +HH:MM  zone as people write it (east positive); default: the settings' zone\n"
    "  --lon D:M[:S]E|W     longitude; default: the settings' default place\n"
    "  --lat D:M[:S]N|S     latitude;  default: the settings' default place\n"
    "  --settings FILE      preferences from a settings file (defaults otherwise)\n"
    "  --tajaka YEAR        the Tajaka annual chart of YEAR\n"
    "  --month M            with --tajaka: the monthly chart of month M (1..12)\n"
    "  --hora P             with --month: the hora chart of period P (1..12)\n"
    "  --mundane DAYS       a mundane chart spanning DAYS days\n"
    "  --mahadasa N         the main period (planet code 1..9) whose sub-periods section 42 lists\n"
    "  --json               the computed chart as JSON\n"
    "  --match              with two chart files GROOM BRIDE: Ashtakoota matching and Manglik check\n"
    "  --transits [YYYY-MM-DD[THH:MM]]  transits of that moment (default: now) at the settings' default\n"
    "                       place, read against the chart, with its Sade Sati periods\n"
    "  --section N          the text of report section N\n"
    "  --basic              the basic calculations as the desktop program copies them\n"
    "  --complete           the complete calculations as the desktop program copies them\n"
    "  --help               this text\n";

struct CliOptions {
  bool help = false;
  bool json = false;
  bool now = false;
  std::optional<int> section;
  bool basic = false;     // the basic calculations text
  bool complete = false;  // the complete calculations text
  std::string settingsPath;
  std::vector<std::string> files;

  // Birth data given as options (file units); zone and place fall back to
  // the settings' default location when not given.
  std::optional<BirthData> birth;
  bool zoneGiven = false, longitudeGiven = false, latitudeGiven = false;

  std::optional<int> tajakaYear;
  std::optional<int> tajakaMonth;  // 1..12
  std::optional<int> tajakaHora;   // 1..12
  std::optional<double> mundaneDays;
  std::optional<int> mahadasa;     // 1..9

  bool match = false;                      // --match GROOM BRIDE (the two files)
  bool transits = false;                   // --transits
  std::optional<BirthData> transitMoment;  // its moment (date and clock time); now when not given

  // Copies the chart options into a state's options.
  void Apply(ChartOptions& out) const;
};

// Parses the arguments (without the program name). False with a one-line
// message for anything malformed, out of range or contradictory.
bool ParseCliOptions(const std::vector<std::string_view>& args, CliOptions& options, std::string* error);

}  // namespace orvane
