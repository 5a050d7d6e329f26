// The member-list bar's model: the pages of the groups in tab order, and the import of
// one file into all of them and the export of all of them into one file.
#pragma once

#include <string>
#include <vector>

#include "core/member_list.h"

namespace nuvaro::core {

class MemberListSet {
 public:
  // The five groups' pages, each bound to its list file (nothing loaded yet).
  MemberListSet();
  // Pages bound to the given list files, in tab order.
  explicit MemberListSet(const std::vector<std::string>& fileNames);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  MemberList& Page(int index) { return pages_.at(static_cast<std::size_t>(index)); }
  const MemberList& Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

  // Clears every page and reloads it from its list file, in tab order.
  void ReloadAll();

  // "ﾘｽﾄ読込" with the chosen file: checks the whole file, then rewrites every list file
  // in tab order with its share of the lines (each list backed up first) and reloads
  // every page, also after a failure. Messages: path + "ファイルがオープンできません。"
  // (the chosen file, or a list file that cannot be written: the earlier ones stay
  // written), "指定されたファイルの読込みに失敗しました。" (nothing written), and
  // "分割されたファイルを設定してください" without pages. True when all was written.
  bool Import(const std::string& path);

  // "ﾘｽﾄ保存" with the chosen file: writes the list files one after the other, unchanged,
  // and shows "< name >ファイルにメンバーリストが保存されました". A list file that cannot be
  // read stops there with path + "ファイルがオープンできません。" (the lists before it are
  // written); a target that cannot be written gets the same message and stays as it
  // was. "連結用のファイルがありません" without pages. True on success.
  bool Export(const std::string& path);

 private:
  std::vector<MemberList> pages_;
};

}  // namespace nuvaro::core
