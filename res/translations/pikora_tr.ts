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
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Seçimi kaldır</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>Kelime göster</translation>
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
        <translation>Kelime kipi</translation>
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
    <message>
        <source>The report file keeps its English headings for the programs that read it.</source>
        <extracomment>score report: label of 190 × 18 dialog units, 285 pixels wide</extracomment>
        <translation>Sonuç dosyası, onu okuyan programlar için İngilizce başlıklarını korur.</translation>
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
    <message>
        <source>&amp;Step time (seconds):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Adım süresi (saniye):</translation>
    </message>
    <message>
        <source>&amp;Accept delay (seconds; a sooner press is ignored):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>&amp;Bekleme süresi (saniye; erken basış yok sayılır):</translation>
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
        <extracomment>progress: label of 40 × 10 dialog units, 60 pixels wide</extracomment>
        <translation>&amp;Dönem:</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 280 × 10 dialog units, 420 pixels wide</extracomment>
        <translation>Oyun başına ortanca yanıt süresi</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 190 × 10 dialog units, 285 pixels wide</extracomment>
        <translation>En sık karıştırılanlar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <extracomment>progress: label of 38 × 10 dialog units, 57 pixels wide</extracomment>
        <translation>&amp;Turlar:</translation>
    </message>
    <message>
        <source>Share right at the first try</source>
        <extracomment>progress: label of 290 × 10 dialog units, 435 pixels wide</extracomment>
        <translation>İlk denemede doğru oranı</translation>
    </message>
    <message>
        <source>Every word</source>
        <extracomment>progress: label of 380 × 10 dialog units, 570 pixels wide</extracomment>
        <translation>Tüm kelimeler</translation>
    </message>
</context>
<context>
    <name>dialog-142</name>
    <message>
        <source>Learners</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: the window&apos;s title</extracomment>
        <translation>Öğrenciler</translation>
    </message>
    <message>
        <source>When this list is not empty, each game starts by asking who is playing.</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 280 × 18 dialog units, 420 pixels wide</extracomment>
        <translation>Bu liste boş değilse her oyun, kimin oynadığını sorarak başlar.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Ad:</translation>
    </message>
    <message>
        <source>&amp;Picture (an emoji):</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>&amp;Resim (bir emoji):</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Görüntü...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Değiştir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>dialog-143</name>
    <message>
        <source>Who is playing?</source>
        <extracomment>asks who is playing before each game, when the class list is not empty: the window&apos;s title</extracomment>
        <translation>Kim oynuyor?</translation>
    </message>
</context>
<context>
    <name>dialog-144</name>
    <message>
        <source>Pictures</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: the window&apos;s title</extracomment>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>Ke&amp;lime:</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Resim &amp;ekle...</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Yeniden adlandır</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Kaldı&amp;r...</translation>
    </message>
    <message>
        <source>The picture&apos;s voice:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>Resmin sesi:</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>Ses &amp;kaydet...</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>&amp;Seslendir</translation>
    </message>
    <message>
        <source>From a &amp;file...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>&amp;Dosyadan...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>dialog-145</name>
    <message>
        <source>Record a voice</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: the window&apos;s title</extracomment>
        <translation>Ses kaydet</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>&amp;Dinle</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>K&amp;ullan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>&amp;Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>İ&amp;lerleme...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Erişilebilirlik...</translation>
    </message>
    <message>
        <source>&amp;Learners...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Öğrenciler...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <comment>&amp;Help</comment>
        <extracomment>an item of the menu &amp;Help; &amp; marks its key, one letter per item</extracomment>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>P&amp;ictures...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>&amp;Resimler...</translation>
    </message>
</context>
<context>
    <name>pikora::progress::Page</name>
    <message>
        <source>Every choice recorded until %1</source>
        <translation>%1 tarihine kadar kaydedilen tüm yanıtlar</translation>
    </message>
    <message>
        <source>Choices from %1 to %2</source>
        <translation>%1 ile %2 arasındaki yanıtlar</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%2 turda %%1</translation>
    </message>
    <message>
        <source>&quot;%1% of %2&quot; means: right at the first try in %1% of %2 rounds of the word.</source>
        <translation>“%2 turda %%1” şu anlama gelir: kelimenin %2 turunda ilk denemede %%1 doğru.</translation>
    </message>
    <message>
        <source>No confusions.</source>
        <translation>Karıştırılan kelime yok.</translation>
    </message>
    <message>
        <source>Pikora progress</source>
        <translation>Pikora ilerlemesi</translation>
    </message>
    <message>
        <source>No choices are recorded.</source>
        <translation>Kaydedilmiş yanıt yok.</translation>
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
    <name>pikora::ui::LearnerPicker</name>
    <message>
        <source>Someone else</source>
        <translation>Başka biri</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnersWindow</name>
    <message>
        <source>A picture for the learner</source>
        <translation>Öğrenci için bir resim</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Resimler (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can read.</source>
        <translation>%1, oyunun okuyabileceği bir resim değil.</translation>
    </message>
    <message>
        <source>Type the learner&apos;s name first.</source>
        <translation>Önce öğrencinin adını yazın.</translation>
    </message>
    <message>
        <source>The list cannot be changed: %1</source>
        <translation>Liste değiştirilemiyor: %1</translation>
    </message>
    <message>
        <source>%1 is on the list already.</source>
        <translation>%1 zaten listede.</translation>
    </message>
    <message>
        <source>Pick the learner to change in the list first.</source>
        <translation>Önce listeden değiştirilecek öğrenciyi seçin.</translation>
    </message>
    <message>
        <source>There is already a learner called %1.</source>
        <translation>%1 adında bir öğrenci zaten var.</translation>
    </message>
    <message>
        <source>Pick the learner to remove in the list first.</source>
        <translation>Önce listeden kaldırılacak öğrenciyi seçin.</translation>
    </message>
    <message>
        <source>%1 is off the list; what was recorded for them stays.</source>
        <translation>%1 listeden çıkarıldı; kayıtlı sonuçları saklanıyor.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::PicturesWindow</name>
    <message>
        <source>plays</source>
        <translation>çalışıyor</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>henüz yok</translation>
    </message>
    <message>
        <source>silent: record it again</source>
        <translation>sessiz: yeniden kaydedin</translation>
    </message>
    <message>
        <source>does not play: make it again</source>
        <translation>çalmıyor: yeniden oluşturun</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Kelime</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Language of the spoken word</source>
        <translation>Seslendirilen kelimenin dili</translation>
    </message>
    <message>
        <source>The pictures cannot be changed here: %1</source>
        <translation>Resimler burada değiştirilemiyor: %1</translation>
    </message>
    <message>
        <source>Pictures to add</source>
        <translation>Eklenecek resimler</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Resimler (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Resim ekle</translation>
    </message>
    <message>
        <source>The word for %1:</source>
        <translation>%1 için kelime:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) added; each needs a voice.</source>
        <translation>
            <numerusform>%n resim eklendi; her birinin bir sese ihtiyacı var.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pick the picture whose voice to take in the list first.</source>
        <translation>Önce listeden sesi dosyadan alınacak resmi seçin.</translation>
    </message>
    <message>
        <source>A voice for %1</source>
        <translation>%1 için bir ses</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.flac)</source>
        <translation>Sesler (*.wav *.ogg *.flac)</translation>
    </message>
    <message>
        <source>The voice of %1 is taken from %2.</source>
        <translation>%1 için ses %2 dosyasından alındı.</translation>
    </message>
    <message>
        <source>Pick the picture whose voice to record in the list first.</source>
        <translation>Önce listeden sesi kaydedilecek resmi seçin.</translation>
    </message>
    <message>
        <source>The voice of %1 is recorded.</source>
        <translation>%1 için ses kaydedildi.</translation>
    </message>
    <message>
        <source>Pick the picture whose word to speak in the list first.</source>
        <translation>Önce listeden kelimesi seslendirilecek resmi seçin.</translation>
    </message>
    <message>
        <source>The voice of %1 is spoken by the computer.</source>
        <translation>%1 için ses bilgisayarla oluşturuldu.</translation>
    </message>
    <message>
        <source>Pick the picture to rename in the list first.</source>
        <translation>Önce listeden yeniden adlandırılacak resmi seçin.</translation>
    </message>
    <message>
        <source>Type the new word first.</source>
        <translation>Önce yeni kelimeyi yazın.</translation>
    </message>
    <message>
        <source>%1 is now %2, with its voice.</source>
        <translation>%1 artık %2, sesiyle birlikte.</translation>
    </message>
    <message>
        <source>Pick the picture to remove in the list first.</source>
        <translation>Önce listeden kaldırılacak resmi seçin.</translation>
    </message>
    <message>
        <source>Remove a picture</source>
        <translation>Resim kaldır</translation>
    </message>
    <message>
        <source>Remove the picture %1 and its voice from the folder?</source>
        <translation>%1 resmi ve sesi klasörden kaldırılsın mı?</translation>
    </message>
    <message>
        <source>%1 is removed, with its voice.</source>
        <translation>%1 sesiyle birlikte kaldırıldı.</translation>
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
        <source>% right</source>
        <translation>Doğru (%)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Geçmiş okunuyor...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>Henüz kaydedilmiş yanıt yok.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Two choices</source>
        <translation>İki seçenek</translation>
    </message>
    <message>
        <source>Four choices</source>
        <translation>Dört seçenek</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Kelimeler</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>İlk denemede doğru</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Turlar</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Son çalışma</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Eğilim</translation>
    </message>
    <message>
        <source>Learnt</source>
        <translation>Öğrenildi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>No rounds recorded in this period.</source>
        <translation>Bu dönemde kaydedilmiş tur yok.</translation>
    </message>
    <message>
        <source>%1% right at the first try in %2 rounds; %3 of %4 words learnt</source>
        <translation>%2 turda ilk denemede %%1 doğru; %4 kelimeden %3 tanesi öğrenildi</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>Haftalık</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Günlük</translation>
    </message>
    <message>
        <source>Chance (%1%)</source>
        <translation>Şans (%%1)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>up</source>
        <translation>artıyor</translation>
    </message>
    <message>
        <source>down</source>
        <translation>azalıyor</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>sabit</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>öğrenildi</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>Ortanca yanıt süresi</translation>
    </message>
    <message>
        <source>Green dashes: the trend; grey dashes: right by chance alone (%1%). Only a round&apos;s first choice counts, not a try again after a wrong one. Learnt: right at the first try in %2 of its last %3 rounds. Trend and time: its last %4 rounds, the later half against the earlier, and their median time.</source>
        <translation>Yeşil kesik çizgi: eğilim; gri kesik çizgi: yalnızca şansla doğru (%%1). Yalnızca bir turdaki ilk seçim sayılır, yanlıştan sonraki yeni deneme sayılmaz. Öğrenildi: son %3 turunun %2 tanesinde ilk denemede doğru. Eğilim ve süre: son %4 turu, sonraki yarısının önceki yarısıyla karşılaştırması ve bu turların ortanca süresi.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::RecordDialog</name>
    <message>
        <source>Press Record, say &quot;%1&quot; clearly, then press Stop.</source>
        <translation>Kaydet&apos;e basın, “%1” kelimesini net söyleyin, sonra Durdur&apos;a basın.</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>No microphone could be opened (%1).</source>
        <translation>Hiçbir mikrofon açılamadı (%1).</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1</source>
        <translation>Kayıt çalınamıyor: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>A voice is at most %1 seconds long.</source>
        <translation>Bir ses en fazla %1 saniye sürebilir.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Durdur</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Kaydet</translation>
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
