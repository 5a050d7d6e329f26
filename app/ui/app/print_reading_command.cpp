#include "ui/app/print_reading_command.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "core/detail_composition.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/plugin_host.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "ui/detail/detail_printing.h"
#include "ui/fonts/font_substitutions.h"

namespace nuvaro::ui {
namespace {

constexpr char kUsage[] =
    "使い方: Nuvaro --print-reading PLUGIN --self \"姓 名,男,30\" --partner \"姓 名,女,20\" "
    "--output FILE.pdf [--page-size A4]\n"
    "  PLUGIN      .nvr ファイルのパス、またはプログラムの nvr フォルダにあるファイル名\n"
    "  --self      あなたの名前・性別・年代（名前リストと同じ形: 姓 名,男,30）\n"
    "  --partner   相手の名前・性別・年代\n"
    "  --output    書き出す PDF ファイル\n"
    "  --page-size 用紙: A3, A4, A5, B4, B5, Letter, Legal、または 幅x高さ（mm、例 90x140）。既定は A4 縦\n";

struct Request {
  std::string plugin;
  std::string self;     // CP932 member text
  std::string partner;  // CP932 member text; empty when not given
  QString output;
  QPageSize pageSize{QPageSize::A4};
};

void Say(const std::string& utf8) { std::fprintf(stderr, "%s\n", utf8.c_str()); }

int BadArguments(const std::string& utf8) {
  Say(utf8);
  std::fputs(kUsage, stderr);
  return kPrintReadingBadArguments;
}

std::optional<QPageSize> PageSizeNamed(const std::string& name) {
  static const std::map<std::string, QPageSize::PageSizeId> named = {
      {"A3", QPageSize::A3}, {"A4", QPageSize::A4}, {"A5", QPageSize::A5},         {"B4", QPageSize::JisB4},
      {"B5", QPageSize::JisB5}, {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};
  if (auto found = named.find(name); found != named.end()) return QPageSize(found->second);
  static const QRegularExpression custom(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
  const QRegularExpressionMatch match = custom.match(QString::fromStdString(name));
  if (!match.hasMatch()) return std::nullopt;
  const int width = match.captured(1).toInt();
  const int height = match.captured(2).toInt();
  if (width < 10 || height < 10) return std::nullopt;
  return QPageSize(QSizeF(width, height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

// A member text from the command line as CP932, or why it cannot be one.
std::optional<std::string> MemberTextOf(const char* option, const std::string& utf8, std::string& error) {
  std::optional<std::string> cp932 = platform::Utf8ToCp932(utf8);
  if (!cp932) {
    error = std::string(option) + " \"" + utf8 + "\" には、シフトJIS（CP932）で書けない文字があります。";
    return std::nullopt;
  }
  core::ParsedMemberText member = core::ParseMemberText(*cp932);
  if (member.name.empty() || (member.sex != platform::Utf8ToCp932("男") && member.sex != platform::Utf8ToCp932("女"))) {
    error = std::string(option) + " \"" + utf8 + "\" は「姓 名,男,30」の形で書いてください（性別は 男 か 女）。";
    return std::nullopt;
  }
  return cp932;
}

// Reads the options; answers an error text when they do not make a request.
std::optional<Request> ParseRequest(int argc, char** argv, std::string& error) {
  Request request;
  std::string self;
  std::string partner;
  std::string pageSize;
  std::string output;
  const std::map<std::string, std::string*> options = {{kPrintReadingOption, &request.plugin},
                                                       {"--self", &self},
                                                       {"--partner", &partner},
                                                       {"--output", &output},
                                                       {"--page-size", &pageSize}};
  for (int i = 1; i < argc; ++i) {
    auto found = options.find(argv[i]);
    if (found == options.end()) {
      error = std::string("知らないオプションです: ") + argv[i];
      return std::nullopt;
    }
    if (i + 1 >= argc || argv[i + 1][0] == '\0') {
      error = found->first + " の後に値がありません。";
      return std::nullopt;
    }
    *found->second = argv[++i];
  }
  if (request.plugin.empty() || self.empty() || output.empty()) {
    error = "PLUGIN、--self と --output は省けません。";
    return std::nullopt;
  }
  auto selfText = MemberTextOf("--self", self, error);
  if (!selfText) return std::nullopt;
  request.self = *selfText;
  if (!partner.empty()) {
    auto partnerText = MemberTextOf("--partner", partner, error);
    if (!partnerText) return std::nullopt;
    request.partner = *partnerText;
  }
  if (!pageSize.empty()) {
    auto size = PageSizeNamed(pageSize);
    if (!size) {
      error = "--page-size \"" + pageSize + "\" は使えない用紙です。";
      return std::nullopt;
    }
    request.pageSize = *size;
  }
  request.output = QString::fromLocal8Bit(output.c_str());
  return request;
}

// Makes sure the output file can be written before anything is computed.
bool CanWrite(const QString& path) {
  const bool existed = QFile::exists(path);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  file.close();
  if (!existed) QFile::remove(path);
  return true;
}

int Run(const Request& request) {
  InstallFontSubstitutions();
  if (!CanWrite(request.output)) {
    return BadArguments("出力ファイル \"" + request.output.toStdString() + "\" に書き込めません。");
  }
  const std::string pluginPath = core::PluginHost::PluginPath(request.plugin);
  if (!platform::FileExists(pluginPath)) {
    return BadArguments("プラグイン \"" + request.plugin + "\" が見つかりません（" + pluginPath + "）。");
  }

  // The program's own start-up pieces: the engine bound by name, the one plug-in loaded
  // and given event id 1, the board's people in a face collection.
  core::EngineBinding engine;
  if (!engine.Bind()) return kPrintReadingFailed;
  core::PluginHost host;
  if (!host.LoadFiles({pluginPath})) return kPrintReadingFailed;
  constexpr int kEventId = 1;
  host.SetEvent(kEventId, 0);

  core::CFace face;
  face.CreateSelf();
  face.SetSelf(request.self);
  face.activeEvent = kEventId;
  int faceId = 0;
  if (host.Group(0) == core::kOwnFaceGroup) {
    face.mode = core::kModeSelf;  // the user's own reading
  } else {
    if (request.partner.empty()) return BadArguments("--partner を指定してください。");
    faceId = face.Entry(face.AddFace(0, 0, request.partner, engine)).id;
  }
  const std::vector<core::DetailRun> runs = core::ComposeDetailRuns(core::ReadDetail(face, host, engine, faceId));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(request.output);
  printer.setPageSize(request.pageSize);
  printer.setPageOrientation(QPageLayout::Portrait);
  return PrintDetailRuns(printer, runs) == PrintOutcome::Printed ? kPrintReadingOk : kPrintReadingFailed;
}

}  // namespace

bool IsPrintReadingCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], kPrintReadingOption) == 0) return true;
  }
  return false;
}

int RunPrintReadingCommand(int argc, char** argv) {
  // No window is ever shown: without a chosen platform there need be no display.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  std::string error;
  std::optional<Request> request = ParseRequest(argc, argv, error);
  if (!request) return BadArguments(error);
  return Run(*request);
}

}  // namespace nuvaro::ui
