// Every window and dialog on the screens people have: a laptop (1366 x 768),
// a small screen (800 x 600) and a 2560 x 1600 panel at scale 2. Each fits
// the screen's available area, no word-wrapped text is cut, and no screen
// text is drawn below the least readable size. The screens are set when
// the program starts, so the checks run in a copy of this test program
// started on each screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <functional>

#include "app/dasa_browser.h"
#include "app/kp_window.h"
#include "app/match_commands.h"
#include "app/match_window.h"
#include "app/report_window.h"
#include "app/strength_window.h"
#include "app/time_shift_window.h"
#include "app/transit_window.h"
#include "app/user_guide.h"
#include "app/yoga_window.h"
#include "dialogs/birth_data_dlg.h"
#include "dialogs/preference_dlgs.h"
#include "dialogs/title_dlg.h"
#include "dialogs/view_dialogs.h"
#include "display/label_flow.h"
#include "io/birth_input.h"
#include "modal_driver.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

// Run on each screen by ScreenSizes.EveryWindowAndDialogFits (skipped when
// the program was not started for a screen size).
class OnThisScreen : public ViewFixture {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("ORVANE_TEST_SCREEN")) GTEST_SKIP() << "run by ScreenSizes on each screen";
    ViewFixture::SetUp();
  }

  static void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  // The window (its frame) inside the available area, and none of its
  // word-wrapped labels cut.
  static void ExpectFits(QWidget* window, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_NE(window, nullptr);
    Settle();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                        << frame.height() << " on " << screen.width() << "x" << screen.height();
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (!label->isVisible() || !label->wordWrap() || label->text().isEmpty()) continue;
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
    }
    if (const QString shots = qEnvironmentVariable("ORVANE_SHOT_DIR"); !shots.isEmpty()) {
      window->grab().save(QStringLiteral("%1/fit_%2_%3.png")
                              .arg(shots, qEnvironmentVariable("ORVANE_TEST_SCREEN"), QLatin1String(what)));
    }
  }
};

TEST_F(OnThisScreen, EveryWindowAndDialogFits) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  Settle();
  ExpectFits(&frame, "main");

  // Every screen of the chart window: text never below the least size.
  ModalDriver driver;
  for (bool tajaka : {false, true}) {
    if (tajaka) {
      AcceptAnnualChart(driver, "2026");
      view->OnTajakaChart();
    }
    for (const ScreenLayout& layout : ScreenTable()) {
      const bool fits = layout.id == kScreenPanchaVargeeya ? tajaka
                                                           : layout.kind == ScreenKind::kBoth ||
                                                                 (layout.kind == ScreenKind::kTajakaOnly) == tajaka;
      if (!fits) continue;
      SCOPED_TRACE(::testing::Message() << (tajaka ? "Tajaka " : "natal ") << "screen " << layout.id);
      view->choices().screen = layout.id;
      view->choices().previousScreen = kScreenTwoCharts;
      view->RefreshScreen();
      Settle();
      EXPECT_GE(view->smallestTextDrawn(), kMinimumTextHeight);
      if (layout.chartCount > 0) {
        EXPECT_GE(view->smallestLabelDrawn(), kSmallestLabelPixels);
      }
    }
    if (tajaka) view->OnBackToBirthChart();  // back on the two charts
  }
  Settle();
  if (const QString shots = qEnvironmentVariable("ORVANE_SHOT_DIR"); !shots.isEmpty()) {
    frame.grab().save(QStringLiteral("%1/fit_%2_main.png").arg(shots, qEnvironmentVariable("ORVANE_TEST_SCREEN")));
  }

  // Two chart windows side by side (Window > Tile): smaller charts, labels
  // no smaller.
  frame.OnFileNew();
  for (QAction* action : frame.findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("&Tile")) action->trigger();
  }
  Settle();
  for (ChartView* tiled : frame.findChildren<ChartView*>()) {
    SCOPED_TRACE("tiled");
    tiled->RefreshScreen();
    Settle();
    EXPECT_GE(tiled->smallestLabelDrawn(), kSmallestLabelPixels);
    EXPECT_GE(tiled->smallestTextDrawn(), kMinimumTextHeight);
  }
  if (const QString shots = qEnvironmentVariable("ORVANE_SHOT_DIR"); !shots.isEmpty()) {
    frame.grab().save(QStringLiteral("%1/fit_%2_tiled.png").arg(shots, qEnvironmentVariable("ORVANE_TEST_SCREEN")));
  }

  // The program's own windows.
  view->OnDasaBrowser();
  ExpectFits(view->dasaBrowser(), "dasa_browser");
  view->OnReportSections();
  ExpectFits(view->reportWindow(), "report_sections");
  view->OnYogas();
  ExpectFits(view->yogaWindow(), "yogas");
  view->OnKp();
  ExpectFits(view->kpWindow(), "kp");
  view->OnTimeShift();
  ExpectFits(view->timeShiftWindow(), "birth_time");
  view->OnStrengths();
  ExpectFits(view->strengthWindow(), "strengths");
  ExpectFits(OpenMatchWindow(frame, WriteFile(QStringLiteral("charts/bride.orv"),
                                              "1\n1\n1975\n10.0000\n-5.30\n-80.17\n13.05\n")),
             "match");
  ExpectFits(OpenTransitWindow(frame, QDateTime(QDate(2026, 12, 10), QTime(12, 0))), "transits");
  ShowUserGuide(&frame);
  ExpectFits(frame.findChild<QDialog*>(QStringLiteral("userGuideWindow")), "user_guide");

  // The dialogs, as they open.
  const Settings s = app_->settings();
  const BirthDialogFields birth = SplitForDialog(view->chart().birth);
  struct Row {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
  };
  const Row rows[] = {
      {"birth_data", [&] { return std::make_unique<CBirthDataDlg>(birth, ChartLabels{}, &frame); }},
      {"chart_style", [&] { return std::make_unique<CChartStyleDlg>(s, &frame); }},
      {"ayanamsa", [&] { return std::make_unique<CAyanamsaDlg>(s, &frame); }},
      {"special_lagnas", [&] { return std::make_unique<CSpecialLagnaDlg>(s, &frame); }},
      {"padas", [&] { return std::make_unique<CPadasDlg>(s, &frame); }},
      {"hora_chart", [&] { return std::make_unique<CHoraChartDlg>(s, &frame); }},
      {"ephemeris", [&] { return std::make_unique<CEphemerisDlg>(s, &frame); }},
      {"print_items", [&] { return std::make_unique<CPrintPrefsDlg>(s, &frame); }},
      {"days_in_year", [&] { return std::make_unique<CDaysInYearDlg>(s, &frame); }},
      {"location", [&] { return std::make_unique<CLocationDlg>(s, &frame); }},
      {"upagrahas", [&] { return std::make_unique<CUpagrahaOptionsDlg>(s, &frame); }},
      {"title", [&] { return std::make_unique<CTitleDlg>(QStringLiteral("Chart"), &frame); }},
      {"choose_one_chart", [&] { return std::make_unique<CChooseOneChartDlg>(0, &frame); }},
      {"choose_two_charts", [&] { return std::make_unique<CChooseTwoChartsDlg>(0, 8, &frame); }},
      {"mahadasa", [&] { return std::make_unique<CSelectMahadasaDlg>(1, &frame); }},
      {"tajaka_annual", [&] { return std::make_unique<CTajakaAnnualDlg>(2026, &frame); }},
      {"tajaka_monthly", [&] { return std::make_unique<CTajakaMonthlyDlg>(1, &frame); }},
      {"tajaka_hora", [&] { return std::make_unique<CTajakaHoraDlg>(1, &frame); }},
  };
  for (const Row& row : rows) {
    std::unique_ptr<QDialog> dialog = row.make();
    dialog->show();
    ExpectFits(dialog.get(), row.name);
    dialog->hide();
  }
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST(ScreenSizes, EveryWindowAndDialogFits) {
  for (const char* screen : {"1366x768", "800x600", "1280x800@2"}) {
    SCOPED_TRACE(screen);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORVANE_TEST_SCREEN"), QString::fromLatin1(screen));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=OnThisScreen.*")});
    ASSERT_TRUE(child.waitForFinished(240000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.right(6000).toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.right(3000).toStdString();
  }
}

}  // namespace
}  // namespace orvane::testing
