// The program's own arguments, text conversion at the boundary, and the error table's
// fall-back.
#include <gtest/gtest.h>

#include "platform/win32/command_line.h"
#include "platform/win32/error_map.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32 {
namespace {

TEST(ProgramArguments, TheProgramTokenAndItsBlanksGoTheRestStaysAsGiven) {
  // As Explorer starts the program for a demo.
  EXPECT_EQ(
      ArgumentsOf(L"\"C:\\Program Files\\Kalvenmarque\\Kalvenmarque.exe\" C:\\Demos\\a b.dm_66"),
      L"C:\\Demos\\a b.dm_66");
  // The second verb's marker and a quoted argument keep every character.
  EXPECT_EQ(ArgumentsOf(L"\"C:\\K\\Kalvenmarque.exe\" *./\\.* \"C:\\x.dm3\"  "),
            L"*./\\.* \"C:\\x.dm3\"  ");
  EXPECT_EQ(ArgumentsOf(L"Kalvenmarque.exe   \t/i"), L"/i");
  EXPECT_EQ(ArgumentsOf(L"C:\\K\\Assocmend.exe /fu1"), L"/fu1");
}

TEST(ProgramArguments, NoArgumentsGiveTheEmptyText) {
  EXPECT_EQ(ArgumentsOf(L"\"C:\\K\\Kalvenmarque.exe\""), L"");
  EXPECT_EQ(ArgumentsOf(L"\"C:\\K\\Kalvenmarque.exe\"   "), L"");
  EXPECT_EQ(ArgumentsOf(L"Kalvenmarque.exe"), L"");
  EXPECT_EQ(ArgumentsOf(L""), L"");
  // An unclosed quote takes the whole line as the program name.
  EXPECT_EQ(ArgumentsOf(L"\"C:\\K\\Kalvenmarque.exe x"), L"");
}

TEST(ProgramArguments, AQuotedNameEndsAtItsClosingQuoteEvenWithoutABlank) {
  EXPECT_EQ(ArgumentsOf(L"\"K.exe\"/Quake2SubFunction"), L"/Quake2SubFunction");
}

TEST(BoundaryText, NonAsciiTextRoundTripsBetweenUtf8AndUtf16) {
  const std::string utf8 =
      "Zus\xC3\xA4tzliche Fehler \xC3\xBC\xC3\xB6 \xE6\xBC\xA2 \xF0\x9F\x8E\xAE";
  const std::wstring wide = Wide(utf8);
  EXPECT_EQ(wide.substr(0, 5), L"Zus\u00e4t");
  EXPECT_EQ(Utf8(wide), utf8);
  EXPECT_EQ(Wide(""), L"");
  EXPECT_EQ(Utf8(L""), "");
}

TEST(BoundaryText, InvalidUtf8BecomesAReplacementCharacterNotALoss) {
  const std::wstring wide =
      Wide(std::string("a\xFF"
                       "b"));
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[0], L'a');
  EXPECT_EQ(wide[1], 0xFFFD);
  EXPECT_EQ(wide[2], L'b');
}

TEST(ErrorTable, UnlistedCodesArePathFileAccessWithTheirDescription) {
  EXPECT_EQ(ClassicNumber(ERROR_DISK_FULL), err::kDiskFull);
  EXPECT_EQ(ClassicNumber(ERROR_NOT_READY), err::kDiskNotReady);
  EXPECT_EQ(ClassicNumber(ERROR_GEN_FAILURE), err::kPathFileAccess);
  const Failure f = FailureFromError(ERROR_BAD_NETPATH);
  EXPECT_EQ(f.number, err::kPathFileAccess);
  EXPECT_EQ(f.description, "Path/File access error");
}

}  // namespace
}  // namespace kalv::win32
