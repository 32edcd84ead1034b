<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>मानसिक गणित और संख्या, अक्षर व अक्षर-अंक शृंखलाओं का अभ्यास करें।
Qt के अपने विकल्प, जैसे -platform या -style, भी स्वीकार किए जाते हैं।</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>यह सहायता दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>संस्करण दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>अनपेक्षित तर्क ‘%1’।</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found: the program needs an X11 display or a Wayland compositor to show its windows, and could reach neither (DISPLAY=%1, WAYLAND_DISPLAY=%2).
Start it in a desktop session, or give it a display of its own: scripts/run.sh in the program&apos;s source tree starts one and shares it over VNC.
</source>
        <extracomment>Said on the terminal when the program is started where it cannot open a window. %1 and %2 are the values of the environment variables DISPLAY and WAYLAND_DISPLAY, maybe empty. &quot;scripts/run.sh&quot; is a file name.</extracomment>
        <translation>कोई डिस्प्ले नहीं मिला: प्रोग्राम को अपनी विंडो दिखाने के लिए X11 डिस्प्ले या Wayland कंपोज़िटर चाहिए, पर वह इनमें से किसी तक नहीं पहुँच सका (DISPLAY=%1, WAYLAND_DISPLAY=%2)।
इसे किसी डेस्कटॉप सत्र में चलाएँ, या इसे एक अलग डिस्प्ले दें: प्रोग्राम के स्रोत ट्री में scripts/run.sh एक डिस्प्ले शुरू करता है और उसे VNC पर साझा करता है।
</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Addition </source>
        <extracomment>The first half of a test title, before the level such as &quot;[Easy Mode]&quot;. Keep the blank at the end.</extracomment>
        <translation>जोड़ </translation>
    </message>
    <message>
        <source>Subtraction </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>घटाव </translation>
    </message>
    <message>
        <source>Multiplication </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>गुणन </translation>
    </message>
    <message>
        <source>Division </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>भाग </translation>
    </message>
    <message>
        <source>Number Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>संख्या शृंखला </translation>
    </message>
    <message>
        <source>Alphabet Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>अक्षर शृंखला </translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>The first half of a test title: series of letters and numbers mixed. Keep the blank at the end.</extracomment>
        <translation>अक्षर-अंक शृंखला </translation>
    </message>
    <message>
        <source>[Easy Mode]</source>
        <extracomment>The second half of a test title, after the kind such as &quot;Addition &quot;.</extracomment>
        <translation>[आसान]</translation>
    </message>
    <message>
        <source>[Medium Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[मध्यम]</translation>
    </message>
    <message>
        <source>[Hard Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[कठिन]</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProductWindow</name>
    <message>
        <source>About Quorvane Tessaline</source>
        <extracomment>The caption names the maker&apos;s family of programs, Quorvane Tessaline; keep the name.</extracomment>
        <translation>Quorvane Tessaline का परिचय</translation>
    </message>
    <message>
        <source>Quorvane Sumwright ver: %1.%2</source>
        <extracomment>The version line: %1.%2 is the version number, such as 1.0.</extracomment>
        <translation>Quorvane Sumwright संस्करण %1.%2</translation>
    </message>
    <message>
        <source>Helps you practicing your mathematical functions so that you can solve you mathematical problems quickly in daily a life. Quorvane Sumwright is prepared for four mathematical function [plus, minus, multiplication, and division] and series and fraction questions.</source>
        <extracomment>What the program is for, in four lines or fewer. The English original has its slips; say it the way a teacher of your language would.</extracomment>
        <translation>यह आपको गणित का अभ्यास कराता है, ताकि आप रोज़मर्रा के जीवन में गणित के प्रश्न जल्दी हल कर सकें। Quorvane Sumwright में चार मूल संक्रियाओं [जोड़, घटाव, गुणन और भाग] के साथ शृंखलाओं और भिन्नों के प्रश्न हैं।</translation>
    </message>
    <message>
        <source>This product is quite free and available on the Quorvane Corporation Website</source>
        <extracomment>One short line.</extracomment>
        <translation>पूरी तरह निःशुल्क, Quorvane Corporation की वेबसाइट पर उपलब्ध</translation>
    </message>
    <message>
        <source>Note: Contribute on page %1 if you liked this                  utility software.</source>
        <extracomment>%1 is the address of the donation page. The run of blanks in the original only breaks the line; a translation needs none.</extracomment>
        <translation>सूचना: यदि आपको यह प्रोग्राम पसंद आया, तो पृष्ठ %1 पर सहयोग करें।</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProgrammerWindow</name>
    <message>
        <source>About Programmer</source>
        <extracomment>The window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, &quot;author&quot; or &quot;engineer&quot;, use the feminine form.</extracomment>
        <translation>प्रोग्रामर का परिचय</translation>
    </message>
    <message>
        <source>Banner</source>
        <extracomment>What a screen reader calls the decorative picture at the top of the window.</extracomment>
        <translation>बैनर</translation>
    </message>
    <message>
        <source>Picture of the author</source>
        <extracomment>What a screen reader calls the drawing that stands for the author, a woman.</extracomment>
        <translation>लेखिका का चित्र</translation>
    </message>
    <message>
        <source>Tamsin Ardell</source>
        <extracomment>The author&apos;s name: keep it as it is, or write it in your language&apos;s script.</extracomment>
        <translation>टैमसिन आर्डेल</translation>
    </message>
    <message>
        <source>M.Sc. in Applied Mathematics</source>
        <extracomment>The author&apos;s degree, on one short line.</extracomment>
        <translation>अनुप्रयुक्त गणित में एम.एससी.</translation>
    </message>
    <message>
        <source>Software engineer at the Quorvane Corporation, writing small tools for learners</source>
        <extracomment>The author&apos;s work, on two short lines: she is a software engineer who writes small programs for learners at the Quorvane Corporation.</extracomment>
        <translation>Quorvane Corporation में सॉफ़्टवेयर इंजीनियर, सीखने वालों के लिए छोटे प्रोग्राम लिखती हैं</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <extracomment>%1 is the author&apos;s e-mail address.</extracomment>
        <translation>संपर्क: %1</translation>
    </message>
</context>
<context>
    <name>sumwright::MainWindow</name>
    <message>
        <source>Addition</source>
        <translation>जोड़</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>जो&amp;ड़</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>घटाव</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>&amp;घटाव</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>गुणन</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>गु&amp;णन</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>&amp;Devision</source>
        <extracomment>Menu item: the misspelling is the original&apos;s; translate it as &quot;Division&quot;.</extracomment>
        <translation>भा&amp;ग</translation>
    </message>
    <message>
        <source>&amp;Number Series</source>
        <extracomment>A test of number series, such as 2, 4, 6, ?</extracomment>
        <translation>संख्या शृं&amp;खला</translation>
    </message>
    <message>
        <source>&amp;Alphabet Series</source>
        <extracomment>A test of letter series, such as A, C, E, ?</extracomment>
        <translation>अक्ष&amp;र शृंखला</translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>A test of series of letters and numbers mixed. The button&apos;s caption ends in a blank that does not matter.</extracomment>
        <translation>अक्षर-अंक शृंखला </translation>
    </message>
    <message>
        <source>Alpha N&amp;umeric Series</source>
        <translation>अक्षर-अं&amp;क शृंखला</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>आसान</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>आसा&amp;न</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;मध्यम</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>कठिन</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;कठिन</translation>
    </message>
    <message>
        <source>Quorvane Sumwright</source>
        <extracomment>The program&apos;s name: keep it unless the program is known by another name in your language.</extracomment>
        <translation>Quorvane Sumwright</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>वे&amp;बसाइट देखें</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The button that leaves the program. Its access key belongs to the menu bar&apos;s &quot;&amp;Exit&quot;: give both the same translation.</extracomment>
        <translation>बा&amp;हर निकलें</translation>
    </message>
    <message>
        <source>Number of Questions:</source>
        <extracomment>Before the box that picks how many questions a test has.</extracomment>
        <translation>प्रश्नों की संख्या:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइ&amp;ल</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>वि&amp;कल्प</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;परीक्षाएँ</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>अंकगणित</translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation>शृं&amp;खलाएँ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;सहायता</translation>
    </message>
    <message>
        <source>About Programmer</source>
        <extracomment>Opens the window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, use the feminine form.</extracomment>
        <translation>प्रोग्रामर का परिचय</translation>
    </message>
    <message>
        <source>&amp;About Quorvane Sumwright</source>
        <translation>Quorvane Sumwright का &amp;परिचय</translation>
    </message>
</context>
<context>
    <name>sumwright::QuestionWindow</name>
    <message>
        <source>Solve Questions</source>
        <translation>प्रश्नों के उत्तर दें</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The frame around the question. The questions themselves are never translated: the series use the Latin letters A to Z in every language.</extracomment>
        <translation>प्रश्न</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>What a screen reader calls the box the answer is typed into.</extracomment>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>उत्तर:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Leaves the test without a result. Shown with &quot;&amp;End Test&quot;: their access keys must differ.</extracomment>
        <translation>बं&amp;द करें</translation>
    </message>
    <message>
        <source>&amp;End Test</source>
        <extracomment>Ends the test and shows its result.</extracomment>
        <translation>परीक्षा &amp;समाप्त करें</translation>
    </message>
    <message>
        <source>Select Mode</source>
        <extracomment>The frame around the choice of how arithmetic is written.</extracomment>
        <translation>लिखने का तरीका</translation>
    </message>
    <message>
        <source>Horizontal mode</source>
        <extracomment>Arithmetic written on one line: 12 + 7.</extracomment>
        <translation>क्षैतिज</translation>
    </message>
    <message>
        <source>Vertical mode</source>
        <extracomment>Arithmetic written in two lines, one number under the other, as on paper.</extracomment>
        <translation>लंबवत</translation>
    </message>
    <message>
        <source>&amp;Start Test</source>
        <translation>परीक्षा शुरू &amp;करें</translation>
    </message>
</context>
<context>
    <name>sumwright::ResultWindow</name>
    <message>
        <source>Result</source>
        <extracomment>The caption of the result window, and of the frame around its three lines.</extracomment>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बं&amp;द करें</translation>
    </message>
    <message>
        <source>Total Questions:</source>
        <extracomment>Followed by the number of questions answered, in a column with the numbers below.</extracomment>
        <translation>कुल प्रश्न:</translation>
    </message>
    <message>
        <source>Wrong Answered:</source>
        <extracomment>Followed by the number of wrong answers, in a column with the other numbers.</extracomment>
        <translation>गलत उत्तर:</translation>
    </message>
    <message>
        <source>Time Taken (in sec.)</source>
        <extracomment>Followed by the seconds the test took, in a column with the other numbers.</extracomment>
        <translation>लिया गया समय (सेकंड में)</translation>
    </message>
</context>
</TS>
