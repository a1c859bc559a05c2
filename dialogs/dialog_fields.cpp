#include "dialogs/dialog_fields.h"

#include <QLineEdit>
#include <QMessageBox>
#include <climits>
#include <string>

#include "io/number_text.h"

namespace orvane {

QString IntegerRangeMessage(int min, int max) {
  return QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max);
}

QString NumberRangeMessage(double min, double max) {
  return QStringLiteral("Please enter a number between %1 and %2.")
      .arg(QString::fromStdString(ShortestNumber(min)), QString::fromStdString(ShortestNumber(max)));
}

std::optional<int> ParseIntField(const QString& text) {
  const std::string token = text.trimmed().toStdString();
  const std::optional<long long> value = ParseInteger(token);
  if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<double> ParseRealField(const QString& text) {
  QString trimmed = text.trimmed();
  if (trimmed.count(QLatin1Char(',')) == 1 && !trimmed.contains(QLatin1Char('.'))) {
    trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
  }
  return ParseDecimal(trimmed.toStdString());
}

QString FieldText(double value) { return QString::fromStdString(ShortestNumber(value)); }

QString FieldText(int value) { return QString::number(value); }

void ReportFieldError(QWidget* dialog, QLineEdit* edit, const QString& message) {
  QMessageBox::warning(dialog, kDialogCaption, message);
  if (edit) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
  }
}

bool ExchangeInt(QWidget* dialog, QLineEdit* edit, int min, int max, int& value) {
  const std::optional<int> read = ParseIntField(edit->text());
  if (!read || *read < min || *read > max) {
    ReportFieldError(dialog, edit, IntegerRangeMessage(min, max));
    return false;
  }
  value = *read;
  return true;
}

bool ExchangeReal(QWidget* dialog, QLineEdit* edit, double min, double max, double& value) {
  const std::optional<double> read = ParseRealField(edit->text());
  if (!read || !(*read >= min && *read <= max)) {
    ReportFieldError(dialog, edit, NumberRangeMessage(min, max));
    return false;
  }
  value = *read;
  return true;
}

}  // namespace orvane
