<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>శీర్షిక నమోదు చేయండి</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>శీర్షిక:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>చక్రాన్ని గీయలేకపోయాము.</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>బిట్‌మ్యాప్ సేవ్ చేయలేకపోయాము.

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

దాని ఫైల్ "%2".</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>తెరపై ఉన్నది</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>ప్రాథమిక గణనలు</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>అన్ని గణనలు</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 సాదా పాఠంగా క్లిప్‌బోర్డ్‌కు కాపీ అయింది, కానీ ఒక భాగం ప్రోగ్రామ్ పరిమితి కంటే పొడవుగా ఉండి దాని చివర కత్తిరించబడింది.</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 సాదా పాఠంగా క్లిప్‌బోర్డ్‌కు విజయవంతంగా కాపీ అయింది.</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>క్లిప్‌బోర్డ్ తెరవలేము</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>క్లిప్‌బోర్డ్‌లో డేటా ఉంచలేకపోయాము</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>చక్రం</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>చక్రాన్ని బిట్‌మ్యాప్‌గా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows బిట్‌మ్యాప్‌లు (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>చిత్రం %1 నుండి %2 పిక్సెల్‌ల వెడల్పు ఉంటుంది.</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>చిత్రాన్ని ఎన్‌కోడ్ చేయలేకపోయాము.</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>చిత్రాలు .png లేదా .svg ఫైళ్లుగా సేవ్ అవుతాయి.</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>చక్రం 1 ను చిత్రంగా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG చిత్రాలు (*.png);;SVG రేఖాచిత్రాలు (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> పిక్సెల్‌లు</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG చిత్రపు వెడల్పు, ఎత్తు (%1 నుండి %2 పిక్సెల్‌లు); SVG రేఖాచిత్రం ఏ పరిమాణానికైనా మారుతుంది</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>చిత్ర పరిమాణం(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>శీర్షిక(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>చిత్రాన్ని సేవ్ చేయలేకపోయాము.

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>గమనికల ఫైల్ "%1" సృష్టించలేకపోయాము.

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>గమనికల ఫైల్ "%1" ఎడిటర్‌లో తెరవలేకపోయాము.</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>చక్రాన్ని మెయిల్ చేయలేకపోయాము: దాని టెక్స్ట్ ఫైల్ రాయలేకపోయాము.

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>చక్రాన్ని మెయిల్ చేయలేకపోయాము: "%1" ప్రోగ్రామ్ దొరకలేదు (ఇది xdg-utils ప్యాకేజీతో వస్తుంది).

పూర్తి గణనలు క్లిప్‌బోర్డ్‌లో, "%2" ఫైల్‌లో ఉన్నాయి; ఆ ఫైల్‌ను మీరే సందేశానికి జోడించవచ్చు.</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>మెయిల్ పంపడం విఫలమైంది.</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>బిట్‌మ్యాప్ సేవ్ అయింది</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>ఇప్పుడు తెరపై కనిపిస్తున్నది Windows బిట్‌మ్యాప్‌గా సేవ్ అయింది. దానిని ఇతర ఆకృతులకు మార్చవచ్చు లేదా పత్రంలో చేర్చవచ్చు.</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>డిస్క్ నిండిపోయింది</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>మొత్తం రాయలేకపోయాము (డిస్క్ నిండి ఉండవచ్చు)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" ఫైల్ రాయలేము: %2.</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>ప్రింటర్ దానిని రాయలేకపోయింది</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" ఫైల్ రాయలేకపోయాము: %2. ఆ పేరుతో ఉన్న ఫైల్ మారలేదు.</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>స్విస్ ఎఫిమెరిస్</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>ముద్రించడానికి ఏమీ లేదు: "ముద్రణలో చేర్చవలసినవి" లో ఏదీ ఎంచుకోలేదు.</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>ముద్రణ పని ప్రారంభించలేకపోయాము.</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>వైదిక జ్యోతిషం</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>సంచిక 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>దీని జనన వివరాలు చదవలేము: %1.</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>దీని జనన వివరాలు చక్రం వేయగల పరిధికి బయట ఉన్నాయి.</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan "Orvane Lite" కి స్వాగతం!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>స్వాగతం!

మీరు ఈ సాఫ్ట్‌వేర్ యొక్క ఈ సంచికను మొదటిసారి వాడుతున్నట్లుంది!

చక్రాలు సరిగ్గా గణించబడి సౌకర్యంగా చూపబడేలా కొన్ని అభిరుచులు అమర్చాలి.

దయచేసి మీ అభిరుచులను జాగ్రత్తగా ఎంచుకోండి.

ఈ అభిరుచులను తర్వాత "అభిరుచులు" మెనూ ద్వారా మార్చవచ్చు.

ఈ సాఫ్ట్‌వేర్‌ను ఆనందించండి! తల్వేశ్ భగవానుడు మిమ్మల్ని ఆశీర్వదించుగాక!!</translation>
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
            <translation>Meruvan "Orvane Lite" ను ఆనందించండి!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>విజయం! మీ అభిరుచులను విజయవంతంగా అమర్చారు. వీటిని తర్వాత "అభిరుచులు" మెనూ ద్వారా మార్చవచ్చు.

ఈ సాఫ్ట్‌వేర్‌ను ఆనందించండి! తల్వేశ్ భగవానుడు మిమ్మల్ని ఆశీర్వదించుగాక!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>అరేఖీయ అయనాంశ వాడుక</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>కొన్ని ప్రసిద్ధ అయనాంశలను వాటి ప్రతిపాదకులు రేఖీయంగా ఇచ్చారు. కానీ ఈ ప్రోగ్రామ్ అరేఖీయ అయనాంశలను మాత్రమే వాడుతుంది. నిజానికి అయనాంశ మార్పు అరేఖీయం. రేఖీయ అయనాంశ వాడితే ఉదాహరణకు తాజిక చక్రాల ఖచ్చితత్వం తగ్గుతుంది.

ఈ సందేశం అర్థం కాకపోతే చింతించకండి. ఈ ప్రోగ్రామ్ సరైనదే చేస్తోంది.</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>చక్రాల సంగ్రహం</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>పేరు, లేదా ప్రశ్న: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>సంగ్రహంలో వెతుకు</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>పేరు</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>జననం</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>ప్రదేశం</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>ట్యాగ్‌లు</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>సంగ్రహంలోని చక్రాలు</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>క్లయింట్, కుటుంబం</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>జాతకుని జీవిత సంఘటనలు</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>తెరువు(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>ట్యాగ్‌లు, గమనికలు సేవ్ చేయి(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>ట్యాగ్‌లు:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>గమనికలు:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>సంఘటనలు:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>సంఘటన జోడించు(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>సిద్ధం</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>దీనితో పొంతన</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' ఫైల్ దొరకలేదు.</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 సరైన చక్రపు డేటా ఫైల్ కాదు: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>వరుడు, వధువును మార్చు(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>మూసివేయి</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>చక్రం</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>బలాలు</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>అష్టకవర్గు</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>వింశోత్తరి దశ</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>ఇతర నక్షత్ర దశలు</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>జైమిని రాశి దశలు</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>తాజిక (వర్ష చక్రం)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>మేదినీ చక్రాలు</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>ఈ విభాగం జనన చక్రానికి మాత్రమే: తాజిక &gt; జనన చక్రానికి తిరిగి వెళ్ళు దానిని చూపుతుంది.</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>ఈ విభాగం తాజిక చక్రానికి మాత్రమే: తాజిక &gt; తాజిక వర్ష చక్రం ద్వారా సంవత్సరం ఎంచుకోండి.</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>ఈ విభాగం మేదినీ చక్రానికి మాత్రమే (orvane-cli --mundane DAYS); డెస్క్‌టాప్ ప్రోగ్రామ్ మేదినీ చక్రాలు వేయదు.</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>నివేదిక విభాగాలు</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>విభాగాన్ని కాపీ చేయి(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>గోచారం - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>క్షణం(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- సంవత్సరం</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- నెల</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- రోజు</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ రోజు</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ నెల</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ సంవత్సరం</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>ఇప్పుడు(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite వాడుక మార్గదర్శి</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>ముద్రించు(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>చక్రాన్ని ముద్రించు</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>ముద్రణ ముందుచూపు(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>ముద్రిత పేజీలు చూపు</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>టెక్స్ట్ ఫైల్ జోడించి ఈమెయిల్ చేయి(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>పూర్తి గణనలను టెక్స్ట్ ఫైల్‌గా పంపు</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>ప్రస్తుత తెరపై పాఠం సాదా పాఠంగా(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>తెరపై పాఠాన్ని క్లిప్‌బోర్డ్‌కు కాపీ చేయి</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>ప్రాథమిక గణనలు సాదా పాఠంగా(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>ప్రాథమిక గణనలను క్లిప్‌బోర్డ్‌కు కాపీ చేయి</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>పూర్తి గణనలు సాదా పాఠంగా(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>పూర్తి గణనలను క్లిప్‌బోర్డ్‌కు కాపీ చేయి</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>తెరపై చక్రం 1 బిట్‌మ్యాప్‌గా(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>చక్రం 1 ను బిట్‌మ్యాప్‌గా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>తెరపై చక్రం 1 దక్షిణ-ఉత్తర బిట్‌మ్యాప్‌గా(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>చక్రం 1 ను దక్షిణ, ఉత్తర శైలులలో ఒకే బిట్‌మ్యాప్‌గా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>చక్రం 1 చిత్రంగా (PNG లేదా SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>చక్రం 1 ను PNG లేదా SVG చిత్రంగా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>చక్రపు గమనికలు సవరించు(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>ఈ చక్రపు గమనికలను టెక్స్ట్ ఫైల్‌లో ఉంచు</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>చూపడానికి 2 చక్రాలు ఎంచుకో(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>రెండు చక్రాలు</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>రెండు వర్గ చక్రాలు చూపు</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>ఇతర సమాచారం చూపు(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>ప్రాథమిక సమాచారం, బిందువుల పట్టిక చూపు</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>అష్టకవర్గు, శోధ్య పిండాలు(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>మీరు ఎంచుకున్న చక్రపు అష్టకవర్గు చూపు</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>షడ్బలం(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>ఆరు బలాలు, భావ బలాలు చూపు</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>ఈ చక్రానికి స్విస్ ఎఫిమెరిస్(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>ఈ విండో చక్రాన్ని స్విస్ ఎఫిమెరిస్‌తో వేయి (లేదా మళ్లీ సాంప్రదాయ గణనతో)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>వింశోత్తరి దశ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>వింశోత్తరి దశ చూపు</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>వింశోత్తరి దశలో ప్రత్యంతర్దశలు(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>మీరు ఎంచుకున్న మహాదశ ప్రత్యంతర్దశలు చూపు</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>వింశోత్తరి దశ విహారిణి(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>వింశోత్తరి మహాదశలు, అంతర్దశలు, ప్రత్యంతర్దశలు చూడు</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>కాలచక్ర దశ(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>కాలచక్ర దశ చూపు</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>అష్టోత్తరి దశ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>అష్టోత్తరి దశ చూపు</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>తాజిక వర్ష చక్రం (వర్ష చక్రం)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>తాజిక చక్రాలు</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>ఒక సంవత్సరపు వర్ష, మాస లేదా హోర చక్రం చూపు</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>జనన చక్రానికి తిరిగి వెళ్ళు (తాజిక ముగించు)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>జనన చక్రాన్ని మళ్లీ చూపు</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>పాత్యాయిని దశ (తాజిక)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>పాత్యాయిని దశ(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>వర్ష చక్రపు పాత్యాయిని దశ చూపు</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>ముద్ద దశ (తాజిక)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>ముద్ద దశ(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>వర్ష చక్రపు ముద్ద దశ చూపు</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>సహమలు(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>సహమలు చూపు</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>పంచవర్గీయ బలం(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>వర్ష చక్రపు పంచవర్గీయ బలం చూపు</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>నివేదిక విభాగాలు(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>ప్రతి నివేదిక విభాగాన్ని జాబితా చేసి, orvane-cli ముద్రించినట్లు దాని పాఠం చూపు</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>యోగాలు(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>చక్రంలోని యోగాలు, ప్రతిదీ ఎందుకు కలుగుతుందో జాబితా చేసి, ఎంచుకున్న యోగపు గ్రహాలను ప్రత్యేకంగా చూపు</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>పెద్దది చేయి(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>తెరను పెద్దగా చూపు</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>చిన్నది చేయి(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>తెరను చిన్నగా చూపు</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>అసలు పరిమాణం(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>తెరను అసలు పరిమాణంలో చూపు</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>విండోకు సరిపెట్టు(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>తెరను విండోకు సరిపెట్టు</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>చక్రంలోని యోగాలు</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>యోగం</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>గ్రహాలు</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>భావాలు</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>యోగం ఎందుకు కలుగుతుంది</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>జనన వివరాలు నమోదు చేయండి</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>ఇది ఎవరి చక్రం (చక్రంతో పాటు ఉంచబడుతుంది)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>పేరు(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>జనన తేదీ</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>నెల:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>రోజు:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>సంవత్సరం:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>జనన సమయం</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>ఉదయం</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>సాయంత్రం</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>గంటలు:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>నిమిషాలు:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>సెకన్లు:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>సమయ మండలం</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT కి తూర్పు</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT కి పడమర</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>పగటి ఆదా సమయం</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>స్థానిక సగటు సమయం (పైన ఇచ్చిన సమయ మండలం పట్టించుకోబడదు)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>జనన ప్రదేశం</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>ప్రదేశం టైప్ చేయండి: Chennai, లేదా Springfield, IL, లేదా London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>ప్రదేశం పేరు (ప్రదేశాల పట్టిక లేదు)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>ప్రదేశ శోధన లేదు: %1. కింద మండలం, స్థానం నమోదు చేయండి.</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>నగరాన్ని ఎంచుకుంటే దాని ప్రదేశం, మండలం నిండుతాయి</translation>
        </message>
        <message>
            <source>E</source>
            <translation>తూ</translation>
        </message>
        <message>
            <source>W</source>
            <translation>ప</translation>
        </message>
        <message>
            <source>N</source>
            <translation>ఉ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>ద</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>ప్రదేశం(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>నగరం:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>రేఖాంశం:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>అక్షాంశం:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>దయచేసి %1, %2 మధ్య పూర్ణాంకం నమోదు చేయండి.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>దయచేసి %1, %2 మధ్య సంఖ్య నమోదు చేయండి.</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>దక్షిణ భారత శైలి (సాధారణ)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>దక్షిణ భారత శైలి (అసాధారణ)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>ఉత్తర భారత శైలి ("వజ్ర చక్రం")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>తూర్పు భారత శైలి ("సూర్య చక్రం")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>తూర్పు భారత శైలి (చట్రంతో)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>చిత్రపక్ష అయనాంశ (లాహిరి)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>రామన్ అయనాంశ</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>దేవదత్త అయనాంశ</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>కృష్ణమూర్తి అయనాంశ</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>ఉషా-శశి అయనాంశ</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>ఫేగన్ అయనాంశ</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>సాయన రాశిచక్రం</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>స్వంత అయనాంశ</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>జనన వివరాలు, డిగ్రీలు, రాశి, నవాంశ, వింశోత్తరి దశ (ప్రాథమిక)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>కాలచక్ర దశ, అష్టోత్తరి దశ (ప్రసిద్ధ నక్షత్ర దశలు)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>షడ్బలాలు, భావ బలాలు, ఇష్ట-కష్ట ఫలాలు, అష్టకవర్గు</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>భాగ్యం, హోదా చక్రాలు (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>కుటుంబం, అంతర్గత విషయాల చక్రాలు (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>దురదృష్టం, పూర్వ కర్మ చక్రాలు (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>చక్ర శైలి ఎంచుకోండి</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>చక్రాలను ఈ శైలిలో గీయి(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>ప్రతి గ్రహపు డిగ్రీలు, నిమిషాలు పక్కన చూపు(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>డిగ్రీలు రాశి చక్రంలో మాత్రమే (వర్గ చక్రాలలో లేవు)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>అయనాంశ ఎంచుకోండి</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>అయనాంశ(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>చిత్రపక్ష (లాహిరి) నుండి వ్యత్యాసం</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>కలుపు</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>తీసివేయి</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>డిగ్రీలు(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>నిమిషాలు(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>సెకన్లు(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>అయనాంశ ఎంచుకుంటే దాని వ్యత్యాసం నిండుతుంది. వ్యత్యాసం టైప్ చేసినా, కలుపు/తీసివేయి ఎంచుకున్నా అది స్వంత అయనాంశ అవుతుంది.</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>సంవత్సరంలో రోజుల సంఖ్య (నక్షత్ర దశలు)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>సంవత్సరంలో రోజులు(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>వింశోత్తరి, అష్టోత్తరి, ఇతర నక్షత్ర దశలలో దశా సంవత్సరపు నిడివి. సాధారణ విలువ 365.2425.</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>ప్రత్యేక లగ్నాలు, ఉపగ్రహాలు</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>చక్రాలలో చూపే బిందువులు(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>ప్రత్యేక లగ్నాలు చూపు (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>ధూమ మొదలైన ఉపగ్రహాలు చూపు (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>గుళిక మొదలైన ఉపగ్రహాలు చూపు (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>ఆరూఢ పదాలు(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>అన్ని ఆరూఢ పదాలు చూపు</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>కొన్ని ఆరూఢ పదాలు మాత్రమే చూపు</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>కొన్ని పదాలు మాత్రమే అయితే, తర్వాత వాటిని ఎంచుకుంటారు.</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>చూపవలసిన పదాలు</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>చూపవలసిన ఆరూఢ పదాలు</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>పద సంఖ్యలు 1 నుండి 12: 1 అంటే AL (ఆరూఢ లగ్నం), 12 అంటే UL (ఉపపదం), 7 అంటే A7. 0 స్థానాన్ని ఖాళీగా ఉంచుతుంది.</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>ఉపగ్రహ గణన ఎంపికలు</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>పగలు లేదా రాత్రి భాగంలో ఉదయ బిందువు</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>ప్రారంభం</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>మధ్య</translation>
        </message>
        <message>
            <source>end</source>
            <translation>చివర</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>గుళిక(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>మాంది(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>కాల, మృత్యు మొదలైనవి(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>ధూమ, వ్యతీపాత</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>వ్యతీపాత = 360 డిగ్రీ - ధూమ</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>వ్యతీపాత = ధూమ + 53 డిగ్రీ 20 నిమిషాలు</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>సంబంధం(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>కాల, మృత్యు మొదలైనవి:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>హోర చక్ర అభిరుచి</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>కర్కాటకం-సింహం (ప్రామాణికం)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>రాశిచక్రం రెండుసార్లు (పరివృత్తి ద్వయం)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>హోర చక్రం (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>ఎఫిమెరిస్</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>సాంప్రదాయ (అంతర్నిర్మిత సిద్ధాంతం)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>స్విస్ ఎఫిమెరిస్ (ఒక ఆర్క్-సెకనులోపు)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>రాహువు నిజ పాతం నుండి (లేకపోతే సగటు పాతం)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>స్థానాలు దీని నుండి(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>ఒక చక్రపు విండో తన చక్రానికి వేరే గణనను వాడవచ్చు: చక్రాలు &gt;&gt; ఈ చక్రానికి స్విస్ ఎఫిమెరిస్.</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>ముద్రణ అభిరుచులు</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>నలుపు తెలుపులో ముద్రించు(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>చేర్చవలసినవి (ఒక్కొక్కటి ఒక పేజీ)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>ప్రదేశం నమోదు చేయండి</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>ప్రస్తుత క్షణపు చక్రాల ప్రదేశం</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>సమయ మండలం(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>రేఖాంశం(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>అక్షాంశం(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>ప్రదేశ శోధన లేదు (ప్రదేశాల పట్టిక లేదు)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1. కింద మండలం నమోదు చేయండి.</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite గురించి....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
సంచిక 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>వైదిక జ్యోతిష సాఫ్ట్‌వేర్</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>కాపీరైట్ © Meruvan.
GNU Affero General Public License, సంచిక 3 లేదా తర్వాతి (AGPL-3.0-or-later) క్రింద లైసెన్స్ పొందింది. Orvane Lite ఖచ్చితమైన స్థానాల కోసం వాడే స్విస్ ఎఫిమెరిస్ AGPL-3.0 క్రింద లైసెన్స్ పొందింది.</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>ప్రదేశాల పేర్లు, స్థానాలు: GeoNames (geonames.org), Creative Commons Attribution 4.0 క్రింద.
సమయ మండల సరిహద్దులు: timezone-boundary-builder, Open Database License (ODbL) క్రింద.
సమయ మండల చరిత్ర: ఈ సిస్టమ్‌లోని IANA tz డేటాబేస్.</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>శీర్షిక(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>ఒక చక్రం ఎంచుకోండి</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>రెండు చక్రాలు ఎంచుకోండి</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>మొదటి చక్రం</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>రెండవ చక్రం</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>ప్రస్తుత వీక్షణ వదిలి రెండు పెద్ద చక్రాలు చూపు</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>మహాదశ ఎంచుకోండి</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>దీని మహాదశలో ప్రత్యంతర్దశలు:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>తాజిక వర్ష చక్రం</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>ఈ సంవత్సరపు వర్ష చక్రం:</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>మాస చక్రం కావాలి!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>తాజిక మాస చక్రం</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>నెల (మొదటి నెల పుట్టినరోజున మొదలవుతుంది):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>హోర చక్రం కావాలి!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>తాజిక హోర చక్రం</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>నెలలోని హోర కాలం (1 నుండి 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>ని</translation>
        </message>
        <message>
            <source>h</source>
            <translation>గం</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>డిగ్రీ</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>కేపీ, భావాలు(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>ఒక భావ పద్ధతి భావారంభాలను వాటి కేపీ అధిపతులు, కారకాలతో, భావ చలిత చక్రంతో చూపు</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>జనన సమయం(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>కేపీ (కొత్త) అయనాంశ</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>లగ్నం, వర్గ లగ్నాలు లేదా భావారంభ ఉప అధిపతులు మారకముందు జనన సమయం ఎంత కదలవచ్చో చూపి, సమయాన్ని కదిలించి చక్రం మళ్లీ వేయి</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>బలాలు చార్టులుగా(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>షడ్బలం, భావ బలం, సర్వాష్టకవర్గును పట్టికలు, బార్ చార్టులుగా చూపు; చిత్రంగా సేవ్ చేయడానికి లేదా ముద్రించడానికి</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>షడ్బలం</translation>
        </message>
        <message>
            <source>required</source>
            <translation>అవసరం</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>రూపాలు</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>భావ బలం</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>సర్వాష్టకవర్గు</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, సగటు</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>బిందువులు</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>జనవరి</translation>
        </message>
        <message>
            <source>February</source>
            <translation>ఫిబ్రవరి</translation>
        </message>
        <message>
            <source>March</source>
            <translation>మార్చి</translation>
        </message>
        <message>
            <source>April</source>
            <translation>ఏప్రిల్</translation>
        </message>
        <message>
            <source>May</source>
            <translation>మే</translation>
        </message>
        <message>
            <source>June</source>
            <translation>జూన్</translation>
        </message>
        <message>
            <source>July</source>
            <translation>జూలై</translation>
        </message>
        <message>
            <source>August</source>
            <translation>ఆగస్టు</translation>
        </message>
        <message>
            <source>September</source>
            <translation>సెప్టెంబర్</translation>
        </message>
        <message>
            <source>October</source>
            <translation>అక్టోబర్</translation>
        </message>
        <message>
            <source>November</source>
            <translation>నవంబర్</translation>
        </message>
        <message>
            <source>December</source>
            <translation>డిసెంబర్</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>ఆది</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>సోమ</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>మంగళ</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>బుధ</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>గురు</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>శుక్ర</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>శని</translation>
        </message>
        <message>
            <source>today</source>
            <translation>ఈరోజు</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>ఫైల్ పేరు(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>ఫైల్ రకం:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>ఇక్కడ చూడు:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>తెరువు(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>సేవ్ చేయి(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>రద్దు చేయి</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 సం %2 నె %3 రో</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>జననంలో శేషం: %1, %2.</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>మహాదశలు, అంతర్దశలు, ప్రత్యంతర్దశలు.</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>మహాదశలు, ఉప కాలాలు.</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>రాశులు: మహాదశలు, ఉప కాలాలు.</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (జైమిని)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 నుండి, %2; మహాదశలు, అంతర్దశలు.</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>ముందుకు</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>వెనుకకు</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 కంటే ఎక్కువ</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>సరే</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>రద్దు చేయి</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>మూసివేయి</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>వదిలేయి</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>సేవ్ చేయవద్దు</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>వర్తింపజేయి</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>సహాయం</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>అవును(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>కాదు(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>తెరువు</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>రీసెట్</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>డిఫాల్ట్‌లు పునరుద్ధరించు</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>ముద్రించు</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>ముద్రణ ముందుచూపు</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>మూసివేయి</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>సూర్యుడు</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>చంద్రుడు</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>కుజుడు</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>బుధుడు</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>గురువు</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>శుక్రుడు</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>శని</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>రాహువు</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>కేతువు</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>మేషం</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>వృషభం</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>మిథునం</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>కర్కాటకం</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>సింహం</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>కన్య</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>తుల</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>వృశ్చికం</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>ధనుస్సు</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>మకరం</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>కుంభం</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>మీనం</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>అశ్విని</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>భరణి</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>కృత్తిక</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>రోహిణి</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>మృగశిర</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>ఆర్ద్ర</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>పునర్వసు</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>పుష్యమి</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>ఆశ్లేష</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>మఖ</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>పుబ్బ</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>ఉత్తర</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>హస్త</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>చిత్త</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>స్వాతి</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>విశాఖ</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>అనూరాధ</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>జ్యేష్ఠ</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>మూల</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>పూర్వాషాఢ</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>ఉత్తరాషాఢ</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>శ్రవణం</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>ధనిష్ఠ</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>శతభిషం</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>పూర్వాభాద్ర</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>ఉత్తరాభాద్ర</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>రేవతి</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>రాశి</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>హోర</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>ద్రేక్కాణ</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>చతుర్థాంశ</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>పంచమాంశ</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>షష్ఠాంశ</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>సప్తమాంశ</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>అష్టమాంశ</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>నవాంశ</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>దశాంశ</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>రుద్రాంశ</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>ద్వాదశాంశ</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>షోడశాంశ</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>వింశాంశ</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>చతుర్వింశాంశ</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>నక్షత్రాంశ</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>త్రింశాంశ</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>ఖవేదాంశ</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>అక్షవేదాంశ</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>షష్ట్యంశ</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>ల</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>ర</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>చం</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>కు</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>బు</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>గు</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>శు</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>శ</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>రా</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>కే</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(వ)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>గోచారం</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>మహాదశ</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>అంతర్దశ</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>ప్రత్యంతర్దశ</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>షష్ట్యంశ</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>వింశోత్తరి</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>కాలచక్ర</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>చర</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>నారాయణ</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>స్థిర</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>శూల</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>నిర్యాణ శూల</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>దృక్</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>యోగిని</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>అష్టోత్తరి</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>తిథి యోగిని</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>తిథి అష్టోత్తరి</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>ద్విసప్తతి సమ</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>షట్త్రింశత్ సమ</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>ద్వాదశోత్తరి</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>చతురశీతి సమ</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>శతాబ్దిక</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>షోడశోత్తరి</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>పంచోత్తరి</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>పాడ్యమి</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>విదియ</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>తదియ</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>చవితి</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>పంచమి</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>షష్ఠి</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>సప్తమి</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>అష్టమి</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>నవమి</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>దశమి</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>ఏకాదశి</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>ద్వాదశి</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>త్రయోదశి</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>చతుర్దశి</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>పౌర్ణమి</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>అమావాస్య</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>విష్కంభం</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>ప్రీతి</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>ఆయుష్మాన్</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>సౌభాగ్యం</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>శోభనం</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>అతిగండం</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>సుకర్మ</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>ధృతి</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>శూలం</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>గండం</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>వృద్ధి</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>ధ్రువం</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>వ్యాఘాతం</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>హర్షణం</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>వజ్రం</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>సిద్ధి</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>వ్యతీపాతం</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>వరీయాన్</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>పరిఘం</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>శివం</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>సిద్ధం</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>సాధ్యం</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>శుభం</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>శుక్లం</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>బ్రహ్మం</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>ఐంద్రం</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>వైధృతి</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>శుద్ధ</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>బహుళ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>దయచేసి గరిష్ఠంగా 16 డిగ్రీలు 40 నిమిషాల (1000 నిమిషాలు) వ్యత్యాసాన్ని నమోదు చేయండి.</translation>
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
జనాభా %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: అమలులో ఉన్న వ్యత్యాసం తెలుసుకోవడానికి తేదీ, సమయం నమోదు చేయండి.</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>రెండవసారి వచ్చే సమయం తీసుకో (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>మండల నగరం యొక్క %1. ప్రదేశపు స్థానిక సగటు సమయం %2 వాడబడుతుంది.</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>ఈ విలువలతో సరైన జాతకం రాదు: %1.</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>డిగ్రీ</translation>
        </message>
        <message>
            <source>min</source>
            <translation>ని</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>స్విస్ ఎఫిమెరిస్</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>కాలం</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>ప్రారంభం</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>ముగింపు</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>వయస్సు</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>కాలం మొదలయ్యేటప్పుడు జాతకుని వయస్సు (సంవత్సరాల్లో)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>దశ(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>ఈరోజు (%1) నడుస్తున్నవి హైలైట్ చేయబడ్డాయి. పైకి, కిందికి కదులుతాయి; కుడి కాలాన్ని తెరుస్తుంది, ఎడమ మూసుతుంది.</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 దశ - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>ఈరోజు నడుస్తోంది</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>జననానికి ముందే ముగిసింది</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>భాష</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>సిస్టమ్ భాష</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>చక్రాలలో లాటిన్ సంక్షిప్తాలు (Su, Mo, Ma)(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>భాష(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>చక్రాలు వెంటనే మారతాయి; మెనూలు, డైలాగ్‌లు Orvane Lite మళ్లీ ప్రారంభించినప్పుడు మారతాయి.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>కొత్తది (ఇప్పటి ప్రశ్న)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>డిఫాల్ట్ ప్రదేశంలో ఈ క్షణపు చక్రం వేయండి</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>తెరువు(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>సేవ్ చేసిన చక్రం తెరువు</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>మూసివేయి(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>చక్రం మూసివేయి</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>సేవ్ చేయి(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>చక్రం సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>ఇలా సేవ్ చేయి(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>చక్రాన్ని కొత్త పేరుతో సేవ్ చేయి</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>ముద్రణ అమరిక(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>ప్రింటర్, పేజీ ఎంచుకోండి</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>నిష్క్రమించు(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite నుండి నిష్క్రమించు</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>జనన వివరాలు మార్చు(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>చక్రపు తేదీ, సమయం, ప్రదేశం మార్చు</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>కొత్త విండో(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>ఈ చక్రానికి మరో విండో తెరువు</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>వరుసగా అమర్చు(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>పక్కపక్కన అమర్చు(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ఫైల్(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>సంగ్రహంలో సేవ్ చేయి(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>చురుకైన చక్రాన్ని చక్రాల సంగ్రహంలో ఉంచు</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>సవరణ(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>చక్రాలు(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>పొంతన చూడు(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>గోచారం(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>మరో చక్రపు ఫైల్‌తో అష్టకూట పొంతన, కుజ దోష పరిశీలన</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>ఎంచుకున్న క్షణపు గ్రహాలు ఈ చక్రంతో, దాని ఏలినాటి శని కాలాలు</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>చక్రాల సంగ్రహం(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>సంగ్రహంలోని చక్రాలు: వెతుకు, ట్యాగ్ చేయి, తెరువు</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>దశలు(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>తాజిక(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>నివేదికలు(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>అభిరుచులు(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>చక్ర శైలి(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>అయనాంశ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>సంవత్సరంలో రోజులు(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>ప్రత్యేక లగ్నాలు, ఉపగ్రహాల ప్రదర్శన(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>ఉపగ్రహ గణన ఎంపికలు(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>హోర చక్రం(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>ముద్రణలో చేర్చవలసినవి(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>డిఫాల్ట్ ప్రదేశం(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>ఎఫిమెరిస్(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>భాష(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>వీక్షణ(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>స్థితి పట్టీ(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>విండో(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>సహాయం(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>వాడుక మార్గదర్శి(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite సంక్షిప్త మార్గదర్శి</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite గురించి(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>ప్రామాణికం</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>సాధన పట్టీ(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" సేవ్ చేయబడింది.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" ఫైల్ తెరవలేము.

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>తెరువు</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>ఎఫిమెరిస్: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>చక్రాలలో చూపే ప్రత్యేక లగ్నాలు, ఉపగ్రహాలు, పదాలు ఎంచుకోండి</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>పంచాంగ క్యాలెండర్(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>ఒక ప్రదేశంలో నెలలోని ప్రతి రోజు పంచాంగం, పండుగలతో</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" సరైన చక్రపు ఫైల్ కాదు; దానిని మార్చలేదు.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>ఇలా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>చక్రాన్ని సేవ్ చేయలేకపోయాము.

%1

చక్రం ఇంకా తెరిచే ఉంది, మారలేదు.</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 లో మార్పులు సేవ్ చేయాలా?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>చెల్లని ఫైల్</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>అయ్యో, మీరు తెరవాలనుకున్న ఫైల్ సరైన "Orvane" డేటా ఫైల్ కాదు.

బదులుగా ప్రస్తుత సమయానికి చక్రం వేయబడుతుంది.</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" చక్రాన్ని గణించలేకపోయాము.

%2

దాని జనన వివరాలు సరిచేయండి (సవరణ &gt; జనన వివరాలు మార్చు). చక్రపు విండో తెరిచే ఉంటుంది, ఏదీ పోలేదు.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>ప్రస్తుతం నడుస్తున్నవి</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;వింశోత్తరి దశ&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 వరకు</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>ఈరోజు ఏ కాలమూ నడవడం లేదు.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;ప్రస్తుత గోచారం&lt;/b&gt;, %1 లోని జన్మ చంద్రుని నుండి</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>గ్రహం</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>స్థానం</translation>
        </message>
        <message>
            <source>House</source>
            <translation>భావం</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>అనుకూలం</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 వల్ల వేధ</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>భావాలు జన్మ చంద్రుని రాశి నుండి లెక్కించబడతాయి.</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>వర్ష చక్రం %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>మాస చక్రం %1, నెల %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>హోర చక్రం %1, నెల %2, హోర %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>జనన చక్రం</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite ఇప్పటికే నడుస్తోంది.</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite ఇప్పటికే నడుస్తోంది, కానీ స్పందించలేదు.

"%1" ను దాని ఫైల్ మెనూ నుండి తెరవండి.</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>మీ అభిరుచులను "%1" నుండి చదవలేము.

%2

Orvane Lite ప్రస్తుతానికి డిఫాల్ట్ అభిరుచులను వాడుతుంది, ఆ ఫైల్‌ను అలాగే ఉంచుతుంది. ఫైల్ మళ్లీ చదవగలిగే వరకు మీరు మార్చే అభిరుచులు సేవ్ కావు.</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>మీ అభిరుచులను "%1" లో సేవ్ చేయలేకపోయాము.

%2

Orvane Lite మూసే వరకు అవి అమలులో ఉంటాయి.</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>భాష</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 కోసం ఫాంట్ స్థాపించబడలేదు (Debian ప్యాకేజీ fonts-noto-core), కాబట్టి Orvane Lite ఇంగ్లీషులోనే ఉంటుంది.</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>ఏదీ లేదు</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>కేపీ ప్రశ్న సంఖ్య 1..249: ఆ ఉపం ఆరంభాన్ని లగ్నంగా కలిగిన భావారంభాలు</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>భావ పద్ధతి(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>ప్రశ్న సంఖ్య(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>భావ చలిత చక్రం</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>భావారంభాల కేపీ అధిపతులు</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>భావారంభం</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>స్థానం</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>రాశి అధిపతి</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>నక్షత్ర అధిపతి</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>ఉప అధిపతి</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>ఉప-ఉప అధిపతి</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>గ్రహాల కేపీ అధిపతులు</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>గ్రహం</translation>
        </message>
        <message>
            <source>House</source>
            <translation>భావం</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>భావాల కారకాలు</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>స్థాయి 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>స్థాయి 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>స్థాయి 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>స్థాయి 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>గ్రహాల కారకత్వం</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>భావంలోని గ్రహాల నక్షత్రాలలో ఉన్న గ్రహాలు</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>భావంలోని గ్రహాలు</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>భావాధిపతి నక్షత్రంలోని గ్రహాలు</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>భావాధిపతి</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>దీని నక్షత్ర అధిపతి ఉన్న భావం</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>ఇది ఉన్న భావం</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>దీని నక్షత్ర అధిపతి ఆధిపత్యంలోని భావాలు</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>దీని ఆధిపత్యంలోని భావాలు (రాహు, కేతు: వాటి రాశి అధిపతివి)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>రాహు, కేతువులు తమ రాశి అధిపతి భావాలకు అధిపతులు</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>స్థాయి 1: భావంలోని గ్రహాల నక్షత్రాలలో · 2: భావంలోని గ్రహాలు
3: అధిపతి నక్షత్రంలో · 4: అధిపతి</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>స్థాయి 1: నక్షత్ర అధిపతి భావం · 2: తన భావం
3: నక్షత్ర అధిపతి భావాలు · 4: తన భావాలు</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>భావారంభాలు(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>గ్రహాలు(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>భావ కారకాలు(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>గ్రహ కారకత్వం(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>కేపీ, భావాలు - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>ప్రశ్న సంఖ్య %1 యొక్క ప్లాసిడస్ భావారంభాలు</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 భావారంభాలు</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, చక్రపు అయనాంశతో నిరయనం.</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>భావ చలితం (ప్రశ్న %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>భావ చలితం (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (వ)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>చక్రపు క్షణపు పాలక గ్రహాలు: వార అధిపతి %1; లగ్న రాశి అధిపతి %2, నక్షత్ర అధిపతి %3; చంద్ర రాశి అధిపతి %4, నక్షత్ర అధిపతి %5.</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>సంగ్రహం తెరవలేము: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n చక్రాలు. జోడించడానికి చక్రపు ఫైళ్లను ఇక్కడికి లాగండి.</numerusform>
                <numerusform>%1: %n చక్రాలు. జోడించడానికి చక్రపు ఫైళ్లను ఇక్కడికి లాగండి.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>ప్రశ్న: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n లో %1 చక్రాలు</numerusform>
                <numerusform>%n లో %1 చక్రాలు</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>సంఘటనలో రకం, తేదీ, గమనిక ఉంటాయి: marriage 1995-05-01 in Chennai.</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>జోడించలేదు: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>సంఘటన జోడించబడింది.</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>సేవ్ కాలేదు: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 ట్యాగ్‌లు, గమనికలు సేవ్ అయ్యాయి.</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: ఈ జనన వివరాలతో చక్రం వేయలేము.</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 సంగ్రహంలో జోడించబడింది.</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>పొంతన - %1, %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>వరుడు: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>వధువు: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>పొంతనలోని ఒక చక్రం వేయలేము.</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>పంచాంగ క్యాలెండర్</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>డిఫాల్ట్ ప్రదేశం</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; సంవత్సరం</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>ఒక సంవత్సరం ముందు ఇదే నెల</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; నెల</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>ముందటి నెల</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>నెల &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>తర్వాతి నెల</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>సంవత్సరం &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>ఒక సంవత్సరం తర్వాత ఇదే నెల</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>ఈరోజు(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>ఈరోజు నెలకు తిరిగి</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>ప్రదేశం(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN" వంటి ప్రదేశం (ఖాళీగా ఉంటే డిఫాల్ట్ ప్రదేశం)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>ప్రదేశం నిర్ణయించు</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>ముద్రించు(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>ఎగుమతి(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>నెలను PDF ఫైల్‌గా లేదా PNG చిత్రంగా సేవ్ చేయి</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 లో</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" అనే ప్రదేశం లేదు.</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>పంచాంగ క్యాలెండర్ - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>ఏదీ లేదు</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>సూర్యోదయం</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>సూర్యాస్తమయం</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>చంద్రోదయం</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>చంద్రాస్తమయం</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 వరకు</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>తిథి</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>నక్షత్రం</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>యోగం</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>కరణం</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>అధిక %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>చాంద్ర మాసం</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (అమాంత), %2 (పూర్ణిమాంత)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>సంవత్సరం</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 సంవత్సరం, శక %2, విక్రమ %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ఋతువు, అయనం</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>ఉత్తరాయణం</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>దక్షిణాయనం</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>సంక్రాంతి</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>సూర్యుడు %2 కి %1 లో ప్రవేశిస్తాడు</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>రాహు కాలం</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>యమగండం</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>గుళిక కాలం</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>అభిజిత్</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>బ్రహ్మ ముహూర్తం</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>దుర్ముహూర్తం</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>వర్జ్యం</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>అమృత కాలం</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>చౌఘడియా</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>పంచాంగం: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>సూర్యోదయ సమయానికి తిథి, నక్షత్రం; పండుగలు %1 వద్ద వాటి తిథి ప్రకారం; గడియార సమయాలు %2 వి.</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>డిఫాల్ట్ సమయ మండలం</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 రాయలేము.</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>నెలను ముద్రించు</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>ప్రింటర్‌ను వాడలేము.</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>నెలను ఎగుమతి చేయి</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF ఫైల్ (*.pdf);;PNG చిత్రం (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>నివేదిక విభాగాలు - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>ఈ చక్రానికి ఈ విభాగంలో పాఠం లేదు.</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite నడుస్తున్న ప్రతికి ఫైళ్లు అప్పగించకుండా నడుస్తోంది: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>లాక్ ఫైల్ "%1" సృష్టించలేము.</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>రెండవసారి ప్రారంభించినప్పుడు వచ్చే ఫైళ్లను ప్రోగ్రామ్ స్వీకరించలేదు: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>షడ్బలం(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>భావ బలం(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>సర్వాష్టకవర్గు(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>బార్ చార్ట్</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>ఒక నిలువు వరుస శీర్షికను నొక్కి దాని ప్రకారం క్రమబద్ధం చేయండి; వరుసలు ఎంచుకుని Ctrl+C తో కాపీ చేయండి. గ్రహానికి కావలసినదాని కంటే (లేదా 28 బిందువుల కంటే) తక్కువ ఉన్న బార్లు నారింజ రంగులో ఉంటాయి.</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>చిత్రం సేవ్ చేయి(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>ముద్రించు(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>బలాలు - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>గ్రహం</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>రూపాలు</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>అవసరం</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>శాతం</translation>
        </message>
        <message>
            <source>House</source>
            <translation>భావం</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>రాశి</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>బిందువులు</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>సగటు నుండి</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 రాయలేము.</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>బలాల చార్టులు సేవ్ చేయి</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG చిత్రం (*.png);;SVG చిత్రం (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>జనన సమయాన్ని %1 కదిలించు</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>నమోదు చేసిన సమయానికి తిరిగి(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>జనన సమయ మార్పు</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>ప్రతి బిందువు మారకముందు జనన సమయం ఎంత కదలవచ్చు</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>బిందువు</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>ఇప్పుడు</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>వెనుకకు ఇంత నిలుస్తుంది</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>ముందుకు ఇంత నిలుస్తుంది</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>జనన సమయం %1 (నమోదు చేసిన సమయం నుండి %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>జనన సమయం - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: ప్రతి బిందువు మారకముందు జనన సమయం ఇరువైపులా ఎంత కదలవచ్చు. బటన్లు లేదా స్లైడర్‌తో సమయాన్ని కదిలించండి; ప్రతి అడుగులో చక్రపు విండో మళ్లీ వేయబడుతుంది.</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>జనన చక్రం వేయలేము.</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 గోచారంతో జనన రాశి చక్రం, జనన సమయ మండలంలో (వాలు అక్షరాలు, ముందు "t")</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (భంగం)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n యోగాలు (భావాలు లగ్నం నుండి పూర్తి రాశులుగా). ఒకటి ఎంచుకుంటే అది ఎందుకు కలుగుతుందో కనిపిస్తుంది; దాని గ్రహాలు చక్రంలో ప్రత్యేకంగా కనిపిస్తాయి.</numerusform>
                <numerusform>%1 — %2: %n యోగాలు (భావాలు లగ్నం నుండి పూర్తి రాశులుగా). ఒకటి ఎంచుకుంటే అది ఎందుకు కలుగుతుందో కనిపిస్తుంది; దాని గ్రహాలు చక్రంలో ప్రత్యేకంగా కనిపిస్తాయి.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>యోగాలు - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>గ్రహాలు: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>ఇది ఎందుకు కలుగుతుంది:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>వీటి వల్ల భంగం, బలహీనత:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>వీటి వల్ల బలహీనం:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>నియమం: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>ఫలం: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>పాఠం: %1</translation>
        </message>
    </context>
</TS>
