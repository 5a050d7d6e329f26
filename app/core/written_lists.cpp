#include "core/written_lists.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "platform/core/file_system.h"

namespace nuvaro::core {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWritesKept = 2;

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

// A name that would break a line of the record is never remembered.
bool Recordable(std::string_view fileName) {
  return !fileName.empty() && fileName.find_first_of("\t\r\n") == std::string_view::npos;
}

bool ReadNumber(std::string_view text, std::uint64_t& value, int base) {
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, value, base);
  return error == std::errc{} && at == end && !text.empty();
}

}  // namespace

ListFingerprint FingerprintOfList(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ull;
  }
  return ListFingerprint{bytes.size(), hash};
}

// One line per write: file name, size and hash in hexadecimal, separated by tabs.
WrittenListRecord::WrittenListRecord(const std::string& listPath)
    : path_((fs::path(listPath).parent_path() / kWrittenListsName).string()) {
  auto text = platform::ReadWholeFile(path_);
  if (!text) return;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    const std::size_t first = line.find('\t');
    const std::size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
    if (second == std::string_view::npos) continue;
    Entry entry{std::string(line.substr(0, first)), {}};
    if (ReadNumber(line.substr(first + 1, second - first - 1), entry.fingerprint.size, 10) &&
        ReadNumber(line.substr(second + 1), entry.fingerprint.hash, 16) && Recordable(entry.fileName)) {
      entries_.push_back(std::move(entry));
    }
  }
}

bool WrittenListRecord::Holds(const std::string& listPath, std::string_view bytes) const {
  const std::string fileName = FileNameOf(listPath);
  const auto sized = [&](const Entry& entry) { return entry.fileName == fileName && entry.fingerprint.size == bytes.size(); };
  // The bytes are hashed only when a write of their size is known.
  if (std::none_of(entries_.begin(), entries_.end(), sized)) return false;
  const ListFingerprint fingerprint = FingerprintOfList(bytes);
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& entry) { return sized(entry) && entry.fingerprint == fingerprint; });
}

void WrittenListRecord::Remember(const std::string& listPath, std::string_view bytes) {
  const std::string fileName = FileNameOf(listPath);
  if (!Recordable(fileName)) return;
  const ListFingerprint fingerprint = FingerprintOfList(bytes);
  const auto same = [&](const Entry& entry) { return entry.fileName == fileName; };
  // The same bytes again stay one entry; of the others only the newest is kept.
  std::erase_if(entries_, [&](const Entry& entry) { return same(entry) && entry.fingerprint == fingerprint; });
  while (std::count_if(entries_.begin(), entries_.end(), same) >= static_cast<std::ptrdiff_t>(kWritesKept)) {
    entries_.erase(std::find_if(entries_.begin(), entries_.end(), same));
  }
  entries_.push_back(Entry{fileName, fingerprint});
}

bool WrittenListRecord::Save() const {
  std::string text;
  for (const Entry& entry : entries_) {
    char hash[17] = {};
    std::to_chars(hash, hash + 16, entry.fingerprint.hash, 16);
    text += entry.fileName + '\t' + std::to_string(entry.fingerprint.size) + '\t' + hash + '\n';
  }
  return platform::WriteWholeFileSafely(path_, text);
}

bool RememberWrittenList(const std::string& listPath, std::string_view bytes) {
  WrittenListRecord record(listPath);
  record.Remember(listPath, bytes);
  return record.Save();
}

}  // namespace nuvaro::core
