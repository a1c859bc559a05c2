// The yogas of a chart window: every yoga the chart has, grouped by family,
// beside what forms it (planets, houses, the conditions met) and what
// cancels or weakens it. Choosing a yoga picks its planets out in the chart
// window's diagrams.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "yoga/yoga.h"

class QLabel;
class QPlainTextEdit;
class QTreeWidget;

namespace orvane {

class ChartView;

class YogaWindow : public QDialog {
  Q_OBJECT

 public:
  // Shows `view`'s chart; the window goes with the view.
  explicit YogaWindow(ChartView& view);

  // Reads the yogas of the view's chart as it is now.
  void Refresh();
  // Chooses the yoga with this key (its first entry); false when the chart
  // has none.
  bool Select(std::string_view key);

  QTreeWidget* tree() const { return tree_; }
  QPlainTextEdit* details() const { return details_; }
  const std::vector<yoga::FoundYoga>& found() const { return found_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowChosen();

  QPointer<ChartView> view_;
  QTreeWidget* tree_;
  QPlainTextEdit* details_;
  QLabel* heading_;
  std::vector<yoga::FoundYoga> found_;
};

}  // namespace orvane
