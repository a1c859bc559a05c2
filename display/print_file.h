// Printing into a file (the PDF output of the print dialog) so that a full
// disk or a folder that cannot be written never leaves a damaged file or
// spoils later print jobs.
#pragma once

#include <QString>

class QPrinter;

namespace orvane {

class ChartPrintJob;

// Prints every page of `job` on `printer`. When the printer writes a file,
// the pages go first, through a new PDF printer with the same settings, to
// a new temporary file in the same folder (".NAME.tmp-DIGITS", held locked
// while it is written), which must come out complete
// (a PDF that ends with its trailer); its bytes then replace the file the
// user chose whole (WriteFileAtomic) and the temporary file is removed. On
// any failure the chosen file is left as it was and `error` says why;
// `printer` itself never writes the file, so a failure cannot spoil its
// later jobs. Returns false, with `error` empty, when there is nothing to print
// or the printer cannot start.
bool PrintJobToPrinter(ChartPrintJob& job, QPrinter& printer, QString* error);

}  // namespace orvane
