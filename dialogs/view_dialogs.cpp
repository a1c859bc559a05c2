#include "dialogs/view_dialogs.h"

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
    {"Rasi", "D-1"},          {"Hora", "D-2"},          {"Drekkana", "D-3"},     {"Chaturthamsa", "D-4"},
    {"Panchamsa", "D-5"},     {"Shashthamsa", "D-6"},   {"Saptamsa", "D-7"},     {"Ashtamsa", "D-8"},
    {"Navamsa", "D-9"},       {"Dasamsa", "D-10"},      {"Rudramsa", "D-11"},    {"Dwadasamsa", "D-12"},
    {"Shodasamsa", "D-16"},   {"Vimsamsa", "D-20"},     {"Chaturvimsamsa", "D-24"}, {"Nakshatramsa", "D-27"},
    {"Trimsamsa", "D-30"},    {"Khavedamsa", "D-40"},   {"Akshavedamsa", "D-45"}, {"Shashthyamsa", "D-60"},
}};

// Mahadasa lords by planet code - 1.
constexpr std::array<std::string_view, 9> kMahadasaLords = {"Sun",     "Moon",  "Mars",   "Mercury", "Jupiter",
                                                            "Venus",   "Saturn", "Rahu",  "Ketu"};

QString Text(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

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
  setWindowTitle(QStringLiteral("Choose One Chart"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ChartChoices(this, QStringLiteral("Chart"), QStringLiteral("chart"), charts_, chart));
  layout->addWidget(OkCancel(this));
}

int CChooseOneChartDlg::chart() const { return std::max(0, charts_->checkedId()); }

// ---- Choose Two Charts

CChooseTwoChartsDlg::CChooseTwoChartsDlg(int chart1, int chart2, QWidget* parent)
    : QDialog(parent), first_(new QButtonGroup(this)), second_(new QButtonGroup(this)) {
  setWindowTitle(QStringLiteral("Choose Two Charts"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ChartChoices(this, QStringLiteral("First chart"), QStringLiteral("first"), first_, chart1));
  layout->addWidget(ChartChoices(this, QStringLiteral("Second chart"), QStringLiteral("second"), second_, chart2));
  showTwo_ = new QCheckBox(QStringLiteral("Exit the current view and show two big charts"), this);
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
  setWindowTitle(QStringLiteral("Select the mahadasa"));
  lords_->setObjectName(QStringLiteral("mahadasa"));
  for (std::string_view lord : kMahadasaLords) lords_->addItem(Text(lord));
  lords_->setCurrentIndex(mahadasa >= 1 && mahadasa <= 9 ? mahadasa - 1 : 0);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Pratyantardasas in the mahadasa of:"), lords_);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
}

int CSelectMahadasaDlg::mahadasa() const { return lords_->currentIndex() + 1; }

// ---- Tajaka Annual Chart

CTajakaAnnualDlg::CTajakaAnnualDlg(int year, QWidget* parent) : QDialog(parent), year_(year) {
  setWindowTitle(QStringLiteral("Tajaka Annual Chart"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  yearEdit_ = IntegerEdit(this, QStringLiteral("year"), year, 5);
  form->addRow(QStringLiteral("Annual chart (varsha chakra) of the year:"), yearEdit_);
  layout->addLayout(form);
  monthly_ = new QCheckBox(QStringLiteral("Need a monthly chart!"), this);
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
  setWindowTitle(QStringLiteral("Tajaka Monthly Chart"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  monthEdit_ = IntegerEdit(this, QStringLiteral("month"), month, 2);
  form->addRow(QStringLiteral("Month (the first month starts on the birthday):"), monthEdit_);
  layout->addLayout(form);
  hora_ = new QCheckBox(QStringLiteral("Need a hora chart!"), this);
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
  setWindowTitle(QStringLiteral("Tajaka Hora Chart"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  periodEdit_ = IntegerEdit(this, QStringLiteral("period"), period, 2);
  form->addRow(QStringLiteral("Hora period of the month (1 to 12):"), periodEdit_);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
}

void CTajakaHoraDlg::accept() {
  if (!ExchangeInt(this, periodEdit_, 1, 12, period_)) return;
  QDialog::accept();
}

}  // namespace orvane
