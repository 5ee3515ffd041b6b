#!/usr/bin/env python3
"""Appends translation keys to the English and German tables.

    tools/add-keys.py KEY "English text" "German text" [KEY EN DE ...]

A key already in a table is left as it is there.
"""
import sys
from xml.sax.saxutils import escape

def append(path, rows):
    text = open(path, encoding="utf-8").read()
    added = ""
    for key, source, translation in rows:
        if f'id="{key}"' in text:
            continue
        added += (f'    <message id="{key}">\n        <source>{escape(source)}</source>\n'
                  f'        <translation>{escape(translation)}</translation>\n    </message>\n')
    text = text.replace("</context>\n</TS>", added + "</context>\n</TS>")
    open(path, "w", encoding="utf-8").write(text)

args = sys.argv[1:]
if not args or len(args) % 3:
    sys.exit(__doc__)
rows = [args[i:i + 3] for i in range(0, len(args), 3)]
append("resources/i18n/lockmere_en.ts", [(k, en, en) for k, en, _ in rows])
append("resources/i18n/lockmere_de.ts", rows)
