// The main window's "Match with..." and "Transits..." commands: each opens a
// window for the active chart window's chart.
#pragma once

#include <QDateTime>
#include <QString>

namespace orvane {

class CMainFrame;
class MatchWindow;
class TransitWindow;

// "Match with...": asks for the second chart file (the bride's; the active
// chart is the groom's) and opens the matching window.
void OnMatchWith(CMainFrame& frame);
// The matching window of the active chart with the chart file `path`;
// nullptr, after a message box, when the file cannot be used or no chart
// window is active. The window deletes itself when closed.
MatchWindow* OpenMatchWindow(CMainFrame& frame, const QString& path);

// "Transits...": the transit window of the active chart, at the present
// moment of the preferences' default place.
void OnTransits(CMainFrame& frame);
TransitWindow* OpenTransitWindow(CMainFrame& frame, const QDateTime& start);

}  // namespace orvane
