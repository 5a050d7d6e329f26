// The table of contents of a companion's pages, read from the "contents.txt" of its
// resources: one page a line, "level|file|title" (level 0 = chapter, 1 = section).
#pragma once

#include <QList>
#include <QString>

namespace nuvaro::companions {

struct PageEntry {
  int level = 0;
  QString file;   // relative to the pages' resource folder ("start.html")
  QString title;
};

// Lines that are empty, start with '#' or lack a field are skipped.
QList<PageEntry> ParsePageContents(const QString& text);

}  // namespace nuvaro::companions
