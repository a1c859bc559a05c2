// A chart window: a maximized MDI window holding one view in a scroll area,
// with the document's title in the caption and the "[*]" modified mark, and
// the engine when the chart is not cast with the classic one.
#pragma once

#include <QMdiSubWindow>

namespace orvane {

class CDhruvakDoc;
class CDhruvakView;
class CMainFrame;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  CChildFrame(CMainFrame& mainFrame, CDhruvakDoc& doc, CDhruvakView* view);

  CDhruvakDoc& document() const { return doc_; }
  CDhruvakView* view() const { return view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void UpdateCaption();

  CMainFrame& mainFrame_;
  CDhruvakDoc& doc_;
  CDhruvakView* view_;
};

}  // namespace orvane
