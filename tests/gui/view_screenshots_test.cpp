// Writes pictures of chart-window screens to screenshots/ in the build folder
// for a person to look at; the checks on what they show are in
// view_screens_test.cpp.
#include "view_fixture.h"

namespace orvane::testing {
namespace {

using ViewScreenshots = ViewFixture;

TEST_F(ViewScreenshots, ScreensAreWrittenAsPng) {
  struct Case {
    const char* name;
    int style;
    int screen;
    bool tajaka;
  };
  const Case cases[] = {
      {"screen7_south", kSouthRegular, kScreenTwoCharts, false},
      {"screen0_south", kSouthRegular, kScreenVimsottari, false},
      {"screen10_south", kSouthRegular, kScreenShadbala, false},
      {"screen7_north", kNorthDiamond, kScreenTwoCharts, false},
      {"screen7_east", kEastSun, kScreenTwoCharts, false},
      {"screen7_east_framed", kEastFramed, kScreenTwoCharts, false},
      {"screen3_south_tajaka", kSouthRegular, kScreenPatyayini, true},
      {"screen9_south_tajaka", kSouthRegular, kScreenPanchaVargeeya, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChartView* view = OpenDefaultChart(c.style, "charts/Machilipatnam 1970.orv");
    ASSERT_NE(view, nullptr);
    if (c.tajaka) {
      ModalDriver driver;
      driver.Then([](QWidget* d) {
        SetText(d, "year", "2026");
        static_cast<QDialog*>(d)->accept();
      });
      view->OnTajakaChart();
      ASSERT_TRUE(view->tajakaMode());
    }
    view->choices().screen = c.screen;
    ScreenPaintResult result;
    const QImage image = Draw(*view, &result);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.drawnScreen, c.screen);
    const QString path = ScreenshotPath(QStringLiteral("view_%1.png").arg(QLatin1String(c.name)));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    app_.reset();
  }
}

// The whole main window with the default chart, as a user first sees it.
TEST_F(ViewScreenshots, MainWindowIsWrittenAsPng) {
  ChartView* view = OpenDefaultChart(kSouthRegular, "charts/Machilipatnam 1970.orv");
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  frame.setGeometry(0, 0, 1400, 960);
  QCoreApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(ScreenshotPath(QStringLiteral("view_main_window.png"))));
}

}  // namespace
}  // namespace orvane::testing
