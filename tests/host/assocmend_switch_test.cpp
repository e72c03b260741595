// The updater's start-up check and its command-line switches.
#include <gtest/gtest.h>

#include <string>

#include "assocmend/updater.h"
#include "platform/fake/fake_platform.h"

namespace kalv::assocmend {
namespace {

using fake::FakePlatform;
using fake::ProgramEnded;

const char kDir[] = "C:\\Program Files\\Kalvenmarque";
const char kTitle[] = "Kalvenmarque Registry Updater v1.2.0";
const char kUsage[] =
    "This program is a sub function program of Kalvenmarque v1.2.0 and should not be used as "
    "standalone. Use the following as command line parameters:\r\n"
    "'/i' - > reintilise registry settings (File Associations)\r\n"
    "'/u' -> uninstall registry settings (File Associations)\r\n"
    "'/fu' -> fully uninstall Kalvenmarque (including File Associations)\r\n"
    "'/fu1' -> fully uninstall Kalvenmarque with confirmation (including File Associations)";

struct SwitchCase {
  const char* commandLine;
  Action action;
};

class SwitchTable : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTable, WholeLowerCasedLineIsComparedExactly) {
  EXPECT_EQ(ParseCommandLine(GetParam().commandLine), GetParam().action)
      << "[" << GetParam().commandLine << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, SwitchTable,
    ::testing::Values(
        SwitchCase{"/i", Action::Install}, SwitchCase{"/I", Action::Install},
        SwitchCase{"/i1", Action::InstallConfirm}, SwitchCase{"/I1", Action::InstallConfirm},
        SwitchCase{"/u", Action::Uninstall}, SwitchCase{"/U", Action::Uninstall},
        SwitchCase{"/fu", Action::FullUninstall}, SwitchCase{"/fU", Action::FullUninstall},
        SwitchCase{"/fu1", Action::FullUninstallConfirm},
        SwitchCase{"/Fu1", Action::FullUninstallConfirm}, SwitchCase{"", Action::Usage},
        SwitchCase{"/i ", Action::Usage}, SwitchCase{" /i", Action::Usage},
        SwitchCase{"/I /U", Action::Usage}, SwitchCase{"/i /u", Action::Usage},
        SwitchCase{"i", Action::Usage}, SwitchCase{"/fu2", Action::Usage},
        SwitchCase{"-i", Action::Usage}, SwitchCase{"\"/i\"", Action::Usage}));

class UpdaterStart : public ::testing::Test {
 protected:
  void SetUp() override { p.system.programDirectory = kDir; }
  void AddMainProgram() { p.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ"); }
  void RunWith(const std::string& commandLine) {
    p.system.commandLine = commandLine;
    EXPECT_THROW(assocmend::Run(p), ProgramEnded) << commandLine;
  }
  FakePlatform p;
};

TEST_F(UpdaterStart, WithoutTheMainProgramBesideItNothingIsChanged) {
  for (const char* line : {"/i", "/fu", "nonsense"}) {
    FakePlatform fresh;
    fresh.system.programDirectory = kDir;
    fresh.system.commandLine = line;
    fresh.files.AddFile(std::string(kDir) + "\\a.isu", "log");
    fresh.files.AddFile("C:\\WINDOWS\\uninst.exe", "MZ");
    EXPECT_THROW(assocmend::Run(fresh), ProgramEnded);
    ASSERT_EQ(fresh.dialogs.messages().size(), 1u) << line;
    EXPECT_EQ(fresh.dialogs.messages()[0].text,
              "This sub function program can only be executed within the Kalvenmarque "
              "directory with appropriate command line parameters.");
    EXPECT_EQ(fresh.dialogs.messages()[0].caption, kTitle);
    EXPECT_EQ(fresh.dialogs.messages()[0].icon, Icon::Critical);
    EXPECT_TRUE(fresh.registry.Journal().empty()) << line;
    EXPECT_TRUE(fresh.processes.started().empty()) << line;
  }
}

TEST_F(UpdaterStart, MainProgramThatCannotBeOpenedCountsAsAbsent) {
  AddMainProgram();
  p.files.HoldOpen(std::string(kDir) + "\\Kalvenmarque.exe");
  RunWith("/i");
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_NE(p.dialogs.messages()[0].text.find("only be executed within"), std::string::npos);
  EXPECT_TRUE(p.registry.Journal().empty());
}

TEST_F(UpdaterStart, UnknownSwitchesShowTheUsageAndTouchNothing) {
  for (const char* line : {"", "/i ", "/I /U", "/x"}) {
    FakePlatform fresh;
    fresh.system.programDirectory = kDir;
    fresh.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ");
    fresh.system.commandLine = line;
    EXPECT_THROW(assocmend::Run(fresh), ProgramEnded);
    ASSERT_EQ(fresh.dialogs.messages().size(), 1u) << line;
    EXPECT_EQ(fresh.dialogs.messages()[0].text, kUsage);
    EXPECT_EQ(fresh.dialogs.messages()[0].caption, kTitle);
    EXPECT_EQ(fresh.dialogs.messages()[0].icon, Icon::Critical);
    EXPECT_EQ(fresh.dialogs.messages()[0].buttons, Buttons::Ok);
    EXPECT_TRUE(fresh.registry.Journal().empty()) << line;
    EXPECT_EQ(fresh.system.associationNotifications, 0);
  }
}

TEST_F(UpdaterStart, MixedCaseSwitchActsLikeItsLowerCaseForm) {
  AddMainProgram();
  RunWith("/I1");
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_EQ(p.dialogs.messages()[0].text, "Update Complete! Enjoy!");
  EXPECT_EQ(p.dialogs.messages()[0].caption, kTitle);
  EXPECT_EQ(p.dialogs.messages()[0].icon, Icon::Information);
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::ClassesRoot, ".dm_66"));
}

// The setup program runs "/i" silently and reads only its exit code: 0 when the
// associations were written, machine-wide or per user, 1 when they could not be.
TEST_F(UpdaterStart, SilentInstallTellsByItsExitCodeWhetherTheWritesFailed) {
  struct Case {
    const char* what;
    bool refuseMachine, refuseUser;
    int exitCode;
  };
  for (const Case& c : {Case{"machine-wide", false, false, 0}, Case{"per user", true, false, 0},
                        Case{"nowhere", true, true, 1}}) {
    SCOPED_TRACE(c.what);
    FakePlatform fresh;
    fresh.system.programDirectory = kDir;
    fresh.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ");
    fresh.system.commandLine = "/i";
    fresh.registry.RefuseWrites(RegRoot::ClassesRoot, c.refuseMachine);
    fresh.registry.RefuseWrites(RegRoot::CurrentUser, c.refuseUser);
    EXPECT_THROW(assocmend::Run(fresh), ProgramEnded);
    EXPECT_EQ(fresh.system.exitCode, c.exitCode);
    EXPECT_TRUE(fresh.dialogs.messages().empty()) << "it stays silent";
  }
}

TEST_F(UpdaterStart, EveryActionEndsTheProgram) {
  AddMainProgram();
  for (const char* line : {"/i", "/i1", "/u", "/fu1", "/bad"}) {
    p.dialogs.answers.push_back(Answer::No);
    RunWith(line);
  }
  EXPECT_EQ(p.system.endCount, 5);
}

}  // namespace
}  // namespace kalv::assocmend
