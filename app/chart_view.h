// The chart window's view. It shows one screen of its document's chart at a
// time (two charts by default; dasa listings, strengths, Tajaka results with
// their charts), turns the chart commands into screen changes, and tells the
// user when a screen does not fit the kind of chart shown (natal or Tajaka).
//
// Each view owns its computed chart: every pass starts from this view's own
// chart image and cached values, so two windows never mix charts. The chart
// is computed from the document's birth data in memory (a prasna chart from
// the clock, whose moment becomes a new document's image).
//
// Painting: the screen is prepared (its chart passes run) whenever it may
// have changed (RefreshScreen, and the first paint) and drawn into an image at
// the screen's pixel density; paint events only copy that image. The screen
// is laid out from its measured text, and scaled: by default so that it
// fits the window keeping its proportions (never smaller than its actual
// size only to fit the height: long listings scroll), or by the zoom the
// user chose. A new window size or zoom draws the prepared screen again
// without computing. What the user must
// be told (a failed computation, an "Oh no" screen message) is shown once the
// drawing is done, never from inside a paint event.
//
// For printing and export: OnDraw(painter, options) draws the current screen
// on any paint device exactly as the window shows it; RunChartPass(section)
// with ReportText(), DrawTextBlock and DrawScreenChart (ScreenView) compose
// other layouts, with printing and coordinate choices passed as values in
// ScreenPaintOptions.
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "display/view_screens.h"
#include "chart/chart_state.h"

namespace orvane {

class CDasaBrowser;
class ReportWindow;
class YogaWindow;
class KpWindow;
class StrengthWindow;
class TimeShiftWindow;
class DesktopApp;
class ChartDocument;

class ChartView : public QWidget, public ScreenView {
  Q_OBJECT

 public:
  // The scroll size of a chart screen at its actual size before the first
  // drawing (afterwards the screen's measured extent).
  static constexpr int kScrollWidth = 1300;
  static constexpr int kScrollHeight = 1000;
  // Zoom limits and step.
  static constexpr double kMinZoom = 0.25;
  static constexpr double kMaxZoom = 4.0;
  static constexpr double kZoomStep = 1.25;
  // The screen shown by default and after editing the birth data: two
  // charts above two blocks of text.
  static constexpr int kTwoChartScreen = kScreenTwoCharts;

  ChartView(DesktopApp& app, ChartDocument& doc, QWidget* parent = nullptr);
  ~ChartView() override;

  ChartDocument& document() const { return doc_; }
  DesktopApp& app() const { return app_; }

  // Once the view is in its frame: the initial choices (screen 7, Rasi and
  // Navamsa, natal chart), the first computation, and for a document whose
  // file failed validation the "Invalid file" message.
  void OnInitialUpdate();
  // Draws the current screen on `painter`: marks the chart for recasting
  // from the document's image, fills the background
  // (not when printing) and calls PaintScreen. Opens no message box.
  ScreenPaintResult OnDraw(QPainter& painter, const ScreenPaintOptions& options = {});
  // Scrolls to the top left, computes and draws the screen again, then shows
  // what the drawing has to say (a failure, an "Oh no" message). Returns
  // false when the chart could not be computed; the screen shown before stays.
  bool RefreshScreen();

  // ---- Zoom: in and out by a step from the scale shown, the actual size
  // (scale 1: the layout's 1200 x 800 pixels), and fitted to the window
  // (the default).
  void ZoomIn();
  void ZoomOut();
  void ZoomActualSize();
  void ZoomToFit();
  bool fitsWindow() const { return fit_; }
  // The scale of the screen shown (1: actual size).
  double scale() const { return scale_; }
  // Where the blocks and charts of the screen shown are, widget pixels.
  const ScreenGeometry& screenGeometry() const { return geometry_; }
  // The scale that fits a screen of `extent` (at actual size) into `room`
  // whole, larger or smaller than its actual size, as long as it is not
  // below `minimum` (the scale of the least readable text); a screen that
  // would need less scrolls down, at its actual size or the width's scale
  // and never below `minimum`.
  static double FitScale(QSizeF extent, QSize room, int scrollBarExtent, double minimum = kMinZoom);
  // The main screen (two charts above their text) fitted to a window: the
  // charts' side and the text's scale in `room`. The text keeps at least
  // kMainTextScale unless the width forbids it, never wider than the room;
  // the charts take the height the text leaves them, up to half the room's
  // height and half its width each. `chartsRowHeight` and `textSize` are the
  // natural (scale 1) sizes of the chart row and of the text below it.
  struct MainScreenFit {
    double textScale = 1.0;
    double chartSide = 0;
    bool fitsHeight = true;  // false: the screen is taller than the room
  };
  static MainScreenFit FitMainScreen(QSizeF textSize, QSize room, double margin, double gap,
                                     double minimum = kMinZoom);
  static constexpr double kMainTextScale = 0.8;
  static constexpr double kMainChartMinimum = 180;
  // HTML of what is running now for the panel beside the main screen: the
  // Vimsottari periods of today and today's transits read from the natal
  // Moon. Empty for a chart that has none (a Tajaka chart, no chart).
  QString RunningNowHtml() const;

  // ---- Commands of the chart window
  void OnEditBirthData();      // "Edit birth&data": the birth-data round trip
  void OnVimsottari();         // screen 0
  void OnKalachakra();         // screen 1
  void OnPatyayini();          // screen 3
  void OnAshtakavarga();       // "Choose One Chart", then screen 5
  void OnSelectTwoCharts();    // screen 7, or "Choose Two Charts" on screen 7
  void OnTajakaChart();        // the Tajaka annual / monthly / hora chart dialogs
  void OnBackToBirthChart();   // clear Tajaka mode, screen 7
  void OnSahams();             // screen 8
  void OnPanchaVargeeyaBala(); // screen 9
  void OnShadbala();           // screen 10
  void OnMiscellaneous();      // screen 15
  void OnAshtottari();         // screen 32
  void OnMudda();              // screen 36
  void OnPratyantardasas();    // "Select the mahadasa", then screen 37
  // The Vimsottari periods as a tree in a window of its own (natal charts);
  // a second call replaces the window with one of the chart as it is now.
  // The window follows the chart: new birth data or preferences fill it
  // again in its place.
  void OnDasaBrowser();
  CDasaBrowser* dasaBrowser() const;
  // Every report section of orvane-cli in a window of the view's own: the
  // section list beside the chosen section's text. A second call brings
  // the window up; the window follows the chart as the dasa browser does.
  void OnReportSections();
  // The yogas of the chart, in a window of the view's own.
  void OnYogas();
  YogaWindow* yogaWindow() const;
  // The KP and houses window: cusps, lords, significators, bhava chalit.
  void OnKp();
  KpWindow* kpWindow() const;
  // The birth-time window: how far the time may move before each point
  // changes, and the time-shift control that recasts the chart.
  void OnTimeShift();
  TimeShiftWindow* timeShiftWindow() const;
  // The strengths as tables and bar charts.
  void OnStrengths();
  StrengthWindow* strengthWindow() const;
  // Picks out these bodies in the view's chart diagrams (none: the usual
  // drawing).
  void HighlightBodies(BodySet bodies);
  // Shows the chart of a chart data file's bytes (with its labels): the
  // document takes them as new birth data.
  void ShowBirthData(const QByteArray& image, bool keepScreen = false);
  // The same window showing section `section`.
  void ShowReportSection(int section);
  ReportWindow* reportWindow() const;
  // Section `section` of the chart shown (natal, or the Tajaka chart with
  // its year, month and hora; the pratyantardasas' mahadasa chosen in the
  // window) exactly as orvane-cli prints it with the preferences' settings
  // file, and the command that prints it. Empty before the first chart.
  QString SectionReport(int section) const;
  QString SectionCommand(int section) const;
  // "Birth chart", "Annual chart 2026", "Monthly chart 2026, month 3" or
  // "Hora chart 2026, month 3, hora 2".
  QString KindText() const;
  // "Swiss &Ephemeris for this chart": switches this window between the
  // classic engine and the Swiss Ephemeris and casts its chart again; the
  // other windows keep theirs. Until switched, a window follows the
  // preference.
  void OnToggleEphemeris();
  // The engine this window casts with: 0 classic, 1 the Swiss Ephemeris.
  int ephemeris() const { return settings().ephemeris; }
  // The window's own choice of engine: -1 while it follows the preference.
  int ephemerisChoice() const { return ephemeris_; }
  // Sets this window's engine (-1: follow the preference again) and casts
  // the chart again when it changes.
  void SetEphemeris(int ephemeris);
  // "Swiss Ephemeris 2.10.03, files" for the chart shown; for the classic
  // engine empty, or where its positions are far from the sky "classic
  // engine (use the Swiss Ephemeris outside 1900-1999)".
  const QString& engineText() const { return engineText_; }

  // ---- Printing and export commands (app/view_export_commands.cpp): the
  // chart is computed again, then app/export_commands does the work.
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnCopyScreenText();
  void OnCopyBasicText();
  void OnCopyCompleteText();
  void OnSaveChartBitmap();
  void OnSaveSouthNorthBitmap();
  void OnSaveChartPicture();  // chart 1 as a PNG or SVG file
  void OnEditNotes();
  void OnMailAsText();

  // ---- ScreenView
  // Computes this view's chart on a copy and keeps the copy only when every
  // step worked: birth data that cannot be cast leave the chart shown before
  // in place (lastFailure() says why). A new prasna chart keeps the moment
  // of its first recast as the document's image.
  bool RunChartPass(int section) override;
  const ChartState& chart() const override { return *state_; }
  const ReportBuffer& report() const override { return *report_; }
  const Settings& settings() const override;
  QString lastFailure() const override { return failure_; }

  // The chart of the last successful pass (empty before the first one).
  bool hasChart() const { return hasChart_; }
  // True when the last pass cast the current moment (a prasna chart).
  bool isPrasna() const { return prasna_; }
  int screen() const { return choices_.screen; }
  bool tajakaMode() const { return state_->options.tajakaMode != 0; }
  // The title printing uses; kept between print jobs.
  QString printTitle;
  // The screen as last drawn (device pixels at the window's density).
  const QImage& screenImage() const { return screenImage_; }

  QSize sizeHint() const override;

 signals:
  // The engine text changed (another engine, or another source of the
  // positions for the chart's date).
  void engineTextChanged(const QString& text);
  // The screen was drawn again (another chart, screen or size).
  void screenComposed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A tool tip over a crowded cell's "+n" mark lists the labels it stands for.
  bool event(QEvent* event) override;

 private:
  // Before a drawing or an export: the next pass recasts, from the document's image or,
  // for a prasna chart, from the clock.
  void PreparePass();
  // The chart cast again before an export command; a failure is reported.
  bool ComputeForExport();
  // Draws the screen into a new image; the image replaces the one shown
  // only when the drawing worked.
  ScreenPaintResult Render();
  // Lays the prepared screen out at the current zoom and draws it into a
  // new image.
  void Compose();
  // The room the scroll area gives the view (its viewport without scroll
  // bars); the view's own size outside a scroll area.
  QSize Room() const;
  void SetZoom(bool fit, double zoom);
  void ShowScreenMessage(const QString& text);
  void ReportFailure(const QString& error);
  void ShowScreen(int screen);
  void OnDocumentUpdate(QObject* sender);
  // Compose's arrangement of the main screen when it fits the window.
  void ComposeMainScreen(QSize room, int scrollBarExtent, const QPaintDevice* probe, ScreenPaintOptions& options);
  void ScrollToTop();
  void RefreshDasaBrowser();

  DesktopApp& app_;
  ChartDocument& doc_;
  std::unique_ptr<ChartState> state_;
  std::unique_ptr<ChartState> trial_;  // the pass's working copy
  std::unique_ptr<ReportBuffer> report_;       // the text of the last pass's section
  std::unique_ptr<ReportBuffer> trialReport_;  // the pass's working copy
  bool hasChart_ = false;
  bool prasna_ = false;
  bool nowMode_ = false;    // the next recast takes the clock (prasna chart)
  bool recompute_ = true;   // the next pass recasts
  bool firstPaint_ = true;
  bool balasAnnounced_ = false;  // the Pancha Vargeeya message shown for this choice
  QString failure_;
  QImage screenImage_;
  QString problem_;  // shown instead of a chart when none could be computed
  bool fit_ = true;      // the screen follows the window's size
  double zoom_ = 1.0;    // the scale chosen by the user when not fitting
  double scale_ = 1.0;   // the scale of the image shown
  ScreenGeometry geometry_;
  QSize composedRoom_;   // the room the image was composed for
  QObject* watchedArea_ = nullptr;
  QPointer<CDasaBrowser> dasaBrowser_;
  QPointer<ReportWindow> reportWindow_;
  QPointer<YogaWindow> yogaWindow_;
  QPointer<KpWindow> kpWindow_;
  QPointer<TimeShiftWindow> timeShiftWindow_;
  QPointer<StrengthWindow> strengthWindow_;
  int ephemeris_ = -1;  // this window's engine; -1: the preference's
  mutable Settings viewSettings_;  // the preferences with this window's engine
  QString engineText_;
};

}  // namespace orvane
