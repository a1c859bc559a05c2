#include "app/view_icons.h"

#include "app/artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace orvane {
namespace {

// Pictures are drawn on a 32 x 32 grid and scaled to the pixmap.
constexpr int kDesign = 32;

const QColor kInk(0x30, 0x30, 0x48);
const QColor kIvory(0xff, 0xff, 0xf0);
const QColor kMaroon(0x82, 0x14, 0x6e);  // chart titles
const QColor kSaffron(0xe8, 0x8a, 0x1a);
const QColor kGreen(0x0a, 0x82, 0x32);   // the ascendant's label
const QColor kBody(0x14, 0x0a, 0x78);    // the grahas' labels
const QColor kSteel(0x4a, 0x6f, 0xa5);

QPen InkPen(qreal width = 1.4) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A south Indian chart square: the 4 x 4 grid with its open middle.
void ChartSquare(QPainter& p, const QRectF& r) {
  p.setPen(InkPen(1.1));
  DrawChartSquare(p, r, kIvory);
}

void Dot(QPainter& p, QPointF at, qreal radius, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at, radius, radius);
}

// A period listing: a bar of periods of different lengths under a letter.
void DasaBar(QPainter& p, QChar letter, const QColor& colour) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(19);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, kDesign, 21), Qt::AlignCenter, QString(letter));
  constexpr std::array<qreal, 5> edges = {3, 9, 13, 22, 29};
  const std::array<QColor, 4> fills = {kSaffron, kGreen, colour, kSteel};
  p.setPen(InkPen(1.0));
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    p.setBrush(fills[i]);
    p.drawRect(QRectF(edges[i], 22, edges[i + 1] - edges[i], 6));
  }
}

void Draw(QPainter& p, ViewIcon which) {
  switch (which) {
    case ViewIcon::kNone:
      break;
    case ViewIcon::kPrint: {
      p.setPen(InkPen());
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 3, 14, 9));
      p.setBrush(QColor(0x8a, 0x94, 0xa8));
      p.drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 18, 14, 11));
      p.setPen(InkPen(1.0));
      p.drawLine(QPointF(12, 22), QPointF(20, 22));
      p.drawLine(QPointF(12, 25), QPointF(18, 25));
      Dot(p, QPointF(25, 15), 1.3, kGreen);
      break;
    }
    case ViewIcon::kCopyComplete: {
      p.setPen(InkPen());
      p.setBrush(QColor(0xe8, 0xee, 0xf6));
      p.drawRect(QRectF(4, 3, 16, 20));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(11, 9, 17, 20));
      p.setPen(InkPen(1.0));
      for (int i = 0; i < 5; ++i) p.drawLine(QPointF(14, 13.5 + 3 * i), QPointF(i % 2 ? 22 : 25, 13.5 + 3 * i));
      break;
    }
    case ViewIcon::kSpecialLagnas: {
      ChartSquare(p, QRectF(3, 3, 26, 26));
      Dot(p, QPointF(12.75, 6.25), 2.1, kGreen);
      const QColor lagna(0x8c, 0x70, 0x50);
      Dot(p, QPointF(25.75, 12.75), 2.1, lagna);
      Dot(p, QPointF(6.25, 19.25), 2.1, lagna);
      Dot(p, QPointF(19.25, 25.75), 2.1, lagna);
      Dot(p, QPointF(16, 16), 3.2, kMaroon);
      break;
    }
    case ViewIcon::kMiscellaneous: {
      p.setPen(InkPen(1.2));
      p.setBrush(kSteel);
      p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
      Dot(p, QPointF(16, 9.5), 2.0, Qt::white);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
      break;
    }
    case ViewIcon::kTwoCharts: {
      ChartSquare(p, QRectF(1.5, 8.5, 14, 14));
      ChartSquare(p, QRectF(16.5, 8.5, 14, 14));
      Dot(p, QPointF(8.5, 15.5), 2.2, kSaffron);
      Dot(p, QPointF(23.5, 15.5), 2.2, kMaroon);
      break;
    }
    case ViewIcon::kAshtakavarga: {
      // A table of bindus: more dots where a sign is stronger.
      p.setPen(InkPen(1.0));
      p.setBrush(kIvory);
      p.drawRect(QRectF(3, 4, 26, 24));
      for (int i = 1; i < 4; ++i) p.drawLine(QPointF(3 + i * 6.5, 4), QPointF(3 + i * 6.5, 28));
      for (int i = 1; i < 3; ++i) p.drawLine(QPointF(3, 4 + i * 8), QPointF(29, 4 + i * 8));
      constexpr std::array<int, 12> bindus = {3, 1, 2, 4, 2, 3, 1, 4, 2, 3, 4, 1};
      for (int cell = 0; cell < 12; ++cell) {
        const qreal x0 = 3 + (cell % 4) * 6.5, y0 = 4 + (cell / 4) * 8.0;
        for (int b = 0; b < bindus[static_cast<std::size_t>(cell)]; ++b) {
          Dot(p, QPointF(x0 + 2.2 + (b % 2) * 2.2, y0 + 2.6 + (b / 2) * 2.8), 0.95,
              bindus[static_cast<std::size_t>(cell)] >= 3 ? kGreen : kBody);
        }
      }
      break;
    }
    case ViewIcon::kVimsottari:
      DasaBar(p, QLatin1Char('V'), kMaroon);
      break;
    case ViewIcon::kAshtottari:
      DasaBar(p, QLatin1Char('A'), kBody);
      break;
    case ViewIcon::kPatyayini:
      DasaBar(p, QLatin1Char('P'), QColor(0x64, 0x0f, 0x0f));
      break;
    case ViewIcon::kMudda:
      DasaBar(p, QLatin1Char('M'), QColor(0x1e, 0x3c, 0x1e));
      break;
    case ViewIcon::kKalachakra: {
      p.setPen(InkPen(1.6));
      p.setBrush(kIvory);
      p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
      p.setPen(InkPen(1.1));
      for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(30.0 * i);
        p.drawLine(QPointF(-12, 0), QPointF(12, 0));
        p.restore();
      }
      Dot(p, QPointF(16, 16), 4, kSaffron);
      break;
    }
    case ViewIcon::kPratyantardasas: {
      // Periods within periods: each row divides the one above it.
      p.setPen(InkPen(1.0));
      const std::array<QColor, 3> rows = {kMaroon, kGreen, kSaffron};
      for (int r = 0; r < 3; ++r) {
        const int parts = 1 << r;  // 1, 2, 4
        const qreal y = 5 + r * 8;
        for (int i = 0; i < parts; ++i) {
          const qreal w = 26.0 / parts;
          p.setBrush(i % 2 ? kIvory : rows[static_cast<std::size_t>(r)]);
          p.drawRect(QRectF(3 + i * w, y, w, 6));
        }
      }
      break;
    }
    case ViewIcon::kTajaka: {
      // The Sun coming back to its place: a disc in a returning arc.
      QPainterPath arc;
      arc.arcMoveTo(QRectF(3, 3, 26, 26), 110);
      arc.arcTo(QRectF(3, 3, 26, 26), 110, 300);
      p.setPen(QPen(kMaroon, 2.2, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(arc);
      const QPointF tip = arc.currentPosition();
      QPainterPath head;
      head.moveTo(tip + QPointF(-4.5, -2.5));
      head.lineTo(tip + QPointF(1.5, 1.0));
      head.lineTo(tip + QPointF(-3.0, 4.5));
      head.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(kMaroon);
      p.drawPath(head);
      Dot(p, QPointF(16, 16), 6.5, kSaffron);
      Dot(p, QPointF(16, 16), 3.5, QColor(0xf5, 0xc0, 0x60));
      break;
    }
  }
}

QPixmap Picture(ViewIcon which, int pixels) {
  QPixmap pixmap(pixels, pixels);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  p.scale(static_cast<qreal>(pixels) / kDesign, static_cast<qreal>(pixels) / kDesign);
  Draw(p, which);
  return pixmap;
}

}  // namespace

QIcon ViewToolIcon(ViewIcon which) {
  QIcon icon;
  if (which == ViewIcon::kNone) return icon;
  for (int pixels : {16, 24, 32, 48, 64}) icon.addPixmap(Picture(which, pixels));
  return icon;
}

}  // namespace orvane
