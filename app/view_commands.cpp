// The chart window's commands in the main window: one action per command id
// (the menu's id and, where the tool bar has its own id, a second action for
// the button), the menu entries of the full menu of ".orv" charts and the
// shorter menu of ".dat" charts, the tool bar in its order, and the states of
// the commands for the active chart window.
#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>
#include <array>

#include "app/artwork.h"
#include "app/chart_view.h"
#include "app/child_frame.h"
#include "app/desktop_app.h"
#include "app/chart_document.h"
#include "app/main_frame.h"
#include "app/view_icons.h"

namespace orvane {
namespace {

using Handler = void (ChartView::*)();

struct ViewCommand {
  int menuId;          // the menu entry's command id
  int toolId;          // the tool bar's own id; 0 none, menuId: the same action on the tool bar
  const char* menuText;
  const char* toolText;  // nullptr: the menu text
  const char* shortcut;  // on the menu entry only
  const char* tip;
  Handler handler;
  ViewMenuGroup group;
  ViewIcon icon;
  bool fullMenuOnly;   // not in the shorter menu of ".dat" charts
};

using G = ViewMenuGroup;
using I = ViewIcon;

// In menu order within each group.
constexpr std::array<ViewCommand, 35> kViewCommands = {{
    {57607, 57607, QT_TRANSLATE_NOOP("Orvane", "&Print..."), nullptr, "Ctrl+P",
     QT_TRANSLATE_NOOP("Orvane", "Print the chart"), &ChartView::OnFilePrint, G::kFilePrint, I::kPrint, false},
    {57609, 0, QT_TRANSLATE_NOOP("Orvane", "Print Pre&view"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the printed pages"), &ChartView::OnFilePrintPreview, G::kFilePrint, I::kNone,
     false},
    {32898, 0, QT_TRANSLATE_NOOP("Orvane", "&Email as text file attachment"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Mail the complete calculations as a text file"), &ChartView::OnMailAsText,
     G::kFileSend, I::kNone, false},
    {32861, 0, QT_TRANSLATE_NOOP("Orvane", "&Text on current screen as plain text"), nullptr, "Ctrl+C",
     QT_TRANSLATE_NOOP("Orvane", "Copy the text of the screen to the clipboard"), &ChartView::OnCopyScreenText,
     G::kEditCopy, I::kNone, false},
    {32897, 0, QT_TRANSLATE_NOOP("Orvane", "&Basic calculations as plain text"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Copy the basic calculations to the clipboard"), &ChartView::OnCopyBasicText,
     G::kEditCopy, I::kNone, false},
    {32895, 32895, QT_TRANSLATE_NOOP("Orvane", "&Complete calculations as plain text"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Copy the complete calculations to the clipboard"), &ChartView::OnCopyCompleteText,
     G::kEditCopy, I::kCopyComplete, false},
    {32831, 0, QT_TRANSLATE_NOOP("Orvane", "Chart 1 on screen as a b&itmap"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Save chart 1 as a bitmap"), &ChartView::OnSaveChartBitmap, G::kEditBitmap, I::kNone,
     true},
    {32837, 0, QT_TRANSLATE_NOOP("Orvane", "Chart 1 on screen as a &south-north bitmap"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Save chart 1 in the south and north styles as one bitmap"),
     &ChartView::OnSaveSouthNorthBitmap, G::kEditBitmap, I::kNone, true},
    // The program's own addition: chart 1 as a PNG or SVG picture.
    {32950, 0, QT_TRANSLATE_NOOP("Orvane", "Chart 1 as a &picture (PNG or SVG)..."), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Save chart 1 as a PNG or SVG picture"), &ChartView::OnSaveChartPicture,
     G::kEditBitmap, I::kNone, true},
    {32901, 0, QT_TRANSLATE_NOOP("Orvane", "Edit chart &notes"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Keep notes on this chart in a text file"), &ChartView::OnEditNotes, G::kEditNotes,
     I::kNone, false},
    {32780, 32785, QT_TRANSLATE_NOOP("Orvane", "Select &2 charts to show"), QT_TRANSLATE_NOOP("Orvane", "Two charts"),
     "Ctrl+2", QT_TRANSLATE_NOOP("Orvane", "Show two divisional charts"), &ChartView::OnSelectTwoCharts, G::kCharts,
     I::kTwoCharts, false},
    {32838, 32838, QT_TRANSLATE_NOOP("Orvane", "Show &miscellaneous information"), nullptr, "Ctrl+M",
     QT_TRANSLATE_NOOP("Orvane", "Show the basic information and the table of points"), &ChartView::OnMiscellaneous,
     G::kCharts, I::kMiscellaneous, false},
    {32779, 32784, QT_TRANSLATE_NOOP("Orvane", "&Ashtakavarga && sodya pindas"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the ashtakavarga of a chart you choose"), &ChartView::OnAshtakavarga, G::kCharts,
     I::kAshtakavarga, true},
    {32815, 0, QT_TRANSLATE_NOOP("Orvane", "&Shadbala"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the six strengths and the house strengths"), &ChartView::OnShadbala, G::kCharts,
     I::kNone, false},
    // Checked while the window's chart is cast with the Swiss Ephemeris.
    {32970, 0, QT_TRANSLATE_NOOP("Orvane", "Swiss &Ephemeris for this chart"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)"),
     &ChartView::OnToggleEphemeris, G::kCharts, I::kNone, false},
    {32771, 32794, QT_TRANSLATE_NOOP("Orvane", "&Vimsottari dasa"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the Vimsottari dasa"), &ChartView::OnVimsottari, G::kDasas, I::kVimsottari,
     false},
    {32899, 32900, QT_TRANSLATE_NOOP("Orvane", "P&ratyantardasas in Vimsottari dasa"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the pratyantardasas of a mahadasa you choose"), &ChartView::OnPratyantardasas,
     G::kDasas, I::kPratyantardasas, false},
    {32964, 0, QT_TRANSLATE_NOOP("Orvane", "Vimsottari dasa &browser"), nullptr, "Ctrl+Shift+D",
     QT_TRANSLATE_NOOP("Orvane", "Browse the Vimsottari main periods, antardasas and pratyantardasas"),
     &ChartView::OnDasaBrowser, G::kDasas, I::kNone, false},
    {32773, 32796, QT_TRANSLATE_NOOP("Orvane", "&Kalachakra dasa"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the Kalachakra dasa"), &ChartView::OnKalachakra, G::kDasas, I::kKalachakra,
     false},
    {32883, 32892, QT_TRANSLATE_NOOP("Orvane", "&Ashtottari dasa"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the Ashtottari dasa"), &ChartView::OnAshtottari, G::kDasas, I::kAshtottari,
     false},
    {32799, 32807, QT_TRANSLATE_NOOP("Orvane", "Tajaka varsha chakra (&annual chart)"),
     QT_TRANSLATE_NOOP("Orvane", "Tajaka charts"), "Ctrl+A",
     QT_TRANSLATE_NOOP("Orvane", "Show the annual, monthly or hora chart of a year"), &ChartView::OnTajakaChart,
     G::kTajaka, I::kTajaka, false},
    {32809, 0, QT_TRANSLATE_NOOP("Orvane", "&Back to birthchart (clear Tajaka mode)"), nullptr, "Ctrl+B",
     QT_TRANSLATE_NOOP("Orvane", "Show the birth chart again"), &ChartView::OnBackToBirthChart, G::kTajaka, I::kNone,
     false},
    {32802, 32812, QT_TRANSLATE_NOOP("Orvane", "&Patyayini dasa (Tajaka)"),
     QT_TRANSLATE_NOOP("Orvane", "&Patyayini dasa"), nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the Patyayini dasa of the annual chart"), &ChartView::OnPatyayini, G::kTajaka,
     I::kPatyayini, false},
    {32889, 32896, QT_TRANSLATE_NOOP("Orvane", "&Mudda dasa (Tajaka)"), QT_TRANSLATE_NOOP("Orvane", "&Mudda dasa"),
     nullptr, QT_TRANSLATE_NOOP("Orvane", "Show the Mudda dasa of the annual chart"), &ChartView::OnMudda, G::kTajaka,
     I::kMudda, false},
    {32813, 0, QT_TRANSLATE_NOOP("Orvane", "&Sahams"), nullptr, nullptr, QT_TRANSLATE_NOOP("Orvane", "Show the sahams"),
     &ChartView::OnSahams, G::kTajaka, I::kNone, false},
    {32814, 0, QT_TRANSLATE_NOOP("Orvane", "Pancha&Vargeeya Bala"), nullptr, nullptr,
     QT_TRANSLATE_NOOP("Orvane", "Show the five-source strength of the annual chart"), &ChartView::OnPanchaVargeeyaBala,
     G::kTajaka, I::kNone, false},
    // Every section orvane-cli prints, listed beside its text.
    {32965, 0, QT_TRANSLATE_NOOP("Orvane", "Report &sections..."), nullptr, "Ctrl+R",
     QT_TRANSLATE_NOOP("Orvane", "List every report section and show its text, as orvane-cli prints it"),
     &ChartView::OnReportSections, G::kReports, I::kNone, false},
    {32966, 0, QT_TRANSLATE_NOOP("Orvane", "&Yogas..."), nullptr, "Ctrl+Shift+Y",
     QT_TRANSLATE_NOOP("Orvane",
                       "List the chart's yogas and why each holds, and pick out the planets of the one chosen"),
     &ChartView::OnYogas, G::kReports, I::kNone, false},
    {32967, 0, QT_TRANSLATE_NOOP("Orvane", "&KP and houses..."), nullptr, "Ctrl+Shift+K",
     QT_TRANSLATE_NOOP(
         "Orvane",
         "Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart"),
     &ChartView::OnKp, G::kReports, I::kNone, false},
    {32968, 0, QT_TRANSLATE_NOOP("Orvane", "Birth &time..."), nullptr, "Ctrl+Shift+T",
     QT_TRANSLATE_NOOP(
         "Orvane",
         "Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, "
         "and shift the time to recast the chart"),
     &ChartView::OnTimeShift, G::kReports, I::kNone, false},
    {32969, 0, QT_TRANSLATE_NOOP("Orvane", "Stren&gths as charts..."), nullptr, "Ctrl+Shift+B",
     QT_TRANSLATE_NOOP(
         "Orvane",
         "Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print"),
     &ChartView::OnStrengths, G::kReports, I::kNone, false},
    // The screen's scale: fitted to the window by default.
    {32960, 0, QT_TRANSLATE_NOOP("Orvane", "Zoom &In"), nullptr, "Ctrl++",
     QT_TRANSLATE_NOOP("Orvane", "Show the screen larger"), &ChartView::ZoomIn, G::kZoom, I::kNone, false},
    {32961, 0, QT_TRANSLATE_NOOP("Orvane", "Zoom &Out"), nullptr, "Ctrl+-",
     QT_TRANSLATE_NOOP("Orvane", "Show the screen smaller"), &ChartView::ZoomOut, G::kZoom, I::kNone, false},
    {32962, 0, QT_TRANSLATE_NOOP("Orvane", "&Actual Size"), nullptr, "Ctrl+0",
     QT_TRANSLATE_NOOP("Orvane", "Show the screen at its actual size"), &ChartView::ZoomActualSize, G::kZoom, I::kNone,
     false},
    {32963, 0, QT_TRANSLATE_NOOP("Orvane", "&Fit to Window"), nullptr, "Ctrl+9",
     QT_TRANSLATE_NOOP("Orvane", "Fit the screen to the window"), &ChartView::ZoomToFit, G::kZoom, I::kNone, false},
}};

// The tool bar's buttons by command id, 0 a separator.
constexpr std::array<int, 21> kToolBarOrder = {
    57600, 57601, 57603, 57607, 0,  // New, Open, Save, Print
    32895, 0,                       // complete calculations
    32792, 0,                       // birth data
    32850, 32838, 32785, 32784, 0,  // special lagnas, miscellaneous, two charts, Ashtakavarga
    32794, 32796, 32892, 32900, 0,  // Vimsottari, Kalachakra, Ashtottari, pratyantardasas
    32807, 32812,                   // Tajaka charts, Patyayini (Mudda follows)
};
constexpr int kLastToolButton = 32896;  // Mudda
constexpr int kEphemerisCommand = 32970;

// A menu text as plain text: a single "&" marks the mnemonic and goes, "&&"
// stands for an ampersand ("Ashtakavarga && sodya pindas").
QString WithoutMnemonics(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      if (i + 1 >= text.size()) break;
      ++i;
    }
    plain += text[i];
  }
  return plain;
}

QString ToolTipOf(const QString& text, const char* shortcut) {
  QString tip = WithoutMnemonics(text);
  if (shortcut) tip += QStringLiteral(" (%1)").arg(QKeySequence(QLatin1String(shortcut)).toString(QKeySequence::NativeText));
  return tip;
}

}  // namespace

void CMainFrame::CreateViewCommands() {
  auto addCommand = [this](int id, QAction* action) {
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
    commandActions_.insert(id, action);
  };
  for (const ViewCommand& c : kViewCommands) {
    const QString menuText = QCoreApplication::translate("Orvane", c.menuText);
    auto* menu = new QAction(menuText, this);
    if (c.shortcut) menu->setShortcut(QKeySequence(QLatin1String(c.shortcut)));
    menu->setStatusTip(QCoreApplication::translate("Orvane", c.tip));
    menu->setToolTip(ToolTipOf(menuText, c.shortcut));
    const Handler handler = c.handler;
    auto run = [this, handler] {
      if (ChartView* view = activeView()) (view->*handler)();
    };
    connect(menu, &QAction::triggered, this, run);
    addCommand(c.menuId, menu);
    viewCommandActions_ << menu;
    if (c.fullMenuOnly) fullMenuOnlyActions_ << menu;
    if (c.toolId == c.menuId) {
      menu->setIcon(ViewToolIcon(c.icon));
      menu->setIconVisibleInMenu(false);
    } else if (c.toolId != 0) {
      const QString toolText = QCoreApplication::translate("Orvane", c.toolText ? c.toolText : c.menuText);
      auto* tool = new QAction(ViewToolIcon(c.icon), toolText, this);
      tool->setStatusTip(QCoreApplication::translate("Orvane", c.tip));
      tool->setToolTip(ToolTipOf(toolText, c.shortcut));
      connect(tool, &QAction::triggered, this, run);
      addCommand(c.toolId, tool);
      viewCommandActions_ << tool;
    }
  }

  // Ctrl+= zooms in too: "+" needs the shift key on many keyboards.
  commandActions_.value(32960)->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")),
                                              QKeySequence(QStringLiteral("Ctrl+="))});

  commandActions_.value(kEphemerisCommand)->setCheckable(true);

  // The framework's and the preference commands that the tool bar carries.
  commandActions_.insert(57600, newAction_);
  commandActions_.insert(57601, openAction_);
  commandActions_.insert(57603, saveAction_);
  addCommand(32781, birthDataAction_);
  auto* birthData = new QAction(ToolBarIcon(ToolIcon::kBirthData), tr("Edit birth&data"), this);
  birthData->setStatusTip(birthDataAction_->statusTip());
  birthData->setToolTip(ToolTipOf(birthData->text(), "Ctrl+D"));
  connect(birthData, &QAction::triggered, this, &CMainFrame::OnEditBirthData);
  addCommand(32792, birthData);
  viewCommandActions_ << birthData;
  auto* lagnas = new QAction(ViewToolIcon(ViewIcon::kSpecialLagnas), tr("&Special lagna && upagraha display"), this);
  lagnas->setStatusTip(tr("Choose the special lagnas, upagrahas and padas the charts show"));
  lagnas->setToolTip(ToolTipOf(lagnas->text(), "Ctrl+E"));
  connect(lagnas, &QAction::triggered, &app_, &DesktopApp::OnSpecialLagnaDisplay);
  addCommand(32850, lagnas);
}

void CMainFrame::AddViewMenuEntries(QMenu* menu, ViewMenuGroup group) {
  for (const ViewCommand& c : kViewCommands) {
    if (c.group != group) continue;
    if (group == ViewMenuGroup::kTajaka && c.menuId == 32802) menu->addSeparator();
    if (c.menuId == kEphemerisCommand) menu->addSeparator();
    menu->addAction(commandActions_.value(c.menuId));
  }
}

void CMainFrame::FillToolBar(QToolBar* bar) {
  for (int id : kToolBarOrder) {
    if (id == 0) {
      bar->addSeparator();
    } else if (QAction* action = commandActions_.value(id)) {
      bar->addAction(action);
    }
  }
  bar->addAction(commandActions_.value(kLastToolButton));
}

void CMainFrame::UpdateViewCommands() {
  CChildFrame* frame = activeChild();
  for (QAction* action : viewCommandActions_) action->setEnabled(frame != nullptr);
  // A ".dat" chart has the shorter menu.
  const bool fullMenu = !frame || frame->document().type() == DocType::kChart;
  for (QAction* action : fullMenuOnlyActions_) action->setVisible(fullMenu);
  commandActions_.value(kEphemerisCommand)->setChecked(frame && frame->view()->ephemeris() == 1);
}

}  // namespace orvane
