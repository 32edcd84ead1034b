#!/usr/bin/env python3
"""Writes every language's desktop texts from glossary/<language>.tsv into the desktop entry and
the AppStream metainfo, so a menu, a software centre and the windows use the same words.

    translations/fill-desktop.py           rewrite the two files
    translations/fill-desktop.py --check   fail if they differ from the glossary (run by CTest)

The desktop entry's Name, GenericName, Comment and Keywords, and the metainfo's name, summary and
list of languages come from the glossary; the rest of both files (the long description and the
screenshot captions, in the languages that have them) is written by hand and left alone.
"""
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
PACKAGING = HERE.parent / 'packaging'
DESKTOP = PACKAGING / 'example.quorvane.Sumwright.desktop'
METAINFO = PACKAGING / 'example.quorvane.Sumwright.metainfo.xml'

NAME = 'Quorvane Sumwright'
DESKTOP_KEYS = {  # key: the glossary's source text
    'Name': NAME,
    'GenericName': 'desktop:Arithmetic Drill',
    'Comment': 'desktop:Practise mental arithmetic and number, letter and mixed series',
    'Keywords': 'desktop:arithmetic;maths;addition;subtraction;multiplication;division;series;'
                'practice;',
}
SUMMARY = 'desktop:Drill mental arithmetic and sequence puzzles'


def glossaries():
    table = {}
    for path in sorted((HERE / 'glossary').glob('*.tsv')):
        rows = (line.split('\t') for line in path.read_text(encoding='utf-8').splitlines()
                if line and not line.startswith('#'))
        table[path.stem] = {row[0]: row[1] for row in rows if len(row) == 2}
    return table


def xml_escape(text):
    return text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')


def desktop_entry(text, table):
    lines = [line for line in text.splitlines() if not re.match(r'^[A-Za-z]+\[[^]]+\]=', line)
             or line.split('[')[0] not in DESKTOP_KEYS]
    out = []
    for line in lines:
        out.append(line)
        key = line.split('=')[0]
        if key in DESKTOP_KEYS:
            for language, entries in table.items():
                translated = entries.get(DESKTOP_KEYS[key])
                if translated:
                    out.append(f'{key}[{language}]={translated}')
    return '\n'.join(out) + '\n'


def metainfo(text, table):
    def localised(tag, source):
        return ''.join(f'\n  <{tag} xml:lang="{language}">{xml_escape(entries[source])}</{tag}>'
                       for language, entries in table.items() if entries.get(source))

    text = re.sub(r'\n  <(name|summary) xml:lang="[^"]+">[^<]*</\1>', '', text)
    text = re.sub(r'(\n  <name>[^<]*</name>)', lambda m: m.group(1) + localised('name', NAME),
                  text, count=1)
    text = re.sub(r'(\n  <summary>[^<]*</summary>)',
                  lambda m: m.group(1) + localised('summary', SUMMARY), text, count=1)
    languages = ''.join(f'\n    <lang percentage="100">{language}</lang>' for language in table)
    return re.sub(r'<languages>.*?\n  </languages>', f'<languages>{languages}\n  </languages>',
                  text, count=1, flags=re.S)


def main():
    table = glossaries()
    stale = []
    for path, rewrite in ((DESKTOP, desktop_entry), (METAINFO, metainfo)):
        old = path.read_text(encoding='utf-8')
        new = rewrite(old, table)
        if new == old:
            continue
        if '--check' in sys.argv:
            stale.append(path.name)
        else:
            path.write_text(new, encoding='utf-8')
    for name in stale:
        print(f'{name} differs from translations/glossary: run translations/fill-desktop.py')
    return 1 if stale else 0


if __name__ == '__main__':
    sys.exit(main())
