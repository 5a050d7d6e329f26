#include "ui/app/program_information.h"

#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "calendar/calendar_window_texts.h"
#include "core/core_texts.h"
#include "platform/core/encoding.h"
#include "ui/app/print_reading_command.h"

#ifndef NUVARO_VERSION
#define NUVARO_VERSION "1.0.0"
#endif

namespace nuvaro::ui {
namespace {

constexpr char kProgramUsage[] =
    "使い方: Nuvaro\n"
    "  オプションを付けずに起動すると、ヌヴァロ君の画面が開きます。\n"
    "\n"
    "画面を開かずに PDF ファイルを書き出す（画面のない端末でも使えます）:\n";

constexpr char kCalendarExportNote[] =
    "      運勢カレンダーを、ひと月（YYYY-MM）か一年分（YYYY、ひと月1ページ）書き出します。\n"
    "      --settings を省くと、プログラムのカレンダー設定（Calendar.ini）で書き出します。\n";

constexpr char kReadingExportNote[] =
    "      詳細鑑定を、印刷プレビューの「印刷」と同じ内容で書き出します。\n";

constexpr char kIcsExportNote[] =
    "      祝日・二十四節気・雑節・暦注と、日ごとの六曜・旧暦・運勢を、カレンダー・プログラムに\n"
    "      読み込める iCalendar ファイル（.ics）に書き出します。\n";

constexpr char kClosingUsage[] =
    "\n"
    "そのほかのオプション:\n"
    "  --name-finder  名前さがしを開きます。同じ名前リストでヌヴァロ君がもう開いていれば、\n"
    "                 その画面で開きます（ヘルプの「名前さがしを開く」もこれを使います）。\n"
    "  --help, -h     この説明を表示して終わります。\n"
    "  --version, -v  バージョンを表示して終わります。\n"
    "\n"
    "書き出しの終了コード（--print-calendar、--print-reading、--export-ics で共通）:\n"
    "  0  書き出しました。\n"
    "  1  書き出せませんでした（エンジンやプラグインを読み込めない、ファイルに書き込めない\n"
    "     など）。前からあった出力ファイルは元のままです。\n"
    "  2  オプションや値に誤りがあります。何も書き出しません。\n";

// The lines after the first of a usage text, moved in under its command line.
std::string Indented(std::string_view lines) {
  std::string out;
  std::size_t start = 0;
  while (start < lines.size()) {
    std::size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    out += "    ";
    out += lines.substr(start, end - start);
    out += '\n';
    start = end + 1;
  }
  return out;
}

}  // namespace

ProgramInformation RequestedInformation(int argc, char** argv) {
  ProgramInformation found = ProgramInformation::None;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return ProgramInformation::Help;
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) found = ProgramInformation::Version;
  }
  return found;
}

int PrintProgramInformation(ProgramInformation which, std::ostream& out) {
  const std::string title = platform::Cp932ToUtf8Lossy(core::texts::kApplicationTitle);
  if (which == ProgramInformation::Version) {
    out << "Nuvaro (" << title << ") " << NUVARO_VERSION << '\n';
    return 0;
  }
  // The exports' own usage lines, so the help never disagrees with what they accept.
  std::string calendarUsage = platform::Cp932ToUtf8Lossy(calendar_texts::kCliUsage);
  if (const std::size_t colon = calendarUsage.find(": "); colon != std::string::npos) calendarUsage.erase(0, colon + 2);
  std::string readingUsage = kPrintReadingUsage;
  if (const std::size_t colon = readingUsage.find(": "); colon != std::string::npos) readingUsage.erase(0, colon + 2);
  std::string icsUsage = platform::Cp932ToUtf8Lossy(calendar_texts::kIcsUsage);
  if (const std::size_t colon = icsUsage.find(": "); colon != std::string::npos) icsUsage.erase(0, colon + 2);
  const std::size_t firstLineEnd = readingUsage.find('\n');
  out << kProgramUsage << "  " << calendarUsage << '\n'
      << kCalendarExportNote << "  " << readingUsage.substr(0, firstLineEnd) << '\n'
      << kReadingExportNote << Indented(std::string_view(readingUsage).substr(firstLineEnd + 1))
      << "\n画面を開かずに iCalendar ファイルを書き出す:\n"
      << "  " << icsUsage << '\n'
      << kIcsExportNote << kClosingUsage;
  return 0;
}

}  // namespace nuvaro::ui
