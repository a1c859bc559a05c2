// A desktop program in a temporary home: its own configuration, data and
// runtime folders, so that tests never touch the user's files and never
// meet each other's lock.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include "app/app_paths.h"
#include "app/child_frame.h"
#include "app/desktop_app.h"
#include "app/chart_document.h"
#include "app/main_frame.h"
#include "app/chart_view.h"
#include "app/language.h"
#include "io/settings.h"
#include "modal_driver.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << ::testing::PrintToString(bytes.toStdString()); }

namespace orvane::testing {

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QApplication::setQuitOnLastWindowClosed(false);
    paths_ = AppPaths::InFolders(Home("config"), Home("data"), Home("run"));
  }

  // A program started in another language leaves the process in English.
  void TearDown() override { InstallLanguage(QStringLiteral("en")); }

  QString Home(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

  // Runs this process's event loop until `done` or `ms` pass.
  static bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
      if (timer.elapsed() > ms) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(5);
    }
    return true;
  }

  void WriteSettings(const Settings& settings = {}) {
    std::string error;
    ASSERT_TRUE(SaveSettings(paths_.settingsFile.toStdString(), settings, &error)) << error;
  }

  // Starts the program with `files` on its command line (no splash screen).
  std::unique_ptr<DesktopApp> Start(const QStringList& files = {}) {
    auto app = std::make_unique<DesktopApp>(paths_);
    app->SetSplashEnabled(false);
    started_ = app->InitInstance(QStringList{QStringLiteral("orvane")} + files);
    return app;
  }

  QString WriteFile(const QString& name, const QByteArray& bytes) const {
    const QString path = Home(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
  }

  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  static ChartView* ViewOf(CMainFrame& frame, ChartDocument* doc) {
    const QList<CChildFrame*> frames = frame.framesOf(doc);
    return frames.isEmpty() ? nullptr : frames.first()->view();
  }

  static QLineEdit* Edit(QWidget* dialog, const char* name) {
    auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
  }
  static void SetText(QWidget* dialog, const char* name, const QString& text) {
    if (QLineEdit* edit = Edit(dialog, name)) edit->setText(text);
  }
  static QString TextOf(QWidget* dialog, const char* name) {
    QLineEdit* edit = Edit(dialog, name);
    return edit ? edit->text() : QString();
  }
  template <typename Button>
  static Button* Find(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<Button*>(QLatin1String(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  static void Check(QWidget* dialog, const char* name, bool on = true) {
    if (auto* radio = dialog->findChild<QRadioButton*>(QLatin1String(name))) {
      radio->setChecked(on);
    } else if (auto* box = Find<QCheckBox>(dialog, name)) {
      box->setChecked(on);
    }
  }
  static bool IsChecked(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    return button && button->isChecked();
  }

  QTemporaryDir dir_;
  AppPaths paths_;
  bool started_ = false;
};

// The start-up default chart: 4 April 1970, 17:50, 5:30 East, 81° 12' E, 16° 15' N.
inline const QByteArray kDefaultChart = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";

}  // namespace orvane::testing
