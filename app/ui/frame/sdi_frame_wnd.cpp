#include "ui/frame/sdi_frame_wnd.h"

#include <QLayout>
#include <QResizeEvent>

namespace nuvaro::ui {

// The client area under the bars: the active view fills it.
class CSDIFrameWnd::ViewArea : public QWidget {
 public:
  explicit ViewArea(QWidget* parent) : QWidget(parent) {}
  QWidget* active = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    if (active != nullptr) active->setGeometry(rect());
    QWidget::resizeEvent(event);
  }
};

CSDIFrameWnd::CSDIFrameWnd(QWidget* parent) : QMainWindow(parent), area_(new ViewArea(this)) {
  setCentralWidget(area_);
}

void CSDIFrameWnd::CreateViews(std::vector<CSDIDocTemplate> templates) {
  for (CSDIDocTemplate& docTemplate : templates) {
    QWidget* view = docTemplate.createView ? docTemplate.createView(area_) : nullptr;
    if (view == nullptr) view = new QWidget(area_);
    view->hide();
    views_.push_back({std::move(docTemplate), view});
  }
  if (!views_.empty()) ActivateView(views_.front().docTemplate.viewClass);
}

int CSDIFrameWnd::FindTemplate(const QString& viewClass) const {
  for (std::size_t i = 0; i < views_.size(); ++i) {
    if (views_[i].docTemplate.viewClass == viewClass) return static_cast<int>(i);
  }
  return -1;
}

bool CSDIFrameWnd::ActivateView(const QString& viewClass) {
  int index = FindTemplate(viewClass);
  if (index < 0) return false;
  if (index == active_) return true;
  if (active_ >= 0) views_[static_cast<std::size_t>(active_)].view->hide();
  active_ = index;
  QWidget* view = views_[static_cast<std::size_t>(index)].view;
  if (layout() != nullptr) layout()->activate();
  area_->active = view;
  view->setGeometry(area_->rect());
  view->show();
  view->setFocus();
  emit viewActivated(viewClass);
  return true;
}

QWidget* CSDIFrameWnd::ActiveView() const {
  return active_ >= 0 ? views_[static_cast<std::size_t>(active_)].view : nullptr;
}

QString CSDIFrameWnd::ActiveViewClass() const {
  return active_ >= 0 ? views_[static_cast<std::size_t>(active_)].docTemplate.viewClass : QString();
}

int CSDIFrameWnd::ActiveTemplateId() const {
  return active_ >= 0 ? views_[static_cast<std::size_t>(active_)].docTemplate.resourceId : 0;
}

QWidget* CSDIFrameWnd::View(const QString& viewClass) const {
  int index = FindTemplate(viewClass);
  return index >= 0 ? views_[static_cast<std::size_t>(index)].view : nullptr;
}

}  // namespace nuvaro::ui
