// The panchanga calendar window: reached from the Charts menu without a
// chart, the month grid with today marked and the festivals of its days,
// moving by month and year, the chosen day's panchanga beside the grid, a
// place from the place table, and the month exported as PDF and PNG; with
// pictures of the window and the exported page for a person to look at.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "app/panchanga_window.h"
#include "app_fixture.h"

namespace orvane::testing {
namespace {

QString ScreenshotPath(const QString& name) {
  QDir dir(QStringLiteral(ORVANE_BUILD_DIR));
  dir.mkpath(QStringLiteral("screenshots"));
  return dir.filePath(QStringLiteral("screenshots/") + name);
}

bool HasObservance(const PanchangaDay& day, const std::string& name) {
  return std::find(day.observances.begin(), day.observances.end(), name) != day.observances.end();
}

class PanchangaWindowTest : public AppFixture {};

TEST_F(PanchangaWindowTest, TheChartsMenuOpensItWithoutAChart) {
  WriteSettings();
  std::unique_ptr<DesktopApp> app = Start();
  ASSERT_TRUE(started_);
  QAction* action = app->mainFrame()->findChild<QAction*>(QStringLiteral("panchangaCalendar"));
  ASSERT_NE(action, nullptr);
  EXPECT_TRUE(action->isEnabled());
  action->trigger();
  PanchangaWindow* window = app->mainFrame()->findChild<PanchangaWindow*>(QStringLiteral("panchangaWindow"));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->year(), QDate::currentDate().year());
  EXPECT_EQ(window->month(), QDate::currentDate().month());
  EXPECT_EQ(window->days().size(), static_cast<std::size_t>(QDate::currentDate().daysInMonth()));
  window->close();
}

TEST_F(PanchangaWindowTest, MonthsDaysPlaceAndExport) {
  Settings settings;
  settings.ephemeris = 1;  // the Swiss Ephemeris
  PanchangaWindow window(settings, QDate(2025, 10, 20));
  ASSERT_TRUE(window.SetPlace(QStringLiteral("Delhi, IN"), nullptr));
  EXPECT_EQ(window.year(), 2025);
  EXPECT_EQ(window.month(), 10);
  ASSERT_EQ(window.days().size(), 31u);
  EXPECT_TRUE(HasObservance(window.days()[19], "Diwali"));
  EXPECT_TRUE(HasObservance(window.days()[1], "Dussehra"));
  EXPECT_EQ(window.grid()->selected(), 20);
  const QString detail = window.dayDetailHtml();
  EXPECT_TRUE(detail.contains(QStringLiteral("Diwali"))) << detail.toStdString();
  EXPECT_TRUE(detail.contains(QStringLiteral("Rahu kalam")));
  EXPECT_TRUE(detail.contains(QStringLiteral("Delhi")));

  window.show();
  window.resize(1280, 760);
  QApplication::processEvents();
  EXPECT_TRUE(window.grab().save(ScreenshotPath(QStringLiteral("panchanga_window_2025_10.png"))));

  // By month and year, with the buttons.
  window.findChild<QPushButton*>(QStringLiteral("nextMonth"))->click();
  EXPECT_EQ(window.month(), 11);
  EXPECT_EQ(window.days().size(), 30u);
  window.findChild<QPushButton*>(QStringLiteral("nextYear"))->click();
  EXPECT_EQ(window.year(), 2026);
  EXPECT_EQ(window.month(), 11);
  EXPECT_TRUE(HasObservance(window.days()[7], "Diwali"));  // 8 November 2026
  window.findChild<QPushButton*>(QStringLiteral("previousMonth"))->click();
  window.findChild<QPushButton*>(QStringLiteral("previousYear"))->click();
  EXPECT_EQ(window.year(), 2025);
  EXPECT_EQ(window.month(), 10);
  window.findChild<QPushButton*>(QStringLiteral("todayButton"))->click();
  EXPECT_EQ(window.grid()->selected(), 20);

  // An unknown place is refused and the month stays as it was.
  QString error;
  EXPECT_FALSE(window.SetPlace(QStringLiteral("Nowhereville Zzq"), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(window.days().size(), 31u);

  // New York: the clocks go back on 2 November; sunrise moves by about an hour.
  ASSERT_TRUE(window.SetPlace(QStringLiteral("New York City, US"), nullptr));
  window.findChild<QPushButton*>(QStringLiteral("nextMonth"))->click();
  window.SelectDay(3);
  EXPECT_TRUE(window.dayDetailHtml().contains(QStringLiteral("New York")));
  window.SetMonth(2025, 10);
  ASSERT_TRUE(window.SetPlace(QStringLiteral("Delhi, IN"), nullptr));
  window.SelectDay(20);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("month.pdf"));
  const QString png = ScreenshotPath(QStringLiteral("panchanga_page_2025_10.png"));
  ASSERT_TRUE(window.ExportTo(pdf, &error)) << error.toStdString();
  ASSERT_TRUE(window.ExportTo(png, &error)) << error.toStdString();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  EXPECT_GT(QImage(png).width(), 1000);
  // The PDF page as a picture too.
  QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                                 QStringLiteral("-singlefile"), pdf,
                                                 ScreenshotPath(QStringLiteral("panchanga_pdf_2025_10"))});
}

}  // namespace
}  // namespace orvane::testing
