// The transit window: the natal chart with the grahas of a chosen moment
// drawn in it, the transit reading from the natal Moon, the next ingresses
// and the lifetime's Sade Sati periods. A date-and-time field and buttons
// step the moment by a day, a month or a year either way.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "chart/chart_state.h"
#include "io/settings.h"
#include "transit/transits.h"

class QDateTimeEdit;
class QLabel;
class QPlainTextEdit;

namespace orvane {

class ChartSquare;

class TransitWindow : public QDialog {
  Q_OBJECT

 public:
  // `birth`: the natal chart's birth data; the moment starts at `start`
  // (clock time of the preferences' default place).
  TransitWindow(const Settings& settings, const BirthData& birth, const QString& title, const QDateTime& start,
                QWidget* parent = nullptr);
  ~TransitWindow() override;

  QDateTime moment() const;
  void SetMoment(const QDateTime& moment);
  // Moves the moment by whole days, months and years (negative: back).
  void Step(int days, int months, int years);

  const transit::TransitReport& report() const { return report_; }
  QString reportText() const;
  const ChartSquare* chartWidget() const { return chart_; }

 private:
  void Recompute();

  Settings settings_;
  std::optional<Chart> natal_;
  bool natalOk_ = false;
  transit::TransitReport report_;
  QDateTimeEdit* edit_ = nullptr;
  ChartSquare* chart_ = nullptr;
  QLabel* caption_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace orvane
