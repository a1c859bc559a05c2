#include "app/chart_view.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QHelpEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/classic_engine.h"
#include "app/dasa_browser.h"
#include "app/report_window.h"
#include "app/yoga_window.h"
#include "app/kp_window.h"
#include "app/strength_window.h"
#include "app/time_shift_window.h"
#include "app/desktop_app.h"
#include "app/chart_document.h"
#include "dialogs/birth_data_dlg.h"
#include "dialogs/view_dialogs.h"
#include "compute/pipeline.h"
#include "compute/calculation_pass.h"
#include "display/file_names.h"
#include "engine/ephemeris_engine.h"
#include "io/birth_input.h"
#include "io/chart_file.h"
#include "report/sections.h"
#include "transit/transits.h"
#include "display/terms.h"

namespace orvane {

namespace {

// Opens a window of the view's own (it goes with the chart window), or
// brings it up to date and to the front when it is open.
template <typename Window>
void ShowOwnWindow(ChartView& view, QPointer<Window>& window) {
  if (!window) {
    window = new Window(view);
  } else {
    window->Refresh();
  }
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace
namespace {

// The birth data as a chart can be cast from, or why not.
QString BirthDataProblem(const ChartValidation& valid) {
  if (!valid.ok)
    return QCoreApplication::translate("Orvane", "Its birth data cannot be read: %1.")
        .arg(QString::fromStdString(valid.message));
  return QCoreApplication::translate("Orvane", "Its birth data lie outside the range a chart can be cast for.");
}

}  // namespace

ChartView::ChartView(DesktopApp& app, ChartDocument& doc, QWidget* parent)
    : QWidget(parent),
      app_(app),
      doc_(doc),
      state_(std::make_unique<ChartState>()),
      trial_(std::make_unique<ChartState>()),
      report_(std::make_unique<ReportBuffer>()),
      trialReport_(std::make_unique<ReportBuffer>()) {
  setObjectName(QStringLiteral("ChartView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The first chart view of a run loads the settings, or walks the user
  // through the preferences on a first run.
  app_.EnsureSettings();
  connect(&doc_, &ChartDocument::viewsNeedUpdate, this, &ChartView::OnDocumentUpdate);
  connect(&app_, &DesktopApp::settingsChanged, this, &ChartView::RefreshDasaBrowser);
}

ChartView::~ChartView() = default;

QSize ChartView::sizeHint() const {
  if (geometry_.extent.isEmpty()) return {kScrollWidth, kScrollHeight};
  return minimumSize();
}

const Settings& ChartView::settings() const {
  viewSettings_ = app_.settings();
  if (ephemeris_ >= 0) viewSettings_.ephemeris = ephemeris_;
  return viewSettings_;
}

void ChartView::SetEphemeris(int ephemeris) {
  const int before = settings().ephemeris;
  ephemeris_ = ephemeris;
  if (settings().ephemeris != before) {
    recompute_ = true;
    RefreshScreen();
  }
}

void ChartView::OnToggleEphemeris() {
  const int engine = settings().ephemeris == 1 ? 0 : 1;
  // The engine is kept with the chart (its file's "Ephemeris:" label), so
  // that the chart reopens, and its new windows open, with it.
  doc_.SetEphemerisLabel(engine == 1 ? kEphemerisLabelSwiss : kEphemerisLabelClassic);
  SetEphemeris(engine);
}

void ChartView::OnInitialUpdate() {
  // A chart that keeps its engine is cast with it, whatever the preference.
  const std::string engine = doc_.EphemerisLabel();
  if (engine == kEphemerisLabelSwiss) ephemeris_ = 1;
  if (engine == kEphemerisLabelClassic) ephemeris_ = 0;
  choices_ = ScreenChoices{};
  state_->options = ChartOptions{};
  printTitle.clear();
  firstPaint_ = true;
  SelectChart(choices_.chart1);
  RefreshScreen();
  if (doc_.invalid()) {
    QMessageBox::warning(app_.DialogParent(), tr("Invalid file"),
                         tr("Oh no, the file you attempted to open is not a valid \"Orvane\" data "
                            "file.\n\nA chart will be cast for the current time instead."));
  }
}

// ---- computing

void ChartView::PreparePass() {
  // A document without a valid image (new, or its file failed validation)
  // is a prasna chart: the current moment at the default place. A new
  // document keeps the moment of its first pass (it becomes its image); a
  // document whose file failed validation is cast afresh every time and
  // keeps its own bytes.
  nowMode_ = doc_.invalid() || doc_.image().isEmpty();
  recompute_ = true;
}

bool ChartView::RunChartPass(int section) {
  const Settings& s = settings();
  if (hasChart_ && !recompute_ && !nowMode_) {
    // The chart is cast and derived (every drawing recasts first): the
    // block's section is written from it, without another pass. A block
    // without a section leaves the report as it was.
    ChartState& chart = *state_;
    chart.options.selectedMahadasaLord = choices_.mahadasa;
    chart.options.ashtakavargaChart = choices_.selectedChart;
    chart.dasa.yearLength = s.daysInYear;
    if (section != kNoSection) WriteSectionAlone(chart, s, section, *report_);
    return true;
  }
  ChartState& trial = *trial_;
  trial = *state_;
  *trialReport_ = *report_;
  trial.options.recompute = recompute_ ? 1 : 0;
  trial.options.nowMode = nowMode_ ? 1 : 0;
  trial.options.selectedMahadasaLord = choices_.mahadasa;
  trial.options.ashtakavargaChart = choices_.selectedChart;
  trial.dasa.yearLength = s.daysInYear;
  const bool recast = trial.options.recompute != 0;
  // The chart is cast from the document's birth data in memory, or for a
  // prasna chart from the clock.
  ChartValidation birth;
  if (recast) {
    if (nowMode_) {
      birth.ok = true;
      birth.birth = NowBirthData(s);
    } else {
      const QByteArray& image = doc_.image();
      birth = ValidateChartImage(std::string_view(image.constData(), static_cast<std::size_t>(image.size())));
      if (!birth.ok) {
        failure_ = BirthDataProblem(birth);
        return false;
      }
    }
  }
  if (!ComputeChartFromBirth(trial, s, birth.birth, section, trialReport_.get())) {
    failure_ = BirthDataProblem(birth);
    return false;
  }
  if (recast) {
    // A new prasna chart keeps the moment cast as its image.
    if (nowMode_) doc_.ReadBackImage(QByteArray::fromStdString(FormatChartDataFile(birth.birth)));
    prasna_ = nowMode_;
  }
  std::swap(state_, trial_);
  std::swap(report_, trialReport_);
  state_->options.recompute = 0;
  state_->options.nowMode = 0;
  recompute_ = false;
  nowMode_ = false;
  hasChart_ = true;
  failure_.clear();
  const EphemerisKind kind = EngineSettingsOf(s).ephemeris;
  // The classic engine is named only where it is far from the sky.
  const QString engine = kind == EphemerisKind::kClassic
                             ? QString::fromStdString(ClassicRangeShortNote(ChartYear(*state_)))
                             : QString::fromStdString(EngineFor(kind).Describe(state_->swissSource));
  if (engine != engineText_) {
    engineText_ = engine;
    emit engineTextChanged(engineText_);
  }
  return true;
}

// ---- drawing

ScreenPaintResult ChartView::OnDraw(QPainter& painter, const ScreenPaintOptions& options) {
  // Every drawing recasts, from this view's own image.
  PreparePass();
  firstPaint_ = false;
  if (!options.printing) {
    painter.fillRect(QRect(0, 0, kViewBackgroundExtent, kViewBackgroundExtent), ColourFromBgr(kBackgroundColour));
  }
  return PaintScreen(painter, options);
}

ScreenPaintResult ChartView::Render() {
  PreparePass();
  firstPaint_ = false;
  ScreenPaintResult result = PrepareScreen();
  if (!result.ok) return result;
  Compose();
  result.geometry = geometry_;
  problem_.clear();
  return result;
}

double ChartView::FitScale(QSizeF extent, QSize room, int scrollBarExtent, double minimum) {
  if (extent.width() <= 0 || extent.height() <= 0 || room.width() <= 0 || room.height() <= 0) return 1.0;
  const double least = std::clamp(minimum, kMinZoom, kMaxZoom);
  const double whole = std::min(room.width() / extent.width(), room.height() / extent.height());
  // The whole screen in the window, as long as its text stays readable.
  if (whole >= least) return std::min(whole, kMaxZoom);
  // Otherwise it scrolls down (the scroll bar takes its width from the
  // room), at its actual size or the width's scale, never below the least.
  const double across = (room.width() - scrollBarExtent) / extent.width();
  return std::max(least, std::min(across, 1.0));
}

ChartView::MainScreenFit ChartView::FitMainScreen(QSizeF textSize, QSize room, double margin, double gap,
                                                  double minimum) {
  MainScreenFit fit;
  if (textSize.width() <= 0 || textSize.height() <= 0 || room.width() <= 0 || room.height() <= 0) return fit;
  const double width = room.width(), height = room.height();
  // The charts' side the room allows across: two squares and a gap.
  const double across = (width - 2 * margin - gap) / 2;
  const double wanted = std::min(across, height / 2);
  // The text scale: what the height leaves under charts of the side wanted,
  // at least kMainTextScale, and never wider than the room.
  const double byWidth = (width - 2 * margin) / textSize.width();
  const double byHeight = (height - wanted - 2 * margin - gap) / textSize.height();
  const double least = std::clamp(minimum, kMinZoom, kMaxZoom);
  fit.textScale = std::clamp(std::min(byWidth, std::max(std::max(kMainTextScale, least), byHeight)), least, kMaxZoom);
  const double left = height - 2 * margin - gap - textSize.height() * fit.textScale;
  fit.chartSide = std::floor(std::max(kMainChartMinimum, std::min(across, left)));
  fit.chartSide = std::min(fit.chartSide, std::floor(across));
  fit.fitsHeight = fit.chartSide <= left + 0.5;
  return fit;
}

QSize ChartView::Room() const {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(w)) return area->maximumViewportSize();
  }
  return size();
}

void ChartView::Compose() {
  const qreal ratio = std::max<qreal>(1.0, devicePixelRatioF());
  // Text is measured on an image of the density it is drawn at.
  QImage probe(1, 1, QImage::Format_RGB32);
  probe.setDevicePixelRatio(ratio);
  const QSize room = Room();
  composedRoom_ = room;
  ScreenPaintOptions options;
  double scale = std::clamp(zoom_, std::max(kMinZoom, MinimumTextScale()), kMaxZoom);
  const int bar = style() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
  const bool mainScreen = fit_ && preparedScreen() && preparedScreen()->id == kScreenTwoCharts;
  if (mainScreen) {
    ComposeMainScreen(room, bar, &probe, options);
  } else {
    if (fit_) {
      const ScreenGeometry actual = ArrangeScreen(options, &probe);
      scale = FitScale(actual.extent, room, bar, MinimumTextScale());
    }
    scale_ = scale;
    options.layout = QRect(0, 0, static_cast<int>(std::lround(kViewLayoutRect.width() * scale)),
                           static_cast<int>(std::lround(kViewLayoutRect.height() * scale)));
    geometry_ = ArrangeScreen(options, &probe);
  }
  const QSize content(static_cast<int>(std::ceil(geometry_.extent.width())),
                      static_cast<int>(std::ceil(geometry_.extent.height())));
  setMinimumSize(content);
  const QSize canvas = content.expandedTo(room).expandedTo(QSize(1, 1));
  QImage image(QSize(static_cast<int>(std::ceil(canvas.width() * ratio)),
                     static_cast<int>(std::ceil(canvas.height() * ratio))),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(ColourFromBgr(kBackgroundColour));
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  PaintPrepared(painter, options, geometry_);
  painter.end();
  screenImage_ = std::move(image);
  updateGeometry();
  update();
  emit screenComposed();
}

void ChartView::ComposeMainScreen(QSize room, int scrollBarExtent, const QPaintDevice* probe,
                                     ScreenPaintOptions& options) {
  // The text below the charts at its natural size.
  const ScreenGeometry natural = ArrangeScreen(options, probe);
  double textTop = -1, textRight = 0, textBottom = 0;
  for (const QRectF& r : natural.blocks) {
    if (r.isEmpty()) continue;
    textTop = textTop < 0 ? r.top() : std::min(textTop, r.top());
    textRight = std::max(textRight, r.right());
    textBottom = std::max(textBottom, r.bottom());
  }
  if (textTop < 0 || natural.charts.size() != 2) {
    scale_ = FitScale(natural.extent, room, scrollBarExtent, MinimumTextScale());
    options.layout = QRect(0, 0, static_cast<int>(std::lround(kViewLayoutRect.width() * scale_)),
                           static_cast<int>(std::lround(kViewLayoutRect.height() * scale_)));
    geometry_ = ArrangeScreen(options, probe);
    return;
  }
  const double margin = natural.charts[0].left();
  const double gap = std::max(2.0, natural.charts[1].left() - natural.charts[0].right());
  const QSizeF textSize(textRight, textBottom - textTop);
  // Text never smaller than can be read: the screen scrolls instead.
  const double least = std::max(kMinZoom, MinimumTextScale());
  // Text does not scale quite in proportion (fonts come in whole sizes):
  // the scale found is checked on the text as arranged, and the charts take
  // the height that text leaves.
  auto arrange = [&](QSize within) {
    const MainScreenFit fit = FitMainScreen(textSize, within, margin, gap, least);
    scale_ = fit.textScale;
    double top = 0, right = 0, bottom = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
      options.layout = QRect(0, 0, static_cast<int>(std::lround(kViewLayoutRect.width() * scale_)),
                             static_cast<int>(std::lround(kViewLayoutRect.height() * scale_)));
      geometry_ = ArrangeScreen(options, probe);
      top = -1, right = 0, bottom = 0;
      for (const QRectF& r : geometry_.blocks) {
        if (r.isEmpty()) continue;
        top = top < 0 ? r.top() : std::min(top, r.top());
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
      }
      if (right + margin > within.width() && scale_ > least) {
        scale_ = std::max(least, scale_ * (within.width() - 2 * margin) / right * 0.995);
        continue;
      }
      // Text taller than the charts of the side wanted leave room for, and
      // larger than it needs to be: a little smaller.
      const double wanted = std::min((within.width() - 2 * margin - gap) / 2, within.height() / 2.0);
      const double room = within.height() - 2 * margin - gap - wanted;
      if (bottom - top > room && scale_ > kMainTextScale) {
        scale_ = std::max(kMainTextScale, scale_ * room / (bottom - top) * 0.995);
        continue;
      }
      break;
    }
    const double across = std::floor((within.width() - 2 * margin - gap) / 2);
    const double left = std::floor(within.height() - 2 * margin - gap - (bottom - top));
    // When the text leaves the charts too little height, the screen scrolls
    // and the charts keep a size whose labels can be read.
    const double side = std::min(across, left < 0.4 * within.height() ? std::floor(0.55 * within.height())
                                                                        : std::max(kMainChartMinimum, left));
    // The charts side by side at that side, the text right below them.
    geometry_.charts[0] = QRectF(margin, margin, side, side);
    geometry_.charts[1] = QRectF(margin + side + gap, margin, side, side);
    const double shift = margin + side + gap - top;
    double extentRight = geometry_.charts[1].right(), extentBottom = geometry_.charts[1].bottom();
    for (QRectF& r : geometry_.blocks) {
      if (r.isEmpty()) continue;
      r.translate(0, shift);
      extentRight = std::max(extentRight, r.right());
      extentBottom = std::max(extentBottom, r.bottom());
    }
    geometry_.extent = QSizeF(std::ceil(extentRight + margin), std::ceil(extentBottom + margin));
    return geometry_.extent.height() <= within.height();
  };
  // Taller than the window: the vertical scroll bar takes its width.
  if (!arrange(room)) arrange(room - QSize(scrollBarExtent, 0));
}

void ChartView::SetZoom(bool fit, double zoom) {
  fit_ = fit;
  // Zooming out stops where the text would become too small to read.
  zoom_ = std::clamp(zoom, std::max(kMinZoom, MinimumTextScale()), kMaxZoom);
  if (!preparedScreen()) {
    update();
    return;
  }
  Compose();
}

void ChartView::ZoomIn() { SetZoom(false, scale_ * kZoomStep); }
void ChartView::ZoomOut() { SetZoom(false, scale_ / kZoomStep); }
void ChartView::ZoomActualSize() { SetZoom(false, 1.0); }
void ChartView::ZoomToFit() { SetZoom(true, zoom_); }

bool ChartView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    for (const ChartOverflow& mark : overflowMarks()) {
      // A little room around the mark, which is small.
      if (mark.rect.adjusted(-4, -4, 4, 4).contains(help->pos())) {
        QToolTip::showText(help->globalPos(), mark.hidden.join(QStringLiteral("\n")), this, mark.rect.toAlignedRect());
        return true;
      }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  return QWidget::event(event);
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedArea_ && event->type() == QEvent::Resize && fit_ && preparedScreen()) {
    // The window changed its size: the prepared screen is drawn again for
    // it once the resizing has settled.
    QTimer::singleShot(0, this, [this] {
      if (fit_ && preparedScreen() && Room() != composedRoom_) Compose();
    });
  }
  return QWidget::eventFilter(watched, event);
}

bool ChartView::RefreshScreen() {
  ScrollToTop();
  const ScreenPaintResult result = Render();
  update();
  if (!result.ok) {
    ReportFailure(result.failure);
    return false;
  }
  if (!result.message.isEmpty()) ShowScreenMessage(result.message);
  return true;
}

void ChartView::ScrollToTop() {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(w)) {
      if (watchedArea_ != area) {
        watchedArea_ = area;
        area->installEventFilter(this);
      }
      area->horizontalScrollBar()->setValue(0);
      area->verticalScrollBar()->setValue(0);
      return;
    }
  }
}

void ChartView::paintEvent(QPaintEvent* event) {
  if (screenImage_.isNull() || screenImage_.devicePixelRatio() != std::max<qreal>(1.0, devicePixelRatioF())) {
    if (problem_.isEmpty()) {
      // A first paint, or a screen of another pixel density: draw now, and
      // say what must be said once this paint is over.
      const ScreenPaintResult result = Render();
      if (!result.ok || !result.message.isEmpty()) {
        QTimer::singleShot(0, this, [this, result] {
          if (!result.ok) {
            ReportFailure(result.failure);
          } else {
            ShowScreenMessage(result.message);
          }
        });
      }
    }
  }
  QPainter p(this);
  p.fillRect(event->rect(), ColourFromBgr(kBackgroundColour));
  if (!screenImage_.isNull()) {
    p.drawImage(QPoint(0, 0), screenImage_);
    return;
  }
  if (!problem_.isEmpty()) {
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(ColourFromBgr(kChartTitleColour));
    p.drawText(QRect(24, 24, 760, 400), Qt::TextWordWrap, problem_);
  }
}

// ---- messages

void ChartView::ShowScreenMessage(const QString& text) {
  if (text == QLatin1String(kBalasTajakaOnlyText)) {
    // The Pancha Vargeeya screen of a natal chart stays chosen: say so once,
    // not on every later drawing.
    if (balasAnnounced_) return;
    balasAnnounced_ = true;
  }
  QMessageBox::information(app_.DialogParent(), QString::fromLatin1(kOhNoCaption), text);
}

void ChartView::ReportFailure(const QString& error) {
  const QString text = tr("The chart \"%1\" could not be computed.\n\n%2\n\nPlease correct its birth "
                          "data (Edit > Edit birth data). The chart window stays open and nothing "
                          "was lost.")
                           .arg(doc_.title(), error);
  if (!hasChart_) {
    problem_ = text;
    update();
  }
  QMessageBox::warning(app_.DialogParent(), tr("Orvane Lite"), text);
}

void ChartView::OnDocumentUpdate(QObject* sender) {
  if (sender == this) return;
  RefreshScreen();
  RefreshDasaBrowser();
}

// ---- commands

void ChartView::ShowScreen(int screen) {
  choices_.screen = screen;
  balasAnnounced_ = false;
  RefreshScreen();
}

void ChartView::OnVimsottari() { ShowScreen(kScreenVimsottari); }
void ChartView::OnKalachakra() { ShowScreen(kScreenKalachakra); }
void ChartView::OnPatyayini() { ShowScreen(kScreenPatyayini); }
void ChartView::OnSahams() { ShowScreen(kScreenSahams); }
void ChartView::OnPanchaVargeeyaBala() { ShowScreen(kScreenPanchaVargeeya); }
void ChartView::OnShadbala() { ShowScreen(kScreenShadbala); }
void ChartView::OnMiscellaneous() { ShowScreen(kScreenMiscellaneous); }
void ChartView::OnAshtottari() { ShowScreen(kScreenAshtottari); }
void ChartView::OnMudda() { ShowScreen(kScreenMudda); }

void ChartView::OnAshtakavarga() {
  CChooseOneChartDlg dialog(choices_.ashtakavargaChart, app_.DialogParent());
  if (dialog.exec() != QDialog::Accepted) return;
  choices_.ashtakavargaChart = dialog.chart();
  SelectChart(choices_.ashtakavargaChart);
  ShowScreen(kScreenAshtakavarga);
}

void ChartView::OnSelectTwoCharts() {
  // From another screen the command first comes back to the two charts.
  if (choices_.screen != kScreenTwoCharts) {
    ShowScreen(kScreenTwoCharts);
    return;
  }
  CChooseTwoChartsDlg dialog(choices_.chart1, choices_.chart2, app_.DialogParent());
  if (dialog.exec() != QDialog::Accepted) return;
  choices_.chart1 = dialog.chart1();
  choices_.chart2 = dialog.chart2();
  SelectChart(choices_.chart1);
  if (dialog.showTwoCharts()) choices_.screen = kScreenTwoCharts;
  RefreshScreen();
}

void ChartView::OnTajakaChart() {
  ChartOptions& o = state_->options;
  // The year asked for is the current one (or the one chosen last in this
  // window): the year a reading is usually wanted for.
  CTajakaAnnualDlg annual(o.tajakaYear != 0 ? o.tajakaYear : QDate::currentDate().year(), app_.DialogParent());
  if (annual.exec() != QDialog::Accepted) return;
  o.tajakaMode = 1;
  o.tajakaYear = annual.year();
  o.tajakaMonthly = 0;
  o.tajakaHoraWanted = 0;
  o.tajakaHora = 0;
  if (annual.monthlyWanted()) {
    CTajakaMonthlyDlg monthly(o.tajakaMonth, app_.DialogParent());
    if (monthly.exec() == QDialog::Accepted) {
      o.tajakaMonthly = 1;
      o.tajakaMonth = monthly.month();
      if (monthly.horaWanted()) {
        CTajakaHoraDlg hora(o.tajakaHora + 1, app_.DialogParent());
        if (hora.exec() == QDialog::Accepted) {
          o.tajakaHoraWanted = 1;
          o.tajakaHora = hora.period() - 1;
        }
      }
    }
  }
  recompute_ = true;
  ShowScreen(kScreenTwoCharts);
}

void ChartView::OnBackToBirthChart() {
  ChartOptions& o = state_->options;
  o.tajakaMode = 0;
  o.tajakaMonthly = 0;
  o.tajakaHoraWanted = 0;
  recompute_ = true;
  ShowScreen(kScreenTwoCharts);
}

void ChartView::OnPratyantardasas() {
  if (tajakaMode()) {
    ShowScreenMessage(QString::fromLatin1(kNatalOnlyText));
    return;
  }
  CSelectMahadasaDlg dialog(choices_.mahadasa, app_.DialogParent());
  if (dialog.exec() == QDialog::Accepted) choices_.mahadasa = dialog.mahadasa();
  ShowScreen(kScreenPratyantardasas);
}

CDasaBrowser* ChartView::dasaBrowser() const { return dasaBrowser_.data(); }

namespace {

QString GrahaName(int slot) { return GrahaTerm(slot); }

}  // namespace

QString ChartView::RunningNowHtml() const {
  if (!hasChart_ || tajakaMode()) return {};
  const std::optional<Chart> natal = ComputeChart(state_->birth, ChartOptions{}, settings());
  if (!natal) return {};
  QString html = QStringLiteral("<h3 style=\"margin:0 0 4px 0\">%1</h3>").arg(tr("Running now"));

  // The Vimsottari periods of today, main period down to the pratyantardasa.
  const QDate today = QDate::currentDate();
  const std::vector<DasaRow> rows = DasaRows(natal->Vimsottari());
  const std::vector<int> path = RunningPath(rows, DasaDate{today.year(), today.month(), today.day(), 0});
  html += QStringLiteral("<p style=\"margin:6px 0 2px 0\">%1</p><table cellspacing=\"0\" cellpadding=\"2\">")
              .arg(tr("<b>Vimsottari dasa</b>, %1").arg(today.toString(QStringLiteral("yyyy-MM-dd"))));
  static constexpr std::array<const char*, 3> kLevel = {QT_TRANSLATE_NOOP("Terms", "Mahadasa"),
                                                        QT_TRANSLATE_NOOP("Terms", "Antardasa"),
                                                        QT_TRANSLATE_NOOP("Terms", "Pratyantardasa")};
  const std::vector<DasaRow>* level = &rows;
  for (std::size_t depth = 0; depth < path.size() && depth < kLevel.size() && level; ++depth) {
    const DasaRow& row = (*level)[static_cast<std::size_t>(path[depth])];
    html += QStringLiteral("<tr><td>%1</td><td><b>%2</b></td><td>%3</td></tr>")
                .arg(TermText(kLevel[depth]), GrahaName(row.lord), tr("until %1").arg(DasaDateText(row.end)));
    level = &row.children;
  }
  if (path.empty()) html += QStringLiteral("<tr><td>%1</td></tr>").arg(tr("No period runs today."));
  html += QStringLiteral("</table>");

  // Today's transits read from the natal Moon, on the clock of the birth zone.
  const BirthData place = transit::BirthPlace(*natal);
  const BirthData now = NowBirthData(settings());
  const BirthData moment =
      transit::BirthAt(transit::ShiftZone(transit::LocalDaysOf(now), now.zone, place.zone), place);
  const transit::TransitReading reading = transit::ReadTransits(
      *natal, settings(), transit::ChartPositions(settings(), moment, place), transit::LocalDaysOf(moment));
  html += QStringLiteral(
              "<p style=\"margin:10px 0 2px 0\">%1</p>"
              "<table cellspacing=\"0\" cellpadding=\"2\"><tr style=\"color:#555\"><td>%2</td>"
              "<td>%3</td><td align=\"right\">%4</td><td></td></tr>")
              .arg(tr("<b>Transits now</b>, from the natal Moon in %1")
                       .arg(SignTerm(std::clamp(reading.natalMoonSign, 0, 11))),
                   tr("Graha"), tr("Position"), tr("House"));
  for (const transit::GrahaTransit& g : reading.graha) {
    const double inSign = g.longitude - 30.0 * g.sign;
    QString note = g.favourable ? tr("favourable") : QString();
    if (!g.obstructedBy.empty()) {
      QStringList by;
      for (int slot : g.obstructedBy) by << GrahaName(slot);
      note = tr("vedha by %1").arg(by.join(QStringLiteral(", ")));
    }
    html += QStringLiteral("<tr><td>%1%2</td><td nowrap>%3 %4&deg;</td><td align=\"right\">%5</td><td>%6</td></tr>")
                .arg(GrahaName(g.slot), g.retrograde ? QLatin1Char(' ') + TermText("(R)") : QString(),
                     SignTerm(std::clamp(g.sign, 0, 11)))
                .arg(static_cast<int>(inSign))
                .arg(g.house)
                .arg(note);
  }
  html += QStringLiteral("</table><p style=\"margin:4px 0 0 0; color:#555\">%1</p>")
              .arg(tr("Houses are counted from the natal Moon's sign."));
  return html;
}

void ChartView::OnDasaBrowser() {
  if (tajakaMode()) {
    ShowScreenMessage(QString::fromLatin1(kNatalOnlyText));
    return;
  }
  if (!ComputeForExport()) return;
  const QDate today = QDate::currentDate();
  int system = 0;
  if (dasaBrowser_) {
    system = dasaBrowser_->systemBox()->currentIndex();
    dasaBrowser_->close();
  }
  // A window of the view's own: it goes with the chart window.
  dasaBrowser_ = new CDasaBrowser(doc_.DisplayName(), ChartDasaSystems(*state_),
                                  DasaDate{today.year(), today.month(), today.day(), 0}, dasa::ChartDate(*state_), this);
  dasaBrowser_->ShowSystem(system);
  dasaBrowser_->show();
}

void ChartView::RefreshDasaBrowser() {
  if (reportWindow_) reportWindow_->Refresh();
  if (yogaWindow_) yogaWindow_->Refresh();
  if (kpWindow_) kpWindow_->Refresh();
  if (timeShiftWindow_) timeShiftWindow_->Refresh();
  if (strengthWindow_) strengthWindow_->Refresh();
  if (!dasaBrowser_) return;
  if (tajakaMode()) {
    dasaBrowser_->close();
    return;
  }
  const QRect place = dasaBrowser_->geometry();
  OnDasaBrowser();
  if (dasaBrowser_) dasaBrowser_->setGeometry(place);
}

void ChartView::OnReportSections() {
  if (!ComputeForExport()) return;
  if (!reportWindow_) {
    // A window of the view's own: it goes with the chart window.
    reportWindow_ = new ReportWindow(*this);
    reportWindow_->ShowSection(ToInt(ReportSection::kBasicInfo));
  } else {
    reportWindow_->Refresh();
  }
  reportWindow_->show();
  reportWindow_->raise();
  reportWindow_->activateWindow();
}

void ChartView::ShowReportSection(int section) {
  OnReportSections();
  if (reportWindow_) reportWindow_->ShowSection(section);
}

ReportWindow* ChartView::reportWindow() const { return reportWindow_.data(); }

void ChartView::OnYogas() {
  if (ComputeForExport()) ShowOwnWindow(*this, yogaWindow_);
}

YogaWindow* ChartView::yogaWindow() const { return yogaWindow_.data(); }

void ChartView::OnKp() {
  if (ComputeForExport()) ShowOwnWindow(*this, kpWindow_);
}

KpWindow* ChartView::kpWindow() const { return kpWindow_.data(); }

void ChartView::OnTimeShift() {
  if (ComputeForExport()) ShowOwnWindow(*this, timeShiftWindow_);
}

TimeShiftWindow* ChartView::timeShiftWindow() const { return timeShiftWindow_.data(); }

void ChartView::OnStrengths() {
  if (ComputeForExport()) ShowOwnWindow(*this, strengthWindow_);
}

StrengthWindow* ChartView::strengthWindow() const { return strengthWindow_.data(); }

void ChartView::HighlightBodies(BodySet bodies) {
  std::array<bool, kSlotCount> picked{};
  for (int i = 0; i < kBodyCount; ++i) {
    if (bodies.Has(BodyAt(i))) picked[static_cast<std::size_t>(SlotOf(BodyAt(i)))] = true;
  }
  if (picked == highlighted()) return;
  SetHighlighted(picked);
  update();
}

QString ChartView::KindText() const {
  const ChartOptions& o = state_->options;
  switch (KindOf(o)) {
    case ChartKind::kAnnual:
      return tr("Annual chart %1").arg(o.tajakaYear);
    case ChartKind::kMonthly:
      return tr("Monthly chart %1, month %2").arg(o.tajakaYear).arg(o.tajakaMonth);
    case ChartKind::kHora:
      return tr("Hora chart %1, month %2, hora %3").arg(o.tajakaYear).arg(o.tajakaMonth).arg(o.tajakaHora + 1);
    default:
      return tr("Birth chart");
  }
}

QString ChartView::SectionReport(int section) const {
  if (!hasChart_ || section < 0 || section >= kReportSectionCount) return {};
  // A chart cast afresh from the birth data with the options orvane-cli
  // takes (its Tajaka chart, the mahadasa), the section chosen: the pass
  // orvane-cli runs, so the text is its text.
  auto fresh = std::make_unique<ChartState>();
  const ChartOptions& o = state_->options;
  fresh->options.tajakaMode = o.tajakaMode;
  fresh->options.tajakaYear = o.tajakaYear;
  fresh->options.tajakaMonthly = o.tajakaMonthly;
  fresh->options.tajakaMonth = o.tajakaMonth;
  fresh->options.tajakaHoraWanted = o.tajakaHoraWanted;
  fresh->options.tajakaHora = o.tajakaHora;
  fresh->options.selectedMahadasaLord = choices_.mahadasa;
  if (section == ToInt(ReportSection::kTextCharts)) fresh->options.textChartRasiNavamsa = 1;
  auto report = std::make_unique<ReportBuffer>();
  if (!ComputeChartFromBirth(*fresh, settings(), state_->birth, section, report.get())) return {};
  const std::string_view text = report->Text();
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ChartView::SectionCommand(int section) const {
  if (section < 0 || section >= kReportSectionCount) return {};
  auto quoted = [](const QString& text) {
    QString q = text;
    q.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
  };
  QString command = QStringLiteral("orvane-cli --settings %1").arg(quoted(app_.paths().settingsFile));
  if (ephemeris_ >= 0 && ephemeris_ != app_.settings().ephemeris) {
    command += ephemeris_ == 1 ? QStringLiteral(" --ephemeris swiss") : QStringLiteral(" --ephemeris classic");
  }
  const ChartOptions& o = state_->options;
  if (o.tajakaMode) {
    command += QStringLiteral(" --tajaka %1").arg(o.tajakaYear);
    if (o.tajakaMonthly) {
      command += QStringLiteral(" --month %1").arg(o.tajakaMonth);
      if (o.tajakaHoraWanted) command += QStringLiteral(" --hora %1").arg(o.tajakaHora + 1);
    }
  }
  if (choices_.mahadasa != 1) command += QStringLiteral(" --mahadasa %1").arg(choices_.mahadasa);
  command += QStringLiteral(" --section ") + QString::fromLatin1(kReportSections[static_cast<std::size_t>(section)].name);
  const QString file = doc_.pathName().isEmpty() || doc_.invalid() || doc_.IsModified()
                           ? QStringLiteral("CHART.orv")
                           : quoted(QDir::toNativeSeparators(doc_.pathName()));
  return command + QLatin1Char(' ') + file;
}

void ChartView::ShowBirthData(const QByteArray& image, bool keepScreen) {
  doc_.SetEditedImage(image);
  recompute_ = true;
  if (!keepScreen) choices_.screen = kScreenTwoCharts;
  balasAnnounced_ = false;
  RefreshScreen();
  RefreshDasaBrowser();
  doc_.UpdateAllViews(this);
}

void ChartView::OnEditBirthData() {
  const BirthData current = hasChart_ ? state_->birth : NowBirthData(app_.settings());
  CBirthDataDlg dialog(SplitForDialog(current), doc_.Labels(), app_.DialogParent());
  if (dialog.exec() != QDialog::Accepted) return;

  // The chart keeps the engine it is cast with.
  const std::string bytes = WithEphemerisLabel(
      FormatChartDataFile(ComposeFromDialog(dialog.fields())) + FormatChartLabels(dialog.labels()), doc_.EphemerisLabel());
  ShowBirthData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace orvane
