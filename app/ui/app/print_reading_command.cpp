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
#include "ui/app/pdf_output_file.h"
#include "ui/detail/detail_printing.h"
#include "ui/fonts/font_substitutions.h"

namespace nuvaro::ui {
namespace {

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
  std::fputs(kPrintReadingUsage, stderr);
  return kPrintReadingBadArguments;
}

int Failed(const std::string& utf8) {
  Say(utf8);
  return kPrintReadingFailed;
}

int CannotWrite(const QString& path) { return Failed("出力ファイル \"" + path.toStdString() + "\" に書き込めません。"); }

int WriteFailed(const QString& path) {
  return Failed("PDF を出力ファイル \"" + path.toStdString() +
                "\" に書き込めませんでした（前からあったファイルは元のままです）。");
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

int Run(const Request& request) {
  InstallFontSubstitutions();
  // Checked before anything is computed, without touching the file.
  PdfOutputFile output(request.output);
  if (!output.TargetLooksWritable()) return CannotWrite(request.output);
  const std::string pluginPath = core::PluginHost::PluginPath(request.plugin);
  if (!platform::FileExists(pluginPath)) {
    return BadArguments("プラグイン \"" + request.plugin + "\" が見つかりません（" + pluginPath + "）。");
  }

  // The program's own start-up pieces: the engine bound by name, the one plug-in loaded
  // and given event id 1, the board's people in a face collection.
  core::EngineBinding engine;
  if (!engine.Bind()) return Failed("鑑定エンジンを読み込めませんでした。");
  core::PluginHost host;
  if (!host.LoadFiles({pluginPath})) return Failed("プラグイン \"" + pluginPath + "\" を読み込めませんでした。");
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
  if (!output.Prepare(printer)) return WriteFailed(request.output);
  printer.setPageSize(request.pageSize);
  printer.setPageOrientation(QPageLayout::Portrait);
  // A failed print has said why already ("印刷が異常終了しました。" and the like).
  if (PrintDetailRuns(printer, runs) != PrintOutcome::Printed) return kPrintReadingFailed;
  return output.Commit() ? kPrintReadingOk : WriteFailed(request.output);
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
