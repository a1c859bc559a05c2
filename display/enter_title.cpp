#include "display/enter_title.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace orvane {

std::optional<QString> AskTitleSimple(QWidget* parent, const QString& preset) {
  QInputDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("EnterTitleDialog"));
  dialog.setWindowTitle(QCoreApplication::translate("Orvane", "Enter title"));
  dialog.setLabelText(QCoreApplication::translate("Orvane", "Title:"));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextEchoMode(QLineEdit::Normal);
  dialog.setTextValue(preset);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

}  // namespace orvane
