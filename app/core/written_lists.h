// What this program wrote into the list files of a folder, remembered across starts in
// that folder ("listfiles.written"): for each list file the size and a hash of the bytes
// of its last two writes. A list file that still holds bytes the program wrote is read
// as the CP932 it was written as, without asking its bytes what they are: an imported
// name without a sex can happen to be valid UTF-8 with a kanji in it (E6 BB BF reads as
// "滿") and would otherwise come back changed. Two writes are kept so that a save or an
// import stopped either side of its rename still finds the file it left.
//
// The record only ever settles how a file is read; a file not in it (an editor's change,
// a lost record) is read by its bytes alone, as any file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::core {

inline constexpr std::string_view kWrittenListsName = "listfiles.written";

struct ListFingerprint {
  std::uint64_t size = 0;
  std::uint64_t hash = 0;  // FNV-1a over the bytes
  bool operator==(const ListFingerprint&) const = default;
};

ListFingerprint FingerprintOfList(std::string_view bytes);

class WrittenListRecord {
 public:
  // The record of the folder that holds listPath; empty when there is none or it cannot
  // be read (unknown lines are skipped).
  explicit WrittenListRecord(const std::string& listPath);

  // True when these are bytes this program wrote into the list file of listPath.
  bool Holds(const std::string& listPath, std::string_view bytes) const;
  // The list file of listPath is about to hold these bytes; its write before stays
  // remembered, any older one is forgotten. The path must lie in the record's folder.
  void Remember(const std::string& listPath, std::string_view bytes);
  // Writes the record through the safe save; false when it could not be written (the
  // lists are then read by their bytes alone, which a list save never depends on).
  bool Save() const;

 private:
  struct Entry {
    std::string fileName;
    ListFingerprint fingerprint;
  };
  std::string path_;
  std::vector<Entry> entries_;  // oldest first
};

// Remembers one list write in its folder's record (see WrittenListRecord::Save).
bool RememberWrittenList(const std::string& listPath, std::string_view bytes);

}  // namespace nuvaro::core
