#include "app/panchanga_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cmath>
#include <string_view>

#include "engine/calendar.h"
#include "io/settings.h"
#include "display/terms.h"
#include "panchanga/festivals.h"
#include "places/place_table.h"
#include "places/zone_time.h"

namespace orvane {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const char* const kMonthNames[] = {QT_TRANSLATE_NOOP("PanchangaWindow", "January"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "February"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "March"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "April"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "May"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "June"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "July"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "August"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "September"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "October"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "November"),
                                   QT_TRANSLATE_NOOP("PanchangaWindow", "December")};
const char* const kWeekdayNames[] = {
    QT_TRANSLATE_NOOP("PanchangaWindow", "Sun"), QT_TRANSLATE_NOOP("PanchangaWindow", "Mon"),
    QT_TRANSLATE_NOOP("PanchangaWindow", "Tue"), QT_TRANSLATE_NOOP("PanchangaWindow", "Wed"),
    QT_TRANSLATE_NOOP("PanchangaWindow", "Thu"), QT_TRANSLATE_NOOP("PanchangaWindow", "Fri"),
    QT_TRANSLATE_NOOP("PanchangaWindow", "Sat")};

QString Tr(const char* text) { return QCoreApplication::translate("PanchangaWindow", text); }

// A tithi, a sign and a yoga in the language shown; in English (no term
// translated) the panchanga's own spellings.
QString TermOr(const QString& term, std::string_view own) {
  return term.isEmpty() ? QString::fromLatin1(own.data(), static_cast<qsizetype>(own.size())) : term;
}
QString Tithi(int index) { return TermOr(TithiTerm(index), TithiNameOf(index)); }
QString Sign(int index) { return TermOr(TranslatedSignTerm(index), SignNameOf(index)); }
QString Yoga(int index) { return TermOr(YogaTerm(index), YogaNameOf(index)); }

const QColor kInk(0x20, 0x24, 0x2c);
const QColor kMuted(0x5c, 0x63, 0x70);
const QColor kSunday(0xb0, 0x26, 0x26);
const QColor kFestival(0xa8, 0x4a, 0x00);
const QColor kObservance(0x1f, 0x6f, 0x78);
const QColor kTodayFill(0xff, 0xf4, 0xc8);
const QColor kSelected(0x2a, 0x5d, 0xb0);
const QColor kLine(0xc8, 0xcd, 0xd6);
const QColor kHeaderFill(0xee, 0xf1, 0xf6);

// The monthly observances, told apart from the festivals by colour.
bool IsMonthly(const std::string& name) {
  return name.rfind("Ekadashi", 0) == 0 || name == "Purnima" || name == "Amavasya" || name == "Pradosha" ||
         name == "Sankashti Chaturthi" || name == "Masik Shivaratri";
}

int DaysInMonth(int year, int month) { return QDate(year, month, 1).daysInMonth(); }

}  // namespace

// ---------------------------------------------------------------------------

PanchangaMonthGrid::PanchangaMonthGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setObjectName(QStringLiteral("panchangaMonthGrid"));
  setAutoFillBackground(true);
}

void PanchangaMonthGrid::SetMonth(int year, int month, const std::vector<PanchangaDay>* days, QDate today) {
  year_ = year;
  month_ = month;
  days_ = days;
  today_ = today;
  selected_ = std::min(selected_, DaysInMonth(year, month));
  update();
}

void PanchangaMonthGrid::SetSelected(int day) {
  day = std::clamp(day, 1, DaysInMonth(year_, month_));
  if (day == selected_) return;
  selected_ = day;
  update();
  emit daySelected(day);
}

void PanchangaMonthGrid::Paint(QPainter& p, const QRectF& area, bool markSelected) const {
  const QDate first(year_, month_, 1);
  const int lead = first.dayOfWeek() % 7;  // Sunday first
  const int count = first.daysInMonth();
  const int rows = (lead + count + 6) / 7;
  const double headerH = std::max(18.0, area.height() * 0.05);
  const double cellW = area.width() / 7, cellH = (area.height() - headerH) / rows;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(area, Qt::white);
  // Weekday names.
  QFont header = p.font();
  header.setPixelSize(static_cast<int>(std::max(9.0, headerH * 0.5)));
  header.setBold(true);
  p.setFont(header);
  p.fillRect(QRectF(area.left(), area.top(), area.width(), headerH), kHeaderFill);
  for (int c = 0; c < 7; ++c) {
    p.setPen(c == 0 ? kSunday : kInk);
    p.drawText(QRectF(area.left() + c * cellW, area.top(), cellW, headerH), Qt::AlignCenter, Tr(kWeekdayNames[c]));
  }
  QFont number = p.font();
  number.setPixelSize(static_cast<int>(std::clamp(cellH * 0.2, 10.0, cellH * 0.3)));
  number.setBold(true);
  QFont small = p.font();
  small.setBold(false);
  small.setPixelSize(static_cast<int>(std::max(8.0, std::min(cellH * 0.11, cellW * 0.085))));
  const double pad = std::max(3.0, cellW * 0.04);
  for (int d = 1; d <= count; ++d) {
    const int index = lead + d - 1;
    const QRectF cell(area.left() + (index % 7) * cellW, area.top() + headerH + (index / 7) * cellH, cellW, cellH);
    const bool today = today_ == QDate(year_, month_, d);
    if (today) p.fillRect(cell, kTodayFill);
    p.setPen(QPen(kLine, 1));
    p.drawRect(cell);
    // The day's number, and "today" beside it.
    p.setFont(number);
    p.setPen(index % 7 == 0 ? kSunday : kInk);
    const QRectF inner = cell.adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
    p.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(d));
    if (today) {
      p.setFont(small);
      p.setPen(kFestival);
      p.drawText(inner, Qt::AlignRight | Qt::AlignTop, Tr(QT_TRANSLATE_NOOP("PanchangaWindow", "today")));
    }
    if (!days_ || static_cast<std::size_t>(d - 1) >= days_->size()) continue;
    const PanchangaDay& day = (*days_)[static_cast<std::size_t>(d - 1)];
    p.setFont(small);
    const QFontMetricsF fm(small);
    double y = inner.top() + QFontMetricsF(number).height() + fm.height() * 0.1;
    auto line = [&](const QString& text, const QColor& colour) {
      if (y + fm.height() > inner.bottom() + 1) return;
      p.setPen(colour);
      p.drawText(QRectF(inner.left(), y, inner.width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 fm.elidedText(text, Qt::ElideRight, inner.width()));
      y += fm.height();
    };
    if (!day.tithis.empty()) line(Tithi(day.tithis.front().index), kInk);
    if (!day.nakshatras.empty()) line(NakshatraTerm(day.nakshatras.front().index), kMuted);
    for (const std::string& name : day.observances) line(Q(name), IsMonthly(name) ? kObservance : kFestival);
  }
  // The selected day, on top of its neighbours' lines.
  if (markSelected && selected_ >= 1 && selected_ <= count) {
    const int index = lead + selected_ - 1;
    const QRectF cell(area.left() + (index % 7) * cellW, area.top() + headerH + (index / 7) * cellH, cellW, cellH);
    p.setPen(QPen(kSelected, std::max(2.0, cellW * 0.015)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(1, 1, -1, -1));
  }
  p.restore();
}

int PanchangaMonthGrid::DayAt(const QPointF& point, const QRectF& area) const {
  const QDate first(year_, month_, 1);
  const int lead = first.dayOfWeek() % 7;
  const int count = first.daysInMonth();
  const int rows = (lead + count + 6) / 7;
  const double headerH = std::max(18.0, area.height() * 0.05);
  const double cellW = area.width() / 7, cellH = (area.height() - headerH) / rows;
  if (point.y() < area.top() + headerH) return 0;
  const int col = static_cast<int>((point.x() - area.left()) / cellW);
  const int row = static_cast<int>((point.y() - area.top() - headerH) / cellH);
  const int day = row * 7 + col - lead + 1;
  return day >= 1 && day <= count ? day : 0;
}

void PanchangaMonthGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p, QRectF(rect()).adjusted(0, 0, -1, -1));
}

void PanchangaMonthGrid::mousePressEvent(QMouseEvent* event) {
  const int day = DayAt(event->position(), QRectF(rect()).adjusted(0, 0, -1, -1));
  if (day > 0) SetSelected(day);
  setFocus();
}

void PanchangaMonthGrid::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      SetSelected(selected_ - 1);
      break;
    case Qt::Key_Right:
      SetSelected(selected_ + 1);
      break;
    case Qt::Key_Up:
      SetSelected(selected_ - 7);
      break;
    case Qt::Key_Down:
      SetSelected(selected_ + 7);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

// ---------------------------------------------------------------------------

PanchangaWindow::PanchangaWindow(const Settings& settings, QDate today, QWidget* parent)
    : QDialog(parent), settings_(settings), today_(today) {
  setObjectName(QStringLiteral("panchangaWindow"));
  setWindowTitle(tr("Panchanga calendar"));
  // The preferences' default location, at its fixed zone offset.
  place_.longitude = -DecToDeg(settings.defaultLongitude);
  place_.latitude = DecToDeg(settings.defaultLatitude);
  zone_ = FixedOffset(static_cast<int>(std::lround(-DecToDeg(settings.defaultZone) * 3600)));
  placeName_ = tr("the default location");

  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto button = [&](const QString& text, const QString& tip, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setToolTip(tip);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    bar->addWidget(b);
    return b;
  };
  QPushButton* prevYear = button(tr("<< Year"), tr("The same month a year earlier"), "previousYear");
  QPushButton* prevMonth = button(tr("< Month"), tr("The month before"), "previousMonth");
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("panchangaHeading"));
  heading_->setAlignment(Qt::AlignCenter);
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  heading_->setFont(big);
  heading_->setMinimumWidth(220);
  bar->addWidget(heading_, 1);
  QPushButton* nextMonth = button(tr("Month >"), tr("The month after"), "nextMonth");
  QPushButton* nextYear = button(tr("Year >>"), tr("The same month a year later"), "nextYear");
  QPushButton* todayButton = button(tr("&Today"), tr("Back to today's month"), "todayButton");
  layout->addLayout(bar);

  auto* placeBar = new QHBoxLayout;
  auto* placeLabel = new QLabel(tr("&Place:"), this);
  placeEdit_ = new QLineEdit(this);
  placeEdit_->setObjectName(QStringLiteral("placeEdit"));
  placeEdit_->setPlaceholderText(tr("A place such as \"Chennai, Tamil Nadu, IN\" (the default location when empty)"));
  placeLabel->setBuddy(placeEdit_);
  placeBar->addWidget(placeLabel);
  placeBar->addWidget(placeEdit_, 1);
  auto* setPlace = new QPushButton(tr("Set place"), this);
  setPlace->setAutoDefault(false);
  placeBar->addWidget(setPlace);
  auto* print = new QPushButton(tr("&Print..."), this);
  print->setAutoDefault(false);
  auto* exportButton = new QPushButton(tr("&Export..."), this);
  exportButton->setAutoDefault(false);
  exportButton->setToolTip(tr("Save the month as a PDF file or a PNG image"));
  placeBar->addWidget(print);
  placeBar->addWidget(exportButton);
  layout->addLayout(placeBar);

  auto* split = new QSplitter(Qt::Horizontal, this);
  grid_ = new PanchangaMonthGrid(split);
  detail_ = new QTextBrowser(split);
  detail_->setObjectName(QStringLiteral("panchangaDetail"));
  detail_->setMinimumWidth(300);
  split->addWidget(grid_);
  split->addWidget(detail_);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  layout->addWidget(split, 1);

  connect(prevYear, &QPushButton::clicked, this, [this] { StepMonths(-12); });
  connect(prevMonth, &QPushButton::clicked, this, [this] { StepMonths(-1); });
  connect(nextMonth, &QPushButton::clicked, this, [this] { StepMonths(1); });
  connect(nextYear, &QPushButton::clicked, this, [this] { StepMonths(12); });
  connect(todayButton, &QPushButton::clicked, this, [this] {
    SetMonth(today_.year(), today_.month());
    SelectDay(today_.day());
  });
  auto applyPlace = [this] {
    QString error;
    if (!SetPlace(placeEdit_->text(), &error)) QMessageBox::warning(this, tr("Panchanga calendar"), error);
  };
  connect(setPlace, &QPushButton::clicked, this, applyPlace);
  connect(placeEdit_, &QLineEdit::returnPressed, this, applyPlace);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
  connect(grid_, &PanchangaMonthGrid::daySelected, this, [this](int) { ShowDay(); });

  resize(1180, 720);
  year_ = today.year();
  month_ = today.month();
  Recompute();
  SelectDay(today.day());
}

QString PanchangaWindow::title() const {
  return tr("%1 %2 at %3").arg(Tr(kMonthNames[month_ - 1])).arg(year_).arg(placeName_);
}

void PanchangaWindow::SetMonth(int year, int month) {
  year_ = std::clamp(year, kPanchangaFirstYear, kPanchangaLastYear);
  month_ = std::clamp(month, 1, 12);
  Recompute();
}

void PanchangaWindow::StepMonths(int months) {
  const int index = year_ * 12 + (month_ - 1) + months;
  SetMonth(index / 12, index % 12 + 1);
}

void PanchangaWindow::SelectDay(int day) {
  grid_->SetSelected(day);
  ShowDay();
}

bool PanchangaWindow::SetPlace(const QString& query, QString* error) {
  if (query.trimmed().isEmpty()) {
    place_.longitude = -DecToDeg(settings_.defaultLongitude);
    place_.latitude = DecToDeg(settings_.defaultLatitude);
    zone_ = FixedOffset(static_cast<int>(std::lround(-DecToDeg(settings_.defaultZone) * 3600)));
    placeName_ = tr("the default location");
    zoneName_.clear();
    Recompute();
    return true;
  }
  PlaceTable table;
  std::string message;
  if (!LoadPlaceTable(table, &message)) {
    if (error) *error = QString::fromStdString(message);
    return false;
  }
  const std::vector<std::size_t> found = table.Search(query.toStdString(), 1);
  if (found.empty()) {
    if (error) *error = tr("No place is called \"%1\".").arg(query);
    return false;
  }
  const Place p = table.at(found.front());
  const std::string zone(p.zone);
  ZoneOffset probe;
  if (!OffsetAtInstant(zone, 0, probe, &message)) {
    if (error) *error = QString::fromStdString(message);
    return false;
  }
  place_ = {p.longitude, p.latitude};
  zone_ = [zone](std::int64_t unixSeconds, int& offset) {
    ZoneOffset z;
    if (!OffsetAtInstant(zone, unixSeconds, z, nullptr)) return false;
    offset = z.offsetSeconds;
    return true;
  };
  placeName_ = Q(p.name) + (p.admin1.empty() ? QString() : QStringLiteral(", ") + Q(p.admin1)) +
               QStringLiteral(", ") + Q(p.country);
  zoneName_ = Q(p.zone);
  Recompute();
  return true;
}

void PanchangaWindow::Recompute() {
  PanchangaRequest request;
  request.engine = EngineSettingsOf(settings_);
  request.place = place_;
  request.zone = zone_;
  // A day on either side: the festival rules read the neighbouring days.
  const std::int64_t first = GregorianDayCount(year_, month_, 1);
  const std::int64_t last = first + DaysInMonth(year_, month_) - 1;
  GregorianFromDayCount(first - 1, request.firstYear, request.firstMonth, request.firstDay);
  GregorianFromDayCount(last + 1, request.lastYear, request.lastMonth, request.lastDay);
  std::string error;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ok = ComputePanchanga(request, days_, &error);
  QApplication::restoreOverrideCursor();
  if (ok) {
    AddObservances(days_);
    days_.erase(days_.begin());
    days_.pop_back();
    error_.clear();
  } else {
    days_.clear();
    error_ = QString::fromStdString(error);
  }
  heading_->setText(tr("%1 %2, %3").arg(Tr(kMonthNames[month_ - 1])).arg(year_).arg(placeName_));
  setWindowTitle(tr("Panchanga calendar - %1").arg(title()));
  grid_->SetMonth(year_, month_, &days_, today_);
  ShowDay();
}

void PanchangaWindow::ShowDay() { detail_->setHtml(dayDetailHtml()); }

QString PanchangaWindow::dayDetailHtml() const {
  if (!error_.isEmpty()) return QStringLiteral("<p>%1</p>").arg(error_.toHtmlEscaped());
  const int d = grid_->selected();
  if (d < 1 || static_cast<std::size_t>(d) > days_.size()) return QString();
  const PanchangaDay& day = days_[static_cast<std::size_t>(d - 1)];
  auto time = [&](double jd) {
    const ClockReading c = ClockIn(jd, zone_);
    QString text = QStringLiteral("%1:%2").arg(c.hour, 2, 10, QLatin1Char('0')).arg(c.minute, 2, 10, QLatin1Char('0'));
    if (c.day != day.day || c.month != day.month) text += QStringLiteral(" (%1/%2)").arg(c.day).arg(c.month);
    return text;
  };
  auto opt = [&](const std::optional<double>& t) { return t ? time(*t) : tr("none"); };
  auto period = [&](const Interval& i) { return time(i.start) + QStringLiteral(" - ") + time(i.end); };
  QString html;
  html += QStringLiteral("<h3 style=\"margin-bottom:2px\">%1, %2 %3 %4</h3>")
              .arg(Q(VaraNameOf(day.vara)))
              .arg(d)
              .arg(Tr(kMonthNames[month_ - 1]))
              .arg(year_);
  html += QStringLiteral("<p style=\"margin-top:0\">%1</p>").arg(placeName_.toHtmlEscaped());
  if (!day.observances.empty()) {
    QStringList names;
    for (const std::string& n : day.observances) names << Q(n).toHtmlEscaped();
    html += QStringLiteral("<p style=\"color:#a84a00\"><b>%1</b></p>").arg(names.join(QStringLiteral(", ")));
  }
  html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
  auto row = [&](const QString& label, const QString& value) {
    html += QStringLiteral("<tr><td style=\"color:#5c6370;padding-right:10px\" valign=\"top\">%1</td><td>%2</td></tr>")
                .arg(label, value);
  };
  row(tr("Sunrise"), opt(day.sunrise) + QStringLiteral(", ") + tr("sunset") + QLatin1Char(' ') + opt(day.sunset));
  row(tr("Moonrise"), opt(day.moonrise) + QStringLiteral(", ") + tr("moonset") + QLatin1Char(' ') + opt(day.moonset));
  auto spans = [&](const std::vector<Span>& list, auto name) {
    QStringList parts;
    for (const Span& s : list) parts << tr("%1 until %2").arg(name(s.index), time(s.end));
    return parts.join(QStringLiteral("<br>"));
  };
  row(tr("Tithi"), spans(day.tithis, [](int i) { return Tithi(i); }));
  row(tr("Nakshatra"), spans(day.nakshatras, [](int i) { return NakshatraTerm(i); }));
  row(tr("Yoga"), spans(day.yogas, [](int i) { return Yoga(i); }));
  row(tr("Karana"), spans(day.karanas, [](int i) { return Q(KaranaNameOf(i)); }));
  auto month = [&](const LunarMonth& m) {
    return (m.adhika ? tr("Adhika %1") : QStringLiteral("%1")).arg(Q(LunarMonthNameOf(m.index)));
  };
  row(tr("Lunar month"), tr("%1 (amanta), %2 (purnimanta)").arg(month(day.amanta), month(day.purnimanta)));
  row(tr("Year"), tr("%1 samvatsara, Saka %2, Vikram %3")
                      .arg(Q(SamvatsaraNameOf(day.samvatsara)))
                      .arg(day.sakaYear)
                      .arg(day.vikramYear));
  row(tr("Ritu, ayana"), Q(RituNameOf(day.ritu)) + QStringLiteral(", ") +
                             (day.uttarayana ? tr("Uttarayana") : tr("Dakshinayana")));
  for (const Sankranti& s : day.sankrantis)
    row(tr("Sankranti"), tr("the Sun enters %1 at %2").arg(Sign(s.sign), time(s.moment)));
  if (day.rahuKalam) {
    row(tr("Rahu kalam"), period(*day.rahuKalam));
    row(tr("Yamaganda"), period(*day.yamaganda));
    row(tr("Gulika kalam"), period(*day.gulikaKalam));
    row(tr("Abhijit"), period(*day.abhijit));
    if (day.brahmaMuhurta) row(tr("Brahma muhurta"), period(*day.brahmaMuhurta));
    QStringList list;
    for (const Interval& i : day.durMuhurtas) list << period(i);
    row(tr("Dur muhurta"), list.join(QStringLiteral(", ")));
    list.clear();
    for (const Interval& i : day.varjyam) list << period(i);
    row(tr("Varjyam"), list.isEmpty() ? tr("none") : list.join(QStringLiteral(", ")));
    list.clear();
    for (const Interval& i : day.amritaKalam) list << period(i);
    row(tr("Amrita kalam"), list.isEmpty() ? tr("none") : list.join(QStringLiteral(", ")));
  }
  html += QStringLiteral("</table>");
  if (!day.choghadiyas.empty()) {
    html += QStringLiteral("<p style=\"margin-bottom:2px\"><b>%1</b></p><table cellspacing=\"0\" cellpadding=\"1\">")
                .arg(tr("Choghadiya"));
    for (int k = 0; k < 8; ++k) {
      html += QStringLiteral("<tr>");
      for (int half = 0; half < 2; ++half) {
        const RuledInterval& c = day.choghadiyas[static_cast<std::size_t>(half * 8 + k)];
        html += QStringLiteral("<td style=\"padding-right:6px\">%1</td><td style=\"padding-right:16px;color:%3\">%2</td>")
                    .arg(time(c.span.start), Q(ChoghadiyaNameOf(c.ruler)),
                         ChoghadiyaIsGood(c.ruler) ? QStringLiteral("#1f6f78") : QStringLiteral("#b02626"));
      }
      html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
  }
  return html;
}

void PanchangaWindow::PaintPage(QPainter& p, const QRectF& area) const {
  p.save();
  p.fillRect(area, Qt::white);
  const double titleH = area.height() * 0.07;
  QFont titleFont = p.font();
  titleFont.setPixelSize(static_cast<int>(titleH * 0.5));
  titleFont.setBold(true);
  p.setFont(titleFont);
  p.setPen(kInk);
  p.drawText(QRectF(area.left(), area.top(), area.width(), titleH), Qt::AlignLeft | Qt::AlignVCenter,
             tr("Panchanga: %1").arg(title()));
  const double footH = area.height() * 0.035;
  QFont foot = p.font();
  foot.setBold(false);
  foot.setPixelSize(static_cast<int>(footH * 0.55));
  p.setFont(foot);
  p.setPen(kMuted);
  p.drawText(QRectF(area.left(), area.bottom() - footH, area.width(), footH), Qt::AlignLeft | Qt::AlignVCenter,
             tr("Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.")
                 .arg(placeName_, zoneName_.isEmpty() ? tr("the default zone") : zoneName_));
  p.restore();
  grid_->Paint(p, QRectF(area.left(), area.top() + titleH, area.width(), area.height() - titleH - footH * 1.3), false);
}

bool PanchangaWindow::ExportTo(const QString& path, QString* error) const {
  if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    QImage image(1600, 1130, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintPage(p, QRectF(40, 30, 1520, 1070));
    p.end();
    if (!image.save(path, "PNG")) {
      if (error) *error = tr("Cannot write %1.").arg(path);
      return false;
    }
    return true;
  }
  QPdfWriter pdf(path);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Landscape);
  pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  pdf.setTitle(title());
  pdf.setCreator(QStringLiteral("Orvane"));
  QPainter p;
  if (!p.begin(&pdf)) {
    if (error) *error = tr("Cannot write %1.").arg(path);
    return false;
  }
  PaintPage(p, QRectF(0, 0, pdf.width(), pdf.height()));
  p.end();
  return true;
}

void PanchangaWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(title());
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Print the month"));
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter p;
  if (!p.begin(&printer)) {
    QMessageBox::warning(this, tr("Panchanga calendar"), tr("The printer cannot be used."));
    return;
  }
  PaintPage(p, QRectF(printer.pageLayout().paintRectPixels(printer.resolution()).translated(
      -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft())));
  p.end();
}

void PanchangaWindow::Export() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Export the month"),
                                                    QStringLiteral("panchanga-%1-%2.pdf").arg(year_).arg(month_, 2, 10, QLatin1Char('0')),
                                                    tr("PDF file (*.pdf);;PNG image (*.png)"));
  if (path.isEmpty()) return;
  QString error;
  if (!ExportTo(path, &error)) QMessageBox::warning(this, tr("Panchanga calendar"), error);
}

}  // namespace orvane
