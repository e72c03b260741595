// The search for the Quake 3 Arena CD among the drives A to V.
#include "games_fixture.h"
#include "games/quake3/cd_search.h"

namespace kalv::testing {
namespace {

class CdSearchTest : public ProgramFixture {};

TEST_F(CdSearchTest, FirstCdRomDriveHoldingTheGameWins) {
  fake.system.driveTypes["D:\\"] = drive::kCdRom;
  fake.system.driveTypes["E:\\"] = drive::kCdRom;
  fake.system.driveTypes["F:\\"] = drive::kCdRom;
  fake.files.AddFile("E:\\Quake3\\Quake3.exe", "");
  fake.files.AddFile("F:\\Quake3\\Quake3.exe", "");
  EXPECT_EQ(CDRomCheck(p().install()), "E");
  EXPECT_EQ(FindQuake3Cd(p().install()), "E");
}

TEST_F(CdSearchTest, GameOnAFixedDiskDoesNotCount) {
  fake.files.AddFile("C:\\Quake3\\Quake3.exe", "");
  fake.system.driveTypes["G:\\"] = drive::kCdRom;
  fake.files.AddFile("G:\\Quake3\\Quake3.exe", "");
  EXPECT_EQ(CDRomCheck(p().install()), "G");
}

TEST_F(CdSearchTest, NoQualifyingDriveLeavesTheLastLetterTried) {
  fake.system.driveTypes["W:\\"] = drive::kCdRom;
  fake.files.AddFile("W:\\Quake3\\Quake3.exe", "");
  EXPECT_EQ(CDRomCheck(p().install()), "V") << "W to Z are never tried";
  EXPECT_EQ(FindQuake3Cd(p().install()), std::nullopt) << "V holds no game";
}

}  // namespace
}  // namespace kalv::testing
