// The registration dialog: fields in and out as CP932, the choices it offers, and a
// name the list files cannot hold.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "core/member_list.h"
#include "members/member_dialog.h"
#include "platform/core/message_sink.h"
#include "recording_message_sink.h"
#include "test_text.h"

using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// Fills the modal dialog that is about to open and presses one of its buttons.
void AnswerNextDialog(const QString& surname, const QString& given, bool female, const QString& age, bool ok) {
  QTimer::singleShot(0, [=] {
    auto* dialog = qobject_cast<CMemberDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->SurnameEdit()->setText(surname);
    dialog->GivenNameEdit()->setText(given);
    (female ? dialog->FemaleButton() : dialog->MaleButton())->setChecked(true);
    dialog->AgeBandCombo()->setEditText(age);
    dialog->Buttons()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
  });
}

}  // namespace

class MemberDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void OffersTheAgeBandsAndStartsAsAMan() {
    CMemberDialog dialog(Sjis("新規登録"));
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("新規登録"));
    QComboBox* age = dialog.AgeBandCombo();
    QVERIFY(age->isEditable());
    QStringList bands;
    for (int i = 0; i < age->count(); ++i) bands << age->itemText(i);
    QCOMPARE(bands, (QStringList{"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    QVERIFY(age->currentText().isEmpty());
    QVERIFY(dialog.MaleButton()->isChecked());
    QCOMPARE(dialog.MaleButton()->text(), QString::fromUtf8("男性"));
    QCOMPARE(dialog.FemaleButton()->text(), QString::fromUtf8("女性"));
    QCOMPARE(dialog.Buttons()->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("ｷｬﾝｾﾙ"));
    // Names are typed in Japanese: the input method stays on in both fields.
    QVERIFY(dialog.SurnameEdit()->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(dialog.GivenNameEdit()->testAttribute(Qt::WA_InputMethodEnabled));
  }

  void FormGoesInAndOutUnchanged_data() {
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("sex");
    QTest::addColumn<QString>("age");
    QTest::newRow("man") << "桃" << "太郎" << 0 << "30";
    QTest::newRow("woman, free age text") << "南瓜" << "花子" << 1 << "二十代";
    QTest::newRow("trail byte 0x5C") << "表" << "ソ能" << 1 << "";
    QTest::newRow("compatibility ideograph kept") << QString::fromUtf8("\uFA12") << "子" << 0 << "40";
  }

  void FormGoesInAndOutUnchanged() {
    QFETCH(QString, surname);
    QFETCH(QString, given);
    QFETCH(int, sex);
    QFETCH(QString, age);
    core::MemberForm form{Sjis(surname.toStdString()), Sjis(given.toStdString()), sex, Sjis(age.toStdString())};
    CMemberDialog dialog(Sjis("登録修正"));
    dialog.SetForm(form);
    QCOMPARE(dialog.SurnameEdit()->text(), surname);
    auto back = dialog.Form();
    QVERIFY(back.has_value());
    QCOMPARE(back->surname, form.surname);
    QCOMPARE(back->givenName, form.givenName);
    QCOMPARE(back->sexIndex, sex);
    QCOMPARE(back->ageBand, form.ageBand);
  }

  void RunReturnsTheTypedForm() {
    RecordingMessageSink sink;
    core::MemberForm form;
    AnswerNextDialog(QString::fromUtf8("桃"), QString::fromUtf8("花"), true, QStringLiteral("20"), true);
    QVERIFY(RunMemberDialog(nullptr, Sjis("新規登録"), form));
    QCOMPARE(form.surname, Sjis("桃"));
    QCOMPARE(form.givenName, Sjis("花"));
    QCOMPARE(form.sexIndex, 1);
    QCOMPARE(form.ageBand, std::string("20"));
    QVERIFY(sink.messages.empty());

    AnswerNextDialog(QString::fromUtf8("栗"), QString::fromUtf8("花"), false, QString(), false);
    QVERIFY(!RunMemberDialog(nullptr, Sjis("新規登録"), form));
    QCOMPARE(form.surname, Sjis("桃"));  // a cancel leaves the form alone
  }

  void AMistakeIsToldAndTheDialogStaysOpenWithWhatWasTyped_data() {
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("message");
    QTest::newRow("a character the lists cannot hold is named, with what to type instead")
        << QString::fromUtf8("𠮷田") << QString::fromUtf8("太郎")
        << QString::fromUtf8("「𠮷」は名前リストに保存できない文字です。\nよく使われる字体で入力し直してください"
                             "（たとえば「𠮷」なら「吉」）。絵文字は使えません。");
    QTest::newRow("an emoji in the given name")
        << QString::fromUtf8("桃") << QString::fromUtf8("さくら😀")
        << QString::fromUtf8("「😀」は名前リストに保存できない文字です。\nよく使われる字体で入力し直してください"
                             "（たとえば「𠮷」なら「吉」）。絵文字は使えません。");
    QTest::newRow("the check refuses: an empty given name")
        << QString::fromUtf8("桃") << QString() << QString::fromUtf8("姓と名を入力してください。");
  }

  void AMistakeIsToldAndTheDialogStaysOpenWithWhatWasTyped() {
    QFETCH(QString, surname);
    QFETCH(QString, given);
    QFETCH(QString, message);
    RecordingMessageSink sink;
    core::MemberForm form;
    // The check stands for the registration's: it refuses a form without a given name.
    auto check = [](const core::MemberForm& typed) {
      if (!typed.givenName.empty()) return true;
      platform::ShowMessageBox(nullptr, Sjis("姓と名を入力してください。"), Sjis("ヌヴァロ君"));
      return false;
    };
    AnswerNextDialog(surname, given, true, QStringLiteral("30"), true);
    QString keptSurname;
    bool stillOpen = false;
    // After OK and its message, look at the dialog, then cancel it.
    QTimer::singleShot(50, [&] {
      auto* dialog = qobject_cast<CMemberDialog*>(QApplication::activeModalWidget());
      stillOpen = dialog != nullptr && dialog->isVisible();
      if (dialog == nullptr) return;
      keptSurname = dialog->SurnameEdit()->text();
      dialog->Buttons()->button(QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!RunMemberDialog(nullptr, Sjis("新規登録"), form, check));
    QVERIFY(stillOpen);
    QCOMPARE(keptSurname, surname);
    QCOMPARE(sink.Texts(), std::vector<std::string>{message.toStdString()});
    QVERIFY(form.surname.empty());
  }
};

QTEST_MAIN(MemberDialogTest)
#include "member_dialog_test.moc"
