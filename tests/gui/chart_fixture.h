// A small hand-made chart for the drawing tests: the signs of the default
// chart's rasi, with longitudes inside those signs.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "display/chart_draw.h"

namespace orvane::testing_support {

// Ascendant Virgo, Sun Pisces, Moon Aquarius, Mars, Mercury, Venus and Saturn
// Aries, Jupiter Libra (retrograde), Rahu Aquarius, Ketu Leo; Bhava, Hora and
// Ghati lagnas in Cancer, Scorpio and Capricorn; Mandi and Gulika in Gemini.
inline ChartDrawInput DefaultChart() {
  ChartDrawInput input;
  struct Point {
    int slot;
    double longitude;
  };
  const Point points[] = {
      {kAscendant, 162.4}, {kSun, 345.1},    {kMoon, 312.7},      {kMars, 14.2},
      {kMercury, 3.9},     {kJupiter, 187.3}, {kVenus, 27.5},     {kSaturn, 8.8},
      {kRahu, 318.6},      {kKetu, 138.6},   {kBhavaLagna, 101.2}, {kHoraLagna, 222.0},
      {kGhatiLagna, 275.5}, {kMandi, 71.0},  {kGulika, 66.3},
  };
  for (const Point& p : points) {
    input.sign[p.slot] = static_cast<int>(p.longitude / 30);
    input.longitude[p.slot] = p.longitude;
  }
  input.retrograde[kJupiter] = 1;
  input.retrograde[kRahu] = 1;
  input.retrograde[kKetu] = 1;
  return input;
}

inline QColor Rgb(BgrColour bgr) { return ColourFromBgr(bgr); }

// An image of the given size painted with `draw`, on the background colour
// the view uses.
template <typename Draw>
QImage Render(int width, int height, Draw draw) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  draw(painter);
  painter.end();
  return image;
}

}  // namespace orvane::testing_support
