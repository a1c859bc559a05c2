#include "app/match_commands.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <cmath>

#include "app/chart_view.h"
#include "app/desktop_app.h"
#include "app/chart_document.h"
#include "app/doc_template.h"
#include "app/main_frame.h"
#include "app/match_window.h"
#include "app/transit_window.h"
#include "compute/pipeline.h"
#include "io/chart_file.h"

namespace orvane {

namespace {

// The birth data and name of the active chart window's chart: the
// document's chart file when it holds a valid one, else the chart the view
// computed (an untitled prasna chart). The name is the person's name the
// chart keeps, else the document's title.
bool ActiveChart(CMainFrame& frame, BirthData& birth, QString& name) {
  ChartView* view = frame.activeView();
  ChartDocument* doc = frame.activeDocument();
  if (!view || !doc) return false;
  name = doc->DisplayName();
  if (doc->loaded()) {
    const QByteArray& image = doc->image();
    const ChartValidation valid = ValidateChartImage(std::string(image.constData(), static_cast<std::size_t>(image.size())));
    if (valid.ok) {
      birth = valid.birth;
      return true;
    }
  }
  birth = view->chart().birth;
  return IsCastable(birth);
}

}  // namespace

MatchWindow* OpenMatchWindow(CMainFrame& frame, const QString& path) {
  BirthData groom{}, bride{};
  QString groomName, brideName, error;
  if (!ActiveChart(frame, groom, groomName)) return nullptr;
  if (!ReadChartForMatch(path, bride, &error, &brideName)) {
    QMessageBox::warning(&frame, QCoreApplication::translate("Orvane", "Orvane Lite"), error);
    return nullptr;
  }
  auto* window = new MatchWindow(frame.activeView()->settings(), groom, groomName, bride, brideName,
                                 &frame);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

void OnMatchWith(CMainFrame& frame) {
  if (!frame.activeView()) return;
  const QString path = QFileDialog::getOpenFileName(&frame, QCoreApplication::translate("Orvane", "Match with"),
                                                    QString(), OpenFileFilters());
  if (!path.isEmpty()) OpenMatchWindow(frame, path);
}

TransitWindow* OpenTransitWindow(CMainFrame& frame, const QDateTime& start) {
  BirthData natal{};
  QString name;
  if (!ActiveChart(frame, natal, name)) return nullptr;
  auto* window = new TransitWindow(frame.activeView()->settings(), natal, name, start, &frame);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

void OnTransits(CMainFrame& frame) {
  ChartView* view = frame.activeView();
  BirthData natal{};
  QString name;
  if (!view || !ActiveChart(frame, natal, name)) return;
  // The window reads its moment in the native's birth zone: now on that clock.
  const BirthData defaultNow = NowBirthData(view->settings());
  const BirthData now = transit::BirthAt(transit::ShiftZone(transit::LocalDaysOf(defaultNow), defaultNow.zone, natal.zone), natal);
  const int minutes = static_cast<int>(std::lround((now.time - std::floor(now.time)) * 100));
  const QDateTime start(QDate(static_cast<int>(now.year), static_cast<int>(now.month), static_cast<int>(now.day)),
                        QTime(static_cast<int>(now.time), std::min(minutes, 59)));
  OpenTransitWindow(frame, start);
}

}  // namespace orvane
