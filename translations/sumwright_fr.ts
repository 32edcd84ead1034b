<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>Entraîne-toi au calcul mental et aux suites numériques, alphabétiques et alphanumériques.
Les options propres à Qt, comme -platform ou -style, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
</TS>
