// Random birth data over the whole valid range, for the sweep tests: years
// -2999..2999, latitudes to the poles, all longitudes and zones, in the
// units of a chart data file.
#pragma once

#include <cmath>
#include <random>

#include "chart/chart_state.h"

namespace orvane::testing_support {

// Whole.minutes value of a decimal amount.
inline double ToFileUnits(double decimal) {
  const double a = std::fabs(decimal);
  double whole = std::floor(a);
  double minutes = std::floor((a - whole) * 60);
  if (minutes >= 60) {
    minutes = 0;
    whole += 1;
  }
  return std::copysign(whole + minutes / 100, decimal);
}

class RandomCharts {
 public:
  explicit RandomCharts(unsigned seed) : rng_(seed) {}

  // The i-th chart; every 25th stands at a pole.
  BirthData Next(int i) {
    std::uniform_int_distribution<int> year(-2999, 2999), month(1, 12), day(1, 28);
    std::uniform_real_distribution<double> hours(0, 24), lat(-90, 90), lon(-180, 180), zone(-12, 12);
    BirthData b{static_cast<double>(month(rng_)), static_cast<double>(day(rng_)), static_cast<double>(year(rng_)),
                ToFileUnits(hours(rng_)), ToFileUnits(zone(rng_)), ToFileUnits(lon(rng_)), ToFileUnits(lat(rng_))};
    if (i % 25 == 0) b.latitude = (i % 50 == 0) ? 90.0 : -90.0;
    return b;
  }

 private:
  std::mt19937 rng_;
};

// Chart kinds the sweeps cycle through.
enum class ChartKind { kNatal, kAnnual, kMonthly, kHora, kMundane };
inline constexpr ChartKind kChartKinds[] = {ChartKind::kNatal, ChartKind::kAnnual, ChartKind::kMonthly,
                                            ChartKind::kHora, ChartKind::kMundane};

inline void ApplyKind(ChartOptions& o, ChartKind kind, int year, int i) {
  o = ChartOptions{};
  switch (kind) {
    case ChartKind::kNatal:
      break;
    case ChartKind::kAnnual:
      o.tajakaMode = 1;
      o.tajakaYear = year + (i % 61) - 30;
      break;
    case ChartKind::kMonthly:
      o.tajakaMode = 1;
      o.tajakaYear = year + (i % 7);
      o.tajakaMonthly = 1;
      o.tajakaMonth = 1 + i % 12;
      break;
    case ChartKind::kHora:
      o.tajakaMode = 1;
      o.tajakaYear = year + 1;
      o.tajakaMonthly = 1;
      o.tajakaMonth = 1 + (i * 5) % 12;
      o.tajakaHoraWanted = 1;
      o.tajakaHora = (i * 7) % 12;
      break;
    case ChartKind::kMundane:
      o.mundane = 1;
      o.mundaneDays = 1 + (i % 400);
      break;
  }
  if (o.tajakaYear < -3000) o.tajakaYear = -3000;
  if (o.tajakaYear > 3000) o.tajakaYear = 3000;
}

}  // namespace orvane::testing_support
