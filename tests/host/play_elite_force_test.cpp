// Elite Force demo playback on the in-memory platform: the prepared files as the game sees
// them, the restore, and the protocol check against the installed version.
#include <string>
#include <vector>

#include "games/quake3/elite_force/elite_force_files.h"
#include "games_fixture.h"
#include "launcher/base/localized.h"
#include "launcher/base/settings.h"
#include "launcher/dispatch.h"

namespace kalv::testing {
namespace {

const std::string kEF = "D:\\Games\\Elite Force";
const std::string kDemo = "c:\\demos\\duel.efdemo";

std::string Demo(const std::string& protocol) {
  return std::string("\x05\x00\x00\x00", 4) + "\\version\\ST:V HM v1.20\\protocol\\" + protocol +
         "\\mapname\\hm_borg1" + std::string(3000, 'x');
}

class PlaySTVEFTest : public ProgramFixture {
 protected:
  void Install(const std::vector<int>& paks) {
    fake.files.AddFile(kEF + "\\stvoyhm.exe", "exe");
    for (int n : paks) fake.files.AddFile(kEF + "\\baseef\\pak" + std::to_string(n) + ".pk3", "");
    fake.files.AddFile(kEF + "\\baseef\\hmconfig.cfg", "seta name player");
    fake.files.AddFile(Versions() + "\\KalvSTVEF.cfg", "demo Kalvenmarque\r\n");
    UseFolder(GameCode::STVEF, kEF);
  }
  bool Play(const std::string& contents) {
    fake.files.AddFile(kDemo, contents);
    p().demoPath = kDemo;
    return PlayToEnd();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : fake.dialogs.messages()) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(PlaySTVEFTest, ProtocolTwentyFourOnVersionOneTwentyPlaysWithItsModAndRestores) {
  Install({0, 1, 2});
  fake.files.AddFile(kEF + "\\hm_mod\\hmconfig.cfg", "mod");
  ASSERT_TRUE(WriteSetting(fake.registry, "ModificationSTVEF", "Mod: hm_mod").ok());
  ASSERT_TRUE(WriteSetting(fake.registry, "ModificationOptionSTVEF", "1").ok());
  const auto before = Snapshot(kEF);
  bool checked = false;
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    checked = true;
    EXPECT_EQ(game.executable, kEF + "\\stvoyhm.exe");
    EXPECT_EQ(game.commandLine, kEF + "\\stvoyhm.exe +set fs_basepath \"" + kEF +
                                    "\" +exec Kalvenmarque+set fs_Game hm_mod");
    EXPECT_EQ(fake.files.Contents(kEF + "\\baseef\\kalvenmarque.cfg"), "demo Kalvenmarque\r\n");
    EXPECT_EQ(fake.files.Contents(kEF + "\\baseef\\demos\\kalvenmarque.efdemo"), Demo("24"));
    EXPECT_TRUE(*fake.files.Attributes(kEF + "\\baseef\\hmconfig.cfg") & attr::kReadOnly);
    EXPECT_TRUE(*fake.files.Attributes(kEF + "\\hm_mod\\hmconfig.cfg") & attr::kReadOnly);
  };
  EXPECT_TRUE(Play(Demo("24")));
  EXPECT_TRUE(checked);
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(Snapshot(kEF), before);
  EXPECT_TRUE(fake.files.DirectoryExists(kEF + "\\baseEF\\Demos"));
  EXPECT_EQ(exitCode, 0);
}

// Which version plays which protocol. 22 was recorded by 1.00 and 1.10 and plays on
// both; a refused demo is undone without starting the game; an unknown one is tried.
TEST_F(PlaySTVEFTest, ProtocolDecidesWhetherTheDemoPlays) {
  struct Case {
    std::vector<int> paks;  // a vector: a list member would end with its initialiser
    std::string demo;
    std::string message;  // "" for none
    bool played;
  };
  const std::string unknown =
      " - Unknown protocol version, Kalvenmarque will try to continue anyway.";
  const std::vector<Case> cases = {
      {{0, 1}, Demo("24"), LoadText(p(), 137), false},
      {{0, 1, 2}, Demo("22"), LoadText(p(), 140), false},
      {{0}, Demo("22"), "", true},
      {{0, 1}, Demo("22"), "", true},
      {{0, 1, 2}, Demo("23"), "Demo Protocol 23" + unknown, true},
      {{0, 1, 2}, "abcdefghijKLmnopqrstu", "Demo Protocol jK" + unknown, true},
      {{0, 1, 2}, "short", "Demo Protocol   " + unknown, true},
      {{0, 1, 2}, std::string(245, 'x') + "\\protocol\\24", "Demo Protocol " + unknown, true},
  };
  int run = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(++run);
    for (const char* pak : {"\\baseef\\pak1.pk3", "\\baseef\\pak2.pk3"})
      (void)fake.files.Delete(kEF + pak);
    Install(c.paks);
    const auto before = Snapshot(kEF);
    const std::size_t shown = fake.dialogs.messages().size();
    const std::size_t started = fake.processes.started().size();
    EXPECT_TRUE(Play(c.demo));
    EXPECT_EQ(fake.processes.started().size(), started + (c.played ? 1 : 0));
    if (c.message.empty()) {
      EXPECT_EQ(fake.dialogs.messages().size(), shown);
    } else {
      ASSERT_EQ(fake.dialogs.messages().size(), shown + 1);
      EXPECT_EQ(Texts().back(), c.message);
      EXPECT_EQ(fake.dialogs.messages().back().icon, Icon::Critical);
    }
    EXPECT_EQ(Snapshot(kEF), before);
  }
}

TEST(STVEFFilesTest, CommandLineWithoutBlankBeforeTheModAndProtocolOfShortHeaders) {
  DemoRun run;
  run.dir = "C:\\E F";
  run.mod = "m";
  EXPECT_EQ(STVEFCommandLine(run),
            "C:\\E F\\stvoyhm.exe +set fs_basepath \"C:\\E F\" +exec Kalvenmarque");
  run.useMod = true;
  EXPECT_EQ(STVEFCommandLine(run),
            "C:\\E F\\stvoyhm.exe +set fs_basepath \"C:\\E F\" +exec Kalvenmarque+set fs_Game m");
  EXPECT_EQ(DemoProtocol(""), "  ");
  EXPECT_EQ(DemoProtocol("\\protocol\\2"), "2 ");
}

}  // namespace
}  // namespace kalv::testing
