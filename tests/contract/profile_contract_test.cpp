// Profile (INI) reading as the Windows profile-string reader does it.
#include <string>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class ProfileContract : public ContractTest {
 protected:
  std::string Get(const std::string& file, const std::string& section, const std::string& key,
                  std::size_t bufferChars = kProfileBufferChars) {
    return platform().profile.ReadString(At(file), section, key, "Error", bufferChars);
  }
};

const char kRelease[] =
    "; stored release of the game\r\n"
    "[Quake 3 Arena Version]\r\n"
    "Version=1.30\r\n"
    "DemoExt=.dm_66\r\n"
    "newpak=\r\n"
    "  newestpak   =   pak7.pk3   \r\n"
    "; Comment=hidden\r\n"
    "Version=1.99\r\n"
    "Quoted=\"C:\\Games\\Quake3\"\r\n"
    "\r\n"
    "[  Spaced Section  ]\r\n"
    "  Indented=yes\r\n"
    "[Other]\r\n"
    "DemoExt=.dm_67\r\n";

TEST_F(ProfileContract, MissingFileSectionOrKeyGivesTheDefault) {
  Write(At("v1_30.Vrk"), kRelease);
  EXPECT_EQ(Get("absent.Vrk", "Quake 3 Arena Version", "Version"), "Error");
  EXPECT_EQ(Get("v1_30.Vrk", "No Such Section", "Version"), "Error");
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "NoSuchKey"), "Error");
  EXPECT_EQ(Get("nodir\\v1_30.Vrk", "Quake 3 Arena Version", "Version"), "Error");
}

TEST_F(ProfileContract, ValuesAsTheReaderGivesThem) {
  Write(At("v1_30.Vrk"), kRelease);
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "DemoExt"), ".dm_66");
  // Present but empty is the empty text, not the default.
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "newpak"), "");
  // Blanks around '=' and around the line are dropped.
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "newestpak"), "pak7.pk3");
  // The first of a duplicated key wins.
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "Version"), "1.30");
  // Comment lines are not keys.
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "; Comment"), "Error");
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "Comment"), "Error");
  // One pair of surrounding quotes is removed.
  EXPECT_EQ(Get("v1_30.Vrk", "Quake 3 Arena Version", "Quoted"), "C:\\Games\\Quake3");
  // Keys belong to their own section only.
  EXPECT_EQ(Get("v1_30.Vrk", "Other", "DemoExt"), ".dm_67");
  EXPECT_EQ(Get("v1_30.Vrk", "Other", "Version"), "Error");
}

TEST_F(ProfileContract, SectionAndKeyIgnoreCaseAndBlanksInsideTheBrackets) {
  Write(At("v1_30.Vrk"), kRelease);
  EXPECT_EQ(Get("V1_30.VRK", "quake 3 arena VERSION", "demoext"), ".dm_66");
  EXPECT_EQ(Get("v1_30.Vrk", "Spaced Section", "INDENTED"), "yes");
}

TEST_F(ProfileContract, AValueLongerThanTheBufferIsCut) {
  const std::string value(300, 'v');
  Write(At("long.Vrk"), "[S]\nK=" + value + "\n");
  EXPECT_EQ(Get("long.Vrk", "S", "K"), value.substr(0, kProfileBufferChars - 1));
  EXPECT_EQ(Get("long.Vrk", "S", "K", 10), value.substr(0, 9));
  EXPECT_EQ(Get("long.Vrk", "S", "K", 400), value);
}

// The reader takes a file without a byte order mark in the ANSI code page (1252 on a
// Western system), one with the UTF-8 mark as UTF-8. Its buffer holds UTF-16 units, so a
// value (and the default) is cut by characters, and half of a pair reads as U+FFFD.
TEST_F(ProfileContract, TextOutsideAsciiIsDecodedAndCutAsTheWideReaderDoes) {
  const std::string a254(254, 'a');
  const std::string e = "\xC3\xA9";             // é
  const std::string pair = "\xF0\x9F\x98\x80";  // U+1F600, two UTF-16 units
  Write(At("ansi.Vrk"), "[S]\r\nE=" + e + "\r\nCut=" + a254 + e + "\r\n");
  EXPECT_EQ(Get("ansi.Vrk", "S", "E"), "\xC3\x83\xC2\xA9");  // its two bytes, "Ã©"
  EXPECT_EQ(Get("ansi.Vrk", "S", "Cut"), a254 + "\xC3\x83");

  Write(At("utf8.Vrk"), "\xEF\xBB\xBF[S]\r\nE=" + e + "\r\nCut=" + a254 + e + e +
                            "\r\nSplit=" + a254 + pair + "\r\n");
  EXPECT_EQ(Get("utf8.Vrk", "S", "E"), e);
  EXPECT_EQ(Get("utf8.Vrk", "S", "Cut"), a254 + e);
  EXPECT_EQ(Get("utf8.Vrk", "S", "Split"), a254 + "\xEF\xBF\xBD");
  EXPECT_EQ(platform().profile.ReadString(At("utf8.Vrk"), "S", "None", e + e + e + e, 4),
            e + e + e);
}

TEST_F(ProfileContract, LinesEndedByNewlineOnlyReadTheSame) {
  Write(At("unix.Vrk"), "[Quake 3 Arena Version]\nVersion=1.17\nDemoExt=.dm3");
  EXPECT_EQ(Get("unix.Vrk", "Quake 3 Arena Version", "Version"), "1.17");
  EXPECT_EQ(Get("unix.Vrk", "Quake 3 Arena Version", "DemoExt"), ".dm3");
}

TEST_F(ProfileContract, BinaryGarbageGivesTheDefault) {
  std::string garbage;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 8192; ++i) {
    seed = seed * 1103515245u + 12345u;
    garbage += static_cast<char>((seed >> 16) & 0xFF);
  }
  garbage[0] = 'M';  // no byte order mark
  garbage[1] = 'Z';
  Write(At("garbage.Vrk"), garbage);
  EXPECT_EQ(Get("garbage.Vrk", "Quake 3 Arena Version", "Version"), "Error");
  Write(At("empty.Vrk"), "");
  EXPECT_EQ(Get("empty.Vrk", "Quake 3 Arena Version", "Version"), "Error");
}

// One reading for several keys gives each key what reading it alone gives, whatever the
// file holds: on Windows the portable reader against the system's own.
TEST_F(ProfileContract, SeveralKeysAtOnceReadAsEachAlone) {
  const std::string a254(254, 'a');
  const std::string utf16 = std::string("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0v\0\r\0\n\0", 22);
  const std::vector<std::pair<std::string, std::string>> files = {
      {"release.Vrk", kRelease},
      {"ansi.Vrk", "[S]\r\nE=\xC3\xA9\r\nCut=" + a254 + "\xC3\xA9\r\n"},
      {"utf8.Vrk", "\xEF\xBB\xBF[S]\r\nE=\xC3\xA9\r\nSplit=" + a254 + "\xF0\x9F\x98\x80\r\n"},
      {"unix.Vrk", "[S]\nK=1.17\nK=1.99\n[S]\nLater=x"},
      {"nokey.Vrk", "[S]\nJustAName\n K = 'quoted' \n"},
      {"utf16.Vrk", utf16},
      {"empty.Vrk", ""}};
  const std::vector<std::string> sections = {"Quake 3 Arena Version", "S", "Other", "None"};
  const std::vector<std::string> keys = {"Version",   "DemoExt", "newpak",  "newestpak", "Quoted",
                                         "K",         "E",       "Cut",     "Split",     "Later",
                                         "JustAName", ";K",      "Comment", "Absent"};
  for (const auto& [name, text] : files) {
    Write(At(name), text);
    for (const std::string& section : sections)
      for (const std::size_t buffer : {std::size_t{256}, std::size_t{5}, std::size_t{1}}) {
        std::vector<std::string> alone;
        for (const std::string& key : keys) alone.push_back(Get(name, section, key, buffer));
        EXPECT_EQ(platform().profile.ReadStrings(At(name), section, keys, "Error", buffer), alone)
            << name << " [" << section << "] buffer " << buffer;
      }
  }
  EXPECT_EQ(platform().profile.ReadStrings(At("absent.Vrk"), "S", {"K", "E"}, "Missing  "),
            (std::vector<std::string>{"Missing", "Missing"}));
}

}  // namespace
}  // namespace kalv::contract
