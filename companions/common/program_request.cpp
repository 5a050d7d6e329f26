#include "program_request.h"

#include <QProcess>

#include "platform/core/encoding.h"
#include "platform/core/message_sink.h"

namespace nuvaro::companions {
namespace {

constexpr char kProgramFile[] = "Nuvaro";
constexpr char kProgramMissing[] =
    "ヌヴァロ君のプログラム（Nuvaro）を起動できませんでした。ヘルプと同じフォルダーに Nuvaro があるか、"
    "確かめてください。";

}  // namespace

bool RequestFromProgram(const QString& programFolder, const QString& request, const QString& caption) {
  const QString program = programFolder + QLatin1Char('/') + QLatin1String(kProgramFile);
  if (QProcess::startDetached(program, {QStringLiteral("--") + request}, programFolder)) return true;
  platform::ShowMessageBoxUtf8(nullptr, kProgramMissing, platform::Utf8ToCp932(caption.toStdString()).value_or(""),
                               platform::MessageButtons::Ok, platform::MessageIcon::Warning);
  return false;
}

}  // namespace nuvaro::companions
