// A second start hands its files to the running program: every name arrives
// whole whatever bytes it holds, nothing else is accepted on the socket,
// starts that race all reach one program, and a lock folder that is not the
// user's own is never used.
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <functional>
#include <memory>
#include <vector>

#include "app/single_instance.h"
#include "app_fixture.h"
#include "display/file_names.h"

namespace orvane::testing {
namespace {

class HandoverTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
    QDir().mkpath(Home("run"));
    QFile::setPermissions(Home("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", Home("config"));
    env.insert("XDG_DATA_HOME", Home("data"));
    env.insert("XDG_RUNTIME_DIR", Home("run"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
  }

  QStringList OpenedPaths(DesktopApp& app) const {
    QStringList paths;
    for (ChartDocument* doc : app.mainFrame()->documents()) paths += doc->pathName();
    return paths;
  }

  QStringList RecentFilesOnDisk() const {
    QSettings store(paths_.recentFilesFile, QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Recent File List"));
    QStringList files;
    for (int i = 1; i <= 9; ++i) {
      const QString path = store.value(QStringLiteral("File%1").arg(i)).toString();
      if (!path.isEmpty()) files += path;
    }
    return files;
  }
};

TEST_F(HandoverTest, EveryNameArrivesWholeAndNothingElseIsAccepted) {
  auto app = Start();
  ASSERT_TRUE(started_);
  const QString charts = Home("charts");
  const QString twoLines = WriteFile("charts/two\nlines.orv", kDefaultChart);
  WriteFile("charts/two", kDefaultChart);  // what a split name would open
  const QString victim = WriteFile("victim.orv", kDefaultChart);
  const QByteArray badName = EncodeFileName(charts) + "/bad\xff\xfename.orv";
  {
    std::FILE* f = std::fopen(badName.constData(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(kDefaultChart.constData(), 1, static_cast<std::size_t>(kDefaultChart.size()), f);
    std::fclose(f);
  }

  // The second start gets its arguments as raw bytes from a shell: a
  // newline in a name, bytes that are not UTF-8, and a relative argument
  // that holds a whole request of the old line protocol.
  QProcess second;
  second.setProcessEnvironment(Environment());
  second.setWorkingDirectory(charts);
  second.setProgram(QStringLiteral("/bin/sh"));
  second.setArguments({QStringLiteral("-c"),
                       QStringLiteral("exec \"$0\" \"$(printf '%b' \"$1\")\" \"$(printf '%b' \"$2\")\" "
                                      "\"$(printf '%b' \"$3\")\""),
                       QStringLiteral(ORVANE_APP_PATH), QStringLiteral("two\\nlines.orv"),
                       QStringLiteral("bad\\0377\\0376name.orv"), QStringLiteral("x\\nOPEN\\t") + victim});
  ModalDriver driver;  // the third name is no file: "cannot be opened"
  driver.ThenPress();
  second.start();
  ASSERT_TRUE(second.waitForStarted(10000));
  ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  ASSERT_TRUE(WaitFor([&] { return app->mainFrame()->documents().size() == 3 && driver.texts().size() == 1; }, 10000))
      << OpenedPaths(*app).join("|").toStdString() << " / " << driver.texts().join("|").toStdString();
  const QStringList opened = OpenedPaths(*app);
  EXPECT_EQ(opened[1], twoLines);
  EXPECT_EQ(EncodeFileName(opened[2]), badName);
  EXPECT_FALSE(opened.contains(charts + "/two"));
  EXPECT_FALSE(opened.contains(victim));
  EXPECT_TRUE(driver.texts()[0].contains("cannot be opened"));
  // The message shows the name on one line, its newline and tab escaped.
  EXPECT_TRUE(driver.texts()[0].contains("x\\x0aOPEN\\x09")) << driver.texts()[0].toStdString();

  // A request in the old line protocol, or any other bytes, is dropped.
  for (const QByteArray& request : {QByteArray("OPEN\t") + victim.toUtf8() + "\nEND\n",
                                    QByteArray("ORVANE-HANDOVER 1\nOPEN 3\n") + victim.toUtf8() + "\nEND\n"}) {
    QLocalSocket socket;
    socket.connectToServer(paths_.ServerName());
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write(request);
    socket.flush();
    bool answered = false;
    WaitFor([&] {
      answered = answered || socket.bytesAvailable() > 0;
      return socket.state() == QLocalSocket::UnconnectedState;
    }, 5000);
    EXPECT_FALSE(answered || socket.readAll().startsWith("OK"));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(app->mainFrame()->documents().size(), 3);
}

// Five copies started at once: one runs, the other four hand their files to
// it and end with status 0, whatever the order in which they get going.
TEST_F(HandoverTest, StartsThatRaceAllReachOneProgram) {
  constexpr int kCopies = 5;
  constexpr int kRounds = 3;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    QFile::remove(paths_.recentFilesFile);
    QStringList charts;
    for (int i = 0; i < kCopies; ++i) {
      charts += WriteFile(QStringLiteral("charts/round%1/chart%2.orv").arg(round).arg(i), kDefaultChart);
    }
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < kCopies; ++i) {
      copies.push_back(std::make_unique<QProcess>());
      copies.back()->setProcessEnvironment(Environment());
      copies.back()->setProgram(QStringLiteral(ORVANE_APP_PATH));
      copies.back()->setArguments({charts[i]});
    }
    for (auto& copy : copies) copy->start();
    for (auto& copy : copies) ASSERT_TRUE(copy->waitForStarted(10000));
    auto running = [&] {
      int count = 0;
      for (auto& copy : copies) count += copy->state() != QProcess::NotRunning;
      return count;
    };
    EXPECT_TRUE(WaitFor([&] { return running() == 1; }, 60000)) << running() << " still running";
    for (auto& copy : copies) {
      if (copy->state() == QProcess::NotRunning) {
        EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
      }
    }
    // The one left has every file open (each open goes to the recent list).
    EXPECT_TRUE(WaitFor([&] { return RecentFilesOnDisk().size() == kCopies; }, 20000))
        << RecentFilesOnDisk().join("|").toStdString();
    for (const QString& chart : charts) EXPECT_TRUE(RecentFilesOnDisk().contains(chart)) << chart.toStdString();
    for (auto& copy : copies) {
      if (copy->state() != QProcess::NotRunning) {
        copy->kill();
        copy->waitForFinished(10000);
      }
    }
  }
}

// The folder of the lock and the socket must be the user's own: a link in
// its place or another user's folder means running without handing over.
TEST_F(HandoverTest, LockFolderThatIsNotTheUsersOwnIsNotUsed) {
  struct Case {
    const char* name;
    std::function<bool(const QString& folder)> make;
  };
  const Case cases[] = {
      {"a link to a folder someone made",
       [this](const QString& folder) {
         QDir().mkpath(Home("elsewhere"));
         return QFile::link(Home("elsewhere"), folder);
       }},
      {"a folder of another user",
       [](const QString& folder) {
         if (::geteuid() != 0) return false;  // only root can make one
         QDir().mkpath(folder);
         const std::string bytes = FileNameBytes(folder);
         return ::chmod(bytes.c_str(), 0777) == 0 && ::chown(bytes.c_str(), 65534, 65534) == 0;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(paths_.instanceFolder).removeRecursively();
    QFile::remove(paths_.instanceFolder);
    if (!c.make(paths_.instanceFolder)) continue;
    auto app = Start();
    ASSERT_TRUE(started_);
    ASSERT_NE(app->singleInstance(), nullptr);
    EXPECT_FALSE(app->singleInstance()->holdsLock());
    EXPECT_TRUE(app->singleInstance()->problem().contains(paths_.instanceFolder))
        << app->singleInstance()->problem().toStdString();
    EXPECT_FALSE(QFileInfo::exists(paths_.LockFile()));
    EXPECT_FALSE(QFileInfo::exists(paths_.ServerName()));
    EXPECT_EQ(app->mainFrame()->documents().size(), 1);
  }
  QDir(Home("elsewhere")).removeRecursively();
}

}  // namespace
}  // namespace orvane::testing
