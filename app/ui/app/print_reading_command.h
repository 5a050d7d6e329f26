// The program's command line for users who want the detail reading as a file:
//   Nuvaro --print-reading PLUGIN --self "姓 名,男,30" --partner "姓 名,女,20"
//          --output FILE.pdf [--page-size A4]
// prints exactly what the print preview's "印刷" prints (the same pair computation and
// composition) into a PDF file, without any window and without a display.
#pragma once

namespace nuvaro::ui {

inline constexpr char kPrintReadingOption[] = "--print-reading";

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
