#include "platform/core/profile_file.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/core/encoding.h"
#include "platform/core/file_system.h"

namespace nuvaro::platform {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  std::size_t begin = text.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  std::size_t end = text.find_last_not_of(kBlanks);
  return text.substr(begin, end - begin + 1);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares two CP932 names ignoring ASCII case; trail bytes of two-byte characters are
// compared exactly (ア is 0x83 0x41, which must not match 0x83 0x61).
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsCp932LeadByte(static_cast<unsigned char>(a[i]))) {
      if (a[i] != b[i] || i + 1 >= a.size() || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The section name of a "[Name]" line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[') return std::nullopt;
  std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "Key=Value" line, or nothing for comments and other lines.
std::optional<KeyValue> ParseKeyValue(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  std::size_t eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

// A value in matching quotes loses them, as the Windows reader does.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::optional<std::string_view> FindValue(std::string_view fileText, std::string_view section,
                                          std::string_view key) {
  bool inSection = false;
  for (std::string_view line : SplitLines(fileText)) {
    if (auto name = SectionName(line)) {
      inSection = SameName(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (auto kv = ParseKeyValue(line); kv && SameName(kv->key, key)) return Unquote(kv->value);
  }
  return std::nullopt;
}

std::string CutToBuffer(std::string_view value, std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  return std::string(value.substr(0, Cp932SafePrefixLength(value, bufferSize - 1)));
}

}  // namespace

std::string LookUpProfileValue(std::string_view fileText, std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t bufferSize) {
  auto value = FindValue(fileText, section, key);
  return CutToBuffer(value ? *value : defaultValue, bufferSize);
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    const std::string& path, std::size_t bufferSize) {
  auto text = ReadWholeFile(path);
  if (!text) return CutToBuffer(defaultValue, bufferSize);
  return LookUpProfileValue(*text, section, key, defaultValue, bufferSize);
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         const std::string& path) {
  auto text = ReadWholeFile(path);
  if (!text) return defaultValue;
  auto value = FindValue(*text, section, key);
  if (!value) return defaultValue;
  std::string_view digits = *value;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  long long number = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (ec == std::errc::result_out_of_range) {
    return (!digits.empty() && digits.front() == '-') ? INT32_MIN : INT32_MAX;
  }
  if (ec != std::errc()) return 0;
  if (number > INT32_MAX) return INT32_MAX;
  if (number < INT32_MIN) return INT32_MIN;
  return static_cast<int>(number);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  std::string_view eol = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  std::vector<std::string_view> lines = SplitLines(text);
  std::string newLine = std::string(key) + "=" + std::string(value);

  // Find the section, the key within it and the last non-blank line of the section.
  std::optional<std::size_t> sectionLine, keyLine, lastContent;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (auto name = SectionName(lines[i])) {
      if (inSection) break;
      inSection = SameName(*name, section);
      if (inSection) {
        sectionLine = i;
        lastContent = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i]).empty()) lastContent = i;
    if (auto kv = ParseKeyValue(lines[i]); kv && SameName(kv->key, key)) {
      keyLine = i;
      break;
    }
  }

  std::vector<std::string> out(lines.begin(), lines.end());
  if (keyLine) {
    out[*keyLine] = newLine;
  } else if (sectionLine) {
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(*lastContent + 1), newLine);
  } else {
    out.push_back("[" + std::string(section) + "]");
    out.push_back(newLine);
  }
  std::string result;
  for (const std::string& line : out) {
    result += line;
    result += eol;
  }
  return result;
}

std::optional<std::string> ReadProfileForRewrite(const std::string& path) {
  // An existing file that cannot be read is left alone: writing it as if it were empty
  // would throw away every other setting it holds.
  if (!PathExists(path)) return std::string();
  return ReadWholeFile(path);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path) {
  std::optional<std::string> text = ReadProfileForRewrite(path);
  if (!text) return false;
  return WriteWholeFileSafely(path, SetProfileValue(*text, section, key, value));
}

}  // namespace nuvaro::platform
