<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>練習心算以及數字數列、字母數列和英數數列。
Qt 本身的選項（例如 -platform 或 -style）也可以使用。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>顯示版本並結束。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>非預期的引數「%1」。</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found: the program needs an X11 display or a Wayland compositor to show its windows, and could reach neither (DISPLAY=%1, WAYLAND_DISPLAY=%2).
Start it in a desktop session, or give it a display of its own: scripts/run.sh in the program&apos;s source tree starts one and shares it over VNC.
</source>
        <extracomment>Said on the terminal when the program is started where it cannot open a window. %1 and %2 are the values of the environment variables DISPLAY and WAYLAND_DISPLAY, maybe empty. &quot;scripts/run.sh&quot; is a file name.</extracomment>
        <translation>找不到顯示：程式需要 X11 顯示或 Wayland 合成器才能開啟視窗，但兩者都無法連線（DISPLAY=%1, WAYLAND_DISPLAY=%2）。
請在桌面工作階段中啟動它，或給它一個專屬的顯示：程式原始碼樹中的 scripts/run.sh 會啟動一個顯示，並透過 VNC 分享。
</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Addition </source>
        <extracomment>The first half of a test title, before the level such as &quot;[Easy Mode]&quot;. Keep the blank at the end.</extracomment>
        <translation>加法 </translation>
    </message>
    <message>
        <source>Subtraction </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>減法 </translation>
    </message>
    <message>
        <source>Multiplication </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>乘法 </translation>
    </message>
    <message>
        <source>Division </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>除法 </translation>
    </message>
    <message>
        <source>Number Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>數字數列 </translation>
    </message>
    <message>
        <source>Alphabet Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>字母數列 </translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>The first half of a test title: series of letters and numbers mixed. Keep the blank at the end.</extracomment>
        <translation>英數數列 </translation>
    </message>
    <message>
        <source>[Easy Mode]</source>
        <extracomment>The second half of a test title, after the kind such as &quot;Addition &quot;.</extracomment>
        <translation>[簡單]</translation>
    </message>
    <message>
        <source>[Medium Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[中等]</translation>
    </message>
    <message>
        <source>[Hard Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[困難]</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProductWindow</name>
    <message>
        <source>About Quorvane Tessaline</source>
        <extracomment>The caption names the maker&apos;s family of programs, Quorvane Tessaline; keep the name.</extracomment>
        <translation>關於 Quorvane Tessaline</translation>
    </message>
    <message>
        <source>Quorvane Sumwright ver: %1.%2</source>
        <extracomment>The version line: %1.%2 is the version number, such as 1.0.</extracomment>
        <translation>Quorvane Sumwright 版本 %1.%2</translation>
    </message>
    <message>
        <source>Helps you practicing your mathematical functions so that you can solve you mathematical problems quickly in daily a life. Quorvane Sumwright is prepared for four mathematical function [plus, minus, multiplication, and division] and series and fraction questions.</source>
        <extracomment>What the program is for, in four lines or fewer. The English original has its slips; say it the way a teacher of your language would.</extracomment>
        <translation>幫助你練習計算，讓你在日常生活中快速解決數學問題。Quorvane Sumwright 提供四則運算（加、減、乘、除）以及數列和分數的題目。</translation>
    </message>
    <message>
        <source>This product is quite free and available on the Quorvane Corporation Website</source>
        <extracomment>One short line.</extracomment>
        <translation>本軟體完全免費，可在 Quorvane Corporation 網站取得</translation>
    </message>
    <message>
        <source>Note: Contribute on page %1 if you liked this                  utility software.</source>
        <extracomment>%1 is the address of the donation page. The run of blanks in the original only breaks the line; a translation needs none.</extracomment>
        <translation>註：如果你喜歡這個小軟體，歡迎到 %1 頁面支持我們。</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProgrammerWindow</name>
    <message>
        <source>About Programmer</source>
        <extracomment>The window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, &quot;author&quot; or &quot;engineer&quot;, use the feminine form.</extracomment>
        <translation>關於作者</translation>
    </message>
    <message>
        <source>Banner</source>
        <extracomment>What a screen reader calls the decorative picture at the top of the window.</extracomment>
        <translation>橫幅</translation>
    </message>
    <message>
        <source>Picture of the author</source>
        <extracomment>What a screen reader calls the drawing that stands for the author, a woman.</extracomment>
        <translation>作者畫像</translation>
    </message>
    <message>
        <source>Tamsin Ardell</source>
        <extracomment>The author&apos;s name: keep it as it is, or write it in your language&apos;s script.</extracomment>
        <translation>Tamsin Ardell</translation>
    </message>
    <message>
        <source>M.Sc. in Applied Mathematics</source>
        <extracomment>The author&apos;s degree, on one short line.</extracomment>
        <translation>應用數學碩士</translation>
    </message>
    <message>
        <source>Software engineer at the Quorvane Corporation, writing small tools for learners</source>
        <extracomment>The author&apos;s work, on two short lines: she is a software engineer who writes small programs for learners at the Quorvane Corporation.</extracomment>
        <translation>Quorvane Corporation 軟體工程師，為學習者撰寫小工具</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <extracomment>%1 is the author&apos;s e-mail address.</extracomment>
        <translation>聯絡方式：%1</translation>
    </message>
</context>
<context>
    <name>sumwright::MainWindow</name>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>加法(&amp;A)</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>減法</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>減法(&amp;S)</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>乘法(&amp;M)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>&amp;Devision</source>
        <extracomment>Menu item: the misspelling is the original&apos;s; translate it as &quot;Division&quot;.</extracomment>
        <translation>除法(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Number Series</source>
        <extracomment>A test of number series, such as 2, 4, 6, ?</extracomment>
        <translation>數字數列(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Alphabet Series</source>
        <extracomment>A test of letter series, such as A, C, E, ?</extracomment>
        <translation>字母數列(&amp;A)</translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>A test of series of letters and numbers mixed. The button&apos;s caption ends in a blank that does not matter.</extracomment>
        <translation>英數數列 </translation>
    </message>
    <message>
        <source>Alpha N&amp;umeric Series</source>
        <translation>英數數列(&amp;U)</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>簡單</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>簡單(&amp;E)</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中等(&amp;M)</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>困難(&amp;H)</translation>
    </message>
    <message>
        <source>Quorvane Sumwright</source>
        <extracomment>The program&apos;s name: keep it unless the program is known by another name in your language.</extracomment>
        <translation>Quorvane Sumwright</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>造訪網站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The button that leaves the program. Its access key belongs to the menu bar&apos;s &quot;&amp;Exit&quot;: give both the same translation.</extracomment>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Number of Questions:</source>
        <extracomment>Before the box that picks how many questions a test has.</extracomment>
        <translation>題目數量：</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>測驗(&amp;T)</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>四則運算</translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation>數列(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>About Programmer</source>
        <extracomment>Opens the window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, use the feminine form.</extracomment>
        <translation>關於作者</translation>
    </message>
    <message>
        <source>&amp;About Quorvane Sumwright</source>
        <translation>關於 Quorvane Sumwright(&amp;A)</translation>
    </message>
</context>
<context>
    <name>sumwright::QuestionWindow</name>
    <message>
        <source>Solve Questions</source>
        <translation>作答</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The frame around the question. The questions themselves are never translated: the series use the Latin letters A to Z in every language.</extracomment>
        <translation>題目</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>What a screen reader calls the box the answer is typed into.</extracomment>
        <translation>答案</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>答案：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Leaves the test without a result. Shown with &quot;&amp;End Test&quot;: their access keys must differ.</extracomment>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;End Test</source>
        <extracomment>Ends the test and shows its result.</extracomment>
        <translation>結束測驗(&amp;E)</translation>
    </message>
    <message>
        <source>Select Mode</source>
        <extracomment>The frame around the choice of how arithmetic is written.</extracomment>
        <translation>書寫方式</translation>
    </message>
    <message>
        <source>Horizontal mode</source>
        <extracomment>Arithmetic written on one line: 12 + 7.</extracomment>
        <translation>橫式</translation>
    </message>
    <message>
        <source>Vertical mode</source>
        <extracomment>Arithmetic written in two lines, one number under the other, as on paper.</extracomment>
        <translation>直式</translation>
    </message>
    <message>
        <source>&amp;Start Test</source>
        <translation>開始測驗(&amp;S)</translation>
    </message>
</context>
<context>
    <name>sumwright::ResultWindow</name>
    <message>
        <source>Result</source>
        <extracomment>The caption of the result window, and of the frame around its three lines.</extracomment>
        <translation>結果</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Total Questions:</source>
        <extracomment>Followed by the number of questions answered, in a column with the numbers below.</extracomment>
        <translation>題目總數：</translation>
    </message>
    <message>
        <source>Wrong Answered:</source>
        <extracomment>Followed by the number of wrong answers, in a column with the other numbers.</extracomment>
        <translation>答錯題數：</translation>
    </message>
    <message>
        <source>Time Taken (in sec.)</source>
        <extracomment>Followed by the seconds the test took, in a column with the other numbers.</extracomment>
        <translation>花費時間（秒）</translation>
    </message>
</context>
</TS>
