#include "app/export_commands.h"

#include "dialogs/title_dlg.h"

#include <QFileInfo>
#include <QStatusBar>

#include "app/desktop_app.h"
#include "app/chart_document.h"
#include "app/main_frame.h"
#include "display/export.h"
#include "display/printing.h"

namespace orvane {

namespace {

const Settings& SettingsOf(const ViewExportContext& view) {
  return view.settings ? *view.settings : view.app.settings();
}

// A picture's suggested file: named after the chart file, beside it (a
// chart never saved: after the person's name, in the current folder).
QString SuggestedPicturePath(const ViewExportContext& view, const QString& ending) {
  const QString base =
      (view.doc.pathName().isEmpty() ? QFileInfo(view.doc.SuggestedFileName()).completeBaseName()
                                     : PresetPrintTitle(QString(), view.doc.RefreshTitleCopy())) +
      ending;
  const QString folder = view.doc.pathName().isEmpty() ? QString() : QFileInfo(view.doc.pathName()).absolutePath();
  return folder.isEmpty() ? base : folder + QLatin1Char('/') + base;
}

// A copy is announced in the main window's status bar: no box to close
// after every copy.
CopyNotice StatusBarNotice(const ViewExportContext& view) {
  CMainFrame* frame = view.app.mainFrame();
  if (!frame) return {};
  return [frame](const QString& message) { frame->statusBar()->showMessage(message, 10000); };
}

}  // namespace

std::optional<QString> AskTitleWithDialog(QWidget* parent, const QString& preset) {
  return AskTitle(preset, parent);
}

bool OnFilePrint(const ViewExportContext& view) {
  return FilePrint(view.app.DialogParent(), view.app.printer(), view.chart, SettingsOf(view), view.printTitle,
                   view.doc.RefreshTitleCopy(), view.askTitle, view.doc.Subject(),
                   view.doc.ChartName());
}

bool OnFilePrintPreview(const ViewExportContext& view) {
  return FilePrintPreview(view.app.DialogParent(), view.app.printer(), view.chart, SettingsOf(view),
                          view.printTitle, view.doc.RefreshTitleCopy(), view.askTitle, view.doc.Subject(),
                   view.doc.ChartName());
}

void OnCopyScreenText(const ViewExportContext& view, const std::string& screenText, bool cut) {
  CopyScreenText(view.app.DialogParent(), screenText, cut, StatusBarNotice(view));
}

void OnCopyBasicText(const ViewExportContext& view) {
  CopyBasicText(view.app.DialogParent(), view.chart, SettingsOf(view), view.doc.Labels(), StatusBarNotice(view));
}

void OnCopyCompleteText(const ViewExportContext& view) {
  CopyCompleteText(view.app.DialogParent(), view.chart, SettingsOf(view), view.doc.Labels(),
                   StatusBarNotice(view));
}

void OnSaveChartBitmap(const ViewExportContext& view) {
  SaveChartBitmap(view.app.DialogParent(), view.chart, SettingsOf(view), view.chart1,
                  SuggestedPicturePath(view, QStringLiteral(".bmp")), view.askTitle, AskBitmapFile,
                  view.doc.ChartName());
}

void OnSaveSouthNorthBitmap(const ViewExportContext& view) {
  SaveSouthNorthBitmap(view.app.DialogParent(), view.chart, SettingsOf(view), view.chart1,
                       SuggestedPicturePath(view, QStringLiteral(" south-north.bmp")), view.askTitle,
                       AskBitmapFile, view.doc.ChartName());
}

void OnSaveChartPicture(const ViewExportContext& view) {
  SaveChartPictureAs(view.app.DialogParent(), view.chart, SettingsOf(view), view.chart1,
                     SuggestedPicturePath(view, QStringLiteral(".png")), view.doc.ChartName());
}

void OnEditNotes(const ViewExportContext& view) {
  view.doc.RefreshTitleCopy();
  EditNotes(view.app.DialogParent(), view.doc.pathName());
}

void OnMailAsText(const ViewExportContext& view) {
  MailAsText(view.app.DialogParent(), view.chart, SettingsOf(view), view.doc.RefreshTitleCopy(),
             view.app.paths().workingFolder, view.mailProgram, view.doc.Labels());
}

}  // namespace orvane
