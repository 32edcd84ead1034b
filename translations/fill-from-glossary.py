#!/usr/bin/env python3
"""Fills the untranslated messages of the .ts files from glossary/<language>.tsv.

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
    """{language: {source: translation}} from glossary/<language>.tsv, one file a language."""
    table = {}
    for path in sorted((HERE / 'glossary').glob('*.tsv')):
        entries = {}
        for line in path.read_text(encoding='utf-8').splitlines():
            if not line or line.startswith('#'):
                continue
            cells = line.split('\t')
            if len(cells) != 2:
                sys.exit(f'{path.name}: not two columns: {cells[0]!r}')
            source, translation = (cell.replace('\\n', '\n') for cell in cells)
            entries[source] = translation
        table[path.stem] = entries
    return table


def escape(text):
    return (text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
            .replace("'", '&apos;').replace('"', '&quot;'))


def main():
    table = load_glossary()
    missing = 0
    for language, entries in table.items():
        path = HERE / f'sumwright_{language}.ts'
        text = path.read_text(encoding='utf-8')
        unknown = []

        def fill(match):
            source = html.unescape(match.group('source'))
            if not entries.get(source):
                unknown.append(source)
                return match.group(0)
            return match.group(1) + '<translation>' + escape(entries[source]) + '</translation>'

        text = MESSAGE.sub(fill, text)
        path.write_text(text, encoding='utf-8')
        for source in unknown:
            print(f'{path.name}: not in the glossary: {source!r}')
        missing += len(unknown)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
