#!/usr/bin/env python3
"""Writes the name finder's data: the kanji a birth registration accepts and the given
names of ENAMDICT that can be registered and counted.

Run by hand when a dictionary or the rules below change; the outputs are committed, so
the build needs neither this script nor its sources:

    /usr/bin/python3 tools/given_names/generate_given_names.py           # writes both files
    /usr/bin/python3 tools/given_names/generate_given_names.py --check   # compares only

Sources (Debian packages, only needed here; not build dependencies):
  * ENAMDICT, /usr/share/edict/enamdict (package enamdict, EUC-JP), the Japanese proper
    name dictionary, (c) the Electronic Dictionary Research and Development Group, EDRDG
    licence, Creative Commons Attribution-ShareAlike 3.0.
  * KANJIDIC2, /usr/share/edict/kanjidic2.xml.gz (package kanjidic-xml), same group and
    licence: its grades name the registrable kanji. Grades 1-6 and 8 are the 2,136 jōyō
    kanji (常用漢字), grades 9 and 10 the 863 jinmeiyō kanji (人名用漢字, the list as
    amended on 2017-09-25).
  * The engine's stroke table (engine/src/stroke_table/kanji_stroke_table_data.cpp):
    a candidate holds only characters the engine can count.

Outputs (derived data under the licence of the sources, docs/licenses/ENAMDICT.md and
docs/licenses/KANJIDIC2.md):
  * app/naming/registrable_kanji_data.cpp: the two kanji lists.
  * app/naming/given_name_data.cpp: one line per candidate, "writing<TAB>reading<TAB>sex".

Which entries become candidates:
  1. Entries tagged m (male given name), f (female given name) or g (given name of
     either sex). Entries tagged only u ("person name, unclassified") are left out: they
     mix surnames, full names and one-off readings (忙 のりこ, 聾 はすもと), which a
     reader choosing a child's name should not be offered.
  2. The writing holds 1 to MAX_LENGTH characters, each one registrable (a jōyō or
     jinmeiyō kanji, a hiragana, a katakana, or one of ー 々 ゝ ゞ), countable by the
     engine, and writable in code page 932.
  3. The reading is hiragana (ー allowed). An entry without a reading is a kana name: its
     reading is its writing, katakana turned into hiragana.
  4. Entries with the same writing and reading are merged; their sexes are joined: m and
     f give "b" (both), and g counts as both.
"""

import argparse
import gzip
import os
import re
import sys
import xml.etree.ElementTree as ET

ENAMDICT = "/usr/share/edict/enamdict"
KANJIDIC2 = "/usr/share/edict/kanjidic2.xml.gz"
REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
STROKE_TABLE = os.path.join(REPO, "engine", "src", "stroke_table", "kanji_stroke_table_data.cpp")
KANJI_OUTPUT = os.path.join(REPO, "app", "naming", "registrable_kanji_data.cpp")
NAMES_OUTPUT = os.path.join(REPO, "app", "naming", "given_name_data.cpp")

JOUYOU_GRADES = {1, 2, 3, 4, 5, 6, 8}
JINMEIYOU_GRADES = {9, 10}
JOUYOU_COUNT = 2136
JINMEIYOU_COUNT = 863
MAX_LENGTH = 3
GIVEN_NAME_TAGS = {"m", "f", "g"}
MARKS = "ー々ゝゞ"

ENTRY = re.compile(r"^(\S+)(?: \[([^\]]+)\])? /\(([^)]*)\)")
STROKE_ROW = re.compile(r"^\s*\{\d+, 0x[0-9A-F]{2}, 0x[0-9A-F]{2}, 0\},\s*// U\+[0-9A-F]+ (\S)")


def fail(message):
    sys.exit("generate_given_names: " + message)


def is_hiragana(char):
    return "\u3041" <= char <= "\u3096"


def is_katakana(char):
    return "\u30a1" <= char <= "\u30fa"


def to_hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "\u30a1" <= c <= "\u30f6" else c for c in text)


def load_registrable_kanji(kanjidic_xml):
    """(jouyou, jinmeiyou): the characters of KANJIDIC2 by grade, in code-point order."""
    jouyou, jinmeiyou = [], []
    for character in ET.fromstring(kanjidic_xml).iter("character"):
        grade = character.findtext("misc/grade")
        if grade is None:
            continue
        literal = character.findtext("literal")
        if int(grade) in JOUYOU_GRADES:
            jouyou.append(literal)
        elif int(grade) in JINMEIYOU_GRADES:
            jinmeiyou.append(literal)
    return sorted(jouyou), sorted(jinmeiyou)


def load_countable(stroke_table_source):
    """The characters that have a row in the engine's stroke table."""
    return {m.group(1) for m in map(STROKE_ROW.match, stroke_table_source.splitlines()) if m}


def writable_in_cp932(text):
    try:
        text.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def is_registrable(char, kanji):
    return char in kanji or is_hiragana(char) or is_katakana(char) or char in MARKS


def sex_of(tags):
    """"m", "f" or "b" for a given-name entry's tags, None for other entries."""
    given = tags & GIVEN_NAME_TAGS
    if not given:
        return None
    if "g" in given or given == {"m", "f"}:
        return "b"
    return given.pop()


def merge_sex(old, new):
    return old if old == new else "b"


def candidates(enamdict_lines, kanji, countable):
    """{(writing, reading): sex} for the entries that pass the rules of the module text."""
    found = {}
    for line in enamdict_lines:
        match = ENTRY.match(line)
        if not match:
            continue
        writing, reading, tags = match.group(1), match.group(2), set(match.group(3).split(","))
        sex = sex_of(tags)
        if sex is None or not 1 <= len(writing) <= MAX_LENGTH:
            continue
        if not all(is_registrable(c, kanji) and c in countable for c in writing):
            continue
        if not writable_in_cp932(writing):
            continue
        if reading is None:
            reading = to_hiragana(writing)
        if not reading or not all(is_hiragana(c) or c == "ー" for c in reading):
            continue
        key = (writing, reading)
        found[key] = merge_sex(found[key], sex) if key in found else sex
    return found


def cpp_string_lines(pieces):
    return "\n".join('    "' + piece + '"' for piece in pieces)


def kanji_source(jouyou, jinmeiyou):
    def chunks(chars):
        return ["".join(chars[i:i + 40]) for i in range(0, len(chars), 40)]
    return f"""// Generated by tools/given_names/generate_given_names.py. Do not edit by hand.
// The kanji a birth registration accepts in a given name, from the grades of KANJIDIC2
// (EDRDG licence, CC BY-SA 3.0; docs/licenses/KANJIDIC2.md), UTF-8, in code-point order.
#include "naming/registrable_kanji_data.h"

namespace nuvaro::naming {{

// {len(jouyou)} jōyō kanji (grades 1-6 and 8).
const char kJouyouKanji[] =
{cpp_string_lines(chunks(jouyou))};

// {len(jinmeiyou)} jinmeiyō kanji (grades 9 and 10), the list as amended on 2017-09-25.
const char kJinmeiyouKanji[] =
{cpp_string_lines(chunks(jinmeiyou))};

}}  // namespace nuvaro::naming
"""


def names_source(found):
    # In the program's kana order: the CP932 bytes of the reading, then of the writing.
    in_reading_order = sorted(found.items(), key=lambda item: (item[0][1].encode("cp932"), item[0][0].encode("cp932")))
    lines = [f"{w}\\t{r}\\t{s}\\n" for (w, r), s in in_reading_order]
    return f"""// Generated by tools/given_names/generate_given_names.py. Do not edit by hand.
// Given names from ENAMDICT (EDRDG licence, CC BY-SA 3.0; docs/licenses/ENAMDICT.md):
// {len(lines)} lines "writing<TAB>reading<TAB>sex" (m, f, or b for both), UTF-8, in reading order.
#include "naming/given_name_data.h"

namespace nuvaro::naming {{

const char kGivenNameData[] =
{cpp_string_lines(lines)};

const std::size_t kGivenNameDataBytes = sizeof kGivenNameData - 1;

}}  // namespace nuvaro::naming
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files only")
    args = parser.parse_args()
    for path in (ENAMDICT, KANJIDIC2):
        if not os.path.exists(path):
            fail(f"{path} is missing (apt-get install enamdict kanjidic-xml)")
    with gzip.open(KANJIDIC2) as f:
        jouyou, jinmeiyou = load_registrable_kanji(f.read())
    if (len(jouyou), len(jinmeiyou)) != (JOUYOU_COUNT, JINMEIYOU_COUNT):
        fail(f"KANJIDIC2 grades give {len(jouyou)} jōyō and {len(jinmeiyou)} jinmeiyō kanji, "
             f"not {JOUYOU_COUNT} and {JINMEIYOU_COUNT}")
    with open(STROKE_TABLE, encoding="utf-8") as f:
        countable = load_countable(f.read())
    with open(ENAMDICT, encoding="euc_jp", errors="replace") as f:
        found = candidates(f, set(jouyou) | set(jinmeiyou), countable)
    outputs = {KANJI_OUTPUT: kanji_source(jouyou, jinmeiyou), NAMES_OUTPUT: names_source(found)}
    stale = False
    for path, text in outputs.items():
        if args.check:
            with open(path, encoding="utf-8") as f:
                if f.read() != text:
                    print(f"{path} differs from what the sources give", file=sys.stderr)
                    stale = True
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    print(f"{len(found)} given names; {len(jouyou)} + {len(jinmeiyou)} registrable kanji", file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
