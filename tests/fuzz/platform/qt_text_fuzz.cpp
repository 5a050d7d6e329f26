// Any bytes through the Qt side of the text conversion: CP932 to QString always works
// (undecodable bytes become U+FFFD) and agrees with the UTF-8 conversion; a QString
// that converts back gives a text that shows the same again.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/core/encoding.h"
#include "platform/qt/text_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace platform = nuvaro::platform;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  QString shown = platform::QStringFromCp932(bytes);
  auto utf8 = platform::Cp932ToUtf8(bytes);
  if (utf8 && shown != QString::fromStdString(*utf8)) std::abort();
  if (auto back = platform::QStringToCp932(shown)) {
    if (platform::QStringFromCp932(*back) != shown) std::abort();
  }
  // The bytes read as UTF-8 text typed into a widget: a look-alike may be stored in its
  // place (〜 U+301C as the code of ～), but the stored bytes show and store the same.
  QString typed = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(size));
  if (auto cp932 = platform::QStringToCp932(typed)) {
    if (platform::QStringToCp932(platform::QStringFromCp932(*cp932)) != cp932) std::abort();
  }
  return 0;
}
