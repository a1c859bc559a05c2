// The size and place of the program's own windows (Match, Transits, the dasa
// browser): each opens at the size it wants cut to the screen it opens on,
// inside that screen, and comes back where the user last left it.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace orvane {

// Where remembered places are kept (an INI file; empty: they are kept for
// the run only). Setting it forgets the places of the run.
void SetWindowPlaceFile(const QString& iniFile);

// `preferred` cut to `available` less room for the window frame.
QSize FittedWindowSize(QSize preferred, const QRect& available);

// Sizes and places `window` before it is shown: the geometry remembered
// under `key` when it lies inside the available geometry, otherwise
// `preferred` cut to it, centred on it. `available` empty: the available
// geometry of the screen of the window's parent (or the primary screen).
// The window's geometry is remembered under `key` when it hides (or closes).
void PlaceWindow(QWidget* window, QSize preferred, const QString& key, QRect available = {});

}  // namespace orvane
