// Placement of a cell's labels inside any convex cell shape (the triangles
// and kites of the north and east charts, a crowded square of the south
// chart): rows of labels, each row centred across the shape at its height,
// the block of rows as near the shape's centre as the shape allows. When the
// labels do not fit, the fonts shrink step by step; when even the smallest
// do not fit, the labels that fit are shown and the last place says "+n" for
// the rest. Labels never shrink below a size that can be read on the device
// (kSmallestLabelPoints at the device's resolution, and never under 7
// pixels). Nothing is ever placed outside the shape.
#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

#include "display/text_font.h"

namespace orvane {

struct FlowItem {
  QString text;
  TextFont font;
  bool newRow = false;  // start a new row (the padas after the bodies)
  QStringList hidden;   // the labels a "+n" mark stands for
};

struct PlacedText {
  QString text;
  TextFont font;
  QRectF rect;          // draw with kTextFlowFormat
  QStringList hidden;   // for the "+n" mark: the labels it stands for
};
inline constexpr unsigned kTextFlowFormat = kTextLeft | kTextVCentre | kTextSingleLine | kTextNoClip;

inline constexpr double kSmallestLabelPoints = 6.5;
// The least line height of a chart label, in pixels of the view: a chart
// too small for it flows its labels (and says "+n" for those that do not
// fit) rather than draw them smaller.
inline constexpr int kSmallestLabelPixels = 10;

// `lineHeight` is the row height at full size (the body label height);
// `overflowFont` draws the "+n" mark.
std::vector<PlacedText> FlowInPolygon(const QPaintDevice* device, const QPolygonF& shape,
                                      const std::vector<FlowItem>& items, double lineHeight,
                                      const TextFont& overflowFont);

// The part of a convex polygon on the inner side of the line through `point`
// with normal `inward` (points p with (p - point) . inward >= 0 are kept).
QPolygonF ClipConvexPolygon(const QPolygonF& polygon, QPointF point, QPointF inward);

}  // namespace orvane
