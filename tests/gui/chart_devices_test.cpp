// One drawing path: the chart paints the same on a widget, a PDF page, a
// printer and an image.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "display/chart_draw.h"

namespace orvane {
namespace {

using testing_support::DefaultChart;
using testing_support::Render;

ChartDrawOptions ScreenOptions(int style) {
  ChartDrawOptions options;
  options.chartStyle = style;
  options.layoutSize = QSizeF(400, 400);
  options.absoluteCoordinates = true;
  options.clearBackground = true;
  return options;
}

class ChartWidget : public QWidget {
 public:
  ChartWidget(const ChartDrawInput& input, const ChartDrawOptions& options) : input_(input), options_(options) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawChart(painter, QRectF(6, 7, 388, 388), input_, options_);
  }

 private:
  ChartDrawInput input_;
  ChartDrawOptions options_;
};

TEST(ChartDevices, AWidgetShowsWhatAnImageShows) {
  for (int style : {kSouthRegular, kNorthDiamond, kEastFramed}) {
    SCOPED_TRACE(style);
    const ChartDrawOptions options = ScreenOptions(style);
    ChartWidget widget(DefaultChart(), options);
    widget.resize(400, 400);
    const QImage onWidget = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage onImage =
        Render(400, 400, [&](QPainter& p) { DrawChart(p, QRectF(6, 7, 388, 388), DefaultChart(), options); });
    ASSERT_EQ(onWidget.size(), onImage.size());
    EXPECT_EQ(onWidget, onImage);
  }
}

// A chart on an A4 page at printer resolution, with the label sizes taken
// from the chart's own size: a finished PDF file comes out.
TEST(ChartDevices, PdfAndPrinterPagesAreWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ChartDrawOptions options = ScreenOptions(kNorthDiamond);
  options.printing = true;
  options.clearBackground = false;

  const QString pdfPath = dir.filePath(QStringLiteral("chart.pdf"));
  {
    QPdfWriter writer(pdfPath);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    ASSERT_TRUE(painter.isActive());
    const int side = writer.width() / 2;
    DrawChart(painter, QRectF(side / 2, side / 4, side, side), DefaultChart(), options);
  }
  const QString printerPath = dir.filePath(QStringLiteral("printer.pdf"));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerPath);
    QPainter painter(&printer);
    ASSERT_TRUE(painter.isActive());
    options.chartStyle = kSouthRegular;
    const int side = printer.width() / 2;
    for (int j = 0; j < 6; ++j) {
      DrawChart(painter, QRectF((j % 2) * side, (j / 2) * side * 0.9, side * 0.9, side * 0.9), DefaultChart(),
                options);
    }
  }
  for (const QString& path : {pdfPath, printerPath}) {
    SCOPED_TRACE(path.toStdString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_GT(bytes.size(), 2000);
  }
}

// The same chart drawn at two sizes has the same shape: the labels scale
// with the cells, not with a point size.
TEST(ChartDevices, LabelsScaleWithTheChart) {
  const ChartDrawOptions options = ScreenOptions(kSouthRegular);
  const QImage small =
      Render(400, 400, [&](QPainter& p) { DrawChart(p, QRectF(0, 0, 400, 400), DefaultChart(), options); });
  const QImage large =
      Render(1200, 1200, [&](QPainter& p) { DrawChart(p, QRectF(0, 0, 1200, 1200), DefaultChart(), options); });
  // Ink (non-background) in the Aries cell, as a share of the cell.
  const auto inkShare = [](const QImage& image, int cell) {
    int ink = 0;
    for (int y = cell / 10; y < cell - cell / 10; ++y) {
      for (int x = cell + cell / 10; x < 2 * cell - cell / 10; ++x) {
        if (qGray(image.pixel(x, y)) < 200) ++ink;
      }
    }
    return static_cast<double>(ink) / (cell * cell);
  };
  const double a = inkShare(small, 100);
  const double b = inkShare(large, 300);
  EXPECT_GT(a, 0.0);
  EXPECT_NEAR(b / a, 1.0, 0.35);
}

}  // namespace
}  // namespace orvane
