#include "dialogs/birth_data_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <climits>
#include <cmath>
#include <limits>

#include "dialogs/dialog_fields.h"
#include "io/chart_file.h"
#include "io/city_table.h"

namespace orvane {
namespace {

QLineEdit* NumberEdit(QWidget* parent, const char* name, int characters) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2) + 12);
  return edit;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& text) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(QLatin1String(name));
  return radio;
}

void Pair(QWidget* parent, QRadioButton* a, QRadioButton* b) {
  auto* group = new QButtonGroup(parent);
  group->addButton(a);
  group->addButton(b);
}

// Integer and real fields as the validator sees them: text that is not a
// number becomes a value outside every range, so the field's own range
// message is shown for it.
int IntOf(const QLineEdit* edit) { return ParseIntField(edit->text()).value_or(INT_MIN); }
double RealOf(const QLineEdit* edit) {
  return ParseRealField(edit->text()).value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

CBirthDataDlg::CBirthDataDlg(const BirthDialogFields& fields, QWidget* parent) : QDialog(parent), fields_(fields) {
  setWindowTitle(QStringLiteral("Enter Birthdata"));
  setObjectName(QStringLiteral("CBirthDataDlg"));

  auto* dateBox = new QGroupBox(QStringLiteral("Date of birth"), this);
  month_ = NumberEdit(dateBox, "month", 2);
  day_ = NumberEdit(dateBox, "day", 2);
  year_ = NumberEdit(dateBox, "year", 5);
  auto* dateLayout = new QHBoxLayout(dateBox);
  dateLayout->addWidget(new QLabel(QStringLiteral("Month:"), dateBox));
  dateLayout->addWidget(month_);
  dateLayout->addSpacing(12);
  dateLayout->addWidget(new QLabel(QStringLiteral("Day:"), dateBox));
  dateLayout->addWidget(day_);
  dateLayout->addSpacing(12);
  dateLayout->addWidget(new QLabel(QStringLiteral("Year:"), dateBox));
  dateLayout->addWidget(year_);
  dateLayout->addStretch(1);

  auto* timeBox = new QGroupBox(QStringLiteral("Time of birth"), this);
  hours_ = NumberEdit(timeBox, "hours", 2);
  minutes_ = NumberEdit(timeBox, "minutes", 2);
  seconds_ = NumberEdit(timeBox, "seconds", 4);
  am_ = Radio(timeBox, "am", QStringLiteral("AM"));
  pm_ = Radio(timeBox, "pm", QStringLiteral("PM"));
  Pair(this, am_, pm_);
  auto* timeLayout = new QHBoxLayout(timeBox);
  timeLayout->addWidget(new QLabel(QStringLiteral("Hours:"), timeBox));
  timeLayout->addWidget(hours_);
  timeLayout->addWidget(new QLabel(QStringLiteral("Minutes:"), timeBox));
  timeLayout->addWidget(minutes_);
  timeLayout->addWidget(new QLabel(QStringLiteral("Seconds:"), timeBox));
  timeLayout->addWidget(seconds_);
  timeLayout->addSpacing(12);
  timeLayout->addWidget(am_);
  timeLayout->addWidget(pm_);
  timeLayout->addStretch(1);

  auto* zoneBox = new QGroupBox(QStringLiteral("Time zone"), this);
  zoneHours_ = NumberEdit(zoneBox, "zoneHours", 2);
  zoneMinutes_ = NumberEdit(zoneBox, "zoneMinutes", 2);
  zoneEast_ = Radio(zoneBox, "zoneEast", QStringLiteral("East of GMT"));
  zoneWest_ = Radio(zoneBox, "zoneWest", QStringLiteral("West of GMT"));
  Pair(this, zoneEast_, zoneWest_);
  daylightSaving_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), zoneBox);
  daylightSaving_->setObjectName(QStringLiteral("daylightSaving"));
  localMeanTime_ = new QCheckBox(QStringLiteral("Local Mean Time (time zone entered above will be ignored)"), zoneBox);
  localMeanTime_->setObjectName(QStringLiteral("localMeanTime"));
  auto* zoneLayout = new QGridLayout(zoneBox);
  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(new QLabel(QStringLiteral("Hours:"), zoneBox));
  zoneRow->addWidget(zoneHours_);
  zoneRow->addWidget(new QLabel(QStringLiteral("Minutes:"), zoneBox));
  zoneRow->addWidget(zoneMinutes_);
  zoneRow->addSpacing(12);
  zoneRow->addWidget(zoneEast_);
  zoneRow->addWidget(zoneWest_);
  zoneRow->addStretch(1);
  zoneLayout->addLayout(zoneRow, 0, 0);
  zoneLayout->addWidget(daylightSaving_, 1, 0);
  zoneLayout->addWidget(localMeanTime_, 2, 0);

  auto* placeBox = new QGroupBox(QStringLiteral("Place of birth"), this);
  city_ = new QComboBox(placeBox);
  city_->setObjectName(QStringLiteral("city"));
  city_->setMaxVisibleItems(20);
  city_->setMinimumWidth(300);
  for (const CityRow& row : kCityTable) city_->addItem(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
  city_->setPlaceholderText(QStringLiteral("Choose a city to fill in its place and zone"));
  city_->setCurrentIndex(-1);
  longitudeDegrees_ = NumberEdit(placeBox, "longitudeDegrees", 3);
  longitudeMinutes_ = NumberEdit(placeBox, "longitudeMinutes", 2);
  east_ = Radio(placeBox, "east", QStringLiteral("E"));
  west_ = Radio(placeBox, "west", QStringLiteral("W"));
  Pair(this, east_, west_);
  latitudeDegrees_ = NumberEdit(placeBox, "latitudeDegrees", 3);
  latitudeMinutes_ = NumberEdit(placeBox, "latitudeMinutes", 2);
  north_ = Radio(placeBox, "north", QStringLiteral("N"));
  south_ = Radio(placeBox, "south", QStringLiteral("S"));
  Pair(this, north_, south_);
  auto* placeLayout = new QGridLayout(placeBox);
  placeLayout->addWidget(new QLabel(QStringLiteral("City:"), placeBox), 0, 0);
  placeLayout->addWidget(city_, 0, 1, 1, 6);
  placeLayout->addWidget(new QLabel(QStringLiteral("Longitude:"), placeBox), 1, 0);
  placeLayout->addWidget(longitudeDegrees_, 1, 1);
  placeLayout->addWidget(new QLabel(QStringLiteral("deg"), placeBox), 1, 2);
  placeLayout->addWidget(longitudeMinutes_, 1, 3);
  placeLayout->addWidget(new QLabel(QStringLiteral("min"), placeBox), 1, 4);
  placeLayout->addWidget(east_, 1, 5);
  placeLayout->addWidget(west_, 1, 6);
  placeLayout->addWidget(new QLabel(QStringLiteral("Latitude:"), placeBox), 2, 0);
  placeLayout->addWidget(latitudeDegrees_, 2, 1);
  placeLayout->addWidget(new QLabel(QStringLiteral("deg"), placeBox), 2, 2);
  placeLayout->addWidget(latitudeMinutes_, 2, 3);
  placeLayout->addWidget(new QLabel(QStringLiteral("min"), placeBox), 2, 4);
  placeLayout->addWidget(north_, 2, 5);
  placeLayout->addWidget(south_, 2, 6);
  placeLayout->setColumnStretch(7, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CBirthDataDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CBirthDataDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dateBox);
  layout->addWidget(timeBox);
  layout->addWidget(zoneBox);
  layout->addWidget(placeBox);
  layout->addWidget(buttons);

  connect(city_, qOverload<int>(&QComboBox::activated), this, &CBirthDataDlg::OnCityChosen);
  LoadControls(fields_);
  month_->setFocus();
}

void CBirthDataDlg::LoadControls(const BirthDialogFields& f) {
  month_->setText(FieldText(f.month));
  day_->setText(FieldText(f.day));
  year_->setText(FieldText(f.year));
  hours_->setText(FieldText(f.hours));
  minutes_->setText(FieldText(f.minutes));
  seconds_->setText(FieldText(f.seconds));
  (f.pm ? pm_ : am_)->setChecked(true);
  daylightSaving_->setChecked(f.daylightSaving);
  localMeanTime_->setChecked(f.localMeanTime);
  LoadLocation(f);
}

void CBirthDataDlg::LoadLocation(const BirthDialogFields& f) {
  zoneHours_->setText(FieldText(f.zoneHours));
  zoneMinutes_->setText(FieldText(f.zoneMinutes));
  (f.zoneEast ? zoneEast_ : zoneWest_)->setChecked(true);
  longitudeDegrees_->setText(FieldText(f.longitudeDegrees));
  longitudeMinutes_->setText(FieldText(f.longitudeMinutes));
  (f.longitudeEast ? east_ : west_)->setChecked(true);
  latitudeDegrees_->setText(FieldText(f.latitudeDegrees));
  latitudeMinutes_->setText(FieldText(f.latitudeMinutes));
  (f.latitudeSouth ? south_ : north_)->setChecked(true);
}

void CBirthDataDlg::OnCityChosen(int row) {
  if (row < 0) return;
  // Only the zone and the place change; date, time and the two check boxes
  // keep what was typed.
  BirthDialogFields location;
  if (!ApplyCity(location, static_cast<std::size_t>(row))) return;
  LoadLocation(location);
  cityChosen_ = true;
}

QLineEdit* CBirthDataDlg::EditFor(BirthField field) const {
  switch (field) {
    case BirthField::kMonth: return month_;
    case BirthField::kDay: return day_;
    case BirthField::kYear: return year_;
    case BirthField::kHours: return hours_;
    case BirthField::kMinutes: return minutes_;
    case BirthField::kSeconds: return seconds_;
    case BirthField::kZoneHours: return zoneHours_;
    case BirthField::kZoneMinutes: return zoneMinutes_;
    case BirthField::kLongitudeDegrees: return longitudeDegrees_;
    case BirthField::kLongitudeMinutes: return longitudeMinutes_;
    case BirthField::kLatitudeDegrees: return latitudeDegrees_;
    case BirthField::kLatitudeMinutes: return latitudeMinutes_;
    case BirthField::kNone: break;
  }
  return nullptr;
}

void CBirthDataDlg::accept() {
  BirthDialogFields f;
  f.month = IntOf(month_);
  f.day = IntOf(day_);
  f.year = IntOf(year_);
  f.hours = IntOf(hours_);
  f.minutes = RealOf(minutes_);
  f.seconds = RealOf(seconds_);
  f.pm = pm_->isChecked();
  f.zoneHours = IntOf(zoneHours_);
  f.zoneMinutes = RealOf(zoneMinutes_);
  f.zoneEast = zoneEast_->isChecked();
  f.longitudeDegrees = IntOf(longitudeDegrees_);
  f.longitudeMinutes = RealOf(longitudeMinutes_);
  f.longitudeEast = east_->isChecked();
  f.latitudeDegrees = IntOf(latitudeDegrees_);
  f.latitudeMinutes = RealOf(latitudeMinutes_);
  f.latitudeSouth = south_->isChecked();
  f.daylightSaving = daylightSaving_->isChecked();
  f.localMeanTime = localMeanTime_->isChecked();

  const DialogCheck check = ValidateDialogFields(f);
  if (!check.ok()) {
    ReportFieldError(this, EditFor(check.field), QString::fromStdString(check.message));
    return;
  }
  // What is written must read back as a valid chart file.
  const ChartValidation written = ValidateChartImage(FormatChartDataFile(ComposeFromDialog(f)));
  if (!written.ok) {
    ReportFieldError(this, month_,
                     QStringLiteral("These values do not make a valid chart: %1.")
                         .arg(QString::fromStdString(written.message)));
    return;
  }
  fields_ = f;
  QDialog::accept();
}

}  // namespace orvane
