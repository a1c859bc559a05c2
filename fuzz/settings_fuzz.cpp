// The settings file from arbitrary bytes.
//
// Checked: whatever the file holds, every setting ends inside the range the
// preference dialogs allow (reals finite); a file that is not of this
// version leaves the settings untouched; a loaded file written back and
// read again gives the same file; reading the file from disk agrees with
// reading its text.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "io/settings.h"

namespace orvane {
namespace {

bool Within(double value, double min, double max) { return std::isfinite(value) && value >= min && value <= max; }

void CheckRanges(const Settings& s) {
  FUZZ_CHECK(Within(s.chartStyle, 0, 4));
  FUZZ_CHECK(Within(s.ayanamsaChoice, 0, kAyanamsaChoiceCount - 1));
  FUZZ_CHECK(s.ayanamsaDirection == 1 || s.ayanamsaDirection == -1);
  FUZZ_CHECK(Within(s.ayanamsaDegrees, 0, 30) || s.ayanamsaDegrees == 1000);
  FUZZ_CHECK(Within(s.ayanamsaMinutes, 0, 60));
  FUZZ_CHECK(Within(s.ayanamsaSeconds, 0, 60));
  FUZZ_CHECK(std::isfinite(s.AyanamsaOffset()));
  FUZZ_CHECK(Within(s.horaMethod, 0, 4));
  FUZZ_CHECK(Within(s.defaultZone, -24, 24));
  FUZZ_CHECK(Within(s.defaultLongitude, -180, 180));
  FUZZ_CHECK(Within(s.defaultLatitude, -90, 90));
  for (int v : {s.showSpecialLagnas, s.showDhoomaGroup, s.showGulikaGroup, s.showAllPadas, s.showSomePadas,
                s.dhumaRelation, s.blackAndWhite})
    FUZZ_CHECK(Within(v, 0, 1));
  for (int v : s.chosenPadas) FUZZ_CHECK(Within(v, 0, 12));
  for (int v : s.upagrahaRising) FUZZ_CHECK(Within(v, 0, 2));
  for (int v : s.printItems) FUZZ_CHECK(Within(v, 0, 1));
  FUZZ_CHECK(s.printItemCount == CountPrintItems(s));
  FUZZ_CHECK(Within(s.daysInYear, 0, 1000000));
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  static const fuzz::ScratchFile scratch("orvane-fuzz-settings");
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string defaults = FormatSettings(Settings{});

  Settings settings;
  const SettingsParseResult result = ParseSettings(text, settings);
  CheckRanges(settings);
  if (result.status == SettingsStatus::kFirstRun) {
    FUZZ_CHECK(FormatSettings(settings) == defaults);
    FUZZ_CHECK(fuzz::IsOneLineMessage(result.message));
  } else {
    FUZZ_CHECK(result.unreadableFields >= 0 && result.rejectedFields >= 0);
    FUZZ_CHECK((result.unreadableFields + result.rejectedFields == 0) == result.message.empty());
    if (!result.message.empty()) FUZZ_CHECK(fuzz::IsOneLineMessage(result.message));

    // What the program would save now reads back to itself, cleanly.
    const std::string saved = FormatSettings(settings);
    Settings reread;
    const SettingsParseResult again = ParseSettings(saved, reread);
    FUZZ_CHECK(again.status == SettingsStatus::kLoaded);
    FUZZ_CHECK(again.unreadableFields == 0 && again.rejectedFields == 0);
    FUZZ_CHECK(FormatSettings(reread) == saved);
  }

  // The same bytes as a settings file on disk.
  scratch.Write(text);
  Settings loaded;
  const SettingsParseResult fromFile = LoadSettings(scratch.path(), loaded);
  FUZZ_CHECK(fromFile.status == result.status);
  FUZZ_CHECK(FormatSettings(loaded) == FormatSettings(settings));
  return 0;
}
