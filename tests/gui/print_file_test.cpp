// Printing into a PDF file on a disk that fills up: the job fails with a
// message, the file chosen is never left cut short, no temporary file is
// left, and the next jobs of the same printer are complete.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "computed_chart.h"
#include "display/print_file.h"
#include "display/printing.h"

namespace orvane {
namespace {

using testing_support::ComputedChart;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QByteArray& pdf) {
  return static_cast<int>(
      QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

bool IsCompletePdf(const QByteArray& pdf) { return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"); }

// While it lives, files this process writes stop growing at `bytes` and a
// write beyond fails (as on a full disk) instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool active() const { return active_; }

 private:
  rlimit old_{};
  sighandler_t previous_ = SIG_DFL;
  bool active_ = false;
};

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

}  // namespace
}  // namespace orvane
