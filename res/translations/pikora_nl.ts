<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>Pikora leert woorden met plaatjes en stemmen.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>Vrije software: je mag het delen en aanpassen onder de GNU GPL, versie 3 of later.</translation>
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
        <translation>Over Pikora</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>Pikora versie 1.0</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 Pikora-ontwikkelaars</translation>
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
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 keuzes</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Toon woord</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>Foute verbergen</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Met timer</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>Speeltijd:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Woorden</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>Uitslag</translation>
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
        <translation>Over Pikora</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>product window of the Help menu: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dialog-140</name>
    <message>
        <source>Access</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: the window&apos;s title</extracomment>
        <translation>Toegankelijkheid</translation>
    </message>
    <message>
        <source>Switch scanning:</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 200 × 9 dialog units, 300 pixels wide</extracomment>
        <translation>Scannen met schakelaars:</translation>
    </message>
    <message>
        <source>&amp;No scanning: click, or press the keys 1 to 4</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Niet scannen: klik of druk op de toetsen 1 t/m 4</translation>
    </message>
    <message>
        <source>&amp;One switch: the highlight moves by itself, Space or Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Eén schakelaar: de markering loopt vanzelf, Spatie of Enter kiest</translation>
    </message>
    <message>
        <source>&amp;Two switches: Space moves the highlight, Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Twee schakelaars: Spatie verplaatst de markering, Enter kiest</translation>
    </message>
    <message>
        <source>&amp;Step time (milliseconds, 300 to 10000):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 160 × 9 dialog units, 240 pixels wide</extracomment>
        <translation>&amp;Staptijd (milliseconden, 300 t/m 10000):</translation>
    </message>
    <message>
        <source>&amp;Full screen: the game covers the whole screen</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: check box of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Volledig scherm: het spel vult het hele scherm</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>dialog-141</name>
    <message>
        <source>Progress</source>
        <extracomment>progress: the window&apos;s title</extracomment>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <extracomment>progress: label of 46 × 10 dialog units, 69 pixels wide</extracomment>
        <translation>&amp;Leerling:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>progress: label of 42 × 10 dialog units, 63 pixels wide</extracomment>
        <translation>&amp;Periode:</translation>
    </message>
    <message>
        <source>Share of right choices over time</source>
        <extracomment>progress: label of 250 × 10 dialog units, 375 pixels wide</extracomment>
        <translation>Percentage goede antwoorden in de loop van de tijd</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 240 × 10 dialog units, 360 pixels wide</extracomment>
        <translation>Mediane reactietijd per spel</translation>
    </message>
    <message>
        <source>Words that need practice most</source>
        <extracomment>progress: label of 250 × 10 dialog units, 375 pixels wide</extracomment>
        <translation>Woorden die het meest oefening nodig hebben</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 240 × 10 dialog units, 360 pixels wide</extracomment>
        <translation>Vaakst verwarde woorden</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <comment>Help</comment>
        <extracomment>an item of the menu Help; &amp; marks its key, one letter per item</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Voortgang...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Toegankelijkheid...</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>pikora::ui::ProgressWindow</name>
    <message>
        <source>All time</source>
        <translation>Vanaf het begin</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Afgelopen 12 maanden</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Afgelopen 30 dagen</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Afgelopen 7 dagen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Recently right</source>
        <translation>Recent goed</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>Word asked</source>
        <translation>Gevraagd woord</translation>
    </message>
    <message>
        <source>Word chosen</source>
        <translation>Gekozen woord</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Keer</translation>
    </message>
    <message>
        <source>No history of choices is kept: the game has no report file.</source>
        <translation>Er wordt geen geschiedenis van antwoorden bijgehouden: het spel heeft geen uitslagbestand.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>De geschiedenis kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>No choices recorded in this period.</source>
        <translation>Geen antwoorden in deze periode.</translation>
    </message>
    <message>
        <source>%1 choices, %2% right</source>
        <translation>%1 antwoorden, %2% goed</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% goed</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Mediane reactietijd</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1% van %2</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>De geschiedenis wordt gelezen...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Nog geen antwoorden vastgelegd.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>Procent goed</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>Geen plaatjes gevonden</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>Fout %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>&amp;Over Pikora...</translation>
    </message>
</context>
</TS>
