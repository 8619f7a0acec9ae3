<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>Pikora enseigne les mots avec des images et des voix.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>Logiciel libre&#xa0;: vous pouvez le partager et le modifier selon la GNU GPL, version 3 ou ultérieure.</translation>
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
        <translation>À propos de Pikora</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>Pikora version 1.0</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 Développeurs de Pikora</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 choix</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Voir le mot</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>Cacher les erreurs</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Mode mots</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>score report: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The report file keeps its English headings for the programs that read it.</source>
        <extracomment>score report: label of 190 × 18 dialog units, 285 pixels wide</extracomment>
        <translation>Le fichier de bilan garde ses en-têtes en anglais pour les programmes qui le lisent.</translation>
    </message>
</context>
<context>
    <name>dialog-135</name>
    <message>
        <source>About Pikora</source>
        <extracomment>product window of the Help menu: the window&apos;s title</extracomment>
        <translation>À propos de Pikora</translation>
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
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>Switch scanning:</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 200 × 9 dialog units, 300 pixels wide</extracomment>
        <translation>Défilement par contacteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;No scanning: click, or press the keys 1 to 4</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Sans défilement&#xa0;: clic ou touches 1 à 4</translation>
    </message>
    <message>
        <source>&amp;One switch: the highlight moves by itself, Space or Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Un contacteur&#xa0;: le cadre avance seul, Espace ou Entrée valide</translation>
    </message>
    <message>
        <source>&amp;Two switches: Space moves the highlight, Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Deux contacteurs&#xa0;: Espace déplace le cadre, Entrée valide</translation>
    </message>
    <message>
        <source>&amp;Full screen: the game covers the whole screen</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: check box of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Plein écran&#xa0;: le jeu occupe tout l&apos;écran</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Step time (seconds):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Intervalle (secondes)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Accept delay (seconds; a sooner press is ignored):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>Délai &amp;entre appuis (secondes&#xa0;; trop tôt, ignoré)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dialog-141</name>
    <message>
        <source>Progress</source>
        <extracomment>progress: the window&apos;s title</extracomment>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <extracomment>progress: label of 46 × 10 dialog units, 69 pixels wide</extracomment>
        <translation>É&amp;lève&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>progress: label of 40 × 10 dialog units, 60 pixels wide</extracomment>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 280 × 10 dialog units, 420 pixels wide</extracomment>
        <translation>Temps de réponse médian par partie</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 190 × 10 dialog units, 285 pixels wide</extracomment>
        <translation>Confusions les plus fréquentes</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <extracomment>progress: label of 38 × 10 dialog units, 57 pixels wide</extracomment>
        <translation>&amp;Tours&#xa0;:</translation>
    </message>
    <message>
        <source>Share right at the first try</source>
        <extracomment>progress: label of 290 × 10 dialog units, 435 pixels wide</extracomment>
        <translation>Part de réussite au premier essai</translation>
    </message>
    <message>
        <source>Every word</source>
        <extracomment>progress: label of 380 × 10 dialog units, 570 pixels wide</extracomment>
        <translation>Tous les mots</translation>
    </message>
</context>
<context>
    <name>dialog-142</name>
    <message>
        <source>Learners</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: the window&apos;s title</extracomment>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>When this list is not empty, each game starts by asking who is playing.</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 280 × 18 dialog units, 420 pixels wide</extracomment>
        <translation>Quand cette liste n&apos;est pas vide, chaque partie commence par demander qui joue.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Picture (an emoji):</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Image (un émoji)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Fichier image...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>dialog-143</name>
    <message>
        <source>Who is playing?</source>
        <extracomment>asks who is playing before each game, when the class list is not empty: the window&apos;s title</extracomment>
        <translation>Qui joue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>dialog-144</name>
    <message>
        <source>Pictures</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: the window&apos;s title</extracomment>
        <translation>Images</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Mot&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Ajouter des images...</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Retirer...</translation>
    </message>
    <message>
        <source>The picture&apos;s voice:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>Voix de l&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Prononcer</translation>
    </message>
    <message>
        <source>From a &amp;file...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Depuis un &amp;fichier...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>dialog-145</name>
    <message>
        <source>Record a voice</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: the window&apos;s title</extracomment>
        <translation>Enregistrer une voix</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>&amp;Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Progrès...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Accessibilité...</translation>
    </message>
    <message>
        <source>&amp;Learners...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>É&amp;lèves...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <comment>&amp;Help</comment>
        <extracomment>an item of the menu &amp;Help; &amp; marks its key, one letter per item</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>P&amp;ictures...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Images...</translation>
    </message>
</context>
<context>
    <name>pikora::progress::Page</name>
    <message>
        <source>Every choice recorded until %1</source>
        <translation>Toutes les réponses enregistrées jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Choices from %1 to %2</source>
        <translation>Réponses du %1 au %2</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1&#xa0;% sur %2</translation>
    </message>
    <message>
        <source>&quot;%1% of %2&quot; means: right at the first try in %1% of %2 rounds of the word.</source>
        <translation>«&#xa0;%1&#xa0;% sur %2&#xa0;» signifie&#xa0;: juste au premier essai dans %1&#xa0;% des %2 tours du mot.</translation>
    </message>
    <message>
        <source>No confusions.</source>
        <translation>Aucune confusion.</translation>
    </message>
    <message>
        <source>Pikora progress</source>
        <translation>Progrès Pikora</translation>
    </message>
    <message>
        <source>No choices are recorded.</source>
        <translation>Aucune réponse n&apos;est enregistrée.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnerPicker</name>
    <message>
        <source>Someone else</source>
        <translation>Quelqu&apos;un d&apos;autre</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnersWindow</name>
    <message>
        <source>A picture for the learner</source>
        <translation>Une image pour l&apos;élève</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can read.</source>
        <translation>%1 n&apos;est pas une image que le jeu sait lire.</translation>
    </message>
    <message>
        <source>Type the learner&apos;s name first.</source>
        <translation>Tapez d&apos;abord le nom de l&apos;élève.</translation>
    </message>
    <message>
        <source>The list cannot be changed: %1</source>
        <translation>Impossible de modifier la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is on the list already.</source>
        <translation>%1 est déjà dans la liste.</translation>
    </message>
    <message>
        <source>Pick the learner to change in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;élève à modifier.</translation>
    </message>
    <message>
        <source>There is already a learner called %1.</source>
        <translation>Il y a déjà un élève nommé %1.</translation>
    </message>
    <message>
        <source>Pick the learner to remove in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;élève à retirer.</translation>
    </message>
    <message>
        <source>%1 is off the list; what was recorded for them stays.</source>
        <translation>%1 n&apos;est plus dans la liste&#xa0;; ses résultats enregistrés sont conservés.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::PicturesWindow</name>
    <message>
        <source>plays</source>
        <translation>fonctionne</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>pas encore</translation>
    </message>
    <message>
        <source>silent: record it again</source>
        <translation>muette&#xa0;: à réenregistrer</translation>
    </message>
    <message>
        <source>does not play: make it again</source>
        <translation>illisible&#xa0;: à refaire</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Language of the spoken word</source>
        <translation>Langue du mot prononcé</translation>
    </message>
    <message>
        <source>The pictures cannot be changed here: %1</source>
        <translation>Impossible de modifier les images ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pictures to add</source>
        <translation>Images à ajouter</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>The word for %1:</source>
        <translation>Le mot pour %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) added; each needs a voice.</source>
        <translation>
            <numerusform>%n image ajoutée&#xa0;; elle a besoin d&apos;une voix.</numerusform>
            <numerusform>%n images ajoutées&#xa0;; chacune a besoin d&apos;une voix.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pick the picture whose voice to take in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;image qui recevra la voix.</translation>
    </message>
    <message>
        <source>A voice for %1</source>
        <translation>Une voix pour %1</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.flac)</source>
        <translation>Sons (*.wav *.ogg *.flac)</translation>
    </message>
    <message>
        <source>The voice of %1 is taken from %2.</source>
        <translation>La voix de %1 vient maintenant de %2.</translation>
    </message>
    <message>
        <source>Pick the picture whose voice to record in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;image dont la voix est à enregistrer.</translation>
    </message>
    <message>
        <source>The voice of %1 is recorded.</source>
        <translation>La voix de %1 est enregistrée.</translation>
    </message>
    <message>
        <source>Pick the picture whose word to speak in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;image dont le mot est à prononcer.</translation>
    </message>
    <message>
        <source>The voice of %1 is spoken by the computer.</source>
        <translation>La voix de %1 est maintenant celle de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Pick the picture to rename in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;image à renommer.</translation>
    </message>
    <message>
        <source>Type the new word first.</source>
        <translation>Tapez d&apos;abord le nouveau mot.</translation>
    </message>
    <message>
        <source>%1 is now %2, with its voice.</source>
        <translation>L&apos;image %1 s&apos;appelle maintenant %2, avec sa voix.</translation>
    </message>
    <message>
        <source>Pick the picture to remove in the list first.</source>
        <translation>Choisissez d&apos;abord dans la liste l&apos;image à retirer.</translation>
    </message>
    <message>
        <source>Remove a picture</source>
        <translation>Retirer une image</translation>
    </message>
    <message>
        <source>Remove the picture %1 and its voice from the folder?</source>
        <translation>Retirer du dossier l&apos;image %1 et sa voix&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is removed, with its voice.</source>
        <translation>L&apos;image %1 est retirée, avec sa voix.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::ProgressWindow</name>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Word asked</source>
        <translation>Mot demandé</translation>
    </message>
    <message>
        <source>Word chosen</source>
        <translation>Mot choisi</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>No history of choices is kept: the game has no report file.</source>
        <translation>Aucun historique des réponses&#xa0;: le jeu n&apos;a pas de fichier de bilan.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossible de lire l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% de réussite</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lecture de l’historique...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Aucune réponse enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Two choices</source>
        <translation>Deux choix</translation>
    </message>
    <message>
        <source>Four choices</source>
        <translation>Quatre choix</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Juste au premier essai</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Dernier entraînement</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Learnt</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>No rounds recorded in this period.</source>
        <translation>Aucun tour enregistré sur cette période.</translation>
    </message>
    <message>
        <source>%1% right at the first try in %2 rounds; %3 of %4 words learnt</source>
        <translation>%1&#xa0;% de réussite au premier essai en %2 tours&#xa0;; %3 mots acquis sur %4</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Par semaine</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>Chance (%1%)</source>
        <translation>Hasard (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>up</source>
        <translation>en hausse</translation>
    </message>
    <message>
        <source>down</source>
        <translation>en baisse</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Temps de réponse médian</translation>
    </message>
    <message>
        <source>Green dashes: the trend; grey dashes: right by chance alone (%1%). Only a round&apos;s first choice counts, not a try again after a wrong one. Learnt: right at the first try in %2 of its last %3 rounds. Trend and time: its last %4 rounds, the later half against the earlier, and their median time.</source>
        <translation>Tirets verts&#xa0;: la tendance&#xa0;; tirets gris&#xa0;: réussite due au seul hasard (%1&#xa0;%). Seul le premier choix d&apos;un tour compte, pas un nouvel essai après une erreur. Acquis&#xa0;: juste au premier essai dans %2 de ses %3 derniers tours. Tendance et temps&#xa0;: ses %4 derniers tours, la moitié récente comparée à la plus ancienne, et la médiane de leurs temps.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::RecordDialog</name>
    <message>
        <source>Press Record, say &quot;%1&quot; clearly, then press Stop.</source>
        <translation>Appuyez sur Enregistrer, dites «&#xa0;%1&#xa0;» clairement, puis appuyez sur Arrêter.</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Niveau sonore</translation>
    </message>
    <message>
        <source>No microphone could be opened (%1).</source>
        <translation>Aucun micro n&apos;a pu être ouvert (%1).</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1</source>
        <translation>Impossible de lire l&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>A voice is at most %1 seconds long.</source>
        <translation>Une voix dure au plus %1 secondes.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>% de réussite</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>Aucune image trouvée</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>Erreur %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>À &amp;propos de Pikora...</translation>
    </message>
</context>
</TS>
