#include "ui/guide/guide_menu_view.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

#include "core/companion_launcher.h"
#include "core/face.h"
#include "core/font_settings.h"
#include "core/plugin_host.h"
#include "platform/qt/text_conversion.h"
#include "ui/controls/control_command.h"
#include "ui/controls/link_label.h"
#include "ui/frame/frame_artwork.h"

namespace nuvaro::ui {
namespace {

constexpr int kHeadingPixelHeight = 14;
constexpr int kEntryPixelHeight = 14;
constexpr int kFixedEntryPixelHeight = 16;
const QColor kHeadingTextColour(225, 136, 59);
const QColor kHeadingBackColour(255, 230, 179);
const QColor kEntryTextColour(51, 51, 204);
const QColor kFixedEntryTextColour(102, 102, 255);
const QColor kViewTopColour(255, 252, 246);
const QColor kViewBottomColour(255, 242, 224);

const QColor kPromptColour(150, 110, 90);

// A line above the columns that tells a newcomer what to do.
constexpr char kPromptText[] = "知りたいことを選んでください。";
constexpr int kPromptPixelHeight = 16;
constexpr int kPromptTop = 14;

constexpr char kFixedEntryText[] = "=>ヌヴァロ君を使った具体的な悩みの解決方法！！";
constexpr char kFixedEntryTip[] = "ヌヴァロ君を使って具体的な問題解決の方法を説明します。";

QString Ui(const std::string& cp932) { return platform::QStringFromCp932(cp932); }

}  // namespace

CGuideMenuView::CGuideMenuView(core::PluginHost& host, core::CFace& face, core::CompanionLauncher& companions,
                               const core::FontSettings& fonts, QWidget* parent)
    : QWidget(parent),
      host_(host),
      face_(face),
      companions_(companions),
      guideFontName_(Ui(fonts.guideFontName)),
      geometry_(GuideFormPlaceholders()),
      form_(new QWidget(this)) {
  setObjectName("CGuideMenuView");
  form_->setObjectName("GuideForm");
  form_->resize(geometry_.form);
  BuildMenu();
}

CLinkLabel* CGuideMenuView::MakeLabel(const QString& text, int pixelHeight) {
  auto* label = new CLinkLabel(text, form_);
  label->SetFaceName(guideFontName_);
  label->SetHeight(pixelHeight);
  return label;
}

void CGuideMenuView::ClearEntries() {
  for (EntryPair& pair : entries_) {
    delete pair.label;
    delete pair.picture;
  }
  entries_.clear();
  delete fixedEntry_;
  fixedEntry_ = nullptr;
}

void CGuideMenuView::BuildMenu() {
  ClearEntries();
  items_ = core::BuildGuideMenu(host_);
  const QPixmap picture = GuideEntryPicture();
  const QCursor hand = HandCursor();
  for (const GuideRow& row : LayoutGuideRows(items_, geometry_)) {
    const core::GuideMenuItem& item = items_[static_cast<std::size_t>(row.itemIndex)];
    if (row.kind == GuideRow::Kind::Heading) {
      CLinkLabel* heading = MakeLabel(Ui(item.groupHeading), kHeadingPixelHeight);
      heading->SetTextColour(kHeadingTextColour);
      heading->SetBackgroundColour(kHeadingBackColour);
      heading->move(row.origin);
      heading->resize(heading->sizeHint());
      heading->show();
      entries_.push_back({heading, nullptr});
      continue;
    }
    CLinkLabel* button = MakeLabel(Ui(item.caption), kEntryPixelHeight);
    button->SetTipText(Ui(item.explanation));
    button->SetTextColour(kEntryTextColour);
    button->setCursor(hand);
    button->SetCommand(item.commandNumber, this);
    MakeKeyboardLink(button, kEntryTextColour);
    button->move(row.ButtonTopLeft());
    button->resize(button->sizeHint());
    auto* pictureWindow = new QLabel(form_);
    pictureWindow->setPixmap(picture);
    pictureWindow->setGeometry(QRect(row.PictureTopLeft(), QSize(kGuidePictureSize, kGuidePictureSize)));
    button->show();
    pictureWindow->show();
    entries_.push_back({button, pictureWindow});
  }

  fixedEntry_ = MakeLabel(QString::fromUtf8(kFixedEntryText), kFixedEntryPixelHeight);
  fixedEntry_->SetTipText(QString::fromUtf8(kFixedEntryTip));
  fixedEntry_->SetTextColour(kFixedEntryTextColour);
  fixedEntry_->setCursor(hand);
  fixedEntry_->SetCommand(kGuideNavigatorCommand, this);
  MakeKeyboardLink(fixedEntry_, kFixedEntryTextColour);
  const QRect line = geometry_.fixedEntryLine;
  fixedEntry_->setGeometry(line.x(), line.y(), std::min(fixedEntry_->sizeHint().width(), line.width()),
                           std::max(fixedEntry_->sizeHint().height(), line.height()));
  fixedEntry_->show();
}

bool CGuideMenuView::OnCommand(int command) {
  core::ReadingActivation activation = core::ActivateReading(face_, host_, command);
  switch (activation.kind) {
    case core::ReadingActivation::Kind::Navigator:
      companions_.Show(core::Companion::Navigator);
      return true;
    case core::ReadingActivation::Kind::NotReading:
      return false;
    case core::ReadingActivation::Kind::Activated:
      emit readingActivated(activation);
      return true;
  }
  return false;
}

void CGuideMenuView::MakeKeyboardLink(CLinkLabel* link, const QColor& textColour) {
  link->setFocusPolicy(Qt::StrongFocus);
  link->setProperty("linkTextColour", textColour);
  link->installEventFilter(this);
}

std::vector<CLinkLabel*> CGuideMenuView::Links() const {
  std::vector<CLinkLabel*> links;
  for (const EntryPair& pair : entries_) {
    if (pair.picture != nullptr) links.push_back(pair.label);
  }
  if (fixedEntry_ != nullptr) links.push_back(fixedEntry_);
  return links;
}

bool CGuideMenuView::eventFilter(QObject* watched, QEvent* event) {
  auto* link = qobject_cast<CLinkLabel*>(watched);
  if (link == nullptr) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      link->SetTextColour(link->HoverColour());
      break;
    case QEvent::FocusOut:
      link->SetTextColour(link->property("linkTextColour").value<QColor>());
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (link->CommandIdentifier()) OnCommand(*link->CommandIdentifier());
        return true;
      }
      if (key == Qt::Key_Down || key == Qt::Key_Up) {
        std::vector<CLinkLabel*> links = Links();
        auto at = std::find(links.begin(), links.end(), link);
        if (at == links.end()) break;
        std::ptrdiff_t index = at - links.begin() + (key == Qt::Key_Down ? 1 : -1);
        const auto count = static_cast<std::ptrdiff_t>(links.size());
        links[static_cast<std::size_t>((index + count) % count)]->setFocus(Qt::TabFocusReason);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool CGuideMenuView::event(QEvent* event) {
  if (event->type() == CommandEvent::EventType()) {
    OnCommand(static_cast<CommandEvent*>(event)->Id());
    return true;
  }
  return QWidget::event(event);
}

void CGuideMenuView::CentreForm() {
  // The form keeps its size; spare room is shared out evenly around it.
  int x = std::max(0, (width() - form_->width()) / 2);
  int y = std::max(0, (height() - form_->height()) / 2);
  form_->move(x, y);
}

void CGuideMenuView::resizeEvent(QResizeEvent* event) {
  CentreForm();
  QWidget::resizeEvent(event);
}

void CGuideMenuView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient fill(0, 0, 0, height());
  fill.setColorAt(0, kViewTopColour);
  fill.setColorAt(1, kViewBottomColour);
  painter.fillRect(rect(), fill);

  // The prompt over the left column, and a thin rule under it across both columns.
  const QPoint origin = form_->pos();
  QFont prompt(guideFontName_);
  prompt.setPixelSize(kPromptPixelHeight);
  painter.setFont(prompt);
  painter.setPen(kPromptColour);
  const QRect promptRect(origin.x() + geometry_.leftColumn.left(), origin.y() + kPromptTop,
                         geometry_.rightColumn.right() - geometry_.leftColumn.left(), kPromptPixelHeight + 4);
  painter.drawText(promptRect, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(kPromptText));
  painter.setPen(QColor(236, 206, 176));
  const int ruleY = origin.y() + geometry_.leftColumn.top() - 8;
  painter.drawLine(promptRect.left(), ruleY, promptRect.right(), ruleY);
}

}  // namespace nuvaro::ui
