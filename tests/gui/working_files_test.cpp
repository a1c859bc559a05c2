// The desktop program's own files: each run keeps its working files in a
// private folder of its own, planted links are never followed, a settings
// file that cannot be read is left alone, "Saved" is said only when a file
// was saved, and a file whose name is not UTF-8 opens.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <QStatusBar>
#include <functional>

#include "app_fixture.h"
#include "computed_chart.h"
#include "display/export.h"
#include "display/file_names.h"

namespace orvane::testing {
namespace {

class WorkingFilesTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
  }

  static mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(FileNameBytes(path).c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
  }
  static bool IsLink(const QString& path) {
    struct stat info {};
    return ::lstat(FileNameBytes(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
  }
};

// Two copies of the program on the same data folder (a desktop login and an
// ssh login, each with its own runtime folder) each keep a private folder of
// their own; the charts are computed in memory, so no chart file is written
// there at all.
TEST_F(WorkingFilesTest, TwoRunningCopiesComputeTheirOwnChartsWithoutWorkingFiles) {
  auto first = Start();
  ASSERT_TRUE(started_);
  DesktopApp second(AppPaths::InFolders(Home("config"), Home("data"), Home("run-ssh")));
  second.SetSplashEnabled(false);
  ASSERT_TRUE(second.InitInstance({QStringLiteral("orvane")}));

  const QByteArray chartA = kDefaultChart;
  const QByteArray chartB = "1\n1\n2000\n12.0000\n0.00\n0.00\n51.30\n";
  ChartDocument* docA = first->mainFrame()->OpenDocumentFile(WriteFile("charts/a.orv", chartA));
  ChartDocument* docB = second.mainFrame()->OpenDocumentFile(WriteFile("charts/b.orv", chartB));
  ASSERT_NE(docA, nullptr);
  ASSERT_NE(docB, nullptr);
  ChartView* viewA = ViewOf(*first->mainFrame(), docA);
  ChartView* viewB = ViewOf(*second.mainFrame(), docB);
  EXPECT_NE(first->runFolder(), second.runFolder());
  for (const QString& folder : {first->runFolder(), second.runFolder()}) {
    EXPECT_TRUE(folder.startsWith(paths_.workingFolder + "/run-")) << folder.toStdString();
    EXPECT_EQ(ModeOf(folder), 0700u);
  }
  // Repaints in turn: each keeps its own chart, and nothing is written.
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(viewA->RefreshScreen());
    ASSERT_TRUE(viewB->RefreshScreen());
  }
  for (const QString& folder : {first->runFolder(), second.runFolder()}) {
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList())
        << folder.toStdString();
  }
  EXPECT_EQ(docA->image(), chartA);
  EXPECT_EQ(viewA->chart().birth.year, 1970);
  EXPECT_EQ(viewB->chart().birth.year, 2000);

  // Each run's folder goes with it.
  const QString firstFolder = first->runFolder();
  first.reset();
  EXPECT_FALSE(QFileInfo::exists(firstFolder));
  EXPECT_TRUE(QFileInfo::exists(second.runFolder()));
}

TEST_F(WorkingFilesTest, FolderOfAKilledRunIsRemovedByTheNextStart) {
  // A run that has ended (this test's child) left its folder behind.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  auto probe = Start();
  ASSERT_TRUE(started_);
  const QString name = QFileInfo(probe->runFolder()).fileName();  // run-<pid>-<random>-<host>
  const QString host = name.section(QLatin1Char('-'), 3);
  probe.reset();
  const QString stale = paths_.workingFolder + QStringLiteral("/run-%1-99-%2").arg(child).arg(host);
  WriteFile(stale.mid(dir_.path().size() + 1) + "/dvktmp.1.dvk", kDefaultChart);
  ASSERT_TRUE(QFileInfo::exists(stale));
  auto app = Start();
  ASSERT_TRUE(started_);
  EXPECT_FALSE(QFileInfo::exists(stale));
}

// Links planted where the program writes its own files are replaced, never
// followed: the files they point to are not touched.
TEST_F(WorkingFilesTest, PlantedLinksAreNeverFollowed) {
  const QString victim = WriteFile("victim.txt", "precious");
  QDir().mkpath(paths_.workingFolder);
  const QStringList planted = {"dvktmp.1.dvk", "dvknow.1.dvk", "dvktmp.2.dvk", "dvknow.2.dvk", "tmp.bmp"};
  for (const QString& name : planted) {
    ASSERT_TRUE(QFile::link(victim, paths_.workingFolder + "/" + name));
  }
  // The start-up default file pointing at a file that does not exist yet.
  const QString absent = Home("absent.txt");
  ASSERT_TRUE(QFile::link(absent, paths_.workingFolder + "/dvktmp.dvk"));

  auto app = Start();
  ASSERT_TRUE(started_);
  ChartDocument* doc = app->mainFrame()->OpenDocumentFile(WriteFile("charts/a.orv", kDefaultChart));
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_TRUE(view->RefreshScreen());
  ModalDriver driver;
  driver.ThenPress();
  const std::optional<QString> bitmap =
      SaveChartBitmap(nullptr, view->chart(), app->settings(), 0, paths_.workingFolder + "/tmp.bmp",
                      [](QWidget*, const QString&) { return std::optional<QString>(QStringLiteral("t")); },
                      [](QWidget*, const QString& suggested) { return suggested; });
  ASSERT_TRUE(bitmap.has_value());
  EXPECT_FALSE(IsLink(*bitmap));
  EXPECT_GT(QFileInfo(*bitmap).size(), 1000);

  EXPECT_EQ(ReadFile(victim), "precious");
  EXPECT_FALSE(QFileInfo::exists(absent));
  EXPECT_FALSE(IsLink(paths_.workingFolder + "/dvktmp.dvk"));
  EXPECT_EQ(ReadFile(paths_.workingFolder + "/dvktmp.dvk"), kDefaultChart);
}

// A settings file that is there but cannot be read: no first-run sequence,
// one message, the defaults in effect, and the file never replaced.
TEST_F(WorkingFilesTest, SettingsFileThatCannotBeReadIsNeverReplaced) {
  QFile::remove(paths_.settingsFile);
  ASSERT_TRUE(QDir().mkpath(paths_.settingsFile));  // a folder where the file should be
  ModalDriver driver;
  driver.ThenPress();
  auto app = Start();
  ASSERT_TRUE(started_);
  EXPECT_FALSE(app->firstRun());
  EXPECT_TRUE(app->settingsUnreadable());
  ASSERT_EQ(driver.texts().size(), 1) << driver.texts().join("|").toStdString();
  EXPECT_TRUE(driver.texts()[0].contains("cannot be read")) << driver.texts()[0].toStdString();
  EXPECT_TRUE(driver.texts()[0].contains(paths_.settingsFile));
  EXPECT_EQ(FormatSettings(app->settings()), FormatSettings(Settings{}));
  // A preference changed now is not saved over it, and the user is told.
  driver.ThenPress();
  EXPECT_FALSE(app->SaveSettingsReported());
  EXPECT_EQ(driver.texts().size(), 2);
  EXPECT_TRUE(QFileInfo(paths_.settingsFile).isDir());
  EXPECT_EQ(driver.unexpected(), 0);
}

// Saving a document whose file failed validation keeps the file unchanged
// and does not say "Saved".
TEST_F(WorkingFilesTest, SavingAnInvalidFileDoesNotSaySaved) {
  auto app = Start();
  ASSERT_TRUE(started_);
  const QByteArray invalid = "4\n4\n3000\n17.5000\n-5.30\n-81.12\n16.15\n";
  const QString path = WriteFile("charts/invalid.orv", invalid);
  ModalDriver driver;
  driver.ThenPress();  // "Invalid file"
  ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  ASSERT_TRUE(doc->invalid());
  app->mainFrame()->statusBar()->clearMessage();
  EXPECT_TRUE(doc->DoSave(nullptr, false));
  EXPECT_EQ(ReadFile(path), invalid);
  const QString status = app->mainFrame()->statusBar()->currentMessage();
  EXPECT_FALSE(status.startsWith("Saved")) << status.toStdString();
  EXPECT_TRUE(status.contains("left unchanged")) << status.toStdString();
  // A valid chart still says so.
  ChartDocument* valid = app->mainFrame()->OpenDocumentFile(WriteFile("charts/valid.orv", kDefaultChart));
  ASSERT_TRUE(valid->DoSave(nullptr, false));
  EXPECT_TRUE(app->mainFrame()->statusBar()->currentMessage().startsWith("Saved"));
}

// A name the file system holds that is not UTF-8 opens like any other, and
// saving writes to that same name.
TEST_F(WorkingFilesTest, NamesThatAreNotUtf8Open) {
  const QByteArray folder = EncodeFileName(Home("charts"));
  QDir().mkpath(Home("charts"));
  const QByteArray raw = folder + "/bad\xff\xfename.orv";
  {
    const std::string bytes = raw.toStdString();
    FILE* f = std::fopen(bytes.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(kDefaultChart.constData(), 1, static_cast<std::size_t>(kDefaultChart.size()), f);
    std::fclose(f);
  }
  EXPECT_EQ(EncodeFileName(DecodeFileName(raw)), raw);
  ModalDriver driver;
  auto app = Start({DecodeFileName(raw)});
  ASSERT_TRUE(started_);
  ASSERT_EQ(app->mainFrame()->documents().size(), 1);
  ChartDocument* doc = app->mainFrame()->documents().first();
  EXPECT_EQ(doc->image(), kDefaultChart);
  EXPECT_EQ(EncodeFileName(doc->pathName()), raw);
  EXPECT_EQ(driver.captions().size(), 0) << driver.texts().join("|").toStdString();
  doc->SetEditedImage("1\n1\n2000\n12.0000\n0.00\n0.00\n51.30\n");
  ASSERT_TRUE(doc->DoSave(nullptr, false));
  std::FILE* f = std::fopen(raw.constData(), "rb");
  ASSERT_NE(f, nullptr);
  char buffer[64] = {};
  const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
  std::fclose(f);
  EXPECT_EQ(std::string(buffer, n), "1\n1\n2000\n12.0000\n0.00\n0.00\n51.30\n");
}

}  // namespace
}  // namespace orvane::testing
