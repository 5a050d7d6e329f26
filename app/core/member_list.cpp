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
  Member member{JoinFullName(form.surname, form.givenName),
                std::string(form.sexIndex == 0 ? texts::kMale : texts::kFemale), std::string(ageBand)};
  return FitMemberForFile(member);
}

}  // namespace

MemberList::MemberList(std::string fileName) : fileName_(std::move(fileName)) {}

std::string MemberList::FilePath() const { return platform::DataFile(fileName_); }

void MemberList::Load() {
  auto rows = ReadGroupFile(FilePath());
  if (!rows) return;
  rows_.insert(rows_.end(), rows->begin(), rows->end());
}

bool MemberList::Save(std::vector<Member> previousRows) {
  std::string failedPath;
  if (WriteGroupFile(FilePath(), rows_, &failedPath)) return true;
  // Nothing was written: show what the file holds, so no row on screen is missing from
  // it after a restart (the rows from before the change when it cannot be read).
  auto onDisk = ReadGroupFile(FilePath());
  rows_ = onDisk ? std::move(*onDisk) : std::move(previousRows);
  platform::ShowMessageBox(nullptr,
                           DisplayPath(failedPath) + std::string(texts::kCannotOpenSuffix) + "\n" +
                               std::string(texts::kChangesNotSaved),
                           texts::kApplicationTitle);
  return false;
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
  int row = -1;
  for (int selected : selectedRows) {
    if (selected >= 0 && selected < RowCount() && (row < 0 || selected < row)) row = selected;
  }
  if (row < 0) {
    platform::ShowMessageBox(nullptr, texts::kSelectToCorrect, texts::kApplicationTitle);
    return std::nullopt;
  }
  const Member& member = rows_[static_cast<std::size_t>(row)];
  NameParts parts = SplitFullName(member.name);
  CorrectionRequest request;
  request.row = row;
  request.form.surname = parts.surname;
  request.form.givenName = parts.givenName;
  request.form.sexIndex = IsMaleSex(member.sex) ? 0 : 1;
  request.form.ageBand = member.ageBand;
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
