// Build-time writer of the sample member list: reads "name,sex,age band" lines in UTF-8
// and writes them as a member list file in CP932, through the same formatter the
// program uses, so the shipped list reads back exactly as written.
//
// Usage: sample_list_writer <samples.txt> <list file>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/group_file.h"
#include "core/member.h"
#include "platform/core/encoding.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: sample_list_writer <samples.txt> <list file>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  std::vector<nuvaro::core::Member> rows;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    auto cp932 = nuvaro::platform::Utf8ToCp932(line);
    if (!cp932) {
      std::cerr << argv[1] << ":" << lineNumber << ": has no CP932 form\n";
      return 1;
    }
    auto parsed = nuvaro::core::ParseMemberText(*cp932);
    std::size_t first = cp932->find(',');
    std::size_t second = first == std::string::npos ? first : cp932->find(',', first + 1);
    if (second == std::string::npos || parsed.name.find(' ') == std::string::npos) {
      std::cerr << argv[1] << ":" << lineNumber << ": expected \"surname given-name,sex,age band\"\n";
      return 1;
    }
    nuvaro::core::Member member{parsed.name, parsed.sex, cp932->substr(second + 1)};
    if (!(nuvaro::core::FitMemberForFile(member) == member)) {
      std::cerr << argv[1] << ":" << lineNumber << ": does not fit a list line\n";
      return 1;
    }
    rows.push_back(member);
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << nuvaro::core::FormatGroupFile(rows);
  if (!out) {
    std::cerr << argv[2] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
