// Tests of the standard oxide table reader.
#include <gtest/gtest.h>

#include <string>

#include "lavix/app/StandardTableFile.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::app {
namespace {

using testing::TempFolder;

std::string joinTab(int count, const std::string& stem) {
  std::string line;
  for (int k = 1; k <= count; ++k) line += (k > 1 ? "\t" : "") + stem + std::to_string(k);
  return line;
}

std::string numbers(int count, const std::string& value) {
  std::string line;
  for (int k = 1; k <= count; ++k) line += (k > 1 ? "\t" : "") + value;
  return line;
}

// A minimal valid table: names N1..N17, weights 1.5 ...
std::string tableText(const std::string& tail = "") {
  return joinTab(17, "N") + "\r\n" + numbers(17, "1.5") + "\r\n" + numbers(17, "2") + "\r\n" + joinTab(17, "E") +
         "\r\n" + numbers(17, "100") + "\r\n" + numbers(12, "3.25") + "\r\n" + joinTab(26, "n") + "\r\n" +
         numbers(14, "-1") + "\r\n" + tail;
}

TEST(StandardTableFile, ReadsAllEightLinesAfterLeadingComments) {
  TempFolder folder;
  std::string path = folder.write("t.txt", "# a citation, with commas\r\n#another\r\n" + tableText("SiO[2]\r\n"));
  data::StandardTable table;
  text::FileError error;
  ASSERT_TRUE(readStandardTable(path, table, error, '.'));
  EXPECT_EQ(table.stdName[1], "N1");
  EXPECT_EQ(table.stdName[17], "N17");
  EXPECT_FLOAT_EQ(table.molecularWeight[17], 1.5f);
  EXPECT_EQ(table.cations[3], 2);
  EXPECT_EQ(table.stdElement[4], "E4");
  EXPECT_FLOAT_EQ(table.elementFactor[5], 100.0f);
  EXPECT_FLOAT_EQ(table.molarVolume[12], 3.25f);
  EXPECT_EQ(table.normColumnName[26], "n26");
  EXPECT_FLOAT_EQ(table.ferricCoefficient[14], -1.0f);
  ASSERT_EQ(table.displayName.size(), 1u);
  EXPECT_EQ(table.displayName[0], "SiO[2]");
}

TEST(StandardTableFile, DisplayNamesSplitAtCommasAndLinesUpToOneHundred) {
  std::string tail = "A[2], B{3} ,C\r\n\r\nD\tE\r\n";
  for (int k = 0; k < 120; ++k) tail += "X" + std::to_string(k) + "\r\n";
  TempFolder folder;
  data::StandardTable table;
  text::FileError error;
  ASSERT_TRUE(readStandardTable(folder.write("t.txt", tableText(tail)), table, error, '.'));
  ASSERT_EQ(table.displayName.size(), 100u);
  EXPECT_EQ(table.displayName[0], "A[2]");
  EXPECT_EQ(table.displayName[1], "B{3}");
  EXPECT_EQ(table.displayName[2], "C");
  EXPECT_EQ(table.displayName[3], "D");
  EXPECT_EQ(table.displayName[4], "E");
  EXPECT_EQ(table.displayName[99], "X94");
}

TEST(StandardTableFile, LinesAreCutAtTheirFirstComma) {
  // The weights line keeps only what precedes the comma: 17 fields are still there.
  std::string text = tableText();
  std::size_t weights = text.find("1.5");
  text.insert(text.find("\r\n", weights), ",9,9");
  TempFolder folder;
  data::StandardTable table;
  text::FileError error;
  ASSERT_TRUE(readStandardTable(folder.write("t.txt", text), table, error, '.'));
  EXPECT_FLOAT_EQ(table.molecularWeight[17], 1.5f);
}

TEST(StandardTableFile, LocaleDecimalSeparatorIsAccepted) {
  std::string text = tableText();
  std::size_t at = text.find("3.25");
  text.replace(at, 4, "3;25");
  for (std::size_t p = text.find("3.25"); p != std::string::npos; p = text.find("3.25")) text.replace(p, 4, "3;25");
  TempFolder folder;
  data::StandardTable table;
  text::FileError error;
  ASSERT_TRUE(readStandardTable(folder.write("t.txt", text), table, error, ';'));
  EXPECT_FLOAT_EQ(table.molarVolume[1], 3.25f);
}

TEST(StandardTableFile, ShortFileOrShortLineIsRefusedAndTableKept) {
  struct Case {
    std::string content;
    std::string message;
  };
  std::string shortLine = tableText();
  shortLine.replace(shortLine.find(numbers(12, "3.25")), numbers(12, "3.25").size(), numbers(11, "3.25"));
  const Case cases[] = {
      {"# only comments\r\n", "Input past end of file: t.txt ends before table line 1"},
      {joinTab(17, "N") + "\r\n", "Input past end of file: t.txt ends before table line 2"},
      {shortLine, "Input past end of file: table line 6 of t.txt holds 11 fields, 12 expected"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    data::StandardTable table;
    table.stdName[1] = "kept";
    text::FileError error;
    EXPECT_FALSE(readStandardTable(folder.write("t.txt", c.content), table, error, '.'));
    EXPECT_EQ(error.number, 62);
    EXPECT_EQ(error.text, c.message);
    EXPECT_EQ(table.stdName[1], "kept");
  }
}

TEST(StandardTable, IndexOfNameComparesWithoutMarkupOrCase) {
  data::StandardTable table;
  table.stdName[3] = "Al2O3";
  table.stdName[17] = "SO3";
  EXPECT_EQ(table.indexOfName("Al[2]O[3]"), 3);
  EXPECT_EQ(table.indexOfName("al2 o3"), 3);
  EXPECT_EQ(table.indexOfName("so{3}"), 17);
  EXPECT_EQ(table.indexOfName("Al2O"), 0);
  EXPECT_EQ(table.indexOfName(""), 0);
}

}  // namespace
}  // namespace lavix::app
