#!/usr/bin/env python3
"""Checks translations/*.ts: every entry finished and still in the sources, every translation
keeping its source's arguments (%1..%9, %n) and, where the source has one, an access key (&X).

Usage: check-translations.py [--context NAME ...] [FILE.ts ...]
With --context only those contexts are checked. Prints one line per problem; exit status 1 when
there is any.
"""
import argparse
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

ARGUMENT = re.compile(r"%(?:L?[1-9]|n)")
# "&&" is a literal ampersand; "&X" marks X as the access key.
ACCESS_KEY = re.compile(r"&(?!&)\S")


def text_of(element):
    """The element's text with Qt's <byte value="xd"/> pieces put back as characters."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def has_access_key(text):
    return ACCESS_KEY.search(text.replace("&&", "")) is not None


def problems_of(message):
    source = text_of(message.find("source"))
    translation = message.find("translation")
    kind = translation.get("type") if translation is not None else "unfinished"
    if kind in ("obsolete", "vanished"):
        return source, ["no longer in the sources (run scripts/update-translations.sh)"]
    if kind == "unfinished":
        return source, ["not translated"]
    forms = translation.findall("numerusform") or [translation]
    found = []
    for form in forms:
        text = text_of(form)
        if not text.strip():
            found.append("empty translation")
            continue
        missing = sorted(set(ARGUMENT.findall(source)) - set(ARGUMENT.findall(text)))
        if missing:
            found.append("translation lacks " + ", ".join(missing) + ": " + repr(text))
        if has_access_key(source) and not has_access_key(text):
            found.append("translation lacks the access key (&X): " + repr(text))
    return source, found


def check(path, contexts):
    count = 0
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        if contexts and name not in contexts:
            continue
        for message in context.iter("message"):
            source, found = problems_of(message)
            for problem in found:
                print(f"{path}: {name}: {source!r}: {problem}")
                count += 1
    return count


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--context", action="append", default=[])
    parser.add_argument("files", nargs="*")
    options = parser.parse_args()
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    files = options.files or sorted(glob.glob(os.path.join(root, "translations", "*.ts")))
    count = sum(check(path, set(options.context)) for path in files)
    if count:
        print(f"{count} translation problem(s)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
