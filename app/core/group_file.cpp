#include "core/group_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <exception>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/import_text.h"
#include "core/written_lists.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"

namespace nuvaro::core {
namespace {

bool IsLead(char byte) { return platform::IsCp932LeadByte(static_cast<unsigned char>(byte)); }

// Length of the next piece: up to and including the first LF, at most kGroupLineBytes
// bytes, and never ending between a lead byte and its trail byte.
std::size_t NextPieceLength(std::string_view rest) {
  std::size_t limit = std::min(rest.size(), kGroupLineBytes);
  std::size_t lf = rest.substr(0, limit).find('\n');
  if (lf != std::string_view::npos) return lf + 1;
  if (limit == rest.size()) return limit;
  std::size_t safe = platform::Cp932SafePrefixLength(rest, limit);
  return safe > 0 ? safe : limit;
}

// Reads one piece as one line into the rows.
void ParsePiece(std::string_view piece, std::vector<Member>& rows) {
  std::string line;
  line.reserve(piece.size());
  for (char byte : piece) {
    if (byte != '\r') line += byte;
  }
  Member* row = nullptr;  // the row this line started
  int position = 0;       // 0 name, 1 sex, 2 age band (and every later field)
  std::string field;
  auto store = [&](int where) {
    if (where == 0) {
      rows.push_back(Member{field, {}, {}});
      row = &rows.back();
    } else if (row != nullptr) {
      if (where == 1) {
        row->SetSex(field);
      } else {
        row->SetAgeBand(field);
      }
    }
    field.clear();
  };
  for (std::size_t i = 0; i < line.size(); ++i) {
    char byte = line[i];
    if (IsLead(byte)) {
      field += byte;
      if (i + 1 < line.size()) field += line[++i];
      continue;
    }
    if (byte == ',') {
      store(position);
      if (position < 2) ++position;
    } else if (byte == '\n') {
      store(2);
      return;
    } else {
      field += byte;
    }
  }
  // A piece that ends without LF (a cut line, or the file's last line) ends its line.
  store(2);
}

// Removes what a cell cannot hold in a line of the file.
std::string CleanCell(std::string_view cell) {
  std::string clean;
  clean.reserve(cell.size());
  for (std::size_t i = 0; i < cell.size(); ++i) {
    char byte = cell[i];
    if (IsLead(byte)) {
      if (i + 1 < cell.size() && IsCp932TrailByte(static_cast<unsigned char>(cell[i + 1]))) {
        clean += byte;
        clean += cell[++i];
      }
      continue;
    }
    if (byte == '\r' || byte == '\n' || byte == ',') continue;
    clean += byte;
  }
  return clean;
}

}  // namespace

std::vector<Member> ParseGroupFile(std::string_view file) {
  const std::string ended = EndLoneCarriageReturns(file);
  std::string_view bytes = ended;
  std::vector<Member> rows;
  while (!bytes.empty()) {
    std::size_t length = NextPieceLength(bytes);
    ParsePiece(bytes.substr(0, length), rows);
    bytes.remove_prefix(length);
  }
  return rows;
}

Member FitMemberForFile(const Member& member) {
  // Two separators and CR LF leave this much for the three cells.
  const std::size_t room = kGroupLineBytes - 4;
  const std::string name = CleanCell(member.Name());
  const std::string sex = CleanCell(member.Sex());
  const std::string ageBand = CleanCell(member.AgeBand());
  auto total = [&](std::size_t cap) {
    return std::min(name.size(), cap) + std::min(sex.size(), cap) + std::min(ageBand.size(), cap);
  };
  if (name.size() + sex.size() + ageBand.size() <= room) return Member{name, sex, ageBand};
  // Cut the longest cells first: the largest cap every cell may keep so that all fit.
  std::size_t cap = 0;
  while (cap < room && total(cap + 1) <= room) ++cap;
  return Member{CutText(name, cap), CutText(sex, cap), CutText(ageBand, cap)};
}

std::string FormatGroupFile(const std::vector<Member>& rows) {
  std::string bytes;
  for (const Member& row : rows) {
    bytes += MemberText(FitMemberForFile(row));
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::string> ReadListFile(const std::string& path) {
  if (!platform::FileExists(path)) return std::nullopt;
  try {
    return platform::ReadWholeFile(path);
  } catch (const std::exception&) {
    return std::nullopt;  // a read error reported by the stream library
  }
}

std::optional<std::vector<Member>> ReadGroupFile(const std::string& path) {
  auto bytes = ReadListFile(path);
  if (!bytes) return std::nullopt;
  return ParseGroupFile(*bytes);
}

ListFileContent ReadGroupFileChecked(const std::string& path) {
  ListFileContent content;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    content.state = errno == ELOOP ? ListFileState::LinkLoop
                    : errno == ENOENT || errno == ENOTDIR ? ListFileState::Missing
                                                          : ListFileState::Unreadable;
    return content;
  }
  if (S_ISDIR(info.st_mode)) {
    content.state = ListFileState::Folder;
    return content;
  }
  if (!S_ISREG(info.st_mode)) {
    content.state = ListFileState::NotRegular;
    return content;
  }
  auto bytes = ReadListFile(path);
  if (!bytes) {
    content.state = ListFileState::Unreadable;
    return content;
  }
  if (WrittenListRecord(path).Holds(path, *bytes)) {
    // The program's own file, read back as written: no guessing at its encoding.
    content.state = ListFileState::Read;
    content.rows = ParseGroupFile(*bytes);
    content.bytes = std::move(*bytes);
    return content;
  }
  auto text = ImportTextAsCp932(*bytes);
  if (!text) {
    // Shown as well as it can be, and never written over.
    content.state = ListFileState::NotText;
    content.rows = ParseGroupFile(*bytes);
    content.bytes = std::move(*bytes);
    return content;
  }
  content.state = !text->fromUtf8 ? ListFileState::Read
                  : text->replaced > 0 ? ListFileState::Unstorable
                                       : ListFileState::FromUtf8;
  content.rows = ParseGroupFile(text->cp932);
  content.bytes = std::move(*bytes);
  return content;
}

bool IsWritableListState(ListFileState state) {
  return state == ListFileState::Missing || state == ListFileState::Read || state == ListFileState::FromUtf8;
}

std::string ListFileStateMessage(ListFileState state, const std::string& path) {
  std::string_view format;
  switch (state) {
    case ListFileState::Missing:
    case ListFileState::Read:
    case ListFileState::FromUtf8:
      return {};
    case ListFileState::Unstorable: format = texts::kListUnstorableFormat; break;
    case ListFileState::NotText: format = texts::kListNotTextFormat; break;
    case ListFileState::Folder: format = texts::kListIsFolderFormat; break;
    case ListFileState::NotRegular: format = texts::kListNotRegularFormat; break;
    case ListFileState::LinkLoop: format = texts::kListLinkLoopFormat; break;
    case ListFileState::Unreadable: format = texts::kListUnreadableFormat; break;
  }
  return FormatText(format, DisplayPath(path)) + std::string(texts::kListReadOnlySuffix);
}

std::string BackupPathFor(const std::string& path) {
  // A file-system path, whatever the encoding of its folder names: neither '/' nor '.'
  // can be the second byte of a two-byte character, so plain byte searches find them,
  // while a character-by-character walk would swallow the '/' after a UTF-8 folder name.
  std::size_t separator = path.rfind('/');
  std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return path + ".bak";
  return path.substr(0, dot + 1) + "bak";
}

bool WriteGroupFile(const std::string& path, const std::vector<Member>& rows, std::string* failedPath) {
  return SaveGroupFile(path, rows, failedPath) == platform::SaveOutcome::Saved;
}

platform::SaveOutcome SaveGroupFile(const std::string& path, const std::vector<Member>& rows,
                                    std::string* failedPath) {
  auto fail = [&](const std::string& which) {
    if (failedPath != nullptr) *failedPath = which;
    return platform::SaveOutcome::NotSaved;
  };
  // The list is replaced only once its previous content is safe in the backup.
  if (platform::PathExists(path)) {
    std::string backup = BackupPathFor(path);
    auto previous = ReadListFile(path);
    if (!previous) return fail(path);
    // A backup in place whose folder could not be flushed is as safe as the list will
    // be: the list's own save tells whether the folder flushes.
    if (platform::SaveWholeFile(backup, *previous) == platform::SaveOutcome::NotSaved) return fail(backup);
  }
  const std::string bytes = FormatGroupFile(rows);
  RememberWrittenList(path, bytes);
  const platform::SaveOutcome outcome = platform::SaveWholeFile(path, bytes);
  if (outcome != platform::SaveOutcome::Saved && failedPath != nullptr) *failedPath = path;
  return outcome;
}

}  // namespace nuvaro::core
