// Chart diagrams checked by what a person would see: colours in the right
// cells, nothing outside its cell, the background where the screens paint it.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

#include "chart_fixture.h"
#include "display/chart_draw.h"

namespace orvane {
namespace {

using testing_support::DefaultChart;
using testing_support::Render;
using testing_support::Rgb;

constexpr int kImageSide = 400;
const QRectF kSquare(6, 7, 388, 388);  // device units, as the chart bitmaps use
constexpr int kVirgo = 5;

ChartDrawOptions OptionsFor(int style) {
  ChartDrawOptions options;
  options.chartStyle = style;
  options.southMirrored = style == kSouthMirrored;
  options.eastFramed = style == kEastFramed;
  options.absoluteCoordinates = true;
  options.layoutSize = QSizeF(kImageSide, kImageSide);
  options.clearBackground = true;
  return options;
}

QImage Draw(const ChartDrawInput& input, const ChartDrawOptions& options, const QRectF& square = kSquare) {
  return Render(kImageSide, kImageSide, [&](QPainter& p) { DrawChart(p, square, input, options); });
}

bool Near(QRgb pixel, const QColor& colour, int tolerance) {
  return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// Whether a pixel shows text of `colour` on the background: the colour
// itself, or an antialiased mix of it with mostly the colour in it.
bool Shows(QRgb pixel, const QColor& colour) {
  const double background[3] = {255, 255, 240};
  const double c[3] = {colour.red() - background[0], colour.green() - background[1], colour.blue() - background[2]};
  const double p[3] = {qRed(pixel) - background[0], qGreen(pixel) - background[1], qBlue(pixel) - background[2]};
  const double cc = c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
  const double t = (p[0] * c[0] + p[1] * c[1] + p[2] * c[2]) / cc;
  if (t < 0.45 || t > 1.15) return false;
  double residual = 0;
  for (int i = 0; i < 3; ++i) residual += (p[i] - t * c[i]) * (p[i] - t * c[i]);
  return residual <= 16.0 * 16.0;
}

// Inside the shape, or within two pixels of it (antialiased edges).
bool InOrNear(const QPolygonF& shape, QPointF p) {
  for (QPointF d : {QPointF(0, 0), QPointF(2, 0), QPointF(-2, 0), QPointF(0, 2), QPointF(0, -2)}) {
    if (shape.containsPoint(p + d, Qt::OddEvenFill)) return true;
  }
  return false;
}

struct Count {
  int inside = 0;
  int outside = 0;
};

// Pixels of `colour` inside and outside the region.
Count CountColour(const QImage& image, const QColor& colour, const std::function<bool(QPointF)>& inRegion) {
  Count count;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!Shows(image.pixel(x, y), colour)) continue;
      if (inRegion(QPointF(x + 0.5, y + 0.5))) {
        ++count.inside;
      } else {
        ++count.outside;
      }
    }
  }
  return count;
}

// The cell a sign is drawn in: by sign in the south and east charts, by house
// from the ascendant (Virgo in the fixture) in the north chart.
QPolygonF CellOfSign(const ChartDrawOptions& options, int sign, int ascendant = kVirgo,
                     const QRectF& square = kSquare) {
  const int index = options.chartStyle == kNorthDiamond ? (sign - ascendant + 12) % 12 : sign;
  return ChartCellShape(square, options, index);
}

std::function<bool(QPointF)> InSigns(const ChartDrawOptions& options, std::initializer_list<int> signs,
                                     int ascendant = kVirgo, const QRectF& square = kSquare) {
  std::vector<QPolygonF> shapes;
  for (int s : signs) shapes.push_back(CellOfSign(options, s, ascendant, square));
  return [shapes](QPointF p) {
    for (const QPolygonF& shape : shapes) {
      if (InOrNear(shape, p)) return true;
    }
    return false;
  };
}

// Where the chart's name goes: the middle block of the south and east charts,
// the band above the north diagram.
std::function<bool(QPointF)> InTitleArea(const ChartDrawOptions& options) {
  if (options.chartStyle == kNorthDiamond) {
    const double top = ChartCellShape(kSquare, options, 0).boundingRect().top();
    return [top](QPointF p) { return p.y() < top; };
  }
  QRectF middle;
  if (options.chartStyle == kEastSun || options.chartStyle == kEastFramed) {
    middle = QRectF(ChartCellShape(kSquare, options, 0).boundingRect().bottomLeft(),
                    ChartCellShape(kSquare, options, 6).boundingRect().topRight());
  } else {
    const QRectF pisces = ChartCellShape(kSquare, options, 11).boundingRect();
    const QRectF virgo = ChartCellShape(kSquare, options, 5).boundingRect();
    middle = QRectF(pisces.bottomRight(), virgo.topLeft());
  }
  return [middle](QPointF p) { return middle.contains(p); };
}

constexpr int kAllStyles[] = {kSouthRegular, kSouthMirrored, kNorthDiamond, kEastSun, kEastFramed};

// The square (6, 7) of side 388: south cells of 97; the north diagram below
// a title band of trunc(1.5 * 24) + 2 = 38, so a square of 350 at (25, 45);
// east lines at 129 and 258 from the square's corner.
TEST(ChartCellShape, CellsLieWhereEachStylePutsThem) {
  struct Case {
    const char* name;
    int style;
    int index;
    QRectF bounds;
  };
  const Case cases[] = {
      {"south: Pisces top left", kSouthRegular, 11, QRectF(6, 7, 97, 97)},
      {"south: Aries next to it", kSouthRegular, 0, QRectF(103, 7, 97, 97)},
      {"south: Virgo bottom right", kSouthRegular, 5, QRectF(297, 298, 97, 97)},
      {"south: Sagittarius bottom left", kSouthRegular, 8, QRectF(6, 298, 97, 97)},
      {"mirrored: Pisces top right", kSouthMirrored, 11, QRectF(297, 7, 97, 97)},
      {"mirrored: Aries left of it", kSouthMirrored, 0, QRectF(200, 7, 97, 97)},
      {"mirrored: Virgo bottom left", kSouthMirrored, 5, QRectF(6, 298, 97, 97)},
      {"north: house 0 the top kite", kNorthDiamond, 0, QRectF(QPointF(112, 45), QPointF(287, 220))},
      {"north: house 1 the top-left triangle", kNorthDiamond, 1, QRectF(QPointF(25, 45), QPointF(200, 132))},
      {"north: house 3 the left kite", kNorthDiamond, 3, QRectF(QPointF(25, 132), QPointF(200, 307))},
      {"north: house 9 the right kite", kNorthDiamond, 9, QRectF(QPointF(200, 132), QPointF(375, 307))},
      {"east: Aries top middle", kEastSun, 0, QRectF(QPointF(135, 7), QPointF(264, 136))},
      {"east: Taurus the top-left corner", kEastSun, 1, QRectF(QPointF(6, 7), QPointF(135, 136))},
      {"east: Cancer left middle", kEastFramed, 3, QRectF(QPointF(6, 136), QPointF(135, 265))},
      {"east: Pisces the top-right corner", kEastFramed, 11, QRectF(QPointF(264, 7), QPointF(394, 136))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChartCellShape(kSquare, OptionsFor(c.style), c.index).boundingRect(), c.bounds);
  }
  // Taurus and Gemini share the corner: Taurus touches Aries, Gemini Cancer.
  const ChartDrawOptions east = OptionsFor(kEastSun);
  EXPECT_TRUE(ChartCellShape(kSquare, east, 1).containsPoint(QPointF(120, 20), Qt::OddEvenFill));
  EXPECT_TRUE(ChartCellShape(kSquare, east, 2).containsPoint(QPointF(20, 120), Qt::OddEvenFill));
  EXPECT_TRUE(ChartCellShape(kSquare, east, 12).isEmpty());
  EXPECT_TRUE(ChartCellShape(kSquare, east, -1).isEmpty());
}

TEST(ChartColours, BgrValuesBecomeTheRightQColors) {
  EXPECT_EQ(ColourFromBgr(kBackgroundColour), QColor(0xff, 0xff, 0xf0));
  EXPECT_EQ(ColourFromBgr(kArudhaLagnaColour), QColor(0xfa, 0x00, 0x00));
  EXPECT_EQ(ColourFromBgr(kAscendantColour), QColor(0x0a, 0x82, 0x32));
  EXPECT_EQ(ColourFromBgr(kBodyColour), QColor(0x14, 0x0a, 0x78));
}

TEST(DrawChart, BackgroundIsPaintedOnTheScreenAndNotOnPaper) {
  for (int style : kAllStyles) {
    SCOPED_TRACE(style);
    ChartDrawOptions options = OptionsFor(style);
    const QImage screen = Draw(DefaultChart(), options);
    const QColor background(0xff, 0xff, 0xf0);
    EXPECT_EQ(screen.pixelColor(1, 1), background);
    EXPECT_EQ(screen.pixelColor(kImageSide - 1, kImageSide - 1), background);
    // Sagittarius holds nothing in the fixture: its middle shows the background.
    const QPointF empty = CellOfSign(options, 8).boundingRect().center();
    const QPolygonF cell = CellOfSign(options, 8);
    QPointF centroid(0, 0);
    for (const QPointF& p : cell) centroid += p / static_cast<double>(cell.size());
    EXPECT_EQ(screen.pixelColor(centroid.toPoint()), background) << empty.x() << "," << empty.y();

    options.printing = true;
    const QImage paper = Draw(DefaultChart(), options);
    EXPECT_EQ(paper.pixelColor(1, 1), QColor(Qt::white));
  }
}

TEST(DrawChart, LabelsAppearInTheirCellsInTheirColours) {
  struct Expectation {
    const char* what;
    BgrColour colour;
    std::initializer_list<int> signs;  // the only cells holding that colour
  };
  // Default display switches: special lagnas shown, upagraha groups hidden
  // (Mandi and Gulika always shown), all padas.
  const Expectation expectations[] = {
      {"ascendant in Virgo", kAscendantColour, {kVirgo}},
      {"grahas", kBodyColour, {11, 10, 0, 6, 4}},
      {"special lagnas in Cancer, Scorpio, Capricorn", kSpecialLagnaColour, {3, 7, 9}},
      {"Mandi and Gulika in Gemini", kUpagrahaColour, {2}},
      {"arudha lagna in Scorpio", kArudhaLagnaColour, {7}},
  };
  for (int style : kAllStyles) {
    const ChartDrawOptions options = OptionsFor(style);
    const QImage image = Draw(DefaultChart(), options);
    for (const Expectation& e : expectations) {
      SCOPED_TRACE(testing::Message() << "style " << style << ": " << e.what);
      const Count count = CountColour(image, Rgb(e.colour), InSigns(options, e.signs));
      EXPECT_GE(count.inside, 6);
      EXPECT_EQ(count.outside, 0);
    }
    {
      SCOPED_TRACE(testing::Message() << "style " << style << ": each graha's cell shows the body colour");
      for (int sign : {11, 10, 0, 6, 4}) {
        EXPECT_GE(CountColour(image, Rgb(kBodyColour), InSigns(options, {sign})).inside, 6) << "sign " << sign;
      }
    }
    {
      SCOPED_TRACE(testing::Message() << "style " << style << ": title");
      const Count count = CountColour(image, Rgb(kChartTitleColour), InTitleArea(options));
      EXPECT_GE(count.inside, 20);
      EXPECT_EQ(count.outside, 0);
    }
  }
}

TEST(DrawChart, OnlyTheChosenPadasAreShown) {
  // Padas 1, 12 and 7 only: AL in Scorpio, UL in Libra, A7 in Taurus.
  for (int style : kAllStyles) {
    SCOPED_TRACE(style);
    ChartDrawOptions options = OptionsFor(style);
    options.padas.all = false;
    options.padas.some = true;
    options.padas.chosen = {1, 12, 7, 0, 0, 0};
    const QImage image = Draw(DefaultChart(), options);
    const Count al = CountColour(image, Rgb(kArudhaLagnaColour), InSigns(options, {7}));
    EXPECT_GT(al.inside, 0);
    EXPECT_EQ(al.outside, 0);
    const Count others = CountColour(image, Rgb(kPadaColour), InSigns(options, {6, 1}));
    EXPECT_GT(others.inside, 0);
    EXPECT_EQ(others.outside, 0);

    options.padas.some = false;
    const QImage none = Draw(DefaultChart(), options);
    EXPECT_EQ(CountColour(none, Rgb(kArudhaLagnaColour), [](QPointF) { return false; }).outside, 0);
    EXPECT_EQ(CountColour(none, Rgb(kPadaColour), [](QPointF) { return false; }).outside, 0);
  }
}

// Pixels that differ between two drawings.
Count Difference(const QImage& a, const QImage& b, const std::function<bool(QPointF)>& inRegion) {
  Count count;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      if (inRegion(QPointF(x + 0.5, y + 0.5))) {
        ++count.inside;
      } else {
        ++count.outside;
      }
    }
  }
  return count;
}

TEST(DrawChart, ACrowdedCellKeepsItsLabelsInside) {
  struct Case {
    const char* name;
    int ascendant;  // sign of the ascendant
    int crowd;      // sign of the other 39 points
    QRectF square;
  };
  const Case cases[] = {
      {"all 40 points in Sagittarius", 8, 8, kSquare},
      {"39 points in Scorpio, the ascendant in Virgo", kVirgo, 7, kSquare},
      // Too small for all of them: the last place says how many more.
      {"a small chart: 39 points in Scorpio", kVirgo, 7, QRectF(10, 10, 200, 200)},
  };
  for (int style : kAllStyles) {
    ChartDrawOptions options = OptionsFor(style);
    options.groups = BodyGroups{true, true, true, true, true};
    options.padas.all = false;
    for (int form = 0; form < 3; ++form) {
      // The screen's labels, the bitmap's longer ones, and labels with their
      // degrees (the longest text a label can have).
      options.bitmap = form == 1;
      options.degrees = form == 2;
      for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << style << " form " << form << ": " << c.name);
        ChartDrawInput crowded;
        crowded.sign.fill(c.crowd);
        crowded.sign[kAscendant] = c.ascendant;
        crowded.retrograde.fill(1);
        crowded.longitude.fill(c.crowd * 30 + 29.99);
        ChartDrawInput frameOnly;  // no bodies; the north chart still needs the ascendant's sign
        frameOnly.sign[kAscendant] = c.ascendant;
        const QImage full = Draw(crowded, options, c.square);
        const QImage bare = Draw(frameOnly, options, c.square);
        const std::function<bool(QPointF)> cells = InSigns(options, {c.crowd, c.ascendant}, c.ascendant, c.square);
        const Count diff = Difference(full, bare, cells);
        EXPECT_GT(diff.inside, 100);
        EXPECT_EQ(diff.outside, 0);
      }
    }
  }
}

// The longest labels (each body with its degrees) of every divisional chart
// stay off the lines of the east charts' corner triangles, on screens of
// one and two device pixels per unit: no label pixel lies on a cell's
// border or beyond it.
TEST(DrawChart, LabelsWithDegreesKeepOffTheEastDiagonals) {
  ChartDrawInput chart = DefaultChart();
  // Bodies in the corner triangles of every chart: longitudes spread over
  // the zodiac so that the divisional charts fill the corners too.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (chart.sign[slot] >= 0) continue;
    chart.longitude[slot] = std::fmod(slot * 47.3 + 11.0, 360.0);
    chart.sign[slot] = static_cast<int>(chart.longitude[slot] / 30);
  }
  for (int style : {kEastSun, kEastFramed}) {
    ChartDrawOptions options = OptionsFor(style);
    options.degrees = true;
    options.vargaDegrees = false;
    options.groups = BodyGroups{true, true, true, true, true};
    for (double ratio : {1.0, 2.0}) {
      for (double side : {150.0, 240.0, 388.0}) {
        const QRectF square(6, 7, side, side);
        std::vector<QPainterPath> cells;
        for (int i = 0; i < 12; ++i) {
          QPainterPath path;
          path.addPolygon(ChartCellShape(square, options, i));
          path.closeSubpath();
          QPainterPathStroker border;
          border.setWidth(2.0);  // the line and a pixel of antialiasing each side
          cells.push_back(path.subtracted(border.createStroke(path)));
        }
        const QRectF middle(ChartCellShape(square, options, 0).boundingRect().bottomLeft(),
                            ChartCellShape(square, options, 6).boundingRect().topRight());
        for (int chartIndex = 0; chartIndex < 20; ++chartIndex) {
          SCOPED_TRACE(testing::Message() << "style " << style << " ratio " << ratio << " side " << side << " chart "
                                          << chartIndex);
          auto draw = [&](const ChartDrawInput& input) {
            const int pixels = static_cast<int>(std::ceil((side + 20) * ratio));
            QImage image(pixels, pixels, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            DrawChart(painter, square, input, options);
            painter.end();
            return image;
          };
          ChartDrawInput frame;
          frame.sign[kAscendant] = chart.sign[kAscendant];
          const QImage full = draw(chart), bare = draw(frame);
          int inside = 0, outside = 0;
          QPointF first;
          for (int y = 0; y < full.height(); ++y) {
            for (int x = 0; x < full.width(); ++x) {
              const QRgb a = full.pixel(x, y), b = bare.pixel(x, y);
              if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60)
                continue;
              const QPointF p = QPointF(x + 0.5, y + 0.5) / ratio;
              if (middle.contains(p)) continue;  // the chart's name
              bool in = false;
              for (const QPainterPath& cell : cells) in = in || cell.contains(p);
              if (in) {
                ++inside;
              } else if (outside++ == 0) {
                first = p;
              }
            }
          }
          EXPECT_GT(inside, 100);
          EXPECT_EQ(outside, 0) << "first at " << first.x() << ", " << first.y();
        }
      }
    }
  }
}

TEST(DrawChart, SignsOutsideTheZodiacAreNotDrawn) {
  for (int style : kAllStyles) {
    SCOPED_TRACE(style);
    const ChartDrawOptions options = OptionsFor(style);
    ChartDrawInput odd = DefaultChart();
    for (int slot = 1; slot < kSlotCount; ++slot) {
      const int values[] = {12, -1, 99, INT_MIN, INT_MAX, -13};
      odd.sign[slot] = values[slot % 6];
    }
    odd.retrograde.fill(INT_MIN);
    ChartDrawInput ascendantOnly;
    ascendantOnly.sign[kAscendant] = DefaultChart().sign[kAscendant];
    ascendantOnly.chartIndex = 99;  // out of range: named as the Rasi
    EXPECT_EQ(Difference(Draw(odd, options), Draw(ascendantOnly, options), [](QPointF) { return false; }).outside,
              0);

    // Without an ascendant sign the north chart cannot number its houses:
    // frame and title only, nothing read out of range.
    ChartDrawInput nothing = DefaultChart();
    nothing.sign[kAscendant] = 12;
    const QImage image = Draw(nothing, options);
    EXPECT_EQ(CountColour(image, Rgb(kAscendantColour), [](QPointF) { return false; }).outside, 0);
  }
}

TEST(DrawChart, DegenerateSquaresDrawNothingOutsideThem) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const QRectF squares[] = {QRectF(50, 50, 0, 0), QRectF(50, 50, -80, -80), QRectF(50, 50, 3, 3),
                            QRectF(nan, nan, nan, nan), QRectF(50, 50, 9, 9)};
  for (int style : kAllStyles) {
    for (const QRectF& square : squares) {
      SCOPED_TRACE(testing::Message() << "style " << style << " square " << square.width());
      ChartDrawOptions options = OptionsFor(style);
      options.clearBackground = false;
      options.groups = BodyGroups{true, true, true, true, true};
      const QImage image = Render(kImageSide, kImageSide, [&](QPainter& p) {
        DrawChart(p, square, DefaultChart(), options);
      });
      int marked = 0;
      for (int y = 0; y < kImageSide; ++y) {
        for (int x = 0; x < kImageSide; ++x) {
          if (image.pixel(x, y) != qRgb(255, 255, 255) && (x < 48 || y < 48 || x > 62 || y > 62)) ++marked;
        }
      }
      EXPECT_EQ(marked, 0);
    }
  }
}

TEST(DrawChart, TheNorthChartOfASouthNorthBitmapFillsItsSquare) {
  ChartDrawOptions options = OptionsFor(kNorthDiamond);
  options.southNorth = true;
  EXPECT_EQ(ChartCellShape(kSquare, options, 0).boundingRect().top(), kSquare.top());
  EXPECT_EQ(ChartCellShape(kSquare, options, 3).boundingRect().left(), kSquare.left());
  const QImage image = Draw(DefaultChart(), options);
  EXPECT_EQ(CountColour(image, Rgb(kChartTitleColour), [](QPointF) { return false; }).outside, 0);
  EXPECT_GT(CountColour(image, Rgb(kAscendantColour), InSigns(options, {kVirgo})).inside, 0);

  options.southNorth = false;
  EXPECT_GT(ChartCellShape(kSquare, options, 0).boundingRect().top(), kSquare.top());
}

TEST(DrawChart, UnknownStylesDrawTheSouthChart) {
  const QImage south = Draw(DefaultChart(), OptionsFor(kSouthRegular));
  for (int style : {5, -1, 1000}) {
    SCOPED_TRACE(style);
    EXPECT_EQ(Draw(DefaultChart(), OptionsFor(style)), south);
  }
}

TEST(DrawChart, BlackAndWhitePrintingDrawsNoColouredText) {
  for (int style : kAllStyles) {
    SCOPED_TRACE(style);
    ChartDrawOptions options = OptionsFor(style);
    options.printing = true;
    options.blackAndWhite = true;
    const QImage image = Draw(DefaultChart(), options);
    int coloured = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
        const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
        if (high - low > 30) ++coloured;
        if (high < 60) ++dark;
      }
    }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(dark, 200);
  }
}

TEST(DrawChart, ScalesFromTheLayoutSpace) {
  // The default screen's first chart: (8, 8) size 380 in a 1270 x 890 layout
  // drawn into a 1200 x 800 view is the square (7, 7) of side
  // trunc(380 * 800 / 890) = 341.
  ChartDrawOptions options = OptionsFor(kSouthRegular);
  options.absoluteCoordinates = false;
  options.layoutSize = QSizeF(1200, 800);
  const QRectF pisces = ChartCellShape(QRectF(8, 8, 380, 380), options, 11).boundingRect();
  EXPECT_EQ(pisces.topLeft(), QPointF(7, 7));
  EXPECT_EQ(pisces.width(), 341 / 4);

  // Drawn, the chart's outer line is where the square starts, and the
  // background fill reaches 70 units below the layout rectangle.
  const QImage image = Render(1200, 900, [&](QPainter& p) {
    options.clearBackground = true;
    DrawChart(p, QRectF(8, 8, 380, 380), DefaultChart(), options);
  });
  EXPECT_TRUE(Near(image.pixel(7, 100), Rgb(kSouthFrameColour), 2));
  EXPECT_EQ(image.pixelColor(6, 100), QColor(0xff, 0xff, 0xf0));
  EXPECT_EQ(image.pixelColor(600, 869), QColor(0xff, 0xff, 0xf0));
  EXPECT_EQ(image.pixelColor(600, 871), QColor(Qt::white));
}

}  // namespace
}  // namespace orvane
