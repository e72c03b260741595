// Every game's run as a value: each game's plan function called with the user's choices,
// the demo and what was read of the installation, and what it plans held in one table:
// what it starts, in which folder, with which command line, and the steps it prepares and
// undoes. The refusals each game makes before anything changes, in a second table.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/other/half_life/half_life_plan.h"
#include "games/other/quake1/quake1_plan.h"
#include "games/other/quake2/quake2_plan.h"
#include "games/other/unreal_tournament/unreal_tournament_plan.h"
#include "games/quake3/elite_force/elite_force_plan.h"
#include "games/quake3/quake3_plan.h"

namespace kalv::testing {
namespace {

const std::string kPlayer = "C:\\Kalv";
const Release kRelease127{"v1_27h.Vrk", "v1.27h", ".dm_48", "4", "8"};

// A step as a line: its kind and path, with the source of a copy before an arrow.
std::vector<std::string> Lines(const Steps& steps) {
  std::vector<std::string> lines;
  for (const FileStep& step : steps) {
    switch (step.kind) {
      case FileStep::Kind::MakeNormal: lines.push_back("normal " + step.path); break;
      case FileStep::Kind::MakeReadOnly: lines.push_back("read-only " + step.path); break;
      case FileStep::Kind::Copy: lines.push_back("copy " + step.source + " > " + step.path); break;
      case FileStep::Kind::MakeDirectory: lines.push_back("folder " + step.path); break;
      case FileStep::Kind::Delete: lines.push_back("delete " + step.path); break;
      default: lines.push_back("other " + step.path); break;
    }
  }
  return lines;
}

DemoFacts Readable() { return DemoFacts{Status::Ok(), false}; }

Choices ChoicesWith(GameCode game, const std::string& dir) {
  Choices choices;
  choices.dir(game) = dir;
  return choices;
}

struct Planned {
  const char* what;
  std::function<RunPlan()> plan;
  std::string code;
  std::string folder;
  std::string executable;
  std::string workingFolder;
  std::string commandLine;
  std::vector<std::string> prepare;
  std::string demoTarget;
  std::vector<std::string> undo;
};

TEST(PlansTable, EveryGamesRunStartsPreparesAndUndoesAsItsTableRowSays) {
  const std::string q3 = "C:\\Q3", ef = "C:\\EF", hl = "C:\\HL", q1 = "C:\\Program Files\\Quake",
                    q2 = "C:\\Q2", ut = "C:\\UT";
  const std::vector<Planned> table = {
      {"Quake 3 Arena, in the chosen mod",
       [&] {
         Choices choices = ChoicesWith(GameCode::Q3A, q3);
         choices.q3aMod = ModChoice{"Mod: osp", std::string("1")};
         Q3AFacts facts;
         facts.installDir = kPlayer;
         facts.full = true;
         facts.demo = Readable();
         return PlanQ3A(choices, Demo{"c:\\d\\a.dm_48", kRelease127}, facts);
       },
       "Q3A",
       q3,
       q3 + "\\quake3.exe",
       q3,
       q3 + "\\quake3.exe +set fs_basepath \"" + q3 + "\" +exec Kalvenmarque+set fs_Game osp",
       {"normal " + q3 + "\\baseq3\\Kalvenmarque.cfg",
        "copy " + kPlayer + "\\Versions\\Kalv.cfg > " + q3 + "\\baseq3\\Kalvenmarque.cfg",
        "read-only " + q3 + "\\baseq3\\q3config.cfg", "folder " + q3 + "\\baseq3\\demos",
        "read-only " + q3 + "\\osp\\q3config.cfg"},
       q3 + "\\baseq3\\demos\\Kalvenmarque.dm_48",
       {"delete " + q3 + "\\baseq3\\Kalvenmarque.cfg",
        "delete " + q3 + "\\baseq3\\demos\\Kalvenmarque.dm_48",
        "normal " + q3 + "\\osp\\q3config.cfg", "normal " + q3 + "\\baseq3\\q3config.cfg"}},
      {"Elite Force",
       [&] {
         STVEFFacts facts;
         facts.installDir = kPlayer;
         facts.installed = true;
         facts.version = "v1.20";
         facts.header = "\\protocol\\24";
         facts.demo = Readable();
         return PlanSTVEF(ChoicesWith(GameCode::STVEF, ef), Demo{"c:\\d\\a.efdemo", {}}, facts);
       },
       "STVEF",
       ef,
       ef + "\\stvoyhm.exe",
       ef,
       ef + "\\stvoyhm.exe +set fs_basepath \"" + ef + "\" +exec Kalvenmarque",
       {"normal " + ef + "\\baseef\\kalvenmarque.cfg",
        "copy " + kPlayer + "\\Versions\\KalvSTVEF.cfg > " + ef + "\\baseef\\kalvenmarque.cfg",
        "read-only " + ef + "\\baseef\\hmconfig.cfg", "folder " + ef + "\\baseEF\\Demos"},
       ef + "\\baseEF\\Demos\\Kalvenmarque.efdemo",
       {"delete " + ef + "\\baseef\\kalvenmarque.cfg",
        "delete " + ef + "\\baseEF\\Demos\\Kalvenmarque.efdemo",
        "normal " + ef + "\\baseef\\hmconfig.cfg"}},
      {"Counter-Strike on a retail installation",
       [&] {
         HLFacts facts;
         facts.installDir = kPlayer;
         facts.installed = true;
         facts.needs.mod = "cstrike";
         facts.needs.modFolder = Presence::Found;
         facts.demo = Readable();
         return PlanHL(ChoicesWith(GameCode::HL, hl), Demo{"c:\\d\\a.dem", {}}, facts);
       },
       "HL",
       hl,
       hl + "\\cstrike.exe",
       hl,
       hl + "\\cstrike.exe -game cstrike -console +connect localhost +exec kalvenmarque.cfg",
       {"normal " + hl + "\\cstrike\\kalvenmarque.cfg",
        "copy " + kPlayer + "\\Versions\\KalvHL.cfg > " + hl + "\\cstrike\\kalvenmarque.cfg",
        "read-only " + hl + "\\cstrike\\config.cfg"},
       hl + "\\cstrike\\Kalvenmarque.dem",
       {"delete " + hl + "\\cstrike\\kalvenmarque.cfg",
        "delete " + hl + "\\cstrike\\Kalvenmarque.dem", "normal " + hl + "\\cstrike\\config.cfg"}},
      {"Quake 1 in a folder with a blank",
       [&] {
         Q1Facts facts;
         facts.installDir = kPlayer;
         facts.installed = true;
         facts.executables = {"glquake.exe", "q.exe"};
         facts.demo = Readable();
         Choices choices = ChoicesWith(GameCode::Q1, q1);
         choices.q1Executable = "q.exe";
         return PlanQ1(choices, Demo{"c:\\d\\a.dem", {}}, facts);
       },
       "Q1",
       q1,
       q1 + "\\q.exe",
       q1,
       q1 + "\\q.exe +exec kalvenmarque.cfg",
       {"normal " + q1 + "\\id1\\kalvenmarque.cfg",
        "copy " + kPlayer + "\\Versions\\KalvQ1.cfg > " + q1 + "\\id1\\kalvenmarque.cfg",
        "read-only " + q1 + "\\id1\\config.cfg"},
       q1 + "\\id1\\Kalvenmarque.dem",
       {"delete " + q1 + "\\id1\\kalvenmarque.cfg", "delete " + q1 + "\\id1\\Kalvenmarque.dem",
        "normal " + q1 + "\\id1\\config.cfg"}},
      {"Quake 2 in a game folder, handed to the companion",
       [&] {
         Q2Facts facts;
         facts.installDir = kPlayer;
         facts.installed = true;
         facts.game = true;
         facts.needs.protocol = 34;
         facts.needs.mod = "opentdm";
         facts.needs.modFolder = Presence::Found;
         facts.demo = Readable();
         return PlanQ2(ChoicesWith(GameCode::Q2, q2), Demo{"c:\\d\\a.dm2", {}}, facts);
       },
       "Q2",
       q2,
       q2 + "\\kalvq2_sub.exe",
       q2,
       "\"" + q2 + "\\kalvq2_sub.exe\" /Quake2SubFunction /Game:opentdm",
       {"normal " + q2 + "\\baseq2\\kalvenmarque.cfg", "normal " + q2 + "\\kalvq2_sub.exe",
        "copy " + kPlayer + "\\Versions\\KalvQ2.cfg > " + q2 + "\\baseq2\\kalvenmarque.cfg",
        "copy " + kPlayer + "\\Versions\\kalvq2_sub.bin > " + q2 + "\\kalvq2_sub.exe",
        "read-only " + q2 + "\\baseq2\\config.cfg", "read-only " + q2 + "\\opentdm\\config.cfg",
        "folder " + q2 + "\\baseq2\\demos"},
       q2 + "\\baseq2\\demos\\Kalvenmarque.dm2",
       {"delete " + q2 + "\\baseq2\\kalvenmarque.cfg",
        "delete " + q2 + "\\baseq2\\demos\\Kalvenmarque.dm2",
        "normal " + q2 + "\\opentdm\\config.cfg", "normal " + q2 + "\\baseq2\\config.cfg"}},
      {"Unreal Tournament, its playback options",
       [&] {
         InstallFacts facts;
         facts.installDir = kPlayer;
         facts.installed = true;
         facts.demo = Readable();
         Choices choices = ChoicesWith(GameCode::UT, ut);
         choices.utPlayback = UTPlayback{"1", "0", "1"};
         return PlanUT(choices, Demo{"c:\\d\\a.dem", {}}, facts);
       },
       "UT",
       ut,
       ut + "\\System\\UnrealTournament.exe",
       ut + "\\System",
       ut + "\\System\\UnrealTournament.exe UT-Logo-Map.unr?Game=kalvenmarque.kalvenmarque"
            "?demo=kalvenmarque.dem?noframecap?3rdperson",
       {"normal " + ut + "\\system\\kalvenmarque.u",
        "copy " + kPlayer + "\\Versions\\KalvUT_script.bin > " + ut + "\\system\\kalvenmarque.u"},
       ut + "\\system\\Kalvenmarque.dem",
       {"delete " + ut + "\\system\\kalvenmarque.u",
        "delete " + ut + "\\system\\Kalvenmarque.dem"}},
  };
  for (const Planned& row : table) {
    SCOPED_TRACE(row.what);
    const RunPlan plan = row.plan();
    ASSERT_FALSE(plan.refusal);
    EXPECT_TRUE(plan.questions.empty());
    EXPECT_EQ(plan.code, row.code);
    EXPECT_EQ(plan.folder, row.folder);
    EXPECT_EQ(plan.start.executable, row.executable);
    EXPECT_EQ(plan.start.folder, row.workingFolder);
    EXPECT_EQ(plan.start.commandLine, row.commandLine);
    EXPECT_EQ(plan.start.handOff, row.code == "Q2");
    EXPECT_EQ(plan.switchTo.has_value(), row.code == "Q3A");
    EXPECT_EQ(Lines(plan.prepare), row.prepare);
    EXPECT_EQ(plan.demo.target, row.demoTarget);
    EXPECT_FALSE(plan.demo.own);
    EXPECT_EQ(Lines(plan.undo), row.undo);
  }
}

// What every game refuses before anything changes: a folder that is not set up, a demo
// that cannot be read; and each game's own: Quake 3's switch that cannot be made, an
// Elite Force demo of a protocol the installation cannot play, a game folder the
// installation lacks, a Quake 2 without quake2.exe. A Quake 2 demo of a later protocol is
// a question; a minimum Quake 3 installation asks for its CD and copies plainly.
TEST(PlansTable, RefusalsAndQuestionsComeBeforeAnyStep) {
  const Status unreadable = Status::Fail(err::kPermissionDenied);
  const auto refusedWith = [](const RunPlan& plan, Notice::Kind kind, int id) {
    return plan.refusal && plan.refusal->kind == kind && plan.refusal->id == id &&
           plan.prepare.empty() && plan.undo.empty() && plan.start.executable.empty();
  };
  Q3AFacts q3;
  q3.installDir = kPlayer;
  q3.demo = Readable();
  EXPECT_TRUE(refusedWith(PlanQ3A(Choices{}, Demo{"a.dm_48", kRelease127}, q3),
                          Notice::Kind::MissingDirectory, 0));
  q3.switchRefusal = Message(1009, {"v1.27h", "C:\\Kalv\\Versions", "Quake3.127h"});
  EXPECT_TRUE(refusedWith(PlanQ3A(ChoicesWith(GameCode::Q3A, "C:\\Q3"), Demo{"a", kRelease127}, q3),
                          Notice::Kind::Text, 1009));
  q3.switchRefusal.reset();
  q3.demo.readable = unreadable;
  const RunPlan unreadableDemo = PlanQ3A(ChoicesWith(GameCode::Q3A, "C:\\Q3"), Demo{"a", {}}, q3);
  ASSERT_TRUE(unreadableDemo.refusal);
  EXPECT_EQ(unreadableDemo.refusal->failure.number, err::kPermissionDenied);
  q3.demo = Readable();
  const RunPlan minimum = PlanQ3A(ChoicesWith(GameCode::Q3A, "C:\\Q3"), Demo{"a", kRelease127}, q3);
  ASSERT_TRUE(minimum.start.cd);
  EXPECT_EQ(minimum.start.commandLine, "C:\\Q3\\quake3.exe +set fs_cdpath \"");
  EXPECT_EQ(minimum.start.afterCdDrive, ":\" +exec Kalvenmarque +set fs_basepath \"C:\\Q3\"");
  EXPECT_TRUE(minimum.demo.plain);

  STVEFFacts ef;
  ef.installed = true;
  ef.version = "v1.10";
  ef.header = "\\protocol\\24";
  ef.demo = Readable();
  EXPECT_TRUE(refusedWith(PlanSTVEF(ChoicesWith(GameCode::STVEF, "C:\\EF"), Demo{}, ef),
                          Notice::Kind::Text, 137));

  HLFacts hl;
  hl.installed = true;
  hl.needs.mod = "tfc";
  hl.needs.modFolder = Presence::Missing;
  hl.demo = Readable();
  const RunPlan tfc = PlanHL(ChoicesWith(GameCode::HL, "C:\\HL"), Demo{}, hl);
  EXPECT_TRUE(refusedWith(tfc, Notice::Kind::Text, 1033));
  EXPECT_EQ(tfc.refusal->args,
            (std::vector<std::string>{"Team Fortress Classic (\"tfc\")", "C:\\HL\\tfc"}));

  Q2Facts q2;
  q2.installed = true;
  q2.demo = Readable();
  EXPECT_TRUE(refusedWith(PlanQ2(ChoicesWith(GameCode::Q2, "C:\\Q2"), Demo{}, q2),
                          Notice::Kind::Text, 1030));
  q2.game = true;
  q2.needs.protocol = 35;
  const RunPlan later = PlanQ2(ChoicesWith(GameCode::Q2, "C:\\Q2"), Demo{}, q2);
  EXPECT_FALSE(later.refusal);
  ASSERT_EQ(later.questions.size(), 1u);
  EXPECT_EQ(later.questions[0].args, std::vector<std::string>{"35"});

  Q1Facts q1;
  q1.installed = true;
  q1.demo = Readable();
  const RunPlan noProgram = PlanQ1(ChoicesWith(GameCode::Q1, "C:\\Q1"), Demo{}, q1);
  ASSERT_TRUE(noProgram.refusal);
  EXPECT_EQ(noProgram.refusal->kind, Notice::Kind::Silent);

  InstallFacts utFacts;
  utFacts.demo = Readable();
  EXPECT_TRUE(refusedWith(PlanUT(ChoicesWith(GameCode::UT, "C:\\UT"), Demo{}, utFacts),
                          Notice::Kind::MissingDirectory, 0));
}

}  // namespace
}  // namespace kalv::testing
