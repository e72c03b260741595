// The readers of what a demo needs, on bytes as the games write them: the engine's
// Huffman code, the first message of every Quake 3 engine release, the map and players of
// a Quake 2 demo, and the directories of zip and PACK archives. Cut anywhere, none reads
// a cut message as something else, and none reads past what it was given (the sanitized
// build runs these too).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "demo_layouts.h"
#include "demo_readings.h"
#include "games/archive_directory.h"
#include "games/engine_demo_length.h"
#include "games/engine_message.h"
#include "games/message_huffman.h"
#include "games/other/quake2/quake2_demo.h"
#include "platform/fake/fake_platform.h"

namespace kalv::testing {
namespace {

using namespace layout;

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t at = 0; at + 1 < hex.size(); at += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
  return bytes;
}

// Written by the engine's own coder, its tree built from its table of byte frequencies:
// the bytes 0 to 255 in order, and a gamestate of a CPMA server (kCpma).
const std::string kEveryByteCoded =
    "6e243b3402f2575a7a3169735895b0c0c7dfddfc2b8e4cafb155c65e6fe809f53d0d91668bcfbfe1e629b136030571"
    "c2"
    "4b1fef34fc7e792ab641d803f1324736122fa2f33d43f984902840707a8e716ddc9d573d6e66969dacb5f674718d37"
    "e3"
    "35cbc24575ace03aec793cab1f5f82053de5507a11c37cc4305bc8789497055e642c858fcebda111e52fc5ec3f0c06"
    "1c"
    "9e9d5fd12d271ea849ccb1005fbf42516bf4b0723ee314b9520cebe74631bf9958e836b88ea3c319c6b845afd9cc32"
    "4d"
    "e108be47de8b617dfc4ca7a77040de3a0d7ccc46a806768189e30fc68dcf62110374545cd31d00c8bd9bc01acaa539"
    "ca"
    "7ba3ac71ac7a0fa67b7ca245ca04df11e29836f2648c078539224681c15e074fb100478f7a87002d00eb7c51cbb5d1"
    "17"
    "09";
const std::string kCpmaCoded =
    "bf8a64ab6c3d967781cdcde66519781ec18e4d07cbcb1e7bc453c8c0f30876ec71e1a3cb3cc70a8f66b3b38f67318f"
    "35"
    "3870ec29cf231803cf23d83102cb55a1c79e623fe57904cb8617c28e0dcbde1e0bcac37ecaf30876ec71e1239e6379"
    "17"
    "d885c023d8b193ec1bc9708c25264f38ece89e9901762c7bec64558d77d20a";
const Strings kCpma = {
    {0, "\\sv_hostname\\Test\\mapname\\cpm3a\\protocol\\68\\gamename\\CPMA\\g_gametype\\1"},
    {1, "\\fs_game\\cpma\\sv_pure\\0"},
    {544, "n\\Player One\\t\\0"}};

TEST(EngineMessageTest, EveryByteDecodesAsTheEngineCodesIt) {
  const std::string every = FromHex(kEveryByteCoded);
  MessageReader in(every, MessageCoding::Huffman);
  for (int byte = 0; byte < 256; ++byte) {
    const auto decoded = in.Byte();
    ASSERT_TRUE(decoded) << byte;
    ASSERT_EQ(*decoded, byte);
  }
  // The coder the other layouts are made with codes as the engine does.
  EXPECT_EQ(HuffmanCoded(EngineGamestate(kCpma)), FromHex(kCpmaCoded));

  // 247 has the longest code, eleven bits: cut after eight it is no byte, and the position
  // stays where it was.
  const std::string longest = HuffmanCoded("\xF7");
  ASSERT_EQ(longest.size(), 2u);
  std::size_t bit = 0;
  EXPECT_FALSE(DecodeHuffmanByte(longest.substr(0, 1), &bit));
  EXPECT_EQ(bit, 0u);
  EXPECT_EQ(DecodeHuffmanByte(longest, &bit), 0xF7);
  EXPECT_EQ(bit, 11u);
}

// Each release's first message names the map, the protocol and the mod (fs_game of the
// system info, never gamename); cut anywhere, the message reads as nothing or as whole.
TEST(EngineMessageTest, EveryReleasesFirstMessageNamesItsMapProtocolAndMod) {
  struct Case {
    const char* what;
    std::string message;
    EngineDemo read;
  };
  const Strings osp = {{0, "\\mapname\\ospdm8\\protocol\\48\\sv_hostname\\Duel Zone"},
                       {1, "\\fs_game\\osp"},
                       {544, "n\\Anarki\\t\\0"},
                       {545, "n\\Sarge\\t\\0"}};
  const Strings gamenameOnly = {{0, "\\gamename\\osp\\mapname\\pro-q3dm6\\protocol\\68"},
                                {1, "\\sv_pure\\1"}};
  const Strings defrag = {{0, "\\mapname\\st1\\protocol\\68"},
                          {1, "\\sv_pure\\0\\fs_game\\defrag"}};
  const std::vector<Case> cases = {
      {"1.32, Huffman-coded",
       HuffmanCoded(EngineGamestate(kCpma)),
       {68, "cpm3a", "cpma", "Test", {"Player One"}}},
      {"1.27, plain",
       EngineGamestate(osp),
       {48, "ospdm8", "osp", "Duel Zone", {"Anarki", "Sarge"}}},
      {"1.17, plain without the acknowledge",
       EngineGamestate({{0, "\\mapname\\q3dm17\\protocol\\43"}}, false),
       {43, "q3dm17", "", "", {}}},
      {"Elite Force protocol 24",
       EngineGamestate({{0, "\\protocol\\24\\mapname\\hm_borg1"}, {1, "\\fs_game\\"}}),
       {24, "hm_borg1", "", "", {}}},
      {"a gamename and no fs_game",
       HuffmanCoded(EngineGamestate(gamenameOnly)),
       {68, "pro-q3dm6", "", "", {}}},
      {"fs_game and no gamename",
       HuffmanCoded(EngineGamestate(defrag)),
       {68, "st1", "defrag", "", {}}},
      {"a server command first",
       HuffmanCoded(Le32(7) + "\x05" + Le32(1) + Z("print \"hello\"") +
                    EngineGamestate(defrag, false)),
       {68, "st1", "defrag", "", {}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto read = ReadEngineDemo(EngineRecording(c.message));
    ASSERT_TRUE(read);
    EXPECT_TRUE(*read == c.read) << read->map << " " << read->mod << " " << read->protocol;
    ExpectEveryCutReadsNothingOrTheWhole<std::optional<EngineDemo>>(EngineRecording(c.message),
                                                                    ReadEngineDemo);
    // A block that holds only part of the message: the gamestate is read as far as the
    // block goes, and whatever it has is the whole or nothing.
    ExpectEveryCutReadsNothingOrTheWhole<std::optional<EngineDemo>>(
        c.message,
        [](std::string_view part) { return ReadEngineDemo(EngineRecording(std::string(part))); });
  }

  const std::string longName = EngineGamestate({{0, "\\mapname\\" + std::string(9000, 'm')}});
  const std::string outOfRange = EngineGamestate({{1024, "\\mapname\\q3dm1"}});
  const std::string noMap = EngineGamestate({{0, "\\protocol\\68"}});
  for (const std::string& message : {longName, outOfRange, noMap, std::string(300, '\xA5')})
    EXPECT_FALSE(ReadEngineDemo(EngineRecording(message))) << message.substr(0, 40);
  const std::string good = EngineGamestate(osp);
  for (const std::int64_t length : {std::int64_t{0}, std::int64_t{-8}, std::int64_t{16385}})
    EXPECT_FALSE(ReadEngineDemo(Le32(1) + Le32(length) + good + std::string(16400, '\0')))
        << "a block of " << length << " bytes";
}

// A demo's length runs from its first snapshot to its last, in each way releases send
// messages. The last is found from the file's end: read from any tail of it, the length is
// right or nothing, and right once the tail holds two blocks; a recording cut at a block's
// end is as long as its whole blocks go, and one cut inside a block has no length.
TEST(EngineMessageTest, ALengthRunsFromTheFirstSnapshotToTheLastFromAnyTail) {
  struct Reading {
    const char* what;
    bool huffman, acknowledge;
  };
  for (const Reading r : {Reading{"Huffman-coded", true, true}, Reading{"plain", false, true},
                          Reading{"plain without the acknowledge", false, false}}) {
    SCOPED_TRACE(r.what);
    const auto code = [&](const std::string& message) {
      return r.huffman ? HuffmanCoded(message) : message;
    };
    const std::string serverCommand =
        (r.acknowledge ? Le32(9) : "") + "\x05" + Le32(5) + Z("print \"gg\"");
    std::vector<std::string> messages = {
        code(EngineGamestate({{0, "\\mapname\\q3dm6\\protocol\\68"}}, r.acknowledge)),
        code(serverCommand)};
    std::vector<std::optional<std::uint32_t>> lengthAfter = {std::nullopt, std::nullopt};
    for (int n = 0; n < 16; ++n) {
      messages.push_back(code(EngineSnapshot(81000 + 50 * n, 17 * (n % 9), r.acknowledge)));
      lengthAfter.push_back(50 * n);
    }
    messages.push_back(code(serverCommand));
    lengthAfter.push_back(lengthAfter.back());

    const std::string whole = EngineBlocks(messages) + Le32(-1) + Le32(-1);
    ASSERT_EQ(EngineDemoLength(whole, whole), 750u);
    const std::size_t twoBlocks =
        8 + messages.back().size() + 8 + messages[messages.size() - 2].size() + 8;
    for (std::size_t from = 0; from < whole.size(); ++from) {
      const auto length = EngineDemoLength(whole, std::string_view(whole).substr(from));
      if (whole.size() - from >= twoBlocks || length) {
        ASSERT_EQ(length, 750u) << "the last " << whole.size() - from << " bytes";
      }
    }
    std::size_t end = 0;
    for (std::size_t n = 0; n < messages.size(); ++n) {
      const std::size_t next = end + 8 + messages[n].size();
      for (std::size_t cut = end + 1; cut < next; ++cut)
        ASSERT_FALSE(EngineDemoLength(whole.substr(0, cut), whole.substr(0, cut)))
            << "cut at " << cut;
      end = next;
      ASSERT_EQ(EngineDemoLength(whole.substr(0, end), whole.substr(0, end)), lengthAfter[n])
          << "cut after block " << n;
    }
  }
  const std::string noSnapshot = EngineBlocks({HuffmanCoded(EngineGamestate(kCpma))});
  EXPECT_FALSE(EngineDemoLength(noSnapshot, noSnapshot));
  const std::string backwards =
      EngineBlocks({HuffmanCoded(EngineGamestate(kCpma)), HuffmanCoded(EngineSnapshot(5000, 3)),
                    HuffmanCoded(EngineSnapshot(4000, 3))});
  EXPECT_FALSE(EngineDemoLength(backwards, backwards)) << "a last snapshot before the first";
}

TEST(Quake2DemoTest, ConfigStringsAfterTheServerDataNameTheMapAndThePlayers) {
  const std::string demo =
      Quake2(Quake2ServerDataMessage(34, 0, "opentdm") + "\x0D" + Le16(1312) +
             Z("Grunt\\male/grunt") + "\x0D" + Le16(1313) + Z("Major\\female/athena"));
  const auto read = ReadQuake2Demo(demo);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->serverData.gameFolder, "opentdm");
  EXPECT_EQ(read->map, "maps/q2dm1.bsp");
  EXPECT_EQ(read->players, (std::vector<std::string>{"Grunt", "Major"}));
  for (std::size_t cut = 0; cut < demo.size(); ++cut) {
    const auto part = ReadQuake2Demo(std::string_view(demo).substr(0, cut));
    if (!part) continue;
    ASSERT_TRUE(part->serverData == read->serverData) << "cut at " << cut;
    ASSERT_TRUE(part->map.empty() || part->map == read->map) << "cut at " << cut;
  }
}

// The names come from the directory; an archive laid out otherwise, cut anywhere or
// pointing outside itself reads as nothing.
TEST(ArchiveDirectoryTest, NamesAreReadFromTheDirectoryAndAnythingElseIsNothing) {
  fake::FakeFiles files;
  const std::vector<std::string> names = {"maps/cpm3a.bsp", "levelshots/cpm3a.tga",
                                          "scripts/cpm3a.arena"};
  struct Archive {
    std::string path, bytes;
  };
  const std::vector<Archive> readable = {
      {"C:\\Q3\\cpma\\map-cpm3a.pk3", Zip(names)},
      {"C:\\Q3\\cpma\\z-commented.PK3", Zip(names, "made by hand PK\x05\x06 with a stray end")},
      {"C:\\Q1\\id1\\pak1.pak", Pack(names)},
  };
  for (const Archive& archive : readable) {
    SCOPED_TRACE(archive.path);
    files.AddFile(archive.path, archive.bytes);
    EXPECT_EQ(ArchiveNames(files, archive.path), names);
    for (std::size_t cut = 0; cut < archive.bytes.size(); ++cut) {
      files.AddFile(archive.path, archive.bytes.substr(0, cut));
      ASSERT_FALSE(ArchiveNames(files, archive.path)) << "cut at " << cut;
    }
  }
  EXPECT_FALSE(ArchiveNames(files, "C:\\Q1\\id1\\missing.pak")) << "no file";
  files.AddFile("C:\\Q1\\id1\\pak2.pak", Pack({}));
  EXPECT_EQ(ArchiveNames(files, "C:\\Q1\\id1\\pak2.pak"), std::vector<std::string>{});

  const std::string zip = Zip(names);
  std::string outside = zip;
  outside.replace(outside.size() - 6, 4, Le32(static_cast<std::int64_t>(zip.size())));
  std::string tooMany = zip;
  tooMany.replace(tooMany.size() - 12, 2, Le16(4));
  std::string packOutside = Pack(names);
  packOutside.replace(4, 4, Le32(static_cast<std::int64_t>(packOutside.size())));
  std::string packRagged = Pack(names);
  packRagged.replace(8, 4, Le32(3 * 64 - 1));
  const std::vector<Archive> unreadable = {
      {"C:\\Q3\\baseq3\\outside.pk3", outside},
      {"C:\\Q3\\baseq3\\too-many.pk3", tooMany},
      {"C:\\Q3\\baseq3\\a-pack.pk3", Pack(names)},
      {"C:\\Q3\\baseq3\\noise.pk3", std::string(70000, 'P')},
      {"C:\\Q1\\id1\\outside.pak", packOutside},
      {"C:\\Q1\\id1\\ragged.pak", packRagged},
      {"C:\\Q1\\id1\\a-zip.pak", zip},
      {"C:\\Q3\\baseq3\\maps\\q3dm1.bsp", zip},
  };
  for (const Archive& archive : unreadable) {
    files.AddFile(archive.path, archive.bytes);
    EXPECT_FALSE(ArchiveNames(files, archive.path)) << archive.path;
  }
}

}  // namespace
}  // namespace kalv::testing
