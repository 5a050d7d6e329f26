"""The rules of tools/given_names/generate_given_names.py on a few dictionary lines: which
entries become candidates, with which sex, and how duplicates merge."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools", "given_names"))
import generate_given_names as generator  # noqa: E402

KANJIDIC = """<kanjidic2>
<character><literal>花</literal><misc><grade>1</grade></misc></character>
<character><literal>華</literal><misc><grade>8</grade></misc></character>
<character><literal>凜</literal><misc><grade>9</grade></misc></character>
<character><literal>髙</literal><misc></misc></character>
</kanjidic2>""".encode()

STROKES = "\n".join(f"    {{7, 0x89, 0xD4, 0}},  // U+0000 {c}" for c in "花華凜髙はなりんハナー")

LINES = [
    "花 [はな] /(p,s,f) Hana/",
    "花 [はな] /(m) Hana/",           # merged with the line above: both sexes
    "華 [はな] /(f,s) Hana/",
    "華 [か] /(s,g) Ka/",             # g: both sexes
    "凜 [りん] /(u) Rin/",            # unclassified: left out
    "凜 [りん] /(s) Rin/",            # surname only
    "髙 [たか] /(m) Taka/",           # not registrable
    "ハナ /(f) Hana/",                # kana name: its reading is its writing in hiragana
    "はなゃ /(f) Hanya/",             # ゃ has no stroke count
    "花華凜花 [はなかりんか] /(f) X/",  # four characters
    "花 [ハナ] /(f) Hana/",           # a reading that is not hiragana
    "巫 [みこ] /(f) Miko/",           # not in this KANJIDIC
]


class GeneratorRules(unittest.TestCase):
    def setUp(self):
        jouyou, jinmeiyou = generator.load_registrable_kanji(KANJIDIC)
        self.assertEqual((jouyou, jinmeiyou), (["花", "華"], ["凜"]))
        self.found = generator.candidates(LINES, set(jouyou) | set(jinmeiyou), generator.load_countable(STROKES))

    def test_candidates_and_sexes(self):
        self.assertEqual(self.found, {
            ("花", "はな"): "b",
            ("華", "はな"): "f",
            ("華", "か"): "b",
            ("ハナ", "はな"): "f",
        })

    def test_generated_lines_are_sorted_and_escaped(self):
        source = generator.names_source(self.found)
        self.assertIn('    "ハナ\\tはな\\tf\\n"\n    "花\\tはな\\tb\\n"', source)


if __name__ == "__main__":
    unittest.main()
