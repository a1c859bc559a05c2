#include "app/window_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace orvane {
namespace {

// Room the window manager's frame and title bar take around a window.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

QString& PlaceFile() {
  static QString file;
  return file;
}

// The places of this run (also when no file is set).
QHash<QString, QRect>& RunPlaces() {
  static QHash<QString, QRect> places;
  return places;
}

QString SettingsKey(const QString& key) { return QStringLiteral("Windows/") + key; }

QRect Remembered(const QString& key) {
  const auto found = RunPlaces().constFind(key);
  if (found != RunPlaces().constEnd()) return *found;
  if (PlaceFile().isEmpty()) return {};
  QSettings settings(PlaceFile(), QSettings::IniFormat);
  return settings.value(SettingsKey(key)).toRect();
}

void Remember(const QString& key, const QRect& geometry) {
  if (!geometry.isValid()) return;
  RunPlaces().insert(key, geometry);
  if (PlaceFile().isEmpty()) return;
  QSettings settings(PlaceFile(), QSettings::IniFormat);
  settings.setValue(SettingsKey(key), geometry);
}

// Remembers the window's geometry as it hides (closing hides it too).
class PlaceKeeper : public QObject {
 public:
  PlaceKeeper(QWidget* window, const QString& key) : QObject(window), key_(key) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) Remember(key_, static_cast<QWidget*>(watched)->geometry());
    return false;
  }

 private:
  QString key_;
};

}  // namespace

void SetWindowPlaceFile(const QString& iniFile) {
  PlaceFile() = iniFile;
  RunPlaces().clear();
}

QSize FittedWindowSize(QSize preferred, const QRect& available) {
  if (available.isEmpty()) return preferred;
  return QSize(std::max(1, std::min(preferred.width(), available.width() - kFrameWidth)),
               std::max(1, std::min(preferred.height(), available.height() - kFrameHeight)));
}

void PlaceWindow(QWidget* window, QSize preferred, const QString& key, QRect available) {
  if (available.isEmpty()) {
    QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) available = screen->availableGeometry();
  }
  const QRect remembered = Remembered(key);
  if (remembered.isValid() && !available.isEmpty() && available.contains(remembered)) {
    window->setGeometry(remembered);
  } else {
    const QSize size = FittedWindowSize(preferred, available);
    QRect content(QPoint(0, 0), size);
    if (!available.isEmpty()) {
      // Centred, its title bar inside the screen.
      content.moveCenter(available.center());
      content.moveTop(std::max(content.top(), available.top() + kFrameHeight - kFrameWidth / 2));
      content.moveLeft(std::max(content.left(), available.left() + kFrameWidth / 2));
    }
    window->setGeometry(content);
  }
  // One keeper a window, remembering under the key given last.
  const char* const kKeeper = "orvanePlaceKeeper";
  if (auto* keeper = window->property(kKeeper).value<QObject*>()) {
    window->removeEventFilter(keeper);
    delete keeper;
  }
  auto* keeper = new PlaceKeeper(window, key);
  window->installEventFilter(keeper);
  window->setProperty(kKeeper, QVariant::fromValue<QObject*>(keeper));
}

}  // namespace orvane
