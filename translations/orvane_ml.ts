<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml_IN">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>ശീർഷകം നൽകുക</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>ശീർഷകം:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>ചക്രം വരയ്ക്കാനായില്ല.</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>ബിറ്റ്മാപ്പ് സൂക്ഷിക്കാനായില്ല.

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

അതിന്റെ ഫയൽ "%2".</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>സ്ക്രീനിലുള്ളത്</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>അടിസ്ഥാന ഗണനം</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>മുഴുവൻ ഗണനം</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 ലളിത ടെക്സ്റ്റായി ക്ലിപ്ബോർഡിലേക്ക് പകർത്തി, പക്ഷേ ഒരു ഭാഗം പ്രോഗ്രാമിന്റെ പരിധിയേക്കാൾ നീണ്ടതിനാൽ അതിന്റെ അവസാനം മുറിഞ്ഞു.</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 ലളിത ടെക്സ്റ്റായി ക്ലിപ്ബോർഡിലേക്ക് വിജയകരമായി പകർത്തി.</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>ക്ലിപ്ബോർഡ് തുറക്കാനാവില്ല</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>ക്ലിപ്ബോർഡിൽ ഡേറ്റ വയ്ക്കാനായില്ല</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>ചക്രം</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>ചക്രം ബിറ്റ്മാപ്പായി സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows ബിറ്റ്മാപ്പുകൾ (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>ചിത്രത്തിന് %1 മുതൽ %2 പിക്സൽ വീതി.</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>ചിത്രം എൻകോഡ് ചെയ്യാനായില്ല.</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>ചിത്രങ്ങൾ .png അല്ലെങ്കിൽ .svg ഫയലുകളായി സൂക്ഷിക്കും.</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>ചക്രം 1 ചിത്രമായി സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG ചിത്രങ്ങൾ (*.png);;SVG രേഖാചിത്രങ്ങൾ (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> പിക്സൽ</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG ചിത്രത്തിന്റെ വീതിയും ഉയരവും (%1 മുതൽ %2 പിക്സൽ); SVG രേഖാചിത്രം ഏത് വലുപ്പത്തിലും മാറും</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>ചിത്രത്തിന്റെ വലുപ്പം(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>ശീർഷകം(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>ചിത്രം സൂക്ഷിക്കാനായില്ല.

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>കുറിപ്പ് ഫയൽ "%1" ഉണ്ടാക്കാനായില്ല.

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>കുറിപ്പ് ഫയൽ "%1" എഡിറ്ററിൽ തുറക്കാനായില്ല.</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>ഗ്രഹനില മെയിൽ ചെയ്യാനായില്ല: അതിന്റെ ടെക്സ്റ്റ് ഫയൽ എഴുതാനായില്ല.

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>ഗ്രഹനില മെയിൽ ചെയ്യാനായില്ല: "%1" പ്രോഗ്രാം കണ്ടില്ല (അത് xdg-utils പാക്കേജിനൊപ്പം വരുന്നു).

മുഴുവൻ ഗണനവും ക്ലിപ്ബോർഡിലും "%2" ഫയലിലും ഉണ്ട്; ആ ഫയൽ നിങ്ങൾക്കുതന്നെ സന്ദേശത്തിൽ ചേർക്കാം.</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>മെയിൽ അയയ്ക്കൽ പരാജയപ്പെട്ടു.</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>ബിറ്റ്മാപ്പ് സൂക്ഷിച്ചു</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>ഇപ്പോൾ സ്ക്രീനിൽ കാണുന്നത് Windows ബിറ്റ്മാപ്പായി സൂക്ഷിച്ചു. അത് മറ്റ് രൂപങ്ങളിലേക്ക് മാറ്റാം, അല്ലെങ്കിൽ ഒരു രേഖയിൽ ചേർക്കാം.</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>ഡിസ്ക് നിറഞ്ഞു</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>മുഴുവൻ എഴുതാനായില്ല (ഡിസ്ക് നിറഞ്ഞിരിക്കാം)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" ഫയൽ എഴുതാനാവില്ല: %2.</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>പ്രിന്ററിന് അത് എഴുതാനായില്ല</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" ഫയൽ എഴുതാനായില്ല: %2. ആ പേരിലുള്ള ഫയൽ ഉണ്ടെങ്കിൽ മാറ്റമില്ല.</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>സ്വിസ് എഫിമെറിസ്</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>അച്ചടിക്കാൻ ഒന്നുമില്ല: "അച്ചടിയിൽ ഉൾപ്പെടുത്തേണ്ടവ" എന്നതിൽ ഒന്നും തിരഞ്ഞെടുത്തിട്ടില്ല.</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>അച്ചടി ജോലി തുടങ്ങാനായില്ല.</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>വൈദിക ജ്യോതിഷം</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>പതിപ്പ് 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>ഇതിന്റെ ജനന വിവരം വായിക്കാനാവില്ല: %1.</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>ഇതിന്റെ ജനന വിവരം ഗ്രഹനില കുറിക്കാവുന്ന പരിധിക്ക് പുറത്താണ്.</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan-ന്റെ "Orvane Lite"-ലേക്ക് സ്വാഗതം!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>സ്വാഗതം!

ഈ സോഫ്റ്റ്‌വെയറിന്റെ ഈ പതിപ്പ് നിങ്ങൾ ആദ്യമായി ഉപയോഗിക്കുകയാണെന്ന് തോന്നുന്നു!

ഗ്രഹനിലകൾ ശരിയായി ഗണിക്കാനും സൗകര്യപ്രദമായി കാണിക്കാനും ചില മുൻഗണനകൾ സജ്ജമാക്കണം.

ദയവായി നിങ്ങളുടെ മുൻഗണനകൾ ശ്രദ്ധയോടെ തിരഞ്ഞെടുക്കുക.

ഈ മുൻഗണനകൾ പിന്നീട് "ക്രമീകരണം" മെനുവിലൂടെ മാറ്റാം.

ഈ സോഫ്റ്റ്‌വെയർ ആസ്വദിക്കൂ! തൽവേശ് ഭഗവാൻ നിങ്ങളെ അനുഗ്രഹിക്കട്ടെ!!</translation>
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
            <translation>Meruvan-ന്റെ "Orvane Lite" ആസ്വദിക്കൂ!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>വിജയം! നിങ്ങളുടെ മുൻഗണനകൾ വിജയകരമായി സജ്ജമാക്കി. ഇവ പിന്നീട് "ക്രമീകരണം" മെനുവിലൂടെ മാറ്റാം.

ഈ സോഫ്റ്റ്‌വെയർ ആസ്വദിക്കൂ! തൽവേശ് ഭഗവാൻ നിങ്ങളെ അനുഗ്രഹിക്കട്ടെ!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>രേഖീയമല്ലാത്ത അയനാംശം ഉപയോഗിക്കുന്നു</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>ചില പ്രചാരമുള്ള അയനാംശങ്ങൾ അവയുടെ ഉപജ്ഞാതാക്കൾ രേഖീയമായാണ് നൽകിയത്. എന്നാൽ ഈ പ്രോഗ്രാം രേഖീയമല്ലാത്ത അയനാംശങ്ങൾ മാത്രമേ പിന്തുണയ്ക്കൂ. യഥാർഥത്തിൽ അയനാംശ മാറ്റം രേഖീയമല്ല. രേഖീയ അയനാംശം ഉപയോഗിച്ചാൽ, ഉദാഹരണത്തിന്, താജിക ഗ്രഹനിലകളുടെ കൃത്യത കുറയും.

ഈ സന്ദേശം മനസ്സിലായില്ലെങ്കിൽ വിഷമിക്കേണ്ട. ഈ പ്രോഗ്രാം ശരിയായതുതന്നെ ചെയ്യുന്നു.</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>ഗ്രഹനില ശേഖരം</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>പേര്, അല്ലെങ്കിൽ ചോദ്യം: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>ശേഖരത്തിൽ തിരയുക</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>പേര്</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>ജനനം</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>സ്ഥലം</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>ടാഗുകൾ</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>ശേഖരത്തിലെ ഗ്രഹനിലകൾ</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>ക്ലയന്റ്, കുടുംബം</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>ജാതകന്റെ ജീവിത സംഭവങ്ങൾ</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>തുറക്കുക(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>ടാഗും കുറിപ്പും സൂക്ഷിക്കുക(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>ടാഗുകൾ:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>കുറിപ്പുകൾ:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>സംഭവങ്ങൾ:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>സംഭവം ചേർക്കുക(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>തയ്യാർ</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>ഇതുമായി പൊരുത്തം</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' ഫയൽ കണ്ടില്ല.</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 ശരിയായ ഗ്രഹനില ഡേറ്റ ഫയലല്ല: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>വരനെയും വധുവിനെയും മാറ്റുക(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>അടയ്ക്കുക</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>ഗ്രഹനില</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>ബലങ്ങൾ</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>അഷ്ടകവർഗം</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>വിംശോത്തരി ദശ</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>മറ്റ് നക്ഷത്ര ദശകൾ</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>ജൈമിനി രാശി ദശകൾ</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>താജികം (വർഷ ഗ്രഹനില)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>മേദിനി ഗ്രഹനിലകൾ</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>ഈ ഭാഗം ജനന ഗ്രഹനിലയ്ക്ക് മാത്രം: താജികം &gt; ജനന ഗ്രഹനിലയിലേക്ക് മടങ്ങുക ഇത് കാണിക്കും.</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>ഈ ഭാഗം താജിക ഗ്രഹനിലയ്ക്ക് മാത്രം: താജികം &gt; താജിക വർഷ ചക്രം വഴി വർഷം തിരഞ്ഞെടുക്കുക.</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>ഈ ഭാഗം മേദിനി ഗ്രഹനിലയ്ക്ക് മാത്രം (orvane-cli --mundane DAYS); ഡെസ്ക്ടോപ്പ് പ്രോഗ്രാം മേദിനി ഗ്രഹനില കുറിക്കില്ല.</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>റിപ്പോർട്ട് ഭാഗങ്ങൾ</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>ഭാഗം പകർത്തുക(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>ഗോചരം - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>നിമിഷം(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- വർഷം</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- മാസം</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- ദിവസം</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ ദിവസം</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ മാസം</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ വർഷം</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>ഇപ്പോൾ(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite ഉപയോക്തൃ സഹായി</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>അച്ചടിക്കുക(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>ഗ്രഹനില അച്ചടിക്കുക</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>അച്ചടി മുൻകാഴ്ച(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>അച്ചടിച്ച താളുകൾ കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>ടെക്സ്റ്റ് ഫയൽ ചേർത്ത് ഇമെയിൽ ചെയ്യുക(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>മുഴുവൻ ഗണനവും ടെക്സ്റ്റ് ഫയലായി അയയ്ക്കുക</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>ഇപ്പോഴത്തെ സ്ക്രീനിലെ എഴുത്ത് ലളിത ടെക്സ്റ്റായി(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>സ്ക്രീനിലെ എഴുത്ത് ക്ലിപ്ബോർഡിലേക്ക് പകർത്തുക</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>അടിസ്ഥാന ഗണനം ലളിത ടെക്സ്റ്റായി(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>അടിസ്ഥാന ഗണനം ക്ലിപ്ബോർഡിലേക്ക് പകർത്തുക</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>മുഴുവൻ ഗണനം ലളിത ടെക്സ്റ്റായി(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>മുഴുവൻ ഗണനം ക്ലിപ്ബോർഡിലേക്ക് പകർത്തുക</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>സ്ക്രീനിലെ ചക്രം 1 ബിറ്റ്മാപ്പായി(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>ചക്രം 1 ബിറ്റ്മാപ്പായി സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>സ്ക്രീനിലെ ചക്രം 1 തെക്ക്-വടക്ക് ബിറ്റ്മാപ്പായി(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>ചക്രം 1 തെക്കൻ, വടക്കൻ ശൈലികളിൽ ഒരു ബിറ്റ്മാപ്പായി സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>ചക്രം 1 ചിത്രമായി (PNG അല്ലെങ്കിൽ SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>ചക്രം 1 PNG അല്ലെങ്കിൽ SVG ചിത്രമായി സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>ഗ്രഹനില കുറിപ്പുകൾ തിരുത്തുക(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>ഈ ഗ്രഹനിലയുടെ കുറിപ്പുകൾ ടെക്സ്റ്റ് ഫയലിൽ വയ്ക്കുക</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>കാണിക്കാൻ 2 ചക്രങ്ങൾ തിരഞ്ഞെടുക്കുക(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>രണ്ട് ചക്രങ്ങൾ</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>രണ്ട് വർഗ ചക്രങ്ങൾ കാണിക്കുക</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>മറ്റു വിവരങ്ങൾ കാണിക്കുക(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>അടിസ്ഥാന വിവരവും ബിന്ദുക്കളുടെ പട്ടികയും കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>അഷ്ടകവർഗവും ശോധ്യ പിണ്ഡങ്ങളും(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>തിരഞ്ഞെടുത്ത ചക്രത്തിന്റെ അഷ്ടകവർഗം കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ഷഡ്ബലം(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>ആറ് ബലങ്ങളും ഭാവ ബലങ്ങളും കാണിക്കുക</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>ഈ ഗ്രഹനിലയ്ക്ക് സ്വിസ് എഫിമെറിസ്(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>ഈ ജാലകത്തിലെ ഗ്രഹനില സ്വിസ് എഫിമെറിസ് കൊണ്ട് കുറിക്കുക (അല്ലെങ്കിൽ വീണ്ടും പരമ്പരാഗത ഗണനം കൊണ്ട്)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>വിംശോത്തരി ദശ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>വിംശോത്തരി ദശ കാണിക്കുക</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>വിംശോത്തരി ദശയിലെ ഛിദ്രങ്ങൾ(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>തിരഞ്ഞെടുത്ത മഹാദശയിലെ ഛിദ്രങ്ങൾ കാണിക്കുക</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>വിംശോത്തരി ദശ ബ്രൗസർ(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>വിംശോത്തരി മഹാദശകളും അപഹാരങ്ങളും ഛിദ്രങ്ങളും കാണുക</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>കാലചക്ര ദശ(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>കാലചക്ര ദശ കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>അഷ്ടോത്തരി ദശ(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>അഷ്ടോത്തരി ദശ കാണിക്കുക</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>താജിക വർഷ ചക്രം (വർഷ ഗ്രഹനില)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>താജിക ഗ്രഹനിലകൾ</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>ഒരു വർഷത്തെ വർഷ, മാസ, ഹോര ഗ്രഹനില കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>ജനന ഗ്രഹനിലയിലേക്ക് മടങ്ങുക (താജികം മാറ്റുക)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>ജനന ഗ്രഹനില വീണ്ടും കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>പാത്യായിനി ദശ (താജികം)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>പാത്യായിനി ദശ(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>വർഷ ഗ്രഹനിലയുടെ പാത്യായിനി ദശ കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>മുദ്ദ ദശ (താജികം)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>മുദ്ദ ദശ(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>വർഷ ഗ്രഹനിലയുടെ മുദ്ദ ദശ കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>സഹമങ്ങൾ(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>സഹമങ്ങൾ കാണിക്കുക</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>പഞ്ചവർഗീയ ബലം(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>വർഷ ഗ്രഹനിലയുടെ പഞ്ചവർഗീയ ബലം കാണിക്കുക</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>റിപ്പോർട്ട് ഭാഗങ്ങൾ(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>ഓരോ റിപ്പോർട്ട് ഭാഗവും പട്ടികപ്പെടുത്തി, orvane-cli അച്ചടിക്കുംപോലെ അതിന്റെ എഴുത്ത് കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>യോഗങ്ങൾ(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>ഗ്രഹനിലയിലെ യോഗങ്ങളും ഓരോന്നിന്റെയും കാരണവും പട്ടികപ്പെടുത്തി, തിരഞ്ഞെടുത്ത യോഗത്തിന്റെ ഗ്രഹങ്ങൾ എടുത്തുകാണിക്കുക</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>വലുതാക്കുക(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>സ്ക്രീൻ വലുതായി കാണിക്കുക</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>ചെറുതാക്കുക(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>സ്ക്രീൻ ചെറുതായി കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>യഥാർഥ വലുപ്പം(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>സ്ക്രീൻ യഥാർഥ വലുപ്പത്തിൽ കാണിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>ജാലകത്തിന് ഒതുക്കുക(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>സ്ക്രീൻ ജാലകത്തിന് ഒതുക്കുക</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>ഗ്രഹനിലയിലെ യോഗങ്ങൾ</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>യോഗം</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>ഗ്രഹങ്ങൾ</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>ഭാവങ്ങൾ</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>യോഗം എന്തുകൊണ്ട്</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>ജനന വിവരം നൽകുക</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>ഇത് ആരുടെ ഗ്രഹനില (ഗ്രഹനിലയോടൊപ്പം സൂക്ഷിക്കും)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>പേര്(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>ജനന തീയതി</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>മാസം:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>ദിവസം:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>വർഷം:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>ജനന സമയം</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>രാവിലെ</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>ഉച്ചകഴിഞ്ഞ്</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>മണിക്കൂർ:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>മിനിറ്റ്:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>സെക്കൻഡ്:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>സമയ മേഖല</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT ക്ക് കിഴക്ക്</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT ക്ക് പടിഞ്ഞാറ്</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>ഡേലൈറ്റ് സേവിംഗ് സമയം</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>പ്രാദേശിക ശരാശരി സമയം (മുകളിലെ സമയ മേഖല അവഗണിക്കും)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>ജനന സ്ഥലം</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>സ്ഥലം ടൈപ്പ് ചെയ്യുക: Chennai, അല്ലെങ്കിൽ Springfield, IL, അല്ലെങ്കിൽ London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>സ്ഥലത്തിന്റെ പേര് (സ്ഥല പട്ടിക ഇല്ല)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>സ്ഥല തിരച്ചിൽ ഇല്ല: %1. താഴെ മേഖലയും സ്ഥാനവും നൽകുക.</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>നഗരം തിരഞ്ഞെടുത്താൽ അതിന്റെ സ്ഥലവും മേഖലയും നിറയും</translation>
        </message>
        <message>
            <source>E</source>
            <translation>കി</translation>
        </message>
        <message>
            <source>W</source>
            <translation>പ</translation>
        </message>
        <message>
            <source>N</source>
            <translation>വ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>തെ</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>സ്ഥലം(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>നഗരം:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>രേഖാംശം:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>അക്ഷാംശം:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>%1 നും %2 നും ഇടയിലുള്ള പൂർണസംഖ്യ നൽകുക.</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>%1 നും %2 നും ഇടയിലുള്ള സംഖ്യ നൽകുക.</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>ദക്ഷിണേന്ത്യൻ ശൈലി (സാധാരണ)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>ദക്ഷിണേന്ത്യൻ ശൈലി (ക്രമരഹിതം)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>ഉത്തരേന്ത്യൻ ശൈലി ("വജ്ര ചക്രം")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>കിഴക്കേന്ത്യൻ ശൈലി ("സൂര്യ ചക്രം")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>കിഴക്കേന്ത്യൻ ശൈലി (ചട്ടക്കൂടോടെ)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>ചിത്രപക്ഷ അയനാംശം (ലാഹിരി)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>രാമൻ അയനാംശം</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>ദേവദത്ത അയനാംശം</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>കൃഷ്ണമൂർത്തി അയനാംശം</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>ഉഷ-ശശി അയനാംശം</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>ഫേഗൻ അയനാംശം</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>സായന രാശിചക്രം</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>സ്വന്തം അയനാംശം</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>ജനന വിവരം, ഡിഗ്രി, രാശി, നവാംശം, വിംശോത്തരി ദശ (അടിസ്ഥാനം)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>കാലചക്ര ദശയും അഷ്ടോത്തരി ദശയും (പ്രചാരമുള്ള നക്ഷത്ര ദശകൾ)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>ഷഡ്ബലം, ഭാവബലം, ഇഷ്ട-കഷ്ട ഫലം, അഷ്ടകവർഗം</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>ഭാഗ്യത്തിന്റെയും നിലയുടെയും ചക്രങ്ങൾ (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>കുടുംബത്തിന്റെയും ആന്തരിക കാര്യങ്ങളുടെയും ചക്രങ്ങൾ (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>ദൗർഭാഗ്യത്തിന്റെയും പൂർവ കർമത്തിന്റെയും ചക്രങ്ങൾ (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>ചക്ര ശൈലി തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>ചക്രങ്ങൾ ഈ ശൈലിയിൽ വരയ്ക്കുക(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>ഓരോ ഗ്രഹത്തിന്റെയും ഡിഗ്രിയും കലയും അരികിൽ കാണിക്കുക(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>ഡിഗ്രി രാശി ചക്രത്തിൽ മാത്രം (വർഗ ചക്രങ്ങളിൽ ഇല്ല)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>അയനാംശം തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>അയനാംശം(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>ചിത്രപക്ഷത്തിൽ (ലാഹിരി) നിന്നുള്ള വ്യതിയാനം</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>കൂട്ടുക</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>കുറയ്ക്കുക</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>ഡിഗ്രി(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>കല(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>വികല(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>അയനാംശം തിരഞ്ഞെടുത്താൽ അതിന്റെ വ്യതിയാനം നിറയും. വ്യതിയാനം ടൈപ്പ് ചെയ്താലോ കൂട്ടുക/കുറയ്ക്കുക തിരഞ്ഞെടുത്താലോ അത് സ്വന്തം അയനാംശമാകും.</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>വർഷത്തിലെ ദിവസങ്ങളുടെ എണ്ണം (നക്ഷത്ര ദശകൾ)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>വർഷത്തിലെ ദിവസങ്ങൾ(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>വിംശോത്തരി, അഷ്ടോത്തരി, മറ്റ് നക്ഷത്ര ദശകളിലെ ദശാവർഷത്തിന്റെ ദൈർഘ്യം. സാധാരണ മൂല്യം 365.2425.</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>വിശേഷ ലഗ്നങ്ങളും ഉപഗ്രഹങ്ങളും</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>ചക്രങ്ങളിൽ കാണിക്കുന്ന ബിന്ദുക്കൾ(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>വിശേഷ ലഗ്നങ്ങൾ കാണിക്കുക (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>ധൂമം മുതലായ ഉപഗ്രഹങ്ങൾ കാണിക്കുക (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>ഗുളികൻ മുതലായ ഉപഗ്രഹങ്ങൾ കാണിക്കുക (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>ആരൂഢ പദങ്ങൾ(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>എല്ലാ ആരൂഢ പദങ്ങളും കാണിക്കുക</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>ചില ആരൂഢ പദങ്ങൾ മാത്രം കാണിക്കുക</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>ചില പദങ്ങൾ മാത്രമെങ്കിൽ, അടുത്തതായി അവ തിരഞ്ഞെടുക്കും.</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>കാണിക്കേണ്ട പദങ്ങൾ</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>കാണിക്കേണ്ട ആരൂഢ പദങ്ങൾ</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>പദ സംഖ്യ 1 മുതൽ 12: 1 എന്നാൽ AL (ആരൂഢ ലഗ്നം), 12 എന്നാൽ UL (ഉപപദം), 7 എന്നാൽ A7. 0 സ്ഥാനം ഒഴിച്ചിടും.</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>ഉപഗ്രഹ ഗണന ഐച്ഛികങ്ങൾ</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>പകലിന്റെയോ രാത്രിയുടെയോ ഭാഗത്തിലെ ഉദയ ബിന്ദു</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>ആരംഭം</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>മധ്യം</translation>
        </message>
        <message>
            <source>end</source>
            <translation>അവസാനം</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>ഗുളികൻ(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>മാന്ദി(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>കാലൻ, മൃത്യു മുതലായവ(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>ധൂമവും വ്യതീപാതവും</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>വ്യതീപാതം = 360 ഡിഗ്രി - ധൂമം</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>വ്യതീപാതം = ധൂമം + 53 ഡിഗ്രി 20 കല</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>ബന്ധം(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>കാലൻ, മൃത്യു മുതലായവ:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>ഹോര ചക്ര മുൻഗണന</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>കർക്കടകം-ചിങ്ങം (സാധാരണ)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>രാശിചക്രം രണ്ടുതവണ (പരിവൃത്തി ദ്വയം)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>ഹോര ചക്രം (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>എഫിമെറിസ്</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>പരമ്പരാഗതം (ഉള്ളിലുള്ള സിദ്ധാന്തം)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>സ്വിസ് എഫിമെറിസ് (ഒരു വികലയ്ക്കുള്ളിൽ)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>രാഹു യഥാർഥ പാതത്തിൽ നിന്ന് (അല്ലെങ്കിൽ ശരാശരി പാതം)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>സ്ഥാനങ്ങൾ ഇതിൽ നിന്ന്(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>ഒരു ഗ്രഹനില ജാലകത്തിന് സ്വന്തം ഗ്രഹനിലയ്ക്ക് മറ്റേ ഗണനം ഉപയോഗിക്കാം: ചക്രം &gt;&gt; ഈ ഗ്രഹനിലയ്ക്ക് സ്വിസ് എഫിമെറിസ്.</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>അച്ചടി മുൻഗണനകൾ</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>കറുപ്പിലും വെളുപ്പിലും അച്ചടിക്കുക(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>ഉൾപ്പെടുത്തേണ്ടവ (ഓരോന്നും ഒരു താൾ)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>സ്ഥലം നൽകുക</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>ഇപ്പോഴത്തെ നിമിഷത്തെ ഗ്രഹനിലകളുടെ സ്ഥലം</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>സമയ മേഖല(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>രേഖാംശം(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>അക്ഷാംശം(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>സ്ഥല തിരച്ചിൽ ഇല്ല (സ്ഥല പട്ടിക ഇല്ല)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1. താഴെ മേഖല നൽകുക.</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite-നെക്കുറിച്ച്....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
പതിപ്പ് 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>വൈദിക ജ്യോതിഷ സോഫ്റ്റ്‌വെയർ</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>പകർപ്പവകാശം © Meruvan.
GNU Affero General Public License, പതിപ്പ് 3 അല്ലെങ്കിൽ പിന്നീടുള്ളത് (AGPL-3.0-or-later) പ്രകാരം അനുമതി. Orvane Lite കൃത്യമായ സ്ഥാനങ്ങൾക്ക് ഉപയോഗിക്കുന്ന സ്വിസ് എഫിമെറിസ് AGPL-3.0 പ്രകാരം അനുമതിയുള്ളതാണ്.</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>സ്ഥലനാമങ്ങളും സ്ഥാനങ്ങളും: GeoNames (geonames.org), Creative Commons Attribution 4.0 പ്രകാരം.
സമയ മേഖലാ അതിരുകൾ: timezone-boundary-builder, Open Database License (ODbL) പ്രകാരം.
സമയ മേഖലാ ചരിത്രം: ഈ സിസ്റ്റത്തിലെ IANA tz ഡേറ്റാബേസ്.</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>ശീർഷകം(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>ഒരു ചക്രം തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>രണ്ട് ചക്രങ്ങൾ തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>ആദ്യ ചക്രം</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>രണ്ടാം ചക്രം</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>ഇപ്പോഴത്തെ കാഴ്ച വിട്ട് രണ്ട് വലിയ ചക്രങ്ങൾ കാണിക്കുക</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>മഹാദശ തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>ഇതിന്റെ മഹാദശയിലെ ഛിദ്രങ്ങൾ:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>താജിക വർഷ ഗ്രഹനില</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>ഈ വർഷത്തെ വർഷ ഗ്രഹനില (വർഷ ചക്രം):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>മാസ ഗ്രഹനില വേണം!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>താജിക മാസ ഗ്രഹനില</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>മാസം (ആദ്യ മാസം ജന്മദിനത്തിൽ തുടങ്ങും):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>ഹോര ഗ്രഹനില വേണം!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>താജിക ഹോര ഗ്രഹനില</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>മാസത്തിലെ ഹോര കാലം (1 മുതൽ 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>മി</translation>
        </message>
        <message>
            <source>h</source>
            <translation>മ</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>ഡിഗ്രി</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>കെപിയും ഭാവങ്ങളും(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>ഒരു ഭാവ സമ്പ്രദായത്തിലെ ഭാവാരംഭങ്ങൾ അവയുടെ കെപി അധിപന്മാരും കാരകങ്ങളുമായി, ഭാവ ചലിത ചക്രത്തോടൊപ്പം കാണിക്കുക</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>ജനന സമയം(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>കെപി (പുതിയ) അയനാംശം</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>ലഗ്നം, വർഗ ലഗ്നങ്ങൾ, ഭാവാരംഭ ഉപ അധിപന്മാർ എന്നിവ മാറുംമുമ്പ് ജനന സമയം എത്ര നീങ്ങാമെന്ന് കാണിച്ച്, സമയം നീക്കി ഗ്രഹനില വീണ്ടും കുറിക്കുക</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>ബലങ്ങൾ ചാർട്ടായി(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>ഷഡ്ബലം, ഭാവബലം, സർവാഷ്ടകവർഗം എന്നിവ പട്ടികകളും ബാർ ചാർട്ടുകളുമായി കാണിക്കുക; ചിത്രമായി സൂക്ഷിക്കാനോ അച്ചടിക്കാനോ</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>ഷഡ്ബലം</translation>
        </message>
        <message>
            <source>required</source>
            <translation>ആവശ്യം</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>രൂപം</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>ഭാവബലം</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>സർവാഷ്ടകവർഗം</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, ശരാശരി</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>ബിന്ദുക്കൾ</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>ജനുവരി</translation>
        </message>
        <message>
            <source>February</source>
            <translation>ഫെബ്രുവരി</translation>
        </message>
        <message>
            <source>March</source>
            <translation>മാർച്ച്</translation>
        </message>
        <message>
            <source>April</source>
            <translation>ഏപ്രിൽ</translation>
        </message>
        <message>
            <source>May</source>
            <translation>മേയ്</translation>
        </message>
        <message>
            <source>June</source>
            <translation>ജൂൺ</translation>
        </message>
        <message>
            <source>July</source>
            <translation>ജൂലൈ</translation>
        </message>
        <message>
            <source>August</source>
            <translation>ഓഗസ്റ്റ്</translation>
        </message>
        <message>
            <source>September</source>
            <translation>സെപ്റ്റംബർ</translation>
        </message>
        <message>
            <source>October</source>
            <translation>ഒക്ടോബർ</translation>
        </message>
        <message>
            <source>November</source>
            <translation>നവംബർ</translation>
        </message>
        <message>
            <source>December</source>
            <translation>ഡിസംബർ</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>ഞായർ</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>തിങ്കൾ</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>ചൊവ്വ</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>ബുധൻ</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>വ്യാഴം</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>വെള്ളി</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>ശനി</translation>
        </message>
        <message>
            <source>today</source>
            <translation>ഇന്ന്</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>ഫയൽ നാമം(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>ഫയൽ തരം:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>ഇവിടെ നോക്കുക:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>തുറക്കുക(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>സൂക്ഷിക്കുക(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>റദ്ദാക്കുക</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 വ %2 മാ %3 ദി</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>ജനനത്തിലെ ശിഷ്ടം: %1, %2.</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>മഹാദശകൾ, അപഹാരങ്ങൾ, ഛിദ്രങ്ങൾ.</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>മഹാദശകളും ഉപകാലങ്ങളും.</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>രാശികൾ: മഹാദശകളും ഉപകാലങ്ങളും.</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (ജൈമിനി)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 മുതൽ, %2; മഹാദശകളും അപഹാരങ്ങളും.</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>മുന്നോട്ട്</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>പിന്നോട്ട്</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1 ൽ കൂടുതൽ</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>ശരി</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>റദ്ദാക്കുക</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>അടയ്ക്കുക</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>ഉപേക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>സൂക്ഷിക്കേണ്ട</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>പ്രയോഗിക്കുക</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>സഹായം</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>അതെ(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>ഇല്ല(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>തുറക്കുക</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>പുനഃസജ്ജമാക്കുക</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>സ്ഥിരമായവ പുനഃസ്ഥാപിക്കുക</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>അച്ചടിക്കുക</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>അച്ചടി മുൻകാഴ്ച</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>അടയ്ക്കുക</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>സൂര്യൻ</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>ചന്ദ്രൻ</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>ചൊവ്വ</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>ബുധൻ</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>വ്യാഴം</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>ശുക്രൻ</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>ശനി</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>രാഹു</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>കേതു</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>മേടം</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>ഇടവം</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>മിഥുനം</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>കർക്കടകം</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>ചിങ്ങം</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>കന്നി</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>തുലാം</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>വൃശ്ചികം</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>ധനു</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>മകരം</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>കുംഭം</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>മീനം</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>അശ്വതി</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>ഭരണി</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>കാർത്തിക</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>രോഹിണി</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>മകയിരം</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>തിരുവാതിര</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>പുണർതം</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>പൂയം</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>ആയില്യം</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>മകം</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>പൂരം</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>ഉത്രം</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>അത്തം</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>ചിത്തിര</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>ചോതി</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>വിശാഖം</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>അനിഴം</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>തൃക്കേട്ട</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>മൂലം</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>പൂരാടം</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>ഉത്രാടം</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>തിരുവോണം</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>അവിട്ടം</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>ചതയം</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>പൂരുരുട്ടാതി</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>ഉത്രട്ടാതി</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>രേവതി</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>രാശി</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>ഹോര</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>ദ്രേക്കാണം</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>ചതുർഥാംശം</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>പഞ്ചമാംശം</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>ഷഷ്ഠാംശം</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>സപ്താംശം</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>അഷ്ടാംശം</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>നവാംശം</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>ദശാംശം</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>രുദ്രാംശം</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>ദ്വാദശാംശം</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>ഷോഡശാംശം</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>വിംശാംശം</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>ചതുർവിംശാംശം</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>നക്ഷത്രാംശം</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>ത്രിംശാംശം</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>ഖവേദാംശം</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>അക്ഷവേദാംശം</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>ഷഷ്ട്യംശം</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>ല</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>ര</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>ച</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>കു</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>ബു</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>ഗു</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>ശു</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>മ</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>രാ</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>കേ</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(വ)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>ഗോചരം</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>മഹാദശ</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>അപഹാരം</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>ഛിദ്രം</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>ഷഷ്ട്യംശം</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>വിംശോത്തരി</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>കാലചക്രം</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>ചര</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>നാരായണ</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>സ്ഥിര</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>ശൂല</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>നിര്യാണ ശൂല</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>ദൃക്</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>യോഗിനി</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>അഷ്ടോത്തരി</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>തിഥി യോഗിനി</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>തിഥി അഷ്ടോത്തരി</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>ദ്വിസപ്തതി സമ</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>ഷട്ത്രിംശത് സമ</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>ദ്വാദശോത്തരി</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>ചതുരശീതി സമ</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>ശതാബ്ദിക</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>ഷോഡശോത്തരി</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>പഞ്ചോത്തരി</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>പ്രഥമ</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>ദ്വിതീയ</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>തൃതീയ</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>ചതുർഥി</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>പഞ്ചമി</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>ഷഷ്ഠി</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>സപ്തമി</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>അഷ്ടമി</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>നവമി</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>ദശമി</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>ഏകാദശി</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>ദ്വാദശി</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>ത്രയോദശി</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>ചതുർദശി</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>പൗർണമി</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>അമാവാസി</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>വിഷ്കംഭം</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>പ്രീതി</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>ആയുഷ്മാൻ</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>സൗഭാഗ്യം</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>ശോഭനം</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>അതിഗണ്ഡം</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>സുകർമ്മം</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>ധൃതി</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>ശൂലം</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>ഗണ്ഡം</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>വൃദ്ധി</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>ധ്രുവം</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>വ്യാഘാതം</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>ഹർഷണം</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>വജ്രം</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>സിദ്ധി</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>വ്യതീപാതം</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>വരീയാൻ</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>പരിഘം</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>ശിവം</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>സിദ്ധം</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>സാധ്യം</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>ശുഭം</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>ശുക്ലം</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>ബ്രഹ്മം</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>ഐന്ദ്രം</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>വൈധൃതി</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>ശുക്ല</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>കൃഷ്ണ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>പരമാവധി 16 ഡിഗ്രി 40 കല (1000 കല) വ്യതിയാനം നൽകുക.</translation>
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
ജനസംഖ്യ %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: പ്രാബല്യത്തിലുള്ള വ്യത്യാസം അറിയാൻ തീയതിയും സമയവും നൽകുക.</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>രണ്ടാമത് വരുന്ന സമയം എടുക്കുക (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>മേഖലാ നഗരത്തിന്റെ %1. സ്ഥലത്തിന്റെ സ്വന്തം പ്രാദേശിക ശരാശരി സമയം %2 ഉപയോഗിക്കുന്നു.</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>ഈ മൂല്യങ്ങൾ കൊണ്ട് ശരിയായ ജാതകം ഉണ്ടാകില്ല: %1.</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>ഡിഗ്രി</translation>
        </message>
        <message>
            <source>min</source>
            <translation>മി</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>സ്വിസ് എഫിമെറിസ്</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>കാലം</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>ആരംഭം</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>അവസാനം</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>പ്രായം</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>കാലം തുടങ്ങുമ്പോൾ ജാതകന്റെ പ്രായം (വർഷങ്ങളിൽ)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>ദശ(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>ഇന്ന് (%1) നടക്കുന്നവ എടുത്തുകാണിച്ചിരിക്കുന്നു. മുകളിലേക്കും താഴേക്കും നീങ്ങാം; വലത് ഒരു കാലം തുറക്കും, ഇടത് അടയ്ക്കും.</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 ദശ - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>ഇന്ന് നടക്കുന്നു</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>ജനനത്തിനു മുമ്പ് അവസാനിച്ചു</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>ഭാഷ</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>സിസ്റ്റത്തിന്റെ ഭാഷ</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>ചക്രങ്ങളിൽ ലാറ്റിൻ ചുരുക്കെഴുത്ത് (Su, Mo, Ma)(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>ഭാഷ(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>ചക്രങ്ങൾ ഉടൻ മാറും; മെനുകളും ഡയലോഗുകളും Orvane Lite വീണ്ടും തുടങ്ങുമ്പോൾ മാറും.</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>പുതിയത് (ഇപ്പോഴത്തെ പ്രശ്നം)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>സ്ഥിരസ്ഥലത്ത് ഈ നിമിഷത്തെ ഗ്രഹനില കുറിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>തുറക്കുക(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>സൂക്ഷിച്ച ഗ്രഹനില തുറക്കുക</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>അടയ്ക്കുക(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>ഗ്രഹനില അടയ്ക്കുക</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>സൂക്ഷിക്കുക(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>ഗ്രഹനില സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>ഇങ്ങനെ സൂക്ഷിക്കുക(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>ഗ്രഹനില പുതിയ പേരിൽ സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>അച്ചടി ക്രമീകരണം(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>പ്രിന്ററും പേജും തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>പുറത്തുകടക്കുക(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite അവസാനിപ്പിക്കുക</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>ജനന വിവരം തിരുത്തുക(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>ഗ്രഹനിലയുടെ തീയതി, സമയം, സ്ഥലം മാറ്റുക</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>പുതിയ ജാലകം(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>ഈ ഗ്രഹനിലയ്ക്ക് മറ്റൊരു ജാലകം തുറക്കുക</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>അടുക്കുക(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>നിരത്തുക(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ഫയൽ(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>ശേഖരത്തിൽ സൂക്ഷിക്കുക(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>സജീവ ഗ്രഹനില ഗ്രഹനില ശേഖരത്തിൽ വയ്ക്കുക</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>തിരുത്ത്(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>ചക്രം(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>പൊരുത്തം നോക്കുക(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>ഗോചരം(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>മറ്റൊരു ഗ്രഹനില ഫയലുമായി അഷ്ടകൂട പൊരുത്തവും ചൊവ്വാദോഷ പരിശോധനയും</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>തിരഞ്ഞെടുത്ത നിമിഷത്തിലെ ഗ്രഹങ്ങൾ ഈ ഗ്രഹനിലയോടൊപ്പം, അതിന്റെ ഏഴരശ്ശനി കാലങ്ങളും</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>ഗ്രഹനില ശേഖരം(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>ശേഖരത്തിലെ ഗ്രഹനിലകൾ: തിരയുക, ടാഗ് ചെയ്യുക, തുറക്കുക</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>ദശ(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>താജികം(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>റിപ്പോർട്ട്(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>ക്രമീകരണം(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>ചക്ര ശൈലി(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>അയനാംശം(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>വർഷത്തിലെ ദിവസങ്ങൾ(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>വിശേഷ ലഗ്നവും ഉപഗ്രഹങ്ങളും കാണിക്കൽ(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>ഉപഗ്രഹ ഗണന ഐച്ഛികങ്ങൾ(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>ഹോര ചക്രം(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>അച്ചടിയിൽ ഉൾപ്പെടുത്തേണ്ടവ(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>സ്ഥിരസ്ഥലം(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>എഫിമെറിസ്(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>ഭാഷ(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>കാഴ്ച(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>സ്ഥിതി പട്ട(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>ജാലകം(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>സഹായം(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>ഉപയോക്തൃ സഹായി(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite-ന്റെ ചെറു സഹായി</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite-നെക്കുറിച്ച്(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>സാധാരണ</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>ഉപകരണ പട്ട(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" സൂക്ഷിച്ചു.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" ഫയൽ തുറക്കാനാവില്ല.

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>തുറക്കുക</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>എഫിമെറിസ്: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>ചക്രങ്ങളിൽ കാണിക്കേണ്ട വിശേഷ ലഗ്നങ്ങൾ, ഉപഗ്രഹങ്ങൾ, പദങ്ങൾ തിരഞ്ഞെടുക്കുക</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>പഞ്ചാംഗ കലണ്ടർ(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>ഒരു സ്ഥലത്ത് ഒരു മാസത്തിലെ ഓരോ ദിവസത്തെയും പഞ്ചാംഗം, ഉത്സവങ്ങളോടെ</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" ശരിയായ ഗ്രഹനില ഫയലല്ല; അത് മാറ്റിയിട്ടില്ല.</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>ഇങ്ങനെ സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>ഗ്രഹനില സൂക്ഷിക്കാനായില്ല.

%1

ഗ്രഹനില ഇപ്പോഴും തുറന്നിരിക്കുന്നു, മാറ്റമില്ല.</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1 ലെ മാറ്റങ്ങൾ സൂക്ഷിക്കണോ?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>അസാധുവായ ഫയൽ</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>അയ്യോ, നിങ്ങൾ തുറക്കാൻ ശ്രമിച്ച ഫയൽ ശരിയായ "Orvane" ഡേറ്റ ഫയലല്ല.

പകരം ഇപ്പോഴത്തെ സമയത്തെ ഗ്രഹനില കുറിക്കും.</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" ഗ്രഹനില ഗണിക്കാനായില്ല.

%2

അതിന്റെ ജനന വിവരം തിരുത്തുക (തിരുത്ത് &gt; ജനന വിവരം തിരുത്തുക). ഗ്രഹനില ജാലകം തുറന്നിരിക്കും; ഒന്നും നഷ്ടപ്പെട്ടില്ല.</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>ഇപ്പോൾ നടക്കുന്നത്</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;വിംശോത്തരി ദശ&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 വരെ</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>ഇന്ന് ഒരു കാലവും നടക്കുന്നില്ല.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;ഇപ്പോഴത്തെ ഗോചരം&lt;/b&gt;, %1 ലെ ജന്മ ചന്ദ്രനിൽ നിന്ന്</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>ഗ്രഹം</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>സ്ഥാനം</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ഭാവം</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>അനുകൂലം</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 മൂലം വേധം</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>ഭാവങ്ങൾ ജന്മ ചന്ദ്രന്റെ രാശിയിൽ നിന്ന് എണ്ണുന്നു.</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>വർഷ ഗ്രഹനില %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>മാസ ഗ്രഹനില %1, മാസം %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>ഹോര ഗ്രഹനില %1, മാസം %2, ഹോര %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>ജനന ഗ്രഹനില</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite ഇതിനകം പ്രവർത്തിക്കുന്നു.</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite ഇതിനകം പ്രവർത്തിക്കുന്നു, പക്ഷേ മറുപടി നൽകിയില്ല.

"%1" അതിന്റെ ഫയൽ മെനുവിൽ നിന്ന് തുറക്കുക.</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>നിങ്ങളുടെ മുൻഗണനകൾ "%1" ൽ നിന്ന് വായിക്കാനാവില്ല.

%2

Orvane Lite തൽക്കാലം സ്ഥിര മുൻഗണനകൾ ഉപയോഗിക്കുകയും ആ ഫയൽ അതേപടി വിടുകയും ചെയ്യുന്നു. ഫയൽ വീണ്ടും വായിക്കാനാകുംവരെ നിങ്ങൾ മാറ്റുന്ന മുൻഗണനകൾ സൂക്ഷിക്കില്ല.</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>നിങ്ങളുടെ മുൻഗണനകൾ "%1" ൽ സൂക്ഷിക്കാനായില്ല.

%2

Orvane Lite അടയ്ക്കുംവരെ അവ പ്രാബല്യത്തിലുണ്ടാകും.</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>ഭാഷ</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1 നുള്ള ഫോണ്ട് ഇൻസ്റ്റാൾ ചെയ്തിട്ടില്ല (Debian പാക്കേജ് fonts-noto-core), അതിനാൽ Orvane Lite ഇംഗ്ലീഷിൽ തുടരും.</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>ഒന്നുമില്ല</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>കെപി പ്രശ്ന സംഖ്യ 1..249: ആ ഉപത്തിന്റെ ആരംഭം ലഗ്നമായ ഭാവാരംഭങ്ങൾ</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>ഭാവ സമ്പ്രദായം(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>പ്രശ്ന സംഖ്യ(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>ഭാവ ചലിത ചക്രം</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>ഭാവാരംഭങ്ങളുടെ കെപി അധിപന്മാർ</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>ഭാവാരംഭം</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>സ്ഥാനം</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>രാശ്യധിപൻ</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>നക്ഷത്രാധിപൻ</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>ഉപ അധിപൻ</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>ഉപ-ഉപ അധിപൻ</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>ഗ്രഹങ്ങളുടെ കെപി അധിപന്മാർ</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ഗ്രഹം</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ഭാവം</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>ഭാവങ്ങളുടെ കാരകങ്ങൾ</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>തലം 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>തലം 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>തലം 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>തലം 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>ഗ്രഹങ്ങളുടെ കാരകത്വം</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>ഭാവത്തിലെ ഗ്രഹങ്ങളുടെ നക്ഷത്രങ്ങളിലുള്ള ഗ്രഹങ്ങൾ</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>ഭാവത്തിലെ ഗ്രഹങ്ങൾ</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>ഭാവാധിപന്റെ നക്ഷത്രത്തിലുള്ള ഗ്രഹങ്ങൾ</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>ഭാവാധിപൻ</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>ഇതിന്റെ നക്ഷത്രാധിപൻ നിൽക്കുന്ന ഭാവം</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>ഇത് നിൽക്കുന്ന ഭാവം</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>ഇതിന്റെ നക്ഷത്രാധിപന്റെ ആധിപത്യമുള്ള ഭാവങ്ങൾ</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>ഇതിന്റെ ആധിപത്യമുള്ള ഭാവങ്ങൾ (രാഹുവും കേതുവും: അവയുടെ രാശ്യധിപന്റേത്)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>രാഹുവും കേതുവും തങ്ങളുടെ രാശ്യധിപന്റെ ഭാവങ്ങളുടെ അധിപന്മാർ</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>തലം 1: ഭാവസ്ഥരുടെ നക്ഷത്രങ്ങളിൽ · 2: ഭാവസ്ഥർ
3: അധിപന്റെ നക്ഷത്രത്തിൽ · 4: അധിപൻ</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>തലം 1: നക്ഷത്രാധിപന്റെ ഭാവം · 2: സ്വന്തം ഭാവം
3: നക്ഷത്രാധിപന്റെ ഭാവങ്ങൾ · 4: സ്വന്തം ഭാവങ്ങൾ</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>ഭാവാരംഭങ്ങൾ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>ഗ്രഹങ്ങൾ(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>ഭാവ കാരകങ്ങൾ(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>ഗ്രഹ കാരകത്വം(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>കെപിയും ഭാവങ്ങളും - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>പ്രശ്ന സംഖ്യ %1 ന്റെ പ്ലാസിഡസ് ഭാവാരംഭങ്ങൾ</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 ഭാവാരംഭങ്ങൾ</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, ഗ്രഹനിലയുടെ അയനാംശപ്രകാരം നിരയനം.</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>ഭാവ ചലിതം (പ്രശ്നം %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>ഭാവ ചലിതം (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (വ)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>ഗ്രഹനിലയുടെ നിമിഷത്തിലെ ഭരണ ഗ്രഹങ്ങൾ: വാരാധിപൻ %1; ലഗ്ന രാശ്യധിപൻ %2, നക്ഷത്രാധിപൻ %3; ചന്ദ്ര രാശ്യധിപൻ %4, നക്ഷത്രാധിപൻ %5.</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>ശേഖരം തുറക്കാനാവില്ല: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %n ഗ്രഹനിലകൾ. ചേർക്കാൻ ഗ്രഹനില ഫയലുകൾ ഇവിടേക്ക് വലിച്ചിടുക.</numerusform>
                <numerusform>%1: %n ഗ്രഹനിലകൾ. ചേർക്കാൻ ഗ്രഹനില ഫയലുകൾ ഇവിടേക്ക് വലിച്ചിടുക.</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>ചോദ്യം: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%n ൽ %1 ഗ്രഹനിലകൾ</numerusform>
                <numerusform>%n ൽ %1 ഗ്രഹനിലകൾ</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>സംഭവം എന്നാൽ തരം, തീയതി, കുറിപ്പ്: marriage 1995-05-01 in Chennai.</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>ചേർത്തില്ല: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>സംഭവം ചേർത്തു.</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>സൂക്ഷിച്ചില്ല: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1 ന്റെ ടാഗുകളും കുറിപ്പുകളും സൂക്ഷിച്ചു.</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: ഈ ജനന വിവരം കൊണ്ട് ഗ്രഹനില കുറിക്കാനാവില്ല.</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 ശേഖരത്തിൽ ചേർത്തു.</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>പൊരുത്തം - %1, %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>വരൻ: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>വധു: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>പൊരുത്തത്തിലെ ഒരു ഗ്രഹനില കുറിക്കാനാവില്ല.</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>പഞ്ചാംഗ കലണ്ടർ</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>സ്ഥിരസ്ഥലം</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; വർഷം</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>ഒരു വർഷം മുമ്പത്തെ ഇതേ മാസം</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; മാസം</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>മുൻ മാസം</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>മാസം &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>അടുത്ത മാസം</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>വർഷം &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>ഒരു വർഷം കഴിഞ്ഞുള്ള ഇതേ മാസം</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>ഇന്ന്(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>ഇന്നത്തെ മാസത്തിലേക്ക് മടങ്ങുക</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>സ്ഥലം(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN" പോലുള്ള സ്ഥലം (ഒഴിഞ്ഞാൽ സ്ഥിരസ്ഥലം)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>സ്ഥലം നിശ്ചയിക്കുക</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>അച്ചടിക്കുക(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>കയറ്റുമതി(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>മാസം PDF ഫയലോ PNG ചിത്രമോ ആയി സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3 ൽ</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" എന്ന സ്ഥലമില്ല.</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>പഞ്ചാംഗ കലണ്ടർ - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>ഒന്നുമില്ല</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>സൂര്യോദയം</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>സൂര്യാസ്തമയം</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>ചന്ദ്രോദയം</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>ചന്ദ്രാസ്തമയം</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 വരെ</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>തിഥി</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>നക്ഷത്രം</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>യോഗം</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>കരണം</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>അധിക %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>ചാന്ദ്ര മാസം</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (അമാന്തം), %2 (പൂർണിമാന്തം)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>വർഷം</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 സംവത്സരം, ശക %2, വിക്രമ %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ഋതു, അയനം</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>ഉത്തരായണം</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>ദക്ഷിണായനം</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>സംക്രാന്തി</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>സൂര്യൻ %2 ന് %1 ൽ പ്രവേശിക്കുന്നു</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>രാഹുകാലം</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>യമകണ്ടം</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>ഗുളികകാലം</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>അഭിജിത്</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>ബ്രഹ്മമുഹൂർത്തം</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>ദുർമുഹൂർത്തം</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>വർജ്യം</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>അമൃതകാലം</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>ചൗഘഡിയ</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>പഞ്ചാംഗം: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>സൂര്യോദയത്തിലെ തിഥിയും നക്ഷത്രവും; ഉത്സവങ്ങൾ %1 ൽ അവയുടെ തിഥി പ്രകാരം; ഘടികാര സമയം %2 ന്റേത്.</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>സ്ഥിര സമയ മേഖല</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 എഴുതാനാവില്ല.</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>മാസം അച്ചടിക്കുക</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>പ്രിന്റർ ഉപയോഗിക്കാനാവില്ല.</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>മാസം കയറ്റുമതി ചെയ്യുക</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF ഫയൽ (*.pdf);;PNG ചിത്രം (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>റിപ്പോർട്ട് ഭാഗങ്ങൾ - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>ഈ ഗ്രഹനിലയ്ക്ക് ഈ ഭാഗത്ത് എഴുത്തില്ല.</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite പ്രവർത്തിക്കുന്ന പകർപ്പിന് ഫയലുകൾ കൈമാറാതെ പ്രവർത്തിക്കുന്നു: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>ലോക്ക് ഫയൽ "%1" ഉണ്ടാക്കാനാവില്ല.</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>രണ്ടാമത് തുടങ്ങുമ്പോൾ വരുന്ന ഫയലുകൾ പ്രോഗ്രാമിന് സ്വീകരിക്കാനാവില്ല: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ഷഡ്ബലം(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>ഭാവബലം(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>സർവാഷ്ടകവർഗം(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>ബാർ ചാർട്ട്</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>ഒരു നിരയുടെ തലക്കെട്ടിൽ ക്ലിക്ക് ചെയ്ത് അതനുസരിച്ച് ക്രമീകരിക്കുക; വരികൾ തിരഞ്ഞെടുത്ത് Ctrl+C അമർത്തി പകർത്തുക. ഗ്രഹത്തിന് വേണ്ടതിനേക്കാൾ (അല്ലെങ്കിൽ 28 ബിന്ദുക്കളേക്കാൾ) കുറവുള്ള ബാറുകൾ ഓറഞ്ച് നിറത്തിലാണ്.</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>ചിത്രം സൂക്ഷിക്കുക(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>അച്ചടിക്കുക(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>ബലങ്ങൾ - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>ഗ്രഹം</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>രൂപം</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>ആവശ്യം</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>ശതമാനം</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ഭാവം</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>രാശി</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>ബിന്ദുക്കൾ</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>ശരാശരിയിൽ നിന്ന്</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 എഴുതാനാവില്ല.</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>ബല ചാർട്ടുകൾ സൂക്ഷിക്കുക</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG ചിത്രം (*.png);;SVG ചിത്രം (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>ജനന സമയം %1 നീക്കുക</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>നൽകിയ സമയത്തേക്ക് മടങ്ങുക(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>ജനന സമയ നീക്കം</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>ഓരോ ബിന്ദുവും മാറുംമുമ്പ് ജനന സമയം എത്ര നീങ്ങാം</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>ബിന്ദു</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>ഇപ്പോൾ</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>പിന്നോട്ട് ഇത്രയും നിൽക്കും</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>മുന്നോട്ട് ഇത്രയും നിൽക്കും</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>ജനന സമയം %1 (നൽകിയ സമയത്തിൽ നിന്ന് %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>ജനന സമയം - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: ഓരോ ബിന്ദുവും മാറുംമുമ്പ് ജനന സമയം ഇരുവശത്തേക്കും എത്ര നീങ്ങാം. ബട്ടണുകളോ സ്ലൈഡറോ ഉപയോഗിച്ച് സമയം നീക്കുക; ഓരോ ചുവടിലും ഗ്രഹനില ജാലകം വീണ്ടും കുറിക്കും.</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>ജനന ഗ്രഹനില കുറിക്കാനാവില്ല.</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2 ലെ ഗോചരത്തോടെ ജനന രാശിചക്രം, ജനന സമയ മേഖലയിൽ (ചരിഞ്ഞ അക്ഷരം, മുന്നിൽ "t")</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (ഭംഗം)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %n യോഗങ്ങൾ (ഭാവങ്ങൾ ലഗ്നത്തിൽ നിന്ന് മുഴുവൻ രാശികളായി). ഒന്ന് തിരഞ്ഞെടുത്താൽ അത് എന്തുകൊണ്ടെന്ന് കാണാം; അതിന്റെ ഗ്രഹങ്ങൾ ചക്രത്തിൽ എടുത്തുകാണിക്കും.</numerusform>
                <numerusform>%1 — %2: %n യോഗങ്ങൾ (ഭാവങ്ങൾ ലഗ്നത്തിൽ നിന്ന് മുഴുവൻ രാശികളായി). ഒന്ന് തിരഞ്ഞെടുത്താൽ അത് എന്തുകൊണ്ടെന്ന് കാണാം; അതിന്റെ ഗ്രഹങ്ങൾ ചക്രത്തിൽ എടുത്തുകാണിക്കും.</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>യോഗങ്ങൾ - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>ഗ്രഹങ്ങൾ: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>ഇത് എന്തുകൊണ്ട്:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>ഇവയാൽ ഭംഗവും ദുർബലവും:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>ഇവയാൽ ദുർബലം:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>നിയമം: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>ഫലം: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>പാഠം: %1</translation>
        </message>
    </context>
</TS>
