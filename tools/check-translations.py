#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a shipped translation is not fit to ship: a text left unfinished or empty, a
placeholder (%1, %n, %d) that the translation drops, adds or repeats differently from its source,
or two items of one menu with the same accelerator letter.

    tools/check-translations.py FILE.ts...
    tools/check-translations.py --current CMAKE LUPDATE PROJECT GENERATOR [LUPDATE-OPTION...] -- FILE.ts...
    tools/check-translations.py --self-test

With --current, fails when a text marked in the sources is missing from a .ts file: the catalog
was not brought up to date. The sources are those of qt_add_lupdate's PROJECT file (.cmake),
which Qt's GENERATOR script turns into lupdate's project; lupdate reads them into a fresh file.

Menus: the items of one menu carry one disambiguation comment, "menu File" for the File menu,
"menu bar" for the menu titles; their accelerators must differ within it.
"""
import collections
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n|L\d+|d)")


def accelerator(text):
    """The letter after a single '&' ("&&" is a literal ampersand), lower case; None if none."""
    i = 0
    while i < len(text):
        if text[i] == "&":
            if i + 1 < len(text) and text[i + 1] == "&":
                i += 2
                continue
            if i + 1 < len(text):
                return text[i + 1].lower()
        i += 1
    return None


def check(path):
    problems = []
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as e:
        return [f"{path}: cannot read: {e}"]
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        menus = collections.defaultdict(dict)
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            comment = message.findtext("comment") or ""
            node = message.find("translation")
            kind = node.get("type", "") if node is not None else "missing"
            if kind in ("obsolete", "vanished"):
                continue
            forms = [n.text or "" for n in node.iter("numerusform")] if node is not None else []
            if not forms:
                forms = [node.text or ""] if node is not None else [""]
            where = f"{path}: {name}: \"{source}\""
            if kind in ("unfinished", "missing") or any(not f for f in forms):
                problems.append(f"{where}: not translated")
                continue
            want = collections.Counter(PLACEHOLDER.findall(source))
            for form in forms:
                got = collections.Counter(PLACEHOLDER.findall(form))
                # A plural form may leave out %n ("one day").
                if message.get("numerus") == "yes":
                    got.pop("%n", None)
                    want_here = collections.Counter(want)
                    want_here.pop("%n", None)
                else:
                    want_here = want
                if got != want_here:
                    problems.append(f"{where}: placeholders {sorted(want_here.elements())} "
                                    f"became {sorted(got.elements())} in \"{form}\"")
            # A translation may give a text an accelerator its source lacks ("Edit"); it must
            # still differ from the others in its menu.
            letter = accelerator(forms[0]) if comment.startswith("menu ") else None
            if comment.startswith("menu ") and (accelerator(source) or letter is not None):
                if letter is None:
                    problems.append(f"{where}: the accelerator is lost in \"{forms[0]}\"")
                elif letter in menus[comment]:
                    problems.append(f"{where}: \"{forms[0]}\" has the accelerator of "
                                    f"\"{menus[comment][letter]}\" in {comment}")
                else:
                    menus[comment][letter] = forms[0]
    return problems


def messages(path):
    """The (context, source, comment) of every message that is not obsolete."""
    found = set()
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            node = message.find("translation")
            if node is not None and node.get("type", "") in ("obsolete", "vanished"):
                continue
            found.add((name, message.findtext("source") or "", message.findtext("comment") or ""))
    return found


def missing(marked, path):
    """Problems for the texts of `marked` that the .ts file lacks."""
    try:
        have = messages(path)
    except (ET.ParseError, OSError) as e:
        return [f"{path}: cannot read: {e}"]
    return [f"{path}: {c}: \"{s}\"{' (' + m + ')' if m else ''}: marked in the sources but missing here "
            f"(build the update_translations target)" for c, s, m in sorted(marked - have)]


def check_current(cmake, lupdate, project, generator, options, files):
    with tempfile.TemporaryDirectory() as folder:
        json = os.path.join(folder, "project.json")
        fresh = os.path.join(folder, "fresh.ts")
        steps = [[cmake, f"-DIN_FILE={project}", f"-DOUT_FILE={json}", "-P", generator],
                 [lupdate, "-silent", "-project", json, *options, "-ts", fresh]]
        for step in steps:
            run = subprocess.run(step, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            if run.returncode != 0:
                print(f"{step[0]} failed: {run.stdout}")
                return 1
        marked = messages(fresh)
    problems = [p for path in files for p in missing(marked, path)]
    for p in problems:
        print(p)
    return 1 if problems else 0


def self_test():
    bad = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS><TS version="2.1" language="de_DE"><context><name>M</name>
<message><source>Fine</source><translation>Gut</translation></message>
<message><source>Open</source><translation type="unfinished"></translation></message>
<message><source>%1 of %2</source><translation>%1 von %1</translation></message>
<message><source>&amp;File</source><comment>menu bar</comment><translation>&amp;Datei</translation></message>
<message><source>&amp;Edit</source><comment>menu bar</comment><translation>&amp;Dearbeiten</translation></message>
<message><source>Gone</source><translation type="vanished">Weg</translation></message>
</context></TS>"""
    with tempfile.NamedTemporaryFile("w", suffix=".ts", delete=False, encoding="utf-8") as f:
        f.write(bad)
    found = check(f.name)
    expected = ["\"Open\": not translated", "placeholders", "has the accelerator of"]
    ok = len(found) == 3 and all(any(e in p for p in found) for e in expected)
    good = bad.replace('type="unfinished"></translation>', ">Öffnen</translation>")
    good = good.replace("%1 von %1", "%1 von %2").replace("&amp;Dearbeiten", "&amp;Bearbeiten")
    with open(f.name, "w", encoding="utf-8") as g:
        g.write(good)
    ok = ok and check(f.name) == []
    # A text marked in the sources but not in the file; a vanished one does not count as there.
    gone = missing({("M", "Fine", ""), ("M", "Gone", ""), ("M", "New", "")}, f.name)
    ok = ok and len(gone) == 2 and "\"Gone\"" in gone[0] and "\"New\"" in gone[1]
    found = found + gone
    os.unlink(f.name)
    print("self-test passed" if ok else f"self-test failed: {found}")
    return 0 if ok else 1


def main(args):
    if args == ["--self-test"]:
        return self_test()
    if args[:1] == ["--current"] and "--" in args:
        end = args.index("--")
        return check_current(*args[1:5], args[5:end], args[end + 1:])
    problems = [p for path in args for p in check(path)]
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
