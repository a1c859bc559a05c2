// "Enter title": the title printed on a chart's pages, or drawn above the
// chart of an exported bitmap.
#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace orvane {

class CTitleDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 140;

  explicit CTitleDlg(const QString& preset, QWidget* parent = nullptr);

  // The text of the field (an empty title is allowed).
  QString title() const;

 private:
  QLineEdit* edit_ = nullptr;
};

// Shows "Enter title" with `preset` in its field. Returns the entered
// title after OK, or nothing after Cancel (or Escape, or closing the
// window): the caller then abandons the print or the export it asked for.
std::optional<QString> AskTitle(const QString& preset, QWidget* parent);

}  // namespace orvane
