<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Title:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>what is on the screen</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>basic calculations</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>all calculations</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source> pixels</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the disk is full</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Version 3.0</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation type="unfinished" />
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
            <translation type="unfinished" />
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chart library</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Search the library</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Born</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Place</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tags</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Charts of the library</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>client, family</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Open</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tags:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Notes:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Events:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ready</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Match with</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Close</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Strengths</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mundane charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Report sections</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Transits - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>- Year</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>- Month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>- Day</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>+ Day</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>+ Month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>+ Year</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Now</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Print the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Two charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the sahams</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Yoga</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Planets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Houses</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Date of birth</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Month:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Day:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Year:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Time of birth</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>AM</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>PM</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hours:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Minutes:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Seconds:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Time zone</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>East of GMT</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>West of GMT</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Place of birth</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>E</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>W</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>N</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>S</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>City:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Longitude:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Latitude:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose chart style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Add</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Subtract</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>beginning</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>middle</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>end</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ephemeris</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Enter Location</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>First chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Second chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>min</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>h</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>deg</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shadbala</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>required</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>rupas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bhava bala</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>28, the average</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>bindus</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>February</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>March</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>April</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>May</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>June</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>July</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>August</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>September</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>October</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>November</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>December</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sun</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mon</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tue</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Wed</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Thu</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fri</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sat</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>today</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Files of type:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Look in:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Open</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Save</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>forward</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>backward</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>more than %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Close</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Discard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Don't Save</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Apply</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Help</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;No</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Reset</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Print Preview</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Close</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Moon</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mars</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mercury</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Jupiter</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Venus</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Saturn</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rahu</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ketu</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Aries</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Taurus</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Gemini</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cancer</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Leo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Virgo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Libra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Scorpio</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sagittarius</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Capricorn</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Aquarius</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pisces</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Aswini</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bharani</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Krittika</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rohini</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mrigasira</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Aardra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Punarvasu</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pushyami</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Aasresha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Makha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>U.Pha.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hastha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chitra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Swathi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Visakha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Anuradha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Moola</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sravanam</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Satabhisham</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Revathi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rasi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hora</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Drekkana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Panchamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Saptamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Navamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dasamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rudramsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Asc</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Su</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ma</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Me</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ju</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ve</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rh</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ke</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>(R)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Transit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Mahadasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Antardasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vimsottari</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Kalachakra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chara</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Narayana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sthira</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shoola</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Drig</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Yogini</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ashtottari</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Satabdika</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shodasottari</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Panchottari</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Pratipada</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dwitiya</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tritiya</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chaturthi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Panchami</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shashthi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Saptami</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ashtami</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Navami</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dasami</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ekadasi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dwadasi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Trayodasi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Purnima</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Amavasya</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vishkambha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Priti</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ayushman</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Saubhagya</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sobhana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Atiganda</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sukarma</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dhriti</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Soola</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ganda</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vriddhi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dhruva</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vyaghata</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Harshana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vajra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Siddhi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vyatipata</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Variyan</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Parigha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Siva</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Siddha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sadhya</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Subha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sukla</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Brahma</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Indra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Shukla</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Krishna</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::CBirthDataDlg</name>
        <message>
            <source>%1, %2
%3° %4, %5° %6
population %7</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>deg</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>min</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Starts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ends</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Age</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Running today</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ended before birth</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The system's language</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Close</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Close the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Save</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;File</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;View</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Window</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Help</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Standard</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Open</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save As</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Running now</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>until %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No period runs today.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Graha</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>House</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>favourable</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>vedha by %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Birth chart</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Language</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cusp</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Position</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sign lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Star lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sub lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Planet</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>House</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level 1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level 2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level 3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level 4</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The house's occupants</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The house's lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The house it occupies</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 cusps</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source> (R)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation type="unfinished" />
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n chart. Drag chart files here to add them.</numerusform>
                <numerusform>%1: %n charts. Drag chart files here to add them.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation type="unfinished" />
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%1 of %n chart</numerusform>
                <numerusform>%1 of %n charts</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Not added: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Event added.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Groom: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bride: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the default location</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt; Month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The month before</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Month &gt;</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The month after</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The same month a year later</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Today</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Back to today's month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Set place</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>none</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sunrise</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>sunset</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Moonrise</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>moonset</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 until %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tithi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Nakshatra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Yoga</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Karana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Adhika %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Lunar month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Year</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Uttarayana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sankranti</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Yamaganda</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Abhijit</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Varjyam</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Choghadiya</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>the default zone</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Print the month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Export the month</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bar chart</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Planet</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rupas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Required</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Percent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>House</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Sign</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Bindus</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>From the average</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Birth time shift</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Point</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Now</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Stays back for</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Stays forward for</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation type="unfinished" />
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n yoga (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</numerusform>
                <numerusform>%1 — %2: %n yogas (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Planets: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Why it holds:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Weakened by:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Rule: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Effect: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Reading: %1</source>
            <translation type="unfinished" />
        </message>
    </context>
</TS>
