// The Match, Transits and dasa-browser windows open inside the screen they
// open on, whatever size they would like, and come back where the user
// left them; a remembered place that is off the screen is not used.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QScreen>
#include <functional>

#include "app/chart_view.h"
#include "app/dasa_browser.h"
#include "app/match_commands.h"
#include "app/match_window.h"
#include "app/transit_window.h"
#include "app/window_place.h"
#include "app_fixture.h"

namespace orvane::testing {
namespace {

const QByteArray kSecondChart = "8\n15\n1975\n6.1000\n-5.30\n-72.50\n18.58\n";

class WindowPlaceTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
    app_ = Start();
    ASSERT_TRUE(started_);
    frame_ = app_->mainFrame();
    ASSERT_NE(frame_->OpenDocumentFile(WriteFile(QStringLiteral("groom.orv"), kDefaultChart)), nullptr);
    bride_ = WriteFile(QStringLiteral("bride.orv"), kSecondChart);
  }
  void TearDown() override {
    app_.reset();
    AppFixture::TearDown();
  }

  struct Opener {
    const char* name;
    QSize preferred;  // what the window asks for
    std::function<QWidget*(WindowPlaceTest&)> open;
  };
  static std::vector<Opener> Openers() {
    return {
        {"Match", QSize(820, 900), [](WindowPlaceTest& t) -> QWidget* { return OpenMatchWindow(*t.frame_, t.bride_); }},
        {"Transits", QSize(1180, 640),
         [](WindowPlaceTest& t) -> QWidget* {
           return OpenTransitWindow(*t.frame_, QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
         }},
        {"DasaBrowser", QSize(520, 640),
         [](WindowPlaceTest& t) -> QWidget* {
           t.frame_->activeView()->OnDasaBrowser();
           return t.frame_->activeView()->dasaBrowser();
         }},
    };
  }

  std::unique_ptr<DesktopApp> app_;
  CMainFrame* frame_ = nullptr;
  QString bride_;
};

TEST_F(WindowPlaceTest, WindowsFitTheScreenTheyOpenOnAndComeBackWhereTheyWereLeft) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const Opener& o : Openers()) {
    SCOPED_TRACE(o.name);
    QWidget* window = o.open(*this);
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    // Inside the screen, and nothing in it needs more room than that.
    EXPECT_TRUE(screen.contains(window->geometry())) << window->geometry().width() << "x" << window->geometry().height();
    EXPECT_LE(window->minimumSizeHint().width(), screen.width());
    EXPECT_LE(window->minimumSizeHint().height(), screen.height());
    // At the sizes of common screens: the size asked for, cut to the screen.
    for (const QRect available : {QRect(0, 0, 1366, 768), QRect(0, 0, 800, 600), QRect(0, 0, 1280, 800),
                                  QRect(1920, 0, 1920, 1200)}) {
      PlaceWindow(window, o.preferred, QStringLiteral("test-%1").arg(QString::fromLatin1(o.name)), available);
      EXPECT_TRUE(available.contains(window->geometry())) << available.width() << "x" << available.height();
      EXPECT_LE(window->minimumSizeHint().width(), available.width());
      EXPECT_LE(window->minimumSizeHint().height(), available.height());
      EXPECT_EQ(window->size(), FittedWindowSize(o.preferred, available));
      if (available.width() >= 1920) {
        EXPECT_EQ(window->size(), o.preferred);
      }
    }
    if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty()) {
      PlaceWindow(window, o.preferred, QStringLiteral("shot-%1").arg(QLatin1String(o.name)), QRect(0, 0, 800, 600));
      QApplication::processEvents();
      QDir().mkpath(folder);
      EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/window_800x600_%1.png").arg(QLatin1String(o.name))));
    }
    window->close();
    QApplication::processEvents();

    // Moved and resized by the user, closed and opened again: where it was.
    window = o.open(*this);
    ASSERT_NE(window, nullptr);
    const QRect left(QPoint(screen.left() + 20, screen.top() + 50),
                     window->minimumSizeHint().expandedTo(QSize(500, 420)));
    window->setGeometry(left);
    QApplication::processEvents();
    window->close();
    QApplication::processEvents();
    window = o.open(*this);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry(), left);

    // A place remembered on a larger screen is not used on this one.
    PlaceWindow(window, o.preferred, QStringLiteral("elsewhere"), QRect(0, 0, 800, 600));
    window->setGeometry(QRect(900, 700, 600, 500));
    window->hide();
    PlaceWindow(window, o.preferred, QStringLiteral("elsewhere"), QRect(0, 0, 800, 600));
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(window->geometry()));
    window->close();
    QApplication::processEvents();
  }
}

// The places are kept in a file: a new run of the program opens the window
// where the last run left it.
TEST_F(WindowPlaceTest, PlacesAreKeptFromRunToRun) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget* window = OpenMatchWindow(*frame_, bride_);
  ASSERT_NE(window, nullptr);
  const QRect left(QPoint(screen.left() + 30, screen.top() + 60),
                   window->minimumSizeHint().expandedTo(QSize(560, 480)));
  window->setGeometry(left);
  window->close();
  QApplication::processEvents();
  app_.reset();
  app_ = Start();
  ASSERT_TRUE(started_);
  frame_ = app_->mainFrame();
  ASSERT_NE(frame_->OpenDocumentFile(Home(QStringLiteral("groom.orv"))), nullptr);
  window = OpenMatchWindow(*frame_, bride_);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->geometry(), left);
  window->close();
}

}  // namespace
}  // namespace orvane::testing
