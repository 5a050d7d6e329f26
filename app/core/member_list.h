// One member list page: the rows of one group, bound to its list file beside the
// program, with the register / correct / delete flows. Every change is written to the
// file at once. The page window shows Rows() and passes its selection in.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/group_file.h"
#include "core/member.h"
#include "core/written_lists.h"

namespace nuvaro::core {

// What the registration dialog holds.
struct MemberForm {
  std::string surname;    // CP932
  std::string givenName;  // CP932
  int sexIndex = 0;       // 0 "男性", 1 "女性"
  std::string ageBand;    // the combo text, CP932
};

// The dialog contents and the row a correction applies to.
struct CorrectionRequest {
  int row = -1;
  MemberForm form;
};

class MemberList {
 public:
  // fileName: the list file's name in the data folder ("friend.lst"; beside the program
  // in the portable layout).
  explicit MemberList(std::string fileName);

  const std::string& FileName() const { return fileName_; }
  std::string FilePath() const;
  const std::vector<Member>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }

  // Appends the rows of the list file (a missing file adds nothing) and remembers what
  // the file held. A file that cannot be taken whole (a folder, a FIFO, a link loop, an
  // unreadable file, neither CP932 nor UTF-8, or UTF-8 with characters CP932 cannot
  // hold) makes the list read-only, and the user is told why.
  void Load();
  void Clear() { rows_.clear(); }
  // False when the list file must not be written over (see Load and HoldUntilRestart).
  bool Writable() const { return !heldUntilRestart_ && IsWritableListState(state_); }
  // Refuses every save for the rest of this run, loads included: an import that stopped
  // part way is finished at the next start and would write over anything saved now.
  // Saves are refused with the reason until ReleaseHold (an import that went through).
  void HoldUntilRestart() { heldUntilRestart_ = true; }
  void ReleaseHold() { heldUntilRestart_ = false; }
  // While the list is held: tells the user why and answers true. Asked before a dialog
  // opens, so that nothing is typed in vain.
  bool RefusedWhileHeld() const;
  // Backs up and rewrites the list file from the rows. A read-only list is not written:
  // the rows go back to previousRows and the user is told. A file changed by someone
  // else since it was last read or written here is not overwritten either: the rows
  // become what it holds now, and the user is told to do the change again. When the
  // backup or the file cannot be written nothing is replaced, the rows become what the
  // file holds (or previousRows when it cannot be read), and the user is told: the
  // failing path + "ファイルがオープンできません。" and that the change was not saved.
  // A file written whose folder could not be flushed keeps the rows, and says so.
  bool Save(std::vector<Member> previousRows = {});

  // The dialog contents for "登録": empty fields, "男性".
  static MemberForm NewMemberForm();
  // "登録" confirmed: with an empty surname or given name shows "姓と名を入力してください。"
  // and changes nothing; otherwise inserts the member above firstSelectedRow (at the top
  // for -1), writes the file and answers true. The age band defaults to "20".
  bool Register(int firstSelectedRow, const MemberForm& form);

  // "修正" pressed: while held (RefusedWhileHeld) or without a selected row (then shows
  // "修正する項目を選択してください。") answers nothing; otherwise the dialog contents for the first selected row.
  std::optional<CorrectionRequest> BeginCorrection(const std::vector<int>& selectedRows) const;
  // "修正" confirmed: when both name fields are filled sets the row's cells (an empty age
  // band stays empty), writes the file and answers true; otherwise changes nothing.
  bool Correct(const CorrectionRequest& request);

  // "削除" pressed: while held refuses (RefusedWhileHeld) before asking anything; without
  // a selected row shows "削除する項目を選択してください。"; asks
  // "削除してもよろしいですか？" once; on Yes deletes every selected row and writes the file.
  bool DeleteSelected(const std::vector<int>& selectedRows);

  // The drag text of a row: name, ",", sex, ",", age band; empty for a row that does
  // not exist.
  std::string DragText(int row) const;

 private:
  // What the file held when it was last read or written here: a size and a hash of
  // the bytes, or nothing before the first Load (then a save checks nothing).
  struct Fingerprint {
    ListFileState state = ListFileState::Missing;
    ListFingerprint bytes;
    bool operator==(const Fingerprint&) const = default;
  };
  static Fingerprint FingerprintOf(ListFileState state, std::string_view bytes);

  std::string fileName_;
  std::vector<Member> rows_;
  ListFileState state_ = ListFileState::Missing;
  std::optional<Fingerprint> fingerprint_;
  bool heldUntilRestart_ = false;
};

}  // namespace nuvaro::core
