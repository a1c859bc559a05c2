// Chart diagrams: one divisional chart drawn as a square diagram in the
// south, north or east Indian style, with the bodies as short labels in their
// cells, optionally the arudha padas, and the chart's name.
//
// One drawing path: the same calls paint on a widget, a printer or PDF page
// and an image. Everything that differs between them (printing, bitmap label
// forms, black-and-white text, coordinates) travels in ChartDrawOptions.
#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

#include "display/chart_labels.h"
#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

// Chart styles as the settings number them.
enum ChartStyle : int {
  kSouthRegular = 0,   // "South Indian Style (Regular)"
  kSouthMirrored = 1,  // "South Indian Style (Irregular)"
  kNorthDiamond = 2,   // "North Indian Style ("Diamond chart")"
  kEastSun = 3,        // "East Indian Style ("Sun Chart")"
  kEastFramed = 4,     // "East Indian Style (with frame)"
};

constexpr std::array<std::int32_t, kSlotCount> NoSigns() {
  std::array<std::int32_t, kSlotCount> signs{};
  for (std::int32_t& s : signs) s = -1;
  return signs;
}

// What a drawing reads from a computed chart.
struct ChartDrawInput {
  // Sign 0..11 of every body slot in the chart drawn; a slot with any other
  // value is not drawn (the default: an empty chart).
  std::array<std::int32_t, kSlotCount> sign = NoSigns();
  // Sidereal longitudes, degrees [0, 360): the degrees in the rasi that the
  // co-lord decision compares.
  std::array<double, kSlotCount> longitude{};
  // Non-zero: the retrograde label form.
  std::array<std::int32_t, kSlotCount> retrograde{};
  // Chart choice 0..20 (Rasi .. Shashtyamsa, Transit): the chart's name and
  // division label.
  int chartIndex = 0;
  // When not empty, the name drawn instead of the chart choice's name and
  // division label (a chart that is no divisional chart: the bhava chalit).
  QString title;
};

// Bodies of another moment drawn with the chart (the transit screen): the
// sign 0..11 of Sun..Ketu at slots 1..9, -1 where none is drawn. They follow
// the chart's own bodies in each cell, in kTransitColour and in italics, each
// label led by a "t", so that they stay apart in black-and-white print too.
struct TransitOverlay {
  std::array<std::int32_t, 10> sign = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  std::array<std::int32_t, 10> retrograde{};
};

// A "+n" mark of a crowded cell: where it was drawn (device pixels) and the
// labels it stands for.
struct ChartOverflow {
  QRectF rect;
  QStringList hidden;
};

struct ChartDrawOptions {
  int chartStyle = kSouthRegular;  // 2 north, 3 and 4 east, anything else south
  bool southMirrored = false;      // south chart with the signs running anticlockwise
  bool eastFramed = false;         // east chart with its frame rectangles
  BodyGroups groups{};             // display switches of the body groups
  PadaChoice padas{};              // arudha padas shown

  // A printer page: no background fill, wider frame insets, and with
  // blackAndWhite every text and label in black.
  bool printing = false;
  bool blackAndWhite = false;
  // An exported bitmap: the longer label forms, and bitmapTitle (the title
  // the user entered) above the chart's name.
  bool bitmap = false;
  QString bitmapTitle;
  // With bitmap: the screen's two-letter labels instead of the longer
  // forms (the PNG and SVG pictures, which show the chart as on screen).
  bool screenLabels = false;
  // The north chart of a south-north bitmap: the diagram fills the whole
  // square and leaves the chart's name to the south chart beside it.
  bool southNorth = false;

  // Coordinates: false, the rectangle is in the view's layout space of
  // 1270 x 890 units, scaled to layoutSize; true, it is in device units.
  bool absoluteCoordinates = false;
  QSizeF layoutSize{1200, 800};  // the view's layout rectangle, device units
  // Fill (0, 0, layout width, layout height + 70) with the background colour
  // first (not when printing).
  bool clearBackground = false;
  // Transit bodies to draw as well (none by default).
  TransitOverlay transits{};
  // Each body's degrees and minutes beside its label ("Su 15°23'"), in
  // its sign of the chart drawn (in a divisional chart, its place in its
  // divisional sign); the labels then flow in their cells.
  bool degrees = false;
  // With degrees: false shows them in the rasi only, none in the
  // divisional charts.
  bool vargaDegrees = true;
  // The Latin abbreviations of the label table ("Su", "MaR") whatever the
  // language; false: the language's own where it has them.
  bool latinLabels = false;
  // When given, every "+n" mark drawn (a crowded cell's labels that did
  // not fit) is added here with the labels it stands for.
  std::vector<ChartOverflow>* overflow = nullptr;
  // Where the height of the lowest label lines drawn is kept (the least of
  // what it holds and what is drawn; none when null).
  int* smallestLabel = nullptr;
  // Body slots picked out (the planets of the yoga chosen in the yoga
  // window): drawn bold in kHighlightColour. Never on a printed page.
  std::array<bool, kSlotCount> highlighted{};
};

// Options from the settings: style, the mirrored and framed variants of the
// style, display switches and padas, and the black-and-white preference.
ChartDrawOptions ChartDrawOptionsFromSettings(const Settings& settings);

// Input from a computed chart for chart choice 0..20: the divisional sign
// table (choice 20, the transit chart, is empty; any other value shows the
// Rasi), longitudes and retrograde flags.
ChartDrawInput ChartDrawInputFromState(const ChartState& state, int chartIndex);

// Draws the chart in the square of side min(width, height) at the
// rectangle's top-left corner: style 2 the north chart, 3 and 4 the east
// chart, anything else the south chart. The painter's state is kept.
void DrawChart(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
               const ChartDrawOptions& options);

// The three styles, each with the same arguments as DrawChart.
void DrawChartSouth(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
                    const ChartDrawOptions& options);
void DrawChartNorth(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
                    const ChartDrawOptions& options);
void DrawChartEast(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
                   const ChartDrawOptions& options);

// Where things are, for callers and tests: the cell of a sign (south and
// east charts) or house (north chart) in device units, for a drawing with
// these arguments; an empty polygon for an index outside 0..11.
QPolygonF ChartCellShape(const QRectF& square, const ChartDrawOptions& options, int index);

}  // namespace orvane
