#!/usr/bin/env python3
"""Fills the translations of a Qt Linguist .ts file.

After lupdate has added the new English source texts, this writes their
translations from tab-separated lines (context, source, translation[,
disambiguation]; \\n and \\t written as escapes) or from another .ts file
(for instance the other side of a merge), and marks them finished.

  tools/fill_translations.py translations/umbrafex_ja.ts [--ts OTHER.ts] [TSV ...]

Reports texts still without a translation, and TSV lines that matched no
message, so that a misspelt source does not go unnoticed.
"""
import sys
import xml.etree.ElementTree as ET


def unescape(text):
    return text.replace('\\n', '\n').replace('\\t', '\t').replace('\\\\', '\\')


def key(context, source, comment):
    return (context, source, comment or '')


def read_tsv(path, table):
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            parts = line.split('\t')
            if len(parts) not in (3, 4):
                sys.exit(f'{path}:{number}: expected 3 or 4 tab-separated fields')
            comment = parts[3] if len(parts) == 4 else ''
            table[key(parts[0], unescape(parts[1]), comment)] = (unescape(parts[2]), f'{path}:{number}')


def read_ts(path, table):
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
                continue
            if translation.text:
                table[key(name, message.findtext('source'), message.findtext('comment'))] = (
                    translation.text, path)


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    target, table, args = argv[1], {}, argv[2:]
    while args:
        if args[0] == '--ts':
            read_ts(args[1], table)
            args = args[2:]
        else:
            read_tsv(args[0], table)
            args = args[1:]
    tree = ET.parse(target)
    used, missing = set(), []
    for context in tree.getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            k = key(name, message.findtext('source'), message.findtext('comment'))
            translation = message.find('translation')
            if k in table:
                translation.text = table[k][0]
                translation.attrib.pop('type', None)
                used.add(k)
            elif translation.get('type') == 'unfinished':
                missing.append(k)
    ET.indent(tree, space='    ')
    with open(target, 'w', encoding='utf-8') as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(ET.tostring(tree.getroot(), encoding='unicode'))
        f.write('\n')
    for k in missing:
        print(f'no translation: [{k[0]}] {k[1]!r}', file=sys.stderr)
    for k, (_, where) in table.items():
        if k not in used and where.endswith(tuple('0123456789')):
            print(f'{where}: no such text: [{k[0]}] {k[1]!r}', file=sys.stderr)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
