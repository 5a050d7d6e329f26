#include "page_contents.h"

#include <QStringList>

namespace nuvaro::companions {

QList<PageEntry> ParsePageContents(const QString& text) {
  QList<PageEntry> entries;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& raw : lines) {
    QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() != 3) continue;
    bool ok = false;
    int level = fields[0].trimmed().toInt(&ok);
    if (!ok || fields[1].trimmed().isEmpty() || fields[2].trimmed().isEmpty()) continue;
    entries.append({level, fields[1].trimmed(), fields[2].trimmed()});
  }
  return entries;
}

}  // namespace nuvaro::companions
