#include "ui/frame/version_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls/link_label.h"
#include "ui/frame/frame_artwork.h"
#include "ui/frame/frame_palette.h"

#ifndef NUVARO_VERSION
#define NUVARO_VERSION "1.0.0"
#endif

namespace nuvaro::ui {

QString ProgramVersionText() { return QString::fromUtf8("バージョン %1").arg(QStringLiteral(NUVARO_VERSION)); }

CVersionDialog::CVersionDialog(QWidget* parent)
    : QDialog(parent),
      title_(new QLabel(QString::fromUtf8("ヌヴァロ君"), this)),
      version_(new QLabel(ProgramVersionText(), this)),
      link_(new CLinkLabel(QString::fromLatin1(kProductPageAddress), this)) {
  setWindowTitle(QString::fromUtf8("バージョン情報"));
  setObjectName("CVersionDialog");
  title_->setFont(BarFont("ＭＳ 明朝", 20, true));
  version_->setFont(BarFont("ＭＳ Ｐゴシック", 13, false));
  link_->SetFaceName(QString::fromUtf8("ＭＳ Ｐゴシック"));
  link_->SetHeight(12);
  link_->SetUnderline(true);
  link_->SetTextColour(QColor(0, 0, 255));
  link_->SetOpenText(QString::fromLatin1(kProductPageAddress));
  link_->setCursor(HandCursor());
  link_->SetTipText(QString::fromUtf8("ヌヴァロ君のホームページをブラウザで開きます。"));

  auto* icon = new QLabel(this);
  icon->setPixmap(ApplicationIcon().pixmap(48, 48));
  auto* texts = new QVBoxLayout;
  texts->addWidget(title_);
  texts->addWidget(version_);
  texts->addSpacing(6);
  texts->addWidget(link_);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 12);
  layout->addLayout(top);
  layout->addSpacing(10);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

QString CVersionDialog::TitleText() const { return title_->text(); }
QString CVersionDialog::VersionText() const { return version_->text(); }

void RunVersionDialog(QWidget* parent) {
  CVersionDialog dialog(parent);
  dialog.exec();
}

}  // namespace nuvaro::ui
