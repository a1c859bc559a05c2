// orvane-cli's command line from arbitrary bytes (arguments separated by
// NUL bytes, as the program receives them).
//
// Checked: a refused command line comes with a one-line reason; an accepted
// one names exactly one source of charts (none for a place listing or a
// library command), and everything it would pass to
// the engine is finite and inside its range: birth data that would make a
// valid chart data file, a section 0..43 (or none), a Tajaka year, month and
// hora period, a mundane span and a mahadasa lord within their ranges.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "fuzz/fuzz_check.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

bool Within(double value, double min, double max) { return std::isfinite(value) && value >= min && value <= max; }

void CheckAccepted(const CliOptions& o) {
  const int sources =
      (o.now ? 1 : 0) + (o.birth ? 1 : 0) + (o.files.empty() ? 0 : 1) + (o.inputPath.empty() ? 0 : 1);
  // A listing of places and the library commands cast no chart from these
  // (chart files go to --add); everything else casts from one source.
  if (o.LibraryCommand()) {
    FUZZ_CHECK(!o.now && !o.birth && o.inputPath.empty() && (o.libAdd || o.files.empty()));
    return;
  }
  FUZZ_CHECK(o.placesQuery ? sources == 0 : sources == 1);
  if (o.match) FUZZ_CHECK(o.files.size() == 2);
  if (o.section) FUZZ_CHECK(Within(*o.section, 0, 43) || *o.section == kNoSection);
  FUZZ_CHECK(!(o.json && o.section));
  if (o.tajakaYear) FUZZ_CHECK(Within(*o.tajakaYear, -3000, 3000));
  if (o.tajakaMonth) FUZZ_CHECK(o.tajakaYear && Within(*o.tajakaMonth, 1, 12));
  if (o.tajakaHora) FUZZ_CHECK(o.tajakaMonth && Within(*o.tajakaHora, 1, 12));
  if (o.mundaneDays) FUZZ_CHECK(!o.tajakaYear && *o.mundaneDays > 0 && Within(*o.mundaneDays, 0, 1e6));
  if (o.mahadasa) FUZZ_CHECK(Within(*o.mahadasa, 1, 9));

  if (o.birth) {
    const BirthData& b = *o.birth;
    FUZZ_CHECK(Within(b.month, 1, 12) && b.month == std::trunc(b.month));
    FUZZ_CHECK(Within(b.day, 1, 31) && b.day == std::trunc(b.day));
    FUZZ_CHECK(Within(b.year, -2999, 2999) && b.year == std::trunc(b.year));
    FUZZ_CHECK(Within(b.time, 0, 24));
    FUZZ_CHECK(Within(b.zone, -24, 24));
    FUZZ_CHECK(Within(b.longitude, -180, 180));
    FUZZ_CHECK(Within(b.latitude, -90, 90));
    // Birth data from the command line can always be kept as a chart file.
    FUZZ_CHECK(ValidateChartImage(FormatChartDataFile(b)).ok);
  }

  ChartOptions chart;
  o.Apply(chart);
  FUZZ_CHECK(chart.tajakaMode == (o.tajakaYear ? 1 : 0));
  FUZZ_CHECK(Within(chart.tajakaMonth, 1, 12));
  FUZZ_CHECK(Within(chart.tajakaHora, 0, 11));
  FUZZ_CHECK(Within(chart.mundaneDays, 0, 1e6) && chart.mundaneDays > 0);
  FUZZ_CHECK(Within(chart.selectedMahadasaLord, 1, 9));
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = input.find('\0', start);
    if (end == std::string_view::npos) {
      if (start < input.size()) args.push_back(input.substr(start));
      break;
    }
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }

  CliOptions options;
  std::string error;
  if (ParseCliOptions(args, options, &error)) {
    if (!options.help && !options.version && !options.listSections && !options.listYogas) CheckAccepted(options);
  } else {
    FUZZ_CHECK(fuzz::IsOneLineMessage(error));
  }
  return 0;
}
