#include "app/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvane {
namespace {

const QColor kIvory(0xff, 0xff, 0xf0);     // the view's background
const QColor kMaroon(0x64, 0x14, 0x46);    // chart titles
const QColor kSaffron(0xe8, 0x8a, 0x1a);
const QColor kFrame(0x28, 0x28, 0x3c);


}  // namespace

// A south Indian chart: a 4 x 4 grid whose middle 2 x 2 is one open square,
// drawn with the painter's pen over `fill`.
void DrawChartSquare(QPainter& p, const QRectF& r, const QBrush& fill) {
  p.setBrush(fill);
  p.drawRect(r);
  const qreal c = r.width() / 4;
  for (int i = 1; i < 4; ++i) {
    const qreal x = r.left() + i * c, y = r.top() + i * c;
    if (i == 2) {
      p.drawLine(QPointF(x, r.top()), QPointF(x, r.top() + c));
      p.drawLine(QPointF(x, r.bottom() - c), QPointF(x, r.bottom()));
      p.drawLine(QPointF(r.left(), y), QPointF(r.left() + c, y));
      p.drawLine(QPointF(r.right() - c, y), QPointF(r.right(), y));
    } else {
      p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
      p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
  }
}


QPixmap AppIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  QRectF outer(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
  p.setPen(Qt::NoPen);
  p.setBrush(kIvory);
  p.drawRoundedRect(outer, s * 0.1, s * 0.1);
  p.setPen(QPen(kFrame, std::max(1.0, s / 32)));
  DrawChartSquare(p, outer.adjusted(s * 0.06, s * 0.06, -s * 0.06, -s * 0.06), Qt::NoBrush);
  // The Sun in the middle square.
  const QPointF centre(s / 2, s / 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kSaffron);
  p.drawEllipse(centre, s * 0.12, s * 0.12);
  p.setPen(QPen(kMaroon, std::max(1.0, s / 24)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(outer, s * 0.1, s * 0.1);
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(AppIconPixmap(size));
  return icon;
}

QPixmap SplashPixmap() {
  const int w = 580, h = 300;
  QPixmap pixmap(w, h);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(0x2a, 0x12, 0x3c));
  sky.setColorAt(1, QColor(0x64, 0x14, 0x46));
  p.fillRect(pixmap.rect(), sky);
  // A faint chart square behind the title.
  p.setPen(QPen(QColor(255, 255, 240, 70), 2));
  DrawChartSquare(p, QRectF(356, 50, 200, 200), Qt::NoBrush);
  p.setPen(Qt::NoPen);
  p.setBrush(kSaffron);
  p.drawEllipse(QPointF(456, 150), 26, 26);
  p.setBrush(QColor(0xf5, 0xc0, 0x60, 90));
  p.drawEllipse(QPointF(456, 150), 40, 40);

  QFont title(QStringLiteral("Times New Roman"));
  title.setPixelSize(52);
  title.setBold(true);
  p.setFont(title);
  p.setPen(kIvory);
  p.drawText(QRect(36, 70, 360, 70), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("Orvane", "Orvane Lite"));
  QFont sub(QStringLiteral("Helvetica"));
  sub.setPixelSize(18);
  p.setFont(sub);
  p.setPen(QColor(0xf5, 0xd0, 0x90));
  p.drawText(QRect(38, 140, 360, 30), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("Orvane", "Vedic astrology"));
  sub.setPixelSize(13);
  p.setFont(sub);
  p.setPen(QColor(255, 255, 240, 200));
  p.drawText(QRect(38, 240, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("Orvane", "Version 3.0"));
  p.setPen(QPen(QColor(0xf5, 0xd0, 0x90), 1));
  p.drawLine(38, 180, 300, 180);
  return pixmap;
}

QIcon ToolBarIcon(ToolIcon which) {
  const int size = 32;
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(0x30, 0x30, 0x48);
  p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  switch (which) {
    case ToolIcon::kNew: {
      // A sheet with a small Sun: a chart for now.
      QPainterPath sheet;
      sheet.moveTo(8, 4);
      sheet.lineTo(20, 4);
      sheet.lineTo(26, 10);
      sheet.lineTo(26, 28);
      sheet.lineTo(8, 28);
      sheet.closeSubpath();
      p.setBrush(Qt::white);
      p.drawPath(sheet);
      p.drawLine(QPointF(20, 4), QPointF(20, 10));
      p.drawLine(QPointF(20, 10), QPointF(26, 10));
      p.setBrush(kSaffron);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(16, 19), 5, 5);
      break;
    }
    case ToolIcon::kOpen: {
      p.setBrush(QColor(0xf2, 0xc8, 0x6b));
      QPainterPath back;
      back.moveTo(3, 9);
      back.lineTo(11, 9);
      back.lineTo(14, 12);
      back.lineTo(26, 12);
      back.lineTo(26, 26);
      back.lineTo(3, 26);
      back.closeSubpath();
      p.drawPath(back);
      p.setBrush(QColor(0xf8, 0xdc, 0x92));
      QPainterPath front;
      front.moveTo(3, 26);
      front.lineTo(8, 16);
      front.lineTo(30, 16);
      front.lineTo(26, 26);
      front.closeSubpath();
      p.drawPath(front);
      break;
    }
    case ToolIcon::kSave: {
      p.setBrush(QColor(0x4a, 0x6f, 0xa5));
      p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(10, 5, 12, 8));
      p.setBrush(QColor(0xe8, 0xee, 0xf6));
      p.drawRect(QRectF(9, 17, 14, 10));
      break;
    }
    case ToolIcon::kBirthData: {
      // A calendar leaf with a clock hand.
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(5, 7, 22, 20), 2, 2);
      p.setBrush(QColor(0xc0, 0x39, 0x2b));
      p.drawRect(QRectF(5, 7, 22, 6));
      p.drawLine(QPointF(10, 4), QPointF(10, 9));
      p.drawLine(QPointF(22, 4), QPointF(22, 9));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(16, 20), 5, 5);
      p.drawLine(QPointF(16, 20), QPointF(16, 17));
      p.drawLine(QPointF(16, 20), QPointF(18.5, 21));
      break;
    }
  }
  return QIcon(pixmap);
}

}  // namespace orvane
