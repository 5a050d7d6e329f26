#include "page_browser_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "program_request.h"

namespace nuvaro::companions {
namespace {

constexpr int kContentsWidth = 240;
constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 640;

QString ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString PlainTextOf(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText();
}

}  // namespace

PageBrowserWindow::PageBrowserWindow(const QString& title, const QString& resourceFolder, QWidget* parent)
    : QMainWindow(parent), resourceFolder_(resourceFolder) {
  setWindowTitle(title);
  resize(kWindowWidth, kWindowHeight);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  auto* searchRow = new QHBoxLayout;
  search_ = new QLineEdit(central);
  search_->setPlaceholderText(QStringLiteral("ページ内の言葉で探す（例：印刷、カレンダー、リスト）"));
  search_->setClearButtonEnabled(true);
  searchStatus_ = new QLabel(central);
  searchRow->addWidget(new QLabel(QStringLiteral("検索："), central));
  searchRow->addWidget(search_, 1);
  searchRow->addWidget(searchStatus_);
  column->addLayout(searchRow);

  auto* splitter = new QSplitter(central);
  tree_ = new QTreeWidget(splitter);
  tree_->setHeaderHidden(true);
  tree_->setMinimumWidth(kContentsWidth / 2);
  browser_ = new QTextBrowser(splitter);
  browser_->setOpenLinks(false);
  browser_->setSearchPaths({resourceFolder_});
  splitter->addWidget(tree_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kContentsWidth, kWindowWidth - kContentsWidth});
  column->addWidget(splitter, 1);
  setCentralWidget(central);

  pages_ = ParsePageContents(ReadResource(resourceFolder_ + QStringLiteral("/contents.txt")));
  BuildContents();

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) ShowPage(item->data(0, Qt::UserRole).toString());
  });
  connect(browser_, &QTextBrowser::anchorClicked, this, &PageBrowserWindow::OnAnchorClicked);
  connect(search_, &QLineEdit::textChanged, this, &PageBrowserWindow::ApplySearch);
  connect(search_, &QLineEdit::returnPressed, this, [this] {
    const QString word = search_->text().trimmed().section(QLatin1Char(' '), 0, 0);
    if (!word.isEmpty() && !browser_->find(word)) {
      browser_->moveCursor(QTextCursor::Start);
      browser_->find(word);
    }
  });

  if (!pages_.isEmpty()) ShowPage(pages_.first().file);
}

void PageBrowserWindow::BuildContents() {
  QTreeWidgetItem* chapter = nullptr;
  for (const PageEntry& page : pages_) {
    QTreeWidgetItem* item = (page.level > 0 && chapter != nullptr) ? new QTreeWidgetItem(chapter)
                                                                    : new QTreeWidgetItem(tree_);
    if (page.level == 0) chapter = item;
    item->setText(0, page.title);
    item->setData(0, Qt::UserRole, page.file);
    items_.insert(page.file, item);
    plainTexts_.insert(page.file, PlainTextOf(ReadResource(resourceFolder_ + QLatin1Char('/') + page.file)));
  }
  tree_->expandAll();
}

bool PageBrowserWindow::ShowPage(const QString& file) {
  auto found = items_.constFind(file);
  if (found == items_.constEnd()) return false;
  if (currentFile_ != file) {
    currentFile_ = file;
    browser_->setSource(QUrl(file));
  }
  if (tree_->currentItem() != found.value()) tree_->setCurrentItem(found.value());
  return true;
}

QStringList PageBrowserWindow::PagesMatching(const QString& query) const {
  const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QStringList matching;
  for (const PageEntry& page : pages_) {
    const QString text = page.title + QLatin1Char('\n') + plainTexts_.value(page.file);
    bool all = true;
    for (const QString& word : words) all = all && text.contains(word, Qt::CaseInsensitive);
    if (all) matching.append(page.file);
  }
  return matching;
}

void PageBrowserWindow::ApplySearch(const QString& query) {
  const QStringList matching = PagesMatching(query);
  for (auto it = items_.constBegin(); it != items_.constEnd(); ++it) it.value()->setHidden(false);
  if (query.trimmed().isEmpty()) {
    searchStatus_->clear();
    return;
  }
  for (auto it = items_.constBegin(); it != items_.constEnd(); ++it) {
    bool match = matching.contains(it.key());
    // A chapter stays visible while one of its sections matches.
    for (int i = 0; !match && i < it.value()->childCount(); ++i)
      match = matching.contains(it.value()->child(i)->data(0, Qt::UserRole).toString());
    it.value()->setHidden(!match);
  }
  searchStatus_->setText(matching.isEmpty() ? QStringLiteral("見つかりません")
                                            : QStringLiteral("%1ページ").arg(matching.size()));
  if (!matching.isEmpty() && !matching.contains(currentFile_)) ShowPage(matching.first());
}

void PageBrowserWindow::OnAnchorClicked(const QUrl& url) {
  if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
    QDesktopServices::openUrl(url);
    return;
  }
  if (url.scheme() == QLatin1String(kProgramRequestScheme)) {
    // Only a plain word of our pages' own, never anything the program would read as a value.
    static const QRegularExpression request(QStringLiteral("^[a-z]+(-[a-z]+)*$"));
    if (request.match(url.path()).hasMatch())
      RequestFromProgram(QCoreApplication::applicationDirPath(), url.path(), windowTitle());
    return;
  }
  const QString file = url.path().section(QLatin1Char('/'), -1);
  if (ShowPage(file) && url.hasFragment()) browser_->scrollToAnchor(url.fragment());
}

void PageBrowserWindow::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace nuvaro::companions
