#!/usr/bin/env python3
"""Fills translations/orvane_LANG.ts from the tables of translations/.

translations/glossary.tsv holds the astrological terms (the "Terms"
context: planets, signs, nakshatras, vargas, the diagram abbreviations),
translations/messages.tsv every other text of the program, one row per
English text with a column per language ("\\n" and "\\r" stand for the
line-end characters).
A message found in a table gets its translation and is marked finished;
one that is not is left as it is, so a translator's work in Qt Linguist is
kept. Run it after `cmake --build build --target update_translations`
(which adds the new texts of the sources to the .ts files):

    python3 scripts/fill_translations.py [translations/orvane_hi.ts ...]
"""
import csv
import os
import sys
import xml.etree.ElementTree as ET

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations")
# Spellings of a term that the screens use besides the glossary's.
ALIASES = {"Shashthyamsa": "Shashtyamsa"}


def unescape(text):
    return text.replace("\\r", "\r").replace("\\n", "\n")


def read_table(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    header, body = rows[0], rows[1:]
    table = {}
    for row in body:
        if not row or row[0].startswith("#"):
            continue
        record = dict(zip(header, row))
        key = unescape(record.get("english", row[0]))
        if key in table:
            raise SystemExit(f"{path}: {key!r} twice")
        table[key] = {k: unescape(v) for k, v in record.items()}
    return table


def fill(ts_path, terms, messages):
    tree = ET.parse(ts_path)
    root = tree.getroot()
    language = root.get("language", "").split("_")[0]
    done = missing = 0
    for context in root.iter("context"):
        name = context.findtext("name")
        table = terms if name == "Terms" else messages
        for message in context.iter("message"):
            source = message.findtext("source")
            key = ALIASES.get(source, source) if name == "Terms" else source
            # A text of the terms' context that is no term (a pattern such
            # as "%1 %2") comes from the messages.
            row = table.get(key) or (messages.get(source) if name == "Terms" else None)
            text = row.get(language, "") if row else ""
            translation = message.find("translation")
            if not text:
                missing += 1 if translation.get("type") == "unfinished" else 0
                continue
            if message.get("numerus") == "yes":
                # The plural forms, singular first, are separated by " || "
                # where they differ; one text serves every form otherwise.
                texts = text.split(" || ")
                forms = translation.findall("numerusform") or [ET.SubElement(translation, "numerusform")]
                for i, form in enumerate(forms):
                    form.text = texts[min(i, len(texts) - 1)]
            else:
                translation.text = text
            translation.attrib.pop("type", None)
            done += 1
    ET.indent(tree, space="    ")
    with open(ts_path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")
    print(f"{os.path.basename(ts_path)}: {done} filled, {missing} without a translation")


def main():
    terms = read_table(os.path.join(HERE, "glossary.tsv"))
    messages = read_table(os.path.join(HERE, "messages.tsv"))
    paths = sys.argv[1:] or sorted(
        os.path.join(HERE, n) for n in os.listdir(HERE) if n.startswith("orvane_") and n.endswith(".ts"))
    for path in paths:
        fill(path, terms, messages)


if __name__ == "__main__":
    main()
