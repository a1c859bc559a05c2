#include "app/dasa_browser.h"

#include "app/window_place.h"
#include "display/terms.h"

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

namespace orvane {
namespace {

// Planet names by code 1..9.
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

enum Column : int { kPeriodColumn, kStartColumn, kEndColumn, kColumnCount };

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
    : QDialog(parent), tree_(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("dasaBrowser"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QCoreApplication::translate("Orvane", "Vimsottari dasa - %1").arg(title));
  tree_->setObjectName(QStringLiteral("dasaTree"));
  tree_->setColumnCount(kColumnCount);
  tree_->setHeaderLabels({QCoreApplication::translate("Orvane", "Period"), QCoreApplication::translate("Orvane", "Starts"), QCoreApplication::translate("Orvane", "Ends")});
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->setAllColumnsShowFocus(true);

  const std::vector<int> running = RunningPath(rows, today);
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
      const QString name = above.isEmpty() ? LordName(row.lord) : above + QStringLiteral(" / ") + LordName(row.lord);
      auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(tree_);
      item->setText(kPeriodColumn, name);
      item->setText(kStartColumn, DasaDateText(row.shownStart));
      item->setText(kEndColumn, DasaDateText(row.end));
      const bool runs = onPath && depth < running.size() && running[depth] == static_cast<int>(i);
      if (runs) {
        QFont bold = item->font(kPeriodColumn);
        bold.setBold(true);
        for (int c = 0; c < kColumnCount; ++c) {
          item->setFont(c, bold);
          item->setBackground(c, highlight);
          item->setForeground(c, highlightText);
        }
        item->setToolTip(kPeriodColumn, QCoreApplication::translate("Orvane", "Running today"));
        current = item;
      } else if (row.beforeBirth) {
        for (int c = 0; c < kColumnCount; ++c) item->setForeground(c, pastText);
        item->setToolTip(kPeriodColumn, QCoreApplication::translate("Orvane", "Ended before birth"));
      }
      self(self, item, row.children, depth + 1, runs, name);
      if (runs && !row.children.empty()) item->setExpanded(true);
    }
  };
  add(add, nullptr, rows, 0, true, QString());
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
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(kPeriodColumn, QHeaderView::Stretch);

  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(
      QCoreApplication::translate("Orvane", "Main periods, antardasas and pratyantardasas. The periods running today (%1) are "
                     "highlighted. Up and Down move, Right opens a period, Left closes it.")
          .arg(DasaDateText(today)),
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addWidget(tree_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  layout->addWidget(buttons);

  const int width = tree_->columnWidth(kPeriodColumn) + tree_->columnWidth(kStartColumn) +
                    tree_->columnWidth(kEndColumn) + 4 * metrics.averageCharWidth();
  PlaceWindow(this, QSize(std::max(width, 520), 640), QStringLiteral("DasaBrowser"));
  if (current) {
    tree_->setCurrentItem(current);
    tree_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
  } else if (tree_->topLevelItemCount() > 0) {
    tree_->setCurrentItem(tree_->topLevelItem(0));
  }
  tree_->setFocus();
}

}  // namespace orvane
