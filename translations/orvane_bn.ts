<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
    <context>
        <name>Orvane</name>
        <message>
            <source>Enter title</source>
            <translation>শিরোনাম লিখুন</translation>
        </message>
        <message>
            <source>Title:</source>
            <translation>শিরোনাম:</translation>
        </message>
        <message>
            <source>The chart could not be drawn.</source>
            <translation>চক্র আঁকা যায়নি।</translation>
        </message>
        <message>
            <source>The bitmap could not be saved.

%1</source>
            <translation>বিটম্যাপ সংরক্ষণ করা যায়নি।

%1</translation>
        </message>
        <message>
            <source>%1

Its file is "%2".</source>
            <translation>%1

এর ফাইল "%2"।</translation>
        </message>
        <message>
            <source>what is on the screen</source>
            <translation>পর্দায় যা আছে</translation>
        </message>
        <message>
            <source>basic calculations</source>
            <translation>মৌলিক গণনা</translation>
        </message>
        <message>
            <source>all calculations</source>
            <translation>সব গণনা</translation>
        </message>
        <message>
            <source>Copied %1 to the clipboard in plain text format, but a part of it was longer than the program can hold and its end was cut.</source>
            <translation>%1 সাধারণ লেখায় ক্লিপবোর্ডে কপি হয়েছে, কিন্তু একটি অংশ প্রোগ্রামের সীমার চেয়ে লম্বা ছিল বলে তার শেষ কাটা পড়েছে।</translation>
        </message>
        <message>
            <source>Successfully copied %1 to the clipboard in plain text format.</source>
            <translation>%1 সাধারণ লেখায় ক্লিপবোর্ডে সফলভাবে কপি হয়েছে।</translation>
        </message>
        <message>
            <source>Cannot open the Clipboard</source>
            <translation>ক্লিপবোর্ড খোলা যাচ্ছে না</translation>
        </message>
        <message>
            <source>Unable to set Clipboard data</source>
            <translation>ক্লিপবোর্ডে ডেটা রাখা যায়নি</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>চক্র</translation>
        </message>
        <message>
            <source>Save the chart as a bitmap</source>
            <translation>চক্র বিটম্যাপ হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>Windows bitmaps (*.bmp)</source>
            <translation>Windows বিটম্যাপ (*.bmp)</translation>
        </message>
        <message>
            <source>A picture is %1 to %2 pixels wide.</source>
            <translation>ছবি %1 থেকে %2 পিক্সেল চওড়া হয়।</translation>
        </message>
        <message>
            <source>The picture could not be encoded.</source>
            <translation>ছবি এনকোড করা যায়নি।</translation>
        </message>
        <message>
            <source>Pictures are saved as .png or .svg files.</source>
            <translation>ছবি .png বা .svg ফাইলে সংরক্ষিত হয়।</translation>
        </message>
        <message>
            <source>Save chart 1 as a picture</source>
            <translation>চক্র 1 ছবি হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>PNG pictures (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG ছবি (*.png);;SVG অঙ্কন (*.svg)</translation>
        </message>
        <message>
            <source> pixels</source>
            <translation> পিক্সেল</translation>
        </message>
        <message>
            <source>Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales</source>
            <translation>PNG ছবির প্রস্থ ও উচ্চতা (%1 থেকে %2 পিক্সেল); SVG অঙ্কন যে কোনো মাপে বাড়ে</translation>
        </message>
        <message>
            <source>Picture si&amp;ze:</source>
            <translation>ছবির মাপ(&amp;Z):</translation>
        </message>
        <message>
            <source>T&amp;itle:</source>
            <translation>শিরোনাম(&amp;I):</translation>
        </message>
        <message>
            <source>The picture could not be saved.

%1</source>
            <translation>ছবি সংরক্ষণ করা যায়নি।

%1</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be created.

%2</source>
            <translation>টীকা ফাইল "%1" তৈরি করা যায়নি।

%2</translation>
        </message>
        <message>
            <source>The notes file "%1" could not be opened in an editor.</source>
            <translation>টীকা ফাইল "%1" সম্পাদকে খোলা যায়নি।</translation>
        </message>
        <message>
            <source>The chart could not be mailed: its text file could not be written.

%1</source>
            <translation>কোষ্ঠী মেল করা যায়নি: তার টেক্সট ফাইল লেখা যায়নি।

%1</translation>
        </message>
        <message>
            <source>The chart could not be mailed: the program "%1" was not found (it comes with the package xdg-utils).

The complete calculations are on the clipboard and in the file "%2"; you can attach that file to a message yourself.</source>
            <translation>কোষ্ঠী মেল করা যায়নি: "%1" প্রোগ্রাম পাওয়া যায়নি (এটি xdg-utils প্যাকেজের সঙ্গে আসে)।

সম্পূর্ণ গণনা ক্লিপবোর্ডে ও "%2" ফাইলে আছে; আপনি নিজে ফাইলটি বার্তায় যুক্ত করতে পারেন।</translation>
        </message>
        <message>
            <source>Send Mail failed to send message.</source>
            <translation>মেল পাঠানো ব্যর্থ হয়েছে।</translation>
        </message>
        <message>
            <source>Bitmap saved</source>
            <translation>বিটম্যাপ সংরক্ষিত</translation>
        </message>
        <message>
            <source>What you see on the screen now is saved as a Windows bitmap. You can convert it to other formats or include it in a document.</source>
            <translation>পর্দায় এখন যা দেখছেন তা Windows বিটম্যাপ হিসেবে সংরক্ষিত হয়েছে। আপনি এটি অন্য বিন্যাসে বদলাতে বা কোনো নথিতে যোগ করতে পারেন।</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>ডিস্ক ভরে গেছে</translation>
        </message>
        <message>
            <source>not all of it could be written (the disk may be full)</source>
            <translation>পুরোটা লেখা যায়নি (ডিস্ক ভরে থাকতে পারে)</translation>
        </message>
        <message>
            <source>The file "%1" cannot be written: %2.</source>
            <translation>"%1" ফাইল লেখা যাচ্ছে না: %2।</translation>
        </message>
        <message>
            <source>the printer could not write it</source>
            <translation>প্রিন্টার সেটি লিখতে পারেনি</translation>
        </message>
        <message>
            <source>The file "%1" could not be written: %2. Any file of that name is unchanged.</source>
            <translation>"%1" ফাইল লেখা যায়নি: %2। ওই নামের কোনো ফাইল থাকলে তা অপরিবর্তিত।</translation>
        </message>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>সুইস এফিমেরিস</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>There is nothing to print: no item is chosen under "Items to include when printing".</source>
            <translation>মুদ্রণের কিছু নেই: "মুদ্রণে যা থাকবে"-তে কিছুই বাছা হয়নি।</translation>
        </message>
        <message>
            <source>Could not start print job.</source>
            <translation>মুদ্রণ কাজ শুরু করা যায়নি।</translation>
        </message>
        <message>
            <source>Vedic astrology</source>
            <translation>বৈদিক জ্যোতিষ</translation>
        </message>
        <message>
            <source>Version 3.0</source>
            <translation>সংস্করণ 3.0</translation>
        </message>
        <message>
            <source>Its birth data cannot be read: %1.</source>
            <translation>এর জন্ম তথ্য পড়া যাচ্ছে না: %1।</translation>
        </message>
        <message>
            <source>Its birth data lie outside the range a chart can be cast for.</source>
            <translation>এর জন্ম তথ্য কোষ্ঠী তৈরির সীমার বাইরে।</translation>
        </message>
        <message>
            <source>Welcome to Meruvan's "Orvane Lite"!</source>
            <translation>Meruvan-এর "Orvane Lite"-এ স্বাগত!</translation>
        </message>
        <message>
            <source>Welcome!

It looks like you are using this version of software for the first time!

You need to set some preferences so that charts can be calculated correctly and displayed conveniently.

Please select your preferences carefully.

Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>স্বাগত!

মনে হচ্ছে আপনি এই সফটওয়্যারের এই সংস্করণ প্রথমবার ব্যবহার করছেন!

কোষ্ঠী ঠিকভাবে গণনা ও সুবিধামতো দেখানোর জন্য কিছু পছন্দ ঠিক করতে হবে।

অনুগ্রহ করে আপনার পছন্দ যত্ন করে বেছে নিন।

এই পছন্দগুলি পরে "পছন্দসমূহ" মেনু থেকে বদলানো যাবে।

এই সফটওয়্যার উপভোগ করুন! ভগবান তলবেশ আপনাকে আশীর্বাদ করুন!!</translation>
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
            <translation>Meruvan-এর "Orvane Lite" উপভোগ করুন!</translation>
        </message>
        <message>
            <source>Success! You have successfully set your preferences. Note that these preferences may be changed later, using the menu item "Preferences".

Have fun with this software! May Lord Talvesh bless you!!</source>
            <translation>সফল! আপনি আপনার পছন্দ সফলভাবে ঠিক করেছেন। এগুলি পরে "পছন্দসমূহ" মেনু থেকে বদলানো যাবে।

এই সফটওয়্যার উপভোগ করুন! ভগবান তলবেশ আপনাকে আশীর্বাদ করুন!!</translation>
        </message>
        <message>
            <source>Using a nonlinear ayanamsa</source>
            <translation>অরৈখিক অয়নাংশ ব্যবহার</translation>
        </message>
        <message>
            <source>Some popular ayanamsas are linear as given by their proponents. But this program supports only nonlinear ayanamsas. Ayanamsa changes are nonlinear in reality. Using a linear ayanamsa compromises the accuracy of Tajaka charts, for example.

If you don't understand this message, don't worry. This program is doing the right thing.</source>
            <translation>কিছু জনপ্রিয় অয়নাংশ তাদের প্রবর্তকেরা রৈখিক রূপে দিয়েছেন। কিন্তু এই প্রোগ্রাম কেবল অরৈখিক অয়নাংশ সমর্থন করে। বাস্তবে অয়নাংশের পরিবর্তন অরৈখিক। রৈখিক অয়নাংশে, যেমন, তাজিক কোষ্ঠীর নির্ভুলতা কমে।

এই বার্তা না বুঝলে চিন্তা করবেন না। এই প্রোগ্রাম ঠিক কাজই করছে।</translation>
        </message>
        <message>
            <source>Chart library</source>
            <translation>কোষ্ঠী সংগ্রহ</translation>
        </message>
        <message>
            <source>Name, or a query: moon.sign == "Scorpio"</source>
            <translation>নাম, বা অনুসন্ধান: moon.sign == "Scorpio"</translation>
        </message>
        <message>
            <source>Search the library</source>
            <translation>সংগ্রহে খুঁজুন</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>নাম</translation>
        </message>
        <message>
            <source>Born</source>
            <translation>জন্ম</translation>
        </message>
        <message>
            <source>Place</source>
            <translation>স্থান</translation>
        </message>
        <message>
            <source>Tags</source>
            <translation>ট্যাগ</translation>
        </message>
        <message>
            <source>Charts of the library</source>
            <translation>সংগ্রহের কোষ্ঠী</translation>
        </message>
        <message>
            <source>client, family</source>
            <translation>গ্রাহক, পরিবার</translation>
        </message>
        <message>
            <source>Life events of the chart</source>
            <translation>কোষ্ঠীর জীবনের ঘটনা</translation>
        </message>
        <message>
            <source>marriage 1995-05-01 in Chennai</source>
            <translation>marriage 1995-05-01 in Chennai</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>খুলুন(&amp;O)</translation>
        </message>
        <message>
            <source>Save &amp;tags and notes</source>
            <translation>ট্যাগ ও টীকা সংরক্ষণ(&amp;T)</translation>
        </message>
        <message>
            <source>Tags:</source>
            <translation>ট্যাগ:</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>টীকা:</translation>
        </message>
        <message>
            <source>Events:</source>
            <translation>ঘটনা:</translation>
        </message>
        <message>
            <source>Add &amp;event</source>
            <translation>ঘটনা যোগ করুন(&amp;E)</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>প্রস্তুত</translation>
        </message>
        <message>
            <source>Match with</source>
            <translation>এর সঙ্গে মিলন</translation>
        </message>
        <message>
            <source>File '%1' not found.</source>
            <translation>'%1' ফাইল পাওয়া যায়নি।</translation>
        </message>
        <message>
            <source>%1 is not a valid chart data file: %2</source>
            <translation>%1 বৈধ কোষ্ঠী ডেটা ফাইল নয়: %2</translation>
        </message>
        <message>
            <source>&amp;Swap groom and bride</source>
            <translation>বর ও কনে অদলবদল(&amp;S)</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>বন্ধ</translation>
        </message>
        <message>
            <source>The chart</source>
            <translation>কোষ্ঠী</translation>
        </message>
        <message>
            <source>Strengths</source>
            <translation>বল</translation>
        </message>
        <message>
            <source>Ashtakavarga</source>
            <translation>অষ্টকবর্গ</translation>
        </message>
        <message>
            <source>Vimsottari dasa</source>
            <translation>বিংশোত্তরী দশা</translation>
        </message>
        <message>
            <source>Other nakshatra dasas</source>
            <translation>অন্যান্য নক্ষত্র দশা</translation>
        </message>
        <message>
            <source>Jaimini rasi dasas</source>
            <translation>জৈমিনি রাশি দশা</translation>
        </message>
        <message>
            <source>Tajaka (annual chart)</source>
            <translation>তাজিক (বর্ষ কোষ্ঠী)</translation>
        </message>
        <message>
            <source>Mundane charts</source>
            <translation>মেদিনী কোষ্ঠী</translation>
        </message>
        <message>
            <source>This section is written for the birth chart only: Tajaka &gt; Back to birthchart shows it.</source>
            <translation>এই অংশ কেবল জন্ম কোষ্ঠীর জন্য: তাজিক &gt; জন্ম কোষ্ঠীতে ফিরুন এটি দেখায়।</translation>
        </message>
        <message>
            <source>This section is written for a Tajaka chart only: choose the year with Tajaka &gt; Tajaka varsha chakra.</source>
            <translation>এই অংশ কেবল তাজিক কোষ্ঠীর জন্য: তাজিক &gt; তাজিক বর্ষ চক্র দিয়ে বছর বেছে নিন।</translation>
        </message>
        <message>
            <source>This section is written for a mundane chart only (orvane-cli --mundane DAYS); the desktop program does not cast mundane charts.</source>
            <translation>এই অংশ কেবল মেদিনী কোষ্ঠীর জন্য (orvane-cli --mundane DAYS); ডেস্কটপ প্রোগ্রাম মেদিনী কোষ্ঠী তৈরি করে না।</translation>
        </message>
        <message>
            <source>Report sections</source>
            <translation>প্রতিবেদনের অংশ</translation>
        </message>
        <message>
            <source>&amp;Copy section</source>
            <translation>অংশ কপি করুন(&amp;C)</translation>
        </message>
        <message>
            <source>Transits - %1</source>
            <translation>গোচর - %1</translation>
        </message>
        <message>
            <source>&amp;Moment:</source>
            <translation>মুহূর্ত(&amp;M):</translation>
        </message>
        <message>
            <source>- Year</source>
            <translation>- বছর</translation>
        </message>
        <message>
            <source>- Month</source>
            <translation>- মাস</translation>
        </message>
        <message>
            <source>- Day</source>
            <translation>- দিন</translation>
        </message>
        <message>
            <source>+ Day</source>
            <translation>+ দিন</translation>
        </message>
        <message>
            <source>+ Month</source>
            <translation>+ মাস</translation>
        </message>
        <message>
            <source>+ Year</source>
            <translation>+ বছর</translation>
        </message>
        <message>
            <source>&amp;Now</source>
            <translation>এখন(&amp;N)</translation>
        </message>
        <message>
            <source>Orvane Lite User Guide</source>
            <translation>Orvane Lite ব্যবহার নির্দেশিকা</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>মুদ্রণ(&amp;P)...</translation>
        </message>
        <message>
            <source>Print the chart</source>
            <translation>কোষ্ঠী মুদ্রণ করুন</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>মুদ্রণের পূর্বরূপ(&amp;V)</translation>
        </message>
        <message>
            <source>Show the printed pages</source>
            <translation>মুদ্রিত পাতা দেখান</translation>
        </message>
        <message>
            <source>&amp;Email as text file attachment</source>
            <translation>টেক্সট ফাইল সংযুক্ত করে ইমেল(&amp;E)</translation>
        </message>
        <message>
            <source>Mail the complete calculations as a text file</source>
            <translation>সম্পূর্ণ গণনা টেক্সট ফাইল হিসেবে পাঠান</translation>
        </message>
        <message>
            <source>&amp;Text on current screen as plain text</source>
            <translation>বর্তমান পর্দার লেখা সাধারণ লেখায়(&amp;T)</translation>
        </message>
        <message>
            <source>Copy the text of the screen to the clipboard</source>
            <translation>পর্দার লেখা ক্লিপবোর্ডে কপি করুন</translation>
        </message>
        <message>
            <source>&amp;Basic calculations as plain text</source>
            <translation>মৌলিক গণনা সাধারণ লেখায়(&amp;B)</translation>
        </message>
        <message>
            <source>Copy the basic calculations to the clipboard</source>
            <translation>মৌলিক গণনা ক্লিপবোর্ডে কপি করুন</translation>
        </message>
        <message>
            <source>&amp;Complete calculations as plain text</source>
            <translation>সম্পূর্ণ গণনা সাধারণ লেখায়(&amp;C)</translation>
        </message>
        <message>
            <source>Copy the complete calculations to the clipboard</source>
            <translation>সম্পূর্ণ গণনা ক্লিপবোর্ডে কপি করুন</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a b&amp;itmap</source>
            <translation>পর্দার কোষ্ঠী 1 বিটম্যাপ হিসেবে(&amp;I)</translation>
        </message>
        <message>
            <source>Save chart 1 as a bitmap</source>
            <translation>কোষ্ঠী 1 বিটম্যাপ হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>Chart 1 on screen as a &amp;south-north bitmap</source>
            <translation>পর্দার কোষ্ঠী 1 দক্ষিণ-উত্তর বিটম্যাপ হিসেবে(&amp;S)</translation>
        </message>
        <message>
            <source>Save chart 1 in the south and north styles as one bitmap</source>
            <translation>কোষ্ঠী 1 দক্ষিণ ও উত্তর ধরনে একটি বিটম্যাপে সংরক্ষণ</translation>
        </message>
        <message>
            <source>Chart 1 as a &amp;picture (PNG or SVG)...</source>
            <translation>কোষ্ঠী 1 ছবি হিসেবে (PNG বা SVG)(&amp;P)...</translation>
        </message>
        <message>
            <source>Save chart 1 as a PNG or SVG picture</source>
            <translation>কোষ্ঠী 1 PNG বা SVG ছবি হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>Edit chart &amp;notes</source>
            <translation>কোষ্ঠীর টীকা সম্পাদনা(&amp;N)</translation>
        </message>
        <message>
            <source>Keep notes on this chart in a text file</source>
            <translation>এই কোষ্ঠীর টীকা টেক্সট ফাইলে রাখুন</translation>
        </message>
        <message>
            <source>Select &amp;2 charts to show</source>
            <translation>দেখাতে 2টি চক্র বেছে নিন(&amp;2)</translation>
        </message>
        <message>
            <source>Two charts</source>
            <translation>দুটি চক্র</translation>
        </message>
        <message>
            <source>Show two divisional charts</source>
            <translation>দুটি বর্গ চক্র দেখান</translation>
        </message>
        <message>
            <source>Show &amp;miscellaneous information</source>
            <translation>বিবিধ তথ্য দেখান(&amp;M)</translation>
        </message>
        <message>
            <source>Show the basic information and the table of points</source>
            <translation>মৌলিক তথ্য ও বিন্দুর সারণি দেখান</translation>
        </message>
        <message>
            <source>&amp;Ashtakavarga &amp;&amp; sodya pindas</source>
            <translation>অষ্টকবর্গ ও শোধ্য পিণ্ড(&amp;A)</translation>
        </message>
        <message>
            <source>Show the ashtakavarga of a chart you choose</source>
            <translation>বেছে নেওয়া চক্রের অষ্টকবর্গ দেখান</translation>
        </message>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ষড়বল(&amp;S)</translation>
        </message>
        <message>
            <source>Show the six strengths and the house strengths</source>
            <translation>ছয় বল ও ভাব বল দেখান</translation>
        </message>
        <message>
            <source>Swiss &amp;Ephemeris for this chart</source>
            <translation>এই কোষ্ঠীর জন্য সুইস এফিমেরিস(&amp;E)</translation>
        </message>
        <message>
            <source>Cast this window's chart with the Swiss Ephemeris (or back with the classic engine)</source>
            <translation>এই উইন্ডোর কোষ্ঠী সুইস এফিমেরিস দিয়ে তৈরি করুন (বা আবার প্রচলিত গণনায়)</translation>
        </message>
        <message>
            <source>&amp;Vimsottari dasa</source>
            <translation>বিংশোত্তরী দশা(&amp;V)</translation>
        </message>
        <message>
            <source>Show the Vimsottari dasa</source>
            <translation>বিংশোত্তরী দশা দেখান</translation>
        </message>
        <message>
            <source>P&amp;ratyantardasas in Vimsottari dasa</source>
            <translation>বিংশোত্তরী দশায় প্রত্যন্তর্দশা(&amp;R)</translation>
        </message>
        <message>
            <source>Show the pratyantardasas of a mahadasa you choose</source>
            <translation>বেছে নেওয়া মহাদশার প্রত্যন্তর্দশা দেখান</translation>
        </message>
        <message>
            <source>Vimsottari dasa &amp;browser</source>
            <translation>বিংশোত্তরী দশা ব্রাউজার(&amp;B)</translation>
        </message>
        <message>
            <source>Browse the Vimsottari main periods, antardasas and pratyantardasas</source>
            <translation>বিংশোত্তরী মহাদশা, অন্তর্দশা ও প্রত্যন্তর্দশা দেখুন</translation>
        </message>
        <message>
            <source>&amp;Kalachakra dasa</source>
            <translation>কালচক্র দশা(&amp;K)</translation>
        </message>
        <message>
            <source>Show the Kalachakra dasa</source>
            <translation>কালচক্র দশা দেখান</translation>
        </message>
        <message>
            <source>&amp;Ashtottari dasa</source>
            <translation>অষ্টোত্তরী দশা(&amp;A)</translation>
        </message>
        <message>
            <source>Show the Ashtottari dasa</source>
            <translation>অষ্টোত্তরী দশা দেখান</translation>
        </message>
        <message>
            <source>Tajaka varsha chakra (&amp;annual chart)</source>
            <translation>তাজিক বর্ষ চক্র (বর্ষ কোষ্ঠী)(&amp;A)</translation>
        </message>
        <message>
            <source>Tajaka charts</source>
            <translation>তাজিক কোষ্ঠী</translation>
        </message>
        <message>
            <source>Show the annual, monthly or hora chart of a year</source>
            <translation>কোনো বছরের বর্ষ, মাস বা হোরা কোষ্ঠী দেখান</translation>
        </message>
        <message>
            <source>&amp;Back to birthchart (clear Tajaka mode)</source>
            <translation>জন্ম কোষ্ঠীতে ফিরুন (তাজিক বন্ধ)(&amp;B)</translation>
        </message>
        <message>
            <source>Show the birth chart again</source>
            <translation>জন্ম কোষ্ঠী আবার দেখান</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa (Tajaka)</source>
            <translation>পাত্যায়িনী দশা (তাজিক)(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Patyayini dasa</source>
            <translation>পাত্যায়িনী দশা(&amp;P)</translation>
        </message>
        <message>
            <source>Show the Patyayini dasa of the annual chart</source>
            <translation>বর্ষ কোষ্ঠীর পাত্যায়িনী দশা দেখান</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa (Tajaka)</source>
            <translation>মুদ্দা দশা (তাজিক)(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Mudda dasa</source>
            <translation>মুদ্দা দশা(&amp;M)</translation>
        </message>
        <message>
            <source>Show the Mudda dasa of the annual chart</source>
            <translation>বর্ষ কোষ্ঠীর মুদ্দা দশা দেখান</translation>
        </message>
        <message>
            <source>&amp;Sahams</source>
            <translation>সহম(&amp;S)</translation>
        </message>
        <message>
            <source>Show the sahams</source>
            <translation>সহম দেখান</translation>
        </message>
        <message>
            <source>Pancha&amp;Vargeeya Bala</source>
            <translation>পঞ্চবর্গীয় বল(&amp;V)</translation>
        </message>
        <message>
            <source>Show the five-source strength of the annual chart</source>
            <translation>বর্ষ কোষ্ঠীর পঞ্চবর্গীয় বল দেখান</translation>
        </message>
        <message>
            <source>Report &amp;sections...</source>
            <translation>প্রতিবেদনের অংশ(&amp;S)...</translation>
        </message>
        <message>
            <source>List every report section and show its text, as orvane-cli prints it</source>
            <translation>প্রতিটি প্রতিবেদন অংশের তালিকা ও লেখা, orvane-cli যেমন ছাপে</translation>
        </message>
        <message>
            <source>&amp;Yogas...</source>
            <translation>যোগ(&amp;Y)...</translation>
        </message>
        <message>
            <source>List the chart's yogas and why each holds, and pick out the planets of the one chosen</source>
            <translation>কোষ্ঠীর যোগ ও প্রতিটি কেন হয় তার তালিকা, এবং বেছে নেওয়া যোগের গ্রহ চিহ্নিত করুন</translation>
        </message>
        <message>
            <source>Zoom &amp;In</source>
            <translation>বড় করুন(&amp;I)</translation>
        </message>
        <message>
            <source>Show the screen larger</source>
            <translation>পর্দা বড় করে দেখান</translation>
        </message>
        <message>
            <source>Zoom &amp;Out</source>
            <translation>ছোট করুন(&amp;O)</translation>
        </message>
        <message>
            <source>Show the screen smaller</source>
            <translation>পর্দা ছোট করে দেখান</translation>
        </message>
        <message>
            <source>&amp;Actual Size</source>
            <translation>প্রকৃত আকার(&amp;A)</translation>
        </message>
        <message>
            <source>Show the screen at its actual size</source>
            <translation>পর্দা প্রকৃত আকারে দেখান</translation>
        </message>
        <message>
            <source>&amp;Fit to Window</source>
            <translation>উইন্ডো অনুযায়ী(&amp;F)</translation>
        </message>
        <message>
            <source>Fit the screen to the window</source>
            <translation>পর্দা উইন্ডোর মাপে আনুন</translation>
        </message>
        <message>
            <source>Yogas of the chart</source>
            <translation>কোষ্ঠীর যোগ</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>যোগ</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>গ্রহ</translation>
        </message>
        <message>
            <source>Houses</source>
            <translation>ভাব</translation>
        </message>
        <message>
            <source>Why the yoga holds</source>
            <translation>যোগ কেন হয়</translation>
        </message>
        <message>
            <source>Enter Birthdata</source>
            <translation>জন্ম তথ্য লিখুন</translation>
        </message>
        <message>
            <source>Whose chart this is (kept with the chart)</source>
            <translation>এটি কার কোষ্ঠী (কোষ্ঠীর সঙ্গে রাখা হয়)</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>নাম(&amp;N):</translation>
        </message>
        <message>
            <source>Date of birth</source>
            <translation>জন্ম তারিখ</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>মাস:</translation>
        </message>
        <message>
            <source>Day:</source>
            <translation>দিন:</translation>
        </message>
        <message>
            <source>Year:</source>
            <translation>বছর:</translation>
        </message>
        <message>
            <source>Time of birth</source>
            <translation>জন্ম সময়</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>পূর্বাহ্ণ</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>অপরাহ্ণ</translation>
        </message>
        <message>
            <source>Hours:</source>
            <translation>ঘণ্টা:</translation>
        </message>
        <message>
            <source>Minutes:</source>
            <translation>মিনিট:</translation>
        </message>
        <message>
            <source>Seconds:</source>
            <translation>সেকেন্ড:</translation>
        </message>
        <message>
            <source>Time zone</source>
            <translation>সময় অঞ্চল</translation>
        </message>
        <message>
            <source>East of GMT</source>
            <translation>GMT-র পূর্বে</translation>
        </message>
        <message>
            <source>West of GMT</source>
            <translation>GMT-র পশ্চিমে</translation>
        </message>
        <message>
            <source>Daylight Saving Time</source>
            <translation>দিবালোক সংরক্ষণ সময়</translation>
        </message>
        <message>
            <source>Local Mean Time (time zone entered above will be ignored)</source>
            <translation>স্থানীয় গড় সময় (উপরের সময় অঞ্চল উপেক্ষিত হবে)</translation>
        </message>
        <message>
            <source>Place of birth</source>
            <translation>জন্মস্থান</translation>
        </message>
        <message>
            <source>Type a place: Chennai, or Springfield, IL, or London, GB</source>
            <translation>স্থান লিখুন: Chennai, বা Springfield, IL, বা London, GB</translation>
        </message>
        <message>
            <source>The place's name (the place table is missing)</source>
            <translation>স্থানের নাম (স্থান-সারণি নেই)</translation>
        </message>
        <message>
            <source>No place search: %1. Enter the zone and the position below.</source>
            <translation>স্থান খোঁজা যাবে না: %1। নিচে অঞ্চল ও অবস্থান লিখুন।</translation>
        </message>
        <message>
            <source>Choose a city to fill in its place and zone</source>
            <translation>শহর বেছে নিলে তার স্থান ও অঞ্চল ভরে যাবে</translation>
        </message>
        <message>
            <source>E</source>
            <translation>পূ</translation>
        </message>
        <message>
            <source>W</source>
            <translation>প</translation>
        </message>
        <message>
            <source>N</source>
            <translation>উ</translation>
        </message>
        <message>
            <source>S</source>
            <translation>দ</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>স্থান(&amp;P):</translation>
        </message>
        <message>
            <source>City:</source>
            <translation>শহর:</translation>
        </message>
        <message>
            <source>Longitude:</source>
            <translation>দ্রাঘিমা:</translation>
        </message>
        <message>
            <source>Latitude:</source>
            <translation>অক্ষাংশ:</translation>
        </message>
        <message>
            <source>Please enter an integer between %1 and %2.</source>
            <translation>অনুগ্রহ করে %1 থেকে %2-এর মধ্যে পূর্ণসংখ্যা লিখুন।</translation>
        </message>
        <message>
            <source>Please enter a number between %1 and %2.</source>
            <translation>অনুগ্রহ করে %1 থেকে %2-এর মধ্যে সংখ্যা লিখুন।</translation>
        </message>
        <message>
            <source>South Indian Style (Regular)</source>
            <translation>দক্ষিণ ভারতীয় ধরন (নিয়মিত)</translation>
        </message>
        <message>
            <source>South Indian Style (Irregular)</source>
            <translation>দক্ষিণ ভারতীয় ধরন (অনিয়মিত)</translation>
        </message>
        <message>
            <source>North Indian Style ("Diamond chart")</source>
            <translation>উত্তর ভারতীয় ধরন ("হীরক চক্র")</translation>
        </message>
        <message>
            <source>East Indian Style ("Sun Chart")</source>
            <translation>পূর্ব ভারতীয় ধরন ("সূর্য চক্র")</translation>
        </message>
        <message>
            <source>East Indian Style (with frame)</source>
            <translation>পূর্ব ভারতীয় ধরন (ফ্রেম সহ)</translation>
        </message>
        <message>
            <source>Chitrapaksha ayanamsa (Lahiri)</source>
            <translation>চিত্রপক্ষ অয়নাংশ (লাহিড়ী)</translation>
        </message>
        <message>
            <source>Raman ayanamsa</source>
            <translation>রমন অয়নাংশ</translation>
        </message>
        <message>
            <source>Deva-datta ayanamsa</source>
            <translation>দেবদত্ত অয়নাংশ</translation>
        </message>
        <message>
            <source>Krishnamoorthy ayanamsa</source>
            <translation>কৃষ্ণমূর্তি অয়নাংশ</translation>
        </message>
        <message>
            <source>Usha-Shashi ayanamsa</source>
            <translation>ঊষা-শশী অয়নাংশ</translation>
        </message>
        <message>
            <source>Fagan ayanamsa</source>
            <translation>ফেগান অয়নাংশ</translation>
        </message>
        <message>
            <source>Tropical (sayana) zodiac</source>
            <translation>সায়ন রাশিচক্র</translation>
        </message>
        <message>
            <source>Custom ayanamsa</source>
            <translation>নিজস্ব অয়নাংশ</translation>
        </message>
        <message>
            <source>Birthdata, degrees, Rasi, Navamsa, Vimsottari dasa (basic)</source>
            <translation>জন্ম তথ্য, অংশ, রাশি, নবমাংশ, বিংশোত্তরী দশা (মৌলিক)</translation>
        </message>
        <message>
            <source>Kalachakra dasa &amp;&amp; Ashtottari dasa (popular nakshatra dasas)</source>
            <translation>কালচক্র দশা ও অষ্টোত্তরী দশা (জনপ্রিয় নক্ষত্র দশা)</translation>
        </message>
        <message>
            <source>Shadbalas, Bhava balas, Ishta-Kashta phalas &amp;&amp; Ashtakavarga</source>
            <translation>ষড়বল, ভাব বল, ইষ্ট-কষ্ট ফল ও অষ্টকবর্গ</translation>
        </message>
        <message>
            <source>Charts of fortune &amp;&amp; standing (D-10, D-4, D-16, D-2, D-5, D-40)</source>
            <translation>ভাগ্য ও প্রতিষ্ঠার চক্র (D-10, D-4, D-16, D-2, D-5, D-40)</translation>
        </message>
        <message>
            <source>Charts of family &amp;&amp; inner matters (D-12, D-3, D-7, D-27, D-24, D-20)</source>
            <translation>পরিবার ও অন্তর্জগতের চক্র (D-12, D-3, D-7, D-27, D-24, D-20)</translation>
        </message>
        <message>
            <source>Charts of misfortune &amp;&amp; past karma (D-6, D-8, D-11, D-30, D-45, D-60)</source>
            <translation>দুর্ভাগ্য ও পূর্বকর্মের চক্র (D-6, D-8, D-11, D-30, D-45, D-60)</translation>
        </message>
        <message>
            <source>Choose chart style</source>
            <translation>কোষ্ঠীর ধরন বেছে নিন</translation>
        </message>
        <message>
            <source>&amp;Draw the charts in</source>
            <translation>কোষ্ঠী এই ধরনে আঁকুন(&amp;D)</translation>
        </message>
        <message>
            <source>Show each body's de&amp;grees and minutes beside it</source>
            <translation>প্রতিটি গ্রহের অংশ ও কলা পাশে দেখান(&amp;G)</translation>
        </message>
        <message>
            <source>Degrees in the &amp;rasi chart only (none in the divisional charts)</source>
            <translation>অংশ কেবল রাশি চক্রে (বর্গ চক্রে নয়)(&amp;R)</translation>
        </message>
        <message>
            <source>Choose Ayanamsa</source>
            <translation>অয়নাংশ বেছে নিন</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>অয়নাংশ(&amp;A)</translation>
        </message>
        <message>
            <source>Deviation from Chitrapaksha (Lahiri)</source>
            <translation>চিত্রপক্ষ (লাহিড়ী) থেকে বিচ্যুতি</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>যোগ</translation>
        </message>
        <message>
            <source>Subtract</source>
            <translation>বিয়োগ</translation>
        </message>
        <message>
            <source>De&amp;grees:</source>
            <translation>অংশ(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Minutes:</source>
            <translation>কলা(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Seconds:</source>
            <translation>বিকলা(&amp;S):</translation>
        </message>
        <message>
            <source>Choosing an ayanamsa fills in its deviation. Typing a deviation, or choosing Add or Subtract, makes it a custom ayanamsa.</source>
            <translation>অয়নাংশ বাছলে তার বিচ্যুতি ভরে যায়। বিচ্যুতি লিখলে বা যোগ/বিয়োগ বাছলে সেটি নিজস্ব অয়নাংশ হয়।</translation>
        </message>
        <message>
            <source>Number of days in a year (Nakshatra dasas)</source>
            <translation>বছরে দিনের সংখ্যা (নক্ষত্র দশা)</translation>
        </message>
        <message>
            <source>&amp;Days in a year:</source>
            <translation>বছরে দিন(&amp;D):</translation>
        </message>
        <message>
            <source>The length of a dasa year in the Vimsottari, Ashtottari and other nakshatra dasas. The usual value is 365.2425.</source>
            <translation>বিংশোত্তরী, অষ্টোত্তরী ও অন্যান্য নক্ষত্র দশায় দশা-বছরের দৈর্ঘ্য। সাধারণ মান 365.2425।</translation>
        </message>
        <message>
            <source>Special lagnas and upagrahas</source>
            <translation>বিশেষ লগ্ন ও উপগ্রহ</translation>
        </message>
        <message>
            <source>&amp;Points shown in the charts</source>
            <translation>কোষ্ঠীতে দেখানো বিন্দু(&amp;P)</translation>
        </message>
        <message>
            <source>Display special lagnas (GL, HL, BL)</source>
            <translation>বিশেষ লগ্ন দেখান (GL, HL, BL)</translation>
        </message>
        <message>
            <source>Display Dhooma etc upagrahas (5)</source>
            <translation>ধূম প্রভৃতি উপগ্রহ দেখান (5)</translation>
        </message>
        <message>
            <source>Display Gulika etc upagrahas (6)</source>
            <translation>গুলিক প্রভৃতি উপগ্রহ দেখান (6)</translation>
        </message>
        <message>
            <source>Arudha pada&amp;s</source>
            <translation>আরূঢ় পদ(&amp;S)</translation>
        </message>
        <message>
            <source>Display all arudha padas</source>
            <translation>সব আরূঢ় পদ দেখান</translation>
        </message>
        <message>
            <source>Display only some arudha padas</source>
            <translation>কেবল কিছু আরূঢ় পদ দেখান</translation>
        </message>
        <message>
            <source>With only some padas, you choose them next.</source>
            <translation>কেবল কিছু পদ হলে, পরে সেগুলি বেছে নেবেন।</translation>
        </message>
        <message>
            <source>Padas to be displayed</source>
            <translation>যে পদ দেখানো হবে</translation>
        </message>
        <message>
            <source>Arudha padas to display</source>
            <translation>যে আরূঢ় পদ দেখানো হবে</translation>
        </message>
        <message>
            <source>Pada numbers 1 to 12: 1 is AL (arudha lagna), 12 is UL (upapada), 7 is A7. 0 leaves a place empty.</source>
            <translation>পদ সংখ্যা 1 থেকে 12: 1 হল AL (আরূঢ় লগ্ন), 12 হল UL (উপপদ), 7 হল A7। 0 স্থান ফাঁকা রাখে।</translation>
        </message>
        <message>
            <source>Upagraha Calculation Options</source>
            <translation>উপগ্রহ গণনার বিকল্প</translation>
        </message>
        <message>
            <source>Rising point within the portion of the day or night</source>
            <translation>দিন বা রাতের ভাগে উদয় বিন্দু</translation>
        </message>
        <message>
            <source>beginning</source>
            <translation>শুরু</translation>
        </message>
        <message>
            <source>middle</source>
            <translation>মধ্য</translation>
        </message>
        <message>
            <source>end</source>
            <translation>শেষ</translation>
        </message>
        <message>
            <source>&amp;Gulika:</source>
            <translation>গুলিক(&amp;G):</translation>
        </message>
        <message>
            <source>&amp;Mandi:</source>
            <translation>মান্দি(&amp;M):</translation>
        </message>
        <message>
            <source>&amp;Kala, Mrityu etc:</source>
            <translation>কাল, মৃত্যু প্রভৃতি(&amp;K):</translation>
        </message>
        <message>
            <source>Dhuma and Vyatipata</source>
            <translation>ধূম ও ব্যতীপাত</translation>
        </message>
        <message>
            <source>Vyatipata = 360 deg - Dhuma</source>
            <translation>ব্যতীপাত = 360 অংশ - ধূম</translation>
        </message>
        <message>
            <source>Vyatipata = Dhuma + 53 deg 20 min</source>
            <translation>ব্যতীপাত = ধূম + 53 অংশ 20 কলা</translation>
        </message>
        <message>
            <source>&amp;Relation:</source>
            <translation>সম্পর্ক(&amp;R):</translation>
        </message>
        <message>
            <source>Kala, Mrityu etc:</source>
            <translation>কাল, মৃত্যু প্রভৃতি:</translation>
        </message>
        <message>
            <source>Hora chart preference</source>
            <translation>হোরা চক্রের পছন্দ</translation>
        </message>
        <message>
            <source>Cancer-Leo (standard)</source>
            <translation>কর্কট-সিংহ (সাধারণ)</translation>
        </message>
        <message>
            <source>Zodiac twice (Parivritti Dwaya)</source>
            <translation>রাশিচক্র দুবার (পরিবৃত্তি দ্বয়)</translation>
        </message>
        <message>
            <source>&amp;Hora chart (D-2):</source>
            <translation>হোরা চক্র (D-2)(&amp;H):</translation>
        </message>
        <message>
            <source>Ephemeris</source>
            <translation>এফিমেরিস</translation>
        </message>
        <message>
            <source>Classic (the built-in theory)</source>
            <translation>প্রচলিত (অন্তর্নির্মিত তত্ত্ব)</translation>
        </message>
        <message>
            <source>Swiss Ephemeris (within an arc-second)</source>
            <translation>সুইস এফিমেরিস (এক বিকলার মধ্যে)</translation>
        </message>
        <message>
            <source>Rahu from the &amp;true node (mean node otherwise)</source>
            <translation>রাহু প্রকৃত পাত থেকে (নইলে গড় পাত)(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Positions from:</source>
            <translation>অবস্থান এখান থেকে(&amp;P):</translation>
        </message>
        <message>
            <source>A chart window can use the other engine for its own chart: Charts &gt;&gt; Swiss Ephemeris for this chart.</source>
            <translation>কোনো কোষ্ঠীর উইন্ডো নিজের কোষ্ঠীর জন্য অন্য গণনা নিতে পারে: কোষ্ঠী &gt;&gt; এই কোষ্ঠীর জন্য সুইস এফিমেরিস।</translation>
        </message>
        <message>
            <source>Preferences for printing</source>
            <translation>মুদ্রণের পছন্দ</translation>
        </message>
        <message>
            <source>Print in &amp;black and white</source>
            <translation>সাদা-কালোয় মুদ্রণ(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Items to include (one page each)</source>
            <translation>যা থাকবে (প্রতিটি এক পাতা)(&amp;I)</translation>
        </message>
        <message>
            <source>Enter Location</source>
            <translation>স্থান লিখুন</translation>
        </message>
        <message>
            <source>Place of charts cast for the current moment</source>
            <translation>এখনকার মুহূর্তের কোষ্ঠীর স্থান</translation>
        </message>
        <message>
            <source>Time &amp;zone:</source>
            <translation>সময় অঞ্চল(&amp;Z):</translation>
        </message>
        <message>
            <source>&amp;Longitude:</source>
            <translation>দ্রাঘিমা(&amp;L):</translation>
        </message>
        <message>
            <source>L&amp;atitude:</source>
            <translation>অক্ষাংশ(&amp;A):</translation>
        </message>
        <message>
            <source>No place search (the place table is missing)</source>
            <translation>স্থান খোঁজা নেই (স্থান-সারণি নেই)</translation>
        </message>
        <message>
            <source>%1. Enter the zone below.</source>
            <translation>%1। নিচে অঞ্চল লিখুন।</translation>
        </message>
        <message>
            <source>About Orvane Lite....</source>
            <translation>Orvane Lite সম্পর্কে....</translation>
        </message>
        <message>
            <source>Orvane Lite
Version 3.0</source>
            <translation>Orvane Lite
সংস্করণ 3.0</translation>
        </message>
        <message>
            <source>Vedic astrology software</source>
            <translation>বৈদিক জ্যোতিষ সফটওয়্যার</translation>
        </message>
        <message>
            <source>Copyright © Meruvan.
Licensed under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later). The Swiss Ephemeris, which Orvane Lite uses for precise positions, is licensed under the AGPL-3.0.</source>
            <translation>কপিরাইট © Meruvan.
GNU Affero General Public License, সংস্করণ 3 বা পরবর্তী (AGPL-3.0-or-later)-এর অধীনে লাইসেন্সপ্রাপ্ত। Orvane Lite নির্ভুল অবস্থানের জন্য যে সুইস এফিমেরিস ব্যবহার করে, সেটি AGPL-3.0-এর অধীনে লাইসেন্সপ্রাপ্ত।</translation>
        </message>
        <message>
            <source>Place names and positions: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0.
Time-zone boundaries: timezone-boundary-builder, licensed under the Open Database License (ODbL).
Time-zone history: the IANA tz database of this system.</source>
            <translation>স্থানের নাম ও অবস্থান: GeoNames (geonames.org), Creative Commons Attribution 4.0-এর অধীনে।
সময় অঞ্চলের সীমা: timezone-boundary-builder, Open Database License (ODbL)-এর অধীনে।
সময় অঞ্চলের ইতিহাস: এই সিস্টেমের IANA tz ডেটাবেস।</translation>
        </message>
        <message>
            <source>&amp;Title:</source>
            <translation>শিরোনাম(&amp;T):</translation>
        </message>
        <message>
            <source>Choose One Chart</source>
            <translation>একটি চক্র বেছে নিন</translation>
        </message>
        <message>
            <source>Choose Two Charts</source>
            <translation>দুটি চক্র বেছে নিন</translation>
        </message>
        <message>
            <source>First chart</source>
            <translation>প্রথম চক্র</translation>
        </message>
        <message>
            <source>Second chart</source>
            <translation>দ্বিতীয় চক্র</translation>
        </message>
        <message>
            <source>Exit the current view and show two big charts</source>
            <translation>বর্তমান দৃশ্য ছেড়ে দুটি বড় চক্র দেখান</translation>
        </message>
        <message>
            <source>Select the mahadasa</source>
            <translation>মহাদশা বেছে নিন</translation>
        </message>
        <message>
            <source>Pratyantardasas in the mahadasa of:</source>
            <translation>এর মহাদশায় প্রত্যন্তর্দশা:</translation>
        </message>
        <message>
            <source>Tajaka Annual Chart</source>
            <translation>তাজিক বর্ষ কোষ্ঠী</translation>
        </message>
        <message>
            <source>Annual chart (varsha chakra) of the year:</source>
            <translation>এই বছরের বর্ষ কোষ্ঠী (বর্ষ চক্র):</translation>
        </message>
        <message>
            <source>Need a monthly chart!</source>
            <translation>মাস কোষ্ঠী চাই!</translation>
        </message>
        <message>
            <source>Tajaka Monthly Chart</source>
            <translation>তাজিক মাস কোষ্ঠী</translation>
        </message>
        <message>
            <source>Month (the first month starts on the birthday):</source>
            <translation>মাস (প্রথম মাস জন্মদিনে শুরু):</translation>
        </message>
        <message>
            <source>Need a hora chart!</source>
            <translation>হোরা কোষ্ঠী চাই!</translation>
        </message>
        <message>
            <source>Tajaka Hora Chart</source>
            <translation>তাজিক হোরা কোষ্ঠী</translation>
        </message>
        <message>
            <source>Hora period of the month (1 to 12):</source>
            <translation>মাসের হোরা কাল (1 থেকে 12):</translation>
        </message>
        <message>
            <source>min</source>
            <translation>মি</translation>
        </message>
        <message>
            <source>h</source>
            <translation>ঘ</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>অংশ</translation>
        </message>
        <message>
            <source>&amp;KP and houses...</source>
            <translation>কেপি ও ভাব(&amp;K)...</translation>
        </message>
        <message>
            <source>Show the cusps of a house system with their KP lords and significators, and the bhava chalit chart</source>
            <translation>কোনো ভাব পদ্ধতির ভাবারম্ভ তাদের কেপি অধিপতি ও কারক সহ, এবং ভাব চলিত চক্র দেখান</translation>
        </message>
        <message>
            <source>Birth &amp;time...</source>
            <translation>জন্ম সময়(&amp;T)...</translation>
        </message>
        <message>
            <source>KP (new) ayanamsa</source>
            <translation>কেপি (নতুন) অয়নাংশ</translation>
        </message>
        <message>
            <source>Show how far the birth time may move before the lagna, the vargas' lagnas or the cusp sub lords change, and shift the time to recast the chart</source>
            <translation>লগ্ন, বর্গের লগ্ন বা ভাবারম্ভের উপ-অধিপতি বদলানোর আগে জন্ম সময় কতটা সরতে পারে দেখান, এবং সময় সরিয়ে কোষ্ঠী আবার তৈরি করুন</translation>
        </message>
        <message>
            <source>Stren&amp;gths as charts...</source>
            <translation>বল চার্ট হিসেবে(&amp;G)...</translation>
        </message>
        <message>
            <source>Show shadbala, bhava bala and the sarvashtakavarga as tables and bar charts, to save as a picture or print</source>
            <translation>ষড়বল, ভাব বল ও সর্বাষ্টকবর্গ সারণি ও দণ্ড চার্টে দেখান, ছবি হিসেবে সংরক্ষণ বা মুদ্রণের জন্য</translation>
        </message>
        <message>
            <source>Shadbala</source>
            <translation>ষড়বল</translation>
        </message>
        <message>
            <source>required</source>
            <translation>প্রয়োজন</translation>
        </message>
        <message>
            <source>rupas</source>
            <translation>রূপ</translation>
        </message>
        <message>
            <source>Bhava bala</source>
            <translation>ভাব বল</translation>
        </message>
        <message>
            <source>Sarvashtakavarga</source>
            <translation>সর্বাষ্টকবর্গ</translation>
        </message>
        <message>
            <source>28, the average</source>
            <translation>28, গড়</translation>
        </message>
        <message>
            <source>bindus</source>
            <translation>বিন্দু</translation>
        </message>
    </context>
    <context>
        <name>PanchangaWindow</name>
        <message>
            <source>January</source>
            <translation>জানুয়ারি</translation>
        </message>
        <message>
            <source>February</source>
            <translation>ফেব্রুয়ারি</translation>
        </message>
        <message>
            <source>March</source>
            <translation>মার্চ</translation>
        </message>
        <message>
            <source>April</source>
            <translation>এপ্রিল</translation>
        </message>
        <message>
            <source>May</source>
            <translation>মে</translation>
        </message>
        <message>
            <source>June</source>
            <translation>জুন</translation>
        </message>
        <message>
            <source>July</source>
            <translation>জুলাই</translation>
        </message>
        <message>
            <source>August</source>
            <translation>আগস্ট</translation>
        </message>
        <message>
            <source>September</source>
            <translation>সেপ্টেম্বর</translation>
        </message>
        <message>
            <source>October</source>
            <translation>অক্টোবর</translation>
        </message>
        <message>
            <source>November</source>
            <translation>নভেম্বর</translation>
        </message>
        <message>
            <source>December</source>
            <translation>ডিসেম্বর</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>রবি</translation>
        </message>
        <message>
            <source>Mon</source>
            <translation>সোম</translation>
        </message>
        <message>
            <source>Tue</source>
            <translation>মঙ্গল</translation>
        </message>
        <message>
            <source>Wed</source>
            <translation>বুধ</translation>
        </message>
        <message>
            <source>Thu</source>
            <translation>বৃহঃ</translation>
        </message>
        <message>
            <source>Fri</source>
            <translation>শুক্র</translation>
        </message>
        <message>
            <source>Sat</source>
            <translation>শনি</translation>
        </message>
        <message>
            <source>today</source>
            <translation>আজ</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>File &amp;name:</source>
            <translation>ফাইলের নাম(&amp;N):</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>ফাইলের ধরন:</translation>
        </message>
        <message>
            <source>Look in:</source>
            <translation>এখানে দেখুন:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>খুলুন(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>সংরক্ষণ(&amp;S)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>বাতিল</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>%1 y %2 m %3 d</source>
            <translation>%1 ব %2 মা %3 দি</translation>
        </message>
        <message>
            <source>Balance at birth: %1, %2.</source>
            <translation>জন্মে অবশিষ্ট: %1, %2।</translation>
        </message>
        <message>
            <source>Main periods, antardasas and pratyantardasas.</source>
            <translation>মহাদশা, অন্তর্দশা ও প্রত্যন্তর্দশা।</translation>
        </message>
        <message>
            <source>Main periods and sub-periods.</source>
            <translation>মহাদশা ও উপকাল।</translation>
        </message>
        <message>
            <source>Signs: main periods and sub-periods.</source>
            <translation>রাশি: মহাদশা ও উপকাল।</translation>
        </message>
        <message>
            <source>%1 (Jaimini)</source>
            <translation>%1 (জৈমিনি)</translation>
        </message>
        <message>
            <source>From %1, %2; main periods and antardasas.</source>
            <translation>%1 থেকে, %2; মহাদশা ও অন্তর্দশা।</translation>
        </message>
        <message>
            <source>forward</source>
            <translation>সামনের দিকে</translation>
        </message>
        <message>
            <source>backward</source>
            <translation>পেছনের দিকে</translation>
        </message>
        <message>
            <source>more than %1</source>
            <translation>%1-এর বেশি</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>ঠিক আছে</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>বাতিল</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>বন্ধ</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>সংরক্ষণ</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>বাতিল করুন</translation>
        </message>
        <message>
            <source>Don't Save</source>
            <translation>সংরক্ষণ করবেন না</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>প্রয়োগ</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>সাহায্য</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>হ্যাঁ(&amp;Y)</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>না(&amp;N)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>খুলুন</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>পুনরায় সেট</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>ডিফল্টে ফেরান</translation>
        </message>
    </context>
    <context>
        <name>QPrintPreviewDialog</name>
        <message>
            <source>Print</source>
            <translation>মুদ্রণ</translation>
        </message>
        <message>
            <source>Print Preview</source>
            <translation>মুদ্রণের পূর্বরূপ</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>বন্ধ</translation>
        </message>
    </context>
    <context>
        <name>Terms</name>
        <message>
            <source>Sun</source>
            <translation>রবি</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>চন্দ্র</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>মঙ্গল</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>বুধ</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>বৃহস্পতি</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>শুক্র</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>শনি</translation>
        </message>
        <message>
            <source>Rahu</source>
            <translation>রাহু</translation>
        </message>
        <message>
            <source>Ketu</source>
            <translation>কেতু</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>মেষ</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>বৃষ</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>মিথুন</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>কর্কট</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>সিংহ</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>কন্যা</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>তুলা</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>বৃশ্চিক</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>ধনু</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>মকর</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>কুম্ভ</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>মীন</translation>
        </message>
        <message>
            <source>Aswini</source>
            <translation>অশ্বিনী</translation>
        </message>
        <message>
            <source>Bharani</source>
            <translation>ভরণী</translation>
        </message>
        <message>
            <source>Krittika</source>
            <translation>কৃত্তিকা</translation>
        </message>
        <message>
            <source>Rohini</source>
            <translation>রোহিণী</translation>
        </message>
        <message>
            <source>Mrigasira</source>
            <translation>মৃগশিরা</translation>
        </message>
        <message>
            <source>Aardra</source>
            <translation>আর্দ্রা</translation>
        </message>
        <message>
            <source>Punarvasu</source>
            <translation>পুনর্বসু</translation>
        </message>
        <message>
            <source>Pushyami</source>
            <translation>পুষ্যা</translation>
        </message>
        <message>
            <source>Aasresha</source>
            <translation>অশ্লেষা</translation>
        </message>
        <message>
            <source>Makha</source>
            <translation>মঘা</translation>
        </message>
        <message>
            <source>Poo.Pha.</source>
            <translation>পূর্বফাল্গুনী</translation>
        </message>
        <message>
            <source>U.Pha.</source>
            <translation>উত্তরফাল্গুনী</translation>
        </message>
        <message>
            <source>Hastha</source>
            <translation>হস্তা</translation>
        </message>
        <message>
            <source>Chitra</source>
            <translation>চিত্রা</translation>
        </message>
        <message>
            <source>Swathi</source>
            <translation>স্বাতী</translation>
        </message>
        <message>
            <source>Visakha</source>
            <translation>বিশাখা</translation>
        </message>
        <message>
            <source>Anuradha</source>
            <translation>অনুরাধা</translation>
        </message>
        <message>
            <source>Jyeshtha</source>
            <translation>জ্যেষ্ঠা</translation>
        </message>
        <message>
            <source>Moola</source>
            <translation>মূলা</translation>
        </message>
        <message>
            <source>Poo.Shaa.</source>
            <translation>পূর্বাষাঢ়া</translation>
        </message>
        <message>
            <source>U.Shaa.</source>
            <translation>উত্তরাষাঢ়া</translation>
        </message>
        <message>
            <source>Sravanam</source>
            <translation>শ্রবণা</translation>
        </message>
        <message>
            <source>Dhanishtha</source>
            <translation>ধনিষ্ঠা</translation>
        </message>
        <message>
            <source>Satabhisham</source>
            <translation>শতভিষা</translation>
        </message>
        <message>
            <source>Poo.Bhaa.</source>
            <translation>পূর্বভাদ্রপদ</translation>
        </message>
        <message>
            <source>U.Bhaa.</source>
            <translation>উত্তরভাদ্রপদ</translation>
        </message>
        <message>
            <source>Revathi</source>
            <translation>রেবতী</translation>
        </message>
        <message>
            <source>Rasi</source>
            <translation>রাশি</translation>
        </message>
        <message>
            <source>Hora</source>
            <translation>হোরা</translation>
        </message>
        <message>
            <source>Drekkana</source>
            <translation>দ্রেক্কাণ</translation>
        </message>
        <message>
            <source>Chaturthamsa</source>
            <translation>চতুর্থাংশ</translation>
        </message>
        <message>
            <source>Panchamsa</source>
            <translation>পঞ্চমাংশ</translation>
        </message>
        <message>
            <source>Shashthamsa</source>
            <translation>ষষ্ঠাংশ</translation>
        </message>
        <message>
            <source>Saptamsa</source>
            <translation>সপ্তমাংশ</translation>
        </message>
        <message>
            <source>Ashtamsa</source>
            <translation>অষ্টমাংশ</translation>
        </message>
        <message>
            <source>Navamsa</source>
            <translation>নবমাংশ</translation>
        </message>
        <message>
            <source>Dasamsa</source>
            <translation>দশমাংশ</translation>
        </message>
        <message>
            <source>Rudramsa</source>
            <translation>রুদ্রাংশ</translation>
        </message>
        <message>
            <source>Dwadasamsa</source>
            <translation>দ্বাদশাংশ</translation>
        </message>
        <message>
            <source>Shodasamsa</source>
            <translation>ষোড়শাংশ</translation>
        </message>
        <message>
            <source>Vimsamsa</source>
            <translation>বিংশাংশ</translation>
        </message>
        <message>
            <source>Chaturvimsamsa</source>
            <translation>চতুর্বিংশাংশ</translation>
        </message>
        <message>
            <source>Nakshatramsa</source>
            <translation>নক্ষত্রাংশ</translation>
        </message>
        <message>
            <source>Trimsamsa</source>
            <translation>ত্রিংশাংশ</translation>
        </message>
        <message>
            <source>Khavedamsa</source>
            <translation>খবেদাংশ</translation>
        </message>
        <message>
            <source>Akshavedamsa</source>
            <translation>অক্ষবেদাংশ</translation>
        </message>
        <message>
            <source>Shashtyamsa</source>
            <translation>ষষ্ট্যংশ</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>ল</translation>
        </message>
        <message>
            <source>Su</source>
            <translation>র</translation>
        </message>
        <message>
            <source>Mo</source>
            <translation>চ</translation>
        </message>
        <message>
            <source>Ma</source>
            <translation>ম</translation>
        </message>
        <message>
            <source>Me</source>
            <translation>বু</translation>
        </message>
        <message>
            <source>Ju</source>
            <translation>বৃ</translation>
        </message>
        <message>
            <source>Ve</source>
            <translation>শু</translation>
        </message>
        <message>
            <source>Sa</source>
            <translation>শ</translation>
        </message>
        <message>
            <source>Rh</source>
            <translation>রা</translation>
        </message>
        <message>
            <source>Ke</source>
            <translation>কে</translation>
        </message>
        <message>
            <source>(R)</source>
            <translation>(ব)</translation>
        </message>
        <message>
            <source>Transit</source>
            <translation>গোচর</translation>
        </message>
        <message>
            <source>Mahadasa</source>
            <translation>মহাদশা</translation>
        </message>
        <message>
            <source>Antardasa</source>
            <translation>অন্তর্দশা</translation>
        </message>
        <message>
            <source>Pratyantardasa</source>
            <translation>প্রত্যন্তর্দশা</translation>
        </message>
        <message>
            <source>Shashthyamsa</source>
            <translation>ষষ্ট্যংশ</translation>
        </message>
        <message>
            <source>Vimsottari</source>
            <translation>বিংশোত্তরী</translation>
        </message>
        <message>
            <source>Kalachakra</source>
            <translation>কালচক্র</translation>
        </message>
        <message>
            <source>Chara</source>
            <translation>চর</translation>
        </message>
        <message>
            <source>Narayana</source>
            <translation>নারায়ণ</translation>
        </message>
        <message>
            <source>Sthira</source>
            <translation>স্থির</translation>
        </message>
        <message>
            <source>Shoola</source>
            <translation>শূল</translation>
        </message>
        <message>
            <source>Niryana Shoola</source>
            <translation>নির্যাণ শূল</translation>
        </message>
        <message>
            <source>Drig</source>
            <translation>দৃক</translation>
        </message>
        <message>
            <source>Yogini</source>
            <translation>যোগিনী</translation>
        </message>
        <message>
            <source>Ashtottari</source>
            <translation>অষ্টোত্তরী</translation>
        </message>
        <message>
            <source>Tithi Yogini</source>
            <translation>তিথি যোগিনী</translation>
        </message>
        <message>
            <source>Tithi Ashtottari</source>
            <translation>তিথি অষ্টোত্তরী</translation>
        </message>
        <message>
            <source>Dwisaptati Sama</source>
            <translation>দ্বিসপ্ততি সম</translation>
        </message>
        <message>
            <source>Shat-Trimsa Sama</source>
            <translation>ষট্‌ত্রিংশৎ সম</translation>
        </message>
        <message>
            <source>Dwadasottari</source>
            <translation>দ্বাদশোত্তরী</translation>
        </message>
        <message>
            <source>Chaturasiti Sama</source>
            <translation>চতুরশীতি সম</translation>
        </message>
        <message>
            <source>Satabdika</source>
            <translation>শতাব্দিকা</translation>
        </message>
        <message>
            <source>Shodasottari</source>
            <translation>ষোড়শোত্তরী</translation>
        </message>
        <message>
            <source>Panchottari</source>
            <translation>পঞ্চোত্তরী</translation>
        </message>
        <message>
            <source>Pratipada</source>
            <translation>প্রতিপদ</translation>
        </message>
        <message>
            <source>Dwitiya</source>
            <translation>দ্বিতীয়া</translation>
        </message>
        <message>
            <source>Tritiya</source>
            <translation>তৃতীয়া</translation>
        </message>
        <message>
            <source>Chaturthi</source>
            <translation>চতুর্থী</translation>
        </message>
        <message>
            <source>Panchami</source>
            <translation>পঞ্চমী</translation>
        </message>
        <message>
            <source>Shashthi</source>
            <translation>ষষ্ঠী</translation>
        </message>
        <message>
            <source>Saptami</source>
            <translation>সপ্তমী</translation>
        </message>
        <message>
            <source>Ashtami</source>
            <translation>অষ্টমী</translation>
        </message>
        <message>
            <source>Navami</source>
            <translation>নবমী</translation>
        </message>
        <message>
            <source>Dasami</source>
            <translation>দশমী</translation>
        </message>
        <message>
            <source>Ekadasi</source>
            <translation>একাদশী</translation>
        </message>
        <message>
            <source>Dwadasi</source>
            <translation>দ্বাদশী</translation>
        </message>
        <message>
            <source>Trayodasi</source>
            <translation>ত্রয়োদশী</translation>
        </message>
        <message>
            <source>Chaturdasi</source>
            <translation>চতুর্দশী</translation>
        </message>
        <message>
            <source>Purnima</source>
            <translation>পূর্ণিমা</translation>
        </message>
        <message>
            <source>Amavasya</source>
            <translation>অমাবস্যা</translation>
        </message>
        <message>
            <source>Vishkambha</source>
            <translation>বিষ্কম্ভ</translation>
        </message>
        <message>
            <source>Priti</source>
            <translation>প্রীতি</translation>
        </message>
        <message>
            <source>Ayushman</source>
            <translation>আয়ুষ্মান</translation>
        </message>
        <message>
            <source>Saubhagya</source>
            <translation>সৌভাগ্য</translation>
        </message>
        <message>
            <source>Sobhana</source>
            <translation>শোভন</translation>
        </message>
        <message>
            <source>Atiganda</source>
            <translation>অতিগণ্ড</translation>
        </message>
        <message>
            <source>Sukarma</source>
            <translation>সুকর্মা</translation>
        </message>
        <message>
            <source>Dhriti</source>
            <translation>ধৃতি</translation>
        </message>
        <message>
            <source>Soola</source>
            <translation>শূল</translation>
        </message>
        <message>
            <source>Ganda</source>
            <translation>গণ্ড</translation>
        </message>
        <message>
            <source>Vriddhi</source>
            <translation>বৃদ্ধি</translation>
        </message>
        <message>
            <source>Dhruva</source>
            <translation>ধ্রুব</translation>
        </message>
        <message>
            <source>Vyaghata</source>
            <translation>ব্যাঘাত</translation>
        </message>
        <message>
            <source>Harshana</source>
            <translation>হর্ষণ</translation>
        </message>
        <message>
            <source>Vajra</source>
            <translation>বজ্র</translation>
        </message>
        <message>
            <source>Siddhi</source>
            <translation>সিদ্ধি</translation>
        </message>
        <message>
            <source>Vyatipata</source>
            <translation>ব্যতীপাত</translation>
        </message>
        <message>
            <source>Variyan</source>
            <translation>বরীয়ান</translation>
        </message>
        <message>
            <source>Parigha</source>
            <translation>পরিঘ</translation>
        </message>
        <message>
            <source>Siva</source>
            <translation>শিব</translation>
        </message>
        <message>
            <source>Siddha</source>
            <translation>সিদ্ধ</translation>
        </message>
        <message>
            <source>Sadhya</source>
            <translation>সাধ্য</translation>
        </message>
        <message>
            <source>Subha</source>
            <translation>শুভ</translation>
        </message>
        <message>
            <source>Sukla</source>
            <translation>শুক্ল</translation>
        </message>
        <message>
            <source>Brahma</source>
            <translation>ব্রহ্ম</translation>
        </message>
        <message>
            <source>Indra</source>
            <translation>ইন্দ্র</translation>
        </message>
        <message>
            <source>Vaidhriti</source>
            <translation>বৈধৃতি</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>A tithi: the paksha (fortnight) and the tithi's name.</extracomment>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Shukla</source>
            <translation>শুক্ল</translation>
        </message>
        <message>
            <source>Krishna</source>
            <translation>কৃষ্ণ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CAyanamsaDlg</name>
        <message>
            <source>Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes).</source>
            <translation>অনুগ্রহ করে সর্বাধিক 16 অংশ 40 কলা (1000 কলা) বিচ্যুতি লিখুন।</translation>
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
জনসংখ্যা %7</translation>
        </message>
        <message>
            <source>%1: enter the date and time to find the offset in force.</source>
            <translation>%1: প্রযোজ্য সময়ের পার্থক্য জানতে তারিখ ও সময় লিখুন।</translation>
        </message>
        <message>
            <source>Take the second occurrence (%1)</source>
            <translation>দ্বিতীয়বার আসা সময়টি নিন (%1)</translation>
        </message>
        <message>
            <source>%1 of the zone's city. The place's own local mean time, %2, is used.</source>
            <translation>অঞ্চলের শহরের %1। স্থানের নিজস্ব স্থানীয় গড় সময় %2 ব্যবহৃত হচ্ছে।</translation>
        </message>
        <message>
            <source>These values do not make a valid chart: %1.</source>
            <translation>এই মানগুলি দিয়ে বৈধ কোষ্ঠী হয় না: %1।</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>অংশ</translation>
        </message>
        <message>
            <source>min</source>
            <translation>মি</translation>
        </message>
    </context>
    <context>
        <name>orvane::CChildFrame</name>
        <message>
            <source>Swiss Ephemeris</source>
            <translation>সুইস এফিমেরিস</translation>
        </message>
    </context>
    <context>
        <name>orvane::CDasaBrowser</name>
        <message>
            <source>Period</source>
            <translation>কাল</translation>
        </message>
        <message>
            <source>Starts</source>
            <translation>শুরু</translation>
        </message>
        <message>
            <source>Ends</source>
            <translation>শেষ</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>বয়স</translation>
        </message>
        <message>
            <source>The native's age in years when the period starts</source>
            <translation>কাল শুরুর সময় জাতকের বয়স (বছরে)</translation>
        </message>
        <message>
            <source>&amp;Dasa:</source>
            <translation>দশা(&amp;D):</translation>
        </message>
        <message>
            <source>The periods running today (%1) are highlighted. Up and Down move, Right opens a period, Left closes it.</source>
            <translation>আজ (%1) চলমানগুলি চিহ্নিত। উপর ও নিচ সরায়, ডান একটি কাল খোলে, বাম বন্ধ করে।</translation>
        </message>
        <message>
            <source>%1 dasa - %2</source>
            <translation>%1 দশা - %2</translation>
        </message>
        <message>
            <source>Running today</source>
            <translation>আজ চলছে</translation>
        </message>
        <message>
            <source>Ended before birth</source>
            <translation>জন্মের আগে শেষ</translation>
        </message>
    </context>
    <context>
        <name>orvane::CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>ভাষা</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>সিস্টেমের ভাষা</translation>
        </message>
        <message>
            <source>Charts show the &amp;Latin abbreviations (Su, Mo, Ma)</source>
            <translation>কোষ্ঠীতে লাতিন সংক্ষেপ (Su, Mo, Ma) দেখান(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>ভাষা(&amp;L):</translation>
        </message>
        <message>
            <source>The charts change at once; menus and dialogs change when Orvane Lite is started again.</source>
            <translation>কোষ্ঠী সঙ্গে সঙ্গে বদলায়; মেনু ও ডায়ালগ Orvane Lite আবার চালু করলে বদলাবে।</translation>
        </message>
    </context>
    <context>
        <name>orvane::CMainFrame</name>
        <message>
            <source>&amp;New (Prasna for now)</source>
            <translation>নতুন (এখনকার প্রশ্ন)(&amp;N)</translation>
        </message>
        <message>
            <source>Cast a chart for the current moment at the default place</source>
            <translation>ডিফল্ট স্থানে এই মুহূর্তের কোষ্ঠী তৈরি করুন</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>খুলুন(&amp;O)...</translation>
        </message>
        <message>
            <source>Open a saved chart</source>
            <translation>সংরক্ষিত কোষ্ঠী খুলুন</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>বন্ধ করুন(&amp;C)</translation>
        </message>
        <message>
            <source>Close the chart</source>
            <translation>কোষ্ঠী বন্ধ করুন</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>সংরক্ষণ(&amp;S)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>কোষ্ঠী সংরক্ষণ করুন</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>এই নামে সংরক্ষণ(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the chart under a new name</source>
            <translation>কোষ্ঠী নতুন নামে সংরক্ষণ করুন</translation>
        </message>
        <message>
            <source>Print Set&amp;up...</source>
            <translation>মুদ্রণ বিন্যাস(&amp;U)...</translation>
        </message>
        <message>
            <source>Choose the printer and the page</source>
            <translation>প্রিন্টার ও পাতা বেছে নিন</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>প্রস্থান(&amp;X)</translation>
        </message>
        <message>
            <source>Quit Orvane Lite</source>
            <translation>Orvane Lite বন্ধ করুন</translation>
        </message>
        <message>
            <source>Edit birth&amp;data</source>
            <translation>জন্ম তথ্য সম্পাদনা(&amp;D)</translation>
        </message>
        <message>
            <source>Change the date, time and place of the chart</source>
            <translation>কোষ্ঠীর তারিখ, সময় ও স্থান বদলান</translation>
        </message>
        <message>
            <source>&amp;New Window</source>
            <translation>নতুন উইন্ডো(&amp;N)</translation>
        </message>
        <message>
            <source>Open another window onto the chart</source>
            <translation>এই কোষ্ঠীর আরেকটি উইন্ডো খুলুন</translation>
        </message>
        <message>
            <source>&amp;Cascade</source>
            <translation>ধাপে ধাপে সাজান(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Tile</source>
            <translation>পাশাপাশি সাজান(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ফাইল(&amp;F)</translation>
        </message>
        <message>
            <source>Save to &amp;library</source>
            <translation>সংগ্রহে রাখুন(&amp;L)</translation>
        </message>
        <message>
            <source>Keep the active chart in the chart library</source>
            <translation>সক্রিয় কোষ্ঠী কোষ্ঠী-সংগ্রহে রাখুন</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>সম্পাদনা(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Charts</source>
            <translation>কোষ্ঠী(&amp;C)</translation>
        </message>
        <message>
            <source>Matc&amp;h with...</source>
            <translation>মিলন দেখুন(&amp;H)...</translation>
        </message>
        <message>
            <source>T&amp;ransits...</source>
            <translation>গোচর(&amp;R)...</translation>
        </message>
        <message>
            <source>Ashtakoota matching and Manglik check with another chart file</source>
            <translation>অন্য কোষ্ঠী ফাইলের সঙ্গে অষ্টকূট মিলন ও মাঙ্গলিক পরীক্ষা</translation>
        </message>
        <message>
            <source>The grahas of a chosen moment with this chart, and its Sade Sati periods</source>
            <translation>বেছে নেওয়া মুহূর্তের গ্রহ এই কোষ্ঠীর সঙ্গে, এবং এর সাড়ে সাতি কাল</translation>
        </message>
        <message>
            <source>Chart &amp;library</source>
            <translation>কোষ্ঠী সংগ্রহ(&amp;L)</translation>
        </message>
        <message>
            <source>The charts kept in the chart library: find, tag, open</source>
            <translation>কোষ্ঠী সংগ্রহের কোষ্ঠী: খুঁজুন, ট্যাগ দিন, খুলুন</translation>
        </message>
        <message>
            <source>&amp;Dasas</source>
            <translation>দশা(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Tajaka</source>
            <translation>তাজিক(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>প্রতিবেদন(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Preferences</source>
            <translation>পছন্দসমূহ(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Chart Style</source>
            <translation>কোষ্ঠীর ধরন(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Ayanamsa</source>
            <translation>অয়নাংশ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Days in a year</source>
            <translation>বছরে দিন(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Special lagna &amp;&amp; upagraha display</source>
            <translation>বিশেষ লগ্ন ও উপগ্রহ প্রদর্শন(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Upagraha calculation options</source>
            <translation>উপগ্রহ গণনার বিকল্প(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Hora chart</source>
            <translation>হোরা কোষ্ঠী(&amp;H)</translation>
        </message>
        <message>
            <source>Items to include when &amp;printing</source>
            <translation>মুদ্রণে যা থাকবে(&amp;P)</translation>
        </message>
        <message>
            <source>Default &amp;location</source>
            <translation>ডিফল্ট স্থান(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Ephemeris</source>
            <translation>এফিমেরিস(&amp;E)</translation>
        </message>
        <message>
            <source>La&amp;nguage</source>
            <translation>ভাষা(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>দৃশ্য(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>স্থিতি দণ্ড(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>উইন্ডো(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>সাহায্য(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;User Guide</source>
            <translation>ব্যবহার নির্দেশিকা(&amp;U)</translation>
        </message>
        <message>
            <source>A short guide to Orvane Lite</source>
            <translation>Orvane Lite-এর সংক্ষিপ্ত নির্দেশিকা</translation>
        </message>
        <message>
            <source>&amp;About Orvane Lite...</source>
            <translation>Orvane Lite সম্পর্কে(&amp;A)...</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>সাধারণ</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>সরঞ্জাম দণ্ড(&amp;T)</translation>
        </message>
        <message>
            <source>Saved "%1".</source>
            <translation>"%1" সংরক্ষিত হয়েছে।</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>The file "%1" cannot be opened.

%2</source>
            <translation>"%1" ফাইলটি খোলা যাচ্ছে না।

%2</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>খুলুন</translation>
        </message>
        <message>
            <source>Ephemeris: %1</source>
            <translation>এফিমেরিস: %1</translation>
        </message>
        <message>
            <source>Choose the special lagnas, upagrahas and padas the charts show</source>
            <translation>কোষ্ঠীতে দেখানো বিশেষ লগ্ন, উপগ্রহ ও পদ বেছে নিন</translation>
        </message>
        <message>
            <source>&amp;Panchanga calendar...</source>
            <translation>পঞ্জিকা ক্যালেন্ডার(&amp;P)...</translation>
        </message>
        <message>
            <source>The panchanga of every day of a month at a place, with festivals</source>
            <translation>কোনো স্থানে মাসের প্রতিদিনের পঞ্জিকা, উৎসব সহ</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartDocument</name>
        <message>
            <source>"%1" is not a valid chart file and was left unchanged.</source>
            <translation>"%1" বৈধ কোষ্ঠী ফাইল নয়, সেটি অপরিবর্তিত রাখা হয়েছে।</translation>
        </message>
        <message>
            <source>Save As</source>
            <translation>এই নামে সংরক্ষণ</translation>
        </message>
        <message>
            <source>The chart could not be saved.

%1

The chart is still open and unchanged.</source>
            <translation>কোষ্ঠী সংরক্ষণ করা যায়নি।

%1

কোষ্ঠী এখনও খোলা ও অপরিবর্তিত।</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>%1-এর পরিবর্তন সংরক্ষণ করবেন?</translation>
        </message>
    </context>
    <context>
        <name>orvane::ChartView</name>
        <message>
            <source>Invalid file</source>
            <translation>অবৈধ ফাইল</translation>
        </message>
        <message>
            <source>Oh no, the file you attempted to open is not a valid "Orvane" data file.

A chart will be cast for the current time instead.</source>
            <translation>হায়, আপনি যে ফাইলটি খুলতে চেয়েছেন সেটি বৈধ "Orvane" ডেটা ফাইল নয়।

তার বদলে এখনকার সময়ের কোষ্ঠী তৈরি হবে।</translation>
        </message>
        <message>
            <source>The chart "%1" could not be computed.

%2

Please correct its birth data (Edit &gt; Edit birth data). The chart window stays open and nothing was lost.</source>
            <translation>"%1" কোষ্ঠীর গণনা করা যায়নি।

%2

এর জন্ম তথ্য ঠিক করুন (সম্পাদনা &gt; জন্ম তথ্য সম্পাদনা)। কোষ্ঠীর উইন্ডো খোলা থাকবে, কিছুই হারায়নি।</translation>
        </message>
        <message>
            <source>Orvane Lite</source>
            <translation>Orvane Lite</translation>
        </message>
        <message>
            <source>Running now</source>
            <translation>এখন চলছে</translation>
        </message>
        <message>
            <source>&lt;b&gt;Vimsottari dasa&lt;/b&gt;, %1</source>
            <translation>&lt;b&gt;বিংশোত্তরী দশা&lt;/b&gt;, %1</translation>
        </message>
        <message>
            <source>until %1</source>
            <translation>%1 পর্যন্ত</translation>
        </message>
        <message>
            <source>No period runs today.</source>
            <translation>আজ কোনো কাল চলছে না।</translation>
        </message>
        <message>
            <source>&lt;b&gt;Transits now&lt;/b&gt;, from the natal Moon in %1</source>
            <translation>&lt;b&gt;এখনকার গোচর&lt;/b&gt;, %1-এ জন্ম চন্দ্র থেকে</translation>
        </message>
        <message>
            <source>Graha</source>
            <translation>গ্রহ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>অবস্থান</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ভাব</translation>
        </message>
        <message>
            <source>favourable</source>
            <translation>শুভ</translation>
        </message>
        <message>
            <source>vedha by %1</source>
            <translation>%1 দ্বারা বেধ</translation>
        </message>
        <message>
            <source>Houses are counted from the natal Moon's sign.</source>
            <translation>ভাব জন্ম চন্দ্রের রাশি থেকে গোনা হয়েছে।</translation>
        </message>
        <message>
            <source>Annual chart %1</source>
            <translation>বর্ষ কোষ্ঠী %1</translation>
        </message>
        <message>
            <source>Monthly chart %1, month %2</source>
            <translation>মাস কোষ্ঠী %1, মাস %2</translation>
        </message>
        <message>
            <source>Hora chart %1, month %2, hora %3</source>
            <translation>হোরা কোষ্ঠী %1, মাস %2, হোরা %3</translation>
        </message>
        <message>
            <source>Birth chart</source>
            <translation>জন্ম কোষ্ঠী</translation>
        </message>
    </context>
    <context>
        <name>orvane::DesktopApp</name>
        <message>
            <source>Orvane Lite is already running.</source>
            <translation>Orvane Lite আগে থেকেই চলছে।</translation>
        </message>
        <message>
            <source>Orvane Lite is already running, but it did not answer.

Please open "%1" from its File menu.</source>
            <translation>Orvane Lite আগে থেকেই চলছে, কিন্তু সাড়া দেয়নি।

"%1" এর ফাইল মেনু থেকে খুলুন।</translation>
        </message>
        <message>
            <source>Your preferences cannot be read from "%1".

%2

Orvane Lite uses the default preferences for now and leaves that file as it is. Preferences you change are not saved until the file can be read again.</source>
            <translation>আপনার পছন্দসমূহ "%1" থেকে পড়া যাচ্ছে না।

%2

Orvane Lite আপাতত ডিফল্ট পছন্দ ব্যবহার করবে এবং ফাইলটি যেমন আছে তেমন রাখবে। ফাইলটি আবার পড়া না যাওয়া পর্যন্ত আপনার পরিবর্তন সংরক্ষিত হবে না।</translation>
        </message>
        <message>
            <source>Your preferences could not be saved in "%1".

%2

They stay in effect until Orvane Lite is closed.</source>
            <translation>আপনার পছন্দসমূহ "%1"-এ সংরক্ষণ করা যায়নি।

%2

Orvane Lite বন্ধ না হওয়া পর্যন্ত সেগুলি কার্যকর থাকবে।</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>ভাষা</translation>
        </message>
        <message>
            <source>No font for %1 is installed (Debian package fonts-noto-core), so Orvane Lite stays in English.</source>
            <translation>%1-এর জন্য কোনো ফন্ট ইনস্টল নেই (Debian প্যাকেজ fonts-noto-core), তাই Orvane Lite ইংরেজিতেই থাকবে।</translation>
        </message>
    </context>
    <context>
        <name>orvane::KpWindow</name>
        <message>
            <source>none</source>
            <translation>কিছু নয়</translation>
        </message>
        <message>
            <source>A KP horary number 1..249: the cusps whose ascendant is the start of that sub</source>
            <translation>কেপি প্রশ্ন সংখ্যা 1..249: যে ভাবারম্ভের লগ্ন সেই উপ-এর শুরু</translation>
        </message>
        <message>
            <source>&amp;House system:</source>
            <translation>ভাব পদ্ধতি(&amp;H):</translation>
        </message>
        <message>
            <source>Horary &amp;number:</source>
            <translation>প্রশ্ন সংখ্যা(&amp;N):</translation>
        </message>
        <message>
            <source>Bhava chalit chart</source>
            <translation>ভাব চলিত চক্র</translation>
        </message>
        <message>
            <source>KP lords of the cusps</source>
            <translation>ভাবারম্ভের কেপি অধিপতি</translation>
        </message>
        <message>
            <source>Cusp</source>
            <translation>ভাবারম্ভ</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>অবস্থান</translation>
        </message>
        <message>
            <source>Sign lord</source>
            <translation>রাশি অধিপতি</translation>
        </message>
        <message>
            <source>Star lord</source>
            <translation>নক্ষত্র অধিপতি</translation>
        </message>
        <message>
            <source>Sub lord</source>
            <translation>উপ অধিপতি</translation>
        </message>
        <message>
            <source>Sub-sub lord</source>
            <translation>উপ-উপ অধিপতি</translation>
        </message>
        <message>
            <source>KP lords of the planets</source>
            <translation>গ্রহের কেপি অধিপতি</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>গ্রহ</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ভাব</translation>
        </message>
        <message>
            <source>Significators of the houses</source>
            <translation>ভাবের কারক</translation>
        </message>
        <message>
            <source>Level 1</source>
            <translation>স্তর 1</translation>
        </message>
        <message>
            <source>Level 2</source>
            <translation>স্তর 2</translation>
        </message>
        <message>
            <source>Level 3</source>
            <translation>স্তর 3</translation>
        </message>
        <message>
            <source>Level 4</source>
            <translation>স্তর 4</translation>
        </message>
        <message>
            <source>Significators of the planets</source>
            <translation>গ্রহের কারকত্ব</translation>
        </message>
        <message>
            <source>The planets in the stars of the house's occupants</source>
            <translation>ভাবস্থ গ্রহের নক্ষত্রে থাকা গ্রহ</translation>
        </message>
        <message>
            <source>The house's occupants</source>
            <translation>ভাবস্থ গ্রহ</translation>
        </message>
        <message>
            <source>The planets in the star of the house's lord</source>
            <translation>ভাবেশের নক্ষত্রে থাকা গ্রহ</translation>
        </message>
        <message>
            <source>The house's lord</source>
            <translation>ভাবেশ</translation>
        </message>
        <message>
            <source>The house its star lord occupies</source>
            <translation>এর নক্ষত্র অধিপতির ভাব</translation>
        </message>
        <message>
            <source>The house it occupies</source>
            <translation>এর অবস্থানের ভাব</translation>
        </message>
        <message>
            <source>The houses its star lord owns</source>
            <translation>এর নক্ষত্র অধিপতির অধীন ভাব</translation>
        </message>
        <message>
            <source>The houses it owns (Rahu and Ketu: those of their sign's lord)</source>
            <translation>এর অধীন ভাব (রাহু ও কেতু: তাদের রাশির অধিপতির)</translation>
        </message>
        <message>
            <source>Rahu and Ketu own the houses of their sign's lord</source>
            <translation>রাহু ও কেতু তাদের রাশির অধিপতির ভাবের অধিপতি</translation>
        </message>
        <message>
            <source>Level 1: in the stars of its occupants · 2: its occupants
3: in the star of its lord · 4: its lord</source>
            <translation>স্তর 1: ভাবস্থ গ্রহের নক্ষত্রে · 2: ভাবস্থ গ্রহ
3: অধিপতির নক্ষত্রে · 4: অধিপতি</translation>
        </message>
        <message>
            <source>Level 1: its star lord's house · 2: its house
3: the houses its star lord owns · 4: the houses it owns</source>
            <translation>স্তর 1: নক্ষত্র অধিপতির ভাব · 2: নিজের ভাব
3: নক্ষত্র অধিপতির অধীন ভাব · 4: নিজের অধীন ভাব</translation>
        </message>
        <message>
            <source>&amp;Cusps</source>
            <translation>ভাবারম্ভ(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>গ্রহ(&amp;P)</translation>
        </message>
        <message>
            <source>House si&amp;gnificators</source>
            <translation>ভাব কারক(&amp;G)</translation>
        </message>
        <message>
            <source>Planet s&amp;ignificators</source>
            <translation>গ্রহ কারকত্ব(&amp;I)</translation>
        </message>
        <message>
            <source>KP and houses - %1</source>
            <translation>কেপি ও ভাব - %1</translation>
        </message>
        <message>
            <source>Placidus cusps of horary number %1</source>
            <translation>প্রশ্ন সংখ্যা %1-এর প্লাসিডাস ভাবারম্ভ</translation>
        </message>
        <message>
            <source>%1 cusps</source>
            <translation>%1 ভাবারম্ভ</translation>
        </message>
        <message>
            <source>%1 — %2: %3, sidereal by the chart's ayanamsa.</source>
            <translation>%1 — %2: %3, কোষ্ঠীর অয়নাংশে নিরয়ন।</translation>
        </message>
        <message>
            <source>Bhava Chalit (horary %1)</source>
            <translation>ভাব চলিত (প্রশ্ন %1)</translation>
        </message>
        <message>
            <source>Bhava Chalit (%1)</source>
            <translation>ভাব চলিত (%1)</translation>
        </message>
        <message>
            <source> (R)</source>
            <translation> (ব)</translation>
        </message>
        <message>
            <source>Ruling planets of the chart's moment: day lord %1; lagna sign lord %2, star lord %3; Moon sign lord %4, star lord %5.</source>
            <translation>কোষ্ঠীর মুহূর্তের শাসক গ্রহ: বার অধিপতি %1; লগ্ন রাশি অধিপতি %2, নক্ষত্র অধিপতি %3; চন্দ্র রাশি অধিপতি %4, নক্ষত্র অধিপতি %5।</translation>
        </message>
    </context>
    <context>
        <name>orvane::LibraryPanel</name>
        <message>
            <source>The library cannot be opened: %1</source>
            <translation>সংগ্রহ খোলা যাচ্ছে না: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1: %n chart(s). Drag chart files here to add them.</source>
            <translation>
                <numerusform>%1: %nটি কোষ্ঠী। যোগ করতে কোষ্ঠী ফাইল এখানে টেনে আনুন।</numerusform>
                <numerusform>%1: %nটি কোষ্ঠী। যোগ করতে কোষ্ঠী ফাইল এখানে টেনে আনুন।</numerusform>
            </translation>
        </message>
        <message>
            <source>Query: %1</source>
            <translation>অনুসন্ধান: %1</translation>
        </message>
        <message numerus="yes">
            <source>%1 of %n chart(s)</source>
            <translation>
                <numerusform>%nটির মধ্যে %1টি কোষ্ঠী</numerusform>
                <numerusform>%nটির মধ্যে %1টি কোষ্ঠী</numerusform>
            </translation>
        </message>
        <message>
            <source>An event is a kind, a date and a note: marriage 1995-05-01 in Chennai.</source>
            <translation>ঘটনা মানে ধরন, তারিখ ও টীকা: marriage 1995-05-01 in Chennai।</translation>
        </message>
        <message>
            <source>Not added: %1</source>
            <translation>যোগ করা হয়নি: %1</translation>
        </message>
        <message>
            <source>Event added.</source>
            <translation>ঘটনা যোগ হয়েছে।</translation>
        </message>
        <message>
            <source>Not saved: %1</source>
            <translation>সংরক্ষিত হয়নি: %1</translation>
        </message>
        <message>
            <source>Tags and notes of %1 saved.</source>
            <translation>%1-এর ট্যাগ ও টীকা সংরক্ষিত হয়েছে।</translation>
        </message>
        <message>
            <source>%1: the birth data cannot be cast.</source>
            <translation>%1: এই জন্ম তথ্য দিয়ে কোষ্ঠী হয় না।</translation>
        </message>
        <message>
            <source>%1 added to the library.</source>
            <translation>%1 সংগ্রহে যোগ হয়েছে।</translation>
        </message>
    </context>
    <context>
        <name>orvane::MatchWindow</name>
        <message>
            <source>Match - %1 with %2</source>
            <translation>মিলন - %1 ও %2</translation>
        </message>
        <message>
            <source>Groom: %1</source>
            <translation>বর: %1</translation>
        </message>
        <message>
            <source>Bride: %1</source>
            <translation>কনে: %1</translation>
        </message>
        <message>
            <source>A chart of the match cannot be cast.</source>
            <translation>মিলনের একটি কোষ্ঠী তৈরি করা যায় না।</translation>
        </message>
    </context>
    <context>
        <name>orvane::PanchangaWindow</name>
        <message>
            <source>Panchanga calendar</source>
            <translation>পঞ্জিকা ক্যালেন্ডার</translation>
        </message>
        <message>
            <source>the default location</source>
            <translation>ডিফল্ট স্থান</translation>
        </message>
        <message>
            <source>&lt;&lt; Year</source>
            <translation>&lt;&lt; বছর</translation>
        </message>
        <message>
            <source>The same month a year earlier</source>
            <translation>এক বছর আগের এই মাস</translation>
        </message>
        <message>
            <source>&lt; Month</source>
            <translation>&lt; মাস</translation>
        </message>
        <message>
            <source>The month before</source>
            <translation>আগের মাস</translation>
        </message>
        <message>
            <source>Month &gt;</source>
            <translation>মাস &gt;</translation>
        </message>
        <message>
            <source>The month after</source>
            <translation>পরের মাস</translation>
        </message>
        <message>
            <source>Year &gt;&gt;</source>
            <translation>বছর &gt;&gt;</translation>
        </message>
        <message>
            <source>The same month a year later</source>
            <translation>এক বছর পরের এই মাস</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>আজ(&amp;T)</translation>
        </message>
        <message>
            <source>Back to today's month</source>
            <translation>আজকের মাসে ফিরুন</translation>
        </message>
        <message>
            <source>&amp;Place:</source>
            <translation>স্থান(&amp;P):</translation>
        </message>
        <message>
            <source>A place such as "Chennai, Tamil Nadu, IN" (the default location when empty)</source>
            <translation>"Chennai, Tamil Nadu, IN"-এর মতো স্থান (ফাঁকা থাকলে ডিফল্ট স্থান)</translation>
        </message>
        <message>
            <source>Set place</source>
            <translation>স্থান ঠিক করুন</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>মুদ্রণ(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>রপ্তানি(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the month as a PDF file or a PNG image</source>
            <translation>মাসটি PDF ফাইল বা PNG ছবি হিসেবে সংরক্ষণ</translation>
        </message>
        <message>
            <source>%1 %2 at %3</source>
            <translation>%1 %2, %3-এ</translation>
        </message>
        <message>
            <source>No place is called "%1".</source>
            <translation>"%1" নামে কোনো স্থান নেই।</translation>
        </message>
        <message>
            <source>%1 %2, %3</source>
            <translation>%1 %2, %3</translation>
        </message>
        <message>
            <source>Panchanga calendar - %1</source>
            <translation>পঞ্জিকা ক্যালেন্ডার - %1</translation>
        </message>
        <message>
            <source>none</source>
            <translation>কিছু নয়</translation>
        </message>
        <message>
            <source>Sunrise</source>
            <translation>সূর্যোদয়</translation>
        </message>
        <message>
            <source>sunset</source>
            <translation>সূর্যাস্ত</translation>
        </message>
        <message>
            <source>Moonrise</source>
            <translation>চন্দ্রোদয়</translation>
        </message>
        <message>
            <source>moonset</source>
            <translation>চন্দ্রাস্ত</translation>
        </message>
        <message>
            <source>%1 until %2</source>
            <translation>%1, %2 পর্যন্ত</translation>
        </message>
        <message>
            <source>Tithi</source>
            <translation>তিথি</translation>
        </message>
        <message>
            <source>Nakshatra</source>
            <translation>নক্ষত্র</translation>
        </message>
        <message>
            <source>Yoga</source>
            <translation>যোগ</translation>
        </message>
        <message>
            <source>Karana</source>
            <translation>করণ</translation>
        </message>
        <message>
            <source>Adhika %1</source>
            <translation>অধিক %1</translation>
        </message>
        <message>
            <source>Lunar month</source>
            <translation>চান্দ্র মাস</translation>
        </message>
        <message>
            <source>%1 (amanta), %2 (purnimanta)</source>
            <translation>%1 (অমান্ত), %2 (পূর্ণিমান্ত)</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>বছর</translation>
        </message>
        <message>
            <source>%1 samvatsara, Saka %2, Vikram %3</source>
            <translation>%1 সংবৎসর, শক %2, বিক্রম %3</translation>
        </message>
        <message>
            <source>Ritu, ayana</source>
            <translation>ঋতু, অয়ন</translation>
        </message>
        <message>
            <source>Uttarayana</source>
            <translation>উত্তরায়ণ</translation>
        </message>
        <message>
            <source>Dakshinayana</source>
            <translation>দক্ষিণায়ন</translation>
        </message>
        <message>
            <source>Sankranti</source>
            <translation>সংক্রান্তি</translation>
        </message>
        <message>
            <source>the Sun enters %1 at %2</source>
            <translation>সূর্য %2-এ %1-এ প্রবেশ করে</translation>
        </message>
        <message>
            <source>Rahu kalam</source>
            <translation>রাহু কাল</translation>
        </message>
        <message>
            <source>Yamaganda</source>
            <translation>যমগণ্ড</translation>
        </message>
        <message>
            <source>Gulika kalam</source>
            <translation>গুলিক কাল</translation>
        </message>
        <message>
            <source>Abhijit</source>
            <translation>অভিজিৎ</translation>
        </message>
        <message>
            <source>Brahma muhurta</source>
            <translation>ব্রাহ্ম মুহূর্ত</translation>
        </message>
        <message>
            <source>Dur muhurta</source>
            <translation>দুর্মুহূর্ত</translation>
        </message>
        <message>
            <source>Varjyam</source>
            <translation>বর্জ্য</translation>
        </message>
        <message>
            <source>Amrita kalam</source>
            <translation>অমৃত কাল</translation>
        </message>
        <message>
            <source>Choghadiya</source>
            <translation>চৌঘড়িয়া</translation>
        </message>
        <message>
            <source>Panchanga: %1</source>
            <translation>পঞ্জিকা: %1</translation>
        </message>
        <message>
            <source>Tithi and nakshatra at sunrise; festivals by their tithi at %1; clock times of %2.</source>
            <translation>সূর্যোদয়ে তিথি ও নক্ষত্র; উৎসব %1-এ তাদের তিথি অনুযায়ী; ঘড়ির সময় %2-এর।</translation>
        </message>
        <message>
            <source>the default zone</source>
            <translation>ডিফল্ট সময় অঞ্চল</translation>
        </message>
        <message>
            <source>Cannot write %1.</source>
            <translation>%1 লেখা যাচ্ছে না।</translation>
        </message>
        <message>
            <source>Print the month</source>
            <translation>মাসটি মুদ্রণ করুন</translation>
        </message>
        <message>
            <source>The printer cannot be used.</source>
            <translation>প্রিন্টার ব্যবহার করা যাচ্ছে না।</translation>
        </message>
        <message>
            <source>Export the month</source>
            <translation>মাসটি রপ্তানি করুন</translation>
        </message>
        <message>
            <source>PDF file (*.pdf);;PNG image (*.png)</source>
            <translation>PDF ফাইল (*.pdf);;PNG ছবি (*.png)</translation>
        </message>
    </context>
    <context>
        <name>orvane::ReportWindow</name>
        <message>
            <source>Report sections - %1</source>
            <translation>প্রতিবেদনের অংশ - %1</translation>
        </message>
        <message>
            <source>This section has no text for this chart.</source>
            <translation>এই কোষ্ঠীর জন্য এই অংশে কোনো লেখা নেই।</translation>
        </message>
    </context>
    <context>
        <name>orvane::SingleInstance</name>
        <message>
            <source>Orvane Lite runs without handing files to a running copy: %1</source>
            <translation>Orvane Lite চলমান কপিকে ফাইল না দিয়েই চলছে: %1</translation>
        </message>
        <message>
            <source>The lock file "%1" cannot be created.</source>
            <translation>লক ফাইল "%1" তৈরি করা যাচ্ছে না।</translation>
        </message>
        <message>
            <source>The program cannot accept files from a second start: %1</source>
            <translation>দ্বিতীয়বার চালু করলে আসা ফাইল প্রোগ্রাম নিতে পারে না: %1</translation>
        </message>
    </context>
    <context>
        <name>orvane::StrengthWindow</name>
        <message>
            <source>&amp;Shadbala</source>
            <translation>ষড়বল(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Bhava bala</source>
            <translation>ভাব বল(&amp;B)</translation>
        </message>
        <message>
            <source>Sarv&amp;ashtakavarga</source>
            <translation>সর্বাষ্টকবর্গ(&amp;A)</translation>
        </message>
        <message>
            <source>Bar chart</source>
            <translation>দণ্ড চার্ট</translation>
        </message>
        <message>
            <source>Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The bars below what a planet needs (or below 28 bindus) are drawn in orange.</source>
            <translation>কোনো স্তম্ভের শিরোনামে ক্লিক করে সেই অনুযায়ী সাজান; সারি বেছে Ctrl+C চেপে কপি করুন। গ্রহের প্রয়োজনের চেয়ে (বা 28 বিন্দুর চেয়ে) কম দণ্ড কমলা রঙে আঁকা।</translation>
        </message>
        <message>
            <source>Save &amp;picture...</source>
            <translation>ছবি সংরক্ষণ(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>মুদ্রণ(&amp;P)...</translation>
        </message>
        <message>
            <source>Strengths - %1</source>
            <translation>বল - %1</translation>
        </message>
        <message>
            <source>Planet</source>
            <translation>গ্রহ</translation>
        </message>
        <message>
            <source>Rupas</source>
            <translation>রূপ</translation>
        </message>
        <message>
            <source>Required</source>
            <translation>প্রয়োজন</translation>
        </message>
        <message>
            <source>Percent</source>
            <translation>শতাংশ</translation>
        </message>
        <message>
            <source>House</source>
            <translation>ভাব</translation>
        </message>
        <message>
            <source>Sign</source>
            <translation>রাশি</translation>
        </message>
        <message>
            <source>Bindus</source>
            <translation>বিন্দু</translation>
        </message>
        <message>
            <source>From the average</source>
            <translation>গড় থেকে</translation>
        </message>
        <message>
            <source>%1 cannot be written.</source>
            <translation>%1 লেখা যাচ্ছে না।</translation>
        </message>
        <message>
            <source>Save the strength charts</source>
            <translation>বলের চার্ট সংরক্ষণ</translation>
        </message>
        <message>
            <source>PNG picture (*.png);;SVG picture (*.svg)</source>
            <translation>PNG ছবি (*.png);;SVG ছবি (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>orvane::TimeShiftWindow</name>
        <message>
            <source>Move the birth time %1</source>
            <translation>জন্ম সময় %1 সরান</translation>
        </message>
        <message>
            <source>&amp;Back to the entered time</source>
            <translation>লেখা সময়ে ফিরুন(&amp;B)</translation>
        </message>
        <message>
            <source>Birth time shift</source>
            <translation>জন্ম সময়ের সরণ</translation>
        </message>
        <message>
            <source>How far the birth time may move before each point changes</source>
            <translation>প্রতিটি বিন্দু বদলানোর আগে জন্ম সময় কতটা সরতে পারে</translation>
        </message>
        <message>
            <source>Point</source>
            <translation>বিন্দু</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>এখন</translation>
        </message>
        <message>
            <source>Stays back for</source>
            <translation>পেছনে এতটা থাকে</translation>
        </message>
        <message>
            <source>Stays forward for</source>
            <translation>সামনে এতটা থাকে</translation>
        </message>
        <message>
            <source>Birth time %1 (%2 from the time entered, %3)</source>
            <translation>জন্ম সময় %1 (লেখা সময় থেকে %2, %3)</translation>
        </message>
        <message>
            <source>Birth time - %1</source>
            <translation>জন্ম সময় - %1</translation>
        </message>
        <message>
            <source>%1: how far the birth time may move either way before each point changes. Shift the time with the buttons or the slider; the chart window is cast again at each step.</source>
            <translation>%1: প্রতিটি বিন্দু বদলানোর আগে জন্ম সময় দুই দিকে কতটা সরতে পারে। বোতাম বা স্লাইডারে সময় সরান; প্রতি ধাপে কোষ্ঠীর উইন্ডো আবার তৈরি হয়।</translation>
        </message>
    </context>
    <context>
        <name>orvane::TransitWindow</name>
        <message>
            <source>The natal chart cannot be cast.</source>
            <translation>জন্ম কোষ্ঠী তৈরি করা যায় না।</translation>
        </message>
        <message>
            <source>Natal rasi with the transits of %1 %2, the birth zone (italic, led by "t")</source>
            <translation>%1 %2-এর গোচর সহ জন্ম রাশি চক্র, জন্মের সময় অঞ্চলে (তির্যক, আগে "t")</translation>
        </message>
    </context>
    <context>
        <name>orvane::YogaWindow</name>
        <message>
            <source>%1 (cancelled)</source>
            <translation>%1 (ভঙ্গ)</translation>
        </message>
        <message numerus="yes">
            <source>%1 — %2: %n yoga(s) (houses in whole signs from the lagna). Choose one to see why it holds; its planets are picked out in the chart.</source>
            <translation>
                <numerusform>%1 — %2: %nটি যোগ (ভাব লগ্ন থেকে পূর্ণ রাশিতে)। একটি বাছলে দেখবেন কেন হয়; তার গ্রহ চক্রে চিহ্নিত হয়।</numerusform>
                <numerusform>%1 — %2: %nটি যোগ (ভাব লগ্ন থেকে পূর্ণ রাশিতে)। একটি বাছলে দেখবেন কেন হয়; তার গ্রহ চক্রে চিহ্নিত হয়।</numerusform>
            </translation>
        </message>
        <message>
            <source>Yogas - %1</source>
            <translation>যোগ - %1</translation>
        </message>
        <message>
            <source>Planets: %1</source>
            <translation>গ্রহ: %1</translation>
        </message>
        <message>
            <source>Why it holds:</source>
            <translation>এটি কেন হয়:</translation>
        </message>
        <message>
            <source>Cancelled and weakened by:</source>
            <translation>এদের দ্বারা ভঙ্গ ও দুর্বল:</translation>
        </message>
        <message>
            <source>Weakened by:</source>
            <translation>এদের দ্বারা দুর্বল:</translation>
        </message>
        <message>
            <source>Rule: %1</source>
            <translation>নিয়ম: %1</translation>
        </message>
        <message>
            <source>Effect: %1</source>
            <translation>ফল: %1</translation>
        </message>
        <message>
            <source>Reading: %1</source>
            <translation>পাঠ: %1</translation>
        </message>
    </context>
</TS>
