<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>શીર્ષક દાખલ કરો</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>શીર્ષક:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>કુંડળી દોરી શકાઈ નહીં.</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>બિટમેપ સાચવી શકાયો નહીં.

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

તેની ફાઇલ "%2" છે.</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>પડદા પર જે છે તે</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>મૂળ ગણતરી</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>બધી ગણતરી</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 સાદા લખાણમાં ક્લિપબોર્ડ પર નકલ થઈ, પણ તેનો એક ભાગ પ્રોગ્રામની મર્યાદા કરતાં લાંબો હતો અને તેનો અંત કપાયો.</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 સાદા લખાણમાં ક્લિપબોર્ડ પર સફળતાથી નકલ થઈ.</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>ક્લિપબોર્ડ ખૂલી શકતું નથી</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>ક્લિપબોર્ડમાં માહિતી મૂકી શકાઈ નહીં</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>કુંડળી</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>કુંડળી બિટમેપ તરીકે સાચવો</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows બિટમેપ (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>ચિત્ર %1 થી %2 પિક્સેલ પહોળું હોય છે.</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>ચિત્ર એન્કોડ થઈ શક્યું નહીં.</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>ચિત્રો .png અથવા .svg ફાઇલોમાં સચવાય છે.</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>કુંડળી 1 ચિત્ર તરીકે સાચવો</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG ચિત્રો (*.png);;SVG આકૃતિઓ (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> પિક્સેલ</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG ચિત્રની પહોળાઈ અને ઊંચાઈ (%1 થી %2 પિક્સેલ); SVG આકૃતિ કોઈ પણ કદમાં વધે છે</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>ચિત્રનું કદ(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>શીર્ષક(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>ચિત્ર સાચવી શકાયું નહીં.

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>નોંધ ફાઇલ "%1" બનાવી શકાઈ નહીં.

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>નોંધ ફાઇલ "%1" સંપાદકમાં ખૂલી શકી નહીં.</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>કુંડળી મેલ થઈ શકી નહીં: તેની લખાણ ફાઇલ લખી શકાઈ નહીં.

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>કુંડળી મેલ થઈ શકી નહીં: "%1" પ્રોગ્રામ મળ્યો નહીં (તે xdg-utils પૅકેજ સાથે આવે છે).

પૂરી ગણતરી ક્લિપબોર્ડ પર અને "%2" ફાઇલમાં છે; તે ફાઇલ તમે જાતે સંદેશમાં જોડી શકો છો.</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>મેલ મોકલવું નિષ્ફળ ગયું.</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>બિટમેપ સાચવ્યો</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>પડદા પર હમણાં જે દેખાય છે તે Windows બિટમેપ તરીકે સચવાયું છે. તમે તેને બીજાં સ્વરૂપોમાં બદલી શકો અથવા દસ્તાવેજમાં ઉમેરી શકો.</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>ડિસ્ક ભરાઈ ગઈ છે</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>પૂરું લખી શકાયું નહીં (ડિસ્ક ભરાઈ ગઈ હોઈ શકે)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" ફાઇલ લખી શકાતી નથી: %2.</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>પ્રિન્ટર તે લખી શક્યું નહીં</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" ફાઇલ લખી શકાઈ નહીં: %2. તે નામની ફાઇલ હોય તો તે અપરિવર્તિત છે.</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>સ્વિસ એફેમેરિસ</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>છાપવા જેવું કંઈ નથી: "છાપવામાં સમાવવાની બાબતો" માં કંઈ પસંદ કર્યું નથી.</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>છાપકામ શરૂ થઈ શક્યું નહીં.</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>વૈદિક જ્યોતિષ</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>આવૃત્તિ 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>તેની જન્મ વિગત વાંચી શકાતી નથી: %1.</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>તેની જન્મ વિગત કુંડળી બની શકે તે મર્યાદા બહાર છે.</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan ના "Orvane Lite" માં આપનું સ્વાગત છે!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>સ્વાગત છે!

લાગે છે કે તમે આ સૉફ્ટવેરની આ આવૃત્તિ પહેલી વાર વાપરો છો!

કુંડળીની ગણતરી સાચી થાય અને તે સગવડથી દેખાય તે માટે કેટલીક પસંદગીઓ નક્કી કરવી પડશે.

કૃપા કરી તમારી પસંદગીઓ કાળજીથી પસંદ કરો.

આ પસંદગીઓ પછીથી "પસંદગીઓ" મેનુમાંથી બદલી શકાય છે.

આ સૉફ્ટવેરનો આનંદ લો! ભગવાન તલ્વેશ તમને આશીર્વાદ આપે!!</translation>
        </message>
        <message>
            <source>IMPORTANT - Extension changed from *.dat to *.orv</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite 1.1 used *.dat extension for its data files. The extension has been changed to *.orv in this release.

You will still be able to open old *.dat files saved with Orvane Lite 1.0 or 1.1. When you get the "File Open" dialog box, it will show *.orv files by default, but you will be able to open *.dat files as well. Change the selection under "Files of type" to select *.dat files.

Orvane Lite only tells your desktop about *.orv files (it installs the file type "application/x-orvane-chart"). If your file manager still shows Orvane's icon with *.dat files from an older setup, this is not at all a problem. But, if it irritates you, open the file manager, right-click a *.dat file, choose "Properties" &gt;&gt; "Open With" and pick another program (or run "xdg-mime default" with the program of your choice in a terminal).

By doing this, however, you lose the ability to open an old chart file by double clicking on it in the file manager. Of course, you can still open it by selecting "File" &gt;&gt; "Open" in Orvane Lite.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Enjoy Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan ના "Orvane Lite" નો આનંદ લો!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>સફળતા! તમે તમારી પસંદગીઓ સફળતાથી નક્કી કરી. આ પસંદગીઓ પછીથી "પસંદગીઓ" મેનુમાંથી બદલી શકાય છે.

આ સૉફ્ટવેરનો આનંદ લો! ભગવાન તલ્વેશ તમને આશીર્વાદ આપે!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>અરેખીય અયનાંશનો ઉપયોગ</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>કેટલાક લોકપ્રિય અયનાંશ તેમના પ્રવર્તકોએ રેખીય રૂપે આપ્યા છે. પણ આ પ્રોગ્રામ ફક્ત અરેખીય અયનાંશ વાપરે છે. વાસ્તવમાં અયનાંશનો ફેરફાર અરેખીય હોય છે. રેખીય અયનાંશ વાપરવાથી, દા.ત., તાજિક કુંડળીઓની ચોકસાઈ ઘટે છે.

આ સંદેશ ન સમજાય તો ચિંતા ન કરશો. આ પ્રોગ્રામ સાચું જ કરે છે.</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>કુંડળી સંગ્રહ</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>નામ, અથવા પ્રશ્ન: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>સંગ્રહમાં શોધો</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>નામ</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>જન્મ</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>સ્થળ</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>ટૅગ</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>સંગ્રહની કુંડળીઓ</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>ગ્રાહક, પરિવાર</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>કુંડળીના જીવન પ્રસંગો</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>ખોલો(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>ટૅગ અને નોંધ સાચવો(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>ટૅગ:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>નોંધ:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>પ્રસંગો:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>પ્રસંગ ઉમેરો(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>તૈયાર</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>આની સાથે મેળાપક</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' ફાઇલ મળી નહીં.</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 માન્ય કુંડળી માહિતી ફાઇલ નથી: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>વર અને કન્યા અદલબદલ(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>બંધ કરો</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>કુંડળી</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>બળ</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>અષ્ટકવર્ગ</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>વિંશોત્તરી દશા</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>અન્ય નક્ષત્ર દશાઓ</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>જૈમિની રાશિ દશાઓ</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>તાજિક (વર્ષ કુંડળી)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>મેદિની કુંડળીઓ</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>આ વિભાગ ફક્ત જન્મ કુંડળી માટે છે: તાજિક &gt; જન્મ કુંડળી પર પાછા તે બતાવે છે.</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>આ વિભાગ ફક્ત તાજિક કુંડળી માટે છે: તાજિક &gt; તાજિક વર્ષ ચક્ર વડે વર્ષ પસંદ કરો.</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>આ વિભાગ ફક્ત મેદિની કુંડળી માટે છે (orvane-cli --mundane DAYS); ડેસ્કટોપ પ્રોગ્રામ મેદિની કુંડળી બનાવતો નથી.</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>અહેવાલ વિભાગો</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>વિભાગની નકલ કરો(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>ગોચર - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>ક્ષણ(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- વર્ષ</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- માસ</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- દિવસ</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ દિવસ</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ માસ</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ વર્ષ</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>હમણાં(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite ઉપયોગ માર્ગદર્શિકા</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>છાપો(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>કુંડળી છાપો</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>છાપવાનું પૂર્વદર્શન(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>છાપેલાં પાનાં બતાવો</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>લખાણ ફાઇલ જોડી ઈમેલ કરો(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>પૂરી ગણતરી લખાણ ફાઇલ તરીકે મોકલો</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>હાલના પડદાનું લખાણ સાદા લખાણમાં(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>પડદાનું લખાણ ક્લિપબોર્ડ પર નકલ કરો</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>મૂળ ગણતરી સાદા લખાણમાં(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>મૂળ ગણતરી ક્લિપબોર્ડ પર નકલ કરો</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>પૂરી ગણતરી સાદા લખાણમાં(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>પૂરી ગણતરી ક્લિપબોર્ડ પર નકલ કરો</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>પડદા પરની કુંડળી 1 બિટમેપ તરીકે(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>કુંડળી 1 બિટમેપ તરીકે સાચવો</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>પડદા પરની કુંડળી 1 દક્ષિણ-ઉત્તર બિટમેપ તરીકે(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>કુંડળી 1 દક્ષિણ અને ઉત્તર શૈલીમાં એક બિટમેપમાં સાચવો</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>કુંડળી 1 ચિત્ર તરીકે (PNG અથવા SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>કુંડળી 1 PNG અથવા SVG ચિત્ર તરીકે સાચવો</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>કુંડળીની નોંધ સંપાદિત કરો(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>આ કુંડળીની નોંધ લખાણ ફાઇલમાં રાખો</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>બતાવવા 2 કુંડળી પસંદ કરો(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>બે કુંડળી</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>બે વર્ગ કુંડળી બતાવો</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>પરચૂરણ માહિતી બતાવો(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>મૂળ માહિતી અને બિંદુઓનું કોષ્ટક બતાવો</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>અષ્ટકવર્ગ અને શોધ્ય પિંડ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>પસંદ કરેલી કુંડળીનો અષ્ટકવર્ગ બતાવો</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ષડ્બળ(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>છ બળ અને ભાવ બળ બતાવો</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>આ કુંડળી માટે સ્વિસ એફેમેરિસ(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>આ બારીની કુંડળી સ્વિસ એફેમેરિસથી બનાવો (અથવા ફરી પરંપરાગત ગણતરીથી)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>વિંશોત્તરી દશા(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>વિંશોત્તરી દશા બતાવો</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>વિંશોત્તરી દશામાં પ્રત્યંતર્દશા(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>પસંદ કરેલી મહાદશાની પ્રત્યંતર્દશા બતાવો</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>વિંશોત્તરી દશા દર્શક(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>વિંશોત્તરી મહાદશા, અંતર્દશા અને પ્રત્યંતર્દશા જુઓ</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>કાલચક્ર દશા(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>કાલચક્ર દશા બતાવો</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>અષ્ટોત્તરી દશા(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>અષ્ટોત્તરી દશા બતાવો</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>તાજિક વર્ષ ચક્ર (વર્ષ કુંડળી)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>તાજિક કુંડળીઓ</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>કોઈ વર્ષની વર્ષ, માસ કે હોરા કુંડળી બતાવો</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>જન્મ કુંડળી પર પાછા (તાજિક બંધ)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>જન્મ કુંડળી ફરી બતાવો</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>પાત્યાયિની દશા (તાજિક)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>પાત્યાયિની દશા(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>વર્ષ કુંડળીની પાત્યાયિની દશા બતાવો</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>મુદ્દા દશા (તાજિક)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>મુદ્દા દશા(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>વર્ષ કુંડળીની મુદ્દા દશા બતાવો</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>સહમ(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>સહમ બતાવો</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>પંચવર્ગીય બળ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>વર્ષ કુંડળીનું પંચવર્ગીય બળ બતાવો</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>અહેવાલ વિભાગો(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>દરેક અહેવાલ વિભાગની યાદી અને લખાણ, orvane-cli છાપે તેમ</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>યોગ(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>કુંડળીના યોગ અને દરેક શા માટે બને છે તેની યાદી, અને પસંદ કરેલા યોગના ગ્રહો ઉઠાવો</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>મોટું કરો(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>પડદો મોટો બતાવો</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>નાનું કરો(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>પડદો નાનો બતાવો</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>મૂળ કદ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>પડદો મૂળ કદમાં બતાવો</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>બારીમાં બંધબેસતું(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>પડદો બારીમાં બંધબેસતો કરો</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>કુંડળીના યોગ</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>યોગ</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>ગ્રહો</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>ભાવ</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>યોગ શા માટે બને છે</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>જન્મ વિગત દાખલ કરો</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>આ કુંડળી કોની છે (કુંડળી સાથે રખાય છે)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>નામ(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>જન્મ તારીખ</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>માસ:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>દિવસ:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>વર્ષ:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>જન્મ સમય</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>સવારે</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>બપોર પછી</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>કલાક:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>મિનિટ:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>સેકન્ડ:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>સમય ઝોન</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT થી પૂર્વે</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT થી પશ્ચિમે</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>ડેલાઇટ સેવિંગ સમય</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>સ્થાનિક સરેરાશ સમય (ઉપર આપેલ સમય ઝોન અવગણાશે)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>જન્મ સ્થળ</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>સ્થળ લખો: Chennai, અથવા Springfield, IL, અથવા London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>સ્થળનું નામ (સ્થળ કોષ્ટક ઉપલબ્ધ નથી)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>સ્થળ શોધ નથી: %1. નીચે ઝોન અને સ્થાન દાખલ કરો.</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>શહેર પસંદ કરો જેથી તેનું સ્થાન અને ઝોન ભરાય</translation>
        </message>
        <message>
            <source>E</source>
            <translation>પૂ</translation>
        </message>
        <message>
            <source>W</source>
            <translation>પ</translation>
        </message>
        <message>
            <source>N</source>
            <translation>ઉ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>દ</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>સ્થળ(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>શહેર:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>રેખાંશ:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>અક્ષાંશ:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>કૃપા કરી %1 અને %2 વચ્ચેનો પૂર્ણાંક દાખલ કરો.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>કૃપા કરી %1 અને %2 વચ્ચેની સંખ્યા દાખલ કરો.</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>દક્ષિણ ભારતીય શૈલી (નિયમિત)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>દક્ષિણ ભારતીય શૈલી (અનિયમિત)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>ઉત્તર ભારતીય શૈલી ("હીરા કુંડળી")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>પૂર્વ ભારતીય શૈલી ("સૂર્ય કુંડળી")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>પૂર્વ ભારતીય શૈલી (ચોકઠા સાથે)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>ચિત્રપક્ષ અયનાંશ (લાહિરી)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>રમણ અયનાંશ</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>દેવદત્ત અયનાંશ</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>કૃષ્ણમૂર્તિ અયનાંશ</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>ઉષા-શશી અયનાંશ</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>ફેગન અયનાંશ</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>સાયન રાશિચક્ર</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>સ્વનિર્ધારિત અયનાંશ</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>જન્મ વિગત, અંશ, રાશિ, નવમાંશ, વિંશોત્તરી દશા (મૂળ)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>કાલચક્ર દશા અને અષ્ટોત્તરી દશા (લોકપ્રિય નક્ષત્ર દશાઓ)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>ષડ્બળ, ભાવ બળ, ઇષ્ટ-કષ્ટ ફળ અને અષ્ટકવર્ગ</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>ભાગ્ય અને પ્રતિષ્ઠાની કુંડળીઓ (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>પરિવાર અને આંતરિક બાબતોની કુંડળીઓ (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>દુર્ભાગ્ય અને પૂર્વકર્મની કુંડળીઓ (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>કુંડળી શૈલી પસંદ કરો</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>કુંડળીઓ આ શૈલીમાં દોરો(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>દરેક ગ્રહના અંશ અને કળા બાજુમાં બતાવો(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>અંશ ફક્ત રાશિ કુંડળીમાં (વર્ગ કુંડળીમાં નહીં)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>અયનાંશ પસંદ કરો</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>અયનાંશ(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>ચિત્રપક્ષ (લાહિરી) થી તફાવત</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>ઉમેરો</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>બાદ કરો</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>અંશ(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>કળા(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>વિકળા(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>અયનાંશ પસંદ કરતાં તેનો તફાવત ભરાય છે. તફાવત લખતાં અથવા ઉમેરો/બાદ કરો પસંદ કરતાં તે સ્વનિર્ધારિત અયનાંશ બને છે.</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>વર્ષના દિવસોની સંખ્યા (નક્ષત્ર દશાઓ)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>વર્ષના દિવસો(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>વિંશોત્તરી, અષ્ટોત્તરી અને અન્ય નક્ષત્ર દશાઓમાં દશા વર્ષની લંબાઈ. સામાન્ય મૂલ્ય 365.2425 છે.</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>વિશેષ લગ્ન અને ઉપગ્રહ</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>કુંડળીમાં બતાવાતાં બિંદુ(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>વિશેષ લગ્ન બતાવો (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>ધૂમ વગેરે ઉપગ્રહ બતાવો (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>ગુલિક વગેરે ઉપગ્રહ બતાવો (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>આરૂઢ પદ(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>બધાં આરૂઢ પદ બતાવો</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>ફક્ત કેટલાંક આરૂઢ પદ બતાવો</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>ફક્ત કેટલાંક પદ હોય તો, પછી તમે તે પસંદ કરશો.</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>બતાવવાનાં પદ</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>બતાવવાનાં આરૂઢ પદ</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>પદ ક્રમાંક 1 થી 12: 1 એટલે AL (આરૂઢ લગ્ન), 12 એટલે UL (ઉપપદ), 7 એટલે A7. 0 જગ્યા ખાલી રાખે છે.</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>ઉપગ્રહ ગણતરીના વિકલ્પો</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>દિવસ કે રાતના ભાગમાં ઉદય બિંદુ</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>શરૂઆત</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>મધ્ય</translation>
        </message>
        <message>
            <source>end</source>
            <translation>અંત</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>ગુલિક(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>માંદિ(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>કાળ, મૃત્યુ વગેરે(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>ધૂમ અને વ્યતિપાત</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>વ્યતિપાત = 360 અંશ - ધૂમ</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>વ્યતિપાત = ધૂમ + 53 અંશ 20 કળા</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>સંબંધ(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>કાળ, મૃત્યુ વગેરે:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>હોરા કુંડળી પસંદગી</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>કર્ક-સિંહ (માનક)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>રાશિચક્ર બે વાર (પરિવૃત્તિ દ્વય)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>હોરા કુંડળી (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>એફેમેરિસ</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>પરંપરાગત (અંદરનો સિદ્ધાંત)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>સ્વિસ એફેમેરિસ (એક વિકળાની અંદર)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>રાહુ સ્પષ્ટ પાતથી (નહીં તો મધ્યમ પાત)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>સ્થાન આમાંથી(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>કુંડળીની બારી પોતાની કુંડળી માટે બીજી ગણતરી વાપરી શકે: કુંડળીઓ &gt;&gt; આ કુંડળી માટે સ્વિસ એફેમેરિસ.</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>છાપવાની પસંદગીઓ</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>કાળા-સફેદમાં છાપો(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>સમાવવાની બાબતો (દરેક એક પાનું)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>સ્થળ દાખલ કરો</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>વર્તમાન ક્ષણની કુંડળીઓનું સ્થળ</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>સમય ઝોન(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>રેખાંશ(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>અક્ષાંશ(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>સ્થળ શોધ નથી (સ્થળ કોષ્ટક ઉપલબ્ધ નથી)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1. નીચે ઝોન દાખલ કરો.</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite વિશે....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
આવૃત્તિ 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>વૈદિક જ્યોતિષ સૉફ્ટવેર</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>કૉપિરાઇટ © Meruvan.
GNU Affero General Public License, આવૃત્તિ 3 અથવા પછીની (AGPL-3.0-or-later) હેઠળ પરવાનો. Orvane Lite ચોક્કસ સ્થાન માટે જે સ્વિસ એફેમેરિસ વાપરે છે તે AGPL-3.0 હેઠળ પરવાનો ધરાવે છે.</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>સ્થળનાં નામ અને સ્થાન: GeoNames (geonames.org), Creative Commons Attribution 4.0 હેઠળ.
સમય ઝોનની સીમાઓ: timezone-boundary-builder, Open Database License (ODbL) હેઠળ.
સમય ઝોનનો ઇતિહાસ: આ સિસ્ટમનો IANA tz ડેટાબેઝ.</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>શીર્ષક(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>એક કુંડળી પસંદ કરો</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>બે કુંડળી પસંદ કરો</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>પહેલી કુંડળી</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>બીજી કુંડળી</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>હાલનું દૃશ્ય છોડી બે મોટી કુંડળી બતાવો</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>મહાદશા પસંદ કરો</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>આની મહાદશામાં પ્રત્યંતર્દશા:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>તાજિક વર્ષ કુંડળી</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>આ વર્ષની વર્ષ કુંડળી (વર્ષ ચક્ર):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>માસ કુંડળી જોઈએ!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>તાજિક માસ કુંડળી</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>માસ (પહેલો માસ જન્મદિવસે શરૂ):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>હોરા કુંડળી જોઈએ!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>તાજિક હોરા કુંડળી</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>માસનો હોરા સમયગાળો (1 થી 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>મિ</translation>
        </message>
        <message>
            <source>h</source>
            <translation>ક</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>અંશ</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>કેપી અને ભાવ(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>કોઈ ભાવ પદ્ધતિના ભાવારંભ તેમના કેપી સ્વામી અને કારકો સાથે, અને ભાવ ચલિત કુંડળી બતાવો</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>જન્મ સમય(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>કેપી (નવો) અયનાંશ</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>લગ્ન, વર્ગોના લગ્ન કે ભાવારંભના ઉપ-સ્વામી બદલાય તે પહેલાં જન્મ સમય કેટલો ખસી શકે તે બતાવો, અને સમય ખસેડી કુંડળી ફરી બનાવો</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>બળ ચાર્ટ તરીકે(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>ષડ્બળ, ભાવ બળ અને સર્વાષ્ટકવર્ગ કોષ્ટકો અને સ્તંભ ચાર્ટમાં બતાવો, ચિત્ર તરીકે સાચવવા કે છાપવા</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>ષડ્બળ</translation>
        </message>
        <message>
            <source>required</source>
            <translation>જરૂરી</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>રૂપ</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>ભાવ બળ</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>સર્વાષ્ટકવર્ગ</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, સરેરાશ</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>બિંદુ</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>જાન્યુઆરી</translation>
        </message>
        <message>
            <source>February</source>
            <translation>ફેબ્રુઆરી</translation>
        </message>
        <message>
            <source>March</source>
            <translation>માર્ચ</translation>
        </message>
        <message>
            <source>April</source>
            <translation>એપ્રિલ</translation>
        </message>
        <message>
            <source>May</source>
            <translation>મે</translation>
        </message>
        <message>
            <source>June</source>
            <translation>જૂન</translation>
        </message>
        <message>
            <source>July</source>
            <translation>જુલાઈ</translation>
        </message>
        <message>
            <source>August</source>
            <translation>ઑગસ્ટ</translation>
        </message>
        <message>
            <source>September</source>
            <translation>સપ્ટેમ્બર</translation>
        </message>
        <message>
            <source>October</source>
            <translation>ઑક્ટોબર</translation>
        </message>
        <message>
            <source>November</source>
            <translation>નવેમ્બર</translation>
        </message>
        <message>
            <source>December</source>
            <translation>ડિસેમ્બર</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>રવિ</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>સોમ</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>મંગળ</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>બુધ</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>ગુરુ</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>શુક્ર</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>શનિ</translation>
        </message>
        <message>
            <source>today</source>
            <translation>આજે</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>ફાઇલનું નામ(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>ફાઇલનો પ્રકાર:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>અહીં જુઓ:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>ખોલો(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>સાચવો(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>રદ કરો</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 વ %2 મા %3 દિ</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>જન્મ સમયે બાકી: %1, %2.</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>મહાદશા, અંતર્દશા અને પ્રત્યંતર્દશા.</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>મહાદશા અને ઉપ-સમયગાળા.</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>રાશિઓ: મહાદશા અને ઉપ-સમયગાળા.</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (જૈમિની)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 થી, %2; મહાદશા અને અંતર્દશા.</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>આગળ</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>પાછળ</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 થી વધુ</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>બરાબર</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>રદ કરો</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>બંધ કરો</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>સાચવો</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>છોડી દો</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>સાચવશો નહીં</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>લાગુ કરો</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>મદદ</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>હા(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>ના(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>ખોલો</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>ફરી ગોઠવો</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>મૂળભૂત પાછાં લાવો</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>છાપો</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>છાપવાનું પૂર્વદર્શન</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>બંધ કરો</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>સૂર્ય</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>ચંદ્ર</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>મંગળ</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>બુધ</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>ગુરુ</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>શુક્ર</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>શનિ</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>રાહુ</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>કેતુ</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>મેષ</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>વૃષભ</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>મિથુન</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>કર્ક</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>સિંહ</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>કન્યા</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>તુલા</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>વૃશ્ચિક</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>ધન</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>મકર</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>કુંભ</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>મીન</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>અશ્વિની</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>ભરણી</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>કૃત્તિકા</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>રોહિણી</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>મૃગશીર્ષ</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>આર્દ્રા</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>પુનર્વસુ</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>પુષ્ય</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>આશ્લેષા</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>મઘા</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>પૂર્વા ફાલ્ગુની</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>ઉત્તરા ફાલ્ગુની</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>હસ્ત</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>ચિત્રા</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>સ્વાતિ</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>વિશાખા</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>અનુરાધા</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>જ્યેષ્ઠા</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>મૂળ</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>પૂર્વાષાઢા</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>ઉત્તરાષાઢા</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>શ્રવણ</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>ધનિષ્ઠા</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>શતભિષા</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>પૂર્વાભાદ્રપદ</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>ઉત્તરાભાદ્રપદ</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>રેવતી</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>રાશિ</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>હોરા</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>દ્રેષ્કાણ</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>ચતુર્થાંશ</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>પંચમાંશ</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>ષષ્ઠાંશ</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>સપ્તમાંશ</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>અષ્ટમાંશ</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>નવમાંશ</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>દશમાંશ</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>રુદ્રાંશ</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>દ્વાદશાંશ</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>ષોડશાંશ</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>વિંશાંશ</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>ચતુર્વિંશાંશ</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>નક્ષત્રાંશ</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>ત્રિંશાંશ</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>ખવેદાંશ</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>અક્ષવેદાંશ</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>ષષ્ટ્યંશ</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>લ</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>સૂ</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>ચં</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>મં</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>બુ</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>ગુ</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>શુ</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>શ</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>રા</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>કે</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(વ)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>ગોચર</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>મહાદશા</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>અંતર્દશા</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>પ્રત્યંતર્દશા</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>ષષ્ટ્યંશ</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>વિંશોત્તરી</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>કાલચક્ર</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>ચર</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>નારાયણ</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>સ્થિર</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>શૂલ</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>નિર્યાણ શૂલ</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>દૃગ</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>યોગિની</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>અષ્ટોત્તરી</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>તિથિ યોગિની</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>તિથિ અષ્ટોત્તરી</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>દ્વિસપ્તતિ સમ</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>ષટ્ત્રિંશત્ સમ</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>દ્વાદશોત્તરી</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>ચતુરશીતિ સમ</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>શતાબ્દિકા</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>ષોડશોત્તરી</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>પંચોત્તરી</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>પડવો</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>બીજ</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>ત્રીજ</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>ચોથ</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>પાંચમ</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>છઠ</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>સાતમ</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>આઠમ</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>નોમ</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>દશમ</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>અગિયારસ</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>બારસ</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>તેરસ</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>ચૌદસ</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>પૂનમ</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>અમાસ</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>વિષ્કુંભ</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>પ્રીતિ</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>આયુષ્માન</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>સૌભાગ્ય</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>શોભન</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>અતિગંડ</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>સુકર્મા</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>ધૃતિ</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>શૂલ</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>ગંડ</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>વૃદ્ધિ</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>ધ્રુવ</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>વ્યાઘાત</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>હર્ષણ</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>વજ્ર</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>સિદ્ધિ</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>વ્યતિપાત</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>વરીયાન</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>પરિઘ</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>શિવ</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>સિદ્ધ</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>સાધ્ય</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>શુભ</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>શુક્લ</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>બ્રહ્મ</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>ઇન્દ્ર</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>વૈધૃતિ</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>સુદ</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>વદ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>કૃપા કરી વધુમાં વધુ 16 અંશ 40 કળા (1000 કળા) જેટલો તફાવત દાખલ કરો.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CBirthDataDlg</name>
        <message>
            <source>%1, %2
%3° %4, %5° %6
population %7</source>
            <translation>%1, %2
%3° %4, %5° %6
વસ્તી %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: લાગુ પડતો તફાવત જાણવા તારીખ અને સમય દાખલ કરો.</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>બીજી વાર આવતો સમય લો (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>ઝોનના શહેરનો %1. સ્થળનો પોતાનો સ્થાનિક સરેરાશ સમય %2 વપરાય છે.</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>આ મૂલ્યોથી માન્ય કુંડળી બનતી નથી: %1.</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>અંશ</translation>
        </message>
        <message>
            <source>min</source>
            <translation>મિ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>સ્વિસ એફેમેરિસ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>સમયગાળો</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>શરૂ</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>અંત</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>ઉંમર</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>સમયગાળો શરૂ થાય ત્યારે જાતકની ઉંમર (વર્ષમાં)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>દશા(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>આજે (%1) ચાલતા સમયગાળા ઉઠાવ્યા છે. ઉપર અને નીચે ખસે છે, જમણી કળ સમયગાળો ખોલે છે, ડાબી બંધ કરે છે.</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 દશા - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>આજે ચાલુ</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>જન્મ પહેલાં પૂરી</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>ભાષા</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>સિસ્ટમની ભાષા</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>કુંડળીમાં લેટિન સંક્ષેપ (Su, Mo, Ma) બતાવો(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>ભાષા(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>કુંડળીઓ તરત બદલાય છે; મેનુ અને સંવાદ Orvane Lite ફરી શરૂ કરતાં બદલાશે.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>નવી (અત્યારનો પ્રશ્ન)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>મૂળભૂત સ્થળે આ ક્ષણની કુંડળી બનાવો</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>ખોલો(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>સાચવેલી કુંડળી ખોલો</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>બંધ કરો(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>કુંડળી બંધ કરો</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>સાચવો(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>કુંડળી સાચવો</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>આ નામે સાચવો(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>કુંડળી નવા નામે સાચવો</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>છાપવાની ગોઠવણ(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>પ્રિન્ટર અને પાનું પસંદ કરો</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>બહાર નીકળો(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite બંધ કરો</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>જન્મ વિગત બદલો(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>કુંડળીની તારીખ, સમય અને સ્થળ બદલો</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>નવી બારી(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>આ કુંડળીની બીજી બારી ખોલો</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>એક પછી એક ગોઠવો(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>બાજુબાજુ ગોઠવો(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ફાઇલ(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>સંગ્રહમાં સાચવો(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>સક્રિય કુંડળી કુંડળી સંગ્રહમાં રાખો</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>સંપાદન(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>કુંડળીઓ(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>મેળાપક(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>ગોચર(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>બીજી કુંડળી ફાઇલ સાથે અષ્ટકૂટ મેળાપક અને માંગલિક તપાસ</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>પસંદ કરેલી ક્ષણના ગ્રહો આ કુંડળી સાથે, અને તેની સાડાસાતી</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>કુંડળી સંગ્રહ(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>સંગ્રહની કુંડળીઓ: શોધો, ટૅગ કરો, ખોલો</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>દશાઓ(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>તાજિક(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>અહેવાલ(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>પસંદગીઓ(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>કુંડળી શૈલી(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>અયનાંશ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>વર્ષના દિવસો(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>વિશેષ લગ્ન અને ઉપગ્રહ દર્શન(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>ઉપગ્રહ ગણતરીના વિકલ્પો(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>હોરા કુંડળી(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>છાપવામાં સમાવવાની બાબતો(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>મૂળભૂત સ્થળ(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>એફેમેરિસ(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>ભાષા(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>દૃશ્ય(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>સ્થિતિ પટ્ટી(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>બારી(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>મદદ(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>ઉપયોગ માર્ગદર્શિકા(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite ની ટૂંકી માર્ગદર્શિકા</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite વિશે(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>માનક</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>સાધન પટ્ટી(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" સાચવી.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" ફાઇલ ખૂલી શકતી નથી.

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>ખોલો</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>એફેમેરિસ: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>કુંડળીમાં બતાવવાના વિશેષ લગ્ન, ઉપગ્રહ અને પદ પસંદ કરો</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>પંચાંગ કૅલેન્ડર(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>કોઈ સ્થળે મહિનાના દરેક દિવસનું પંચાંગ, તહેવારો સાથે</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" માન્ય કુંડળી ફાઇલ નથી; તેને બદલી નથી.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>આ નામે સાચવો</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>કુંડળી સાચવી શકાઈ નહીં.

%1

કુંડળી હજી ખુલ્લી અને અપરિવર્તિત છે.</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 માંના ફેરફારો સાચવવા છે?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>અમાન્ય ફાઇલ</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>અરે, તમે ખોલવા માગેલી ફાઇલ માન્ય "Orvane" માહિતી ફાઇલ નથી.

તેને બદલે વર્તમાન સમયની કુંડળી બનશે.</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" કુંડળીની ગણતરી થઈ શકી નહીં.

%2

કૃપા કરી તેની જન્મ વિગત સુધારો (સંપાદન &gt; જન્મ વિગત બદલો). કુંડળીની બારી ખુલ્લી રહે છે; કંઈ ગુમાયું નથી.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>હાલ ચાલતું</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;વિંશોત્તરી દશા&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 સુધી</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>આજે કોઈ સમયગાળો ચાલતો નથી.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;હાલનું ગોચર&lt;/b&gt;, %1 માંના જન્મ ચંદ્રથી</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>ગ્રહ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>સ્થાન</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ભાવ</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>શુભ</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 દ્વારા વેધ</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>ભાવ જન્મ ચંદ્રની રાશિથી ગણ્યા છે.</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>વર્ષ કુંડળી %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>માસ કુંડળી %1, માસ %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>હોરા કુંડળી %1, માસ %2, હોરા %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>જન્મ કુંડળી</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite પહેલેથી ચાલુ છે.</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite પહેલેથી ચાલુ છે, પણ તેણે જવાબ ન આપ્યો.

કૃપા કરી "%1" તેના ફાઇલ મેનુમાંથી ખોલો.</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>તમારી પસંદગીઓ "%1" માંથી વાંચી શકાતી નથી.

%2

Orvane Lite હાલ મૂળભૂત પસંદગીઓ વાપરે છે અને તે ફાઇલ જેમ છે તેમ રાખે છે. ફાઇલ ફરી વાંચી શકાય ત્યાં સુધી તમે બદલેલી પસંદગીઓ સચવાશે નહીં.</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>તમારી પસંદગીઓ "%1" માં સાચવી શકાઈ નહીં.

%2

Orvane Lite બંધ થાય ત્યાં સુધી તે લાગુ રહેશે.</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>ભાષા</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 માટે કોઈ ફોન્ટ સ્થાપિત નથી (Debian પૅકેજ fonts-noto-core), તેથી Orvane Lite અંગ્રેજીમાં જ રહેશે.</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>કોઈ નહીં</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>કેપી પ્રશ્ન ક્રમાંક 1..249: જેનું લગ્ન તે ઉપનો આરંભ છે તે ભાવારંભ</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>ભાવ પદ્ધતિ(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>પ્રશ્ન ક્રમાંક(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>ભાવ ચલિત કુંડળી</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>ભાવારંભના કેપી સ્વામી</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>ભાવારંભ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>સ્થાન</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>રાશિ સ્વામી</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>નક્ષત્ર સ્વામી</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>ઉપ સ્વામી</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>ઉપ-ઉપ સ્વામી</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>ગ્રહોના કેપી સ્વામી</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ગ્રહ</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ભાવ</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>ભાવોના કારક</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>સ્તર 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>સ્તર 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>સ્તર 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>સ્તર 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>ગ્રહોનું કારકત્વ</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>ભાવમાં રહેલા ગ્રહોનાં નક્ષત્રોમાં રહેલા ગ્રહો</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>ભાવમાં રહેલા ગ્રહો</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>ભાવેશના નક્ષત્રમાં રહેલા ગ્રહો</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>ભાવેશ</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>તેના નક્ષત્ર સ્વામીનો ભાવ</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>તે જે ભાવમાં છે</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>તેના નક્ષત્ર સ્વામીની માલિકીના ભાવ</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>તેની માલિકીના ભાવ (રાહુ અને કેતુ: તેમની રાશિના સ્વામીના)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>રાહુ અને કેતુ પોતાની રાશિના સ્વામીના ભાવોના સ્વામી છે</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>સ્તર 1: ભાવસ્થ ગ્રહોનાં નક્ષત્રોમાં · 2: ભાવસ્થ ગ્રહો
3: સ્વામીના નક્ષત્રમાં · 4: સ્વામી</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>સ્તર 1: નક્ષત્ર સ્વામીનો ભાવ · 2: પોતાનો ભાવ
3: નક્ષત્ર સ્વામીના ભાવ · 4: પોતાના ભાવ</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>ભાવારંભ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>ગ્રહો(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>ભાવ કારક(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>ગ્રહ કારકત્વ(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>કેપી અને ભાવ - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>પ્રશ્ન ક્રમાંક %1 ના પ્લેસિડસ ભાવારંભ</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 ભાવારંભ</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, કુંડળીના અયનાંશથી નિરયન.</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>ભાવ ચલિત (પ્રશ્ન %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>ભાવ ચલિત (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (વ)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>કુંડળીની ક્ષણના શાસક ગ્રહો: વાર સ્વામી %1; લગ્ન રાશિ સ્વામી %2, નક્ષત્ર સ્વામી %3; ચંદ્ર રાશિ સ્વામી %4, નક્ષત્ર સ્વામી %5.</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>સંગ્રહ ખૂલી શકતો નથી: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n કુંડળીઓ. ઉમેરવા કુંડળી ફાઇલો અહીં ખેંચો.</numerusform>
                <numerusform>%1: %n કુંડળીઓ. ઉમેરવા કુંડળી ફાઇલો અહીં ખેંચો.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>પ્રશ્ન: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n માંથી %1 કુંડળીઓ</numerusform>
                <numerusform>%n માંથી %1 કુંડળીઓ</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>ઘટના એટલે પ્રકાર, તારીખ અને નોંધ: marriage 1995-05-01 in Chennai.</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>ઉમેરાયું નહીં: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>ઘટના ઉમેરાઈ.</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>સચવાયું નહીં: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 ના ટૅગ અને નોંધ સચવાઈ.</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: આ જન્મ વિગતથી કુંડળી બની શકતી નથી.</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 સંગ્રહમાં ઉમેરાઈ.</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>મેળાપક - %1 અને %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>વર: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>કન્યા: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>મેળાપકની એક કુંડળી બની શકતી નથી.</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>પંચાંગ કૅલેન્ડર</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>મૂળભૂત સ્થળ</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; વર્ષ</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>એક વર્ષ પહેલાંનો આ જ મહિનો</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; મહિનો</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>પાછલો મહિનો</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>મહિનો &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>આવતો મહિનો</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>વર્ષ &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>એક વર્ષ પછીનો આ જ મહિનો</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>આજે(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>આજના મહિના પર પાછા</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>સ્થળ(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN" જેવું સ્થળ (ખાલી હોય તો મૂળભૂત સ્થળ)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>સ્થળ નક્કી કરો</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>છાપો(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>નિકાસ કરો(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>મહિનો PDF ફાઇલ અથવા PNG ચિત્ર તરીકે સાચવો</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 માં</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" નામનું કોઈ સ્થળ નથી.</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>પંચાંગ કૅલેન્ડર - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>કોઈ નહીં</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>સૂર્યોદય</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>સૂર્યાસ્ત</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>ચંદ્રોદય</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>ચંદ્રાસ્ત</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 સુધી</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>તિથિ</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>નક્ષત્ર</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>યોગ</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>કરણ</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>અધિક %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>ચાંદ્ર માસ</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (અમાંત), %2 (પૂર્ણિમાંત)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>વર્ષ</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 સંવત્સર, શક %2, વિક્રમ %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ઋતુ, અયન</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>ઉત્તરાયણ</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>દક્ષિણાયન</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>સંક્રાંતિ</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>સૂર્ય %2 વાગ્યે %1 માં પ્રવેશે છે</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>રાહુ કાળ</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>યમઘંટ</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>ગુલિક કાળ</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>અભિજિત</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>બ્રહ્મ મુહૂર્ત</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>દુર્મુહૂર્ત</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>વર્જ્ય</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>અમૃત કાળ</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>ચોઘડિયું</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>પંચાંગ: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>સૂર્યોદય સમયે તિથિ અને નક્ષત્ર; તહેવાર %1 માં તેમની તિથિ મુજબ; ઘડિયાળનો સમય %2 નો.</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>મૂળભૂત સમય ઝોન</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 લખી શકાતી નથી.</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>મહિનો છાપો</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>પ્રિન્ટર વાપરી શકાતું નથી.</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>મહિનો નિકાસ કરો</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF ફાઇલ (*.pdf);;PNG ચિત્ર (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>અહેવાલ વિભાગો - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>આ કુંડળી માટે આ વિભાગમાં લખાણ નથી.</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite ચાલુ નકલને ફાઇલો સોંપ્યા વિના ચાલે છે: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>લૉક ફાઇલ "%1" બનાવી શકાતી નથી.</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>બીજી વાર શરૂ કરતાં આવતી ફાઇલો પ્રોગ્રામ સ્વીકારી શકતો નથી: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ષડ્બળ(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>ભાવ બળ(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>સર્વાષ્ટકવર્ગ(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>સ્તંભ ચાર્ટ</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>કોઈ સ્તંભના શીર્ષક પર ક્લિક કરી તે મુજબ ક્રમ ગોઠવો; હરોળો પસંદ કરી Ctrl+C દબાવી નકલ કરો. ગ્રહની જરૂર કરતાં (અથવા 28 બિંદુ કરતાં) ઓછા સ્તંભ નારંગી રંગમાં છે.</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>ચિત્ર સાચવો(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>છાપો(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>બળ - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ગ્રહ</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>રૂપ</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>જરૂરી</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>ટકા</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ભાવ</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>રાશિ</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>બિંદુ</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>સરેરાશથી</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 લખી શકાતી નથી.</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>બળના ચાર્ટ સાચવો</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG ચિત્ર (*.png);;SVG ચિત્ર (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>જન્મ સમય %1 ખસેડો</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>દાખલ કરેલા સમય પર પાછા(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>જન્મ સમયનું ખસવું</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>દરેક બિંદુ બદલાય તે પહેલાં જન્મ સમય કેટલો ખસી શકે</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>બિંદુ</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>હમણાં</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>પાછળ આટલું ટકે છે</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>આગળ આટલું ટકે છે</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>જન્મ સમય %1 (દાખલ કરેલા સમયથી %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>જન્મ સમય - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: દરેક બિંદુ બદલાય તે પહેલાં જન્મ સમય બંને તરફ કેટલો ખસી શકે. બટનો કે સ્લાઇડરથી સમય ખસેડો; દરેક પગલે કુંડળીની બારી ફરી બને છે.</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>જન્મ કુંડળી બની શકતી નથી.</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 ના ગોચર સાથે જન્મ રાશિ કુંડળી, જન્મના સમય ઝોનમાં (ત્રાંસા, આગળ "t")</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (ભંગ)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n યોગ (ભાવ લગ્નથી પૂર્ણ રાશિમાં). કોઈ એક પસંદ કરો અને તે શા માટે બને છે તે જુઓ; તેના ગ્રહો કુંડળીમાં ઉઠાવાય છે.</numerusform>
                <numerusform>%1 — %2: %n યોગ (ભાવ લગ્નથી પૂર્ણ રાશિમાં). કોઈ એક પસંદ કરો અને તે શા માટે બને છે તે જુઓ; તેના ગ્રહો કુંડળીમાં ઉઠાવાય છે.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>યોગ - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>ગ્રહો: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>આ શા માટે બને છે:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>આનાથી ભંગ અને નબળો:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>આનાથી નબળો:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>નિયમ: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>ફળ: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>પાઠ: %1</translation>
        </message>
    </context>
</TS>
