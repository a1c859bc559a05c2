// The matching window: the rasi charts of two charts side by side (the
// groom's first) above the Ashtakoota and Manglik report. "Swap" exchanges
// the roles of the two charts.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>

#include "chart/chart_state.h"
#include "compute/chart.h"
#include "io/settings.h"
#include "match/matching.h"

class QLabel;
class QPlainTextEdit;

namespace orvane {

class ChartSquare;

class MatchWindow : public QDialog {
  Q_OBJECT

 public:
  MatchWindow(const Settings& settings, const BirthData& groom, const QString& groomName, const BirthData& bride,
              const QString& brideName, QWidget* parent = nullptr);
  ~MatchWindow() override;

  // False when a chart could not be cast (the window then says so).
  bool ok() const { return ok_; }
  void Swap();
  const match::ChartMatch& result() const { return match_; }
  QString reportText() const;

 private:
  void Recompute();

  Settings settings_;
  std::optional<Chart> groom_, bride_;
  QString groomName_, brideName_;
  bool ok_ = false;
  match::ChartMatch match_;
  ChartSquare* groomChart_ = nullptr;
  ChartSquare* brideChart_ = nullptr;
  QLabel* groomLabel_ = nullptr;
  QLabel* brideLabel_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
};

// Reads a chart data file for the matching window: true with the birth data,
// or false with the message to show ("File '%1' not found." or what is wrong
// with it). `name` receives the person's name the file keeps, or the file's
// name when it keeps none.
bool ReadChartForMatch(const QString& path, BirthData& birth, QString* error, QString* name = nullptr);

}  // namespace orvane
