// A chart window: a maximized MDI window holding one view in a scroll area,
// with the document's title in the caption and the "[*]" modified mark, and
// the engine when the chart is not cast with the classic one.
#pragma once

#include <QMdiSubWindow>

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

 private:
  void UpdateCaption();

  CMainFrame& mainFrame_;
  ChartDocument& doc_;
  ChartView* view_;
};

}  // namespace orvane
