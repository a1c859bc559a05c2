#include "dialogs/preference_dlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <string_view>

#include "dialogs/dialog_fields.h"
#include "io/birth_input.h"

namespace orvane {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* NumberEdit(QWidget* parent, const QString& name, int characters) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2) + 12);
  return edit;
}

QComboBox* Combo(QWidget* parent, const QString& name, std::initializer_list<const char*> items, int current) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (const char* item : items) combo->addItem(QString::fromUtf8(item));
  combo->setCurrentIndex(current >= 0 && current < combo->count() ? current : 0);
  return combo;
}

constexpr std::array<std::string_view, 5> kStyleNames = {
    "South Indian Style (Regular)",
    "South Indian Style (Irregular)",
    "North Indian Style (\"Diamond chart\")",
    "East Indian Style (\"Sun Chart\")",
    "East Indian Style (with frame)",
};

// Each ayanamsa choice as a deviation from Chitrapaksha (Lahiri).
struct AyanamsaPreset {
  std::string_view name;
  double degrees;
  double minutes;
  double seconds;
  int direction;  // +1 add, -1 subtract
};
constexpr std::array<AyanamsaPreset, 8> kAyanamsaPresets = {{
    {"Chitrapaksha ayanamsa (Lahiri)", 0, 0, 0, 1},
    {"Raman ayanamsa", 1, 27, 0, -1},
    {"Deva-datta ayanamsa", 0, 22, 37, -1},
    {"Krishnamoorthy ayanamsa", 0, 6, 5.4, -1},
    {"Usha-Shashi ayanamsa", 3, 48, 16, -1},
    {"Fagan ayanamsa", 0, 53, 0.3, 1},
    {"Tropical (sayana) zodiac", 0, 0, 0, 1},
    {"Custom ayanamsa", 0, 0, 0, 0},  // keeps the fields as they are
}};
constexpr double kTropicalDegrees = 1000;

constexpr std::array<std::string_view, 6> kPrintItemNames = {
    "Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)",
    "Kalachakra dasa && Ashtottari dasa (popular nakshatra dasas)",
    "Shadbalas, Bhava balas, Ishta-Kashta phalas && Ashtakavarga",
    "Charts of fortune && standing (D-10, D-4, D-16, D-2, D-5, D-40)",
    "Charts of family && inner matters (D-12, D-3, D-7, D-27, D-24, D-20)",
    "Charts of misfortune && past karma (D-6, D-8, D-11, D-30, D-45, D-60)",
};

}  // namespace

PreferenceDialog::PreferenceDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  layout->addLayout(body_);
}

void PreferenceDialog::AddButtons() {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  static_cast<QVBoxLayout*>(layout())->addSpacing(6);
  static_cast<QVBoxLayout*>(layout())->addWidget(buttons);
}

// ---- chart style

CChartStyleDlg::CChartStyleDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Choose chart style"), parent), styles_(new QButtonGroup(this)) {
  auto* box = new QGroupBox(QStringLiteral("Chart style"), this);
  auto* column = new QVBoxLayout(box);
  for (int i = 0; i < static_cast<int>(kStyleNames.size()); ++i) {
    auto* radio = new QRadioButton(Text(kStyleNames[i]), box);
    radio->setObjectName(QStringLiteral("style%1").arg(i));
    styles_->addButton(radio, i);
    column->addWidget(radio);
  }
  if (QAbstractButton* current = styles_->button(settings.chartStyle)) current->setChecked(true);
  body()->addWidget(box);
  AddButtons();
}

int CChartStyleDlg::style() const { return std::max(0, styles_->checkedId()); }

void CChartStyleDlg::Store(Settings& settings) const { settings.chartStyle = style(); }

// ---- ayanamsa

CAyanamsaDlg::CAyanamsaDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Choose Ayanamsa"), parent), choices_(new QButtonGroup(this)) {
  choice_ = settings.ayanamsaChoice;
  direction_ = settings.ayanamsaDirection;
  deg_ = settings.ayanamsaDegrees;
  min_ = settings.ayanamsaMinutes;
  sec_ = settings.ayanamsaSeconds;
  if (choice_ == kTropical) deg_ = min_ = sec_ = 0;

  auto* choiceBox = new QGroupBox(QStringLiteral("Ayanamsa"), this);
  auto* column = new QVBoxLayout(choiceBox);
  for (int i = 0; i < static_cast<int>(kAyanamsaPresets.size()); ++i) {
    auto* radio = new QRadioButton(Text(kAyanamsaPresets[i].name), choiceBox);
    radio->setObjectName(QStringLiteral("choice%1").arg(i));
    choices_->addButton(radio, i);
    column->addWidget(radio);
  }
  auto* deviationBox = new QGroupBox(QStringLiteral("Deviation from Chitrapaksha ayanamsa"), this);
  degrees_ = NumberEdit(deviationBox, QStringLiteral("degrees"), 4);
  minutes_ = NumberEdit(deviationBox, QStringLiteral("minutes"), 4);
  seconds_ = NumberEdit(deviationBox, QStringLiteral("seconds"), 4);
  add_ = new QRadioButton(QStringLiteral("Add"), deviationBox);
  add_->setObjectName(QStringLiteral("add"));
  subtract_ = new QRadioButton(QStringLiteral("Subtract"), deviationBox);
  subtract_->setObjectName(QStringLiteral("subtract"));
  auto* directions = new QButtonGroup(this);
  directions->addButton(add_);
  directions->addButton(subtract_);
  auto* grid = new QGridLayout(deviationBox);
  grid->addWidget(new QLabel(QStringLiteral("Degrees:"), deviationBox), 0, 0);
  grid->addWidget(degrees_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Minutes:"), deviationBox), 1, 0);
  grid->addWidget(minutes_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Seconds:"), deviationBox), 2, 0);
  grid->addWidget(seconds_, 2, 1);
  grid->addWidget(add_, 3, 0);
  grid->addWidget(subtract_, 3, 1);
  grid->setRowStretch(4, 1);

  auto* row = new QHBoxLayout;
  row->addWidget(choiceBox);
  row->addWidget(deviationBox);
  body()->addLayout(row);
  AddButtons();

  if (QAbstractButton* b = choices_->button(choice_)) b->setChecked(true);
  degrees_->setText(FieldText(deg_));
  minutes_->setText(FieldText(min_));
  seconds_->setText(FieldText(sec_));
  (direction_ == 1 ? add_ : subtract_)->setChecked(true);

  connect(choices_, &QButtonGroup::idClicked, this, &CAyanamsaDlg::OnChoiceClicked);
  // Typing a deviation or choosing its direction makes it a custom ayanamsa;
  // what the dialog writes itself does not (textEdited and clicked only
  // report the user's own changes).
  for (QLineEdit* edit : {degrees_, minutes_, seconds_}) {
    connect(edit, &QLineEdit::textEdited, this, &CAyanamsaDlg::SelectCustom);
  }
  connect(add_, &QRadioButton::clicked, this, &CAyanamsaDlg::SelectCustom);
  connect(subtract_, &QRadioButton::clicked, this, &CAyanamsaDlg::SelectCustom);
}

void CAyanamsaDlg::OnChoiceClicked(int choice) {
  if (choice < 0 || choice >= static_cast<int>(kAyanamsaPresets.size()) || choice == kCustom) return;
  const AyanamsaPreset& preset = kAyanamsaPresets[static_cast<std::size_t>(choice)];
  degrees_->setText(FieldText(preset.degrees));
  minutes_->setText(FieldText(preset.minutes));
  seconds_->setText(FieldText(preset.seconds));
  (preset.direction == 1 ? add_ : subtract_)->setChecked(true);
}

void CAyanamsaDlg::SelectCustom() {
  if (QAbstractButton* b = choices_->button(kCustom)) b->setChecked(true);
}

void CAyanamsaDlg::accept() {
  double d = 0, m = 0, s = 0;
  if (!ExchangeReal(this, degrees_, 0, 30, d) || !ExchangeReal(this, minutes_, 0, 60, m) ||
      !ExchangeReal(this, seconds_, 0, 60, s)) {
    return;
  }
  choice_ = std::max(0, choices_->checkedId());
  direction_ = add_->isChecked() ? 1 : -1;
  deg_ = d;
  min_ = m;
  sec_ = s;
  if (choice_ == kTropical) {
    deg_ = kTropicalDegrees;
    min_ = sec_ = 0;
  }
  QDialog::accept();
}

void CAyanamsaDlg::Store(Settings& settings) const {
  settings.ayanamsaChoice = choice_;
  settings.ayanamsaDirection = direction_;
  settings.ayanamsaDegrees = deg_;
  settings.ayanamsaMinutes = min_;
  settings.ayanamsaSeconds = sec_;
}

// ---- days in a year

CDaysInYearDlg::CDaysInYearDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Number of days in a year (Nakshatra dasas)"), parent),
      value_(settings.daysInYear) {
  days_ = NumberEdit(this, QStringLiteral("days"), 12);
  days_->setText(FieldText(value_));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Days in a year for nakshatra dasas:"), this));
  row->addWidget(days_);
  body()->addLayout(row);
  AddButtons();
}

void CDaysInYearDlg::accept() {
  if (!ExchangeReal(this, days_, 0, 1000000, value_)) return;
  QDialog::accept();
}

void CDaysInYearDlg::Store(Settings& settings) const { settings.daysInYear = value_; }

// ---- special lagnas and upagrahas

CSpecialLagnaDlg::CSpecialLagnaDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Special lagnas and upagrahas"), parent) {
  auto check = [this](const char* name, const QString& text, int on) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    box->setChecked(on == 1);
    body()->addWidget(box);
    return box;
  };
  lagnas_ = check("lagnas", QStringLiteral("Display special lagnas (GL, HL, BL)"), settings.showSpecialLagnas);
  dhooma_ = check("dhooma", QStringLiteral("Display Dhooma etc upagrahas (5)"), settings.showDhoomaGroup);
  gulika_ = check("gulika", QStringLiteral("Display Gulika etc upagrahas (6)"), settings.showGulikaGroup);
  allPadas_ = check("allPadas", QStringLiteral("Display all arudha padas"), settings.showAllPadas);
  somePadas_ = check("somePadas", QStringLiteral("Display only some arudha padas"), settings.showSomePadas);
  connect(allPadas_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) somePadas_->setChecked(false);
  });
  connect(somePadas_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) allPadas_->setChecked(false);
  });
  AddButtons();
}

bool CSpecialLagnaDlg::onlySomePadas() const { return somePadas_->isChecked(); }

void CSpecialLagnaDlg::Store(Settings& settings) const {
  settings.showSpecialLagnas = lagnas_->isChecked() ? 1 : 0;
  settings.showDhoomaGroup = dhooma_->isChecked() ? 1 : 0;
  settings.showGulikaGroup = gulika_->isChecked() ? 1 : 0;
  settings.showAllPadas = allPadas_->isChecked() ? 1 : 0;
  settings.showSomePadas = somePadas_->isChecked() ? 1 : 0;
}

CPadasDlg::CPadasDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Padas to be displayed"), parent), padas_(settings.chosenPadas) {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Arudha padas to display (1..12, 0 for none):"), this), 0, 0, 1, 6);
  for (int i = 0; i < 6; ++i) {
    edits_[i] = NumberEdit(this, QStringLiteral("pada%1").arg(i + 1), 2);
    edits_[i]->setText(FieldText(padas_[i]));
    grid->addWidget(edits_[i], 1, i);
  }
  body()->addLayout(grid);
  AddButtons();
}

void CPadasDlg::accept() {
  std::array<int, 6> read = padas_;
  for (int i = 0; i < 6; ++i) {
    if (!ExchangeInt(this, edits_[i], 0, 12, read[i])) return;
  }
  padas_ = read;
  QDialog::accept();
}

void CPadasDlg::Store(Settings& settings) const { settings.chosenPadas = padas_; }

// ---- upagraha calculation options

CUpagrahaOptionsDlg::CUpagrahaOptionsDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Upagraha Calculation Options"), parent) {
  // Rising points in file order: Kaala, Mrityu, Artha Prahara, Yama Ghantaka, Mandi, Gulika.
  gulika_ = Combo(this, QStringLiteral("gulika"), {"beginning", "middle", "end"}, settings.upagrahaRising[5]);
  mandi_ = Combo(this, QStringLiteral("mandi"), {"beginning", "middle", "end"}, settings.upagrahaRising[4]);
  kala_ = Combo(this, QStringLiteral("kala"), {"beginning", "middle", "end"}, settings.upagrahaRising[0]);
  relation_ = Combo(this, QStringLiteral("relation"),
                    {"Vyatipata = 360 deg - Dhuma", "Vyatipata = Dhuma + 53 deg 20 min"}, settings.dhumaRelation);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Gulika rises at the portion's:"), this), 0, 0);
  grid->addWidget(gulika_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Mandi rises at the portion's:"), this), 1, 0);
  grid->addWidget(mandi_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Kala, Mrityu etc rise at the portion's:"), this), 2, 0);
  grid->addWidget(kala_, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Dhuma-Vyatipata relation:"), this), 3, 0);
  grid->addWidget(relation_, 3, 1);
  body()->addLayout(grid);
  AddButtons();
}

void CUpagrahaOptionsDlg::Store(Settings& settings) const {
  for (int i = 0; i < 4; ++i) settings.upagrahaRising[i] = kala_->currentIndex();
  settings.upagrahaRising[4] = mandi_->currentIndex();
  settings.upagrahaRising[5] = gulika_->currentIndex();
  settings.dhumaRelation = relation_->currentIndex();
}

// ---- hora chart

CHoraChartDlg::CHoraChartDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Hora chart preference"), parent) {
  method_ = Combo(this, QStringLiteral("method"), {"Cancer-Leo (standard)", "Zodiac twice (Parivritti Dwaya)"},
                  settings.horaMethod);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Hora chart:"), this));
  row->addWidget(method_, 1);
  body()->addLayout(row);
  AddButtons();
}

void CHoraChartDlg::Store(Settings& settings) const { settings.horaMethod = method_->currentIndex(); }

// ---- printing

CPrintPrefsDlg::CPrintPrefsDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Preferences for printing"), parent) {
  auto* itemsBox = new QGroupBox(QStringLiteral("Items to include when printing"), this);
  auto* column = new QVBoxLayout(itemsBox);
  for (int i = 0; i < 6; ++i) {
    items_[i] = new QCheckBox(Text(kPrintItemNames[i]), itemsBox);
    items_[i]->setObjectName(QStringLiteral("item%1").arg(i + 1));
    items_[i]->setChecked(settings.printItems[i] == 1);
    column->addWidget(items_[i]);
  }
  blackAndWhite_ = new QCheckBox(QStringLiteral("Print in black and white"), this);
  blackAndWhite_->setObjectName(QStringLiteral("blackAndWhite"));
  blackAndWhite_->setChecked(settings.blackAndWhite == 1);
  body()->addWidget(itemsBox);
  body()->addWidget(blackAndWhite_);
  AddButtons();
}

void CPrintPrefsDlg::Store(Settings& settings) const {
  settings.blackAndWhite = blackAndWhite_->isChecked() ? 1 : 0;
  for (int i = 0; i < 6; ++i) settings.printItems[i] = items_[i]->isChecked() ? 1 : 0;
  settings.printItemCount = CountPrintItems(settings);
}

// ---- default location

CLocationDlg::CLocationDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QStringLiteral("Enter Location"), parent) {
  // The same split as the birth-data dialog: whole part and minutes, the
  // minutes raised by one from 30 seconds on.
  BirthData place;
  place.zone = settings.defaultZone;
  place.longitude = settings.defaultLongitude;
  place.latitude = settings.defaultLatitude;
  const BirthDialogFields f = SplitForDialog(place);

  zoneHours_ = NumberEdit(this, QStringLiteral("zoneHours"), 2);
  zoneMinutes_ = NumberEdit(this, QStringLiteral("zoneMinutes"), 2);
  zoneSide_ = Combo(this, QStringLiteral("zoneSide"), {"East of GMT", "West of GMT"}, f.zoneEast ? 0 : 1);
  longitudeDegrees_ = NumberEdit(this, QStringLiteral("longitudeDegrees"), 3);
  longitudeMinutes_ = NumberEdit(this, QStringLiteral("longitudeMinutes"), 2);
  longitudeSide_ = Combo(this, QStringLiteral("longitudeSide"), {"E", "W"}, f.longitudeEast ? 0 : 1);
  latitudeDegrees_ = NumberEdit(this, QStringLiteral("latitudeDegrees"), 3);
  latitudeMinutes_ = NumberEdit(this, QStringLiteral("latitudeMinutes"), 2);
  latitudeSide_ = Combo(this, QStringLiteral("latitudeSide"), {"N", "S"}, f.latitudeSouth ? 1 : 0);
  zoneHours_->setText(FieldText(f.zoneHours));
  zoneMinutes_->setText(FieldText(f.zoneMinutes));
  longitudeDegrees_->setText(FieldText(f.longitudeDegrees));
  longitudeMinutes_->setText(FieldText(f.longitudeMinutes));
  latitudeDegrees_->setText(FieldText(f.latitudeDegrees));
  latitudeMinutes_->setText(FieldText(f.latitudeMinutes));

  auto* grid = new QGridLayout;
  int row = 0;
  auto addRow = [&](const QString& label, QLineEdit* whole, const QString& unit, QLineEdit* minutes,
                    QComboBox* side) {
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(whole, row, 1);
    grid->addWidget(new QLabel(unit, this), row, 2);
    grid->addWidget(minutes, row, 3);
    grid->addWidget(new QLabel(QStringLiteral("min"), this), row, 4);
    grid->addWidget(side, row, 5);
    ++row;
  };
  addRow(QStringLiteral("Time zone:"), zoneHours_, QStringLiteral("h"), zoneMinutes_, zoneSide_);
  addRow(QStringLiteral("Longitude:"), longitudeDegrees_, QStringLiteral("deg"), longitudeMinutes_, longitudeSide_);
  addRow(QStringLiteral("Latitude:"), latitudeDegrees_, QStringLiteral("deg"), latitudeMinutes_, latitudeSide_);
  body()->addWidget(new QLabel(QStringLiteral("The place of a chart cast for the current moment:"), this));
  body()->addLayout(grid);
  AddButtons();
}

void CLocationDlg::accept() {
  int zh = 0, lonD = 0, latD = 0;
  double zm = 0, lonM = 0, latM = 0;
  if (!ExchangeInt(this, zoneHours_, 0, 24, zh) || !ExchangeReal(this, zoneMinutes_, 0, 60, zm) ||
      !ExchangeInt(this, longitudeDegrees_, 0, 180, lonD) || !ExchangeReal(this, longitudeMinutes_, 0, 60, lonM) ||
      !ExchangeInt(this, latitudeDegrees_, 0, 90, latD) || !ExchangeReal(this, latitudeMinutes_, 0, 60, latM)) {
    return;
  }
  // The whole value must stay inside what the settings file keeps: at the
  // limit itself the minutes must be 0.
  if ((zh == 24 && zm != 0)) return ReportFieldError(this, zoneMinutes_, NumberRangeMessage(0, 0));
  if ((lonD == 180 && lonM != 0)) return ReportFieldError(this, longitudeMinutes_, NumberRangeMessage(0, 0));
  if ((latD == 90 && latM != 0)) return ReportFieldError(this, latitudeMinutes_, NumberRangeMessage(0, 0));
  zone_ = (zh + zm / 100.0) * (zoneSide_->currentIndex() == 0 ? -1 : 1);
  longitude_ = (lonD + lonM / 100.0) * (longitudeSide_->currentIndex() == 0 ? -1 : 1);
  latitude_ = (latD + latM / 100.0) * (latitudeSide_->currentIndex() == 1 ? -1 : 1);
  QDialog::accept();
}

void CLocationDlg::Store(Settings& settings) const {
  settings.defaultZone = zone_;
  settings.defaultLongitude = longitude_;
  settings.defaultLatitude = latitude_;
}

// ---- about

CAboutDlg::CAboutDlg(const QPixmap& icon, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Orvane Lite...."));
  auto* iconLabel = new QLabel(this);
  iconLabel->setPixmap(icon);
  auto* name = new QLabel(QStringLiteral("<b>Orvane Lite</b><br>Version 3.0"), this);
  auto* kind = new QLabel(QStringLiteral("Vedic astrology software: charts, divisional charts, dasas, "
                                         "strengths and Tajaka annual charts."),
                          this);
  kind->setWordWrap(true);
  auto* notice = new QLabel(QStringLiteral("Made by the Orvane developers. Free to use and to share."), this);
  notice->setWordWrap(true);
  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(kind);
  text->addWidget(notice);
  auto* row = new QHBoxLayout;
  row->addWidget(iconLabel, 0, Qt::AlignTop);
  row->addSpacing(12);
  row->addLayout(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}

}  // namespace orvane
