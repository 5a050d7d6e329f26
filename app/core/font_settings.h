// The font names of nuvaro.ini (section "Font"), read once when the program starts and
// never written back. Only the guide font is applied (the guide menu draws with it);
// the other two are read for completeness.
#pragma once

#include <string>

namespace nuvaro::core {

inline constexpr char kSettingsFileName[] = "nuvaro.ini";

struct FontSettings {
  std::string guideFontName;     // "GuideFontName", default "ＭＳ Ｐゴシック"
  std::string nuvaroFontName;    // "NuvaroFontName", default "ＭＳ 明朝"
  std::string contentsFontName;  // "ContentsFontName", default "ＭＳ ゴシック"
};

// The three names from the given file: the default when the file or the key is missing,
// the empty name for a key with an empty value, values cut to 499 bytes. CP932.
FontSettings ReadFontSettings(const std::string& iniPath);

// The process-wide record, read from nuvaro.ini beside the program on first use.
const FontSettings& ProgramFontSettings();

// Reads a string of nuvaro.ini beside the program (500-byte buffer) with a default.
std::string ReadProgramSetting(const std::string& section, const std::string& key, const std::string& defaultValue);

}  // namespace nuvaro::core
