// The program's own pictures, drawn in code: the application icon (a south
// Indian chart square), the splash image and the tool-bar icons.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvane {

QIcon AppIcon();
QPixmap AppIconPixmap(int size);
QPixmap SplashPixmap();

enum class ToolIcon { kNew, kOpen, kSave, kBirthData };
QIcon ToolBarIcon(ToolIcon which);

}  // namespace orvane
