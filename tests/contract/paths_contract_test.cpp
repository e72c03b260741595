// How a path is resolved and how long it may be.
#include <string>
#include <vector>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

using Names = std::vector<std::string>;

class PathsContract : public ContractTest {
 protected:
  std::string Drive() const { return scratch().substr(0, 2); }
};

// "X:name" starts at drive X's current directory, and "X:" alone names that directory:
// a demo in a drive root split at its last backslash leaves "X:", which is not the root.
TEST_F(PathsContract, DriveRelativePathsStartAtTheCurrentDirectory) {
  Write(At("match.dm_66"), "demo");
  backend().SetCurrentDirectory(scratch());

  EXPECT_EQ(Read(Drive() + "match.dm_66"), "demo");
  EXPECT_EQ(Read("match.dm_66"), "demo");
  EXPECT_EQ(Read(scratch().substr(2) + "\\match.dm_66"), "demo");
  EXPECT_TRUE(files().SameFile(
      Drive() + "..\\" + scratch().substr(scratch().rfind('\\') + 1) + "\\match.dm_66",
      At("match.dm_66")));
  EXPECT_EQ(files().FullDirectoryPath(Drive()).value_or("?"), scratch());
  EXPECT_TRUE(files().DirectoryExists(Drive()));
  auto names = files().List(Drive(), "*.dm_66");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{"match.dm_66"});
  EXPECT_EQ(files().CanOpenForRead(Drive() + "\\match.dm_66").number(), err::kFileNotFound);

  Write(Drive() + "written.cfg", "cfg");
  EXPECT_EQ(Read(At("written.cfg")), "cfg");
}

// A drive that is not the current one starts at its root unless it remembers a directory.
TEST_F(PathsContract, AnotherDriveStartsAtItsRememberedDirectoryOrItsRoot) {
  Write(At("match.dm_66"), "demo");
  backend().SetCurrentDirectory(scratch());
  const std::string route = backend().OtherRouteTo(scratch());
  ASSERT_FALSE(route.empty());
  const std::string other = route.substr(0, 2);

  EXPECT_EQ(files().FullDirectoryPath(other).value_or("?"), other + "\\");
  backend().SetDriveDirectory(other, route);
  EXPECT_EQ(files().FullDirectoryPath(other).value_or("?"), route);
  EXPECT_EQ(Read(other + "match.dm_66"), "demo");
  EXPECT_EQ(Read(Drive() + "match.dm_66"), "demo");
}

// Windows counts a path in UTF-16 units, so 200 letters outside ASCII are well inside the
// limit although their UTF-8 bytes are not.
TEST_F(PathsContract, PathLengthCountsCharactersNotBytes) {
  std::string letters;
  for (int i = 0; i < 100; ++i) letters += "\xC3\xA9";  // é
  ASSERT_TRUE(files().MakeDirectory(At(letters)).ok());
  const std::string demo = At(letters + "\\" + letters);
  Write(demo, "demo");
  EXPECT_EQ(Read(demo), "demo");
  auto names = files().List(At(letters), "*");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{letters});
}

}  // namespace
}  // namespace kalv::contract
