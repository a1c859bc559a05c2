#include "dialogs/preference_dlgs.h"

#include <QCoreApplication>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QStandardItemModel>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <climits>
#include <limits>
#include <string_view>

#include "dialogs/birth_data_dlg.h"
#include "dialogs/dialog_fields.h"
#include "places/zone_time.h"
#include "io/birth_input.h"

namespace orvane {
namespace {

// A text of the tables below in the chosen language (each is a literal, so
// its data end in a null).
QString Text(std::string_view text) { return QCoreApplication::translate("Orvane", text.data()); }

QLineEdit* NumberEdit(QWidget* parent, const QString& name, int characters) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2) + 12);
  return edit;
}

QComboBox* Combo(QWidget* parent, const QString& name, std::initializer_list<std::string_view> items, int current) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (std::string_view item : items) combo->addItem(Text(item));
  SetComboIndex(combo, current);
  return combo;
}

// A label whose mnemonic moves the focus to `buddy`.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

// A line of explanation under a dialog's controls, wrapped at `width`
// pixels or more.
QLabel* Note(const QString& text, QWidget* parent, int width = 0) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  if (width > 0) label->setMinimumWidth(width);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Disabled, QPalette::WindowText).darker(130));
  label->setPalette(palette);
  return label;
}

// Radio buttons in a group box of their own: one group, one index.
std::vector<QAbstractButton*> RadioColumn(QGroupBox* box, QObject* owner, const QString& namePrefix,
                                          const std::vector<QString>& texts) {
  auto* group = new QButtonGroup(owner);
  auto* column = new QVBoxLayout(box);
  std::vector<QAbstractButton*> buttons;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    auto* radio = new QRadioButton(texts[i], box);
    radio->setObjectName(namePrefix + QString::number(i));
    group->addButton(radio, static_cast<int>(i));
    column->addWidget(radio);
    buttons.push_back(radio);
  }
  return buttons;
}

// The tab order lists every button of a radio group; Tab stops only at the
// one that is on and the arrow keys move within the group.
std::vector<QWidget*> Controls(std::initializer_list<std::vector<QWidget*>> parts) {
  std::vector<QWidget*> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
std::vector<QWidget*> Widgets(const std::vector<QAbstractButton*>& buttons) {
  return {buttons.begin(), buttons.end()};
}

constexpr std::array<std::string_view, 5> kStyleNames = {
    QT_TRANSLATE_NOOP("Orvane", "South Indian Style (Regular)"),
    QT_TRANSLATE_NOOP("Orvane", "South Indian Style (Irregular)"),
    QT_TRANSLATE_NOOP("Orvane", "North Indian Style (\"Diamond chart\")"),
    QT_TRANSLATE_NOOP("Orvane", "East Indian Style (\"Sun Chart\")"),
    QT_TRANSLATE_NOOP("Orvane", "East Indian Style (with frame)"),
};

// The ayanamsa choices (kAyanamsaPresets, io/settings.h) are indexed by
// CAyanamsaDlg::Choice.
// Their names as the dialog shows them, in the chosen language: the table of
// io/settings.h keeps the English ones, which are the keys of these texts.
[[maybe_unused]] constexpr const char* kAyanamsaTexts[] = {
    QT_TRANSLATE_NOOP("Orvane", "Chitrapaksha ayanamsa (Lahiri)"),
    QT_TRANSLATE_NOOP("Orvane", "Raman ayanamsa"),
    QT_TRANSLATE_NOOP("Orvane", "Deva-datta ayanamsa"),
    QT_TRANSLATE_NOOP("Orvane", "Krishnamoorthy ayanamsa"),
    QT_TRANSLATE_NOOP("Orvane", "Usha-Shashi ayanamsa"),
    QT_TRANSLATE_NOOP("Orvane", "Fagan ayanamsa"),
    QT_TRANSLATE_NOOP("Orvane", "Tropical (sayana) zodiac"),
    QT_TRANSLATE_NOOP("Orvane", "Custom ayanamsa"),
    QT_TRANSLATE_NOOP("Orvane", "KP (new) ayanamsa"),
};
// Stored as the degrees of the tropical choice: an offset far beyond the
// +-1000 minutes within which a deviation is applied.
constexpr double kTropicalDegrees = 1000;
// The largest deviation, in minutes of arc, that is applied as a deviation.
constexpr double kLargestDeviationMinutes = 1000;
// Direction radios: index 0 QT_TRANSLATE_NOOP("Orvane", "Add") (+1), 1 QT_TRANSLATE_NOOP("Orvane", "Subtract") (-1).
constexpr int kAddIndex = 0;
constexpr int kSubtractIndex = 1;

constexpr std::array<std::string_view, 6> kPrintItemNames = {
    QT_TRANSLATE_NOOP("Orvane", "Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)"),
    QT_TRANSLATE_NOOP("Orvane", "Kalachakra dasa && Ashtottari dasa (popular nakshatra dasas)"),
    QT_TRANSLATE_NOOP("Orvane", "Shadbalas, Bhava balas, Ishta-Kashta phalas && Ashtakavarga"),
    QT_TRANSLATE_NOOP("Orvane", "Charts of fortune && standing (D-10, D-4, D-16, D-2, D-5, D-40)"),
    QT_TRANSLATE_NOOP("Orvane", "Charts of family && inner matters (D-12, D-3, D-7, D-27, D-24, D-20)"),
    QT_TRANSLATE_NOOP("Orvane", "Charts of misfortune && past karma (D-6, D-8, D-11, D-30, D-45, D-60)"),
};

// Rising points in settings order.
enum RisingPoint : std::size_t { kRisingKaala, kRisingMrityu, kRisingArthaPrahara, kRisingYamaGhantaka, kRisingMandi, kRisingGulika };

}  // namespace

PreferenceDialog::PreferenceDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  body_ = new QVBoxLayout;
  layout->addLayout(body_);
  // The dialog is never narrower than its caption: the title bar's font is
  // often larger and bolder than the dialog's, and the title bar carries an
  // icon and buttons besides.
  const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  QFont bold = titleFont;
  bold.setBold(true);
  const int captionWidth = QFontMetrics(bold).horizontalAdvance(caption) * 6 / 5 + 140;
  layout->addSpacerItem(new QSpacerItem(captionWidth, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

void PreferenceDialog::Finish(const std::vector<QWidget*>& controls) {
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons_->button(QDialogButtonBox::Cancel);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  ok->setDefault(true);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* outer = static_cast<QVBoxLayout*>(layout());
  outer->addSpacing(4);
  outer->addWidget(buttons_);

  std::vector<QWidget*> order = controls;
  order.push_back(ok);
  order.push_back(cancel);
  ChainTabOrder(order);
  // The dialog opens on its first control; in a radio group, on the button
  // that is on.
  QWidget* first = controls.empty() ? nullptr : controls.front();
  if (auto* radio = qobject_cast<QAbstractButton*>(first); radio && radio->group()) {
    if (QAbstractButton* on = radio->group()->checkedButton()) first = on;
  }
  if (first) {
    first->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(first)) edit->selectAll();
  }
}

// ---- chart style

CChartStyleDlg::CChartStyleDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Choose chart style"), parent),
      stored_(settings.chartStyle) {
  auto* box = new QGroupBox(QCoreApplication::translate("Orvane", "&Draw the charts in"), this);
  std::vector<QString> names;
  for (std::string_view name : kStyleNames) names.push_back(Text(name));
  styles_ = RadioColumn(box, this, QStringLiteral("style"), names);
  SetRadioIndex(styles_, stored_);
  body()->addWidget(box);
  degrees_ =
      new QCheckBox(QCoreApplication::translate("Orvane", "Show each body's de&grees and minutes beside it"), this);
  degrees_->setObjectName(QStringLiteral("degrees"));
  degrees_->setChecked(settings.chartDegrees == 1);
  body()->addWidget(degrees_);
  vargaDegrees_ = new QCheckBox(
      QCoreApplication::translate("Orvane", "Degrees in the &rasi chart only (none in the divisional charts)"), this);
  vargaDegrees_->setObjectName(QStringLiteral("vargaDegrees"));
  vargaDegrees_->setChecked(settings.vargaDegrees == 1);
  vargaDegrees_->setEnabled(degrees_->isChecked());
  connect(degrees_, &QCheckBox::toggled, vargaDegrees_, &QWidget::setEnabled);
  body()->addWidget(vargaDegrees_);
  std::vector<QWidget*> controls = Widgets(styles_);
  controls.push_back(degrees_);
  controls.push_back(vargaDegrees_);
  Finish(controls);
}

int CChartStyleDlg::style() const { return RadioIndex(styles_, stored_); }

void CChartStyleDlg::Store(Settings& settings) const {
  settings.chartStyle = style();
  settings.chartDegrees = degrees_->isChecked() ? 1 : 0;
  settings.vargaDegrees = vargaDegrees_->isChecked() ? 1 : 0;
}

// ---- ayanamsa

CAyanamsaDlg::CAyanamsaDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Choose Ayanamsa"), parent) {
  choice_ = settings.ayanamsaChoice;
  direction_ = settings.ayanamsaDirection;
  deg_ = settings.ayanamsaDegrees;
  min_ = settings.ayanamsaMinutes;
  sec_ = settings.ayanamsaSeconds;
  // The tropical zodiac is stored as 1000 degrees; the dialog shows no
  // deviation for it.
  if (choice_ == kTropical) deg_ = min_ = sec_ = 0;

  auto* choiceBox = new QGroupBox(QCoreApplication::translate("Orvane", "&Ayanamsa"), this);
  std::vector<QString> names;
  for (const AyanamsaPreset& preset : kAyanamsaPresets) names.push_back(Text(preset.name));
  choices_ = RadioColumn(choiceBox, this, QStringLiteral("choice"), names);

  auto* deviationBox =
      new QGroupBox(QCoreApplication::translate("Orvane", "Deviation from Chitrapaksha (Lahiri)"), this);
  degrees_ = NumberEdit(deviationBox, QStringLiteral("degrees"), 4);
  minutes_ = NumberEdit(deviationBox, QStringLiteral("minutes"), 4);
  seconds_ = NumberEdit(deviationBox, QStringLiteral("seconds"), 4);
  auto* add = new QRadioButton(QCoreApplication::translate("Orvane", "Add"), deviationBox);
  add->setObjectName(QStringLiteral("add"));
  auto* subtract = new QRadioButton(QCoreApplication::translate("Orvane", "Subtract"), deviationBox);
  subtract->setObjectName(QStringLiteral("subtract"));
  directions_ = {add, subtract};
  auto* directionGroup = new QButtonGroup(this);
  directionGroup->addButton(add);
  directionGroup->addButton(subtract);

  auto* grid = new QGridLayout(deviationBox);
  grid->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "De&grees:"), degrees_, deviationBox), 0, 0);
  grid->addWidget(degrees_, 0, 1);
  grid->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "&Minutes:"), minutes_, deviationBox), 1, 0);
  grid->addWidget(minutes_, 1, 1);
  grid->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "&Seconds:"), seconds_, deviationBox), 2, 0);
  grid->addWidget(seconds_, 2, 1);
  auto* directionRow = new QHBoxLayout;
  directionRow->addWidget(add);
  directionRow->addSpacing(8);
  directionRow->addWidget(subtract);
  directionRow->addStretch(1);
  grid->addLayout(directionRow, 3, 0, 1, 2);
  grid->setRowMinimumHeight(3, add->sizeHint().height() + 8);
  grid->addWidget(
      Note(QCoreApplication::translate("Orvane",
                                       "Choosing an ayanamsa fills in its deviation. Typing a deviation, or "
                                       "choosing Add or Subtract, makes it a custom ayanamsa."),
           deviationBox),
      4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  deviationBox->setFixedWidth(deviationBox->sizeHint().width() + 40);

  auto* row = new QHBoxLayout;
  row->addWidget(choiceBox);
  row->addWidget(deviationBox);
  body()->addLayout(row);

  // What the dialog writes itself does not make a custom ayanamsa: the
  // controls are filled before the signals are connected, and textEdited
  // and clicked report only the user's own changes.
  SetRadioIndex(choices_, choice_);
  degrees_->setText(FieldText(deg_));
  minutes_->setText(FieldText(min_));
  seconds_->setText(FieldText(sec_));
  SetRadioIndex(directions_, direction_ == 1 ? kAddIndex : kSubtractIndex);

  for (std::size_t i = 0; i < choices_.size(); ++i) {
    connect(choices_[i], &QAbstractButton::clicked, this, [this, i] { OnChoiceClicked(static_cast<int>(i)); });
  }
  for (QLineEdit* edit : {degrees_, minutes_, seconds_}) {
    connect(edit, &QLineEdit::textEdited, this, &CAyanamsaDlg::SelectCustom);
  }
  for (QAbstractButton* direction : directions_) {
    connect(direction, &QAbstractButton::clicked, this, &CAyanamsaDlg::SelectCustom);
  }

  Finish(Controls({Widgets(choices_), {degrees_, minutes_, seconds_}, Widgets(directions_)}));
}

void CAyanamsaDlg::OnChoiceClicked(int choice) {
  if (choice < 0 || choice >= static_cast<int>(kAyanamsaPresets.size())) return;
  const AyanamsaPreset& preset = kAyanamsaPresets[static_cast<std::size_t>(choice)];
  if (preset.direction == 0) return;  // custom: what is in the fields stays
  degrees_->setText(FieldText(preset.degrees));
  minutes_->setText(FieldText(preset.minutes));
  seconds_->setText(FieldText(preset.seconds));
  SetRadioIndex(directions_, preset.direction == 1 ? kAddIndex : kSubtractIndex);
}

void CAyanamsaDlg::SelectCustom() { SetRadioIndex(choices_, kCustom); }

void CAyanamsaDlg::accept() {
  double d = 0, m = 0, s = 0;
  if (!ExchangeReal(this, degrees_, 0, 30, d) || !ExchangeReal(this, minutes_, 0, 60, m) ||
      !ExchangeReal(this, seconds_, 0, 60, s)) {
    return;
  }
  const int choice = RadioIndex(choices_, choice_);
  // A deviation beyond 1000 minutes of arc is the mark of the tropical
  // zodiac: a custom deviation that large would silently turn the charts
  // tropical, so it is refused.
  if (choice != kTropical && 60 * d + m + s / 60 > kLargestDeviationMinutes) {
    ReportFieldError(this, degrees_,
                     tr("Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes)."));
    return;
  }
  const int directionIndex = RadioIndex(directions_, direction_ == 1 ? kAddIndex : kSubtractIndex);
  choice_ = choice;
  direction_ = directionIndex == kAddIndex ? 1 : -1;
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
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Number of days in a year (Nakshatra dasas)"), parent),
      value_(settings.daysInYear) {
  days_ = NumberEdit(this, QStringLiteral("days"), 12);
  days_->setText(FieldText(value_));
  auto* row = new QHBoxLayout;
  row->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "&Days in a year:"), days_, this));
  row->addWidget(days_);
  row->addStretch(1);
  body()->addLayout(row);
  body()->addWidget(
      Note(QCoreApplication::translate("Orvane",
                                       "The length of a dasa year in the Vimsottari, Ashtottari and other "
                                       "nakshatra dasas. The usual value is 365.2425."),
           this, 380));
  Finish({days_});
}

void CDaysInYearDlg::accept() {
  double read = value_;
  // A dasa year is a year: a length far from 365 days puts every dasa date
  // at the birth date or centuries away.
  if (!ExchangeReal(this, days_, kMinDaysInYear, kMaxDaysInYear, read)) return;
  value_ = read;
  QDialog::accept();
}

void CDaysInYearDlg::Store(Settings& settings) const { settings.daysInYear = value_; }

// ---- special lagnas and upagrahas

CSpecialLagnaDlg::CSpecialLagnaDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Special lagnas and upagrahas"), parent) {
  auto check = [](QWidget* box, QVBoxLayout* column, const char* name, const QString& text, int on) {
    auto* check = new QCheckBox(text, box);
    check->setObjectName(QLatin1String(name));
    check->setChecked(on == 1);
    column->addWidget(check);
    return check;
  };
  auto* pointsBox = new QGroupBox(QCoreApplication::translate("Orvane", "&Points shown in the charts"), this);
  auto* points = new QVBoxLayout(pointsBox);
  lagnas_ =
      check(pointsBox, points, "lagnas", QCoreApplication::translate("Orvane", "Display special lagnas (GL, HL, BL)"),
            settings.showSpecialLagnas);
  dhooma_ = check(pointsBox, points, "dhooma",
                  QCoreApplication::translate("Orvane", "Display Dhooma etc upagrahas (5)"), settings.showDhoomaGroup);
  gulika_ = check(pointsBox, points, "gulika",
                  QCoreApplication::translate("Orvane", "Display Gulika etc upagrahas (6)"), settings.showGulikaGroup);
  auto* padasBox = new QGroupBox(QCoreApplication::translate("Orvane", "Arudha pada&s"), this);
  auto* padas = new QVBoxLayout(padasBox);
  allPadas_ = check(padasBox, padas, "allPadas", QCoreApplication::translate("Orvane", "Display all arudha padas"),
                    settings.showAllPadas);
  somePadas_ = check(padasBox, padas, "somePadas",
                     QCoreApplication::translate("Orvane", "Display only some arudha padas"), settings.showSomePadas);
  padas->addWidget(
      Note(QCoreApplication::translate("Orvane", "With only some padas, you choose them next."), padasBox));
  // Switching one of the two pada boxes on switches the other off.
  connect(allPadas_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) somePadas_->setChecked(false);
  });
  connect(somePadas_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) allPadas_->setChecked(false);
  });
  body()->addWidget(pointsBox);
  body()->addWidget(padasBox);
  Finish({lagnas_, dhooma_, gulika_, allPadas_, somePadas_});
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
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Padas to be displayed"), parent),
      padas_(settings.chosenPadas) {
  auto* box = new QGroupBox(QCoreApplication::translate("Orvane", "Arudha padas to display"), this);
  auto* grid = new QGridLayout(box);
  std::vector<QWidget*> order;
  for (int i = 0; i < 6; ++i) {
    const auto at = static_cast<std::size_t>(i);
    edits_[at] = NumberEdit(box, QStringLiteral("pada%1").arg(i + 1), 2);
    edits_[at]->setText(FieldText(padas_[at]));
    grid->addWidget(BuddyLabel(QStringLiteral("&%1").arg(i + 1), edits_[at], box), 0, i, Qt::AlignHCenter);
    grid->addWidget(edits_[at], 1, i);
    order.push_back(edits_[at]);
  }
  grid->addWidget(Note(QCoreApplication::translate("Orvane",
                                                   "Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), "
                                                   "7 is A7. 0 leaves a place empty."),
                       box, 300),
                  2, 0, 1, 6);
  body()->addWidget(box);
  Finish(order);
}

void CPadasDlg::accept() {
  std::array<int, 6> read = padas_;
  for (std::size_t i = 0; i < read.size(); ++i) {
    if (!ExchangeInt(this, edits_[i], 0, 12, read[i])) return;
  }
  padas_ = read;
  QDialog::accept();
}

void CPadasDlg::Store(Settings& settings) const { settings.chosenPadas = padas_; }

// ---- upagraha calculation options

CUpagrahaOptionsDlg::CUpagrahaOptionsDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Upagraha Calculation Options"), parent) {
  const auto& rising = settings.upagrahaRising;
  auto* risingBox =
      new QGroupBox(QCoreApplication::translate("Orvane", "Rising point within the portion of the day or night"), this);
  gulika_ = Combo(risingBox, QStringLiteral("gulika"),
                  {QT_TRANSLATE_NOOP("Orvane", "beginning"), QT_TRANSLATE_NOOP("Orvane", "middle"),
                   QT_TRANSLATE_NOOP("Orvane", "end")},
                  rising[kRisingGulika]);
  mandi_ = Combo(risingBox, QStringLiteral("mandi"),
                 {QT_TRANSLATE_NOOP("Orvane", "beginning"), QT_TRANSLATE_NOOP("Orvane", "middle"),
                  QT_TRANSLATE_NOOP("Orvane", "end")},
                 rising[kRisingMandi]);
  kala_ = Combo(risingBox, QStringLiteral("kala"),
                {QT_TRANSLATE_NOOP("Orvane", "beginning"), QT_TRANSLATE_NOOP("Orvane", "middle"),
                 QT_TRANSLATE_NOOP("Orvane", "end")},
                rising[kRisingKaala]);
  auto* form = new QFormLayout(risingBox);
  form->addRow(BuddyLabel(QCoreApplication::translate("Orvane", "&Gulika:"), gulika_, risingBox), gulika_);
  form->addRow(BuddyLabel(QCoreApplication::translate("Orvane", "&Mandi:"), mandi_, risingBox), mandi_);
  form->addRow(BuddyLabel(QCoreApplication::translate("Orvane", "&Kala, Mrityu etc:"), kala_, risingBox), kala_);

  auto* dhumaBox = new QGroupBox(QCoreApplication::translate("Orvane", "Dhuma and Vyatipata"), this);
  relation_ = Combo(dhumaBox, QStringLiteral("relation"),
                    {QT_TRANSLATE_NOOP("Orvane", "Vyatipata = 360 deg - Dhuma"),
                     QT_TRANSLATE_NOOP("Orvane", "Vyatipata = Dhuma + 53 deg 20 min")},
                    settings.dhumaRelation);
  auto* dhumaForm = new QFormLayout(dhumaBox);
  dhumaForm->addRow(BuddyLabel(QCoreApplication::translate("Orvane", "&Relation:"), relation_, dhumaBox), relation_);

  // One label width for both boxes, so that the combos line up.
  const int labelWidth =
      fontMetrics().horizontalAdvance(QCoreApplication::translate("Orvane", "Kala, Mrityu etc:")) + 4;
  for (QFormLayout* f : {form, dhumaForm}) {
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int r = 0; r < f->rowCount(); ++r) {
      if (QLayoutItem* item = f->itemAt(r, QFormLayout::LabelRole)) item->widget()->setMinimumWidth(labelWidth);
    }
  }
  body()->addWidget(risingBox);
  body()->addWidget(dhumaBox);
  Finish({gulika_, mandi_, kala_, relation_});
}

void CUpagrahaOptionsDlg::Store(Settings& settings) const {
  auto& rising = settings.upagrahaRising;
  // One choice for the four points that follow Kaala.
  const int kala = ComboIndex(kala_, rising[kRisingKaala]);
  for (std::size_t point : {kRisingKaala, kRisingMrityu, kRisingArthaPrahara, kRisingYamaGhantaka}) rising[point] = kala;
  rising[kRisingMandi] = ComboIndex(mandi_, rising[kRisingMandi]);
  rising[kRisingGulika] = ComboIndex(gulika_, rising[kRisingGulika]);
  settings.dhumaRelation = ComboIndex(relation_, settings.dhumaRelation);
}

// ---- hora chart

CHoraChartDlg::CHoraChartDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Hora chart preference"), parent) {
  method_ = Combo(this, QStringLiteral("method"),
                  {QT_TRANSLATE_NOOP("Orvane", "Cancer-Leo (standard)"),
                   QT_TRANSLATE_NOOP("Orvane", "Zodiac twice (Parivritti Dwaya)")},
                  settings.horaMethod);
  auto* row = new QHBoxLayout;
  row->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "&Hora chart (D-2):"), method_, this));
  row->addWidget(method_, 1);
  body()->addLayout(row);
  Finish({method_});
}

void CHoraChartDlg::Store(Settings& settings) const {
  settings.horaMethod = ComboIndex(method_, settings.horaMethod);
}

// ---- ephemeris

CEphemerisDlg::CEphemerisDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Ephemeris"), parent) {
  engine_ = Combo(this, QStringLiteral("engine"),
                  {QT_TRANSLATE_NOOP("Orvane", "Classic (the built-in theory)"),
                   QT_TRANSLATE_NOOP("Orvane", "Swiss Ephemeris (within an arc-second)")},
                  settings.ephemeris);
  trueNode_ =
      new QCheckBox(QCoreApplication::translate("Orvane", "Rahu from the &true node (mean node otherwise)"), this);
  trueNode_->setObjectName(QStringLiteral("trueNode"));
  trueNode_->setChecked(settings.trueNode == 1);
  trueNode_->setEnabled(settings.ephemeris == 1);
  connect(engine_, &QComboBox::currentIndexChanged, trueNode_, [this](int index) { trueNode_->setEnabled(index == 1); });
  auto* row = new QHBoxLayout;
  row->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "&Positions from:"), engine_, this));
  row->addWidget(engine_, 1);
  body()->addLayout(row);
  body()->addWidget(trueNode_);
  body()->addWidget(Note(QCoreApplication::translate("Orvane",
                                                     "A chart window can use the other engine for its own chart: "
                                                     "Charts >> Swiss Ephemeris for this chart."),
                         this, 320));
  Finish({engine_, trueNode_});
}

void CEphemerisDlg::Store(Settings& settings) const {
  settings.ephemeris = ComboIndex(engine_, settings.ephemeris) == 1 ? 1 : 0;
  // The node choice is kept as it was while the classic engine is chosen.
  if (trueNode_->isEnabled()) settings.trueNode = trueNode_->isChecked() ? 1 : 0;
}

// ---- language

CLanguageDlg::CLanguageDlg(const Settings& settings, const QStringList& languages, const QStringList& names,
                           QWidget* parent)
    : PreferenceDialog(tr("Language"), parent), languages_(languages) {
  language_ = new QComboBox(this);
  language_->setObjectName(QStringLiteral("language"));
  language_->addItem(tr("The system's language"));
  for (qsizetype i = 0; i < languages.size(); ++i) language_->addItem(names.value(i, languages[i]));
  const QString chosen = QString::fromLatin1(settings.language.data()).section(QLatin1Char('_'), 0, 0);
  const qsizetype at = chosen.isEmpty() ? -1 : languages.indexOf(chosen);
  language_->setCurrentIndex(at < 0 ? 0 : static_cast<int>(at) + 1);
  latinLabels_ = new QCheckBox(tr("Charts show the &Latin abbreviations (Su, Mo, Ma)"), this);
  latinLabels_->setObjectName(QStringLiteral("latinLabels"));
  latinLabels_->setChecked(settings.latinLabels == 1);
  auto* row = new QHBoxLayout;
  row->addWidget(BuddyLabel(tr("&Language:"), language_, this));
  row->addWidget(language_, 1);
  body()->addLayout(row);
  body()->addWidget(latinLabels_);
  body()->addWidget(
      Note(tr("The charts change at once; menus and dialogs change when Orvane Lite is started again."), this, 320));
  Finish({language_, latinLabels_});
}

void CLanguageDlg::Store(Settings& settings) const {
  settings.language.fill('\0');
  const int index = language_->currentIndex();
  if (index >= 1 && index <= languages_.size()) {
    const QByteArray code = languages_[index - 1].toLatin1().left(static_cast<qsizetype>(settings.language.size()) - 1);
    std::copy(code.begin(), code.end(), settings.language.begin());
  }
  settings.latinLabels = latinLabels_->isChecked() ? 1 : 0;
}

// ---- printing

CPrintPrefsDlg::CPrintPrefsDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Preferences for printing"), parent) {
  blackAndWhite_ = new QCheckBox(QCoreApplication::translate("Orvane", "Print in &black and white"), this);
  blackAndWhite_->setObjectName(QStringLiteral("blackAndWhite"));
  blackAndWhite_->setChecked(settings.blackAndWhite == 1);
  auto* itemsBox = new QGroupBox(QCoreApplication::translate("Orvane", "&Items to include (one page each)"), this);
  auto* column = new QVBoxLayout(itemsBox);
  std::vector<QWidget*> order = {blackAndWhite_};
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i] = new QCheckBox(Text(kPrintItemNames[i]), itemsBox);
    items_[i]->setObjectName(QStringLiteral("item%1").arg(i + 1));
    items_[i]->setChecked(settings.printItems[i] == 1);
    column->addWidget(items_[i]);
    order.push_back(items_[i]);
  }
  body()->addWidget(blackAndWhite_);
  body()->addSpacing(4);
  body()->addWidget(itemsBox);
  Finish(order);
}

void CPrintPrefsDlg::Store(Settings& settings) const {
  settings.blackAndWhite = blackAndWhite_->isChecked() ? 1 : 0;
  for (std::size_t i = 0; i < items_.size(); ++i) settings.printItems[i] = items_[i]->isChecked() ? 1 : 0;
  settings.printItemCount = CountPrintItems(settings);
}

// ---- default location

namespace {

// The location fields as the birth-data dialog's, whose split, checks and
// composition they share; the date and time stay at values that always
// pass.
QLineEdit* LocationEdit(QWidget* parent, const char* name, int characters) {
  return NumberEdit(parent, QLatin1String(name), characters);
}

int IntOf(const QLineEdit* edit) { return ParseIntField(edit->text()).value_or(INT_MIN); }
double RealOf(const QLineEdit* edit) {
  return ParseRealField(edit->text()).value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

namespace {

// The completion list shows this many places, best first.
constexpr std::size_t kLocationMatches = 12;
constexpr int kLocationIndexRole = Qt::UserRole + 1;

}  // namespace

CLocationDlg::CLocationDlg(const Settings& settings, QWidget* parent)
    : PreferenceDialog(QCoreApplication::translate("Orvane", "Enter Location"), parent) {
  // Whole part and minutes, the minutes raised by one from 30 seconds on.
  BirthData place;
  place.zone = settings.defaultZone;
  place.longitude = settings.defaultLongitude;
  place.latitude = settings.defaultLatitude;
  const BirthDialogFields f = SplitForDialog(place);
  zone_ = settings.defaultZone;
  longitude_ = settings.defaultLongitude;
  latitude_ = settings.defaultLatitude;

  auto* box = new QGroupBox(QCoreApplication::translate("Orvane", "Place of charts cast for the current moment"), this);
  zoneHours_ = LocationEdit(box, "zoneHours", 2);
  zoneMinutes_ = LocationEdit(box, "zoneMinutes", 2);
  zoneSide_ = Combo(box, QStringLiteral("zoneSide"),
                    {QT_TRANSLATE_NOOP("Orvane", "East of GMT"), QT_TRANSLATE_NOOP("Orvane", "West of GMT")},
                    f.zoneEast ? 0 : 1);
  longitudeDegrees_ = LocationEdit(box, "longitudeDegrees", 3);
  longitudeMinutes_ = LocationEdit(box, "longitudeMinutes", 2);
  longitudeSide_ = Combo(box, QStringLiteral("longitudeSide"),
                         {QT_TRANSLATE_NOOP("Orvane", "E"), QT_TRANSLATE_NOOP("Orvane", "W")}, f.longitudeEast ? 0 : 1);
  latitudeDegrees_ = LocationEdit(box, "latitudeDegrees", 3);
  latitudeMinutes_ = LocationEdit(box, "latitudeMinutes", 2);
  latitudeSide_ = Combo(box, QStringLiteral("latitudeSide"),
                        {QT_TRANSLATE_NOOP("Orvane", "N"), QT_TRANSLATE_NOOP("Orvane", "S")}, f.latitudeSouth ? 1 : 0);
  zoneHours_->setText(FieldText(f.zoneHours));
  zoneMinutes_->setText(FieldText(f.zoneMinutes));
  longitudeDegrees_->setText(FieldText(f.longitudeDegrees));
  longitudeMinutes_->setText(FieldText(f.longitudeMinutes));
  latitudeDegrees_->setText(FieldText(f.latitudeDegrees));
  latitudeMinutes_->setText(FieldText(f.latitudeMinutes));

  auto* grid = new QGridLayout(box);
  int row = 0;
  auto addRow = [&](const QString& label, QLineEdit* whole, const QString& unit, QLineEdit* minutes,
                    QComboBox* side) {
    grid->addWidget(BuddyLabel(label, whole, box), row, 0);
    grid->addWidget(whole, row, 1);
    grid->addWidget(new QLabel(unit, box), row, 2);
    grid->addWidget(minutes, row, 3);
    grid->addWidget(new QLabel(QCoreApplication::translate("Orvane", "min"), box), row, 4);
    grid->addWidget(side, row, 5);
    ++row;
  };
  addRow(QCoreApplication::translate("Orvane", "Time &zone:"), zoneHours_, QCoreApplication::translate("Orvane", "h"),
         zoneMinutes_, zoneSide_);
  addRow(QCoreApplication::translate("Orvane", "&Longitude:"), longitudeDegrees_,
         QCoreApplication::translate("Orvane", "deg"), longitudeMinutes_, longitudeSide_);
  addRow(QCoreApplication::translate("Orvane", "L&atitude:"), latitudeDegrees_,
         QCoreApplication::translate("Orvane", "deg"), latitudeMinutes_, latitudeSide_);
  grid->setColumnMinimumWidth(5, zoneSide_->sizeHint().width());
  grid->setHorizontalSpacing(8);

  // The place search above the numbers it fills.
  auto* placeRow = new QGridLayout;
  place_ = new QLineEdit(this);
  place_->setObjectName(QStringLiteral("place"));
  place_->setMinimumWidth(340);
  zoneInfo_ = new QLabel(this);
  zoneInfo_->setObjectName(QStringLiteral("zoneInfo"));
  zoneInfo_->setWordWrap(true);
  zoneInfo_->setTextFormat(Qt::PlainText);
  matches_ = new QStandardItemModel(this);
  completer_ = new QCompleter(matches_, this);
  completer_->setObjectName(QStringLiteral("placeCompleter"));
  // The list is the search's answer: shown as it is, not filtered again.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(static_cast<int>(kLocationMatches));
  completer_->setWidget(place_);
  QString tableError;
  places_ = DialogPlaceTable(&tableError);
  if (places_ != nullptr) {
    place_->setPlaceholderText(
        QCoreApplication::translate("Orvane", "Type a place: Chennai, or Springfield, IL, or London, GB"));
  } else {
    place_->setEnabled(false);
    place_->setPlaceholderText(QCoreApplication::translate("Orvane", "No place search (the place table is missing)"));
    zoneInfo_->setText(
        QCoreApplication::translate("Orvane", "No place search: %1. Enter the zone and the position below.")
            .arg(tableError));
  }
  placeRow->addWidget(BuddyLabel(QCoreApplication::translate("Orvane", "&Place:"), place_, this), 0, 0);
  placeRow->addWidget(place_, 0, 1);
  placeRow->addWidget(zoneInfo_, 1, 1);
  placeRow->setColumnStretch(1, 1);
  body()->addLayout(placeRow);
  body()->addWidget(box);
  connect(place_, &QLineEdit::textEdited, this, &CLocationDlg::OnPlaceEdited);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, &CLocationDlg::OnPlaceChosen);
  Finish({place_, zoneHours_, zoneMinutes_, zoneSide_, longitudeDegrees_, longitudeMinutes_, longitudeSide_,
          latitudeDegrees_, latitudeMinutes_, latitudeSide_});
}

void CLocationDlg::OnPlaceEdited(const QString& text) {
  zoneInfo_->clear();
  if (places_ == nullptr) return;
  matches_->clear();
  const QByteArray query = text.toUtf8();
  for (const std::size_t index :
       places_->Search(std::string_view(query.constData(), static_cast<std::size_t>(query.size())), kLocationMatches)) {
    const Place p = places_->at(index);
    const std::string label = PlaceLabel(p);
    auto* item = new QStandardItem(QStringLiteral("%1   \u2014 %2")
                                       .arg(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                                            QString::fromUtf8(p.zone.data(), static_cast<qsizetype>(p.zone.size()))));
    item->setData(static_cast<qulonglong>(index), kLocationIndexRole);
    matches_->appendRow(item);
  }
  if (matches_->rowCount() > 0) {
    completer_->complete(place_->rect());
  } else if (completer_->popup()->isVisible()) {
    completer_->popup()->hide();
  }
}

void CLocationDlg::OnPlaceChosen(const QModelIndex& chosen) {
  if (places_ == nullptr || !chosen.isValid()) return;
  const std::size_t index = chosen.data(kLocationIndexRole).toULongLong();
  if (index >= places_->size()) return;
  const Place p = places_->at(index);
  const std::string label = PlaceLabel(p);
  place_->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
  // The position in whole minutes of arc, as the fields show it.
  const long long lon = std::llround(std::abs(p.longitude) * 60), lat = std::llround(std::abs(p.latitude) * 60);
  longitudeDegrees_->setText(FieldText(static_cast<int>(lon / 60)));
  longitudeMinutes_->setText(FieldText(static_cast<double>(lon % 60)));
  longitudeSide_->setCurrentIndex(p.longitude >= 0 ? 0 : 1);
  latitudeDegrees_->setText(FieldText(static_cast<int>(lat / 60)));
  latitudeMinutes_->setText(FieldText(static_cast<double>(lat % 60)));
  latitudeSide_->setCurrentIndex(p.latitude < 0 ? 1 : 0);
  // The zone's standard time of today: charts of the current moment keep
  // one zone the whole year.
  const QDate today = QDate::currentDate();
  const LocalTimeResolution r = ResolveLocalTime(p.zone, today.year(), today.month(), today.day(), 12, 0, 0);
  if (r.kind != LocalTimeKind::kUnique && r.kind != LocalTimeKind::kAmbiguous) {
    zoneInfo_->setText(
        QCoreApplication::translate("Orvane", "%1. Enter the zone below.").arg(QString::fromStdString(r.message)));
    return;
  }
  ZoneOffset standard = r.offset;
  if (standard.dst) {
    standard.offsetSeconds -= 3600;
    standard.dst = false;
    standard.abbreviation.clear();
  }
  const int minutes = static_cast<int>(std::lround(std::abs(standard.offsetSeconds) / 60.0));
  zoneHours_->setText(FieldText(minutes / 60));
  zoneMinutes_->setText(FieldText(static_cast<double>(minutes % 60)));
  zoneSide_->setCurrentIndex(standard.offsetSeconds > 0 ? 0 : 1);
  zoneInfo_->setText(QString::fromStdString(DescribeOffset(p.zone, standard)));
}

void CLocationDlg::accept() {
  // The same checks as the birth-data dialog's place fields: zone 0..24
  // hours, longitude 0..180 and latitude 0..90 degrees, minutes 0..60, and
  // at a whole part's limit no minutes beyond it.
  BirthDialogFields f;
  f.zoneHours = IntOf(zoneHours_);
  f.zoneMinutes = RealOf(zoneMinutes_);
  f.zoneEast = zoneSide_->currentIndex() == 0;
  f.longitudeDegrees = IntOf(longitudeDegrees_);
  f.longitudeMinutes = RealOf(longitudeMinutes_);
  f.longitudeEast = longitudeSide_->currentIndex() == 0;
  f.latitudeDegrees = IntOf(latitudeDegrees_);
  f.latitudeMinutes = RealOf(latitudeMinutes_);
  f.latitudeSouth = latitudeSide_->currentIndex() == 1;
  const DialogCheck check = ValidateDialogFields(f);
  if (!check.ok()) {
    QLineEdit* edit = nullptr;
    switch (check.field) {
      case BirthField::kZoneHours: edit = zoneHours_; break;
      case BirthField::kZoneMinutes: edit = zoneMinutes_; break;
      case BirthField::kLongitudeDegrees: edit = longitudeDegrees_; break;
      case BirthField::kLongitudeMinutes: edit = longitudeMinutes_; break;
      case BirthField::kLatitudeDegrees: edit = latitudeDegrees_; break;
      case BirthField::kLatitudeMinutes: edit = latitudeMinutes_; break;
      default: edit = zoneHours_; break;
    }
    ReportFieldError(this, edit, QString::fromStdString(check.message));
    return;
  }
  const BirthData place = ComposeFromDialog(f);
  zone_ = place.zone;
  longitude_ = place.longitude;
  latitude_ = place.latitude;
  QDialog::accept();
}

void CLocationDlg::Store(Settings& settings) const {
  settings.defaultZone = zone_;
  settings.defaultLongitude = longitude_;
  settings.defaultLatitude = latitude_;
}

// ---- about

CAboutDlg::CAboutDlg(const QPixmap& icon, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Orvane", "About Orvane Lite...."));
  auto* iconLabel = new QLabel(this);
  iconLabel->setPixmap(icon);
  auto* name = new QLabel(QCoreApplication::translate("Orvane", "Orvane Lite\nVersion 3.0"), this);
  name->setObjectName(QStringLiteral("name"));
  QFont bigger = name->font();
  bigger.setBold(true);
  bigger.setPointSizeF(bigger.pointSizeF() * 1.2);
  name->setFont(bigger);
  auto* kind = new QLabel(QCoreApplication::translate("Orvane", "Vedic astrology software"), this);
  kind->setObjectName(QStringLiteral("kind"));
  auto* notice =
      new QLabel(QCoreApplication::translate("Orvane",
                                             "Copyright \u00a9 Meruvan.\nLicensed under the GNU Affero General "
                                             "Public License, version 3 or later (AGPL-3.0-or-later). The Swiss "
                                             "Ephemeris, which Orvane Lite uses for precise positions, is licensed "
                                             "under the AGPL-3.0."),
                 this);
  notice->setObjectName(QStringLiteral("notice"));
  notice->setWordWrap(true);
  auto* data =
      new QLabel(QCoreApplication::translate("Orvane",
                                             "Place names and positions: GeoNames (geonames.org), licensed under "
                                             "Creative Commons Attribution 4.0.\nTime-zone boundaries: "
                                             "timezone-boundary-builder, licensed under the Open Database "
                                             "License (ODbL).\nTime-zone history: the IANA tz database of this "
                                             "system."),
                 this);
  data->setObjectName(QStringLiteral("dataSources"));
  data->setWordWrap(true);
  QFont smaller = data->font();
  smaller.setPointSizeF(smaller.pointSizeF() * 0.9);
  data->setFont(smaller);
  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addSpacing(6);
  text->addWidget(kind);
  text->addWidget(notice);
  text->addSpacing(6);
  text->addWidget(data);
  text->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(iconLabel, 0, Qt::AlignTop);
  row->addSpacing(16);
  row->addLayout(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(row);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  notice->setMinimumWidth(260);
  data->setMinimumWidth(360);
  ok->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvane
