#include "display/label_flow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include <QPaintDevice>

namespace orvane {
namespace {

// Font scales tried in turn when a cell's labels do not fit.
constexpr std::array<double, 8> kFlowScales = {1.0, 0.9, 0.8, 0.72, 0.65, 0.58, 0.52, 0.46};
// Labels are not shrunk below this height (pixels): smaller ones cannot be
// read, and "+n" says more honestly that there are more.
constexpr double kSmallestLabel = kSmallestLabelPixels;
// Start heights tried for each block of rows.
constexpr int kStartHeightSteps = 32;

struct Span {
  double left = 0;
  double right = 0;
  bool valid = false;
};

// Horizontal extent of a convex polygon at height y.
Span SpanAt(const QPolygonF& polygon, double y) {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -lo;
  const int n = static_cast<int>(polygon.size());
  for (int i = 0; i < n; ++i) {
    const QPointF a = polygon[i];
    const QPointF b = polygon[(i + 1) % n];
    if (y < std::min(a.y(), b.y()) || y > std::max(a.y(), b.y())) continue;
    if (a.y() == b.y()) {
      lo = std::min({lo, a.x(), b.x()});
      hi = std::max({hi, a.x(), b.x()});
    } else {
      const double x = a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
      lo = std::min(lo, x);
      hi = std::max(hi, x);
    }
  }
  return {lo, hi, lo <= hi};
}

// Room for a row between heights top and bottom: in a convex shape the
// narrowest width of the band is at one of its edges.
Span RowSpan(const QPolygonF& polygon, double top, double bottom, double padX) {
  const Span a = SpanAt(polygon, top);
  const Span b = SpanAt(polygon, bottom);
  Span s{std::max(a.left, b.left) + padX, std::min(a.right, b.right) - padX, a.valid && b.valid};
  s.valid = s.valid && s.right > s.left;
  return s;
}

struct RowMetrics {
  double rowHeight = 0;
  double padX = 0;
  double gap = 0;
};

// Places items in order into `rows` rows starting at y0, each row centred in
// its span; returns how many items (from the first) found a place, and their
// text rectangles in `rects`.
std::size_t FillRows(const QPolygonF& polygon, double y0, int rows, const RowMetrics& m,
                     const std::vector<double>& widths, const std::vector<FlowItem>& items,
                     std::vector<QRectF>* rects) {
  const std::size_t n = widths.size();
  std::size_t i = 0;
  if (rects) rects->assign(n, QRectF());
  for (int r = 0; r < rows && i < n; ++r) {
    const double top = y0 + r * m.rowHeight;
    const Span span = RowSpan(polygon, top, top + m.rowHeight, m.padX);
    if (!span.valid) continue;
    const double room = span.right - span.left;
    const std::size_t first = i;
    double used = 0;
    while (i < n) {
      if (i > first && items[i].newRow) break;
      const double need = (i > first ? used + m.gap : 0.0) + widths[i];
      if (need > room) break;
      used = need;
      ++i;
    }
    if (rects) {
      double x = span.left + (room - used) / 2;
      for (std::size_t k = first; k < i; ++k) {
        (*rects)[k] = QRectF(x, top, widths[k] + m.gap, m.rowHeight);
        x += widths[k] + m.gap;
      }
    }
  }
  return i;
}

double CentroidY(const QPolygonF& polygon) {
  double area = 0;
  double cy = 0;
  const int n = static_cast<int>(polygon.size());
  for (int i = 0; i < n; ++i) {
    const QPointF a = polygon[i];
    const QPointF b = polygon[(i + 1) % n];
    const double cross = a.x() * b.y() - b.x() * a.y();
    area += cross;
    cy += (a.y() + b.y()) * cross;
  }
  if (std::abs(area) < 1e-9) return polygon.boundingRect().center().y();
  return cy / (3.0 * area);
}

TextFont Scaled(const TextFont& font, double scale) {
  TextFont f = font;
  f.height = std::max(1, static_cast<int>(std::lround(font.height * scale)));
  if (font.width > 0) f.width = std::max(1, static_cast<int>(std::lround(font.width * scale)));
  return f;
}

RowMetrics MetricsAt(double lineHeight, double scale) {
  const double rowHeight = std::max(1.0, lineHeight * scale);
  // Labels keep clear of the cell's lines, however small they get.
  return {rowHeight, std::max(2.5, 0.16 * rowHeight), 0.28 * rowHeight};
}

std::vector<double> Widths(const QPaintDevice* device, const std::vector<FlowItem>& items, double scale) {
  std::vector<double> widths;
  widths.reserve(items.size());
  for (const FlowItem& item : items) {
    widths.push_back(MeasureText(device, Scaled(item.font, scale), item.text).width());
  }
  return widths;
}

std::vector<PlacedText> Placed(const std::vector<FlowItem>& items, const std::vector<QRectF>& rects,
                               std::size_t count, double scale) {
  std::vector<PlacedText> placed;
  placed.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    placed.push_back({items[k].text, Scaled(items[k].font, scale), rects[k], items[k].hidden});
  }
  return placed;
}

}  // namespace

QPolygonF ClipConvexPolygon(const QPolygonF& polygon, QPointF point, QPointF inward) {
  QPolygonF out;
  const int n = static_cast<int>(polygon.size());
  const auto side = [&](QPointF p) { return QPointF::dotProduct(p - point, inward); };
  for (int i = 0; i < n; ++i) {
    const QPointF prev = polygon[(i + n - 1) % n];
    const QPointF cur = polygon[i];
    const double dp = side(prev);
    const double dc = side(cur);
    if ((dp < 0) != (dc < 0)) out << prev + (cur - prev) * (dp / (dp - dc));
    if (dc >= 0) out << cur;
  }
  return out;
}

std::vector<PlacedText> FlowInPolygon(const QPaintDevice* device, const QPolygonF& shape,
                                      const std::vector<FlowItem>& items, double lineHeight,
                                      const TextFont& overflowFont) {
  if (items.empty() || shape.size() < 3 || !(lineHeight > 0)) return {};
  const QRectF bounds = shape.boundingRect();
  const double centreY = CentroidY(shape);
  std::vector<QRectF> rects;

  // The smallest readable label on this device: on paper at a printer's
  // resolution that is far more pixels than on a screen.
  const double dpi = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
  const double smallest = std::max(kSmallestLabel, kSmallestLabelPoints * dpi / 72.0);
  const double smallestScale = std::min(1.0, smallest / lineHeight);
  double lastScale = 1.0;
  for (double scale : kFlowScales) {
    if (scale < smallestScale && scale < 1.0) break;
    lastScale = scale;
    const RowMetrics m = MetricsAt(lineHeight, scale);
    const double padY = 0.06 * m.rowHeight;
    const int maxRows = static_cast<int>((bounds.height() - 2 * padY) / m.rowHeight);
    if (maxRows < 1) continue;
    const std::vector<double> widths = Widths(device, items, scale);
    for (int rows = 1; rows <= maxRows; ++rows) {
      const double lowest = bounds.top() + padY;
      const double highest = bounds.bottom() - padY - rows * m.rowHeight;
      double bestY = 0;
      double bestScore = std::numeric_limits<double>::infinity();
      for (int step = 0; step <= kStartHeightSteps; ++step) {
        const double y0 = lowest + (highest - lowest) * step / kStartHeightSteps;
        if (FillRows(shape, y0, rows, m, widths, items, nullptr) != items.size()) continue;
        const double score = std::abs(y0 + rows * m.rowHeight / 2 - centreY);
        if (score < bestScore) {
          bestScore = score;
          bestY = y0;
        }
      }
      if (bestScore < std::numeric_limits<double>::infinity()) {
        FillRows(shape, bestY, rows, m, widths, items, &rects);
        return Placed(items, rects, items.size(), scale);
      }
    }
  }

  // Even the smallest labels do not all fit: fill the shape from the top and
  // let the last place stand for the rest.
  const double scale = lastScale;
  const RowMetrics m = MetricsAt(lineHeight, scale);
  const double padY = 0.06 * m.rowHeight;
  const int maxRows = static_cast<int>((bounds.height() - 2 * padY) / m.rowHeight);
  if (maxRows < 1) return {};
  const std::vector<double> widths = Widths(device, items, scale);
  const std::size_t fits = FillRows(shape, bounds.top() + padY, maxRows, m, widths, items, nullptr);
  for (std::size_t keep = std::min(fits, items.size() - 1) + 1; keep-- > 0;) {
    std::vector<FlowItem> shown(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(keep));
    FlowItem more;
    more.text = QStringLiteral("+%1").arg(items.size() - keep);
    more.font = overflowFont;
    for (std::size_t k = keep; k < items.size(); ++k) more.hidden << items[k].text;
    shown.push_back(more);
    std::vector<double> shownWidths(widths.begin(), widths.begin() + static_cast<std::ptrdiff_t>(keep));
    shownWidths.push_back(MeasureText(device, Scaled(overflowFont, scale), more.text).width());
    if (FillRows(shape, bounds.top() + padY, maxRows, m, shownWidths, shown, &rects) == shown.size()) {
      return Placed(shown, rects, shown.size(), scale);
    }
  }
  return {};
}

}  // namespace orvane
