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
        <translation>Alles kiezen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Niets kiezen</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Woord tonen</translation>
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
    <message>
        <source>The report file keeps its English headings for the programs that read it.</source>
        <extracomment>score report: label of 190 × 18 dialog units, 285 pixels wide</extracomment>
        <translation>Het uitslagbestand behoudt de Engelse kolomkoppen voor de programma&apos;s die het lezen.</translation>
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
    <message>
        <source>&amp;Step time (seconds):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Staptijd (seconden):</translation>
    </message>
    <message>
        <source>&amp;Accept delay (seconds; a sooner press is ignored):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Wachttijd (seconden; eerder drukken telt niet):</translation>
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
        <extracomment>progress: label of 40 × 10 dialog units, 60 pixels wide</extracomment>
        <translation>&amp;Periode:</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 280 × 10 dialog units, 420 pixels wide</extracomment>
        <translation>Mediane reactietijd per spel</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 190 × 10 dialog units, 285 pixels wide</extracomment>
        <translation>Vaakst verwarde woorden</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <extracomment>progress: label of 38 × 10 dialog units, 57 pixels wide</extracomment>
        <translation>&amp;Rondes:</translation>
    </message>
    <message>
        <source>Share right at the first try</source>
        <extracomment>progress: label of 290 × 10 dialog units, 435 pixels wide</extracomment>
        <translation>Aandeel goed bij de eerste poging</translation>
    </message>
    <message>
        <source>Every word</source>
        <extracomment>progress: label of 380 × 10 dialog units, 570 pixels wide</extracomment>
        <translation>Alle woorden</translation>
    </message>
</context>
<context>
    <name>dialog-142</name>
    <message>
        <source>Learners</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: the window&apos;s title</extracomment>
        <translation>Leerlingen</translation>
    </message>
    <message>
        <source>When this list is not empty, each game starts by asking who is playing.</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 280 × 18 dialog units, 420 pixels wide</extracomment>
        <translation>Als deze lijst niet leeg is, vraagt elk spel eerst wie er speelt.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Picture (an emoji):</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Plaatje (een emoji):</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Afbeelding...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>dialog-143</name>
    <message>
        <source>Who is playing?</source>
        <extracomment>asks who is playing before each game, when the class list is not empty: the window&apos;s title</extracomment>
        <translation>Wie speelt er?</translation>
    </message>
</context>
<context>
    <name>dialog-144</name>
    <message>
        <source>Pictures</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: the window&apos;s title</extracomment>
        <translation>Plaatjes</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Woord:</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Plaatjes &amp;toevoegen...</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Hernoemen</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Verwijderen...</translation>
    </message>
    <message>
        <source>The picture&apos;s voice:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>Stem van het plaatje:</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Opnemen...</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Spreken</translation>
    </message>
    <message>
        <source>From a &amp;file...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Uit &amp;bestand...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>dialog-145</name>
    <message>
        <source>Record a voice</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: the window&apos;s title</extracomment>
        <translation>Een stem opnemen</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Opnemen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Bewaren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>&amp;Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Voortgang...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Toegankelijkheid...</translation>
    </message>
    <message>
        <source>&amp;Learners...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Leerlingen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>About</source>
        <comment>&amp;Help</comment>
        <extracomment>an item of the menu &amp;Help; &amp; marks its key, one letter per item</extracomment>
        <translation>Over Pikora</translation>
    </message>
    <message>
        <source>P&amp;ictures...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Plaatjes...</translation>
    </message>
</context>
<context>
    <name>pikora::progress::Page</name>
    <message>
        <source>Every choice recorded until %1</source>
        <translation>Alle vastgelegde antwoorden tot en met %1</translation>
    </message>
    <message>
        <source>Choices from %1 to %2</source>
        <translation>Antwoorden van %1 tot en met %2</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1% van %2</translation>
    </message>
    <message>
        <source>&quot;%1% of %2&quot; means: right at the first try in %1% of %2 rounds of the word.</source>
        <translation>“%1% van %2” betekent: goed bij de eerste poging in %1% van de %2 rondes van het woord.</translation>
    </message>
    <message>
        <source>No confusions.</source>
        <translation>Geen verwarde woorden.</translation>
    </message>
    <message>
        <source>Pikora progress</source>
        <translation>Pikora-voortgang</translation>
    </message>
    <message>
        <source>No choices are recorded.</source>
        <translation>Er zijn geen antwoorden vastgelegd.</translation>
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
    <name>pikora::ui::LearnerPicker</name>
    <message>
        <source>Someone else</source>
        <translation>Iemand anders</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnersWindow</name>
    <message>
        <source>A picture for the learner</source>
        <translation>Een plaatje voor de leerling</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Afbeeldingen (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can read.</source>
        <translation>%1 is geen afbeelding die het spel kan lezen.</translation>
    </message>
    <message>
        <source>Type the learner&apos;s name first.</source>
        <translation>Typ eerst de naam van de leerling.</translation>
    </message>
    <message>
        <source>The list cannot be changed: %1</source>
        <translation>De lijst kan niet worden gewijzigd: %1</translation>
    </message>
    <message>
        <source>%1 is on the list already.</source>
        <translation>%1 staat al op de lijst.</translation>
    </message>
    <message>
        <source>Pick the learner to change in the list first.</source>
        <translation>Kies eerst in de lijst de leerling die je wilt wijzigen.</translation>
    </message>
    <message>
        <source>There is already a learner called %1.</source>
        <translation>Er is al een leerling die %1 heet.</translation>
    </message>
    <message>
        <source>Pick the learner to remove in the list first.</source>
        <translation>Kies eerst in de lijst de leerling die je wilt verwijderen.</translation>
    </message>
    <message>
        <source>%1 is off the list; what was recorded for them stays.</source>
        <translation>%1 staat niet meer op de lijst; de vastgelegde resultaten blijven bewaard.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::PicturesWindow</name>
    <message>
        <source>plays</source>
        <translation>werkt</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nog geen</translation>
    </message>
    <message>
        <source>silent: record it again</source>
        <translation>stil: neem opnieuw op</translation>
    </message>
    <message>
        <source>does not play: make it again</source>
        <translation>speelt niet af: maak opnieuw</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stem</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Plaatjes</translation>
    </message>
    <message>
        <source>Language of the spoken word</source>
        <translation>Taal van het uitgesproken woord</translation>
    </message>
    <message>
        <source>The pictures cannot be changed here: %1</source>
        <translation>De plaatjes kunnen hier niet worden gewijzigd: %1</translation>
    </message>
    <message>
        <source>Pictures to add</source>
        <translation>Plaatjes om toe te voegen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Plaatjes toevoegen</translation>
    </message>
    <message>
        <source>The word for %1:</source>
        <translation>Het woord voor %1:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) added; each needs a voice.</source>
        <translation>
            <numerusform>%n plaatje toegevoegd; het heeft nog een stem nodig.</numerusform>
            <numerusform>%n plaatjes toegevoegd; elk heeft nog een stem nodig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pick the picture whose voice to take in the list first.</source>
        <translation>Kies eerst in de lijst het plaatje dat de stem moet krijgen.</translation>
    </message>
    <message>
        <source>A voice for %1</source>
        <translation>Een stem voor %1</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.flac)</source>
        <translation>Geluiden (*.wav *.ogg *.flac)</translation>
    </message>
    <message>
        <source>The voice of %1 is taken from %2.</source>
        <translation>De stem van %1 komt nu uit %2.</translation>
    </message>
    <message>
        <source>Pick the picture whose voice to record in the list first.</source>
        <translation>Kies eerst in de lijst het plaatje waarvan je de stem wilt opnemen.</translation>
    </message>
    <message>
        <source>The voice of %1 is recorded.</source>
        <translation>De stem van %1 is opgenomen.</translation>
    </message>
    <message>
        <source>Pick the picture whose word to speak in the list first.</source>
        <translation>Kies eerst in de lijst het plaatje waarvan je het woord wilt laten uitspreken.</translation>
    </message>
    <message>
        <source>The voice of %1 is spoken by the computer.</source>
        <translation>De stem van %1 komt nu van de computer.</translation>
    </message>
    <message>
        <source>Pick the picture to rename in the list first.</source>
        <translation>Kies eerst in de lijst het plaatje dat je wilt hernoemen.</translation>
    </message>
    <message>
        <source>Type the new word first.</source>
        <translation>Typ eerst het nieuwe woord.</translation>
    </message>
    <message>
        <source>%1 is now %2, with its voice.</source>
        <translation>%1 heet nu %2, met stem en al.</translation>
    </message>
    <message>
        <source>Pick the picture to remove in the list first.</source>
        <translation>Kies eerst in de lijst het plaatje dat je wilt verwijderen.</translation>
    </message>
    <message>
        <source>Remove a picture</source>
        <translation>Een plaatje verwijderen</translation>
    </message>
    <message>
        <source>Remove the picture %1 and its voice from the folder?</source>
        <translation>Het plaatje %1 en zijn stem uit de map verwijderen?</translation>
    </message>
    <message>
        <source>%1 is removed, with its voice.</source>
        <translation>%1 is verwijderd, met stem en al.</translation>
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
        <source>% right</source>
        <translation>% goed</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>De geschiedenis wordt gelezen...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Nog geen antwoorden vastgelegd.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Two choices</source>
        <translation>Twee keuzes</translation>
    </message>
    <message>
        <source>Four choices</source>
        <translation>Vier keuzes</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Plaatjes</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Goed bij de eerste poging</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondes</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Laatst geoefend</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Learnt</source>
        <translation>Geleerd</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>No rounds recorded in this period.</source>
        <translation>Geen rondes vastgelegd in deze periode.</translation>
    </message>
    <message>
        <source>%1% right at the first try in %2 rounds; %3 of %4 words learnt</source>
        <translation>%1% goed bij de eerste poging in %2 rondes; %3 van %4 woorden geleerd</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Per week</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Per dag</translation>
    </message>
    <message>
        <source>Chance (%1%)</source>
        <translation>Toeval (%1%)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>up</source>
        <translation>stijgend</translation>
    </message>
    <message>
        <source>down</source>
        <translation>dalend</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>gelijkblijvend</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>geleerd</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Mediane reactietijd</translation>
    </message>
    <message>
        <source>Green dashes: the trend; grey dashes: right by chance alone (%1%). Only a round&apos;s first choice counts, not a try again after a wrong one. Learnt: right at the first try in %2 of its last %3 rounds. Trend and time: its last %4 rounds, the later half against the earlier, and their median time.</source>
        <translation>Groene streepjes: de trend; grijze streepjes: goed door puur toeval (%1%). Alleen de eerste keuze van een ronde telt, niet een nieuwe poging na een foute. Geleerd: goed bij de eerste poging in %2 van de laatste %3 rondes van het woord. Trend en tijd: de laatste %4 rondes van het woord, de latere helft tegenover de eerdere, en de mediaan van hun tijden.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::RecordDialog</name>
    <message>
        <source>Press Record, say &quot;%1&quot; clearly, then press Stop.</source>
        <translation>Druk op Opnemen, zeg duidelijk “%1” en druk dan op Stoppen.</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Geluidsniveau</translation>
    </message>
    <message>
        <source>No microphone could be opened (%1).</source>
        <translation>Er kon geen microfoon worden geopend (%1).</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1</source>
        <translation>De opname kan niet worden afgespeeld: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>A voice is at most %1 seconds long.</source>
        <translation>Een stem duurt hoogstens %1 seconden.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Opnemen</translation>
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
