#include "core/companion_launcher.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "program_folder.h"
#include "recording_message_sink.h"

namespace nuvaro::core {
namespace {

// Companions are shell scripts in the test's program folder; the test ends every
// process it started, by its id.
class CompanionLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (IsProgramRunning("NuvaroHelp") || IsProgramRunning("NuvaroNavi")) {
      GTEST_SKIP() << "a companion program is already running on this machine";
    }
  }
  void TearDown() override {
    // Each companion leads a process group of its own: the script and its sleep end.
    for (pid_t pid : started_) {
      kill(-pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }

  // A companion script: appends a line to starts.log, then runs `body`.
  void WriteCompanion(const std::string& name, const std::string& body) {
    std::string path = folder.Write(name, "#!/bin/sh\necho started >> \"" + folder.File("starts.log") + "\"\n" + body + "\n");
    chmod(path.c_str(), 0755);
  }
  int Starts() const {
    std::string log = folder.Read("starts.log");
    int lines = 0;
    for (char c : log) lines += c == '\n';
    return lines;
  }
  // Waits (boundedly) until the script has written its start line.
  bool WaitForStarts(int count) const {
    for (int i = 0; i < 500 && Starts() < count; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return Starts() >= count;
  }
  void Track(const CompanionLauncher& launcher) {
    if (launcher.LastStarted() != 0) started_.push_back(launcher.LastStarted());
  }

  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  std::vector<pid_t> started_;
};

TEST_F(CompanionLauncherTest, CompanionsThatCannotStartAreExplained) {
  folder.Write("NuvaroNavi", "plain text, not executable");
  CompanionLauncher launcher(50);
  launcher.Show(Companion::Help);
  launcher.Show(Companion::Navigator);
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{
                              "NuvaroHelp.exeがありませんので、ヌヴァロ君のヘルプは表示できません。",
                              "NuvaroNavi.exeがありませんので、ヌヴァロ問題解決メニューは表示できません。"}));
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(launcher.LastStarted(), 0);
}

TEST_F(CompanionLauncherTest, ARunningCompanionIsNotStartedTwice) {
  WriteCompanion("NuvaroHelp", "sleep 30");
  CompanionLauncher launcher(100);
  launcher.Show(Companion::Help);
  Track(launcher);
  ASSERT_NE(launcher.LastStarted(), 0);
  ASSERT_TRUE(WaitForStarts(1));
  // The launcher returned after its bounded wait while the companion goes on running.
  EXPECT_EQ(kill(launcher.LastStarted(), 0), 0);
  EXPECT_TRUE(IsProgramRunning("NuvaroHelp"));
  EXPECT_FALSE(IsProgramRunning("NuvaroNavi"));
  launcher.Show(Companion::Help);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(Starts(), 1);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CompanionLauncherTest, AnEndedCompanionIsReapedAndCanBeStartedAgain) {
  WriteCompanion("NuvaroNavi", "exit 0");
  CompanionLauncher launcher(2000);
  launcher.Show(Companion::Navigator);
  ASSERT_TRUE(WaitForStarts(1));
  pid_t first = launcher.LastStarted();
  ASSERT_NE(first, 0);
  // Once it has ended it no longer counts as running, and the next start reaps it: no
  // zombie is left behind.
  for (int i = 0; i < 200 && IsProgramRunning("NuvaroNavi"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(IsProgramRunning("NuvaroNavi"));
  launcher.Show(Companion::Navigator);
  EXPECT_TRUE(WaitForStarts(2));
  errno = 0;
  EXPECT_EQ(waitpid(first, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST_F(CompanionLauncherTest, AStartReturnsOnceTheCompanionRunsNotWhenItEnds) {
  // A companion stays open; the window must not freeze for the whole wait, or a close
  // asked for meanwhile waits with it.
  WriteCompanion("NuvaroHelp", "sleep 30");
  CompanionLauncher launcher(2000);
  const auto before = std::chrono::steady_clock::now();
  launcher.Show(Companion::Help);
  Track(launcher);
  const auto took = std::chrono::steady_clock::now() - before;
  EXPECT_LT(took, std::chrono::milliseconds(1000));
  EXPECT_TRUE(IsProgramRunning("NuvaroHelp"));
}

TEST_F(CompanionLauncherTest, AnEndedButUnreapedProcessDoesNotCountAsRunning) {
  WriteCompanion("NuvaroHelp", "sleep 30");
  CompanionLauncher launcher(10);
  launcher.Show(Companion::Help);
  pid_t pid = launcher.LastStarted();
  ASSERT_NE(pid, 0);
  ASSERT_TRUE(WaitForStarts(1));
  kill(-pid, SIGKILL);
  // Until it is reaped the process is a zombie; that is not a running companion.
  bool zombieSeen = false;
  for (int i = 0; i < 200 && !zombieSeen; ++i) {
    zombieSeen = !IsProgramRunning("NuvaroHelp");
    if (!zombieSeen) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(zombieSeen);
  launcher.Show(Companion::Help);  // reaps the old one, starts a new one
  Track(launcher);
  EXPECT_NE(launcher.LastStarted(), pid);
  EXPECT_TRUE(WaitForStarts(2));
}

}  // namespace
}  // namespace nuvaro::core
