// The association keys and values, the orders they are written and removed in, and the
// per-user fallback when machine-wide writes are refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assocmend/association_table.h"
#include "assocmend/associations.h"
#include "assocmend/updater.h"
#include "platform/fake/fake_platform.h"
#include "ui/resource.h"

namespace kalv::assocmend {
namespace {

using fake::FakePlatform;
using fake::ProgramEnded;

const char kDir[] = "C:\\Program Files\\Kalven Marque";

struct ExpectedType {
  std::string progId, extension, description, icon, verb;
};

// Typed from the association table, not taken from the code.
const std::vector<ExpectedType> kExpected = {
    {"Kalvenmarque.HL", ".dem", "Half-Life/Unreal Tournament/Quake 1 Demo", "5", "Open"},
    {"Kalvenmarque.v1_17_", ".dm3", "Quake 3 Demo (v1.17)", "3", "Open"},
    {"Kalvenmarque.v1_27h", ".dm_48", "Quake 3 Demo (v1.27h)", "4", "Open"},
    {"Kalvenmarque.v1_30_", ".dm_66", "Quake 3 Demo (v1.30)", "1", "open"},
    {"Kalvenmarque.v1_31_", ".dm_67", "Quake 3 Demo (v1.31)", "7", "open"},
    {"Kalvenmarque.v1_32_", ".dm_68", "Quake 3 Demo (v1.32)", "8", "open"},
    {"Kalvenmarque.STVEF", ".efdemo", "Star Trek Voyager Elite Force Demo", "2", "Open"},
    {"Kalvenmarque.Q2", ".dm2", "Quake 2 Demo", "6", "Open"},
};

// The journal entries of one kind ("create", "set", "delete"), reduced to what follows
// the root: "create HKCR\.dm3" gives ".dm3", "set HKCR\P\EditFlags=0" gives "P\EditFlags".
std::vector<std::string> Entries(const FakePlatform& p, const std::string& verb) {
  std::vector<std::string> out;
  for (const std::string& line : p.registry.Journal()) {
    if (line.rfind(verb + " ", 0) != 0) continue;
    std::string rest = line.substr(verb.size() + 1);
    rest = rest.substr(rest.find('\\') + 1);
    if (verb == "set") rest = rest.substr(0, rest.find('='));
    out.push_back(rest);
  }
  return out;
}

class AssociationRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    p.system.programDirectory = kDir;
    p.files.AddFile(std::string(kDir) + "\\Kalvenmarque.exe", "MZ");
  }
  void RunWith(const std::string& commandLine) {
    p.system.commandLine = commandLine;
    EXPECT_THROW(assocmend::Run(p), ProgramEnded) << commandLine;
  }
  std::string Str(RegRoot root, const std::string& key, const std::string& name = "") {
    auto value = p.registry.QueryString(root, key, name, 1024);
    return value ? value.value() : "<missing>";
  }
  // Every key and value of the table at one place.
  void ExpectAllWritten(RegRoot root, const std::string& prefix, const std::string& dir) {
    const std::string program = dir + "\\Kalvenmarque.exe";
    for (const ExpectedType& t : kExpected) {
      SCOPED_TRACE(t.progId);
      const std::string k = prefix + t.progId;
      EXPECT_EQ(Str(root, k), t.description);
      auto browser = p.registry.QueryDword(root, k, "BrowserFlags");
      auto edit = p.registry.QueryDword(root, k, "EditFlags");
      ASSERT_TRUE(browser.ok());
      ASSERT_TRUE(edit.ok());
      EXPECT_EQ(browser.value(), 8u);
      EXPECT_EQ(edit.value(), 0u);
      EXPECT_EQ(Str(root, k + "\\DefaultIcon"), program + "," + t.icon);
      EXPECT_EQ(Str(root, k + "\\Shell"), t.verb);
      EXPECT_TRUE(p.registry.KeyExists(root, k + "\\Shell\\Open"));
      EXPECT_FALSE(p.registry.QueryString(root, k + "\\Shell\\Open", "", 1024).ok());
      EXPECT_EQ(Str(root, k + "\\Shell\\Open\\Command"), "\"" + program + "\" %1");
      EXPECT_TRUE(p.registry.KeyExists(root, k + "\\Shell\\Open Kalvenmarque"));
      EXPECT_FALSE(p.registry.QueryString(root, k + "\\Shell\\Open Kalvenmarque", "", 1024).ok());
      EXPECT_EQ(Str(root, k + "\\Shell\\Open Kalvenmarque\\Command"),
                "\"" + program + "\" *./\\.* %1");
      EXPECT_EQ(Str(root, prefix + t.extension), t.progId);
    }
  }
  void ExpectNoneLeft(RegRoot root, const std::string& prefix) {
    for (const ExpectedType& t : kExpected) {
      EXPECT_FALSE(p.registry.KeyExists(root, prefix + t.progId)) << prefix << t.progId;
      EXPECT_FALSE(p.registry.KeyExists(root, prefix + t.extension)) << prefix << t.extension;
    }
  }

  FakePlatform p;
};

// Explorer finds an icon by its position among the program's icons, which follow their
// resource ids: each demo type names the icon drawn for it.
TEST(AssociationTable, EachDemoTypeNamesItsOwnIcon) {
  const std::vector<std::pair<std::string, int>> icons = {
      {"Kalvenmarque.HL", IDI_DEMO_HL},         {"Kalvenmarque.v1_17_", IDI_DEMO_V1_17},
      {"Kalvenmarque.v1_27h", IDI_DEMO_V1_27H}, {"Kalvenmarque.v1_30_", IDI_DEMO_V1_30},
      {"Kalvenmarque.v1_31_", IDI_DEMO_V1_31},  {"Kalvenmarque.v1_32_", IDI_DEMO_V1_32},
      {"Kalvenmarque.STVEF", IDI_DEMO_STVEF},   {"Kalvenmarque.Q2", IDI_DEMO_Q2}};
  ASSERT_EQ(DemoTypes().size(), icons.size());
  for (const DemoType& type : DemoTypes()) {
    bool found = false;
    for (const auto& [progId, id] : icons) {
      if (progId != type.progId) continue;
      found = true;
      EXPECT_EQ(type.iconIndex, id - IDI_PROGRAM) << progId;
    }
    EXPECT_TRUE(found) << type.progId;
  }
}

TEST_F(AssociationRegistry, InstallWritesEveryKeyAndValue) {
  RunWith("/i");
  ExpectAllWritten(RegRoot::ClassesRoot, "", kDir);
  EXPECT_TRUE(p.dialogs.messages().empty());
  EXPECT_GE(p.system.associationNotifications, 1);
}

TEST_F(AssociationRegistry, KeysAreCreatedProgIdByProgIdThenExtensions) {
  RunWith("/i");
  std::vector<std::string> expected;
  for (const char* id :
       {"Kalvenmarque.HL", "Kalvenmarque.v1_17_", "Kalvenmarque.v1_27h", "Kalvenmarque.v1_30_",
        "Kalvenmarque.v1_31_", "Kalvenmarque.v1_32_", "Kalvenmarque.STVEF", "Kalvenmarque.Q2"}) {
    const std::string k = id;
    for (const std::string& sub :
         {k, k + "\\DefaultIcon", k + "\\Shell", k + "\\Shell\\Open", k + "\\Shell\\Open\\Command",
          k + "\\Shell\\Open Kalvenmarque", k + "\\Shell\\Open Kalvenmarque\\Command"})
      expected.push_back(sub);
  }
  for (const char* ext :
       {".dm3", ".dm_48", ".dm_66", ".dm_67", ".dm_68", ".dem", ".efdemo", ".dm2"})
    expected.push_back(ext);
  EXPECT_EQ(Entries(p, "create"), expected);
}

TEST_F(AssociationRegistry, ValuesAreSetAfterAllKeysInTheirOrder) {
  RunWith("/i");
  std::vector<std::string> expected;
  for (const ExpectedType& t : kExpected) {
    const std::string k = t.progId;
    for (const std::string& v : {k + "\\(default)", k + "\\BrowserFlags", k + "\\EditFlags",
                                 k + "\\DefaultIcon\\(default)", k + "\\Shell\\(default)",
                                 k + "\\Shell\\Open\\Command\\(default)",
                                 k + "\\Shell\\Open Kalvenmarque\\Command\\(default)"})
      expected.push_back(v);
  }
  for (const char* ext :
       {".efdemo", ".dem", ".dm3", ".dm_48", ".dm_66", ".dm_67", ".dm_68", ".dm2"})
    expected.push_back(std::string(ext) + "\\(default)");
  EXPECT_EQ(Entries(p, "set"), expected);

  // No value is set before the last key is created.
  const auto& journal = p.registry.Journal();
  std::size_t lastCreate = 0, firstSet = journal.size();
  for (std::size_t i = 0; i < journal.size(); ++i) {
    if (journal[i].rfind("create ", 0) == 0) lastCreate = i;
    if (journal[i].rfind("set ", 0) == 0 && firstSet == journal.size()) firstSet = i;
  }
  EXPECT_LT(lastCreate, firstSet);
}

TEST_F(AssociationRegistry, UninstallDeletesDeepestFirstInItsOrder) {
  RunWith("/i");
  const std::size_t before = p.registry.Journal().size();
  RunWith("/u");
  std::vector<std::string> deleted;
  for (std::size_t i = before; i < p.registry.Journal().size(); ++i) {
    const std::string& line = p.registry.Journal()[i];
    ASSERT_EQ(line.rfind("delete HKCR\\", 0), 0u) << line;
    deleted.push_back(line.substr(std::string("delete HKCR\\").size()));
  }
  std::vector<std::string> expected;
  for (const char* id :
       {"Kalvenmarque.v1_17_", "Kalvenmarque.v1_27h", "Kalvenmarque.v1_30_", "Kalvenmarque.v1_31_",
        "Kalvenmarque.v1_32_", "Kalvenmarque.HL", "Kalvenmarque.STVEF", "Kalvenmarque.Q2"}) {
    const std::string k = id;
    for (const std::string& sub :
         {k + "\\shell\\open Kalvenmarque\\Command", k + "\\shell\\open Kalvenmarque",
          k + "\\shell\\open\\command", k + "\\shell\\open", k + "\\Shell", k + "\\DefaultIcon", k})
      expected.push_back(sub);
  }
  for (const char* ext :
       {".dm3", ".dm_48", ".dm_66", ".dm_67", ".dm_68", ".dem", ".efdemo", ".dm2"})
    expected.push_back(ext);
  EXPECT_EQ(deleted, expected);
  ExpectNoneLeft(RegRoot::ClassesRoot, "");
  EXPECT_TRUE(p.dialogs.messages().empty());
}

TEST_F(AssociationRegistry, UninstallTwiceOrWithoutAssociationsChangesNothing) {
  ASSERT_TRUE(p.registry.CreateKey(RegRoot::ClassesRoot, ".txt").ok());
  const std::size_t untouched = p.registry.Journal().size();
  RunWith("/u");
  EXPECT_EQ(p.registry.Journal().size(), untouched);
  RunWith("/i");
  RunWith("/u");
  const std::size_t afterFirst = p.registry.Journal().size();
  RunWith("/u");
  EXPECT_EQ(p.registry.Journal().size(), afterFirst);
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::ClassesRoot, ".txt"));
  EXPECT_TRUE(p.dialogs.messages().empty());
}

TEST_F(AssociationRegistry, ForeignSubkeyKeepsItsParents) {
  RunWith("/i");
  ASSERT_TRUE(p.registry.CreateKey(RegRoot::ClassesRoot, "Kalvenmarque.Q2\\Shell\\Edit").ok());
  ASSERT_TRUE(p.registry.CreateKey(RegRoot::ClassesRoot, ".dm2\\OpenWithProgids").ok());
  RunWith("/u");
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.Q2\\Shell\\Edit"));
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.Q2\\Shell"));
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.Q2"));
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::ClassesRoot, ".dm2\\OpenWithProgids"));
  // Only the keys of the table are removed below the kept parent.
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.Q2\\Shell\\Open"));
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.Q2\\DefaultIcon"));
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.HL"));
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, ".dem"));
}

// An ending another program has taken over since (its default value names that program)
// keeps its key; the endings still ours go, an empty one with them.
TEST_F(AssociationRegistry, RemovalLeavesAnEndingAnotherProgramTookOver) {
  RunWith("/i");
  ASSERT_TRUE(p.registry.SetString(RegRoot::ClassesRoot, ".dem", "", "OtherPlayer.Demo").ok());
  ASSERT_TRUE(p.registry.SetString(RegRoot::ClassesRoot, ".dm2", "", "").ok());
  RunWith("/u");
  EXPECT_EQ(p.registry.Value(RegRoot::ClassesRoot, ".dem", ""), "OtherPlayer.Demo");
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, ".dm2"));
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, ".dm_66"));
  EXPECT_FALSE(p.registry.KeyExists(RegRoot::ClassesRoot, "Kalvenmarque.HL"));
}

TEST_F(AssociationRegistry, ReinstallRemovesFirstAndPicksUpAMovedDirectory) {
  RunWith("/i");
  const std::size_t before = p.registry.Journal().size();
  const std::string moved = "D:\\Demos\\Kalvenmarque";
  p.system.programDirectory = moved;
  p.files.AddFile(moved + "\\Kalvenmarque.exe", "MZ");
  RunWith("/i");
  ExpectAllWritten(RegRoot::ClassesRoot, "", moved);
  // The old keys went before the new ones were created.
  const auto& journal = p.registry.Journal();
  ASSERT_GT(journal.size(), before);
  EXPECT_EQ(journal[before].rfind("delete ", 0), 0u) << journal[before];
  bool createdAfterDelete = false;
  for (std::size_t i = before; i < journal.size(); ++i)
    if (journal[i].rfind("create ", 0) == 0) createdAfterDelete = true;
  EXPECT_TRUE(createdAfterDelete);
}

TEST_F(AssociationRegistry, RefusedMachineWritesFallBackToPerUserClasses) {
  p.registry.RefuseWrites(RegRoot::ClassesRoot);
  RunWith("/i1");
  ExpectAllWritten(RegRoot::CurrentUser, "Software\\Classes\\", kDir);
  ExpectNoneLeft(RegRoot::ClassesRoot, "");
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_EQ(p.dialogs.messages()[0].text, "Update Complete! Enjoy!");
  EXPECT_EQ(p.dialogs.messages()[0].icon, Icon::Information);
  EXPECT_EQ(p.dialogs.messages()[0].caption, "Kalvenmarque Registry Updater v1.2.0");
}

TEST_F(AssociationRegistry, MachineWideWritesLeaveThePerUserClassesAlone) {
  RunWith("/i1");
  ExpectNoneLeft(RegRoot::CurrentUser, "Software\\Classes\\");
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_EQ(p.dialogs.messages()[0].text, "Update Complete! Enjoy!");
}

TEST_F(AssociationRegistry, NothingWritableIsReportedInsteadOfCompletion) {
  p.registry.RefuseWrites(RegRoot::ClassesRoot);
  p.registry.RefuseWrites(RegRoot::CurrentUser);
  RunWith("/i1");
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  const auto& shown = p.dialogs.messages()[0];
  EXPECT_NE(shown.text, "Update Complete! Enjoy!");
  EXPECT_NE(shown.text.find("could not be written"), std::string::npos) << shown.text;
  EXPECT_EQ(shown.icon, Icon::Critical);
  EXPECT_EQ(shown.caption, "Kalvenmarque Registry Updater v1.2.0");
}

TEST_F(AssociationRegistry, UninstallRemovesBothPlaces) {
  ASSERT_TRUE(WriteAssociationsAt(p.registry, MachineClasses(), kDir));
  ASSERT_TRUE(WriteAssociationsAt(p.registry, PerUserClasses(), kDir));
  ExpectAllWritten(RegRoot::CurrentUser, "Software\\Classes\\", kDir);
  RunWith("/u");
  ExpectNoneLeft(RegRoot::ClassesRoot, "");
  ExpectNoneLeft(RegRoot::CurrentUser, "Software\\Classes\\");
  EXPECT_TRUE(p.registry.KeyExists(RegRoot::CurrentUser, "Software\\Classes"));
  EXPECT_GE(p.system.associationNotifications, 1);
}

}  // namespace
}  // namespace kalv::assocmend
