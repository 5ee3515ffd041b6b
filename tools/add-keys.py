#!/usr/bin/env python3
"""Appends translation keys to every language's table.

    tools/add-keys.py KEY "English" "German" "French" "Spanish" "Italian" "Dutch" "Polish" \\
        "Portuguese (Brazil)" [KEY ...]

A key already in a table is left as it is there.
"""
import sys
from xml.sax.saxutils import escape

LANGUAGES = ["en", "de", "fr", "es", "it", "nl", "pl", "pt_BR"]


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
width = 1 + len(LANGUAGES)
if not args or len(args) % width:
    sys.exit(__doc__)
rows = [args[i:i + width] for i in range(0, len(args), width)]
for column, language in enumerate(LANGUAGES, start=1):
    append(f"resources/i18n/lockmere_{language}.ts", [(row[0], row[1], row[column]) for row in rows])
