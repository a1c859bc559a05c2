// A widget that shows one chart diagram (the rasi of a computed chart in the
// preferred style), with optional transit bodies: the chart part of the
// matching and transit windows.
#pragma once

#include <QWidget>

#include "display/chart_draw.h"

namespace orvane {

class ChartSquare : public QWidget {
  Q_OBJECT

 public:
  explicit ChartSquare(QWidget* parent = nullptr);

  void SetChart(const ChartDrawInput& input, const ChartDrawOptions& options);
  const ChartDrawOptions& options() const { return options_; }
  const ChartDrawInput& input() const { return input_; }

  QSize sizeHint() const override { return {360, 360}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ChartDrawInput input_{};
  ChartDrawOptions options_{};
};

}  // namespace orvane
