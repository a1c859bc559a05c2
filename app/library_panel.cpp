#include "app/library_panel.h"

#include <QCoreApplication>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

#include "app/chart_document.h"
#include "app/chart_view.h"
#include "app/main_frame.h"
#include "compute/chart.h"
#include "io/chart_file.h"
#include "io/settings.h"
#include "library/chart_facts.h"
#include "library/query.h"

namespace orvane {
namespace {

constexpr int kIdRole = Qt::UserRole + 1;
constexpr std::size_t kListed = 2000;  // rows shown at most

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "1970-04-04 17:50" from file units (hours + minutes/100 + seconds/6000).
QString Born(const BirthData& b) {
  const int hour = static_cast<int>(b.time);
  const long minutes = std::min(std::lround((b.time - hour) * 6000) / 60, 59L);
  return QStringLiteral("%1-%2-%3 %4:%5")
      .arg(static_cast<int>(b.year), 4, 10, QLatin1Char('0'))
      .arg(static_cast<int>(b.month), 2, 10, QLatin1Char('0'))
      .arg(static_cast<int>(b.day), 2, 10, QLatin1Char('0'))
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(static_cast<int>(minutes), 2, 10, QLatin1Char('0'));
}

// Text that reads as a query rather than a name.
bool LooksLikeQuery(const QString& text) {
  for (const char* mark : {"==", "!=", "<", ">", " in [", "has_yoga(", "tag(", "not "}) {
    if (text.contains(QLatin1String(mark))) return true;
  }
  return false;
}

}  // namespace

LibraryPanel::LibraryPanel(CMainFrame& frame, const Settings& settings, QString path)
    : QDockWidget(QCoreApplication::translate("Orvane", "Chart library"), &frame),
      frame_(frame),
      settings_(settings),
      path_(std::move(path)),
      search_(new QLineEdit),
      table_(new QTableWidget(0, 4)),
      tags_(new QLineEdit),
      notes_(new QPlainTextEdit),
      events_(new QListWidget),
      event_(new QLineEdit),
      status_(new QLabel) {
  setObjectName(QStringLiteral("libraryPanel"));
  setAcceptDrops(true);
  search_->setObjectName(QStringLiteral("librarySearch"));
  search_->setPlaceholderText(QCoreApplication::translate("Orvane", "Name, or a query: moon.sign == \"Scorpio\""));
  search_->setClearButtonEnabled(true);
  search_->setAccessibleName(QCoreApplication::translate("Orvane", "Search the library"));
  table_->setObjectName(QStringLiteral("libraryTable"));
  table_->setHorizontalHeaderLabels(
      {QCoreApplication::translate("Orvane", "Name"), QCoreApplication::translate("Orvane", "Born"),
       QCoreApplication::translate("Orvane", "Place"), QCoreApplication::translate("Orvane", "Tags")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSortingEnabled(true);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setAccessibleName(QCoreApplication::translate("Orvane", "Charts of the library"));
  tags_->setObjectName(QStringLiteral("libraryTags"));
  tags_->setPlaceholderText(QCoreApplication::translate("Orvane", "client, family"));
  notes_->setObjectName(QStringLiteral("libraryNotes"));
  notes_->setMaximumHeight(110);
  events_->setObjectName(QStringLiteral("libraryEvents"));
  events_->setAccessibleName(QCoreApplication::translate("Orvane", "Life events of the chart"));
  events_->setMaximumHeight(90);
  event_->setObjectName(QStringLiteral("libraryEvent"));
  event_->setPlaceholderText(QCoreApplication::translate("Orvane", "marriage 1995-05-01 in Chennai"));
  status_->setObjectName(QStringLiteral("libraryStatus"));
  status_->setWordWrap(true);

  auto* open = new QPushButton(QCoreApplication::translate("Orvane", "&Open"));
  auto* save = new QPushButton(QCoreApplication::translate("Orvane", "Save &tags and notes"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addStretch(1);
  buttons->addWidget(save);
  auto* details = new QFormLayout;
  details->addRow(QCoreApplication::translate("Orvane", "Tags:"), tags_);
  details->addRow(QCoreApplication::translate("Orvane", "Notes:"), notes_);
  details->addRow(QCoreApplication::translate("Orvane", "Events:"), events_);
  auto* addEvent = new QPushButton(QCoreApplication::translate("Orvane", "Add &event"));
  auto* eventRow = new QHBoxLayout;
  eventRow->addWidget(event_, 1);
  eventRow->addWidget(addEvent);
  details->addRow(QString(), eventRow);
  connect(addEvent, &QPushButton::clicked, this, [this] { AddEvent(); });
  connect(event_, &QLineEdit::returnPressed, this, [this] { AddEvent(); });

  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->addWidget(search_);
  layout->addWidget(table_, 1);
  layout->addLayout(details);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  setWidget(body);

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { Search(text); });
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { ShowChosen(); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OpenChart(ChosenId()); });
  connect(open, &QPushButton::clicked, this, [this] { OpenChart(ChosenId()); });
  connect(save, &QPushButton::clicked, this, [this] { SaveDetails(); });
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool shown) {
    if (shown && EnsureOpen() && table_->rowCount() == 0) Search(search_->text());
  });
}

bool LibraryPanel::EnsureOpen() {
  if (db_.IsOpen()) return true;
  std::string error;
  if (!db_.Open(path_.toStdString(), &error)) {
    status_->setText(tr("The library cannot be opened: %1").arg(Q(error)));
    return false;
  }
  status_->setText(tr("%1: %n chart(s). Drag chart files here to add them.", nullptr, static_cast<int>(db_.Count()))
                       .arg(QFileInfo(path_).fileName()));
  return true;
}

void LibraryPanel::Search(const QString& text) {
  if (!EnsureOpen()) return;
  std::vector<library::ChartEntry> found;
  const QString trimmed = text.trimmed();
  if (LooksLikeQuery(trimmed)) {
    library::CompiledQuery query;
    std::string error;
    if (!library::CompileQuery(trimmed.toStdString(), query, &error) ||
        !db_.Where(query, [&](const library::ChartEntry& e) {
          if (found.size() < kListed) found.push_back(e);
        }, &error)) {
      status_->setText(tr("Query: %1").arg(Q(error)));
      return;
    }
  } else if (trimmed.isEmpty()) {
    std::string error;
    db_.Where(library::CompiledQuery(), [&](const library::ChartEntry& e) {
      if (found.size() < kListed) found.push_back(e);
    }, &error);
  } else {
    found = db_.FindByName(trimmed.toStdString(), kListed);
  }
  table_->setSortingEnabled(false);
  table_->setRowCount(static_cast<int>(found.size()));
  for (int row = 0; row < static_cast<int>(found.size()); ++row) {
    const library::ChartEntry& e = found[static_cast<std::size_t>(row)];
    QStringList tags;
    for (const std::string& t : e.tags) tags << Q(t);
    const QStringList cells = {Q(e.name), Born(e.birth), Q(e.place), tags.join(QStringLiteral(", "))};
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setData(kIdRole, QVariant::fromValue<qlonglong>(e.id));
      table_->setItem(row, column, item);
    }
  }
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
  status_->setText(tr("%1 of %n chart(s)", nullptr, static_cast<int>(db_.Count())).arg(found.size()));
}

std::int64_t LibraryPanel::ChosenId() const {
  const QList<QTableWidgetItem*> chosen = table_->selectedItems();
  return chosen.isEmpty() ? 0 : chosen.first()->data(kIdRole).toLongLong();
}

void LibraryPanel::ShowChosen() {
  library::ChartEntry e;
  if (!db_.IsOpen() || !db_.Get(ChosenId(), e)) {
    tags_->clear();
    notes_->clear();
    events_->clear();
    return;
  }
  QStringList tags;
  for (const std::string& t : e.tags) tags << Q(t);
  tags_->setText(tags.join(QStringLiteral(", ")));
  notes_->setPlainText(Q(e.notes));
  events_->clear();
  for (const library::ChartEvent& ev : db_.Events(e.id)) {
    events_->addItem(QStringLiteral("%1  %2  %3").arg(Q(ev.date), Q(ev.kind), Q(ev.note)).trimmed());
  }
}

bool LibraryPanel::AddEvent() {
  const std::int64_t id = ChosenId();
  const QStringList words = event_->text().simplified().split(QLatin1Char(' '));
  const QDate date = words.size() >= 2 ? QDate::fromString(words[1], Qt::ISODate) : QDate();
  if (id == 0 || words.size() < 2 || words[0].isEmpty() || !date.isValid()) {
    status_->setText(tr("An event is a kind, a date and a note: marriage 1995-05-01 in Chennai."));
    return false;
  }
  library::ChartEvent event;
  event.chart = id;
  event.kind = words[0].toStdString();
  event.date = date.toString(Qt::ISODate).toStdString();
  event.note = QStringList(words.mid(2)).join(QLatin1Char(' ')).toStdString();
  std::string error;
  if (!EnsureOpen() || db_.AddEvent(event, &error) == 0) {
    status_->setText(tr("Not added: %1").arg(Q(error)));
    return false;
  }
  event_->clear();
  ShowChosen();
  status_->setText(tr("Event added."));
  return true;
}

bool LibraryPanel::SaveDetails() {
  const std::int64_t id = ChosenId();
  library::ChartEntry e;
  if (!EnsureOpen() || !db_.Get(id, e)) return false;
  std::vector<std::string> wanted;
  for (const QString& t : tags_->text().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    if (!t.trimmed().isEmpty()) wanted.push_back(t.trimmed().toStdString());
  }
  std::string error;
  bool ok = db_.Begin(&error);
  for (const std::string& t : e.tags) {
    if (ok && std::find(wanted.begin(), wanted.end(), t) == wanted.end()) ok = db_.RemoveTag(id, t, &error);
  }
  for (const std::string& t : wanted) {
    if (ok && std::find(e.tags.begin(), e.tags.end(), t) == e.tags.end()) ok = db_.AddTag(id, t, &error);
  }
  ok = ok && db_.SetNotes(id, notes_->toPlainText().toStdString(), &error) && db_.Commit(&error);
  if (!ok) {
    db_.Rollback();
    status_->setText(tr("Not saved: %1").arg(Q(error)));
    return false;
  }
  status_->setText(tr("Tags and notes of %1 saved.").arg(Q(e.name)));
  Search(search_->text());
  return true;
}

std::int64_t LibraryPanel::Add(library::ChartEntry entry) {
  if (!EnsureOpen()) return 0;
  const std::optional<Chart> chart = ComputeChart(entry.birth, ChartOptions{}, settings_);
  if (!chart) {
    status_->setText(tr("%1: the birth data cannot be cast.").arg(Q(entry.name)));
    return 0;
  }
  std::string error;
  const std::int64_t id = db_.Add(entry, library::FactsOf(*chart), library::FactsKey(settings_), &error);
  status_->setText(id ? tr("%1 added to the library.").arg(Q(entry.name)) : tr("Not added: %1").arg(Q(error)));
  if (id) Search(search_->text());
  return id;
}

std::int64_t LibraryPanel::AddFile(const QString& path) {
  std::string bytes, error;
  if (!ReadChartImage(path.toStdString(), bytes, &error)) {
    status_->setText(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), Q(error)));
    return 0;
  }
  const ChartValidation valid = ValidateChartImage(bytes);
  if (!valid.ok) {
    status_->setText(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), Q(valid.message)));
    return 0;
  }
  const ChartLabels labels = ReadChartLabels(bytes);
  library::ChartEntry e;
  e.name = labels.name.empty() ? QFileInfo(path).completeBaseName().toStdString() : labels.name;
  e.birth = valid.birth;
  e.place = labels.place;
  e.zoneId = labels.zone;
  e.source = QFileInfo(path).fileName().toStdString();
  return Add(std::move(e));
}

std::int64_t LibraryPanel::SaveChart(ChartView& view) {
  const ChartLabels labels = view.document().Labels();
  library::ChartEntry e;
  // A chart without a person's name is named after its file ("default").
  e.name = labels.name.empty() ? QFileInfo(view.document().DisplayName()).completeBaseName().toStdString() : labels.name;
  e.birth = view.chart().birth;
  e.place = labels.place;
  e.zoneId = labels.zone;
  e.source = view.document().pathName().isEmpty() ? std::string("desktop")
                                                   : QFileInfo(view.document().pathName()).fileName().toStdString();
  return Add(std::move(e));
}

ChartView* LibraryPanel::OpenChart(std::int64_t id) {
  library::ChartEntry e;
  if (id == 0 || !EnsureOpen() || !db_.Get(id, e)) return nullptr;
  ChartDocument* doc = frame_.OnFileNew();
  if (!doc) return nullptr;
  ChartView* view = frame_.activeView();
  if (!view) return nullptr;
  const std::string image = FormatChartDataFile(e.birth) + FormatChartLabels({e.name, e.place, e.zoneId});
  view->ShowBirthData(QByteArray(image.data(), static_cast<qsizetype>(image.size())));
  return view;
}

void LibraryPanel::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void LibraryPanel::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) AddFile(url.toLocalFile());
  }
  event->acceptProposedAction();
}

}  // namespace orvane
