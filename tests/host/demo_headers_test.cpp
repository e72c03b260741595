// The demo readers on demos laid out as the games record them: the Half-Life header with
// its game folder, the Quake 1 server info behind the CD track and a server's greeting,
// the Quake 2 server data with its game folder; and what the .dem rules make of them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "demo_readings.h"
#include "demo_layouts.h"
#include "games/other/half_life/half_life_demo.h"
#include "games/other/quake1/quake1_demo.h"
#include "games/other/quake2/quake2_demo.h"
#include "launcher/dispatch.h"
#include "platform/fake/fake_platform.h"

namespace kalv::testing {
namespace {

using namespace layout;

TEST(HalfLifeDemoTest, HeadersOfBothDemoProtocolsNameTheirGameFolder) {
  struct Case {
    int demoProtocol, networkProtocol;
    const char *map, *folder;
  };
  for (const Case& c : {Case{5, 48, "de_dust2", "cstrike"}, Case{4, 42, "c1a0", "valve"},
                        Case{5, 47, "2fort", "tfc"}, Case{5, 48, "dod_avalanche", "dod"}}) {
    const std::string demo = HalfLife(c.demoProtocol, c.networkProtocol, c.map, c.folder);
    const auto header = ReadHalfLifeDemoHeader(demo);
    ASSERT_TRUE(header) << c.folder;
    EXPECT_EQ(header->demoProtocol, c.demoProtocol);
    EXPECT_EQ(header->networkProtocol, c.networkProtocol);
    EXPECT_EQ(header->map, c.map);
    EXPECT_EQ(header->gameFolder, c.folder);
    EXPECT_EQ(ClassifyDemHeader(demo), GameCode::HL) << c.folder;
  }
  ExpectEveryCutReadsNothingOrTheWhole<std::optional<HalfLifeDemoHeader>>(
      HalfLife(5, 48, "de_dust2", "cstrike"), ReadHalfLifeDemoHeader);
  EXPECT_FALSE(ReadHalfLifeDemoHeader(HalfLife(5, 48, "x", "cstrike").substr(0, 535)));
  EXPECT_TRUE(ReadHalfLifeDemoHeader(HalfLife(5, 48, "x", "cstrike").substr(0, 536)));
}

// A folder that would leave the installation, or one the Windows file system would read
// as another, names no folder; a stamp in another letter case still reads, as the
// dispatcher takes it; a field without its end, or another stamp, is no header.
TEST(HalfLifeDemoTest, FolderThatIsNoPlainFolderNameIsLeftEmpty) {
  for (const char* folder : {"..", "..\\..\\Windows", "C:\\Games", "cstrike/../..", "", "valve.",
                             "tfc ", "dod\x01", "cs\xE9"})
    EXPECT_EQ(ReadHalfLifeDemoHeader(HalfLife(5, 48, "de_dust2", folder))->gameFolder, "")
        << folder;
  std::string lower = HalfLife(5, 48, "de_dust2", "cstrike");
  lower.replace(0, 6, "hlDemo");
  EXPECT_EQ(ReadHalfLifeDemoHeader(lower)->gameFolder, "cstrike");

  std::string unended = HalfLife(5, 48, "de_dust2", "");
  unended.replace(276, 260, std::string(260, 'a'));
  EXPECT_FALSE(ReadHalfLifeDemoHeader(unended));
  EXPECT_FALSE(ReadHalfLifeDemoHeader("HLDEMX" + HalfLife(5, 48, "x", "valve").substr(6)));
}

// A length is the sum of the directory's segments, read from the file where the header
// points; a directory that is cut, empty, too large or holds a time no demo has (NaN,
// negative), or a header pointing past the file, gives none.
TEST(HalfLifeDemoTest, ALengthIsTheSumOfTheDirectorysSegments) {
  fake::FakeFiles files;
  const std::string demo = HalfLife(5, 48, "de_dust2", "cstrike", 0.5f, 65.25f);
  files.AddFile("C:\\d.dem", demo);
  EXPECT_EQ(ReadHalfLifeDemoLength(files, "C:\\d.dem"), 65750u);
  const std::size_t at = *ReadHalfLifeDemoHeader(demo)->directory;
  const std::string directory = demo.substr(at);
  EXPECT_EQ(HalfLifeDemoLength(directory), 65750u);
  for (std::size_t cut = 0; cut < directory.size(); ++cut)
    EXPECT_FALSE(HalfLifeDemoLength(directory.substr(0, cut))) << "cut at " << cut;
  for (const std::string& damaged :
       {Le32(0), Le32(1025) + directory.substr(4), Le32(-1) + directory.substr(4),
        HalfLife(5, 48, "x", "valve", std::nanf(""), 3).substr(at),
        HalfLife(5, 48, "x", "valve", -1, 3).substr(at)})
    EXPECT_FALSE(HalfLifeDemoLength(damaged)) << damaged.substr(0, 4);
  std::string many = demo.substr(0, at) + Le32(10);
  for (int n = 0; n < 10; ++n) many += directory.substr(4, 92);  // the loading segment's
  files.AddFile("C:\\m.dem", many);
  EXPECT_EQ(ReadHalfLifeDemoLength(files, "C:\\m.dem"), 5000u) << "ten segments";
  std::string pastTheEnd = demo;
  pastTheEnd.replace(540, 4, Le32(static_cast<std::int64_t>(demo.size()) + 10));
  files.AddFile("C:\\p.dem", pastTheEnd);
  EXPECT_FALSE(ReadHalfLifeDemoLength(files, "C:\\p.dem"));
}

// Quake 1 demos of the original protocol, FitzQuake, RMQ (flags after the protocol) and
// a later port, with a CD track or "-1", some behind a long greeting or a level title
// that holds ".bs": each is read up to its map and told to be Quake 1.
TEST(Quake1DemoTest, DemosOfEveryProtocolAreReadUpToTheirMap) {
  const std::string greeting =
      "\x02\nVERSION 1.09 SERVER (8394 CRC)\n" + std::string(320, '=') + "\nWelcome!\n";
  struct Case {
    std::string what, track;
    int protocol;
    std::string before, title;
  };
  const std::vector<Case> cases = {
      {"CD track and a long greeting", "2", 15, Quake1Print(greeting), "the Slipgate Complex"},
      {"FitzQuake", "-1", 666, Quake1Print("\x02\nFITZQUAKE 0.85 SERVER (45522 CRC)\n"),
       "the Slipgate Complex"},
      {"RMQ", "-1", 999, Quake1Print("\x02\nRMQ SERVER\n") + std::string("\x01\x19\x00", 3),
       "Dismal Oubliette"},
      {"a later port", "11", 3504, "", "the Necropolis"},
      {"a title holding .bs", "-1", 15, "\x09" + Z("bf\n"), "the .bsx arena"},
  };
  for (const Case& c : cases) {
    const std::string demo =
        Quake1(c.track, c.before + Quake1ServerInfo(c.protocol, c.title, Quake1Models()));
    const auto read = ReadQuake1Demo(demo);
    ASSERT_TRUE(read) << c.what;
    EXPECT_EQ(read->cdTrack, c.track) << c.what;
    EXPECT_EQ(read->protocol, c.protocol) << c.what;
    EXPECT_EQ(read->levelTitle, c.title) << c.what;
    EXPECT_EQ(read->map, "maps/e1m1.bsp") << c.what;
    EXPECT_EQ(ClassifyDemHeader(demo), GameCode::Q1) << c.what;
  }
  // What the header rule alone made of the first: its map lies past the header.
  EXPECT_GT(Quake1("2", Quake1Print(greeting) + Quake1ServerInfo(15, "x", Quake1Models()))
                .find("maps/e1m1.bsp"),
            kDemHeaderBytes);
  ExpectEveryCutReadsNothingOrTheWhole<std::optional<Quake1Demo>>(
      Quake1("2", Quake1Print(greeting) + Quake1ServerInfo(15, "start", Quake1Models())),
      ReadQuake1Demo);
}

// The greeting may fill packets of its own before the one with the server info.
TEST(Quake1DemoTest, ServerInfoInALaterPacketIsFound) {
  const std::string demo = "-1\n" + Quake1Block(Quake1Print(std::string(900, 'w'))) +
                           Quake1Block(Quake1ServerInfo(15, "the Grisly Grotto", Quake1Models()));
  ASSERT_TRUE(ReadQuake1Demo(demo));
  EXPECT_EQ(ReadQuake1Demo(demo)->levelTitle, "the Grisly Grotto");
  EXPECT_EQ(ClassifyDemHeader(demo), GameCode::Q1);
}

// Nothing but a Quake 1 demo reads as one, so the header rule keeps its answer for the
// rest: with the map's name pushed past the header by a greeting, Unreal Tournament.
TEST(Quake1DemoTest, WhatIsNoQuake1DemoUpToItsMapReadsAsNothing) {
  const std::string greeting = Quake1Print(std::string(300, '='));
  const std::string info = greeting + Quake1ServerInfo(15, "x", Quake1Models());
  const std::string unreal = std::string("\xC1\x83\x2A\x9E\x45\x00\x00\x00", 8) +
                             std::string(60, '\0') + Z("None") + Z("DM-Deck16][");
  struct Case {
    std::string what, bytes;
  };
  const std::vector<Case> cases = {
      {"no CD track line", "x1\n" + Quake1Block(info)},
      {"a line too long for a track", "123456789012\n" + Quake1Block(info)},
      {"a sound before the server info",
       "-1\n" + Quake1Block(greeting + "\x06" + std::string(12, '\0') +
                            Quake1ServerInfo(15, "x", Quake1Models()))},
      {"a map that is no .bsp",
       "-1\n" + Quake1Block(greeting + Quake1ServerInfo(15, "x", {"maps/a.bsx", "*1"}))},
      {"a negative block length", "-1\n" + Le32(-5) + std::string(12, '\0') + info},
      {"the server info cut short", "-1\n" + Quake1Block(info).substr(0, 340)},
      {"an Unreal Tournament demo", unreal},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ReadQuake1Demo(c.bytes)) << c.what;
    EXPECT_EQ(ClassifyDemHeader(c.bytes), GameCode::UT) << c.what;
  }
}

TEST(Quake2DemoTest, ServerDataNamesTheGameFolderWhenThereIsOne) {
  struct Case {
    std::string what;
    int protocol, attractLoop;
    std::string folder, before;
  };
  const std::vector<Case> cases = {
      {"baseq2", 34, 0, "", ""},
      {"a tournament mod", 34, 0, "opentdm", ""},
      {"a server's own recording", 34, 1, "ctf", ""},
      {"a later engine", 36, 0, "action", ""},
      {"after a print and a command", 35, 0, "rocketarena",
       std::string("\x0A\x00", 2) + Z("connected\n") + "\x0B" + Z("cmd configstrings 1 0\n") +
           "\x06"},
  };
  for (const Case& c : cases) {
    const auto data = ReadQuake2ServerData(
        Quake2(c.before + Quake2ServerDataMessage(c.protocol, c.attractLoop, c.folder)));
    ASSERT_TRUE(data) << c.what;
    EXPECT_EQ(data->protocol, c.protocol) << c.what;
    EXPECT_EQ(data->serverCount, 0x2F41) << c.what;
    EXPECT_EQ(data->attractLoop, c.attractLoop) << c.what;
    EXPECT_EQ(data->gameFolder, c.folder) << c.what;
  }
  ExpectEveryCutReadsNothingOrTheWhole<std::optional<Quake2ServerData>>(
      Quake2(Quake2ServerDataMessage(34, 0, "opentdm")), ReadQuake2ServerData);

  EXPECT_EQ(ReadQuake2ServerData(Quake2(Quake2ServerDataMessage(34, 0, "..\\baseq2")))->gameFolder,
            "");
  EXPECT_FALSE(ReadQuake2ServerData(Le32(-1))) << "a recording that ended at once";
  EXPECT_FALSE(ReadQuake2ServerData(Quake2("\x0D" + Le16(0) + Z("The Edge"))))
      << "no server data first";
}

}  // namespace
}  // namespace kalv::testing
