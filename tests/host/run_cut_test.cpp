// Wherever a run is cut off (the player killed, a power cut), the next start puts the game
// folder back as it was before the run, byte for byte and attributes included: for every
// game, after every single operation that changes a file, the registry or starts a
// program. The installations hold what makes that hard: stored executables copied from a
// CD (read-only), a pak the user made read-only and hidden, configurations that are not
// there yet (the game writes them at its end), files of the user's own under the names a
// run needs, a Quake 2 demo of another game folder.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demo_layouts.h"
#include "launcher/base/program.h"
#include "launcher/dispatch.h"
#include "launcher/startup.h"
#include "platform/fake/fake_platform.h"
#include "core/restore_journal.h"
#include "ui/string_table.h"

namespace kalv::testing {
namespace {

struct Killed {};

struct GameUnderTest {
  const char* name;
  std::string dir;
  std::string demo;
  std::string demoBytes;
};

const std::string kQ3 = "C:\\Games\\Quake3", kEF = "C:\\Games\\EF", kQ1 = "C:\\Games\\Quake",
                  kQ2 = "C:\\Games\\Quake2", kHL = "C:\\Games\\Half-Life", kUT = "C:\\Games\\UT";

// A machine with all six games installed, the release store filled, and a demo of each.
class World {
 public:
  World() {
    fake.system.strings = ui::StringTable();
    const std::string v = fake.system.programDirectory + "\\Versions";
    const char* releases[][4] = {{"v1_17.Vrk", "v1.17", ".dm3", "2"},
                                 {"v1_27h.Vrk", "v1.27h", ".dm_48", "4"},
                                 {"v1_30.Vrk", "v1.30", ".dm_66", "5"},
                                 {"v1_31.Vrk", "v1.31", ".dm_67", "6"}};
    for (const auto& r : releases)
      fake.files.AddFile(v + "\\" + r[0], std::string("[Quake 3 Arena Version]\r\nVersion=") +
                                              r[1] + "\r\nDemoExt=" + r[2] + "\r\nnewpak=" + r[3] +
                                              "\r\nnewestpak=6\r\n");
    for (const char* release : {"117", "127h", "130", "131"})
      fake.files.AddFile(v + "\\Quake3." + release, std::string("exe ") + release, attr::kReadOnly);
    for (const char* t : {"Kalv.cfg", "KalvSTVEF.cfg", "KalvQ1.cfg", "KalvQ2.cfg", "KalvHL.cfg"})
      fake.files.AddFile(v + "\\" + t, t, attr::kReadOnly);  // as a CD would leave them
    fake.files.AddFile(v + "\\kalvq2_sub.bin", "companion");
    fake.files.AddFile(v + "\\KalvUT_script.bin", "package");

    fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 131");
    for (int n = 0; n <= 6; ++n)
      fake.files.AddFile(kQ3 + "\\baseq3\\pak" + std::to_string(n) + ".pk3", "pak");
    Skip(fake.files.SetAttributes(kQ3 + "\\baseq3\\pak5.pk3", attr::kReadOnly | attr::kHidden));
    fake.files.AddFile(kQ3 + "\\baseq3\\q3config.cfg", "seta name player", attr::kReadOnly);
    fake.files.AddFile(kQ3 + "\\baseq3\\Kalvenmarque.cfg", "the user's own, by chance");
    fake.files.AddFile(kQ3 + "\\baseq3\\demos\\Kalvenmarque.dm_48", "a demo of the user's");
    for (const char* f : {"\\stvoyhm.exe", "\\baseef\\pak0.pk3", "\\baseef\\pak2.pk3"})
      fake.files.AddFile(kEF + f, f);  // no configuration yet
    for (const char* f : {"\\q.exe", "\\id1\\pak0.pak", "\\id1\\config.cfg"})
      fake.files.AddFile(kQ1 + f, f);
    for (const char* f :
         {"\\quake2.exe", "\\baseq2\\pak0.pak", "\\baseq2\\config.cfg", "\\opentdm\\config.cfg"})
      fake.files.AddFile(kQ2 + f, f);
    fake.files.AddFile(kQ2 + "\\kalvq2_sub.exe", "companion");  // left by an earlier run
    for (const char* f : {"\\hl.exe", "\\valve\\config.cfg"}) fake.files.AddFile(kHL + f, f);
    for (const char* f : {"\\System\\UnrealTournament.exe", "\\System\\BotPack.u"})
      fake.files.AddFile(kUT + f, f);
  }

  // A player as the start-up leaves it before the dispatch.
  std::unique_ptr<Program> Player() {
    auto program = std::make_unique<Program>(fake.platform());
    CreateWindows(*program);
    program->frmOptions.comLanguage.Select(0);
    program->choices.dir(GameCode::Q3A) = kQ3;
    program->choices.dir(GameCode::STVEF) = kEF;
    program->choices.dir(GameCode::Q1) = kQ1;
    program->choices.dir(GameCode::Q2) = kQ2;
    program->choices.dir(GameCode::HL) = kHL;
    program->choices.dir(GameCode::UT) = kUT;
    return program;
  }

  // Plays the demo, cut off before operation cut (counted from 0; never when negative);
  // the number of operations the run made.
  int Play(const GameUnderTest& game, int cut) {
    fake.files.AddFile(game.demo, game.demoBytes);
    int operations = 0;
    auto count = [&, cut](const std::string&) {
      if (operations++ == cut) throw Killed{};
    };
    // As the games do at their end: every configuration they may write that is not
    // read-only takes the demo's bindings.
    fake.processes.next.onStart = [this](const fake::StartedProcess&) {
      for (const std::string& config :
           {kQ3 + "\\baseq3\\q3config.cfg", kEF + "\\baseef\\hmconfig.cfg",
            kQ1 + "\\id1\\config.cfg", kQ2 + "\\baseq2\\config.cfg", kQ2 + "\\opentdm\\config.cfg",
            kHL + "\\valve\\config.cfg"})
        if (!(fake.files.Attributes(config).value_or(0) & attr::kReadOnly))
          Skip(WriteWholeFile(fake.files, config, "bind f1 demo-control"));
    };
    fake.files.beforeChange = count;
    fake.registry.beforeChange = count;
    fake.processes.beforeStart = count;
    auto player = Player();
    player->demoPath = game.demo;
    try {
      DispatchDemo(*player);
    } catch (const Killed&) {
    }
    fake.files.beforeChange = nullptr;
    fake.registry.beforeChange = nullptr;
    fake.processes.beforeStart = nullptr;
    return operations;
  }

  // Everything the cut-off player started is gone, and the player starts again.
  void StartAgain() {
    for (const fake::StartedProcess& started : fake.processes.started())
      fake.processes.Exit(started.id);
    auto player = Player();
    ReplayInterruptedRuns(*player, false);
  }

  // Every file below dir: its bytes and the attributes a user sets.
  std::map<std::string, std::pair<std::string, std::uint32_t>> State(const std::string& dir) {
    std::map<std::string, std::pair<std::string, std::uint32_t>> state;
    for (const auto& [path, file] : fake.files.Snapshot(dir))
      state[path] = {file.first, fake.files.Attributes(path).value_or(0) &
                                     (attr::kReadOnly | attr::kHidden | attr::kSystem)};
    return state;
  }

  fake::FakePlatform fake;
};

TEST(RunCutTest, EveryGameEndsAsItBeganWhereverItsRunIsCutOff) {
  const std::vector<GameUnderTest> games = {
      {"Quake 3 Arena", kQ3, "C:\\Demos\\a.dm_48", "demo"},
      {"Elite Force", kEF, "C:\\Demos\\a.efdemo", "\\protocol\\24"},
      {"Quake 1", kQ1, "C:\\Demos\\a.dem", "maps/e1m1.bsp"},
      {"Quake 2", kQ2, "C:\\Demos\\a.dm2",
       layout::Quake2(layout::Quake2ServerDataMessage(34, 0, "opentdm"))},
      {"Half-Life", kHL, "C:\\Demos\\b.dem", "HLDEMO"},
      {"Unreal Tournament", kUT, "C:\\Demos\\c.dem", "ut"},
  };
  for (const GameUnderTest& game : games) {
    int operations = 0;
    {
      World whole;
      const auto before = whole.State(game.dir);
      operations = whole.Play(game, -1);
      // Quake 2's companion is started and ends the run; as a cut player's game, it ends.
      if (game.dir == kQ2) whole.StartAgain();
      EXPECT_EQ(whole.State(game.dir), before) << game.name << ", a whole run";
      EXPECT_TRUE(whole.fake.dialogs.messages().empty()) << game.name;
    }
    ASSERT_GT(operations, 5) << game.name;
    for (int cut = 0; cut < operations; ++cut) {
      SCOPED_TRACE(std::string(game.name) + ", cut before operation " + std::to_string(cut));
      World world;
      const auto before = world.State(game.dir);
      const auto store = world.State(world.fake.system.programDirectory);
      world.Play(game, cut);
      world.StartAgain();
      EXPECT_EQ(world.State(game.dir), before);
      EXPECT_EQ(world.State(world.fake.system.programDirectory), store);
      EXPECT_FALSE(world.fake.registry.KeyExists(RegRoot::CurrentUser, kJournalKey));
    }
  }
}

}  // namespace
}  // namespace kalv::testing
