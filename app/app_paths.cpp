#include "app/app_paths.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "display/file_names.h"
#include "io/settings.h"
#include "io/user_folder.h"

namespace orvane {
namespace {

constexpr char kInstanceName[] = "Orvane Lite";

}  // namespace

AppPaths AppPaths::Defaults() {
  AppPaths paths;
  paths.settingsFile = QString::fromStdString(DefaultSettingsPath());
  if (paths.settingsFile.isEmpty()) {
    paths.settingsFile = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/orvane/" +
                         QString::fromLatin1(kSettingsFileName.data(), qsizetype(kSettingsFileName.size()));
  }
  const QString configFolder = QFileInfo(paths.settingsFile).absolutePath();
  paths.recentFilesFile = configFolder + "/recent-files.ini";
  paths.workingFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/orvane/work";
  paths.libraryFile = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/orvane/charts.sqlite";
  // Without a runtime folder of the user's own the lock and the socket go
  // to a folder named after the user in the temporary folder; whichever it
  // is, it must be the user's (MakePrivateFolder checks).
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  paths.instanceFolder = runtime.isEmpty() ? QDir::tempPath() + "/orvane-" + QString::number(::geteuid())
                                           : runtime + "/orvane";
  return paths;
}

AppPaths AppPaths::InFolders(const QString& configHome, const QString& dataHome, const QString& runtimeHome) {
  AppPaths paths;
  paths.settingsFile = configHome + "/orvane/" +
                       QString::fromLatin1(kSettingsFileName.data(), qsizetype(kSettingsFileName.size()));
  paths.recentFilesFile = configHome + "/orvane/recent-files.ini";
  paths.workingFolder = dataHome + "/orvane/work";
  paths.libraryFile = dataHome + "/orvane/charts.sqlite";
  paths.instanceFolder = runtimeHome + "/orvane";
  return paths;
}

QString AppPaths::LockFile() const { return instanceFolder + "/" + kInstanceName + ".lock"; }

QString AppPaths::ServerName() const { return instanceFolder + "/" + kInstanceName; }

bool MakePrivateFolder(const QString& folder, QString* error) {
  std::string reason;
  if (!MakeUserFolder(FileNameBytes(folder), &reason)) {
    if (error) {
      // "the folder "…" belongs to another user" as a sentence.
      *error = QString::fromStdString(reason) + QLatin1Char('.');
      if (!error->isEmpty()) (*error)[0] = (*error)[0].toUpper();
    }
    return false;
  }
  return true;
}

}  // namespace orvane
