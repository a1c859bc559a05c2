#include "app/time_shift_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/chart_document.h"
#include "app/chart_view.h"
#include "app/window_place.h"
#include "compute/sensitivity.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

constexpr int kSliderSeconds = 2 * 3600;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "+4 min 12 s", "−1 h", "0 s".
QString Signed(int seconds) {
  if (seconds == 0) return QStringLiteral("0 s");
  return (seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + Q(DurationText(std::abs(seconds)));
}

// The clock time of birth data as "14:35:07" and its date "1990-04-12".
QString ClockText(const BirthData& b) {
  const double hours = std::floor(b.time);
  const int total = static_cast<int>(std::lround((b.time - hours) * 6000));
  return QStringLiteral("%1-%2-%3 %4:%5:%6")
      .arg(static_cast<int>(b.year), 4, 10, QLatin1Char('0'))
      .arg(static_cast<int>(b.month), 2, 10, QLatin1Char('0'))
      .arg(static_cast<int>(b.day), 2, 10, QLatin1Char('0'))
      .arg(static_cast<int>(hours), 2, 10, QLatin1Char('0'))
      .arg(total / 60, 2, 10, QLatin1Char('0'))
      .arg(total % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

TimeShiftWindow::TimeShiftWindow(ChartView& view)
    : QDialog(&view),
      view_(&view),
      heading_(new QLabel(this)),
      time_(new QLabel(this)),
      slider_(new QSlider(Qt::Horizontal, this)),
      table_(new QTableWidget(this)),
      recast_(new QTimer(this)) {
  setObjectName(QStringLiteral("timeShiftWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  original_ = view.chart().birth;
  heading_->setWordWrap(true);
  time_->setObjectName(QStringLiteral("shiftTime"));
  QFont bigger = time_->font();
  bigger.setBold(true);
  time_->setFont(bigger);

  // The step buttons: back on the left, forward on the right.
  auto* steps = new QHBoxLayout;
  struct Step {
    const char* text;
    int seconds;
  };
  const Step kSteps[] = {{"\u22121 h", -3600}, {"\u22124 min", -240}, {"\u22121 min", -60}, {"\u22121 s", -1},
                         {"+1 s", 1},          {"+1 min", 60},        {"+4 min", 240},      {"+1 h", 3600}};
  for (const Step& s : kSteps) {
    auto* b = new QPushButton(QString::fromUtf8(s.text), this);
    b->setObjectName(QStringLiteral("shift%1").arg(s.seconds));
    b->setAutoDefault(false);
    b->setToolTip(tr("Move the birth time %1").arg(Signed(s.seconds)));
    const int seconds = s.seconds;
    connect(b, &QPushButton::clicked, this, [this, seconds] { ShiftTo(shift_ + seconds); });
    steps->addWidget(b);
    if (s.seconds == -1) steps->addSpacing(12);
  }
  steps->addStretch(1);

  slider_->setObjectName(QStringLiteral("shiftSlider"));
  slider_->setAccessibleName(tr("Birth time shift"));
  slider_->setRange(-kSliderSeconds, kSliderSeconds);
  slider_->setSingleStep(1);
  slider_->setPageStep(60);
  slider_->setTickInterval(15 * 60);
  slider_->setTickPosition(QSlider::TicksBelow);
  connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    if (!applying_) ShiftTo(value);
  });
  auto* sliderRow = new QHBoxLayout;
  sliderRow->addWidget(new QLabel(QStringLiteral("\u22122 h"), this));
  sliderRow->addWidget(slider_, 1);
  sliderRow->addWidget(new QLabel(QStringLiteral("+2 h"), this));

  table_->setObjectName(QStringLiteral("shiftTable"));
  table_->setAccessibleName(tr("How far the birth time may move before each point changes"));
  table_->setColumnCount(4);
  table_->setHorizontalHeaderLabels({tr("Point"), tr("Now"), tr("Stays back for"), tr("Stays forward for")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);

  // Dragging the slider recasts once the hand rests a moment, not at every
  // second it passes.
  recast_->setSingleShot(true);
  recast_->setInterval(80);
  connect(recast_, &QTimer::timeout, this, [this] { Apply(); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  auto* reset = buttons->addButton(tr("&Back to the entered time"), QDialogButtonBox::ResetRole);
  reset->setObjectName(QStringLiteral("shiftReset"));
  reset->setAutoDefault(false);
  connect(reset, &QPushButton::clicked, this, [this] { ShiftTo(0); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(time_);
  layout->addLayout(steps);
  layout->addLayout(sliderRow);
  layout->addWidget(table_, 1);
  layout->addWidget(buttons);
  PlaceWindow(this, QSize(760, 720), QStringLiteral("Birth time"));
  Refresh();
}

void TimeShiftWindow::ShiftTo(int seconds) {
  shift_ = seconds;
  applying_ = true;
  slider_->setValue(std::clamp(seconds, -kSliderSeconds, kSliderSeconds));
  applying_ = false;
  ShowTime(ShiftBirthTime(original_, shift_));
  if (slider_->isSliderDown()) {
    recast_->start();
  } else {
    Apply();
  }
}

void TimeShiftWindow::ShowTime(const BirthData& at) {
  time_->setText(tr("Birth time %1 (%2 from the time entered, %3)")
                     .arg(ClockText(at), Signed(shift_), ClockText(original_)));
}

void TimeShiftWindow::Apply() {
  recast_->stop();
  if (!view_) return;
  ChartDocument& doc = view_->document();
  const std::string bytes = WithEphemerisLabel(
      FormatChartDataFile(ShiftBirthTime(original_, shift_)) + FormatChartLabels(doc.Labels()), doc.EphemerisLabel());
  view_->ShowBirthData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), true);
}

void TimeShiftWindow::Refresh() {
  if (!view_ || !view_->hasChart()) return;
  const BirthData now = view_->chart().birth;
  const QString chart = view_->document().DisplayName();
  setWindowTitle(tr("Birth time - %1").arg(chart));
  heading_->setText(tr("%1: how far the birth time may move either way before each point changes. Shift the time "
                       "with the buttons or the slider; the chart window is cast again at each step.")
                        .arg(chart));
  ShowTime(now);
  const std::vector<SensitivityWindow> windows = BirthTimeSensitivity(now, view_->settings());
  table_->setRowCount(static_cast<int>(windows.size()));
  auto side = [](int seconds, bool limited) {
    return limited ? QObject::tr("more than %1").arg(Q(DurationText(seconds))) : Q(DurationText(seconds));
  };
  for (int i = 0; i < static_cast<int>(windows.size()); ++i) {
    const SensitivityWindow& w = windows[static_cast<std::size_t>(i)];
    table_->setItem(i, 0, new QTableWidgetItem(Q(w.point)));
    table_->setItem(i, 1, new QTableWidgetItem(Q(w.value)));
    auto* back = new QTableWidgetItem(side(w.before, w.beforeLimited));
    auto* forward = new QTableWidgetItem(side(w.after, w.afterLimited));
    back->setTextAlignment(Qt::AlignCenter);
    forward->setTextAlignment(Qt::AlignCenter);
    // A side on which the point changes within a minute stands out.
    if (!w.beforeLimited && w.before < 60) back->setForeground(QColor(0xb0, 0x30, 0x00));
    if (!w.afterLimited && w.after < 60) forward->setForeground(QColor(0xb0, 0x30, 0x00));
    table_->setItem(i, 2, back);
    table_->setItem(i, 3, forward);
  }
}

}  // namespace orvane
