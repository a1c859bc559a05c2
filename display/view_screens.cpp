#include "display/view_screens.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

using K = ScreenKind;
using C = ScreenChart;

constexpr ScreenChartLayout Chart(C which, int x, int y, int size) { return {which, x, y, size}; }

constexpr TextBlockLayout Block(int section, int x0, int x1, int y0, int y1, int heightParam, int widthParam,
                              int weight, BgrColour colour) {
  return {section, {}, x0, x1, y0, y1, heightParam, widthParam, weight, colour};
}

constexpr TextBlockLayout Part(TextBlockLayout block, TextPart part) {
  block.part = part;
  return block;
}

constexpr TextBlockLayout Heading(std::string_view text, int x0, int x1, int y0, int y1, int heightParam,
                                int widthParam, int weight, BgrColour colour) {
  return {kNoSection, text, x0, x1, y0, y1, heightParam, widthParam, weight, colour};
}

// Screen id, kind, charts first, blocks (report section, x0..x1, y0..y1 in
// layout units, height / width parameters, weight, colour 0xBBGGRR), charts
// (which, x, y, size in layout units).
constexpr std::array<ScreenLayout, 12> kScreens = {{
    {kScreenVimsottari, K::kNatalOnly, false, 1,
     {Block(0, 10, 1270, 10, 890, 23, 8, 450, 0x1e3c1e)},
     2, {Chart(C::kChart1, 750, 20, 400), Chart(C::kChart2, 750, 450, 400)}},
    {kScreenKalachakra, K::kNatalOnly, false, 1,
     {Block(1, 10, 1270, 10, 890, 23, 8, 450, 0x641928)},
     2, {Chart(C::kChart1, 660, 20, 400), Chart(C::kChart2, 660, 450, 400)}},
    {kScreenPatyayini, K::kTajakaOnly, false, 1,
     {Block(6, 10, 1270, 10, 890, 23, 8, 450, 0x0f0f64)},
     2, {Chart(C::kChart1, 760, 20, 400), Chart(C::kChart2, 760, 450, 400)}},
    {kScreenAshtakavarga, K::kBoth, false, 1,
     {Block(3, 24, 1270, 12, 890, 18, 8, 500, 0x0f3c0c)},
     1, {Chart(C::kAshtakavarga, 348, 12, 400)},
     "Legend:\n  4*  a * after the bindus: the planet itself\n      stands in that sign in the chart above"},
    {kScreenTwoCharts, K::kBoth, true, 2,
     {Block(5, 20, 1270, 404, 920, 16, 7, 550, 0x323264), Block(4, 660, 1270, 404, 920, 20, 8, 550, 0x326432)},
     2, {Chart(C::kChart1, 8, 8, 380), Chart(C::kChart2, 388, 8, 380)}},
    {kScreenSahams, K::kBoth, false, 1,
     {Block(10, 40, 1270, 15, 890, 21, 7, 550, 0x0e3846)},
     2, {Chart(C::kChart1, 820, 50, 400), Chart(C::kChart2, 820, 480, 400)}},
    {kScreenPanchaVargeeya, K::kTajakaOnly, false, 2,
     {Heading("\nTajaka PanchaVargeeya Bala (five-source strength):\n\n", 30, 1270, 10, 300, 27, 9, 600, 0x1e008c),
      Block(11, 20, 1270, 100, 300, 21, 7, 550, 0x1e008c)},
     2, {Chart(C::kChart1, 820, 20, 400), Chart(C::kChart2, 820, 450, 400)}},
    {kScreenShadbala, K::kBoth, false, 4,
     {Heading("ShadBalas:\n", 60, 1270, 10, 890, 24, 9, 600, 0x50460f),
      Part(Block(13, 100, 1270, 30, 890, 18, 7, 550, 0x280f96), TextPart::kBeforeGap),
      Heading("BhavaBalas:\n", 60, 1270, 700, 890, 24, 9, 600, 0x50460f),
      Part(Block(13, 100, 1270, 720, 890, 18, 7, 550, 0x280f96), TextPart::kAfterGap)},
     2, {Chart(C::kChart1, 820, 20, 400), Chart(C::kChart2, 820, 450, 400)}},
    {kScreenMiscellaneous, K::kBoth, false, 2,
     {Block(4, 20, 1270, 4, 920, 15, 7, 550, 0x326432), Block(5, 20, 1270, 268, 920, 15, 7, 550, 0x323264)},
     0, {}},
    {kScreenAshtottari, K::kNatalOnly, false, 1,
     {Block(37, 10, 1270, 10, 890, 23, 8, 450, 0x48505f)},
     2, {Chart(C::kChart1, 810, 20, 400), Chart(C::kChart2, 810, 450, 400)}},
    {kScreenMudda, K::kTajakaOnly, false, 1,
     {Block(7, 10, 1270, 10, 890, 23, 8, 450, 0x1e3c1e)},
     2, {Chart(C::kChart1, 750, 20, 400), Chart(C::kChart2, 750, 450, 400)}},
    {kScreenPratyantardasas, K::kNatalOnly, false, 1,
     {Block(42, 10, 1270, 10, 890, 23, 8, 450, 0x1e3c1e)},
     2, {Chart(C::kChart1, 750, 20, 400), Chart(C::kChart2, 750, 450, 400)}},
}};

// Division number of each chart choice 0..20 (the last is the transit chart).
constexpr std::array<int, 21> kChoiceDivision = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                 12, 16, 20, 24, 27, 30, 40, 45, 60, 1};

// Long products stay exact; a device of any size keeps its arithmetic in range.
int Scaled(int v, int extent, int space) {
  return static_cast<int>(static_cast<long long>(v) * extent / space);
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool FitsChartKind(ScreenKind kind, bool tajaka) {
  switch (kind) {
    case ScreenKind::kNatalOnly:
      return !tajaka;
    case ScreenKind::kTajakaOnly:
      return tajaka;
    case ScreenKind::kBoth:
      break;
  }
  return true;
}

}  // namespace

const std::array<ScreenLayout, 12>& ScreenTable() { return kScreens; }

const ScreenLayout* FindScreen(int id) {
  const auto it = std::find_if(kScreens.begin(), kScreens.end(), [id](const ScreenLayout& s) { return s.id == id; });
  return it == kScreens.end() ? nullptr : &*it;
}

VargaChoice SelectVarga(int chartIndex) {
  if (chartIndex < 0 || chartIndex >= static_cast<int>(kChoiceDivision.size())) return {0, 1};
  return {chartIndex, kChoiceDivision[static_cast<std::size_t>(chartIndex)]};
}

QRect TextBlockRect(int x0, int x1, int y0, int y1, const ScreenPaintOptions& options) {
  if (!options.absoluteCoordinates) {
    const int w = options.layout.width(), h = options.layout.height();
    x0 = Scaled(x0, w, kScreenLayoutWidth);
    x1 = Scaled(x1, w, kScreenLayoutWidth);
    y0 = Scaled(y0, h, kScreenLayoutHeight);
    y1 = Scaled(y1, h, kScreenLayoutHeight);
  }
  return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

TextFont TextBlockFont(const QString& face, int heightParam, int widthParam, int weight, BgrColour colour,
                       const ScreenPaintOptions& options) {
  TextFont font;
  const int height = Scaled(options.layout.height(), heightParam + 1, 840);
  const int width = Scaled(options.layout.width(), widthParam + 1, 1220);
  SetTextFont(font, face, weight, height, width, colour, options.printing && options.blackAndWhite);
  return font;
}

void ScreenView::SelectChart(int index) { choices_.selectedChart = SelectVarga(index).chartIndex; }

QString ScreenView::ReportText() const { return Latin1(report().Text()); }

int ScreenView::ChartIndexOf(ScreenChart which) const {
  switch (which) {
    case ScreenChart::kChart1:
      return choices_.chart1;
    case ScreenChart::kChart2:
      return choices_.chart2;
    case ScreenChart::kAshtakavarga:
      break;
  }
  return choices_.ashtakavargaChart;
}

ScreenPaintResult ScreenView::PaintScreen(QPainter& painter, const ScreenPaintOptions& options) {
  ScreenPaintResult result = PrepareScreen();
  if (!result.ok || !prepared_) return result;
  result.geometry = ArrangeScreen(options, painter.device());
  PaintPrepared(painter, options, result.geometry);
  return result;
}

ScreenPaintResult ScreenView::PrepareScreen() {
  ScreenPaintResult result;
  screenText_.clear();
  prepared_ = nullptr;
  preparedTexts_.clear();
  const ScreenLayout* layout = FindScreen(choices_.screen);
  if (!layout) return result;  // a screen id not in the table draws nothing

  const bool tajaka = chart().options.tajakaMode != 0;
  auto fits = [tajaka](const ScreenLayout& l) {
    return FitsChartKind(l.kind, tajaka) && !(l.id == kScreenPanchaVargeeya && !tajaka);
  };
  if (!fits(*layout)) {
    if (choices_.previousScreen == choices_.screen) return result;
    if (layout->id == kScreenPanchaVargeeya && !tajaka) {
      result.message = QString::fromLatin1(kBalasTajakaOnlyText);
    } else {
      result.message =
          QString::fromLatin1(layout->kind == ScreenKind::kNatalOnly ? kNatalOnlyText : kTajakaOnlyText);
    }
    choices_.screen = choices_.previousScreen;
    layout = FindScreen(choices_.screen);
    // The previous screen was drawn for the other kind of chart (the kind
    // changed since): the two-chart screen fits both.
    if (!layout || !fits(*layout)) {
      choices_.screen = kScreenTwoCharts;
      layout = FindScreen(kScreenTwoCharts);
    }
  }
  if (!PrepareLayout(*layout)) {
    result.ok = false;
    result.failure = lastFailure();
    result.message.clear();
    screenText_.clear();
    preparedTexts_.clear();
    return result;
  }
  prepared_ = layout;
  result.drawnScreen = layout->id;
  choices_.previousScreen = layout->id;
  return result;
}

namespace {

// The part of a report text a block shows. The gap is the first run of three
// blank lines; the part after it starts on its first line of text.
QString TextOfPart(const QString& text, TextPart part) {
  if (part == TextPart::kWhole) return text;
  const qsizetype gap = text.indexOf(QLatin1String("\n\n\n\n"));
  if (gap < 0) return part == TextPart::kBeforeGap ? text : QString();
  if (part == TextPart::kBeforeGap) return text.left(gap + 1);
  qsizetype from = gap;
  while (from < text.size() && text[from] == QLatin1Char('\n')) ++from;
  return QStringLiteral("\n") + text.mid(from);
}

}  // namespace

QString ScreenShownText(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1String("&&"), QLatin1String("&"));
  return shown;
}

bool ScreenView::PrepareLayout(const ScreenLayout& layout) {
  // The passes run in the order the screen has always drawn in: the
  // two-chart screen computes first, every other screen block by block.
  if (layout.chartsFirst && !RunChartPass(kNoSection)) return false;
  for (int i = 0; i < layout.blockCount; ++i) {
    const TextBlockLayout& b = layout.blocks[static_cast<std::size_t>(i)];
    if (!RunChartPass(b.section)) return false;
    const QString text = TextOfPart(b.section == kNoSection ? Latin1(b.heading) : ReportText(), b.part);
    screenText_ += text;
    if (!screenText_.isEmpty() && !screenText_.endsWith(QLatin1Char('\n')) && i + 1 < layout.blockCount)
      screenText_ += QLatin1Char('\n');
    preparedTexts_.push_back(ScreenShownText(text));
  }
  return true;
}

namespace {

// The extent of `text` drawn left-aligned from the top with `font` (lines
// break only at the text's own line ends).
QSizeF MeasureBlock(const QPaintDevice* device, const TextFont& font, const QString& text);

// The legend's type: a little smaller than the first block's, in its colour.
TextFont LegendFont(const ScreenLayout& layout, const ScreenPaintOptions& options) {
  const TextBlockLayout& first = layout.blocks[0];
  return TextBlockFont(Latin1(kTextBlockFace), std::max(1, first.heightParam * 5 / 6),
                       std::max(1, first.widthParam * 5 / 6), 400, first.colour, options);
}

QSizeF MeasureBlock(const QPaintDevice* device, const TextFont& font, const QString& text) {
  if (text.isEmpty()) return {0, 0};
  const QFont qfont = MakeTextQFont(font, device);
  const QFontMetricsF metrics = device ? QFontMetricsF(qfont, const_cast<QPaintDevice*>(device)) : QFontMetricsF(qfont);
  const QRectF box = metrics.boundingRect(QRectF(0, 0, 1.0e6, 1.0e6), Qt::AlignLeft | Qt::AlignTop, text);
  return {std::ceil(box.right()) + 1, std::ceil(box.bottom()) + 1};
}

}  // namespace

ScreenGeometry ScreenView::ArrangeScreen(const ScreenPaintOptions& options, const QPaintDevice* device) const {
  ScreenGeometry geometry;
  if (!prepared_) return geometry;
  const ScreenLayout& layout = *prepared_;
  const double sx = options.absoluteCoordinates ? 1.0 : options.layout.width() / double(kScreenLayoutWidth);
  const double sy = options.absoluteCoordinates ? 1.0 : options.layout.height() / double(kScreenLayoutHeight);
  const double sc = std::min(sx, sy);
  const double ox = options.absoluteCoordinates ? 0.0 : options.layout.x();
  const double oy = options.absoluteCoordinates ? 0.0 : options.layout.y();
  const double gap = std::max(2.0, std::round(14 * sc));
  const double stackGap = std::max(1.0, std::round(4 * sc));
  const double margin = std::max(2.0, std::round(10 * sc));
  const QString face = Latin1(kTextBlockFace);

  std::vector<QSizeF> sizes;
  for (int i = 0; i < layout.blockCount; ++i) {
    const TextBlockLayout& b = layout.blocks[static_cast<std::size_t>(i)];
    const TextFont font = TextBlockFont(face, b.heightParam, b.widthParam, b.weight, b.colour, options);
    sizes.push_back(MeasureBlock(device, font, preparedTexts_[static_cast<std::size_t>(i)]));
  }
  auto chartSquare = [&](const ScreenChartLayout& c) {
    return QRectF(ox + std::trunc(c.x * sx), oy + std::trunc(c.y * sy), std::trunc(c.size * sc),
                  std::trunc(c.size * sc));
  };

  if (layout.chartsFirst) {
    // The charts in a row along the top, the text blocks side by side below.
    double right = ox, bottom = oy;
    for (int i = 0; i < layout.chartCount; ++i) {
      QRectF square = chartSquare(layout.charts[static_cast<std::size_t>(i)]);
      square.moveLeft(std::max(square.left(), right));
      geometry.charts.push_back(square);
      right = square.right();
      bottom = std::max(bottom, square.bottom());
    }
    const double top = layout.chartCount > 0 ? bottom + gap : oy;
    double left = ox;
    for (int i = 0; i < layout.blockCount; ++i) {
      const TextBlockLayout& b = layout.blocks[static_cast<std::size_t>(i)];
      const QSizeF& size = sizes[static_cast<std::size_t>(i)];
      const double x = std::max(ox + std::trunc(b.x0 * sx), left);
      const double y = std::max(oy + std::trunc(b.y0 * sy), top);
      geometry.blocks.emplace_back(x, y, size.width(), size.height());
      if (size.width() > 0) left = x + size.width() + gap;
    }
  } else {
    // The text blocks in a column, each below the one before; the charts in
    // a column beside the widest of them.
    double below = oy, columnRight = ox;
    for (int i = 0; i < layout.blockCount; ++i) {
      const TextBlockLayout& b = layout.blocks[static_cast<std::size_t>(i)];
      const QSizeF& size = sizes[static_cast<std::size_t>(i)];
      const double x = ox + std::trunc(b.x0 * sx);
      const double y = std::max(oy + std::trunc(b.y0 * sy), below);
      geometry.blocks.emplace_back(x, y, size.width(), size.height());
      if (size.height() > 0) below = y + size.height() + stackGap;
      columnRight = std::max(columnRight, x + size.width());
    }
    double chartBottom = oy;
    for (int i = 0; i < layout.chartCount; ++i) {
      QRectF square = chartSquare(layout.charts[static_cast<std::size_t>(i)]);
      square.moveLeft(std::max(square.left(), columnRight + gap));
      square.moveTop(std::max(square.top(), chartBottom));
      geometry.charts.push_back(square);
      chartBottom = square.bottom() + gap;
    }
  }

  if (!layout.legend.empty()) {
    // Under the charts (or the text when there are none), in a smaller
    // type of the first block's colour.
    const TextFont font = LegendFont(layout, options);
    const QSizeF size = MeasureBlock(device, font, Latin1(layout.legend));
    double x = ox + margin, y = oy;
    if (!geometry.charts.empty()) {
      x = geometry.charts.back().left();
      y = geometry.charts.back().bottom() + gap;
    } else {
      for (const QRectF& r : geometry.blocks) y = std::max(y, r.bottom() + gap);
    }
    geometry.legend = QRectF(x, y, size.width(), size.height());
  }

  double right = 0, bottom = 0;
  if (!geometry.legend.isEmpty()) {
    right = geometry.legend.right();
    bottom = geometry.legend.bottom();
  }
  for (const QRectF& r : geometry.blocks) {
    if (r.isEmpty()) continue;
    right = std::max(right, r.right());
    bottom = std::max(bottom, r.bottom());
  }
  for (const QRectF& r : geometry.charts) {
    right = std::max(right, r.right());
    bottom = std::max(bottom, r.bottom());
  }
  geometry.extent = QSizeF(std::ceil(right + margin), std::ceil(bottom + margin));
  return geometry;
}

double ScreenView::MinimumTextScale() const {
  if (!prepared_) return 0;
  int least = 0;
  for (int i = 0; i < prepared_->blockCount; ++i) {
    const int height = prepared_->blocks[static_cast<std::size_t>(i)].heightParam;
    if (least == 0 || height < least) least = height;
  }
  if (!prepared_->legend.empty()) least = std::min(least, std::max(1, prepared_->blocks[0].heightParam * 5 / 6));
  if (least <= 0) return 0;
  // TextBlockFont: lines of trunc(layout height * (heightParam + 1) / 840).
  const double layoutHeight = std::ceil(kMinimumTextHeight * 840.0 / (least + 1));
  return (layoutHeight + 1) / kViewLayoutRect.height();
}

void ScreenView::PaintPrepared(QPainter& painter, const ScreenPaintOptions& options,
                               const ScreenGeometry& geometry) const {
  if (!prepared_) return;
  smallestText_ = 0;
  smallestLabel_ = 0;
  const ScreenLayout& layout = *prepared_;
  if (!options.printing) {
    const QRectF area(0, 0, std::max<double>(options.layout.right() + 1, geometry.extent.width()),
                      std::max<double>(options.layout.bottom() + 1 + kBackgroundOverhang, geometry.extent.height()));
    painter.fillRect(area, ColourFromBgr(kBackgroundColour));
  }
  ScreenPaintOptions device = options;
  device.absoluteCoordinates = true;
  if (!options.printing) overflow_.clear();
  for (int i = 0; i < layout.chartCount && i < static_cast<int>(geometry.charts.size()); ++i) {
    const ScreenChartLayout& c = layout.charts[static_cast<std::size_t>(i)];
    const QRectF& square = geometry.charts[static_cast<std::size_t>(i)];
    DrawScreenChart(painter, device, ChartIndexOf(c.which), static_cast<int>(square.x()),
                    static_cast<int>(square.y()), static_cast<int>(square.width()), false);
  }
  const QString face = Latin1(kTextBlockFace);
  for (int i = 0; i < layout.blockCount && i < static_cast<int>(geometry.blocks.size()); ++i) {
    const TextBlockLayout& b = layout.blocks[static_cast<std::size_t>(i)];
    const QString& text = preparedTexts_[static_cast<std::size_t>(i)];
    if (text.isEmpty()) continue;
    const TextFont font = TextBlockFont(face, b.heightParam, b.widthParam, b.weight, b.colour, options);
    if (smallestText_ == 0 || font.height < smallestText_) smallestText_ = font.height;
    DrawTextWithFont(painter, font, text, geometry.blocks[static_cast<std::size_t>(i)], kTextLeft | kTextNoClip);
  }
  if (!layout.legend.empty() && !geometry.legend.isEmpty()) {
    const TextFont legend = LegendFont(layout, options);
    if (smallestText_ == 0 || legend.height < smallestText_) smallestText_ = legend.height;
    DrawTextWithFont(painter, legend, Latin1(layout.legend), geometry.legend, kTextLeft | kTextNoClip);
  }
}

bool ScreenView::DrawTextBlock(QPainter& painter, const ScreenPaintOptions& options, int section, int x0, int x1,
                               int y0, int y1, const QString& face, int heightParam, int widthParam, int weight,
                               BgrColour colour, bool clearBackground, const QString& heading) {
  if (!RunChartPass(section)) return false;
  if (clearBackground && !options.printing) {
    const QRect& l = options.layout;
    painter.fillRect(QRect(0, 0, l.right() + 1, l.bottom() + 1 + kBackgroundOverhang),
                     ColourFromBgr(kBackgroundColour));
  }
  // A heading stands in the buffer's place: the pass without a section
  // leaves the report as it was.
  const QString text = section == kNoSection ? heading : ReportText();
  screenText_ = text;
  if (text.isEmpty()) return true;
  const TextFont font = TextBlockFont(face, heightParam, widthParam, weight, colour, options);
  DrawTextWithFont(painter, font, text, TextBlockRect(x0, x1, y0, y1, options), kTextLeft);
  return true;
}

void ScreenView::DrawScreenChart(QPainter& painter, const ScreenPaintOptions& options, int chartIndex, int x, int y,
                                 int size, bool clearBackground) const {
  ChartDrawOptions draw = ChartDrawOptionsFromSettings(settings());
  draw.printing = options.printing;
  draw.blackAndWhite = options.blackAndWhite;
  draw.absoluteCoordinates = options.absoluteCoordinates;
  draw.layoutSize = QSizeF(options.layout.width(), options.layout.height());
  draw.clearBackground = clearBackground;
  if (!options.printing) {
    draw.overflow = &overflow_;
    draw.smallestLabel = &smallestLabel_;
    draw.highlighted = highlighted_;
  }
  const VargaChoice varga = SelectVarga(chartIndex);
  DrawChart(painter, QRectF(x, y, size, size), ChartDrawInputFromState(chart(), varga.chartIndex), draw);
}

}  // namespace orvane
