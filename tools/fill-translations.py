#!/usr/bin/env python3
"""Fills unfinished entries of translations/*.ts from a table of source texts.

    tools/fill-translations.py 'Source text' 'simplified' 'traditional' [...]

Each source text is given with its simplified and traditional Chinese translation; entries that
are already translated are left alone. Run lupdate first so the entries exist."""
import re
import sys
from xml.sax.saxutils import escape

args = sys.argv[1:]
if not args or len(args) % 3:
    sys.exit(__doc__)
table = {args[i]: (args[i + 1], args[i + 2]) for i in range(0, len(args), 3)}
for index, lang in enumerate(("zh_CN", "zh_TW")):
    path = f"translations/Korvelin_{lang}.ts"
    text = open(path, encoding="utf-8").read()
    for source, translations in table.items():
        pattern = r'(<source>%s</source>\s*<translation) type="unfinished"></translation>' % re.escape(
            escape(source, {"'": "&apos;", '"': "&quot;"}))
        text = re.sub(pattern, lambda m: m.group(1) + ">" + escape(translations[index]) + "</translation>", text)
    # lupdate fills texts it has seen in another context but leaves them marked unfinished.
    text = re.sub(r'<translation type="unfinished">([^<]+)</translation>', r'<translation>\1</translation>', text)
    open(path, "w", encoding="utf-8").write(text)
