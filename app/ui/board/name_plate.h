// The name plate under a face: a 100 x 20 button cut from the plate picture, showing
// the person's name. A click sends the board the plate's command (100, face id); the
// right button asks the board for the plate's menu.
#pragma once

#include <QAbstractButton>

#include <string>
#include <string_view>

#include "core/face.h"

namespace nuvaro::ui {

inline constexpr int kNamePlateWidth = core::kNamePlateWidth;
inline constexpr int kNamePlateHeight = core::kNamePlateHeight;

class CNamePlate : public QAbstractButton {
  Q_OBJECT

 public:
  CNamePlate(int faceId, QWidget* parent);

  int FaceId() const { return faceId_; }
  // The name shown (CP932).
  void SetName(std::string_view nameCp932);
  const std::string& NameCp932() const { return name_; }

  QSize sizeHint() const override { return {kNamePlateWidth, kNamePlateHeight}; }

 signals:
  // The plate was clicked: the board's command for it.
  void plateCommand(int command);
  // The right button (or the menu key) on the plate, at this screen point.
  void menuRequested(int faceId, QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int faceId_;
  std::string name_;
  bool hover_ = false;
};

}  // namespace nuvaro::ui
