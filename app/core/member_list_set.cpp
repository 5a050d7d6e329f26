#include "core/member_list_set.h"

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/group_file.h"
#include "core/import_text.h"
#include "core/list_backup_sets.h"
#include "core/member_groups.h"
#include "core/member_import.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/core/message_sink.h"

namespace nuvaro::core {
namespace {

void ShowCannotOpen(const std::string& path) {
  platform::ShowMessageBox(nullptr, DisplayPath(path) + std::string(texts::kCannotOpenSuffix), texts::kApplicationTitle);
}

void ShowMessage(std::string_view text) { platform::ShowMessageBox(nullptr, text, texts::kApplicationTitle); }

}  // namespace

MemberListSet::MemberListSet() {
  for (const MemberGroup& group : MemberGroups()) pages_.emplace_back(std::string(group.fileName));
}

MemberListSet::MemberListSet(const std::vector<std::string>& fileNames) {
  for (const std::string& name : fileNames) pages_.emplace_back(name);
}

void MemberListSet::ReloadAll() {
  for (MemberList& page : pages_) {
    page.Clear();
    page.Load();
  }
}

bool MemberListSet::Import(const std::string& path) {
  if (pages_.empty()) {
    ShowMessage(texts::kNoImportFiles);
    return false;
  }
  auto bytes = ReadListFile(path);
  if (!bytes) {
    ShowCannotOpen(path);
    return false;
  }
  auto text = ImportTextAsCp932(*bytes);
  auto lineCount = text ? ValidateImportText(text->cp932) : std::nullopt;
  if (!lineCount) {
    ShowMessage(texts::kImportFailed);
    ReloadAll();  // the pages always show what the list files hold
    return false;
  }
  // Every list is replaced: ask first, and keep the lists as they were in a dated set.
  if (platform::ShowMessageBox(nullptr, texts::kImportConfirm, texts::kConfirmCaption, platform::MessageButtons::YesNo) !=
      platform::kIdYes) {
    return false;
  }
  std::vector<std::string> listPaths;
  for (const MemberList& page : pages_) listPaths.push_back(page.FilePath());
  const auto backup = MakeListBackupSet(listPaths);
  if (!backup) {
    ShowMessage(texts::kImportBackupFailed);
    return false;
  }
  if (text->replaced > 0) ShowMessage(FormatNumber(texts::kImportReplacedFormat, text->replaced));
  std::vector<std::vector<Member>> groups = DistributeImport(text->cp932, pages_.size());
  bool written = true;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    std::string failedPath;
    if (!WriteGroupFile(pages_[i].FilePath(), groups[i], &failedPath)) {
      ShowCannotOpen(failedPath);
      written = false;
      break;
    }
  }
  ReloadAll();
  if (written) ShowMessage(ImportReport(groups, *lineCount, *backup));
  return written;
}

std::string MemberListSet::ImportReport(const std::vector<std::vector<Member>>& groups, std::size_t lineCount,
                                        const std::string& backupFolder) const {
  std::string report(texts::kImportDoneHeading);
  report += '\n';
  std::size_t taken = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const std::string label = i < MemberGroups().size() ? std::string(MemberGroups()[i].tabLabel) : pages_[i].FileName();
    if (i > 0) report += texts::kImportCountSeparator;
    report += FormatNumber(FormatText(texts::kImportCountFormat, label), static_cast<int>(groups[i].size()));
    taken += groups[i].size();
  }
  if (lineCount > taken) {
    report += '\n';
    report += FormatNumber(texts::kImportDroppedFormat, static_cast<int>(lineCount - taken));
  }
  report += '\n';
  report += FormatText(texts::kImportBackupFormat, DisplayPath(backupFolder));
  return report;
}

bool MemberListSet::Export(const std::string& path, ExportEncoding encoding) {
  if (pages_.empty()) {
    ShowMessage(texts::kNoExportFiles);
    return false;
  }
  // Everything is read before the target is written, so exporting onto one of the list
  // files themselves cannot lose the lists after it.
  std::string joined;
  bool complete = true;
  std::string unreadable;
  for (const MemberList& page : pages_) {
    auto bytes = ReadListFile(page.FilePath());
    if (!bytes) {
      complete = false;
      unreadable = page.FilePath();
      break;
    }
    joined += *bytes;
    // A hand-edited list may lack its last line end; without one its last member and
    // the next list's first member would run together into one line.
    if (!joined.empty() && joined.back() != '\n') joined += "\r\n";
  }
  if (encoding == ExportEncoding::Utf8) joined = std::string(kUtf8ByteOrderMark) + platform::Cp932ToUtf8Lossy(joined);
  if (!platform::WriteWholeFileSafely(path, joined)) {
    ShowCannotOpen(path);
    return false;
  }
  if (!complete) {
    ShowCannotOpen(unreadable);
    return false;
  }
  // The file's name after the last '/' of the file-system path (a byte that never ends a
  // two-byte character, so any folder names before it are skipped whole).
  std::size_t separator = path.rfind('/');
  std::string shownName = separator == std::string::npos ? path : path.substr(separator + 1);
  if (shownName.empty()) shownName = path;
  shownName = DisplayPath(shownName);
  ShowMessage(FormatText(texts::kExportedFormat, shownName));
  return true;
}

}  // namespace nuvaro::core
