// The full uninstall: the log it passes, the uninstaller it starts (the setup package's
// or the product's own), and what is left when they are missing or the user declines.
#include <gtest/gtest.h>

#include <string>

#include "assocmend/associations.h"
#include "assocmend/uninstall.h"
#include "assocmend/updater.h"
#include "platform/fake/fake_platform.h"

namespace kalv::assocmend {
namespace {

using fake::FakePlatform;
using fake::ProgramEnded;

const char kDir[] = "C:\\Program Files\\Kalvenmarque";
const char kTitle[] = "Kalvenmarque Registry Updater v1.2.0";
const char kUninstaller[] = "C:\\WINDOWS\\uninst.exe";

class FullUninstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.system.programDirectory = kDir;
    p.system.windowsDirectory = "C:\\WINDOWS";
    p.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ");
    p.files.AddFile(kUninstaller, "MZ");
    ASSERT_TRUE(WriteAssociationsAt(p.registry, MachineClasses(), kDir));
  }
  void AddLog(const std::string& name) { p.files.AddFile(std::string(kDir) + "\\" + name, "log"); }
  void RunWith(const std::string& commandLine) {
    p.system.commandLine = commandLine;
    EXPECT_THROW(assocmend::Run(p), ProgramEnded) << commandLine;
  }
  bool AssociationsLeft() {
    return p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.HL") ||
           p.registry.KeyExists(RegRoot::ClassesRoot, ".dm_66");
  }
  FakePlatform p;
};

TEST_F(FullUninstallTest, PassesTheLastLogWithoutRegardToCase) {
  AddLog("a.isu");
  AddLog("B.isu");
  AddLog("notes.txt");
  RunWith("/fu");
  ASSERT_EQ(p.processes.started().size(), 1u);
  const auto& started = p.processes.started()[0];
  EXPECT_EQ(started.executable, kUninstaller);
  EXPECT_EQ(started.commandLine,
            "C:\\WINDOWS\\uninst.exe -f\"C:\\Program Files\\Kalvenmarque\\B.isu\" "
            "-c\"C:\\Program Files\\Kalvenmarque\\_ISREG32.DLL\"");
  EXPECT_EQ(started.show, ShowMode::NormalFocus);
  EXPECT_FALSE(AssociationsLeft());
  EXPECT_TRUE(p.dialogs.messages().empty());
  EXPECT_GE(p.system.associationNotifications, 1);
}

TEST_F(FullUninstallTest, FindUninstallLogIgnoresOtherFilesAndCase) {
  EXPECT_FALSE(FindUninstallLog(p.files, kDir).has_value());
  AddLog("DeIsL1.ISU");
  AddLog("c.isu.bak");
  EXPECT_EQ(FindUninstallLog(p.files, kDir).value_or(""), "DeIsL1.ISU");
  AddLog("z.isu");
  EXPECT_EQ(FindUninstallLog(p.files, kDir).value_or(""), "z.isu");
  EXPECT_FALSE(FindUninstallLog(p.files, "C:\\Nowhere").has_value());
}

TEST_F(FullUninstallTest, WithoutALogTheAssociationsGoAndNothingStarts) {
  RunWith("/fu");
  EXPECT_FALSE(AssociationsLeft());
  EXPECT_TRUE(p.processes.started().empty());
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_EQ(p.dialogs.messages()[0].text,
            "Uninstall log not found. Unable to uninstall. Remove the files manually or "
            "reinstall Kalvenmarque and try again.");
  EXPECT_EQ(p.dialogs.messages()[0].caption, kTitle);
  EXPECT_EQ(p.dialogs.messages()[0].icon, Icon::Critical);
  EXPECT_TRUE(p.files.IsFile(std::string(kDir) + "\\Kalvenmarque.exe"));
}

TEST_F(FullUninstallTest, MissingUninstallerIsNamedAndNothingStarts) {
  FakePlatform bare;
  bare.system.programDirectory = kDir;
  bare.system.windowsDirectory = "D:\\WinNT";
  bare.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ");
  bare.files.AddFile(std::string(kDir) + "\\a.isu", "log");
  ASSERT_TRUE(WriteAssociationsAt(bare.registry, MachineClasses(), kDir));
  bare.system.commandLine = "/fu";
  EXPECT_THROW(assocmend::Run(bare), ProgramEnded);
  EXPECT_TRUE(bare.processes.started().empty());
  EXPECT_FALSE(bare.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.Q2"));
  ASSERT_EQ(bare.dialogs.messages().size(), 1u);
  const auto& shown = bare.dialogs.messages()[0];
  EXPECT_NE(shown.text.find("D:\\WinNT\\uninst.exe"), std::string::npos) << shown.text;
  EXPECT_EQ(shown.caption, kTitle);
  EXPECT_EQ(shown.icon, Icon::Critical);
  EXPECT_EQ(bare.system.endCount, 1);
}

TEST_F(FullUninstallTest, ConfirmationAnsweredNoTouchesNothing) {
  AddLog("a.isu");
  const auto journal = p.registry.Journal();
  p.dialogs.answers.push_back(Answer::No);
  RunWith("/fu1");
  EXPECT_EQ(p.registry.Journal(), journal);
  EXPECT_TRUE(AssociationsLeft());
  EXPECT_TRUE(p.processes.started().empty());
  EXPECT_EQ(p.system.associationNotifications, 0);
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_EQ(p.dialogs.messages()[0].text, "Are you sure you want to uninstall Kalvenmarque?");
  EXPECT_EQ(p.dialogs.messages()[0].caption, kTitle);
  EXPECT_EQ(p.dialogs.messages()[0].icon, Icon::Information);
  EXPECT_EQ(p.dialogs.messages()[0].buttons, Buttons::YesNo);
}

TEST_F(FullUninstallTest, ConfirmationAnsweredYesUninstalls) {
  AddLog("a.isu");
  p.dialogs.answers.push_back(Answer::Yes);
  RunWith("/FU1");
  EXPECT_FALSE(AssociationsLeft());
  ASSERT_EQ(p.processes.started().size(), 1u);
  EXPECT_NE(p.processes.started()[0].commandLine.find("\\a.isu\""), std::string::npos);
  EXPECT_EQ(p.dialogs.messages().size(), 1u);
}

// The product's own setup leaves no log and no "uninst.exe": its uninstaller beside the
// updater is started instead, quoted, and only while the package's one is absent. It
// removes the associations itself once no demo run is pending, so they stay until then.
TEST_F(FullUninstallTest, OwnUninstallerRunsOnlyWithoutThePackageOne) {
  const std::string own = std::string(kDir) + "\\Uninstall.exe";
  p.files.AddFile(own, "MZ");
  AddLog("a.isu");
  RunWith("/fu");
  ASSERT_EQ(p.processes.started().size(), 1u);
  EXPECT_EQ(p.processes.started()[0].executable, kUninstaller);

  FakePlatform setup;
  setup.system.programDirectory = kDir;
  setup.system.windowsDirectory = "C:\\WINDOWS";
  setup.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ");
  setup.files.AddFile(own, "MZ");
  ASSERT_TRUE(WriteAssociationsAt(setup.registry, PerUserClasses(), kDir));
  setup.system.commandLine = "/fu";
  EXPECT_THROW(assocmend::Run(setup), ProgramEnded);
  ASSERT_EQ(setup.processes.started().size(), 1u);
  const auto& started = setup.processes.started()[0];
  EXPECT_EQ(started.executable, own);
  EXPECT_EQ(started.commandLine, "\"C:\\Program Files\\Kalvenmarque\\Uninstall.exe\"");
  EXPECT_EQ(started.show, ShowMode::NormalFocus);
  EXPECT_TRUE(setup.registry.KeyExists(RegRoot::CurrentUser, "Software\\Classes\\.dm_66"));
  EXPECT_TRUE(setup.dialogs.messages().empty());
  EXPECT_EQ(setup.system.endCount, 1);
}

TEST_F(FullUninstallTest, CommandLineKeepsTheUninstallerPathUnquoted) {
  EXPECT_EQ(UninstallCommandLine("C:\\WIN DOWS", "E:\\K M", "x.isu"),
            "C:\\WIN DOWS\\uninst.exe -f\"E:\\K M\\x.isu\" -c\"E:\\K M\\_ISREG32.DLL\"");
}

}  // namespace
}  // namespace kalv::assocmend
