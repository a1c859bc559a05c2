// The strengths of a chart as tables and bar charts side by side: shadbala
// (the rupas of Sun..Saturn against the rupas each needs), bhava bala (the
// rupas of the twelve houses) and the sarvashtakavarga (the bindus of the
// twelve signs against the average 28). The tables can be selected, copied
// and sorted; the charts can be saved as a PNG or SVG picture and printed.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "display/strength_bars.h"

class QPrinter;
class QTabWidget;
class QTableWidget;

namespace orvane {

class ChartView;

class StrengthWindow : public QDialog {
  Q_OBJECT

 public:
  explicit StrengthWindow(ChartView& view);

  void Refresh();
  const std::vector<BarSeries>& charts() const { return charts_; }
  QTableWidget* table(int index) const { return tables_[static_cast<std::size_t>(index)]; }
  QTabWidget* tabs() const { return tabs_; }

  // The three charts on one picture or page: PNG (any other suffix) or SVG
  // by the file's suffix; false with `error` when it cannot be written.
  bool SavePicture(const QString& path, QString* error = nullptr) const;
  void PrintTo(QPrinter& printer) const;

 private:
  void OnSavePicture();
  void OnPrint();

  QPointer<ChartView> view_;
  std::vector<BarSeries> charts_;
  QTabWidget* tabs_;
  std::vector<QTableWidget*> tables_;
  std::vector<QWidget*> bars_;
};

}  // namespace orvane
