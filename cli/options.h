// Command-line options of orvane-cli.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"
#include "engine/houses.h"
#include "jaimini/jaimini.h"

namespace orvane {

struct CliOptions {
  bool help = false;
  bool version = false;
  bool listSections = false;
  bool json = false;
  std::vector<std::string> fields;  // --fields: the chart JSON keys written (empty: all)
  bool yogas = false;      // --yogas: the chart's yogas instead of the chart
  bool listYogas = false;  // --list-yogas: the yoga library
  int yogaChart = 1;       // --yoga-chart: 1 rasi, 9 navamsa, 10 dasamsa
  bool sensitivity = false;                       // --sensitivity: birth-time windows
  std::optional<HouseSystem> houses;              // --houses: the cusps in --json and --kp
  bool kp = false;                                // --kp: the KP lords of cusps and planets
  int kpHorary = 0;                               // --kp-horary N: the cusps of horary number N (1..249)
  std::optional<std::array<int, 3>> dasaAt;       // --dasa-at: the date of its dasa lord
  std::optional<jaimini::RasiDasa> rasiDasa;      // --rasi-dasa: one Jaimini rasi dasa
  jaimini::CharaDirection charaDirection = jaimini::CharaDirection::kNinthFootedness;  // --chara-direction
  bool charaDirectionGiven = false;
  bool poruthams = false;                         // --poruthams: --match adds the ten poruthams
  bool jaimini = false;                           // --jaimini: rasi drishti, argala, karakamsa

  // The chart library (--db FILE, or the default library).
  std::optional<std::string> db;
  bool libAdd = false;             // --add: the chart files and folders named
  std::string libImport;           // --import FILE (AAF, CSV or JSON Lines)
  bool libList = false;            // --list
  std::optional<std::string> libFind;     // --find NAME
  std::optional<std::string> libWhere;    // --where EXPR
  std::optional<std::string> libCountBy;  // --count-by FACT
  std::string libControl;                 // --control shuffle|random
  std::optional<std::string> libExport;   // --export csv|jsonl|aaf
  std::vector<std::string> libTag, libUntag;  // ID:TAG
  std::vector<long long> libRemove;           // --remove ID
  std::optional<long long> libFacts;          // --facts ID
  std::vector<std::string> libEvents;         // --event ID:KIND:YYYY-MM-DD[:NOTE]
  std::optional<long long> libShowEvents;     // --events ID
  std::string libBackup;                      // --backup FILE
  bool libCheck = false;                      // --check
  bool csv = false;                           // --csv: --count-by as CSV
  bool LibraryCommand() const {
    return libAdd || !libImport.empty() || libList || libFind || libWhere || libCountBy || libExport ||
           !libTag.empty() || !libUntag.empty() || !libRemove.empty() || libFacts || !libBackup.empty() || libCheck ||
           !libEvents.empty() || libShowEvents;
  }
  // --panchanga YYYY-MM or YYYY: the calendar of that month or year at a
  // place (--place, or --lon and --lat with --utc-offset).
  std::optional<std::string> panchanga;
  int panchangaYear = 0;
  int panchangaMonth = 0;  // 0: the whole year
  std::optional<int> eclipsesYear;  // --eclipses YYYY: the year's eclipses at a place
  bool ics = false;                 // --ics: the calendar as an iCalendar file
  std::string muhurta;              // --muhurta KIND: the windows of the --panchanga period suiting it
  std::optional<std::array<int, 2>> birthStar;  // --birth-star N:P: nakshatra 1..27, pada 1..4
  bool now = false;
  std::optional<int> section;
  bool basic = false;     // the basic calculations text
  bool complete = false;  // the complete calculations text
  std::string settingsPath;
  std::optional<int> ephemeris;  // 0 classic, 1 swiss: overrides the settings
  std::optional<int> ayanamsa;   // --ayanamsa: a preset choice, overrides the settings
  std::vector<std::string> files;
  std::string inputPath;   // --input: births from a file, "-" for standard input
  std::optional<int> jobs;  // --jobs: worker threads of a batch
  std::string place;                       // --place: the place table's best match
  std::optional<std::string> placesQuery;  // --places: list the matches
  bool match = false;                      // --match GROOM BRIDE (the two files)
  bool transits = false;                   // --transits
  std::optional<BirthData> transitMoment;  // its moment (date and clock time); now when not given
  // --utc-offset with --transits of chart files or --now: the zone its
  // times are in (file units); the native's birth zone when not given.
  std::optional<double> transitZone;
  // --venus-vedha 11-3: Venus's other vedha pairing for --transits.
  bool venusVedhaOther = false;
  bool venusVedhaGiven = false;

  // Birth data given as options (file units); zone and place fall back to
  // the settings' default location when not given.
  std::optional<BirthData> birth;
  struct BirthText {
    std::optional<std::string> date, time, offset, lon, lat;
  } birthText;  // the options as given, checked once all are read
  bool zoneGiven = false, longitudeGiven = false, latitudeGiven = false;

  std::optional<int> tajakaYear;
  std::optional<int> tajakaMonth;  // 1..12
  std::optional<int> tajakaHora;   // 1..12
  std::optional<double> mundaneDays;
  std::optional<int> mahadasa;     // 1..9

  // Copies the chart options into a state's options.
  void Apply(ChartOptions& out) const;
};

// One option of orvane-cli: a row of the option table. An option with a
// value name takes a value, as "--name value" or "--name=value".
struct CliOptionSpec {
  std::string_view name;       // "--section"
  std::string_view valueName;  // "N" in the help; empty for an option without a value
  std::string_view takes;      // the message when the value is missing or refused: "--name takes ..."
  std::string_view help;       // its line in --help
  // Stores the value (empty for an option without one). False refuses it;
  // a message left in `message` replaces the "takes" message.
  bool (*apply)(CliOptions& options, std::string_view value, std::string& message);
};

// Every option, in the order --help lists them.
std::span<const CliOptionSpec> CliOptionTable();

// The text of --help, made from the option table.
std::string CliUsage();

// Parses the arguments (without the program name). False with a one-line
// message for anything malformed, out of range or contradictory.
bool ParseCliOptions(const std::vector<std::string_view>& args, CliOptions& options, std::string* error);

}  // namespace orvane
