// Printing a chart as a small book: one page per selected print item, each
// a fixed arrangement of report sections and chart diagrams in the page's
// own device units, with page numbers, the user's title and, on the first
// page, a footer line. The same pages go to a printer, a PDF file and the
// print preview.
#pragma once

#include <QRectF>
#include <QString>

#include <array>
#include <memory>
#include <vector>

#include "display/enter_title.h"
#include "chart/chart_state.h"
#include "io/settings.h"

class QPainter;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace orvane {

// The six print items, in page order.
enum class PrintItem : int {
  kNone = 0,
  kBasic = 1,           // birth data, degrees, Rasi, Navamsa, Vimsottari dasa
  kNakshatraDasas = 2,  // Kalachakra and Ashtottari dasas (Tajaka: Patyayini and Mudda)
  kStrengths = 3,       // shadbala, bhava bala, ashtakavarga
  kFortuneCharts = 4,   // D-10, D-4, D-16, D-2, D-5, D-40
  kFamilyCharts = 5,    // D-12, D-3, D-7, D-27, D-24, D-20
  kMisfortuneCharts = 6,  // D-6, D-8, D-11, D-30, D-45, D-60
};

// Chart choices of the six-chart pages (items 4..6), in drawing order.
inline constexpr std::array<std::array<int, 6>, 3> kSixChartPages = {{
    {9, 3, 12, 1, 4, 17},
    {11, 2, 6, 15, 14, 13},
    {5, 7, 10, 16, 18, 19},
}};

inline constexpr char kPrintFooter[] = "Printed with \"Orvane Lite\" software from Meruvan";

// The title proposed for a print job: the title of the last job when there
// is one, otherwise the person's name the chart keeps, otherwise the
// document's title cut at its first ".orv" or ".dat", or "Chart" when that
// leaves nothing.
QString PresetPrintTitle(const QString& lastTitle, const QString& documentTitle, const QString& chartName = {});

// Pages of a job: natal charts one per selected item; Tajaka charts items 1
// and 2 always, then one page per selected item among 4..6.
int PrintPageCount(const Settings& settings, bool tajaka);
// The item printed on page 1..count (kNone beyond the count).
PrintItem PrintItemOfPage(const Settings& settings, bool tajaka, int page);

class ChartPrintJob {
 public:
  // `chart`: the view's computed chart (with its Tajaka mode and choices);
  // the job works on its own copy.
  ChartPrintJob(const ChartState& chart, const Settings& settings);
  ~ChartPrintJob();
  ChartPrintJob(const ChartPrintJob&) = delete;
  ChartPrintJob& operator=(const ChartPrintJob&) = delete;

  // Before the pages: the title, preset from `printTitle` (the view's title
  // of the last job), the chart's name or the document's title and confirmed with `ask`; the
  // view's title is updated. False when the user cancelled: nothing is to
  // be printed.
  bool Begin(QWidget* parent, QString& printTitle, const QString& documentTitle, const TitlePrompt& ask = AskTitleSimple);
  // Sets the title without asking (tests, scripts).
  void SetTitle(const QString& title) { title_ = title; }
  // The person and the place the chart file names ("Ravi Kumar, Chennai,
  // Tamil Nadu, IN"), printed in every page's header (page 1: its footer
  // line); empty for none.
  void SetSubject(const QString& subject) { subject_ = subject; }
  // The person's name the chart keeps: the title offered by Begin.
  void SetChartName(const QString& name) { chartName_ = name; }
  const QString& title() const { return title_; }

  int PageCount() const;
  PrintItem ItemOfPage(int page) const;
  bool tajaka() const;

  // Draws page 1..PageCount() on `painter`, whose device is the page
  // (width W and height H in device units).
  void PrintPage(QPainter& painter, int page);
  // Every page on `printer`, one after the other. False when there is no
  // page or the printer could not be started.
  bool PrintAll(QPrinter& printer);

  // The charts of the page printed last: chart choice and square, device
  // units, in drawing order.
  struct DrawnChart {
    int chartIndex = 0;
    QRectF square;
  };
  const std::vector<DrawnChart>& drawnCharts() const { return drawnCharts_; }

 private:
  // "Swiss Ephemeris" when the chart is not cast with the classic engine:
  // the page headers and the first page's footer name it.
  QString EngineName() const;
  void DrawHeader(QPainter& painter, int page, double W, double H);
  void DrawFooter(QPainter& painter, double W, double H);
  void DrawTitle(QPainter& painter, double x0, double x1, double y0, double y1);
  void DrawItem(QPainter& painter, PrintItem item, double W, double H);
  void DrawSection(QPainter& painter, int section, double x0, double x1, double y0, double y1, int heightParam,
                   int widthParam, int weight, unsigned colour, bool rasiSelected = false);
  void DrawText(QPainter& painter, const QString& text, double x0, double x1, double y0, double y1, int heightParam,
                int widthParam, int weight, unsigned colour);
  void DrawCharts(QPainter& painter, const std::vector<int>& charts, double x0, double x1, double y0, double y1,
                  int columns, double W, double H);

  std::unique_ptr<ChartState> chart_;
  Settings settings_;
  QString title_;
  QString subject_;
  QString chartName_;
  std::vector<DrawnChart> drawnCharts_;
};

// "&Print...": the print dialog, the title, the pages. A PDF file is one of
// the printer's outputs. Returns whether pages were printed.
bool FilePrint(QWidget* parent, QPrinter& printer, const ChartState& chart, const Settings& settings,
               QString& printTitle, const QString& documentTitle, const TitlePrompt& ask = AskTitleSimple,
               const QString& subject = {}, const QString& chartName = {});
// "Print Pre&view": the title, then the pages in the preview dialog (which
// can print them).
bool FilePrintPreview(QWidget* parent, QPrinter& printer, const ChartState& chart, const Settings& settings,
                      QString& printTitle, const QString& documentTitle, const TitlePrompt& ask = AskTitleSimple,
                      const QString& subject = {}, const QString& chartName = {});
// "Print Set&up...": the page set-up of `printer`.
void FilePrintSetup(QWidget* parent, QPrinter& printer);

}  // namespace orvane
