// The member text on its way from a member list to the board. Inside the program it
// travels as CP932 bytes in a format of our own; the same text is offered as plain
// UTF-8 text, so other programs can take it and the board can take a "name,sex,age band"
// line dragged from them.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QMimeData;

namespace nuvaro::ui {

// The program's own format: the member text as CP932 bytes, no line end.
inline constexpr char kMemberMimeType[] = "application/x-nuvaro-member";

// Drag data holding the member text (CP932) in both formats.
QMimeData* MemberDragData(std::string_view memberTextCp932);

// True when the data may carry a member text (our format, or any plain text).
bool MayHoldMemberText(const QMimeData* data);

// The member text (CP932) carried by the data: our format as it is; otherwise the
// first non-empty line of the plain text, without its line end, converted to CP932.
// Nothing when there is no text, or the text has a character CP932 cannot hold.
std::optional<std::string> MemberTextFromDragData(const QMimeData* data);

}  // namespace nuvaro::ui
