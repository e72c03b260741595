// The profile reader on real files: buffer edges and the comment rule.
#include <string>

#include "platform/win32/tests/scratch_fixture.h"

namespace kalv::win32::testing {
namespace {

class Win32ProfileTest : public ScratchTest {
 protected:
  std::string Get(const std::string& key, std::size_t buffer = kProfileBufferChars,
                  const std::string& fallback = "Error") {
    return backend.profile.ReadString(At("r.Vrk"), "S", key, fallback, buffer);
  }
};

TEST_F(Win32ProfileTest, CommentLinesAreNeverKeysWhateverTheKeyAskedFor) {
  ASSERT_TRUE(WriteTestFile(At("r.Vrk"), "[S]\r\n;Version=1.99\r\nVersion=1.30\r\n"));
  EXPECT_EQ(Get(";Version"), "Error");
  EXPECT_EQ(Get("  ;Version"), "Error");
  EXPECT_EQ(Get("Version"), "1.30");
}

TEST_F(Win32ProfileTest, ADefaultIsCutToTheBufferAsAValueIs) {
  ASSERT_TRUE(WriteTestFile(At("r.Vrk"), "[S]\r\nK=abcdef\r\n"));
  EXPECT_EQ(Get("K", 4), "abc");
  EXPECT_EQ(Get("Missing", 4, "Errorous"), "Err");
  EXPECT_EQ(Get(";K", 4, "Errorous"), "Err");
  EXPECT_EQ(Get("K", 0), "");
}

TEST_F(Win32ProfileTest, NonAsciiPathAndValue) {
  const std::string path =
      At("Ver\xC3\xB6"
         "ffentlichung.Vrk");
  ASSERT_TRUE(WriteTestFile(path, "[S]\r\nK=v1.30\r\n"));
  EXPECT_EQ(backend.profile.ReadString(path, "S", "K", "Error", 256), "v1.30");
}

}  // namespace
}  // namespace kalv::win32::testing
