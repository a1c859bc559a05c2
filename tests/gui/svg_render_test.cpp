// The chart picture as SVG, rendered by librsvg (rsvg-convert, a renderer
// without Qt's font stretching): the labels are text in a named font, and
// every label stays inside its cell.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <array>

#include "computed_chart.h"
#include "display/chart_draw.h"
#include "display/colours.h"
#include "display/export.h"

namespace orvane::testing {
namespace {

using testing_support::ComputedChart;

QImage RenderWithRsvg(const QString& svg, const QString& png) {
  QProcess rsvg;
  rsvg.start(QStringLiteral("rsvg-convert"), {QStringLiteral("-w"), QString::number(kChartBitmapSize),
                                              QStringLiteral("-h"), QString::number(kChartBitmapSize),
                                              QStringLiteral("-b"), QStringLiteral("white"), QStringLiteral("-o"),
                                              png, svg});
  if (!rsvg.waitForFinished(60000) || rsvg.exitCode() != 0) return {};
  return QImage(png).convertToFormat(QImage::Format_RGB32);
}

TEST(SvgPicture, EveryLabelStaysInsideItsCellInLibrsvg) {
  if (QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty()) {
    GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
  }
  const QString shots = qEnvironmentVariable("ORVANE_SHOT_DIR");
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Each style, with and without the bodies' degrees beside their labels.
  for (int variant = 0; variant < 6; ++variant) {
    const int style = std::array{kSouthRegular, kNorthDiamond, kEastSun}[variant / 2];
    const int degrees = variant % 2;
    // Many labels: every body group and all the padas.
    Settings settings;
    settings.chartStyle = style;
    settings.showDhoomaGroup = 1;
    settings.showGulikaGroup = 1;
    settings.chartDegrees = degrees;
    for (int chartIndex : {0, 8}) {
      SCOPED_TRACE(::testing::Message() << "style " << style << " chart " << chartIndex << " degrees " << degrees);
      auto chart = ComputedChart(settings);
      // The same chart without a body: its frame and title alone.
      auto empty = ComputedChart(settings);
      for (auto& row : empty->vedic.vargaSign) row.fill(-1);
      QString error;
      const QString full = dir.filePath(QStringLiteral("full.svg")), bare = dir.filePath(QStringLiteral("bare.svg"));
      ASSERT_TRUE(WriteChartPicture(full, *chart, settings, chartIndex, {}, &error)) << error.toStdString();
      ASSERT_TRUE(WriteChartPicture(bare, *empty, settings, chartIndex, {}, &error)) << error.toStdString();
      QFile written(full);
      ASSERT_TRUE(written.open(QIODevice::ReadOnly));
      const QByteArray svg = written.readAll();
      // Text a reader can search and copy, in the font it was measured with.
      EXPECT_TRUE(svg.contains("<text")) << svg.left(2000).toStdString();
      EXPECT_TRUE(svg.contains("font-family=\"")) << svg.left(2000).toStdString();
      // The screen's two-letter names ("Mo", with or without its degrees).
      EXPECT_TRUE(svg.contains(">Mo<") || svg.contains(">Mo ")) << svg.left(4000).toStdString();
      const QImage withLabels = RenderWithRsvg(full, dir.filePath(QStringLiteral("full.png")));
      const QImage frame = RenderWithRsvg(bare, dir.filePath(QStringLiteral("bare.png")));
      ASSERT_FALSE(withLabels.isNull());
      ASSERT_EQ(withLabels.size(), frame.size());
      if (!shots.isEmpty()) {
        withLabels.save(QStringLiteral("%1/svg_rsvg_style%2_chart%3%4.png")
                            .arg(shots)
                            .arg(style)
                            .arg(chartIndex)
                            .arg(degrees ? "_degrees" : ""));
      }

      // The cells, one pixel inside their lines.
      ChartDrawOptions options = ChartDrawOptionsFromSettings(settings);
      options.absoluteCoordinates = true;
      options.bitmap = true;
      options.layoutSize = QSizeF(kChartBitmapSize, kChartBitmapSize);
      const QRectF square(6, 7, kChartBitmapSize - 12, kChartBitmapSize - 12);
      std::vector<QPainterPath> cells;
      for (int i = 0; i < 12; ++i) {
        QPainterPath path;
        path.addPolygon(ChartCellShape(square, options, i));
        path.closeSubpath();
        QPainterPathStroker border;
        border.setWidth(3.0);
        cells.push_back(path.subtracted(border.createStroke(path)));
      }
      int labelPixels = 0, outside = 0;
      QPoint firstOutside;
      for (int y = 0; y < withLabels.height(); ++y) {
        for (int x = 0; x < withLabels.width(); ++x) {
          const QColor a = withLabels.pixelColor(x, y), b = frame.pixelColor(x, y);
          if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 90)
            continue;
          ++labelPixels;
          const QPointF p(x + 0.5, y + 0.5);
          bool inside = false;
          for (const QPainterPath& cell : cells) inside = inside || cell.contains(p);
          if (!inside && outside++ == 0) firstOutside = QPoint(x, y);
        }
      }
      EXPECT_GT(labelPixels, 500);
      EXPECT_EQ(outside, 0) << "first at " << firstOutside.x() << ", " << firstOutside.y();
    }
  }
}

}  // namespace
}  // namespace orvane::testing
