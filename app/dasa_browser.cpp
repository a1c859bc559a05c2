#include "app/dasa_browser.h"

#include "app/window_place.h"
#include "display/terms.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "compute/chart.h"
#include "jaimini/jaimini.h"
#include "yoga/yoga.h"

namespace orvane {
namespace {

// Planet names by code 1..9, in the language shown.
QString LordName(int lord) { return GrahaTerm(lord); }

// The day of a lies before the day of b. Days as the listings print them:
// a period belongs to the days from its start date up to the day before its
// end date, so that every day has exactly one running period.
bool Before(const DasaDate& a, const DasaDate& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

DasaRow RowOf(const dasa::Period& p, const DasaDate& birth) {
  DasaRow row;
  row.lord = p.lord;
  row.shownStart = p.start;
  row.start = p.start;
  row.end = p.end;
  row.beforeBirth = !Before(birth, p.end);
  return row;
}

enum Column : int { kPeriodColumn, kStartColumn, kEndColumn, kAgeColumn, kColumnCount };

QString RowName(const DasaRow& row) { return row.label.isEmpty() ? LordName(row.lord) : row.label; }

QString SignName(int sign) { return SignTerm(sign); }

// A moment as local days (the day count plus the fraction of a day) as a
// dasa date.
DasaDate DateOfDays(double days) {
  int y = 0, m = 1, d = 1;
  const double whole = std::floor(days);
  GregorianFromDayCount(static_cast<std::int64_t>(whole), y, m, d);
  return DasaDate{y, m, d, (days - whole) * 60.0};
}

// "12 y 3 m 4 d" of a number of days, with years of `yearLength` days and
// months of a twelfth of that.
QString SpanText(double days, double yearLength) {
  if (!(days > 0) || !(yearLength > 0)) return QObject::tr("%1 y %2 m %3 d").arg(0).arg(0).arg(0);
  const int years = static_cast<int>(days / yearLength);
  double rest = days - years * yearLength;
  const int months = static_cast<int>(rest / (yearLength / 12));
  rest -= months * (yearLength / 12);
  return QObject::tr("%1 y %2 m %3 d").arg(years).arg(months).arg(static_cast<int>(rest));
}

// The balance at birth of the first main period: what of it is still to run
// at the chart date.
QString Balance(const std::vector<DasaRow>& rows, const DasaDate& birth, double yearLength) {
  for (const DasaRow& row : rows) {
    if (Before(birth, row.end)) {
      return QObject::tr("Balance at birth: %1, %2.")
          .arg(RowName(row), SpanText(DaysBetween(row.end, birth), yearLength));
    }
  }
  return QString();
}

std::vector<DasaRow> PlanetRows(const dasa::PeriodList& list, const DasaDate& birth) {
  std::vector<DasaRow> rows;
  for (int i = 0; i < list.count; ++i) {
    const dasa::MainPeriod& main = list.main[static_cast<std::size_t>(i)];
    DasaRow row = RowOf(main.period, birth);
    if (i == 0) row.shownStart = birth;
    for (int j = 0; j < main.subCount; ++j) row.children.push_back(RowOf(main.sub[static_cast<std::size_t>(j)], birth));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

QString DasaDateText(const DasaDate& date) {
  return QString::asprintf("%04d-%02d-%02d", dasa::PrintedYear(date.year), date.month, date.day);
}

std::vector<DasaRow> DasaRows(const VimsottariTree& tree) {
  std::vector<DasaRow> rows;
  for (int i = 0; i < tree.mains.count && i < static_cast<int>(tree.antardasas.size()); ++i) {
    const dasa::MainPeriod& main = tree.mains.main[i];
    DasaRow row = RowOf(main.period, tree.birth);
    if (i == 0) row.shownStart = tree.birth;  // the listing starts the first period at birth
    const dasa::PeriodList& subs = tree.antardasas[static_cast<std::size_t>(i)];
    for (int j = 0; j < main.subCount; ++j) {
      DasaRow antardasa = RowOf(main.sub[j], tree.birth);
      if (j < subs.count) {
        const dasa::MainPeriod& listed = subs.main[j];
        for (int k = 0; k < listed.subCount; ++k) antardasa.children.push_back(RowOf(listed.sub[k], tree.birth));
      }
      row.children.push_back(std::move(antardasa));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<int> RunningPath(const std::vector<DasaRow>& rows, const DasaDate& day) {
  std::vector<int> path;
  const std::vector<DasaRow>* level = &rows;
  while (level != nullptr) {
    const std::vector<DasaRow>* next = nullptr;
    for (std::size_t i = 0; i < level->size(); ++i) {
      const DasaRow& row = (*level)[i];
      if (!Before(day, row.start) && Before(day, row.end)) {
        path.push_back(static_cast<int>(i));
        next = &row.children;
        break;
      }
    }
    level = next;
  }
  return path;
}

CDasaBrowser::CDasaBrowser(const QString& title, const std::vector<DasaRow>& rows, const DasaDate& today,
                           QWidget* parent)
    : CDasaBrowser(title, {DasaSystem{TermText("Vimsottari"), rows, QString()}}, today,
                   rows.empty() ? today : rows.front().shownStart, parent) {}

CDasaBrowser::CDasaBrowser(const QString& title, std::vector<DasaSystem> systems, const DasaDate& today,
                           const DasaDate& birth, QWidget* parent)
    : QDialog(parent),
      title_(title),
      systems_(std::move(systems)),
      today_(today),
      birth_(birth),
      tree_(new QTreeWidget(this)),
      system_(new QComboBox(this)),
      note_(new QLabel(this)) {
  setObjectName(QStringLiteral("dasaBrowser"));
  setAttribute(Qt::WA_DeleteOnClose);
  tree_->setObjectName(QStringLiteral("dasaTree"));
  tree_->setColumnCount(kColumnCount);
  tree_->setHeaderLabels({tr("Period"), tr("Starts"), tr("Ends"), tr("Age")});
  tree_->headerItem()->setToolTip(kAgeColumn, tr("The native's age in years when the period starts"));
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->setAllColumnsShowFocus(true);
  system_->setObjectName(QStringLiteral("dasaSystem"));
  for (const DasaSystem& system : systems_) system_->addItem(system.name);
  system_->setEnabled(systems_.size() > 1);
  note_->setObjectName(QStringLiteral("dasaNote"));
  note_->setWordWrap(true);

  // Room for the longest name of an opened pratyantardasa and for a date,
  // both in bold (the running periods).
  QFont bold = tree_->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  const int gap = 2 * metrics.averageCharWidth();
  // Room for three levels of the longest lord's name in the language shown.
  int longestName = 0;
  for (int lord = 1; lord <= 9; ++lord) longestName = std::max(longestName, metrics.horizontalAdvance(LordName(lord)));
  tree_->setColumnWidth(kPeriodColumn, 3 * longestName + 2 * metrics.horizontalAdvance(QStringLiteral(" / ")) +
                                           3 * tree_->indentation() + gap);
  for (int c : {kStartColumn, kEndColumn}) {
    tree_->setColumnWidth(c, metrics.horizontalAdvance(QStringLiteral("0000-00-00")) + gap);
  }
  tree_->setColumnWidth(kAgeColumn, metrics.horizontalAdvance(tr("Age") + QStringLiteral(" 100.0")) + gap);
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(kPeriodColumn, QHeaderView::Stretch);

  auto* layout = new QVBoxLayout(this);
  auto* choose = new QHBoxLayout;
  auto* label = new QLabel(tr("&Dasa:"), this);
  label->setBuddy(system_);
  choose->addWidget(label);
  choose->addWidget(system_, 1);
  layout->addLayout(choose);
  auto* help = new QLabel(tr("The periods running today (%1) are highlighted. Up and Down move, Right opens a "
                             "period, Left closes it.")
                              .arg(DasaDateText(today)),
                          this);
  help->setWordWrap(true);
  layout->addWidget(help);
  layout->addWidget(note_);
  layout->addWidget(tree_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  layout->addWidget(buttons);
  connect(system_, &QComboBox::currentIndexChanged, this, [this](int index) { ShowSystem(index); });

  const int width = tree_->columnWidth(kPeriodColumn) + tree_->columnWidth(kStartColumn) +
                    tree_->columnWidth(kEndColumn) + tree_->columnWidth(kAgeColumn) + 4 * metrics.averageCharWidth();
  PlaceWindow(this, QSize(std::max(width, 560), 640), QStringLiteral("DasaBrowser"));
  ShowSystem(0);
}

void CDasaBrowser::ShowSystem(int index) {
  if (index < 0 || index >= static_cast<int>(systems_.size())) return;
  if (system_->currentIndex() != index) {
    system_->setCurrentIndex(index);  // comes back here
    return;
  }
  const DasaSystem& system = systems_[static_cast<std::size_t>(index)];
  setWindowTitle(tr("%1 dasa - %2").arg(system.name, title_));
  note_->setText(system.note);
  note_->setVisible(!system.note.isEmpty());
  tree_->clear();
  const std::vector<int> running = RunningPath(system.rows, today_);
  const QBrush highlight(QColor(0xff, 0xe0, 0x8a));
  const QBrush highlightText(Qt::black);
  const QBrush pastText(palette().color(QPalette::Disabled, QPalette::Text));
  QTreeWidgetItem* current = nullptr;
  // Depth-first: each row with its name from the main period down
  // ("Jupiter / Saturn / Mercury").
  auto add = [&](auto&& self, QTreeWidgetItem* parentItem, const std::vector<DasaRow>& level, std::size_t depth,
                 bool onPath, const QString& above) -> void {
    for (std::size_t i = 0; i < level.size(); ++i) {
      const DasaRow& row = level[i];
      const QString name = above.isEmpty() ? RowName(row) : above + QStringLiteral(" / ") + RowName(row);
      auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(tree_);
      item->setText(kPeriodColumn, name);
      item->setText(kStartColumn, DasaDateText(row.shownStart));
      item->setText(kEndColumn, DasaDateText(row.end));
      const double age = DaysBetween(row.shownStart, birth_) / 365.2425;
      item->setText(kAgeColumn, age >= 0 ? QString::number(age, 'f', 1) : QString());
      item->setTextAlignment(kAgeColumn, Qt::AlignRight | Qt::AlignVCenter);
      const bool runs = onPath && depth < running.size() && running[depth] == static_cast<int>(i);
      if (runs) {
        QFont bold = item->font(kPeriodColumn);
        bold.setBold(true);
        for (int c = 0; c < kColumnCount; ++c) {
          item->setFont(c, bold);
          item->setBackground(c, highlight);
          item->setForeground(c, highlightText);
        }
        item->setToolTip(kPeriodColumn, tr("Running today"));
        current = item;
      } else if (row.beforeBirth) {
        for (int c = 0; c < kColumnCount; ++c) item->setForeground(c, pastText);
        item->setToolTip(kPeriodColumn, tr("Ended before birth"));
      }
      self(self, item, row.children, depth + 1, runs, name);
      if (runs && !row.children.empty()) item->setExpanded(true);
    }
  };
  add(add, nullptr, system.rows, 0, true, QString());
  if (current) {
    tree_->setCurrentItem(current);
    tree_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
  } else if (tree_->topLevelItemCount() > 0) {
    tree_->setCurrentItem(tree_->topLevelItem(0));
  }
  tree_->setFocus();
}

std::vector<DasaSystem> ChartDasaSystems(const ChartState& state) {
  std::vector<DasaSystem> systems;
  const DasaDate birth = dasa::ChartDate(state);
  const double yearLength = state.dasa.yearLength > 0 ? state.dasa.yearLength : 365.2425;
  auto add = [&](const QString& name, std::vector<DasaRow> rows, const QString& how) {
    QString note = how;
    const QString balance = Balance(rows, birth, yearLength);
    if (!balance.isEmpty()) note += (note.isEmpty() ? QString() : QStringLiteral(" ")) + balance;
    systems.push_back({name, std::move(rows), note});
  };
  add(TermText("Vimsottari"), DasaRows(VimsottariPeriodTree(state)),
      QObject::tr("Main periods, antardasas and pratyantardasas."));
  struct Nakshatra {
    NakshatraDasa dasa;
    const char* name;
  };
  const Nakshatra kNakshatra[] = {
      {NakshatraDasa::kYogini, QT_TRANSLATE_NOOP("Terms", "Yogini")},
      {NakshatraDasa::kAshtottari, QT_TRANSLATE_NOOP("Terms", "Ashtottari")},
      {NakshatraDasa::kTithiYogini, QT_TRANSLATE_NOOP("Terms", "Tithi Yogini")},
      {NakshatraDasa::kTithiAshtottari, QT_TRANSLATE_NOOP("Terms", "Tithi Ashtottari")},
      {NakshatraDasa::kDwisaptatiSama, QT_TRANSLATE_NOOP("Terms", "Dwisaptati Sama")},
      {NakshatraDasa::kShatTrimsaSama, QT_TRANSLATE_NOOP("Terms", "Shat-Trimsa Sama")},
      {NakshatraDasa::kDwadasottari, QT_TRANSLATE_NOOP("Terms", "Dwadasottari")},
      {NakshatraDasa::kChaturasitiSama, QT_TRANSLATE_NOOP("Terms", "Chaturasiti Sama")},
      {NakshatraDasa::kSatabdika, QT_TRANSLATE_NOOP("Terms", "Satabdika")},
      {NakshatraDasa::kShodasottari, QT_TRANSLATE_NOOP("Terms", "Shodasottari")},
      {NakshatraDasa::kPanchottari, QT_TRANSLATE_NOOP("Terms", "Panchottari")},
  };
  for (const Nakshatra& n : kNakshatra) {
    const std::optional<dasa::PeriodList> periods = NakshatraDasaPeriods(state, n.dasa, ChartDasaSpan(state));
    if (!periods) continue;
    add(TermText(n.name), PlanetRows(*periods, birth), QObject::tr("Main periods and sub-periods."));
  }
  std::vector<DasaRow> kalachakra;
  for (const KalachakraRow& k : KalachakraPeriods(state)) {
    DasaRow row;
    row.label = SignName(k.sign);
    row.start = k.start;
    row.shownStart = kalachakra.empty() ? birth : k.start;
    row.end = k.end;
    row.beforeBirth = !Before(birth, k.end);
    for (const KalachakraRow& sub : k.subs) {
      DasaRow child;
      child.label = SignName(sub.sign);
      child.shownStart = child.start = sub.start;
      child.end = sub.end;
      child.beforeBirth = !Before(birth, sub.end);
      row.children.push_back(std::move(child));
    }
    kalachakra.push_back(std::move(row));
  }
  add(TermText("Kalachakra"), std::move(kalachakra), QObject::tr("Signs: main periods and sub-periods."));
  const jaimini::JaiminiChart chart = jaimini::JaiminiChartOf(Chart(state));
  for (int d = 0; d < jaimini::kRasiDasaCount; ++d) {
    const jaimini::RasiDasaResult result = jaimini::ComputeRasiDasa(chart, static_cast<jaimini::RasiDasa>(d));
    std::vector<DasaRow> rows;
    for (const jaimini::RasiPeriod& p : result.periods) {
      if (p.years <= 0) continue;  // a sign of no years in the second cycle
      DasaRow row;
      row.label = SignName(ToInt(p.sign));
      row.shownStart = row.start = DateOfDays(p.startDays);
      row.end = DateOfDays(p.endDays);
      for (const jaimini::RasiPeriod& sub : p.subPeriods) {
        DasaRow child;
        child.label = SignName(ToInt(sub.sign));
        child.shownStart = child.start = DateOfDays(sub.startDays);
        child.end = DateOfDays(sub.endDays);
        row.children.push_back(std::move(child));
      }
      rows.push_back(std::move(row));
    }
    add(QObject::tr("%1 (Jaimini)").arg(TermText(jaimini::RasiDasaName(result.dasa))), std::move(rows),
        QObject::tr("From %1, %2; main periods and antardasas.")
            .arg(SignName(ToInt(result.start)), result.forward ? QObject::tr("forward") : QObject::tr("backward")));
  }
  return systems;
}

}  // namespace orvane
