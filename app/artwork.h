// The program's own pictures, drawn in code: the application icon (a south
// Indian chart square), the splash image and the tool-bar icons.
#pragma once

#include <QBrush>
#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace orvane {

// A south Indian chart square (4 x 4 cells, the middle four one open square)
// in the painter's pen, filled with `fill`.
void DrawChartSquare(QPainter& p, const QRectF& r, const QBrush& fill);

QIcon AppIcon();
QPixmap AppIconPixmap(int size);
QPixmap SplashPixmap();

enum class ToolIcon { kNew, kOpen, kSave, kBirthData };
QIcon ToolBarIcon(ToolIcon which);

}  // namespace orvane
