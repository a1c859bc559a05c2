// Writes pictures of every chart style to the build folder, for a person to
// look at; the checks on the pictures are in chart_draw_test.cpp.
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace orvane {
namespace {

using testing_support::DefaultChart;
using testing_support::Render;

// Pictures go to screenshots/ in the build folder (never committed).
QString ScreenshotPath(const QString& name) {
  QDir dir(QStringLiteral(ORVANE_BUILD_DIR));
  dir.mkpath(QStringLiteral("screenshots"));
  return dir.filePath(QStringLiteral("screenshots/") + name);
}

TEST(ChartScreenshots, EveryStyleIsWrittenAsPng) {
  struct Case {
    const char* name;
    int style;
    int chartIndex;
    bool bitmap;
  };
  const Case cases[] = {
      {"south", kSouthRegular, 0, false}, {"south_mirrored", kSouthMirrored, 2, false},
      {"north", kNorthDiamond, 0, false}, {"east", kEastSun, 8, false},
      {"east_framed", kEastFramed, 14, false}, {"south_bitmap", kSouthRegular, 9, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChartDrawOptions options;
    options.chartStyle = c.style;
    options.southMirrored = c.style == kSouthMirrored;
    options.eastFramed = c.style == kEastFramed;
    options.absoluteCoordinates = true;
    options.layoutSize = QSizeF(400, 400);
    options.clearBackground = true;
    options.bitmap = c.bitmap;
    options.bitmapTitle = c.bitmap ? QStringLiteral("My chart") : QString();
    ChartDrawInput input = DefaultChart();
    input.chartIndex = c.chartIndex;
    const QImage image = Render(400, 400, [&](QPainter& p) { DrawChart(p, QRectF(6, 7, 388, 388), input, options); });
    const QString path = ScreenshotPath(QStringLiteral("chart_%1.png").arg(c.name));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    // A corner three times enlarged, to judge the lettering.
    const QImage corner = image.copy(0, 0, 200, 200).scaled(600, 600, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_TRUE(corner.save(ScreenshotPath(QStringLiteral("chart_%1_corner.png").arg(c.name))));
  }
}

// The default screen: Rasi and Navamsa side by side, scaled from the layout
// space to the view's 1200 x 800 rectangle, in each style.
TEST(ChartScreenshots, TwoChartScreenInEachStyle) {
  for (int style = kSouthRegular; style <= kEastFramed; ++style) {
    SCOPED_TRACE(style);
    ChartDrawOptions options;
    options.chartStyle = style;
    options.southMirrored = style == kSouthMirrored;
    options.eastFramed = style == kEastFramed;
    options.layoutSize = QSizeF(1200, 800);
    options.clearBackground = true;
    ChartDrawInput rasi = DefaultChart();
    ChartDrawInput navamsa = DefaultChart();
    navamsa.chartIndex = 8;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (navamsa.sign[slot] >= 0) navamsa.sign[slot] = static_cast<int>(navamsa.longitude[slot] * 0.3) % 12;
    }
    const QImage image = Render(800, 400, [&](QPainter& p) {
      DrawChart(p, QRectF(8, 8, 380, 380), rasi, options);
      options.clearBackground = false;
      DrawChart(p, QRectF(388, 8, 380, 380), navamsa, options);
    });
    const QString path =
        ScreenshotPath(QStringLiteral("screen_style%1.png").arg(style));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
  }
}

// Charts as a printer page gets them: large, no background, print insets.
TEST(ChartScreenshots, PrintedChartsInEachStyle) {
  for (int style = kSouthRegular; style <= kEastFramed; ++style) {
    SCOPED_TRACE(style);
    ChartDrawOptions options;
    options.chartStyle = style;
    options.eastFramed = style == kEastFramed;
    options.absoluteCoordinates = true;
    options.printing = true;
    ChartDrawInput input = DefaultChart();
    input.chartIndex = 9;
    const QImage image =
        Render(1300, 1300, [&](QPainter& p) { DrawChart(p, QRectF(20, 20, 1260, 1260), input, options); });
    EXPECT_TRUE(image.save(ScreenshotPath(QStringLiteral("printed_style%1.png").arg(style))));
  }
}

// Every group shown and 39 points in one sign, the ascendant in another.
TEST(ChartScreenshots, CrowdedChartInEachStyle) {
  for (int style = kSouthRegular; style <= kEastFramed; ++style) {
    SCOPED_TRACE(style);
    ChartDrawOptions options;
    options.chartStyle = style;
    options.eastFramed = style == kEastFramed;
    options.absoluteCoordinates = true;
    options.layoutSize = QSizeF(400, 400);
    options.clearBackground = true;
    options.groups = BodyGroups{true, true, true, true, true};
    ChartDrawInput input = DefaultChart();
    for (int slot = 1; slot < kSlotCount; ++slot) input.sign[slot] = 7;
    input.retrograde.fill(1);
    const QImage image = Render(400, 400, [&](QPainter& p) { DrawChart(p, QRectF(6, 7, 388, 388), input, options); });
    EXPECT_TRUE(image.save(ScreenshotPath(QStringLiteral("crowded_style%1.png").arg(style))));
    // Small enough that not every label fits: "+n" stands for the rest.
    const QImage small = Render(200, 200, [&](QPainter& p) { DrawChart(p, QRectF(4, 4, 192, 192), input, options); });
    EXPECT_TRUE(small.save(ScreenshotPath(QStringLiteral("crowded_small_style%1.png").arg(style))));
  }
}

}  // namespace
}  // namespace orvane
