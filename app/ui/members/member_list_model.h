// The rows of one member list as a table for a view: the columns "名前", "性別", "年代",
// centred. Texts are converted from CP932 only when the view draws a cell, so a page
// holds nothing per member beyond the list itself, however long the list.
#pragma once

#include <QAbstractTableModel>

#include "core/member_list.h"

namespace nuvaro::ui {

class MemberListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit MemberListModel(const core::MemberList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The list has changed (a change, a reload): views ask for every row again.
  void ListChanged();

 private:
  const core::MemberList& list_;
};

}  // namespace nuvaro::ui
