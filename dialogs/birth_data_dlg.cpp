#include "dialogs/birth_data_dlg.h"

#include <algorithm>

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

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

// The completion list shows this many places, best first.
constexpr std::size_t kPlaceMatches = 12;
constexpr int kPlaceIndexRole = Qt::UserRole + 1;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Shows `text` on the zone line whole: a reading longer than the room the
// line has makes it (and with it the dialog) taller.
void SetZoneLine(QLabel* line, const QString& text) {
  line->setText(text);
  const int width = line->width() > 0 ? line->width() : line->sizeHint().width();
  const int needed = std::max(3 * line->fontMetrics().lineSpacing(), line->heightForWidth(width));
  if (line->minimumHeight() < needed) line->setMinimumHeight(needed);
}

// Fills the zone fields with a total offset east of Greenwich; with
// `daylight` one hour of it goes to the daylight-saving box.
void ZoneFields(BirthDialogFields& f, double offsetSeconds, bool daylight) {
  const double shown = daylight ? offsetSeconds - 3600 : offsetSeconds;
  const double magnitude = std::abs(shown);
  f.zoneEast = shown > 0;
  f.zoneHours = static_cast<int>(magnitude / 3600);
  f.zoneMinutes = (magnitude - 3600.0 * f.zoneHours) / 60.0;
  f.daylightSaving = daylight;
}

}  // namespace

const PlaceTable* DialogPlaceTable(QString* error) {
  // Loaded once, then only read.
  struct Loaded {
    PlaceTable table;
    std::string error;
    bool ok = false;
  };
  static const std::unique_ptr<const Loaded> loaded = [] {
    auto l = std::make_unique<Loaded>();
    l->ok = LoadPlaceTable(l->table, &l->error);
    return l;
  }();
  if (!loaded->ok) {
    if (error) *error = QString::fromStdString(loaded->error);
    return nullptr;
  }
  return &loaded->table;
}

CBirthDataDlg::CBirthDataDlg(const BirthDialogFields& fields, QWidget* parent)
    : CBirthDataDlg(fields, ChartLabels{}, parent) {}

CBirthDataDlg::CBirthDataDlg(const BirthDialogFields& fields, const ChartLabels& labels, QWidget* parent)
    : QDialog(parent), fields_(fields), labels_(labels) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Enter Birthdata"));
  setObjectName(QStringLiteral("CBirthDataDlg"));

  auto* nameRow = new QHBoxLayout;
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("name"));
  name_->setPlaceholderText(QCoreApplication::translate("Orvane", "Whose chart this is (kept with the chart)"));
  name_->setMaxLength(static_cast<int>(kChartLabelLimit));
  auto* nameLabel = new QLabel(QCoreApplication::translate("Orvane", "&Name:"), this);
  nameLabel->setBuddy(name_);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(name_, 1);

  auto* dateBox = new QGroupBox(QCoreApplication::translate("Orvane", "Date of birth"), this);
  month_ = NumberEdit(dateBox, "month", 2);
  day_ = NumberEdit(dateBox, "day", 2);
  year_ = NumberEdit(dateBox, "year", 5);
  auto* dateLayout = new QHBoxLayout(dateBox);
  dateLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Month:"), dateBox));
  dateLayout->addWidget(month_);
  dateLayout->addSpacing(12);
  dateLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Day:"), dateBox));
  dateLayout->addWidget(day_);
  dateLayout->addSpacing(12);
  dateLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Year:"), dateBox));
  dateLayout->addWidget(year_);
  dateLayout->addStretch(1);

  auto* timeBox = new QGroupBox(QCoreApplication::translate("Orvane", "Time of birth"), this);
  hours_ = NumberEdit(timeBox, "hours", 2);
  minutes_ = NumberEdit(timeBox, "minutes", 2);
  seconds_ = NumberEdit(timeBox, "seconds", 4);
  am_ = Radio(timeBox, "am", QCoreApplication::translate("Orvane", "AM"));
  pm_ = Radio(timeBox, "pm", QCoreApplication::translate("Orvane", "PM"));
  Pair(this, am_, pm_);
  auto* timeLayout = new QHBoxLayout(timeBox);
  timeLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Hours:"), timeBox));
  timeLayout->addWidget(hours_);
  timeLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Minutes:"), timeBox));
  timeLayout->addWidget(minutes_);
  timeLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Seconds:"), timeBox));
  timeLayout->addWidget(seconds_);
  timeLayout->addSpacing(12);
  timeLayout->addWidget(am_);
  timeLayout->addWidget(pm_);
  timeLayout->addStretch(1);

  auto* zoneBox = new QGroupBox(QCoreApplication::translate("Orvane", "Time zone"), this);
  zoneHours_ = NumberEdit(zoneBox, "zoneHours", 2);
  zoneMinutes_ = NumberEdit(zoneBox, "zoneMinutes", 2);
  zoneEast_ = Radio(zoneBox, "zoneEast", QCoreApplication::translate("Orvane", "East of GMT"));
  zoneWest_ = Radio(zoneBox, "zoneWest", QCoreApplication::translate("Orvane", "West of GMT"));
  Pair(this, zoneEast_, zoneWest_);
  daylightSaving_ = new QCheckBox(QCoreApplication::translate("Orvane", "Daylight Saving Time"), zoneBox);
  daylightSaving_->setObjectName(QStringLiteral("daylightSaving"));
  localMeanTime_ = new QCheckBox(
      QCoreApplication::translate("Orvane", "Local Mean Time (time zone entered above will be ignored)"), zoneBox);
  localMeanTime_->setObjectName(QStringLiteral("localMeanTime"));
  auto* zoneLayout = new QGridLayout(zoneBox);
  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Hours:"), zoneBox));
  zoneRow->addWidget(zoneHours_);
  zoneRow->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Minutes:"), zoneBox));
  zoneRow->addWidget(zoneMinutes_);
  zoneRow->addSpacing(12);
  zoneRow->addWidget(zoneEast_);
  zoneRow->addWidget(zoneWest_);
  zoneRow->addStretch(1);
  zoneLayout->addLayout(zoneRow, 0, 0);
  zoneLayout->addWidget(daylightSaving_, 1, 0);
  zoneLayout->addWidget(localMeanTime_, 2, 0);

  auto* placeBox = new QGroupBox(QCoreApplication::translate("Orvane", "Place of birth"), this);
  place_ = new QLineEdit(placeBox);
  place_->setObjectName(QStringLiteral("place"));
  place_->setMinimumWidth(380);
  place_->setMaxLength(static_cast<int>(kChartLabelLimit));
  zoneInfo_ = new QLabel(placeBox);
  zoneInfo_->setObjectName(QStringLiteral("zoneInfo"));
  zoneInfo_->setWordWrap(true);
  zoneInfo_->setTextFormat(Qt::PlainText);
  // Room for three lines from the start: the longer readings (local mean
  // time, a clock change) then never move the fields below.
  zoneInfo_->setMinimumHeight(3 * zoneInfo_->fontMetrics().lineSpacing());
  secondReading_ = new QCheckBox(placeBox);
  secondReading_->setObjectName(QStringLiteral("secondReading"));
  secondReading_->setVisible(false);
  matches_ = new QStandardItemModel(this);
  completer_ = new QCompleter(matches_, this);
  completer_->setObjectName(QStringLiteral("placeCompleter"));
  // The list is the search's answer: shown as it is, not filtered again.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(static_cast<int>(kPlaceMatches));
  completer_->setWidget(place_);
  QString tableError;
  places_ = DialogPlaceTable(&tableError);
  if (places_ != nullptr) {
    place_->setPlaceholderText(
        QCoreApplication::translate("Orvane", "Type a place: Chennai, or Springfield, IL, or London, GB"));
  } else {
    place_->setPlaceholderText(QCoreApplication::translate("Orvane", "The place's name (the place table is missing)"));
    SetZoneLine(zoneInfo_,
                QCoreApplication::translate("Orvane", "No place search: %1. Enter the zone and the position below.")
                    .arg(tableError));
  }
  city_ = new QComboBox(placeBox);
  city_->setObjectName(QStringLiteral("city"));
  city_->setMaxVisibleItems(20);
  city_->setMinimumWidth(300);
  for (const CityRow& row : kCityTable) city_->addItem(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
  city_->setPlaceholderText(QCoreApplication::translate("Orvane", "Choose a city to fill in its place and zone"));
  city_->setCurrentIndex(-1);
  longitudeDegrees_ = NumberEdit(placeBox, "longitudeDegrees", 3);
  longitudeMinutes_ = NumberEdit(placeBox, "longitudeMinutes", 2);
  east_ = Radio(placeBox, "east", QCoreApplication::translate("Orvane", "E"));
  west_ = Radio(placeBox, "west", QCoreApplication::translate("Orvane", "W"));
  Pair(this, east_, west_);
  latitudeDegrees_ = NumberEdit(placeBox, "latitudeDegrees", 3);
  latitudeMinutes_ = NumberEdit(placeBox, "latitudeMinutes", 2);
  north_ = Radio(placeBox, "north", QCoreApplication::translate("Orvane", "N"));
  south_ = Radio(placeBox, "south", QCoreApplication::translate("Orvane", "S"));
  Pair(this, north_, south_);
  auto* placeLayout = new QGridLayout(placeBox);
  auto* placeLabel = new QLabel(QCoreApplication::translate("Orvane", "&Place:"), placeBox);
  placeLabel->setBuddy(place_);
  placeLayout->addWidget(placeLabel, 0, 0);
  placeLayout->addWidget(place_, 0, 1, 1, 7);
  placeLayout->addWidget(zoneInfo_, 1, 1, 1, 7);
  placeLayout->addWidget(secondReading_, 2, 1, 1, 7);
  placeLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "City:"), placeBox), 3, 0);
  placeLayout->addWidget(city_, 3, 1, 1, 6);
  placeLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Longitude:"), placeBox), 4, 0);
  placeLayout->addWidget(longitudeDegrees_, 4, 1);
  placeLayout->addWidget(new QLabel(tr("deg"), placeBox), 4, 2);
  placeLayout->addWidget(longitudeMinutes_, 4, 3);
  placeLayout->addWidget(new QLabel(tr("min"), placeBox), 4, 4);
  placeLayout->addWidget(east_, 4, 5);
  placeLayout->addWidget(west_, 4, 6);
  placeLayout->addWidget(new QLabel(QCoreApplication::translate("Orvane", "Latitude:"), placeBox), 5, 0);
  placeLayout->addWidget(latitudeDegrees_, 5, 1);
  placeLayout->addWidget(new QLabel(tr("deg"), placeBox), 5, 2);
  placeLayout->addWidget(latitudeMinutes_, 5, 3);
  placeLayout->addWidget(new QLabel(tr("min"), placeBox), 5, 4);
  placeLayout->addWidget(north_, 5, 5);
  placeLayout->addWidget(south_, 5, 6);
  placeLayout->setColumnStretch(7, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CBirthDataDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CBirthDataDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addWidget(dateBox);
  layout->addWidget(timeBox);
  layout->addWidget(zoneBox);
  layout->addWidget(placeBox);
  layout->addWidget(buttons);

  connect(city_, qOverload<int>(&QComboBox::activated), this, &CBirthDataDlg::OnCityChosen);
  connect(place_, &QLineEdit::textEdited, this, &CBirthDataDlg::OnPlaceEdited);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, &CBirthDataDlg::OnPlaceChosen);
  // A new date or time may fall in another period of the place's zone.
  for (QLineEdit* edit : {month_, day_, year_, hours_, minutes_, seconds_}) {
    connect(edit, &QLineEdit::textChanged, this, [this] { Resolve(true); });
  }
  for (QAbstractButton* button : {static_cast<QAbstractButton*>(am_), static_cast<QAbstractButton*>(pm_),
                                  static_cast<QAbstractButton*>(secondReading_)}) {
    connect(button, &QAbstractButton::toggled, this, [this] { Resolve(true); });
  }
  filling_ = true;
  LoadControls(fields_);
  name_->setText(QString::fromStdString(labels_.name));
  place_->setText(QString::fromStdString(labels_.place));
  filling_ = false;
  if (!labels_.zone.empty()) {
    // Reopened: the zone line tells what the place's zone gives; the saved
    // fields stay as they were.
    zoneId_ = labels_.zone;
    placeLongitude_ = (fields_.longitudeEast ? 1 : -1) * (fields_.longitudeDegrees + fields_.longitudeMinutes / 60.0);
    placeKnown_ = true;
    Resolve(false);
    ShowSavedDaylightSaving();
  }
  month_->setFocus();
}

void CBirthDataDlg::OnPlaceEdited(const QString& text) {
  // Typing replaces the chosen place: its zone no longer applies.
  if (placeKnown_) {
    placeKnown_ = false;
    zoneId_.clear();
    resolution_.reset();
    secondReading_->setVisible(false);
    zoneInfo_->clear();
  }
  if (places_ == nullptr) return;
  matches_->clear();
  const QByteArray query = text.toUtf8();
  for (const std::size_t index : places_->Search(std::string_view(query.constData(), static_cast<std::size_t>(query.size())), kPlaceMatches)) {
    const Place p = places_->at(index);
    auto* item = new QStandardItem(QStringLiteral("%1   \u2014 %2").arg(FromUtf8(PlaceLabel(p)), FromUtf8(p.zone)));
    item->setData(static_cast<qulonglong>(index), kPlaceIndexRole);
    item->setToolTip(tr("%1, %2\n%3\u00b0 %4, %5\u00b0 %6\npopulation %7")
                         .arg(FromUtf8(p.admin1), FromUtf8(p.countryName))
                         .arg(std::abs(p.latitude), 0, 'f', 3)
                         .arg(p.latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'))
                         .arg(std::abs(p.longitude), 0, 'f', 3)
                         .arg(p.longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'))
                         .arg(p.population));
    matches_->appendRow(item);
  }
  if (matches_->rowCount() > 0) {
    completer_->complete(place_->rect());
  } else if (completer_->popup()->isVisible()) {
    completer_->popup()->hide();
  }
}

void CBirthDataDlg::OnPlaceChosen(const QModelIndex& chosen) {
  if (places_ == nullptr || !chosen.isValid()) return;
  const std::size_t index = chosen.data(kPlaceIndexRole).toULongLong();
  if (index >= places_->size()) return;
  const Place p = places_->at(index);
  place_->setText(FromUtf8(PlaceLabel(p)));
  zoneId_ = std::string(p.zone);
  placeLongitude_ = p.longitude;
  placeKnown_ = true;
  // The position, rounded to whole minutes of arc as the fields show it.
  BirthDialogFields f = ReadControls();
  const double longitude = std::abs(p.longitude), latitude = std::abs(p.latitude);
  long long minutes = std::llround(longitude * 60);
  f.longitudeDegrees = static_cast<int>(minutes / 60);
  f.longitudeMinutes = static_cast<double>(minutes % 60);
  f.longitudeEast = p.longitude >= 0;
  minutes = std::llround(latitude * 60);
  f.latitudeDegrees = static_cast<int>(minutes / 60);
  f.latitudeMinutes = static_cast<double>(minutes % 60);
  f.latitudeSouth = p.latitude < 0;
  filling_ = true;
  LoadLocation(f);
  filling_ = false;
  secondReading_->setChecked(false);
  Resolve(true);
}

void CBirthDataDlg::ShowSavedDaylightSaving() {
  // A chart file keeps one zone, daylight saving included. When the place's
  // zone says the saved offset was daylight saving time at that moment, the
  // fields show it as it was entered: the standard zone and the box ticked.
  if (!resolution_ || fields_.daylightSaving || fields_.localMeanTime) return;
  const LocalTimeResolution r = *resolution_;
  if (r.kind != LocalTimeKind::kUnique && r.kind != LocalTimeKind::kAmbiguous) return;
  const double minutesWest = 60.0 * fields_.zoneHours + fields_.zoneMinutes;
  const double savedEast = (fields_.zoneEast ? 60.0 : -60.0) * minutesWest;
  const auto matches = [savedEast](const ZoneOffset& o) {
    return o.dst && !o.localMeanTime && std::abs(o.offsetSeconds - savedEast) < 30;
  };
  const bool second = r.kind == LocalTimeKind::kAmbiguous && !matches(r.offset) && matches(r.other);
  const ZoneOffset& offset = second ? r.other : r.offset;
  if (!matches(offset)) return;
  BirthDialogFields f = fields_;
  ZoneFields(f, offset.offsetSeconds, true);
  filling_ = true;
  zoneHours_->setText(FieldText(f.zoneHours));
  zoneMinutes_->setText(FieldText(f.zoneMinutes));
  (f.zoneEast ? zoneEast_ : zoneWest_)->setChecked(true);
  daylightSaving_->setChecked(true);
  if (second) secondReading_->setChecked(true);
  filling_ = false;
  if (second) Resolve(false);
}

BirthDialogFields CBirthDataDlg::ReadControls() const {
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
  return f;
}

void CBirthDataDlg::Resolve(bool fill) {
  if (filling_ || !placeKnown_ || zoneId_.empty()) return;
  const QString zone = QString::fromStdString(zoneId_);
  BirthDialogFields f = ReadControls();
  // The moment must be complete before the zone can say anything.
  BirthDialogFields dateOnly = f;
  dateOnly.zoneHours = 0, dateOnly.zoneMinutes = 0, dateOnly.longitudeDegrees = 0, dateOnly.longitudeMinutes = 0;
  dateOnly.latitudeDegrees = 0, dateOnly.latitudeMinutes = 0;
  const DialogCheck check = ValidateDialogFields(dateOnly);
  resolution_.reset();
  if (!check.ok()) {
    secondReading_->setVisible(false);
    SetZoneLine(zoneInfo_, tr("%1: enter the date and time to find the offset in force.").arg(zone));
    return;
  }
  const int hour24 = (f.hours == 12 ? 0 : f.hours) + (f.pm ? 12 : 0);
  const int minute = static_cast<int>(f.minutes);
  const double second = (f.minutes - minute) * 60 + f.seconds;
  LocalTimeResolution r = ResolveLocalTime(zoneId_, f.year, f.month, f.day, hour24, std::min(minute, 59),
                                           std::min(second, 59.999), secondReading_->isChecked());
  secondReading_->setVisible(r.kind == LocalTimeKind::kAmbiguous);
  if (r.kind == LocalTimeKind::kAmbiguous) {
    secondReading_->setText(
        tr("Take the second occurrence (%1)")
            .arg(QString::fromStdString(DescribeOffset(zoneId_, secondReading_->isChecked() ? r.offset : r.other))));
  }
  QString info;
  if (r.kind == LocalTimeKind::kUnique || r.kind == LocalTimeKind::kAmbiguous) {
    const ZoneOffset& o = r.offset;
    info = QString::fromStdString(DescribeOffset(zoneId_, o));
    if (o.localMeanTime) {
      info = tr("%1 of the zone's city. The place's own local mean time, %2, is used.")
                 .arg(info, QString::fromStdString(FormatOffset(LocalMeanTimeOffset(placeLongitude_))));
    }
    if (r.kind == LocalTimeKind::kAmbiguous) info += QLatin1Char('\n') + QString::fromStdString(r.message) + '.';
    if (fill) {
      if (o.localMeanTime) {
        f.localMeanTime = true;
        f.daylightSaving = false;
      } else {
        f.localMeanTime = false;
        // One hour of a daylight-saving offset goes to its box.
        ZoneFields(f, o.offsetSeconds, o.dst);
      }
      filling_ = true;
      zoneHours_->setText(FieldText(f.zoneHours));
      zoneMinutes_->setText(FieldText(f.zoneMinutes));
      (f.zoneEast ? zoneEast_ : zoneWest_)->setChecked(true);
      daylightSaving_->setChecked(f.daylightSaving);
      localMeanTime_->setChecked(f.localMeanTime);
      filling_ = false;
    }
  } else {
    info = QString::fromStdString(r.message) + '.';
  }
  SetZoneLine(zoneInfo_, info);
  resolution_ = std::move(r);
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
  // The built-in list carries no zone history: its fixed zone is taken,
  // and a place chosen from the table before no longer applies.
  if (placeKnown_) place_->clear();
  placeKnown_ = false;
  zoneId_.clear();
  resolution_.reset();
  secondReading_->setVisible(false);
  zoneInfo_->clear();
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
  const BirthDialogFields f = ReadControls();

  const DialogCheck check = ValidateDialogFields(f);
  if (!check.ok()) {
    ReportFieldError(this, EditFor(check.field), QString::fromStdString(check.message));
    return;
  }
  // What is written must read back as a valid chart file.
  const ChartValidation written = ValidateChartImage(FormatChartDataFile(ComposeFromDialog(f)));
  if (!written.ok) {
    ReportFieldError(this, month_,
                     tr("These values do not make a valid chart: %1.").arg(QString::fromStdString(written.message)));
    return;
  }
  if (placeKnown_ && resolution_ && resolution_->kind == LocalTimeKind::kNonexistent) {
    ReportFieldError(this, hours_,
                     QString::fromStdString(resolution_->message) +
                         QStringLiteral(".\n\nPlease enter a clock time that occurred there."));
    return;
  }
  fields_ = f;
  labels_.name = CleanChartLabel(name_->text().toStdString());
  labels_.place = CleanChartLabel(place_->text().toStdString());
  labels_.zone = placeKnown_ ? zoneId_ : std::string();
  QDialog::accept();
}

}  // namespace orvane
