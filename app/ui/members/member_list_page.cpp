#include "members/member_list_page.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

#include "members/member_drag_data.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

// The picture a dragged row shows under the pointer: its name on a small card.
QPixmap DragPicture(const QString& name, const QFont& font) {
  QFontMetrics metrics(font);
  QPixmap picture(metrics.horizontalAdvance(name) + 12, metrics.height() + 6);
  picture.fill(QColor(255, 255, 240));
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(QColor(120, 120, 120));
  painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
  painter.setPen(Qt::black);
  painter.drawText(picture.rect(), Qt::AlignCenter, name);
  return picture;
}

}  // namespace

CMemberListPage::CMemberListPage(core::MemberList& list, QWidget* parent)
    : QTableView(parent), list_(list), model_(new MemberListModel(list, this)) {
  setModel(model_);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(std::max(kSmallIconSize + 2, fontMetrics().height() + 4));
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(kSmallIconSize, kSmallIconSize));
  setWordWrap(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
  Refresh();
}

void CMemberListPage::Refresh() {
  clearSelection();
  model_->ListChanged();
  FitColumns();
}

int CMemberListPage::rowCount() const { return model_->rowCount(); }

QString CMemberListPage::CellText(int row, int column) const {
  return model_->data(model_->index(row, column)).toString();
}

std::vector<int> CMemberListPage::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CMemberListPage::SelectRows(const std::vector<int>& rows) {
  clearSelection();
  QItemSelection selection;
  for (int row : rows) {
    if (row >= 0 && row < rowCount()) selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
  }
  selectionModel()->select(selection, QItemSelectionModel::Select);
}

std::string CMemberListPage::DragTextForRow(int row) const { return list_.DragText(row); }

void CMemberListPage::startDrag(Qt::DropActions /*supportedActions*/) {
  const int row = currentIndex().isValid() ? currentIndex().row() : -1;
  const std::string text = DragTextForRow(row);
  if (text.empty()) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(MemberDragData(text));
  const QPixmap picture = DragPicture(CellText(row, 0), font());
  drag->setPixmap(picture);
  drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
  drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
}

void CMemberListPage::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitColumns();
}

void CMemberListPage::FitColumns() {
  setColumnWidth(0, std::max(viewport()->width() - kSexColumnWidth - kAgeBandColumnWidth, 0));
  setColumnWidth(1, kSexColumnWidth);
  setColumnWidth(2, kAgeBandColumnWidth);
}

void CMemberListPage::dragEnterEvent(QDragEnterEvent* event) {
  if (!MayHoldMemberText(event->mimeData())) return event->ignore();
  event->acceptProposedAction();
}

void CMemberListPage::dragMoveEvent(QDragMoveEvent* event) {
  if (!MayHoldMemberText(event->mimeData())) return event->ignore();
  event->acceptProposedAction();
}

void CMemberListPage::dropEvent(QDropEvent* event) {
  // The lists take dropped texts only to let go of them; nothing changes.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  viewport()->update();
}

}  // namespace nuvaro::ui
