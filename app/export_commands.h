// The view's print, copy, bitmap, notes and mail commands, each one call
// from the view's command handler: what the commands need from the program
// (settings, printer, working folder, the document's title and path) is
// gathered here, and the work is done by display/printing and
// display/export.
#pragma once

#include <QString>

#include "display/enter_title.h"
#include "chart/chart_state.h"
#include "io/settings.h"

class QWidget;

namespace orvane {

class DesktopApp;
class ChartDocument;

// The program's "Enter title" dialog, as the prompt of the commands.
std::optional<QString> AskTitleWithDialog(QWidget* parent, const QString& preset);

// What a command reads from the view that runs it.
struct ViewExportContext {
  DesktopApp& app;
  ChartDocument& doc;
  const ChartState& chart;  // the view's computed chart (recomputed before the call)
  int chart1 = 0;           // chart choice 0..20 of the view's first chart
  QString& printTitle;      // the view's print title, kept between print jobs
  TitlePrompt askTitle = AskTitleWithDialog;
  QString mailProgram = QStringLiteral("xdg-email");
  // The view's settings (the program's with the window's own engine); the
  // program's settings when null.
  const Settings* settings = nullptr;
};

// 57607 "&Print...", 57609 "Print Pre&view".
bool OnFilePrint(const ViewExportContext& view);
bool OnFilePrintPreview(const ViewExportContext& view);
// 32861 "&Text on current screen as plain text": `screenText` is the text
// of the screen's last text block.
void OnCopyScreenText(const ViewExportContext& view, const std::string& screenText, bool cut = false);
// 32897, 32895: basic and complete calculations to the clipboard.
void OnCopyBasicText(const ViewExportContext& view);
void OnCopyCompleteText(const ViewExportContext& view);
// 32831, 32837: chart 1 as a bitmap, and as a south-north bitmap.
void OnSaveChartBitmap(const ViewExportContext& view);
void OnSaveSouthNorthBitmap(const ViewExportContext& view);
// Chart 1 as a PNG or SVG file chosen by the user.
void OnSaveChartPicture(const ViewExportContext& view);
// 32901 "Edit chart &notes", 32898 "&Email as text file attachment".
void OnEditNotes(const ViewExportContext& view);
void OnMailAsText(const ViewExportContext& view);

}  // namespace orvane
