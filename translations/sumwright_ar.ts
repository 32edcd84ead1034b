<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>تدرّب على الحساب الذهني وعلى المتتاليات العددية والحرفية والحرفية الرقمية.
تُقبل أيضًا خيارات Qt الخاصة، مثل -platform أو -style.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه المساعدة والخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار والخروج.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found: the program needs an X11 display or a Wayland compositor to show its windows, and could reach neither (DISPLAY=%1, WAYLAND_DISPLAY=%2).
Start it in a desktop session, or give it a display of its own: scripts/run.sh in the program&apos;s source tree starts one and shares it over VNC.
</source>
        <extracomment>Said on the terminal when the program is started where it cannot open a window. %1 and %2 are the values of the environment variables DISPLAY and WAYLAND_DISPLAY, maybe empty. &quot;scripts/run.sh&quot; is a file name.</extracomment>
        <translation>لم يُعثر على شاشة عرض: يحتاج البرنامج إلى شاشة عرض X11 أو مُركِّب Wayland ليعرض نوافذه، ولم يتمكن من الوصول إلى أيٍّ منهما (DISPLAY=%1, WAYLAND_DISPLAY=%2).
شغّله في جلسة سطح مكتب، أو امنحه شاشة عرض خاصة به: يُشغّل scripts/run.sh الموجود في شجرة الشيفرة المصدرية للبرنامج شاشةً ويشاركها عبر VNC.
</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Addition </source>
        <extracomment>The first half of a test title, before the level such as &quot;[Easy Mode]&quot;. Keep the blank at the end.</extracomment>
        <translation>الجمع </translation>
    </message>
    <message>
        <source>Subtraction </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>الطرح </translation>
    </message>
    <message>
        <source>Multiplication </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>الضرب </translation>
    </message>
    <message>
        <source>Division </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>القسمة </translation>
    </message>
    <message>
        <source>Number Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>متتالية عددية </translation>
    </message>
    <message>
        <source>Alphabet Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>متتالية أبجدية </translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>The first half of a test title: series of letters and numbers mixed. Keep the blank at the end.</extracomment>
        <translation>متتالية أبجدية رقمية </translation>
    </message>
    <message>
        <source>[Easy Mode]</source>
        <extracomment>The second half of a test title, after the kind such as &quot;Addition &quot;.</extracomment>
        <translation>[مبتدئ]</translation>
    </message>
    <message>
        <source>[Medium Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[متوسط]</translation>
    </message>
    <message>
        <source>[Hard Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[متقدم]</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProductWindow</name>
    <message>
        <source>About Quorvane Tessaline</source>
        <extracomment>The caption names the maker&apos;s family of programs, Quorvane Tessaline; keep the name.</extracomment>
        <translation>حول Quorvane Tessaline</translation>
    </message>
    <message>
        <source>Quorvane Sumwright ver: %1.%2</source>
        <extracomment>The version line: %1.%2 is the version number, such as 1.0.</extracomment>
        <translation>الإصدار %1.%2 من Quorvane Sumwright</translation>
    </message>
    <message>
        <source>Helps you practicing your mathematical functions so that you can solve you mathematical problems quickly in daily a life. Quorvane Sumwright is prepared for four mathematical function [plus, minus, multiplication, and division] and series and fraction questions.</source>
        <extracomment>What the program is for, in four lines or fewer. The English original has its slips; say it the way a teacher of your language would.</extracomment>
        <translation>يساعدك على التدرّب على الحساب لتحلّ المسائل الرياضية في حياتك اليومية بسرعة. يقدّم Quorvane Sumwright أسئلة في العمليات الأربع [الجمع والطرح والضرب والقسمة] وفي المتتاليات والكسور.</translation>
    </message>
    <message>
        <source>This product is quite free and available on the Quorvane Corporation Website</source>
        <extracomment>One short line.</extracomment>
        <translation>برنامج مجاني متاح على موقع Quorvane Corporation</translation>
    </message>
    <message>
        <source>Note: Contribute on page %1 if you liked this                  utility software.</source>
        <extracomment>%1 is the address of the donation page. The run of blanks in the original only breaks the line; a translation needs none.</extracomment>
        <translation>ملاحظة: إن أعجبك هذا البرنامج، فادعمنا على الصفحة %1.</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProgrammerWindow</name>
    <message>
        <source>About Programmer</source>
        <extracomment>The window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, &quot;author&quot; or &quot;engineer&quot;, use the feminine form.</extracomment>
        <translation>حول المبرمجة</translation>
    </message>
    <message>
        <source>Banner</source>
        <extracomment>What a screen reader calls the decorative picture at the top of the window.</extracomment>
        <translation>لافتة</translation>
    </message>
    <message>
        <source>Picture of the author</source>
        <extracomment>What a screen reader calls the drawing that stands for the author, a woman.</extracomment>
        <translation>صورة المؤلفة</translation>
    </message>
    <message>
        <source>Tamsin Ardell</source>
        <extracomment>The author&apos;s name: keep it as it is, or write it in your language&apos;s script.</extracomment>
        <translation>تامسين أرديل</translation>
    </message>
    <message>
        <source>M.Sc. in Applied Mathematics</source>
        <extracomment>The author&apos;s degree, on one short line.</extracomment>
        <translation>ماجستير في الرياضيات التطبيقية</translation>
    </message>
    <message>
        <source>Software engineer at the Quorvane Corporation, writing small tools for learners</source>
        <extracomment>The author&apos;s work, on two short lines: she is a software engineer who writes small programs for learners at the Quorvane Corporation.</extracomment>
        <translation>مهندسة برمجيات تكتب برامج صغيرة للمتعلمين في Quorvane Corporation</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <extracomment>%1 is the author&apos;s e-mail address.</extracomment>
        <translation>للتواصل: %1</translation>
    </message>
</context>
<context>
    <name>sumwright::MainWindow</name>
    <message>
        <source>Addition</source>
        <translation>الجمع</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>&amp;الجمع</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>الطرح</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>الطر&amp;ح</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>الضرب</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>الضر&amp;ب</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسمة</translation>
    </message>
    <message>
        <source>&amp;Devision</source>
        <extracomment>Menu item: the misspelling is the original&apos;s; translate it as &quot;Division&quot;.</extracomment>
        <translation>قسمة الأعدا&amp;د</translation>
    </message>
    <message>
        <source>&amp;Number Series</source>
        <extracomment>A test of number series, such as 2, 4, 6, ?</extracomment>
        <translation>متتالية عد&amp;دية</translation>
    </message>
    <message>
        <source>&amp;Alphabet Series</source>
        <extracomment>A test of letter series, such as A, C, E, ?</extracomment>
        <translation>متتالية &amp;أبجدية</translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>A test of series of letters and numbers mixed. The button&apos;s caption ends in a blank that does not matter.</extracomment>
        <translation>متتالية أبجدية رقمية </translation>
    </message>
    <message>
        <source>Alpha N&amp;umeric Series</source>
        <translation>متتالية أبجدية &amp;رقمية</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>المبتد&amp;ئ</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;المتوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>المتقد&amp;م</translation>
    </message>
    <message>
        <source>Quorvane Sumwright</source>
        <extracomment>The program&apos;s name: keep it unless the program is known by another name in your language.</extracomment>
        <translation>Quorvane Sumwright</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>&amp;زيارة الموقع</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The button that leaves the program. Its access key belongs to the menu bar&apos;s &quot;&amp;Exit&quot;: give both the same translation.</extracomment>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <source>Number of Questions:</source>
        <extracomment>Before the box that picks how many questions a test has.</extracomment>
        <translation>عدد الأسئلة:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;الملف</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>خيا&amp;رات</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>اختبارا&amp;ت</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>العمليات الحسابية</translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation>&amp;المتتاليات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعد&amp;ة</translation>
    </message>
    <message>
        <source>About Programmer</source>
        <extracomment>Opens the window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, use the feminine form.</extracomment>
        <translation>حول المبرمجة</translation>
    </message>
    <message>
        <source>&amp;About Quorvane Sumwright</source>
        <translation>حو&amp;ل Quorvane Sumwright</translation>
    </message>
</context>
<context>
    <name>sumwright::QuestionWindow</name>
    <message>
        <source>Solve Questions</source>
        <translation>الإجابة عن الأسئلة</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The frame around the question. The questions themselves are never translated: the series use the Latin letters A to Z in every language.</extracomment>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>What a screen reader calls the box the answer is typed into.</extracomment>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>الإجابة:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Leaves the test without a result. Shown with &quot;&amp;End Test&quot;: their access keys must differ.</extracomment>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>&amp;End Test</source>
        <extracomment>Ends the test and shows its result.</extracomment>
        <translation>إنهاء &amp;الاختبار</translation>
    </message>
    <message>
        <source>Select Mode</source>
        <extracomment>The frame around the choice of how arithmetic is written.</extracomment>
        <translation>طريقة الكتابة</translation>
    </message>
    <message>
        <source>Horizontal mode</source>
        <extracomment>Arithmetic written on one line: 12 + 7.</extracomment>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Vertical mode</source>
        <extracomment>Arithmetic written in two lines, one number under the other, as on paper.</extracomment>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>&amp;Start Test</source>
        <translation>بدء الاختبا&amp;ر</translation>
    </message>
</context>
<context>
    <name>sumwright::ResultWindow</name>
    <message>
        <source>Result</source>
        <extracomment>The caption of the result window, and of the frame around its three lines.</extracomment>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>Total Questions:</source>
        <extracomment>Followed by the number of questions answered, in a column with the numbers below.</extracomment>
        <translation>عدد الأسئلة:</translation>
    </message>
    <message>
        <source>Wrong Answered:</source>
        <extracomment>Followed by the number of wrong answers, in a column with the other numbers.</extracomment>
        <translation>الإجابات الخاطئة:</translation>
    </message>
    <message>
        <source>Time Taken (in sec.)</source>
        <extracomment>Followed by the seconds the test took, in a column with the other numbers.</extracomment>
        <translation>الوقت المستغرق (بالثواني)</translation>
    </message>
</context>
</TS>
