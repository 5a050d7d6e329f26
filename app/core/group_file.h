// The member list file of one group: one member per line, "name,sex,age band" and CR LF,
// CP932, no header, no quoting. Reading and writing agree on every byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/member.h"
#include "platform/core/file_system.h"

namespace nuvaro::core {

// Longest line of a group file, line end included. Longer lines of a file edited by
// hand are read as several lines of at most this length.
inline constexpr std::size_t kGroupLineBytes = 127;

// The rows a group file's bytes hold. Pieces of at most 127 bytes (cut after an LF, or
// before a character that would not fit), every CR dropped; in each piece "," ends a
// field and LF ends the last one. The first field appends a row (its name), the second
// sets the sex, the third and every later one the age band, and the field ended by the
// line end is always the age band. A CR not followed by LF ends a line (a file with
// the old Macintosh line ends); every other CR is dropped. A line without any "," starts no row and leaves
// other rows alone; a last line without LF is read like one with it.
std::vector<Member> ParseGroupFile(std::string_view bytes);

// A member as it can be stored: CR, LF and "," removed from each cell (they would break
// the line), a lead byte without a valid trail byte dropped, and the cells cut on
// character boundaries so that the line with its CR LF fits 127 bytes. The longest
// cells are cut first, so a usual sex and age band stay whole beside a long name.
Member FitMemberForFile(const Member& member);

// The bytes of a group file holding the rows in order (each fitted as above).
std::string FormatGroupFile(const std::vector<Member>& rows);

// The bytes of a list (or import) file; nothing when it is missing, is not a regular
// file (a folder of that name) or cannot be read.
std::optional<std::string> ReadListFile(const std::string& path);

// The rows of the file, or nothing when it cannot be opened.
std::optional<std::vector<Member>> ReadGroupFile(const std::string& path);

// What reading a list file found. Only a missing file or one read whole (CP932, or
// UTF-8 converted as the import converts it) may be written over; every other state
// keeps the list read-only so the file is never overwritten.
enum class ListFileState {
  Missing,      // no file of that name: an empty list
  Read,         // CP932 (or plain ASCII)
  FromUtf8,     // UTF-8 that CP932 holds whole, converted
  Unstorable,   // UTF-8 with characters CP932 cannot hold (shown as "？")
  NotText,      // neither CP932 nor UTF-8
  Folder,       // a folder of that name
  NotRegular,   // a FIFO, a device, a socket
  LinkLoop,     // symbolic links that never end
  Unreadable,   // no permission, or a read error
};

struct ListFileContent {
  ListFileState state = ListFileState::Missing;
  std::vector<Member> rows;
  std::string bytes;  // the file's bytes as read (empty unless read)
};

// Reads a list file and says what it found. A lone CR ends a line as LF does. A file that
// holds one of the program's own last writes of it (written_lists.h) is read as the CP932
// it was written as; only other files have their encoding guessed.
ListFileContent ReadGroupFileChecked(const std::string& path);

// True for the states whose file may be written over.
bool IsWritableListState(ListFileState state);

// The message for a state that keeps a list read-only (CP932, with the file's name and
// what was done); empty for the writable states.
std::string ListFileStateMessage(ListFileState state, const std::string& path);

// Where the previous content of a list file is kept: its extension replaced by "bak"
// (friend.lst -> friend.bak; a name without extension gets ".bak" appended).
std::string BackupPathFor(const std::string& path);

// Copies the existing file to its backup (a missing file leaves none), then writes the
// new content to a temporary file renamed over the list, so a failed write leaves the
// old list whole. When the backup cannot be made (or the old list cannot be read for
// it) the list is not touched; a backup written whose folder could not be flushed does
// not stop the save. False on failure, with the path of the file that could
// not be read or written in failedPath.
bool WriteGroupFile(const std::string& path, const std::vector<Member>& rows, std::string* failedPath = nullptr);

// The same, telling a list that is in place but whose folder could not be flushed
// (SavedNotFlushed) apart from one that was not written at all. The new bytes go into
// the record of written lists before the list is replaced.
platform::SaveOutcome SaveGroupFile(const std::string& path, const std::vector<Member>& rows,
                                    std::string* failedPath = nullptr);

}  // namespace nuvaro::core
