// Writes one manual page in one language from a page source that holds both languages.
//
//   man_page_generator SOURCE LANGUAGE VERSION OUTPUT [HELP_FILE]
//
// Source lines:
//   "@ja TEXT", "@en TEXT"   TEXT only in the page of that language;
//   "@command NAME TEXT"     the Japanese description of a command of the help text;
//   "@commands"              the command list, read from HELP_FILE (a program's --help
//                            output: "  NAME USAGE" lines, each followed by indented
//                            description lines), so the page lists exactly the commands
//                            the program has;
//   anything else            in both pages.
// "@VERSION@" anywhere becomes VERSION. groff finds no place to break a line in a run of
// Japanese text, so the Japanese page marks one (\:) between two Japanese characters,
// except before closing punctuation and small kana and after opening brackets, and its
// lines are left-aligned (no spaces to stretch). The English page shows a Japanese
// character that the terminal cannot show as "?".
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct HelpEntry {
  std::string name;
  std::string usage;
  std::string description;
};

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// Plain text as roff: backslashes and minus signs escaped, no line taken for a request.
std::string Roff(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

// The code point starting at text[at] and its length in bytes (UTF-8).
char32_t CodePointAt(const std::string& text, std::size_t at, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (at + length > text.size()) {
    length = 1;
    return lead;
  }
  if (length == 1) return lead;
  char32_t code = lead & (0xFF >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(at + i) & 0x3F);
  return code;
}

bool IsJapanese(char32_t c) { return c >= 0x3000 && c <= 0xFFEF; }

// Japanese line-breaking rules: no line starts with closing punctuation, the prolonged
// sound mark or a small kana, and none ends with an opening bracket.
bool NoBreakBefore(char32_t c) {
  static const std::u32string kClosing = U"、。，．・：；！？）」』】〕ー〜ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ";
  return kClosing.find(c) != std::u32string::npos;
}
bool NoBreakAfter(char32_t c) {
  static const std::u32string kOpening = U"（「『【〔";
  return kOpening.find(c) != std::u32string::npos;
}

// The line with a break point (\:) wherever a Japanese line may break.
std::string WithJapaneseBreakPoints(const std::string& line) {
  std::string out;
  std::size_t length = 0;
  for (std::size_t at = 0; at < line.size(); at += length) {
    const char32_t c = CodePointAt(line, at, length);
    out.append(line, at, length);
    if (at + length >= line.size()) break;
    std::size_t nextLength = 0;
    const char32_t next = CodePointAt(line, at + length, nextLength);
    if (IsJapanese(c) && IsJapanese(next) && !NoBreakAfter(c) && !NoBreakBefore(next)) out += "\\:";
  }
  return out;
}

// The English page as an ASCII terminal shows it: groff has no glyph there for the
// Japanese characters of its examples (names, 男 and 女) and would drop each with a
// warning, so each stands as "?", the usual mark of a character the terminal cannot show.
std::string AsciiFallbacks(const std::string& page) {
  std::set<char32_t> japanese;
  std::size_t length = 0;
  for (std::size_t at = 0; at < page.size(); at += length) {
    const char32_t c = CodePointAt(page, at, length);
    if (IsJapanese(c)) japanese.insert(c);
  }
  std::string requests;
  for (char32_t c : japanese) {
    char name[16];
    std::snprintf(name, sizeof name, "\\[u%04X]", static_cast<unsigned>(c));
    requests += std::string(".fchar ") + name + " ?\n";
  }
  return requests;
}

bool IsTextLine(const std::string& line) { return !line.empty() && line[0] != '.' && line[0] != '\''; }

// Japanese puts no space between sentences: a text line ending in a Japanese character
// continues (\c) into a following text line that starts with one.
std::string JoinJapaneseLines(const std::string& page) {
  std::vector<std::string> lines;
  std::istringstream in(page);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += lines[i];
    if (i + 1 < lines.size() && IsTextLine(lines[i]) && IsTextLine(lines[i + 1])) {
      std::size_t lastStart = lines[i].size();
      while (lastStart > 0 && (static_cast<unsigned char>(lines[i][lastStart - 1]) & 0xC0) == 0x80) --lastStart;
      if (lastStart > 0) --lastStart;
      std::size_t length = 0;
      const bool endsJapanese = IsJapanese(CodePointAt(lines[i], lastStart, length));
      const bool startsJapanese = IsJapanese(CodePointAt(lines[i + 1], 0, length));
      if (endsJapanese && startsJapanese) out += "\\c";
    }
    out += '\n';
  }
  return out;
}

// The entries after the "Commands:" line of a help text.
std::vector<HelpEntry> ReadHelp(std::istream& in) {
  std::vector<HelpEntry> entries;
  bool inCommands = false;
  for (std::string line; std::getline(in, line);) {
    if (!inCommands) {
      inCommands = line == "Commands:";
      continue;
    }
    if (StartsWith(line, "      ") && !entries.empty()) {
      std::string& text = entries.back().description;
      if (!text.empty()) text += ' ';
      text += line.substr(line.find_first_not_of(' '));
    } else if (StartsWith(line, "  ") && line.size() > 2 && line[2] != ' ') {
      std::string rest = line.substr(2);
      std::size_t space = rest.find(' ');
      HelpEntry entry{rest.substr(0, space), space == std::string::npos ? "" : rest.substr(space + 1), ""};
      entries.push_back(entry);
    } else if (!line.empty()) {
      break;
    }
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::cerr << "usage: man_page_generator SOURCE LANGUAGE VERSION OUTPUT [HELP_FILE]\n";
    return 2;
  }
  const std::string language = argv[2];
  const std::string version = argv[3];
  std::ifstream source(argv[1]);
  if (!source) {
    std::cerr << "man_page_generator: cannot read " << argv[1] << '\n';
    return 1;
  }
  std::vector<std::string> lines;
  std::map<std::string, std::string> japanese;
  for (std::string line; std::getline(source, line);) {
    if (StartsWith(line, "@command ")) {
      std::istringstream words(line.substr(9));
      std::string name;
      words >> name;
      std::string text;
      std::getline(words >> std::ws, text);
      japanese[name] = text;
    } else {
      lines.push_back(line);
    }
  }

  std::ostringstream page;
  for (const std::string& raw : lines) {
    std::string line = raw;
    if (StartsWith(line, "@ja ") || StartsWith(line, "@en ")) {
      if (line.substr(1, 2) != language) continue;
      line = line.substr(4);
    }
    if (line == "@commands") {
      if (argc != 6) {
        std::cerr << "man_page_generator: @commands needs a help file\n";
        return 1;
      }
      std::ifstream help(argv[5]);
      std::vector<HelpEntry> entries = ReadHelp(help);
      if (entries.empty()) {
        std::cerr << "man_page_generator: no commands in " << argv[5] << '\n';
        return 1;
      }
      for (const HelpEntry& entry : entries) {
        // The help's English is plain text; the source's Japanese is roff already.
        std::string description = Roff(entry.description);
        if (language == "ja") {
          auto found = japanese.find(entry.name);
          if (found != japanese.end()) {
            description = WithJapaneseBreakPoints(found->second);
          } else {
            std::cerr << "man_page_generator: warning: no Japanese description of \"" << entry.name << "\" in "
                      << argv[1] << "; the English one is used\n";
          }
        }
        page << ".TP\n\\fB" << Roff(entry.name) << "\\fR";
        if (!entry.usage.empty()) page << " \\fI" << Roff(entry.usage) << "\\fR";
        page << '\n' << description << '\n';
      }
      continue;
    }
    for (std::size_t at; (at = line.find("@VERSION@")) != std::string::npos;) line.replace(at, 9, version);
    if (language == "ja" && !StartsWith(line, ".TH") && !StartsWith(line, ".\\\"")) line = WithJapaneseBreakPoints(line);
    page << line << '\n';
    // Japanese lines hold no spaces to stretch: left-aligned, never justified.
    if (language == "ja" && StartsWith(line, ".TH")) page << ".ad l\n";
  }
  std::string text = page.str();
  if (language == "ja") {
    text = JoinJapaneseLines(text);
  } else if (const std::size_t header = text.find("\n.TH "); header != std::string::npos) {
    text.insert(text.find('\n', header + 1) + 1, AsciiFallbacks(text));
  }
  std::ofstream out(argv[4], std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "man_page_generator: cannot write " << argv[4] << '\n';
    return 1;
  }
  return 0;
}
