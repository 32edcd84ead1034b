<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>Übe Kopfrechnen sowie Zahlen-, Buchstaben- und alphanumerische Folgen.
Qts eigene Optionen wie -platform oder -style werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
</TS>
