<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>Pikora учит словам с помощью картинок и голоса.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>Свободная программа: её можно распространять и изменять на условиях GNU GPL версии 3 или более поздней.</translation>
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
        <translation>О программе Pikora</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>Pikora, версия 1.0</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 Разработчики Pikora</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>short about box of the window menu: button of 50 × 16 dialog units, 75 pixels wide</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>dialog-132</name>
    <message>
        <source>Setup</source>
        <extracomment>setup: the window&apos;s title</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 варианта</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Снять все</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Показ слова</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>Скрывать ошибки</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Слова</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>score report: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The report file keeps its English headings for the programs that read it.</source>
        <extracomment>score report: label of 190 × 18 dialog units, 285 pixels wide</extracomment>
        <translation>Файл результатов сохраняет английские заголовки для программ, которые его читают.</translation>
    </message>
</context>
<context>
    <name>dialog-135</name>
    <message>
        <source>About Pikora</source>
        <extracomment>product window of the Help menu: the window&apos;s title</extracomment>
        <translation>О программе Pikora</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>product window of the Help menu: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>dialog-140</name>
    <message>
        <source>Access</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: the window&apos;s title</extracomment>
        <translation>Доступность</translation>
    </message>
    <message>
        <source>Switch scanning:</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 200 × 9 dialog units, 300 pixels wide</extracomment>
        <translation>Режим сканирования:</translation>
    </message>
    <message>
        <source>&amp;No scanning: click, or press the keys 1 to 4</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Без сканирования: щелчок или клавиши от 1 до 4</translation>
    </message>
    <message>
        <source>&amp;One switch: the highlight moves by itself, Space or Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Одна кнопка: рамка движется сама, Пробел или Enter выбирает</translation>
    </message>
    <message>
        <source>&amp;Two switches: Space moves the highlight, Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Две кнопки: Пробел двигает рамку, Enter выбирает</translation>
    </message>
    <message>
        <source>&amp;Full screen: the game covers the whole screen</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: check box of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Полный экран: игра занимает весь экран</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Step time (seconds):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Интервал (секунды):</translation>
    </message>
    <message>
        <source>&amp;Accept delay (seconds; a sooner press is ignored):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Задержка (секунды; ранние нажатия не в счёт):</translation>
    </message>
</context>
<context>
    <name>dialog-141</name>
    <message>
        <source>Progress</source>
        <extracomment>progress: the window&apos;s title</extracomment>
        <translation>Успехи</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <extracomment>progress: label of 46 × 10 dialog units, 69 pixels wide</extracomment>
        <translation>&amp;Ученик:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>progress: label of 40 × 10 dialog units, 60 pixels wide</extracomment>
        <translation>&amp;Период:</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 280 × 10 dialog units, 420 pixels wide</extracomment>
        <translation>Медианное время ответа за игру</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 190 × 10 dialog units, 285 pixels wide</extracomment>
        <translation>Что чаще всего путают</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <extracomment>progress: label of 38 × 10 dialog units, 57 pixels wide</extracomment>
        <translation>&amp;Раунды:</translation>
    </message>
    <message>
        <source>Share right at the first try</source>
        <extracomment>progress: label of 290 × 10 dialog units, 435 pixels wide</extracomment>
        <translation>Доля верных с первой попытки</translation>
    </message>
    <message>
        <source>Every word</source>
        <extracomment>progress: label of 380 × 10 dialog units, 570 pixels wide</extracomment>
        <translation>Все слова</translation>
    </message>
</context>
<context>
    <name>dialog-142</name>
    <message>
        <source>Learners</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: the window&apos;s title</extracomment>
        <translation>Ученики</translation>
    </message>
    <message>
        <source>When this list is not empty, each game starts by asking who is playing.</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 280 × 18 dialog units, 420 pixels wide</extracomment>
        <translation>Если этот список не пуст, каждая игра начинается с вопроса, кто играет.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>&amp;Picture (an emoji):</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Картинка (эмодзи):</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Из &amp;файла...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Из&amp;менить</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Убрать</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>dialog-143</name>
    <message>
        <source>Who is playing?</source>
        <extracomment>asks who is playing before each game, when the class list is not empty: the window&apos;s title</extracomment>
        <translation>Кто играет?</translation>
    </message>
</context>
<context>
    <name>dialog-144</name>
    <message>
        <source>Pictures</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: the window&apos;s title</extracomment>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Слово:</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Добавить картинки...</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Убрать...</translation>
    </message>
    <message>
        <source>The picture&apos;s voice:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>Голос картинки:</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Записать...</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Озвучить</translation>
    </message>
    <message>
        <source>From a &amp;file...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Из &amp;файла...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>dialog-145</name>
    <message>
        <source>Record a voice</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: the window&apos;s title</extracomment>
        <translation>Запись голоса</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Прослушать</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Оставить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>&amp;Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Успехи...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Доступность...</translation>
    </message>
    <message>
        <source>&amp;Learners...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>У&amp;ченики...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About</source>
        <comment>&amp;Help</comment>
        <extracomment>an item of the menu &amp;Help; &amp; marks its key, one letter per item</extracomment>
        <translation>О программе</translation>
    </message>
    <message>
        <source>P&amp;ictures...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Картинки...</translation>
    </message>
</context>
<context>
    <name>pikora::progress::Page</name>
    <message>
        <source>Every choice recorded until %1</source>
        <translation>Все записанные ответы по состоянию на %1</translation>
    </message>
    <message>
        <source>Choices from %1 to %2</source>
        <translation>Ответы за период: %1 — %2</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1&#xa0;% из %2</translation>
    </message>
    <message>
        <source>&quot;%1% of %2&quot; means: right at the first try in %1% of %2 rounds of the word.</source>
        <translation>«%1&#xa0;% из %2» означает: верно с первой попытки в %1&#xa0;% из %2 раундов слова.</translation>
    </message>
    <message>
        <source>No confusions.</source>
        <translation>Путаницы нет.</translation>
    </message>
    <message>
        <source>Pikora progress</source>
        <translation>Pikora: успехи</translation>
    </message>
    <message>
        <source>No choices are recorded.</source>
        <translation>Записанных ответов нет.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnerPicker</name>
    <message>
        <source>Someone else</source>
        <translation>Кто-то другой</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnersWindow</name>
    <message>
        <source>A picture for the learner</source>
        <translation>Картинка для ученика</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Изображения (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can read.</source>
        <translation>Игра не может прочитать картинку %1.</translation>
    </message>
    <message>
        <source>Type the learner&apos;s name first.</source>
        <translation>Сначала введите имя ученика.</translation>
    </message>
    <message>
        <source>The list cannot be changed: %1</source>
        <translation>Не удаётся изменить список: %1</translation>
    </message>
    <message>
        <source>%1 is on the list already.</source>
        <translation>%1 уже есть в списке.</translation>
    </message>
    <message>
        <source>Pick the learner to change in the list first.</source>
        <translation>Сначала выберите в списке ученика, которого нужно изменить.</translation>
    </message>
    <message>
        <source>There is already a learner called %1.</source>
        <translation>Ученик с именем %1 уже есть.</translation>
    </message>
    <message>
        <source>Pick the learner to remove in the list first.</source>
        <translation>Сначала выберите в списке ученика, которого нужно убрать.</translation>
    </message>
    <message>
        <source>%1 is off the list; what was recorded for them stays.</source>
        <translation>Убрано из списка: %1. Записанные результаты сохраняются.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::PicturesWindow</name>
    <message>
        <source>plays</source>
        <translation>работает</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>пока нет</translation>
    </message>
    <message>
        <source>silent: record it again</source>
        <translation>тишина: запишите заново</translation>
    </message>
    <message>
        <source>does not play: make it again</source>
        <translation>не воспроизводится: создайте заново</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Language of the spoken word</source>
        <translation>Язык озвучивания слова</translation>
    </message>
    <message>
        <source>The pictures cannot be changed here: %1</source>
        <translation>Здесь нельзя изменять картинки: %1</translation>
    </message>
    <message>
        <source>Pictures to add</source>
        <translation>Картинки для добавления</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Добавить картинки</translation>
    </message>
    <message>
        <source>The word for %1:</source>
        <translation>Слово для %1:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) added; each needs a voice.</source>
        <translation>
            <numerusform>Добавлена %n картинка; ей нужен голос.</numerusform>
            <numerusform>Добавлены %n картинки; каждой нужен голос.</numerusform>
            <numerusform>Добавлено %n картинок; каждой нужен голос.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pick the picture whose voice to take in the list first.</source>
        <translation>Сначала выберите в списке картинку, которой нужно дать голос.</translation>
    </message>
    <message>
        <source>A voice for %1</source>
        <translation>Голос для %1</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.flac)</source>
        <translation>Звуки (*.wav *.ogg *.flac)</translation>
    </message>
    <message>
        <source>The voice of %1 is taken from %2.</source>
        <translation>Голос для %1 взят из %2.</translation>
    </message>
    <message>
        <source>Pick the picture whose voice to record in the list first.</source>
        <translation>Сначала выберите в списке картинку, для которой нужно записать голос.</translation>
    </message>
    <message>
        <source>The voice of %1 is recorded.</source>
        <translation>Голос для %1 записан.</translation>
    </message>
    <message>
        <source>Pick the picture whose word to speak in the list first.</source>
        <translation>Сначала выберите в списке картинку, слово которой нужно озвучить.</translation>
    </message>
    <message>
        <source>The voice of %1 is spoken by the computer.</source>
        <translation>Голос для %1 создан компьютером.</translation>
    </message>
    <message>
        <source>Pick the picture to rename in the list first.</source>
        <translation>Сначала выберите в списке картинку, которую нужно переименовать.</translation>
    </message>
    <message>
        <source>Type the new word first.</source>
        <translation>Сначала введите новое слово.</translation>
    </message>
    <message>
        <source>%1 is now %2, with its voice.</source>
        <translation>%1 теперь называется %2, голос сохранён.</translation>
    </message>
    <message>
        <source>Pick the picture to remove in the list first.</source>
        <translation>Сначала выберите в списке картинку, которую нужно убрать.</translation>
    </message>
    <message>
        <source>Remove a picture</source>
        <translation>Убрать картинку</translation>
    </message>
    <message>
        <source>Remove the picture %1 and its voice from the folder?</source>
        <translation>Убрать картинку %1 и её голос из папки?</translation>
    </message>
    <message>
        <source>%1 is removed, with its voice.</source>
        <translation>Картинка %1 убрана вместе с голосом.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::ProgressWindow</name>
    <message>
        <source>All time</source>
        <translation>За всё время</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>За 12 месяцев</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>За 30 дней</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>За 7 дней</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Word asked</source>
        <translation>Заданное слово</translation>
    </message>
    <message>
        <source>Word chosen</source>
        <translation>Выбранное слово</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Раз</translation>
    </message>
    <message>
        <source>No history of choices is kept: the game has no report file.</source>
        <translation>История ответов не ведётся: у игры нет файла результатов.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Не удаётся прочитать историю: %1</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% верных</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунды</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Чтение истории...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Ответов пока не записано.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Two choices</source>
        <translation>Два варианта</translation>
    </message>
    <message>
        <source>Four choices</source>
        <translation>Четыре варианта</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Слова</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Верно с первой попытки</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Раунды</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Последнее занятие</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Тенденция</translation>
    </message>
    <message>
        <source>Learnt</source>
        <translation>Выучено</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>No rounds recorded in this period.</source>
        <translation>За этот период раундов не записано.</translation>
    </message>
    <message>
        <source>%1% right at the first try in %2 rounds; %3 of %4 words learnt</source>
        <translation>Верных с первой попытки: %1&#xa0;%, раундов: %2; выучено слов: %3 из %4</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>По неделям</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>По дням</translation>
    </message>
    <message>
        <source>Chance (%1%)</source>
        <translation>Случайно (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>up</source>
        <translation>растёт</translation>
    </message>
    <message>
        <source>down</source>
        <translation>падает</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>выучено</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Медианное время ответа</translation>
    </message>
    <message>
        <source>Green dashes: the trend; grey dashes: right by chance alone (%1%). Only a round&apos;s first choice counts, not a try again after a wrong one. Learnt: right at the first try in %2 of its last %3 rounds. Trend and time: its last %4 rounds, the later half against the earlier, and their median time.</source>
        <translation>Зелёный пунктир: тенденция; серый пунктир: верно по чистой случайности (%1&#xa0;%). Считается только первый выбор в раунде, а не новая попытка после ошибки. Выучено: верно с первой попытки в %2 из последних %3 раундов слова. Тенденция и время: последние %4 раундов слова, поздняя половина по сравнению с ранней, и медиана времени этих раундов.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::RecordDialog</name>
    <message>
        <source>Press Record, say &quot;%1&quot; clearly, then press Stop.</source>
        <translation>Нажмите «Записать», чётко скажите «%1», затем нажмите «Стоп».</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>No microphone could be opened (%1).</source>
        <translation>Не удалось открыть микрофон (%1).</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1</source>
        <translation>Не удаётся воспроизвести запись: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>A voice is at most %1 seconds long.</source>
        <translation>Голос длится не более %1 с.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Записать</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Неверно</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>Процент верных</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>Картинки не найдены</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>Ошибка %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>&amp;О программе Pikora...</translation>
    </message>
</context>
</TS>
