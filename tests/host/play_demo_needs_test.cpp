// What a demo needs, met or asked about before anything changes, on the in-memory
// platform: the plan of every game for each case of a mod and a map found, missing or not
// known, and whole runs of a mod demo and of a question answered No and Yes.
#include <functional>
#include <string>
#include <vector>

#include "demo_layouts.h"
#include "core/run_log.h"
#include "games/demo_cache.h"
#include "games/demo_listing.h"
#include "games/demo_needs.h"
#include "games/quake3/release_store.h"
#include "games_fixture.h"
#include "launcher/base/settings.h"
#include "launcher/demo_library.h"
#include "ui/resource.h"

namespace kalv::testing {
namespace {

using namespace layout;

const std::string kQ3 = "C:\\Games\\Quake III Arena";
const std::string kEF = "C:\\Games\\Elite Force";
const std::string kQ1 = "C:\\Games\\Quake";
const std::string kQ2 = "C:\\Games\\Quake 2";
const std::string kHL = "C:\\Games\\Half-Life";

// A Quake 3 demo of a server running mod on map.
std::string Quake3Demo(const std::string& map, const std::string& mod, int protocol = 68) {
  return EngineRecording(HuffmanCoded(
      EngineGamestate({{0, "\\mapname\\" + map + "\\protocol\\" + std::to_string(protocol)},
                       {1, "\\fs_game\\" + mod}})));
}

class DemoNeedsTest : public ProgramFixture {
 protected:
  DemoNeedsTest() {
    AddReleaseFilesAsShipped();
    for (const char* release : {"117", "127h", "130", "131", "132"})
      fake.files.AddFile(Versions() + "\\Quake3." + release, std::string("exe ") + release);
    for (const char* t : {"Kalv.cfg", "KalvSTVEF.cfg", "KalvQ1.cfg", "KalvQ2.cfg", "KalvHL.cfg"})
      fake.files.AddFile(Versions() + "\\" + t, std::string("template ") + t);
    fake.files.AddFile(Versions() + "\\kalvq2_sub.bin", "companion");

    fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 132");
    fake.files.AddFile(kQ3 + "\\baseq3\\pak0.pk3", Zip({"maps/q3dm17.bsp", "maps/q3dm6.bsp"}));
    for (int n = 1; n <= 8; ++n)
      fake.files.AddFile(kQ3 + "\\baseq3\\pak" + std::to_string(n) + ".pk3",
                         Zip({"scripts/patch" + std::to_string(n) + ".shader"}));
    fake.files.AddFile(kQ3 + "\\baseq3\\q3config.cfg", "seta name player");
    fake.files.AddFile(kQ3 + "\\osp\\q3config.cfg", "osp settings");
    fake.files.AddFile(kQ3 + "\\cpma\\q3config.cfg", "cpma settings");

    fake.files.AddFile(kEF + "\\stvoyhm.exe", "MZ");
    for (const char* pak : {"pak0", "pak1", "pak2"})
      fake.files.AddFile(kEF + "\\baseEF\\" + pak + ".pk3",
                         Zip({std::string("maps/") + pak + ".bsp"}));
    fake.files.AddFile(kEF + "\\baseEF\\hmconfig.cfg", "ef settings");
    fake.files.AddFile(kEF + "\\holomatch\\hmconfig.cfg", "mod settings");
    fake.files.AddFile(kEF + "\\holomatch\\zz-maps.pk3", Zip({"maps/hm_borg1.bsp"}));

    fake.files.AddFile(kQ1 + "\\winquake.exe", "MZ");
    fake.files.AddFile(kQ1 + "\\id1\\pak0.pak", Pack({"maps/e1m1.bsp", "progs/player.mdl"}));
    fake.files.AddFile(kQ2 + "\\quake2.exe", "MZ");
    fake.files.AddFile(kQ2 + "\\baseq2\\pak0.pak", Pack({"maps/base1.bsp"}));
    fake.files.AddFile(kQ2 + "\\opentdm\\config.cfg", "tdm");
    fake.files.AddFile(kHL + "\\hl.exe", "MZ");
    fake.files.AddFile(kHL + "\\valve\\pak0.pak", Pack({"maps/c1a0.bsp"}));
    fake.files.AddFile(kHL + "\\cstrike\\liblist.gam", "game \"Counter-Strike\"");

    choices.dir(GameCode::Q3A) = kQ3;
    choices.q3aMod = ModChoice{"Mod: osp", "1"};
    choices.dir(GameCode::STVEF) = kEF;
    choices.dir(GameCode::Q1) = kQ1;
    choices.dir(GameCode::Q2) = kQ2;
    choices.dir(GameCode::HL) = kHL;
  }

  RunPlan Plan(GameCode code, const std::string& path, const std::string& bytes) {
    fake.files.AddFile(path, bytes);
    const Game& game = GameOf(code);
    const Install install = program->install();
    Demo demo{path, {}};
    if (game.claimsPath) demo = *game.claimsPath(install, path);
    return game.plan(install, choices, demo);
  }

  Choices choices;
};

// Each case as the plan has it: the question (its message and what it names) or none, and
// the mod the game is started in.
TEST_F(DemoNeedsTest, EveryGameAsksOnlyForWhatIsMissingAndPlaysTheDemosMod) {
  struct Case {
    const char* what;
    GameCode game;
    std::function<void()> setUp;
    std::string demo, bytes;
    int question;                    // 0: none
    std::vector<std::string> names;  // the question's arguments
    std::string mod;                 // started with "+set fs_Game <mod>"; "" without
  };
  const std::string q3 = "c:\\demos\\duel.dm_68";
  const std::string cpmaPk3 = kQ3 + "\\cpma\\map-cpm3a.pk3";
  const auto none = [] {};
  const std::string quake3 = "Quake 3 Arena";
  const std::vector<Case> cases = {
      {"the mod there, the map in one of its archives",
       GameCode::Q3A,
       [&] { fake.files.AddFile(cpmaPk3, Zip({"MAPS/Cpm3a.BSP"})); },
       q3,
       Quake3Demo("cpm3a", "cpma"),
       0,
       {},
       "cpma"},
      {"the map loose in the base folder",
       GameCode::Q3A,
       [&] { fake.files.AddFile(kQ3 + "\\baseq3\\maps\\cpm3a.bsp", "map"); },
       q3,
       Quake3Demo("cpm3a", "CPMA"),
       0,
       {},
       "CPMA"},
      {"the mod missing",
       GameCode::Q3A,
       none,
       q3,
       Quake3Demo("q3dm17", "defrag"),
       needtext::kModMissing,
       {"defrag", quake3, kQ3 + "\\defrag"},
       ""},
      {"the map missing",
       GameCode::Q3A,
       none,
       q3,
       Quake3Demo("cpm3a", "cpma"),
       needtext::kMapMissing,
       {"cpm3a", "baseq3, cpma", quake3, kQ3},
       "cpma"},
      {"both missing, one question",
       GameCode::Q3A,
       none,
       q3,
       Quake3Demo("st1", "defrag"),
       needtext::kModAndMapMissing,
       {"defrag", "st1", quake3, kQ3 + "\\defrag", "baseq3"},
       ""},
      {"an archive that cannot be read",
       GameCode::Q3A,
       [&] { fake.files.AddFile(cpmaPk3, std::string(4000, 'x')); },
       q3,
       Quake3Demo("cpm3a", "cpma"),
       0,
       {},
       "cpma"},
      {"no mod named: the chosen one",
       GameCode::Q3A,
       none,
       q3,
       Quake3Demo("q3dm6", ""),
       0,
       {},
       "osp"},
      {"the base folder named",
       GameCode::Q3A,
       none,
       q3,
       Quake3Demo("q3dm6", "BaseQ3"),
       0,
       {},
       "osp"},
      {"a mod that is no plain folder",
       GameCode::Q3A,
       none,
       q3,
       Quake3Demo("q3dm6", "..\\osp"),
       0,
       {},
       "osp"},
      {"a first message that cannot be read",
       GameCode::Q3A,
       none,
       q3,
       std::string(5000, 'd'),
       0,
       {},
       "osp"},
      {"a minimum installation reads its maps from the CD",
       GameCode::Q3A,
       [&] { ASSERT_TRUE(fake.files.Delete(kQ3 + "\\baseq3\\pak0.pk3").ok()); },
       q3,
       Quake3Demo("q3dm17", "cpma"),
       0,
       {},
       "cpma"},
      {"Elite Force in its mod",
       GameCode::STVEF,
       none,
       "c:\\demos\\a.efdemo",
       EngineRecording(EngineGamestate(
           {{0, "\\protocol\\24\\mapname\\hm_borg1"}, {1, "\\fs_game\\holomatch"}})),
       0,
       {},
       "holomatch"},
      {"Quake 1, the map in a pak",
       GameCode::Q1,
       none,
       "c:\\demos\\a.dem",
       Quake1("-1", Quake1ServerInfo(15, "the Slipgate Complex", Quake1Models())),
       0,
       {},
       ""},
      {"Quake 1, the map missing",
       GameCode::Q1,
       none,
       "c:\\demos\\b.dem",
       Quake1("-1", Quake1ServerInfo(15, "Castle", {"maps/E1M2.bsp", "*1"})),
       needtext::kMapMissing,
       {"E1M2", "id1", "Quake 1", kQ1},
       ""},
      {"Quake 2, the map in the game folder's pak",
       GameCode::Q2,
       [&] { fake.files.AddFile(kQ2 + "\\opentdm\\pak0.pak", Pack({"maps/q2dm1.bsp"})); },
       "c:\\demos\\a.dm2",
       Quake2(Quake2ServerDataMessage(34, 0, "opentdm")),
       0,
       {},
       ""},
      {"Quake 2, the map missing",
       GameCode::Q2,
       none,
       "c:\\demos\\b.dm2",
       Quake2(Quake2ServerDataMessage(34, 0, "opentdm")),
       needtext::kMapMissing,
       {"q2dm1", "baseq2, opentdm", "Quake 2", kQ2},
       ""},
      {"Half-Life, the map in the game's downloads",
       GameCode::HL,
       [&] { fake.files.AddFile(kHL + "\\cstrike_downloads\\maps\\de_dust2.bsp", "map"); },
       "c:\\demos\\a.dem",
       HalfLife(5, 48, "de_dust2", "cstrike"),
       0,
       {},
       ""},
      {"Half-Life, the map in valve's pak",
       GameCode::HL,
       none,
       "c:\\demos\\b.dem",
       HalfLife(5, 48, "c1a0", "valve"),
       0,
       {},
       ""},
      {"Half-Life, the map missing",
       GameCode::HL,
       none,
       "c:\\demos\\c.dem",
       HalfLife(5, 48, "de_aztec", "cstrike"),
       needtext::kMapMissing,
       {"de_aztec",
        "cstrike, cstrike_downloads, cstrike_addon, valve, valve_downloads, valve_addon",
        "Half-Life", kHL},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake.files.AddFile(kQ3 + "\\baseq3\\pak0.pk3", Zip({"maps/q3dm17.bsp", "maps/q3dm6.bsp"}));
    for (const std::string& added :
         {cpmaPk3, kQ3 + "\\baseq3\\maps\\cpm3a.bsp", kQ2 + "\\opentdm\\pak0.pak",
          kHL + "\\cstrike_downloads\\maps\\de_dust2.bsp"})
      (void)fake.files.Delete(added);
    c.setUp();
    const RunPlan plan = Plan(c.game, c.demo, c.bytes);
    ASSERT_FALSE(plan.refusal);
    if (c.question) {
      ASSERT_EQ(plan.questions.size(), 1u);
      EXPECT_EQ(plan.questions[0].id, c.question);
      EXPECT_EQ(plan.questions[0].args, c.names);
    } else {
      EXPECT_TRUE(plan.questions.empty()) << plan.questions[0].id << " " << plan.needs;
    }
    const std::string line = plan.start.commandLine + plan.start.afterCdDrive;
    const std::size_t at = line.find("+set fs_Game ");
    EXPECT_EQ(at == std::string::npos ? "" : line.substr(at + 13), c.mod) << line;
  }
}

// A demo of release 1.32 renamed to 1.31's ending plays on 1.32 under 1.32's name, in its
// mod, with the mod's configuration read-only; afterwards the folder is as it was.
TEST_F(DemoNeedsTest, ModDemoPlaysInItsModOnItsProtocolsReleaseAndEverythingComesBack) {
  UseFolder(GameCode::Q3A, kQ3);
  ASSERT_TRUE(WriteSetting(fake.registry, "Modification", "Mod: osp").ok());
  ASSERT_TRUE(WriteSetting(fake.registry, "ModificationOption", "1").ok());
  fake.files.AddFile(kQ3 + "\\cpma\\map-cpm3a.pk3", Zip({"maps/cpm3a.bsp"}));
  const std::string demo = "c:\\demos\\renamed.dm_67";
  fake.files.AddFile(demo, Quake3Demo("cpm3a", "cpma"));
  const auto before = Snapshot(kQ3);
  bool started = false;
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    started = true;
    EXPECT_EQ(game.commandLine, kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 +
                                    "\" +exec Kalvenmarque+set fs_Game cpma");
    EXPECT_EQ(fake.files.Contents(kQ3 + "\\Quake3.exe"), "exe 132");
    EXPECT_TRUE(fake.files.IsFile(kQ3 + "\\baseq3\\demos\\Kalvenmarque.dm_68"));
    EXPECT_NE(fake.files.Attributes(kQ3 + "\\cpma\\q3config.cfg").value_or(0) & attr::kReadOnly,
              0u);
    EXPECT_EQ(fake.files.Attributes(kQ3 + "\\osp\\q3config.cfg").value_or(0) & attr::kReadOnly, 0u);
  };
  p().demoPath = demo;
  EXPECT_TRUE(PlayToEnd());
  EXPECT_TRUE(started);
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(Snapshot(kQ3), before);
  const std::string log = fake.files.Contents(RunLogPath(fake.system)).value_or("");
  EXPECT_NE(log.find("the demo needs protocol 68, mod cpma (found), map cpm3a (found; looked in " +
                     kQ3 + "\\baseq3, " + kQ3 + "\\cpma)"),
            std::string::npos)
      << log;
}

// No to the question changes nothing and starts nothing; Yes to a missing mod plays the
// demo without any mod, the chosen one neither.
TEST_F(DemoNeedsTest, NoLeavesTheFolderAsItWasAndYesPlaysWithoutTheMissingMod) {
  UseFolder(GameCode::Q3A, kQ3);
  ASSERT_TRUE(WriteSetting(fake.registry, "Modification", "Mod: osp").ok());
  ASSERT_TRUE(WriteSetting(fake.registry, "ModificationOption", "1").ok());
  const std::string demo = "c:\\demos\\run.dm_68";
  fake.files.AddFile(demo, Quake3Demo("st1", "defrag"));
  const auto before = Snapshot(kQ3);
  fake.dialogs.answers.push_back(Answer::No);
  p().demoPath = demo;
  EXPECT_TRUE(PlayToEnd());
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_NE(fake.dialogs.messages()[0].text.find("defrag"), std::string::npos);
  EXPECT_NE(fake.dialogs.messages()[0].text.find("st1"), std::string::npos);
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_EQ(Snapshot(kQ3), before);

  fake.files.AddFile(demo, Quake3Demo("q3dm6", "defrag"));
  fake.dialogs.answers.push_back(Answer::Yes);
  EXPECT_TRUE(PlayToEnd());
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].commandLine,
            kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 + "\" +exec Kalvenmarque");
  EXPECT_EQ(Snapshot(kQ3), before);
}

// A folder of demos as the list has it: every file, the game that claims it, what its first
// message says and what keeps it from playing here; then ordered and filtered as values.
TEST_F(DemoNeedsTest, AFolderListsEveryFileWithWhatItNeedsAndOrdersAndFiltersAsValues) {
  const std::string dir = "C:\\Demos";
  fake.files.AddFile(dir + "\\duel.dm_68", Quake3Demo("cpm3a", "cpma"));
  fake.files.AddFile(kQ3 + "\\cpma\\map-cpm3a.pk3", Zip({"maps/cpm3a.bsp"}));
  fake.files.AddFile(dir + "\\Trick.DM_68", Quake3Demo("st1", "defrag"));
  fake.files.AddFile(dir + "\\cut.dm_68", Quake3Demo("q3dm17", "cpma").substr(0, 9));
  fake.files.AddFile(dir + "\\aztec.dem", HalfLife(5, 48, "de_aztec", "cstrike"));
  fake.files.AddFile(dir + "\\tdm.dm2", Quake2(Quake2ServerDataMessage(34, 0, "opentdm")));
  fake.files.AddFile(dir + "\\readme.txt", "notes");
  fake.files.AddFile(dir + "\\held.dem", HalfLife(5, 48, "c1a0", "valve"));
  fake.files.AddFile(dir + "\\old.dm_66", Quake3Demo("q3dm17", "", 66));
  ASSERT_TRUE(fake.files.Delete(Versions() + "\\Quake3.130").ok());
  fake.files.AddDirectory(dir + "\\older");
  ASSERT_TRUE(fake.files.HoldOpen(dir + "\\held.dem"));
  choices.dir(GameCode::Q2) = "";

  const auto listed = ListDemos(program->install(), Games(), choices, dir);
  ASSERT_TRUE(listed.ok());
  struct Row {
    std::string name;
    const char* game;
    std::string release, mod, map;
    std::vector<Lack> lacks;
  };
  const std::vector<Row> expected = {
      {"aztec.dem", "Half-Life", "", "cstrike", "de_aztec", {Lack::Map}},
      {"cut.dm_68", "Quake 3 Arena", "v1.32", "", "", {}},
      {"duel.dm_68", "Quake 3 Arena", "v1.32", "cpma", "cpm3a", {}},
      {"held.dem", nullptr, "", "", "", {Lack::Unreadable}},
      {"old.dm_66", "Quake 3 Arena", "v1.30", "", "q3dm17", {Lack::ReleaseNotStored}},
      {"readme.txt", nullptr, "", "", "", {Lack::NotADemo}},
      {"tdm.dm2", "Quake 2", "", "", "", {Lack::GameNotSetUp}},
      {"Trick.DM_68", "Quake 3 Arena", "v1.32", "defrag", "st1", {Lack::Mod, Lack::Map}},
  };
  ASSERT_EQ(listed.value().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ListedDemo& got = listed.value()[i];
    const Row& want = expected[i];
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.game ? std::string(got.game->name) : "", want.game ? want.game : "") << want.name;
    EXPECT_EQ(got.release ? got.release->version : "", want.release) << want.name;
    EXPECT_EQ(got.needs.mod, want.mod) << want.name;
    EXPECT_EQ(got.needs.map, want.map) << want.name;
    EXPECT_EQ(LacksOf(got), want.lacks) << want.name;
  }
  EXPECT_EQ(listed.value()[2].size, Quake3Demo("cpm3a", "cpma").size());

  auto names = [](const std::vector<ListedDemo>& list) {
    std::vector<std::string> out;
    for (const ListedDemo& demo : list) out.push_back(demo.name);
    return out;
  };
  // Rows without a map keep the name order among themselves, whichever the direction.
  EXPECT_EQ(names(SortedDemos(listed.value(), DemoColumn::Map, true)),
            (std::vector<std::string>{"Trick.DM_68", "old.dm_66", "aztec.dem", "duel.dm_68",
                                      "cut.dm_68", "held.dem", "readme.txt", "tdm.dm2"}));
  EXPECT_EQ(names(SortedDemos(listed.value(), DemoColumn::Size, false)).front(), "readme.txt");
  EXPECT_EQ(listed.value()[3].size, HalfLife(5, 48, "c1a0", "valve").size()) << "held, not gone";
  EXPECT_EQ(names(SortedDemos(listed.value(), DemoColumn::Release, false)).back(), "Trick.DM_68");
  EXPECT_EQ(names(FilteredDemos(listed.value(), GameCode::Q3A, "CPM")),
            (std::vector<std::string>{"duel.dm_68"}));
  EXPECT_EQ(names(FilteredDemos(listed.value(), std::nullopt, "dem")),
            (std::vector<std::string>{"aztec.dem", "held.dem"}));
  EXPECT_EQ(FilteredDemos(listed.value(), std::nullopt, "").size(), expected.size());

  EXPECT_EQ(ListDemos(program->install(), Games(), choices, dir + "\\gone").failure().number,
            err::kPathNotFound);

  // Every demo of a missing map looks into every archive: a listing reads each one once.
  const std::string pak = kQ3 + "\\baseq3\\pak8.pk3";
  auto bytesOfListing = [&](const std::string& folder) {
    const std::uint64_t before = fake.files.BytesRead(pak);
    EXPECT_TRUE(ListDemos(program->install(), Games(), choices, folder).ok());
    return fake.files.BytesRead(pak) - before;
  };
  fake.files.AddFile("C:\\One\\a.dm_68", Quake3Demo("st1", ""));
  for (const char* name : {"a", "b", "c"})
    fake.files.AddFile("C:\\Three\\" + std::string(name) + ".dm_68", Quake3Demo("st1", ""));
  const std::uint64_t once = bytesOfListing("C:\\One");
  EXPECT_GT(once, 0u);
  EXPECT_EQ(bytesOfListing("C:\\Three"), once);
}

// The library on a folder: read between the window's messages with the bar moving, each
// file with what keeps it from playing; ordered by a header click (again: reversed),
// filtered by game and text; a double-click plays the demo as Explorer's would and the
// list comes back as it was; subfolders on asking; closing keeps the choices and ends.
TEST_F(DemoNeedsTest, TheLibraryReadsInStepsPlaysTheChosenDemoAndComesBackToTheList) {
  UseFolder(GameCode::Q3A, kQ3);
  UseFolder(GameCode::HL, kHL);
  const std::string dir = "C:\\Demos";
  const std::string gamestate = Quake3Demo("q3dm17", "");
  // The last snapshot is larger than the end the reader looks at first.
  const std::string duel = gamestate.substr(0, gamestate.size() - 8) +  // past the end mark
                           EngineBlocks({HuffmanCoded(EngineSnapshot(70000, 40)),
                                         HuffmanCoded(EngineSnapshot(195000, 9000))});
  fake.files.AddFile(dir + "\\duel.dm_68", duel);
  fake.files.AddFile(dir + "\\aztec.dem", HalfLife(5, 48, "de_aztec", "cstrike", 1, 3725.5f));
  fake.files.AddFile(dir + "\\notes.txt", "notes");
  fake.files.AddFile(dir + "\\Older\\old.dm_68", Quake3Demo("q3dm6", ""));
  const auto before = Snapshot(kQ3);

  OpenDemoLibrary(p(), dir, false);
  fake::FakeWindow* window = fake.windows.Find(IDD_DEMOS);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Visible());
  fake::FakeControl& list = window->control(IDC_DEMOS_LVWDEMOS);
  fake::FakeControl& bar = window->control(IDC_DEMOS_PRGREADING);
  EXPECT_TRUE(list.rows.empty()) << "read in the window's idle steps, not at once";
  EXPECT_TRUE(window->RunIdle());
  auto names = [&list] {
    std::vector<std::string> out;
    for (const auto& row : list.rows) out.push_back(row.at(0));
    return out;
  };
  ASSERT_EQ(names(), (std::vector<std::string>{"aztec.dem", "duel.dm_68", "notes.txt"}));
  ASSERT_EQ(list.headers.size(), 10u);
  EXPECT_EQ(list.rows[0][1], "Half-Life");
  EXPECT_EQ(list.rows[0][3], "cstrike");
  EXPECT_EQ(list.rows[0][6], "1:02:06") << "both segments, from an hour on with the hours";
  EXPECT_EQ(list.rows[0][9], "map de_aztec is missing");
  EXPECT_EQ(list.rows[1][2], "v1.32");
  EXPECT_EQ(list.rows[1][6], "2:05") << "from the first snapshot to the last";
  EXPECT_EQ(list.rows[1][9], "yes");
  EXPECT_EQ(list.rows[2][6], "");
  EXPECT_EQ(list.rows[2][9], "not a demo");
  EXPECT_EQ(window->control(IDC_DEMOS_LBLSTATUS).text, "3 files, 2 demos, 1 play here");
  EXPECT_EQ(bar.paintedValues, (std::vector<int>{0, 33, 66, 100})) << "a bar that moves";
  EXPECT_FALSE(bar.visible);

  list.value = 1;  // the game column's header
  window->Fire(IDC_DEMOS_LVWDEMOS, Event::Column);
  EXPECT_EQ(names(), (std::vector<std::string>{"notes.txt", "aztec.dem", "duel.dm_68"}));
  window->Fire(IDC_DEMOS_LVWDEMOS, Event::Column);
  EXPECT_EQ(names(), (std::vector<std::string>{"duel.dm_68", "aztec.dem", "notes.txt"}));
  EXPECT_EQ(list.sortedColumn, 1);
  EXPECT_TRUE(list.sortedDescending);
  window->control(IDC_DEMOS_COMGAME).selection = 1 + static_cast<int>(IndexOf(GameCode::HL));
  window->Fire(IDC_DEMOS_COMGAME, Event::Click);
  EXPECT_EQ(names(), (std::vector<std::string>{"aztec.dem"}));
  window->control(IDC_DEMOS_COMGAME).selection = 0;
  window->control(IDC_DEMOS_TXTFILTER).text = "DUEL";
  window->Fire(IDC_DEMOS_TXTFILTER, Event::Change);
  EXPECT_EQ(names(), (std::vector<std::string>{"duel.dm_68"}));
  window->control(IDC_DEMOS_TXTFILTER).text = "";
  window->Fire(IDC_DEMOS_TXTFILTER, Event::Change);

  bool hiddenWhilePlaying = false;
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    hiddenWhilePlaying = !window->Visible();
    EXPECT_EQ(game.commandLine,
              kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 + "\" +exec Kalvenmarque");
    EXPECT_TRUE(fake.files.IsFile(kQ3 + "\\baseq3\\demos\\Kalvenmarque.dm_68"));
  };
  list.selection = 0;
  window->Fire(IDC_DEMOS_LVWDEMOS, Event::Activate);
  EXPECT_EQ(fake.processes.started().size(), 1u);
  EXPECT_TRUE(hiddenWhilePlaying);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(names(), (std::vector<std::string>{"duel.dm_68", "aztec.dem", "notes.txt"}));
  EXPECT_EQ(list.selection, 0);
  EXPECT_EQ(Snapshot(kQ3), before);

  window->control(IDC_DEMOS_CHKSUBFOLDERS).value = 1;
  window->Fire(IDC_DEMOS_CHKSUBFOLDERS, Event::Click);
  window->RunIdle();
  EXPECT_EQ(names(),
            (std::vector<std::string>{"duel.dm_68", "Older\\old.dm_68", "aztec.dem", "notes.txt"}));
  list.widths[0] = 123;
  EXPECT_THROW(window->Fire(IDC_DEMOS_CMDCLOSE, Event::Click), fake::ProgramEnded);
  EXPECT_EQ(ReadSetting(fake.registry, "Demo Library Folder", ""), dir);
  EXPECT_EQ(ReadSetting(fake.registry, "Demo Library Subfolders", ""), "1");
  EXPECT_EQ(ReadSetting(fake.registry, "Demo Library Columns", ""),
            "123,58,34,34,42,36,32,30,60,72");
}

// What the library read is kept between runs: a folder read once lists again without a
// demo's bytes; a changed demo is read again and the others not; other installations, or
// a cache file of another version or damaged anywhere, are not trusted: the rows are read
// again, come out the same, and the file is written anew.
TEST_F(DemoNeedsTest, ACachedFolderListsWithoutReadingItsDemosUntilAnythingChanges) {
  const std::string dir = "C:\\Library";
  const std::string duel = dir + "\\duel.dm_68", aztec = dir + "\\aztec.dem";
  fake.files.AddFile(duel, Quake3Demo("cpm3a", "cpma"));
  fake.files.AddFile(aztec, HalfLife(5, 48, "de_aztec", "cstrike", 0, 61));
  fake.files.AddFile(dir + "\\notes.txt", "notes");
  const std::string path = DemoCachePath(fake.system);
  auto list = [&] {
    DemoCache cache(fake.files, path, DemoCache::Fingerprint(program->install(), choices, Games()),
                    Games());
    auto listed = ListDemos(program->install(), Games(), choices, dir, false, &cache);
    EXPECT_TRUE(listed.ok());
    EXPECT_TRUE(cache.Save().ok());
    std::string rows;
    for (const ListedDemo& row : listed.value()) {
      rows += row.name + "|" + (row.game ? row.game->name : "") + "|" + row.needs.mod + "|" +
              row.needs.map + "|" + (row.release ? row.release->version : "") + "|" +
              (row.length ? std::to_string(*row.length) : "") + "|";
      for (const Lack lack : LacksOf(row)) rows += std::to_string(static_cast<int>(lack));
      rows += "\n";
    }
    return rows;
  };
  auto reads = [&] { return fake.files.BytesRead(duel) + fake.files.BytesRead(aztec); };

  const std::string first = list();
  EXPECT_NE(first.find("duel.dm_68|Quake 3 Arena|cpma|cpm3a|v1.32||5\n"), std::string::npos)
      << first;
  std::uint64_t before = reads();
  EXPECT_EQ(list(), first);
  EXPECT_EQ(reads(), before) << "listed from the cache";

  fake.files.AddFile(kQ3 + "\\cpma\\map-cpm3a.pk3", Zip({"maps/cpm3a.bsp"}));
  const std::string withMod = list();
  EXPECT_NE(withMod.find("duel.dm_68|Quake 3 Arena|cpma|cpm3a|v1.32||\n"), std::string::npos)
      << "the installation's new mod is seen: " << withMod;

  const std::uint64_t duelBefore = fake.files.BytesRead(duel);
  fake.files.AddFile(aztec, HalfLife(5, 48, "c1a0", "valve", 0, 42));
  const std::string changed = list();
  EXPECT_NE(changed.find("aztec.dem|Half-Life||c1a0||42000|\n"), std::string::npos) << changed;
  EXPECT_EQ(fake.files.BytesRead(duel), duelBefore) << "only the changed demo is read";

  const std::string good = fake.files.Contents(path).value_or("");
  std::string otherVersion = good, badField = good;
  otherVersion.replace(good.find(" v") + 2, 1, "0");
  badField.replace(good.find("\tcpma\t"), 6, "\tcp\\ma\t");
  for (const std::string& damaged :
       {good.substr(0, good.size() / 2), good.substr(0, good.rfind("end")), otherVersion, badField,
        good + "junk\r\n", std::string("\0\0\0", 3)}) {
    fake.files.AddFile(path, damaged);
    before = reads();
    EXPECT_EQ(list(), changed);
    EXPECT_GT(reads(), before) << "trusted a damaged cache";
    EXPECT_EQ(fake.files.Contents(path).value_or(""), good) << "not written anew";
  }
}

}  // namespace
}  // namespace kalv::testing
