// The chart window's printing and export commands: each brings the view's
// chart up to date (cast again from the document's image, as a drawing
// does) and hands what the view holds to the export commands.
#include <QString>

#include "app/chart_view.h"
#include "app/chart_document.h"
#include "app/export_commands.h"

namespace orvane {

bool ChartView::ComputeForExport() {
  PreparePass();
  if (!RunChartPass(kNoSection)) {
    ReportFailure(failure_);
    return false;
  }
  return true;
}

#define ORVANE_EXPORT_COMMAND(Method, Call)                                          \
  void ChartView::Method() {                                                      \
    if (!ComputeForExport()) return;                                                 \
    ViewExportContext context{app_, doc_, *state_, choices_.chart1, printTitle};     \
    context.settings = &settings();                                                  \
    Call;                                                                            \
  }

ORVANE_EXPORT_COMMAND(OnFilePrint, orvane::OnFilePrint(context))
ORVANE_EXPORT_COMMAND(OnFilePrintPreview, orvane::OnFilePrintPreview(context))
ORVANE_EXPORT_COMMAND(OnCopyScreenText, orvane::OnCopyScreenText(context, ScreenText().toStdString()))
ORVANE_EXPORT_COMMAND(OnCopyBasicText, orvane::OnCopyBasicText(context))
ORVANE_EXPORT_COMMAND(OnCopyCompleteText, orvane::OnCopyCompleteText(context))
ORVANE_EXPORT_COMMAND(OnSaveChartBitmap, orvane::OnSaveChartBitmap(context))
ORVANE_EXPORT_COMMAND(OnSaveSouthNorthBitmap, orvane::OnSaveSouthNorthBitmap(context))
ORVANE_EXPORT_COMMAND(OnSaveChartPicture, orvane::OnSaveChartPicture(context))
ORVANE_EXPORT_COMMAND(OnEditNotes, orvane::OnEditNotes(context))
ORVANE_EXPORT_COMMAND(OnMailAsText, orvane::OnMailAsText(context))

#undef ORVANE_EXPORT_COMMAND

}  // namespace orvane
