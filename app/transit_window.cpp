#include "app/transit_window.h"

#include "app/window_place.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDateTimeEdit>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "app/chart_square.h"
#include "compute/pipeline.h"
#include "report/report_buffer.h"

namespace orvane {

namespace {

BirthData MomentData(const QDateTime& t) {
  BirthData b;
  b.year = t.date().year();
  b.month = t.date().month();
  b.day = t.date().day();
  b.time = t.time().hour() + t.time().minute() / 100.0;
  return b;
}

QFont ReportFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(13);
  return font;
}

}  // namespace

TransitWindow::TransitWindow(const Settings& settings, const BirthData& birth, const QString& title,
                             const QDateTime& start, QWidget* parent)
    : QDialog(parent), settings_(settings), natal_(ComputeChart(birth, ChartOptions{}, settings)) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Transits - %1").arg(title));
  setAttribute(Qt::WA_DeleteOnClose, false);

  QApplication::setOverrideCursor(Qt::WaitCursor);
  natalOk_ = natal_.has_value();
  if (natalOk_)
    report_.periods = transit::LifetimeSaturnPeriods(*natal_, settings_, transit::BirthPlace(*natal_),
                                                     &report_.lifetimeStart, &report_.lifetimeEnd);
  QApplication::restoreOverrideCursor();

  edit_ = new QDateTimeEdit(this);
  edit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
  edit_->setDateTimeRange(QDateTime(QDate(1, 1, 1), QTime(0, 0)), QDateTime(QDate(2999, 12, 31), QTime(23, 59)));
  edit_->setCalendarPopup(true);
  edit_->setDateTime(start);
  edit_->setObjectName(QStringLiteral("transitMoment"));

  // The moment and Now above the step buttons: the window stays narrow
  // enough for small screens.
  auto* momentRow = new QHBoxLayout;
  momentRow->addWidget(new QLabel(QCoreApplication::translate("Orvane", "&Moment:"), this));
  static_cast<QLabel*>(momentRow->itemAt(0)->widget())->setBuddy(edit_);
  momentRow->addWidget(edit_);
  auto* controls = new QHBoxLayout;
  struct StepButton {
    const char* text;
    int days, months, years;
    const char* name;
  };
  constexpr StepButton kButtons[] = {
      {QT_TRANSLATE_NOOP("Orvane", "- Year"), 0, 0, -1, "yearBack"},
      {QT_TRANSLATE_NOOP("Orvane", "- Month"), 0, -1, 0, "monthBack"},
      {QT_TRANSLATE_NOOP("Orvane", "- Day"), -1, 0, 0, "dayBack"},
      {QT_TRANSLATE_NOOP("Orvane", "+ Day"), 1, 0, 0, "dayForward"},
      {QT_TRANSLATE_NOOP("Orvane", "+ Month"), 0, 1, 0, "monthForward"},
      {QT_TRANSLATE_NOOP("Orvane", "+ Year"), 0, 0, 1, "yearForward"},
  };
  for (const StepButton& b : kButtons) {
    auto* button = new QPushButton(QCoreApplication::translate("Orvane", b.text), this);
    button->setObjectName(QString::fromLatin1(b.name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, b] { Step(b.days, b.months, b.years); });
    controls->addWidget(button);
  }
  auto* now = new QPushButton(QCoreApplication::translate("Orvane", "&Now"), this);
  now->setObjectName(QStringLiteral("now"));
  now->setAutoDefault(false);
  connect(now, &QPushButton::clicked, this, [this] {
    // Now on the clock of the birth zone, which the moment is read in.
    const BirthData now = NowBirthData(settings_);
    const BirthData place = transit::BirthPlace(*natal_);
    const BirthData b =
        transit::BirthAt(transit::ShiftZone(transit::LocalDaysOf(now), now.zone, place.zone), place);
    SetMoment(QDateTime(QDate(static_cast<int>(b.year), static_cast<int>(b.month), static_cast<int>(b.day)),
                        QTime(static_cast<int>(b.time), static_cast<int>(std::lround((b.time - std::floor(b.time)) * 100)) % 60)));
  });
  momentRow->addWidget(now);
  momentRow->addStretch(1);
  controls->addStretch(1);

  chart_ = new ChartSquare(this);
  caption_ = new QLabel(this);
  caption_->setWordWrap(true);
  caption_->setAlignment(Qt::AlignHCenter);
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  text_->setFont(ReportFont());
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* chartColumn = new QVBoxLayout;
  chartColumn->addWidget(chart_, 1);
  chartColumn->addWidget(caption_);
  auto* body = new QHBoxLayout;
  body->addLayout(chartColumn, 2);
  body->addWidget(text_, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(momentRow);
  layout->addLayout(controls);
  layout->addLayout(body, 1);

  connect(edit_, &QDateTimeEdit::dateTimeChanged, this, [this] { Recompute(); });
  PlaceWindow(this, QSize(1180, 640), QStringLiteral("Transits"));
  Recompute();
}

TransitWindow::~TransitWindow() = default;

QDateTime TransitWindow::moment() const { return edit_->dateTime(); }

void TransitWindow::SetMoment(const QDateTime& moment) { edit_->setDateTime(moment); }

void TransitWindow::Step(int days, int months, int years) {
  SetMoment(moment().addDays(days).addMonths(months).addYears(years));
}

QString TransitWindow::reportText() const { return text_->toPlainText(); }

void TransitWindow::Recompute() {
  if (!natalOk_) {
    text_->setPlainText(tr("The natal chart cannot be cast."));
    return;
  }
  const std::vector<transit::SaturnPeriod> periods = report_.periods;
  const double start = report_.lifetimeStart, end = report_.lifetimeEnd;
  report_ = transit::ComputeTransitsAt(*natal_, settings_, MomentData(moment()), transit::BirthPlace(*natal_));
  report_.periods = periods;
  report_.lifetimeStart = start;
  report_.lifetimeEnd = end;

  ChartDrawOptions options = ChartDrawOptionsFromSettings(settings_);
  for (const transit::GrahaTransit& g : report_.reading.graha) {
    options.transits.sign[static_cast<std::size_t>(g.slot)] = g.sign;
    options.transits.retrograde[static_cast<std::size_t>(g.slot)] = g.retrograde ? 1 : 0;
  }
  chart_->SetChart(ChartDrawInputFromState(natal_->State(), 0), options);
  caption_->setText(tr("Natal rasi with the transits of %1 %2, the birth zone (italic, led by \"t\")")
                        .arg(moment().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                             QString::fromStdString(transit::ZoneText(report_.zone))));

  auto buffer = std::make_unique<ReportBuffer>();
  transit::WriteTransitReport(*buffer, report_);
  const std::string_view text = buffer->Text();
  text_->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace orvane
