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
  ASSERT_TRUE(readRecentFiles(folder.write("f.ini", "one\r\n"), recent, error));  // a short file empties the rest
  EXPECT_EQ(recent.caption(1), "one");
  EXPECT_EQ(recent.caption(5), "");
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

// Opening a file puts it on top; a file already listed moves up instead of showing twice.
TEST(RecentFiles, AFileOpenedAgainMovesToTheTopAndIsListedOnce) {
  TempFolder folder;
  const std::string a = folder.write("a.txt", "x"), b = folder.write("b.txt", "x");
  using Captions = std::array<std::string, recentFileCount>;
  struct Case {
    Captions before;
    std::string opened;
    Captions after;
  };
  const Case cases[] = {
      {{a, b, "c", "", ""}, b, {b, a, "c", "", ""}},
      {{a, b, "c", "", ""}, "d", {"d", a, b, "c", ""}},
      {{"1", "2", "3", "4", "5"}, "6", {"6", "1", "2", "3", "4"}},
      {{a, "2", "", "", ""}, a, {a, "2", "", "", ""}},
      {{"2", a, "", "", ""}, folder.path() + "/./a.txt", {folder.path() + "/./a.txt", "2", "", "", ""}},
  };
  for (const Case& c : cases) {
    RecentFiles recent;
    recent.captions = c.before;
    recent.bringToTop(c.opened);
    EXPECT_EQ(recent.captions, c.after) << c.opened;
  }
}

}  // namespace
}  // namespace lavix::app
