// The strengths as tables and bar charts: the tables carry the values the
// report prints, sort by value, and the charts save as PNG and SVG and print
// to PDF with their titles as text.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/strength_window.h"
#include "vedic/shadbala.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

class StrengthWindowTest : public ViewFixture {};

TEST_F(StrengthWindowTest, TablesChartsPicturesAndPrint) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  view->OnStrengths();
  StrengthWindow* w = view->strengthWindow();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->charts().size(), 3u);
  const BarSeries& shadbala = w->charts()[0];
  ASSERT_EQ(shadbala.values.size(), 7u);
  ASSERT_EQ(w->charts()[1].values.size(), 12u);
  ASSERT_EQ(w->charts()[2].values.size(), 12u);
  // The sarvashtakavarga holds 337 bindus in all, whatever the chart.
  double bindus = 0;
  for (const double v : w->charts()[2].values) bindus += v;
  EXPECT_EQ(bindus, 337);
  // The shadbala table: each planet's rupas against what it needs.
  QTableWidget* table = w->table(0);
  ASSERT_EQ(table->rowCount(), 7);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Sun"));
  EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("5.0"));
  EXPECT_EQ(table->item(3, 2)->text(), QStringLiteral("7.0"));  // Mercury
  // Sorting by rupas orders by value, not by text.
  table->sortItems(1, Qt::DescendingOrder);
  for (int r = 0; r + 1 < 7; ++r) EXPECT_GE(table->item(r, 1)->text().toDouble(), table->item(r + 1, 1)->text().toDouble());

  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("s.png")), svg = dir.filePath(QStringLiteral("s.svg"));
  ASSERT_TRUE(w->SavePicture(png));
  ASSERT_TRUE(w->SavePicture(svg));
  QImage image(png);
  EXPECT_EQ(image.size(), QSize(900, 1200));
  QFile svgFile(svg);
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  const QByteArray svgText = svgFile.readAll();
  EXPECT_TRUE(svgText.contains("Sarvashtakavarga")) << "the titles stay text in the SVG";
  EXPECT_FALSE(w->SavePicture(dir.filePath(QStringLiteral("missing/s.png"))));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir.filePath(QStringLiteral("s.pdf"));
  printer.setOutputFileName(pdf);
  w->PrintTo(printer);
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  if (!text.waitForFinished(20000) || text.exitCode() != 0) GTEST_SKIP() << "pdftotext is not installed";
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(printed.contains(QStringLiteral("Shadbala"))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("Bhava bala")));
  EXPECT_TRUE(printed.contains(QStringLiteral("Jupiter")));

  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    w->tabs()->setCurrentIndex(0);
    EXPECT_TRUE(w->grab().save(folder + QStringLiteral("/strengths_shadbala.png")));
    w->tabs()->setCurrentIndex(2);
    EXPECT_TRUE(w->grab().save(folder + QStringLiteral("/strengths_sarva.png")));
    QFile::remove(folder + QStringLiteral("/strengths_picture.png"));
    QFile::copy(png, folder + QStringLiteral("/strengths_picture.png"));
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                                   pdf, folder + QStringLiteral("/strengths_print")});
  }
}

}  // namespace
}  // namespace orvane::testing
