// One tab page of the member-list bar: the rows of one member list in a report view
// (three centred columns "名前", "性別", "年代", grid lines, several rows selectable).
// The view reads the rows from the list through MemberListModel, so a long list costs
// the page nothing per member; a row dragged out carries its member text.
#pragma once

#include <QTableView>

#include <vector>

#include "core/member_list.h"
#include "members/member_list_model.h"

namespace nuvaro::ui {

// Widths of the sex and age band columns; the name column takes the rest.
inline constexpr int kSexColumnWidth = 40;
inline constexpr int kAgeBandColumnWidth = 40;
inline constexpr int kSmallIconSize = 16;

class CMemberListPage : public QTableView {
  Q_OBJECT

 public:
  CMemberListPage(core::MemberList& list, QWidget* parent = nullptr);

  core::MemberList& List() { return list_; }

  // Shows the model's rows again (after every change and reload).
  void Refresh();

  // The rows shown, and the text of one cell (empty outside the rows).
  int rowCount() const;
  QString CellText(int row, int column) const;

  // The selected rows in ascending order.
  std::vector<int> SelectedRows() const;
  // Selects exactly these rows.
  void SelectRows(const std::vector<int>& rows);

  // The member text a drag of this row carries (CP932); empty for no row.
  std::string DragTextForRow(int row) const;

 protected:
  void startDrag(Qt::DropActions supportedActions) override;
  void resizeEvent(QResizeEvent* event) override;
  // A text dropped on a page is taken and thrown away.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void FitColumns();

  core::MemberList& list_;
  MemberListModel* model_;
};

}  // namespace nuvaro::ui
