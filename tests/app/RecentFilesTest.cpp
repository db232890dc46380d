// Tests of the recent-file list filenames.ini.
#include <gtest/gtest.h>

#include "lavix/app/RecentFiles.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::app {
namespace {

using testing::TempFolder;

TEST(RecentFiles, FirstFiveOfUpToTenLinesBecomeCaptions) {
  TempFolder folder;
  std::string path = folder.write("filenames.ini", "a.txt\r\n  /x/b, c.txt \r\n\"q.txt\"\n\r\nfive\nsix\n");
  RecentFiles recent;
  text::FileError error;
  ASSERT_TRUE(readRecentFiles(path, recent, error));
  EXPECT_EQ(recent.caption(1), "a.txt");
  EXPECT_EQ(recent.caption(2), "/x/b, c.txt");
  EXPECT_EQ(recent.caption(3), "q.txt");
  EXPECT_EQ(recent.caption(4), "");
  EXPECT_EQ(recent.caption(5), "five");
  EXPECT_EQ(recent.caption(0), "");
  EXPECT_EQ(recent.caption(6), "");
}

TEST(RecentFiles, ShortFileLeavesTheRestEmpty) {
  TempFolder folder;
  RecentFiles recent;
  recent.setCaption(4, "old");
  text::FileError error;
  ASSERT_TRUE(readRecentFiles(folder.write("f.ini", "one\r\n"), recent, error));
  EXPECT_EQ(recent.caption(1), "one");
  EXPECT_EQ(recent.caption(4), "");
}

TEST(RecentFiles, WritesFivePlainLinesThatReadBack) {
  TempFolder folder;
  RecentFiles recent;
  recent.setCaption(1, "/d/a.txt");
  recent.setCaption(3, "c d.txt");
  recent.setCaption(9, "ignored");
  std::string path = folder.path() + "/filenames.ini";
  text::FileError error;
  ASSERT_TRUE(writeRecentFiles(path, recent, error));
  EXPECT_EQ(testing::readWholeFile(path), "/d/a.txt\r\n\r\nc d.txt\r\n\r\n\r\n");
  RecentFiles back;
  ASSERT_TRUE(readRecentFiles(path, back, error));
  EXPECT_EQ(back.captions, recent.captions);
}

}  // namespace
}  // namespace lavix::app
