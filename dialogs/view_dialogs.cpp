#include "dialogs/view_dialogs.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string_view>

#include "dialogs/dialog_fields.h"

namespace orvane {
namespace {

// The divisional charts in the order of the chart choices 0..19.
struct ChartName {
  std::string_view name;
  std::string_view division;
};
constexpr std::array<ChartName, kChartDialogChoices> kChartNames = {{
    {QT_TRANSLATE_NOOP("Terms", "Rasi"), "D-1"},
    {QT_TRANSLATE_NOOP("Terms", "Hora"), "D-2"},
    {QT_TRANSLATE_NOOP("Terms", "Drekkana"), "D-3"},
    {QT_TRANSLATE_NOOP("Terms", "Chaturthamsa"), "D-4"},
    {QT_TRANSLATE_NOOP("Terms", "Panchamsa"), "D-5"},
    {QT_TRANSLATE_NOOP("Terms", "Shashthamsa"), "D-6"},
    {QT_TRANSLATE_NOOP("Terms", "Saptamsa"), "D-7"},
    {QT_TRANSLATE_NOOP("Terms", "Ashtamsa"), "D-8"},
    {QT_TRANSLATE_NOOP("Terms", "Navamsa"), "D-9"},
    {QT_TRANSLATE_NOOP("Terms", "Dasamsa"), "D-10"},
    {QT_TRANSLATE_NOOP("Terms", "Rudramsa"), "D-11"},
    {QT_TRANSLATE_NOOP("Terms", "Dwadasamsa"), "D-12"},
    {QT_TRANSLATE_NOOP("Terms", "Shodasamsa"), "D-16"},
    {QT_TRANSLATE_NOOP("Terms", "Vimsamsa"), "D-20"},
    {QT_TRANSLATE_NOOP("Terms", "Chaturvimsamsa"), "D-24"},
    {QT_TRANSLATE_NOOP("Terms", "Nakshatramsa"), "D-27"},
    {QT_TRANSLATE_NOOP("Terms", "Trimsamsa"), "D-30"},
    {QT_TRANSLATE_NOOP("Terms", "Khavedamsa"), "D-40"},
    {QT_TRANSLATE_NOOP("Terms", "Akshavedamsa"), "D-45"},
    {QT_TRANSLATE_NOOP("Terms", "Shashthyamsa"), "D-60"},
}};

// Mahadasa lords by planet code - 1.
constexpr std::array<std::string_view, 9> kMahadasaLords = {QT_TRANSLATE_NOOP("Terms", "Sun"),
                                                            QT_TRANSLATE_NOOP("Terms", "Moon"),
                                                            QT_TRANSLATE_NOOP("Terms", "Mars"),
                                                            QT_TRANSLATE_NOOP("Terms", "Mercury"),
                                                            QT_TRANSLATE_NOOP("Terms", "Jupiter"),
                                                            "Venus",
                                                            "Saturn",
                                                            "Rahu",
                                                            "Ketu"};

// A name of the tables above in the chosen language (each is a literal, so
// its data end in a null).
QString Text(std::string_view text) { return QCoreApplication::translate("Terms", text.data()); }

// Twenty radio buttons in four columns of five, named prefix0..prefix19.
QGroupBox* ChartChoices(QWidget* parent, const QString& title, const QString& prefix, QButtonGroup* group,
                        int checked) {
  auto* box = new QGroupBox(title, parent);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(18);
  for (int i = 0; i < kChartDialogChoices; ++i) {
    const ChartName& c = kChartNames[static_cast<std::size_t>(i)];
    auto* radio = new QRadioButton(QStringLiteral("%1 (%2)").arg(Text(c.name), Text(c.division)), box);
    radio->setObjectName(prefix + QString::number(i));
    group->addButton(radio, i);
    grid->addWidget(radio, i % 5, i / 5);
  }
  QAbstractButton* preset = group->button(checked >= 0 && checked < kChartDialogChoices ? checked : 0);
  preset->setChecked(true);
  return box;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QLineEdit* IntegerEdit(QWidget* parent, const QString& name, int value, int characters) {
  auto* edit = new QLineEdit(FieldText(value), parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2) + 12);
  edit->selectAll();
  return edit;
}

}  // namespace

// ---- Choose One Chart

CChooseOneChartDlg::CChooseOneChartDlg(int chart, QWidget* parent)
    : QDialog(parent), charts_(new QButtonGroup(this)) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Choose One Chart"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      ChartChoices(this, QCoreApplication::translate("Orvane", "Chart"), QStringLiteral("chart"), charts_, chart));
  layout->addWidget(OkCancel(this));
}

int CChooseOneChartDlg::chart() const { return std::max(0, charts_->checkedId()); }

// ---- Choose Two Charts

CChooseTwoChartsDlg::CChooseTwoChartsDlg(int chart1, int chart2, QWidget* parent)
    : QDialog(parent), first_(new QButtonGroup(this)), second_(new QButtonGroup(this)) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Choose Two Charts"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ChartChoices(this, QCoreApplication::translate("Orvane", "First chart"), QStringLiteral("first"),
                                 first_, chart1));
  layout->addWidget(ChartChoices(this, QCoreApplication::translate("Orvane", "Second chart"), QStringLiteral("second"),
                                 second_, chart2));
  showTwo_ =
      new QCheckBox(QCoreApplication::translate("Orvane", "Exit the current view and show two big charts"), this);
  showTwo_->setObjectName(QStringLiteral("showTwoCharts"));
  showTwo_->setChecked(true);
  layout->addWidget(showTwo_);
  layout->addWidget(OkCancel(this));
}

int CChooseTwoChartsDlg::chart1() const { return std::max(0, first_->checkedId()); }
int CChooseTwoChartsDlg::chart2() const { return std::max(0, second_->checkedId()); }
bool CChooseTwoChartsDlg::showTwoCharts() const { return showTwo_->isChecked(); }

// ---- Select the mahadasa

CSelectMahadasaDlg::CSelectMahadasaDlg(int mahadasa, QWidget* parent)
    : QDialog(parent), lords_(new QComboBox(this)) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Select the mahadasa"));
  lords_->setObjectName(QStringLiteral("mahadasa"));
  for (std::string_view lord : kMahadasaLords) lords_->addItem(Text(lord));
  lords_->setCurrentIndex(mahadasa >= 1 && mahadasa <= 9 ? mahadasa - 1 : 0);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QCoreApplication::translate("Orvane", "Pratyantardasas in the mahadasa of:"), lords_);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
}

int CSelectMahadasaDlg::mahadasa() const { return lords_->currentIndex() + 1; }

// ---- Tajaka Annual Chart

CTajakaAnnualDlg::CTajakaAnnualDlg(int year, QWidget* parent) : QDialog(parent), year_(year) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Tajaka Annual Chart"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  yearEdit_ = IntegerEdit(this, QStringLiteral("year"), year, 5);
  form->addRow(QCoreApplication::translate("Orvane", "Annual chart (varsha chakra) of the year:"), yearEdit_);
  layout->addLayout(form);
  monthly_ = new QCheckBox(QCoreApplication::translate("Orvane", "Need a monthly chart!"), this);
  monthly_->setObjectName(QStringLiteral("monthly"));
  layout->addWidget(monthly_);
  layout->addWidget(OkCancel(this));
}

void CTajakaAnnualDlg::accept() {
  if (!ExchangeInt(this, yearEdit_, kYearMin, kYearMax, year_)) return;
  QDialog::accept();
}

bool CTajakaAnnualDlg::monthlyWanted() const { return monthly_->isChecked(); }

// ---- Tajaka Monthly Chart

CTajakaMonthlyDlg::CTajakaMonthlyDlg(int month, QWidget* parent) : QDialog(parent), month_(month) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Tajaka Monthly Chart"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  monthEdit_ = IntegerEdit(this, QStringLiteral("month"), month, 2);
  form->addRow(QCoreApplication::translate("Orvane", "Month (the first month starts on the birthday):"), monthEdit_);
  layout->addLayout(form);
  hora_ = new QCheckBox(QCoreApplication::translate("Orvane", "Need a hora chart!"), this);
  hora_->setObjectName(QStringLiteral("hora"));
  layout->addWidget(hora_);
  layout->addWidget(OkCancel(this));
}

void CTajakaMonthlyDlg::accept() {
  if (!ExchangeInt(this, monthEdit_, 1, 12, month_)) return;
  QDialog::accept();
}

bool CTajakaMonthlyDlg::horaWanted() const { return hora_->isChecked(); }

// ---- Tajaka Hora Chart

CTajakaHoraDlg::CTajakaHoraDlg(int period, QWidget* parent) : QDialog(parent), period_(period) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Tajaka Hora Chart"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  periodEdit_ = IntegerEdit(this, QStringLiteral("period"), period, 2);
  form->addRow(QCoreApplication::translate("Orvane", "Hora period of the month (1 to 12):"), periodEdit_);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
}

void CTajakaHoraDlg::accept() {
  if (!ExchangeInt(this, periodEdit_, 1, 12, period_)) return;
  QDialog::accept();
}

}  // namespace orvane
