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
        <translation>Все</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Ни одной</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Подпись</translation>
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
        <source>&amp;Step time (milliseconds, 300 to 10000):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 160 × 9 dialog units, 240 pixels wide</extracomment>
        <translation>&amp;Шаг (миллисекунды, от 300 до 10000):</translation>
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
        <extracomment>progress: label of 42 × 10 dialog units, 63 pixels wide</extracomment>
        <translation>&amp;Период:</translation>
    </message>
    <message>
        <source>Share of right choices over time</source>
        <extracomment>progress: label of 250 × 10 dialog units, 375 pixels wide</extracomment>
        <translation>Доля верных ответов со временем</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 240 × 10 dialog units, 360 pixels wide</extracomment>
        <translation>Медианное время ответа за игру</translation>
    </message>
    <message>
        <source>Words that need practice most</source>
        <extracomment>progress: label of 250 × 10 dialog units, 375 pixels wide</extracomment>
        <translation>Слова, которые нужно повторить</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 240 × 10 dialog units, 360 pixels wide</extracomment>
        <translation>Что чаще всего путают</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <comment>Help</comment>
        <extracomment>an item of the menu Help; &amp; marks its key, one letter per item</extracomment>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Успехи...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Доступность...</translation>
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
        <source>Recently right</source>
        <translation>Недавно верно</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Попыток</translation>
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
        <source>No choices recorded in this period.</source>
        <translation>За этот период ответов нет.</translation>
    </message>
    <message>
        <source>%1 choices, %2% right</source>
        <translation>Ответов: %1, верных: %2%</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% верных</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Медианное время ответа</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунды</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1% из %2</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Чтение истории...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Ответов пока не записано.</translation>
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
