// What a birth registration accepts in a given name: the jōyō and jinmeiyō kanji (the
// jinmeiyō list as amended on 2017-09-25), hiragana, katakana, and ー 々 ゝ ゞ. This is
// the one place that answers it; the finder's candidates and the gentle note at
// registration both ask here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::naming {

// KanjiMark is 々; KanaMark is one of ー ゝ ゞ.
enum class CharacterKind { JouyouKanji, JinmeiyouKanji, KanjiMark, Hiragana, Katakana, KanaMark, Other };

// The kind of one CP932 character (one or two bytes); Other for anything else.
CharacterKind KindOfCharacter(std::string_view cp932Character);

// Whether a registration accepts the character in a given name.
bool IsRegistrableCharacter(std::string_view cp932Character);

// Whether the character is a kanji (or 々) rather than kana.
bool IsKanjiCharacter(std::string_view cp932Character);

// The characters of a CP932 name, one per element (a lead byte with its trail byte).
std::vector<std::string_view> SplitCp932Characters(std::string_view cp932);

// The characters of a given name that a registration does not accept, each once, in order.
std::vector<std::string> UnregistrableCharacters(std::string_view cp932GivenName);

}  // namespace nuvaro::naming
