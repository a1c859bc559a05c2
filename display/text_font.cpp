#include "display/text_font.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// Metrics are taken at this pixel size and scaled: fonts are outlines, and a
// large size keeps rounding out of the ratios.
constexpr int kReferencePixelSize = 200;

QFont BaseFont(const TextFont& font) {
  QFont f(font.face);
  f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferQuality));
  f.setKerning(true);
  f.setItalic(font.italic);
  return f;
}

// Text on an SVG drawing stays text, in the font it was measured with
// (named in the file). A renderer may not stretch fonts (librsvg does not),
// so the text is set in the unstretched face and narrowed by a transform,
// which every renderer follows: the words keep the width they were
// measured for.
void DrawTextAsSvgText(QPainter& painter, const QFont& stretched, const QColor& colour, const QString& text,
                       const QRectF& rect, int flags) {
  QFont font = stretched;
  const double stretch = stretched.stretch() > 0 ? stretched.stretch() / 100.0 : 1.0;
  font.setStretch(QFont::Unstretched);
  // The drawing's own text layout, not the font's hinted metrics: the
  // renderer lays the words out with the font's outline advances.
  font.setHintingPreference(QFont::PreferNoHinting);
  painter.setFont(font);
  painter.setPen(colour);
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.scale(stretch, 1.0);
  painter.drawText(QRectF(rect.left() / stretch, rect.top(), rect.width() / stretch, rect.height()), flags, text);
}

bool IsSvg(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  return engine && engine->type() == QPaintEngine::SVG;
}

}  // namespace

void SetTextFont(TextFont& current, const QString& face, int weight, int height, int width,
                 BgrColour colour, bool blackText) {
  current.face = face;
  current.weight = weight;
  current.height = height;
  current.width = width;
  current.colour = blackText ? 0 : colour;
}

QFont MakeTextQFont(const TextFont& font, const QPaintDevice* device) {
  QFont f = BaseFont(font);
  f.setPixelSize(kReferencePixelSize);
  const QFontMetricsF reference = device ? QFontMetricsF(f, device) : QFontMetricsF(f);
  const double lineRatio = reference.height() / kReferencePixelSize;          // line height per em
  const double widthRatio = reference.averageCharWidth() / kReferencePixelSize; // mean advance per em

  const int height = std::max(font.height, 1);
  const double em = lineRatio > 0 ? height / lineRatio : height;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  if (font.width > 0 && widthRatio > 0) {
    const double natural = widthRatio * f.pixelSize();
    f.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * font.width / natural)), 1, 4000));
  }
  return f;
}

QSizeF MeasureText(const QPaintDevice* device, const TextFont& font, const QString& text) {
  const QFont f = MakeTextQFont(font, device);
  const QFontMetricsF metrics = device ? QFontMetricsF(f, device) : QFontMetricsF(f);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

void DrawTextWithFont(QPainter& painter, const TextFont& font, const QString& text,
                      const QRectF& rect, unsigned format) {
  int flags = 0;
  if (format & kTextRight) {
    flags |= Qt::AlignRight;
  } else if (format & kTextCentre) {
    flags |= Qt::AlignHCenter;
  } else {
    flags |= Qt::AlignLeft;
  }
  if (format & kTextSingleLine) {
    flags |= Qt::TextSingleLine;
    if (format & kTextBottom) {
      flags |= Qt::AlignBottom;
    } else if (format & kTextVCentre) {
      flags |= Qt::AlignVCenter;
    } else {
      flags |= Qt::AlignTop;
    }
  } else {
    flags |= Qt::AlignTop;
  }
  if (format & kTextWordBreak) flags |= Qt::TextWordWrap;
  if (format & kTextExpandTabs) flags |= Qt::TextExpandTabs;

  painter.save();
  if (!(format & kTextNoClip)) painter.setClipRect(rect, Qt::IntersectClip);
  if (IsSvg(painter)) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawTextAsSvgText(painter, MakeTextQFont(font, painter.device()), ColourFromBgr(font.colour), text, rect, flags);
    painter.restore();
    return;
  }
  painter.setFont(MakeTextQFont(font, painter.device()));
  painter.setPen(ColourFromBgr(font.colour));
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(rect, flags, text);
  painter.restore();
}

}  // namespace orvane
