// Labels flowed into a cell's shape stay inside it, keep their order, and
// say "+n" for what does not fit.
#include <QImage>
#include <QPolygonF>

#include <gtest/gtest.h>

#include <cmath>

#include "display/label_flow.h"

namespace orvane {
namespace {

TextFont LabelFont(int height) {
  TextFont font;
  SetTextFont(font, QStringLiteral("Times New Roman"), 450, height, height * 34 / 100, 0x780a14);
  return font;
}

std::vector<FlowItem> Items(int count, int height) {
  std::vector<FlowItem> items;
  for (int i = 0; i < count; ++i) items.push_back({QStringLiteral("L%1").arg(i), LabelFont(height), false, {}});
  return items;
}

// Every placed text, at its measured width, lies inside the shape.
void ExpectInside(const QPaintDevice* device, const QPolygonF& shape, const std::vector<PlacedText>& placed) {
  for (const PlacedText& t : placed) {
    SCOPED_TRACE(t.text.toStdString());
    const double width = MeasureText(device, t.font, t.text).width();
    const QRectF ink(t.rect.left(), t.rect.top(), width, t.rect.height());
    for (QPointF corner : {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()}) {
      EXPECT_TRUE(shape.containsPoint(corner, Qt::OddEvenFill)) << corner.x() << "," << corner.y();
    }
  }
}

TEST(FlowInPolygon, LabelsKeepTheirOrderAndSizeWhenTheyFit) {
  QImage device(10, 10, QImage::Format_RGB32);
  const QPolygonF triangle({QPointF(0, 0), QPointF(200, 0), QPointF(100, 100)});
  std::vector<FlowItem> items = Items(4, 16);
  items.push_back({QStringLiteral("AL"), LabelFont(12), true, {}});
  const std::vector<PlacedText> placed = FlowInPolygon(&device, triangle, items, 16, LabelFont(16));
  ASSERT_EQ(placed.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(placed[i].text, items[i].text);
    EXPECT_EQ(placed[i].font.height, items[i].font.height);
  }
  // Reading order: left to right along a row, rows downwards; the pada
  // starts a row of its own.
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_TRUE(placed[i].rect.top() > placed[i - 1].rect.top() ||
                (placed[i].rect.top() == placed[i - 1].rect.top() && placed[i].rect.left() > placed[i - 1].rect.left()));
  }
  EXPECT_GT(placed[4].rect.top(), placed[3].rect.top());
  ExpectInside(&device, triangle, placed);
}

TEST(FlowInPolygon, ShrinksThenSaysHowManyMore) {
  QImage device(10, 10, QImage::Format_RGB32);
  const QPolygonF triangle({QPointF(0, 0), QPointF(80, 0), QPointF(40, 40)});
  struct Case {
    int count;
    bool allShown;
  };
  for (const Case c : {Case{6, true}, Case{40, false}}) {
    SCOPED_TRACE(c.count);
    const std::vector<PlacedText> placed = FlowInPolygon(&device, triangle, Items(c.count, 14), 14, LabelFont(14));
    ASSERT_FALSE(placed.empty());
    ExpectInside(&device, triangle, placed);
    if (c.allShown) {
      EXPECT_EQ(static_cast<int>(placed.size()), c.count);
    } else {
      const QString last = placed.back().text;
      ASSERT_TRUE(last.startsWith(QLatin1Char('+'))) << last.toStdString();
      EXPECT_EQ(static_cast<int>(placed.size()) - 1 + last.mid(1).toInt(), c.count);
      EXPECT_GE(placed.front().font.height, 7);
      // The mark carries the labels it stands for, in order.
      const QStringList& hidden = placed.back().hidden;
      ASSERT_EQ(hidden.size(), last.mid(1).toInt());
      for (int k = 0; k < hidden.size(); ++k)
        EXPECT_EQ(hidden[k], QStringLiteral("L%1").arg(static_cast<int>(placed.size()) - 1 + k));
    }
  }
}

// On paper the smallest label is as large as on a screen, in points: a
// crowded cell printed at 1200 dpi says "+n" rather than shrink its labels
// below 6.5 points.
TEST(FlowInPolygon, LabelsStayReadableAtAPrintersResolution) {
  struct Case {
    double dpi;
    double scale;  // of the shape and the fonts against a screen chart
  };
  for (const Case c : {Case{96, 1}, Case{300, 300.0 / 96}, Case{1200, 1200.0 / 96}}) {
    SCOPED_TRACE(c.dpi);
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(static_cast<int>(std::lround(c.dpi / 0.0254)));
    device.setDotsPerMeterY(static_cast<int>(std::lround(c.dpi / 0.0254)));
    const double s = c.scale;
    const QPolygonF triangle({QPointF(0, 0), QPointF(80 * s, 0), QPointF(40 * s, 40 * s)});
    const int height = static_cast<int>(std::lround(14 * s));
    const std::vector<PlacedText> placed = FlowInPolygon(&device, triangle, Items(40, height), height, LabelFont(height));
    ASSERT_FALSE(placed.empty());
    ExpectInside(&device, triangle, placed);
    EXPECT_TRUE(placed.back().text.startsWith(QLatin1Char('+')));
    for (const PlacedText& t : placed) EXPECT_GE(t.font.height, 6.5 * c.dpi / 72 - 1) << t.text.toStdString();
  }
}

TEST(FlowInPolygon, NothingForNoRoom) {
  QImage device(10, 10, QImage::Format_RGB32);
  const QPolygonF sliver({QPointF(0, 0), QPointF(3, 0), QPointF(1, 2)});
  EXPECT_TRUE(FlowInPolygon(&device, sliver, Items(3, 14), 14, LabelFont(14)).empty());
  EXPECT_TRUE(FlowInPolygon(&device, QPolygonF(), Items(3, 14), 14, LabelFont(14)).empty());
  EXPECT_TRUE(FlowInPolygon(&device, QPolygonF(QRectF(0, 0, 100, 100)), {}, 14, LabelFont(14)).empty());
}

TEST(ClipConvexPolygon, KeepsTheInnerSide) {
  const QPolygonF square(QRectF(0, 0, 10, 10));
  const QPolygonF lower = ClipConvexPolygon(square, QPointF(0, 4), QPointF(0, 1));
  EXPECT_EQ(lower.boundingRect(), QRectF(0, 4, 10, 6));
  const QPolygonF corner = ClipConvexPolygon(square, QPointF(5, 5), QPointF(-1, -1));
  EXPECT_EQ(corner.boundingRect(), QRectF(0, 0, 10, 10));
  EXPECT_FALSE(corner.containsPoint(QPointF(9, 9), Qt::OddEvenFill));
  EXPECT_TRUE(ClipConvexPolygon(square, QPointF(20, 0), QPointF(1, 0)).isEmpty());
}

}  // namespace
}  // namespace orvane
