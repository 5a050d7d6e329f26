#include "ui/calendar/name_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calendar/calendar_window_texts.h"
#include "calendar/day_reading.h"
#include "platform/core/message_sink.h"
#include "core/face.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {

namespace {
QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }
}  // namespace

std::vector<std::string> CalendarNameChoices(const core::CFace& faces) {
  std::vector<std::string> choices{faces.SelfName()};
  for (int id = 1; id <= faces.LastIndex(); ++id) {
    std::string name = faces.NameOfId(id);
    if (!name.empty()) choices.push_back(name);
  }
  return choices;
}

CNameDialog::CNameDialog(const core::CFace& faces, const std::string& surname, const std::string& givenName,
                         QWidget* parent)
    : QDialog(parent), choices_(CalendarNameChoices(faces)), surname_(surname), givenName_(givenName) {
  setWindowTitle(Text(calendar_texts::kNameCaption));
  auto* layout = new QVBoxLayout(this);

  auto* current = new QGroupBox(Text(calendar_texts::kCurrentName), this);
  auto* currentLayout = new QVBoxLayout(current);
  const std::string fullName = surname + " " + givenName;
  currentName_ = new QLineEdit(Text(fullName), current);
  currentName_->setReadOnly(true);
  currentLayout->addWidget(currentName_);
  layout->addWidget(current);

  auto* update = new QGroupBox(Text(calendar_texts::kNewName), this);
  auto* form = new QFormLayout(update);
  nameList_ = new QComboBox(update);  // not editable: its edit part is read-only
  for (const std::string& choice : choices_) nameList_->addItem(Text(choice));
  form->addRow(Text(calendar_texts::kNameList), nameList_);
  form->addRow(new QLabel(Text(calendar_texts::kDirectInput), update));
  surnameField_ = new QLineEdit(update);
  givenNameField_ = new QLineEdit(update);
  form->addRow(Text(calendar_texts::kSurnameLabel), surnameField_);
  form->addRow(Text(calendar_texts::kGivenNameLabel), givenNameField_);
  layout->addWidget(update);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CNameDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CNameDialog::reject);
  layout->addWidget(buttons);

  for (QLineEdit* field : {surnameField_, givenNameField_}) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(this);
  }
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    if (choices_[i] == fullName) {
      nameList_->setCurrentIndex(static_cast<int>(i));
      FillFieldsFromChoice(static_cast<int>(i));
      break;
    }
  }
  if (surnameField_->text().isEmpty() && givenNameField_->text().isEmpty()) nameList_->setCurrentIndex(-1);
  connect(nameList_, &QComboBox::activated, this, &CNameDialog::FillFieldsFromChoice);
  setMinimumWidth(320);
}

void CNameDialog::FillFieldsFromChoice(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= choices_.size()) return;
  calendar::SplitName name = calendar::SplitFullName(choices_[static_cast<std::size_t>(index)]);
  surnameField_->setText(Text(name.surname));
  givenNameField_->setText(Text(name.givenName));
}

// The name fields take Japanese input: the input method is switched on for a field
// while it has the focus and off when the focus leaves it.
bool CNameDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field != nullptr && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    bool on = event->type() == QEvent::FocusIn;
    field->setAttribute(Qt::WA_InputMethodEnabled, on);
    field->setInputMethodHints(on ? Qt::ImhNone : Qt::ImhNoPredictiveText);
    if (QInputMethod* method = QGuiApplication::inputMethod()) {
      method->update(Qt::ImEnabled | Qt::ImHints);
      if (on) method->show(); else method->hide();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CNameDialog::accept() {
  std::optional<std::string> surname = platform::QStringToCp932(surnameField_->text());
  std::optional<std::string> givenName = platform::QStringToCp932(givenNameField_->text());
  // A character without a CP932 code cannot be read by the engine nor kept: say so
  // rather than dropping it silently.
  if (!surname || !givenName) {
    platform::ShowMessageBox(this, calendar_texts::kNameNotCp932, calendar_texts::kNameCaption);
    (surname ? givenNameField_ : surnameField_)->setFocus();
    return;
  }
  surname_ = *surname;
  givenName_ = *givenName;
  QDialog::accept();
}

}  // namespace nuvaro::ui
