// The panchanga calendar window: a month of days at a place as a grid
// (today marked; each day with its tithi and nakshatra at sunrise and its
// festivals) and the chosen day's whole panchanga beside it. Buttons move
// by month and year; the month prints and exports to PDF or PNG.
#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <QWidget>
#include <vector>

#include "io/settings.h"
#include "panchanga/days.h"

class QLabel;
class QLineEdit;
class QPainter;
class QTextBrowser;

namespace orvane {

// The grid of one month: seven columns from Sunday, a row a week.
class PanchangaMonthGrid : public QWidget {
  Q_OBJECT

 public:
  explicit PanchangaMonthGrid(QWidget* parent = nullptr);

  void SetMonth(int year, int month, const std::vector<PanchangaDay>* days, QDate today);
  void SetSelected(int day);
  int selected() const { return selected_; }
  // Draws the grid into `area` (the widget, a printed page, an image); the
  // chosen day framed on the screen only.
  void Paint(QPainter& painter, const QRectF& area, bool markSelected = true) const;
  QSize sizeHint() const override { return {760, 560}; }
  QSize minimumSizeHint() const override { return {560, 420}; }

 signals:
  void daySelected(int day);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int DayAt(const QPointF& point, const QRectF& area) const;
  int year_ = 2000, month_ = 1;
  const std::vector<PanchangaDay>* days_ = nullptr;
  QDate today_;
  int selected_ = 1;
};

class PanchangaWindow : public QDialog {
  Q_OBJECT

 public:
  // Opens on the month of `today` at the settings' default location.
  PanchangaWindow(const Settings& settings, QDate today, QWidget* parent = nullptr);

  void SetMonth(int year, int month);
  // Moves by whole months (negative: back); 12 for a year.
  void StepMonths(int months);
  void SelectDay(int day);
  // The place table's best match for `query`, with its zone; false (and
  // the reason) when the table has none.
  bool SetPlace(const QString& query, QString* error);

  int year() const { return year_; }
  int month() const { return month_; }
  const std::vector<PanchangaDay>& days() const { return days_; }
  QString title() const;
  QString dayDetailHtml() const;
  const PanchangaMonthGrid* grid() const { return grid_; }

  // The month as a page: a PDF file or a PNG image by the name's suffix.
  bool ExportTo(const QString& path, QString* error) const;
  // Draws the month page (title, grid, a line on the reckoning) into `area`.
  void PaintPage(QPainter& painter, const QRectF& area) const;

 private:
  void Recompute();
  void ShowDay();
  void Print();
  void Export();

  Settings settings_;
  SkyPlace place_;
  ZoneOffsetAt zone_;
  QString placeName_, zoneName_;
  QDate today_;
  int year_ = 2000, month_ = 1;
  std::vector<PanchangaDay> days_;
  QString error_;
  QLabel* heading_ = nullptr;
  QLineEdit* placeEdit_ = nullptr;
  PanchangaMonthGrid* grid_ = nullptr;
  QTextBrowser* detail_ = nullptr;
};

}  // namespace orvane
