#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Fails when a text the code shows is not translated into every shipped language, when a
translation is kept for a text the code no longer has, or when a translation loses a
placeholder, an access key or a blank at an end of its source. The help document must have a
translation for each language, with the same paragraphs, table cells and pictures; the desktop
entry a GenericName and a Comment, and the AppStream metainfo a summary and as many paragraphs
of description as the English ones. What is still the English text (as scripts/new-language
starts a language) is named too.

Usage: check_translations.py <lupdate> <source-list-file> <help-document> <desktop-entry>
                             <metainfo> <ts-file>...
lupdate reads the code into copies of the .ts files; the copies are checked, so a text
added to the code fails here before anyone runs the update by hand.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%\d+|PlayerName")
# What a translated help document keeps of the English one: its paragraphs, headings, table
# cells and rows, and pictures.
STRUCTURE = [re.compile(r"\\" + word + r"(?![a-z])")
             for word in ("par", "keepn", "cell", "row", "pict")]


def access_keys(text):
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def faults(ts_path, shown_name):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            state = translation.get("type")
            where = f"{shown_name}: {name}: {source!r}"
            if state in ("unfinished", "obsolete", "vanished"):
                found.append(f"{where} is {state}")
                continue
            text = translation.text or ""
            if not text.strip():
                found.append(f"{where} has an empty translation")
            elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                found.append(f"{where}: {text!r} changes the placeholders")
            elif access_keys(source) != access_keys(text):
                found.append(f"{where}: {text!r} changes the access key")
            elif (source[:1].isspace(), source[-1:].isspace()) != \
                    (text[:1].isspace(), text[-1:].isspace()):
                found.append(f"{where}: {text!r} loses or adds a blank at an end")
    return found


def sentences(rtf):
    """The document's longer texts, each with its markup removed: a sentence that is the same
    in two documents is one nobody translated."""
    plain = re.sub(r"\\[a-z]+-?\d* ?|\\'[0-9a-f]{2}|[{}]", "", rtf)
    return {line.strip() for line in plain.splitlines() if len(line.split()) >= 6}


def help_faults(english, language):
    translated = english[:-len(".rtf")] + f".{language}.rtf"
    name = os.path.basename(translated)
    if not os.path.exists(translated):
        return [f"{name} is missing"]
    structure = []
    texts = []
    for path in (english, translated):
        with open(path, encoding="cp1252") as document:
            texts.append(document.read())
        structure.append([len(pattern.findall(texts[-1])) for pattern in STRUCTURE])
    if structure[0] != structure[1]:
        return [f"{name} has {structure[1]} paragraphs, headings, cells, "
                f"rows and pictures where the English one has {structure[0]}"]
    untranslated = sentences(texts[0]) & sentences(texts[1])
    if untranslated:
        return [f"{name} has {len(untranslated)} paragraphs still in English, such as "
                f"{min(untranslated)!r}"]
    return []


def menu_entry_faults(desktop_entry, metainfo, language):
    found = []
    with open(desktop_entry, encoding="utf-8") as entry:
        values = dict(line.rstrip("\n").split("=", 1) for line in entry if "=" in line)
    for key in ("GenericName", "Comment"):
        if f"{key}[{language}]" not in values:
            found.append(f"the desktop entry has no {key}[{language}]")
        elif values[f"{key}[{language}]"] == values[key]:
            found.append(f"the desktop entry's {key}[{language}] is still the English text")
    root = ET.parse(metainfo).getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"

    def texts(tag, language):
        # The release notes have their own description, untranslated.
        elements = root.findall(tag) + root.find("description").findall(tag)
        return [" ".join(e.text.split()) for e in elements if e.get(lang) == language]

    if not texts("summary", language):
        found.append(f"the metainfo has no summary in {language}")
    paragraphs = texts("p", language)
    english = texts("p", None)
    if len(paragraphs) != len(english):
        found.append(f"the metainfo describes in {len(paragraphs)} paragraphs in "
                     f"{language}, in {len(english)} in English")
    if set(texts("summary", language) + paragraphs) & set(texts("summary", None) + english):
        found.append(f"the metainfo's {language} summary or description is still in English")
    return found


def main():
    lupdate, source_list, help_document, desktop_entry, metainfo = sys.argv[1:6]
    ts_files = sys.argv[6:]
    found = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts_file in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts_file))
            shutil.copyfile(ts_file, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines",
                            f"@{source_list}", "-ts", copy], check=True)
            found += faults(copy, os.path.basename(ts_file))
            language = re.fullmatch(r"quorvel_(\w+)\.ts", os.path.basename(ts_file)).group(1)
            found += help_faults(help_document, language)
            found += menu_entry_faults(desktop_entry, metainfo, language)
    for fault in found:
        print(fault)
    if found:
        print("Bring the .ts files up to date with: cmake --build <build-dir> --target "
              "update_translations; translate what is marked unfinished, remove what vanished, "
              "and keep the help documents, the desktop entry and the metainfo in step with "
              "their English texts.")
        return 1
    print(f"{len(ts_files)} translations complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
