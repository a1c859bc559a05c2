// A chart window's own engine: switching one window to the Swiss Ephemeris
// casts that window's chart again and no other, the window's caption, the
// status bar and the copies name the engine, switching back gives the
// classic text again, and the preference leaves switched windows alone.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>

#include "modal_driver.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

constexpr int kEphemerisCommand = 32970;

class EphemerisChoiceTest : public ViewFixture {
 protected:
  // Two chart files with the same birth data, each in its own window.
  void OpenTwoCharts() {
    WriteSettings();
    const QString a = WriteFile(QStringLiteral("charts/a.orv"), kDefaultChart);
    const QString b = WriteFile(QStringLiteral("charts/b.orv"), kDefaultChart);
    app_ = Start({a, b});
    ASSERT_TRUE(started_);
    CMainFrame& frame = *app_->mainFrame();
    ASSERT_EQ(frame.documents().size(), 2);
    viewA_ = ViewOf(frame, frame.documents()[0]);
    viewB_ = ViewOf(frame, frame.documents()[1]);
    ASSERT_NE(viewA_, nullptr);
    ASSERT_NE(viewB_, nullptr);
  }

  CChildFrame* FrameOf(ChartView* view) const {
    return app_->mainFrame()->framesOf(&view->document()).value(0);
  }

  void Activate(ChartView* view) const { app_->mainFrame()->mdiArea()->setActiveSubWindow(FrameOf(view)); }

  // The text of the current screen, drawn afresh.
  static QString Text(ChartView& view) {
    Draw(view);
    return view.ScreenText();
  }

  QString EngineStatus() const {
    auto* label = app_->mainFrame()->findChild<QLabel*>(QStringLiteral("engineStatus"));
    EXPECT_NE(label, nullptr);
    return label && !label->isHidden() ? label->text() : QString();
  }

  ChartView* viewA_ = nullptr;
  ChartView* viewB_ = nullptr;
};

TEST_F(EphemerisChoiceTest, SwitchingOneWindowRecastsOnlyItsChartAndNamesTheEngine) {
  OpenTwoCharts();
  ASSERT_FALSE(HasFatalFailure());
  QAction* toggle = app_->mainFrame()->commandAction(kEphemerisCommand);
  ASSERT_NE(toggle, nullptr);
  ASSERT_TRUE(toggle->isCheckable());

  for (ChartView* view : {viewA_, viewB_}) view->OnMiscellaneous();
  const QString classicA = Text(*viewA_);
  const QString classicB = Text(*viewB_);
  ASSERT_EQ(classicA, classicB);
  ASSERT_FALSE(classicA.contains(QStringLiteral("Ephemeris =")));
  const QString captionB = FrameOf(viewB_)->windowTitle();

  // Through the menu, with window A active.
  Activate(viewA_);
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_TRUE(EngineStatus().isEmpty());
  toggle->trigger();
  EXPECT_EQ(viewA_->ephemeris(), 1);
  EXPECT_EQ(viewB_->ephemeris(), 0);
  const QString swissA = Text(*viewA_);
  EXPECT_NE(swissA, classicA);  // other positions
  EXPECT_TRUE(swissA.contains(QStringLiteral("Ephemeris = Swiss Ephemeris 2."))) << swissA.toStdString();
  EXPECT_EQ(Text(*viewB_), classicB);

  EXPECT_TRUE(FrameOf(viewA_)->windowTitle().endsWith(QStringLiteral(" \u2014 Swiss Ephemeris")))
      << FrameOf(viewA_)->windowTitle().toStdString();
  EXPECT_EQ(FrameOf(viewB_)->windowTitle(), captionB);
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_TRUE(EngineStatus().startsWith(QStringLiteral("Ephemeris: Swiss Ephemeris 2."))) << EngineStatus().toStdString();

  // The status bar and the menu's check follow the active window.
  Activate(viewB_);
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_TRUE(EngineStatus().isEmpty());
  Activate(viewA_);
  EXPECT_TRUE(toggle->isChecked());

  // The switch is the window's own: the preferences on disk stay as they were.
  Settings stored;
  ASSERT_EQ(LoadSettings(paths_.settingsFile.toStdString(), stored).status, SettingsStatus::kLoaded);
  EXPECT_EQ(stored.ephemeris, 0);

  // Back to the classic engine: the classic text, byte for byte.
  toggle->trigger();
  EXPECT_EQ(viewA_->ephemeris(), 0);
  EXPECT_EQ(Text(*viewA_), classicA);
  EXPECT_FALSE(FrameOf(viewA_)->windowTitle().contains(QStringLiteral("Ephemeris")));
  EXPECT_TRUE(EngineStatus().isEmpty());
}

TEST_F(EphemerisChoiceTest, CopiesOfASwissWindowCarryTheEngineLine) {
  OpenTwoCharts();
  ASSERT_FALSE(HasFatalFailure());
  viewA_->SetEphemeris(1);
  QClipboard* clipboard = QGuiApplication::clipboard();
  using Command = void (ChartView::*)();
  struct Row {
    const char* name;
    Command command;
  };
  const Row rows[] = {
      {"text on current screen", &ChartView::OnCopyScreenText},
      {"basic calculations", &ChartView::OnCopyBasicText},
      {"complete calculations", &ChartView::OnCopyCompleteText},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (ChartView* view : {viewA_, viewB_}) {
      clipboard->clear();
      ModalDriver driver;  // answers whatever a command may ask
      driver.ThenPress().ThenPress();
      (view->*row.command)();
      const QString copied = clipboard->text();
      ASSERT_FALSE(copied.isEmpty());
      EXPECT_EQ(copied.contains(QStringLiteral("\nEphemeris = Swiss Ephemeris 2.")), view == viewA_);
    }
  }
}

TEST_F(EphemerisChoiceTest, ThePreferenceMovesTheWindowsThatFollowItOnly) {
  OpenTwoCharts();
  ASSERT_FALSE(HasFatalFailure());
  viewA_->SetEphemeris(0);  // pinned to the classic engine
  ModalDriver driver;
  driver.Then([](QWidget* d) {
    d->findChild<QComboBox*>(QStringLiteral("engine"))->setCurrentIndex(1);
    static_cast<QDialog*>(d)->accept();
  });
  app_->OnEphemeris();
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(app_->settings().ephemeris, 1);
  EXPECT_EQ(viewA_->ephemeris(), 0);
  EXPECT_EQ(viewB_->ephemeris(), 1);
  // The following window was cast again at once and says so.
  EXPECT_FALSE(viewB_->engineText().isEmpty());
  EXPECT_TRUE(FrameOf(viewB_)->windowTitle().contains(QStringLiteral("Swiss Ephemeris")));
  EXPECT_FALSE(FrameOf(viewA_)->windowTitle().contains(QStringLiteral("Swiss Ephemeris")));
  viewA_->OnMiscellaneous();
  EXPECT_FALSE(Text(*viewA_).contains(QStringLiteral("Ephemeris =")));
}

// The start-up default chart under the Swiss Ephemeris, as the program shows
// it in its main window: a picture for review.
TEST_F(EphemerisChoiceTest, PictureOfTheDefaultChartUnderTheSwissEphemeris) {
  Settings settings;
  settings.ephemeris = 1;
  WriteSettings(settings);
  // The program writes its start-up default chart file before it opens the
  // files of its command line.
  app_ = Start({paths_.workingFolder + QStringLiteral("/dvktmp.dvk")});
  ASSERT_TRUE(started_);
  CMainFrame& frame = *app_->mainFrame();
  ASSERT_EQ(frame.documents().size(), 1);
  ASSERT_EQ(frame.documents().first()->image(), kDefaultChart);
  ChartView* view = ViewOf(frame, frame.documents().first());
  ASSERT_NE(view, nullptr);
  frame.resize(1400, 960);
  frame.show();
  QCoreApplication::processEvents();
  view->RefreshScreen();
  QCoreApplication::processEvents();
  EXPECT_EQ(view->ephemeris(), 1);
  // The maximized chart window's caption shows in the main window's title.
  EXPECT_TRUE(frame.windowTitle().contains(QStringLiteral("Swiss Ephemeris"))) << frame.windowTitle().toStdString();
  EXPECT_TRUE(frame.grab().save(ScreenshotPath(QStringLiteral("default_chart_swiss.png"))));
  frame.hide();
}

}  // namespace
}  // namespace orvane::testing
