// Start-up: the settings file and the first-run sequence, the command line,
// the recent-file list and dropped files.
#include <sys/stat.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "app_fixture.h"
#include "io/number_text.h"

namespace orvane::testing {
namespace {

void ExpectSameSettings(const Settings& a, const Settings& b) {
  EXPECT_EQ(a.chartStyle, b.chartStyle);
  EXPECT_EQ(a.ayanamsaChoice, b.ayanamsaChoice);
  EXPECT_EQ(a.ayanamsaDirection, b.ayanamsaDirection);
  EXPECT_EQ(a.ayanamsaDegrees, b.ayanamsaDegrees);
  EXPECT_EQ(a.ayanamsaMinutes, b.ayanamsaMinutes);
  EXPECT_EQ(a.ayanamsaSeconds, b.ayanamsaSeconds);
  EXPECT_EQ(a.horaMethod, b.horaMethod);
  EXPECT_EQ(a.defaultZone, b.defaultZone);
  EXPECT_EQ(a.defaultLongitude, b.defaultLongitude);
  EXPECT_EQ(a.defaultLatitude, b.defaultLatitude);
  EXPECT_EQ(a.reserved12, b.reserved12);
  EXPECT_EQ(a.reserved13, b.reserved13);
  EXPECT_EQ(a.reserved14, b.reserved14);
  EXPECT_EQ(a.showSpecialLagnas, b.showSpecialLagnas);
  EXPECT_EQ(a.showDhoomaGroup, b.showDhoomaGroup);
  EXPECT_EQ(a.showGulikaGroup, b.showGulikaGroup);
  EXPECT_EQ(a.showAllPadas, b.showAllPadas);
  EXPECT_EQ(a.showSomePadas, b.showSomePadas);
  EXPECT_EQ(a.chosenPadas, b.chosenPadas);
  EXPECT_EQ(a.dhumaRelation, b.dhumaRelation);
  EXPECT_EQ(a.upagrahaRising, b.upagrahaRising);
  EXPECT_EQ(a.daysInYear, b.daysInYear);
  EXPECT_EQ(a.printItemCount, b.printItemCount);
  EXPECT_EQ(a.printItems, b.printItems);
  EXPECT_EQ(a.blackAndWhite, b.blackAndWhite);
}

// Every value away from its default.
Settings UnusualSettings() {
  Settings s;
  s.chartStyle = 3;
  s.ayanamsaChoice = 7;
  s.ayanamsaDirection = -1;
  s.ayanamsaDegrees = 2;
  s.ayanamsaMinutes = 14.5;
  s.ayanamsaSeconds = 33.25;
  s.horaMethod = 1;
  s.defaultZone = -5.3;
  s.defaultLongitude = -81.12;
  s.defaultLatitude = -16.15;
  s.reserved12 = 7;
  s.reserved13 = 0;
  s.reserved14 = -3;
  s.showSpecialLagnas = 0;
  s.showDhoomaGroup = 1;
  s.showGulikaGroup = 1;
  s.showAllPadas = 0;
  s.showSomePadas = 1;
  s.chosenPadas = {2, 3, 4, 5, 6, 12};
  s.dhumaRelation = 1;
  s.upagrahaRising = {2, 2, 2, 2, 0, 1};
  s.daysInYear = 360;
  s.printItems = {1, 0, 1, 0, 0, 1};
  s.printItemCount = 3;
  s.blackAndWhite = 1;
  return s;
}

const QStringList kFirstRunCaptions = {
    QString::fromUtf8(kWelcomeCaption),
    QStringLiteral("Choose chart style"),
    QStringLiteral("Choose Ayanamsa"),
    QStringLiteral("Number of days in a year (Nakshatra dasas)"),
    QStringLiteral("Special lagnas and upagrahas"),
    QStringLiteral("Upagraha Calculation Options"),
    QStringLiteral("Preferences for printing"),
    QStringLiteral("Enter Location"),
    QString::fromUtf8(kExtensionCaption),
    QString::fromUtf8(kSuccessCaption),
};

using StartTest = AppFixture;

TEST_F(StartTest, SettingsFileIsReadFieldForFieldAndRewrittenAfterAPreference) {
  const Settings written = UnusualSettings();
  WriteSettings(written);
  ModalDriver driver;
  auto app = Start();
  ASSERT_TRUE(started_);
  EXPECT_FALSE(app->firstRun());
  EXPECT_TRUE(app->settingsLoaded());
  EXPECT_TRUE(driver.captions().isEmpty()) << driver.captions().join(", ").toStdString();
  ExpectSameSettings(app->settings(), written);

  // A confirmed ayanamsa dialog outside the first run: the nonlinear
  // notice, then the whole file rewritten.
  driver
      .Then([](QWidget* dialog) {
        Find<QRadioButton>(dialog, "choice1")->click();  // Raman: 1° 27' subtracted
        static_cast<QDialog*>(dialog)->accept();
      })
      .ThenPress();
  app->OnAyanamsa();
  ASSERT_EQ(driver.captions().size(), 2);
  EXPECT_EQ(driver.captions()[1], QString::fromUtf8(kNonlinearCaption));
  EXPECT_EQ(driver.texts()[1], QString::fromUtf8(kNonlinearText));

  Settings expected = written;
  expected.ayanamsaChoice = 1;
  expected.ayanamsaDirection = -1;
  expected.ayanamsaDegrees = 1;
  expected.ayanamsaMinutes = 27;
  expected.ayanamsaSeconds = 0;
  ExpectSameSettings(app->settings(), expected);
  EXPECT_EQ(app->settings().AyanamsaOffset(), -87);
  Settings reread;
  ASSERT_EQ(LoadSettings(paths_.settingsFile.toStdString(), reread).status, SettingsStatus::kLoaded);
  ExpectSameSettings(reread, expected);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(StartTest, MissingOrOldSettingsFileRunsTheWholeFirstRunSequence) {
  struct Row {
    const char* name;
    const char* fileText;  // nullptr: no settings file
  };
  // A new user (no settings file) is not told about the older version's
  // file extension; one with an older settings file is.
  for (const Row& row : {Row{"missing", nullptr}, Row{"version 4010", "4010\n2\n3\n"}}) {
    SCOPED_TRACE(row.name);
    QFile::remove(paths_.settingsFile);
    if (row.fileText) WriteFile("config/orvane/orl4011.ini", row.fileText);

    ModalDriver driver;
    driver.ThenPress()
        .Then([](QWidget* dialog) {
          Find<QRadioButton>(dialog, "style2")->setChecked(true);
          static_cast<QDialog*>(dialog)->accept();
        })
        .Then([](QWidget* dialog) {
          Find<QRadioButton>(dialog, "choice6")->click();  // tropical
          static_cast<QDialog*>(dialog)->accept();
        })
        .Then([](QWidget* dialog) {
          SetText(dialog, "days", QStringLiteral("360"));
          static_cast<QDialog*>(dialog)->accept();
        })
        .ThenReject()  // Cancel keeps the defaults
        .ThenPress()
        .ThenPress()
        .Then([](QWidget* dialog) {
          SetText(dialog, "zoneHours", QStringLiteral("5"));
          SetText(dialog, "zoneMinutes", QStringLiteral("30"));
          dialog->findChild<QComboBox*>(QStringLiteral("zoneSide"))->setCurrentIndex(0);  // East
          static_cast<QDialog*>(dialog)->accept();
        })
        .ThenPress();
    if (row.fileText) driver.ThenPress();
    QStringList captions = kFirstRunCaptions;
    if (!row.fileText) captions.removeAll(QString::fromUtf8(kExtensionCaption));
    auto app = Start();
    ASSERT_TRUE(started_);
    EXPECT_TRUE(app->firstRun());
    EXPECT_TRUE(app->settingsLoaded());
    EXPECT_EQ(driver.captions(), captions);
    EXPECT_EQ(driver.texts().value(0), QString::fromUtf8(kWelcomeText).replace("\r\n", "\n"));
    EXPECT_EQ(driver.unexpected(), 0);

    Settings saved;
    ASSERT_EQ(LoadSettings(paths_.settingsFile.toStdString(), saved).status, SettingsStatus::kLoaded);
    EXPECT_EQ(saved.chartStyle, 2);
    EXPECT_EQ(saved.ayanamsaChoice, 6);
    EXPECT_EQ(saved.ayanamsaDegrees, 1000);  // the tropical zodiac
    EXPECT_EQ(saved.daysInYear, 360);
    EXPECT_EQ(saved.defaultZone, -5.3);
    EXPECT_EQ(saved.showSpecialLagnas, 1);
    EXPECT_TRUE(ReadFile(paths_.settingsFile).startsWith("4011\n"));
    // The first chart is on screen, cast with those preferences.
    ASSERT_EQ(app->mainFrame()->documents().size(), 1);
    ChartView* view = ViewOf(*app->mainFrame(), app->mainFrame()->documents().first());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->hasChart());
    EXPECT_EQ(view->chart().birth.zone, -5.3);
    EXPECT_TRUE(app->mainFrame()->isVisible());
  }
}

TEST_F(StartTest, SettingsThatCannotBeSavedAreReportedNotCelebrated) {
  // A file where the settings folder should be: nothing can be written.
  WriteFile("config/orvane", "in the way");
  ModalDriver driver;
  driver.ThenPress()
      .Then([](QWidget* dialog) {
        Find<QRadioButton>(dialog, "style4")->setChecked(true);
        static_cast<QDialog*>(dialog)->accept();
      });
  for (int i = 0; i < 6; ++i) driver.ThenPress();  // six dialogs (a new user: no extension notice)
  driver.ThenPress();                              // the failure
  auto app = Start();
  ASSERT_TRUE(started_);
  ASSERT_EQ(driver.captions().size(), 9);
  EXPECT_EQ(driver.captions()[8], QStringLiteral("Orvane Lite"));
  EXPECT_TRUE(driver.texts()[8].contains(QStringLiteral("could not be saved")));
  EXPECT_TRUE(driver.texts()[8].contains(QDir::toNativeSeparators(paths_.settingsFile)));
  EXPECT_FALSE(driver.captions().contains(QString::fromUtf8(kSuccessCaption)));
  // The preferences stay in effect for the run.
  EXPECT_EQ(app->settings().chartStyle, 4);
  EXPECT_EQ(app->mainFrame()->documents().size(), 1);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(StartTest, CommandLineOpensAPrasnaChartOrTheNamedFiles) {
  WriteSettings();
  const QString chart = WriteFile("charts/birth.orv", kDefaultChart);
  const QString old = WriteFile("charts/older.dat", kDefaultChart);
  const QString missing = Home("charts/missing.orv");
  const QString huge = WriteFile("charts/huge.orv", kDefaultChart + QByteArray(70000, ' '));
  struct Row {
    const char* name;
    QStringList arguments;
    QStringList titles;
    int messages;
  };
  const Row rows[] = {
      {"no argument", {}, {"Chart1"}, 0},
      {"one chart", {chart}, {"birth.orv"}, 0},
      {"two charts, old and new", {chart, old}, {"birth.orv", "older.dat"}, 0},
      {"a file that cannot be read", {missing}, {"Chart1"}, 1},
      {"a file over 64 KiB is no chart file", {huge}, {"Chart1"}, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ModalDriver driver;
    for (int i = 0; i < row.messages; ++i) driver.ThenPress();
    auto app = Start(row.arguments);
    ASSERT_TRUE(started_);
    QStringList titles;
    for (ChartDocument* doc : app->mainFrame()->documents()) titles << doc->title();
    EXPECT_EQ(titles, row.titles);
    EXPECT_EQ(driver.captions().size(), row.messages);
    if (row.messages) {
      EXPECT_TRUE(driver.texts()[0].contains(QDir::toNativeSeparators(row.arguments.first())));
    }
    EXPECT_EQ(driver.unexpected(), 0);
    for (ChartDocument* doc : app->mainFrame()->documents()) {
      ChartView* view = ViewOf(*app->mainFrame(), doc);
      ASSERT_NE(view, nullptr);
      EXPECT_TRUE(view->hasChart());
      EXPECT_EQ(view->isPrasna(), doc->pathName().isEmpty());
      EXPECT_EQ(doc->type(), doc->pathName().endsWith(".dat") ? DocType::kOldChart : DocType::kChart);
    }
  }
}

TEST_F(StartTest, StartupDefaultWorkingFileIsWrittenOnlyWhenMissing) {
  WriteSettings();
  {
    auto app = Start();
    EXPECT_EQ(ReadFile(app->mainFrame()->startupDefaultFile()), kDefaultChart);
  }
  const QString path = paths_.workingFolder + "/dvktmp.dvk";
  WriteFile("data/orvane/work/dvktmp.dvk", "1\n2\n2000\n1.0000\n0.00\n0.00\n0.00\n");
  auto app = Start();
  EXPECT_EQ(ReadFile(path), QByteArray("1\n2\n2000\n1.0000\n0.00\n0.00\n0.00\n"));
}

// A named pipe where the start-up default file goes would block the first
// read for ever: it is replaced without being opened.
TEST_F(StartTest, ANamedPipeAtTheStartupDefaultFileIsReplacedNotRead) {
  WriteSettings();
  QDir().mkpath(paths_.workingFolder);
  const QString path = paths_.workingFolder + "/dvktmp.dvk";
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  auto app = Start();
  ASSERT_TRUE(started_);
  EXPECT_TRUE(QFileInfo(path).isFile());
  EXPECT_EQ(ReadFile(path), kDefaultChart);
}

TEST_F(StartTest, RecentFilesKeepTheNineNewestAcrossRuns) {
  WriteSettings();
  QStringList paths;
  for (int i = 1; i <= 10; ++i) paths << WriteFile(QStringLiteral("charts/c%1.orv").arg(i), kDefaultChart);
  {
    auto app = Start();
    for (const QString& path : paths) ASSERT_NE(app->mainFrame()->OpenDocumentFile(path), nullptr);
    // Opening one again moves it to the top without a second entry.
    app->mainFrame()->OpenDocumentFile(paths[4]);
    const QStringList recent = app->RecentFiles();
    ASSERT_EQ(recent.size(), 9);
    EXPECT_EQ(recent[0], paths[4]);
    EXPECT_EQ(recent[1], paths[9]);
    EXPECT_FALSE(recent.contains(paths[0]));
  }
  QSettings store(paths_.recentFilesFile, QSettings::IniFormat);
  EXPECT_EQ(store.value("Recent File List/File1").toString(), paths[4]);
  auto app = Start();
  EXPECT_EQ(app->RecentFiles().size(), 9);
}

TEST_F(StartTest, DroppedFilesOpenAsCharts) {
  WriteSettings();
  const QString chart = WriteFile("charts/dropped.orv", kDefaultChart);
  auto app = Start();
  CMainFrame& frame = *app->mainFrame();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(chart)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&frame, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&frame, &drop);
  ASSERT_EQ(frame.documents().size(), 2);
  EXPECT_EQ(frame.documents().last()->title(), QStringLiteral("dropped.orv"));
}

}  // namespace
}  // namespace orvane::testing
