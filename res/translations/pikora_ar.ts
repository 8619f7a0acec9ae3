<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>MyAbout</name>
    <message>
        <source>Pikora teaches words with pictures and voices.</source>
        <translation>يعلّم Pikora الكلمات بالصور والأصوات.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU GPL, version 3 or later.</source>
        <translation>برنامج حر: يمكنك مشاركته وتعديله وفق رخصة GNU GPL، الإصدار 3 أو أحدث.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR, or RTL for a language written from right to left: the windows are then mirrored.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>dialog-100</name>
    <message>
        <source>About Pikora</source>
        <extracomment>short about box of the window menu: the window&apos;s title</extracomment>
        <translation>حول Pikora</translation>
    </message>
    <message>
        <source>Pikora Version 1.0</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>الإصدار 1.0 من Pikora</translation>
    </message>
    <message>
        <source>© 2026 Pikora developers</source>
        <extracomment>short about box of the window menu: label of 119 × 8 dialog units, 178 pixels wide</extracomment>
        <translation>© 2026 مطوّرو Pikora</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>short about box of the window menu: button of 50 × 16 dialog units, 75 pixels wide</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>dialog-132</name>
    <message>
        <source>Setup</source>
        <extracomment>setup: the window&apos;s title</extracomment>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Field of 4</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>4 خيارات</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Clear All</source>
        <extracomment>setup: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إلغاء التحديد</translation>
    </message>
    <message>
        <source>Show Spelling</source>
        <extracomment>setup: check box of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>إظهار الكلمة</translation>
    </message>
    <message>
        <source>Hide Wrong Buttons</source>
        <extracomment>setup: check box of 84 × 9 dialog units, 126 pixels wide</extracomment>
        <translation>إخفاء الخاطئة</translation>
    </message>
    <message>
        <source>Use Timer</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>المؤقت</translation>
    </message>
    <message>
        <source>Max Time:</source>
        <extracomment>setup: label of 45 × 10 dialog units, 67 pixels wide</extracomment>
        <translation>المدة:</translation>
    </message>
    <message>
        <source>Use Words</source>
        <extracomment>setup: check box of 50 × 8 dialog units, 75 pixels wide</extracomment>
        <translation>وضع الكلمات</translation>
    </message>
</context>
<context>
    <name>dialog-133</name>
    <message>
        <source>Report</source>
        <extracomment>score report: the window&apos;s title</extracomment>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>score report: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <source>The report file keeps its English headings for the programs that read it.</source>
        <extracomment>score report: label of 190 × 18 dialog units, 285 pixels wide</extracomment>
        <translation>يحتفظ ملف النتائج بعناوينه باللغة الإنجليزية من أجل البرامج التي تقرؤه.</translation>
    </message>
</context>
<context>
    <name>dialog-135</name>
    <message>
        <source>About Pikora</source>
        <extracomment>product window of the Help menu: the window&apos;s title</extracomment>
        <translation>حول Pikora</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>product window of the Help menu: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>dialog-140</name>
    <message>
        <source>Access</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: the window&apos;s title</extracomment>
        <translation>إمكانية الوصول</translation>
    </message>
    <message>
        <source>Switch scanning:</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 200 × 9 dialog units, 300 pixels wide</extracomment>
        <translation>المسح بالمفاتيح:</translation>
    </message>
    <message>
        <source>&amp;No scanning: click, or press the keys 1 to 4</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>بلا مسح (&amp;N): انقر أو اضغط المفاتيح من 1 إلى 4</translation>
    </message>
    <message>
        <source>&amp;One switch: the highlight moves by itself, Space or Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>مفتاح واحد (&amp;O): الإطار يتحرك وحده، والمسافة أو Enter للاختيار</translation>
    </message>
    <message>
        <source>&amp;Two switches: Space moves the highlight, Enter chooses</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: radioButton of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>مفتاحان (&amp;T): المسافة تحرك الإطار، وEnter للاختيار</translation>
    </message>
    <message>
        <source>&amp;Full screen: the game covers the whole screen</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: check box of 274 × 10 dialog units, 411 pixels wide</extracomment>
        <translation>شاشة كاملة (&amp;F): اللعبة تملأ الشاشة كلها</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Step time (seconds):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>زمن الخطوة بالثواني (&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Accept delay (seconds; a sooner press is ignored):</source>
        <extracomment>ways to play without a mouse, from the Setup menu&apos;s Access item: label of 180 × 9 dialog units, 270 pixels wide</extracomment>
        <translation>مهلة القبول بالثواني، يُتجاهل الضغط قبل انقضائها (&amp;A):</translation>
    </message>
</context>
<context>
    <name>dialog-141</name>
    <message>
        <source>Progress</source>
        <extracomment>progress: the window&apos;s title</extracomment>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <extracomment>progress: label of 46 × 10 dialog units, 69 pixels wide</extracomment>
        <translation>المتعلم (&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>progress: label of 40 × 10 dialog units, 60 pixels wide</extracomment>
        <translation>الفترة (&amp;P):</translation>
    </message>
    <message>
        <source>Median response time per game</source>
        <extracomment>progress: label of 280 × 10 dialog units, 420 pixels wide</extracomment>
        <translation>وسيط زمن الإجابة في كل لعبة</translation>
    </message>
    <message>
        <source>Most frequent confusions</source>
        <extracomment>progress: label of 190 × 10 dialog units, 285 pixels wide</extracomment>
        <translation>الكلمات الأكثر خلطًا</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>progress: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <extracomment>progress: label of 38 × 10 dialog units, 57 pixels wide</extracomment>
        <translation>جولات (&amp;R):</translation>
    </message>
    <message>
        <source>Share right at the first try</source>
        <extracomment>progress: label of 290 × 10 dialog units, 435 pixels wide</extracomment>
        <translation>نسبة الصحيح من المحاولة الأولى</translation>
    </message>
    <message>
        <source>Every word</source>
        <extracomment>progress: label of 380 × 10 dialog units, 570 pixels wide</extracomment>
        <translation>كل الكلمات</translation>
    </message>
</context>
<context>
    <name>dialog-142</name>
    <message>
        <source>Learners</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: the window&apos;s title</extracomment>
        <translation>المتعلمون</translation>
    </message>
    <message>
        <source>When this list is not empty, each game starts by asking who is playing.</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 280 × 18 dialog units, 420 pixels wide</extracomment>
        <translation>إذا لم تكن هذه القائمة فارغة، تبدأ كل لعبة بالسؤال عمّن يلعب.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>الاسم (&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Picture (an emoji):</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: label of 120 × 9 dialog units, 180 pixels wide</extracomment>
        <translation>الصورة (&amp;P) (رمز تعبيري):</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>ملف صورة (&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>إضافة (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>تغيير (&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 58 × 14 dialog units, 87 pixels wide</extracomment>
        <translation>إزالة (&amp;M)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the class list, from the Setup menu&apos;s Learners item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>dialog-143</name>
    <message>
        <source>Who is playing?</source>
        <extracomment>asks who is playing before each game, when the class list is not empty: the window&apos;s title</extracomment>
        <translation>من يلعب؟</translation>
    </message>
</context>
<context>
    <name>dialog-144</name>
    <message>
        <source>Pictures</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: the window&apos;s title</extracomment>
        <translation>الصور</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>الكلمة (&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>إضافة صور (&amp;A)...</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>إعادة تسمية (&amp;N)</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>إزالة (&amp;M)...</translation>
    </message>
    <message>
        <source>The picture&apos;s voice:</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: label of 109 × 9 dialog units, 163 pixels wide</extracomment>
        <translation>صوت الصورة:</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>تسجيل (&amp;R)...</translation>
    </message>
    <message>
        <source>S&amp;peak</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>نطق (&amp;P)</translation>
    </message>
    <message>
        <source>From a &amp;file...</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 109 × 14 dialog units, 163 pixels wide</extracomment>
        <translation>من ملف (&amp;F)...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the picture folder&apos;s pictures and voices, from the Setup menu&apos;s Pictures item: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>dialog-145</name>
    <message>
        <source>Record a voice</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: the window&apos;s title</extracomment>
        <translation>تسجيل صوت</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>تسجيل (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 62 × 14 dialog units, 93 pixels wide</extracomment>
        <translation>تشغيل (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>احتفاظ (&amp;K)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>a voice recorded from the microphone, from the Pictures window&apos;s Record button: button of 50 × 14 dialog units, 75 pixels wide</extracomment>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>menu-129</name>
    <message>
        <source>&amp;Setup</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>الإعدادات (&amp;S)</translation>
    </message>
    <message>
        <source>Setup</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>تقدم التعلم (&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Access...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>إمكانية الوصول (&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Learners...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>المتعلمون (&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu</comment>
        <extracomment>a menu&apos;s title on the menu bar; &amp; marks its Alt key, one letter per title</extracomment>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>About</source>
        <comment>&amp;Help</comment>
        <extracomment>an item of the menu &amp;Help; &amp; marks its key, one letter per item</extracomment>
        <translation>حول</translation>
    </message>
    <message>
        <source>P&amp;ictures...</source>
        <comment>&amp;Setup</comment>
        <extracomment>an item of the menu &amp;Setup; &amp; marks its key, one letter per item</extracomment>
        <translation>الصور (&amp;I)...</translation>
    </message>
</context>
<context>
    <name>pikora::progress::Page</name>
    <message>
        <source>Every choice recorded until %1</source>
        <translation>كل الإجابات المسجَّلة حتى %1</translation>
    </message>
    <message>
        <source>Choices from %1 to %2</source>
        <translation>الإجابات من %1 إلى %2</translation>
    </message>
    <message>
        <source>%1% of %2</source>
        <translation>%1% من %2</translation>
    </message>
    <message>
        <source>&quot;%1% of %2&quot; means: right at the first try in %1% of %2 rounds of the word.</source>
        <translation>«%1% من %2» تعني: صحيحة من المحاولة الأولى في %1% من %2 جولة للكلمة.</translation>
    </message>
    <message>
        <source>No confusions.</source>
        <translation>لا خلط بين الكلمات.</translation>
    </message>
    <message>
        <source>Pikora progress</source>
        <translation>التقدم في Pikora</translation>
    </message>
    <message>
        <source>No choices are recorded.</source>
        <translation>لا توجد إجابات مسجَّلة.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::CPikoraDlg</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>The main window&apos;s own menu (a right click on its background); its other item is &quot;&amp;About Pikora...&quot;, and &amp; marks a different letter in each.</extracomment>
        <translation>إغلاق (&amp;C)</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnerPicker</name>
    <message>
        <source>Someone else</source>
        <translation>شخص آخر</translation>
    </message>
</context>
<context>
    <name>pikora::ui::LearnersWindow</name>
    <message>
        <source>A picture for the learner</source>
        <translation>صورة للمتعلم</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>الصور (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>%1 is not a picture the game can read.</source>
        <translation>الملف %1 ليس صورة تستطيع اللعبة قراءتها.</translation>
    </message>
    <message>
        <source>Type the learner&apos;s name first.</source>
        <translation>اكتب اسم المتعلم أولًا.</translation>
    </message>
    <message>
        <source>The list cannot be changed: %1</source>
        <translation>يتعذر تغيير القائمة: %1</translation>
    </message>
    <message>
        <source>%1 is on the list already.</source>
        <translation>%1 موجود في القائمة من قبل.</translation>
    </message>
    <message>
        <source>Pick the learner to change in the list first.</source>
        <translation>اختر أولًا من القائمة المتعلم المراد تغييره.</translation>
    </message>
    <message>
        <source>There is already a learner called %1.</source>
        <translation>يوجد متعلم باسم %1 من قبل.</translation>
    </message>
    <message>
        <source>Pick the learner to remove in the list first.</source>
        <translation>اختر أولًا من القائمة المتعلم المراد إزالته.</translation>
    </message>
    <message>
        <source>%1 is off the list; what was recorded for them stays.</source>
        <translation>أُزيل %1 من القائمة؛ وما سُجّل له يبقى محفوظًا.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::PicturesWindow</name>
    <message>
        <source>plays</source>
        <translation>يعمل</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>لا يوجد بعد</translation>
    </message>
    <message>
        <source>silent: record it again</source>
        <translation>صامت: سجّله من جديد</translation>
    </message>
    <message>
        <source>does not play: make it again</source>
        <translation>لا يعمل: أنشئه من جديد</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>الكلمة</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>الصور</translation>
    </message>
    <message>
        <source>Language of the spoken word</source>
        <translation>لغة نطق الكلمة</translation>
    </message>
    <message>
        <source>The pictures cannot be changed here: %1</source>
        <translation>يتعذر تغيير الصور هنا: %1</translation>
    </message>
    <message>
        <source>Pictures to add</source>
        <translation>الصور المراد إضافتها</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>الصور (%1)</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>إضافة صور</translation>
    </message>
    <message>
        <source>The word for %1:</source>
        <translation>كلمة الصورة %1:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) added; each needs a voice.</source>
        <translation>
            <numerusform>أُضيفت %n صورة؛ تحتاج كل صورة إلى صوت.</numerusform>
            <numerusform>أُضيفت %n صورة؛ تحتاج إلى صوت.</numerusform>
            <numerusform>أُضيفت %n صورتان؛ تحتاج كل منهما إلى صوت.</numerusform>
            <numerusform>أُضيفت %n صور؛ تحتاج كل منها إلى صوت.</numerusform>
            <numerusform>أُضيفت %n صورة؛ تحتاج كل منها إلى صوت.</numerusform>
            <numerusform>أُضيفت %n صورة؛ تحتاج كل منها إلى صوت.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pick the picture whose voice to take in the list first.</source>
        <translation>اختر أولًا من القائمة الصورة التي سيُؤخذ صوتها من ملف.</translation>
    </message>
    <message>
        <source>A voice for %1</source>
        <translation>صوت للكلمة %1</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.flac)</source>
        <translation>ملفات الصوت (*.wav *.ogg *.flac)</translation>
    </message>
    <message>
        <source>The voice of %1 is taken from %2.</source>
        <translation>أُخذ صوت %1 من %2.</translation>
    </message>
    <message>
        <source>Pick the picture whose voice to record in the list first.</source>
        <translation>اختر أولًا من القائمة الصورة المراد تسجيل صوتها.</translation>
    </message>
    <message>
        <source>The voice of %1 is recorded.</source>
        <translation>سُجّل صوت %1.</translation>
    </message>
    <message>
        <source>Pick the picture whose word to speak in the list first.</source>
        <translation>اختر أولًا من القائمة الصورة المراد نطق كلمتها.</translation>
    </message>
    <message>
        <source>The voice of %1 is spoken by the computer.</source>
        <translation>أصبح صوت %1 بنطق الحاسوب.</translation>
    </message>
    <message>
        <source>Pick the picture to rename in the list first.</source>
        <translation>اختر أولًا من القائمة الصورة المراد إعادة تسميتها.</translation>
    </message>
    <message>
        <source>Type the new word first.</source>
        <translation>اكتب الكلمة الجديدة أولًا.</translation>
    </message>
    <message>
        <source>%1 is now %2, with its voice.</source>
        <translation>أصبح %1 الآن %2، مع صوته.</translation>
    </message>
    <message>
        <source>Pick the picture to remove in the list first.</source>
        <translation>اختر أولًا من القائمة الصورة المراد إزالتها.</translation>
    </message>
    <message>
        <source>Remove a picture</source>
        <translation>إزالة صورة</translation>
    </message>
    <message>
        <source>Remove the picture %1 and its voice from the folder?</source>
        <translation>هل تريد إزالة الصورة %1 وصوتها من المجلد؟</translation>
    </message>
    <message>
        <source>%1 is removed, with its voice.</source>
        <translation>أُزيلت الصورة %1 مع صوتها.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::ProgressWindow</name>
    <message>
        <source>All time</source>
        <translation>منذ البداية</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>آخر 12 شهرًا</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>آخر 30 يومًا</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>آخر 7 أيام</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>الكلمة</translation>
    </message>
    <message>
        <source>Word asked</source>
        <translation>الكلمة المطلوبة</translation>
    </message>
    <message>
        <source>Word chosen</source>
        <translation>الكلمة المختارة</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>المرات</translation>
    </message>
    <message>
        <source>No history of choices is kept: the game has no report file.</source>
        <translation>لا يُحفظ سجل الإجابات: ليس للعبة ملف نتائج.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>تتعذر قراءة السجل: %1</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>نسبة الصحيح (%)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>جارٍ قراءة السجل...</translation>
    </message>
    <message>
        <source>No choices recorded yet.</source>
        <translation>لم تُسجَّل أي إجابات بعد.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Two choices</source>
        <translation>خياران</translation>
    </message>
    <message>
        <source>Four choices</source>
        <translation>أربعة خيارات</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>صور</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>كلمات</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>الصحيح من المحاولة الأولى</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>الجولات</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>آخر تدريب</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Learnt</source>
        <translation>تم تعلّمها</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الزمن</translation>
    </message>
    <message>
        <source>No rounds recorded in this period.</source>
        <translation>لم تُسجَّل أي جولات في هذه الفترة.</translation>
    </message>
    <message>
        <source>%1% right at the first try in %2 rounds; %3 of %4 words learnt</source>
        <translation>الصحيح من المحاولة الأولى: %1% في %2 جولة؛ الكلمات المتعلَّمة: %3 من %4</translation>
    </message>
    <message>
        <source>Per week</source>
        <translation>أسبوعيًا</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>يوميًا</translation>
    </message>
    <message>
        <source>Chance (%1%)</source>
        <translation>الصدفة (%1%)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>up</source>
        <translation>صاعد</translation>
    </message>
    <message>
        <source>down</source>
        <translation>هابط</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>learnt</source>
        <translation>تم تعلّمها</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>Median response time</source>
        <translation>وسيط زمن الإجابة</translation>
    </message>
    <message>
        <source>Green dashes: the trend; grey dashes: right by chance alone (%1%). Only a round&apos;s first choice counts, not a try again after a wrong one. Learnt: right at the first try in %2 of its last %3 rounds. Trend and time: its last %4 rounds, the later half against the earlier, and their median time.</source>
        <translation>الشرطات الخضراء: الاتجاه؛ الشرطات الرمادية: الصحيح بمحض الصدفة (%1%). لا يُحسب إلا الاختيار الأول في الجولة، لا المحاولة الجديدة بعد خطأ. تم تعلّمها: صحيحة من المحاولة الأولى في %2 من آخر %3 جولات لها. الاتجاه والزمن: آخر %4 جولات لها، النصف الأخير منها مقارنة بالنصف الأول، ووسيط زمنها.</translation>
    </message>
</context>
<context>
    <name>pikora::ui::RecordDialog</name>
    <message>
        <source>Press Record, say &quot;%1&quot; clearly, then press Stop.</source>
        <translation>اضغط «تسجيل»، وقل «%1» بوضوح، ثم اضغط «إيقاف».</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>No microphone could be opened (%1).</source>
        <translation>تعذر فتح أي ميكروفون (%1).</translation>
    </message>
    <message>
        <source>The recording cannot be played: %1</source>
        <translation>يتعذر تشغيل التسجيل: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>A voice is at most %1 seconds long.</source>
        <translation>أقصى طول للصوت %1 ث.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>إيقاف (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>تسجيل (&amp;R)</translation>
    </message>
</context>
<context>
    <name>pikora::ui::Report</name>
    <message>
        <source>Word</source>
        <extracomment>The column titles of the score report window. Each but the last is at most 96 pixels wide (two tab stops), or the columns below it no longer line up.</extracomment>
        <translation>الكلمة</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Percent Correct</source>
        <translation>نسبة الصحيح</translation>
    </message>
</context>
<context>
    <name>setup</name>
    <message>
        <source>Load Pictures</source>
        <extracomment>A message box: the picture folder holds no picture.</extracomment>
        <translation>لم يُعثر على صور</translation>
    </message>
    <message>
        <source>%d oops</source>
        <extracomment>A message box: a picture could not be taken out of play or put back; %d is the system&apos;s error number.</extracomment>
        <translation>خطأ %d</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>&amp;About Pikora...</source>
        <extracomment>string 101; &amp; marks its key in its menu</extracomment>
        <translation>حول Pikora (&amp;A)...</translation>
    </message>
</context>
</TS>
