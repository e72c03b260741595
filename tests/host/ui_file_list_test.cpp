// The file-list control: a directory's names matching a pattern, in name order, with a
// selection, optionally shown in a visible list box.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "ui/file_list.h"

namespace kalv::ui {
namespace {

class FileListTest : public ::testing::Test {
 protected:
  FileListTest() {
    fake.files.AddFile("C:\\Versions\\v1_31.Vrk", "");
    fake.files.AddFile("C:\\Versions\\V1_17.vrk", "");
    fake.files.AddFile("C:\\Versions\\v1_27h.Vrk", "");
    fake.files.AddFile("C:\\Versions\\Quake3.131", "");
    list.Attach(fake.files);
  }
  fake::FakePlatform fake;
  FileList list{"*.Vrk"};
};

TEST_F(FileListTest, NamesMatchingThePatternInNameOrderWithoutCase) {
  ASSERT_TRUE(list.SetPath("c:\\versions").ok());
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(0), "V1_17.vrk");
  EXPECT_EQ(list.Item(1), "v1_27h.Vrk");
  EXPECT_EQ(list.Item(2), "v1_31.Vrk");
  EXPECT_EQ(list.Path(), "C:\\Versions") << "the platform's form of the directory";
  EXPECT_EQ(list.Selected(), -1);
  EXPECT_EQ(list.FileName(), "");
}

TEST_F(FileListTest, DriveRootKeepsItsBackslash) {
  fake.files.AddFile("D:\\x.dem", "");
  ASSERT_TRUE(list.SetPath("D:\\").ok());
  EXPECT_EQ(list.Path(), "D:\\");
}

TEST_F(FileListTest, MissingDirectoryFailsAndKeepsTheList) {
  ASSERT_TRUE(list.SetPath("C:\\Versions").ok());
  list.Select(1);
  const Status missing = list.SetPath("C:\\Nowhere");
  EXPECT_EQ(missing.number(), err::kPathNotFound);
  EXPECT_EQ(list.Path(), "C:\\Versions");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.FileName(), "v1_27h.Vrk");
}

TEST_F(FileListTest, SelectionOutsideTheListSelectsNothing) {
  ASSERT_TRUE(list.SetPath("C:\\Versions").ok());
  list.Select(2);
  EXPECT_EQ(list.FileName(), "v1_31.Vrk");
  list.Select(3);
  EXPECT_EQ(list.Selected(), -1);
  list.Select(-5);
  EXPECT_EQ(list.FileName(), "");
  EXPECT_EQ(list.Item(7), "");
}

TEST_F(FileListTest, NewPatternRereadsAndClearsTheSelection) {
  ASSERT_TRUE(list.SetPath("C:\\Versions").ok());
  list.Select(0);
  ASSERT_TRUE(list.SetPattern("Quake3.*").ok());
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Item(0), "Quake3.131");
  EXPECT_EQ(list.Selected(), -1);
  ASSERT_TRUE(list.SetPattern("eh.kalk").ok());
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(FileListTest, ListNeverPointedAnywhereStaysEmpty) {
  ASSERT_TRUE(list.SetPattern("*.*").ok());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Path(), "");
}

TEST_F(FileListTest, VisibleListBoxMirrorsNamesAndCarriesTheUsersSelection) {
  Window window;
  window.Create(fake.windows, 300);
  ListControl box;
  box.Bind(window.handle(), 7);
  list.ShowIn(box);
  ASSERT_TRUE(list.SetPath("C:\\Versions").ok());
  ASSERT_EQ(box.Count(), 3);
  EXPECT_EQ(box.Item(2), "v1_31.Vrk");
  list.Select(1);
  EXPECT_EQ(box.Selected(), 1);
  box.Select(2);  // the user clicks an entry
  EXPECT_EQ(list.FileName(), "v1_31.Vrk");
  ASSERT_TRUE(list.SetPattern("none").ok());
  EXPECT_EQ(box.Count(), 0);
  EXPECT_EQ(list.Selected(), -1);
}

}  // namespace
}  // namespace kalv::ui
