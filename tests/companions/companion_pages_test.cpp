// The companions' pages as a reader meets them: the contents list real pages, every link
// leads to a page (and anchor) of the same companion or to the web, every picture exists
// and stands as a block of its own with normal line spacing, and the window opens on the
// first page and narrows its contents to what the search finds.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include <algorithm>

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

// Every text of the reading plug-ins' tables (the quoted values of their text files).
QStringList PluginTexts() {
  QStringList texts;
  const QRegularExpression value(QStringLiteral("^[^#=]+=\\s*\"(.*)\"\\s*$"));
  QDirIterator files(QStringLiteral(NUVARO_PLUGIN_SOURCE_DIR), {QStringLiteral("*.texts")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    for (const QString& line : ReadText(files.next()).split(QLatin1Char('\n'))) {
      const QRegularExpressionMatch match = value.match(line);
      if (match.hasMatch()) texts << match.captured(1);
    }
  }
  return texts;
}

// True when the page holds an anchor of this name (name= or id=).
bool HasAnchor(const QString& html, const QString& anchor) {
  return Attribute(html, QStringLiteral("name")).contains(anchor) || Attribute(html, QStringLiteral("id")).contains(anchor);
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
        if (link.startsWith(QLatin1String("nuvaro:"))) {
          // A request to the program must be one of the options its manual page lists.
          const QString manual = ReadText(QStringLiteral(NUVARO_PROGRAM_MANUAL)).remove(QLatin1Char('\\'));
          QVERIFY2(manual.contains(QStringLiteral(".B --") + link.mid(7) + QLatin1Char('\n')),
                   qPrintable(page.file + QStringLiteral(" asks the program for ") + link));
          continue;
        }
        const QString target = link.section(QLatin1Char('#'), 0, 0);
        const QString anchor = link.section(QLatin1Char('#'), 1);
        const bool isPage = listed.contains(target) || (target.isEmpty() && !anchor.isEmpty());
        const bool isStyle = target.endsWith(QLatin1String(".css")) && folder.exists(target);
        QVERIFY2(isPage || isStyle, qPrintable(page.file + QStringLiteral(" links to ") + link));
        if (!anchor.isEmpty()) {
          const QString targetHtml = target.isEmpty() ? html : ReadText(folder.filePath(target));
          QVERIFY2(HasAnchor(targetHtml, anchor), qPrintable(page.file + QStringLiteral(" links to a missing ") + link));
        }
      }
      for (const QString& picture : Attribute(html, QStringLiteral("src")))
        QVERIFY2(folder.exists(picture), qPrintable(page.file + QStringLiteral(" shows missing ") + picture));
    }
    // No page lies in the folder without a way to reach it.
    for (const QString& file : folder.entryList({QStringLiteral("*.html")}, QDir::Files))
      QVERIFY2(listed.contains(file), qPrintable(file + QStringLiteral(" is not in the contents")));
  }

  // The body's generous line spacing must not stretch a picture's line or split the
  // sentences around it: every picture is alone in its block, that block keeps single
  // line spacing, and a page's first picture starts on the first screen.
  void EveryPictureStandsAsItsOwnBlock_data() {
    QTest::addColumn<QString>("companion");
    QTest::addColumn<QString>("title");
    QTest::newRow("help") << QStringLiteral("help") << QStringLiteral("ヌヴァロ君の使い方");
    QTest::newRow("navi") << QStringLiteral("navi") << QStringLiteral("ヌヴァロ問題解決メニュー");
  }
  void EveryPictureStandsAsItsOwnBlock() {
    QFETCH(QString, companion);
    QFETCH(QString, title);
    PageBrowserWindow window(title, QStringLiteral(":/") + companion);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const PageEntry& page : window.Pages()) {
      QVERIFY(window.ShowPage(page.file));
      QTextDocument* document = window.Browser()->document();
      bool firstPicture = true;
      for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
          if (!it.fragment().charFormat().isImageFormat()) continue;
          const QString where = page.file + QLatin1Char(' ') + it.fragment().charFormat().toImageFormat().name();
          QVERIFY2(block.text() == QString(QChar::ObjectReplacementCharacter),
                   qPrintable(where + QStringLiteral(" shares its line with text: ") + block.text()));
          const QTextBlockFormat format = block.blockFormat();
          const bool singleSpaced = format.lineHeightType() == QTextBlockFormat::SingleHeight ||
                                    (format.lineHeightType() == QTextBlockFormat::ProportionalHeight &&
                                     format.lineHeight() <= 100);
          QVERIFY2(singleSpaced, qPrintable(where + QStringLiteral(" stands in stretched line spacing")));
          if (firstPicture) {
            const QRectF box = document->documentLayout()->blockBoundingRect(block);
            QVERIFY2(box.top() < window.Browser()->viewport()->height(),
                     qPrintable(where + QStringLiteral(" starts below the first screen")));
            firstPicture = false;
          }
        }
      }
    }
  }

  // The navigator quotes balloons and detail texts as the reader will meet them: every
  // quoted sentence is a plug-in text, or the ending of one; "〜" stands for any words.
  void NavigatorQuotesOnlyTextsThePluginsShow() {
    const QStringList texts = PluginTexts();
    QVERIFY(texts.size() > 100);
    const QDir folder(PagesFolder(QStringLiteral("navi")));
    const QRegularExpression quotation(QStringLiteral("「([^「」]*[！。？])」"));
    int quoted = 0;
    for (const QString& file : folder.entryList({QStringLiteral("*.html")}, QDir::Files)) {
      for (auto it = quotation.globalMatch(ReadText(folder.filePath(file))); it.hasNext();) {
        const QString quote = it.next().captured(1);
        QStringList pieces = quote.split(QStringLiteral("〜"));
        for (QString& piece : pieces) piece = QRegularExpression::escape(piece);
        const QRegularExpression ending(pieces.join(QStringLiteral(".*")) + QLatin1Char('$'));
        const bool shown = std::any_of(texts.begin(), texts.end(),
                                       [&](const QString& text) { return ending.match(text).hasMatch(); });
        QVERIFY2(shown, qPrintable(file + QStringLiteral(" quotes a text no plug-in shows: ") + quote));
        ++quoted;
      }
    }
    QVERIFY(quoted > 20);
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
