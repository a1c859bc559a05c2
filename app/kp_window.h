// The KP and houses window of a chart: the bhava chalit chart (the grahas
// placed by the cusps of the chosen house system, drawn in the chart style
// of the settings), the cusps and planets with their sign, star, sub and
// sub-sub lords, the four-level significators of the houses and planets,
// and the ruling planets. A KP horary number (1..249) takes the cusps of its
// ascendant instead of the chart's.
#pragma once

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace orvane {

class ChartView;

class ChartSquare;

class KpWindow : public QDialog {
  Q_OBJECT

 public:
  // Shows `view`'s chart; the window goes with the view.
  explicit KpWindow(ChartView& view);

  // Reads the view's chart as it is now.
  void Refresh();

  QComboBox* systemBox() const { return system_; }
  QSpinBox* horaryBox() const { return horary_; }
  ChartSquare* chalit() const { return chalit_; }
  QTableWidget* cuspTable() const { return cusps_; }
  QTableWidget* planetTable() const { return planets_; }
  QTableWidget* houseSignificatorTable() const { return houseSignificators_; }
  QTableWidget* planetSignificatorTable() const { return planetSignificators_; }
  QLabel* message() const { return message_; }

 private:
  QPointer<ChartView> view_;
  QComboBox* system_;
  QSpinBox* horary_;
  ChartSquare* chalit_;
  QTabWidget* tabs_;
  QTableWidget* cusps_;
  QTableWidget* planets_;
  QTableWidget* houseSignificators_;
  QTableWidget* planetSignificators_;
  QLabel* heading_;
  QLabel* message_;
  QLabel* ruling_;
  QLabel* levels_;
};

}  // namespace orvane
