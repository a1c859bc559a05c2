// Strengths as bar charts: one bar a planet, house or sign, with an optional
// mark on each bar (the rupas a planet needs) or one reference line across
// (the 28 bindus of an average sign). The same painter draws them on the
// screen, a printed page, a PDF and a picture.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "chart/chart_state.h"

namespace orvane {

struct BarSeries {
  QString title;
  QStringList labels;
  std::vector<double> values;
  // A tick on each bar (empty: none), e.g. the required rupas.
  std::vector<double> marks;
  QString markName;  // "required"
  // A line across every bar (none when not finite), e.g. 28 bindus.
  double reference = -1;
  QString referenceName;
  QString unit;  // "rupas", "bindus"
  int decimals = 2;
};

// The three strengths of a computed chart: shadbala in rupas against the
// rupas each planet needs, bhava bala in rupas, the sarvashtakavarga in
// bindus by sign with 28 marked.
BarSeries ShadbalaBars(const StrengthState& strength);
BarSeries BhavaBalaBars(const StrengthState& strength);
BarSeries SarvashtakavargaBars(const AshtakavargaState& ashtakavarga);

// Draws one bar chart in `rect` (device units). With blackAndWhite the bars
// are hatched grey and the text black (printing).
void DrawBarChart(QPainter& painter, const QRectF& rect, const BarSeries& series, bool blackAndWhite = false);

// The three charts one under another in `rect`.
void DrawStrengthCharts(QPainter& painter, const QRectF& rect, const std::vector<BarSeries>& charts,
                        bool blackAndWhite = false);

}  // namespace orvane
