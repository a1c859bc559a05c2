// Where the desktop program keeps its files: the settings file, the recent-
// file list, the private working folder of the views' chart data files, and
// the per-user folder of the single-instance lock and its local socket.
#pragma once

#include <QString>

namespace orvane {

struct AppPaths {
  QString settingsFile;     // ".../orvane/orl4011.ini"
  QString recentFilesFile;  // QSettings (INI) file of the nine recent files
  QString workingFolder;    // private (0700): the views' working chart files
  QString instanceFolder;   // the lock file and the socket of the running program
  QString libraryFile;      // the chart library, ".../orvane/charts.sqlite" in the data folder

  // The per-user folders: the configuration folder (io's DefaultSettingsPath),
  // the data folder and the runtime folder given by QStandardPaths.
  static AppPaths Defaults();
  // The same layout below explicit configuration, data and runtime folders.
  static AppPaths InFolders(const QString& configHome, const QString& dataHome, const QString& runtimeHome);

  QString LockFile() const;    // instanceFolder + "/Orvane Lite.lock"
  QString ServerName() const;  // instanceFolder + "/Orvane Lite" (a local socket)
};

// Creates `folder` (and its parents) when missing and restricts it to the
// user (0700). A folder that is a symbolic link or belongs to another user
// is refused. Returns false with a reason naming the folder.
bool MakePrivateFolder(const QString& folder, QString* error);

}  // namespace orvane
