#!/usr/bin/env python3
"""Fills unfinished entries of Qt .ts files from finished translations of the same source text
elsewhere in the same file (another context, or an entry the code no longer uses), so that a
text moved between classes keeps its translation. Prints how many entries are still open."""
import sys
import xml.etree.ElementTree as ET


def reuse(path):
    tree = ET.parse(path)
    known = {}
    for message in tree.iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        if translation is None or not (translation.text or '').strip():
            continue
        if translation.get('type') in (None, 'vanished', 'obsolete'):
            known.setdefault(source, translation.text)
    filled = still_open = 0
    for message in tree.iter('message'):
        translation = message.find('translation')
        if translation is None or translation.get('type') != 'unfinished':
            continue
        text = known.get(message.findtext('source'))
        if text:
            translation.text = text
            del translation.attrib['type']
            filled += 1
        else:
            still_open += 1
    if filled:
        tree.write(path, encoding='utf-8', xml_declaration=True)
        # Keep lupdate's DOCTYPE line, which ElementTree drops.
        with open(path, encoding='utf-8') as f:
            text = f.read()
        if '<!DOCTYPE TS>' not in text:
            text = text.replace('?>\n', "?>\n<!DOCTYPE TS>\n", 1)
            with open(path, 'w', encoding='utf-8') as f:
                f.write(text)
    print(f'{path}: {filled} reused, {still_open} still to translate')


for ts in sys.argv[1:]:
    reuse(ts)
