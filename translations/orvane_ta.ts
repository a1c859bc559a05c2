<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>தலைப்பை உள்ளிடுக</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>தலைப்பு:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>சக்கரத்தை வரைய இயலவில்லை.</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>பிட்மேப்பைச் சேமிக்க இயலவில்லை.

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

அதன் கோப்பு "%2".</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>திரையில் உள்ளதை</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>அடிப்படைக் கணக்கீடுகளை</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>எல்லாக் கணக்கீடுகளையும்</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 வெற்று உரையாக இடைநிலைப் பலகைக்கு நகலெடுக்கப்பட்டது; ஆனால் ஒரு பகுதி நிரல் தாங்கும் அளவைவிட நீளமாக இருந்ததால் அதன் இறுதி வெட்டப்பட்டது.</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 வெற்று உரையாக இடைநிலைப் பலகைக்கு வெற்றிகரமாக நகலெடுக்கப்பட்டது.</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>இடைநிலைப் பலகையைத் திறக்க இயலாது</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>இடைநிலைப் பலகையில் தரவை வைக்க இயலவில்லை</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>சக்கரம்</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>சக்கரத்தை பிட்மேப்பாகச் சேமி</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows பிட்மேப்புகள் (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>படம் %1 முதல் %2 படப்புள்ளி அகலம் கொண்டது.</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>படத்தைக் குறியாக்க இயலவில்லை.</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>படங்கள் .png அல்லது .svg கோப்புகளாகச் சேமிக்கப்படும்.</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>சக்கரம் 1 ஐ படமாகச் சேமி</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG படங்கள் (*.png);;SVG வரைபடங்கள் (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> படப்புள்ளி</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG படத்தின் அகலமும் உயரமும் (%1 முதல் %2 படப்புள்ளி); SVG வரைபடம் எந்த அளவுக்கும் மாறும்</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>படத்தின் அளவு(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>தலைப்பு(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>படத்தைச் சேமிக்க இயலவில்லை.

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>குறிப்புக் கோப்பு "%1" உருவாக்க இயலவில்லை.

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>குறிப்புக் கோப்பு "%1" ஐ திருத்தியில் திறக்க இயலவில்லை.</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>ஜாதகத்தை அஞ்சலில் அனுப்ப இயலவில்லை: அதன் உரைக் கோப்பை எழுத இயலவில்லை.

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>ஜாதகத்தை அஞ்சலில் அனுப்ப இயலவில்லை: "%1" நிரல் கிடைக்கவில்லை (அது xdg-utils தொகுப்புடன் வரும்).

முழுக் கணக்கீடுகளும் இடைநிலைப் பலகையிலும் "%2" கோப்பிலும் உள்ளன; அந்தக் கோப்பை நீங்களே மடலில் இணைக்கலாம்.</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>அஞ்சல் அனுப்புதல் தோல்வியடைந்தது.</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>பிட்மேப் சேமிக்கப்பட்டது</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>இப்போது திரையில் தெரிவது Windows பிட்மேப்பாகச் சேமிக்கப்பட்டது. அதைப் பிற வடிவங்களுக்கு மாற்றலாம் அல்லது ஆவணத்தில் சேர்க்கலாம்.</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>வட்டு நிரம்பியுள்ளது</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>முழுவதையும் எழுத இயலவில்லை (வட்டு நிரம்பியிருக்கலாம்)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" கோப்பை எழுத இயலாது: %2.</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>அச்சுப்பொறியால் அதை எழுத இயலவில்லை</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" கோப்பை எழுத இயலவில்லை: %2. அந்தப் பெயரில் உள்ள கோப்பு மாறவில்லை.</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>சுவிஸ் எபிமெரிஸ்</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>அச்சிட எதுவும் இல்லை: "அச்சிடும்போது சேர்க்க வேண்டியவை" இல் எதுவும் தேர்ந்தெடுக்கப்படவில்லை.</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>அச்சுப் பணியைத் தொடங்க இயலவில்லை.</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>வேத ஜோதிடம்</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>பதிப்பு 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>இதன் பிறப்பு விவரத்தைப் படிக்க இயலாது: %1.</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>இதன் பிறப்பு விவரம் ஜாதகம் கணிக்கக்கூடிய வரம்புக்கு வெளியே உள்ளது.</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan-இன் "Orvane Lite"-க்கு வரவேற்கிறோம்!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>வரவேற்கிறோம்!

இந்த மென்பொருளின் இந்தப் பதிப்பை முதன்முறையாகப் பயன்படுத்துகிறீர்கள் போலத் தெரிகிறது!

ஜாதகங்கள் சரியாகக் கணிக்கப்பட்டு வசதியாகக் காட்டப்பட சில விருப்பங்களை அமைக்க வேண்டும்.

உங்கள் விருப்பங்களைக் கவனமாகத் தேர்ந்தெடுக்கவும்.

இவ்விருப்பங்களைப் பின்னர் "அமைப்பு" பட்டி மூலம் மாற்றலாம்.

இந்த மென்பொருளை மகிழ்ந்து பயன்படுத்துங்கள்! தல்வேஷ் பகவான் உங்களை ஆசீர்வதிக்கட்டும்!!</translation>
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
            <translation>Meruvan-இன் "Orvane Lite"-ஐ மகிழ்ந்து பயன்படுத்துங்கள்!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>வெற்றி! உங்கள் விருப்பங்களை வெற்றிகரமாக அமைத்துவிட்டீர்கள். இவற்றைப் பின்னர் "அமைப்பு" பட்டி மூலம் மாற்றலாம்.

இந்த மென்பொருளை மகிழ்ந்து பயன்படுத்துங்கள்! தல்வேஷ் பகவான் உங்களை ஆசீர்வதிக்கட்டும்!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>நேரியலற்ற அயனாம்சம் பயன்பாட்டில்</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>சில பிரபல அயனாம்சங்கள் அவற்றை முன்வைத்தவர்களால் நேரியலாகத் தரப்பட்டுள்ளன. ஆனால் இந்த நிரல் நேரியலற்ற அயனாம்சங்களை மட்டுமே ஏற்கிறது. உண்மையில் அயனாம்ச மாற்றம் நேரியலற்றது. நேரியல் அயனாம்சம் எடுத்துக்காட்டாக தாஜிக ஜாதகங்களின் துல்லியத்தைக் குறைக்கும்.

இந்தச் செய்தி புரியவில்லை என்றால் கவலை வேண்டாம். இந்த நிரல் சரியானதையே செய்கிறது.</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>ஜாதகத் தொகுப்பு</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>பெயர், அல்லது வினவல்: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>தொகுப்பில் தேடு</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>பெயர்</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>பிறப்பு</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>இடம்</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>குறிச்சொற்கள்</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>தொகுப்பின் ஜாதகங்கள்</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>வாடிக்கையாளர், குடும்பம்</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>ஜாதகரின் வாழ்க்கை நிகழ்வுகள்</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>திற(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>குறிச்சொற்கள், குறிப்புகளைச் சேமி(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>குறிச்சொற்கள்:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>குறிப்புகள்:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>நிகழ்வுகள்:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>நிகழ்வு சேர்(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>தயார்</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>இதனுடன் பொருத்தம்</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' கோப்பு கிடைக்கவில்லை.</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 சரியான ஜாதகத் தரவுக் கோப்பு அல்ல: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>மணமகன், மணமகளை மாற்று(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>மூடு</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>ஜாதகம்</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>பலங்கள்</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>அஷ்டகவர்க்கம்</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>விம்சோத்தரி தசை</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>பிற நட்சத்திர தசைகள்</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>ஜைமினி ராசி தசைகள்</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>தாஜிகம் (வருட ஜாதகம்)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>மேதினி ஜாதகங்கள்</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>இந்தப் பகுதி ஜனன ஜாதகத்துக்கு மட்டுமே: தாஜிகம் &gt; ஜனன ஜாதகத்துக்குத் திரும்பு அதைக் காட்டும்.</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>இந்தப் பகுதி தாஜிக ஜாதகத்துக்கு மட்டுமே: தாஜிகம் &gt; தாஜிக வருஷ சக்கரம் மூலம் ஆண்டைத் தேர்ந்தெடு.</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>இந்தப் பகுதி மேதினி ஜாதகத்துக்கு மட்டுமே (orvane-cli --mundane DAYS); மேசை நிரல் மேதினி ஜாதகம் கணிக்காது.</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>அறிக்கைப் பகுதிகள்</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>பகுதியை நகலெடு(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>கோசாரம் - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>நேரம்(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- ஆண்டு</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- மாதம்</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- நாள்</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ நாள்</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ மாதம்</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ ஆண்டு</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>இப்போது(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite பயனர் வழிகாட்டி</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>அச்சிடு(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>ஜாதகத்தை அச்சிடு</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>அச்சு முன்னோட்டம்(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>அச்சுப் பக்கங்களைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>உரைக் கோப்பாக இணைத்து மின்னஞ்சல் அனுப்பு(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>முழுக் கணக்கீடுகளையும் உரைக் கோப்பாக அனுப்பு</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>தற்போதைய திரையின் உரை, வெற்று உரையாக(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>திரையின் உரையை இடைநிலைப் பலகைக்கு நகலெடு</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>அடிப்படைக் கணக்கீடுகள் வெற்று உரையாக(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>அடிப்படைக் கணக்கீடுகளை இடைநிலைப் பலகைக்கு நகலெடு</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>முழுக் கணக்கீடுகள் வெற்று உரையாக(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>முழுக் கணக்கீடுகளை இடைநிலைப் பலகைக்கு நகலெடு</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>திரையிலுள்ள ஜாதகம் 1 பிட்மேப்பாக(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>ஜாதகம் 1 ஐ பிட்மேப்பாகச் சேமி</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>திரையிலுள்ள ஜாதகம் 1 தெற்கு-வடக்கு பிட்மேப்பாக(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>ஜாதகம் 1 ஐ தென், வட பாணிகளில் ஒரே பிட்மேப்பாகச் சேமி</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>ஜாதகம் 1 படமாக (PNG அல்லது SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>ஜாதகம் 1 ஐ PNG அல்லது SVG படமாகச் சேமி</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>ஜாதகக் குறிப்புகளைத் திருத்து(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>இந்த ஜாதகத்தின் குறிப்புகளை உரைக் கோப்பில் வை</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>காட்ட 2 சக்கரங்களைத் தேர்ந்தெடு(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>இரு சக்கரங்கள்</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>இரண்டு வர்க்க சக்கரங்களைக் காட்டு</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>பல்வகைத் தகவல்களைக் காட்டு(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>அடிப்படைத் தகவலையும் புள்ளிகளின் அட்டவணையையும் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>அஷ்டகவர்க்கம், சோத்ய பிண்டங்கள்(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>நீங்கள் தேர்ந்த சக்கரத்தின் அஷ்டகவர்க்கத்தைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ஷட்பலம்(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>ஆறு பலங்களையும் பாவ பலங்களையும் காட்டு</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>இந்த ஜாதகத்துக்கு சுவிஸ் எபிமெரிஸ்(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>இந்தச் சாளரத்தின் ஜாதகத்தை சுவிஸ் எபிமெரிஸால் கணி (அல்லது மீண்டும் பழைய முறையால்)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>விம்சோத்தரி தசை(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>விம்சோத்தரி தசையைக் காட்டு</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>விம்சோத்தரி தசையில் அந்தரங்கள்(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>நீங்கள் தேர்ந்த மகா தசையின் அந்தரங்களைக் காட்டு</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>விம்சோத்தரி தசை உலாவி(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>விம்சோத்தரி மகா தசைகள், புக்திகள், அந்தரங்களை உலாவு</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>காலச்சக்கர தசை(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>காலச்சக்கர தசையைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>அஷ்டோத்தரி தசை(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>அஷ்டோத்தரி தசையைக் காட்டு</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>தாஜிக வருஷ சக்கரம் (வருட ஜாதகம்)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>தாஜிக ஜாதகங்கள்</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>ஓர் ஆண்டின் வருட, மாத அல்லது ஹோரை ஜாதகத்தைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>ஜனன ஜாதகத்துக்குத் திரும்பு (தாஜிகம் நீக்கு)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>ஜனன ஜாதகத்தை மீண்டும் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>பாத்யாயினி தசை (தாஜிகம்)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>பாத்யாயினி தசை(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>வருட ஜாதகத்தின் பாத்யாயினி தசையைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>முத்தா தசை (தாஜிகம்)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>முத்தா தசை(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>வருட ஜாதகத்தின் முத்தா தசையைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>சகம்கள்(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>சகம்களைக் காட்டு</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>பஞ்சவர்க்கீய பலம்(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>வருட ஜாதகத்தின் ஐந்து மூல பலத்தைக் காட்டு</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>அறிக்கைப் பகுதிகள்(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>ஒவ்வொரு அறிக்கைப் பகுதியையும் பட்டியலிட்டு, orvane-cli அச்சிடுவது போல அதன் உரையைக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>யோகங்கள்(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>ஜாதகத்தின் யோகங்களையும் ஒவ்வொன்றும் அமைவதன் காரணத்தையும் பட்டியலிட்டு, தேர்ந்த யோகத்தின் கிரகங்களைச் சிறப்பி</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>பெரிதாக்கு(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>திரையைப் பெரிதாகக் காட்டு</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>சிறிதாக்கு(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>திரையைச் சிறிதாகக் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>உண்மை அளவு(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>திரையை உண்மை அளவில் காட்டு</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>சாளரத்துக்குப் பொருத்து(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>திரையைச் சாளரத்துக்குப் பொருத்து</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>ஜாதகத்தின் யோகங்கள்</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>யோகம்</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>கிரகங்கள்</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>பாவங்கள்</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>யோகம் அமைவதன் காரணம்</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>பிறப்பு விவரம் உள்ளிடுக</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>இது யாருடைய ஜாதகம் (ஜாதகத்துடன் சேமிக்கப்படும்)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>பெயர்(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>பிறந்த தேதி</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>மாதம்:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>நாள்:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>ஆண்டு:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>பிறந்த நேரம்</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>முற்பகல்</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>பிற்பகல்</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>மணி:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>நிமிடம்:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>விநாடி:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>நேர மண்டலம்</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT க்குக் கிழக்கே</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT க்கு மேற்கே</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>பகல் சேமிப்பு நேரம்</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>உள்ளூர் சராசரி நேரம் (மேலே உள்ள நேர மண்டலம் புறக்கணிக்கப்படும்)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>பிறந்த இடம்</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>இடத்தைத் தட்டச்சிடுக: Chennai, அல்லது Springfield, IL, அல்லது London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>இடத்தின் பெயர் (இட அட்டவணை இல்லை)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>இடத் தேடல் இல்லை: %1. கீழே மண்டலத்தையும் நிலையையும் உள்ளிடவும்.</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>நகரத்தைத் தேர்ந்தெடுத்தால் அதன் இடமும் மண்டலமும் நிரம்பும்</translation>
        </message>
        <message>
            <source>E</source>
            <translation>கி</translation>
        </message>
        <message>
            <source>W</source>
            <translation>மே</translation>
        </message>
        <message>
            <source>N</source>
            <translation>வ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>தெ</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>இடம்(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>நகரம்:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>தீர்க்கரேகை:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>அட்சரேகை:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>%1 முதல் %2 வரையிலான முழு எண்ணை உள்ளிடவும்.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>%1 முதல் %2 வரையிலான எண்ணை உள்ளிடவும்.</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>தென்னிந்திய பாணி (வழக்கமான)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>தென்னிந்திய பாணி (ஒழுங்கற்ற)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>வட இந்திய பாணி ("வைர சக்கரம்")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>கிழக்கிந்திய பாணி ("சூரிய சக்கரம்")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>கிழக்கிந்திய பாணி (சட்டத்துடன்)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>சித்திரபக்ஷ அயனாம்சம் (லாஹிரி)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>ராமன் அயனாம்சம்</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>தேவதத்த அயனாம்சம்</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>கிருஷ்ணமூர்த்தி அயனாம்சம்</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>உஷா-சசி அயனாம்சம்</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>ஃபேகன் அயனாம்சம்</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>சாயன ராசிச்சக்கரம்</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>தனிப்பயன் அயனாம்சம்</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>பிறப்பு விவரம், பாகைகள், ராசி, நவாம்சம், விம்சோத்தரி தசை (அடிப்படை)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>காலச்சக்கர தசை, அஷ்டோத்தரி தசை (பிரபல நட்சத்திர தசைகள்)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>ஷட்பலங்கள், பாவ பலங்கள், இஷ்ட-கஷ்ட பலன்கள், அஷ்டகவர்க்கம்</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>பாக்கியம், அந்தஸ்து சக்கரங்கள் (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>குடும்பம், உள் விஷயங்களின் சக்கரங்கள் (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>துரதிர்ஷ்டம், பூர்வ கர்மச் சக்கரங்கள் (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>ஜாதக பாணியைத் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>ஜாதகங்களை இப்பாணியில் வரை(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>ஒவ்வொரு கிரகத்தின் பாகை, கலையை அருகில் காட்டு(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>பாகைகள் ராசிச் சக்கரத்தில் மட்டும் (வர்க்கச் சக்கரங்களில் இல்லை)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>அயனாம்சத்தைத் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>அயனாம்சம்(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>சித்திரபக்ஷத்திலிருந்து (லாஹிரி) விலகல்</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>கூட்டு</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>கழி</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>பாகை(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>கலை(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>விகலை(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>அயனாம்சத்தைத் தேர்ந்தால் அதன் விலகல் நிரம்பும். விலகலைத் தட்டச்சிட்டால் அல்லது கூட்டு/கழி தேர்ந்தால் அது தனிப்பயன் அயனாம்சம் ஆகும்.</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>ஆண்டில் நாட்களின் எண்ணிக்கை (நட்சத்திர தசைகள்)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>ஆண்டில் நாட்கள்(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>விம்சோத்தரி, அஷ்டோத்தரி மற்றும் பிற நட்சத்திர தசைகளில் ஒரு தசை ஆண்டின் நீளம். வழக்கமான மதிப்பு 365.2425.</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>சிறப்பு லக்னங்களும் உபகிரகங்களும்</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>ஜாதகங்களில் காட்டப்படும் புள்ளிகள்(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>சிறப்பு லக்னங்களைக் காட்டு (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>தூமம் முதலிய உபகிரகங்களைக் காட்டு (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>குளிகன் முதலிய உபகிரகங்களைக் காட்டு (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>ஆரூட பதங்கள்(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>எல்லா ஆரூட பதங்களையும் காட்டு</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>சில ஆரூட பதங்களை மட்டும் காட்டு</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>சில பதங்கள் மட்டும் எனில், அடுத்து அவற்றைத் தேர்ந்தெடுப்பீர்கள்.</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>காட்ட வேண்டிய பதங்கள்</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>காட்ட வேண்டிய ஆரூட பதங்கள்</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>பத எண்கள் 1 முதல் 12: 1 என்பது AL (ஆரூட லக்னம்), 12 என்பது UL (உபபதம்), 7 என்பது A7. 0 இடத்தைக் காலியாக விடும்.</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>உபகிரகக் கணக்கீட்டு விருப்பங்கள்</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>பகல் அல்லது இரவின் பகுதியில் உதய புள்ளி</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>தொடக்கம்</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>நடு</translation>
        </message>
        <message>
            <source>end</source>
            <translation>முடிவு</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>குளிகன்(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>மாந்தி(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>காலன், மிருத்யு முதலியன(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>தூமமும் வியதீபாதமும்</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>வியதீபாதம் = 360 பாகை - தூமம்</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>வியதீபாதம் = தூமம் + 53 பாகை 20 கலை</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>தொடர்பு(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>காலன், மிருத்யு முதலியன:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>ஹோரை சக்கர விருப்பம்</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>கடகம்-சிம்மம் (வழக்கமான)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>ராசிச்சக்கரம் இருமுறை (பரிவிருத்தி த்வயம்)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>ஹோரை சக்கரம் (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>எபிமெரிஸ்</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>பழைய முறை (உள்ளமைந்த கோட்பாடு)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>சுவிஸ் எபிமெரிஸ் (ஒரு விகலைக்குள்)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>ராகு உண்மைக் கணுவிலிருந்து (இல்லையேல் சராசரிக் கணு)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>நிலைகள் இதிலிருந்து(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>ஒரு ஜாதகச் சாளரம் தன் ஜாதகத்துக்கு மற்றொரு முறையைப் பயன்படுத்தலாம்: ஜாதகம் &gt;&gt; இந்த ஜாதகத்துக்கு சுவிஸ் எபிமெரிஸ்.</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>அச்சிடுவதற்கான விருப்பங்கள்</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>கறுப்பு வெள்ளையில் அச்சிடு(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>சேர்க்க வேண்டியவை (ஒவ்வொன்றும் ஒரு பக்கம்)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>இடத்தை உள்ளிடுக</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>இப்போதைய நேர ஜாதகங்களுக்கான இடம்</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>நேர மண்டலம்(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>தீர்க்கரேகை(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>அட்சரேகை(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>இடத் தேடல் இல்லை (இட அட்டவணை இல்லை)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1. கீழே மண்டலத்தை உள்ளிடவும்.</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite பற்றி....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
பதிப்பு 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>வேத ஜோதிட மென்பொருள்</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>பதிப்புரிமை © Meruvan.
GNU Affero General Public License, பதிப்பு 3 அல்லது அதற்குப் பிந்தையது (AGPL-3.0-or-later) கீழ் உரிமம் பெற்றது. Orvane Lite துல்லிய நிலைகளுக்குப் பயன்படுத்தும் சுவிஸ் எபிமெரிஸ் AGPL-3.0 கீழ் உரிமம் பெற்றது.</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>இடப் பெயர்களும் நிலைகளும்: GeoNames (geonames.org), Creative Commons Attribution 4.0 கீழ்.
நேர மண்டல எல்லைகள்: timezone-boundary-builder, Open Database License (ODbL) கீழ்.
நேர மண்டல வரலாறு: இந்தக் கணினியின் IANA tz தரவுத்தளம்.</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>தலைப்பு(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>ஒரு சக்கரத்தைத் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>இரண்டு சக்கரங்களைத் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>முதல் சக்கரம்</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>இரண்டாம் சக்கரம்</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>இப்போதைய காட்சியை விட்டு இரண்டு பெரிய சக்கரங்களைக் காட்டு</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>மகா தசையைத் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>இதன் மகா தசையில் அந்தரங்கள்:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>தாஜிக வருட ஜாதகம்</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>இந்த ஆண்டின் வருட ஜாதகம் (வருஷ சக்கரம்):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>மாத ஜாதகம் வேண்டும்!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>தாஜிக மாத ஜாதகம்</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>மாதம் (முதல் மாதம் பிறந்தநாளில் தொடங்கும்):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>ஹோரை ஜாதகம் வேண்டும்!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>தாஜிக ஹோரை ஜாதகம்</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>மாதத்தின் ஹோரை காலம் (1 முதல் 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>நிமி</translation>
        </message>
        <message>
            <source>h</source>
            <translation>மணி</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>பாகை</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>கே.பி. மற்றும் பாவங்கள்(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>ஒரு பாவ முறையின் பாவ ஆரம்பங்களை அவற்றின் கே.பி. அதிபதிகள், காரகங்களுடன், பாவ சலித சக்கரத்துடன் காட்டு</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>பிறந்த நேரம்(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>கே.பி. (புதிய) அயனாம்சம்</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>லக்னம், வர்க்க லக்னங்கள் அல்லது பாவ ஆரம்ப உப அதிபதிகள் மாறும் முன் பிறந்த நேரம் எவ்வளவு நகரலாம் எனக் காட்டி, நேரத்தை நகர்த்தி ஜாதகத்தை மீண்டும் கணி</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>பலங்கள் வரைபடமாக(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>ஷட்பலம், பாவ பலம், சர்வாஷ்டகவர்க்கத்தை அட்டவணைகளாகவும் பட்டை வரைபடங்களாகவும் காட்டு; படமாகச் சேமிக்கவோ அச்சிடவோ</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>ஷட்பலம்</translation>
        </message>
        <message>
            <source>required</source>
            <translation>தேவை</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>ரூபம்</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>பாவ பலம்</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>சர்வாஷ்டகவர்க்கம்</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, சராசரி</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>பிந்துக்கள்</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>ஜனவரி</translation>
        </message>
        <message>
            <source>February</source>
            <translation>பிப்ரவரி</translation>
        </message>
        <message>
            <source>March</source>
            <translation>மார்ச்</translation>
        </message>
        <message>
            <source>April</source>
            <translation>ஏப்ரல்</translation>
        </message>
        <message>
            <source>May</source>
            <translation>மே</translation>
        </message>
        <message>
            <source>June</source>
            <translation>ஜூன்</translation>
        </message>
        <message>
            <source>July</source>
            <translation>ஜூலை</translation>
        </message>
        <message>
            <source>August</source>
            <translation>ஆகஸ்ட்</translation>
        </message>
        <message>
            <source>September</source>
            <translation>செப்டம்பர்</translation>
        </message>
        <message>
            <source>October</source>
            <translation>அக்டோபர்</translation>
        </message>
        <message>
            <source>November</source>
            <translation>நவம்பர்</translation>
        </message>
        <message>
            <source>December</source>
            <translation>டிசம்பர்</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>ஞாயி</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>திங்</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>செவ்</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>புத</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>வியா</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>வெள்</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>சனி</translation>
        </message>
        <message>
            <source>today</source>
            <translation>இன்று</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>கோப்புப் பெயர்(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>கோப்பு வகை:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>இங்கே பார்:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>திற(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>சேமி(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ரத்துசெய்</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 ஆ %2 மா %3 நா</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>பிறப்பில் மீதி: %1, %2.</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>மகா தசைகள், புக்திகள், அந்தரங்கள்.</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>மகா தசைகளும் உட்காலங்களும்.</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>ராசிகள்: மகா தசைகளும் உட்காலங்களும்.</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (ஜைமினி)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 இலிருந்து, %2; மகா தசைகளும் புக்திகளும்.</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>முன்னோக்கி</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>பின்னோக்கி</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 க்கு மேல்</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>சரி</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ரத்துசெய்</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>மூடு</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>சேமி</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>கைவிடு</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>சேமிக்காதே</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>பயன்படுத்து</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>உதவி</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>ஆம்(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>இல்லை(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>திற</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>மீட்டமை</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>இயல்புநிலைக்கு மீட்டமை</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>அச்சிடு</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>அச்சு முன்னோட்டம்</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>மூடு</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>சூரியன்</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>சந்திரன்</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>செவ்வாய்</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>புதன்</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>குரு</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>சுக்கிரன்</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>சனி</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>ராகு</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>கேது</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>மேஷம்</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>ரிஷபம்</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>மிதுனம்</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>கடகம்</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>சிம்மம்</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>கன்னி</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>துலாம்</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>விருச்சிகம்</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>தனுசு</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>மகரம்</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>கும்பம்</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>மீனம்</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>அசுவினி</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>பரணி</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>கிருத்திகை</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>ரோகிணி</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>மிருகசீரிஷம்</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>திருவாதிரை</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>புனர்பூசம்</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>பூசம்</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>ஆயில்யம்</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>மகம்</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>பூரம்</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>உத்திரம்</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>அஸ்தம்</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>சித்திரை</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>சுவாதி</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>விசாகம்</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>அனுஷம்</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>கேட்டை</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>மூலம்</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>பூராடம்</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>உத்திராடம்</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>திருவோணம்</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>அவிட்டம்</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>சதயம்</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>பூரட்டாதி</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>உத்திரட்டாதி</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>ரேவதி</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>ராசி</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>ஹோரை</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>திரேக்காணம்</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>சதுர்த்தாம்சம்</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>பஞ்சமாம்சம்</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>ஷஷ்டாம்சம்</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>சப்தாம்சம்</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>அஷ்டாம்சம்</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>நவாம்சம்</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>தசாம்சம்</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>ருத்ராம்சம்</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>துவாதசாம்சம்</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>ஷோடசாம்சம்</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>விம்சாம்சம்</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>சதுர்விம்சாம்சம்</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>நட்சத்திராம்சம்</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>திரிம்சாம்சம்</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>கவேதாம்சம்</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>அக்ஷவேதாம்சம்</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>ஷஷ்டியாம்சம்</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>ல</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>சூ</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>சந்</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>செ</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>பு</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>குரு</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>சுக்</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>சனி</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>ரா</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>கே</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(வ)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>கோசாரம்</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>மகாதசை</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>புக்தி</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>அந்தரம்</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>ஷஷ்டியாம்சம்</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>விம்சோத்தரி</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>காலச்சக்கரம்</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>சர</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>நாராயண</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>ஸ்திர</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>சூல</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>நிர்யாண சூல</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>திருக்</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>யோகினி</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>அஷ்டோத்தரி</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>திதி யோகினி</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>திதி அஷ்டோத்தரி</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>த்விசப்ததி சம</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>ஷட்த்ரிம்சத் சம</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>துவாதசோத்தரி</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>சதுரசீதி சம</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>சதாப்திகா</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>ஷோடசோத்தரி</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>பஞ்சோத்தரி</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>பிரதமை</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>துவிதியை</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>திருதியை</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>சதுர்த்தி</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>பஞ்சமி</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>சஷ்டி</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>சப்தமி</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>அஷ்டமி</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>நவமி</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>தசமி</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>ஏகாதசி</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>துவாதசி</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>திரயோதசி</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>சதுர்த்தசி</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>பௌர்ணமி</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>அமாவாசை</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>விஷ்கம்பம்</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>ப்ரீதி</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>ஆயுஷ்மான்</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>சௌபாக்கியம்</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>சோபனம்</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>அதிகண்டம்</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>சுகர்மம்</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>திருதி</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>சூலம்</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>கண்டம்</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>விருத்தி</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>துருவம்</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>வியாகாதம்</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>ஹர்ஷணம்</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>வஜ்ரம்</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>சித்தி</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>வியதீபாதம்</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>வரியான்</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>பரிகம்</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>சிவம்</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>சித்தம்</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>சாத்தியம்</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>சுபம்</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>சுக்லம்</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>பிரம்மம்</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>ஐந்திரம்</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>வைதிருதி</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>வளர்பிறை</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>தேய்பிறை</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>அதிகபட்சம் 16 பாகை 40 கலை (1000 கலை) விலகலை உள்ளிடவும்.</translation>
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
மக்கள்தொகை %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: நடைமுறையிலுள்ள நேர வேறுபாட்டை அறிய தேதியும் நேரமும் உள்ளிடவும்.</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>இரண்டாவது முறை வரும் நேரத்தை எடு (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>மண்டல நகரத்தின் %1. இடத்தின் சொந்த உள்ளூர் சராசரி நேரம் %2 பயன்படுத்தப்படுகிறது.</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>இந்த மதிப்புகளால் சரியான ஜாதகம் அமையாது: %1.</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>பாகை</translation>
        </message>
        <message>
            <source>min</source>
            <translation>நிமி</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>சுவிஸ் எபிமெரிஸ்</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>காலம்</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>தொடக்கம்</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>முடிவு</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>வயது</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>காலம் தொடங்கும்போது ஜாதகரின் வயது (ஆண்டுகளில்)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>தசை(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>இன்று (%1) நடப்பவை சிறப்பிக்கப்பட்டுள்ளன. மேல், கீழ் நகர்த்தும்; வலது ஒரு காலத்தைத் திறக்கும், இடது மூடும்.</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 தசை - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>இன்று நடப்பது</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>பிறப்புக்கு முன் முடிந்தது</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>மொழி</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>கணினியின் மொழி</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>ஜாதகங்களில் லத்தீன் சுருக்கங்கள் (Su, Mo, Ma)(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>மொழி(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>ஜாதகங்கள் உடனே மாறும்; பட்டிகளும் உரையாடல்களும் Orvane Lite மீண்டும் தொடங்கும்போது மாறும்.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>புதியது (இப்போதைய பிரசன்னம்)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>இயல்பு இடத்தில் இந்த நேரத்துக்கான ஜாதகம் கணிக்கவும்</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>திற(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>சேமித்த ஜாதகத்தைத் திற</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>மூடு(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>ஜாதகத்தை மூடு</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>சேமி(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>ஜாதகத்தைச் சேமி</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>இவ்வாறு சேமி(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>ஜாதகத்தைப் புதிய பெயரில் சேமி</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>அச்சு அமைப்பு(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>அச்சுப்பொறியையும் பக்கத்தையும் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>வெளியேறு(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite-ஐ மூடு</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>பிறப்பு விவரம் திருத்து(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>ஜாதகத்தின் தேதி, நேரம், இடம் மாற்று</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>புதிய சாளரம்(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>இந்த ஜாதகத்துக்கு இன்னொரு சாளரம் திற</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>அடுக்கு(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>பக்கவாட்டில் அடுக்கு(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>கோப்பு(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>தொகுப்பில் சேமி(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>செயலிலுள்ள ஜாதகத்தை ஜாதகத் தொகுப்பில் வை</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>திருத்து(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>ஜாதகம்(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>பொருத்தம் பார்(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>கோசாரம்(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>மற்றொரு ஜாதகக் கோப்புடன் அஷ்டகூட பொருத்தமும் செவ்வாய் தோஷ சோதனையும்</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>தேர்ந்த நேரத்தின் கிரகங்கள் இந்த ஜாதகத்துடன், அதன் ஏழரைச் சனி காலங்களும்</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>ஜாதகத் தொகுப்பு(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>ஜாதகத் தொகுப்பில் உள்ள ஜாதகங்கள்: தேடு, குறியிடு, திற</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>தசை(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>தாஜிகம்(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>அறிக்கை(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>அமைப்பு(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>ஜாதக பாணி(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>அயனாம்சம்(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>ஆண்டில் நாட்கள்(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>சிறப்பு லக்னம், உபகிரகக் காட்சி(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>உபகிரகக் கணக்கீட்டு விருப்பங்கள்(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>ஹோரை சக்கரம்(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>அச்சிடும்போது சேர்க்க வேண்டியவை(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>இயல்பு இடம்(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>எபிமெரிஸ்(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>மொழி(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>காட்சி(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>நிலைப் பட்டை(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>சாளரம்(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>உதவி(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>பயனர் வழிகாட்டி(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite-க்கான சுருக்கமான வழிகாட்டி</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite பற்றி(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>வழக்கமான</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>கருவிப் பட்டை(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" சேமிக்கப்பட்டது.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" கோப்பைத் திறக்க இயலாது.

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>திற</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>எபிமெரிஸ்: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>ஜாதகங்களில் காட்ட வேண்டிய சிறப்பு லக்னங்கள், உபகிரகங்கள், பதங்களைத் தேர்ந்தெடு</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>பஞ்சாங்க நாட்காட்டி(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>ஓர் இடத்தில் ஒரு மாதத்தின் ஒவ்வொரு நாளின் பஞ்சாங்கம், பண்டிகைகளுடன்</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" சரியான ஜாதகக் கோப்பு அல்ல; அது மாற்றப்படவில்லை.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>இவ்வாறு சேமி</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>ஜாதகத்தைச் சேமிக்க இயலவில்லை.

%1

ஜாதகம் இன்னும் திறந்தபடி, மாறாமல் உள்ளது.</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 இல் செய்த மாற்றங்களைச் சேமிக்கவா?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>செல்லாத கோப்பு</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>ஐயோ, நீங்கள் திறக்க முயன்ற கோப்பு சரியான "Orvane" தரவுக் கோப்பு அல்ல.

அதற்குப் பதிலாக இப்போதைய நேரத்துக்கு ஜாதகம் கணிக்கப்படும்.</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" ஜாதகத்தைக் கணிக்க இயலவில்லை.

%2

அதன் பிறப்பு விவரத்தைத் திருத்தவும் (திருத்து &gt; பிறப்பு விவரம் திருத்து). ஜாதகச் சாளரம் திறந்தே இருக்கும்; எதுவும் இழக்கப்படவில்லை.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>இப்போது நடப்பவை</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;விம்சோத்தரி தசை&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 வரை</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>இன்று எந்தக் காலமும் நடக்கவில்லை.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;இப்போதைய கோசாரம்&lt;/b&gt;, %1 இல் உள்ள ஜன்ம சந்திரனிலிருந்து</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>கிரகம்</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>நிலை</translation>
        </message>
        <message>
            <source>House</source>
            <translation>பாவம்</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>சாதகம்</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 ஆல் வேதை</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>பாவங்கள் ஜன்ம சந்திரனின் ராசியிலிருந்து எண்ணப்படுகின்றன.</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>வருட ஜாதகம் %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>மாத ஜாதகம் %1, மாதம் %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>ஹோரை ஜாதகம் %1, மாதம் %2, ஹோரை %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>ஜனன ஜாதகம்</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite ஏற்கெனவே இயங்குகிறது.</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite ஏற்கெனவே இயங்குகிறது, ஆனால் பதில் தரவில்லை.

"%1" ஐ அதன் கோப்பு பட்டியிலிருந்து திறக்கவும்.</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>உங்கள் விருப்பங்களை "%1" இலிருந்து படிக்க இயலாது.

%2

Orvane Lite இப்போதைக்கு இயல்பு விருப்பங்களைப் பயன்படுத்தும்; அந்தக் கோப்பை அப்படியே விடும். கோப்பைப் மீண்டும் படிக்க முடியும் வரை நீங்கள் மாற்றும் விருப்பங்கள் சேமிக்கப்படா.</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>உங்கள் விருப்பங்களை "%1" இல் சேமிக்க இயலவில்லை.

%2

Orvane Lite மூடப்படும் வரை அவை நடைமுறையில் இருக்கும்.</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>மொழி</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 க்கான எழுத்துரு நிறுவப்படவில்லை (Debian தொகுப்பு fonts-noto-core); ஆகவே Orvane Lite ஆங்கிலத்திலேயே இருக்கும்.</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>இல்லை</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>கே.பி. ஆரூட எண் 1..249: அந்த உபத்தின் தொடக்கத்தை லக்னமாகக் கொண்ட பாவ ஆரம்பங்கள்</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>பாவ முறை(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>ஆரூட எண்(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>பாவ சலித சக்கரம்</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>பாவ ஆரம்பங்களின் கே.பி. அதிபதிகள்</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>பாவ ஆரம்பம்</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>நிலை</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>ராசி அதிபதி</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>நட்சத்திர அதிபதி</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>உப அதிபதி</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>உப-உப அதிபதி</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>கிரகங்களின் கே.பி. அதிபதிகள்</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>கிரகம்</translation>
        </message>
        <message>
            <source>House</source>
            <translation>பாவம்</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>பாவங்களின் காரகங்கள்</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>நிலை 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>நிலை 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>நிலை 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>நிலை 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>கிரகங்களின் காரகத்துவம்</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>பாவத்தில் உள்ள கிரகங்களின் நட்சத்திரங்களில் உள்ள கிரகங்கள்</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>பாவத்தில் உள்ள கிரகங்கள்</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>பாவாதிபதியின் நட்சத்திரத்தில் உள்ள கிரகங்கள்</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>பாவாதிபதி</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>இதன் நட்சத்திர அதிபதி இருக்கும் பாவம்</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>இது இருக்கும் பாவம்</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>இதன் நட்சத்திர அதிபதிக்குச் சொந்தமான பாவங்கள்</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>இதற்குச் சொந்தமான பாவங்கள் (ராகு, கேது: அவற்றின் ராசி அதிபதியின்)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>ராகுவும் கேதுவும் தம் ராசி அதிபதியின் பாவங்களுக்கு உரியவர்கள்</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>நிலை 1: பாவத்தில் உள்ளவற்றின் நட்சத்திரங்களில் · 2: பாவத்தில் உள்ளவை
3: அதிபதியின் நட்சத்திரத்தில் · 4: அதிபதி</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>நிலை 1: நட்சத்திர அதிபதியின் பாவம் · 2: தன் பாவம்
3: நட்சத்திர அதிபதியின் பாவங்கள் · 4: தன் பாவங்கள்</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>பாவ ஆரம்பங்கள்(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>கிரகங்கள்(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>பாவ காரகங்கள்(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>கிரக காரகத்துவம்(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>கே.பி. மற்றும் பாவங்கள் - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>ஆரூட எண் %1 இன் பிளாசிடஸ் பாவ ஆரம்பங்கள்</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 பாவ ஆரம்பங்கள்</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, ஜாதகத்தின் அயனாம்சப்படி நிரயனம்.</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>பாவ சலிதம் (ஆரூடம் %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>பாவ சலிதம் (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (வ)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>ஜாதக நேரத்தின் ஆளும் கிரகங்கள்: வார அதிபதி %1; லக்ன ராசி அதிபதி %2, நட்சத்திர அதிபதி %3; சந்திர ராசி அதிபதி %4, நட்சத்திர அதிபதி %5.</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>தொகுப்பைத் திறக்க இயலாது: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n ஜாதகங்கள். சேர்க்க ஜாதகக் கோப்புகளை இங்கே இழுக்கவும்.</numerusform>
                <numerusform>%1: %n ஜாதகங்கள். சேர்க்க ஜாதகக் கோப்புகளை இங்கே இழுக்கவும்.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>வினவல்: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n இல் %1 ஜாதகங்கள்</numerusform>
                <numerusform>%n இல் %1 ஜாதகங்கள்</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>நிகழ்வு என்பது வகை, தேதி, குறிப்பு: marriage 1995-05-01 in Chennai.</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>சேர்க்கப்படவில்லை: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>நிகழ்வு சேர்க்கப்பட்டது.</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>சேமிக்கப்படவில்லை: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 இன் குறிச்சொற்களும் குறிப்புகளும் சேமிக்கப்பட்டன.</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: இந்தப் பிறப்பு விவரத்தால் ஜாதகம் கணிக்க இயலாது.</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 தொகுப்பில் சேர்க்கப்பட்டது.</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>பொருத்தம் - %1, %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>மணமகன்: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>மணமகள்: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>பொருத்தத்தின் ஒரு ஜாதகத்தைக் கணிக்க இயலாது.</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>பஞ்சாங்க நாட்காட்டி</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>இயல்பு இடம்</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; ஆண்டு</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>ஓர் ஆண்டுக்கு முந்தைய இதே மாதம்</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; மாதம்</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>முந்தைய மாதம்</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>மாதம் &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>அடுத்த மாதம்</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>ஆண்டு &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>ஓர் ஆண்டுக்குப் பிந்தைய இதே மாதம்</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>இன்று(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>இன்றைய மாதத்துக்குத் திரும்பு</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>இடம்(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN" போன்ற இடம் (காலியெனில் இயல்பு இடம்)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>இடத்தை அமை</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>அச்சிடு(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>ஏற்றுமதி(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>மாதத்தை PDF கோப்பாகவோ PNG படமாகவோ சேமி</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 இல்</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" என்ற இடம் இல்லை.</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>பஞ்சாங்க நாட்காட்டி - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>இல்லை</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>சூரிய உதயம்</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>சூரிய அஸ்தமனம்</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>சந்திர உதயம்</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>சந்திர அஸ்தமனம்</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 வரை</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>திதி</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>நட்சத்திரம்</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>யோகம்</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>கரணம்</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>அதிக %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>சந்திர மாதம்</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (அமாந்தம்), %2 (பூர்ணிமாந்தம்)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>ஆண்டு</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 சம்வத்சரம், சக %2, விக்ரம %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ருது, அயனம்</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>உத்தராயணம்</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>தட்சிணாயனம்</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>சங்கராந்தி</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>சூரியன் %2 மணிக்கு %1 இல் பிரவேசிக்கிறார்</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>ராகு காலம்</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>எமகண்டம்</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>குளிகை காலம்</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>அபிஜித்</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>பிரம்ம முகூர்த்தம்</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>துர்முகூர்த்தம்</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>வர்ஜ்யம்</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>அமிர்த காலம்</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>சௌகடியா</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>பஞ்சாங்கம்: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>சூரிய உதயத்தில் திதியும் நட்சத்திரமும்; பண்டிகைகள் %1 இல் அவற்றின் திதிப்படி; கடிகார நேரம் %2 இன்படி.</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>இயல்பு நேர மண்டலம்</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 ஐ எழுத இயலாது.</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>மாதத்தை அச்சிடு</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>அச்சுப்பொறியைப் பயன்படுத்த இயலாது.</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>மாதத்தை ஏற்றுமதி செய்</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF கோப்பு (*.pdf);;PNG படம் (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>அறிக்கைப் பகுதிகள் - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>இந்த ஜாதகத்துக்கு இந்தப் பகுதியில் உரை இல்லை.</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite இயங்கும் நகலுக்குக் கோப்புகளைக் கொடுக்காமல் இயங்குகிறது: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>பூட்டுக் கோப்பு "%1" உருவாக்க இயலாது.</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>இரண்டாம் தொடக்கத்திலிருந்து வரும் கோப்புகளை நிரல் ஏற்க இயலாது: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ஷட்பலம்(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>பாவ பலம்(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>சர்வாஷ்டகவர்க்கம்(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>பட்டை வரைபடம்</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>ஒரு நெடுவரிசையின் தலைப்பைச் சொடுக்கி அதன்படி வரிசைப்படுத்தவும்; வரிசைகளைத் தேர்ந்து Ctrl+C அழுத்தி நகலெடுக்கவும். கிரகத்துக்குத் தேவையானதைவிட (அல்லது 28 பிந்துக்களைவிட) குறைவான பட்டைகள் ஆரஞ்சு நிறத்தில் வரையப்படும்.</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>படத்தைச் சேமி(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>அச்சிடு(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>பலங்கள் - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>கிரகம்</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>ரூபம்</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>தேவை</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>சதவீதம்</translation>
        </message>
        <message>
            <source>House</source>
            <translation>பாவம்</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>ராசி</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>பிந்துக்கள்</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>சராசரியிலிருந்து</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 ஐ எழுத இயலாது.</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>பல வரைபடங்களைச் சேமி</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG படம் (*.png);;SVG படம் (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>பிறந்த நேரத்தை %1 நகர்த்து</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>உள்ளிட்ட நேரத்துக்குத் திரும்பு(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>பிறந்த நேர நகர்வு</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>ஒவ்வொரு புள்ளியும் மாறும் முன் பிறந்த நேரம் எவ்வளவு நகரலாம்</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>புள்ளி</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>இப்போது</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>பின்னோக்கி இவ்வளவு நிலைக்கும்</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>முன்னோக்கி இவ்வளவு நிலைக்கும்</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>பிறந்த நேரம் %1 (உள்ளிட்ட நேரத்திலிருந்து %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>பிறந்த நேரம் - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: ஒவ்வொரு புள்ளியும் மாறும் முன் பிறந்த நேரம் இருபுறமும் எவ்வளவு நகரலாம். பொத்தான்கள் அல்லது நகர்த்தியால் நேரத்தை நகர்த்து; ஒவ்வொரு அடியிலும் ஜாதகச் சாளரம் மீண்டும் கணிக்கப்படும்.</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>ஜனன ஜாதகத்தைக் கணிக்க இயலாது.</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 கோசாரத்துடன் ஜனன ராசி, பிறப்பு நேர மண்டலத்தில் (சாய்வு எழுத்து, "t" முன்னால்)</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (பங்கம்)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n யோகங்கள் (பாவங்கள் லக்னத்திலிருந்து முழு ராசிகளாக). ஒன்றைத் தேர்ந்தெடுத்தால் அது அமைவதன் காரணம் தெரியும்; அதன் கிரகங்கள் சக்கரத்தில் சிறப்பிக்கப்படும்.</numerusform>
                <numerusform>%1 — %2: %n யோகங்கள் (பாவங்கள் லக்னத்திலிருந்து முழு ராசிகளாக). ஒன்றைத் தேர்ந்தெடுத்தால் அது அமைவதன் காரணம் தெரியும்; அதன் கிரகங்கள் சக்கரத்தில் சிறப்பிக்கப்படும்.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>யோகங்கள் - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>கிரகங்கள்: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>இது அமைவதன் காரணம்:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>இவற்றால் பங்கமும் பலவீனமும்:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>இவற்றால் பலவீனம்:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>விதி: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>பலன்: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>வாசிப்பு: %1</translation>
        </message>
    </context>
</TS>
