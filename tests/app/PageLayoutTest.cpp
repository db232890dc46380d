// Tests of the page layout reader page.txt.
#include <gtest/gtest.h>

#include <string>

#include "lavix/app/PageLayout.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::app {
namespace {

using testing::TempFolder;

bool readText(const std::string& content, PageLayout& layout, text::FileError& error) {
  TempFolder folder;
  return readPageLayout(folder.write("page.txt", content), layout, error);
}

TEST(PageLayout, ReadsSizeAndPositionsInFileOrder) {
  PageLayout layout;
  text::FileError error;
  ASSERT_TRUE(readText("8500\t11000\r\n2\r\nFull\t100\t200\t300\t400\tXYL\r\nPortrait top\t1\t2\t3\t4\r\n", layout,
                       error));
  EXPECT_EQ(layout.pageWidth, 8500);
  EXPECT_EQ(layout.pageLength, 11000);
  ASSERT_EQ(layout.positionCount, 2);
  EXPECT_EQ(layout.position[1].name, "Full");
  EXPECT_EQ(layout.position[1].left, 100);
  EXPECT_EQ(layout.position[1].bottom, 200);
  EXPECT_EQ(layout.position[1].right, 300);
  EXPECT_EQ(layout.position[1].top, 400);
  EXPECT_EQ(layout.position[1].axesCode, "XYL");
  EXPECT_EQ(layout.position[2].name, "Portrait top");
  EXPECT_EQ(layout.position[2].axesCode, "");
}

TEST(PageLayout, MoreThanTwentyPositionsReadsTwenty) {
  std::string text = "8500\t11000\r\n25\r\n";
  for (int n = 1; n <= 25; ++n) text += "P" + std::to_string(n) + "\t1\t2\t3\t4\tXYR\r\n";
  PageLayout layout;
  text::FileError error;
  ASSERT_TRUE(readText(text, layout, error));
  EXPECT_EQ(layout.positionCount, 20);
  EXPECT_EQ(layout.position[20].name, "P20");
}

TEST(PageLayout, MalformedLinesAreRefusedWithTheirLineAndLayoutKept) {
  struct Case {
    std::string content;
    int number;
    std::string message;
  };
  const Case cases[] = {
      {"", 62, "Input past end of file: page.txt needs the page size and the number of positions"},
      {"8500\r\n1\r\n", 13, "Type mismatch: line 1 of page.txt must hold the page width and length"},
      {"8500\t0\r\n1\r\n", 13, "Type mismatch: line 1 of page.txt must hold the page width and length"},
      {"8500\t11000\r\nmany\r\n", 13, "Type mismatch: line 2 of page.txt must hold the number of positions"},
      {"8500\t11000\r\n-1\r\n", 13, "Type mismatch: line 2 of page.txt must hold the number of positions"},
      {"8500\t11000\r\n2\r\nA\t1\t2\t3\t4\tXYL\r\n", 62, "Input past end of file: page.txt ends after 1 of 2 positions"},
      {"8500\t11000\r\n1\r\nA\t1\t2\t3\r\n", 13, "Type mismatch: line 3 of page.txt must hold a name and four numbers"},
      {"8500\t11000\r\n1\r\nA\t1\tx\t3\t4\r\n", 13,
       "Type mismatch: line 3 of page.txt holds \"x\" where a whole number from -32768 to 32767 belongs"},
      {"8500\t11000\r\n1\r\nA\t1\t2\t40000\t4\r\n", 13,
       "Type mismatch: line 3 of page.txt holds \"40000\" where a whole number from -32768 to 32767 belongs"},
  };
  for (const Case& c : cases) {
    PageLayout layout;
    layout.positionCount = 1;
    layout.position[1].name = "kept";
    text::FileError error;
    EXPECT_FALSE(readText(c.content, layout, error)) << c.content;
    EXPECT_EQ(error.number, c.number) << c.content;
    EXPECT_EQ(error.text, c.message);
    EXPECT_EQ(layout.position[1].name, "kept");
  }
}

}  // namespace
}  // namespace lavix::app
