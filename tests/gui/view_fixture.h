// The program started with one chart open (the start-up default chart) in a
// chosen chart style, and the view's screen drawn into an image exactly as
// the window draws it.
#pragma once

#include <QImage>
#include <QPainter>

#include "app_fixture.h"
#include "display/view_screens.h"

namespace orvane::testing {

class ViewFixture : public AppFixture {
 protected:
  // Starts the program with the default chart in `style` (with the bodies'
  // degrees in the charts when `degrees`); returns its view.
  // `language`: the program's language ("ta"); none, the system's.
  ChartView* OpenDefaultChart(int style = 0, const char* name = "charts/default.orv", bool degrees = false,
                              const char* language = "") {
    Settings settings;
    settings.chartStyle = style;
    settings.chartDegrees = degrees ? 1 : 0;
    for (std::size_t i = 0; language[i] != '\0' && i + 1 < settings.language.size(); ++i)
      settings.language[i] = language[i];
    WriteSettings(settings);
    const QString path = WriteFile(QString::fromLatin1(name), kDefaultChart);
    app_ = Start({path});
    if (!app_ || !app_->mainFrame() || app_->mainFrame()->documents().isEmpty()) return nullptr;
    return ViewOf(*app_->mainFrame(), app_->mainFrame()->documents().last());
  }

  // The current screen drawn into a 1300 x 1000 image, one pixel per unit.
  static QImage Draw(ChartView& view, ScreenPaintResult* result = nullptr) {
    QImage image(ChartView::kScrollWidth, ChartView::kScrollHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const ScreenPaintResult r = view.OnDraw(painter);
    painter.end();
    if (result) *result = r;
    return image;
  }

  // Accepts the annual-chart dialog with `year` (and nothing more).
  static void AcceptAnnualChart(ModalDriver& driver, const char* year) {
    driver.Then([year](QWidget* d) {
      SetText(d, "year", QString::fromLatin1(year));
      static_cast<QDialog*>(d)->accept();
    });
  }

  // Pictures go to screenshots/ in the build folder (never committed).
  static QString ScreenshotPath(const QString& name) {
    QDir dir(QStringLiteral(ORVANE_BUILD_DIR));
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots/") + name);
  }

  std::unique_ptr<DesktopApp> app_;
};

// Pixels of `image` inside `area` within `tolerance` (per channel) of `colour`.
inline int CountColour(const QImage& image, const QPolygonF& area, const QColor& colour, int tolerance = 40) {
  const QRect box = area.boundingRect().toAlignedRect().intersected(image.rect());
  int count = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      if (!area.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) continue;
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        ++count;
    }
  }
  return count;
}

inline int CountColour(const QImage& image, const QRectF& area, const QColor& colour, int tolerance = 40) {
  return CountColour(image, QPolygonF(area), colour, tolerance);
}

}  // namespace orvane::testing
