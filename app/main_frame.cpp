#include "app/main_frame.h"

#include "app/library_panel.h"
#include "app/match_commands.h"
#include "app/panchanga_window.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <string>

#include "app/app_paths.h"
#include "app/artwork.h"
#include "app/child_frame.h"
#include "app/desktop_app.h"
#include "app/chart_document.h"
#include "app/chart_view.h"
#include "app/report_window.h"
#include "report/sections.h"
#include "app/user_guide.h"
#include "display/file_names.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

bool SamePath(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
  if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
  return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

CMainFrame::CMainFrame(DesktopApp& app) : app_(app), mdi_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("CMainFrame"));
  setWindowTitle(QCoreApplication::translate("Orvane", "Orvane Lite"));
  setWindowIcon(AppIcon());
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  mdi_->setViewMode(QMdiArea::SubWindowView);
  mdi_->setBackground(QColor(0x8c, 0x86, 0x98));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  setAcceptDrops(true);

  CreateActions();
  CreateViewCommands();
  CreateMenus();
  CreateToolBar();
  auto* ready = new QLabel(QCoreApplication::translate("Orvane", "Ready"), this);
  statusBar()->addWidget(ready, 1);
  engineStatus_ = new QLabel(this);
  engineStatus_->setObjectName(QStringLiteral("engineStatus"));
  statusBar()->addPermanentWidget(engineStatus_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandStates);
  connect(&app_, &DesktopApp::settingsChanged, this, &CMainFrame::UpdateCommandStates);
  // A chart whose file failed validation shows the current moment: coming
  // back to its window casts it afresh.
  connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
    auto* frame = qobject_cast<CChildFrame*>(window);
    if (frame && frame->document().invalid() && frame->view()->hasChart()) frame->view()->RefreshScreen();
  });
  connect(&app_, &DesktopApp::recentFilesChanged, this, &CMainFrame::UpdateRecentFileActions);
  UpdateRecentFileActions();
  UpdateCommandStates();
  resize(1100, 760);

  WriteStartupDefault();
  if (!startupProblem_.isEmpty()) statusBar()->showMessage(startupProblem_);
}

CMainFrame::~CMainFrame() {
  // The chart windows go first, while the documents they show still exist.
  closingAll_ = true;
  // Closed windows waiting for deletion are no longer listed by the area.
  const QList<CChildFrame*> windows = mdi_->findChildren<CChildFrame*>();
  for (CChildFrame* window : windows) window->disconnect(this);
  qDeleteAll(windows);
  qDeleteAll(documents_);
  documents_.clear();
}

QString CMainFrame::startupDefaultFile() const { return app_.paths().workingFolder + QStringLiteral("/dvktmp.dvk"); }

void CMainFrame::WriteStartupDefault() {
  // The default working chart file: written only when it cannot be read;
  // an existing file is left as it is.
  // Only a regular file is left as it is: anything else there (a named pipe,
  // which would block the first read for ever, a link, a folder) is
  // replaced, and nothing is opened to find out what it is.
  const QString path = startupDefaultFile();
  const std::string bytes = FileNameBytes(path);
  struct stat info {};
  if (::lstat(bytes.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(bytes.c_str(), R_OK) == 0) return;
  QString error;
  if (!MakePrivateFolder(app_.paths().workingFolder, &error)) {
    startupProblem_ = error;
    return;
  }
  std::string reason;
  if (!WriteFileAtomic(FileNameBytes(path), kStartupDefaultChart, &reason, LinkAtPath::kReplace)) {
    startupProblem_ = QString::fromStdString(reason);
  }
}

void CMainFrame::CreateActions() {
  newAction_ = new QAction(ToolBarIcon(ToolIcon::kNew), tr("&New (Prasna for now)"), this);
  newAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
  newAction_->setStatusTip(tr("Cast a chart for the current moment at the default place"));
  connect(newAction_, &QAction::triggered, this, [this] { OnFileNew(); });

  openAction_ = new QAction(ToolBarIcon(ToolIcon::kOpen), tr("&Open..."), this);
  openAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
  openAction_->setStatusTip(tr("Open a saved chart"));
  connect(openAction_, &QAction::triggered, this, &CMainFrame::OnFileOpen);

  closeAction_ = new QAction(tr("&Close"), this);
  closeAction_->setStatusTip(tr("Close the chart"));
  connect(closeAction_, &QAction::triggered, this, &CMainFrame::OnFileClose);

  saveAction_ = new QAction(ToolBarIcon(ToolIcon::kSave), tr("&Save"), this);
  saveAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  saveAction_->setStatusTip(tr("Save the chart"));
  connect(saveAction_, &QAction::triggered, this, [this] { OnFileSave(); });

  saveAsAction_ = new QAction(tr("Save &As..."), this);
  saveAsAction_->setStatusTip(tr("Save the chart under a new name"));
  connect(saveAsAction_, &QAction::triggered, this, [this] { OnFileSaveAs(); });

  printSetupAction_ = new QAction(tr("Print Set&up..."), this);
  printSetupAction_->setStatusTip(tr("Choose the printer and the page"));
  connect(printSetupAction_, &QAction::triggered, &app_, &DesktopApp::OnFilePrintSetup);

  exitAction_ = new QAction(tr("E&xit"), this);
  exitAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  exitAction_->setStatusTip(tr("Quit Orvane Lite"));
  connect(exitAction_, &QAction::triggered, this, &QWidget::close);

  birthDataAction_ = new QAction(ToolBarIcon(ToolIcon::kBirthData), tr("Edit birth&data"), this);
  birthDataAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
  birthDataAction_->setStatusTip(tr("Change the date, time and place of the chart"));
  connect(birthDataAction_, &QAction::triggered, this, &CMainFrame::OnEditBirthData);

  newWindowAction_ = new QAction(tr("&New Window"), this);
  newWindowAction_->setStatusTip(tr("Open another window onto the chart"));
  connect(newWindowAction_, &QAction::triggered, this, &CMainFrame::OnWindowNew);
  cascadeAction_ = new QAction(tr("&Cascade"), this);
  connect(cascadeAction_, &QAction::triggered, this, &CMainFrame::OnWindowCascade);
  tileAction_ = new QAction(tr("&Tile"), this);
  connect(tileAction_, &QAction::triggered, mdi_, &QMdiArea::tileSubWindows);

  for (int i = 0; i < kRecentFileCount; ++i) {
    recentActions_[i] = new QAction(this);
    recentActions_[i]->setVisible(false);
    connect(recentActions_[i], &QAction::triggered, this, [this, i] {
      const QString path = recentActions_[i]->data().toString();
      if (!OpenDocumentFile(path) && !QFileInfo::exists(path)) app_.RemoveFromRecentFileList(path);
    });
  }
}

void CMainFrame::CreateMenus() {
  fileMenu_ = menuBar()->addMenu(tr("&File"));
  fileMenu_->addAction(newAction_);
  fileMenu_->addAction(openAction_);
  fileMenu_->addAction(closeAction_);
  fileMenu_->addAction(saveAction_);
  fileMenu_->addAction(saveAsAction_);
  fileMenu_->addSeparator();
  AddViewMenuEntries(fileMenu_, ViewMenuGroup::kFilePrint);
  fileMenu_->addAction(printSetupAction_);
  fileMenu_->addSeparator();
  AddViewMenuEntries(fileMenu_, ViewMenuGroup::kFileSend);
  // The chart library: a dock beside the chart windows, and the active
  // chart saved into it.
  libraryPanel_ = new LibraryPanel(*this, app_.settings(), app_.paths().libraryFile);
  addDockWidget(Qt::RightDockWidgetArea, libraryPanel_);
  libraryPanel_->hide();
  QAction* saveToLibrary = fileMenu_->addAction(tr("Save to &library"), this, [this] {
    if (ChartView* view = activeView()) {
      libraryPanel_->show();
      libraryPanel_->SaveChart(*view);
    }
  });
  saveToLibrary->setObjectName(QStringLiteral("saveToLibrary"));
  saveToLibrary->setStatusTip(tr("Keep the active chart in the chart library"));
  viewCommandActions_ << saveToLibrary;
  recentSeparator_ = fileMenu_->addSeparator();
  for (QAction* action : recentActions_) fileMenu_->addAction(action);
  fileMenu_->addSeparator();
  fileMenu_->addAction(exitAction_);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addAction(birthDataAction_);
  edit->addSeparator();
  AddViewMenuEntries(edit, ViewMenuGroup::kEditCopy);
  // The bitmap entries and their separator belong to the full menu only.
  fullMenuOnlyActions_ << edit->addSeparator();
  AddViewMenuEntries(edit, ViewMenuGroup::kEditBitmap);
  edit->addSeparator();
  AddViewMenuEntries(edit, ViewMenuGroup::kEditNotes);

  QMenu* charts = menuBar()->addMenu(tr("&Charts"));
  AddViewMenuEntries(charts, ViewMenuGroup::kCharts);
  charts->addSeparator();
  QAction* matchWith = charts->addAction(tr("Matc&h with..."), this, [this] { OnMatchWith(*this); });
  QAction* transits = charts->addAction(tr("T&ransits..."), this, [this] { OnTransits(*this); });
  matchWith->setStatusTip(tr("Ashtakoota matching and Manglik check with another chart file"));
  transits->setStatusTip(tr("The grahas of a chosen moment with this chart, and its Sade Sati periods"));
  viewCommandActions_ << matchWith << transits;
  // The calendar needs no chart: always there.
  QAction* panchanga = charts->addAction(tr("&Panchanga calendar..."), this, [this] {
    auto* window = new PanchangaWindow(app_.settings(), QDate::currentDate(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
  });
  panchanga->setObjectName(QStringLiteral("panchangaCalendar"));
  panchanga->setStatusTip(tr("The panchanga of every day of a month at a place, with festivals"));
  QAction* library = libraryPanel_->toggleViewAction();
  library->setText(tr("Chart &library"));
  library->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+L")));
  library->setStatusTip(tr("The charts kept in the chart library: find, tag, open"));
  charts->addAction(library);
  QMenu* dasas = menuBar()->addMenu(tr("&Dasas"));
  AddViewMenuEntries(dasas, ViewMenuGroup::kDasas);
  QMenu* tajaka = menuBar()->addMenu(tr("&Tajaka"));
  AddViewMenuEntries(tajaka, ViewMenuGroup::kTajaka);
  QMenu* reports = menuBar()->addMenu(tr("&Reports"));
  reports->setObjectName(QStringLiteral("reportsMenu"));
  AddViewMenuEntries(reports, ViewMenuGroup::kReports);
  reports->addSeparator();
  // Each section by topic: the report window opens on it.
  for (const ReportTopic& topic : ReportTopics()) {
    QMenu* sub = reports->addMenu(QString::fromLatin1(topic.title.data(), static_cast<qsizetype>(topic.title.size())));
    for (int section : topic.sections) {
      const std::string_view title = kReportSections[static_cast<std::size_t>(section)].title;
      QAction* action = sub->addAction(QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())));
      action->setObjectName(QStringLiteral("reportSection%1").arg(section));
      connect(action, &QAction::triggered, this, [this, section] {
        if (ChartView* view = activeView()) view->ShowReportSection(section);
      });
      viewCommandActions_ << action;
    }
  }

  QMenu* prefs = menuBar()->addMenu(tr("&Preferences"));
  auto add = [&](const QString& text, const char* shortcut, void (DesktopApp::*handler)()) {
    QAction* action = prefs->addAction(text);
    if (shortcut) action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    connect(action, &QAction::triggered, &app_, handler);
    return action;
  };
  add(tr("&Chart Style"), "Ctrl+L", &DesktopApp::OnChartStyle);
  add(tr("&Ayanamsa"), "Ctrl+Y", &DesktopApp::OnAyanamsa);
  add(tr("&Days in a year"), nullptr, &DesktopApp::OnDaysInYear);
  add(tr("&Special lagna && upagraha display"), "Ctrl+E", &DesktopApp::OnSpecialLagnaDisplay);
  add(tr("&Upagraha calculation options"), nullptr, &DesktopApp::OnUpagrahaOptions);
  add(tr("&Hora chart"), nullptr, &DesktopApp::OnHoraChart);
  add(tr("Items to include when &printing"), nullptr, &DesktopApp::OnPrintItems);
  add(tr("Default &location"), nullptr, &DesktopApp::OnDefaultLocation);
  add(tr("&Ephemeris"), nullptr, &DesktopApp::OnEphemeris);
  add(tr("La&nguage"), nullptr, &DesktopApp::OnLanguage);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  QAction* statusBarAction = view->addAction(tr("&Status Bar"));
  statusBarAction->setCheckable(true);
  statusBarAction->setChecked(true);
  connect(statusBarAction, &QAction::toggled, statusBar(), &QWidget::setVisible);
  view->setObjectName(QStringLiteral("viewMenu"));
  view->addSeparator();
  AddViewMenuEntries(view, ViewMenuGroup::kZoom);

  QMenu* window = menuBar()->addMenu(tr("&Window"));
  window->addAction(newWindowAction_);
  window->addAction(cascadeAction_);
  window->addAction(tileAction_);
  window->setObjectName(QStringLiteral("windowMenu"));
  connect(window, &QMenu::aboutToShow, this, [this, window] { UpdateWindowList(window); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* guide = help->addAction(tr("&User Guide"));
  guide->setObjectName(QStringLiteral("userGuide"));
  guide->setShortcut(QKeySequence(QStringLiteral("F1")));
  guide->setStatusTip(tr("A short guide to Orvane Lite"));
  connect(guide, &QAction::triggered, this, [this] { ShowUserGuide(this); });
  help->addSeparator();
  QAction* about = help->addAction(tr("&About Orvane Lite..."));
  connect(about, &QAction::triggered, &app_, &DesktopApp::OnAppAbout);
}

void CMainFrame::CreateToolBar() {
  QToolBar* bar = addToolBar(tr("Standard"));
  bar->setObjectName(QStringLiteral("standardToolBar"));
  bar->setIconSize(QSize(24, 24));
  bar->setMovable(false);
  FillToolBar(bar);
  if (QMenu* view = menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu"))) {
    QAction* toggle = bar->toggleViewAction();
    toggle->setText(tr("&Toolbar"));
    view->insertAction(view->actions().value(0), toggle);
  }
}

void CMainFrame::OnWindowCascade() {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::StackingOrder);  // back to front
  const QSize area = mdi_->viewport()->size();
  if (windows.isEmpty() || area.isEmpty()) return;
  const int step = std::max(16, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first()) + 6);
  const int room = std::min(area.width(), area.height()) / 4;
  const int steps = std::min(static_cast<int>(windows.size()) - 1, std::max(0, room / step));
  const QSize size(area.width() - steps * step, area.height() - steps * step);
  for (qsizetype i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* window = windows[i];
    if (window->isMinimized() || window->isMaximized()) window->showNormal();
    const int k = steps == 0 ? 0 : static_cast<int>(i % (steps + 1));
    window->setGeometry(QRect(QPoint(k * step, k * step), size));
    window->raise();
  }
}

void CMainFrame::UpdateRecentFileActions() {
  const QStringList files = app_.RecentFiles();
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = recentActions_[i];
    if (i < files.size()) {
      const QString& path = files[i];
      action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace(
          QLatin1Char('&'), QStringLiteral("&&"))));
      action->setData(path);
      action->setStatusTip(QDir::toNativeSeparators(path));
      action->setVisible(true);
    } else {
      action->setVisible(false);
    }
  }
  recentSeparator_->setVisible(!files.isEmpty());
}

void CMainFrame::UpdateWindowList(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (action->property("windowListEntry").toBool()) {
      menu->removeAction(action);
      action->deleteLater();
    }
  }
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
  if (windows.isEmpty()) return;
  QAction* separator = menu->addSeparator();
  separator->setProperty("windowListEntry", true);
  for (qsizetype i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* window = windows[i];
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title;
    QAction* action = menu->addAction(text);
    action->setProperty("windowListEntry", true);
    action->setCheckable(true);
    action->setChecked(window == mdi_->activeSubWindow());
    connect(action, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
      if (window) mdi_->setActiveSubWindow(window);
    });
  }
}

QString CMainFrame::NextUntitledTitle(DocType type) {
  const int index = static_cast<int>(type);
  return ToQString(kDocTemplates[index].docName) + QString::number(++untitledCount_[index]);
}

ChartDocument* CMainFrame::AddDocument(ChartDocument* doc) {
  documents_.append(doc);
  frameCount_.insert(doc, 0);
  connect(doc, &ChartDocument::saved, this, [this](const QString& path) {
    app_.AddToRecentFileList(path);
    statusBar()->showMessage(tr("Saved \"%1\".").arg(ShownFileName(QDir::toNativeSeparators(path))), 5000);
  });
  connect(doc, &ChartDocument::statusMessage, this, [this](const QString& text) { statusBar()->showMessage(text, 8000); });
  return doc;
}

ChartDocument* CMainFrame::OnFileNew() {
  auto* doc = new ChartDocument(DocType::kChart, this);
  doc->OnNewDocument(NextUntitledTitle(DocType::kChart));
  AddDocument(doc);
  CreateFrame(*doc);
  return doc;
}

ChartDocument* CMainFrame::OpenDocumentFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  for (ChartDocument* doc : documents_) {
    if (SamePath(doc->pathName(), absolute)) {
      app_.AddToRecentFileList(absolute);
      const QList<CChildFrame*> frames = framesOf(doc);
      if (!frames.isEmpty()) mdi_->setActiveSubWindow(frames.first());
      return doc;
    }
  }
  auto* doc = new ChartDocument(DocTypeForPath(absolute), this);
  QString error;
  const ChartDocument::OpenStatus status = doc->OnOpenDocument(absolute, &error);
  if (status == ChartDocument::OpenStatus::kUnreadable) {
    delete doc;
    QMessageBox::warning(
        app_.DialogParent(), tr("Orvane Lite"),
        tr("The file \"%1\" cannot be opened.\n\n%2").arg(ShownFileName(QDir::toNativeSeparators(absolute)), error));
    return nullptr;
  }
  AddDocument(doc);
  app_.AddToRecentFileList(absolute);
  CreateFrame(*doc);
  if (status == ChartDocument::OpenStatus::kInvalid) {
    statusBar()->showMessage(QStringLiteral("\"%1\": %2").arg(ShownFileName(QFileInfo(absolute).fileName()), error),
                             15000);
  }
  return doc;
}

CChildFrame* CMainFrame::CreateFrame(ChartDocument& doc) {
  auto* view = new ChartView(app_, doc);
  auto* frame = new CChildFrame(*this, doc, view);
  mdi_->addSubWindow(frame);
  frameCount_[&doc] += 1;
  connect(frame, &QObject::destroyed, this, [this, d = &doc] { OnFrameDestroyed(d); });
  connect(view, &ChartView::engineTextChanged, this, &CMainFrame::UpdateCommandStates);
  frame->showMaximized();
  view->OnInitialUpdate();
  UpdateCommandStates();
  return frame;
}

void CMainFrame::OnFrameDestroyed(ChartDocument* doc) {
  auto it = frameCount_.find(doc);
  if (it == frameCount_.end()) return;
  if (--it.value() > 0) return;
  frameCount_.erase(it);
  documents_.removeAll(doc);
  doc->deleteLater();
  UpdateCommandStates();
}

void CMainFrame::OnFileOpen() {
  QFileDialog dialog(this, tr("Open"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilter(OpenFileFilters());
  dialog.selectNameFilter(FilterName(DocType::kChart));
  if (dialog.exec() != QDialog::Accepted) return;
  for (const QString& path : dialog.selectedFiles()) OpenDocumentFile(path);
}

bool CMainFrame::OnFileSave() {
  ChartDocument* doc = activeDocument();
  return doc && doc->DoSave(this, false);
}

bool CMainFrame::OnFileSaveAs() {
  ChartDocument* doc = activeDocument();
  return doc && doc->DoSave(this, true);
}

void CMainFrame::OnFileClose() {
  ChartDocument* doc = activeDocument();
  if (!doc || !doc->SaveModified(this)) return;
  // Every window of the document closes without asking again.
  const QList<CChildFrame*> frames = framesOf(doc);
  closingAll_ = true;
  for (CChildFrame* frame : frames) frame->close();
  closingAll_ = false;
}

void CMainFrame::OnWindowNew() {
  ChartDocument* doc = activeDocument();
  if (!doc) return;
  // The new window casts with the engine of the window it was opened from.
  const ChartView* from = activeView();
  const int engine = from ? from->ephemerisChoice() : -1;
  CChildFrame* frame = CreateFrame(*doc);
  if (frame && engine >= 0 && frame->view()) frame->view()->SetEphemeris(engine);
}

void CMainFrame::OnEditBirthData() {
  if (ChartView* view = activeView()) view->OnEditBirthData();
}

QList<CChildFrame*> CMainFrame::framesOf(const ChartDocument* doc) const {
  QList<CChildFrame*> frames;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    auto* frame = qobject_cast<CChildFrame*>(window);
    if (frame && &frame->document() == doc) frames.append(frame);
  }
  return frames;
}

CChildFrame* CMainFrame::activeChild() const {
  auto* frame = qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
  if (frame) return frame;
  // A hidden main window has no active window; the newest chart is meant.
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
  return windows.isEmpty() ? nullptr : qobject_cast<CChildFrame*>(windows.last());
}

ChartView* CMainFrame::activeView() const {
  CChildFrame* frame = activeChild();
  return frame ? frame->view() : nullptr;
}

ChartDocument* CMainFrame::activeDocument() const {
  CChildFrame* frame = activeChild();
  return frame ? &frame->document() : nullptr;
}

bool CMainFrame::CanCloseFrame(CChildFrame* frame) {
  if (closingAll_) return true;
  ChartDocument& doc = frame->document();
  if (frameCount_.value(&doc) > 1) return true;
  return doc.SaveModified(this);
}

void CMainFrame::RefreshAllViews() {
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    if (auto* frame = qobject_cast<CChildFrame*>(window)) frame->view()->RefreshScreen();
  }
}

void CMainFrame::UpdateCommandStates() {
  const bool hasDoc = activeChild() != nullptr;
  closeAction_->setEnabled(hasDoc);
  saveAction_->setEnabled(hasDoc);
  saveAsAction_->setEnabled(hasDoc);
  birthDataAction_->setEnabled(hasDoc);
  newWindowAction_->setEnabled(hasDoc);
  cascadeAction_->setEnabled(hasDoc);
  tileAction_->setEnabled(hasDoc);
  UpdateViewCommands();
  UpdateEngineStatus();
}

void CMainFrame::UpdateEngineStatus() {
  const ChartView* view = activeView();
  const QString engine = view ? view->engineText() : QString();
  engineStatus_->setText(engine.isEmpty() ? QString() : tr("Ephemeris: %1").arg(engine));
  engineStatus_->setVisible(!engine.isEmpty());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  for (ChartDocument* doc : documents_) {
    if (!doc->SaveModified(this)) {
      event->ignore();
      return;
    }
  }
  closingAll_ = true;
  mdi_->closeAllSubWindows();
  closingAll_ = false;
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data->hasUrls()) {
    for (const QUrl& url : data->urls()) {
      if (url.isLocalFile()) {
        event->acceptProposedAction();
        return;
      }
    }
  }
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  activateWindow();
  for (const QUrl& url : urls) {
    if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
  }
}

}  // namespace orvane
