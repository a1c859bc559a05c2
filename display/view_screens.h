// The screens of a chart window: each screen is a layout of report text
// blocks and chart diagrams in a logical space of 1270 x 890 units, scaled to
// the layout rectangle of the device painted on. ScreenView paints a screen
// on any QPainter (a widget's backing image, a printer page, a PDF, a
// QImage): every text block runs the chart pass for its report section, every
// chart is drawn with DrawChart from the chart that pass left.
//
// The table gives each block and chart its preferred place; the text is then
// measured on the device and the blocks and charts are moved apart so that
// nothing overlaps and no text is cut: text blocks of a column stack below
// one another, text blocks of a row stand side by side, and the charts stand
// beside (or above) the text. ArrangeScreen says where everything went and
// how large the whole screen is, so a window can scroll to all of it.
//
// One drawing path: nothing here depends on what the device is. Printing and
// bitmap choices travel in ScreenPaintOptions, a value passed to each call;
// no flag is set around a call and cleared after it. No message box or
// dialog is ever opened while painting: what the user has to be told comes
// back in ScreenPaintResult and the caller shows it once painting is over.
#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

#include <QRectF>
#include <QSizeF>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "display/chart_draw.h"
#include "report/report_buffer.h"
#include "display/colours.h"
#include "display/text_font.h"
#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

// Screens a view can show.
enum ScreenId : int {
  kScreenVimsottari = 0,
  kScreenKalachakra = 1,
  kScreenPatyayini = 3,
  kScreenAshtakavarga = 5,
  kScreenTwoCharts = 7,  // the default: two charts above two text blocks
  kScreenSahams = 8,
  kScreenPanchaVargeeya = 9,
  kScreenShadbala = 10,
  kScreenMiscellaneous = 15,
  kScreenAshtottari = 32,
  kScreenMudda = 36,
  kScreenPratyantardasas = 37,
};

// Which kind of chart a screen needs.
enum class ScreenKind : std::uint8_t { kBoth, kNatalOnly, kTajakaOnly };

// Which of the view's chart choices a chart of a screen shows.
enum class ScreenChart : std::uint8_t { kChart1, kChart2, kAshtakavarga };

// The logical space of screen layouts.
inline constexpr int kScreenLayoutWidth = 1270;
inline constexpr int kScreenLayoutHeight = 890;
// The layout rectangle of a chart window, whatever the window's size (the
// scroll bars reach the rest), and the area its background fill covers.
inline constexpr QRect kViewLayoutRect{0, 0, 1200, 800};
// The least height of a line of screen text, in pixels of the view: a
// screen is never scaled so small that a text block's lines are lower (it
// scrolls instead).
inline constexpr int kMinimumTextHeight = 12;
inline constexpr int kViewBackgroundExtent = 1600;
// Background fills of a screen run this far below the layout rectangle.
inline constexpr int kBackgroundOverhang = 70;

inline constexpr std::string_view kTextBlockFace = "Courier New";

// Which part of a report text a block shows: all of it, or the part before
// or after its first run of three blank lines (a screen that puts a heading
// of its own between the two parts).
enum class TextPart : std::uint8_t { kWhole, kBeforeGap, kAfterGap };

// One text block: report section (kNoSection: the heading alone), its
// rectangle x0..x1, y0..y1 in layout units, the font parameters (height and
// width parameters, weight) and the colour.
struct TextBlockLayout {
  int section = kNoSection;
  std::string_view heading{};  // drawn instead of the report when section is kNoSection
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  int heightParam = 0, widthParam = 0, weight = 400;
  BgrColour colour = 0;
  TextPart part = TextPart::kWhole;
};

// One chart of a screen: which choice, top-left corner and size in layout units.
struct ScreenChartLayout {
  ScreenChart which = ScreenChart::kChart1;
  int x = 0, y = 0, size = 0;
};

struct ScreenLayout {
  int id = 0;
  ScreenKind kind = ScreenKind::kBoth;
  // The two-chart screen computes first, draws its charts (the first one
  // clearing the background) and then its text blocks; every other screen
  // draws its text blocks first (the first one clearing the background).
  bool chartsFirst = false;
  int blockCount = 0;
  std::array<TextBlockLayout, 4> blocks{};
  int chartCount = 0;
  std::array<ScreenChartLayout, 2> charts{};
  // A note on the marks of the screen's text, drawn below its charts; no
  // part of the screen's text (copying the screen leaves it out).
  std::string_view legend{};
};

// The screen table; FindScreen returns nullptr for an id not in it.
const ScreenLayout* FindScreen(int id);
const std::array<ScreenLayout, 12>& ScreenTable();

// Captions and texts of the screen-mismatch messages.
inline constexpr char kOhNoCaption[] = "Oh no";
inline constexpr char kNatalOnlyText[] =
    "Oh no, the dasa you wanted is only for natal charts. We are displaying a Tajaka annual chart now!";
inline constexpr char kTajakaOnlyText[] =
    "Oh no, the dasa you wanted is only for Tajaka annual charts. We are displaying a natal chart now!";
inline constexpr char kBalasTajakaOnlyText[] =
    "Oh no, these balas are only for Tajaka annual charts. We are displaying a natal chart now!";

// Chart choice 0..20 -> row of the divisional sign table and division
// number: 0..19 are D-1 .. D-60, 20 is the transit chart (division 1, a
// table of its own); any other index is the Rasi.
struct VargaChoice {
  int chartIndex = 0;  // 0..20
  int division = 1;
};
VargaChoice SelectVarga(int chartIndex);

// How a screen is painted on a device.
struct ScreenPaintOptions {
  // The layout rectangle, device units: the logical 1270 x 890 space is
  // scaled to it. The view uses kViewLayoutRect; a printer page (0, 0, W, H).
  QRect layout = kViewLayoutRect;
  // A printer page: no background fills, the charts' print insets, and with
  // blackAndWhite every text and label in black.
  bool printing = false;
  bool blackAndWhite = false;
  // Coordinates passed to DrawTextBlock and DrawScreenChart are device units
  // (no scaling from the layout space).
  bool absoluteCoordinates = false;
};

// Device rectangle of a text block x0..x1, y0..y1 (layout units unless
// absolute): each coordinate scaled by layout width / 1270 or layout height
// / 890 and truncated.
QRect TextBlockRect(int x0, int x1, int y0, int y1, const ScreenPaintOptions& options);
// The font of a text block: height trunc(layoutHeight * (heightParam + 1) /
// 840), width trunc(layoutWidth * (widthParam + 1) / 1220), device pixels.
TextFont TextBlockFont(const QString& face, int heightParam, int widthParam, int weight, BgrColour colour,
                       const ScreenPaintOptions& options);

// The per-view values the screens read; the view's commands change them.
struct ScreenChoices {
  int screen = kScreenTwoCharts;
  int previousScreen = kScreenTwoCharts;  // the last screen drawn
  int chart1 = 0;             // Rasi
  int chart2 = 8;             // Navamsa
  int ashtakavargaChart = 0;  // Rasi
  // The chart the report works on (chart 1, or the Ashtakavarga chart after
  // the Ashtakavarga command), recorded by SelectChart.
  int selectedChart = 0;
  int mahadasa = 1;  // 1..9 (Sun..Ketu): the pratyantardasa listing
};

// Where a screen's blocks and charts went, device units.
struct ScreenGeometry {
  std::vector<QRectF> blocks;  // each text block's measured extent, in table order
  std::vector<QRectF> charts;  // each chart's square
  QRectF legend;               // the legend's extent (empty: none)
  QSizeF extent;               // from (0, 0) to beyond the last block or chart, margins included
};

struct ScreenPaintResult {
  bool ok = true;               // false: a chart pass failed (see failure)
  QString failure;              // why, one paragraph
  int drawnScreen = -1;         // the screen painted, -1 when nothing was
  QString message;              // an "Oh no" text to show once painting is over
  ScreenGeometry geometry;      // where the screen's parts went (empty when nothing was painted)
};

// A report text as the screen shows it: "&&" (the menus' way of writing an
// ampersand, which some report lines use) shows as "&". Copies keep the text.
QString ScreenShownText(const QString& text);

// A chart window's screens, independent of the widget that shows them.
// Derived classes supply the chart pass (RunChartPass), the computed chart
// and the settings.
class ScreenView {
 public:
  virtual ~ScreenView() = default;

  // The per-view choices (screen, charts, mahadasa).
  ScreenChoices& choices() { return choices_; }
  const ScreenChoices& choices() const { return choices_; }

  // Records chart choice `index` as the chart the report works on.
  void SelectChart(int index);

  // Paints the current screen (choices().screen): PrepareScreen,
  // ArrangeScreen on the painter's device and PaintPrepared.
  ScreenPaintResult PaintScreen(QPainter& painter, const ScreenPaintOptions& options);

  // Runs the chart passes of the current screen and keeps its texts. A
  // screen that needs a natal chart while the view shows a Tajaka chart, or
  // the reverse (the Pancha Vargeeya Bala screen of a natal chart too),
  // prepares the previous screen instead (it becomes the current screen) and
  // returns the message to show; when the previous screen is the requested
  // one, nothing is prepared and nothing is said. ScreenText() afterwards
  // holds the whole text of the screen, block after block (what copying the
  // screen's text copies).
  ScreenPaintResult PrepareScreen();
  // Where the prepared screen's blocks and charts go on `device` (null: the
  // screen's metrics) with the scale of `options`.
  ScreenGeometry ArrangeScreen(const ScreenPaintOptions& options, const QPaintDevice* device) const;
  // Paints the prepared screen as arranged (no chart pass runs).
  void PaintPrepared(QPainter& painter, const ScreenPaintOptions& options, const ScreenGeometry& geometry) const;
  // The screen prepared last (nullptr when nothing is).
  const ScreenLayout* preparedScreen() const { return prepared_; }
  // The least scale (of kViewLayoutRect) at which every text block of the
  // prepared screen, and its legend, has lines kMinimumTextHeight pixels
  // high or more (0 when nothing is prepared).
  double MinimumTextScale() const;
  // The height of the lowest lines of text the last PaintPrepared drew in
  // its text blocks and legend (0 before any).
  int smallestTextDrawn() const { return smallestText_; }
  // The same for the labels of its charts (kSmallestLabelPixels at least).
  int smallestLabelDrawn() const { return smallestLabel_; }
  // The "+n" marks of crowded chart cells as last painted on a screen (not
  // printed), with the labels each stands for.
  const std::vector<ChartOverflow>& overflowMarks() const { return overflow_; }

  // Runs the chart pass for `section` (or, with kNoSection and a heading,
  // draws the heading), clears the background first when clearBackground is
  // set (never when printing), and draws the report text left-aligned from
  // the top of x0..x1, y0..y1 (layout units unless absolute coordinates)
  // in `face` with the block font of heightParam / widthParam, `weight`
  // and `colour`. Lines break only at the text's own line ends. Returns
  // false, drawing nothing, when the chart pass failed.
  bool DrawTextBlock(QPainter& painter, const ScreenPaintOptions& options, int section, int x0, int x1, int y0,
                     int y1, const QString& face, int heightParam, int widthParam, int weight, BgrColour colour,
                     bool clearBackground, const QString& heading = {});

  // Draws chart choice `chartIndex` (0..20) of the chart last computed at
  // x, y with side `size` (layout units unless absolute coordinates) in the
  // chart style of the settings.
  void DrawScreenChart(QPainter& painter, const ScreenPaintOptions& options, int chartIndex, int x, int y, int size,
                       bool clearBackground) const;

  // The chart pass: computes this view's chart (recasting when its
  // recompute flag is set) and leaves the text of `section` in the view's
  // report buffer. Returns false when it failed; lastFailure() then says
  // why.
  virtual bool RunChartPass(int section) = 0;
  virtual const ChartState& chart() const = 0;
  // The view's report buffer: the text of the last pass's section.
  virtual const ReportBuffer& report() const = 0;
  virtual const Settings& settings() const = 0;
  virtual QString lastFailure() const = 0;

  // Body slots the screen's charts pick out (none by default).
  void SetHighlighted(const std::array<bool, kSlotCount>& picked) { highlighted_ = picked; }
  const std::array<bool, kSlotCount>& highlighted() const { return highlighted_; }

  // The view's report buffer as text (the section of the last pass).
  QString ReportText() const;
  // The whole text of the screen prepared last: every block's report text
  // or heading in table order. Emptied when a screen starts painting.
  const QString& ScreenText() const { return screenText_; }

 protected:
  ScreenChoices choices_{};

 private:
  std::array<bool, kSlotCount> highlighted_{};
  QString screenText_;
  const ScreenLayout* prepared_ = nullptr;
  std::vector<QString> preparedTexts_;  // each block's text as shown
  mutable std::vector<ChartOverflow> overflow_;
  mutable int smallestText_ = 0;
  mutable int smallestLabel_ = 0;

  bool PrepareLayout(const ScreenLayout& layout);
  int ChartIndexOf(ScreenChart which) const;
};

}  // namespace orvane
