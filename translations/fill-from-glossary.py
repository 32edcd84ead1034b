#!/usr/bin/env python3
"""Fills the untranslated messages of the .ts files from glossary.tsv.

lupdate keeps a translation only while its text stays in the same context (class); when code
moves a text to another class, the text comes back untranslated. Run after lupdate:

    cmake --build build --target update_translations
    translations/fill-from-glossary.py

Only messages marked unfinished are touched, so work done in Qt Linguist is kept. Texts the
glossary does not know are listed and left for a translator.
"""
import html
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
MESSAGE = re.compile(
    r'(<message(?: [^>]*)?>\s*<source>(?P<source>[^<]*)</source>(?:(?!</message>).)*?)'
    r'<translation type="unfinished">.*?</translation>',
    re.S)


def load_glossary():
    lines = (HERE / 'glossary.tsv').read_text(encoding='utf-8').splitlines()
    rows = [line.split('\t') for line in lines if line and not line.startswith('#')]
    header, rows = rows[0], rows[1:]
    table = {}
    for row in rows:
        if len(row) != len(header):
            sys.exit(f'glossary.tsv: wrong number of columns in {row[0]!r}')
        texts = [cell.replace('\\n', '\n') for cell in row]
        table[texts[0]] = dict(zip(header[1:], texts[1:]))
    return header[1:], table


def escape(text):
    return (text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
            .replace("'", '&apos;').replace('"', '&quot;'))


def main():
    languages, table = load_glossary()
    missing = 0
    for language in languages:
        path = HERE / f'sumwright_{language}.ts'
        text = path.read_text(encoding='utf-8')
        unknown = []

        def fill(match):
            source = html.unescape(match.group('source'))
            entry = table.get(source)
            if entry is None or not entry.get(language):
                unknown.append(source)
                return match.group(0)
            return match.group(1) + '<translation>' + escape(entry[language]) + '</translation>'

        text = MESSAGE.sub(fill, text)
        path.write_text(text, encoding='utf-8')
        for source in unknown:
            print(f'{path.name}: not in the glossary: {source!r}')
        missing += len(unknown)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
