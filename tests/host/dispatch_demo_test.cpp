// Which game a demo reaches: by its ending, by the header of a .dem file, and by the
// release files' demo endings for Quake 3.
#include <vector>

#include "demo_layouts.h"
#include "games_fixture.h"
#include "games/run_plan.h"
#include "launcher/base/choices.h"
#include "launcher/dispatch.h"
#include "ui/resource.h"

namespace kalv::testing {
namespace {

class DispatchTest : public ProgramFixture {
 protected:
  void Demo(const std::string& path, const std::string& contents) {
    fake.files.AddFile(path, contents);
    p().demoPath = path;
  }
  std::optional<int> Dispatch() { return DispatchDemo(p(), noting.table()); }
  // A .dem demo always ends the run with an exit code.
  void DispatchDem() { EXPECT_TRUE(Dispatch().has_value()); }

  NotingTable noting;
  std::vector<std::string>& played = noting.played;
  const Release& releaseMatched = noting.demo.release;
  int& raise = noting.raise;
};

TEST_F(DispatchTest, HalfLifeHeaderInAnyCase) {
  Demo("c:\\d\\a.dem", "hlDemo\0\0\0\x05 maps/c1a0.bsp");
  DispatchDem();
  EXPECT_EQ(played, std::vector<std::string>{"HL"});
}

TEST_F(DispatchTest, QuakeOneMapNameInTheHeader) {
  Demo("c:\\d\\a.dem", std::string("\x01\x02-1\n\0\0maps/e1m1.bsp\0", 20) + std::string(300, 'x'));
  DispatchDem();
  EXPECT_EQ(played, std::vector<std::string>{"Q1"});
}

TEST_F(DispatchTest, FirstDotBsDecidesEvenWhenBspFollowsLater) {
  Demo("c:\\d\\a.dem", "xx maps/a.bsx and maps/b.bsp");
  DispatchDem();
  EXPECT_EQ(played, std::vector<std::string>{"UT"});
}

TEST_F(DispatchTest, HeaderStartingWithBspAndNoDotBsIsQuakeOne) {
  Demo("c:\\d\\a.dem", "bsp then nothing");
  DispatchDem();
  EXPECT_EQ(played, std::vector<std::string>{"Q1"});
}

TEST_F(DispatchTest, EmptyAndUnknownDemFilesGoToUnrealTournament) {
  Demo("c:\\d\\a.dem", "");
  DispatchDem();
  Demo("c:\\d\\b.dem", std::string(400, '\0'));
  DispatchDem();
  EXPECT_EQ(played, (std::vector<std::string>{"UT", "UT"}));
}

TEST_F(DispatchTest, MarkersPastTheFirst255BytesAreNotSeen) {
  Demo("c:\\d\\a.dem", std::string(255, 'z') + "maps/e1m1.bsp");
  DispatchDem();
  EXPECT_EQ(played, std::vector<std::string>{"UT"});
}

// Demos as the games record them, read from their files: a relay's Counter-Strike demo
// (its name carries ".dem" twice), an old Half-Life one, Quake 1 demos whose map lies past
// the header behind a greeting or in a later packet, and an Unreal Tournament package.
TEST_F(DispatchTest, RecordedDemosReachTheGamesThatRecordedThem) {
  using namespace layout;
  const std::string greeting = Quake1Print(std::string(400, '*'));
  const std::vector<std::pair<std::string, std::string>> demos = {
      {"c:\\demos\\final.dem-0412181530-de_dust2.dem", HalfLife(5, 48, "de_dust2", "cstrike")},
      {"c:\\demos\\c1a0.dem", HalfLife(4, 42, "c1a0", "valve")},
      {"c:\\demos\\e1m1.dem", Quake1("2", greeting + Quake1ServerInfo(15, "x", Quake1Models()))},
      {"c:\\demos\\fitz.dem",
       "-1\n" + Quake1Block(greeting) + Quake1Block(Quake1ServerInfo(666, "x", Quake1Models()))},
      {"c:\\demos\\deck.dem", std::string("\xC1\x83\x2A\x9E\x45\x00", 6) + std::string(90000, 'u')},
  };
  for (const auto& [path, bytes] : demos) {
    Demo(path, bytes);
    DispatchDem();
  }
  EXPECT_EQ(played, (std::vector<std::string>{"HL", "HL", "Q1", "Q1", "UT"}));
}

TEST_F(DispatchTest, MissingDemFileShowsTheErrorAndPlaysNothing) {
  fake.files.AddDirectory("c:\\d");
  p().demoPath = "c:\\d\\gone.dem";
  p().commandLine = "C:\\D\\Gone.dem";
  DispatchDem();
  EXPECT_TRUE(played.empty());
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque Kalvenmarque - Error (53)");
  EXPECT_NE(fake.dialogs.messages()[0].text.find("C:\\D\\Gone.dem"), std::string::npos);
}

TEST_F(DispatchTest, FailureRaisedInsideADemGamesPlayIsReported) {
  raise = err::kPathNotFound;
  Demo("c:\\d\\a.dem", "");
  DispatchDem();
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque Kalvenmarque - Error (76)");
}

TEST_F(DispatchTest, EliteForceAndQuakeTwoByEndingWithoutReadingReleaseFiles) {
  p().demoPath = "c:\\d\\x.efdemo";
  Dispatch();
  p().demoPath = "c:\\d\\x.dm2";
  Dispatch();
  EXPECT_EQ(played, (std::vector<std::string>{"STVEF", "Q2"}));
  EXPECT_EQ(releaseMatched.demoExt, "");
}

TEST_F(DispatchTest, QuakeThreeReleaseIsChosenByItsDemoEnding) {
  AddShippedReleases();
  p().demoPath = "c:\\d\\x.dm_66";
  Dispatch();
  EXPECT_EQ(played, std::vector<std::string>{"Q3A"});
  EXPECT_EQ(releaseMatched.file, "v1_30.Vrk");
  EXPECT_EQ(releaseMatched.demoExt, ".dm_66");
}

// A demo of each release the installation ships reaches that release, 1.32 included.
TEST_F(DispatchTest, QuakeThreeDemoOfEveryShippedReleaseReachesItsRelease) {
  AddReleaseFilesAsShipped();
  const std::vector<std::pair<std::string, std::string>> releases = {{".dm3", "v1_17.Vrk"},
                                                                     {".dm_48", "v1_27h.Vrk"},
                                                                     {".dm_66", "v1_30.Vrk"},
                                                                     {".dm_67", "v1_31.Vrk"},
                                                                     {".dm_68", "v1_32.Vrk"}};
  for (const auto& [ending, file] : releases) {
    Demo("c:\\demos\\final" + ending, layout::Quake3());
    Dispatch();
    EXPECT_EQ(releaseMatched.file, file) << ending;
    EXPECT_EQ(releaseMatched.demoExt, ending);
  }
  EXPECT_EQ(played, std::vector<std::string>(releases.size(), "Q3A"));
}

TEST_F(DispatchTest, FirstReleaseInNameOrderWinsASharedEnding) {
  AddRelease("b.Vrk", "v1.2", ".dm_66", "1");
  AddRelease("A.Vrk", "v1.1", ".dm_66", "1");
  p().demoPath = "c:\\d\\x.dm_66";
  Dispatch();
  EXPECT_EQ(releaseMatched.file, "A.Vrk");
}

TEST_F(DispatchTest, EmptyDemoEndingMatchesEveryDemo) {
  AddRelease("v0.Vrk", "v0", "", "1");
  p().demoPath = "c:\\d\\x.txt";
  Dispatch();
  EXPECT_EQ(played, std::vector<std::string>{"Q3A"});
  EXPECT_EQ(releaseMatched.demoExt, "");
}

TEST_F(DispatchTest, UnclaimedDemoOpensTheMainWindowWithoutMessage) {
  AddShippedReleases();
  fake.files.AddFile(Versions() + "\\broken.Vrk", "[Quake 3 Arena Version]\r\n");
  p().demoPath = "c:\\d\\x.txt";
  Dispatch();
  EXPECT_TRUE(played.empty());
  EXPECT_TRUE(main().Visible());
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

TEST_F(DispatchTest, MissingReleaseStoreIsRaisedToTheStartUp) {
  p().demoPath = "c:\\d\\x.dm_66";
  try {
    Dispatch();
    FAIL() << "no failure raised";
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kPathNotFound);
  }
  EXPECT_TRUE(played.empty());
}

TEST(DemHeaderTest, ClassifiesByTheRules) {
  EXPECT_EQ(ClassifyDemHeader("HLDEMO" + std::string(249, ' ')), GameCode::HL);
  EXPECT_EQ(ClassifyDemHeader(" HLDEMO" + std::string(248, ' ')), GameCode::UT);
  EXPECT_EQ(ClassifyDemHeader("x.BSP" + std::string(250, ' ')), GameCode::UT) << "exact case";
  EXPECT_EQ(ClassifyDemHeader(std::string(252, ' ') + ".bs"), GameCode::UT) << "cut at the end";
  EXPECT_EQ(ClassifyDemHeader(std::string(251, ' ') + ".bsp"), GameCode::Q1);
}

}  // namespace
}  // namespace kalv::testing
