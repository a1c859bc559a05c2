// The short user guide the Help menu (F1) opens inside the program.
#pragma once

#include <QString>

class QWidget;

namespace orvane {

// The guide's text (HTML).
QString UserGuideHtml();
// Opens the guide in a window of its own (one at a time: a second F1 brings
// the open guide to the front).
void ShowUserGuide(QWidget* parent);

}  // namespace orvane
