#include "app/chart_square.h"

#include <QPainter>

#include <algorithm>

#include "display/colours.h"

namespace orvane {

ChartSquare::ChartSquare(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartSquare::SetChart(const ChartDrawInput& input, const ChartDrawOptions& options) {
  input_ = input;
  options_ = options;
  options_.absoluteCoordinates = true;
  options_.clearBackground = false;
  update();
}

void ChartSquare::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColourFromBgr(kBackgroundColour));
  const int side = std::min(width(), height()) - 8;
  if (side <= 0) return;
  const QRectF square((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  DrawChart(painter, square, input_, options_);
}

}  // namespace orvane
