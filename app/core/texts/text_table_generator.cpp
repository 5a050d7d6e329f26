// Build-time generator: turns a UTF-8 text table into a C++ header of CP932 byte
// strings, so that the program's texts are written readably and compiled as the exact
// bytes the program shows and stores.
//
// Usage: text_table_generator <table.txt> <header.h> <namespace>
// Table lines: "<name>\t<text>"; '#' starts a comment line; empty lines are skipped.
// In the text, "\n" is a line feed and "\\" a backslash.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "platform/core/encoding.h"

namespace {

bool IsIdentifier(const std::string& name) {
  if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) return false;
  for (char c : name) {
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  }
  return true;
}

// Resolves the two escapes of the table; false on any other backslash sequence.
bool Unescape(const std::string& text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 1 >= text.size()) return false;
    char next = text[++i];
    if (next == 'n') {
      out += '\n';
    } else if (next == '\\') {
      out += '\\';
    } else {
      return false;
    }
  }
  return true;
}

std::string CppBytes(const std::string& bytes) {
  std::string literal = "\"";
  char hex[8];
  for (unsigned char byte : bytes) {
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    literal += hex;
  }
  return literal + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: text_table_generator <table.txt> <header.h> <namespace>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  std::ostringstream header;
  header << "// Generated from " << argv[1] << " at build time; edit the table, not this file.\n"
         << "#pragma once\n\n#include <string_view>\n\nnamespace " << argv[3] << " {\n\n";
  std::set<std::string> names;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::size_t tab = line.find('\t');
    std::string name = line.substr(0, tab);
    std::string utf8;
    if (tab == std::string::npos || !IsIdentifier(name) || !Unescape(line.substr(tab + 1), utf8)) {
      std::cerr << argv[1] << ":" << lineNumber << ": expected <name><tab><text>\n";
      return 1;
    }
    if (!names.insert(name).second) {
      std::cerr << argv[1] << ":" << lineNumber << ": " << name << " is defined twice\n";
      return 1;
    }
    auto cp932 = nuvaro::platform::Utf8ToCp932(utf8);
    if (!cp932) {
      std::cerr << argv[1] << ":" << lineNumber << ": the text of " << name << " has no CP932 form\n";
      return 1;
    }
    header << "// \"" << line.substr(tab + 1) << "\"\ninline constexpr std::string_view " << name << "{"
           << CppBytes(*cp932) << ", " << cp932->size() << "};\n";
  }
  header << "\n}  // namespace " << argv[3] << "\n";
  // Rewrite only when the content changed, so dependants are not rebuilt needlessly.
  std::ifstream old(argv[2], std::ios::binary);
  std::string oldContent((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
  if (oldContent == header.str()) return 0;
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << header.str();
  return out ? 0 : 1;
}
