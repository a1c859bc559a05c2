// The desktop program's outputs under a German locale (decimal comma), set
// in full here rather than only for numbers: the copied texts, the chart
// bitmap and the SVG picture are the same bytes as under the "C" locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <string>

#include "computed_chart.h"
#include "display/export.h"
#include "modal_driver.h"

namespace orvane {
namespace {

struct Outputs {
  QString basic, complete;
  QImage bitmap;
  QByteArray svg;
};

Outputs Produce() {
  const Settings settings;
  auto chart = testing_support::ComputedChart(settings);
  auto tajaka = testing_support::ComputedChart(settings, 2001);
  Outputs out;
  {
    testing::ModalDriver driver;
    driver.ThenPress();
    EXPECT_TRUE(CopyBasicText(nullptr, *chart, settings));
    out.basic = QApplication::clipboard()->text();
  }
  {
    testing::ModalDriver driver;
    driver.ThenPress();
    EXPECT_TRUE(CopyCompleteText(nullptr, *tajaka, settings));
    out.complete = QApplication::clipboard()->text();
  }
  out.bitmap = RenderChartBitmap(*chart, settings, 8, QStringLiteral("T 1.5"));
  QTemporaryDir dir;
  const QString svg = dir.filePath(QStringLiteral("chart.svg"));
  QString error;
  EXPECT_TRUE(WriteChartPicture(svg, *chart, settings, 8, QStringLiteral("T"), &error)) << error.toStdString();
  QFile file(svg);
  if (file.open(QIODevice::ReadOnly)) out.svg = file.readAll();
  return out;
}

TEST(DesktopLocale, GermanLocaleChangesNoOutput) {
  const Outputs plain = Produce();
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "the locale de_DE.UTF-8 is missing (scripts/deps.sh generates it)";
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  EXPECT_STREQ(probe, "0,5");  // the locale is in force
  const Outputs german = Produce();
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_ALL, saved.c_str());

  EXPECT_FALSE(plain.basic.isEmpty());
  EXPECT_EQ(plain.basic, german.basic);
  EXPECT_FALSE(plain.complete.isEmpty());
  EXPECT_EQ(plain.complete, german.complete);
  EXPECT_EQ(plain.bitmap, german.bitmap);
  EXPECT_FALSE(plain.svg.isEmpty());
  EXPECT_EQ(plain.svg, german.svg);
}

}  // namespace
}  // namespace orvane
