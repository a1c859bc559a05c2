#include "display/view_screens.h"

#include <algorithm>

namespace orvane {
namespace {

using K = ScreenKind;
using C = ScreenChart;

constexpr ScreenChartLayout Chart(C which, int x, int y, int size) { return {which, x, y, size}; }

constexpr TextBlockLayout Block(int section, int x0, int x1, int y0, int y1, int heightParam, int widthParam,
                              int weight, BgrColour colour) {
  return {section, {}, x0, x1, y0, y1, heightParam, widthParam, weight, colour};
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
     1, {Chart(C::kAshtakavarga, 348, 12, 400)}},
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
    {kScreenShadbala, K::kBoth, false, 3,
     {Heading("ShadBalas:\n", 60, 1270, 10, 890, 24, 9, 600, 0x50460f),
      Block(13, 100, 1270, 30, 890, 18, 7, 550, 0x280f96),
      Heading("BhavaBalas:\n", 60, 1270, 700, 890, 24, 9, 600, 0x50460f)},
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

QString ScreenView::ReportText() const { return Latin1(chart().report.Text()); }

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
  ScreenPaintResult result;
  screenText_.clear();
  const ScreenLayout* layout = FindScreen(choices_.screen);
  if (!layout) return result;  // a screen id not in the table draws nothing

  const bool tajaka = chart().options.tajakaMode != 0;
  if (layout->id == kScreenPanchaVargeeya && !tajaka) {
    result.message = QString::fromLatin1(kBalasTajakaOnlyText);
    return result;
  }
  if (!FitsChartKind(layout->kind, tajaka)) {
    if (choices_.previousScreen == choices_.screen) return result;
    result.message = QString::fromLatin1(layout->kind == ScreenKind::kNatalOnly ? kNatalOnlyText : kTajakaOnlyText);
    choices_.screen = choices_.previousScreen;
    layout = FindScreen(choices_.screen);
    // The previous screen was drawn for the other kind of chart (the kind
    // changed since): the two-chart screen fits both.
    if (!layout || !FitsChartKind(layout->kind, tajaka) ||
        (layout->id == kScreenPanchaVargeeya && !tajaka)) {
      choices_.screen = kScreenTwoCharts;
      layout = FindScreen(kScreenTwoCharts);
    }
  }
  if (!PaintLayout(painter, options, *layout)) {
    result.ok = false;
    result.failure = lastFailure();
    result.message.clear();
    return result;
  }
  result.drawnScreen = layout->id;
  choices_.previousScreen = layout->id;
  return result;
}

bool ScreenView::PaintLayout(QPainter& painter, const ScreenPaintOptions& options, const ScreenLayout& layout) {
  const QString face = Latin1(kTextBlockFace);
  auto drawBlocks = [&](bool clearFirst) {
    for (int i = 0; i < layout.blockCount; ++i) {
      const TextBlockLayout& b = layout.blocks[static_cast<std::size_t>(i)];
      if (!DrawTextBlock(painter, options, b.section, b.x0, b.x1, b.y0, b.y1, face, b.heightParam, b.widthParam,
                         b.weight, b.colour, clearFirst && i == 0, Latin1(b.heading)))
        return false;
    }
    return true;
  };
  auto drawCharts = [&](bool clearFirst) {
    for (int i = 0; i < layout.chartCount; ++i) {
      const ScreenChartLayout& c = layout.charts[static_cast<std::size_t>(i)];
      DrawScreenChart(painter, options, ChartIndexOf(c.which), c.x, c.y, c.size, clearFirst && i == 0);
    }
  };
  if (layout.chartsFirst) {
    if (!RunChartPass(kNoSection)) return false;
    drawCharts(true);
    return drawBlocks(false);
  }
  if (!drawBlocks(true)) return false;
  drawCharts(false);
  return true;
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
  const VargaChoice varga = SelectVarga(chartIndex);
  DrawChart(painter, QRectF(x, y, size, size), ChartDrawInputFromState(chart(), varga.chartIndex), draw);
}

}  // namespace orvane
