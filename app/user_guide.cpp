#include "app/user_guide.h"

#include "app/window_place.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvane {

QString UserGuideHtml() {
  return QStringLiteral(
      "<h2>Orvane Lite in brief</h2>"
      "<p>Orvane Lite casts a Vedic (sidereal) chart from a birth moment and place and shows it as chart "
      "diagrams and tables. Every chart has its own window; the <b>Window</b> menu lists them.</p>"
      "<h3>Charts</h3>"
      "<ul>"
      "<li><b>File &gt; New</b> (Ctrl+N) casts a chart of the current moment at the default place "
      "(<b>Preferences &gt; Default location</b>).</li>"
      "<li><b>Edit &gt; Edit birth data</b> (Ctrl+D) changes the date, time and place; "
      "<b>File &gt; Save</b> (Ctrl+S) keeps the chart in a <i>.orv</i> file.</li>"
      "<li><b>File &gt; Open</b> (Ctrl+O) opens saved charts; you can also drop chart files on the window.</li>"
      "</ul>"
      "<h3>Screens</h3>"
      "<ul>"
      "<li>The first screen shows two charts (Rasi and Navamsa) with the planet table and the basic "
      "information; the charts grow with the window. On a wide window a panel beside them shows the "
      "Vimsottari periods running today and today's transits read from the natal Moon. <b>Charts &gt; "
      "Select 2 charts to show</b> (Ctrl+2) picks other divisional charts.</li>"
      "<li>The <b>Charts</b>, <b>Dasas</b> and <b>Tajaka</b> menus show the other screens: miscellaneous "
      "information, ashtakavarga, shadbala, the dasas and the Tajaka annual chart with its dasas, sahams and "
      "strengths.</li>"
      "<li><b>Dasas &gt; Vimsottari dasa browser</b> (Ctrl+Shift+D) opens the main periods, antardasas "
      "and pratyantardasas as a tree with their start and end dates; the periods running today are "
      "highlighted and opened. The arrow keys move through it.</li>"
      "<li>The screen fits the window. <b>View &gt; Zoom In</b> (Ctrl++), <b>Zoom Out</b> (Ctrl+-), "
      "<b>Actual Size</b> (Ctrl+0) and <b>Fit to Window</b> (Ctrl+9) change its scale.</li>"
      "<li><b>Preferences &gt; Chart Style</b> (Ctrl+L) switches between the south, north and east Indian "
      "styles and can show each body's degrees and minutes beside it in the charts (on screen, printed "
      "and exported): in a divisional chart its degrees in its divisional sign, or none there if you "
      "choose the rasi only. A cell too crowded for its labels shows \"+n\"; its tool tip lists them. "
      "<b>Special lagna &amp; upagraha display</b> (Ctrl+E) chooses what the charts show.</li>"
      "<li><b>Preferences &gt; Ephemeris</b> chooses where the positions come from: the classic built-in "
      "theory (the default) or the Swiss Ephemeris (within an arc-second), and for the Swiss Ephemeris Rahu "
      "from the mean or the true node. <b>Charts &gt; Swiss Ephemeris for this chart</b> switches one window "
      "only; the chart keeps that engine when it is saved, and <b>Window &gt; New Window</b> opens with it. A chart "
      "cast with the Swiss Ephemeris says so in its caption, in the status bar, in its text and "
      "on its printed pages.</li>"
      "</ul>"
      "<h3>What the charts show</h3>"
      "<p>The grahas: <b>Su</b> Sun, <b>Mo</b> Moon, <b>Ma</b> Mars, <b>Me</b> Mercury, <b>Ju</b> Jupiter, "
      "<b>Ve</b> Venus, <b>Sa</b> Saturn, <b>Rh</b> Rahu, <b>Ke</b> Ketu; <b>Asc</b> the ascendant. An "
      "<b>R</b> after a graha (<b>JuR</b>) means retrograde. <b>Ura</b>, <b>Nep</b>, <b>Plu</b>: Uranus, "
      "Neptune, Pluto.</p>"
      "<p>The special lagnas: <b>BL</b> bhava lagna, <b>HL</b> hora lagna, <b>GL</b> ghati lagna, <b>SL</b> "
      "sree lagna, <b>VL</b> varnada lagna (<b>V2</b> .. <b>V12</b> those of the other houses).</p>"
      "<p>The upagrahas: <b>Dhu</b> Dhooma, <b>Vya</b> Vyatipata, <b>Par</b> Parivesha, <b>Chp</b> Indrachapa, "
      "<b>Upk</b> Upaketu, <b>Kal</b> Kaala, <b>Mri</b> Mrityu, <b>APr</b> Artha Prahara, <b>YGh</b> Yama "
      "Ghantaka, <b>Mnd</b> Mandi, <b>Glk</b> Gulika.</p>"
      "<p>The padas (arudhas), in the corner of their sign: <b>AL</b> arudha lagna, <b>A2</b> .. <b>A11</b> "
      "the padas of the 2nd to 11th houses, <b>UL</b> upapada. On the ashtakavarga screen a <b>*</b> after "
      "a number (<b>4*</b>) marks the sign the planet itself stands in.</p>"
      "<h3>Match and Transits</h3>"
      "<ul>"
      "<li><b>Charts &gt; Match with...</b> asks for a second chart file and shows the Ashtakoota "
      "matching (the eight kootas and their points out of 36) and the Manglik check of both charts.</li>"
      "<li><b>Charts &gt; Transits...</b> shows the grahas of a moment you choose (now by default) with the "
      "houses they transit from the natal Moon, the vedha (obstruction) of each, and the chart's Sade Sati "
      "periods.</li>"
      "</ul>"
      "<h3>Reports</h3>"
      "<p><b>Reports &gt; Report sections</b> (Ctrl+R) lists every report section by topic (the chart, "
      "strengths, ashtakavarga, the Vimsottari and the other nakshatra dasas, the Jaimini rasi dasas, "
      "Tajaka, mundane charts) beside the chosen section's text, exactly as <tt>orvane-cli</tt> prints it "
      "for the chart shown; the window gives the command that prints it. The text can be selected and "
      "copied. Sections written for another kind of chart are grey and say which. The <b>Reports</b> menu "
      "opens any section directly.</p>"
      "<p><b>Reports &gt; Yogas</b> (Ctrl+Shift+Y) lists the chart's yogas by family (Pancha Mahapurusha, "
      "solar, lunar, Raja, Dhana, Nabhasa and the others; 151 in the library, each with its classical "
      "source). Choose one to read why it holds, what cancels or weakens it and its rule; its planets are "
      "drawn bold in orange in the chart window's diagrams while it is chosen. <tt>orvane-cli --yogas</tt> "
      "prints the same list.</p>"
      "<p><b>Reports &gt; KP and houses</b> (Ctrl+Shift+K) shows the cusps of a house system (Placidus, Koch, "
      "Porphyry, Regiomontanus, Campanus, equal, whole sign or Sripati) with their KP sign, star, sub and "
      "sub-sub lords, the planets' lords and bhavas, the four-level significators of each house and planet, "
      "the ruling planets, and the bhava chalit chart (the planets placed by the cusps). A KP horary number "
      "(1..249) takes the cusps of its ascendant. <tt>orvane-cli --kp</tt> prints the same.</p>"
      "<p><b>Reports &gt; Birth time</b> (Ctrl+Shift+T) shows how far the birth time may move either way "
      "before the lagna, its pada, the lagnas of the navamsa, D-10, D-12 and D-60, each planet's navamsa or "
      "a KP cusp sub lord change. Its buttons (1 s, 1 min, 4 min, 1 h each way) and slider (two hours each "
      "way) shift the time and cast the chart window again at each step, for rectification; <b>Back to the "
      "entered time</b> undoes the shift.</p>"
      "<p><b>Reports &gt; Strengths as charts</b> (Ctrl+Shift+B) shows shadbala (each planet's rupas against "
      "the rupas it needs), bhava bala and the sarvashtakavarga (against the average of 28 bindus) as tables "
      "that sort and copy, beside bar charts that can be saved as a PNG or SVG picture or printed.</p>"
      "<p><b>Charts &gt; Panchanga calendar</b> shows a month at a place as a grid of days (today marked; "
      "each day with its tithi and nakshatra at sunrise and its festivals) beside the chosen day's panchanga: "
      "sunrise and moonrise, every tithi, nakshatra, yoga and karana with the moment it ends, the lunar "
      "month, Rahu kalam and the other periods, the choghadiyas and horas. It moves by month and year, "
      "prints and exports; <tt>orvane-cli --panchanga</tt> gives the same as text, JSON or a calendar file.</p>"
      "<p><b>Dasa browser</b>: the choice at its top shows the Vimsottari, the other nakshatra dasas, "
      "Kalachakra or a Jaimini rasi dasa, with the age at each period's start and the balance at birth.</p>"
      "<h3>Copying, printing and pictures</h3>"
      "<ul>"
      "<li><b>Edit &gt; Text on current screen</b> (Ctrl+C) copies all the text of the screen; the basic "
      "and complete calculations can be copied too.</li>"
      "<li><b>File &gt; Print</b> (Ctrl+P) prints the items chosen in <b>Preferences &gt; Items to include "
      "when printing</b>; <b>Print Preview</b> shows the pages first.</li>"
      "<li><b>Edit &gt; Chart 1 as a picture</b> saves the first chart as a PNG or SVG file, with the "
      "screen's labels; one dialog asks for the file, a PNG's size and the title. An SVG file keeps its "
      "labels as text.</li>"
      "</ul>"
      "<h3>Quitting</h3>"
      "<p><b>File &gt; Exit</b> (Ctrl+Q) closes the program; charts with changes ask to be saved first.</p>"
      "<p>The same results are printed by the command-line program <tt>orvane-cli</tt> "
      "(<tt>orvane-cli --help</tt>).</p>");
}

void ShowUserGuide(QWidget* parent) {
  if (auto* open = parent ? parent->findChild<QDialog*>(QStringLiteral("userGuideWindow")) : nullptr) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QStringLiteral("userGuideWindow"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QCoreApplication::translate("Orvane", "Orvane Lite User Guide"));
  auto* layout = new QVBoxLayout(dialog);
  auto* text = new QTextBrowser(dialog);
  text->setObjectName(QStringLiteral("userGuideText"));
  text->setHtml(UserGuideHtml());
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  layout->addWidget(buttons);
  // Cut to the screen it opens on, and back where the user left it.
  PlaceWindow(dialog, QSize(620, 640), QStringLiteral("UserGuide"));
  dialog->show();
}

}  // namespace orvane
