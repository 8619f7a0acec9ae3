<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>Pikora uczy słów za pomocą obrazków i głosów.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>Wolne oprogramowanie: możesz je udostępniać i zmieniać na warunkach GNU GPL w wersji 3 lub nowszej.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR, or RTL for a language written from right to left: the windows are then mirrored.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>dialog-100</name>
    <message>
        <source>About Pikora</source>
        <extracomment>short about box of the window menu: the window&apos;s title</extracomment>
        <translation>O programie Pikora</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>Pikora wersja 1.0</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 Twórcy Pikory</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>short about box of the window menu: button of 50 × 16 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dialog-132</name>
    <message>
        <source>Setup</source>
        <extracomment>setup: the window&apos;s title</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 pola</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Pokaż słowo</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>Ukryj błędne</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Na czas</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>Czas gry:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Słowa</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>score report: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dialog-135</name>
    <message>
        <source>About Pikora</source>
        <extracomment>product window of the Help menu: the window&apos;s title</extracomment>
        <translation>O programie Pikora</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>product window of the Help menu: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <comment>Help</comment>
        <extracomment>an item of the menu Help; &amp; marks its key, one letter per item</extracomment>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>Słowo</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Źle</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>Procent dobrych</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>Nie znaleziono obrazków</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>Błąd %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>&amp;O programie Pikora...</translation>
    </message>
</context>
</TS>
