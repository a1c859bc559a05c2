<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>शीर्षक दर्ज करें</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>शीर्षक:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>कुंडली बनाई नहीं जा सकी।</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>बिटमैप सहेजा नहीं जा सका।

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

उसकी फ़ाइल "%2" है।</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>स्क्रीन पर जो है</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>मूल गणना</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>सारी गणना</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 सादे पाठ में क्लिपबोर्ड पर कॉपी हुई, पर उसका एक भाग प्रोग्राम की सीमा से लंबा था और उसका अंत कट गया।</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 सादे पाठ में क्लिपबोर्ड पर सफलतापूर्वक कॉपी हुई।</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>क्लिपबोर्ड नहीं खुल सकता</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>क्लिपबोर्ड में डेटा नहीं रखा जा सका</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>कुंडली</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>कुंडली को बिटमैप के रूप में सहेजें</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows बिटमैप (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>चित्र %1 से %2 पिक्सेल चौड़ा होता है।</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>चित्र एन्कोड नहीं हो सका।</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>चित्र .png या .svg फ़ाइलों में सहेजे जाते हैं।</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>कुंडली 1 चित्र के रूप में सहेजें</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG चित्र (*.png);;SVG आरेख (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> पिक्सेल</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG चित्र की चौड़ाई और ऊँचाई (%1 से %2 पिक्सेल); SVG आरेख किसी भी आकार में बढ़ता है</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>चित्र का आकार(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>शीर्षक(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>चित्र सहेजा नहीं जा सका।

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>टिप्पणी फ़ाइल "%1" बनाई नहीं जा सकी।

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>टिप्पणी फ़ाइल "%1" संपादक में नहीं खुल सकी।</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>कुंडली मेल नहीं हो सकी: उसकी पाठ फ़ाइल लिखी नहीं जा सकी।

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>कुंडली मेल नहीं हो सकी: प्रोग्राम "%1" नहीं मिला (यह xdg-utils पैकेज के साथ आता है)।

पूरी गणना क्लिपबोर्ड पर और फ़ाइल "%2" में है; आप वह फ़ाइल स्वयं संदेश में जोड़ सकते हैं।</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>मेल भेजना विफल रहा।</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>बिटमैप सहेजा गया</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>स्क्रीन पर अभी जो दिख रहा है वह Windows बिटमैप के रूप में सहेजा गया है। आप उसे दूसरे प्रारूपों में बदल सकते हैं या किसी दस्तावेज़ में जोड़ सकते हैं।</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>डिस्क भरी हुई है</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>पूरा नहीं लिखा जा सका (डिस्क भरी हो सकती है)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>फ़ाइल "%1" लिखी नहीं जा सकती: %2।</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>प्रिंटर उसे लिख नहीं सका</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>फ़ाइल "%1" लिखी नहीं जा सकी: %2। उस नाम की कोई फ़ाइल हो तो वह अपरिवर्तित है।</translation>
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
            <translation>मुद्रित करने को कुछ नहीं है: "मुद्रण में शामिल विषय" में कोई विषय चुना नहीं गया।</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>मुद्रण कार्य शुरू नहीं हो सका।</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>वैदिक ज्योतिष</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>संस्करण 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>इसका जन्म विवरण पढ़ा नहीं जा सकता: %1।</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>इसका जन्म विवरण उस सीमा से बाहर है जिसमें कुंडली बन सकती है।</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan के "Orvane Lite" में आपका स्वागत है!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>स्वागत है!

लगता है आप इस सॉफ़्टवेयर का यह संस्करण पहली बार चला रहे हैं!

कुछ वरीयताएँ तय करनी होंगी ताकि कुंडलियों की गणना सही हो और वे सुविधा से दिखें।

कृपया अपनी वरीयताएँ ध्यान से चुनें।

ये वरीयताएँ बाद में "वरीयताएँ" मेनू से बदली जा सकती हैं।

इस सॉफ़्टवेयर का आनंद लें! भगवान तल्वेश आपको आशीर्वाद दें!!</translation>
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
            <translation>Meruvan के "Orvane Lite" का आनंद लें!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>सफलता! आपने अपनी वरीयताएँ सफलतापूर्वक तय कर लीं। ये वरीयताएँ बाद में "वरीयताएँ" मेनू से बदली जा सकती हैं।

इस सॉफ़्टवेयर का आनंद लें! भगवान तल्वेश आपको आशीर्वाद दें!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>अरेखीय अयनांश का उपयोग</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>कुछ लोकप्रिय अयनांश उनके प्रवर्तकों ने रेखीय रूप में दिए हैं। पर यह प्रोग्राम केवल अरेखीय अयनांश लेता है। वास्तव में अयनांश का परिवर्तन अरेखीय होता है। रेखीय अयनांश से, उदाहरण के लिए, ताजिक कुंडलियों की शुद्धता घटती है।

यदि यह संदेश समझ में न आए तो चिंता न करें। यह प्रोग्राम सही कर रहा है।</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>कुंडली संग्रह</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>नाम, या प्रश्न: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>संग्रह में खोजें</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>नाम</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>जन्म</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>स्थान</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>टैग</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>संग्रह की कुंडलियाँ</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>ग्राहक, परिवार</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>कुंडली की जीवन घटनाएँ</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>खोलें(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>टैग और टिप्पणियाँ सहेजें(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>टैग:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>टिप्पणियाँ:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>घटनाएँ:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>घटना जोड़ें(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>तैयार</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>इससे मिलान करें</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>फ़ाइल '%1' नहीं मिली।</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 मान्य कुंडली डेटा फ़ाइल नहीं है: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>वर और कन्या बदलें(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>बंद करें</translation>
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
            <translation>अन्य नक्षत्र दशाएँ</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>जैमिनी राशि दशाएँ</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>ताजिक (वर्ष कुंडली)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>मेदिनी कुंडलियाँ</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>यह खंड केवल जन्म कुंडली के लिए लिखा जाता है: ताजिक &gt; जन्म कुंडली पर लौटें से दिखेगा।</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>यह खंड केवल ताजिक कुंडली के लिए लिखा जाता है: ताजिक &gt; ताजिक वर्ष चक्र से वर्ष चुनें।</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>यह खंड केवल मेदिनी कुंडली के लिए है (orvane-cli --mundane DAYS); डेस्कटॉप प्रोग्राम मेदिनी कुंडली नहीं बनाता।</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>रिपोर्ट खंड</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>खंड की प्रति बनाएँ(&amp;C)</translation>
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
            <translation>- मास</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- दिन</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ दिन</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ मास</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ वर्ष</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>अभी(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite उपयोग मार्गदर्शिका</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>मुद्रित करें(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>कुंडली मुद्रित करें</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>मुद्रण पूर्वावलोकन(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>मुद्रित पृष्ठ दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>पाठ फ़ाइल संलग्न कर ईमेल करें(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>पूरी गणना पाठ फ़ाइल के रूप में भेजें</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>वर्तमान स्क्रीन का पाठ सादे पाठ में(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>स्क्रीन का पाठ क्लिपबोर्ड पर कॉपी करें</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>मूल गणना सादे पाठ में(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>मूल गणना क्लिपबोर्ड पर कॉपी करें</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>पूरी गणना सादे पाठ में(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>पूरी गणना क्लिपबोर्ड पर कॉपी करें</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>स्क्रीन की कुंडली 1 बिटमैप के रूप में(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>कुंडली 1 को बिटमैप के रूप में सहेजें</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>स्क्रीन की कुंडली 1 दक्षिण-उत्तर बिटमैप के रूप में(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>कुंडली 1 को दक्षिण और उत्तर शैली में एक बिटमैप में सहेजें</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>कुंडली 1 चित्र के रूप में (PNG या SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>कुंडली 1 को PNG या SVG चित्र के रूप में सहेजें</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>कुंडली टिप्पणियाँ संपादित करें(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>इस कुंडली की टिप्पणियाँ पाठ फ़ाइल में रखें</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>दिखाने के लिए 2 कुंडलियाँ चुनें(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>दो कुंडलियाँ</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>दो वर्ग कुंडलियाँ दिखाएँ</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>विविध जानकारी दिखाएँ(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>मूल जानकारी और बिंदुओं की तालिका दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>अष्टकवर्ग और शोध्य पिंड(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>चुनी गई कुंडली का अष्टकवर्ग दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>षड्बल(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>छह बल और भाव बल दिखाएँ</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>इस कुंडली के लिए स्विस एफेमेरिस(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>इस खिड़की की कुंडली स्विस एफेमेरिस से बनाएँ (या फिर से पारंपरिक गणना से)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>विंशोत्तरी दशा(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>विंशोत्तरी दशा दिखाएँ</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>विंशोत्तरी दशा में प्रत्यन्तर्दशाएँ(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>चुनी गई महादशा की प्रत्यन्तर्दशाएँ दिखाएँ</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>विंशोत्तरी दशा दर्शक(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>विंशोत्तरी महादशाएँ, अन्तर्दशाएँ और प्रत्यन्तर्दशाएँ देखें</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>कालचक्र दशा(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>कालचक्र दशा दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>अष्टोत्तरी दशा(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>अष्टोत्तरी दशा दिखाएँ</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>ताजिक वर्ष चक्र (वर्ष कुंडली)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>ताजिक कुंडलियाँ</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>किसी वर्ष की वर्ष, मास या होरा कुंडली दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>जन्म कुंडली पर लौटें (ताजिक बंद)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>जन्म कुंडली फिर दिखाएँ</translation>
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
            <translation>वर्ष कुंडली की पात्यायिनी दशा दिखाएँ</translation>
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
            <translation>वर्ष कुंडली की मुद्दा दशा दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>सहम(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>सहम दिखाएँ</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>पंचवर्गीय बल(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>वर्ष कुंडली का पंचवर्गीय बल दिखाएँ</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>रिपोर्ट खंड(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>हर रिपोर्ट खंड की सूची और उसका पाठ, जैसा orvane-cli छापता है</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>योग(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>कुंडली के योग और प्रत्येक के बनने का कारण दिखाएँ, और चुने गए योग के ग्रह उभारें</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>बड़ा करें(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>स्क्रीन बड़ी दिखाएँ</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>छोटा करें(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>स्क्रीन छोटी दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>वास्तविक आकार(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>स्क्रीन वास्तविक आकार में दिखाएँ</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>खिड़की के अनुसार(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>स्क्रीन को खिड़की के आकार में लाएँ</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>कुंडली के योग</translation>
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
            <translation>योग क्यों बनता है</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>जन्म विवरण दर्ज करें</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>यह कुंडली किसकी है (कुंडली के साथ रखा जाता है)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>नाम(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>जन्म दिनांक</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>मास:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>दिन:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>वर्ष:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>जन्म समय</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>पूर्वाह्न</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>अपराह्न</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>घंटे:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>मिनट:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>सेकंड:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>समय क्षेत्र</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT से पूर्व</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT से पश्चिम</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>डेलाइट सेविंग समय</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>स्थानीय माध्य समय (ऊपर दिया समय क्षेत्र अनदेखा होगा)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>जन्म स्थान</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>स्थान लिखें: Chennai, या Springfield, IL, या London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>स्थान का नाम (स्थान तालिका उपलब्ध नहीं)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>स्थान खोज नहीं: %1। नीचे क्षेत्र और स्थिति दर्ज करें।</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>नगर चुनें ताकि उसका स्थान और क्षेत्र भर जाए</translation>
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
            <translation>स्थान(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>नगर:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>देशांतर:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>अक्षांश:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>कृपया %1 और %2 के बीच पूर्णांक दर्ज करें।</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>कृपया %1 और %2 के बीच संख्या दर्ज करें।</translation>
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
            <translation>उत्तर भारतीय शैली ("हीरा कुंडली")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>पूर्व भारतीय शैली ("सूर्य कुंडली")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>पूर्व भारतीय शैली (चौखटे सहित)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>चित्रपक्ष अयनांश (लाहिड़ी)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>रमन अयनांश</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>देवदत्त अयनांश</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>कृष्णमूर्ति अयनांश</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>उषा-शशि अयनांश</translation>
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
            <translation>जन्म विवरण, अंश, राशि, नवमांश, विंशोत्तरी दशा (मूल)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>कालचक्र दशा और अष्टोत्तरी दशा (लोकप्रिय नक्षत्र दशाएँ)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>षड्बल, भाव बल, इष्ट-कष्ट फल और अष्टकवर्ग</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>भाग्य और प्रतिष्ठा की कुंडलियाँ (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>परिवार और आंतरिक विषयों की कुंडलियाँ (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>दुर्भाग्य और पूर्व कर्म की कुंडलियाँ (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>कुंडली शैली चुनें</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>कुंडलियाँ इस शैली में बनाएँ(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>हर ग्रह के अंश और कला उसके पास दिखाएँ(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>अंश केवल राशि कुंडली में (वर्ग कुंडलियों में नहीं)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>अयनांश चुनें</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>अयनांश(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>चित्रपक्ष (लाहिड़ी) से अंतर</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>जोड़ें</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>घटाएँ</translation>
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
            <translation>अयनांश चुनने पर उसका अंतर भर जाता है। अंतर लिखने या जोड़ें/घटाएँ चुनने से वह स्वनिर्धारित अयनांश बन जाता है।</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>वर्ष में दिनों की संख्या (नक्षत्र दशाएँ)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>वर्ष में दिन(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>विंशोत्तरी, अष्टोत्तरी और अन्य नक्षत्र दशाओं में दशा वर्ष की लंबाई। सामान्य मान 365.2425 है।</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>विशेष लग्न और उपग्रह</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>कुंडलियों में दिखाए बिंदु(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>विशेष लग्न दिखाएँ (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>धूम आदि उपग्रह दिखाएँ (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>गुलिक आदि उपग्रह दिखाएँ (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>आरूढ़ पद(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>सभी आरूढ़ पद दिखाएँ</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>केवल कुछ आरूढ़ पद दिखाएँ</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>केवल कुछ पद चुनने पर आप उन्हें आगे चुनेंगे।</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>दिखाए जाने वाले पद</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>दिखाने के आरूढ़ पद</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>पद संख्या 1 से 12: 1 AL (आरूढ़ लग्न), 12 UL (उपपद), 7 A7 है। 0 स्थान खाली छोड़ता है।</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>उपग्रह गणना विकल्प</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>दिन या रात के भाग में उदय बिंदु</translation>
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
            <translation>अंत</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>गुलिक(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>मान्दि(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>काल, मृत्यु आदि(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>धूम और व्यतीपात</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>व्यतीपात = 360 अंश - धूम</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>व्यतीपात = धूम + 53 अंश 20 कला</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>संबंध(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>काल, मृत्यु आदि:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>होरा कुंडली वरीयता</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>कर्क-सिंह (मानक)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>राशिचक्र दो बार (परिवृत्ति द्वय)</translation>
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
            <translation>पारंपरिक (अंतर्निहित सिद्धांत)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>स्विस एफेमेरिस (एक विकला के भीतर)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>राहु स्पष्ट पात से (अन्यथा मध्यम पात)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>स्थितियाँ इससे(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>कोई कुंडली खिड़की अपनी कुंडली के लिए दूसरी गणना चुन सकती है: कुंडलियाँ &gt;&gt; इस कुंडली के लिए स्विस एफेमेरिस।</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>मुद्रण की वरीयताएँ</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>श्वेत-श्याम में मुद्रित करें(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>शामिल विषय (हर एक का एक पृष्ठ)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>स्थान दर्ज करें</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>वर्तमान क्षण की कुंडलियों का स्थान</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>समय क्षेत्र(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>देशांतर(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>अक्षांश(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>स्थान खोज नहीं (स्थान तालिका उपलब्ध नहीं)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1। नीचे क्षेत्र दर्ज करें।</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite के बारे में....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
संस्करण 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>वैदिक ज्योतिष सॉफ़्टवेयर</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>कॉपीराइट © Meruvan.
GNU Affero General Public License, संस्करण 3 या बाद के (AGPL-3.0-or-later) अंतर्गत लाइसेंसित। Orvane Lite सटीक स्थितियों के लिए जिस स्विस एफेमेरिस का उपयोग करता है, वह AGPL-3.0 के अंतर्गत लाइसेंसित है।</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>स्थानों के नाम और स्थितियाँ: GeoNames (geonames.org), Creative Commons Attribution 4.0 के अंतर्गत।
समय क्षेत्र की सीमाएँ: timezone-boundary-builder, Open Database License (ODbL) के अंतर्गत।
समय क्षेत्र का इतिहास: इस सिस्टम का IANA tz डेटाबेस।</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>शीर्षक(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>एक कुंडली चुनें</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>दो कुंडलियाँ चुनें</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>पहली कुंडली</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>दूसरी कुंडली</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>वर्तमान दृश्य छोड़कर दो बड़ी कुंडलियाँ दिखाएँ</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>महादशा चुनें</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>इसकी महादशा में प्रत्यन्तर्दशाएँ:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>ताजिक वर्ष कुंडली</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>इस वर्ष की वर्ष कुंडली (वर्ष चक्र):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>मास कुंडली चाहिए!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>ताजिक मास कुंडली</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>मास (पहला मास जन्मदिन से आरंभ):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>होरा कुंडली चाहिए!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>ताजिक होरा कुंडली</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>मास की होरा अवधि (1 से 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>मि</translation>
        </message>
        <message>
            <source>h</source>
            <translation>घं</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>अंश</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>केपी और भाव(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>किसी भाव पद्धति के भावारंभ उनके केपी स्वामियों और कारकों सहित, और भाव चलित कुंडली दिखाएँ</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>जन्म समय(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>केपी (नया) अयनांश</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>दिखाएँ कि लग्न, वर्गों के लग्न या भावारंभ के उप-स्वामी बदलने से पहले जन्म समय कितना खिसक सकता है, और समय खिसकाकर कुंडली फिर बनाएँ</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>बल चार्ट के रूप में(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>षड्बल, भाव बल और सर्वाष्टकवर्ग को तालिकाओं और दंड चार्ट में दिखाएँ, चित्र के रूप में सहेजने या मुद्रित करने के लिए</translation>
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
            <translation>28, औसत</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>बिंदु</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>जनवरी</translation>
        </message>
        <message>
            <source>February</source>
            <translation>फ़रवरी</translation>
        </message>
        <message>
            <source>March</source>
            <translation>मार्च</translation>
        </message>
        <message>
            <source>April</source>
            <translation>अप्रैल</translation>
        </message>
        <message>
            <source>May</source>
            <translation>मई</translation>
        </message>
        <message>
            <source>June</source>
            <translation>जून</translation>
        </message>
        <message>
            <source>July</source>
            <translation>जुलाई</translation>
        </message>
        <message>
            <source>August</source>
            <translation>अगस्त</translation>
        </message>
        <message>
            <source>September</source>
            <translation>सितंबर</translation>
        </message>
        <message>
            <source>October</source>
            <translation>अक्टूबर</translation>
        </message>
        <message>
            <source>November</source>
            <translation>नवंबर</translation>
        </message>
        <message>
            <source>December</source>
            <translation>दिसंबर</translation>
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
            <translation>मंगल</translation>
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
            <translation>फ़ाइल का नाम(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>फ़ाइल का प्रकार:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>यहाँ देखें:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>खोलें(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>सहेजें(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>रद्द करें</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 व %2 मा %3 दि</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>जन्म के समय शेष: %1, %2।</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>महादशाएँ, अन्तर्दशाएँ और प्रत्यन्तर्दशाएँ।</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>महादशाएँ और उप-अवधियाँ।</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>राशियाँ: महादशाएँ और उप-अवधियाँ।</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (जैमिनी)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 से, %2; महादशाएँ और अन्तर्दशाएँ।</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>क्रम से</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>उल्टे क्रम से</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 से अधिक</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>ठीक है</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>रद्द करें</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>बंद करें</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>सहेजें</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>छोड़ दें</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>न सहेजें</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>लागू करें</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>सहायता</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>हाँ(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>नहीं(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>खोलें</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>फिर से सेट करें</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>पूर्वनिर्धारित लौटाएँ</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>मुद्रित करें</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>मुद्रण पूर्वावलोकन</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>बंद करें</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>सूर्य</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>चन्द्र</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>मंगल</translation>
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
            <translation>राहु</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>केतु</translation>
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
            <translation>तुला</translation>
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
            <translation>कुम्भ</translation>
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
            <translation>मृगशिरा</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>आर्द्रा</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>पुनर्वसु</translation>
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
            <translation>पूर्वाफाल्गुनी</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>उत्तराफाल्गुनी</translation>
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
            <translation>मूल</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>पूर्वाषाढ़ा</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>उत्तराषाढ़ा</translation>
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
            <translation>शतभिषा</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>पूर्वाभाद्रपद</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>उत्तराभाद्रपद</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>रेवती</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>राशि</translation>
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
            <translation>सू</translation>
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
            <translation>अन्तर्दशा</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>प्रत्यन्तर्दशा</translation>
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
            <translation>तिथि योगिनी</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>तिथि अष्टोत्तरी</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>द्विसप्तति सम</translation>
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
            <translation>चतुरशीति सम</translation>
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
            <translation>पूर्णिमा</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>अमावस्या</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>विष्कुम्भ</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>प्रीति</translation>
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
            <translation>अतिगण्ड</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>सुकर्मा</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>धृति</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>शूल</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>गण्ड</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>वृद्धि</translation>
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
            <translation>सिद्धि</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>व्यतीपात</translation>
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
            <translation>इन्द्र</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>वैधृति</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>शुक्ल</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>कृष्ण</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>कृपया अधिकतम 16 अंश 40 कला (1000 कला) का अंतर दर्ज करें।</translation>
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
जनसंख्या %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: लागू अंतर जानने के लिए दिनांक और समय दर्ज करें।</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>दूसरी बार आने वाला समय लें (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>क्षेत्र के नगर का %1। स्थान का अपना स्थानीय माध्य समय, %2, प्रयुक्त है।</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>इन मानों से मान्य कुंडली नहीं बनती: %1।</translation>
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
            <translation>अवधि</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>आरंभ</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>अंत</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>आयु</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>अवधि आरंभ होने पर जातक की आयु (वर्षों में)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>दशा(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>आज (%1) चल रही अवधियाँ उभारी गई हैं। ऊपर और नीचे से चलें, दायाँ अवधि खोलता है, बायाँ बंद करता है।</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 दशा - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>आज चल रही</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>जन्म से पहले समाप्त</translation>
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
            <translation>सिस्टम की भाषा</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>कुंडलियों में लैटिन संक्षेप (Su, Mo, Ma) दिखाएँ(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>भाषा(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>कुंडलियाँ तुरंत बदलती हैं; मेनू और संवाद Orvane Lite को फिर से शुरू करने पर बदलेंगे।</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>नई (अभी का प्रश्न)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>पूर्वनिर्धारित स्थान पर इस क्षण की कुंडली बनाएँ</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>खोलें(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>सहेजी गई कुंडली खोलें</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>बंद करें(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>कुंडली बंद करें</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>सहेजें(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>कुंडली सहेजें</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>इस नाम से सहेजें(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>कुंडली नए नाम से सहेजें</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>मुद्रण व्यवस्था(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>प्रिंटर और पृष्ठ चुनें</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>बाहर निकलें(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite बंद करें</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>जन्म विवरण बदलें(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>कुंडली का दिनांक, समय और स्थान बदलें</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>नई खिड़की(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>इस कुंडली की एक और खिड़की खोलें</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>क्रम से सजाएँ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>टाइल करें(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>फ़ाइल(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>संग्रह में सहेजें(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>सक्रिय कुंडली को कुंडली संग्रह में रखें</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>संपादन(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>कुंडलियाँ(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>मिलान करें(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>गोचर(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>दूसरी कुंडली फ़ाइल से अष्टकूट मिलान और मांगलिक जाँच</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>चुने गए क्षण के ग्रह इस कुंडली के साथ, और इसकी साढ़े साती अवधियाँ</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>कुंडली संग्रह(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>कुंडली संग्रह में रखी कुंडलियाँ: खोजें, टैग लगाएँ, खोलें</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>दशाएँ(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>ताजिक(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>रिपोर्ट(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>वरीयताएँ(&amp;P)</translation>
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
            <translation>वर्ष में दिन(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>विशेष लग्न और उपग्रह प्रदर्शन(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>उपग्रह गणना विकल्प(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>होरा कुंडली(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>मुद्रण में शामिल विषय(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>पूर्वनिर्धारित स्थान(&amp;L)</translation>
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
            <translation>स्थिति पट्टी(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>खिड़की(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>सहायता(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>उपयोग मार्गदर्शिका(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite की संक्षिप्त मार्गदर्शिका</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite के बारे में(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>मानक</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>उपकरण पट्टी(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" सहेजी गई।</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>फ़ाइल "%1" नहीं खुल सकती।

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>खोलें</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>एफेमेरिस: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>कुंडलियों में दिखने वाले विशेष लग्न, उपग्रह और पद चुनें</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>पंचांग कैलेंडर(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>किसी स्थान पर महीने के हर दिन का पंचांग, त्योहारों सहित</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" मान्य कुंडली फ़ाइल नहीं है और उसे बदला नहीं गया।</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>इस नाम से सहेजें</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>कुंडली सहेजी नहीं जा सकी।

%1

कुंडली अभी भी खुली और अपरिवर्तित है।</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 में किए बदलाव सहेजें?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>अमान्य फ़ाइल</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>ओह, जो फ़ाइल आपने खोलनी चाही वह मान्य "Orvane" डेटा फ़ाइल नहीं है।

उसके स्थान पर वर्तमान समय की कुंडली बनेगी।</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>कुंडली "%1" की गणना नहीं हो सकी।

%2

कृपया इसका जन्म विवरण ठीक करें (संपादन &gt; जन्म विवरण बदलें)। कुंडली की खिड़की खुली रहती है और कुछ नहीं खोया।</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>अभी चल रही</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;विंशोत्तरी दशा&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 तक</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>आज कोई अवधि नहीं चल रही।</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;अभी का गोचर&lt;/b&gt;, %1 के जन्म चन्द्र से</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>ग्रह</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>स्थिति</translation>
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
            <translation>%1 द्वारा वेध</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>भाव जन्म चन्द्र की राशि से गिने गए हैं।</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>वर्ष कुंडली %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>मास कुंडली %1, मास %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>होरा कुंडली %1, मास %2, होरा %3</translation>
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
            <translation>Orvane Lite पहले से चल रहा है।</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite पहले से चल रहा है, पर उसने उत्तर नहीं दिया।

कृपया "%1" को उसके फ़ाइल मेनू से खोलें।</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>आपकी वरीयताएँ "%1" से पढ़ी नहीं जा सकतीं।

%2

Orvane Lite अभी पूर्वनिर्धारित वरीयताएँ लेता है और उस फ़ाइल को जैसी है वैसी छोड़ता है। आपके बदलाव तब तक नहीं सहेजे जाएँगे जब तक वह फ़ाइल फिर से पढ़ी न जा सके।</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>आपकी वरीयताएँ "%1" में सहेजी नहीं जा सकीं।

%2

वे Orvane Lite बंद होने तक लागू रहेंगी।</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>भाषा</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 के लिए कोई फ़ॉन्ट स्थापित नहीं है (Debian पैकेज fonts-noto-core), इसलिए Orvane Lite अंग्रेज़ी में रहेगा।</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>कोई नहीं</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>केपी प्रश्न संख्या 1..249: वे भावारंभ जिनका लग्न उस उप का आरंभ है</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>भाव पद्धति(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>प्रश्न संख्या(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>भाव चलित कुंडली</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>भावारंभों के केपी स्वामी</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>भावारंभ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>स्थिति</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>राशि स्वामी</translation>
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
            <translation>ग्रहों के केपी स्वामी</translation>
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
            <translation>भावों के कारक</translation>
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
            <translation>ग्रहों के कारकत्व</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>भाव में स्थित ग्रहों के नक्षत्रों में स्थित ग्रह</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>भाव में स्थित ग्रह</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>भावेश के नक्षत्र में स्थित ग्रह</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>भावेश</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>इसके नक्षत्र स्वामी का भाव</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>इसका भाव</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>इसके नक्षत्र स्वामी के स्वामित्व के भाव</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>इसके स्वामित्व के भाव (राहु और केतु: उनकी राशि के स्वामी के)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>राहु और केतु अपनी राशि के स्वामी के भावों के स्वामी होते हैं</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>स्तर 1: भावस्थ ग्रहों के नक्षत्रों में · 2: भावस्थ ग्रह
3: भावेश के नक्षत्र में · 4: भावेश</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>स्तर 1: नक्षत्र स्वामी का भाव · 2: अपना भाव
3: नक्षत्र स्वामी के भाव · 4: अपने भाव</translation>
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
            <translation>केपी और भाव - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>प्रश्न संख्या %1 के प्लेसिडस भावारंभ</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 भावारंभ</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, कुंडली के अयनांश से निरयन।</translation>
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
            <translation>कुंडली के क्षण के शासक ग्रह: वार स्वामी %1; लग्न राशि स्वामी %2, नक्षत्र स्वामी %3; चन्द्र राशि स्वामी %4, नक्षत्र स्वामी %5।</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>संग्रह नहीं खुल सकता: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n कुंडलियाँ। जोड़ने के लिए कुंडली फ़ाइलें यहाँ खींचें।</numerusform>
                <numerusform>%1: %n कुंडलियाँ। जोड़ने के लिए कुंडली फ़ाइलें यहाँ खींचें।</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>प्रश्न: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n में से %1 कुंडलियाँ</numerusform>
                <numerusform>%n में से %1 कुंडलियाँ</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>घटना में प्रकार, दिनांक और टिप्पणी होती है: marriage 1995-05-01 in Chennai।</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>नहीं जोड़ा गया: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>घटना जोड़ी गई।</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>नहीं सहेजा गया: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 के टैग और टिप्पणियाँ सहेजी गईं।</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: इस जन्म विवरण से कुंडली नहीं बन सकती।</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 संग्रह में जोड़ी गई।</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>मिलान - %1 और %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>वर: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>कन्या: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>मिलान की एक कुंडली नहीं बन सकती।</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>पंचांग कैलेंडर</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>पूर्वनिर्धारित स्थान</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; वर्ष</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>एक वर्ष पहले का यही महीना</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; महीना</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>पिछला महीना</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>महीना &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>अगला महीना</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>वर्ष &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>एक वर्ष बाद का यही महीना</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>आज(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>आज के महीने पर लौटें</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>स्थान(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>कोई स्थान, जैसे "Chennai, Tamil Nadu, IN" (खाली हो तो पूर्वनिर्धारित स्थान)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>स्थान तय करें</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>मुद्रित करें(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>निर्यात करें(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>महीने को PDF फ़ाइल या PNG चित्र के रूप में सहेजें</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 में</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" नाम का कोई स्थान नहीं है।</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>पंचांग कैलेंडर - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>कोई नहीं</translation>
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
            <translation>चन्द्रोदय</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>चन्द्रास्त</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 तक</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>तिथि</translation>
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
            <translation>चान्द्र मास</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (अमान्त), %2 (पूर्णिमान्त)</translation>
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
            <translation>ऋतु, अयन</translation>
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
            <translation>संक्रान्ति</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>सूर्य %2 पर %1 में प्रवेश करता है</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>राहु काल</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>यमगण्ड</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>गुलिक काल</translation>
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
            <translation>अमृत काल</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>चौघड़िया</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>पंचांग: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>सूर्योदय के समय तिथि और नक्षत्र; त्योहार %1 पर उनकी तिथि से; घड़ी का समय %2 का।</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>पूर्वनिर्धारित समय क्षेत्र</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 लिखी नहीं जा सकती।</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>महीना मुद्रित करें</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>प्रिंटर का उपयोग नहीं हो सकता।</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>महीना निर्यात करें</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF फ़ाइल (*.pdf);;PNG चित्र (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>रिपोर्ट खंड - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>इस कुंडली के लिए इस खंड में कोई पाठ नहीं है।</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite चल रही प्रति को फ़ाइलें सौंपे बिना चल रहा है: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>लॉक फ़ाइल "%1" बनाई नहीं जा सकती।</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>प्रोग्राम दूसरी बार शुरू करने पर आई फ़ाइलें नहीं ले सकता: %1</translation>
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
            <translation>दंड चार्ट</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>किसी स्तंभ के शीर्षक पर क्लिक कर उससे क्रमबद्ध करें; पंक्तियाँ चुनकर Ctrl+C से कॉपी करें। जो दंड ग्रह की आवश्यकता से (या 28 बिंदु से) कम हैं, वे नारंगी रंग में हैं।</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>चित्र सहेजें(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>मुद्रित करें(&amp;P)...</translation>
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
            <translation>प्रतिशत</translation>
        </message>
        <message>
            <source>House</source>
            <translation>भाव</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>राशि</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>बिंदु</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>औसत से</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 लिखी नहीं जा सकती।</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>बल चार्ट सहेजें</translation>
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
            <translation>जन्म समय %1 खिसकाएँ</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>दर्ज समय पर लौटें(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>जन्म समय का खिसकाव</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>हर बिंदु बदलने से पहले जन्म समय कितना खिसक सकता है</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>बिंदु</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>अभी</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>पीछे इतना टिकता है</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>आगे इतना टिकता है</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>जन्म समय %1 (दर्ज समय से %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>जन्म समय - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: हर बिंदु बदलने से पहले जन्म समय दोनों ओर कितना खिसक सकता है। बटनों या स्लाइडर से समय खिसकाएँ; हर कदम पर कुंडली की खिड़की फिर से बनती है।</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>जन्म कुंडली नहीं बन सकती।</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 के गोचर सहित जन्म राशि कुंडली, जन्म के समय क्षेत्र में (तिरछे, "t" से आरंभ)</translation>
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
                <numerusform>%1 — %2: %n योग (भाव लग्न से पूर्ण राशियों में)। कोई योग चुनें और देखें कि वह क्यों बनता है; उसके ग्रह कुंडली में उभारे जाते हैं।</numerusform>
                <numerusform>%1 — %2: %n योग (भाव लग्न से पूर्ण राशियों में)। कोई योग चुनें और देखें कि वह क्यों बनता है; उसके ग्रह कुंडली में उभारे जाते हैं।</numerusform>
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
            <translation>यह क्यों बनता है:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>इनसे भंग और दुर्बल:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>इनसे दुर्बल:</translation>
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
