// The composition of the three shared messages in each language.
#include <gtest/gtest.h>

#include "launcher/base/messages.h"
#include "platform/fake/fake_platform.h"
#include "ui/string_table.h"

namespace kalv {
namespace {

class MessagesTest : public ::testing::Test {
 protected:
  MessagesTest() {
    fake.system.strings = ui::StringTable();
    fake.system.commandLine = "d:\\x.dm_66";
    program.commandLine = fake.system.commandLine;
  }
  const std::string& Row(int id) { return fake.system.strings.at(id); }
  const fake::ShownMessage& Only() {
    EXPECT_EQ(fake.dialogs.messages().size(), 1u);
    return fake.dialogs.messages().back();
  }

  fake::FakePlatform fake;
  Program program{fake};
  int& language = program.choices.language;
};

TEST_F(MessagesTest, ErrorInEnglishNamesNumberDescriptionAndCommandLine) {
  ReportError(program, MakeFailure(err::kPathNotFound));
  const fake::ShownMessage& m = Only();
  EXPECT_EQ(m.text,
            "The following error has occurred: 76 - Path not found. Try reinstalling the "
            "software or go to https://kalvenmarque.example/ to get an update. Check the "
            "Readme.txt for known bugs. Additional Error Info: d:\\x.dm_66");
  EXPECT_EQ(m.caption, "Kalvenmarque Kalvenmarque - Error (76)");
  EXPECT_EQ(m.icon, Icon::Critical);
  EXPECT_EQ(m.buttons, Buttons::Ok);
}

TEST_F(MessagesTest, ErrorInGermanUsesItsOwnRows) {
  language = 1;
  ReportError(program, MakeFailure(err::kPathNotFound));
  const fake::ShownMessage& m = Only();
  EXPECT_EQ(m.text, Row(113) + " 76 - Path not found" + Row(114) + " d:\\x.dm_66");
  EXPECT_EQ(m.caption, "Kalvenmarque Kalvenmarque - Fehler (76)");
}

TEST_F(MessagesTest, ErrorShowsTheCommandLineAsGiven) {
  program.commandLine = "D:\\Demos\\Final.DM_66";
  language = 2;
  ReportError(program, Failure{err::kPermissionDenied, "Permission denied"});
  const fake::ShownMessage& m = Only();
  EXPECT_EQ(m.text, Row(116) + " 70 - Permission denied" + Row(117) + " D:\\Demos\\Final.DM_66");
  EXPECT_EQ(m.caption, "Kalvenmarque " + Row(118) + " (70)");
}

TEST_F(MessagesTest, ErrorWithoutFailureShowsNumberZero) {
  ReportError(program, Failure{});
  EXPECT_EQ(Only().caption, "Kalvenmarque Kalvenmarque - Error (0)");
  EXPECT_EQ(Only().text.rfind(Row(110) + " 0 - " + Row(111), 0), 0u);
}

TEST_F(MessagesTest, AccessDeniedInEachLanguage) {
  ReportAccessDenied(program, "Quake 3 Arena");
  EXPECT_EQ(fake.dialogs.messages()[0].text,
            "Kalvenmarque was unable to access Quake 3 Arena. Please make sure that all copies "
            "of the game are closed and try again.");
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque - Permission Denied (70)");
  EXPECT_EQ(fake.dialogs.messages()[0].icon, Icon::Critical);

  language = 1;
  ReportAccessDenied(program, "Quake 3 Arena");
  EXPECT_EQ(fake.dialogs.messages()[1].text, Row(419) + "Quake 3 Arena" + Row(422));
  EXPECT_EQ(fake.dialogs.messages()[1].caption, Row(107));

  language = 2;
  ReportAccessDenied(program, "Half-Life");
  EXPECT_EQ(fake.dialogs.messages()[2].text, Row(420) + "Half-Life" + Row(423));
  EXPECT_EQ(fake.dialogs.messages()[2].caption, Row(109));
}

TEST_F(MessagesTest, MissingDirectoryKeepsTheDoubleBlankAndTheProgramTitle) {
  ReportMissingDirectory(program, "Quake 1");
  const fake::ShownMessage& m = Only();
  EXPECT_EQ(m.text,
            "No Quake 1 Directory Defined. Unable to play demo. The  directory path can be "
            "defined in the options menu of Kalvenmarque.");
  EXPECT_EQ(m.caption, "Kalvenmarque v1.2.0");
  EXPECT_EQ(m.icon, Icon::Critical);
  EXPECT_EQ(m.buttons, Buttons::Ok);
}

TEST_F(MessagesTest, MissingDirectoryInGerman) {
  language = 1;
  ReportMissingDirectory(program, "Half-Life");
  EXPECT_EQ(Only().text, Row(413) + "Half-Life" + Row(416));
}

TEST_F(MessagesTest, LanguageOutsideTheThreeShowsNothing) {
  for (int bad : {-1, 3, 7}) {
    language = bad;
    ReportError(program, MakeFailure(err::kFileNotFound));
    ReportAccessDenied(program, "Quake 3 Arena");
    ReportMissingDirectory(program, "Quake 2");
  }
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

}  // namespace
}  // namespace kalv
