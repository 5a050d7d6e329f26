// A help link that asks the program for a window: the program beside the companion is
// started with the request's option; without a program the user is told so.
#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "program_request.h"
#include "recording_message_sink.h"

using namespace nuvaro;

class ProgramRequestTest : public QObject {
  Q_OBJECT

 private slots:
  void theProgramBesideIsStartedWithTheRequest() {
    QTemporaryDir folder;
    const QString received = folder.filePath(QStringLiteral("received"));
    // A stand-in program that writes down its arguments.
    QFile program(folder.filePath(QStringLiteral("Nuvaro")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/received.part\" && mv \"$(dirname \"$0\")/received.part\" \"$(dirname \"$0\")/received\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    testing::RecordingMessageSink sink;
    QVERIFY(companions::RequestFromProgram(folder.path(), QStringLiteral("name-finder"), QStringLiteral("ヘルプ")));
    QTRY_VERIFY(QFile::exists(received));
    QFile answer(received);
    QVERIFY(answer.open(QIODevice::ReadOnly));
    QCOMPARE(answer.readAll().trimmed(), QByteArray("--name-finder"));
    QVERIFY(sink.messages.empty());
  }

  void noProgramIsSaid() {
    QTemporaryDir folder;
    testing::RecordingMessageSink sink;
    QVERIFY(!companions::RequestFromProgram(folder.path(), QStringLiteral("name-finder"), QStringLiteral("ヘルプ")));
    QCOMPARE(sink.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(sink.messages[0].text).contains(QStringLiteral("Nuvaro")));
    QCOMPARE(QString::fromStdString(sink.messages[0].caption), QStringLiteral("ヘルプ"));
  }
};

QTEST_MAIN(ProgramRequestTest)
#include "program_request_test.moc"
