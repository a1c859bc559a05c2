<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>शीर्षक भरा</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>शीर्षक:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>कुंडली काढता आली नाही.</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>बिटमॅप जतन करता आला नाही.

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

तिची फाइल "%2" आहे.</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>पडद्यावर जे आहे ते</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>मूलभूत गणना</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>सर्व गणना</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 साध्या मजकुरात क्लिपबोर्डवर कॉपी झाली, पण तिचा एक भाग प्रोग्रामच्या मर्यादेपेक्षा लांब होता व त्याचा शेवट कापला गेला.</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 साध्या मजकुरात क्लिपबोर्डवर यशस्वीपणे कॉपी झाली.</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>क्लिपबोर्ड उघडता येत नाही</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>क्लिपबोर्डवर माहिती ठेवता आली नाही</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>कुंडली</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>कुंडली बिटमॅप म्हणून जतन करा</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows बिटमॅप (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>चित्र %1 ते %2 पिक्सेल रुंद असते.</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>चित्र एन्कोड करता आले नाही.</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>चित्रे .png किंवा .svg फाइल्समध्ये जतन होतात.</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>कुंडली 1 चित्र म्हणून जतन करा</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG चित्रे (*.png);;SVG आकृत्या (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> पिक्सेल</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG चित्राची रुंदी व उंची (%1 ते %2 पिक्सेल); SVG आकृती कोणत्याही आकारात वाढते</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>चित्राचा आकार(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>शीर्षक(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>चित्र जतन करता आले नाही.

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>टिपांची फाइल "%1" तयार करता आली नाही.

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>टिपांची फाइल "%1" संपादकात उघडता आली नाही.</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>कुंडली मेल करता आली नाही: तिची मजकूर फाइल लिहिता आली नाही.

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>कुंडली मेल करता आली नाही: "%1" प्रोग्राम सापडला नाही (तो xdg-utils पॅकेजसोबत येतो).

संपूर्ण गणना क्लिपबोर्डवर व "%2" फाइलमध्ये आहे; ती फाइल आपण स्वतः संदेशाला जोडू शकता.</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>मेल पाठवणे अयशस्वी झाले.</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>बिटमॅप जतन झाला</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>पडद्यावर आता जे दिसते ते Windows बिटमॅप म्हणून जतन झाले आहे. आपण ते इतर स्वरूपांत बदलू शकता किंवा दस्तऐवजात जोडू शकता.</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>डिस्क भरली आहे</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>संपूर्ण लिहिता आले नाही (डिस्क भरली असू शकते)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" फाइल लिहिता येत नाही: %2.</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>प्रिंटर ते लिहू शकला नाही</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" फाइल लिहिता आली नाही: %2. त्या नावाची फाइल असल्यास ती अपरिवर्तित आहे.</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>स्विस एफेमेरिस</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>छापण्यासारखे काही नाही: "छपाईत समाविष्ट बाबी" मध्ये काहीही निवडलेले नाही.</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>छपाईचे काम सुरू करता आले नाही.</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>वैदिक ज्योतिष</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>आवृत्ती 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>तिचा जन्म तपशील वाचता येत नाही: %1.</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>तिचा जन्म तपशील कुंडली मांडता येणाऱ्या मर्यादेबाहेर आहे.</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan च्या "Orvane Lite" मध्ये आपले स्वागत!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>स्वागत!

आपण या सॉफ्टवेअरची ही आवृत्ती पहिल्यांदाच वापरत आहात असे दिसते!

कुंडल्यांची गणना अचूक व्हावी आणि त्या सोयीने दिसाव्यात म्हणून काही प्राधान्ये ठरवावी लागतील.

कृपया आपली प्राधान्ये काळजीपूर्वक निवडा.

ही प्राधान्ये नंतर "प्राधान्ये" मेनूतून बदलता येतील.

या सॉफ्टवेअरचा आनंद घ्या! भगवान तल्वेश आपणास आशीर्वाद देवो!!</translation>
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
            <translation>Meruvan च्या "Orvane Lite" चा आनंद घ्या!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>यश! आपण आपली प्राधान्ये यशस्वीपणे ठरवली. ही प्राधान्ये नंतर "प्राधान्ये" मेनूतून बदलता येतील.

या सॉफ्टवेअरचा आनंद घ्या! भगवान तल्वेश आपणास आशीर्वाद देवो!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>अरेषीय अयनांशाचा वापर</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>काही लोकप्रिय अयनांश त्यांच्या प्रवर्तकांनी रेषीय स्वरूपात दिले आहेत. पण हा प्रोग्राम फक्त अरेषीय अयनांश वापरतो. प्रत्यक्षात अयनांशातील बदल अरेषीय असतो. रेषीय अयनांश वापरल्यास, उदाहरणार्थ, ताजिक कुंडल्यांची अचूकता कमी होते.

हा संदेश समजला नाही तरी काळजी करू नका. हा प्रोग्राम योग्य तेच करत आहे.</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>कुंडली संग्रह</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>नाव, किंवा प्रश्न: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>संग्रहात शोधा</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>नाव</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>जन्म</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>स्थळ</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>खुणा</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>संग्रहातील कुंडल्या</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>ग्राहक, कुटुंब</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>कुंडलीतील जीवनघटना</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>उघडा(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>खुणा व टिपा जतन करा(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>खुणा:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>टिपा:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>घटना:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>घटना जोडा(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>तयार</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>यांच्याशी गुणमिलन</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' फाइल सापडली नाही.</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 ही वैध कुंडली माहिती फाइल नाही: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>वर व वधू अदलाबदल(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>बंद करा</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>कुंडली</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>बल</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>अष्टकवर्ग</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>विंशोत्तरी दशा</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>इतर नक्षत्र दशा</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>जैमिनी राशी दशा</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>ताजिक (वर्ष कुंडली)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>मेदिनी कुंडल्या</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>हा विभाग फक्त जन्म कुंडलीसाठी आहे: ताजिक &gt; जन्म कुंडलीकडे परत हा विभाग दाखवते.</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>हा विभाग फक्त ताजिक कुंडलीसाठी आहे: ताजिक &gt; ताजिक वर्ष चक्र मधून वर्ष निवडा.</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>हा विभाग फक्त मेदिनी कुंडलीसाठी आहे (orvane-cli --mundane DAYS); डेस्कटॉप प्रोग्राम मेदिनी कुंडल्या मांडत नाही.</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>अहवाल विभाग</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>विभागाची प्रत घ्या(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>गोचर - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>क्षण(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- वर्ष</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- महिना</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- दिवस</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ दिवस</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ महिना</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ वर्ष</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>आता(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite वापर मार्गदर्शिका</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>छापा(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>कुंडली छापा</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>छपाई पूर्वदृश्य(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>छापील पाने दाखवा</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>मजकूर फाइल जोडून ईमेल करा(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>संपूर्ण गणना मजकूर फाइल म्हणून पाठवा</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>सध्याच्या पडद्यावरील मजकूर साध्या मजकुरात(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>पडद्यावरील मजकूर क्लिपबोर्डवर कॉपी करा</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>मूलभूत गणना साध्या मजकुरात(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>मूलभूत गणना क्लिपबोर्डवर कॉपी करा</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>संपूर्ण गणना साध्या मजकुरात(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>संपूर्ण गणना क्लिपबोर्डवर कॉपी करा</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>पडद्यावरील कुंडली 1 बिटमॅप म्हणून(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>कुंडली 1 बिटमॅप म्हणून जतन करा</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>पडद्यावरील कुंडली 1 दक्षिण-उत्तर बिटमॅप म्हणून(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>कुंडली 1 दक्षिण व उत्तर शैलीत एका बिटमॅपमध्ये जतन करा</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>कुंडली 1 चित्र म्हणून (PNG किंवा SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>कुंडली 1 PNG किंवा SVG चित्र म्हणून जतन करा</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>कुंडली टिपा संपादित करा(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>या कुंडलीच्या टिपा मजकूर फाइलमध्ये ठेवा</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>दाखवण्यासाठी 2 कुंडल्या निवडा(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>दोन कुंडल्या</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>दोन वर्ग कुंडल्या दाखवा</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>इतर माहिती दाखवा(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>मूलभूत माहिती व बिंदूंची सारणी दाखवा</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>अष्टकवर्ग व शोध्य पिंड(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>निवडलेल्या कुंडलीचा अष्टकवर्ग दाखवा</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>षड्बल(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>सहा बल व भाव बल दाखवा</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>या कुंडलीसाठी स्विस एफेमेरिस(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>या खिडकीची कुंडली स्विस एफेमेरिसने मांडा (किंवा पुन्हा पारंपरिक गणनेने)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>विंशोत्तरी दशा(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>विंशोत्तरी दशा दाखवा</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>विंशोत्तरी दशेतील प्रत्यंतर्दशा(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>निवडलेल्या महादशेच्या प्रत्यंतर्दशा दाखवा</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>विंशोत्तरी दशा दर्शक(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>विंशोत्तरी महादशा, अंतर्दशा व प्रत्यंतर्दशा पाहा</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>कालचक्र दशा(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>कालचक्र दशा दाखवा</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>अष्टोत्तरी दशा(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>अष्टोत्तरी दशा दाखवा</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>ताजिक वर्ष चक्र (वर्ष कुंडली)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>ताजिक कुंडल्या</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>एखाद्या वर्षाची वर्ष, मास किंवा होरा कुंडली दाखवा</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>जन्म कुंडलीकडे परत (ताजिक बंद)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>जन्म कुंडली पुन्हा दाखवा</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>पात्यायिनी दशा (ताजिक)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>पात्यायिनी दशा(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>वर्ष कुंडलीची पात्यायिनी दशा दाखवा</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>मुद्दा दशा (ताजिक)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>मुद्दा दशा(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>वर्ष कुंडलीची मुद्दा दशा दाखवा</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>सहम(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>सहम दाखवा</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>पंचवर्गीय बल(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>वर्ष कुंडलीचे पंचवर्गीय बल दाखवा</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>अहवाल विभाग(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>प्रत्येक अहवाल विभागाची यादी व मजकूर, orvane-cli छापते तसा</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>योग(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>कुंडलीतील योग व प्रत्येक का होतो ते दाखवा, आणि निवडलेल्या योगाचे ग्रह ठळक करा</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>मोठे करा(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>पडदा मोठा दाखवा</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>लहान करा(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>पडदा लहान दाखवा</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>मूळ आकार(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>पडदा मूळ आकारात दाखवा</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>खिडकीत बसवा(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>पडदा खिडकीत बसवा</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>कुंडलीतील योग</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>योग</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>ग्रह</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>भाव</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>योग का होतो</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>जन्म तपशील भरा</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>ही कुंडली कोणाची (कुंडलीसोबत ठेवले जाते)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>नाव(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>जन्म दिनांक</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>महिना:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>दिवस:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>वर्ष:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>जन्म वेळ</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>म.पू.</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>म.नं.</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>तास:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>मिनिटे:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>सेकंद:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>वेळ क्षेत्र</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT च्या पूर्वेस</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT च्या पश्चिमेस</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>डेलाइट सेव्हिंग वेळ</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>स्थानिक मध्यम वेळ (वर दिलेले वेळ क्षेत्र दुर्लक्षित होईल)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>जन्म स्थळ</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>स्थळ लिहा: Chennai, किंवा Springfield, IL, किंवा London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>स्थळाचे नाव (स्थळ सारणी उपलब्ध नाही)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>स्थळ शोध नाही: %1. खाली क्षेत्र व स्थान भरा.</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>शहर निवडा म्हणजे त्याचे स्थान व क्षेत्र भरले जाईल</translation>
        </message>
        <message>
            <source>E</source>
            <translation>पू</translation>
        </message>
        <message>
            <source>W</source>
            <translation>प</translation>
        </message>
        <message>
            <source>N</source>
            <translation>उ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>द</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>स्थळ(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>शहर:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>रेखांश:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>अक्षांश:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>कृपया %1 ते %2 दरम्यान पूर्णांक भरा.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>कृपया %1 ते %2 दरम्यान संख्या भरा.</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>दक्षिण भारतीय शैली (नियमित)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>दक्षिण भारतीय शैली (अनियमित)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>उत्तर भारतीय शैली ("हिरा कुंडली")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>पूर्व भारतीय शैली ("सूर्य कुंडली")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>पूर्व भारतीय शैली (चौकटीसह)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>चित्रपक्ष अयनांश (लाहिरी)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>रमण अयनांश</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>देवदत्त अयनांश</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>कृष्णमूर्ती अयनांश</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>उषा-शशी अयनांश</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>फेगन अयनांश</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>सायन राशिचक्र</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>स्वनिर्धारित अयनांश</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>जन्म तपशील, अंश, राशी, नवमांश, विंशोत्तरी दशा (मूलभूत)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>कालचक्र दशा व अष्टोत्तरी दशा (लोकप्रिय नक्षत्र दशा)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>षड्बल, भाव बल, इष्ट-कष्ट फल व अष्टकवर्ग</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>भाग्य व प्रतिष्ठेच्या कुंडल्या (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>कुटुंब व आंतरिक बाबींच्या कुंडल्या (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>दुर्भाग्य व पूर्वकर्माच्या कुंडल्या (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>कुंडली शैली निवडा</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>कुंडल्या या शैलीत काढा(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>प्रत्येक ग्रहाचे अंश व कला शेजारी दाखवा(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>अंश फक्त राशी कुंडलीत (वर्ग कुंडल्यांत नाहीत)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>अयनांश निवडा</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>अयनांश(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>चित्रपक्ष (लाहिरी) पासून फरक</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>मिळवा</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>वजा करा</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>अंश(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>कला(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>विकला(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>अयनांश निवडल्यावर त्याचा फरक भरला जातो. फरक लिहिल्यास किंवा मिळवा/वजा करा निवडल्यास तो स्वनिर्धारित अयनांश होतो.</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>वर्षातील दिवसांची संख्या (नक्षत्र दशा)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>वर्षातील दिवस(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>विंशोत्तरी, अष्टोत्तरी व इतर नक्षत्र दशांमध्ये दशा वर्षाची लांबी. नेहमीचे मूल्य 365.2425.</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>विशेष लग्न व उपग्रह</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>कुंडल्यांत दिसणारे बिंदू(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>विशेष लग्न दाखवा (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>धूम इत्यादी उपग्रह दाखवा (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>गुलिक इत्यादी उपग्रह दाखवा (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>आरूढ पद(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>सर्व आरूढ पद दाखवा</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>फक्त काही आरूढ पद दाखवा</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>फक्त काही पद निवडल्यास, पुढे ते निवडाल.</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>दाखवायचे पद</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>दाखवायचे आरूढ पद</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>पद क्रमांक 1 ते 12: 1 म्हणजे AL (आरूढ लग्न), 12 म्हणजे UL (उपपद), 7 म्हणजे A7. 0 जागा रिकामी ठेवतो.</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>उपग्रह गणना पर्याय</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>दिवस किंवा रात्रीच्या भागातील उदय बिंदू</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>आरंभ</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>मध्य</translation>
        </message>
        <message>
            <source>end</source>
            <translation>शेवट</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>गुलिक(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>मांदी(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>काल, मृत्यू इत्यादी(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>धूम व व्यतिपात</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>व्यतिपात = 360 अंश - धूम</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>व्यतिपात = धूम + 53 अंश 20 कला</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>संबंध(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>काल, मृत्यू इत्यादी:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>होरा कुंडली प्राधान्य</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>कर्क-सिंह (मानक)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>राशिचक्र दोनदा (परिवृत्ती द्वय)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>होरा कुंडली (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>एफेमेरिस</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>पारंपरिक (अंगभूत सिद्धांत)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>स्विस एफेमेरिस (एका विकलेच्या आत)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>राहू स्पष्ट पातापासून (अन्यथा मध्यम पात)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>स्थाने यापासून(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>एखादी कुंडली खिडकी आपल्या कुंडलीसाठी दुसरी गणना वापरू शकते: कुंडल्या &gt;&gt; या कुंडलीसाठी स्विस एफेमेरिस.</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>छपाईची प्राधान्ये</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>कृष्णधवल छापा(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>समाविष्ट बाबी (प्रत्येकी एक पान)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>स्थळ भरा</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>सध्याच्या क्षणाच्या कुंडल्यांचे स्थळ</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>वेळ क्षेत्र(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>रेखांश(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>अक्षांश(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>स्थळ शोध नाही (स्थळ सारणी उपलब्ध नाही)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1. खाली क्षेत्र भरा.</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite विषयी....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
आवृत्ती 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>वैदिक ज्योतिष सॉफ्टवेअर</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>कॉपीराइट © Meruvan.
GNU Affero General Public License, आवृत्ती 3 किंवा नंतरची (AGPL-3.0-or-later) अंतर्गत परवानाकृत. Orvane Lite अचूक स्थानांसाठी वापरत असलेले स्विस एफेमेरिस AGPL-3.0 अंतर्गत परवानाकृत आहे.</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>स्थळांची नावे व स्थाने: GeoNames (geonames.org), Creative Commons Attribution 4.0 अंतर्गत.
वेळ क्षेत्रांच्या सीमा: timezone-boundary-builder, Open Database License (ODbL) अंतर्गत.
वेळ क्षेत्रांचा इतिहास: या सिस्टमचा IANA tz डेटाबेस.</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>शीर्षक(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>एक कुंडली निवडा</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>दोन कुंडल्या निवडा</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>पहिली कुंडली</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>दुसरी कुंडली</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>सध्याचे दृश्य सोडून दोन मोठ्या कुंडल्या दाखवा</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>महादशा निवडा</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>याच्या महादशेतील प्रत्यंतर्दशा:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>ताजिक वर्ष कुंडली</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>या वर्षाची वर्ष कुंडली (वर्ष चक्र):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>मास कुंडली हवी!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>ताजिक मास कुंडली</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>महिना (पहिला महिना वाढदिवसाला सुरू):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>होरा कुंडली हवी!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>ताजिक होरा कुंडली</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>महिन्याचा होरा काळ (1 ते 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>मि</translation>
        </message>
        <message>
            <source>h</source>
            <translation>ता</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>अंश</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>केपी व भाव(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>एखाद्या भाव पद्धतीचे भावारंभ त्यांच्या केपी स्वामी व कारकांसह, आणि भाव चलित कुंडली दाखवा</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>जन्म वेळ(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>केपी (नवा) अयनांश</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>लग्न, वर्गांचे लग्न किंवा भावारंभाचे उप-स्वामी बदलण्यापूर्वी जन्म वेळ किती सरकू शकते ते दाखवा, आणि वेळ सरकवून कुंडली पुन्हा मांडा</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>बल आलेख म्हणून(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>षड्बल, भाव बल व सर्वाष्टकवर्ग सारण्या व स्तंभालेखांत दाखवा, चित्र म्हणून जतन करण्यासाठी किंवा छापण्यासाठी</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>षड्बल</translation>
        </message>
        <message>
            <source>required</source>
            <translation>आवश्यक</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>रूप</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>भाव बल</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>सर्वाष्टकवर्ग</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, सरासरी</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>बिंदू</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>जानेवारी</translation>
        </message>
        <message>
            <source>February</source>
            <translation>फेब्रुवारी</translation>
        </message>
        <message>
            <source>March</source>
            <translation>मार्च</translation>
        </message>
        <message>
            <source>April</source>
            <translation>एप्रिल</translation>
        </message>
        <message>
            <source>May</source>
            <translation>मे</translation>
        </message>
        <message>
            <source>June</source>
            <translation>जून</translation>
        </message>
        <message>
            <source>July</source>
            <translation>जुलै</translation>
        </message>
        <message>
            <source>August</source>
            <translation>ऑगस्ट</translation>
        </message>
        <message>
            <source>September</source>
            <translation>सप्टेंबर</translation>
        </message>
        <message>
            <source>October</source>
            <translation>ऑक्टोबर</translation>
        </message>
        <message>
            <source>November</source>
            <translation>नोव्हेंबर</translation>
        </message>
        <message>
            <source>December</source>
            <translation>डिसेंबर</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>रवि</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>सोम</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>मंगळ</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>बुध</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>गुरु</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>शुक्र</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>शनि</translation>
        </message>
        <message>
            <source>today</source>
            <translation>आज</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>फाइलचे नाव(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>फाइलचा प्रकार:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>येथे पाहा:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>उघडा(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>जतन करा(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>रद्द करा</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 व %2 म %3 दि</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>जन्माच्या वेळी शिल्लक: %1, %2.</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>महादशा, अंतर्दशा व प्रत्यंतर्दशा.</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>महादशा व उपकाळ.</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>राशी: महादशा व उपकाळ.</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (जैमिनी)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 पासून, %2; महादशा व अंतर्दशा.</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>पुढे</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>मागे</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 पेक्षा जास्त</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>ठीक आहे</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>रद्द करा</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>बंद करा</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>जतन करा</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>टाकून द्या</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>जतन करू नका</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>लागू करा</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>मदत</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>होय(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>नाही(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>उघडा</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>पुन्हा सेट करा</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>पूर्वनिर्धारित परत आणा</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>छापा</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>छपाई पूर्वदृश्य</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>बंद करा</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>रवि</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>चंद्र</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>मंगळ</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>बुध</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>गुरु</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>शुक्र</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>शनि</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>राहू</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>केतू</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>मेष</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>वृषभ</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>मिथुन</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>कर्क</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>सिंह</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>कन्या</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>तूळ</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>वृश्चिक</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>धनु</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>मकर</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>कुंभ</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>मीन</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>अश्विनी</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>भरणी</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>कृत्तिका</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>रोहिणी</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>मृग</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>आर्द्रा</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>पुनर्वसू</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>पुष्य</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>आश्लेषा</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>मघा</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>पूर्वा</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>उत्तरा</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>हस्त</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>चित्रा</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>स्वाती</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>विशाखा</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>अनुराधा</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>ज्येष्ठा</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>मूळ</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>पूर्वाषाढा</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>उत्तराषाढा</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>श्रवण</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>धनिष्ठा</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>शततारका</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>पूर्वाभाद्रपदा</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>उत्तराभाद्रपदा</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>रेवती</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>राशी</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>होरा</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>द्रेष्काण</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>चतुर्थांश</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>पंचमांश</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>षष्ठांश</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>सप्तमांश</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>अष्टमांश</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>नवमांश</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>दशमांश</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>रुद्रांश</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>द्वादशांश</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>षोडशांश</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>विंशांश</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>चतुर्विंशांश</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>नक्षत्रांश</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>त्रिंशांश</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>खवेदांश</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>अक्षवेदांश</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>षष्ट्यंश</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>ल</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>र</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>चं</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>मं</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>बु</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>गु</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>शु</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>श</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>रा</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>के</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(व)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>गोचर</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>महादशा</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>अंतर्दशा</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>प्रत्यंतर्दशा</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>षष्ट्यंश</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>विंशोत्तरी</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>कालचक्र</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>चर</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>नारायण</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>स्थिर</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>शूल</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>निर्याण शूल</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>दृग</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>योगिनी</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>अष्टोत्तरी</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>तिथी योगिनी</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>तिथी अष्टोत्तरी</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>द्विसप्तती सम</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>षट्त्रिंशत् सम</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>द्वादशोत्तरी</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>चतुरशीती सम</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>शताब्दिका</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>षोडशोत्तरी</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>पंचोत्तरी</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>प्रतिपदा</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>द्वितीया</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>तृतीया</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>चतुर्थी</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>पंचमी</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>षष्ठी</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>सप्तमी</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>अष्टमी</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>नवमी</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>दशमी</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>एकादशी</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>द्वादशी</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>त्रयोदशी</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>चतुर्दशी</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>पौर्णिमा</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>अमावास्या</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>विष्कंभ</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>प्रीती</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>आयुष्मान</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>सौभाग्य</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>शोभन</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>अतिगंड</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>सुकर्मा</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>धृती</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>शूल</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>गंड</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>वृद्धी</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>ध्रुव</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>व्याघात</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>हर्षण</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>वज्र</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>सिद्धी</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>व्यतिपात</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>वरीयान</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>परिघ</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>शिव</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>सिद्ध</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>साध्य</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>शुभ</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>शुक्ल</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>ब्रह्म</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>इंद्र</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>वैधृती</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>शुद्ध</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>वद्य</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>कृपया जास्तीत जास्त 16 अंश 40 कला (1000 कला) इतके अंतर भरा.</translation>
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
लोकसंख्या %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: लागू असलेला फरक शोधण्यासाठी दिनांक व वेळ भरा.</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>दुसऱ्यांदा येणारी वेळ घ्या (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>क्षेत्रातील शहराचा %1. स्थानाची स्वतःची स्थानिक मध्यम वेळ %2 वापरली आहे.</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>या मूल्यांनी वैध कुंडली होत नाही: %1.</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>अंश</translation>
        </message>
        <message>
            <source>min</source>
            <translation>मि</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>स्विस एफेमेरिस</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>काळ</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>आरंभ</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>शेवट</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>वय</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>काळ सुरू होताना जातकाचे वय (वर्षांत)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>दशा(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>आज (%1) चालू असलेले काळ ठळक केले आहेत. वर व खाली हलवतात, उजवी कळ काळ उघडते, डावी बंद करते.</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 दशा - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>आज चालू</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>जन्मापूर्वी संपली</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>भाषा</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>सिस्टमची भाषा</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>कुंडल्यांमध्ये लॅटिन संक्षेप (Su, Mo, Ma) दाखवा(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>भाषा(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>कुंडल्या लगेच बदलतात; मेनू व संवाद Orvane Lite पुन्हा सुरू केल्यावर बदलतील.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>नवीन (आताचा प्रश्न)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>पूर्वनिर्धारित स्थळी या क्षणाची कुंडली मांडा</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>उघडा(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>जतन केलेली कुंडली उघडा</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>बंद करा(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>कुंडली बंद करा</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>जतन करा(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>कुंडली जतन करा</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>या नावाने जतन करा(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>कुंडली नव्या नावाने जतन करा</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>छपाई मांडणी(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>प्रिंटर व पान निवडा</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>बाहेर पडा(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite बंद करा</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>जन्म तपशील बदला(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>कुंडलीची तारीख, वेळ व स्थळ बदला</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>नवी खिडकी(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>या कुंडलीची आणखी एक खिडकी उघडा</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>एकामागे एक मांडा(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>शेजारी मांडा(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>फाइल(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>संग्रहात जतन करा(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>सक्रिय कुंडली कुंडली संग्रहात ठेवा</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>संपादन(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>कुंडल्या(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>गुणमिलन(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>गोचर(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>दुसऱ्या कुंडली फाइलशी अष्टकूट गुणमिलन व मंगळ दोष तपासणी</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>निवडलेल्या क्षणाचे ग्रह या कुंडलीसह, आणि तिची साडेसाती</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>कुंडली संग्रह(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>कुंडली संग्रहातील कुंडल्या: शोधा, खूण लावा, उघडा</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>दशा(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>ताजिक(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>अहवाल(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>प्राधान्ये(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>कुंडली शैली(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>अयनांश(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>वर्षातील दिवस(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>विशेष लग्न व उपग्रह दर्शन(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>उपग्रह गणना पर्याय(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>होरा कुंडली(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>छपाईत समाविष्ट बाबी(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>पूर्वनिर्धारित स्थळ(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>एफेमेरिस(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>भाषा(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>दृश्य(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>स्थिती पट्टी(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>खिडकी(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>मदत(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>वापर मार्गदर्शिका(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite ची संक्षिप्त मार्गदर्शिका</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite विषयी(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>मानक</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>साधन पट्टी(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" जतन झाली.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" फाइल उघडता येत नाही.

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>उघडा</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>एफेमेरिस: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>कुंडल्यांत दिसणारे विशेष लग्न, उपग्रह व पद निवडा</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>पंचांग दिनदर्शिका(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>एखाद्या स्थळी महिन्याच्या प्रत्येक दिवसाचे पंचांग, सणांसह</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" ही वैध कुंडली फाइल नाही; ती बदलली नाही.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>या नावाने जतन करा</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>कुंडली जतन करता आली नाही.

%1

कुंडली अजून उघडी व अपरिवर्तित आहे.</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 मधील बदल जतन करायचे?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>अवैध फाइल</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>अरेरे, आपण उघडू पाहिलेली फाइल वैध "Orvane" माहिती फाइल नाही.

त्याऐवजी सध्याच्या वेळेची कुंडली मांडली जाईल.</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" कुंडलीची गणना होऊ शकली नाही.

%2

कृपया तिचा जन्म तपशील दुरुस्त करा (संपादन &gt; जन्म तपशील बदला). कुंडलीची खिडकी उघडी राहते, काहीही हरवले नाही.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>सध्या चालू</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;विंशोत्तरी दशा&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 पर्यंत</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>आज कोणताही काळ चालू नाही.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;सध्याचे गोचर&lt;/b&gt;, %1 मधील जन्म चंद्रापासून</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>ग्रह</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>स्थान</translation>
        </message>
        <message>
            <source>House</source>
            <translation>भाव</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>शुभ</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 मुळे वेध</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>भाव जन्म चंद्राच्या राशीपासून मोजले आहेत.</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>वर्ष कुंडली %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>मास कुंडली %1, महिना %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>होरा कुंडली %1, महिना %2, होरा %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>जन्म कुंडली</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite आधीच चालू आहे.</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite आधीच चालू आहे, पण त्याने उत्तर दिले नाही.

कृपया "%1" त्याच्या फाइल मेनूतून उघडा.</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>आपली प्राधान्ये "%1" मधून वाचता येत नाहीत.

%2

Orvane Lite सध्या पूर्वनिर्धारित प्राधान्ये वापरतो व ती फाइल आहे तशी ठेवतो. ती फाइल पुन्हा वाचता येईपर्यंत आपण केलेले बदल जतन होणार नाहीत.</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>आपली प्राधान्ये "%1" मध्ये जतन होऊ शकली नाहीत.

%2

Orvane Lite बंद होईपर्यंत ती लागू राहतील.</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>भाषा</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 साठी कोणताही फॉन्ट स्थापित नाही (Debian पॅकेज fonts-noto-core), म्हणून Orvane Lite इंग्रजीतच राहील.</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>काही नाही</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>केपी प्रश्न क्रमांक 1..249: ज्यांचे लग्न त्या उपाचा आरंभ आहे असे भावारंभ</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>भाव पद्धती(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>प्रश्न क्रमांक(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>भाव चलित कुंडली</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>भावारंभांचे केपी स्वामी</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>भावारंभ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>स्थान</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>राशी स्वामी</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>नक्षत्र स्वामी</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>उप स्वामी</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>उप-उप स्वामी</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>ग्रहांचे केपी स्वामी</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ग्रह</translation>
        </message>
        <message>
            <source>House</source>
            <translation>भाव</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>भावांचे कारक</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>स्तर 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>स्तर 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>स्तर 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>स्तर 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>ग्रहांचे कारकत्व</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>भावातील ग्रहांच्या नक्षत्रांत असलेले ग्रह</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>भावातील ग्रह</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>भावेशाच्या नक्षत्रातील ग्रह</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>भावेश</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>याच्या नक्षत्र स्वामीचा भाव</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>हा असलेला भाव</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>याच्या नक्षत्र स्वामीच्या मालकीचे भाव</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>याच्या मालकीचे भाव (राहू व केतू: त्यांच्या राशी स्वामीचे)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>राहू व केतू आपल्या राशी स्वामीच्या भावांचे स्वामी असतात</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>स्तर 1: भावातील ग्रहांच्या नक्षत्रांत · 2: भावातील ग्रह
3: स्वामीच्या नक्षत्रात · 4: स्वामी</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>स्तर 1: नक्षत्र स्वामीचा भाव · 2: स्वतःचा भाव
3: नक्षत्र स्वामीचे भाव · 4: स्वतःचे भाव</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>भावारंभ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>ग्रह(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>भाव कारक(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>ग्रह कारकत्व(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>केपी व भाव - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>प्रश्न क्रमांक %1 चे प्लॅसिडस भावारंभ</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 भावारंभ</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, कुंडलीच्या अयनांशानुसार निरयन.</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>भाव चलित (प्रश्न %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>भाव चलित (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (व)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>कुंडलीच्या क्षणाचे शासक ग्रह: वार स्वामी %1; लग्न राशी स्वामी %2, नक्षत्र स्वामी %3; चंद्र राशी स्वामी %4, नक्षत्र स्वामी %5.</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>संग्रह उघडता येत नाही: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n कुंडल्या. जोडण्यासाठी कुंडली फाइल्स इथे ओढा.</numerusform>
                <numerusform>%1: %n कुंडल्या. जोडण्यासाठी कुंडली फाइल्स इथे ओढा.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>प्रश्न: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n पैकी %1 कुंडल्या</numerusform>
                <numerusform>%n पैकी %1 कुंडल्या</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>घटना म्हणजे प्रकार, दिनांक व टीप: marriage 1995-05-01 in Chennai.</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>जोडले नाही: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>घटना जोडली.</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>जतन झाले नाही: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 च्या खुणा व टिपा जतन झाल्या.</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: या जन्म तपशिलाने कुंडली मांडता येत नाही.</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 संग्रहात जोडली.</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>गुणमिलन - %1 व %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>वर: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>वधू: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>गुणमिलनातील एक कुंडली मांडता येत नाही.</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>पंचांग दिनदर्शिका</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>पूर्वनिर्धारित स्थळ</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; वर्ष</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>एक वर्ष आधीचा हाच महिना</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; महिना</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>मागील महिना</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>महिना &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>पुढील महिना</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>वर्ष &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>एक वर्ष नंतरचा हाच महिना</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>आज(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>आजच्या महिन्याकडे परत</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>स्थळ(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN" सारखे स्थळ (रिकामे असल्यास पूर्वनिर्धारित स्थळ)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>स्थळ ठरवा</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>छापा(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>निर्यात करा(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>महिना PDF फाइल किंवा PNG चित्र म्हणून जतन करा</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 येथे</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" नावाचे कोणतेही स्थळ नाही.</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>पंचांग दिनदर्शिका - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>काही नाही</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>सूर्योदय</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>सूर्यास्त</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>चंद्रोदय</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>चंद्रास्त</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 पर्यंत</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>तिथी</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>नक्षत्र</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>योग</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>करण</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>अधिक %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>चांद्र मास</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (अमान्त), %2 (पौर्णिमान्त)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>वर्ष</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 संवत्सर, शक %2, विक्रम %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ऋतू, अयन</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>उत्तरायण</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>दक्षिणायन</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>संक्रांती</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>सूर्य %2 वाजता %1 मध्ये प्रवेश करतो</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>राहू काळ</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>यमघंट</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>गुलिक काळ</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>अभिजित</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>ब्रह्म मुहूर्त</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>दुर्मुहूर्त</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>वर्ज्य</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>अमृत काळ</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>चौघडिया</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>पंचांग: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>सूर्योदयाच्या वेळची तिथी व नक्षत्र; सण %1 येथे त्यांच्या तिथीनुसार; घड्याळाच्या वेळा %2 च्या.</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>पूर्वनिर्धारित वेळ क्षेत्र</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 लिहिता येत नाही.</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>महिना छापा</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>प्रिंटर वापरता येत नाही.</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>महिना निर्यात करा</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF फाइल (*.pdf);;PNG चित्र (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>अहवाल विभाग - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>या कुंडलीसाठी या विभागात मजकूर नाही.</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite चालू प्रतीला फाइल्स न देता चालत आहे: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>लॉक फाइल "%1" तयार करता येत नाही.</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>दुसऱ्यांदा सुरू केल्यावर आलेल्या फाइल्स प्रोग्राम स्वीकारू शकत नाही: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>षड्बल(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>भाव बल(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>सर्वाष्टकवर्ग(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>स्तंभालेख</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>स्तंभाच्या शीर्षकावर क्लिक करून त्यानुसार क्रम लावा; ओळी निवडून Ctrl+C दाबून कॉपी करा. ग्रहाच्या गरजेपेक्षा (किंवा 28 बिंदूंपेक्षा) कमी असलेले स्तंभ नारिंगी रंगात आहेत.</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>चित्र जतन करा(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>छापा(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>बल - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ग्रह</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>रूप</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>आवश्यक</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>टक्के</translation>
        </message>
        <message>
            <source>House</source>
            <translation>भाव</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>राशी</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>बिंदू</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>सरासरीपासून</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 लिहिता येत नाही.</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>बल आलेख जतन करा</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>जन्म वेळ %1 सरकवा</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>भरलेल्या वेळेकडे परत(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>जन्म वेळेचे सरकणे</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>प्रत्येक बिंदू बदलण्यापूर्वी जन्म वेळ किती सरकू शकते</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>बिंदू</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>आता</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>मागे इतके टिकते</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>पुढे इतके टिकते</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>जन्म वेळ %1 (भरलेल्या वेळेपासून %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>जन्म वेळ - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: प्रत्येक बिंदू बदलण्यापूर्वी जन्म वेळ दोन्ही बाजूंना किती सरकू शकते. बटणे किंवा स्लायडरने वेळ सरकवा; प्रत्येक पावलावर कुंडलीची खिडकी पुन्हा मांडली जाते.</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>जन्म कुंडली मांडता येत नाही.</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 च्या गोचरासह जन्म राशी कुंडली, जन्माच्या वेळ क्षेत्रात (तिरपे, आधी "t")</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (भंग)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n योग (भाव लग्नापासून पूर्ण राशींत). एखादा निवडा आणि तो का होतो ते पाहा; त्याचे ग्रह कुंडलीत ठळक होतात.</numerusform>
                <numerusform>%1 — %2: %n योग (भाव लग्नापासून पूर्ण राशींत). एखादा निवडा आणि तो का होतो ते पाहा; त्याचे ग्रह कुंडलीत ठळक होतात.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>योग - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>ग्रह: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>हा का होतो:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>यांमुळे भंग व दुर्बल:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>यांमुळे दुर्बल:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>नियम: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>फल: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>पाठ: %1</translation>
        </message>
    </context>
</TS>
