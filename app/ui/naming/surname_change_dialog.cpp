#include "ui/naming/surname_change_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/cp932_text.h"
#include "core/face.h"
#include "core/member.h"
#include "naming/name_finder_texts.h"
#include "naming/surname_change.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

// An item caption without the "さんの" that joins it to a name in the reading.
QString ItemLabel(const std::string& caption) {
  std::string_view text = caption;
  if (text.substr(0, finder_texts::kCaptionPrefix.size()) == finder_texts::kCaptionPrefix) {
    text.remove_prefix(finder_texts::kCaptionPrefix.size());
  }
  return Text(text);
}

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setToolTip(text);
  return item;
}

}  // namespace

CSurnameChangeDialog::CSurnameChangeDialog(std::string fullName, bool isMale, const std::string& newSurname,
                                           core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine,
                                           QWidget* parent)
    : QDialog(parent), fullName_(std::move(fullName)), isMale_(isMale), face_(face), host_(host), engine_(engine) {
  setWindowTitle(Text(finder_texts::kSurnameChangeTitle));
  surname_ = new QLineEdit(Text(newSurname), this);
  surname_->setAttribute(Qt::WA_InputMethodEnabled, true);
  boardSurnames_ = new QComboBox(this);
  boardSurnames_->addItem(Text(finder_texts::kBoardSurnames));
  for (int i = 0; i <= face_.LastIndex(); ++i) {
    if (!face_.IsActive(i) || (i == 0 && face_.IsSelfUnnamed())) continue;
    const QString surname = Text(core::SplitFullName(face_.Name(i)).surname);
    if (boardSurnames_->findText(surname) < 0) boardSurnames_->addItem(surname);
  }
  table_ = new QTableWidget(this);
  table_->setColumnCount(3);
  table_->verticalHeader()->hide();
  table_->setWordWrap(true);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(Text(finder_texts::kNewSurnameLabel), this));
  top->addWidget(surname_, 1);
  top->addWidget(boardSurnames_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_, 1);
  connect(surname_, &QLineEdit::textChanged, this, &CSurnameChangeDialog::Compare);
  connect(boardSurnames_, &QComboBox::activated, this, [this](int index) {
    if (index > 0) surname_->setText(boardSurnames_->itemText(index));
  });
  Compare();
  resize(820, 640);
}

void CSurnameChangeDialog::Compare() {
  const std::string surname = platform::QStringToCp932(surname_->text().trimmed()).value_or("");
  const naming::SurnameComparison comparison =
      naming::CompareSurnames(fullName_, isMale_, surname, face_, host_, engine_);
  table_->setHorizontalHeaderLabels({Text(finder_texts::kColumnItem), Text(comparison.before.fullName),
                                     Text(comparison.after.fullName)});
  const QStringList sumNames = Text(finder_texts::kSumNames).split(QLatin1Char(','));
  const int rows = 9 + naming::kOwnReadingItems + static_cast<int>(comparison.persons.size());
  table_->setRowCount(rows);
  auto fill = [&](int column, const naming::SurnameSide& side) {
    for (int row = 0; row < rows; ++row) {
      QString text = Text(finder_texts::kCannotCount);
      if (side.readable) {
        if (row < 9) {
          text = QString::number(side.sums[static_cast<std::size_t>(row)]);
        } else if (row < 9 + naming::kOwnReadingItems) {
          text = Text(side.itemTexts[static_cast<std::size_t>(row - 9)]);
        } else {
          text = QString::number(side.percentages[static_cast<std::size_t>(row - 9 - naming::kOwnReadingItems)]) + "%";
        }
      }
      table_->setItem(row, column, Cell(text));
    }
  };
  for (int row = 0; row < rows; ++row) {
    QString label;
    if (row < 9) {
      label = sumNames.value(row);
    } else if (row < 9 + naming::kOwnReadingItems) {
      label = ItemLabel(comparison.before.itemCaptions[static_cast<std::size_t>(row - 9)]);
    } else {
      label = Text(core::FormatText(finder_texts::kPercentageRowFormat,
                                    comparison.persons[static_cast<std::size_t>(row - 9 - naming::kOwnReadingItems)]));
    }
    table_->setItem(row, 0, Cell(label));
  }
  fill(1, comparison.before);
  fill(2, comparison.after);
  table_->resizeRowsToContents();
}

CSurnameChangeDialog* OpenSurnameChange(core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine,
                                        int faceId, const std::string& newSurname, QWidget* parent) {
  const std::string name = faceId == 0 ? face.SelfName() : face.NameOfId(faceId);
  if (name.empty()) return nullptr;
  const bool isMale = (faceId == 0 ? face.IsMale(0) : face.IsMaleOfId(faceId)) != 0;
  auto* dialog = new CSurnameChangeDialog(name, isMale, newSurname, face, host, engine, parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
}

}  // namespace nuvaro::ui
