// The program's command line for users who want the detail reading as a file:
//   Nuvaro --print-reading PLUGIN --self "姓 名,男,30" --partner "姓 名,女,20"
//          --output FILE.pdf [--page-size A4]
// prints exactly what the print preview's "印刷" prints (the same pair computation and
// composition) into a PDF file, without any window and without a display.
#pragma once

namespace nuvaro::ui {

inline constexpr char kPrintReadingOption[] = "--print-reading";

// Its usage, as `--help` and a refused command line show it (UTF-8).
inline constexpr char kPrintReadingUsage[] =
    "使い方: Nuvaro --print-reading PLUGIN --self \"姓 名,男,30\" --partner \"姓 名,女,20\" "
    "--output FILE.pdf [--page-size A4]\n"
    "  PLUGIN      .nvr ファイルのパス、またはプログラムの nvr フォルダにあるファイル名\n"
    "  --self      あなたの名前・性別・年代（名前リストと同じ形: 姓 名,男,30）\n"
    "  --partner   相手の名前・性別・年代\n"
    "  --output    書き出す PDF ファイル\n"
    "  --page-size 用紙: A3, A4, A5, B4, B5, Letter, Legal、または 幅x高さ（mm、例 90x140）。既定は A4 縦\n";

// Exit statuses of the command.
inline constexpr int kPrintReadingOk = 0;
inline constexpr int kPrintReadingFailed = 1;       // engine, plug-in or printing failed
inline constexpr int kPrintReadingBadArguments = 2;

// True when the command line asks for the command.
bool IsPrintReadingCommand(int argc, char** argv);

// Runs the command in a GUI application of its own (the offscreen platform unless one
// is chosen) and answers its exit status. Messages go to stderr in UTF-8.
int RunPrintReadingCommand(int argc, char** argv);

}  // namespace nuvaro::ui
