#include "app/app_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "io/settings.h"

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
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  paths.instanceFolder = runtime + "/orvane";
  return paths;
}

AppPaths AppPaths::InFolders(const QString& configHome, const QString& dataHome, const QString& runtimeHome) {
  AppPaths paths;
  paths.settingsFile = configHome + "/orvane/" +
                       QString::fromLatin1(kSettingsFileName.data(), qsizetype(kSettingsFileName.size()));
  paths.recentFilesFile = configHome + "/orvane/recent-files.ini";
  paths.workingFolder = dataHome + "/orvane/work";
  paths.instanceFolder = runtimeHome + "/orvane";
  return paths;
}

QString AppPaths::LockFile() const { return instanceFolder + "/" + kInstanceName + ".lock"; }

QString AppPaths::ServerName() const { return instanceFolder + "/" + kInstanceName; }

bool MakePrivateFolder(const QString& folder, QString* error) {
  if (!QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("The folder \"%1\" cannot be created.").arg(QDir::toNativeSeparators(folder));
    return false;
  }
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return true;
}

}  // namespace orvane
