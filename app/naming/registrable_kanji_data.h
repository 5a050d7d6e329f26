// The kanji a birth registration accepts in a given name, generated from the grades of
// KANJIDIC2 by tools/given_names/. UTF-8, in code-point order.
#pragma once

namespace nuvaro::naming {

extern const char kJouyouKanji[];     // the 2,136 jōyō kanji
extern const char kJinmeiyouKanji[];  // the 863 jinmeiyō kanji

}  // namespace nuvaro::naming
