#include "core/companion_launcher.h"

#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "core/core_texts.h"
#include "platform/core/message_sink.h"
#include "platform/core/paths.h"

extern char** environ;

namespace nuvaro::core {
namespace {

// The kernel keeps this many bytes of a program name.
constexpr std::size_t kProcessNameBytes = 15;

bool IsDigits(const char* text) {
  if (*text == '\0') return false;
  for (; *text != '\0'; ++text) {
    if (*text < '0' || *text > '9') return false;
  }
  return true;
}

// The state letter of /proc/<pid>/stat (after the parenthesised name).
char ProcessState(const std::string& procDir) {
  std::ifstream in(procDir + "/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t close = stat.rfind(')');
  if (close == std::string::npos || close + 2 >= stat.size()) return '?';
  return stat[close + 2];
}

}  // namespace

std::string_view CompanionFileName(Companion companion) {
  return companion == Companion::Help ? "NuvaroHelp" : "NuvaroNavi";
}

bool IsProgramRunning(std::string_view programName) {
  std::string wanted(programName.substr(0, kProcessNameBytes));
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return false;
  bool found = false;
  const uid_t self = getuid();
  while (dirent* entry = readdir(proc)) {
    if (!IsDigits(entry->d_name)) continue;
    std::string dir = std::string("/proc/") + entry->d_name;
    struct stat info {};
    if (stat(dir.c_str(), &info) != 0 || info.st_uid != self) continue;
    std::ifstream comm(dir + "/comm");
    std::string name;
    if (!std::getline(comm, name) || name != wanted) continue;
    char state = ProcessState(dir);
    if (state == 'Z' || state == 'X' || state == 'x') continue;  // ended, not yet reaped
    found = true;
    break;
  }
  closedir(proc);
  return found;
}

CompanionLauncher::CompanionLauncher(int waitMilliseconds) : waitMilliseconds_(waitMilliseconds) {}

CompanionLauncher::~CompanionLauncher() { ReapFinished(); }

void CompanionLauncher::ReapFinished() {
  stillRunning_.erase(std::remove_if(stillRunning_.begin(), stillRunning_.end(),
                                     [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                      stillRunning_.end());
}

void CompanionLauncher::Show(Companion companion) {
  ReapFinished();
  std::string_view name = CompanionFileName(companion);
  if (IsProgramRunning(name)) return;

  std::string path = platform::ProgramFile(name);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Only the standard descriptors go to the companion.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  // A process group of its own: the companion lives on independently of the program
  // (a terminal's interrupt meant for the program does not reach it).
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  char* argv[] = {path.data(), nullptr};
  pid_t pid = 0;
  int error = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    platform::ShowMessageBox(nullptr, companion == Companion::Help ? texts::kHelpMissing : texts::kNavigatorMissing,
                             texts::kApplicationTitle);
    return;
  }
  lastStarted_ = pid;

  // Wait at most the bounded time until the companion ended or runs under its own name,
  // not until it ends: a companion stays open, and waiting for its end froze the window
  // for the whole bound, so that even a close asked for meanwhile took up to two seconds.
  const std::string procComm = "/proc/" + std::to_string(pid) + "/comm";
  const std::string wanted(name.substr(0, kProcessNameBytes));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds_);
  for (;;) {
    pid_t done = waitpid(pid, nullptr, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) return;
    std::ifstream comm(procComm);
    std::string running;
    if (std::getline(comm, running) && running == wanted) break;
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  stillRunning_.push_back(pid);
}

}  // namespace nuvaro::core
