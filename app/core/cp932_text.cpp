#include "core/cp932_text.h"

#include <string>

#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

// Position of the first "%<letter>" slot, walking whole characters.
std::size_t FindSlot(std::string_view format, char letter) {
  for (std::size_t i = 0; i < format.size();) {
    if (platform::IsCp932LeadByte(static_cast<unsigned char>(format[i]))) {
      i += 2;
      continue;
    }
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == letter) return i;
    ++i;
  }
  return std::string_view::npos;
}

std::string Fill(std::string_view format, char letter, std::string_view value) {
  std::size_t slot = FindSlot(format, letter);
  if (slot == std::string_view::npos) return std::string(format);
  std::string text(format.substr(0, slot));
  text += value;
  text += format.substr(slot + 2);
  return text;
}

}  // namespace

std::string FormatText(std::string_view format, std::string_view value) { return Fill(format, 's', value); }

std::string FormatNumber(std::string_view format, int value) { return Fill(format, 'd', std::to_string(value)); }

std::string CutText(std::string_view text, std::size_t maxBytes) {
  return std::string(text.substr(0, platform::Cp932SafePrefixLength(text, maxBytes)));
}

bool IsCp932TrailByte(unsigned char byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC); }

std::size_t FindSingleByte(std::string_view text, char wanted, std::size_t from) {
  for (std::size_t i = from; i < text.size();) {
    if (platform::IsCp932LeadByte(static_cast<unsigned char>(text[i]))) {
      i += 2;
      continue;
    }
    if (text[i] == wanted) return i;
    ++i;
  }
  return std::string_view::npos;
}

int CompareCp932(std::string_view a, std::string_view b) {
  auto next = [](std::string_view text, std::size_t& i) {
    unsigned value = static_cast<unsigned char>(text[i++]);
    if (platform::IsCp932LeadByte(static_cast<unsigned char>(value)) && i < text.size()) {
      value = value * 256 + static_cast<unsigned char>(text[i++]);
    }
    return value;
  };
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    unsigned x = next(a, i);
    unsigned y = next(b, j);
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::string DisplayPath(std::string_view path) {
  auto converted = platform::Utf8ToCp932(path);
  return converted ? *converted : std::string(path);
}

}  // namespace nuvaro::core
