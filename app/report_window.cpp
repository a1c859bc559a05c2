#include "app/report_window.h"

#include <QCoreApplication>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/chart_document.h"
#include "app/chart_view.h"
#include "app/window_place.h"
#include "compute/calculation_pass.h"
#include "report/sections.h"

namespace orvane {
namespace {

using S = ReportSection;
constexpr int N(S s) { return ToInt(s); }

constexpr std::array kChartSections = {N(S::kBasicInfo),         N(S::kPlanets),   N(S::kPlanetsShort),
                                       N(S::kTextCharts),        N(S::kDivisionalDegrees), N(S::kVimsopaka),
                                       N(S::kYogas)};
constexpr std::array kStrengthSections = {N(S::kShadbala), N(S::kShadbalaTotals)};
constexpr std::array kAshtakavargaSections = {N(S::kAshtakavarga), N(S::kSodyaPindas), N(S::kPrastaraSunMars),
                                              N(S::kPrastaraMercurySaturn)};
constexpr std::array kVimsottariSections = {N(S::kVimsottari), N(S::kAntardasas), N(S::kKakshya)};
constexpr std::array kNakshatraSections = {
    N(S::kYogini),        N(S::kKalachakra),       N(S::kAshtottari),      N(S::kTithiAshtottari),
    N(S::kTithiYogini),   N(S::kDwisaptatiSama),   N(S::kShatTrimsaSama),  N(S::kDwadasottari),
    N(S::kChaturasitiSama), N(S::kSatabdika),      N(S::kShodasottari),    N(S::kPanchottari),
    N(S::kShashtihayani)};
constexpr std::array kRasiDasaSections = {N(S::kChara),   N(S::kMoola),    N(S::kNarayana),
                                          N(S::kSudasa),  N(S::kDrigdasa), N(S::kShoola)};
constexpr std::array kTajakaSections = {N(S::kPatyayini),      N(S::kMudda),  N(S::kVarshaYogini),
                                        N(S::kNatalPatyayini), N(S::kSahams), N(S::kPanchaVargeeya),
                                        N(S::kTajakaYogas)};
constexpr std::array kMundaneSections = {N(S::kMundaneVimsottari), N(S::kMundaneYogini)};

constexpr std::array<ReportTopic, 8> kTopics = {{
    {QT_TRANSLATE_NOOP("Orvane", "The chart"), kChartSections},
    {QT_TRANSLATE_NOOP("Orvane", "Strengths"), kStrengthSections},
    {QT_TRANSLATE_NOOP("Orvane", "Ashtakavarga"), kAshtakavargaSections},
    {QT_TRANSLATE_NOOP("Orvane", "Vimsottari dasa"), kVimsottariSections},
    {QT_TRANSLATE_NOOP("Orvane", "Other nakshatra dasas"), kNakshatraSections},
    {QT_TRANSLATE_NOOP("Orvane", "Jaimini rasi dasas"), kRasiDasaSections},
    {QT_TRANSLATE_NOOP("Orvane", "Tajaka (annual chart)"), kTajakaSections},
    {QT_TRANSLATE_NOOP("Orvane", "Mundane charts"), kMundaneSections},
}};

constexpr int kSectionRole = Qt::UserRole + 1;

// Why a section has no text for a chart of this kind (empty: it has).
QString NoTextReason(int section, bool tajaka) {
  switch (ChartsOfSection(section)) {
    case SectionCharts::kAll:
      return {};
    case SectionCharts::kNatal:
      return tajaka ? QCoreApplication::translate(
                          "Orvane",
                          "This section is written for the birth chart only: Tajaka > Back to birthchart "
                          "shows it.")
                    : QString();
    case SectionCharts::kTajaka:
      return tajaka ? QString()
                    : QCoreApplication::translate(
                          "Orvane",
                          "This section is written for a Tajaka chart only: choose the year with Tajaka > "
                          "Tajaka varsha chakra.");
    case SectionCharts::kMundane:
      return QCoreApplication::translate(
          "Orvane",
          "This section is written for a mundane chart only (orvane-cli --mundane DAYS); the "
          "desktop program does not cast mundane charts.");
    case SectionCharts::kNone:
      break;
  }
  return QStringLiteral("Nothing is written under this section number yet: orvane-cli prints no text for it either.");
}

}  // namespace

std::span<const ReportTopic> ReportTopics() { return kTopics; }

ReportWindow::ReportWindow(ChartView& view)
    : QDialog(&view),
      view_(&view),
      list_(new QListWidget(this)),
      text_(new QPlainTextEdit(this)),
      heading_(new QLabel(this)),
      command_(new QLabel(this)) {
  setObjectName(QStringLiteral("reportWindow"));
  setAttribute(Qt::WA_DeleteOnClose);

  // The list: each topic's name, then its sections by title.
  list_->setObjectName(QStringLiteral("sectionList"));
  list_->setAccessibleName(QCoreApplication::translate("Orvane", "Report sections"));
  QFont topicFont = list_->font();
  topicFont.setBold(true);
  for (const ReportTopic& topic : kTopics) {
    auto* item = new QListWidgetItem(QCoreApplication::translate("Orvane", topic.title.data()), list_);
    item->setFont(topicFont);
    item->setFlags(Qt::ItemIsEnabled);  // a heading: not chosen
    for (int section : topic.sections) {
      const std::string_view title = kReportSections[static_cast<std::size_t>(section)].title;
      auto* entry = new QListWidgetItem(
          QStringLiteral("   ") + QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())), list_);
      entry->setData(kSectionRole, section);
    }
  }
  // Another chart on the view (a Tajaka year, the birth chart again, another
  // engine) is written again; an unchanged text stays as it is.
  connect(&view, &ChartView::screenComposed, this, &ReportWindow::Refresh);
  connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item && item->data(kSectionRole).isValid()) ShowSection(item->data(kSectionRole).toInt());
  });

  // The text: read-only, selectable and copyable, in a fixed-width font
  // (the sections are laid out in columns), never wrapped.
  text_->setObjectName(QStringLiteral("sectionText"));
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  heading_->setObjectName(QStringLiteral("sectionHeading"));
  heading_->setWordWrap(true);
  QFont headingFont = heading_->font();
  headingFont.setBold(true);
  heading_->setFont(headingFont);
  command_->setObjectName(QStringLiteral("sectionCommand"));
  command_->setWordWrap(true);
  command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  command_->setToolTip(QStringLiteral("The orvane-cli command that prints this text"));

  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(heading_);
  rightLayout->addWidget(text_, 1);
  rightLayout->addWidget(command_);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(list_);
  splitter->addWidget(right);
  // A smaller window takes room from both, most from the text.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 3);
  splitter->setChildrenCollapsible(false);
  int listWidth = 0;
  const QFontMetrics metrics(topicFont);
  for (int i = 0; i < list_->count(); ++i) listWidth = std::max(listWidth, metrics.horizontalAdvance(list_->item(i)->text()));
  listWidth += 3 * metrics.averageCharWidth() + list_->verticalScrollBar()->sizeHint().width();
  list_->setMinimumWidth(std::min(listWidth, 200));
  splitter->setSizes({listWidth, 700});

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* copy =
      buttons->addButton(QCoreApplication::translate("Orvane", "&Copy section"), QDialogButtonBox::ActionRole);
  copy->setObjectName(QStringLiteral("copySection"));
  connect(copy, &QPushButton::clicked, this, &ReportWindow::CopyText);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addWidget(buttons);

  // Wide enough for the widest sections (about 80 columns) beside the list.
  const QFontMetrics fixed(text_->font());
  const int textWidth = fixed.horizontalAdvance(QString(82, QLatin1Char('0'))) + 40;
  PlaceWindow(this, QSize(listWidth + textWidth + 40, 720), QStringLiteral("ReportSections"));
}

void ReportWindow::ShowSection(int section) {
  if (section < 0 || section >= kReportSectionCount) return;
  if (section_ != section) {
    section_ = section;
    text_->clear();  // another section starts at its top
    for (int i = 0; i < list_->count(); ++i) {
      QListWidgetItem* item = list_->item(i);
      if (item->data(kSectionRole).isValid() && item->data(kSectionRole).toInt() == section) {
        if (list_->currentItem() != item) list_->setCurrentItem(item);
        list_->scrollToItem(item);
        break;
      }
    }
  }
  Refresh();
}

void ReportWindow::Refresh() {
  if (!view_ || section_ < 0) return;
  const QString chart = view_->document().DisplayName();
  const std::string_view title = kReportSections[static_cast<std::size_t>(section_)].title;
  const QString sectionTitle = QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
  setWindowTitle(tr("Report sections - %1").arg(chart));
  heading_->setText(QStringLiteral("%1 \u2014 %2, %3").arg(sectionTitle, chart, view_->KindText()));
  // Sections without text for this chart are shown grey, saying why.
  const bool tajaka = view_->tajakaMode();
  const QBrush plain = list_->palette().brush(QPalette::Text);
  const QBrush grey = list_->palette().brush(QPalette::Disabled, QPalette::Text);
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    if (!item->data(kSectionRole).isValid()) continue;
    const int section = item->data(kSectionRole).toInt();
    const QString reason = NoTextReason(section, tajaka);
    item->setForeground(reason.isEmpty() ? plain : grey);
    const std::string_view name = kReportSections[static_cast<std::size_t>(section)].name;
    item->setToolTip(QStringLiteral("--section %1").arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))) +
                     (reason.isEmpty() ? QString() : QStringLiteral("\n") + reason));
  }
  const QString reason = NoTextReason(section_, tajaka);
  text_->setPlaceholderText(reason.isEmpty() ? tr("This section has no text for this chart.") : reason);
  const int line = text_->verticalScrollBar()->value();
  const QString text = view_->SectionReport(section_);
  if (text != sectionText_ || text_->document()->isEmpty() != text.isEmpty()) {
    sectionText_ = text;
    text_->setPlainText(text);
    // The same section again (new preferences, say): the reader keeps the place.
    text_->verticalScrollBar()->setValue(line);
  }
  command_->setText(view_->SectionCommand(section_));
}

void ReportWindow::CopyText() {
  const QString selected = text_->textCursor().selectedText();
  // The selection when there is one (its paragraph marks as line ends),
  // else the whole section as written.
  if (selected.isEmpty()) {
    QApplication::clipboard()->setText(sectionText_);
    return;
  }
  QString copied = selected;
  copied.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  QApplication::clipboard()->setText(copied);
}

}  // namespace orvane
