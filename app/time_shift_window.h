// The birth-time window of a chart, for rectification: how far the birth
// time may move either way before the lagna, its pada, the lagnas of the
// vargas, each planet's navamsa or a KP cusp sub lord change, and a control
// that shifts the time (buttons of 1 s, 1 min, 4 min and 1 h each way, and a
// slider of two hours each way) and recasts the chart window as it moves.
#pragma once

#include <QDialog>
#include <QPointer>

#include "engine/engine_state.h"

class QLabel;
class QSlider;
class QTableWidget;
class QTimer;

namespace orvane {

class ChartView;

class TimeShiftWindow : public QDialog {
  Q_OBJECT

 public:
  // Shifts `view`'s chart from its birth time as it is now.
  explicit TimeShiftWindow(ChartView& view);

  // Reads the windows of the view's chart as it is now.
  void Refresh();
  // Shifts the birth time to `seconds` from the time the window started
  // from, and recasts the chart.
  void ShiftTo(int seconds);
  int shift() const { return shift_; }

  QSlider* slider() const { return slider_; }
  QTableWidget* table() const { return table_; }
  QLabel* timeLabel() const { return time_; }

 private:
  void Apply();
  // The birth time line: `at`, its shift and the time entered.
  void ShowTime(const BirthData& at);

  QPointer<ChartView> view_;
  BirthData original_{};
  int shift_ = 0;
  bool applying_ = false;
  QLabel* heading_;
  QLabel* time_;
  QSlider* slider_;
  QTableWidget* table_;
  QTimer* recast_;
};

}  // namespace orvane
