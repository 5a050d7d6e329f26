// CSDIFrameWnd: a single-document frame that holds one view per registered document
// template and shows one of them at a time. CSDIDocTemplate names a template by its
// resource number and view class and knows how to make its view.
#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <vector>


namespace nuvaro::ui {

struct CSDIDocTemplate {
  int resourceId = 0;
  QString viewClass;                                   // "CGuideMenuView", "CNuvaroScrollView"
  std::function<QWidget*(QWidget* parent)> createView; // makes the template's view
};

class CSDIFrameWnd : public QMainWindow {
  Q_OBJECT

 public:
  explicit CSDIFrameWnd(QWidget* parent = nullptr);

  // Makes one view per template, in order, all hidden, then activates the first one.
  // Called once, when the frame is created.
  void CreateViews(std::vector<CSDIDocTemplate> templates);

  // Shows the view of the given class: nothing happens when it is already the active
  // one; false when no template has that view class. The frame's layout is settled
  // first, so the view meets its final size when it appears; hidden views are not
  // resized.
  bool ActivateView(const QString& viewClass);

  QWidget* ActiveView() const;
  // The active template's view class and resource number (empty / 0 before any view).
  QString ActiveViewClass() const;
  int ActiveTemplateId() const;
  // The view of a class, or nullptr.
  QWidget* View(const QString& viewClass) const;
  int ViewCount() const { return static_cast<int>(views_.size()); }

 signals:
  void viewActivated(const QString& viewClass);

 private:
  struct RegisteredView {
    CSDIDocTemplate docTemplate;
    QWidget* view = nullptr;
  };
  int FindTemplate(const QString& viewClass) const;

  class ViewArea;
  ViewArea* area_;
  std::vector<RegisteredView> views_;
  int active_ = -1;
};

}  // namespace nuvaro::ui
