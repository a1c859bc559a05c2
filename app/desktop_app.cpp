#include "app/desktop_app.h"

#include "app/language.h"

#include "app/window_place.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QSplashScreen>
#include <QTimer>
#include <clocale>
#include <string>

#include "app/plain_text_labels.h"
#include "app/artwork.h"
#include "app/main_frame.h"
#include "app/single_instance.h"
#include "display/file_names.h"
#include "io/user_folder.h"
#include "dialogs/preference_dlgs.h"

namespace orvane {
namespace {

constexpr char kAppTitle[] = "Orvane Lite";
constexpr int kSplashMilliseconds = 1500;
constexpr char kRecentGroup[] = "Recent File List";

// Message texts keep their line ends as written; a message box wants plain
// line feeds.
// A text of the first-run sequence in the chosen language, with plain line ends.
QString Shown(const char* text) {
  return QCoreApplication::translate("Orvane", text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

void UseCNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

DesktopApp::DesktopApp(AppPaths paths, QObject* parent)
    : QObject(parent),
      paths_(std::move(paths)),
      runFolder_(std::make_unique<RunFolder>(FileNameBytes(paths_.workingFolder))) {
  PlainTextLabels::Install();
}

DesktopApp::~DesktopApp() {
  splash_.reset();
  mainFrame_.reset();
  // After the views, which remove their own files first.
  runFolder_.reset();
  instance_.reset();
}

QString DesktopApp::runFolder() const { return DecodeFileName(QByteArray::fromStdString(runFolder_->path())); }

bool DesktopApp::PrepareRunFolder(QString* error) {
  std::string reason;
  if (runFolder_->Create(&reason)) return true;
  if (error) {
    *error = QString::fromStdString(reason) + QLatin1Char('.');
    (*error)[0] = (*error)[0].toUpper();
  }
  return false;
}

QWidget* DesktopApp::DialogParent() const {
  return mainFrame_ && mainFrame_->isVisible() ? mainFrame_.get() : nullptr;
}

bool DesktopApp::InitInstance(const QStringList& arguments) {
  // Everything after the program's name is a chart file to open (the
  // toolkit has already taken its own options out). Names come as
  // DecodeFileName gives them, so that any name the file system holds
  // can be opened.
  QStringList files;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (!arguments[i].isEmpty()) files += AbsoluteFileName(arguments[i]);
  }

  // The Match, Transits and dasa-browser windows come back where they were
  // left, remembered beside the recent-file list.
  SetWindowPlaceFile(paths_.recentFilesFile.isEmpty()
                         ? QString()
                         : QFileInfo(paths_.recentFilesFile).absolutePath() + QStringLiteral("/windows.ini"));

  // 1. One program per user. A second start hands its files over.
  instance_ = std::make_unique<SingleInstance>(paths_);
  switch (instance_->Acquire(files)) {
    case SingleInstance::Result::kHandedOver:
      exitCode_ = 0;
      return false;
    case SingleInstance::Result::kRunningNoAnswer:
      QMessageBox::information(nullptr, kAppTitle,
                               files.isEmpty()
                                   ? tr("Orvane Lite is already running.")
                                   : tr("Orvane Lite is already running, but it did not answer.\n\nPlease open \"%1\" "
                                        "from its File menu.")
                                         .arg(ShownFileName(QDir::toNativeSeparators(files.first()))));
      exitCode_ = 1;
      return false;
    case SingleInstance::Result::kFirst:
      break;
  }
  if (!instance_->problem().isEmpty()) qWarning("%s", qPrintable(instance_->problem()));
  connect(instance_.get(), &SingleInstance::openRequested, this, &DesktopApp::OpenFromSecondInstance);
  connect(instance_.get(), &SingleInstance::activateRequested, this, &DesktopApp::ShowMainWindow);

  // The private folder of this run (stale ones of ended runs are removed
  // on the way); the charts are computed in memory, so a failure here
  // stops nothing.
  PrepareRunFolder(nullptr);

  // 2. A settings file of this version means the preferences are set; one
  // that cannot be read is no first run (its preferences are not lost).
  Settings probe;
  const SettingsStatus settingsStatus = LoadSettings(FileNameBytes(paths_.settingsFile), probe).status;
  firstRun_ = settingsStatus != SettingsStatus::kLoaded && settingsStatus != SettingsStatus::kUnreadable;
  // The language goes in before the first window is made: menus and
  // dialogs take their texts when they are built.
  InstallLanguage(ChosenLanguage(probe));

  // 3.-5. Recent files are read on demand; the main frame (which writes the
  // default working chart file) accepts dropped files; the document types
  // are the static table of doc_template.h.
  mainFrame_ = std::make_unique<CMainFrame>(*this);
  connect(this, &DesktopApp::settingsChanged, mainFrame_.get(), &CMainFrame::RefreshAllViews);

  if (!firstRun_ && splashEnabled_) {
    splash_ = std::make_unique<QSplashScreen>(SplashPixmap());
    splash_->show();
    QTimer::singleShot(kSplashMilliseconds, this, [this] {
      if (splash_) splash_->close();
      splash_.reset();
      ShowMainWindow();
    });
  }

  // 6. The command line: a new prasna chart, or the files named. A start
  // whose files could not be opened still shows a chart.
  bool opened = false;
  for (const QString& file : files) opened = mainFrame_->OpenDocumentFile(file) != nullptr || opened;
  if (!opened) mainFrame_->OnFileNew();

  // 7. The main window, maximized (after the splash screen when there is one).
  if (!splash_) ShowMainWindow();
  return true;
}

void DesktopApp::ShowMainWindow() {
  if (!mainFrame_) return;
  if (splash_) return;  // the splash timer shows it
  if (!mainFrame_->isVisible()) {
    // Without a window manager "maximized" means nothing: the window then
    // takes the screen's free area itself.
    if (const QScreen* screen = mainFrame_->screen()) mainFrame_->setGeometry(screen->availableGeometry());
    mainFrame_->showMaximized();
  }
  mainFrame_->raise();
  mainFrame_->activateWindow();
}

void DesktopApp::OpenFromSecondInstance(const QString& path) {
  ShowMainWindow();
  if (mainFrame_) mainFrame_->OpenDocumentFile(path);
}

// ---- settings

void DesktopApp::EnsureSettings() {
  if (settingsLoaded_ || inFirstRunSequence_) return;
  const SettingsParseResult read = LoadSettings(FileNameBytes(paths_.settingsFile), settings_);
  if (read.status == SettingsStatus::kLoaded) {
    if (!read.message.empty()) qWarning("%s: %s", qPrintable(paths_.settingsFile), read.message.c_str());
    settingsLoaded_ = true;
    return;
  }
  if (read.status == SettingsStatus::kUnreadable) {
    // Replacing the file would lose the preferences it may hold, and a
    // first run would come back at every start.
    settingsUnreadable_ = true;
    settingsLoaded_ = true;
    QMessageBox::warning(
        DialogParent(), kAppTitle,
        tr("Your preferences cannot be read from \"%1\".\n\n%2\n\nOrvane Lite uses the "
           "default preferences for now and leaves that file as it is. Preferences "
           "you change are not saved until the file can be read again.")
            .arg(ShownFileName(QDir::toNativeSeparators(paths_.settingsFile)), QString::fromStdString(read.message)));
    return;
  }
  const bool olderSettings = QFileInfo::exists(paths_.settingsFile);
  firstRun_ = true;
  inFirstRunSequence_ = true;
  QMessageBox::information(DialogParent(), Shown(kWelcomeCaption), Shown(kWelcomeText));
  OnChartStyle();
  OnAyanamsa();
  OnDaysInYear();
  OnSpecialLagnaDisplay();
  OnUpagrahaOptions();
  OnPrintItems();
  OnDefaultLocation();
  // The notice about the older version's file extension is for those who
  // used it: a settings file of another version is there. A new user has
  // never seen a ".dat" chart of this program.
  if (olderSettings) QMessageBox::information(DialogParent(), Shown(kExtensionCaption), Shown(kExtensionText));
  // Success is announced only once the preferences are on disk.
  if (SaveSettingsReported()) QMessageBox::information(DialogParent(), Shown(kSuccessCaption), Shown(kSuccessText));
  inFirstRunSequence_ = false;
  settingsLoaded_ = true;
}

bool DesktopApp::SaveSettingsReported() {
  std::string error;
  if (SaveSettings(FileNameBytes(paths_.settingsFile), settings_, &error)) return true;
  QMessageBox::warning(
      DialogParent(), kAppTitle,
      tr("Your preferences could not be saved in \"%1\".\n\n%2\n\nThey stay in effect "
         "until Orvane Lite is closed.")
          .arg(ShownFileName(QDir::toNativeSeparators(paths_.settingsFile)), QString::fromStdString(error)));
  return false;
}

template <typename Dialog>
bool DesktopApp::RunPreferenceDialog() {
  Dialog dialog(settings_, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Store(settings_);
  return true;
}

void DesktopApp::AfterPreference(bool recompute) {
  // During the first-run sequence the settings are saved once at its end.
  if (!settingsLoaded_) return;
  SaveSettingsReported();
  emit settingsChanged(recompute);
}

void DesktopApp::OnChartStyle() {
  if (RunPreferenceDialog<CChartStyleDlg>()) AfterPreference(false);
}

void DesktopApp::OnAyanamsa() {
  if (!RunPreferenceDialog<CAyanamsaDlg>()) return;
  if (settingsLoaded_) QMessageBox::information(DialogParent(), Shown(kNonlinearCaption), Shown(kNonlinearText));
  AfterPreference(true);
}

void DesktopApp::OnDaysInYear() {
  if (RunPreferenceDialog<CDaysInYearDlg>()) AfterPreference(true);
}

void DesktopApp::OnSpecialLagnaDisplay() {
  CSpecialLagnaDlg dialog(settings_, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return;
  dialog.Store(settings_);
  if (dialog.onlySomePadas()) {
    CPadasDlg padas(settings_, DialogParent());
    if (padas.exec() == QDialog::Accepted) padas.Store(settings_);
  }
  AfterPreference(true);
}

void DesktopApp::OnUpagrahaOptions() {
  if (RunPreferenceDialog<CUpagrahaOptionsDlg>()) AfterPreference(true);
}

void DesktopApp::OnHoraChart() {
  if (RunPreferenceDialog<CHoraChartDlg>()) AfterPreference(false);
}

void DesktopApp::OnEphemeris() {
  if (RunPreferenceDialog<CEphemerisDlg>()) AfterPreference(true);
}

void DesktopApp::OnLanguage() {
  EnsureSettings();
  QStringList names;
  const QStringList languages = AvailableLanguages();
  for (const QString& code : languages) names << LanguageNativeName(code);
  CLanguageDlg dialog(settings_, languages, names, DialogParent());
  if (dialog.exec() != QDialog::Accepted) return;
  dialog.Store(settings_);
  // The charts redraw in the new language at once; the menus, made at the
  // start, take it at the next start.
  const QString wanted = ChosenLanguage(settings_);
  if (InstallLanguage(wanted) != wanted) {
    QMessageBox::information(DialogParent(), tr("Language"),
                             tr("No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite "
                                "stays in English.")
                                 .arg(LanguageNativeName(wanted)));
  }
  AfterPreference(true);
}

void DesktopApp::OnPrintItems() {
  if (RunPreferenceDialog<CPrintPrefsDlg>() && settingsLoaded_) SaveSettingsReported();
}

void DesktopApp::OnDefaultLocation() {
  if (RunPreferenceDialog<CLocationDlg>()) AfterPreference(true);
}

void DesktopApp::OnAppAbout() {
  CAboutDlg about(AppIconPixmap(64), DialogParent());
  about.exec();
}

void DesktopApp::OnFilePrintSetup() {
  QPageSetupDialog dialog(&printer(), DialogParent());
  dialog.exec();
}

QPrinter& DesktopApp::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

// ---- recent files

QStringList DesktopApp::RecentFiles() const {
  QSettings store(paths_.recentFilesFile, QSettings::IniFormat);
  store.beginGroup(kRecentGroup);
  QStringList files;
  for (int i = 1; i <= CMainFrame::kRecentFileCount; ++i) {
    const QString path = store.value(QStringLiteral("File%1").arg(i)).toString();
    if (!path.isEmpty() && !files.contains(path)) files += path;
  }
  return files;
}

void DesktopApp::WriteRecentFiles(const QStringList& files) {
  QSettings store(paths_.recentFilesFile, QSettings::IniFormat);
  store.remove(kRecentGroup);
  store.beginGroup(kRecentGroup);
  for (qsizetype i = 0; i < files.size() && i < CMainFrame::kRecentFileCount; ++i) {
    store.setValue(QStringLiteral("File%1").arg(i + 1), files[i]);
  }
  store.endGroup();
  store.sync();
  if (store.status() != QSettings::NoError) {
    qWarning("The recent-file list cannot be written to %s", qPrintable(paths_.recentFilesFile));
  }
  emit recentFilesChanged();
}

void DesktopApp::AddToRecentFileList(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = RecentFiles();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > CMainFrame::kRecentFileCount) files.removeLast();
  WriteRecentFiles(files);
}

void DesktopApp::RemoveFromRecentFileList(const QString& path) {
  QStringList files = RecentFiles();
  if (files.removeAll(QFileInfo(path).absoluteFilePath()) > 0) WriteRecentFiles(files);
}

}  // namespace orvane
