// A chart window: a maximized MDI window holding one view in a scroll area,
// with the document's title in the caption and the "[*]" modified mark, and
// the engine when the chart is not cast with the classic one. Beside the
// main screen, on a wide window, a panel shows the dasa periods running
// now and today's transits.
#pragma once

#include <QMdiSubWindow>

class QTextBrowser;

namespace orvane {

class ChartDocument;
class ChartView;
class CMainFrame;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  CChildFrame(CMainFrame& mainFrame, ChartDocument& doc, ChartView* view);

  ChartDocument& document() const { return doc_; }
  ChartView* view() const { return view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateCaption();
  // The panel beside the main screen: shown on a wide window with the main
  // screen of a natal chart, filled with what is running now.
  void UpdatePanel();

  CMainFrame& mainFrame_;
  ChartDocument& doc_;
  ChartView* view_;
  QTextBrowser* panel_ = nullptr;
  QString lastPanelHtml_;  // what the panel was last filled with
};

}  // namespace orvane
