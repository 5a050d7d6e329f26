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
// "@VERSION@" anywhere becomes VERSION.
#include <fstream>
#include <iostream>
#include <map>
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
        std::string description = entry.description;
        if (language == "ja") {
          auto found = japanese.find(entry.name);
          if (found != japanese.end()) {
            description = found->second;
          } else {
            std::cerr << "man_page_generator: warning: no Japanese description of \"" << entry.name << "\" in "
                      << argv[1] << "; the English one is used\n";
          }
        }
        page << ".TP\n\\fB" << Roff(entry.name) << "\\fR";
        if (!entry.usage.empty()) page << " \\fI" << Roff(entry.usage) << "\\fR";
        page << '\n' << Roff(description) << '\n';
      }
      continue;
    }
    for (std::size_t at; (at = line.find("@VERSION@")) != std::string::npos;) line.replace(at, 9, version);
    page << line << '\n';
  }
  std::ofstream out(argv[4], std::ios::binary);
  out << page.str();
  out.close();
  if (!out) {
    std::cerr << "man_page_generator: cannot write " << argv[4] << '\n';
    return 1;
  }
  return 0;
}
