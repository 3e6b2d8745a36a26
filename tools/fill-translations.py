#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills the unfinished messages of .ts files from a table of translations (a Python file that
defines DE = {source: translation}, and DE_LONG = {start of source: translation} for long texts).

    tools/fill-translations.py TABLE.py FILE.ts...
"""
import runpy
import sys
import xml.etree.ElementTree as ET


def main(table_path, paths):
    table = runpy.run_path(table_path)
    short, long_ = table.get("DE", {}), table.get("DE_LONG", {})
    missing = set()
    for path in paths:
        tree = ET.parse(path)
        for message in tree.getroot().iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            if node is None or node.get("type") != "unfinished":
                continue
            text = short.get(source)
            if text is None:
                text = next((t for k, t in long_.items() if source.startswith(k)), None)
            if text is None:
                missing.add(source)
                continue
            node.text = text
            del node.attrib["type"]
        tree.write(path, encoding="utf-8", xml_declaration=True)
    for m in sorted(missing):
        print("no translation:", repr(m))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
