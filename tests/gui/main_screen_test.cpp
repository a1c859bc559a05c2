// The main screen (two charts above their text) in the main window at the
// sizes people use: the charts grow with the window in both directions, the
// room beside them holds the panel of what is running now, nothing is cut
// off at 800 x 600 and no scroll bar shows where the content fits.
#include <QApplication>
#include <QHelpEvent>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolTip>

#include "view_fixture.h"

namespace orvane::testing {
namespace {

using MainScreen = ViewFixture;

TEST_F(MainScreen, ChartsGrowWithTheWindowAndNothingIsCutOff) {
  ChartView* view = OpenDefaultChart(kSouthRegular, "charts/Machilipatnam 1970.orv");
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  struct Case {
    int width, height;
    double least;         // the charts' least share of the window's width and height
    bool panel;           // the panel of what runs now is shown
    bool verticalBar;     // the content is taller than the window
  };
  const Case cases[] = {
      {1920, 1200, 0.45, true, false},
      {1366, 768, 0.30, true, false},
      {800, 600, 0.25, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    frame.showNormal();
    frame.setGeometry(0, 0, c.width, c.height);
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    auto* scroll = frame.findChild<QScrollArea*>(QStringLiteral("chartScrollArea"));
    auto* panel = frame.findChild<QTextBrowser*>(QStringLiteral("runningNowPanel"));
    ASSERT_NE(scroll, nullptr);
    ASSERT_NE(panel, nullptr);
    const ScreenGeometry& g = view->screenGeometry();
    ASSERT_EQ(g.charts.size(), 2u);
    const QRectF charts = g.charts[0].united(g.charts[1]);
    EXPECT_GE(charts.width(), c.least * c.width);
    EXPECT_GE(charts.height(), c.least * c.height);
    // Nothing reaches past the window's right edge; a scroll bar only where
    // the content does not fit.
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_EQ(scroll->verticalScrollBar()->isVisible(), c.verticalBar);
    EXPECT_LE(g.extent.width(), scroll->viewport()->width());
    EXPECT_EQ(panel->isVisible(), c.panel);
    if (c.panel) {
      const QString text = panel->toPlainText();
      EXPECT_TRUE(text.contains(QStringLiteral("Mahadasa"))) << text.toStdString();
      EXPECT_TRUE(text.contains(QStringLiteral("Transits now"))) << text.toStdString();
      EXPECT_TRUE(text.contains(QStringLiteral("Saturn"))) << text.toStdString();
      // The panel is beside the charts, not over them.
      EXPECT_GE(panel->mapTo(&frame, QPoint(0, 0)).x(), scroll->mapTo(&frame, QPoint(0, 0)).x() + charts.right());
    }
    EXPECT_TRUE(frame.grab().save(
        ScreenshotPath(QStringLiteral("main_screen_%1x%2.png").arg(c.width).arg(c.height))));
  }
  frame.hide();
}

// A crowded divisional chart with degrees: each body shows its degrees in
// its divisional sign, labels keep a readable size, and what does not fit
// is a "+n" mark whose tool tip lists the labels it stands for.
TEST_F(MainScreen, CrowdedCellsNameWhatTheirMarkHides) {
  ChartView* view = OpenDefaultChart(kSouthRegular, "charts/Machilipatnam 1970.orv", true);
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  frame.showNormal();
  frame.setGeometry(0, 0, 1366, 768);
  view->choices().chart2 = 1;  // the hora chart: every body in Cancer or Leo
  view->RefreshScreen();
  // Small charts, whose crowded cells cannot hold every label at a readable size.
  view->ZoomActualSize();
  for (int i = 0; i < 3; ++i) view->ZoomOut();
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(ScreenshotPath(QStringLiteral("main_screen_hora_degrees.png"))));
  const std::vector<ChartOverflow>& marks = view->overflowMarks();
  ASSERT_FALSE(marks.empty());
  const ChartOverflow mark = marks.front();
  EXPECT_FALSE(mark.hidden.isEmpty());
  // Over the mark: the tool tip names every label it stands for.
  const QPoint at = mark.rect.center().toPoint();
  QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
  QApplication::sendEvent(view, &help);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), mark.hidden.join(QLatin1Char('\n')));
  // The hidden labels carry their degrees in the hora sign (0..30).
  const QString first = mark.hidden.front();
  EXPECT_TRUE(first.contains(QChar(0xB0))) << first.toStdString();
  QToolTip::hideText();
  frame.hide();
}

}  // namespace
}  // namespace orvane::testing
