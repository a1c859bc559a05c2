// Number fields of the dialogs: reading a line edit as an integer or a real
// in a closed range, with the range messages users know from the toolkit of
// the original design ("Please enter an integer between %1 and %2."), the
// dialog staying open with the offending field focused and selected.
#pragma once

#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

namespace orvane {

inline constexpr char kDialogCaption[] = "Orvane Lite";

QString IntegerRangeMessage(int min, int max);
QString NumberRangeMessage(double min, double max);

// The text of a field as a number: blanks around it are ignored and a
// decimal comma is read as a point. Nothing else is accepted (no exponent,
// no "nan"), and an integer field takes digits only.
std::optional<int> ParseIntField(const QString& text);
std::optional<double> ParseRealField(const QString& text);

// How a number is shown in a field: the shortest text that reads back as
// the value, always with a decimal point.
QString FieldText(double value);
QString FieldText(int value);

// Shows `message` in a warning box over `dialog`, then focuses and selects
// `edit` so the user can correct it.
void ReportFieldError(QWidget* dialog, QLineEdit* edit, const QString& message);

// Reads `edit` into `value` when it holds a number in [min, max]; otherwise
// reports the range message and returns false (value unchanged).
bool ExchangeInt(QWidget* dialog, QLineEdit* edit, int min, int max, int& value);
bool ExchangeReal(QWidget* dialog, QLineEdit* edit, double min, double max, double& value);

}  // namespace orvane
