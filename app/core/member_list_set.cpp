#include "core/member_list_set.h"

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/group_file.h"
#include "core/import_text.h"
#include "core/list_backup_sets.h"
#include "core/list_export_format.h"
#include "core/list_replacement.h"
#include "core/member_groups.h"
#include "core/member_import.h"
#include "core/unstorable_characters.h"
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
  if (text) text->cp932 = EndLoneCarriageReturns(text->cp932);
  // A file of our own export goes back list by list; any other file is shared out.
  auto ownExport = text ? ParseListExport(text->cp932, pages_.size(), text->fromUtf8) : std::nullopt;
  auto lineCount = ownExport ? std::optional<std::size_t>(0) : text ? ValidateImportText(text->cp932) : std::nullopt;
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
  if (!text->unstorable.empty()) {
    platform::ShowMessageBoxUtf8(nullptr, UnstorableInImportMessage(text->unstorable, text->cp932),
                                 texts::kApplicationTitle);
  }
  std::vector<std::vector<Member>> groups =
      ownExport ? std::move(*ownExport) : DistributeImport(text->cp932, pages_.size());
  if (ownExport) {
    for (const auto& group : groups) *lineCount += group.size();
  }
  const ListReplacement replacement = ReplaceListsWhole(listPaths, groups, *backup);
  if (!replacement.replaced) {
    ShowCannotOpen(replacement.failedPath);
    ShowMessage(replacement.listsChanged ? StoppedImportReport(replacement, *backup)
                                         : std::string(texts::kImportNothingChanged));
    if (replacement.listsChanged) {
      for (MemberList& page : pages_) page.HoldUntilRestart();
    }
    ReloadAll();
    return false;
  }
  for (MemberList& page : pages_) page.ReleaseHold();
  ReloadAll();
  ShowMessage(ImportReport(groups, *lineCount, *backup));
  return true;
}

std::string MemberListSet::ImportReport(const std::vector<std::vector<Member>>& groups, std::size_t lineCount,
                                        const std::string& backupFolder) const {
  std::string report(texts::kImportDoneHeading);
  report += '\n';
  std::size_t taken = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (i > 0) report += texts::kImportCountSeparator;
    report += FormatNumber(FormatText(texts::kImportCountFormat, PageLabel(i)), static_cast<int>(groups[i].size()));
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

std::string MemberListSet::StoppedImportReport(const ListReplacement& replacement,
                                               const std::string& backupFolder) const {
  std::string replaced;
  std::string pending;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    std::string& names = i < replacement.holdsNew.size() && replacement.holdsNew[i] ? replaced : pending;
    if (!names.empty()) names += texts::kImportListNameSeparator;
    names += PageLabel(i);
  }
  std::string report(texts::kImportStoppedHeading);
  report += '\n' + FormatText(texts::kImportListsReplacedFormat, replaced.empty() ? texts::kImportNoLists : replaced);
  report += '\n' + FormatText(texts::kImportListsPendingFormat, pending.empty() ? texts::kImportNoLists : pending);
  report += '\n' + std::string(texts::kImportRestOnNextStart);
  report += '\n' + FormatText(texts::kImportBackupFormat, DisplayPath(backupFolder));
  report += std::string(texts::kImportRestoreAdvice);
  return report;
}

std::string MemberListSet::PageLabel(std::size_t index) const {
  return index < MemberGroups().size() ? std::string(MemberGroups()[index].tabLabel) : pages_[index].FileName();
}

bool MemberListSet::Export(const std::string& path, ExportEncoding encoding) {
  if (pages_.empty()) {
    ShowMessage(texts::kNoExportFiles);
    return false;
  }
  // Everything is read before the target is written, so exporting onto one of the list
  // files themselves cannot lose the lists after it.
  std::vector<std::vector<Member>> lists;
  bool complete = true;
  std::string unreadable;
  for (const MemberList& page : pages_) {
    ListFileContent content = ReadGroupFileChecked(page.FilePath());
    if (content.state == ListFileState::Missing || content.state == ListFileState::Unreadable ||
        content.state == ListFileState::LinkLoop ||
        content.state == ListFileState::Folder || content.state == ListFileState::NotRegular) {
      complete = false;
      unreadable = page.FilePath();
      break;
    }
    lists.push_back(std::move(content.rows));
  }
  const std::string exported =
      encoding == ExportEncoding::Utf8 ? FormatListExportUtf8(lists) : FormatListExport(lists);
  if (!platform::WriteWholeFileSafely(path, exported)) {
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
