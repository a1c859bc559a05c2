<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>ಶೀರ್ಷಿಕೆ ನಮೂದಿಸಿ</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>ಶೀರ್ಷಿಕೆ:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>ಚಕ್ರ ಬರೆಯಲಾಗಲಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>ಬಿಟ್‌ಮ್ಯಾಪ್ ಉಳಿಸಲಾಗಲಿಲ್ಲ.

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

ಅದರ ಕಡತ "%2".</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>ಪರದೆಯಲ್ಲಿರುವುದನ್ನು</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>ಮೂಲ ಗಣನೆಗಳನ್ನು</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>ಎಲ್ಲ ಗಣನೆಗಳನ್ನು</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 ಸರಳ ಪಠ್ಯವಾಗಿ ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ಗೆ ನಕಲಾಯಿತು, ಆದರೆ ಒಂದು ಭಾಗ ಪ್ರೋಗ್ರಾಂ ಮಿತಿಗಿಂತ ಉದ್ದವಿದ್ದುದರಿಂದ ಅದರ ಕೊನೆ ಕತ್ತರಿಸಲಾಯಿತು.</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 ಸರಳ ಪಠ್ಯವಾಗಿ ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ಗೆ ಯಶಸ್ವಿಯಾಗಿ ನಕಲಾಯಿತು.</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>ಕ್ಲಿಪ್‌ಬೋರ್ಡ್ ತೆರೆಯಲಾಗದು</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ಗೆ ದತ್ತಾಂಶ ಇಡಲಾಗಲಿಲ್ಲ</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>ಚಕ್ರ</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>ಚಕ್ರವನ್ನು ಬಿಟ್‌ಮ್ಯಾಪ್ ಆಗಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows ಬಿಟ್‌ಮ್ಯಾಪ್‌ಗಳು (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>ಚಿತ್ರ %1 ರಿಂದ %2 ಪಿಕ್ಸೆಲ್ ಅಗಲವಿರುತ್ತದೆ.</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>ಚಿತ್ರವನ್ನು ಎನ್‌ಕೋಡ್ ಮಾಡಲಾಗಲಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>ಚಿತ್ರಗಳನ್ನು .png ಅಥವಾ .svg ಕಡತಗಳಾಗಿ ಉಳಿಸಲಾಗುತ್ತದೆ.</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>ಚಕ್ರ 1 ಅನ್ನು ಚಿತ್ರವಾಗಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG ಚಿತ್ರಗಳು (*.png);;SVG ರೇಖಾಚಿತ್ರಗಳು (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> ಪಿಕ್ಸೆಲ್</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG ಚಿತ್ರದ ಅಗಲ ಮತ್ತು ಎತ್ತರ (%1 ರಿಂದ %2 ಪಿಕ್ಸೆಲ್); SVG ರೇಖಾಚಿತ್ರ ಯಾವ ಗಾತ್ರಕ್ಕೂ ಹಿಗ್ಗುತ್ತದೆ</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>ಚಿತ್ರದ ಗಾತ್ರ(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>ಶೀರ್ಷಿಕೆ(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>ಚಿತ್ರ ಉಳಿಸಲಾಗಲಿಲ್ಲ.

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>ಟಿಪ್ಪಣಿ ಕಡತ "%1" ರಚಿಸಲಾಗಲಿಲ್ಲ.

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>ಟಿಪ್ಪಣಿ ಕಡತ "%1" ಸಂಪಾದಕದಲ್ಲಿ ತೆರೆಯಲಾಗಲಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>ಜಾತಕ ಮೇಲ್ ಮಾಡಲಾಗಲಿಲ್ಲ: ಅದರ ಪಠ್ಯ ಕಡತ ಬರೆಯಲಾಗಲಿಲ್ಲ.

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>ಜಾತಕ ಮೇಲ್ ಮಾಡಲಾಗಲಿಲ್ಲ: "%1" ಪ್ರೋಗ್ರಾಂ ಸಿಗಲಿಲ್ಲ (ಅದು xdg-utils ಪ್ಯಾಕೇಜಿನೊಂದಿಗೆ ಬರುತ್ತದೆ).

ಸಂಪೂರ್ಣ ಗಣನೆಗಳು ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ನಲ್ಲಿ ಮತ್ತು "%2" ಕಡತದಲ್ಲಿವೆ; ಆ ಕಡತವನ್ನು ನೀವೇ ಸಂದೇಶಕ್ಕೆ ಲಗತ್ತಿಸಬಹುದು.</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>ಮೇಲ್ ಕಳುಹಿಸುವುದು ವಿಫಲವಾಯಿತು.</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>ಬಿಟ್‌ಮ್ಯಾಪ್ ಉಳಿಸಲಾಗಿದೆ</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>ಈಗ ಪರದೆಯಲ್ಲಿ ಕಾಣುವುದನ್ನು Windows ಬಿಟ್‌ಮ್ಯಾಪ್ ಆಗಿ ಉಳಿಸಲಾಗಿದೆ. ಅದನ್ನು ಬೇರೆ ರೂಪಗಳಿಗೆ ಬದಲಿಸಬಹುದು ಅಥವಾ ದಾಖಲೆಯಲ್ಲಿ ಸೇರಿಸಬಹುದು.</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>ಡಿಸ್ಕ್ ತುಂಬಿದೆ</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>ಪೂರ್ತಿ ಬರೆಯಲಾಗಲಿಲ್ಲ (ಡಿಸ್ಕ್ ತುಂಬಿರಬಹುದು)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" ಕಡತ ಬರೆಯಲಾಗದು: %2.</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>ಮುದ್ರಕ ಅದನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" ಕಡತ ಬರೆಯಲಾಗಲಿಲ್ಲ: %2. ಆ ಹೆಸರಿನ ಕಡತವಿದ್ದರೆ ಅದು ಬದಲಾಗಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>ಮುದ್ರಿಸಲು ಏನೂ ಇಲ್ಲ: "ಮುದ್ರಣದಲ್ಲಿ ಸೇರಿಸಬೇಕಾದವು" ಅಡಿಯಲ್ಲಿ ಏನೂ ಆಯ್ಕೆಯಾಗಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>ಮುದ್ರಣ ಕೆಲಸ ಆರಂಭಿಸಲಾಗಲಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>ವೈದಿಕ ಜ್ಯೋತಿಷ</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>ಆವೃತ್ತಿ 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>ಇದರ ಜನ್ಮ ವಿವರ ಓದಲಾಗದು: %1.</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>ಇದರ ಜನ್ಮ ವಿವರ ಜಾತಕ ಹಾಕಬಹುದಾದ ವ್ಯಾಪ್ತಿಯ ಹೊರಗಿದೆ.</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan ಅವರ "Orvane Lite" ಗೆ ಸ್ವಾಗತ!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>ಸ್ವಾಗತ!

ನೀವು ಈ ತಂತ್ರಾಂಶದ ಈ ಆವೃತ್ತಿಯನ್ನು ಮೊದಲ ಬಾರಿ ಬಳಸುತ್ತಿರುವಂತಿದೆ!

ಜಾತಕಗಳು ಸರಿಯಾಗಿ ಗಣಿಸಲ್ಪಟ್ಟು ಅನುಕೂಲವಾಗಿ ಕಾಣಲು ಕೆಲವು ಆದ್ಯತೆಗಳನ್ನು ಹೊಂದಿಸಬೇಕು.

ದಯವಿಟ್ಟು ನಿಮ್ಮ ಆದ್ಯತೆಗಳನ್ನು ಎಚ್ಚರಿಕೆಯಿಂದ ಆಯ್ಕೆಮಾಡಿ.

ಈ ಆದ್ಯತೆಗಳನ್ನು ನಂತರ "ಆದ್ಯತೆಗಳು" ಮೆನುವಿನಿಂದ ಬದಲಿಸಬಹುದು.

ಈ ತಂತ್ರಾಂಶವನ್ನು ಆನಂದಿಸಿ! ಭಗವಾನ್ ತಲ್ವೇಶ್ ನಿಮ್ಮನ್ನು ಆಶೀರ್ವದಿಸಲಿ!!</translation>
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
            <translation>Meruvan ಅವರ "Orvane Lite" ಆನಂದಿಸಿ!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>ಯಶಸ್ಸು! ನಿಮ್ಮ ಆದ್ಯತೆಗಳನ್ನು ಯಶಸ್ವಿಯಾಗಿ ಹೊಂದಿಸಿದ್ದೀರಿ. ಇವನ್ನು ನಂತರ "ಆದ್ಯತೆಗಳು" ಮೆನುವಿನಿಂದ ಬದಲಿಸಬಹುದು.

ಈ ತಂತ್ರಾಂಶವನ್ನು ಆನಂದಿಸಿ! ಭಗವಾನ್ ತಲ್ವೇಶ್ ನಿಮ್ಮನ್ನು ಆಶೀರ್ವದಿಸಲಿ!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>ಅರೇಖೀಯ ಅಯನಾಂಶದ ಬಳಕೆ</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>ಕೆಲವು ಜನಪ್ರಿಯ ಅಯನಾಂಶಗಳನ್ನು ಅವುಗಳ ಪ್ರತಿಪಾದಕರು ರೇಖೀಯವಾಗಿ ನೀಡಿದ್ದಾರೆ. ಆದರೆ ಈ ಪ್ರೋಗ್ರಾಂ ಅರೇಖೀಯ ಅಯನಾಂಶಗಳನ್ನು ಮಾತ್ರ ಬೆಂಬಲಿಸುತ್ತದೆ. ವಾಸ್ತವದಲ್ಲಿ ಅಯನಾಂಶದ ಬದಲಾವಣೆ ಅರೇಖೀಯ. ರೇಖೀಯ ಅಯನಾಂಶ ಬಳಸಿದರೆ, ಉದಾಹರಣೆಗೆ, ತಾಜಿಕ ಜಾತಕಗಳ ನಿಖರತೆ ಕುಗ್ಗುತ್ತದೆ.

ಈ ಸಂದೇಶ ಅರ್ಥವಾಗದಿದ್ದರೆ ಚಿಂತಿಸಬೇಡಿ. ಈ ಪ್ರೋಗ್ರಾಂ ಸರಿಯಾದುದನ್ನೇ ಮಾಡುತ್ತಿದೆ.</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>ಜಾತಕ ಸಂಗ್ರಹ</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>ಹೆಸರು, ಅಥವಾ ಪ್ರಶ್ನೆ: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>ಸಂಗ್ರಹದಲ್ಲಿ ಹುಡುಕು</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>ಹೆಸರು</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>ಜನನ</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>ಸ್ಥಳ</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>ಗುರುತುಗಳು</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>ಸಂಗ್ರಹದ ಜಾತಕಗಳು</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>ಗ್ರಾಹಕ, ಕುಟುಂಬ</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>ಜಾತಕದ ಜೀವನ ಘಟನೆಗಳು</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>ತೆರೆ(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>ಗುರುತು, ಟಿಪ್ಪಣಿ ಉಳಿಸು(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>ಗುರುತುಗಳು:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>ಟಿಪ್ಪಣಿಗಳು:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>ಘಟನೆಗಳು:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>ಘಟನೆ ಸೇರಿಸು(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>ಸಿದ್ಧ</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>ಇದರೊಂದಿಗೆ ಹೊಂದಾಣಿಕೆ</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' ಕಡತ ಸಿಗಲಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 ಸರಿಯಾದ ಜಾತಕ ದತ್ತಾಂಶ ಕಡತವಲ್ಲ: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>ವರ ಮತ್ತು ವಧು ಅದಲುಬದಲು(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>ಮುಚ್ಚು</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>ಜಾತಕ</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>ಬಲಗಳು</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>ಅಷ್ಟಕವರ್ಗ</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>ವಿಂಶೋತ್ತರಿ ದಶೆ</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>ಇತರ ನಕ್ಷತ್ರ ದಶೆಗಳು</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>ಜೈಮಿನಿ ರಾಶಿ ದಶೆಗಳು</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>ತಾಜಿಕ (ವರ್ಷ ಜಾತಕ)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>ಮೇದಿನಿ ಜಾತಕಗಳು</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>ಈ ವಿಭಾಗ ಜನ್ಮ ಜಾತಕಕ್ಕೆ ಮಾತ್ರ: ತಾಜಿಕ &gt; ಜನ್ಮ ಜಾತಕಕ್ಕೆ ಹಿಂತಿರುಗು ಅದನ್ನು ತೋರಿಸುತ್ತದೆ.</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>ಈ ವಿಭಾಗ ತಾಜಿಕ ಜಾತಕಕ್ಕೆ ಮಾತ್ರ: ತಾಜಿಕ &gt; ತಾಜಿಕ ವರ್ಷ ಚಕ್ರದಲ್ಲಿ ವರ್ಷ ಆಯ್ಕೆಮಾಡಿ.</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>ಈ ವಿಭಾಗ ಮೇದಿನಿ ಜಾತಕಕ್ಕೆ ಮಾತ್ರ (orvane-cli --mundane DAYS); ಡೆಸ್ಕ್‌ಟಾಪ್ ಪ್ರೋಗ್ರಾಂ ಮೇದಿನಿ ಜಾತಕ ಹಾಕುವುದಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>ವರದಿ ವಿಭಾಗಗಳು</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>ವಿಭಾಗ ನಕಲಿಸು(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>ಗೋಚಾರ - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>ಕ್ಷಣ(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- ವರ್ಷ</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- ದಿನ</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ ದಿನ</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ ವರ್ಷ</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>ಈಗ(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite ಬಳಕೆ ಮಾರ್ಗದರ್ಶಿ</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>ಮುದ್ರಿಸು(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>ಜಾತಕ ಮುದ್ರಿಸು</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>ಮುದ್ರಣ ಮುನ್ನೋಟ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>ಮುದ್ರಿತ ಪುಟಗಳನ್ನು ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>ಪಠ್ಯ ಕಡತ ಲಗತ್ತಿಸಿ ಇಮೇಲ್ ಮಾಡು(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>ಸಂಪೂರ್ಣ ಗಣನೆಯನ್ನು ಪಠ್ಯ ಕಡತವಾಗಿ ಕಳುಹಿಸು</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>ಈಗಿನ ಪರದೆಯ ಪಠ್ಯ ಸರಳ ಪಠ್ಯವಾಗಿ(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>ಪರದೆಯ ಪಠ್ಯವನ್ನು ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ಗೆ ನಕಲಿಸು</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>ಮೂಲ ಗಣನೆಗಳು ಸರಳ ಪಠ್ಯವಾಗಿ(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>ಮೂಲ ಗಣನೆಗಳನ್ನು ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ಗೆ ನಕಲಿಸು</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>ಸಂಪೂರ್ಣ ಗಣನೆಗಳು ಸರಳ ಪಠ್ಯವಾಗಿ(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>ಸಂಪೂರ್ಣ ಗಣನೆಗಳನ್ನು ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ಗೆ ನಕಲಿಸು</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>ಪರದೆಯ ಜಾತಕ 1 ಬಿಟ್‌ಮ್ಯಾಪ್ ಆಗಿ(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>ಜಾತಕ 1 ಅನ್ನು ಬಿಟ್‌ಮ್ಯಾಪ್ ಆಗಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>ಪರದೆಯ ಜಾತಕ 1 ದಕ್ಷಿಣ-ಉತ್ತರ ಬಿಟ್‌ಮ್ಯಾಪ್ ಆಗಿ(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>ಜಾತಕ 1 ಅನ್ನು ದಕ್ಷಿಣ ಮತ್ತು ಉತ್ತರ ಶೈಲಿಗಳಲ್ಲಿ ಒಂದೇ ಬಿಟ್‌ಮ್ಯಾಪ್ ಆಗಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>ಜಾತಕ 1 ಚಿತ್ರವಾಗಿ (PNG ಅಥವಾ SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>ಜಾತಕ 1 ಅನ್ನು PNG ಅಥವಾ SVG ಚಿತ್ರವಾಗಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>ಜಾತಕ ಟಿಪ್ಪಣಿ ತಿದ್ದು(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>ಈ ಜಾತಕದ ಟಿಪ್ಪಣಿಗಳನ್ನು ಪಠ್ಯ ಕಡತದಲ್ಲಿ ಇಡು</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>ತೋರಿಸಲು 2 ಚಕ್ರ ಆಯ್ಕೆಮಾಡಿ(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>ಎರಡು ಚಕ್ರ</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>ಎರಡು ವರ್ಗ ಚಕ್ರ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>ಇತರ ಮಾಹಿತಿ ತೋರಿಸು(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>ಮೂಲ ಮಾಹಿತಿ ಮತ್ತು ಬಿಂದುಗಳ ಕೋಷ್ಟಕ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>ಅಷ್ಟಕವರ್ಗ ಮತ್ತು ಶೋಧ್ಯ ಪಿಂಡ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>ಆಯ್ದ ಚಕ್ರದ ಅಷ್ಟಕವರ್ಗ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ಷಡ್ಬಲ(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>ಆರು ಬಲಗಳು ಮತ್ತು ಭಾವ ಬಲಗಳನ್ನು ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>ಈ ಜಾತಕಕ್ಕೆ ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>ಈ ಕಿಟಕಿಯ ಜಾತಕವನ್ನು ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್‌ನಿಂದ ಹಾಕು (ಅಥವಾ ಮತ್ತೆ ಸಾಂಪ್ರದಾಯಿಕ ಗಣನೆಯಿಂದ)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>ವಿಂಶೋತ್ತರಿ ದಶೆ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>ವಿಂಶೋತ್ತರಿ ದಶೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>ವಿಂಶೋತ್ತರಿ ದಶೆಯಲ್ಲಿ ಪ್ರತ್ಯಂತರ್ದಶೆಗಳು(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>ಆಯ್ದ ಮಹಾದಶೆಯ ಪ್ರತ್ಯಂತರ್ದಶೆಗಳನ್ನು ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>ವಿಂಶೋತ್ತರಿ ದಶೆ ವೀಕ್ಷಕ(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>ವಿಂಶೋತ್ತರಿ ಮಹಾದಶೆ, ಅಂತರ್ದಶೆ, ಪ್ರತ್ಯಂತರ್ದಶೆಗಳನ್ನು ನೋಡು</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>ಕಾಲಚಕ್ರ ದಶೆ(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>ಕಾಲಚಕ್ರ ದಶೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>ಅಷ್ಟೋತ್ತರಿ ದಶೆ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>ಅಷ್ಟೋತ್ತರಿ ದಶೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>ತಾಜಿಕ ವರ್ಷ ಚಕ್ರ (ವರ್ಷ ಜಾತಕ)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>ತಾಜಿಕ ಜಾತಕಗಳು</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>ಒಂದು ವರ್ಷದ ವರ್ಷ, ಮಾಸ ಅಥವಾ ಹೋರಾ ಜಾತಕ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>ಜನ್ಮ ಜಾತಕಕ್ಕೆ ಹಿಂತಿರುಗು (ತಾಜಿಕ ನಿಲ್ಲಿಸು)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>ಜನ್ಮ ಜಾತಕ ಮತ್ತೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>ಪಾತ್ಯಾಯಿನಿ ದಶೆ (ತಾಜಿಕ)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>ಪಾತ್ಯಾಯಿನಿ ದಶೆ(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>ವರ್ಷ ಜಾತಕದ ಪಾತ್ಯಾಯಿನಿ ದಶೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>ಮುದ್ದಾ ದಶೆ (ತಾಜಿಕ)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>ಮುದ್ದಾ ದಶೆ(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>ವರ್ಷ ಜಾತಕದ ಮುದ್ದಾ ದಶೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>ಸಹಮಗಳು(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>ಸಹಮಗಳನ್ನು ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>ಪಂಚವರ್ಗೀಯ ಬಲ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>ವರ್ಷ ಜಾತಕದ ಪಂಚವರ್ಗೀಯ ಬಲ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>ವರದಿ ವಿಭಾಗಗಳು(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>ಪ್ರತಿ ವರದಿ ವಿಭಾಗದ ಪಟ್ಟಿ ಮತ್ತು ಪಠ್ಯ, orvane-cli ಮುದ್ರಿಸುವಂತೆ</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>ಯೋಗಗಳು(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>ಜಾತಕದ ಯೋಗಗಳು ಮತ್ತು ಪ್ರತಿಯೊಂದರ ಕಾರಣ ಪಟ್ಟಿಮಾಡಿ, ಆಯ್ದ ಯೋಗದ ಗ್ರಹಗಳನ್ನು ಎತ್ತಿ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>ದೊಡ್ಡದಾಗಿಸು(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>ಪರದೆಯನ್ನು ದೊಡ್ಡದಾಗಿ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>ಚಿಕ್ಕದಾಗಿಸು(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>ಪರದೆಯನ್ನು ಚಿಕ್ಕದಾಗಿ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>ನಿಜ ಗಾತ್ರ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>ಪರದೆಯನ್ನು ನಿಜ ಗಾತ್ರದಲ್ಲಿ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>ಕಿಟಕಿಗೆ ಹೊಂದಿಸು(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>ಪರದೆಯನ್ನು ಕಿಟಕಿಗೆ ಹೊಂದಿಸು</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>ಜಾತಕದ ಯೋಗಗಳು</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>ಯೋಗ</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>ಗ್ರಹಗಳು</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>ಭಾವಗಳು</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>ಯೋಗ ಏಕೆ ಉಂಟಾಗುತ್ತದೆ</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>ಜನ್ಮ ವಿವರ ನಮೂದಿಸಿ</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>ಇದು ಯಾರ ಜಾತಕ (ಜಾತಕದೊಂದಿಗೆ ಉಳಿಯುತ್ತದೆ)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>ಹೆಸರು(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>ತಿಂಗಳು:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>ದಿನ:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>ವರ್ಷ:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>ಜನ್ಮ ಸಮಯ</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>ಪೂರ್ವಾಹ್ನ</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>ಅಪರಾಹ್ನ</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>ಗಂಟೆ:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>ನಿಮಿಷ:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>ಸೆಕೆಂಡು:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>ಸಮಯ ವಲಯ</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT ಯ ಪೂರ್ವಕ್ಕೆ</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT ಯ ಪಶ್ಚಿಮಕ್ಕೆ</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>ಸ್ಥಳೀಯ ಸರಾಸರಿ ಸಮಯ (ಮೇಲಿನ ಸಮಯ ವಲಯ ಕಡೆಗಣಿಸಲಾಗುವುದು)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>ಜನ್ಮ ಸ್ಥಳ</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>ಸ್ಥಳ ಟೈಪ್ ಮಾಡಿ: Chennai, ಅಥವಾ Springfield, IL, ಅಥವಾ London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>ಸ್ಥಳದ ಹೆಸರು (ಸ್ಥಳ ಕೋಷ್ಟಕ ಇಲ್ಲ)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>ಸ್ಥಳ ಹುಡುಕಾಟ ಇಲ್ಲ: %1. ಕೆಳಗೆ ವಲಯ ಮತ್ತು ಸ್ಥಾನ ನಮೂದಿಸಿ.</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>ನಗರ ಆಯ್ಕೆಮಾಡಿದರೆ ಅದರ ಸ್ಥಳ ಮತ್ತು ವಲಯ ತುಂಬುತ್ತದೆ</translation>
        </message>
        <message>
            <source>E</source>
            <translation>ಪೂ</translation>
        </message>
        <message>
            <source>W</source>
            <translation>ಪ</translation>
        </message>
        <message>
            <source>N</source>
            <translation>ಉ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>ದ</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>ಸ್ಥಳ(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>ನಗರ:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>ರೇಖಾಂಶ:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>ಅಕ್ಷಾಂಶ:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>ದಯವಿಟ್ಟು %1 ಮತ್ತು %2 ರ ನಡುವಿನ ಪೂರ್ಣಾಂಕ ನಮೂದಿಸಿ.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>ದಯವಿಟ್ಟು %1 ಮತ್ತು %2 ರ ನಡುವಿನ ಸಂಖ್ಯೆ ನಮೂದಿಸಿ.</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ ಶೈಲಿ (ಸಾಮಾನ್ಯ)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ ಶೈಲಿ (ಅನಿಯಮಿತ)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>ಉತ್ತರ ಭಾರತೀಯ ಶೈಲಿ ("ವಜ್ರ ಚಕ್ರ")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>ಪೂರ್ವ ಭಾರತೀಯ ಶೈಲಿ ("ಸೂರ್ಯ ಚಕ್ರ")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>ಪೂರ್ವ ಭಾರತೀಯ ಶೈಲಿ (ಚೌಕಟ್ಟಿನೊಂದಿಗೆ)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>ಚಿತ್ರಪಕ್ಷ ಅಯನಾಂಶ (ಲಾಹಿರಿ)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>ರಾಮನ್ ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>ದೇವದತ್ತ ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>ಕೃಷ್ಣಮೂರ್ತಿ ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>ಉಷಾ-ಶಶಿ ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>ಫೇಗನ್ ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>ಸಾಯನ ರಾಶಿಚಕ್ರ</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>ಸ್ವಂತ ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>ಜನ್ಮ ವಿವರ, ಅಂಶ, ರಾಶಿ, ನವಾಂಶ, ವಿಂಶೋತ್ತರಿ ದಶೆ (ಮೂಲ)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>ಕಾಲಚಕ್ರ ದಶೆ ಮತ್ತು ಅಷ್ಟೋತ್ತರಿ ದಶೆ (ಜನಪ್ರಿಯ ನಕ್ಷತ್ರ ದಶೆಗಳು)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>ಷಡ್ಬಲ, ಭಾವ ಬಲ, ಇಷ್ಟ-ಕಷ್ಟ ಫಲ ಮತ್ತು ಅಷ್ಟಕವರ್ಗ</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>ಭಾಗ್ಯ ಮತ್ತು ಪ್ರತಿಷ್ಠೆಯ ಚಕ್ರಗಳು (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>ಕುಟುಂಬ ಮತ್ತು ಆಂತರಿಕ ವಿಷಯಗಳ ಚಕ್ರಗಳು (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>ದುರದೃಷ್ಟ ಮತ್ತು ಪೂರ್ವ ಕರ್ಮದ ಚಕ್ರಗಳು (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>ಜಾತಕ ಶೈಲಿ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>ಜಾತಕಗಳನ್ನು ಈ ಶೈಲಿಯಲ್ಲಿ ಬರೆ(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>ಪ್ರತಿ ಗ್ರಹದ ಅಂಶ ಮತ್ತು ಕಲೆ ಪಕ್ಕದಲ್ಲಿ ತೋರಿಸು(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>ಅಂಶಗಳು ರಾಶಿ ಚಕ್ರದಲ್ಲಿ ಮಾತ್ರ (ವರ್ಗ ಚಕ್ರಗಳಲ್ಲಿ ಇಲ್ಲ)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>ಅಯನಾಂಶ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>ಅಯನಾಂಶ(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>ಚಿತ್ರಪಕ್ಷ (ಲಾಹಿರಿ) ಇಂದ ವ್ಯತ್ಯಾಸ</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>ಸೇರಿಸು</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>ಕಳೆ</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>ಅಂಶ(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>ಕಲೆ(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>ವಿಕಲೆ(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>ಅಯನಾಂಶ ಆಯ್ಕೆಮಾಡಿದರೆ ಅದರ ವ್ಯತ್ಯಾಸ ತುಂಬುತ್ತದೆ. ವ್ಯತ್ಯಾಸ ಟೈಪ್ ಮಾಡಿದರೆ ಅಥವಾ ಸೇರಿಸು/ಕಳೆ ಆಯ್ಕೆಮಾಡಿದರೆ ಅದು ಸ್ವಂತ ಅಯನಾಂಶವಾಗುತ್ತದೆ.</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>ವರ್ಷದ ದಿನಗಳ ಸಂಖ್ಯೆ (ನಕ್ಷತ್ರ ದಶೆಗಳು)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>ವರ್ಷದ ದಿನಗಳು(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>ವಿಂಶೋತ್ತರಿ, ಅಷ್ಟೋತ್ತರಿ ಮತ್ತು ಇತರ ನಕ್ಷತ್ರ ದಶೆಗಳಲ್ಲಿ ದಶಾ ವರ್ಷದ ಉದ್ದ. ಸಾಮಾನ್ಯ ಮೌಲ್ಯ 365.2425.</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>ವಿಶೇಷ ಲಗ್ನಗಳು ಮತ್ತು ಉಪಗ್ರಹಗಳು</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>ಜಾತಕಗಳಲ್ಲಿ ತೋರಿಸುವ ಬಿಂದುಗಳು(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>ವಿಶೇಷ ಲಗ್ನಗಳನ್ನು ತೋರಿಸು (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>ಧೂಮ ಮೊದಲಾದ ಉಪಗ್ರಹಗಳನ್ನು ತೋರಿಸು (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>ಗುಳಿಕ ಮೊದಲಾದ ಉಪಗ್ರಹಗಳನ್ನು ತೋರಿಸು (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>ಆರೂಢ ಪದಗಳು(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>ಎಲ್ಲ ಆರೂಢ ಪದಗಳನ್ನು ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>ಕೆಲವು ಆರೂಢ ಪದಗಳನ್ನು ಮಾತ್ರ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>ಕೆಲವು ಪದಗಳು ಮಾತ್ರವಾದರೆ, ಮುಂದೆ ಅವನ್ನು ಆಯ್ಕೆಮಾಡುವಿರಿ.</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>ತೋರಿಸಬೇಕಾದ ಪದಗಳು</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>ತೋರಿಸಬೇಕಾದ ಆರೂಢ ಪದಗಳು</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>ಪದ ಸಂಖ್ಯೆ 1 ರಿಂದ 12: 1 ಎಂದರೆ AL (ಆರೂಢ ಲಗ್ನ), 12 ಎಂದರೆ UL (ಉಪಪದ), 7 ಎಂದರೆ A7. 0 ಸ್ಥಾನವನ್ನು ಖಾಲಿ ಬಿಡುತ್ತದೆ.</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>ಉಪಗ್ರಹ ಗಣನೆಯ ಆಯ್ಕೆಗಳು</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>ಹಗಲು ಅಥವಾ ರಾತ್ರಿಯ ಭಾಗದಲ್ಲಿ ಉದಯ ಬಿಂದು</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>ಆರಂಭ</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>ಮಧ್ಯ</translation>
        </message>
        <message>
            <source>end</source>
            <translation>ಅಂತ್ಯ</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>ಗುಳಿಕ(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>ಮಾಂದಿ(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>ಕಾಲ, ಮೃತ್ಯು ಮೊದಲಾದವು(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>ಧೂಮ ಮತ್ತು ವ್ಯತೀಪಾತ</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>ವ್ಯತೀಪಾತ = 360 ಅಂಶ - ಧೂಮ</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>ವ್ಯತೀಪಾತ = ಧೂಮ + 53 ಅಂಶ 20 ಕಲೆ</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>ಸಂಬಂಧ(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>ಕಾಲ, ಮೃತ್ಯು ಮೊದಲಾದವು:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>ಹೋರಾ ಚಕ್ರದ ಆದ್ಯತೆ</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>ಕರ್ಕಾಟಕ-ಸಿಂಹ (ಪ್ರಮಾಣಿತ)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>ರಾಶಿಚಕ್ರ ಎರಡು ಬಾರಿ (ಪರಿವೃತ್ತಿ ದ್ವಯ)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>ಹೋರಾ ಚಕ್ರ (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>ಎಫಿಮೆರಿಸ್</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>ಸಾಂಪ್ರದಾಯಿಕ (ಒಳಗೊಂಡ ಸಿದ್ಧಾಂತ)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್ (ಒಂದು ವಿಕಲೆಯೊಳಗೆ)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>ರಾಹು ನಿಜ ಪಾತದಿಂದ (ಇಲ್ಲದಿದ್ದರೆ ಸರಾಸರಿ ಪಾತ)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>ಸ್ಥಾನಗಳು ಇದರಿಂದ(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>ಒಂದು ಜಾತಕ ಕಿಟಕಿ ತನ್ನ ಜಾತಕಕ್ಕೆ ಇನ್ನೊಂದು ಗಣನೆ ಬಳಸಬಹುದು: ಜಾತಕಗಳು &gt;&gt; ಈ ಜಾತಕಕ್ಕೆ ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್.</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>ಮುದ್ರಣದ ಆದ್ಯತೆಗಳು</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>ಕಪ್ಪು ಬಿಳುಪಿನಲ್ಲಿ ಮುದ್ರಿಸು(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>ಸೇರಿಸಬೇಕಾದವು (ಪ್ರತಿಯೊಂದು ಒಂದು ಪುಟ)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>ಸ್ಥಳ ನಮೂದಿಸಿ</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>ಈಗಿನ ಕ್ಷಣದ ಜಾತಕಗಳ ಸ್ಥಳ</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>ಸಮಯ ವಲಯ(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>ರೇಖಾಂಶ(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>ಅಕ್ಷಾಂಶ(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>ಸ್ಥಳ ಹುಡುಕಾಟ ಇಲ್ಲ (ಸ್ಥಳ ಕೋಷ್ಟಕ ಇಲ್ಲ)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1. ಕೆಳಗೆ ವಲಯ ನಮೂದಿಸಿ.</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite ಬಗ್ಗೆ....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
ಆವೃತ್ತಿ 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>ವೈದಿಕ ಜ್ಯೋತಿಷ ತಂತ್ರಾಂಶ</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>ಹಕ್ಕುಸ್ವಾಮ್ಯ © Meruvan.
GNU Affero General Public License, ಆವೃತ್ತಿ 3 ಅಥವಾ ನಂತರದ (AGPL-3.0-or-later) ಅಡಿಯಲ್ಲಿ ಪರವಾನಗಿ. Orvane Lite ನಿಖರ ಸ್ಥಾನಗಳಿಗೆ ಬಳಸುವ ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್ AGPL-3.0 ಅಡಿಯಲ್ಲಿ ಪರವಾನಗಿ ಪಡೆದಿದೆ.</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>ಸ್ಥಳಗಳ ಹೆಸರು ಮತ್ತು ಸ್ಥಾನ: GeoNames (geonames.org), Creative Commons Attribution 4.0 ಅಡಿಯಲ್ಲಿ.
ಸಮಯ ವಲಯಗಳ ಗಡಿಗಳು: timezone-boundary-builder, Open Database License (ODbL) ಅಡಿಯಲ್ಲಿ.
ಸಮಯ ವಲಯಗಳ ಇತಿಹಾಸ: ಈ ಸಿಸ್ಟಂನ IANA tz ದತ್ತಸಂಚಯ.</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>ಶೀರ್ಷಿಕೆ(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>ಒಂದು ಚಕ್ರ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>ಎರಡು ಚಕ್ರ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>ಮೊದಲ ಚಕ್ರ</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>ಎರಡನೇ ಚಕ್ರ</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>ಈಗಿನ ನೋಟ ಬಿಟ್ಟು ಎರಡು ದೊಡ್ಡ ಚಕ್ರ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>ಮಹಾದಶೆ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>ಇದರ ಮಹಾದಶೆಯಲ್ಲಿ ಪ್ರತ್ಯಂತರ್ದಶೆಗಳು:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>ತಾಜಿಕ ವರ್ಷ ಜಾತಕ</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>ಈ ವರ್ಷದ ವರ್ಷ ಜಾತಕ (ವರ್ಷ ಚಕ್ರ):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>ಮಾಸ ಜಾತಕ ಬೇಕು!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>ತಾಜಿಕ ಮಾಸ ಜಾತಕ</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>ತಿಂಗಳು (ಮೊದಲ ತಿಂಗಳು ಹುಟ್ಟುಹಬ್ಬದಂದು ಆರಂಭ):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>ಹೋರಾ ಜಾತಕ ಬೇಕು!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>ತಾಜಿಕ ಹೋರಾ ಜಾತಕ</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>ತಿಂಗಳ ಹೋರಾ ಕಾಲ (1 ರಿಂದ 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>ನಿ</translation>
        </message>
        <message>
            <source>h</source>
            <translation>ಗಂ</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>ಅಂಶ</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>ಕೆಪಿ ಮತ್ತು ಭಾವಗಳು(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>ಒಂದು ಭಾವ ಪದ್ಧತಿಯ ಭಾವಾರಂಭಗಳನ್ನು ಅವುಗಳ ಕೆಪಿ ಅಧಿಪತಿಗಳು ಮತ್ತು ಕಾರಕಗಳೊಂದಿಗೆ, ಭಾವ ಚಲಿತ ಚಕ್ರದೊಂದಿಗೆ ತೋರಿಸು</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>ಜನ್ಮ ಸಮಯ(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>ಕೆಪಿ (ಹೊಸ) ಅಯನಾಂಶ</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>ಲಗ್ನ, ವರ್ಗ ಲಗ್ನಗಳು ಅಥವಾ ಭಾವಾರಂಭದ ಉಪ ಅಧಿಪತಿಗಳು ಬದಲಾಗುವ ಮುನ್ನ ಜನ್ಮ ಸಮಯ ಎಷ್ಟು ಸರಿಯಬಹುದು ಎಂದು ತೋರಿಸಿ, ಸಮಯ ಸರಿಸಿ ಜಾತಕ ಮತ್ತೆ ಹಾಕು</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>ಬಲಗಳು ಚಾರ್ಟ್ ಆಗಿ(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>ಷಡ್ಬಲ, ಭಾವ ಬಲ ಮತ್ತು ಸರ್ವಾಷ್ಟಕವರ್ಗವನ್ನು ಕೋಷ್ಟಕ ಮತ್ತು ಪಟ್ಟಿ ಚಾರ್ಟ್‌ಗಳಾಗಿ ತೋರಿಸು; ಚಿತ್ರವಾಗಿ ಉಳಿಸಲು ಅಥವಾ ಮುದ್ರಿಸಲು</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>ಷಡ್ಬಲ</translation>
        </message>
        <message>
            <source>required</source>
            <translation>ಅಗತ್ಯ</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>ರೂಪ</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>ಭಾವ ಬಲ</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>ಸರ್ವಾಷ್ಟಕವರ್ಗ</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, ಸರಾಸರಿ</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>ಬಿಂದುಗಳು</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>ಜನವರಿ</translation>
        </message>
        <message>
            <source>February</source>
            <translation>ಫೆಬ್ರವರಿ</translation>
        </message>
        <message>
            <source>March</source>
            <translation>ಮಾರ್ಚ್</translation>
        </message>
        <message>
            <source>April</source>
            <translation>ಏಪ್ರಿಲ್</translation>
        </message>
        <message>
            <source>May</source>
            <translation>ಮೇ</translation>
        </message>
        <message>
            <source>June</source>
            <translation>ಜೂನ್</translation>
        </message>
        <message>
            <source>July</source>
            <translation>ಜುಲೈ</translation>
        </message>
        <message>
            <source>August</source>
            <translation>ಆಗಸ್ಟ್</translation>
        </message>
        <message>
            <source>September</source>
            <translation>ಸೆಪ್ಟೆಂಬರ್</translation>
        </message>
        <message>
            <source>October</source>
            <translation>ಅಕ್ಟೋಬರ್</translation>
        </message>
        <message>
            <source>November</source>
            <translation>ನವೆಂಬರ್</translation>
        </message>
        <message>
            <source>December</source>
            <translation>ಡಿಸೆಂಬರ್</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>ಭಾನು</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>ಸೋಮ</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>ಮಂಗಳ</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>ಬುಧ</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>ಗುರು</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>ಶುಕ್ರ</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>ಶನಿ</translation>
        </message>
        <message>
            <source>today</source>
            <translation>ಇಂದು</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>ಕಡತದ ಹೆಸರು(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>ಕಡತದ ಬಗೆ:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>ಇಲ್ಲಿ ನೋಡು:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>ತೆರೆ(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>ಉಳಿಸು(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ರದ್ದುಮಾಡು</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 ವ %2 ತಿ %3 ದಿ</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>ಜನನದಲ್ಲಿ ಶೇಷ: %1, %2.</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>ಮಹಾದಶೆ, ಅಂತರ್ದಶೆ ಮತ್ತು ಪ್ರತ್ಯಂತರ್ದಶೆಗಳು.</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>ಮಹಾದಶೆಗಳು ಮತ್ತು ಉಪ ಕಾಲಗಳು.</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>ರಾಶಿಗಳು: ಮಹಾದಶೆಗಳು ಮತ್ತು ಉಪ ಕಾಲಗಳು.</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (ಜೈಮಿನಿ)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 ರಿಂದ, %2; ಮಹಾದಶೆ ಮತ್ತು ಅಂತರ್ದಶೆಗಳು.</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>ಮುಂದಕ್ಕೆ</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>ಹಿಂದಕ್ಕೆ</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 ಕ್ಕಿಂತ ಹೆಚ್ಚು</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>ಸರಿ</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ರದ್ದುಮಾಡು</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>ಮುಚ್ಚು</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>ತ್ಯಜಿಸು</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>ಉಳಿಸಬೇಡ</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>ಅನ್ವಯಿಸು</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>ಸಹಾಯ</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>ಹೌದು(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>ಇಲ್ಲ(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>ತೆರೆ</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>ಮರುಹೊಂದಿಸು</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>ಪೂರ್ವನಿಯೋಜಿತಕ್ಕೆ ಮರಳಿಸು</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>ಮುದ್ರಿಸು</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>ಮುದ್ರಣ ಮುನ್ನೋಟ</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>ಮುಚ್ಚು</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>ರವಿ</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>ಚಂದ್ರ</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>ಕುಜ</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>ಬುಧ</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>ಗುರು</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>ಶುಕ್ರ</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>ಶನಿ</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>ರಾಹು</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>ಕೇತು</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>ಮೇಷ</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>ವೃಷಭ</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>ಮಿಥುನ</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>ಕರ್ಕಾಟಕ</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>ಸಿಂಹ</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>ಕನ್ಯಾ</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>ತುಲಾ</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>ವೃಶ್ಚಿಕ</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>ಧನು</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>ಮಕರ</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>ಕುಂಭ</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>ಮೀನ</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>ಅಶ್ವಿನಿ</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>ಭರಣಿ</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>ಕೃತ್ತಿಕಾ</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>ರೋಹಿಣಿ</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>ಮೃಗಶಿರ</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>ಆರ್ದ್ರಾ</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>ಪುನರ್ವಸು</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>ಪುಷ್ಯ</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>ಆಶ್ಲೇಷ</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>ಮಘ</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>ಪೂರ್ವಾ ಫಲ್ಗುಣಿ</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>ಉತ್ತರಾ ಫಲ್ಗುಣಿ</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>ಹಸ್ತ</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>ಚಿತ್ತಾ</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>ಸ್ವಾತಿ</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>ವಿಶಾಖ</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>ಅನುರಾಧ</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>ಜ್ಯೇಷ್ಠ</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>ಮೂಲ</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>ಪೂರ್ವಾಷಾಢ</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>ಉತ್ತರಾಷಾಢ</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>ಶ್ರವಣ</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>ಧನಿಷ್ಠ</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>ಶತಭಿಷ</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>ಪೂರ್ವಾಭಾದ್ರ</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>ಉತ್ತರಾಭಾದ್ರ</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>ರೇವತಿ</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>ರಾಶಿ</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>ಹೋರಾ</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>ದ್ರೇಕ್ಕಾಣ</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>ಚತುರ್ಥಾಂಶ</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>ಪಂಚಮಾಂಶ</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>ಷಷ್ಠಾಂಶ</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>ಸಪ್ತಮಾಂಶ</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>ಅಷ್ಟಮಾಂಶ</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>ನವಾಂಶ</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>ದಶಾಂಶ</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>ರುದ್ರಾಂಶ</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>ದ್ವಾದಶಾಂಶ</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>ಷೋಡಶಾಂಶ</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>ವಿಂಶಾಂಶ</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>ಚತುರ್ವಿಂಶಾಂಶ</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>ನಕ್ಷತ್ರಾಂಶ</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>ತ್ರಿಂಶಾಂಶ</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>ಖವೇದಾಂಶ</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>ಅಕ್ಷವೇದಾಂಶ</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>ಷಷ್ಟ್ಯಂಶ</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>ಲ</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>ರ</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>ಚಂ</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>ಕು</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>ಬು</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>ಗು</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>ಶು</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>ಶ</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>ರಾ</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>ಕೇ</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(ವ)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>ಗೋಚಾರ</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>ಮಹಾದಶೆ</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>ಅಂತರ್ದಶೆ</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>ಪ್ರತ್ಯಂತರ್ದಶೆ</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>ಷಷ್ಟ್ಯಂಶ</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>ವಿಂಶೋತ್ತರಿ</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>ಕಾಲಚಕ್ರ</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>ಚರ</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>ನಾರಾಯಣ</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>ಸ್ಥಿರ</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>ಶೂಲ</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>ನಿರ್ಯಾಣ ಶೂಲ</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>ದೃಕ್</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>ಯೋಗಿನಿ</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>ಅಷ್ಟೋತ್ತರಿ</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>ತಿಥಿ ಯೋಗಿನಿ</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>ತಿಥಿ ಅಷ್ಟೋತ್ತರಿ</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>ದ್ವಿಸಪ್ತತಿ ಸಮ</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>ಷಟ್‌ತ್ರಿಂಶತ್ ಸಮ</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>ದ್ವಾದಶೋತ್ತರಿ</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>ಚತುರಶೀತಿ ಸಮ</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>ಶತಾಬ್ದಿಕ</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>ಷೋಡಶೋತ್ತರಿ</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>ಪಂಚೋತ್ತರಿ</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>ಪಾಡ್ಯ</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>ಬಿದಿಗೆ</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>ತದಿಗೆ</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>ಚೌತಿ</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>ಪಂಚಮಿ</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>ಷಷ್ಠಿ</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>ಸಪ್ತಮಿ</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>ಅಷ್ಟಮಿ</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>ನವಮಿ</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>ದಶಮಿ</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>ಏಕಾದಶಿ</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>ದ್ವಾದಶಿ</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>ತ್ರಯೋದಶಿ</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>ಚತುರ್ದಶಿ</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>ಹುಣ್ಣಿಮೆ</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>ಅಮಾವಾಸ್ಯೆ</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>ವಿಷ್ಕಂಭ</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>ಪ್ರೀತಿ</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>ಆಯುಷ್ಮಾನ್</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>ಸೌಭಾಗ್ಯ</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>ಶೋಭನ</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>ಅತಿಗಂಡ</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>ಸುಕರ್ಮ</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>ಧೃತಿ</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>ಶೂಲ</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>ಗಂಡ</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>ವೃದ್ಧಿ</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>ಧ್ರುವ</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>ವ್ಯಾಘಾತ</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>ಹರ್ಷಣ</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>ವಜ್ರ</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>ಸಿದ್ಧಿ</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>ವ್ಯತೀಪಾತ</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>ವರೀಯಾನ್</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>ಪರಿಘ</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>ಶಿವ</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>ಸಿದ್ಧ</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>ಸಾಧ್ಯ</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>ಶುಭ</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>ಶುಕ್ಲ</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>ಬ್ರಹ್ಮ</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>ಐಂದ್ರ</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>ವೈಧೃತಿ</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>ಶುಕ್ಲ</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>ಕೃಷ್ಣ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>ದಯವಿಟ್ಟು ಗರಿಷ್ಠ 16 ಡಿಗ್ರಿ 40 ಕಲೆ (1000 ಕಲೆ) ವ್ಯತ್ಯಾಸವನ್ನು ನಮೂದಿಸಿ.</translation>
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
ಜನಸಂಖ್ಯೆ %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: ಜಾರಿಯಲ್ಲಿರುವ ವ್ಯತ್ಯಾಸ ತಿಳಿಯಲು ದಿನಾಂಕ ಮತ್ತು ಸಮಯ ನಮೂದಿಸಿ.</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>ಎರಡನೇ ಬಾರಿ ಬರುವ ಸಮಯ ತೆಗೆದುಕೊಳ್ಳಿ (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>ವಲಯದ ನಗರದ %1. ಸ್ಥಳದ ಸ್ವಂತ ಸ್ಥಳೀಯ ಸರಾಸರಿ ಸಮಯ %2 ಬಳಸಲಾಗಿದೆ.</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>ಈ ಮೌಲ್ಯಗಳಿಂದ ಸರಿಯಾದ ಜಾತಕ ಆಗುವುದಿಲ್ಲ: %1.</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>ಅಂಶ</translation>
        </message>
        <message>
            <source>min</source>
            <translation>ನಿ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>ಸ್ವಿಸ್ ಎಫಿಮೆರಿಸ್</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>ಕಾಲ</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>ಆರಂಭ</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>ಅಂತ್ಯ</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>ವಯಸ್ಸು</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>ಕಾಲ ಆರಂಭವಾಗುವಾಗ ಜಾತಕನ ವಯಸ್ಸು (ವರ್ಷಗಳಲ್ಲಿ)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>ದಶೆ(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>ಇಂದು (%1) ನಡೆಯುತ್ತಿರುವವು ಎದ್ದು ಕಾಣುತ್ತವೆ. ಮೇಲೆ, ಕೆಳಗೆ ಚಲಿಸುತ್ತವೆ; ಬಲ ಕಾಲವನ್ನು ತೆರೆಯುತ್ತದೆ, ಎಡ ಮುಚ್ಚುತ್ತದೆ.</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 ದಶೆ - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>ಇಂದು ನಡೆಯುತ್ತಿದೆ</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>ಜನನಕ್ಕೆ ಮುಂಚೆ ಮುಗಿದಿದೆ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>ಭಾಷೆ</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>ಸಿಸ್ಟಂ ಭಾಷೆ</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>ಜಾತಕಗಳಲ್ಲಿ ಲ್ಯಾಟಿನ್ ಸಂಕ್ಷೇಪಗಳು (Su, Mo, Ma)(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>ಭಾಷೆ(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>ಜಾತಕಗಳು ತಕ್ಷಣ ಬದಲಾಗುತ್ತವೆ; ಮೆನು ಮತ್ತು ಸಂವಾದಗಳು Orvane Lite ಮತ್ತೆ ಆರಂಭಿಸಿದಾಗ ಬದಲಾಗುತ್ತವೆ.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>ಹೊಸದು (ಈಗಿನ ಪ್ರಶ್ನೆ)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>ಪೂರ್ವನಿಯೋಜಿತ ಸ್ಥಳದಲ್ಲಿ ಈ ಕ್ಷಣದ ಜಾತಕ ಹಾಕಿ</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>ತೆರೆ(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>ಉಳಿಸಿದ ಜಾತಕ ತೆರೆ</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>ಮುಚ್ಚು(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>ಜಾತಕ ಮುಚ್ಚು</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>ಉಳಿಸು(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>ಜಾತಕ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>ಹೀಗೆ ಉಳಿಸು(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>ಜಾತಕವನ್ನು ಹೊಸ ಹೆಸರಿನಲ್ಲಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>ಮುದ್ರಣ ಹೊಂದಿಕೆ(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>ಮುದ್ರಕ ಮತ್ತು ಪುಟ ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>ನಿರ್ಗಮಿಸು(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite ಮುಚ್ಚು</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>ಜನ್ಮ ವಿವರ ತಿದ್ದು(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>ಜಾತಕದ ದಿನಾಂಕ, ಸಮಯ, ಸ್ಥಳ ಬದಲಿಸಿ</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>ಹೊಸ ಕಿಟಕಿ(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>ಈ ಜಾತಕಕ್ಕೆ ಇನ್ನೊಂದು ಕಿಟಕಿ ತೆರೆ</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>ಮೆಟ್ಟಿಲಾಗಿ ಜೋಡಿಸು(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>ಪಕ್ಕಪಕ್ಕ ಜೋಡಿಸು(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ಕಡತ(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>ಸಂಗ್ರಹದಲ್ಲಿ ಉಳಿಸು(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>ಸಕ್ರಿಯ ಜಾತಕವನ್ನು ಜಾತಕ ಸಂಗ್ರಹದಲ್ಲಿ ಇಡು</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>ತಿದ್ದು(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>ಜಾತಕಗಳು(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>ಹೊಂದಾಣಿಕೆ(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>ಗೋಚಾರ(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>ಇನ್ನೊಂದು ಜಾತಕ ಕಡತದೊಂದಿಗೆ ಅಷ್ಟಕೂಟ ಹೊಂದಾಣಿಕೆ ಮತ್ತು ಕುಜ ದೋಷ ಪರೀಕ್ಷೆ</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>ಆಯ್ದ ಕ್ಷಣದ ಗ್ರಹಗಳು ಈ ಜಾತಕದೊಂದಿಗೆ, ಮತ್ತು ಅದರ ಸಾಡೇಸಾತಿ ಕಾಲಗಳು</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>ಜಾತಕ ಸಂಗ್ರಹ(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>ಜಾತಕ ಸಂಗ್ರಹದ ಜಾತಕಗಳು: ಹುಡುಕು, ಗುರುತಿಸು, ತೆರೆ</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>ದಶೆಗಳು(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>ತಾಜಿಕ(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>ವರದಿಗಳು(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>ಆದ್ಯತೆಗಳು(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>ಜಾತಕ ಶೈಲಿ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>ಅಯನಾಂಶ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>ವರ್ಷದ ದಿನಗಳು(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>ವಿಶೇಷ ಲಗ್ನ ಮತ್ತು ಉಪಗ್ರಹ ಪ್ರದರ್ಶನ(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>ಉಪಗ್ರಹ ಗಣನೆಯ ಆಯ್ಕೆಗಳು(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>ಹೋರಾ ಚಕ್ರ(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>ಮುದ್ರಣದಲ್ಲಿ ಸೇರಿಸಬೇಕಾದವು(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>ಪೂರ್ವನಿಯೋಜಿತ ಸ್ಥಳ(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>ಎಫಿಮೆರಿಸ್(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>ಭಾಷೆ(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>ನೋಟ(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>ಸ್ಥಿತಿ ಪಟ್ಟಿ(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>ಕಿಟಕಿ(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>ಸಹಾಯ(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>ಬಳಕೆ ಮಾರ್ಗದರ್ಶಿ(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite ಕಿರು ಮಾರ್ಗದರ್ಶಿ</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite ಬಗ್ಗೆ(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>ಪ್ರಮಾಣಿತ</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>ಉಪಕರಣ ಪಟ್ಟಿ(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" ಉಳಿಸಲಾಗಿದೆ.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" ಕಡತ ತೆರೆಯಲಾಗದು.

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>ತೆರೆ</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>ಎಫಿಮೆರಿಸ್: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>ಜಾತಕಗಳಲ್ಲಿ ತೋರಿಸುವ ವಿಶೇಷ ಲಗ್ನ, ಉಪಗ್ರಹ, ಪದಗಳನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>ಪಂಚಾಂಗ ಕ್ಯಾಲೆಂಡರ್(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>ಒಂದು ಸ್ಥಳದಲ್ಲಿ ತಿಂಗಳ ಪ್ರತಿ ದಿನದ ಪಂಚಾಂಗ, ಹಬ್ಬಗಳೊಂದಿಗೆ</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" ಸರಿಯಾದ ಜಾತಕ ಕಡತವಲ್ಲ; ಅದನ್ನು ಬದಲಿಸಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>ಹೀಗೆ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>ಜಾತಕ ಉಳಿಸಲಾಗಲಿಲ್ಲ.

%1

ಜಾತಕ ಇನ್ನೂ ತೆರೆದಿದೆ, ಬದಲಾಗಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 ರಲ್ಲಿನ ಬದಲಾವಣೆಗಳನ್ನು ಉಳಿಸಬೇಕೆ?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>ಅಮಾನ್ಯ ಕಡತ</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>ಅಯ್ಯೋ, ನೀವು ತೆರೆಯಲು ಯತ್ನಿಸಿದ ಕಡತ ಸರಿಯಾದ "Orvane" ದತ್ತಾಂಶ ಕಡತವಲ್ಲ.

ಬದಲಿಗೆ ಈಗಿನ ಸಮಯದ ಜಾತಕ ಹಾಕಲಾಗುವುದು.</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" ಜಾತಕವನ್ನು ಗಣಿಸಲಾಗಲಿಲ್ಲ.

%2

ಅದರ ಜನ್ಮ ವಿವರ ಸರಿಪಡಿಸಿ (ತಿದ್ದು &gt; ಜನ್ಮ ವಿವರ ತಿದ್ದು). ಜಾತಕದ ಕಿಟಕಿ ತೆರೆದೇ ಇರುತ್ತದೆ; ಏನೂ ಕಳೆದುಹೋಗಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>ಈಗ ನಡೆಯುತ್ತಿರುವುದು</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;ವಿಂಶೋತ್ತರಿ ದಶೆ&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 ರವರೆಗೆ</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>ಇಂದು ಯಾವ ಕಾಲವೂ ನಡೆಯುತ್ತಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;ಈಗಿನ ಗೋಚಾರ&lt;/b&gt;, %1 ರಲ್ಲಿನ ಜನ್ಮ ಚಂದ್ರನಿಂದ</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>ಗ್ರಹ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>ಸ್ಥಾನ</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ಭಾವ</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>ಅನುಕೂಲ</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 ಇಂದ ವೇಧೆ</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>ಭಾವಗಳನ್ನು ಜನ್ಮ ಚಂದ್ರನ ರಾಶಿಯಿಂದ ಎಣಿಸಲಾಗಿದೆ.</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>ವರ್ಷ ಜಾತಕ %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>ಮಾಸ ಜಾತಕ %1, ತಿಂಗಳು %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>ಹೋರಾ ಜಾತಕ %1, ತಿಂಗಳು %2, ಹೋರಾ %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>ಜನ್ಮ ಜಾತಕ</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite ಈಗಾಗಲೇ ಚಾಲನೆಯಲ್ಲಿದೆ.</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite ಈಗಾಗಲೇ ಚಾಲನೆಯಲ್ಲಿದೆ, ಆದರೆ ಉತ್ತರಿಸಲಿಲ್ಲ.

"%1" ಅನ್ನು ಅದರ ಕಡತ ಮೆನುವಿನಿಂದ ತೆರೆಯಿರಿ.</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>ನಿಮ್ಮ ಆದ್ಯತೆಗಳನ್ನು "%1" ಇಂದ ಓದಲಾಗದು.

%2

Orvane Lite ಸದ್ಯಕ್ಕೆ ಪೂರ್ವನಿಯೋಜಿತ ಆದ್ಯತೆಗಳನ್ನು ಬಳಸುತ್ತದೆ ಮತ್ತು ಆ ಕಡತವನ್ನು ಹಾಗೆಯೇ ಬಿಡುತ್ತದೆ. ಕಡತ ಮತ್ತೆ ಓದಲು ಸಾಧ್ಯವಾಗುವವರೆಗೆ ನೀವು ಬದಲಿಸುವ ಆದ್ಯತೆಗಳು ಉಳಿಯುವುದಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>ನಿಮ್ಮ ಆದ್ಯತೆಗಳನ್ನು "%1" ರಲ್ಲಿ ಉಳಿಸಲಾಗಲಿಲ್ಲ.

%2

Orvane Lite ಮುಚ್ಚುವವರೆಗೆ ಅವು ಜಾರಿಯಲ್ಲಿರುತ್ತವೆ.</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>ಭಾಷೆ</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 ಗಾಗಿ ಯಾವುದೇ ಅಕ್ಷರಶೈಲಿ ಸ್ಥಾಪಿತವಾಗಿಲ್ಲ (Debian ಪ್ಯಾಕೇಜ್ fonts-noto-core), ಆದ್ದರಿಂದ Orvane Lite ಇಂಗ್ಲಿಷಿನಲ್ಲೇ ಇರುತ್ತದೆ.</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>ಯಾವುದೂ ಇಲ್ಲ</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>ಕೆಪಿ ಪ್ರಶ್ನ ಸಂಖ್ಯೆ 1..249: ಆ ಉಪದ ಆರಂಭವನ್ನು ಲಗ್ನವಾಗಿ ಹೊಂದಿದ ಭಾವಾರಂಭಗಳು</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>ಭಾವ ಪದ್ಧತಿ(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>ಪ್ರಶ್ನ ಸಂಖ್ಯೆ(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>ಭಾವ ಚಲಿತ ಚಕ್ರ</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>ಭಾವಾರಂಭಗಳ ಕೆಪಿ ಅಧಿಪತಿಗಳು</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>ಭಾವಾರಂಭ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>ಸ್ಥಾನ</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>ರಾಶಿ ಅಧಿಪತಿ</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>ನಕ್ಷತ್ರ ಅಧಿಪತಿ</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>ಉಪ ಅಧಿಪತಿ</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>ಉಪ-ಉಪ ಅಧಿಪತಿ</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>ಗ್ರಹಗಳ ಕೆಪಿ ಅಧಿಪತಿಗಳು</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ಗ್ರಹ</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ಭಾವ</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>ಭಾವಗಳ ಕಾರಕಗಳು</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>ಹಂತ 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>ಹಂತ 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>ಹಂತ 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>ಹಂತ 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>ಗ್ರಹಗಳ ಕಾರಕತ್ವ</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>ಭಾವದಲ್ಲಿರುವ ಗ್ರಹಗಳ ನಕ್ಷತ್ರಗಳಲ್ಲಿರುವ ಗ್ರಹಗಳು</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>ಭಾವದಲ್ಲಿರುವ ಗ್ರಹಗಳು</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>ಭಾವಾಧಿಪತಿಯ ನಕ್ಷತ್ರದಲ್ಲಿರುವ ಗ್ರಹಗಳು</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>ಭಾವಾಧಿಪತಿ</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>ಇದರ ನಕ್ಷತ್ರ ಅಧಿಪತಿ ಇರುವ ಭಾವ</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>ಇದು ಇರುವ ಭಾವ</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>ಇದರ ನಕ್ಷತ್ರ ಅಧಿಪತಿಯ ಆಧಿಪತ್ಯದ ಭಾವಗಳು</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>ಇದರ ಆಧಿಪತ್ಯದ ಭಾವಗಳು (ರಾಹು ಮತ್ತು ಕೇತು: ಅವುಗಳ ರಾಶಿ ಅಧಿಪತಿಯವು)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>ರಾಹು ಮತ್ತು ಕೇತು ತಮ್ಮ ರಾಶಿ ಅಧಿಪತಿಯ ಭಾವಗಳ ಅಧಿಪತಿಗಳು</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>ಹಂತ 1: ಭಾವದಲ್ಲಿರುವವುಗಳ ನಕ್ಷತ್ರಗಳಲ್ಲಿ · 2: ಭಾವದಲ್ಲಿರುವವು
3: ಅಧಿಪತಿಯ ನಕ್ಷತ್ರದಲ್ಲಿ · 4: ಅಧಿಪತಿ</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>ಹಂತ 1: ನಕ್ಷತ್ರ ಅಧಿಪತಿಯ ಭಾವ · 2: ತನ್ನ ಭಾವ
3: ನಕ್ಷತ್ರ ಅಧಿಪತಿಯ ಭಾವಗಳು · 4: ತನ್ನ ಭಾವಗಳು</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>ಭಾವಾರಂಭಗಳು(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>ಗ್ರಹಗಳು(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>ಭಾವ ಕಾರಕಗಳು(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>ಗ್ರಹ ಕಾರಕತ್ವ(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>ಕೆಪಿ ಮತ್ತು ಭಾವಗಳು - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>ಪ್ರಶ್ನ ಸಂಖ್ಯೆ %1 ರ ಪ್ಲಾಸಿಡಸ್ ಭಾವಾರಂಭಗಳು</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 ಭಾವಾರಂಭಗಳು</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, ಜಾತಕದ ಅಯನಾಂಶದಿಂದ ನಿರಯನ.</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>ಭಾವ ಚಲಿತ (ಪ್ರಶ್ನ %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>ಭಾವ ಚಲಿತ (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (ವ)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>ಜಾತಕದ ಕ್ಷಣದ ಆಳುವ ಗ್ರಹಗಳು: ವಾರ ಅಧಿಪತಿ %1; ಲಗ್ನ ರಾಶಿ ಅಧಿಪತಿ %2, ನಕ್ಷತ್ರ ಅಧಿಪತಿ %3; ಚಂದ್ರ ರಾಶಿ ಅಧಿಪತಿ %4, ನಕ್ಷತ್ರ ಅಧಿಪತಿ %5.</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>ಸಂಗ್ರಹ ತೆರೆಯಲಾಗದು: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n ಜಾತಕಗಳು. ಸೇರಿಸಲು ಜಾತಕ ಕಡತಗಳನ್ನು ಇಲ್ಲಿಗೆ ಎಳೆಯಿರಿ.</numerusform>
                <numerusform>%1: %n ಜಾತಕಗಳು. ಸೇರಿಸಲು ಜಾತಕ ಕಡತಗಳನ್ನು ಇಲ್ಲಿಗೆ ಎಳೆಯಿರಿ.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>ಪ್ರಶ್ನೆ: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n ರಲ್ಲಿ %1 ಜಾತಕಗಳು</numerusform>
                <numerusform>%n ರಲ್ಲಿ %1 ಜಾತಕಗಳು</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>ಘಟನೆ ಎಂದರೆ ಬಗೆ, ದಿನಾಂಕ ಮತ್ತು ಟಿಪ್ಪಣಿ: marriage 1995-05-01 in Chennai.</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>ಸೇರಿಸಲಿಲ್ಲ: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>ಘಟನೆ ಸೇರಿಸಲಾಗಿದೆ.</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>ಉಳಿಸಲಿಲ್ಲ: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 ರ ಗುರುತುಗಳು ಮತ್ತು ಟಿಪ್ಪಣಿಗಳು ಉಳಿದಿವೆ.</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: ಈ ಜನ್ಮ ವಿವರದಿಂದ ಜಾತಕ ಹಾಕಲಾಗದು.</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 ಸಂಗ್ರಹಕ್ಕೆ ಸೇರಿಸಲಾಗಿದೆ.</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>ಹೊಂದಾಣಿಕೆ - %1 ಮತ್ತು %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>ವರ: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>ವಧು: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>ಹೊಂದಾಣಿಕೆಯ ಒಂದು ಜಾತಕ ಹಾಕಲಾಗದು.</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>ಪಂಚಾಂಗ ಕ್ಯಾಲೆಂಡರ್</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>ಪೂರ್ವನಿಯೋಜಿತ ಸ್ಥಳ</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; ವರ್ಷ</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>ಒಂದು ವರ್ಷ ಹಿಂದಿನ ಇದೇ ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>ಹಿಂದಿನ ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>ತಿಂಗಳು &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>ಮುಂದಿನ ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>ವರ್ಷ &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>ಒಂದು ವರ್ಷ ನಂತರದ ಇದೇ ತಿಂಗಳು</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>ಇಂದು(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>ಇಂದಿನ ತಿಂಗಳಿಗೆ ಹಿಂತಿರುಗು</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>ಸ್ಥಳ(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN" ನಂತಹ ಸ್ಥಳ (ಖಾಲಿಯಾದರೆ ಪೂರ್ವನಿಯೋಜಿತ ಸ್ಥಳ)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>ಸ್ಥಳ ಹೊಂದಿಸು</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>ಮುದ್ರಿಸು(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>ರಫ್ತು(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>ತಿಂಗಳನ್ನು PDF ಕಡತ ಅಥವಾ PNG ಚಿತ್ರವಾಗಿ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 ರಲ್ಲಿ</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" ಎಂಬ ಸ್ಥಳವಿಲ್ಲ.</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>ಪಂಚಾಂಗ ಕ್ಯಾಲೆಂಡರ್ - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>ಯಾವುದೂ ಇಲ್ಲ</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>ಸೂರ್ಯೋದಯ</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>ಸೂರ್ಯಾಸ್ತ</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>ಚಂದ್ರೋದಯ</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>ಚಂದ್ರಾಸ್ತ</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 ರವರೆಗೆ</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>ತಿಥಿ</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>ನಕ್ಷತ್ರ</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>ಯೋಗ</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>ಕರಣ</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>ಅಧಿಕ %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>ಚಾಂದ್ರ ಮಾಸ</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (ಅಮಾಂತ), %2 (ಪೂರ್ಣಿಮಾಂತ)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>ವರ್ಷ</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 ಸಂವತ್ಸರ, ಶಕ %2, ವಿಕ್ರಮ %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ಋತು, ಅಯನ</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>ಉತ್ತರಾಯಣ</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>ದಕ್ಷಿಣಾಯನ</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>ಸಂಕ್ರಾಂತಿ</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>ಸೂರ್ಯ %2 ಕ್ಕೆ %1 ಪ್ರವೇಶಿಸುತ್ತಾನೆ</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>ರಾಹು ಕಾಲ</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>ಯಮಗಂಡ</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>ಗುಳಿಕ ಕಾಲ</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>ಅಭಿಜಿತ್</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>ಬ್ರಹ್ಮ ಮುಹೂರ್ತ</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>ದುರ್ಮುಹೂರ್ತ</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>ವರ್ಜ್ಯ</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>ಅಮೃತ ಕಾಲ</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>ಚೌಘಡಿಯಾ</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>ಪಂಚಾಂಗ: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>ಸೂರ್ಯೋದಯದ ತಿಥಿ ಮತ್ತು ನಕ್ಷತ್ರ; ಹಬ್ಬಗಳು %1 ರಲ್ಲಿ ಅವುಗಳ ತಿಥಿಯಂತೆ; ಗಡಿಯಾರದ ಸಮಯ %2 ರದು.</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>ಪೂರ್ವನಿಯೋಜಿತ ಸಮಯ ವಲಯ</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 ಬರೆಯಲಾಗದು.</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>ತಿಂಗಳನ್ನು ಮುದ್ರಿಸು</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>ಮುದ್ರಕ ಬಳಸಲಾಗದು.</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>ತಿಂಗಳನ್ನು ರಫ್ತು ಮಾಡು</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF ಕಡತ (*.pdf);;PNG ಚಿತ್ರ (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>ವರದಿ ವಿಭಾಗಗಳು - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>ಈ ಜಾತಕಕ್ಕೆ ಈ ವಿಭಾಗದಲ್ಲಿ ಪಠ್ಯವಿಲ್ಲ.</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite ಚಾಲನೆಯಲ್ಲಿರುವ ಪ್ರತಿಗೆ ಕಡತಗಳನ್ನು ಹಸ್ತಾಂತರಿಸದೆ ನಡೆಯುತ್ತಿದೆ: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>ಲಾಕ್ ಕಡತ "%1" ರಚಿಸಲಾಗದು.</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>ಎರಡನೇ ಆರಂಭದಿಂದ ಬರುವ ಕಡತಗಳನ್ನು ಪ್ರೋಗ್ರಾಂ ಸ್ವೀಕರಿಸಲಾಗದು: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ಷಡ್ಬಲ(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>ಭಾವ ಬಲ(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>ಸರ್ವಾಷ್ಟಕವರ್ಗ(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>ಪಟ್ಟಿ ಚಾರ್ಟ್</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>ಒಂದು ಕಾಲಂ ಶೀರ್ಷಿಕೆ ಒತ್ತಿ ಅದರಂತೆ ವಿಂಗಡಿಸಿ; ಸಾಲುಗಳನ್ನು ಆಯ್ದು Ctrl+C ಒತ್ತಿ ನಕಲಿಸಿ. ಗ್ರಹಕ್ಕೆ ಬೇಕಾದುದಕ್ಕಿಂತ (ಅಥವಾ 28 ಬಿಂದುಗಳಿಗಿಂತ) ಕಡಿಮೆ ಇರುವ ಪಟ್ಟಿಗಳು ಕಿತ್ತಳೆ ಬಣ್ಣದಲ್ಲಿವೆ.</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>ಚಿತ್ರ ಉಳಿಸು(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>ಮುದ್ರಿಸು(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>ಬಲಗಳು - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ಗ್ರಹ</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>ರೂಪ</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>ಅಗತ್ಯ</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>ಶೇಕಡಾ</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ಭಾವ</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>ರಾಶಿ</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>ಬಿಂದುಗಳು</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>ಸರಾಸರಿಯಿಂದ</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 ಬರೆಯಲಾಗದು.</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>ಬಲಗಳ ಚಾರ್ಟ್ ಉಳಿಸು</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG ಚಿತ್ರ (*.png);;SVG ಚಿತ್ರ (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>ಜನ್ಮ ಸಮಯವನ್ನು %1 ಸರಿಸು</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>ನಮೂದಿಸಿದ ಸಮಯಕ್ಕೆ ಹಿಂತಿರುಗು(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>ಜನ್ಮ ಸಮಯದ ಸರಿತ</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>ಪ್ರತಿ ಬಿಂದು ಬದಲಾಗುವ ಮುನ್ನ ಜನ್ಮ ಸಮಯ ಎಷ್ಟು ಸರಿಯಬಹುದು</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>ಬಿಂದು</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>ಈಗ</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>ಹಿಂದಕ್ಕೆ ಇಷ್ಟು ಉಳಿಯುತ್ತದೆ</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>ಮುಂದಕ್ಕೆ ಇಷ್ಟು ಉಳಿಯುತ್ತದೆ</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>ಜನ್ಮ ಸಮಯ %1 (ನಮೂದಿಸಿದ ಸಮಯದಿಂದ %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>ಜನ್ಮ ಸಮಯ - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: ಪ್ರತಿ ಬಿಂದು ಬದಲಾಗುವ ಮುನ್ನ ಜನ್ಮ ಸಮಯ ಎರಡೂ ಕಡೆ ಎಷ್ಟು ಸರಿಯಬಹುದು. ಗುಂಡಿಗಳು ಅಥವಾ ಸ್ಲೈಡರ್‌ನಿಂದ ಸಮಯ ಸರಿಸಿ; ಪ್ರತಿ ಹೆಜ್ಜೆಯಲ್ಲಿ ಜಾತಕದ ಕಿಟಕಿ ಮತ್ತೆ ಹಾಕಲಾಗುತ್ತದೆ.</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>ಜನ್ಮ ಜಾತಕ ಹಾಕಲಾಗದು.</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 ಗೋಚಾರದೊಂದಿಗೆ ಜನ್ಮ ರಾಶಿ ಚಕ್ರ, ಜನ್ಮ ಸಮಯ ವಲಯದಲ್ಲಿ (ಓರೆ ಅಕ್ಷರ, ಮುಂದೆ "t")</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (ಭಂಗ)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n ಯೋಗಗಳು (ಭಾವಗಳು ಲಗ್ನದಿಂದ ಪೂರ್ಣ ರಾಶಿಗಳಲ್ಲಿ). ಒಂದನ್ನು ಆಯ್ಕೆಮಾಡಿದರೆ ಅದು ಏಕೆ ಉಂಟಾಗುತ್ತದೆ ಎಂದು ಕಾಣುತ್ತದೆ; ಅದರ ಗ್ರಹಗಳು ಚಕ್ರದಲ್ಲಿ ಎದ್ದು ಕಾಣುತ್ತವೆ.</numerusform>
                <numerusform>%1 — %2: %n ಯೋಗಗಳು (ಭಾವಗಳು ಲಗ್ನದಿಂದ ಪೂರ್ಣ ರಾಶಿಗಳಲ್ಲಿ). ಒಂದನ್ನು ಆಯ್ಕೆಮಾಡಿದರೆ ಅದು ಏಕೆ ಉಂಟಾಗುತ್ತದೆ ಎಂದು ಕಾಣುತ್ತದೆ; ಅದರ ಗ್ರಹಗಳು ಚಕ್ರದಲ್ಲಿ ಎದ್ದು ಕಾಣುತ್ತವೆ.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>ಯೋಗಗಳು - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>ಗ್ರಹಗಳು: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>ಇದು ಏಕೆ ಉಂಟಾಗುತ್ತದೆ:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>ಇವುಗಳಿಂದ ಭಂಗ ಮತ್ತು ದುರ್ಬಲ:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>ಇವುಗಳಿಂದ ದುರ್ಬಲ:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>ನಿಯಮ: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>ಫಲ: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>ಪಾಠ: %1</translation>
        </message>
    </context>
</TS>
