// Failures of single file-system calls that no real disk can be made to produce on
// demand: a folder whose flush fails, and renames that start failing part way through
// a run of them. The calls are replaced in the test program itself (file_call_faults.cpp
// defines fsync, fdatasync and rename), so the program's libraries meet the failure
// exactly where a failing disk would show it. Outside a fault's lifetime every call goes
// straight to the C library.
#pragma once

#include <string>

namespace nuvaro::testing {

// While alive, fsync and fdatasync of a folder fail with EIO; files flush as usual.
struct FolderFlushFails {
  FolderFlushFails();
  ~FolderFlushFails();
};

// While alive, renames whose source name ends with `sourceSuffix` succeed `allowed`
// times and then fail with EIO, leaving both names as they were; other renames work.
class RenamesFailAfter {
 public:
  RenamesFailAfter(std::string sourceSuffix, int allowed);
  ~RenamesFailAfter();
  RenamesFailAfter(const RenamesFailAfter&) = delete;
  RenamesFailAfter& operator=(const RenamesFailAfter&) = delete;

  // How many matching renames were refused so far.
  int Refused() const;
};

}  // namespace nuvaro::testing
