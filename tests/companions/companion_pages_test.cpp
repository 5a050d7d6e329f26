// The companions' pages as a reader meets them: the contents list real pages, every link
// leads to a page of the same companion (or the web), every picture exists, and the
// window opens on the first page and narrows its contents to what the search finds.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "page_browser_window.h"
#include "page_contents.h"

using nuvaro::companions::PageBrowserWindow;
using nuvaro::companions::PageEntry;
using nuvaro::companions::ParsePageContents;

namespace {

QString PagesFolder(const QString& companion) {
  return QStringLiteral(NUVARO_COMPANION_SOURCE_DIR "/") + companion + QStringLiteral("/pages");
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Attribute(const QString& html, const QString& attribute) {
  QStringList values;
  QRegularExpression pattern(attribute + QStringLiteral("\\s*=\\s*\"([^\"]*)\""));
  for (auto it = pattern.globalMatch(html); it.hasNext();) values << it.next().captured(1);
  return values;
}

}  // namespace

class CompanionPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void ContentsSkipsMalformedLines() {
    const QList<PageEntry> entries =
        ParsePageContents(QStringLiteral("# comment\n0|a.html|はじめに\n\n1|b.html\nx|c.html|C\n1| d.html | 二 \n"));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].title, QStringLiteral("はじめに"));
    QCOMPARE(entries[1].level, 1);
    QCOMPARE(entries[1].file, QStringLiteral("d.html"));
  }

  void EveryLinkAndPictureResolves_data() {
    QTest::addColumn<QString>("companion");
    QTest::newRow("help") << QStringLiteral("help");
    QTest::newRow("navi") << QStringLiteral("navi");
  }
  void EveryLinkAndPictureResolves() {
    QFETCH(QString, companion);
    const QDir folder(PagesFolder(companion));
    const QList<PageEntry> pages = ParsePageContents(ReadText(folder.filePath(QStringLiteral("contents.txt"))));
    QVERIFY2(pages.size() >= 5, qPrintable(companion));
    QStringList listed;
    for (const PageEntry& page : pages) listed << page.file;
    for (const PageEntry& page : pages) {
      const QString html = ReadText(folder.filePath(page.file));
      QVERIFY2(!html.isEmpty(), qPrintable(page.file + QStringLiteral(" is missing or empty")));
      for (const QString& link : Attribute(html, QStringLiteral("href"))) {
        if (link.startsWith(QLatin1String("http://")) || link.startsWith(QLatin1String("https://"))) continue;
        const QString target = link.section(QLatin1Char('#'), 0, 0);
        const bool isPage = listed.contains(target);
        const bool isStyle = target.endsWith(QLatin1String(".css")) && folder.exists(target);
        QVERIFY2(isPage || isStyle, qPrintable(page.file + QStringLiteral(" links to ") + link));
      }
      for (const QString& picture : Attribute(html, QStringLiteral("src")))
        QVERIFY2(folder.exists(picture), qPrintable(page.file + QStringLiteral(" shows missing ") + picture));
    }
    // No page lies in the folder without a way to reach it.
    for (const QString& file : folder.entryList({QStringLiteral("*.html")}, QDir::Files))
      QVERIFY2(listed.contains(file), qPrintable(file + QStringLiteral(" is not in the contents")));
  }

  void WindowOpensOnFirstPageAndSearchNarrowsContents() {
    PageBrowserWindow window(QStringLiteral("ヌヴァロ君の使い方"), QStringLiteral(":/help"));
    QVERIFY(!window.Pages().isEmpty());
    QCOMPARE(window.CurrentPage(), window.Pages().first().file);
    QVERIFY(!window.Browser()->toPlainText().trimmed().isEmpty());

    const QStringList printing = window.PagesMatching(QStringLiteral("印刷 PDF"));
    QVERIFY(printing.contains(QStringLiteral("detail.html")));
    QVERIFY(!printing.contains(QStringLiteral("members.html")));
    QVERIFY(window.PagesMatching(QStringLiteral("存在しない言葉ですよ")).isEmpty());

    window.SearchField()->setText(QStringLiteral("カレンダー"));
    int visible = 0;
    for (QTreeWidgetItemIterator it(window.Contents()); *it; ++it) visible += (*it)->isHidden() ? 0 : 1;
    QVERIFY(visible > 0 && visible < window.Pages().size());
    QVERIFY(window.PagesMatching(QStringLiteral("カレンダー")).contains(window.CurrentPage()));
  }
};

QTEST_MAIN(CompanionPagesTest)
#include "companion_pages_test.moc"
