// The default chart computed by the pipeline, natal or as the Tajaka annual
// chart of a year, for the printing and export tests.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "compute/pipeline.h"

namespace orvane::testing_support {

// 4 April 1970, 17:50, zone 5:30 east, 81 E 12, 16 N 15.
inline const BirthData kDefaultBirth{4, 4, 1970, 17.5, -5.30, -81.12, 16.15};

inline std::unique_ptr<ChartState> ComputedChart(const Settings& settings, int tajakaYear = 0) {
  auto state = std::make_unique<ChartState>();
  if (tajakaYear != 0) {
    state->options.tajakaMode = 1;
    state->options.tajakaYear = tajakaYear;
  }
  EXPECT_TRUE(ComputeChartFromBirth(*state, settings, kDefaultBirth));
  state->options.recompute = 0;
  return state;
}

// Largest difference between the colour channels of any pixel in `area`:
// 0 for greys and black, large for coloured ink.
inline int MaxChroma(const QImage& image, const QRect& area) {
  int most = 0;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
      const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
      most = std::max(most, hi - lo);
    }
  }
  return most;
}

}  // namespace orvane::testing_support
