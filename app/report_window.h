// The report sections of a chart window: every section orvane-cli prints,
// listed by topic beside a read-only text view that shows the chosen
// section's text exactly as orvane-cli prints it for the same chart
// (selectable and copyable), with the command that prints it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <span>
#include <string_view>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace orvane {

class ChartView;

// A topic of the section list and the sections it holds, in list order.
struct ReportTopic {
  std::string_view title;
  std::span<const int> sections;
};
// Every report section appears under exactly one topic.
std::span<const ReportTopic> ReportTopics();

class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  // Shows `view`'s chart; the window goes with the view.
  explicit ReportWindow(ChartView& view);

  // Shows section `section` (its list entry chosen).
  void ShowSection(int section);
  int section() const { return section_; }
  // The shown section's text byte for byte (the text view shows it with
  // its line ends made plain).
  const QString& sectionText() const { return sectionText_; }
  // Writes the shown section again from the view's chart as it is now (new
  // birth data, another Tajaka chart or engine, other preferences).
  void Refresh();

  QListWidget* list() const { return list_; }
  QPlainTextEdit* text() const { return text_; }
  QLabel* command() const { return command_; }

 private:
  void CopyText();

  QPointer<ChartView> view_;
  QListWidget* list_;
  QPlainTextEdit* text_;
  QLabel* heading_;
  QLabel* command_;
  int section_ = -1;
  QString sectionText_;
};

}  // namespace orvane
