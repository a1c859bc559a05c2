#include "display/print_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "display/file_names.h"
#include "display/printing.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

// A PDF ends with "%%EOF" and perhaps a line end; a file cut short by a
// full disk does not.
constexpr std::string_view kPdfEnd = "%%EOF";
constexpr std::size_t kPdfTailLength = 32;
// What a PDF file of a print job may hold at most (a chart job is a few
// hundred KiB).
constexpr std::size_t kPdfReadLimit = std::size_t{256} << 20;

bool EndsLikeAPdf(const std::string& bytes) {
  const std::size_t from = bytes.size() > kPdfTailLength ? bytes.size() - kPdfTailLength : 0;
  return bytes.find(kPdfEnd, from) != std::string::npos;
}

// Why a file in `folder` came out short.
QString ShortFileReason(const std::string& folder) {
  struct statvfs info {};
  if (::statvfs(folder.c_str(), &info) == 0 && info.f_bavail == 0)
    return QCoreApplication::translate("Orvane", "the disk is full");
  return QCoreApplication::translate("Orvane", "not all of it could be written (the disk may be full)");
}

// A new temporary file beside `target`, locked as long as the descriptor
// returned is open; -1 (errno set) when none can be made.
int MakeTemporary(const std::string& target, std::string& tempPath) {
  const std::filesystem::path path(target);
  const std::string folder = path.has_parent_path() ? path.parent_path().string() : std::string(".");
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder + "/." + path.filename().string() + ".tmp-" + std::to_string(entropy());
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// A PDF printer with the paper, resolution, colour, page range and
// document settings of `from`, writing to `file`.
std::unique_ptr<QPrinter> FilePrinterLike(const QPrinter& from, const QString& file) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  printer->setResolution(from.resolution());
  printer->setPageLayout(from.pageLayout());
  printer->setFullPage(from.fullPage());
  printer->setColorMode(from.colorMode());
  printer->setCopyCount(from.copyCount());
  printer->setCollateCopies(from.collateCopies());
  printer->setPageOrder(from.pageOrder());
  printer->setDocName(from.docName());
  printer->setCreator(from.creator());
  printer->setPdfVersion(from.pdfVersion());
  printer->setPrintRange(from.printRange());
  if (from.fromPage() > 0 && from.toPage() >= from.fromPage()) printer->setFromTo(from.fromPage(), from.toPage());
  return printer;
}

}  // namespace

bool PrintJobToPrinter(ChartPrintJob& job, QPrinter& printer, QString* error) {
  const QString chosen = printer.outputFileName();
  if (chosen.isEmpty()) return job.PrintAll(printer);

  const std::string target = FileNameBytes(chosen);
  std::string tempPath;
  const int lockFd = MakeTemporary(target, tempPath);
  if (lockFd < 0) {
    if (error) {
      *error = QCoreApplication::translate("Orvane", "The file \"%1\" cannot be written: %2.")
                   .arg(ShownFileName(QDir::toNativeSeparators(chosen)), QString::fromLocal8Bit(std::strerror(errno)));
    }
    return false;
  }
  // The pages go through a printer of their own with the user's choices: a
  // PDF printer whose file once failed to be written writes nothing ever
  // after, so the shared printer never writes a file itself.
  const std::unique_ptr<QPrinter> filePrinter =
      FilePrinterLike(printer, DecodeFileName(QByteArray::fromStdString(tempPath)));
  const bool printed = job.PrintAll(*filePrinter);

  bool ok = printed;
  QString reason;
  std::string bytes;
  if (printed) {
    bool more = false;
    std::string readError;
    if (!ReadRegularFile(tempPath, kPdfReadLimit, bytes, more, &readError)) {
      ok = false;
      reason = QString::fromStdString(readError);
    } else if (more || bytes.empty() || !EndsLikeAPdf(bytes)) {
      ok = false;
      reason = ShortFileReason(FileNameBytes(QFileInfo(chosen).absolutePath()));
    }
  } else {
    reason = QCoreApplication::translate("Orvane", "the printer could not write it");
  }
  if (ok) {
    std::string writeError;
    if (!WriteFileAtomic(target, bytes, &writeError)) {
      ok = false;
      reason = QString::fromStdString(writeError);
    }
  }
  ::unlink(tempPath.c_str());
  ::close(lockFd);
  if (!ok && error) {
    *error = QCoreApplication::translate(
                 "Orvane", "The file \"%1\" could not be written: %2. Any file of that name is unchanged.")
                 .arg(ShownFileName(QDir::toNativeSeparators(chosen)), reason);
  }
  return ok;
}

}  // namespace orvane
