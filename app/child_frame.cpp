#include "app/child_frame.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPalette>
#include <QScrollArea>
#include <QTextBrowser>
#include <algorithm>

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
  // The scroll area and, beside it, the panel of what is running now.
  auto* body = new QWidget(this);
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(scroll, 1);
  panel_ = new QTextBrowser(body);
  panel_->setObjectName(QStringLiteral("runningNowPanel"));
  panel_->setFrameShape(QFrame::NoFrame);
  panel_->setPalette(palette);
  panel_->setAutoFillBackground(true);
  panel_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  panel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  panel_->document()->setDocumentMargin(12);
  panel_->hide();
  row->addWidget(panel_);
  setWidget(body);
  UpdateCaption();
  connect(view_, &ChartView::screenComposed, this, &CChildFrame::UpdatePanel);
  connect(view_, &ChartView::screenComposed, this, &CChildFrame::UpdateCaption);
  connect(&doc_, &ChartDocument::titleChanged, this, &CChildFrame::UpdateCaption);
  connect(&doc_, &ChartDocument::modifiedChanged, this, &QWidget::setWindowModified);
  connect(view_, &ChartView::engineTextChanged, this, &CChildFrame::UpdateCaption);
}

void CChildFrame::UpdateCaption() {
  const QString subject = doc_.Subject();
  // A chart cast with another engine than the classic one says so.
  const QString engine = view_->ephemeris() == 1 ? tr("Swiss Ephemeris") : QString();
  // A Tajaka chart says which year (month, hora) it is, so that it is never
  // taken for the birth chart.
  const QString kind = view_->tajakaMode() ? view_->KindText() : QString();
  // The title's parts are names joined by dashes: nothing of it is a
  // sentence to translate but the engine's and the kind's names.
  setWindowTitle(doc_.title() + QStringLiteral("[*]") +
                 (kind.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + kind) +
                 (subject.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + subject) +
                 (engine.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + engine));
  setWindowModified(doc_.IsModified());
}

void CChildFrame::UpdatePanel() {
  // Room for it: a window wide enough that the charts keep their size.
  constexpr int kLeastWidth = 1200;
  const bool wanted = width() >= kLeastWidth && view_->screen() == ChartView::kTwoChartScreen &&
                      !view_->tajakaMode() && view_->screenGeometry().charts.size() == 2;
  if (!wanted) {
    if (panel_->isVisible()) panel_->hide();
    return;
  }
  const int panelWidth = std::clamp(width() / 4, 320, 520);
  if (panel_->width() != panelWidth) {
    panel_->setFixedWidth(panelWidth);
    QFont font = panel_->font();
    font.setPixelSize(panelWidth >= 440 ? 16 : panelWidth >= 380 ? 14 : 13);
    panel_->setFont(font);
  }
  const QString html = view_->RunningNowHtml();
  if (html != lastPanelHtml_) {
    lastPanelHtml_ = html;
    panel_->setHtml(html);
  }
  if (!panel_->isVisible()) panel_->show();
}

void CChildFrame::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  UpdatePanel();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (!mainFrame_.CanCloseFrame(this)) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace orvane
