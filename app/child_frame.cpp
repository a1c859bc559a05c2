#include "app/child_frame.h"

#include <QCloseEvent>
#include <QPalette>
#include <QScrollArea>

#include "app/artwork.h"
#include "app/chart_document.h"
#include "app/main_frame.h"
#include "app/chart_view.h"

namespace orvane {

CChildFrame::CChildFrame(CMainFrame& mainFrame, ChartDocument& doc, ChartView* view)
    : mainFrame_(mainFrame), doc_(doc), view_(view) {
  setObjectName(QStringLiteral("CChildFrame"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(AppIcon());
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("chartScrollArea"));
  scroll->setWidget(view_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  QPalette palette = scroll->palette();
  palette.setColor(QPalette::Window, QColor(0xff, 0xff, 0xf0));
  scroll->setPalette(palette);
  scroll->setBackgroundRole(QPalette::Window);
  setWidget(scroll);
  UpdateCaption();
  connect(&doc_, &ChartDocument::titleChanged, this, &CChildFrame::UpdateCaption);
  connect(&doc_, &ChartDocument::modifiedChanged, this, &QWidget::setWindowModified);
  connect(view_, &ChartView::engineTextChanged, this, &CChildFrame::UpdateCaption);
}

void CChildFrame::UpdateCaption() {
  const QString subject = doc_.Subject();
  // A chart cast with another engine than the classic one says so.
  const QString engine = view_->ephemeris() == 1 ? QStringLiteral("Swiss Ephemeris") : QString();
  setWindowTitle(doc_.title() + QStringLiteral("[*]") +
                 (subject.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + subject) +
                 (engine.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + engine));
  setWindowModified(doc_.IsModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (!mainFrame_.CanCloseFrame(this)) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace orvane
