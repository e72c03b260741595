// The options window: detection while typing, browse prompts, tabs, saving on OK and on
// the close box, and the main window it disables.
#include <tuple>

#include "games_fixture.h"
#include "launcher/base/choices.h"
#include "launcher/main_window_actions.h"
#include "launcher/options_actions.h"
#include "launcher/base/settings.h"
#include "platform/windows.h"
#include "ui/resource.h"

namespace kalv::testing {
namespace {

class OptionsWindowTest : public ProgramFixture {
 protected:
  fake::FakeWindow& Window(int id) { return *fake.windows.Find(id); }
  void Click(int window, int control) { Window(window).Fire(control, Event::Click); }
  std::string Stored(const std::string& key) { return ReadSetting(fake.registry, key, "<absent>"); }
  void OpenOptions() {
    main().Show();
    Click(IDD_MAIN, IDC_MAIN_CMDOPTIONS);
  }
};

TEST_F(OptionsWindowTest, TypingRunsTheDetectionOnEveryChange) {
  fake.files.AddFile("C:\\Q\\id1\\pak0.pak", "");
  auto& box = Window(IDD_OPTIONS).control(IDC_OPTIONS_TXTQ1PATH);
  for (const char* typed : {"C", "C:", "C:\\", "C:\\Q"}) {
    box.text = typed;
    Window(IDD_OPTIONS).Fire(IDC_OPTIONS_TXTQ1PATH, Event::Change);
    if (std::string(typed) == "C:\\") {
      EXPECT_EQ(options().lblQ1Status.Caption(), "Quake 1 Status: Not Found");
    }
  }
  EXPECT_EQ(options().lblQ1Status.Caption(), "Quake 1 Status: Found");
}

TEST_F(OptionsWindowTest, BrowseButtonsPassTheirPromptInTheCurrentLanguage) {
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDBROWSEQ2);
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDBROWSESTVEF_MOD);
  SelectLanguage(1);
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDBROWSEQ3A_MOD);
  SelectLanguage(2);
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDBROWSEUT);
  const auto& shown = fake.dialogs.folderDialogs();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].title, "Select Quake 2 Folder:");
  EXPECT_EQ(shown[1].title, "Select Star Trek Voyager Elite Force Mod (Modification):");
  EXPECT_EQ(shown[2].title, "Wähle Quake 3 Arena Mod (Modifikation):");
  EXPECT_EQ(shown[3].title, "Kies Unreal Tournament Fouer:");
}

TEST_F(OptionsWindowTest, ExactlyTheSelectedTabsFrameIsVisible) {
  EXPECT_TRUE(options().fraQ3A.Visible());
  EXPECT_FALSE(options().fraUT.Visible());
  Window(IDD_OPTIONS).control(IDC_OPTIONS_TABSTRIP1).value = 4;
  Click(IDD_OPTIONS, IDC_OPTIONS_TABSTRIP1);
  EXPECT_TRUE(options().fraSTVEF.Visible());
  int visible = 0;
  for (ui::Frame* f : {&options().fraQ3A, &options().fraQ2, &options().fraQ1, &options().fraHL,
                       &options().fraSTVEF, &options().fraUT})
    visible += f->Visible();
  EXPECT_EQ(visible, 1);
}

TEST_F(OptionsWindowTest, OkStoresEverythingAndReturnsToTheMainWindow) {
  OpenOptions();
  EXPECT_TRUE(options().Visible());
  EXPECT_FALSE(main().Enabled());
  p().choices.q3aMod.label = "Mod: osp";  // as a browse for the mod leaves it
  options().chkModQ3A.SetValue(1);
  options().txtHLPath.SetText("C:\\HL");
  options().chkUT_nfc.SetValue(1);
  options().chkUT_tb.SetValue(0);
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDOK);
  EXPECT_EQ(Stored("Modification"), "Mod: osp");
  EXPECT_EQ(Stored("ModificationOption"), "1");
  EXPECT_EQ(Stored("ModificationSTVEF"), " /");
  EXPECT_EQ(Stored("Half-Life Path"), "C:\\HL");
  EXPECT_EQ(Stored("Quake 2 Path"), "");
  EXPECT_EQ(Stored("Quake 1 Executible"), "");
  EXPECT_EQ(Stored("Unreal Tournament - No Frame Cap"), "1");
  EXPECT_EQ(Stored("Unreal Tournament - Time Based"), "0");
  EXPECT_EQ(p().choices.dir(GameCode::HL), "C:\\HL");
  EXPECT_FALSE(options().Visible());
  EXPECT_TRUE(main().Enabled());
  EXPECT_TRUE(main().Visible());
}

// The window edits the program's choices and OK stores them: what the next run loads
// from the settings is what this run holds, field by field.
TEST_F(OptionsWindowTest, WhatOkStoresIsWhatTheNextRunLoads) {
  fake.files.AddFile("C:\\Q3\\quake3.exe", "");
  fake.files.AddFile("C:\\Q3\\osp\\Description.txt", "OSP");
  fake.files.AddFile("C:\\Q3\\osp\\description.txt", "OSP");
  OpenOptions();
  options().txtQ3APath.SetText("C:\\Q3");
  fake.dialogs.folders.push_back("C:\\Q3\\osp");
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDBROWSEQ3A_MOD);
  options().chkModQ3A.SetValue(1);
  options().chkModSTVEF.SetValue(1);
  options().chkUT_3rd.SetValue(1);
  options().chkUT_tb.SetValue(0);
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDOK);

  const Choices& held = p().choices;
  const Choices loaded = LoadChoices(p());
  EXPECT_EQ(held.q3aMod.dir(), "osp");
  EXPECT_TRUE(held.q3aMod.use());
  EXPECT_FALSE(held.stvefMod.use()) << "ticked, but no Elite Force mod is chosen";
  for (const auto& [name, mine, next] :
       {std::tuple{"Quake 3 mod", held.q3aMod.label, loaded.q3aMod.label},
        {"Quake 3 option", *held.q3aMod.option, loaded.q3aMod.option.value_or("<absent>")},
        {"Elite Force mod", held.stvefMod.label, loaded.stvefMod.label},
        {"Elite Force option", *held.stvefMod.option, loaded.stvefMod.option.value_or("<absent>")},
        {"no frame cap", held.utPlayback.noFrameCap, loaded.utPlayback.noFrameCap},
        {"time based", held.utPlayback.timeBased, loaded.utPlayback.timeBased},
        {"third person", held.utPlayback.thirdPerson, loaded.utPlayback.thirdPerson},
        {"Quake 1 executable", held.q1Executable, loaded.q1Executable}})
    EXPECT_EQ(mine, next) << name;
  EXPECT_EQ(loaded.utPlayback.thirdPerson, "1");
  EXPECT_EQ(loaded.utPlayback.timeBased, "0");
}

TEST_F(OptionsWindowTest, CloseBoxKeepsTheStoredPlaybackOptions) {
  OpenOptions();
  EXPECT_EQ(options().chkUT_tb.Value(), 1) << "time based is on until stored otherwise";
  options().chkUT_tb.SetValue(0);
  options().txtQ2Path.SetText("C:\\Q2");
  Window(IDD_OPTIONS).Fire(0, Event::Close);
  EXPECT_EQ(Stored("Unreal Tournament - Time Based"), "<absent>");
  EXPECT_EQ(Stored("Quake 2 Path"), "C:\\Q2");
  EXPECT_TRUE(main().Enabled());
  OpenOptions();
  EXPECT_EQ(options().chkUT_tb.Value(), 1);
  EXPECT_EQ(options().txtQ2Path.Text(), "C:\\Q2");
}

TEST_F(OptionsWindowTest, OpeningReloadsTheQuake3ModOnlyWithItsDescription) {
  fake.files.AddFile("C:\\Q3\\quake3.exe", "");
  fake.files.AddFile("C:\\Q3\\osp\\description.txt", "OSP");
  options().txtQ3APath.SetText("C:\\Q3");
  ASSERT_TRUE(WriteSetting(fake.registry, "Modification", "Mod: osp").ok());
  OpenOptions();
  EXPECT_TRUE(options().chkModQ3A.Enabled());
  EXPECT_EQ(options().chkModQ3A.Value(), 1) << "checked when the option was never stored";
  EXPECT_EQ(options().lblModNameQ3A.Caption(), "OSP");

  ASSERT_TRUE(WriteSetting(fake.registry, "Modification", "Mod: gone").ok());
  OptionsLoad(p());
  EXPECT_FALSE(options().chkModQ3A.Enabled());
  EXPECT_EQ(options().chkModQ3A.Value(), 0);
  EXPECT_EQ(options().lblModQ3A.Caption(), " /");
  EXPECT_EQ(options().lblModNameQ3A.Caption(), " /");
}

TEST_F(OptionsWindowTest, ShortOrAbsentModSettingMeansNoMod) {
  for (const char* stored : {"", "abc", "Mod"}) {
    ASSERT_TRUE(WriteSetting(fake.registry, "Modification", stored).ok());
    OptionsLoad(p());
    EXPECT_EQ(options().lblModQ3A.Caption(), " /") << stored;
  }
}

TEST_F(OptionsWindowTest, AdvancedDisablesTheOptionsWindowUntilItCloses) {
  Click(IDD_OPTIONS, IDC_OPTIONS_CMDADVANCED);
  EXPECT_TRUE(p().frmAdvanced.Visible());
  EXPECT_FALSE(options().Enabled());
  Window(IDD_ADVANCED).Fire(0, Event::Close);
  EXPECT_TRUE(options().Enabled());
  EXPECT_FALSE(p().frmAdvanced.Visible());
}

}  // namespace
}  // namespace kalv::testing
