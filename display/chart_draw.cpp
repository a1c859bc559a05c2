#include "display/chart_draw.h"

#include "display/terms.h"

#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "dasa/jaimini_colords.h"
#include "display/label_flow.h"
#include "display/text_font.h"
#include "vedic/vargas.h"

namespace orvane {
namespace {

// The view lays its screens out in this space and scales it to its window.
constexpr double kLayoutWidth = 1270.0;
constexpr double kLayoutHeight = 890.0;
// The background fill runs this far below the layout rectangle.
constexpr int kBackgroundOverhang = 70;

const QString kLabelFace = QStringLiteral("Times New Roman");
const QString kTitleFace = QStringLiteral("Helvetica");

bool IsSign(int s) { return s >= 0 && s < 12; }

// A device coordinate as the whole number the geometry works in (bounded, so
// absurd input cannot overflow).
int ToInt(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::trunc(std::clamp(v, -1.0e7, 1.0e7)));
}

// The chart's square and its units, device pixels.
struct Geometry {
  int x = 0;
  int y = 0;
  int size = 0;
  int cell = 0;  // size / 4
  int hu = 0;    // height unit: a quarter of a cell
  int wu = 0;    // width unit: 0.085 of a cell
  int pen = 1;   // frame line width
  double unit = 1;  // pixels standing for one pixel of a screen-sized chart (cell of 96)
  bool printing = false;
  bool blackText = false;
  std::vector<ChartOverflow>* overflow = nullptr;  // where "+n" marks are reported
  int* smallestLabel = nullptr;                    // where the lowest label line drawn is kept

  // n pixels of a screen-sized chart, in this chart's pixels.
  int Px(int n) const { return static_cast<int>(std::lround(n * unit)); }
};

// The square in device units: from layout space unless the options say the
// rectangle is in device units already.
QRect DeviceSquare(const QRectF& square, const ChartDrawOptions& options) {
  double x = square.x();
  double y = square.y();
  double size = std::min(square.width(), square.height());
  if (!options.absoluteCoordinates) {
    const double sx = options.layoutSize.width() / kLayoutWidth;
    const double sy = options.layoutSize.height() / kLayoutHeight;
    x *= sx;
    y *= sy;
    size *= std::min(sx, sy);
  }
  const int side = std::max(0, ToInt(size));
  return QRect(ToInt(x), ToInt(y), side, side);
}

Geometry MakeGeometry(int x, int y, int size, const ChartDrawOptions& options) {
  Geometry g;
  g.x = x;
  g.y = y;
  g.size = std::max(0, size);
  g.cell = g.size / 4;
  g.hu = static_cast<int>(g.cell * 0.25);
  g.wu = static_cast<int>(g.cell * 0.085);
  // One pixel on the screen; as thick, relative to the chart, on paper.
  g.pen = std::max(1, static_cast<int>(std::lround(g.size / 420.0)));
  g.unit = std::max(1.0, g.cell / 96.0);
  g.printing = options.printing;
  g.blackText = options.printing && options.blackAndWhite;
  g.overflow = options.overflow;
  g.smallestLabel = options.smallestLabel;
  return g;
}

// --- Fonts --------------------------------------------------------------

TextFont Font(const Geometry& g, const QString& face, int weight, int height, int width, BgrColour colour) {
  TextFont font;
  SetTextFont(font, face, weight, height, width, colour, g.blackText);
  return font;
}

// A label font no lower than the least readable line, its width in
// proportion.
TextFont AtLeastReadable(TextFont font) {
  if (font.height > 0 && font.height < kSmallestLabelPixels) {
    const double k = double(kSmallestLabelPixels) / font.height;
    font.height = kSmallestLabelPixels;
    if (font.width > 0) font.width = std::max(1, static_cast<int>(std::lround(font.width * k)));
  }
  return font;
}

// A chart whose padas would be drawn below the least readable size: its
// labels flow in their cells at that size instead of taking fixed places.
bool LabelsBelowReadable(const Geometry& g) { return 3 * g.hu / 5 < kSmallestLabelPixels; }

TextFont BodyFont(const Geometry& g, BgrColour colour) {
  return AtLeastReadable(
      Font(g, kLabelFace, 450, static_cast<int>(0.8 * g.hu), static_cast<int>(0.8 * g.wu), colour));
}

TextFont PadaFont(const Geometry& g, int pada) {
  if (pada == 1) return AtLeastReadable(Font(g, kLabelFace, 450, 7 * g.hu / 10, 7 * g.wu / 10, kArudhaLagnaColour));
  return AtLeastReadable(Font(g, kLabelFace, 300, 3 * g.hu / 5, 3 * g.wu / 5, kPadaColour));
}

// A label drawn: the lowest line height is kept where the options ask.
void NoteLabel(const Geometry& g, const TextFont& font) {
  if (g.smallestLabel && (*g.smallestLabel == 0 || font.height < *g.smallestLabel)) *g.smallestLabel = font.height;
}

TextFont TitleFont(const Geometry& g) { return Font(g, kTitleFace, 500, g.hu, g.wu, kChartTitleColour); }

TextFont DivisionFont(const Geometry& g) { return Font(g, kLabelFace, 500, g.hu, g.wu, kChartTitleColour); }

TextFont SignNumberFont(const Geometry& g) {
  return Font(g, kLabelFace, 450, 7 * g.hu / 10, 7 * g.wu / 10, kNorthSignNumberColour);
}

// A font shrunk so that `text` is at most `room` wide.
TextFont FittedFont(const QPaintDevice* device, TextFont font, const QString& text, double room) {
  const double width = MeasureText(device, font, text).width();
  if (width > room && width > 0 && room > 0) {
    const double k = room / width;
    font.height = std::max(1, static_cast<int>(font.height * k));
    if (font.width > 0) font.width = std::max(1, static_cast<int>(font.width * k));
  }
  return font;
}

// --- Labels -------------------------------------------------------------

// Degrees and minutes of a longitude in its sign of divisional chart `varga`
// (in its rasi for D-1: "15°23'"), the minutes cut rather than rounded so
// that the end of a sign never reads 30°00'; empty for a longitude that is
// not a number.
QString DegreesInSignLabel(double longitude, int varga) {
  if (!std::isfinite(longitude)) return {};
  double inSign = std::fmod(longitude, 30.0);
  if (inSign < 0) inSign += 30.0;
  if (varga != kD1) inSign = DegreesInVarga(static_cast<Varga>(varga), std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0));
  const int minutes = std::clamp(static_cast<int>(std::floor(inSign * 60.0)), 0, 30 * 60 - 1);
  return QStringLiteral("%1%2%3'").arg(minutes / 60).arg(QChar(0xB0)).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

struct CellLabels {
  std::vector<FlowItem> bodies;
  std::vector<FlowItem> padas;
};
using SignLabels = std::array<CellLabels, 12>;

// The labels of every sign: the shown bodies in drawing order, then the
// padas in pada order.
SignLabels CollectLabels(const ChartDrawInput& input, const ChartDrawOptions& options, const Geometry& g) {
  SignLabels labels;
  const LabelForm form = options.bitmap && !options.screenLabels ? LabelForm::kBitmap : LabelForm::kScreen;
  // The degrees shown are those in the sign of the chart drawn.
  const int varga = input.chartIndex >= 0 && input.chartIndex < kVargaCount ? input.chartIndex : kD1;
  const bool showDegrees = options.degrees && (varga == kD1 || options.vargaDegrees);
  for (const ShownBody& body : ShownBodies(options.groups)) {
    const int s = input.sign[body.slot];
    if (!IsSign(s)) continue;
    FlowItem item;
    item.text = DiagramLabel(form, input.retrograde[body.slot], body.slot, options.latinLabels);
    if (showDegrees) {
      const QString degrees = DegreesInSignLabel(input.longitude[body.slot], varga);
      if (!degrees.isEmpty()) item.text += QLatin1Char(' ') + degrees;
    }
    item.font = BodyFont(g, body.colour);
    if (options.highlighted[body.slot] && !options.printing) {
      item.font.colour = kHighlightColour;
      item.font.weight = 800;
    }
    labels[s].bodies.push_back(item);
  }
  for (int slot = kSun; slot <= kKetu; ++slot) {
    const int s = options.transits.sign[static_cast<std::size_t>(slot)];
    if (!IsSign(s)) continue;
    FlowItem item;
    item.text = QStringLiteral("t") + DiagramLabel(form, options.transits.retrograde[static_cast<std::size_t>(slot)],
                                                   slot, options.latinLabels);
    item.font = BodyFont(g, kTransitColour);
    item.font.italic = true;
    labels[s].bodies.push_back(item);
  }

  bool anyPada = false;
  for (int p = 1; p <= 12; ++p) anyPada = anyPada || PadaShown(options.padas, p);
  if (!anyPada) return labels;
  // The lords of Scorpio and Aquarius are decided for this chart alone.
  const JaiminiLordTable lords = DecideCoLords(MakeCoLordChart(input.sign, input.longitude));
  const std::array<int, 12> padaSigns = ArudhaPadaSigns(input.sign, lords);
  for (int p = 1; p <= 12; ++p) {
    const int a = padaSigns[p - 1];
    if (!PadaShown(options.padas, p) || !IsSign(a)) continue;
    FlowItem item;
    const std::string_view text = kPadaLabels[p - 1];
    item.text = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    item.font = PadaFont(g, p);
    item.newRow = labels[a].padas.empty();
    labels[a].padas.push_back(item);
  }
  return labels;
}

void DrawPlaced(QPainter& painter, const Geometry& g, const std::vector<PlacedText>& placed) {
  for (const PlacedText& t : placed) {
    NoteLabel(g, t.font);
    DrawTextWithFont(painter, t.font, t.text, t.rect, kTextFlowFormat);
  }
}

// Bodies and padas of one cell flowed into its shape.
void FlowCell(QPainter& painter, const Geometry& g, const QPolygonF& shape, const CellLabels& cell) {
  std::vector<FlowItem> items = cell.bodies;
  items.insert(items.end(), cell.padas.begin(), cell.padas.end());
  if (items.empty()) return;
  const TextFont overflow = BodyFont(g, kBodyColour);
  const std::vector<PlacedText> placed = FlowInPolygon(painter.device(), shape, items, overflow.height, overflow);
  DrawPlaced(painter, g, placed);
  if (g.overflow == nullptr) return;
  for (const PlacedText& t : placed)
    if (!t.hidden.isEmpty()) g.overflow->push_back({painter.transform().mapRect(t.rect), t.hidden});
}

// --- Lines --------------------------------------------------------------

QPen FramePen(const Geometry& g, BgrColour colour, int widthFactor = 1) {
  QPen pen(ColourFromBgr(colour));
  pen.setWidth(g.pen * widthFactor);
  pen.setJoinStyle(Qt::MiterJoin);
  pen.setCapStyle(Qt::SquareCap);
  return pen;
}

// Half a pixel for odd pen widths puts a line on whole pixels, so it stays
// sharp with antialiasing on.
double Crisp(const Geometry& g, int widthFactor = 1) { return (g.pen * widthFactor) % 2 ? 0.5 : 0.0; }

// The pixels x .. x+w-1, y .. y+h-1 outlined.
void FrameRect(QPainter& painter, const Geometry& g, int x, int y, int w, int h) {
  const double c = Crisp(g);
  painter.drawRect(QRectF(x + c, y + c, std::max(0, w - 1), std::max(0, h - 1)));
}

void Line(QPainter& painter, const Geometry& g, QPointF a, QPointF b) {
  const double c = Crisp(g);
  painter.drawLine(QPointF(a.x() + c, a.y() + c), QPointF(b.x() + c, b.y() + c));
}

// The outer square and the two squares inside it (closer together on the
// screen than on paper).
void DoubleFrame(QPainter& painter, const Geometry& g, int side) {
  FrameRect(painter, g, g.x, g.y, side, side);
  const int first = g.printing ? 8 : 2;
  const int second = g.printing ? 12 : 3;
  for (int inset : {first, second}) {
    FrameRect(painter, g, g.x + inset, g.y + inset, side - 2 * inset, side - 2 * inset);
  }
}

// --- Titles -------------------------------------------------------------

// The chart's name (with the user's bitmap title above it and the division
// label below it, as the chart has them), centred line by line in `block`.
void DrawTitleBlock(QPainter& painter, const Geometry& g, const QRectF& block, const ChartDrawInput& input,
                    const ChartDrawOptions& options) {
  struct TitleLine {
    QString text;
    TextFont font;
  };
  std::vector<TitleLine> lines;
  if (options.bitmap && !options.bitmapTitle.isEmpty()) lines.push_back({options.bitmapTitle, TitleFont(g)});
  lines.push_back({input.title.isEmpty() ? ChartTitleTerm(input.chartIndex) : input.title, TitleFont(g)});
  if (input.title.isEmpty() && ShowsDivisionLabel(input.chartIndex)) {
    const std::string_view label = DivisionLabel(input.chartIndex);
    lines.push_back({TermText(label.data()), DivisionFont(g)});
  }
  const double step = std::max(1.0, 1.15 * g.hu);
  const double room = block.width() - 2.0 * std::max(g.wu, 1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double centre = block.center().y() + (i - (lines.size() - 1) / 2.0) * step;
    const QRectF rect(block.left(), centre - step / 2, block.width(), step);
    DrawTextWithFont(painter, FittedFont(painter.device(), lines[i].font, lines[i].text, room),
                     lines[i].text, rect, kTextCentredLine | kTextNoClip);
  }
}

// The same on one line, for the band above the north chart.
void DrawTitleLine(QPainter& painter, const Geometry& g, const QRectF& band, const ChartDrawInput& input,
                   const ChartDrawOptions& options) {
  struct Run {
    QString text;
    TextFont font;
  };
  std::vector<Run> runs;
  if (options.bitmap && !options.bitmapTitle.isEmpty()) runs.push_back({options.bitmapTitle, TitleFont(g)});
  runs.push_back({input.title.isEmpty() ? ChartTitleTerm(input.chartIndex) : input.title, TitleFont(g)});
  if (input.title.isEmpty() && ShowsDivisionLabel(input.chartIndex)) {
    const std::string_view label = DivisionLabel(input.chartIndex);
    runs.push_back({TermText(label.data()), DivisionFont(g)});
  }
  const QPaintDevice* device = painter.device();
  const double gap = 1.5 * std::max(g.wu, 1);
  double total = gap * static_cast<double>(runs.size() - 1);
  for (const Run& r : runs) total += MeasureText(device, r.font, r.text).width();
  const double room = band.width() - 2.0 * std::max(g.wu, 1);
  const double k = total > room && total > 0 ? room / total : 1.0;
  double x = band.center().x() - std::min(total, room) / 2;
  for (Run& r : runs) {
    r.font.height = std::max(1, static_cast<int>(r.font.height * k));
    if (r.font.width > 0) r.font.width = std::max(1, static_cast<int>(r.font.width * k));
    const double w = MeasureText(device, r.font, r.text).width();
    DrawTextWithFont(painter, r.font, r.text, QRectF(x, band.top(), w + gap, band.height()),
                     kTextLeft | kTextVCentre | kTextSingleLine | kTextNoClip);
    x += w + gap * k;
  }
}

// --- Common set-up --------------------------------------------------------

// Below this side (device pixels) a chart has no room for anything: nothing
// is drawn.
constexpr int kSmallestChart = 8;

void PrepareDevice(QPainter& painter, const ChartDrawOptions& options) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  if (options.clearBackground && !options.printing) {
    const QRectF area(0, 0, options.layoutSize.width(), options.layoutSize.height() + kBackgroundOverhang);
    painter.fillRect(area, ColourFromBgr(kBackgroundColour));
  }
  painter.setBrush(Qt::NoBrush);
}

// --- South chart ------------------------------------------------------------

// Cell column and row of each sign, Aries..Pisces: Pisces top left, Aries next
// to it, the signs running clockwise (the mirrored chart anticlockwise).
constexpr std::array<int, 12> kSouthColumn = {1, 2, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0};
constexpr std::array<int, 12> kSouthMirroredColumn = {2, 1, 0, 0, 0, 0, 1, 2, 3, 3, 3, 3};
constexpr std::array<int, 12> kSouthRow = {0, 0, 0, 1, 2, 3, 3, 3, 3, 2, 1, 0};

// Body positions in a cell, in the order they fill: column code (thirds of
// the cell) and row code (two ninths of it).
constexpr std::array<int, 18> kBodyColumnCode = {1, 0, 2, 0, 2, 1, 1, 0, 2, 0, 0, 2, 0, 2, 0, 0, 2, 0};
constexpr std::array<int, 18> kBodyRowCode = {1, 0, 2, 2, 0, 0, 2, 1, 1, 3, 1, 1, 3, 1, 3, 1, 1, 3};
// The first ten positions are distinct; the later ones repeat earlier places,
// so a cell with more bodies than that is laid out compactly instead of
// drawing labels over one another.
constexpr int kDistinctBodyPositions = 10;

// Pada positions: the right end of the label, column code (sixths) and row
// code (sixths); the padas fill the bottom third from the right.
constexpr std::array<int, 12> kPadaColumnCode = {5, 3, 1, 5, 3, 1, 0, 2, 4, 4, 2, 0};
constexpr std::array<int, 12> kPadaRowCode = {5, 5, 5, 4, 4, 4, 5, 5, 5, 4, 4, 4};

QPoint SouthCellOrigin(const Geometry& g, const ChartDrawOptions& options, int sign) {
  const std::array<int, 12>& columns = options.southMirrored ? kSouthMirroredColumn : kSouthColumn;
  return {g.x + columns[sign] * g.cell, g.y + kSouthRow[sign] * g.cell};
}

Geometry SouthGeometry(const QRectF& square, const ChartDrawOptions& options) {
  const QRect s = DeviceSquare(square, options);
  return MakeGeometry(s.x(), s.y(), s.width(), options);
}

void SouthCellLabels(QPainter& painter, const Geometry& g, QPoint origin, const CellLabels& cell, bool flow) {
  const int c = g.cell;
  // The margins of a cell are whole pixels on a screen-sized chart (6 from the
  // left, 2 from the top) and grow with larger charts, so that a printed chart
  // keeps its labels clear of its lines.
  const int left = g.Px(6);
  const int across = c - 2 * left;
  const int top = g.Px(2) + g.hu / 8;
  const int down = c - 2 * g.Px(2);
  if (!flow && static_cast<int>(cell.bodies.size()) <= kDistinctBodyPositions) {
    for (std::size_t n = 0; n < cell.bodies.size(); ++n) {
      const QRectF rect(origin.x() + kBodyColumnCode[n] * across / 3 + left,
                        origin.y() + 2 * kBodyRowCode[n] * down / 9 + top, 20 * g.wu, 5 * g.hu);
      NoteLabel(g, cell.bodies[n].font);
      DrawTextWithFont(painter, cell.bodies[n].font, cell.bodies[n].text, rect, kTextLeft);
    }
  } else if (!cell.bodies.empty()) {
    // Crowded, or labels with their degrees: the bodies flow in the part of
    // the cell the padas leave free.
    const int height = cell.padas.empty() ? c : 2 * c / 3;
    const int margin = g.Px(2);
    const QRectF area(origin.x() + margin, origin.y() + margin, c - 2 * margin, height - 2 * margin);
    FlowCell(painter, g, QPolygonF(area), CellLabels{cell.bodies, {}});
  }

  if (!LabelsBelowReadable(g) && cell.padas.size() <= kPadaColumnCode.size()) {
    // The bottom row of padas is lifted so that "AL" stays clear of the
    // cell's bottom line.
    const int lowestTop = 5 * down / 6 + g.Px(2);
    const int lift = std::max(0, lowestTop + 7 * g.hu / 10 - (c - std::max(g.Px(2), g.hu / 6)));
    for (std::size_t n = 0; n < cell.padas.size(); ++n) {
      const int right = origin.x() + (kPadaColumnCode[n] + 1) * across / 6 + left;
      const int padaTop = origin.y() + kPadaRowCode[n] * down / 6 + g.Px(2) - lift;
      const QRectF rect(right - 5 * g.wu, padaTop, 5 * g.wu, 2 * g.hu);
      NoteLabel(g, cell.padas[n].font);
      DrawTextWithFont(painter, cell.padas[n].font, cell.padas[n].text, rect, kTextRight | kTextNoClip);
    }
  } else {
    const int margin = g.Px(2);
    const QRectF area(origin.x() + margin, origin.y() + 2 * c / 3, c - 2 * margin, c / 3 - margin);
    FlowCell(painter, g, QPolygonF(area), CellLabels{{}, cell.padas});
  }
}

// --- North chart ------------------------------------------------------------

struct CellShape {
  int count;                                // 3 or 4 vertices
  std::array<std::array<int, 2>, 4> point;  // x, y in grid units
};

// Houses 0..11 of the north chart in quarters of the square, the vertex
// nearest the centre first: house 0 (the ascendant's sign) the top kite, the
// following houses anticlockwise.
constexpr std::array<CellShape, 12> kNorthHouses = {{
    {4, {{{2, 2}, {3, 1}, {2, 0}, {1, 1}}}},
    {3, {{{1, 1}, {2, 0}, {0, 0}}}},
    {3, {{{1, 1}, {0, 0}, {0, 2}}}},
    {4, {{{2, 2}, {1, 1}, {0, 2}, {1, 3}}}},
    {3, {{{1, 3}, {0, 2}, {0, 4}}}},
    {3, {{{1, 3}, {0, 4}, {2, 4}}}},
    {4, {{{2, 2}, {1, 3}, {2, 4}, {3, 3}}}},
    {3, {{{3, 3}, {2, 4}, {4, 4}}}},
    {3, {{{3, 3}, {4, 4}, {4, 2}}}},
    {4, {{{2, 2}, {3, 3}, {4, 2}, {3, 1}}}},
    {3, {{{3, 1}, {4, 2}, {4, 0}}}},
    {3, {{{3, 1}, {4, 0}, {2, 0}}}},
}};

// Signs 0..11 of the east chart in thirds of the square: Aries the top middle,
// the following signs anticlockwise, the corners cut by their diagonals.
constexpr std::array<CellShape, 12> kEastSigns = {{
    {4, {{{1, 0}, {2, 0}, {2, 1}, {1, 1}}}},
    {3, {{{0, 0}, {1, 0}, {1, 1}}}},
    {3, {{{0, 0}, {1, 1}, {0, 1}}}},
    {4, {{{0, 1}, {1, 1}, {1, 2}, {0, 2}}}},
    {3, {{{0, 2}, {1, 2}, {0, 3}}}},
    {3, {{{0, 3}, {1, 2}, {1, 3}}}},
    {4, {{{1, 2}, {2, 2}, {2, 3}, {1, 3}}}},
    {3, {{{2, 2}, {3, 3}, {2, 3}}}},
    {3, {{{2, 2}, {3, 2}, {3, 3}}}},
    {4, {{{2, 1}, {3, 1}, {3, 2}, {2, 2}}}},
    {3, {{{2, 1}, {3, 0}, {3, 1}}}},
    {3, {{{2, 0}, {3, 0}, {2, 1}}}},
}};

// Grid line k of n across a side: whole pixels.
int GridPoint(int origin, int side, int k, int n) { return origin + side * k / n; }

QPolygonF ShapeOf(const CellShape& shape, const Geometry& g, int divisions) {
  QPolygonF polygon;
  for (int i = 0; i < shape.count; ++i) {
    polygon << QPointF(GridPoint(g.x, g.size, shape.point[i][0], divisions),
                       GridPoint(g.y, g.size, shape.point[i][1], divisions));
  }
  return polygon;
}

// The north diagram: outside a south-north bitmap it stands below a band
// that carries the chart's name, so its square is narrower than the chart's.
struct NorthLayout {
  Geometry g;       // the diagram
  QRect band;       // the title band (empty in a south-north bitmap)
};

NorthLayout MakeNorthLayout(const QRectF& square, const ChartDrawOptions& options) {
  const QRect s = DeviceSquare(square, options);
  if (options.southNorth) return {MakeGeometry(s.x(), s.y(), s.width(), options), QRect()};
  const Geometry whole = MakeGeometry(s.x(), s.y(), s.width(), options);
  const int bandHeight = std::min(s.width(), static_cast<int>(1.5 * whole.hu) + 2);
  const int side = s.width() - bandHeight;
  NorthLayout layout{MakeGeometry(s.x() + bandHeight / 2, s.y() + bandHeight, side, options), QRect()};
  layout.band = QRect(s.x(), s.y(), s.width(), bandHeight);
  return layout;
}

// A north house: where its sign number goes (near the corner towards the
// middle of the chart) and the rest of the house, which takes the labels.
struct HousePlaces {
  QPointF numberCentre;
  QPolygonF labelShape;
};

HousePlaces PlaceAroundInnerCorner(const QPolygonF& house, QSizeF number, double margin) {
  const QPointF apex = house[0];
  QPointF mean(0, 0);
  for (const QPointF& p : house) mean += p;
  mean /= static_cast<double>(house.size());
  QPointF dir = mean - apex;
  const double length = std::hypot(dir.x(), dir.y());
  if (length <= 0) return {apex, house};
  dir /= length;
  // The inner corners are right angles with axis-parallel bisectors: the
  // number's box clears both sides at this distance from the corner.
  const double along = std::abs(dir.x()) * number.width() + std::abs(dir.y()) * number.height();
  const double across = std::abs(dir.y()) * number.width() + std::abs(dir.x()) * number.height();
  const double distance = along / 2 + across / 2 + margin;
  const QPointF centre = apex + dir * distance;
  const QPointF cut = apex + dir * (distance + along / 2 + margin);
  return {centre, ClipConvexPolygon(house, cut, dir)};
}

// --- East chart -------------------------------------------------------------

Geometry EastGeometry(const QRectF& square, const ChartDrawOptions& options) {
  return SouthGeometry(square, options);
}

}  // namespace

ChartDrawOptions ChartDrawOptionsFromSettings(const Settings& settings) {
  ChartDrawOptions options;
  options.chartStyle = settings.chartStyle;
  options.southMirrored = settings.chartStyle == kSouthMirrored;
  options.eastFramed = settings.chartStyle == kEastFramed;
  options.groups.specialLagnas = settings.showSpecialLagnas != 0;
  options.groups.dhoomaGroup = settings.showDhoomaGroup != 0;
  options.groups.gulikaGroup = settings.showGulikaGroup != 0;
  options.padas.all = settings.showAllPadas != 0;
  options.padas.some = settings.showSomePadas != 0;
  options.padas.chosen = settings.chosenPadas;
  options.blackAndWhite = settings.blackAndWhite != 0;
  options.degrees = settings.chartDegrees == 1;
  options.latinLabels = settings.latinLabels == 1;
  options.vargaDegrees = settings.vargaDegrees == 0;
  return options;
}

ChartDrawInput ChartDrawInputFromState(const ChartState& state, int chartIndex) {
  ChartDrawInput input;
  input.chartIndex = chartIndex;
  input.longitude = state.slotLongitude;
  input.retrograde = state.slotRetrograde;
  if (chartIndex == kChartChoiceCount - 1) return input;  // the transit chart: empty
  const int varga = chartIndex >= 0 && chartIndex < kVargaCount ? chartIndex : kD1;
  input.sign = state.vedic.vargaSign[varga];
  return input;
}

void DrawChart(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
               const ChartDrawOptions& options) {
  switch (options.chartStyle) {
    case kNorthDiamond:
      DrawChartNorth(painter, square, input, options);
      break;
    case kEastSun:
    case kEastFramed:
      DrawChartEast(painter, square, input, options);
      break;
    default:
      DrawChartSouth(painter, square, input, options);
      break;
  }
}

void DrawChartSouth(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
                    const ChartDrawOptions& options) {
  painter.save();
  PrepareDevice(painter, options);
  const Geometry g = SouthGeometry(square, options);
  if (g.size < kSmallestChart) {
    painter.restore();
    return;
  }
  const int side = 4 * g.cell;

  painter.setPen(FramePen(g, kSouthFrameColour));
  DoubleFrame(painter, g, side);
  FrameRect(painter, g, g.x + g.cell, g.y + g.cell, 2 * g.cell, 2 * g.cell);
  for (int s = 0; s < 12; ++s) {
    const QPoint origin = SouthCellOrigin(g, options, s);
    FrameRect(painter, g, origin.x(), origin.y(), g.cell, g.cell);
  }

  const SignLabels labels = CollectLabels(input, options, g);
  for (int s = 0; s < 12; ++s) {
    SouthCellLabels(painter, g, SouthCellOrigin(g, options, s), labels[s],
                    options.degrees || LabelsBelowReadable(g));
  }

  DrawTitleBlock(painter, g, QRectF(g.x + g.cell, g.y + g.cell, 2 * g.cell, 2 * g.cell), input, options);
  painter.restore();
}

void DrawChartNorth(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
                    const ChartDrawOptions& options) {
  painter.save();
  PrepareDevice(painter, options);
  const NorthLayout layout = MakeNorthLayout(square, options);
  const Geometry& g = layout.g;
  if (g.size < kSmallestChart) {
    painter.restore();
    return;
  }
  const QPointF topLeft(g.x, g.y);
  const QPointF topRight(g.x + g.size - 1, g.y);
  const QPointF bottomLeft(g.x, g.y + g.size - 1);
  const QPointF bottomRight(g.x + g.size - 1, g.y + g.size - 1);

  // The square, its diagonals, and the diamond joining the middles of its
  // sides, drawn twice as thick.
  painter.setPen(FramePen(g, kNorthFrameColour));
  FrameRect(painter, g, g.x, g.y, g.size, g.size);
  Line(painter, g, topLeft, bottomRight);
  Line(painter, g, topRight, bottomLeft);
  painter.setPen(FramePen(g, kNorthFrameColour, 2));
  const double mid = (g.size - 1) / 2.0;
  const double c = Crisp(g, 2);
  painter.drawPolygon(QPolygonF({QPointF(g.x + mid + c, g.y + c), QPointF(g.x + g.size - 1 + c, g.y + mid + c),
                                 QPointF(g.x + mid + c, g.y + g.size - 1 + c), QPointF(g.x + c, g.y + mid + c)}));

  const int ascendant = input.sign[kAscendant];
  if (IsSign(ascendant)) {
    const SignLabels labels = CollectLabels(input, options, g);
    const TextFont numberFont = SignNumberFont(g);
    const QSizeF numberSize = MeasureText(painter.device(), numberFont, QStringLiteral("12"));
    const double margin = 0.15 * numberSize.height() + g.pen;
    for (int house = 0; house < 12; ++house) {
      const int sign = (ascendant + house) % 12;
      const HousePlaces places = PlaceAroundInnerCorner(ShapeOf(kNorthHouses[house], g, 4), numberSize, margin);
      const QRectF numberRect(places.numberCentre.x() - numberSize.width(),
                              places.numberCentre.y() - numberSize.height() / 2, 2 * numberSize.width(),
                              numberSize.height());
      DrawTextWithFont(painter, numberFont, QString::number(sign + 1), numberRect, kTextCentredLine | kTextNoClip);
      FlowCell(painter, g, places.labelShape, labels[sign]);
    }
  }

  if (!layout.band.isEmpty()) DrawTitleLine(painter, g, QRectF(layout.band), input, options);
  painter.restore();
}

void DrawChartEast(QPainter& painter, const QRectF& square, const ChartDrawInput& input,
                   const ChartDrawOptions& options) {
  painter.save();
  PrepareDevice(painter, options);
  const Geometry g = EastGeometry(square, options);
  if (g.size < kSmallestChart) {
    painter.restore();
    return;
  }
  const int first = GridPoint(0, g.size, 1, 3);
  const int second = GridPoint(0, g.size, 2, 3);
  const int last = g.size - 1;

  painter.setPen(FramePen(g, kSouthFrameColour));
  if (options.eastFramed) {
    DoubleFrame(painter, g, g.size);
    FrameRect(painter, g, g.x + first, g.y + first, second - first + 1, second - first + 1);
  }
  // The sign cells: two lines each way across the square and the diagonals
  // of its corners, drawn point to point.
  const auto at = [&](int px, int py) { return QPointF(g.x + px, g.y + py); };
  for (int v : {first, second}) {
    Line(painter, g, at(v, 0), at(v, last));
    Line(painter, g, at(0, v), at(last, v));
  }
  Line(painter, g, at(0, 0), at(first, first));
  Line(painter, g, at(last, 0), at(second, first));
  Line(painter, g, at(0, last), at(first, second));
  Line(painter, g, at(last, last), at(second, second));

  const SignLabels labels = CollectLabels(input, options, g);
  for (int s = 0; s < 12; ++s) FlowCell(painter, g, ShapeOf(kEastSigns[s], g, 3), labels[s]);

  DrawTitleBlock(painter, g, QRectF(at(first, first), at(second, second)), input, options);
  painter.restore();
}

QPolygonF ChartCellShape(const QRectF& square, const ChartDrawOptions& options, int index) {
  if (!IsSign(index)) return {};
  switch (options.chartStyle) {
    case kNorthDiamond:
      return ShapeOf(kNorthHouses[index], MakeNorthLayout(square, options).g, 4);
    case kEastSun:
    case kEastFramed:
      return ShapeOf(kEastSigns[index], EastGeometry(square, options), 3);
    default: {
      const Geometry g = SouthGeometry(square, options);
      const QPoint origin = SouthCellOrigin(g, options, index);
      return QPolygonF(QRectF(origin.x(), origin.y(), g.cell, g.cell));
    }
  }
}

}  // namespace orvane
