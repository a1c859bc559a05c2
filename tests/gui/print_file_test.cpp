// Printing into a PDF file on a disk that fills up: the job fails with a
// message, the file chosen is never left cut short, no temporary file is
// left, and the next jobs of the same printer are complete.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "computed_chart.h"
#include "file_size_limit.h"
#include "display/print_file.h"
#include "display/printing.h"

namespace orvane {
namespace {

using testing_support::ComputedChart;
using testing_support::FileSizeLimit;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QByteArray& pdf) {
  return static_cast<int>(
      QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

bool IsCompletePdf(const QByteArray& pdf) { return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"); }

TEST(PrintFile, FullDiskFailsCleanlyAndLaterJobsAreComplete) {
  Settings settings;
  settings.printItems = {1, 0, 0, 1, 0, 0};
  settings.printItemCount = CountPrintItems(settings);
  auto chart = ComputedChart(settings);
  ChartPrintJob job(*chart, settings);
  job.SetTitle(QStringLiteral("full disk"));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString chosen = dir.filePath(QStringLiteral("chart.pdf"));
  QFile old(chosen);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the PDF printed last week");
  old.close();

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(chosen);
  printer.setPageSize(QPageSize(QPageSize::A4));

  QString error;
  {
    // Room for 20 KiB: a chart page takes far more.
    FileSizeLimit full(20480);
    ASSERT_TRUE(full.active());
    EXPECT_FALSE(PrintJobToPrinter(job, printer, &error));
  }
  EXPECT_TRUE(error.contains(chosen)) << error.toStdString();
  EXPECT_TRUE(error.contains("full")) << error.toStdString();
  EXPECT_EQ(ReadAll(chosen), "the PDF printed last week");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("chart.pdf")});
  EXPECT_EQ(printer.outputFileName(), chosen);

  // With room again, the same printer prints whole files, once and again.
  for (const QString& name : {QStringLiteral("chart.pdf"), QStringLiteral("other.pdf")}) {
    SCOPED_TRACE(name.toStdString());
    printer.setOutputFileName(dir.filePath(name));
    error.clear();
    ASSERT_TRUE(PrintJobToPrinter(job, printer, &error)) << error.toStdString();
    const QByteArray pdf = ReadAll(dir.filePath(name));
    EXPECT_TRUE(IsCompletePdf(pdf)) << pdf.size();
    EXPECT_EQ(PdfPageCount(pdf), 2);
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

  // A folder that cannot be written at all: said, nothing made.
  printer.setOutputFileName(QStringLiteral("/nonexistent-folder/chart.pdf"));
  error.clear();
  EXPECT_FALSE(PrintJobToPrinter(job, printer, &error));
  EXPECT_TRUE(error.contains("/nonexistent-folder/chart.pdf")) << error.toStdString();
}

// A printed PDF file names its chart in its title: the job's title, or the
// person and place when the title is empty.
TEST(PrintFile, APdfFileIsTitledAfterTheChart) {
  struct Case {
    const char* title;
    const char* subject;
    const char* pdfTitle;
  };
  const Case cases[] = {
      {"Ravi Kumar", "", "Ravi Kumar"},
      {"mychart", "Ravi Kumar, Chennai, Tamil Nadu, IN", "mychart"},
      {"", "Ravi Kumar, S\u00e3o Paulo, S\u00e3o Paulo, BR", "Ravi Kumar, S\u00e3o Paulo, S\u00e3o Paulo, BR"},
  };
  Settings settings;
  settings.printItems = {1, 0, 0, 0, 0, 0};
  settings.printItemCount = CountPrintItems(settings);
  auto chart = ComputedChart(settings);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pdfTitle);
    ChartPrintJob job(*chart, settings);
    job.SetTitle(QString::fromUtf8(c.title));
    job.SetSubject(QString::fromUtf8(c.subject));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("titled.pdf")));
    QString error;
    ASSERT_TRUE(PrintJobToPrinter(job, printer, &error)) << error.toStdString();
    const QByteArray pdf = ReadAll(dir.filePath(QStringLiteral("titled.pdf")));
    // The info dictionary's strings are UTF-16 (big-endian, with its mark).
    const QString expected = QString::fromUtf8(c.pdfTitle);
    QByteArray utf16("\xfe\xff");
    for (const QChar ch : expected) {
      utf16.append(static_cast<char>(ch.unicode() >> 8));
      utf16.append(static_cast<char>(ch.unicode() & 0xff));
    }
    const qsizetype at = pdf.indexOf("/Title");
    ASSERT_GE(at, 0);
    EXPECT_TRUE(pdf.mid(at, 16 + 2 * utf16.size()).contains(utf16)) << pdf.mid(at, 80).toHex().toStdString();
  }
}

}  // namespace
}  // namespace orvane
