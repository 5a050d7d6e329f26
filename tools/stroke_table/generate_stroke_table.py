#!/usr/bin/env python3
"""Writes engine/src/stroke_table/kanji_stroke_table_data.cpp, the engine's stroke table.

Run by hand when the data or the rules below change; the output is committed, so the
build needs neither this script nor its sources:

    python3 tools/stroke_table/generate_stroke_table.py            # writes the table
    python3 tools/stroke_table/generate_stroke_table.py --check    # compares only

Sources (Debian packages, only needed here):
  * KANJIDIC2, /usr/share/edict/kanjidic2.xml.gz (package kanjidic-xml), (c) the
    Electronic Dictionary Research and Development Group, EDRDG licence, Creative
    Commons Attribution-ShareAlike 3.0. The generated table is derived data under the
    same terms (docs/licenses/KANJIDIC2.md).
  * Unihan, /usr/share/unicode/Unihan_RadicalStrokeCounts.txt.bz2 (package
    unicode-data), field kRSAdobe_Japan1_6: the Adobe-Japan1 glyph's radical strokes
    plus residual strokes, for the extension kanji.

Table layout, 6,617 rows:
  1. 73 hiragana rows (48 plain kana incl. ゐ ゑ in the traditional order, then the 25
     voiced and semi-voiced kana), 2 rows for ー and －, 73 katakana rows; these counts
     are the program's own and are written out below.
  2. 6,469 kanji rows in ascending stroke count (within one count by CP932 code): every
     JIS X 0208 level-1 kanji, every level-2 kanji but 丶, 々 (3), the 113 extension
     kanji chosen below (IBM codes), and 臠 a second time (25).

Kanji counts: the first stroke_count of KANJIDIC2, except the overrides listed in
MODERN_FORM_OVERRIDES, and the extension kanji (see EXTENSION_KANJI).

Extension kanji and their two codes: each extension kanji has an NEC-selected code
(lead byte 0xED/0xEE) and an IBM code (0xFA-0xFC). The table holds the IBM code, which is
what glibc iconv and the Windows converters produce from Unicode; the lookup folds an
NEC-selected code to its IBM code before it searches, so a name is read whichever code it
carries (engine/src/stroke_table/kanji_stroke_lookup.cpp).
"""

import argparse
import bz2
import gzip
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ET

KANJIDIC2 = "/usr/share/edict/kanjidic2.xml.gz"
UNIHAN_STROKES = "/usr/share/unicode/Unihan_RadicalStrokeCounts.txt.bz2"
REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUTPUT = os.path.join(REPO, "engine", "src", "stroke_table", "kanji_stroke_table_data.cpp")
ROW_COUNT = 6617

# --- Kana: the program's own counts --------------------------------------------------

PLAIN_HIRAGANA = ("あ3 い2 う2 え3 お4 か3 き4 く1 け3 こ2 さ3 し1 す3 せ3 そ3 た4 ち3 つ1 て2 "
                  "と2 な5 に3 ぬ4 ね4 の1 は4 ひ2 ふ4 へ1 ほ5 ま4 み3 む4 め2 も3 や3 ゐ3 ゆ3 "
                  "ゑ5 よ3 ら3 り2 る2 れ3 ろ2 わ3 を4 ん2")
VOICED_HIRAGANA = ("が5 ぎ6 ぐ3 げ5 ご4 ざ5 じ3 ず5 ぜ5 ぞ5 だ6 ぢ4 づ3 で4 ど4 ば6 び4 ぶ6 べ3 "
                   "ぼ7 ぱ5 ぴ3 ぷ5 ぺ2 ぽ6")
PLAIN_KATAKANA = ("ア2 イ2 ウ3 エ3 オ3 カ2 キ3 ク2 ケ3 コ2 サ3 シ3 ス2 セ2 ソ2 タ3 チ3 ツ3 テ3 "
                  "ト2 ナ2 ニ2 ヌ2 ネ4 ノ1 ハ2 ヒ2 フ1 ヘ1 ホ4 マ2 ミ3 ム2 メ2 モ3 ヤ2 ヰ4 ユ2 "
                  "ヱ3 ヨ3 ラ2 リ2 ル2 レ1 ロ3 ワ2 ヲ3 ン2")
VOICED_KATAKANA = ("ガ4 ギ5 グ4 ゲ5 ゴ4 ザ5 ジ5 ズ4 ゼ4 ゾ4 ダ5 ヂ5 ヅ5 デ5 ド4 バ4 ビ4 ブ3 ベ3 "
                   "ボ6 パ3 ピ3 プ2 ペ2 ポ5")
MARKS = "ー1 －1"
# A voiced kana counts its plain kana + 2, a semi-voiced one + 1; ぢ is the one exception.
VOICED_EXCEPTIONS = {"ぢ": 4}

# --- Kanji: where KANJIDIC2's first count is not today's ------------------------------

# KANJIDIC2's first count follows the JIS X 0208 (1990) glyph. For these characters the
# standard form changed with the 2010 jōyō list (and the 2004 JIS glyph revision that it
# follows), and current dictionaries count the new form; that count is one of
# KANJIDIC2's alternates. Each entry: character -> (count, reason).
MODERN_FORM_OVERRIDES = {
    "葛": (12, "jōyō 2010 form 曷 with 人 and 乚 (JIS 1990 glyph with ヒ counts 11)"),
    "遡": (14, "jōyō 2010 form with the two-dot 辶 (one-dot glyph counts 13)"),
    "遜": (14, "jōyō 2010 form with the two-dot 辶 (one-dot glyph counts 13)"),
    "謎": (17, "jōyō 2010 form with the two-dot 辶 (one-dot glyph counts 16)"),
    "餌": (15, "jōyō 2010 form with the 食 radical (飠 glyph counts 14)"),
    "餅": (15, "jōyō 2010 form with the 食 radical and 幷 (飠 glyph counts 14)"),
    "飴": (14, "2004 standard form with the 食 radical, as 餌 and 餅 (飠 glyph counts 13)"),
    "僅": (13, "jōyō 2010 form with 堇 (JIS 1990 glyph counts 12)"),
    "賭": (16, "jōyō 2010 form keeps the dot of 者 (JIS 1990 glyph counts 15)"),
}

# Rows whose count this table must have; the generator stops if one does not hold.
TELLING_ROWS = ("一1 乙1 七2 九2 十2 子3 々3 山3 小3 木4 中4 太4 水4 田5 加5 辺5 伊6 吉6 佐7 "
                "沢7 花7 芳7 林8 河8 治8 英8 美9 郎9 草9 高10 恵10 浩10 清11 陰11 部11 渡12 "
                "道12 陽12 葉12 鈴13 蓮13 橋16 澤16 藤18 藍18 鬱29 驫30 鸞30 臠25")

# --- The 113 extension kanji ---------------------------------------------------------
#
# A name program needs, first, the old and variant forms that people keep in their
# registered surnames and given names, and then characters that are themselves used in
# names. The list takes, in this order:
#   1. the 18 extension characters that are official jinmeiyō (name-use) forms;
#   2. compatibility ideographs that are old forms of kanji common in names (the
#      dotted 塚, 晴 with 青, 隆 with the extra stroke, 神 and 福 with 示, ...);
#   3. variant forms well known from surnames (髙橋, 山﨑, 草彅, 栁田, 濵田, 桒原, 靑木,
#      淸水, ...) and the Korean surnames 裵 and 曺;
#   4. the first ten characters of the extension block, which it holds for names
#      (鍈, 銈, 蓜, 俉, 昱, 棈, ...);
#   5. kanji found in given names (彧, 喆, 晙, 煜, 琦, 琪, 璟, 澈, ...).
# Compatibility ideographs are written as code points: they must not be folded into
# their unified counterparts, which are different characters with their own rows.
EXTENSION_KANJI = (
    # 1. jinmeiyō forms
    "增寬德\uF929橫瀨\uFA16\uFA19\uFA1A\uFA1B綠緖薰\uFA22賴郞\uFA26黑"
    # 2. old forms of common name kanji (compatibility ideographs)
    "\uFA10\uFA11\uFA12\uFA17\uFA18\uFA1C\uFA1D\uFA1E\uFA25\uF9DC\uFA2A\uFA2C\uFA2D\uFA15\uFA2B"
    # 3. surname variants
    "髙栁濵彅曻桒杦靑淸鄕昻敎悅冝閒兊裵曺\uFA14"
    # 4. head of the extension block
    "纊褜鍈銈蓜俉炻昱棈鋹"
    # 5. given-name kanji
    "彧喆晙煜琦琪璟澈誾蕙燁炫珉珣琇瑢璉晳昕昀昉昞昤暠倞偀侊埈崧寀楨淏湜渼瀅煇炅焄珖珵琮畯"
    "皜竑竫鈺鋐錡鏞顗驎"
)
EXTENSION_COUNT = 113


def fail(message):
    sys.exit("generate_stroke_table: " + message)


def parse_counts(text):
    pairs = []
    for item in text.split():
        m = re.fullmatch(r"(\D+)(\d+)", item)
        pairs.append((m.group(1), int(m.group(2))))
    return pairs


def cp932(char):
    """The CP932 code of a JIS X 0208 character or mark."""
    code = char.encode("cp932")
    if len(code) != 2 or code.decode("cp932") != char:
        fail("no two-byte CP932 code for " + char)
    return code


def kuten_to_cp932(row, cell):
    j1, j2 = row + 0x20, cell + 0x20
    lead = (j1 + 1) // 2 + 0x70
    if lead > 0x9F:
        lead += 0x40
    if j1 % 2:
        trail = j2 + 0x1F + (1 if j2 >= 0x60 else 0)
    else:
        trail = j2 + 0x7E
    return bytes([lead, trail])


def ibm_extension_codes():
    """Unicode character -> IBM extension code (lead byte 0xFA-0xFC)."""
    codes = {}
    for lead in (0xFA, 0xFB, 0xFC):
        for trail in range(0x40, 0xFD):
            if trail == 0x7F:
                continue
            code = bytes([lead, trail])
            try:
                char = code.decode("cp932")
            except UnicodeDecodeError:
                continue
            codes[char] = code
    return codes


def kana_group(plain, voiced):
    """The rows of one kana set, checking the voiced counts against the voicing rule."""
    plain_pairs = parse_counts(plain)
    voiced_pairs = parse_counts(voiced)
    if len(plain_pairs) != 48 or len(voiced_pairs) != 25:
        fail("kana lists must hold 48 plain and 25 voiced kana")
    base = dict(plain_pairs)
    for char, count in voiced_pairs:
        # Decomposing here only finds the plain kana and its mark to check the rule;
        # names are never normalised.
        plain_char, mark = unicodedata.normalize("NFD", char)
        expected = VOICED_EXCEPTIONS.get(char, base[plain_char] + (2 if mark == "\u3099" else 1))
        if count != expected:
            fail("%s counts %d but the voicing rule gives %d" % (char, count, expected))
    return plain_pairs + voiced_pairs


def kana_rows():
    pairs = (kana_group(PLAIN_HIRAGANA, VOICED_HIRAGANA) + parse_counts(MARKS)
             + kana_group(PLAIN_KATAKANA, VOICED_KATAKANA))
    if len(pairs) != 148:
        fail("expected 148 kana rows")
    return [(char, count, cp932(char), "") for char, count in pairs]


def load_kanjidic():
    """literal -> (stroke counts, JIS X 0208 kuten or None)."""
    entries = {}
    with gzip.open(KANJIDIC2) as stream:
        for _, element in ET.iterparse(stream):
            if element.tag != "character":
                continue
            literal = element.findtext("literal")
            counts = [int(s.text) for s in element.find("misc").findall("stroke_count")]
            kuten = None
            for cp in element.find("codepoint").findall("cp_value"):
                if cp.get("cp_type") == "jis208":
                    kuten = tuple(int(x) for x in cp.text.split("-"))[-2:]
            entries[literal] = (counts, kuten)
            element.clear()
    return entries


def load_adobe_counts():
    """character -> total strokes of its first Adobe-Japan1 glyph (radical + residual)."""
    counts = {}
    with bz2.open(UNIHAN_STROKES, "rt", encoding="utf-8") as stream:
        for line in stream:
            if not line.startswith("U+"):
                continue
            code, field, value = line.rstrip("\n").split("\t")
            if field != "kRSAdobe_Japan1_6":
                continue
            m = re.match(r"[CV]\+\d+\+\d+\.(\d+)\.(\d+)", value.split()[0])
            counts[chr(int(code[2:], 16))] = int(m.group(1)) + int(m.group(2))
    return counts


def kanji_rows(kanjidic, adobe):
    rows = []
    seen_levels = {1: 0, 2: 0}
    for row in range(16, 85):
        for cell in range(1, 95):
            code = kuten_to_cp932(row, cell)
            try:
                char = code.decode("cp932")
            except UnicodeDecodeError:
                continue
            level = 1 if row <= 47 else 2
            seen_levels[level] += 1
            if char == "丶":
                continue
            if char not in kanjidic:
                fail("KANJIDIC2 lacks " + char)
            counts, kuten = kanjidic[char]
            if kuten != (row, cell):
                fail("KANJIDIC2 places %s at %s, not %d-%d" % (char, kuten, row, cell))
            count, note = counts[0], ""
            if char in MODERN_FORM_OVERRIDES:
                count, reason = MODERN_FORM_OVERRIDES[char]
                if count not in counts[1:]:
                    fail("override %s %d is not among KANJIDIC2's alternates" % (char, count))
                note = "KANJIDIC2 alternate; " + reason
            rows.append((char, count, code, note))
    if seen_levels != {1: 2965, 2: 3390}:
        fail("unexpected JIS X 0208 kanji counts %s" % seen_levels)
    rows.append(("々", 3, cp932("々"), "iteration mark, not in KANJIDIC2"))

    ibm = ibm_extension_codes()
    if len(EXTENSION_KANJI) != EXTENSION_COUNT or len(set(EXTENSION_KANJI)) != EXTENSION_COUNT:
        fail("the extension list must hold %d different kanji, not %d" % (EXTENSION_COUNT, len(EXTENSION_KANJI)))
    for char in EXTENSION_KANJI:
        if char not in ibm:
            fail("%s (U+%04X) is not an extension kanji" % (char, ord(char)))
        if char not in adobe:
            fail("no Adobe-Japan1 count for " + char)
        count = adobe[char]
        if char not in kanjidic:
            note = "Adobe-Japan1; not in KANJIDIC2"
        elif kanjidic[char][0][0] != count:
            note = "Adobe-Japan1; KANJIDIC2 counts %d (historical form)" % kanjidic[char][0][0]
        else:
            note = "KANJIDIC2 and Adobe-Japan1 agree"
        rows.append((char, count, ibm[char], note))

    # 臠 appears twice.
    rows.append(("臠", 25, cp932("臠"), "second row of 臠"))

    for char, count, _, _ in rows:
        if not 1 <= count <= 30:
            fail("%s counts %d, outside 1 to 30" % (char, count))
    rows.sort(key=lambda r: (r[1], r[2]))
    return rows


def build_rows():
    kanjidic = load_kanjidic()
    adobe = load_adobe_counts()
    rows = kana_rows() + kanji_rows(kanjidic, adobe)
    if len(rows) != ROW_COUNT:
        fail("%d rows instead of %d" % (len(rows), ROW_COUNT))
    first = {}
    for char, count, _, _ in rows:
        first.setdefault(char, count)
    for char, count in parse_counts(TELLING_ROWS):
        if first.get(char) != count:
            fail("%s counts %s, not %d" % (char, first.get(char), count))
    return rows


def render(rows):
    out = [
        "// Generated by tools/stroke_table/generate_stroke_table.py. Do not edit by hand.",
        "// Kanji counts derived from KANJIDIC2 (EDRDG licence, CC BY-SA 3.0) and the",
        "// Adobe-Japan1 counts of Unihan; this table is distributed under the same terms",
        "// (docs/licenses/KANJIDIC2.md). Each row: count, CP932 lead byte, trail byte, 0.",
        '#include "stroke_table/kanji_stroke_table.h"',
        "",
        "namespace nuvaro::engine {",
        "",
        "const StrokeEntry KanjiStrokeTable[kKanjiStrokeRowCount] = {",
    ]
    for char, count, code, note in rows:
        comment = "U+%04X %s" % (ord(char), char)
        if note:
            comment += " (%s)" % note
        out.append("    {%d, 0x%02X, 0x%02X, 0},  // %s" % (count, code[0], code[1], comment))
    out += ["};", "", "}  // namespace nuvaro::engine", ""]
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed table only")
    args = parser.parse_args()
    text = render(build_rows())
    if args.check:
        with open(OUTPUT, encoding="utf-8") as stream:
            if stream.read() != text:
                fail(OUTPUT + " differs from the generator's output")
        print("up to date:", OUTPUT)
        return
    with open(OUTPUT, "w", encoding="utf-8") as stream:
        stream.write(text)
    print("wrote", OUTPUT)


if __name__ == "__main__":
    main()
