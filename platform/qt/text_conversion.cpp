#include "platform/qt/text_conversion.h"

#include "platform/core/encoding.h"

namespace nuvaro::platform {

QString QStringFromCp932(std::string_view cp932) {
  std::string utf8 = Cp932ToUtf8Lossy(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> QStringToCp932(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  return Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace nuvaro::platform
