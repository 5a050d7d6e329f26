#include "members/member_list_model.h"

#include <string_view>

#include "core/core_texts.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

constexpr int kColumns = 3;

}  // namespace

MemberListModel::MemberListModel(const core::MemberList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int MemberListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.RowCount(); }

int MemberListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant MemberListModel::data(const QModelIndex& index, int role) const {
  // The list may already be shorter than the view last heard (between a change and
  // ListChanged): such a row has nothing to show.
  if (!index.isValid() || index.row() >= list_.RowCount() || index.column() >= kColumns) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  const core::Member& member = list_.Rows()[static_cast<std::size_t>(index.row())];
  const std::string_view cell = index.column() == 0 ? member.Name() : index.column() == 1 ? member.Sex() : member.AgeBand();
  return platform::QStringFromCp932(cell);
}

QVariant MemberListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  const std::string_view headers[] = {core::texts::kColumnName, core::texts::kColumnSex,
                                      core::texts::kColumnAgeBand};
  return platform::QStringFromCp932(headers[section]);
}

Qt::ItemFlags MemberListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void MemberListModel::ListChanged() {
  beginResetModel();
  endResetModel();
}

}  // namespace nuvaro::ui
