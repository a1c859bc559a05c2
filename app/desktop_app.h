// The application: single-instance start, the settings file with its first-
// run sequence, the main frame and the command line, the splash screen, the
// recent-file list and the preference commands.
#pragma once

#include <QCoreApplication>

#include <QObject>
#include <QStringList>
#include <memory>

#include "app/app_paths.h"
#include "io/settings.h"

class QPrinter;
class QSplashScreen;
class QWidget;

namespace orvane {

class CMainFrame;
class RunFolder;
class SingleInstance;

// The texts of the first-run sequence and of the ayanamsa notice.
inline constexpr char kWelcomeCaption[] = QT_TRANSLATE_NOOP("Orvane", "Welcome to Meruvan's \"Orvane Lite\"!");
inline constexpr char kWelcomeText[] = QT_TRANSLATE_NOOP(
    "Orvane",
    "Welcome!\n\nIt looks like you are using this version of software for the first time!\n\nYou need to "
    "set some preferences so that charts can be calculated correctly and displayed conveniently.\n\nPlease "
    "select your preferences carefully.\n\nNote that these preferences may be changed later, using the menu "
    "item \"Preferences\".\n\nHave fun with this software! May Lord Talvesh bless you!!");
inline constexpr char kExtensionCaption[] =
    QT_TRANSLATE_NOOP("Orvane", "IMPORTANT - Extension changed from *.dat to *.orv");
inline constexpr char kExtensionText[] = QT_TRANSLATE_NOOP(
    "Orvane",
    "Orvane Lite 1.1 used *.dat extension for its data files. The extension has been changed to *.orv in this "
    "release.\n\nYou will still be able to open old *.dat files saved with Orvane Lite 1.0 or 1.1. When you get "
    "the \"File Open\" dialog box, it will show *.orv files by default, but you will be able to open *.dat "
    "files as well. Change the selection under \"Files of type\" to select *.dat files.\n\nOrvane Lite only "
    "tells your desktop about *.orv files (it installs the file type \"application/x-orvane-chart\"). If your "
    "file manager still shows Orvane's icon with *.dat files from an older setup, this is not at all a problem. "
    "But, if it irritates you, open the file manager, right-click a *.dat file, choose \"Properties\" >> \"Open "
    "With\" and pick another program (or run \"xdg-mime default\" with the program of your choice in a "
    "terminal).\n\nBy doing this, however, you lose the ability to open an old chart file by double clicking on "
    "it in the file manager. Of course, you can still open it by selecting \"File\" >> \"Open\" in Orvane "
    "Lite.");
inline constexpr char kSuccessCaption[] = QT_TRANSLATE_NOOP("Orvane", "Enjoy Meruvan's \"Orvane Lite\"!");
inline constexpr char kSuccessText[] = QT_TRANSLATE_NOOP(
    "Orvane",
    "Success! You have successfully set your preferences. Note that these preferences may be changed later, "
    "using the menu item \"Preferences\".\n\nHave fun with this software! May Lord Talvesh bless you!!");
inline constexpr char kNonlinearCaption[] = QT_TRANSLATE_NOOP("Orvane", "Using a nonlinear ayanamsa");
inline constexpr char kNonlinearText[] = QT_TRANSLATE_NOOP(
    "Orvane",
    "Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear "
    "ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of "
    "Tajaka charts, for example.\n\nIf you don't understand this message, don't worry. This program is doing the "
    "right thing.");

// Sets the C library's number format back to "C" after QApplication has
// adopted the user's locale: files and report text always use a decimal
// point.
void UseCNumericLocale();

class DesktopApp : public QObject {
  Q_OBJECT

 public:
  explicit DesktopApp(AppPaths paths, QObject* parent = nullptr);
  ~DesktopApp() override;

  // The splash screen (on by default); tests turn it off.
  void SetSplashEnabled(bool enabled) { splashEnabled_ = enabled; }

  // Start-up in order: single instance, first-run check, recent files, main
  // frame, document types, command line (no file: a new prasna chart; file
  // names: those charts), then the main window (maximized; after the splash
  // unless this is a first run). Returns false when the program should end
  // now: another instance took over (exitCode() 0), or it could not start.
  bool InitInstance(const QStringList& arguments);
  int exitCode() const { return exitCode_; }

  const AppPaths& paths() const { return paths_; }
  // The private folder of this run inside the working folder (the chart
  // views compute in memory and write nothing there): made at start,
  // removed at exit; another copy of the program never shares it.
  QString runFolder() const;
  // Makes the run folder when it is not there; false with a reason.
  bool PrepareRunFolder(QString* error);
  const Settings& settings() const { return settings_; }
  bool firstRun() const { return firstRun_; }
  bool settingsLoaded() const { return settingsLoaded_; }
  // The settings file is there but cannot be read: the program runs on the
  // defaults and never replaces that file.
  bool settingsUnreadable() const { return settingsUnreadable_; }
  CMainFrame* mainFrame() const { return mainFrame_.get(); }
  SingleInstance* singleInstance() const { return instance_.get(); }
  // The parent of message boxes and dialogs: the main window once shown.
  QWidget* DialogParent() const;
  int NextViewSerial() { return ++viewSerial_; }

  // Called by every chart view: loads the settings once per run, or runs
  // the first-run sequence (welcome, the seven preference dialogs, the
  // extension notice, saving, the success message).
  void EnsureSettings();
  // Writes the settings file; a failure is reported in a message box.
  bool SaveSettingsReported();

  // Preference commands. Once the settings are loaded each ends by saving
  // them and, where the chart depends on it, recomputing the charts.
  void OnChartStyle();
  void OnAyanamsa();
  void OnDaysInYear();
  void OnSpecialLagnaDisplay();
  void OnUpagrahaOptions();
  void OnHoraChart();
  void OnEphemeris();
  void OnPrintItems();
  void OnLanguage();
  void OnDefaultLocation();
  void OnAppAbout();
  void OnFilePrintSetup();
  // The printer of Print Set-up, Print and Print Preview (made when first
  // needed), so that the chosen paper and printer carry over between jobs.
  QPrinter& printer();

  // The nine most recent files, newest first, kept with QSettings.
  QStringList RecentFiles() const;
  void AddToRecentFileList(const QString& path);
  void RemoveFromRecentFileList(const QString& path);

 signals:
  void settingsChanged(bool recompute);
  void recentFilesChanged();

 private:
  template <typename Dialog>
  bool RunPreferenceDialog();
  void AfterPreference(bool recompute);
  void ShowMainWindow();
  void OpenFromSecondInstance(const QString& path);
  void WriteRecentFiles(const QStringList& files);

  AppPaths paths_;
  Settings settings_;
  bool firstRun_ = false;
  bool settingsLoaded_ = false;
  bool settingsUnreadable_ = false;
  bool splashEnabled_ = true;
  bool inFirstRunSequence_ = false;
  int exitCode_ = 0;
  int viewSerial_ = 0;
  std::unique_ptr<RunFolder> runFolder_;
  std::unique_ptr<SingleInstance> instance_;
  std::unique_ptr<CMainFrame> mainFrame_;
  std::unique_ptr<QSplashScreen> splash_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace orvane
