<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Practise mental arithmetic and number, alphabet and alphanumeric series.
Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>Pratique cálculo mental e sequências numéricas, alfabéticas e alfanuméricas.
As opções próprias do Qt, como -platform ou -style, também são aceitas.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>The program takes no file names or other arguments; %1 is what was given.</extracomment>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
</context>
</TS>
