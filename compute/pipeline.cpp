#include "compute/pipeline.h"

#include <cmath>
#include <ctime>

#include "compute/sunrise_step.h"
#include "engine/calendar.h"
#include "engine/caster.h"
#include "engine/sunrise.h"
#include "engine/time_units.h"
#include "engine/zodiac.h"
#include "io/chart_file.h"
#include "tajaka/tajaka.h"
#include "compute/calculation_pass.h"

namespace orvane {

namespace {

// The "now" file is a working file of the program's own: a symbolic link
// in its place is replaced, never followed.
bool WriteNowFile(const std::string& path, const BirthData& b) {
  return WriteFileAtomic(path, FormatChartDataFile(b), nullptr, LinkAtPath::kReplace);
}

// The lunar-month step: the Sun's sign at the last new moon before the chart
// moment.
void LunarMonthStep(ChartState& state, Caster& caster) {
  const BirthData& castMoment = state.castMoment;
  // The search starts from the clock value's digits taken as hours
  // (DigitsAsHours: 17:50 starts at 17:30), not from the clock moment that
  // the sunrise search starts from. A chart cast up to 0.4 h after a new
  // moon therefore starts before it and takes its lunar month from the new
  // moon before (tests/engine/pipeline_test.cpp). The printed lunar month,
  // and through the ayanamsa chain of these casts the last digits of the
  // Tajaka charts after it, depend on this start, so it stays.
  DasaDate start{static_cast<int>(castMoment.year), static_cast<int>(castMoment.month),
                 static_cast<int>(castMoment.day), ToGhatis(DigitsAsHours(FileClock{castMoment.time})).value};
  start = AddDuration(start, {});  // a negative or overlong time carries into the date
  const SearchResult newMoon = SearchBackward(caster, state.birth, start, kMoon, kSun, 0.0);
  state.lunarMonthFallback = newMoon.found ? 0 : 1;
  state.lunarMonthSign = SignOf(newMoon.cast.Longitude(Body::kSun));  // a cast's Sun is in [0, 360)
}

// Dhooma, Vyatipata, Parivesha, Indrachapa, Upaketu from the Sun: s*Sun + k/3
// with the offsets stored as whole thirds of a degree.
struct SunUpagraha {
  double sign0, thirds0;  // relation "Vyatipata = 360 deg - Dhuma"
  double sign1, thirds1;  // relation "Vyatipata = Dhuma + 53 deg 20 min"
};
constexpr SunUpagraha kSunUpagrahas[5] = {
    {+1, 400, +1, 400}, {-1, 680, +1, 560}, {-1, 140, +1, 1100}, {+1, 940, +1, 940}, {+1, 990, +1, 990},
};

void SunBasedUpagrahas(ChartState& state, const Settings& settings) {
  const double sun = state.slotLongitude[kSun];
  for (int i = 0; i < 5; ++i) {
    const SunUpagraha& u = kSunUpagrahas[i];
    const bool rule1 = settings.dhumaRelation == 1;
    const double s = rule1 ? u.sign1 : u.sign0;
    const double k = rule1 ? u.thirds1 : u.thirds0;
    state.slotLongitude[kDhooma + i] = Normalise360(s * sun - k * -0.3333333333333333);
    state.slotRetrograde[kDhooma + i] = 0;
  }
}

}  // namespace

BirthData NowBirthData(const Settings& settings) {
  const std::time_t now = std::time(nullptr);
  // The clock is universal time; the default zone (hours, positive west)
  // turns it into the clock time of the default place.
  const double zoneHours = DecToDeg(settings.defaultZone);
  const long long zoneSeconds = std::llround(zoneHours * 3600.0);
  const long long local = static_cast<long long>(now) - zoneSeconds;
  long long days = local / 86400;
  long long secs = local % 86400;
  if (secs < 0) {
    secs += 86400;
    --days;
  }
  int y, m, d;
  // Day count 0 is 1 January of year 0; 1970-01-01 is day 719528.
  GregorianFromDayCount(days + GregorianDayCount(1970, 1, 1), y, m, d);
  BirthData b;
  b.month = m;
  b.day = d;
  b.year = y;
  const int hour = static_cast<int>(secs / 3600), minute = static_cast<int>((secs / 60) % 60),
            second = static_cast<int>(secs % 60);
  b.time = hour + minute / 100.0 + second / 6000.0;
  b.zone = settings.defaultZone;
  b.longitude = settings.defaultLongitude;
  b.latitude = settings.defaultLatitude;
  return b;
}

ComputeStatus ReadChartDataFile(ChartState& state, const Settings& settings, const std::string& path) {
  if (state.options.nowMode) {
    state.options.nowMode = 0;
    BirthData b = NowBirthData(settings);
    state.birth = b;
    return WriteNowFile(path, b) ? ComputeStatus::kOk : ComputeStatus::kWriteFailed;
  }
  std::string bytes;
  bool more = false;
  if (!ReadRegularFile(path, kChartImageLimit, bytes, more, nullptr) &&
      !ReadRegularFile("data" + path, kChartImageLimit, bytes, more, nullptr))
    return ComputeStatus::kFileNotFound;
  const ChartValidation valid = ValidateChartImage(bytes);
  if (more || !valid.ok) return ComputeStatus::kBadFile;
  state.birth = valid.birth;
  return ComputeStatus::kOk;
}

namespace {

// Starts a chart as on a state just made, with the birth data given: every
// derived value starts from zero (and the casts from a fresh Caster), so a
// chart's results depend only on its birth data, options and settings,
// whatever was computed on the state before.
void StartFresh(ChartState& state, const BirthData& birth) {
  const ChartOptions options = state.options;
  state = ChartState{};
  state.options = options;
  state.birth = birth;
}

// The casts of a chart, in their one order: the birth moment (and for a
// Tajaka chart the search of its moment), the lunar-month and sunrise steps
// and the Sun-based upagrahas. The chart is left cast at its moment as the
// sunrise step's last cast gives it.
void CastChartOf(ChartState& state, const Settings& settings) {
  Caster caster(EngineSettingsOf(settings));
  ApplyCast(state, caster.Cast(state.birth));
  if (state.options.tajakaMode) ApplyCast(state, FindTajakaChart(state, settings, caster, state.tajaka));
  LunarMonthStep(state, caster);
  SunriseStep(state, settings, caster);
  state.castCount = caster.CastCount();
  state.swissSource = caster.Chains().swissSource;
}

void FinishPass(ChartState& state, const Settings& settings, int section, ReportBuffer* report) {
  SunBasedUpagrahas(state, settings);
  RunCalculationPass(state, settings, section, report);
}

}  // namespace

ComputeStatus ComputeChart(ChartState& state, const Settings& settings, const std::string& path, int section,
                           ReportBuffer* report) {
  if (state.options.recompute) {
    state.slotRetrograde.fill(0);
    state.slotLongitude.fill(0.0);
    const ComputeStatus status = ReadChartDataFile(state, settings, path);
    if (status != ComputeStatus::kOk) return status;
    if (!IsCastable(state.birth)) return ComputeStatus::kBadFile;
    StartFresh(state, BirthData(state.birth));
    CastChartOf(state, settings);
  }
  FinishPass(state, settings, section, report);
  return ComputeStatus::kOk;
}

bool ComputeChartFromBirth(ChartState& state, const Settings& settings, const BirthData& birth, int section,
                           ReportBuffer* report) {
  if (state.options.recompute) {
    if (!IsCastable(birth)) return false;
    StartFresh(state, BirthData(birth));  // `birth` may be a field of the state itself
    CastChartOf(state, settings);
  }
  FinishPass(state, settings, section, report);
  return true;
}

}  // namespace orvane
