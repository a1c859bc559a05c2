#include "dialogs/dialog_fields.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <array>
#include <charconv>
#include <climits>
#include <string>

#include "io/number_text.h"

namespace orvane {

namespace {

// A number as a person writes it: the shortest digits that read back as the
// value, never with an exponent (1000000, not 1e+06), so that what a field
// shows is also what it accepts.
QString PlainNumber(double value) {
  std::array<char, 400> buffer;  // room for every finite double in fixed notation
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (ec != std::errc()) return QString::fromStdString(ShortestNumber(value));
  return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(end - buffer.data()));
}

}  // namespace

QString IntegerRangeMessage(int min, int max) {
  return QCoreApplication::translate("Orvane", "Please enter an integer between %1 and %2.").arg(min).arg(max);
}

QString NumberRangeMessage(double min, double max) {
  return QCoreApplication::translate("Orvane", "Please enter a number between %1 and %2.")
      .arg(PlainNumber(min), PlainNumber(max));
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

QString FieldText(double value) { return PlainNumber(value); }

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

void SetRadioIndex(const std::vector<QAbstractButton*>& buttons, int index) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    QAbstractButton* button = buttons[i];
    const bool on = static_cast<int>(i) == index;
    if (button->isChecked() == on) continue;
    // An exclusive group refuses to switch its last button off; for a
    // moment it must let go so that no button stays on.
    QButtonGroup* group = button->group();
    const bool exclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (exclusive) group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(on);
    button->setAutoExclusive(autoExclusive);
    if (exclusive) group->setExclusive(true);
  }
}

int RadioIndex(const std::vector<QAbstractButton*>& buttons, int previous) {
  int index = previous;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->isChecked()) index = static_cast<int>(i);
  }
  return index;
}

void SetComboIndex(QComboBox* combo, int index) {
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int ComboIndex(const QComboBox* combo, int previous) {
  const int index = combo->currentIndex();
  return index >= 0 ? index : previous;
}

void ChainTabOrder(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

}  // namespace orvane
