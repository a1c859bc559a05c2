// One running program per user: a lock left by a crash is taken over, a
// second start hands its files to the running program, and a running
// program that does not answer is named rather than ignored.
#include <sys/time.h>

#include <QElapsedTimer>
#include <QHostInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <functional>

#include "app/single_instance.h"
#include "app_fixture.h"

namespace orvane::testing {
namespace {

class InstanceTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
    QDir().mkpath(Home("run"));
    QFile::setPermissions(Home("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  // The desktop program as a separate process in the same home.
  void StartProgram(QProcess& process, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", Home("config"));
    env.insert("XDG_DATA_HOME", Home("data"));
    env.insert("XDG_RUNTIME_DIR", Home("run"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral(ORVANE_APP_PATH));
    process.setArguments(arguments);
    process.start();
    ASSERT_TRUE(process.waitForStarted(10000));
  }

  static void MakeOld(const QString& path) {
    struct timeval times[2] = {{::time(nullptr) - 7200, 0}, {::time(nullptr) - 7200, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
  }
};

TEST_F(InstanceTest, LockLeftByADeadProcessIsTakenOver) {
  // A process that has ended: its id names no running program.
  QProcess gone;
  gone.start(QStringLiteral("true"));
  ASSERT_TRUE(gone.waitForFinished(10000));
  const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
  QDir().mkpath(paths_.instanceFolder);
  WriteFile("run/orvane/Orvane Lite.lock",
            QByteArray::number(deadPid) + "\norvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  auto app = Start();
  EXPECT_TRUE(started_);
  ASSERT_NE(app->singleInstance(), nullptr);
  EXPECT_TRUE(app->singleInstance()->holdsLock());
}

TEST_F(InstanceTest, ProgramKilledMidRunDoesNotBlockTheNextStart) {
  QProcess first;
  StartProgram(first, {});
  ASSERT_TRUE(WaitFor([&] { return QFile::exists(paths_.ServerName()); }, 15000));
  first.kill();  // SIGKILL: no clean-up at all
  ASSERT_TRUE(first.waitForFinished(10000));
  ASSERT_TRUE(QFile::exists(paths_.LockFile()));

  auto app = Start();
  EXPECT_TRUE(started_);
  EXPECT_TRUE(app->singleInstance()->holdsLock());
  EXPECT_EQ(app->mainFrame()->documents().size(), 1);
}

TEST_F(InstanceTest, SecondStartHandsItsFileToTheRunningProgram) {
  auto app = Start();
  ASSERT_TRUE(started_);
  // However long the program has been running, its lock is not stale.
  MakeOld(paths_.LockFile());
  const QString chart = WriteFile("charts/handed.orv", kDefaultChart);
  QProcess second;
  StartProgram(second, {chart});
  ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000))
      << "the second start did not end";
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  ASSERT_TRUE(WaitFor([&] { return app->mainFrame()->documents().size() == 2; }, 5000));
  EXPECT_EQ(app->mainFrame()->documents().last()->pathName(), chart);
  EXPECT_TRUE(app->singleInstance()->holdsLock());
}

TEST_F(InstanceTest, RunningProgramThatDoesNotAnswerIsNamed) {
  // The lock is held by a live process (this one) that accepts nothing.
  QDir().mkpath(paths_.instanceFolder);
  QLockFile held(paths_.LockFile());
  ASSERT_TRUE(held.tryLock(0));
  const QString chart = WriteFile("charts/late.orv", kDefaultChart);
  ModalDriver driver;
  driver.ThenPress();
  auto app = Start({chart});
  EXPECT_FALSE(started_);
  EXPECT_EQ(app->exitCode(), 1);
  ASSERT_EQ(driver.captions().size(), 1);
  EXPECT_EQ(driver.captions()[0], "Orvane Lite");
  EXPECT_TRUE(driver.texts()[0].startsWith("Orvane Lite is already running"));
  EXPECT_TRUE(driver.texts()[0].contains(chart));
  EXPECT_EQ(app->mainFrame(), nullptr);
}

}  // namespace
}  // namespace orvane::testing
