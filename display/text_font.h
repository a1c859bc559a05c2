// The one way the program draws text: SetTextFont stores the face, weight,
// size and colour of the next text; DrawTextWithFont draws a string in a
// rectangle with them. Sizes are device pixels, taken from the geometry of
// what is drawn (a chart's cell, a text block's height), never point sizes,
// so a chart keeps its shape on the screen, on paper and in images.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "display/colours.h"

namespace orvane {

// Text formats: the bits of the program's text drawing that it uses.
enum TextFormat : unsigned {
  kTextLeft = 0x0,          // left, top
  kTextCentre = 0x1,
  kTextRight = 0x2,
  kTextVCentre = 0x4,       // with kTextSingleLine
  kTextBottom = 0x8,        // with kTextSingleLine
  kTextWordBreak = 0x10,
  kTextSingleLine = 0x20,
  kTextExpandTabs = 0x40,
  kTextNoClip = 0x100,
};
// Centred both ways on one line, as chart titles are drawn.
inline constexpr unsigned kTextCentredLine = kTextCentre | kTextVCentre | kTextSingleLine;

// The font and colour that the next DrawTextWithFont uses.
struct TextFont {
  QString face = QStringLiteral("Times New Roman");
  int weight = 400;       // 100 (thin) .. 900 (black); 400 regular, 700 bold
  int height = 16;        // line height (ascent + descent), device pixels
  int width = 0;          // average character width, device pixels; 0: the face's own
  BgrColour colour = 0;   // 0xBBGGRR
  bool italic = false;
};

// Stores face, weight, height, width and colour in `current`. With blackText
// (printing with the black-and-white preference) the colour is stored as
// black.
void SetTextFont(TextFont& current, const QString& face, int weight, int height, int width,
                 BgrColour colour, bool blackText = false);

// The QFont for `font` on `device`: its line height and average character
// width come out at the stored pixel sizes (a missing face is replaced by the
// nearest match). `device` may be null (the screen's metrics).
QFont MakeTextQFont(const TextFont& font, const QPaintDevice* device);

// Width and height of `text` drawn on one line with `font`.
QSizeF MeasureText(const QPaintDevice* device, const TextFont& font, const QString& text);

// Draws `text` in `rect` with `format` (TextFormat bits) in the stored font
// and colour on a transparent background; the painter's font, pen and
// brush are as before afterwards. Lines break only at the text's own line
// ends unless kTextWordBreak is given; text is clipped to the rectangle
// unless kTextNoClip is given.
void DrawTextWithFont(QPainter& painter, const TextFont& font, const QString& text,
                      const QRectF& rect, unsigned format);

}  // namespace orvane
