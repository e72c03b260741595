// The folder dialogs for the game directories and the Quake 3 / Elite Force mods.
#include "games_fixture.h"
#include "launcher/game_windows.h"

namespace kalv::testing {
namespace {

class BrowseTest : public ProgramFixture {};

TEST_F(BrowseTest, ChosenFolderGoesIntoThePathBoxAndIsDetectedAtOnce) {
  fake.files.AddFile("E:\\Q2\\baseq2\\pak0.pak", "");
  fake.dialogs.folders.push_back(std::string("E:\\Q2"));
  EXPECT_EQ(BrowseGameFolder(p(), GameCode::Q2), "E:\\Q2");
  EXPECT_EQ(options().txtQ2Path.Text(), "E:\\Q2");
  EXPECT_EQ(options().lblQ2Status.Caption(), "Quake 2 Status: Found");
  ASSERT_EQ(fake.dialogs.folderDialogs().size(), 1u);
  EXPECT_EQ(fake.dialogs.folderDialogs()[0].title, "Select Quake 2 Folder:");
  EXPECT_EQ(fake.dialogs.folderDialogs()[0].owner, options().handle().Native());
}

TEST_F(BrowseTest, CancelLeavesEveryPathBoxUnchanged) {
  options().txtQ1Path.SetText("C:\\Q1");
  options().txtHLPath.SetText("C:\\HL");
  options().txtUTPath.SetText("C:\\UT");
  options().txtQ3APath.SetText("C:\\Q3");
  options().txtSTVEFPath.SetText("C:\\EF");
  EXPECT_EQ(BrowseGameFolder(p(), GameCode::Q1), "");
  EXPECT_EQ(BrowseGameFolder(p(), GameCode::HL), "");
  EXPECT_EQ(BrowseGameFolder(p(), GameCode::UT), "");
  EXPECT_EQ(BrowseGameFolder(p(), GameCode::Q3A), "");
  EXPECT_EQ(BrowseGameFolder(p(), GameCode::STVEF), "");
  EXPECT_EQ(options().txtQ1Path.Text(), "C:\\Q1");
  EXPECT_EQ(options().txtHLPath.Text(), "C:\\HL");
  EXPECT_EQ(options().txtUTPath.Text(), "C:\\UT");
  EXPECT_EQ(options().txtQ3APath.Text(), "C:\\Q3");
  EXPECT_EQ(options().txtSTVEFPath.Text(), "C:\\EF");
  EXPECT_EQ(fake.dialogs.folderDialogs().size(), 5u);
}

TEST_F(BrowseTest, EachFolderBrowseFillsItsOwnGamesBox) {
  fake.dialogs.folders = {std::string("A:\\1"), std::string("A:\\2"), std::string("A:\\3"),
                          std::string("A:\\4"), std::string("A:\\5")};
  BrowseGameFolder(p(), GameCode::Q1);
  BrowseGameFolder(p(), GameCode::HL);
  BrowseGameFolder(p(), GameCode::UT);
  BrowseGameFolder(p(), GameCode::Q3A);
  BrowseGameFolder(p(), GameCode::STVEF);
  EXPECT_EQ(options().txtQ1Path.Text(), "A:\\1");
  EXPECT_EQ(options().txtHLPath.Text(), "A:\\2");
  EXPECT_EQ(options().txtUTPath.Text(), "A:\\3");
  EXPECT_EQ(options().txtQ3APath.Text(), "A:\\4");
  EXPECT_EQ(options().txtSTVEFPath.Text(), "A:\\5");
}

class BrowseModTest : public ProgramFixture {
 protected:
  BrowseModTest() {
    fake.files.AddFile("C:\\Games\\Quake3\\quake3.exe", "");
    options().txtQ3APath.SetText("C:\\Games\\Quake3");
  }
  void Choose(const std::string& folder) { fake.dialogs.folders.push_back(folder); }
  void ExpectNoMod() {
    EXPECT_EQ(options().lblModQ3A.Caption(), " /");
    EXPECT_EQ(options().lblModNameQ3A.Caption(), " /");
    EXPECT_EQ(options().chkModQ3A.Value(), 0);
    EXPECT_FALSE(options().chkModQ3A.Enabled());
  }
};

TEST_F(BrowseModTest, ModBelowTheGameWithDescriptionIsChosen) {
  fake.files.AddFile("C:\\Games\\Quake3\\osp\\description.txt", "OSP Tourney\r\n");
  Choose("c:\\games\\QUAKE3\\osp");
  EXPECT_EQ(BrowseGameMod(p(), GameCode::Q3A), "c:\\games\\QUAKE3\\osp");
  EXPECT_EQ(options().lblModQ3A.Caption(), "Mod: osp");
  EXPECT_EQ(options().lblModNameQ3A.Caption(), "OSP Tourney\r\n") << "the line break stays";
  EXPECT_TRUE(options().chkModQ3A.Enabled());
}

TEST_F(BrowseModTest, ModWithoutDescriptionOrOutsideTheGameClearsTheChoice) {
  fake.files.AddFile("C:\\Games\\Quake3\\osp\\description.txt", "OSP");
  options().chkModQ3A.SetValue(1);
  Choose("C:\\Games\\Quake3\\empty");
  BrowseGameMod(p(), GameCode::Q3A);
  ExpectNoMod();

  Choose("C:\\Games\\Quake3\\osp");
  BrowseGameMod(p(), GameCode::Q3A);
  options().chkModQ3A.SetValue(1);
  Choose("D:\\Elsewhere\\osp");
  EXPECT_EQ(BrowseGameMod(p(), GameCode::Q3A), "D:\\Elsewhere\\osp");
  ExpectNoMod();
}

TEST_F(BrowseModTest, FolderThatOnlyContainsTheGamePathElsewhereIsNoMod) {
  options().txtQ3APath.SetText("Games\\Quake3");
  fake.files.AddFile("D:\\Old\\Games\\Quake3\\osp\\description.txt", "x");
  Choose("D:\\Old\\Games\\Quake3\\osp");
  BrowseGameMod(p(), GameCode::Q3A);
  ExpectNoMod();
}

TEST_F(BrowseModTest, TheGameFolderItselfIsNoMod) {
  fake.files.AddFile("C:\\Games\\Quake3\\Description.txt", "x");
  Choose("C:\\Games\\Quake3");
  BrowseGameMod(p(), GameCode::Q3A);
  ExpectNoMod();
}

TEST_F(BrowseModTest, CancelChangesNothing) {
  options().lblModQ3A.SetCaption("Mod: osp");
  EXPECT_EQ(BrowseGameMod(p(), GameCode::Q3A), "");
  EXPECT_EQ(options().lblModQ3A.Caption(), "Mod: osp");
}

TEST_F(BrowseModTest, EliteForceModFillsTheEliteForceControls) {
  fake.files.AddFile("D:\\EF\\baseef\\pak0.pk3", "");
  fake.files.AddFile("D:\\EF\\pak3mod\\description.txt", "Pak Three");
  options().txtSTVEFPath.SetText("D:\\EF\\");
  options().chkModSTVEF.SetEnabled(false);
  Choose("D:\\EF\\pak3mod");
  BrowseGameMod(p(), GameCode::STVEF);
  EXPECT_EQ(options().lblModSTVEF.Caption(), "Mod: pak3mod");
  EXPECT_EQ(options().lblModNameSTVEF.Caption(), "Pak Three");
  EXPECT_TRUE(options().chkModSTVEF.Enabled());
  EXPECT_EQ(options().lblModQ3A.Caption(), " /");
}

}  // namespace
}  // namespace kalv::testing
