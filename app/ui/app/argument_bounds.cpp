#include "ui/app/argument_bounds.h"

#include <cstring>

namespace nuvaro::ui {

std::optional<std::string> OverlongArgumentMessage(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::size_t length = std::strlen(argv[i]);
    if (length <= kMaxArgumentBytes) continue;
    return "Nuvaro: " + std::to_string(i) + " 番目の引数が長すぎます（" + std::to_string(length) + " バイト。" +
           std::to_string(kMaxArgumentBytes) + " バイトまでです）。";
  }
  return std::nullopt;
}

}  // namespace nuvaro::ui
