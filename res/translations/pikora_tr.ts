<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>Pikora, kelimeleri resimler ve seslerle öğretir.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>Özgür yazılım: GNU GPL sürüm 3 veya sonraki bir sürümün koşullarıyla paylaşabilir ve değiştirebilirsiniz.</translation>
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
        <translation>Pikora Hakkında</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>Pikora Sürüm 1.0</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 Pikora geliştiricileri</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>short about box of the window menu: button of 50 × 16 dialog units, 75 pixels wide</extracomment>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>dialog-132</name>
    <message>
        <source>Setup</source>
        <extracomment>setup: the window&apos;s title</extracomment>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 seçenek</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Kelimeyi yaz</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>Yanlışları gizle</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Süreli</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>Süre:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>Kelimeler</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>score report: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>dialog-135</name>
    <message>
        <source>About Pikora</source>
        <extracomment>product window of the Help menu: the window&apos;s title</extracomment>
        <translation>Pikora Hakkında</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>product window of the Help menu: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>dialog-140</name>
    <message>
        <source>Access</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: the window&apos;s title</extracomment>
        <translation>Erişilebilirlik</translation>
    </message>
    <message>
        <source>Switch scanning:</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 200 × 9 dialog units, 300 pixels wide</extracomment>
        <translation>Anahtarla tarama:</translation>
    </message>
    <message>
        <source>&amp;No scanning: click, or press the keys 1 to 4</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>Tarama &amp;yok: tıklayın ya da 1-4 tuşlarına basın</translation>
    </message>
    <message>
        <source>&amp;One switch: the highlight moves by itself, Space or Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>&amp;Tek anahtar: çerçeve kendiliğinden ilerler, Boşluk ya da Enter seçer</translation>
    </message>
    <message>
        <source>&amp;Two switches: Space moves the highlight, Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>İ&amp;ki anahtar: Boşluk çerçeveyi ilerletir, Enter seçer</translation>
    </message>
    <message>
        <source>&amp;Step time (milliseconds, 300 to 10000):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 160 × 9 dialog units, 240 pixels wide</extracomment>
        <translation>&amp;Adım süresi (milisaniye, 300-10000):</translation>
    </message>
    <message>
        <source>&amp;Full screen: the game covers the whole screen</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: check box of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>Tam &amp;ekran: oyun tüm ekranı kaplar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>dialog-141</name>
    <message>
        <source>Progress</source>
        <extracomment>progress: the window&apos;s title</extracomment>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <extracomment>progress: label of 46 × 10 dialog units, 69 pixels wide</extracomment>
        <translation>&amp;Öğrenci:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>progress: label of 42 × 10 dialog units, 63 pixels wide</extracomment>
        <translation>&amp;Dönem:</translation>
    </message>
    <message>
        <source>Share of right choices over time</source>
        <extracomment>progress: label of 250 × 10 dialog units, 375 pixels wide</extracomment>
        <translation>Zaman içinde doğru yanıt oranı</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 240 × 10 dialog units, 360 pixels wide</extracomment>
        <translation>Oyun başına ortanca yanıt süresi</translation>
    </message>
    <message>
        <source>Words that need practice most</source>
        <extracomment>progress: label of 250 × 10 dialog units, 375 pixels wide</extracomment>
        <translation>En çok çalışılması gereken kelimeler</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 240 × 10 dialog units, 360 pixels wide</extracomment>
        <translation>En sık karıştırılanlar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <comment>Help</comment>
        <extracomment>an item of the menu Help; &amp; marks its key, one letter per item</extracomment>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>İ&amp;lerleme...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>Setup</comment>
        <extracomment>an item of the menu Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Erişilebilirlik...</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>&amp;Kapat</translation>
    </message>
</context>
<context>
    <name>pikora::ui::ProgressWindow</name>
    <message>
        <source>All time</source>
        <translation>Tüm zamanlar</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Son 12 ay</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Son 30 gün</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Son 7 gün</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Kelime</translation>
    </message>
    <message>
        <source>Recently right</source>
        <translation>Son doğru oranı</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Deneme</translation>
    </message>
    <message>
        <source>Word asked</source>
        <translation>Sorulan kelime</translation>
    </message>
    <message>
        <source>Word chosen</source>
        <translation>Seçilen kelime</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Kez</translation>
    </message>
    <message>
        <source>No history of choices is kept: the game has no report file.</source>
        <translation>Yanıt geçmişi tutulmuyor: oyunun sonuç dosyası yok.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Geçmiş okunamıyor: %1</translation>
    </message>
    <message>
        <source>No choices recorded in this period.</source>
        <translation>Bu dönemde yanıt yok.</translation>
    </message>
    <message>
        <source>%1 choices, %2% right</source>
        <translation>%1 yanıt, %%2 doğru</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>Doğru (%)</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Ortanca yanıt süresi</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%%1 (%2 deneme)</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Geçmiş okunuyor...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Henüz kaydedilmiş yanıt yok.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>Kelime</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Doğru</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Yanlış</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>Doğru yüzdesi</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>Resim bulunamadı</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>Hata %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>Pikora &amp;Hakkında...</translation>
    </message>
</context>
</TS>
