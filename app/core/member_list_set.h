// The member-list bar's model: the pages of the groups in tab order, and the import of
// one file into all of them and the export of all of them into one file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/list_replacement.h"
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

  // "ﾘｽﾄ読込" with the chosen file (CP932, or UTF-8 converted to CP932; a lone CR ends a
  // line): a file of this program's export puts every member back into its own list;
  // any other file is checked whole and shared out in tab order. Asks
  // "現在のリスト1～5の内容は、…よろしいですか？", copies the lists into a dated backup
  // set, then replaces all list files at once (ReplaceListsWhole: wholly new, or wholly
  // old at the next start) and reloads every page, and says how many members went into
  // which list and where the previous lists are. Messages: path +
  // "ファイルがオープンできません。" (the chosen file, or a list file that cannot be
  // written, followed by whether the lists are as before or where the backup set is),
  // "指定されたファイルの読込みに失敗しました。" (neither CP932 nor UTF-8, or the check
  // fails: nothing written), each character CP932 cannot hold with its line and member,
  // and "分割されたファイルを設定してください" without pages. True when all was written.
  // An import that stops after some lists were replaced says which lists are new and
  // which still old and names the backup set; every list is then held read-only until
  // the next start, which finishes the import (or until an import goes through).
  bool Import(const std::string& path);

  // "ﾘｽﾄ保存" with the chosen file: writes the members of the lists one after the other,
  // each line with the column that names its list (list_export_format.h), in CP932 or
  // in UTF-8 with a byte-order mark and formula-like cells guarded,
  // and shows "< name >ファイルにメンバーリストが保存されました". A list file that cannot be
  // read stops there with path + "ファイルがオープンできません。" (the lists before it are
  // written); a target that cannot be written gets the same message and stays as it
  // was. "連結用のファイルがありません" without pages. True on success.
  bool Export(const std::string& path, ExportEncoding encoding = ExportEncoding::Cp932);

 private:
  std::string ImportReport(const std::vector<std::vector<Member>>& groups, std::size_t lineCount,
                           const std::string& backupFolder) const;
  std::string StoppedImportReport(const ListReplacement& replacement, const std::string& backupFolder) const;
  // The name a report gives a page: its tab label, or its file name beyond the five.
  std::string PageLabel(std::size_t index) const;

  std::vector<MemberList> pages_;
};

}  // namespace nuvaro::core
