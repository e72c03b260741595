// Whether two paths name one file: by the file, not by the text.
#include <string>
#include <vector>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class FileIdentityContract : public ContractTest {};

TEST_F(FileIdentityContract, OtherSpellingsAndRoutesReachTheSameFile) {
  ASSERT_TRUE(files().MakeDirectory(At("baseq3")).ok());
  const std::string demo = At("baseq3\\Kalvenmarque.dm_66");
  Write(demo, "demo");
  EXPECT_TRUE(files().SameFile(demo, demo));
  EXPECT_TRUE(files().SameFile(demo, At("BASEQ3\\kalvenmarque.DM_66")));
  EXPECT_TRUE(files().SameFile(At("baseq3\\..\\baseq3\\.\\Kalvenmarque.dm_66"), demo));

  const std::string route = backend().OtherRouteTo(demo);
  ASSERT_FALSE(route.empty());
  EXPECT_FALSE(EqualsNoCase(route.substr(0, 2), demo.substr(0, 2)));
  EXPECT_TRUE(files().SameFile(route, demo));
  EXPECT_EQ(Read(route), "demo");

  // Another program's exclusive hold does not hide the file's identity.
  backend().HoldOpen(demo);
  EXPECT_TRUE(files().SameFile(demo, route));
}

// Letters outside ASCII have their other case too, in folder and file names alike.
TEST_F(FileIdentityContract, NonAsciiNamesCompareWithoutCase) {
  const std::string folder =
      At("Sp\xC3\xAF"
         "ele \xC3\x89"
         "dition");  // "Spïele Édition"
  ASSERT_TRUE(files().MakeDirectory(folder).ok());
  const std::string config = folder +
                             "\\\xD0\x96\xC3\xBC"
                             "rgen.cfg";  // "Жürgen.cfg"
  Write(config, "bind F1 pause");
  const std::string upper =
      At("SP\xC3\x8F"
         "ELE \xC3\x89"
         "DITION\\\xD0\x96\xC3\x9C"
         "RGEN.CFG");
  const std::string lower =
      At("sp\xC3\xAF"
         "ele \xC3\xA9"
         "dition\\\xD0\xB6\xC3\xBC"
         "rgen.cfg");
  EXPECT_TRUE(files().SameFile(upper, config));
  EXPECT_TRUE(files().SameFile(lower, upper));
  EXPECT_EQ(Read(lower), "bind F1 pause");
  EXPECT_TRUE(
      files().DirectoryExists(At("SP\xC3\x8F"
                                 "ELE \xC3\xA9"
                                 "DITION")));
  auto names = files().List(folder, "*.cfg");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), std::vector<std::string>{"\xD0\x96\xC3\xBC"
                                                    "rgen.cfg"});
}

TEST_F(FileIdentityContract, OtherFilesMissingFilesAndDirectoriesAreNeverTheSame) {
  Write(At("a.dm_66"), "equal bytes");
  ASSERT_TRUE(files().Copy(At("a.dm_66"), At("b.dm_66")).ok());
  EXPECT_FALSE(files().SameFile(At("a.dm_66"), At("b.dm_66")));
  EXPECT_FALSE(files().SameFile(At("absent.dm_66"), At("absent.dm_66")));
  EXPECT_FALSE(files().SameFile(At("a.dm_66"), At("absent.dm_66")));
  EXPECT_FALSE(files().SameFile(At("a.dm_66\\"), At("a.dm_66")));
  EXPECT_FALSE(files().SameFile(scratch(), scratch()));
}

}  // namespace
}  // namespace kalv::contract
