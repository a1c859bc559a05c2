#include "display/printing.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "compute/pipeline.h"
#include "engine/classic_engine.h"
#include "display/chart_draw.h"
#include "display/print_file.h"
#include "display/text_font.h"
#include "compute/collection.h"

namespace orvane {
namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QString kCourier = QStringLiteral("Courier New");

// Colours of the printed blocks, 0xBBGGRR.
constexpr BgrColour kTitleColour = 0x461464;
constexpr BgrColour kFooterColour = 0x3c3c50;
constexpr BgrColour kBasicInfoColour = 0x0e3846;
constexpr BgrColour kPlanetTableColour = 0x323264;
constexpr BgrColour kVimsottariColour = 0x1e3c1e;
constexpr BgrColour kTajakaBalaColour = 0x1e008c;
constexpr BgrColour kKalachakraColour = 0x641928;
constexpr BgrColour kAshtottariColour = 0x48505f;
constexpr BgrColour kPatyayiniColour = 0x0f0f64;
constexpr BgrColour kMuddaColour = 0x1e3c1e;
constexpr BgrColour kShadbalaColour = 0x280f96;
constexpr BgrColour kAshtakavargaColour = 0x962332;

// The page header's font is 96 by 32 units on a page of 600 dots per inch
// (text of about 8 points, readable on paper), and as large on paper at any
// other resolution.
constexpr int kHeaderHeight = 96;
constexpr int kHeaderWidth = 32;
constexpr double kHeaderDpi = 600.0;

// Report sections of the items.
constexpr int kVimsottari = 0, kKalachakra = 1, kAshtakavarga = 3, kBasicInformation = 4, kPatyayini = 6,
              kMudda = 7, kPanchaVargeeya = 11, kPlanetTable = 21, kShadbalaTotals = 22, kAshtottari = 37;

// A text block's font from its parameters: the line height is a share of
// the page height and the character width a share of the page width, so a
// block keeps its shape on any paper and resolution.
int ParamHeight(double H, int param) { return static_cast<int>(H * (param + 1) / 840.0); }
int ParamWidth(double W, int param) { return static_cast<int>(W * (param + 1) / 1220.0); }

// Between the subject or the footer line and the engine's name.
const QString kEngineSeparator = QStringLiteral(" \u2014 ");

QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString PresetPrintTitle(const QString& lastTitle, const QString& documentTitle, const QString& chartName) {
  if (!lastTitle.isEmpty()) return lastTitle;
  if (!chartName.trimmed().isEmpty()) return chartName.trimmed();
  QString title = documentTitle;
  for (const QLatin1String extension : {QLatin1String(".orv"), QLatin1String(".dat")}) {
    const qsizetype at = title.indexOf(extension);
    if (at >= 0) {
      title.truncate(at);
      break;
    }
  }
  return title.isEmpty() ? QCoreApplication::translate("Orvane", "Chart") : title;
}

int PrintPageCount(const Settings& settings, bool tajaka) {
  int count = 0;
  if (tajaka) {
    count = 2;
    for (int item = 4; item <= 6; ++item) count += settings.printItems[static_cast<std::size_t>(item - 1)] != 0;
    return count;
  }
  for (const int on : settings.printItems) count += on != 0;
  return count;
}

PrintItem PrintItemOfPage(const Settings& settings, bool tajaka, int page) {
  if (page < 1 || page > PrintPageCount(settings, tajaka)) return PrintItem::kNone;
  int first = 1;
  int skip = page;
  if (tajaka) {
    if (page <= 2) return static_cast<PrintItem>(page);
    first = 4;
    skip = page - 2;
  }
  for (int item = first; item <= 6; ++item) {
    if (settings.printItems[static_cast<std::size_t>(item - 1)] != 0 && --skip == 0) {
      return static_cast<PrintItem>(item);
    }
  }
  return PrintItem::kNone;
}

ChartPrintJob::ChartPrintJob(const ChartState& chart, const Settings& settings)
    : chart_(std::make_unique<ChartState>(chart)), settings_(settings) {}

ChartPrintJob::~ChartPrintJob() = default;

bool ChartPrintJob::Begin(QWidget* parent, QString& printTitle, const QString& documentTitle,
                          const TitlePrompt& ask) {
  const std::optional<QString> entered = ask(parent, PresetPrintTitle(printTitle, documentTitle, chartName_));
  if (!entered) return false;
  title_ = *entered;
  printTitle = title_;
  return true;
}

bool ChartPrintJob::tajaka() const { return chart_->options.tajakaMode != 0; }

int ChartPrintJob::PageCount() const { return PrintPageCount(settings_, tajaka()); }

PrintItem ChartPrintJob::ItemOfPage(int page) const { return PrintItemOfPage(settings_, tajaka(), page); }

void ChartPrintJob::PrintPage(QPainter& painter, int page) {
  const PrintItem item = ItemOfPage(page);
  drawnCharts_.clear();
  if (item == PrintItem::kNone) return;
  const QPaintDevice* device = painter.device();
  const double W = device->width();
  const double H = device->height();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (page == 1) {
    DrawFooter(painter, W, H);
    if (item != PrintItem::kBasic) DrawTitle(painter, W * 19 / 200, W - W * 11 / 200, 0, 0.08 * H);
  } else {
    DrawHeader(painter, page, W, H);
  }
  DrawItem(painter, item, W, H);
  painter.restore();
}

bool ChartPrintJob::PrintAll(QPrinter& printer) {
  const int count = PageCount();
  if (count < 1) return false;
  int from = 1, to = count;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    from = std::max(1, printer.fromPage());
    to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
  }
  if (from > to) return false;
  // A PDF file's title (and a print queue's job name) is the job's title,
  // or the person and place when the title is left empty.
  const QString docName = !title_.trimmed().isEmpty() ? title_.trimmed() : subject_;
  if (!docName.isEmpty()) printer.setDocName(docName);
  printer.setCreator(QStringLiteral("Orvane Lite"));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  for (int page = from; page <= to; ++page) {
    if (page > from && !printer.newPage()) {
      painter.end();
      return false;
    }
    PrintPage(painter, page);
  }
  return painter.end();
}

void ChartPrintJob::DrawHeader(QPainter& painter, int page, double W, double H) {
  const double scale = painter.device()->logicalDpiY() / kHeaderDpi;
  TextFont font;
  SetTextFont(font, kTimes, 450, std::max(1, static_cast<int>(kHeaderHeight * scale)),
              std::max(1, static_cast<int>(kHeaderWidth * scale)), 0);
  const double left = W * 19 / 200, right = W - W * 11 / 200;
  const QRectF band(left, 0.02 * H, right - left, std::max(0.03 * H, 1.5 * font.height));
  const QString number = QString::number(page);
  // Even pages: the number outside on the right; odd pages on the left.
  const bool even = page % 2 == 0;
  DrawTextWithFont(painter, font, number, band, (even ? kTextRight : kTextLeft) | kTextVCentre | kTextSingleLine);
  DrawTextWithFont(painter, font, title_, band, (even ? kTextLeft : kTextRight) | kTextVCentre | kTextSingleLine);
  const QString engine = EngineName();
  if (!subject_.isEmpty() || !engine.isEmpty()) {
    // Between the number and the title, cut short rather than overlapping;
    // the engine's name is never cut.
    const QRectF middle(left + band.width() * 0.3, band.top(), band.width() * 0.4, band.height());
    const QFontMetricsF metrics(MakeTextQFont(font, painter.device()), painter.device());
    const QString tail = engine.isEmpty() ? QString() : subject_.isEmpty() ? engine : kEngineSeparator + engine;
    const QString shown =
        metrics.elidedText(subject_, Qt::ElideRight, std::max(0.0, middle.width() - metrics.horizontalAdvance(tail)));
    DrawTextWithFont(painter, font, shown + tail, middle, kTextCentredLine);
  }
}

QString ChartPrintJob::EngineName() const {
  if (settings_.ephemeris == 1) return QCoreApplication::translate("Orvane", "Swiss Ephemeris");
  // The classic engine is named only where it is far from the sky.
  return QString::fromStdString(ClassicRangeShortNote(ChartYear(*chart_)));
}

void ChartPrintJob::DrawFooter(QPainter& painter, double W, double H) {
  TextFont font;
  SetTextFont(font, kTimes, 500, ParamHeight(H, 11), ParamWidth(W, 9), kFooterColour, settings_.blackAndWhite != 0);
  const double left = W * 19 / 200;
  // The first page has no header: its footer names the engine.
  const QString engine = EngineName();
  const QString footer = QString::fromLatin1(kPrintFooter) + (engine.isEmpty() ? QString() : kEngineSeparator + engine);
  DrawTextWithFont(painter, font, footer, QRectF(left, 0.95 * H, W - left, 0.04 * H),
                   kTextLeft | kTextVCentre | kTextSingleLine);
  if (!subject_.isEmpty()) {
    const double right = W - W * 11 / 200;
    double from = left + (right - left) * 0.55;
    if (!engine.isEmpty()) {
      // The subject starts after the longer footer line.
      from = std::max(from, left + MeasureText(painter.device(), font, footer + kEngineSeparator).width());
    }
    const QRectF rest(from, 0.95 * H, std::max(0.0, right - from), 0.04 * H);
    const QString shown = QFontMetricsF(MakeTextQFont(font, painter.device()), painter.device())
                              .elidedText(subject_, Qt::ElideRight, rest.width());
    DrawTextWithFont(painter, font, shown, rest, kTextRight | kTextVCentre | kTextSingleLine);
  }
}

void ChartPrintJob::DrawTitle(QPainter& painter, double x0, double x1, double y0, double y1) {
  const QPaintDevice* device = painter.device();
  const double W = device->width(), H = device->height();
  TextFont font;
  SetTextFont(font, kTimes, 700, ParamHeight(H, 23), ParamWidth(W, 20), kTitleColour, settings_.blackAndWhite != 0);
  // A long title is made smaller rather than cut.
  const double room = x1 - x0;
  const double wide = MeasureText(device, font, title_).width();
  if (wide > room && wide > 0) {
    font.height = std::max(1, static_cast<int>(font.height * room / wide));
    font.width = std::max(1, static_cast<int>(font.width * room / wide));
  }
  DrawTextWithFont(painter, font, title_, QRectF(x0, y0, x1 - x0, y1 - y0), kTextCentredLine);
}

void ChartPrintJob::DrawText(QPainter& painter, const QString& text, double x0, double x1, double y0, double y1,
                             int heightParam, int widthParam, int weight, unsigned colour) {
  const QPaintDevice* device = painter.device();
  const double W = device->width(), H = device->height();
  TextFont font;
  SetTextFont(font, kCourier, weight, ParamHeight(H, heightParam), ParamWidth(W, widthParam), colour,
              settings_.blackAndWhite != 0);
  // The block keeps its proportions but shrinks until every line fits.
  const QStringList lines = text.split(QLatin1Char('\n'));
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, MeasureText(device, font, line).width());
  const double tall = MeasureText(device, font, QStringLiteral("X")).height() * lines.size();
  double k = 1.0;
  if (widest > x1 - x0 && widest > 0) k = std::min(k, (x1 - x0) / widest);
  if (tall > y1 - y0 && tall > 0) k = std::min(k, (y1 - y0) / tall);
  if (k < 1.0) {
    font.height = std::max(1, static_cast<int>(font.height * k));
    font.width = std::max(1, static_cast<int>(font.width * k));
  }
  DrawTextWithFont(painter, font, text, QRectF(x0, y0, x1 - x0, y1 - y0), kTextLeft);
}

void ChartPrintJob::DrawSection(QPainter& painter, int section, double x0, double x1, double y0, double y1,
                                int heightParam, int widthParam, int weight, unsigned colour, bool rasiSelected) {
  CollectionStep step;
  step.section = section;
  step.rasiSelected = rasiSelected;
  const std::string text = SectionText(*chart_, settings_, step);
  DrawText(painter, FromLatin1(text), x0, x1, y0, y1, heightParam, widthParam, weight, colour);
}

void ChartPrintJob::DrawCharts(QPainter& painter, const std::vector<int>& charts, double x0, double x1, double y0,
                               double y1, int columns, double W, double H) {
  const int count = static_cast<int>(charts.size());
  if (count == 0) return;
  const int rows = (count + columns - 1) / columns;
  const double gap = 0.025 * W;
  const double size =
      std::max(0.0, std::min((x1 - x0 - (columns - 1) * gap) / columns, (y1 - y0 - (rows - 1) * gap) / rows));
  const double left = x0 + (x1 - x0 - columns * size - (columns - 1) * gap) / 2;
  const double top = y0 + (y1 - y0 - rows * size - (rows - 1) * gap) / 2;

  ChartDrawOptions options = ChartDrawOptionsFromSettings(settings_);
  options.printing = true;
  options.absoluteCoordinates = true;
  options.layoutSize = QSizeF(W, H);
  options.clearBackground = false;
  for (int j = 0; j < count; ++j) {
    const QRectF square(left + (j % columns) * (size + gap), top + (j / columns) * (size + gap), size, size);
    const int chartIndex = charts[static_cast<std::size_t>(j)];
    DrawChart(painter, square, ChartDrawInputFromState(*chart_, chartIndex), options);
    drawnCharts_.push_back({chartIndex, square});
  }
}

void ChartPrintJob::DrawItem(QPainter& painter, PrintItem item, double W, double H) {
  const double left = W * 19 / 200;
  const double right = W - W * 11 / 200;
  const double middle = W / 2;
  // Below the header band, or below the title of a first page.
  const double top = 0.09 * H;
  const double bottom = 0.94 * H;
  const bool tajakaChart = tajaka();
  switch (item) {
    case PrintItem::kNone:
      return;
    case PrintItem::kBasic: {
      DrawTitle(painter, left, right, 0.04 * H, 0.08 * H);
      DrawSection(painter, kBasicInformation, left, middle - 0.01 * W, top, 0.45 * H, 10, 9, 550, kBasicInfoColour);
      DrawSection(painter, kPlanetTable, middle, right, top, 0.45 * H, 10, 9, 550, kPlanetTableColour);
      if (tajakaChart) {
        CollectionStep step;
        step.section = kPanchaVargeeya;
        const std::string text = "\nTajaka Pancha Vargeeya Bala:\n" + SectionText(*chart_, settings_, step);
        DrawText(painter, FromLatin1(text), left, right, 0.46 * H, 0.66 * H, 10, 9, 550, kTajakaBalaColour);
        DrawCharts(painter, {0, 8}, left, right, 0.67 * H, bottom, 2, W, H);
      } else {
        DrawSection(painter, kVimsottari, left, right, 0.46 * H, 0.70 * H, 9, 8, 450, kVimsottariColour);
        DrawCharts(painter, {0, 8}, left, right, 0.71 * H, bottom, 2, W, H);
      }
      return;
    }
    case PrintItem::kNakshatraDasas:
      if (tajakaChart) {
        DrawSection(painter, kPatyayini, left, right, top, 0.52 * H, 11, 9, 450, kPatyayiniColour);
        DrawSection(painter, kMudda, left, right, 0.53 * H, bottom, 11, 9, 450, kMuddaColour);
      } else {
        DrawSection(painter, kKalachakra, left, right, top, 0.52 * H, 11, 9, 450, kKalachakraColour);
        DrawSection(painter, kAshtottari, left, right, 0.53 * H, bottom, 11, 9, 450, kAshtottariColour);
      }
      return;
    case PrintItem::kStrengths:
      DrawSection(painter, kShadbalaTotals, left, right, top, 0.37 * H, 10, 9, 450, kShadbalaColour, true);
      DrawSection(painter, kAshtakavarga, W * 30 / 200 + left, right, 75 * H / 200, bottom, 9, 8, 450,
                  kAshtakavargaColour, true);
      return;
    case PrintItem::kFortuneCharts:
    case PrintItem::kFamilyCharts:
    case PrintItem::kMisfortuneCharts: {
      const auto& charts = kSixChartPages[static_cast<std::size_t>(static_cast<int>(item) - 4)];
      DrawCharts(painter, std::vector<int>(charts.begin(), charts.end()), left, right, top, bottom, 2, W, H);
      return;
    }
  }
}

bool FilePrint(QWidget* parent, QPrinter& printer, const ChartState& chart, const Settings& settings,
               QString& printTitle, const QString& documentTitle, const TitlePrompt& ask, const QString& subject,
               const QString& chartName) {
  ChartPrintJob job(chart, settings);
  job.SetSubject(subject);
  job.SetChartName(chartName);
  const int count = job.PageCount();
  if (count < 1) {
    QMessageBox::information(
        parent, QCoreApplication::translate("Orvane", "Orvane Lite"),
        QCoreApplication::translate("Orvane",
                                    "There is nothing to print: no item is chosen under \"Items to include "
                                    "when printing\"."));
    return false;
  }
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, count);
  dialog.setFromTo(1, count);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (!job.Begin(parent, printTitle, documentTitle, ask)) return false;
  QString error;
  if (!PrintJobToPrinter(job, printer, &error)) {
    QMessageBox::warning(parent, QCoreApplication::translate("Orvane", "Orvane Lite"),
                         error.isEmpty() ? QCoreApplication::translate("Orvane", "Could not start print job.") : error);
    return false;
  }
  return true;
}

bool FilePrintPreview(QWidget* parent, QPrinter& printer, const ChartState& chart, const Settings& settings,
                      QString& printTitle, const QString& documentTitle, const TitlePrompt& ask,
                      const QString& subject, const QString& chartName) {
  ChartPrintJob job(chart, settings);
  job.SetSubject(subject);
  job.SetChartName(chartName);
  if (job.PageCount() < 1) {
    QMessageBox::information(
        parent, QCoreApplication::translate("Orvane", "Orvane Lite"),
        QCoreApplication::translate("Orvane",
                                    "There is nothing to print: no item is chosen under \"Items to include "
                                    "when printing\"."));
    return false;
  }
  if (!job.Begin(parent, printTitle, documentTitle, ask)) return false;
  // The printer is shared with the print command: a page range chosen for
  // the last print job must not hide pages of the preview.
  printer.setPrintRange(QPrinter::AllPages);
  QPrintPreviewDialog preview(&printer, parent);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&job](QPrinter* target) { job.PrintAll(*target); });
  // The preview's own Print would paint on the shared printer, which writes
  // a chosen file in place (cut short on a full disk, and broken for every
  // later job): its Print goes the print command's way instead, through a
  // locked temporary file that replaces the chosen file only when complete.
  const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
  for (QAction* action : preview.findChildren<QAction*>()) {
    if (action->text() != printText) continue;
    action->disconnect(&preview);
    QObject::connect(action, &QAction::triggered, &preview, [&preview, &printer, &job] {
      QPrintDialog dialog(&printer, &preview);
      if (dialog.exec() != QDialog::Accepted) return;
      QString error;
      if (!PrintJobToPrinter(job, printer, &error)) {
        // The preview stays open: the user may choose another file.
        QMessageBox::warning(
            &preview, QCoreApplication::translate("Orvane", "Orvane Lite"),
            error.isEmpty() ? QCoreApplication::translate("Orvane", "Could not start print job.") : error);
        return;
      }
      preview.accept();
    });
  }
  preview.exec();
  return true;
}

void FilePrintSetup(QWidget* parent, QPrinter& printer) {
  QPageSetupDialog dialog(&printer, parent);
  dialog.exec();
}

}  // namespace orvane
