// orvane-cli's matching and transit outputs: `--match GROOM BRIDE` and
// `--transits [YYYY-MM-DD[THH:MM]]`, as text or JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

// "2026-12-10" or "2026-12-10T15:30": a date (as --date reads it) and an
// optional 24-hour clock time. The value is birth data in file units with
// zone and place left 0. False with a one-line message otherwise.
bool ParseTransitMoment(std::string_view text, BirthData& moment, std::string* error);
// True when a command-line word is meant as a transit moment: an optional
// sign, 1..4 digits, '-', 1..2 digits, '-', 1..2 digits, then nothing or a
// 'T' and anything ("2020-01-01T" is a moment written wrong, not a file).
// The optional value of --transits is told apart from a chart file name
// that follows it by this form ("2020-01-01.orv" is a file).
bool IsTransitMomentShape(std::string_view text);

// Reads both chart files, computes them and prints the matching report (or
// its JSON line). Returns the exit status: 0, 1 when a file is missing
// ("File '...' not found."), 2 for any other bad input.
// With `poruthams`, the text adds the ten poruthams of South Indian
// matching (the JSON always has them).
int RunMatch(const std::string& groomPath, const std::string& bridePath, const Settings& settings, bool json,
             bool poruthams = false);

// Prints the transits of `moment` (date and clock time in the transit zone;
// now when not given) for the natal chart of `birth`, with the Sade Sati
// periods of its lifetime. The transit zone is the birth zone, or `zone`
// when given; every time printed is in it, and the text and JSON say which.
// `name` heads the text. Returns 0, or 2 when the birth data cannot be cast.
int PrintTransits(const BirthData& birth, const std::optional<BirthData>& moment, std::optional<double> zone,
                  bool venusVedhaOther, const Settings& settings, bool json, std::string_view name);

struct CliOptions;
// --transits for the chart source of the options (chart files, --now or
// birth data): the transit report of each chart. Returns the exit status
// as the chart listing does (1 for a missing file, 2 for bad input).
int RunTransits(const CliOptions& options, const Settings& settings);

}  // namespace orvane
