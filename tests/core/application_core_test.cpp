#include "core/application_core.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plugin_test_support.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using Strings = std::vector<std::string>;

// Records the framework's steps, and what the model looked like at shut-down.
class ApplicationCoreTest : public testing::PluginFolderTest {
 protected:
  StartupSteps RecordingSteps(bool commandLineSucceeds = true) {
    StartupSteps steps;
    steps.prepareFramework = [this] { steps_.push_back("prepare"); };
    steps.initializeDataExchange = [this] { steps_.push_back("data exchange"); };
    steps.loadProfileSettings = [this] { steps_.push_back("profile"); };
    steps.registerTemplates = [this] { steps_.push_back("templates"); };
    steps.processCommandLine = [this, commandLineSucceeds] {
      steps_.push_back("command line");
      return commandLineSucceeds;
    };
    steps.showMainWindow = [this] { steps_.push_back("show"); };
    return steps;
  }

  // Shuts down, noting the state of the engine and the plug-ins when the framework's
  // own exit runs (it runs last).
  void Exit(ApplicationCore& app) {
    app.ExitInstance([this, &app] {
      steps_.push_back(std::string("framework exit, engine ") + (app.Engine().IsLoaded() ? "loaded" : "released") +
                       ", plug-ins " + std::to_string(app.Plugins().Count()));
      callsAtExit_ = Calls();
    });
  }

  Strings steps_;
  Strings callsAtExit_;
};

TEST_F(ApplicationCoreTest, WithoutTheEngineTwoMessagesAndNoPlugInIsLoaded) {
  AddFake("A", "A.nvr");
  folder.Write("libNuvacalc.so", "not a library");  // counts as missing
  ApplicationCore app;
  EXPECT_FALSE(app.InitInstance(RecordingSteps()));
  EXPECT_EQ(sink.Texts(), (Strings{"モジュール:libNuvacalc.soが存在しません", "関連モジュールがありません。\n終了します。"}));
  for (const auto& message : sink.messages) {
    EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(message.icon, platform::MessageIcon::None);
  }
  EXPECT_EQ(app.Plugins().Count(), 0);
  EXPECT_TRUE(Calls().empty());
  Exit(app);
  EXPECT_EQ(steps_, (Strings{"prepare", "framework exit, engine released, plug-ins 0"}));
  EXPECT_EQ(app.Stage(), StartupStage::ShutDown);
}

TEST_F(ApplicationCoreTest, WithoutPlugInsTheDataFileMessageAndTheEngineIsReleased) {
  folder.CopyEngine();
  for (bool folderExists : {false, true}) {
    if (folderExists) {
      std::filesystem::create_directories(folder.Path() / "nvr" / "only-a-folder.nvr");
      folder.Write("nvr/readme.txt", "no plug-in here");
    }
    sink.Clear();
    steps_.clear();
    ApplicationCore app;
    EXPECT_FALSE(app.InitInstance(RecordingSteps()));
    EXPECT_EQ(sink.Texts(), Strings{"ヌヴァロ君のデータファイルがありません。\n終了します。"});
    EXPECT_EQ(app.Stage(), StartupStage::EngineBound);
    EXPECT_TRUE(app.Engine().IsLoaded());
    Exit(app);
    EXPECT_EQ(steps_, (Strings{"prepare", "framework exit, engine released, plug-ins 0"}));
  }
}

TEST_F(ApplicationCoreTest, APlugInThatIsNoLibraryIsNamedBeforeTheDataFileMessage) {
  folder.CopyEngine();
  AddFake("A", "A.nvr");
  folder.Write("nvr/B.nvr", "\x7f" "ELF but not really");
  AddFake("B", "C.nvr");
  ApplicationCore app;
  EXPECT_FALSE(app.InitInstance(RecordingSteps()));
  EXPECT_EQ(sink.Texts(), (Strings{folder.File("nvr/B.nvr") + " ファイルがロードできませんでした。",
                                   "ヌヴァロ君のデータファイルがありません。\n終了します。"}));
  Exit(app);
  EXPECT_TRUE(callsAtExit_.empty()) << "A was loaded but never started, so it is not cleaned up";
  EXPECT_EQ(steps_, (Strings{"prepare", "framework exit, engine released, plug-ins 0"}));
}

TEST_F(ApplicationCoreTest, AFullStartRunsEveryStepInOrderAndShutsDownInOrder) {
  folder.CopyEngine();
  AddFake("B", "2.nvr");
  AddFake("A", "1.nvr");
  ApplicationCore app;
  ASSERT_TRUE(app.InitInstance(RecordingSteps()));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(app.Stage(), StartupStage::Running);
  EXPECT_EQ(steps_, (Strings{"prepare", "data exchange", "profile", "templates", "command line", "show"}));
  EXPECT_EQ(Calls(), (Strings{"A:StartUp", "B:StartUp"}));
  EXPECT_TRUE(app.Engine().Has(EngineEntry::CalculateSoul));
  steps_.clear();
  Exit(app);
  EXPECT_EQ(steps_, Strings{"framework exit, engine released, plug-ins 0"});
  EXPECT_EQ(callsAtExit_, (Strings{"A:StartUp", "B:StartUp", "A:CleanUp", "B:CleanUp"}));
  Exit(app);
  EXPECT_EQ(steps_.size(), 1u) << "shut-down runs once";
}

TEST_F(ApplicationCoreTest, AFailingCommandLineEndsTheStartSilently) {
  folder.CopyEngine();
  AddFake("A", "A.nvr");
  ApplicationCore app;
  EXPECT_FALSE(app.InitInstance(RecordingSteps(false)));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(steps_, (Strings{"prepare", "data exchange", "profile", "templates", "command line"}));
  Exit(app);
  EXPECT_EQ(callsAtExit_, (Strings{"A:StartUp", "A:CleanUp"}));
}

// A start that finds a stopped import finishes it before any list is read; when the
// folder refuses the renames again, every list stays unchangeable for this run.
TEST_F(ApplicationCoreTest, AStartThatCannotFinishAStoppedImportHoldsEveryList) {
  for (const bool renameRefused : {false, true}) {
    SCOPED_TRACE(renameRefused ? "the rename is refused" : "the rename goes through");
    testing::ProgramFolder start;
    start.CopyEngine();
    start.CopyFixture(NUVARO_CORE_FIXTURE_DIR, "FakeA.nvr", "nvr/A.nvr");
    start.Write("listimport.journal", "list import\nlistbackup/20261208-064012\n");
    start.Write("friend.lst.import", "new,,\r\n");
    // A folder with something in it cannot be renamed over.
    start.Write(renameRefused ? "friend.lst/keep" : "friend.lst", "old,,\r\n");
    sink.Clear();
    ApplicationCore app;
    ASSERT_TRUE(app.InitInstance(StartupSteps{}));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text.starts_with("前回途中で止まった名前リストの読込みを、今回も"), renameRefused)
        << sink.messages[0].text;
    for (int tab = 1; tab < app.MemberLists().PageCount(); ++tab) {
      EXPECT_EQ(app.MemberLists().Page(tab).Writable(), !renameRefused) << tab;
    }
    Exit(app);
  }
}

}  // namespace
}  // namespace nuvaro::core
