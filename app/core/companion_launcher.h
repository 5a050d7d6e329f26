// Starting the two companion programs (help and the problem-solving navigator) from the
// program's directory. A companion that already runs is not started again: on this
// platform "already running" means a live process of this user whose program name is
// the companion's (/proc/<pid>/comm), which stands in for a top-level window of that
// class. After a start the launcher waits at most 2000 ms until the companion runs under
// its own name (or has already ended), never for its end: the window stays responsive
// while the companion is open. A companion that ends later is reaped by the next start
// or when the launcher goes.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace nuvaro::core {

enum class Companion { Help, Navigator };

inline constexpr int kCompanionWaitMilliseconds = 2000;

// The companion's file name in the program's directory ("NuvaroHelp", "NuvaroNavi"),
// which is also the name its running process is recognised by.
std::string_view CompanionFileName(Companion companion);

// True when a live process of this user has this program name. Names longer than the
// kernel keeps (15 bytes) are compared on their first 15 bytes.
bool IsProgramRunning(std::string_view programName);

class CompanionLauncher {
 public:
  // The wait after a start may be shortened for tests; the program uses 2000 ms.
  explicit CompanionLauncher(int waitMilliseconds = kCompanionWaitMilliseconds);
  ~CompanionLauncher();
  CompanionLauncher(const CompanionLauncher&) = delete;
  CompanionLauncher& operator=(const CompanionLauncher&) = delete;

  // Does nothing when the companion already runs; otherwise starts it with no
  // arguments, no inherited descriptors beyond the standard three and in a process
  // group of its own, and waits until it runs as above. When it cannot be started shows
  // "NuvaroHelp.exeがありませんので、ヌヴァロ君のヘルプは表示できません。" or
  // "NuvaroNavi.exeがありませんので、ヌヴァロ問題解決メニューは表示できません。".
  void Show(Companion companion);

  // Process id of the last companion this launcher started (0 for none).
  pid_t LastStarted() const { return lastStarted_; }

 private:
  void ReapFinished();

  int waitMilliseconds_;
  pid_t lastStarted_ = 0;
  std::vector<pid_t> stillRunning_;  // started companions not yet reaped
};

}  // namespace nuvaro::core
