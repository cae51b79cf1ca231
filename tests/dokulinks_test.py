#!/usr/bin/env python3
"""Every relative link and picture in README.md and doku/*.md points to a file or folder that
exists, and a link with #anchor to a heading of the Markdown file it names (anchors as GitHub
makes them from headings). Links inside code are not links. Checks itself first on small trees
made for the purpose, then the source tree.

Usage: python3 tests/dokulinks_test.py SOURCE_DIR"""

import pathlib
import re
import sys
import tempfile

LINK = re.compile(r'!?\[(?:[^\]]|\n)*?\]\(([^)\s]+)\)')
ADRESSE = re.compile(r'^[a-z][a-z0-9+.-]*:', re.IGNORECASE)  # https:, mailto:, file:


def ohne_code(text):
    """The text without fenced code blocks and inline code spans."""
    text = re.sub(r'^```.*?^```', '', text, flags=re.MULTILINE | re.DOTALL)
    return re.sub(r'`[^`\n]*`', '', text)


def anker(datei):
    """The anchors GitHub gives the headings of a Markdown file."""
    gesehen, ergebnis = {}, set()
    for zeile in ohne_code(datei.read_text(encoding='utf-8')).splitlines():
        treffer = re.match(r'#{1,6}\s+(.*?)\s*#*\s*$', zeile)
        if not treffer:
            continue
        titel = re.sub(r'\[([^\]]*)\]\([^)]*\)', r'\1', treffer.group(1))  # a link: its text
        basis = re.sub(r'[^\w\- ]', '', titel.lower()).replace(' ', '-')
        n = gesehen.get(basis, 0)
        gesehen[basis] = n + 1
        ergebnis.add(basis if n == 0 else f'{basis}-{n}')
    return ergebnis


def fehler(wurzel):
    """What is wrong with the links of README.md and doku/*.md under wurzel, one line each."""
    wurzel = pathlib.Path(wurzel)
    dateien = [wurzel / 'README.md', *sorted((wurzel / 'doku').glob('*.md'))]
    meldungen = []
    for datei in dateien:
        if not datei.is_file():
            meldungen.append(f'{datei.relative_to(wurzel)}: fehlt')
            continue
        for ziel in LINK.findall(ohne_code(datei.read_text(encoding='utf-8'))):
            if ADRESSE.match(ziel):
                continue
            pfad, _, stelle = ziel.partition('#')
            zieldatei = (datei.parent / pfad if pfad else datei).resolve()
            wo = f'{datei.relative_to(wurzel)}: {ziel}'
            if not zieldatei.exists():
                meldungen.append(f'{wo}: keine Datei')
            elif wurzel.resolve() not in [zieldatei, *zieldatei.parents]:
                meldungen.append(f'{wo}: außerhalb des Quellbaums')
            elif stelle and (zieldatei.suffix != '.md' or stelle not in anker(zieldatei)):
                meldungen.append(f'{wo}: keine Überschrift "{stelle}"')
    return meldungen


# Small trees, each {path: text}, and how many faults the check must find in them.
FAELLE = [
    ('alles da', {'README.md': '[a](doku/a.md) [b](doku/a.md#zwei-drei) ![x](doku/bild.png)\n',
                  'doku/a.md': '# Eins\n## Zwei (drei)\n[zurück](../README.md)\n',
                  'doku/bild.png': ''}, 0),
    ('Datei fehlt', {'README.md': '[a](doku/fehlt.md)\n'}, 1),
    ('Bild fehlt', {'README.md': '![x](doku/bilder/fenster.png)\n'}, 1),
    ('Überschrift fehlt', {'README.md': '[a](doku/a.md#vier)\n', 'doku/a.md': '## Drei\n'}, 1),
    ('Anker in derselben Datei', {'README.md': '## Get it\n[a](#get-it) [b](#get)\n'}, 1),
    ('zweite gleiche Überschrift', {'README.md': '## X\n## X\n[a](#x-1) [b](#x-2)\n'}, 1),
    ('Link über zwei Zeilen', {'README.md': '[The apt\nrepository](doku/a.md#the-apt-repository)\n',
                               'doku/a.md': '### The apt repository\n'}, 0),
    ('Link im Code zählt nicht', {'README.md': '```\n[a](weg.md)\n```\n`[b](weg.md)`\n'}, 0),
    ('Überschrift im Code zählt nicht', {'README.md': '```\n# X\n```\n[a](#x)\n'}, 1),
    ('Adressen zählen nicht', {'README.md': '[a](https://quentor.example/) [b](mailto:x@y)\n'}, 0),
    ('Anker in einer Nicht-Markdown-Datei', {'README.md': '[a](LICENSE#x)\n', 'LICENSE': ''}, 1),
    ('Ordner', {'README.md': '[a](anleitung/) [b](fehlt/)\n', 'anleitung/x': ''}, 1),
    ('außerhalb', {'README.md': '[a](../x.md)\n'}, 1),
    ('doku verlinkt falsch nach oben', {'README.md': '', 'doku/a.md': '[a](README.md)\n'}, 1),
]


def selbstpruefung():
    falsch = []
    for name, dateien, erwartet in FAELLE:
        with tempfile.TemporaryDirectory() as ordner:
            wurzel = pathlib.Path(ordner) / 'baum'
            for pfad, text in dateien.items():
                (wurzel / pfad).parent.mkdir(parents=True, exist_ok=True)
                (wurzel / pfad).write_text(text, encoding='utf-8')
            if 'README.md' not in dateien:
                (wurzel / 'README.md').write_text('', encoding='utf-8')
            gefunden = fehler(wurzel)
            if len(gefunden) != erwartet:
                falsch.append(f'Selbstprüfung "{name}": {erwartet} erwartet, gefunden {gefunden}')
    return falsch


def main():
    meldungen = selbstpruefung() + fehler(sys.argv[1])
    for meldung in meldungen:
        print(meldung)
    return 1 if meldungen else 0


if __name__ == '__main__':
    sys.exit(main())
