#include "app/yoga_window.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/chart_document.h"
#include "app/chart_view.h"
#include "app/window_place.h"
#include "compute/chart.h"
#include "compute/yoga_chart.h"
#include "display/terms.h"

namespace orvane {
namespace {

constexpr int kIndexRole = Qt::UserRole + 1;  // the yoga's place in found_

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Planets(const yoga::FoundYoga& y) {
  QStringList names;
  for (int i = 0; i < kGrahaCount; ++i) {
    if (y.bodies.Has(BodyAt(i))) names << TermText(yoga::BodyName(BodyAt(i)));
  }
  return names.join(QStringLiteral(", "));
}

}  // namespace

YogaWindow::YogaWindow(ChartView& view)
    : QDialog(&view), view_(&view), tree_(new QTreeWidget(this)), details_(new QPlainTextEdit(this)),
      heading_(new QLabel(this)) {
  setObjectName(QStringLiteral("yogaWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  heading_->setObjectName(QStringLiteral("yogaHeading"));
  heading_->setWordWrap(true);
  tree_->setObjectName(QStringLiteral("yogaTree"));
  tree_->setAccessibleName(QCoreApplication::translate("Orvane", "Yogas of the chart"));
  tree_->setColumnCount(3);
  tree_->setHeaderLabels({QCoreApplication::translate("Orvane", "Yoga"),
                          QCoreApplication::translate("Orvane", "Planets"),
                          QCoreApplication::translate("Orvane", "Houses")});
  // The names whole; the planets take what is left.
  tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tree_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  tree_->setUniformRowHeights(true);
  details_->setObjectName(QStringLiteral("yogaDetails"));
  details_->setAccessibleName(QCoreApplication::translate("Orvane", "Why the yoga holds"));
  details_->setReadOnly(true);
  details_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(tree_);
  splitter->addWidget(details_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(splitter, 1);
  layout->addWidget(buttons);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { ShowChosen(); });
  PlaceWindow(this, QSize(760, 700), QStringLiteral("Yogas"));
  Refresh();
}

void YogaWindow::Refresh() {
  if (!view_) return;
  const QString key = tree_->currentItem() && tree_->currentItem()->data(0, kIndexRole).isValid()
                          ? Q(found_[static_cast<std::size_t>(tree_->currentItem()->data(0, kIndexRole).toInt())].key)
                          : QString();
  found_ = yoga::FindYogas(YogaChartOf(Chart(view_->chart())));
  tree_->clear();
  for (int f = 0; f < yoga::kFamilyCount; ++f) {
    const auto family = static_cast<yoga::Family>(f);
    QTreeWidgetItem* group = nullptr;
    for (std::size_t i = 0; i < found_.size(); ++i) {
      const yoga::FoundYoga& y = found_[i];
      if (y.family != family) continue;
      if (!group) {
        group = new QTreeWidgetItem(tree_, {Q(yoga::FamilyName(family))});
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        group->setFlags(Qt::ItemIsEnabled);
        group->setExpanded(true);
      }
      QStringList houses;
      for (const int h : y.houses) houses << QString::number(h);
      auto* item = new QTreeWidgetItem(group, {y.cancelled ? tr("%1 (cancelled)").arg(Q(y.name)) : Q(y.name),
                                               Planets(y), houses.join(QStringLiteral(", "))});
      item->setData(0, kIndexRole, static_cast<int>(i));
      item->setToolTip(0, Q(y.key) + QStringLiteral(" \u2014 ") + Q(y.source));
      item->setToolTip(1, Planets(y));
      if (y.cancelled) item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
    }
  }
  const QString chart = view_->document().DisplayName();
  heading_->setText(tr("%1 \u2014 %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to "
                       "see why it holds; its planets are picked out in the chart.",
                       nullptr, static_cast<int>(found_.size()))
                        .arg(chart, view_->KindText()));
  setWindowTitle(tr("Yogas - %1").arg(chart));
  if (key.isEmpty() || !Select(key.toStdString())) {
    details_->clear();
    view_->HighlightBodies(BodySet());
  }
}

bool YogaWindow::Select(std::string_view key) {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    const QVariant index = (*it)->data(0, kIndexRole);
    if (index.isValid() && found_[static_cast<std::size_t>(index.toInt())].key == key) {
      tree_->setCurrentItem(*it);
      return true;
    }
  }
  return false;
}

void YogaWindow::ShowChosen() {
  if (!view_) return;
  QTreeWidgetItem* item = tree_->currentItem();
  if (!item || !item->data(0, kIndexRole).isValid()) {
    details_->clear();
    view_->HighlightBodies(BodySet());
    return;
  }
  const yoga::FoundYoga& y = found_[static_cast<std::size_t>(item->data(0, kIndexRole).toInt())];
  QString text = QStringLiteral("%1 (%2)\n%3\n\n").arg(Q(y.name), Q(y.key), Q(y.source)) +
                 tr("Planets: %1").arg(Planets(y)) + QStringLiteral("\n\n") + tr("Why it holds:") + QLatin1Char('\n');
  for (const yoga::Fact& c : y.conditions) text += QStringLiteral("  - ") + Q(c.text) + QLatin1Char('\n');
  if (!y.weakenings.empty()) {
    text +=
        QLatin1Char('\n') + (y.cancelled ? tr("Cancelled and weakened by:") : tr("Weakened by:")) + QLatin1Char('\n');
    for (const yoga::Fact& w : y.weakenings) text += QStringLiteral("  - ") + Q(w.text) + QLatin1Char('\n');
  }
  for (const yoga::YogaDescription& d : yoga::DescribeYogas()) {
    if (d.key != y.key) continue;
    text += QLatin1Char('\n') + tr("Rule: %1").arg(Q(d.rule)) + QLatin1Char('\n') + tr("Effect: %1").arg(Q(d.effect)) +
            QLatin1Char('\n');
    if (!d.variant.empty()) text += tr("Reading: %1").arg(Q(d.variant)) + QLatin1Char('\n');
  }
  details_->setPlainText(text);
  view_->HighlightBodies(y.bodies);
}

void YogaWindow::closeEvent(QCloseEvent* event) {
  if (view_) view_->HighlightBodies(BodySet());
  QDialog::closeEvent(event);
}

}  // namespace orvane
