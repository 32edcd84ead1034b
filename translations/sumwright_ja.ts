<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>暗算と、数字数列・英字数列・英数字数列を練習します。
-platform や -style など、Qt 独自のオプションも使用できます。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>予期しない引数「%1」です。</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found: the program needs an X11 display or a Wayland compositor to show its windows, and could reach neither (DISPLAY=%1, WAYLAND_DISPLAY=%2).
Start it in a desktop session, or give it a display of its own: scripts/run.sh in the program&apos;s source tree starts one and shares it over VNC.
</source>
        <extracomment>Said on the terminal when the program is started where it cannot open a window. %1 and %2 are the values of the environment variables DISPLAY and WAYLAND_DISPLAY, maybe empty. &quot;scripts/run.sh&quot; is a file name.</extracomment>
        <translation>ディスプレイが見つかりません：このプログラムがウィンドウを表示するには X11 ディスプレイか Wayland コンポジターが必要ですが、どちらにも接続できませんでした（DISPLAY=%1, WAYLAND_DISPLAY=%2）。
デスクトップセッションの中で起動するか、専用のディスプレイを用意してください。プログラムのソースツリーにある scripts/run.sh がディスプレイを起動し、VNC で共有します。
</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Addition </source>
        <extracomment>The first half of a test title, before the level such as &quot;[Easy Mode]&quot;. Keep the blank at the end.</extracomment>
        <translation>たし算 </translation>
    </message>
    <message>
        <source>Subtraction </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>ひき算 </translation>
    </message>
    <message>
        <source>Multiplication </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>かけ算 </translation>
    </message>
    <message>
        <source>Division </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>わり算 </translation>
    </message>
    <message>
        <source>Number Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>数字数列 </translation>
    </message>
    <message>
        <source>Alphabet Series </source>
        <extracomment>The first half of a test title, before the level. Keep the blank at the end.</extracomment>
        <translation>英字数列 </translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>The first half of a test title: series of letters and numbers mixed. Keep the blank at the end.</extracomment>
        <translation>英数字数列 </translation>
    </message>
    <message>
        <source>[Easy Mode]</source>
        <extracomment>The second half of a test title, after the kind such as &quot;Addition &quot;.</extracomment>
        <translation>[やさしい]</translation>
    </message>
    <message>
        <source>[Medium Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[ふつう]</translation>
    </message>
    <message>
        <source>[Hard Mode]</source>
        <extracomment>The second half of a test title, after the kind.</extracomment>
        <translation>[むずかしい]</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProductWindow</name>
    <message>
        <source>About Quorvane Tessaline</source>
        <extracomment>The caption names the maker&apos;s family of programs, Quorvane Tessaline; keep the name.</extracomment>
        <translation>Quorvane Tessaline について</translation>
    </message>
    <message>
        <source>Quorvane Sumwright ver: %1.%2</source>
        <extracomment>The version line: %1.%2 is the version number, such as 1.0.</extracomment>
        <translation>Quorvane Sumwright バージョン %1.%2</translation>
    </message>
    <message>
        <source>Helps you practicing your mathematical functions so that you can solve you mathematical problems quickly in daily a life. Quorvane Sumwright is prepared for four mathematical function [plus, minus, multiplication, and division] and series and fraction questions.</source>
        <extracomment>What the program is for, in four lines or fewer. The English original has its slips; say it the way a teacher of your language would.</extracomment>
        <translation>このプログラムで計算の練習をすると、毎日の生活で出会う計算の問題をすばやく解けるようになります。Quorvane Sumwright には、四つの計算（たし算・ひき算・かけ算・わり算）と、数列や分数の問題があります。</translation>
    </message>
    <message>
        <source>This product is quite free and available on the Quorvane Corporation Website</source>
        <extracomment>One short line.</extracomment>
        <translation>Quorvane Corporation のウェブサイトから無料で入手できます。</translation>
    </message>
    <message>
        <source>Note: Contribute on page %1 if you liked this                  utility software.</source>
        <extracomment>%1 is the address of the donation page. The run of blanks in the original only breaks the line; a translation needs none.</extracomment>
        <translation>気に入っていただけたら、%1 でご支援ください。</translation>
    </message>
</context>
<context>
    <name>sumwright::AboutProgrammerWindow</name>
    <message>
        <source>About Programmer</source>
        <extracomment>The window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, &quot;author&quot; or &quot;engineer&quot;, use the feminine form.</extracomment>
        <translation>作者について</translation>
    </message>
    <message>
        <source>Banner</source>
        <extracomment>What a screen reader calls the decorative picture at the top of the window.</extracomment>
        <translation>バナー</translation>
    </message>
    <message>
        <source>Picture of the author</source>
        <extracomment>What a screen reader calls the drawing that stands for the author, a woman.</extracomment>
        <translation>作者の絵</translation>
    </message>
    <message>
        <source>Tamsin Ardell</source>
        <extracomment>The author&apos;s name: keep it as it is, or write it in your language&apos;s script.</extracomment>
        <translation>タムシン・アーデル</translation>
    </message>
    <message>
        <source>M.Sc. in Applied Mathematics</source>
        <extracomment>The author&apos;s degree, on one short line.</extracomment>
        <translation>応用数学修士（M.Sc.）</translation>
    </message>
    <message>
        <source>Software engineer at the Quorvane Corporation, writing small tools for learners</source>
        <extracomment>The author&apos;s work, on two short lines: she is a software engineer who writes small programs for learners at the Quorvane Corporation.</extracomment>
        <translation>Quorvane Corporation のソフトウェア技術者。学ぶ人のための小さなソフトを作っています。</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <extracomment>%1 is the author&apos;s e-mail address.</extracomment>
        <translation>連絡先：%1</translation>
    </message>
</context>
<context>
    <name>sumwright::MainWindow</name>
    <message>
        <source>Addition</source>
        <translation>たし算</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>たし算(&amp;A)</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ひき算</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>ひき算(&amp;S)</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>かけ算</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>かけ算(&amp;M)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>わり算</translation>
    </message>
    <message>
        <source>&amp;Devision</source>
        <extracomment>Menu item: the misspelling is the original&apos;s; translate it as &quot;Division&quot;.</extracomment>
        <translation>わり算(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Number Series</source>
        <extracomment>A test of number series, such as 2, 4, 6, ?</extracomment>
        <translation>数字数列(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Alphabet Series</source>
        <extracomment>A test of letter series, such as A, C, E, ?</extracomment>
        <translation>英字数列(&amp;A)</translation>
    </message>
    <message>
        <source>Alpha Numeric Series </source>
        <extracomment>A test of series of letters and numbers mixed. The button&apos;s caption ends in a blank that does not matter.</extracomment>
        <translation>英数字数列 </translation>
    </message>
    <message>
        <source>Alpha N&amp;umeric Series</source>
        <translation>英数字数列(&amp;U)</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>やさしい</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>やさしい(&amp;E)</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>ふつう(&amp;M)</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>むずかしい(&amp;H)</translation>
    </message>
    <message>
        <source>Quorvane Sumwright</source>
        <extracomment>The program&apos;s name: keep it unless the program is known by another name in your language.</extracomment>
        <translation>Quorvane Sumwright</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>ウェブサイトへ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The button that leaves the program. Its access key belongs to the menu bar&apos;s &quot;&amp;Exit&quot;: give both the same translation.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Number of Questions:</source>
        <extracomment>Before the box that picks how many questions a test has.</extracomment>
        <translation>問題数：</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>テスト(&amp;T)</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation>数列(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>About Programmer</source>
        <extracomment>Opens the window about the program&apos;s author, Tamsin Ardell, a woman: where your language marks the gender of &quot;programmer&quot;, use the feminine form.</extracomment>
        <translation>作者について</translation>
    </message>
    <message>
        <source>&amp;About Quorvane Sumwright</source>
        <translation>Quorvane Sumwright について(&amp;A)</translation>
    </message>
</context>
<context>
    <name>sumwright::QuestionWindow</name>
    <message>
        <source>Solve Questions</source>
        <translation>問題に答える</translation>
    </message>
    <message>
        <source>Question</source>
        <extracomment>The frame around the question. The questions themselves are never translated: the series use the Latin letters A to Z in every language.</extracomment>
        <translation>問題</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>What a screen reader calls the box the answer is typed into.</extracomment>
        <translation>答え</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>答え：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Leaves the test without a result. Shown with &quot;&amp;End Test&quot;: their access keys must differ.</extracomment>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;End Test</source>
        <extracomment>Ends the test and shows its result.</extracomment>
        <translation>テスト終了(&amp;E)</translation>
    </message>
    <message>
        <source>Select Mode</source>
        <extracomment>The frame around the choice of how arithmetic is written.</extracomment>
        <translation>式の書き方</translation>
    </message>
    <message>
        <source>Horizontal mode</source>
        <extracomment>Arithmetic written on one line: 12 + 7.</extracomment>
        <translation>横書きの式</translation>
    </message>
    <message>
        <source>Vertical mode</source>
        <extracomment>Arithmetic written in two lines, one number under the other, as on paper.</extracomment>
        <translation>筆算</translation>
    </message>
    <message>
        <source>&amp;Start Test</source>
        <translation>テスト開始(&amp;S)</translation>
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
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Total Questions:</source>
        <extracomment>Followed by the number of questions answered, in a column with the numbers below.</extracomment>
        <translation>問題数：</translation>
    </message>
    <message>
        <source>Wrong Answered:</source>
        <extracomment>Followed by the number of wrong answers, in a column with the other numbers.</extracomment>
        <translation>まちがえた数：</translation>
    </message>
    <message>
        <source>Time Taken (in sec.)</source>
        <extracomment>Followed by the seconds the test took, in a column with the other numbers.</extracomment>
        <translation>かかった時間（秒）</translation>
    </message>
</context>
</TS>
