// Number fields of the dialogs: reading a line edit as an integer or a real
// in a closed range, with the range messages users know from the toolkit of
// the original design ("Please enter an integer between %1 and %2."), the
// dialog staying open with the offending field focused and selected.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class QAbstractButton;
class QComboBox;
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
// the value, with a decimal point and never an exponent (1000000, not
// 1e+06), so that a field shows only what it accepts.
QString FieldText(double value);
QString FieldText(int value);

// Shows `message` in a warning box over `dialog`, then focuses and selects
// `edit` so the user can correct it.
void ReportFieldError(QWidget* dialog, QLineEdit* edit, const QString& message);

// Reads `edit` into `value` when it holds a number in [min, max]; otherwise
// reports the range message and returns false (value unchanged).
bool ExchangeInt(QWidget* dialog, QLineEdit* edit, int min, int max, int& value);
bool ExchangeReal(QWidget* dialog, QLineEdit* edit, double min, double max, double& value);

// A radio group as one index. On opening button i is on exactly when i is
// `index` (an index outside the group leaves every button off); on OK the
// index is the last button that is on, or `previous` when none is.
void SetRadioIndex(const std::vector<QAbstractButton*>& buttons, int index);
int RadioIndex(const std::vector<QAbstractButton*>& buttons, int previous);

// A combo box as one index: an index outside the list selects nothing, and
// reading a combo with nothing selected gives `previous`.
void SetComboIndex(QComboBox* combo, int index);
int ComboIndex(const QComboBox* combo, int previous);

// Tab order through `widgets` in the order given.
void ChainTabOrder(const std::vector<QWidget*>& widgets);

}  // namespace orvane
