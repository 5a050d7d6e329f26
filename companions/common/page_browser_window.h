// A companion's window: the contents tree on the left, the page on the right and a
// search field above them that narrows the tree to the pages holding the words.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>

#include "page_contents.h"

class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QLabel;

namespace nuvaro::companions {

class PageBrowserWindow : public QMainWindow {
  Q_OBJECT
 public:
  // resourceFolder: where the pages and "contents.txt" live (":/help").
  PageBrowserWindow(const QString& title, const QString& resourceFolder, QWidget* parent = nullptr);

  // Shows the page of the contents with this file name; false when it is not listed.
  bool ShowPage(const QString& file);
  QString CurrentPage() const { return currentFile_; }
  QTextBrowser* Browser() const { return browser_; }
  QTreeWidget* Contents() const { return tree_; }
  QLineEdit* SearchField() const { return search_; }
  const QList<PageEntry>& Pages() const { return pages_; }

  // Files of the pages whose text holds every word of the query (case-insensitive).
  QStringList PagesMatching(const QString& query) const;

  // Brings the window to the front (a second start of the companion asks for this).
  void BringToFront();

 private:
  void BuildContents();
  void ApplySearch(const QString& query);
  void OnAnchorClicked(const QUrl& url);

  QString resourceFolder_;
  QList<PageEntry> pages_;
  QHash<QString, QString> plainTexts_;  // file -> the page's text, for the search
  QHash<QString, QTreeWidgetItem*> items_;
  QString currentFile_;
  QTreeWidget* tree_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QLineEdit* search_ = nullptr;
  QLabel* searchStatus_ = nullptr;
};

}  // namespace nuvaro::companions
