#include "cli/chart_read.h"

#include <sys/stat.h>

#include <stdexcept>

#include "engine/swiss_engine.h"
#include "io/shown_name.h"

namespace orvane {

namespace {

// Whether a failed read of `path` means the file is not there at all.
// Only the name is looked at (stat): nothing is opened.
bool IsMissing(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) != 0;
}

}  // namespace

ChartFileInput ReadChartInput(const std::string& path) {
  ChartFileInput in;
  std::string bytes, readError;
  if (!ReadChartImage(path, bytes, &readError)) {
    if (IsMissing(path)) {
      in.status = 1;
      in.reason = "not found";
      in.message = "File '" + ShownName(path) + "' not found.\n";
    } else {
      in.status = 2;
      in.reason = readError;
      in.message = "orvane-cli: " + readError + "\n";
    }
    return in;
  }
  const ChartValidation valid = ValidateChartImage(bytes);
  if (!valid.ok) {
    in.status = 2;
    in.reason = valid.message;
    in.message = "orvane-cli: " + ShownName(path) + ": not a valid chart data file: " + valid.message + "\n";
    return in;
  }
  in.birth = valid.birth;
  in.labels = ReadChartLabels(bytes);
  return in;
}

void CheckSwissData(const EngineState& state) {
  if (state.swissSource == static_cast<std::uint8_t>(SwissSource::kDamaged))
    throw std::runtime_error("the Swiss Ephemeris cannot be used: " + ShownName(SwissDataProblem()));
}

}  // namespace orvane
