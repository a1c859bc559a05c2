#include "app/kp_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <string>

#include "app/chart_document.h"
#include "app/chart_square.h"
#include "app/chart_view.h"
#include "app/window_place.h"
#include "compute/chart.h"
#include "compute/houses.h"
#include "vedic/kp.h"
#include "display/terms.h"
#include "yoga/yoga.h"

namespace orvane {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
// A planet by its name in the language shown.
QString Name(Body b) { return TermText(yoga::BodyName(b)); }

QString Position(double longitude) { return QString::fromStdString(KpPositionText(longitude)); }

QTableWidget* NewTable(QWidget* parent, const QString& name, const QString& accessible, const QStringList& headers) {
  auto* t = new QTableWidget(parent);
  t->setObjectName(name);
  t->setAccessibleName(accessible);
  t->setColumnCount(static_cast<int>(headers.size()));
  t->setHorizontalHeaderLabels(headers);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::ExtendedSelection);
  t->verticalHeader()->setVisible(false);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setStretchLastSection(true);
  return t;
}

void SetRow(QTableWidget* t, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) {
    auto* item = new QTableWidgetItem(cells[c]);
    t->setItem(row, c, item);
  }
}

QString Bodies(const std::vector<Body>& bodies) {
  QStringList names;
  for (const Body b : bodies) names << Name(b);
  return names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
}

QString Houses(const std::vector<int>& houses) {
  QStringList numbers;
  for (const int h : houses) numbers << QString::number(h);
  return numbers.isEmpty() ? QStringLiteral("-") : numbers.join(QStringLiteral(", "));
}

}  // namespace

KpWindow::KpWindow(ChartView& view)
    : QDialog(&view),
      view_(&view),
      system_(new QComboBox(this)),
      horary_(new QSpinBox(this)),
      chalit_(new ChartSquare(this)),
      tabs_(new QTabWidget(this)),
      heading_(new QLabel(this)),
      message_(new QLabel(this)),
      ruling_(new QLabel(this)) {
  setObjectName(QStringLiteral("kpWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  heading_->setObjectName(QStringLiteral("kpHeading"));
  heading_->setWordWrap(true);
  message_->setObjectName(QStringLiteral("kpMessage"));
  message_->setWordWrap(true);
  ruling_->setObjectName(QStringLiteral("kpRuling"));
  ruling_->setWordWrap(true);
  ruling_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  system_->setObjectName(QStringLiteral("kpSystem"));
  for (int i = 0; i < kHouseSystemCount; ++i) {
    QString name = Q(HouseSystemName(static_cast<HouseSystem>(i)));
    name[0] = name[0].toUpper();
    system_->addItem(name);
  }
  horary_->setObjectName(QStringLiteral("kpHorary"));
  horary_->setRange(0, kKpSubCount);
  horary_->setSpecialValueText(tr("none"));
  horary_->setToolTip(tr("A KP horary number 1..249: the cusps whose ascendant is the start of that sub"));
  auto* systemLabel = new QLabel(tr("&House system:"), this);
  systemLabel->setBuddy(system_);
  auto* horaryLabel = new QLabel(tr("Horary &number:"), this);
  horaryLabel->setBuddy(horary_);
  auto* controls = new QHBoxLayout;
  controls->addWidget(systemLabel);
  controls->addWidget(system_);
  controls->addSpacing(16);
  controls->addWidget(horaryLabel);
  controls->addWidget(horary_);
  controls->addStretch(1);

  chalit_->setObjectName(QStringLiteral("kpChalit"));
  chalit_->setAccessibleName(tr("Bhava chalit chart"));
  chalit_->setMinimumSize(300, 300);
  cusps_ = NewTable(this, QStringLiteral("kpCusps"), tr("KP lords of the cusps"),
                    {tr("Cusp"), tr("Position"), tr("Sign lord"), tr("Star lord"), tr("Sub lord"), tr("Sub-sub lord")});
  planets_ = NewTable(this, QStringLiteral("kpPlanets"), tr("KP lords of the planets"),
                      {tr("Planet"), tr("Position"), tr("House"), tr("Sign lord"), tr("Star lord"), tr("Sub lord"),
                       tr("Sub-sub lord")});
  houseSignificators_ = NewTable(this, QStringLiteral("kpHouseSignificators"), tr("Significators of the houses"),
                                 {tr("House"), tr("Level 1"), tr("Level 2"), tr("Level 3"), tr("Level 4")});
  planetSignificators_ = NewTable(this, QStringLiteral("kpPlanetSignificators"), tr("Significators of the planets"),
                                  {tr("Planet"), tr("Level 1"), tr("Level 2"), tr("Level 3"), tr("Level 4")});
  // What each level means, on its column's header.
  const QStringList houseLevels = {tr("The planets in the stars of the house's occupants"), tr("The house's occupants"),
                                   tr("The planets in the star of the house's lord"), tr("The house's lord")};
  const QStringList planetLevels = {tr("The house its star lord occupies"), tr("The house it occupies"),
                                    tr("The houses its star lord owns"),
                                    tr("The houses it owns (Rahu and Ketu: those of their sign's lord)")};
  for (int level = 0; level < 4; ++level) {
    houseSignificators_->horizontalHeaderItem(level + 1)->setToolTip(houseLevels[level]);
    planetSignificators_->horizontalHeaderItem(level + 1)->setToolTip(planetLevels[level]);
  }
  levels_ = new QLabel(this);
  levels_->setObjectName(QStringLiteral("kpLevels"));
  levels_->setToolTip(tr("Rahu and Ketu own the houses of their sign's lord"));
  planets_->setSortingEnabled(false);
  tabs_->setObjectName(QStringLiteral("kpTabs"));
  connect(tabs_, &QTabWidget::currentChanged, this, [this, houseLevels, planetLevels](int tab) {
    const QStringList* levels = tab == 2 ? &houseLevels : tab == 3 ? &planetLevels : nullptr;
    levels_->setVisible(levels != nullptr);
    if (!levels) return;
    levels_->setText(tab == 2 ? tr("Level 1: in the stars of its occupants \u00b7 2: its occupants\n"
                                   "3: in the star of its lord \u00b7 4: its lord")
                              : tr("Level 1: its star lord's house \u00b7 2: its house\n"
                                   "3: the houses its star lord owns \u00b7 4: the houses it owns"));
  });
  tabs_->addTab(cusps_, tr("&Cusps"));
  tabs_->addTab(planets_, tr("&Planets"));
  tabs_->addTab(houseSignificators_, tr("House si&gnificators"));
  tabs_->addTab(planetSignificators_, tr("Planet s&ignificators"));

  auto* tabColumn = new QVBoxLayout;
  tabColumn->addWidget(tabs_, 1);
  tabColumn->addWidget(levels_);
  levels_->hide();
  auto* body = new QHBoxLayout;
  body->addWidget(chalit_, 1);
  body->addLayout(tabColumn, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addLayout(controls);
  layout->addWidget(message_);
  layout->addLayout(body, 1);
  layout->addWidget(ruling_);
  layout->addWidget(buttons);
  message_->hide();

  connect(system_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(horary_, &QSpinBox::valueChanged, this, [this] {
    system_->setEnabled(horary_->value() == 0);
    Refresh();
  });
  PlaceWindow(this, QSize(1100, 620), QStringLiteral("KP"));
  Refresh();
}

void KpWindow::Refresh() {
  if (!view_ || !view_->hasChart()) return;
  const Chart chart(view_->chart());
  const Settings& settings = view_->settings();
  const int number = horary_->value();
  const auto system = static_cast<HouseSystem>(std::max(0, system_->currentIndex()));
  HouseCusps cusps;
  std::string error;
  const bool ok = number > 0 ? KpHoraryCusps(chart, settings, number, cusps, &error)
                             : ChartHouseCusps(chart, settings, system, cusps, &error);
  const QString chartName = view_->document().DisplayName();
  setWindowTitle(tr("KP and houses - %1").arg(chartName));
  const QString systemName = number > 0 ? tr("Placidus cusps of horary number %1").arg(number)
                                        : tr("%1 cusps").arg(system_->currentText());
  heading_->setText(tr("%1 \u2014 %2: %3, sidereal by the chart's ayanamsa.").arg(chartName, view_->KindText(), systemName));
  message_->setVisible(!ok);
  message_->setText(ok ? QString() : Q(error));
  for (QTableWidget* t : {cusps_, planets_, houseSignificators_, planetSignificators_}) t->setRowCount(0);
  if (!ok) {
    chalit_->SetChart(ChartDrawInput{}, ChartDrawOptionsFromSettings(settings));
    ruling_->clear();
    return;
  }
  std::array<double, 9> longitudes{};
  for (int i = 0; i < kGrahaCount; ++i) longitudes[static_cast<std::size_t>(i)] = chart.Longitude(BodyAt(i));
  const KpSignificators sig = KpSignificatorsOf(cusps.cusp, longitudes);
  // The bhavas the grahas are in: from cusp to cusp, or with Sripati from
  // sandhi to sandhi (its cusps are the bhavas' middles).
  const std::array<int, 9> bhava =
      HousesAmong(number == 0 && system == HouseSystem::kSripati ? cusps.start : cusps.cusp, longitudes);

  // The bhava chalit chart: each graha in the sign that counts its house
  // from the lagna's sign, so that every style shows it in its bhava.
  ChartDrawInput chalit = ChartDrawInputFromState(chart.State(), 0);
  const int lagna = ToInt(RasiAt(SignOf(cusps.cusp[0])));
  for (std::size_t slot = 0; slot < chalit.sign.size(); ++slot) {
    const int graha = GrahaIndexOfSlot(static_cast<long long>(slot));
    if (slot == kAscendant) {
      chalit.sign[slot] = lagna;
    } else {
      chalit.sign[slot] = graha >= 0 ? WrapToSign(lagna + bhava[static_cast<std::size_t>(graha)] - 1) : -1;
    }
  }
  chalit.title = number > 0 ? tr("Bhava Chalit (horary %1)").arg(number)
                            : tr("Bhava Chalit (%1)").arg(system_->currentText());
  ChartDrawOptions options = ChartDrawOptionsFromSettings(settings);
  // No arudha padas: they are counted by signs, not by bhavas.
  options.padas.all = false;
  options.padas.some = false;
  chalit_->SetChart(chalit, options);

  cusps_->setRowCount(12);
  for (int h = 0; h < 12; ++h) {
    const double c = cusps.cusp[static_cast<std::size_t>(h)];
    const KpLords l = KpLordsOf(c);
    SetRow(cusps_, h, {QString::number(h + 1), Position(c), Name(l.sign), Name(l.star), Name(l.sub), Name(l.subSub)});
  }
  planets_->setRowCount(kGrahaCount);
  for (int i = 0; i < kGrahaCount; ++i) {
    const Body b = BodyAt(i);
    const KpLords l = KpLordsOf(chart.Longitude(b));
    SetRow(planets_, i,
           {Name(b) + (chart.Retrograde(b) ? tr(" (R)") : QString()), Position(chart.Longitude(b)),
            QString::number(bhava[static_cast<std::size_t>(i)]), Name(l.sign), Name(l.star), Name(l.sub),
            Name(l.subSub)});
  }
  houseSignificators_->setRowCount(12);
  for (std::size_t h = 0; h < 12; ++h) {
    const auto& levels = sig.house[h];
    SetRow(houseSignificators_, static_cast<int>(h),
           {QString::number(h + 1), Bodies(levels[0]), Bodies(levels[1]), Bodies(levels[2]), Bodies(levels[3])});
  }
  planetSignificators_->setRowCount(kGrahaCount);
  for (std::size_t p = 0; p < 9; ++p) {
    const auto& levels = sig.planet[p];
    SetRow(planetSignificators_, static_cast<int>(p),
           {Name(BodyAt(static_cast<int>(p))), Houses(levels[0]), Houses(levels[1]), Houses(levels[2]),
            Houses(levels[3])});
  }
  // The ruling planets of the chart's moment.
  const KpLords lagnaLords = KpLordsOf(chart.AscendantLongitude()), moon = KpLordsOf(chart.Longitude(Body::kMoon));
  const int weekday = ((chart.State().vedic.vara % 7) + 7) % 7;
  ruling_->setText(tr("Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; "
                      "Moon sign lord %4, star lord %5.")
                       .arg(Name(BodyAt(weekday)), Name(lagnaLords.sign), Name(lagnaLords.star), Name(moon.sign),
                            Name(moon.star)));
}

}  // namespace orvane
