// The chart window's view: computes its document's chart through a working
// chart data file of its own (image -> working file -> calculation pass ->
// read-back into the image) and shows the report text of the two-chart
// screen in "Courier New", or, while the calculation pass writes no text,
// the positions of the forty body slots. Each view owns its computed chart,
// so two windows never mix charts.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "engine/chart_state.h"

namespace orvane {

class CDhruvakApp;
class CDhruvakDoc;

class CDhruvakView : public QWidget {
  Q_OBJECT

 public:
  // The scroll size of a chart screen.
  static constexpr int kScrollWidth = 1300;
  static constexpr int kScrollHeight = 1000;
  // The screen shown by default and after editing the birth data: two
  // charts above two blocks of text.
  static constexpr int kTwoChartScreen = 7;

  CDhruvakView(CDhruvakApp& app, CDhruvakDoc& doc, QWidget* parent = nullptr);
  ~CDhruvakView() override;

  CDhruvakDoc& document() const { return doc_; }

  // First computation once the view is in its frame; a document whose file
  // failed validation is announced with the "Invalid file" message.
  void OnInitialUpdate();
  // Computes the chart again from the document and repaints. A working
  // file that cannot be written or read is reported in a message box and
  // the chart shown before stays. Returns whether the pass succeeded.
  bool RefreshScreen();
  // "Edit birth&data": the birth-data dialog; on OK the working file is
  // rewritten, the chart computed from it and the document updated.
  void OnEditBirthData();

  // The chart of the last successful pass (empty before the first one).
  const ChartState& chart() const { return *state_; }
  bool hasChart() const { return hasChart_; }
  // True when the last pass cast the current moment (a prasna chart).
  bool isPrasna() const { return prasna_; }
  // The working file of the last pass, and the view's two working files.
  const QString& workingFile() const { return workingFile_; }
  const QString& dataFile() const { return dataFile_; }
  const QString& nowFile() const { return nowFile_; }
  int screen() const { return screen_; }
  // The text the view shows (both blocks), for tests and copying.
  QString ShownText() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct PassResult {
    bool ok = false;
    QString error;
    QByteArray readBack;  // the working file after the pass
  };
  // Runs the two report sections of the screen on a copy of the chart
  // from `path` (the clock's moment when `nowMode`), and commits the copy
  // only when every step worked.
  PassResult ComputeScreen(const QString& path, bool nowMode);
  void ReportFailure(const QString& error);
  void OnDocumentUpdate(QObject* sender);
  void BuildPositionsText();

  CDhruvakApp& app_;
  CDhruvakDoc& doc_;
  std::unique_ptr<ChartState> state_;
  bool hasChart_ = false;
  bool prasna_ = false;
  QString dataFile_;  // "dvktmp.<n>.dvk": the document's image
  QString nowFile_;   // "dvknow.<n>.dvk": the current moment
  QString workingFile_;
  int screen_ = kTwoChartScreen;
  int chart1_ = 0;  // Rasi
  int chart2_ = 8;  // Navamsa
  QString heading_;
  QString subheading_;  // the birth data above the positions
  QString leftText_;   // report section 5, or the first half of the positions
  QString rightText_;  // report section 4, or the second half
  QString problem_;    // shown instead of a chart when none could be computed
};

}  // namespace orvane
