// Random charts of every kind drawn offscreen in every chart style and every
// chart choice: nothing crashes, nothing reads outside a table (the
// sanitizer builds check), and every drawing leaves the chart visible.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "display/chart_draw.h"
#include "compute/pipeline.h"
#include "tests/common/random_charts.h"

namespace orvane {
namespace {

using testing_support::ApplyKind;
using testing_support::ChartKind;
using testing_support::kChartKinds;
using testing_support::RandomCharts;

// Pixels that differ from the background colour 0xf0ffff.
int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2)
      if (image.pixel(x, y) != qRgb(0xff, 0xff, 0xf0)) ++n;
  return n;
}

TEST(SweepDraw, EveryKindEveryStyleEveryChoice) {
  RandomCharts charts(1970);
  const int kCharts = 2000;
  QImage image(180, 180, QImage::Format_RGB32);
  for (int i = 0; i < kCharts; ++i) {
    const BirthData birth = charts.Next(i);
    const ChartKind kind = kChartKinds[i % 5];
    SCOPED_TRACE(testing::Message() << "chart " << i << " kind " << static_cast<int>(kind) << ": " << birth.year
                                    << "-" << birth.month << "-" << birth.day << " lat " << birth.latitude);
    ChartState state;
    ApplyKind(state.options, kind, static_cast<int>(birth.year), i);
    Settings settings;
    settings.horaMethod = i % 6;  // the hora methods, and one past them
    settings.showDhoomaGroup = i % 2;
    settings.showGulikaGroup = (i / 2) % 2;
    settings.showAllPadas = (i / 4) % 2;
    settings.showSomePadas = 1 - settings.showAllPadas;
    ASSERT_TRUE(ComputeChartFromBirth(state, settings, birth));
    for (int style = 0; style <= 4; ++style) {
      settings.chartStyle = style;
      ChartDrawOptions options = ChartDrawOptionsFromSettings(settings);
      options.absoluteCoordinates = true;
      options.bitmap = (i % 3) == 0;
      // Every chart choice on some chart, Rasi and the transit chart on all.
      for (int choice : {0, 20, i % 21}) {
        image.fill(qRgb(0xff, 0xff, 0xf0));
        {
          QPainter painter(&image);
          painter.setRenderHint(QPainter::Antialiasing);
          DrawChart(painter, QRectF(0, 0, 180, 180), ChartDrawInputFromState(state, choice), options);
        }
        ASSERT_GT(InkedPixels(image), 100) << "style " << style << " choice " << choice;
      }
    }
  }
}

}  // namespace
}  // namespace orvane
