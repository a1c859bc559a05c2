// The chart library panel: the charts the user keeps in the library (one
// SQLite file), found by name or by a query over their facts, sortable,
// with their tags and notes to edit; a chart opens in a window of its own
// on a double click, a chart file dragged in is added, and a chart window
// saves its chart into the library (File > Save to library).
#pragma once

#include <QDockWidget>
#include <QString>
#include <memory>

#include "library/chart_library.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

namespace orvane {

class CMainFrame;
class ChartView;
struct Settings;

class LibraryPanel : public QDockWidget {
  Q_OBJECT

 public:
  LibraryPanel(CMainFrame& frame, const Settings& settings, QString path);

  // Opens the library file when it is not open yet; false with a message in
  // the panel when it cannot be.
  bool EnsureOpen();
  // Lists the charts whose name starts with `text`, or that match it as a
  // query ("moon.sign == \"Scorpio\""); every chart for empty text.
  void Search(const QString& text);
  // Adds a chart data file; its id, or 0 (the reason shown in the panel).
  std::int64_t AddFile(const QString& path);
  // Adds the chart of a chart window; its id, or 0.
  std::int64_t SaveChart(ChartView& view);
  // Opens the chart of this id in a new chart window.
  ChartView* OpenChart(std::int64_t id);

  QTableWidget* table() const { return table_; }
  QLineEdit* searchField() const { return search_; }
  QLineEdit* tagsField() const { return tags_; }
  QPlainTextEdit* notesField() const { return notes_; }
  QListWidget* eventList() const { return events_; }
  QLineEdit* eventField() const { return event_; }
  // Keeps the life event written in the event field ("marriage 1995-05-01
  // in Chennai": a kind, a date and a note) for the chosen chart.
  bool AddEvent();
  QLabel* status() const { return status_; }
  library::ChartLibrary& store() { return db_; }
  // Keeps the chosen chart's tags and notes as they are in the fields.
  bool SaveDetails();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  std::int64_t Add(library::ChartEntry entry);
  std::int64_t ChosenId() const;
  void ShowChosen();

  CMainFrame& frame_;
  const Settings& settings_;
  QString path_;
  library::ChartLibrary db_;
  QLineEdit* search_;
  QTableWidget* table_;
  QLineEdit* tags_;
  QPlainTextEdit* notes_;
  QListWidget* events_;
  QLineEdit* event_;
  QLabel* status_;
};

}  // namespace orvane
