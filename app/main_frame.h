// The main window: the MDI area of the chart windows, the menus, the tool
// bar and the status bar. It creates the documents and their windows and
// routes the document commands (New, Open, Save, Save As, Close, the recent
// files, dropped files and the files of a second start).
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <array>

#include "app/doc_template.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace orvane {

class CChildFrame;
class DesktopApp;
class ChartDocument;
class ChartView;

// Where a chart-window command appears in the menus.
enum class ViewMenuGroup : int {
  kFilePrint, kFileSend, kEditCopy, kEditBitmap, kEditNotes, kCharts, kDasas, kTajaka, kReports, kZoom
};

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kRecentFileCount = 9;

  explicit CMainFrame(DesktopApp& app);
  ~CMainFrame() override;

  QMdiArea* mdiArea() const { return mdi_; }

  // "&New (Prasna for now)": an untitled chart of the current moment.
  ChartDocument* OnFileNew();
  // Opens `path` in a new chart window (or shows the window that already
  // has it). A file that cannot be read is reported; returns nullptr then.
  ChartDocument* OpenDocumentFile(const QString& path);
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  void OnFileClose();
  void OnWindowNew();
  // Window > Cascade: the chart windows overlap, each stepped down and
  // right by a title bar, each keeping at least three quarters of the area
  // (so its charts keep readable labels); more windows than steps fit start
  // over at the top left.
  void OnWindowCascade();
  void OnEditBirthData();

  QList<ChartDocument*> documents() const { return documents_; }
  QList<CChildFrame*> framesOf(const ChartDocument* doc) const;
  CChildFrame* activeChild() const;
  ChartView* activeView() const;
  ChartDocument* activeDocument() const;

  // Closing a chart window: the last window of a modified document asks
  // "Save changes to %1?".
  bool CanCloseFrame(CChildFrame* frame);
  // Recomputes and repaints every chart window (after a preference change).
  void RefreshAllViews();
  void UpdateRecentFileActions();
  // The Window menu's list of the open chart windows (the active one
  // checked), rebuilt each time the menu opens.
  void UpdateWindowList(QMenu* menu);

  // The action of a chart-window command id (menu or tool bar), nullptr
  // for an unknown id.
  QAction* commandAction(int id) const { return commandActions_.value(id, nullptr); }
  const QHash<int, QAction*>& commandActions() const { return commandActions_; }

  // The start-up default working chart file, written when missing.
  QString startupDefaultFile() const;
  const QString& startupProblem() const { return startupProblem_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void WriteStartupDefault();
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  // The chart window's commands (view_commands.cpp): their actions, menu
  // entries and tool-bar buttons, and their states for the active window
  // (the shorter menu of ".dat" charts hides the full menu's extra entries).
  void CreateViewCommands();
  void AddViewMenuEntries(QMenu* menu, ViewMenuGroup group);
  void FillToolBar(QToolBar* bar);
  void UpdateViewCommands();
  ChartDocument* AddDocument(ChartDocument* doc);
  CChildFrame* CreateFrame(ChartDocument& doc);
  void OnFrameDestroyed(ChartDocument* doc);
  void UpdateCommandStates();
  // The status bar's note of the active chart's engine (empty for classic).
  void UpdateEngineStatus();
  QString NextUntitledTitle(DocType type);

  DesktopApp& app_;
  QMdiArea* mdi_;
  QList<ChartDocument*> documents_;
  QHash<ChartDocument*, int> frameCount_;
  std::array<int, 2> untitledCount_{};
  bool closingAll_ = false;
  QString startupProblem_;
  QLabel* engineStatus_ = nullptr;

  QAction* newAction_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* closeAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* saveAsAction_ = nullptr;
  QAction* printSetupAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* birthDataAction_ = nullptr;
  QAction* newWindowAction_ = nullptr;
  QAction* cascadeAction_ = nullptr;
  QAction* tileAction_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  std::array<QAction*, kRecentFileCount> recentActions_{};
  QMenu* fileMenu_ = nullptr;
  QHash<int, QAction*> commandActions_;    // chart-window commands by id
  QList<QAction*> viewCommandActions_;     // enabled with a chart window
  QList<QAction*> fullMenuOnlyActions_;    // hidden for ".dat" charts
};

}  // namespace orvane
