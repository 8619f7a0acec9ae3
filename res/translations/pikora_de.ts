<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>Pikora lehrt Wörter mit Bildern und Stimmen.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>Freie Software: Sie dürfen sie unter der GNU GPL, Version 3 oder später, weitergeben und verändern.</translation>
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
        <translation>Über Pikora</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>Pikora Version 1.0</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 Pikora-Entwickler</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 Felder</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Keine wählen</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Wort zeigen</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>Falsche ausblenden</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Wortmodus</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>score report: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The report file keeps its English headings for the programs that read it.</source>
        <extracomment>score report: label of 190 × 18 dialog units, 285 pixels wide</extracomment>
        <translation>Die Auswertungsdatei behält englische Überschriften, damit andere Programme sie lesen können.</translation>
    </message>
</context>
<context>
    <name>dialog-135</name>
    <message>
        <source>About Pikora</source>
        <extracomment>product window of the Help menu: the window&apos;s title</extracomment>
        <translation>Über Pikora</translation>
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
        <translation>Bedienungshilfen</translation>
    </message>
    <message>
        <source>Switch scanning:</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 200 × 9 dialog units, 300 pixels wide</extracomment>
        <translation>Schaltersteuerung:</translation>
    </message>
    <message>
        <source>&amp;No scanning: click, or press the keys 1 to 4</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Aus: klicken oder die Tasten 1 bis 4 drücken</translation>
    </message>
    <message>
        <source>&amp;One switch: the highlight moves by itself, Space or Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Ein Schalter: die Markierung wandert von selbst, Leertaste oder Enter wählt</translation>
    </message>
    <message>
        <source>&amp;Two switches: Space moves the highlight, Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Zwei Schalter: Leertaste bewegt die Markierung, Enter wählt</translation>
    </message>
    <message>
        <source>&amp;Full screen: the game covers the whole screen</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: check box of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Vollbild: das Spiel füllt den ganzen Bildschirm</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Step time (seconds):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Schrittzeit (Sekunden):</translation>
    </message>
    <message>
        <source>&amp;Accept delay (seconds; a sooner press is ignored):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>S&amp;perrzeit (Sekunden; früheres Drücken zählt nicht):</translation>
    </message>
</context>
<context>
    <name>dialog-141</name>
    <message>
        <source>Progress</source>
        <extracomment>progress: the window&apos;s title</extracomment>
        <translation>Lernfortschritt</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <extracomment>progress: label of 46 × 10 dialog units, 69 pixels wide</extracomment>
        <translation>&amp;Lernende:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>progress: label of 40 × 10 dialog units, 60 pixels wide</extracomment>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 280 × 10 dialog units, 420 pixels wide</extracomment>
        <translation>Median der Antwortzeit pro Spiel</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 190 × 10 dialog units, 285 pixels wide</extracomment>
        <translation>Häufigste Verwechslungen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <extracomment>progress: label of 38 × 10 dialog units, 57 pixels wide</extracomment>
        <translation>&amp;Runden:</translation>
    </message>
    <message>
        <source>Share right at the first try</source>
        <extracomment>progress: label of 290 × 10 dialog units, 435 pixels wide</extracomment>
        <translation>Anteil richtig beim ersten Versuch</translation>
    </message>
    <message>
        <source>Every word</source>
        <extracomment>progress: label of 380 × 10 dialog units, 570 pixels wide</extracomment>
        <translation>Alle Wörter</translation>
    </message>
</context>
<context>
    <name>dialog-142</name>
    <message>
        <source>Learners</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: the window&apos;s title</extracomment>
        <translation>Lernende</translation>
    </message>
    <message>
        <source>When this list is not empty, each game starts by asking who is playing.</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 280 × 18 dialog units, 420 pixels wide</extracomment>
        <translation>Wenn diese Liste nicht leer ist, fragt jedes Spiel zuerst, wer spielt.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Picture (an emoji):</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Bild (ein Emoji):</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Bild&amp;datei...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>dialog-143</name>
    <message>
        <source>Who is playing?</source>
        <extracomment>asks who is playing before each game, when the class list is not empty: the window&apos;s title</extracomment>
        <translation>Wer spielt?</translation>
    </message>
</context>
<context>
    <name>dialog-144</name>
    <message>
        <source>Pictures</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: the window&apos;s title</extracomment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Wort:</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Bilder &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>The picture&apos;s voice:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>Stimme des Bildes:</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Aufnehmen...</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>From a &amp;file...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Aus &amp;Datei...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>dialog-145</name>
    <message>
        <source>Record a voice</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: the window&apos;s title</extracomment>
        <translation>Stimme aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Wiedergeben</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>&amp;Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Lernfortschritt...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Bedienungshilfen...</translation>
    </message>
    <message>
        <source>&amp;Learners...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>L&amp;ernende...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <comment>&amp;Help</comment>
        <extracomment>an item of the menu &amp;Help; &amp; marks its key, one letter per item</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>P&amp;ictures...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>B&amp;ilder...</translation>
    </message>
</context>
<context>
    <name>pikora::progress::Page</name>
    <message>
        <source>Every choice recorded until %1</source>
        <translation>Alle aufgezeichneten Antworten bis %1</translation>
    </message>
    <message>
        <source>Choices from %1 to %2</source>
        <translation>Antworten von %1 bis %2</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1&#xa0;% von %2</translation>
    </message>
    <message>
        <source>&quot;%1% of %2&quot; means: right at the first try in %1% of %2 rounds of the word.</source>
        <translation>„%1&#xa0;% von %2“ bedeutet: in %1&#xa0;% von %2 Runden des Wortes beim ersten Versuch richtig.</translation>
    </message>
    <message>
        <source>No confusions.</source>
        <translation>Keine Verwechslungen.</translation>
    </message>
    <message>
        <source>Pikora progress</source>
        <translation>Pikora-Lernfortschritt</translation>
    </message>
    <message>
        <source>No choices are recorded.</source>
        <translation>Es sind keine Antworten aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnerPicker</name>
    <message>
        <source>Someone else</source>
        <translation>Jemand anderes</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnersWindow</name>
    <message>
        <source>A picture for the learner</source>
        <translation>Ein Bild für die lernende Person</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can read.</source>
        <translation>%1 ist kein Bild, das das Spiel lesen kann.</translation>
    </message>
    <message>
        <source>Type the learner&apos;s name first.</source>
        <translation>Zuerst den Namen eingeben.</translation>
    </message>
    <message>
        <source>The list cannot be changed: %1</source>
        <translation>Die Liste kann nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>%1 is on the list already.</source>
        <translation>%1 steht schon auf der Liste.</translation>
    </message>
    <message>
        <source>Pick the learner to change in the list first.</source>
        <translation>Zuerst in der Liste auswählen, wer geändert werden soll.</translation>
    </message>
    <message>
        <source>There is already a learner called %1.</source>
        <translation>Es gibt schon jemanden namens %1.</translation>
    </message>
    <message>
        <source>Pick the learner to remove in the list first.</source>
        <translation>Zuerst in der Liste auswählen, wer entfernt werden soll.</translation>
    </message>
    <message>
        <source>%1 is off the list; what was recorded for them stays.</source>
        <translation>%1 steht nicht mehr auf der Liste; die bisherigen Aufzeichnungen bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::PicturesWindow</name>
    <message>
        <source>plays</source>
        <translation>funktioniert</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>silent: record it again</source>
        <translation>stumm: neu aufnehmen</translation>
    </message>
    <message>
        <source>does not play: make it again</source>
        <translation>nicht abspielbar: neu erstellen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Language of the spoken word</source>
        <translation>Sprache des gesprochenen Wortes</translation>
    </message>
    <message>
        <source>The pictures cannot be changed here: %1</source>
        <translation>Die Bilder können hier nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Pictures to add</source>
        <translation>Bilder zum Hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>The word for %1:</source>
        <translation>Das Wort für %1:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) added; each needs a voice.</source>
        <translation>
            <numerusform>%n Bild hinzugefügt; es braucht noch eine Stimme.</numerusform>
            <numerusform>%n Bilder hinzugefügt; jedes braucht noch eine Stimme.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pick the picture whose voice to take in the list first.</source>
        <translation>Zuerst in der Liste das Bild auswählen, das die Stimme bekommen soll.</translation>
    </message>
    <message>
        <source>A voice for %1</source>
        <translation>Eine Stimme für %1</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.flac)</source>
        <translation>Tondateien (*.wav *.ogg *.flac)</translation>
    </message>
    <message>
        <source>The voice of %1 is taken from %2.</source>
        <translation>Die Stimme von %1 stammt jetzt aus %2.</translation>
    </message>
    <message>
        <source>Pick the picture whose voice to record in the list first.</source>
        <translation>Zuerst in der Liste das Bild auswählen, dessen Stimme aufgenommen werden soll.</translation>
    </message>
    <message>
        <source>The voice of %1 is recorded.</source>
        <translation>Die Stimme von %1 ist aufgenommen.</translation>
    </message>
    <message>
        <source>Pick the picture whose word to speak in the list first.</source>
        <translation>Zuerst in der Liste das Bild auswählen, dessen Wort vorgelesen werden soll.</translation>
    </message>
    <message>
        <source>The voice of %1 is spoken by the computer.</source>
        <translation>Die Stimme von %1 spricht jetzt der Computer.</translation>
    </message>
    <message>
        <source>Pick the picture to rename in the list first.</source>
        <translation>Zuerst in der Liste das Bild auswählen, das umbenannt werden soll.</translation>
    </message>
    <message>
        <source>Type the new word first.</source>
        <translation>Zuerst das neue Wort eingeben.</translation>
    </message>
    <message>
        <source>%1 is now %2, with its voice.</source>
        <translation>%1 heißt jetzt %2, samt Stimme.</translation>
    </message>
    <message>
        <source>Pick the picture to remove in the list first.</source>
        <translation>Zuerst in der Liste das Bild auswählen, das entfernt werden soll.</translation>
    </message>
    <message>
        <source>Remove a picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Remove the picture %1 and its voice from the folder?</source>
        <translation>Das Bild %1 und seine Stimme aus dem Ordner entfernen?</translation>
    </message>
    <message>
        <source>%1 is removed, with its voice.</source>
        <translation>%1 ist entfernt, samt Stimme.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::ProgressWindow</name>
    <message>
        <source>All time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Word asked</source>
        <translation>Gefragtes Wort</translation>
    </message>
    <message>
        <source>Word chosen</source>
        <translation>Gewähltes Wort</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>No history of choices is kept: the game has no report file.</source>
        <translation>Es wird kein Verlauf der Antworten geführt: Das Spiel hat keine Auswertungsdatei.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Der Verlauf wird gelesen...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Noch keine Antworten aufgezeichnet.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Two choices</source>
        <translation>Zwei Felder</translation>
    </message>
    <message>
        <source>Four choices</source>
        <translation>Vier Felder</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Richtig beim ersten Versuch</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Learnt</source>
        <translation>Gelernt</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>No rounds recorded in this period.</source>
        <translation>In diesem Zeitraum wurden keine Runden aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1% right at the first try in %2 rounds; %3 of %4 words learnt</source>
        <translation>%1&#xa0;% beim ersten Versuch richtig in %2 Runden; %3 von %4 Wörtern gelernt</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Pro Woche</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Pro Tag</translation>
    </message>
    <message>
        <source>Chance (%1%)</source>
        <translation>Zufall (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>up</source>
        <translation>steigend</translation>
    </message>
    <message>
        <source>down</source>
        <translation>fallend</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>gleichbleibend</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>gelernt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Median der Antwortzeit</translation>
    </message>
    <message>
        <source>Green dashes: the trend; grey dashes: right by chance alone (%1%). Only a round&apos;s first choice counts, not a try again after a wrong one. Learnt: right at the first try in %2 of its last %3 rounds. Trend and time: its last %4 rounds, the later half against the earlier, and their median time.</source>
        <translation>Grüne Striche: der Trend; graue Striche: richtig allein durch Zufall (%1&#xa0;%). Nur die erste Wahl einer Runde zählt, nicht ein neuer Versuch nach einer falschen. Gelernt: in %2 seiner letzten %3 Runden beim ersten Versuch richtig. Trend und Zeit: seine letzten %4 Runden, die spätere Hälfte gegenüber der früheren, und der Median ihrer Zeiten.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::RecordDialog</name>
    <message>
        <source>Press Record, say &quot;%1&quot; clearly, then press Stop.</source>
        <translation>„Aufnehmen“ drücken, deutlich „%1“ sagen, dann „Stopp“ drücken.</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>No microphone could be opened (%1).</source>
        <translation>Es ließ sich kein Mikrofon öffnen (%1).</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1</source>
        <translation>Die Aufnahme kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>A voice is at most %1 seconds long.</source>
        <translation>Eine Stimme ist höchstens %1 Sekunden lang.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>Prozent richtig</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>Keine Bilder gefunden</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>Fehler %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>&amp;Über Pikora...</translation>
    </message>
</context>
</TS>
