// The member-list bar's model: the pages of the groups in tab order, and the import of
// one file into all of them and the export of all of them into one file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/member_list.h"

namespace nuvaro::core {

// The export's encoding: the lists' own CP932, or UTF-8 (with a byte-order mark, as
// spreadsheets expect it) for other programs.
enum class ExportEncoding { Cp932, Utf8 };

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

  // "ﾘｽﾄ読込" with the chosen file (CP932, or UTF-8 converted to CP932): checks the whole
  // file, asks "現在のリスト1～5の内容は、…よろしいですか？", copies the lists into a dated
  // backup set, then rewrites every list file in tab order with its share of the lines
  // (each list backed up first) and reloads every page, and says how many members went
  // into which list and where the previous lists are. Messages: path +
  // "ファイルがオープンできません。" (the chosen file, or a list file that cannot be
  // written: the earlier ones stay written), "指定されたファイルの読込みに失敗しました。"
  // (neither CP932 nor UTF-8, or the check fails: nothing written), how many characters
  // CP932 cannot hold were replaced, and "分割されたファイルを設定してください" without
  // pages. True when all was written.
  bool Import(const std::string& path);

  // "ﾘｽﾄ保存" with the chosen file: writes the list files one after the other, unchanged
  // (or all converted to UTF-8 with a byte-order mark),
  // and shows "< name >ファイルにメンバーリストが保存されました". A list file that cannot be
  // read stops there with path + "ファイルがオープンできません。" (the lists before it are
  // written); a target that cannot be written gets the same message and stays as it
  // was. "連結用のファイルがありません" without pages. True on success.
  bool Export(const std::string& path, ExportEncoding encoding = ExportEncoding::Cp932);

 private:
  std::string ImportReport(const std::vector<std::vector<Member>>& groups, std::size_t lineCount,
                           const std::string& backupFolder) const;

  std::vector<MemberList> pages_;
};

}  // namespace nuvaro::core
