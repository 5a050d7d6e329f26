#include "members/member_drag_data.h"

#include <QMimeData>
#include <QStringList>

#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {

QMimeData* MemberDragData(std::string_view memberTextCp932) {
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kMemberMimeType),
                QByteArray(memberTextCp932.data(), static_cast<qsizetype>(memberTextCp932.size())));
  data->setText(platform::QStringFromCp932(memberTextCp932));
  return data;
}

bool MayHoldMemberText(const QMimeData* data) {
  return data != nullptr && (data->hasFormat(QString::fromLatin1(kMemberMimeType)) || data->hasText());
}

std::optional<std::string> MemberTextFromDragData(const QMimeData* data) {
  if (data == nullptr) return std::nullopt;
  if (data->hasFormat(QString::fromLatin1(kMemberMimeType))) {
    QByteArray bytes = data->data(QString::fromLatin1(kMemberMimeType));
    if (bytes.isEmpty()) return std::nullopt;
    return bytes.toStdString();
  }
  if (!data->hasText()) return std::nullopt;
  // A text from another program may hold several lines; the first one with content is
  // the member line.
  const QStringList lines = data->text().split(QLatin1Char('\n'));
  for (QString line : lines) {
    while (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    return platform::QStringToCp932(line);
  }
  return std::nullopt;
}

}  // namespace nuvaro::ui
