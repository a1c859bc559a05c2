// Placeholders of the chart window's printing and export commands (print,
// print preview, the three text copies, the two chart bitmaps, chart notes
// and mailing). Their menu entries and tool-bar buttons exist already; the
// printing and export code replaces these bodies. Until then each command
// says in the status bar that it is not available.
#include <QString>

#include "app/chart_view.h"
#include "app/dhruvak_doc.h"

namespace orvane {
namespace {

void NotYetAvailable(CDhruvakDoc& doc, const char* what) {
  emit doc.statusMessage(QStringLiteral("%1 is not available in this build.").arg(QLatin1String(what)));
}

}  // namespace

void CDhruvakView::OnFilePrint() { NotYetAvailable(doc_, "Printing"); }
void CDhruvakView::OnFilePrintPreview() { NotYetAvailable(doc_, "Print preview"); }
void CDhruvakView::OnCopyScreenText() { NotYetAvailable(doc_, "Copying the screen's text"); }
void CDhruvakView::OnCopyBasicText() { NotYetAvailable(doc_, "Copying the basic calculations"); }
void CDhruvakView::OnCopyCompleteText() { NotYetAvailable(doc_, "Copying the complete calculations"); }
void CDhruvakView::OnSaveChartBitmap() { NotYetAvailable(doc_, "Saving chart 1 as a bitmap"); }
void CDhruvakView::OnSaveSouthNorthBitmap() { NotYetAvailable(doc_, "Saving the south-north bitmap"); }
void CDhruvakView::OnEditNotes() { NotYetAvailable(doc_, "Editing chart notes"); }
void CDhruvakView::OnMailAsText() { NotYetAvailable(doc_, "Mailing the chart"); }

}  // namespace orvane
