// The bytes of a file chosen for the import, as the CP932 text the member lists hold.
// Lists saved by this program are CP932; a CSV saved by a spreadsheet or an editor today
// is UTF-8, and is converted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::core {

// The byte-order mark a UTF-8 file may start with.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A character of a UTF-8 file that CP932 cannot hold, and the line it stood on.
struct UnstorableCharacter {
  std::size_t line = 0;  // 1 for the first line
  std::string utf8;
};

struct ImportText {
  std::string cp932;
  bool fromUtf8 = false;  // the file was read as UTF-8 and converted
  int replaced = 0;       // characters CP932 cannot hold, each written as "？"
  std::vector<UnstorableCharacter> unstorable;  // those characters, in file order
};

// Length of the valid UTF-8 sequence starting at text[at], or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// The text with every CR that is not followed by LF turned into CR LF: a file saved with
// the old Macintosh line ends reads as lines, not as one long line.
std::string EndLoneCarriageReturns(std::string_view text);

// A file that holds only ASCII, or valid CP932 that is not valid UTF-8, is taken as it
// is. Valid UTF-8 with other characters (a byte-order mark dropped) is converted
// character by character; such a file is almost never meant as CP932, where most kanji
// pairs are not valid UTF-8. The exception is a file without a byte-order mark whose
// UTF-8 reading holds not one Japanese character while it is valid CP932: that is CP932
// whose bytes happen to pass as UTF-8 (a list this program wrote reads back as written).
// Nothing for a file that is neither.
std::optional<ImportText> ImportTextAsCp932(std::string_view bytes);

}  // namespace nuvaro::core
