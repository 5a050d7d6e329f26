// Reading the texts a plug-in hands out. The program cannot trust a plug-in to end its
// texts or keep them short, so every text is copied with a bound: at most that many
// bytes are looked at for the terminator, and a longer text is cut there on a character
// boundary. A faulty plug-in can spoil its own texts but cannot make the program read
// without end or lay out megabytes of text.
#pragma once

#include <cstddef>
#include <string>

namespace nuvaro::core {

// Captions, headings, labels, titles and balloon texts: one line or a few.
inline constexpr std::size_t kPluginShortTextBytes = 4 * 1024;
// Detail texts and the explanations shown in dialogs.
inline constexpr std::size_t kPluginLongTextBytes = 64 * 1024;

// A copy of the text (CP932): empty for a null pointer, otherwise the bytes before the
// terminator, or the first `bound` bytes (minus a lead byte cut from its trail byte)
// when there is no terminator among them.
std::string ReadPluginText(const char* text, std::size_t bound);

}  // namespace nuvaro::core
