// Chart data files from arbitrary bytes: the validator, the file reader and
// the pipeline's own reader of a working file.
//
// Checked: a chart the validator accepts holds seven finite numbers inside
// their ranges and survives being written and read again; a refused one
// comes with a one-line reason; the reader returns exactly the file's
// bytes; and the pipeline's reader never hands on a non-finite number.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "compute/pipeline.h"
#include "fuzz/fuzz_check.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

bool AllFinite(const BirthData& b) {
  return std::isfinite(b.month) && std::isfinite(b.day) && std::isfinite(b.year) && std::isfinite(b.time) &&
         std::isfinite(b.zone) && std::isfinite(b.longitude) && std::isfinite(b.latitude);
}

bool Within(double value, double min, double max) { return value >= min && value <= max; }

void CheckAccepted(const ChartValidation& v) {
  const BirthData& b = v.birth;
  FUZZ_CHECK(v.message.empty());
  FUZZ_CHECK(AllFinite(b));
  FUZZ_CHECK(Within(b.month, kChartMonthMin, kChartMonthMax));
  FUZZ_CHECK(Within(b.day, kChartDayMin, kChartDayMax));
  FUZZ_CHECK(Within(b.year, kChartYearMin, kChartYearMax));
  FUZZ_CHECK(Within(b.time, -kChartTimeLimit, kChartTimeLimit));
  FUZZ_CHECK(Within(b.zone, -kChartZoneLimit, kChartZoneLimit));
  FUZZ_CHECK(Within(b.longitude, -kChartLongitudeLimit, kChartLongitudeLimit));
  FUZZ_CHECK(Within(b.latitude, -kChartLatitudeLimit, kChartLatitudeLimit));

  // Saving an accepted chart gives a file that is accepted again, with the
  // values as the file's formats round them.
  const std::string saved = FormatChartDataFile(b);
  const ChartValidation again = ValidateChartImage(saved);
  FUZZ_CHECK(again.ok);
  FUZZ_CHECK(again.birth.month == std::trunc(b.month));
  FUZZ_CHECK(again.birth.day == std::trunc(b.day));
  FUZZ_CHECK(again.birth.year == std::trunc(b.year));
  FUZZ_CHECK(std::fabs(again.birth.time - b.time) <= 0.00005 + 1e-12);
  FUZZ_CHECK(std::fabs(again.birth.zone - b.zone) <= 0.005 + 1e-12);
  FUZZ_CHECK(std::fabs(again.birth.longitude - b.longitude) <= 0.005 + 1e-12);
  FUZZ_CHECK(std::fabs(again.birth.latitude - b.latitude) <= 0.005 + 1e-12);
  FUZZ_CHECK(FormatChartDataFile(again.birth) == saved);
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  static const fuzz::ScratchFile scratch("orvane-fuzz-chart");
  const std::string_view image(reinterpret_cast<const char*>(data), size);

  const ChartValidation valid = ValidateChartImage(image);
  if (valid.ok) {
    CheckAccepted(valid);
  } else {
    FUZZ_CHECK(fuzz::IsOneLineMessage(valid.message));
  }

  // The labels after the seven numbers: bounded, one line each, and what
  // is written with them reads back the same.
  const ChartLabels labels = ReadChartLabels(image);
  for (const std::string* label : {&labels.name, &labels.place, &labels.zone}) {
    FUZZ_CHECK(label->size() <= kChartLabelLimit);
    FUZZ_CHECK(label->find('\n') == std::string::npos);
  }
  if (valid.ok) {
    const std::string rewritten = FormatChartDataFile(valid.birth) + FormatChartLabels(labels);
    FUZZ_CHECK(ValidateChartImage(rewritten).ok);
    FUZZ_CHECK(ReadChartLabels(rewritten) == labels);
  }

  // The same bytes as a file on disk.
  scratch.Write(image);
  std::string bytes = "left over";
  std::string error;
  const bool read = ReadChartImage(scratch.path(), bytes, &error);
  if (size <= kChartImageLimit) {
    FUZZ_CHECK(read);
    FUZZ_CHECK(bytes == image);
  } else {
    FUZZ_CHECK(!read);
    FUZZ_CHECK(bytes.empty());
    FUZZ_CHECK(fuzz::IsOneLineMessage(error));
  }

  // The pipeline's reader of a working chart file accepts more leniently
  // (what it reads is cast as it stands), but never a non-finite number.
  ChartState state;
  const Settings settings;
  if (ReadChartDataFile(state, settings, scratch.path()) == ComputeStatus::kOk) {
    FUZZ_CHECK(AllFinite(state.birth));
  }
  return 0;
}
