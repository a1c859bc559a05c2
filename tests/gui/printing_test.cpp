// Printing: which item each page carries, the pages of natal and Tajaka
// charts on a PDF printer, the six-chart pages, headers on alternating
// sides, black-and-white pages, and the title step.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "computed_chart.h"
#include "display/chart_draw.h"
#include "display/printing.h"
#include "modal_driver.h"

namespace orvane {
namespace {

using testing_support::ComputedChart;
using testing_support::MaxChroma;

Settings WithItems(std::array<int, 6> items, int blackAndWhite = 0) {
  Settings settings;
  settings.printItems = items;
  settings.printItemCount = CountPrintItems(settings);
  settings.blackAndWhite = blackAndWhite;
  return settings;
}

// A page of A4 at 150 dots per inch.
QImage Page() {
  QImage image(1240, 1754, QImage::Format_RGB32);
  image.setDotsPerMeterX(5906);
  image.setDotsPerMeterY(5906);
  image.fill(Qt::white);
  return image;
}

QImage PrintToImage(ChartPrintJob& job, int page) {
  QImage image = Page();
  QPainter painter(&image);
  job.PrintPage(painter, page);
  painter.end();
  return image;
}

int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(file.readAll());
  return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

bool PrintPdf(ChartPrintJob& job, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  return job.PrintAll(printer);
}

TEST(Printing, PagesCarryTheSelectedItemsInOrder) {
  struct Row {
    const char* name;
    std::array<int, 6> items;
    bool tajaka;
    std::vector<int> pages;  // item of each page
  };
  const Row rows[] = {
      {"natal, items 1 and 4", {1, 0, 0, 1, 0, 0}, false, {1, 4}},
      {"natal, all items", {1, 1, 1, 1, 1, 1}, false, {1, 2, 3, 4, 5, 6}},
      {"natal, items 3 and 6", {0, 0, 1, 0, 0, 1}, false, {3, 6}},
      {"natal, no item", {0, 0, 0, 0, 0, 0}, false, {}},
      {"Tajaka, no item", {0, 0, 0, 0, 0, 0}, true, {1, 2}},
      {"Tajaka, items 3, 5 and 6", {0, 0, 1, 0, 1, 1}, true, {1, 2, 5, 6}},
      {"Tajaka, all items", {1, 1, 1, 1, 1, 1}, true, {1, 2, 4, 5, 6}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Settings settings = WithItems(row.items);
    ASSERT_EQ(PrintPageCount(settings, row.tajaka), static_cast<int>(row.pages.size()));
    for (std::size_t k = 0; k < row.pages.size(); ++k) {
      EXPECT_EQ(static_cast<int>(PrintItemOfPage(settings, row.tajaka, static_cast<int>(k) + 1)), row.pages[k]);
    }
    EXPECT_EQ(PrintItemOfPage(settings, row.tajaka, static_cast<int>(row.pages.size()) + 1), PrintItem::kNone);
    EXPECT_EQ(PrintItemOfPage(settings, row.tajaka, 0), PrintItem::kNone);
  }
}

TEST(Printing, NatalChartWithItemsOneAndFourGivesTheBasicPageAndSixCharts) {
  const Settings settings = WithItems({1, 0, 0, 1, 0, 0});
  auto chart = ComputedChart(settings);
  ChartPrintJob job(*chart, settings);
  job.SetTitle(QStringLiteral("mychart"));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("natal.pdf"));
  ASSERT_TRUE(PrintPdf(job, pdf));
  EXPECT_EQ(PdfPageCount(pdf), 2);

  PrintToImage(job, 1);
  std::vector<int> firstPage;
  for (const auto& drawn : job.drawnCharts()) firstPage.push_back(drawn.chartIndex);
  EXPECT_EQ(firstPage, (std::vector<int>{0, 8}));

  // Page 2: D-10, D-4, D-16, D-2, D-5, D-40, two columns of three rows, each
  // exactly as the chart drawing paints it alone in its square.
  const QImage page = PrintToImage(job, 2);
  const auto& drawn = job.drawnCharts();
  ASSERT_EQ(drawn.size(), 6u);
  const std::array<int, 6> expected = {9, 3, 12, 1, 4, 17};
  ChartDrawOptions options = ChartDrawOptionsFromSettings(settings);
  options.printing = true;
  options.absoluteCoordinates = true;
  options.layoutSize = QSizeF(page.width(), page.height());
  for (std::size_t j = 0; j < 6; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(drawn[j].chartIndex, expected[j]);
    const QRectF& sq = drawn[j].square;
    if (j > 0) {
      const QRectF& before = drawn[j - 1].square;
      if (j % 2 == 1) {
        EXPECT_GT(sq.left(), before.right());
        EXPECT_DOUBLE_EQ(sq.top(), before.top());
      } else {
        EXPECT_GT(sq.top(), before.bottom());
      }
    }
    QImage alone = Page();
    QPainter painter(&alone);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawChart(painter, sq, ChartDrawInputFromState(*chart, expected[j]), options);
    painter.end();
    const QRect area = sq.toAlignedRect();
    EXPECT_EQ(page.copy(area), alone.copy(area));
  }
}

TEST(Printing, TajakaChartWithNoItemPrintsTwoPages) {
  const Settings settings = WithItems({0, 0, 0, 0, 0, 0});
  auto chart = ComputedChart(settings, 2026);
  ChartPrintJob job(*chart, settings);
  job.SetTitle(QStringLiteral("Varsha 2026"));
  ASSERT_EQ(job.PageCount(), 2);
  EXPECT_EQ(job.ItemOfPage(1), PrintItem::kBasic);
  EXPECT_EQ(job.ItemOfPage(2), PrintItem::kNakshatraDasas);
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("tajaka.pdf"));
  ASSERT_TRUE(PrintPdf(job, pdf));
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST(Printing, NothingSelectedOnANatalChartPrintsNothing) {
  const Settings settings = WithItems({0, 0, 0, 0, 0, 0});
  auto chart = ComputedChart(settings);
  ChartPrintJob job(*chart, settings);
  QTemporaryDir dir;
  EXPECT_FALSE(PrintPdf(job, dir.filePath(QStringLiteral("none.pdf"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));
}

TEST(Printing, BlackAndWhitePrintsEveryTextBlack) {
  // Page 1 holds the title, the footer, the text blocks and two charts;
  // page 2 the six charts with the header.
  for (const int blackAndWhite : {0, 1}) {
    SCOPED_TRACE(blackAndWhite);
    const Settings settings = WithItems({1, 0, 0, 0, 0, 1}, blackAndWhite);
    auto chart = ComputedChart(settings);
    ChartPrintJob job(*chart, settings);
    job.SetTitle(QStringLiteral("mychart"));
    for (const int page : {1, 2}) {
      SCOPED_TRACE(page);
      const QImage image = PrintToImage(job, page);
      // The only coloured ink left is the south frame's dark slate
      // (0x3c2828, channels 20 apart).
      const int chroma = MaxChroma(image, image.rect());
      if (blackAndWhite) {
        EXPECT_LE(chroma, 20);
      } else {
        EXPECT_GT(chroma, 100);
      }
    }
  }
}

TEST(Printing, HeaderNumberAndTitleChangeSidesOnEvenAndOddPages) {
  const Settings settings = WithItems({1, 1, 1, 0, 0, 0});
  auto chart = ComputedChart(settings);
  ChartPrintJob job(*chart, settings);
  job.SetTitle(QStringLiteral("A rather long title for the header"));
  auto inkIn = [](const QImage& image, int x0, int x1) {
    int ink = 0;
    for (int y = 0; y < image.height() * 5 / 100; ++y)
      for (int x = x0; x < x1; ++x) ink += qGray(image.pixel(x, y)) < 128;
    return ink;
  };
  for (const int page : {2, 3}) {
    SCOPED_TRACE(page);
    const QImage image = PrintToImage(job, page);
    const int left = inkIn(image, 0, image.width() / 2);
    const int right = inkIn(image, image.width() / 2, image.width());
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
    // The long title has far more ink than the one-digit number.
    if (page % 2 == 0) {
      EXPECT_GT(left, 3 * right);
    } else {
      EXPECT_GT(right, 3 * left);
    }
  }
  // Page 1 has no header: its top band is empty where the title is not.
  const QImage first = PrintToImage(job, 1);
  EXPECT_EQ(inkIn(first, 0, first.width()), 0);
}

// The engine is named on every page of a Swiss Ephemeris chart (the headers'
// middle, the first page's footer line) and nowhere on a classic one, whose
// header middle stays empty without a subject.
TEST(Printing, PagesNameTheSwissEphemerisAndClassicPagesStayAsTheyWere) {
  auto inkIn = [](const QImage& image, const QRect& area) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) ink += qGray(image.pixel(x, y)) < 160;
    return ink;
  };
  // The rightmost inked column of a band.
  auto inkEnd = [](const QImage& image, int y0, int y1) {
    int end = -1;
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 160) end = std::max(end, x);
    return end;
  };
  struct Run {
    QImage header;  // page 2
    QImage first;   // page 1
  };
  auto print = [](int ephemeris) {
    Settings settings = WithItems({1, 1, 0, 0, 0, 0});
    settings.ephemeris = ephemeris;
    auto chart = ComputedChart(settings);
    ChartPrintJob job(*chart, settings);
    job.SetTitle(QStringLiteral("mychart"));
    return Run{PrintToImage(job, 2), PrintToImage(job, 1)};
  };
  const Run classic = print(0);
  const Run swiss = print(1);
  const int w = classic.header.width(), h = classic.header.height();
  const QRect middle(w * 35 / 100, 0, w * 30 / 100, h * 5 / 100);
  EXPECT_EQ(inkIn(classic.header, middle), 0);
  EXPECT_GT(inkIn(swiss.header, middle), 0);
  // The first page's footer line: longer by the engine's name.
  const int classicEnd = inkEnd(classic.first, h * 95 / 100, h * 99 / 100);
  const int swissEnd = inkEnd(swiss.first, h * 95 / 100, h * 99 / 100);
  ASSERT_GT(classicEnd, 0);
  EXPECT_GT(swissEnd, classicEnd + w / 20);
  // Page 1 still has no header band.
  EXPECT_EQ(inkIn(swiss.first, QRect(0, 0, w, h * 5 / 100)), 0);
}

TEST(Printing, TitleIsPresetFromTheDocumentAndCancelAbandonsTheJob) {
  struct Row {
    const char* last;
    const char* document;
    const char* preset;
    const char* name = "";  // the person's name the chart keeps
  };
  const Row rows[] = {
      {"", "mychart.orv", "mychart"},
      {"", "old.dat", "old"},
      {"", "twice.orv.orv", "twice"},
      {"", ".orv", "Chart"},
      {"", "", "Chart"},
      {"", "Prasna 1", "Prasna 1"},
      {"Last job", "mychart.orv", "Last job"},
      {"", "mychart.orv", "Ravi Kumar", "Ravi Kumar"},
      {"", "Chart1", "Mr. Kumar.orv", " Mr. Kumar.orv "},
      {"", "mychart.orv", "mychart", "  "},
      {"Last job", "mychart.orv", "Last job", "Ravi Kumar"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.document);
    EXPECT_EQ(PresetPrintTitle(QString::fromUtf8(row.last), QString::fromUtf8(row.document),
                               QString::fromUtf8(row.name)),
              QString::fromUtf8(row.preset));
  }

  const Settings settings;
  auto chart = ComputedChart(settings);
  ChartPrintJob job(*chart, settings);
  QString viewTitle;
  QString offered;
  int asked = 0;
  auto cancel = [&](QWidget*, const QString& preset) -> std::optional<QString> {
    ++asked;
    offered = preset;
    return std::nullopt;
  };
  EXPECT_FALSE(job.Begin(nullptr, viewTitle, QStringLiteral("mychart.orv"), cancel));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(offered, QStringLiteral("mychart"));
  EXPECT_TRUE(viewTitle.isEmpty());

  auto ok = [&](QWidget*, const QString& preset) -> std::optional<QString> { return preset + QStringLiteral("!"); };
  EXPECT_TRUE(job.Begin(nullptr, viewTitle, QStringLiteral("mychart.orv"), ok));
  EXPECT_EQ(job.title(), QStringLiteral("mychart!"));
  EXPECT_EQ(viewTitle, QStringLiteral("mychart!"));
}

TEST(Printing, TheEnterTitleDialogOpensOnceAndCancelEndsIt) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  ChartPrintJob job(*chart, settings);
  QString viewTitle;
  testing::ModalDriver driver;
  QString shown;
  driver.Then([&](QWidget* modal) {
    if (auto* edit = modal->findChild<QLineEdit*>()) shown = edit->text();
    driver.Press(modal);  // accept with the preset
  });
  EXPECT_TRUE(job.Begin(nullptr, viewTitle, QStringLiteral("mychart.orv")));
  EXPECT_EQ(shown, QStringLiteral("mychart"));
  EXPECT_EQ(viewTitle, QStringLiteral("mychart"));

  driver.ThenReject();
  EXPECT_FALSE(job.Begin(nullptr, viewTitle, QStringLiteral("mychart.orv")));
  EXPECT_EQ(driver.captions(), (QStringList{QStringLiteral("Enter title"), QStringLiteral("Enter title")}));
  EXPECT_EQ(driver.unexpected(), 0);
}

// The six items of the default chart as a PDF in the build folder, for
// people to look at.
TEST(Printing, ReviewPdfOfTheDefaultChart) {
  const QString folder = QStringLiteral(ORVANE_BUILD_DIR "/print_review");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const int tajakaYear : {0, 2026}) {
    SCOPED_TRACE(tajakaYear);
    const Settings settings = WithItems({1, 1, 1, 1, 1, 1});
    auto chart = ComputedChart(settings, tajakaYear);
    ChartPrintJob job(*chart, settings);
    job.SetTitle(tajakaYear ? QStringLiteral("mychart, Tajaka 2026") : QStringLiteral("mychart"));
    const QString pdf = folder + (tajakaYear ? QStringLiteral("/default_chart_tajaka.pdf")
                                             : QStringLiteral("/default_chart.pdf"));
    ASSERT_TRUE(PrintPdf(job, pdf));
    EXPECT_EQ(PdfPageCount(pdf), tajakaYear ? 5 : 6);
  }
  Settings swiss = WithItems({1, 1, 1, 1, 1, 1});
  swiss.ephemeris = 1;
  auto chart = ComputedChart(swiss);
  ChartPrintJob job(*chart, swiss);
  job.SetTitle(QStringLiteral("mychart"));
  job.SetSubject(QStringLiteral("Ravi Kumar, Machilipatnam, Andhra Pradesh, IN"));
  const QString pdf = folder + QStringLiteral("/default_chart_swiss.pdf");
  ASSERT_TRUE(PrintPdf(job, pdf));
  EXPECT_EQ(PdfPageCount(pdf), 6);

  // The charts with the bodies' degrees.
  Settings degrees = WithItems({1, 1, 1, 1, 1, 1});
  degrees.chartDegrees = 1;
  auto degreesChart = ComputedChart(degrees);
  ChartPrintJob degreesJob(*degreesChart, degrees);
  degreesJob.SetTitle(QStringLiteral("mychart"));
  const QString degreesPdf = folder + QStringLiteral("/default_chart_degrees.pdf");
  ASSERT_TRUE(PrintPdf(degreesJob, degreesPdf));
  EXPECT_EQ(PdfPageCount(degreesPdf), 6);
}

}  // namespace
}  // namespace orvane
