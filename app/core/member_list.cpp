#include "core/member_list.h"

#include <algorithm>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/group_file.h"
#include "core/member_groups.h"
#include "platform/core/data_folder.h"
#include "platform/core/message_sink.h"
#include "platform/core/paths.h"

namespace nuvaro::core {
namespace {

// The row a dialog describes, in the form the file can hold (so the page shows what a
// reload would show).
Member MemberFromForm(const MemberForm& form, std::string_view ageBand) {
  Member member{JoinFullName(form.surname, form.givenName), form.sexIndex == 0 ? texts::kMale : texts::kFemale,
                ageBand};
  return FitMemberForFile(member);
}

}  // namespace

MemberList::MemberList(std::string fileName) : fileName_(std::move(fileName)) {}

std::string MemberList::FilePath() const { return platform::DataFile(fileName_); }

MemberList::Fingerprint MemberList::FingerprintOf(ListFileState state, std::string_view bytes) {
  return Fingerprint{state, FingerprintOfList(bytes)};
}

void MemberList::Load() {
  ListFileContent content = ReadGroupFileChecked(FilePath());
  state_ = content.state;
  fingerprint_ = FingerprintOf(content.state, content.bytes);
  rows_.insert(rows_.end(), content.rows.begin(), content.rows.end());
  const std::string problem = ListFileStateMessage(state_, FilePath());
  if (!problem.empty()) platform::ShowMessageBox(nullptr, problem, texts::kApplicationTitle);
}

bool MemberList::Save(std::vector<Member> previousRows) {
  if (!Writable()) {
    rows_ = std::move(previousRows);
    if (!RefusedWhileHeld()) platform::ShowMessageBox(nullptr, texts::kListReadOnlyRefused, texts::kApplicationTitle);
    return false;
  }
  if (fingerprint_) {
    ListFileContent now = ReadGroupFileChecked(FilePath());
    if (FingerprintOf(now.state, now.bytes) != *fingerprint_) {
      // Another copy of the program or an editor wrote the file: its members win, and
      // the change made here is done again by the user on top of them.
      rows_ = std::move(now.rows);
      state_ = now.state;
      fingerprint_ = FingerprintOf(now.state, now.bytes);
      std::string message = FormatText(texts::kListChangedOutsideFormat, DisplayPath(fileName_));
      const std::string problem = ListFileStateMessage(state_, FilePath());
      if (!problem.empty()) message += "\n" + problem;
      platform::ShowMessageBox(nullptr, message, texts::kApplicationTitle);
      return false;
    }
  }
  std::string failedPath;
  const platform::SaveOutcome outcome = SaveGroupFile(FilePath(), rows_, &failedPath);
  if (outcome != platform::SaveOutcome::NotSaved) {
    state_ = ListFileState::Read;
    fingerprint_ = FingerprintOf(state_, FormatGroupFile(rows_));
  }
  if (outcome == platform::SaveOutcome::Saved) return true;
  if (outcome == platform::SaveOutcome::SavedNotFlushed) {
    // The file holds the change; only its durability is in doubt.
    platform::ShowMessageBox(nullptr, FormatText(texts::kSavedNotFlushedFormat, DisplayPath(failedPath)),
                             texts::kApplicationTitle);
    return true;
  }
  // Nothing was written: show what the file holds, so no row on screen is missing from
  // it after a restart (the rows from before the change when it cannot be read).
  ListFileContent onDisk = ReadGroupFileChecked(FilePath());
  const bool readable = onDisk.state != ListFileState::Unreadable && onDisk.state != ListFileState::LinkLoop;
  rows_ = readable ? std::move(onDisk.rows) : std::move(previousRows);
  if (readable) fingerprint_ = FingerprintOf(onDisk.state, onDisk.bytes);
  platform::ShowMessageBox(nullptr,
                           DisplayPath(failedPath) + std::string(texts::kCannotOpenSuffix) + "\n" +
                               std::string(texts::kChangesNotSaved),
                           texts::kApplicationTitle);
  return false;
}

bool MemberList::RefusedWhileHeld() const {
  if (!heldUntilRestart_) return false;
  platform::ShowMessageBox(nullptr, texts::kListHeldAfterImport, texts::kApplicationTitle);
  return true;
}

MemberForm MemberList::NewMemberForm() { return MemberForm{}; }

bool MemberList::Register(int firstSelectedRow, const MemberForm& form) {
  if (form.surname.empty() || form.givenName.empty()) {
    platform::ShowMessageBox(nullptr, texts::kNamesRequired, texts::kApplicationTitle);
    return false;
  }
  Member member = MemberFromForm(form, form.ageBand.empty() ? kDefaultAgeBand : std::string_view(form.ageBand));
  std::size_t at = firstSelectedRow < 0 ? 0 : std::min(static_cast<std::size_t>(firstSelectedRow), rows_.size());
  std::vector<Member> previous = rows_;
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(member));
  Save(std::move(previous));
  return true;
}

std::optional<CorrectionRequest> MemberList::BeginCorrection(const std::vector<int>& selectedRows) const {
  if (RefusedWhileHeld()) return std::nullopt;
  int row = -1;
  for (int selected : selectedRows) {
    if (selected >= 0 && selected < RowCount() && (row < 0 || selected < row)) row = selected;
  }
  if (row < 0) {
    platform::ShowMessageBox(nullptr, texts::kSelectToCorrect, texts::kApplicationTitle);
    return std::nullopt;
  }
  const Member& member = rows_[static_cast<std::size_t>(row)];
  NameParts parts = SplitFullName(member.Name());
  CorrectionRequest request;
  request.row = row;
  request.form.surname = parts.surname;
  request.form.givenName = parts.givenName;
  request.form.sexIndex = IsMaleSex(member.Sex()) ? 0 : 1;
  request.form.ageBand = member.AgeBand();
  return request;
}

bool MemberList::Correct(const CorrectionRequest& request) {
  if (request.row < 0 || request.row >= RowCount()) return false;
  if (request.form.surname.empty() || request.form.givenName.empty()) return false;
  std::vector<Member> previous = rows_;
  rows_[static_cast<std::size_t>(request.row)] = MemberFromForm(request.form, request.form.ageBand);
  Save(std::move(previous));
  return true;
}

bool MemberList::DeleteSelected(const std::vector<int>& selectedRows) {
  std::vector<int> rows;
  for (int selected : selectedRows) {
    if (selected >= 0 && selected < RowCount()) rows.push_back(selected);
  }
  if (rows.empty()) {
    platform::ShowMessageBox(nullptr, texts::kSelectToDelete, texts::kApplicationTitle);
    return false;
  }
  if (RefusedWhileHeld()) return false;
  if (platform::ShowMessageBox(nullptr, texts::kConfirmDelete, texts::kConfirmCaption,
                               platform::MessageButtons::YesNo) != platform::kIdYes) {
    return false;
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<Member> previous = rows_;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) rows_.erase(rows_.begin() + *it);
  Save(std::move(previous));
  return true;
}

std::string MemberList::DragText(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return MemberText(rows_[static_cast<std::size_t>(row)]);
}

}  // namespace nuvaro::core
