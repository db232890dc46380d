// Tests of the symbol file reader.
#include <gtest/gtest.h>

#include <string>

#include "lavix/diagram/SymbolFile.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::diagram {
namespace {

const std::string colourLines =
    "0, 0, 1, 12, \"frame\"\r\n"
    "0, 2, 0, 7, curve\r\n"
    "3, 0, 0, 99, \"page\"\r\n"
    "4, 4, 4, 0, \"box\"\r\n"
    "5 5 5 0 text\r\n";

TEST(SymbolFile, SingleSymbolAndTheFiveColourEntries) {
  SymbolTable table;
  text::FileError error;
  const std::string text = "2, 10\r\n0\r\n10, 20, 30\r\n1,2,3\r\n\"Filled circle\"\r\n1\r\n20, 0\r\n" + colourLines;
  ASSERT_EQ(readSymbolText(text, "default", table, error), SymbolReadResult::complete) << error.text;
  EXPECT_EQ(table.symbolCount, 0);
  EXPECT_FLOAT_EQ(table.symbolScale, 2.0f);
  EXPECT_EQ(table.symbolPenWidth, 10);
  EXPECT_EQ(table.symbolShape[0], "FILLED CIRCLE");
  EXPECT_EQ(table.symbolVertexCount[0], 1);
  EXPECT_EQ(table.symbolVertex[0][0].x, 40);
  EXPECT_EQ(table.symbolLineRGB[0].green, 20);
  EXPECT_EQ(table.symbolLineColour[0], 10 + 256 * 20 + 65536 * 30);
  EXPECT_EQ(table.symbolFillColour[0], 1 + 256 * 2 + 65536 * 3);
  EXPECT_EQ(table.frameColour, 65536);
  EXPECT_EQ(table.frameLineWidth, 12);
  EXPECT_EQ(table.curveColour, 512);
  EXPECT_EQ(table.curveLineWidth, 7);
  EXPECT_EQ(table.pageColour, 3);
  EXPECT_EQ(table.boxColour, 4 + 256 * 4 + 65536 * 4);
  EXPECT_EQ(table.textColour, 5 + 256 * 5 + 65536 * 5);
  // The colour entries follow the symbols in the table's slots.
  EXPECT_EQ(table.symbolLineColour[1], 65536);
  EXPECT_EQ(table.symbolLineColour[5], table.textColour);
}

TEST(SymbolFile, FilledAndCircleAreSubstringTestsOnTheUpperCasedName) {
  struct Case {
    const char* name;
    bool filled;
    bool circle;
  };
  const Case cases[] = {{"fcir", true, true},          {"Circle", false, true}, {"Filled square", true, false},
                        {"hollow diamond", false, false}, {"\"of, CIR\"", true, true}, {"circular", false, true}};
  for (const Case& c : cases) {
    SymbolTable table;
    text::FileError error;
    const std::string text = "1 1\n0\n0 0 0\n0 0 0\n" + std::string(c.name) + "\n0\n" + colourLines;
    ASSERT_EQ(readSymbolText(text, "default", table, error), SymbolReadResult::complete) << c.name;
    EXPECT_EQ(table.isFilled(0), c.filled) << c.name;
    EXPECT_EQ(table.isCircle(0), c.circle) << c.name;
  }
}

TEST(SymbolFile, VerticesAreScaledAndTruncatedTowardsZero) {
  const std::string text = "1.5, 3\n0\n0,0,0\n0,0,0\nsq\n2\n3, -3\n1, 7\n" + colourLines;
  SymbolTable table;
  text::FileError error;
  ASSERT_EQ(readSymbolText(text, "default", table, error), SymbolReadResult::complete);
  EXPECT_EQ(table.symbolVertex[0][0].x, 4);
  EXPECT_EQ(table.symbolVertex[0][0].y, -4);
  EXPECT_EQ(table.symbolVertex[0][1].y, 10);

  // A pending size and a line width override replace the file's values.
  table.pendingSymbolSize = 2.0f;
  table.symbolLineWidthOverride = 8;
  ASSERT_EQ(readSymbolText(text, "resize", table, error), SymbolReadResult::complete);
  EXPECT_FLOAT_EQ(table.symbolScale, 2.0f);
  EXPECT_EQ(table.symbolPenWidth, 8);
  EXPECT_EQ(table.symbolVertex[0][0].y, -6);
}

TEST(SymbolFile, OnlyDefaultAndSymbolModesTakeTheColours) {
  const std::string text = "1 1\n0\n9 9 9\n9 9 9\nsq\n0\n" + colourLines;
  for (const char* mode : {"default", "symbol", "resize", "width"}) {
    SymbolTable table;
    table.symbolLineColour[0] = 42;
    table.frameLineWidth = 3;
    table.symbolShape[0] = "OLD";
    text::FileError error;
    ASSERT_EQ(readSymbolText(text, mode, table, error), SymbolReadResult::complete);
    const bool takes = std::string(mode) == "default" || std::string(mode) == "symbol";
    EXPECT_EQ(table.symbolLineColour[0], takes ? 9 + 9 * 256 + 9 * 65536 : 42) << mode;
    EXPECT_EQ(table.frameLineWidth, takes ? 12 : 3) << mode;
    EXPECT_EQ(table.symbolShape[0], "SQ") << mode;
  }
}

TEST(SymbolFile, BlackSymbolsTakeEveryColourButThePageAndBoxAsBlack) {
  SymbolTable table;
  table.blackSymbols = true;
  text::FileError error;
  ASSERT_EQ(readSymbolText("1 1\n0\n9 9 9\n9 9 9\nsq\n0\n" + colourLines, "symbol", table, error),
            SymbolReadResult::complete);
  EXPECT_EQ(table.symbolLineColour[0], 0);
  EXPECT_EQ(table.symbolFillColour[0], 0);
  EXPECT_EQ(table.frameColour, 0);
  EXPECT_EQ(table.curveColour, 0);
  EXPECT_EQ(table.textColour, 0);
  // Black on a black page would show nothing.
  EXPECT_EQ(table.pageColour, 3);
  EXPECT_EQ(table.boxColour, 0x040404);
}

SymbolTable previousTable() {
  SymbolTable table;
  for (int s = 0; s < symbolSlots; ++s) {
    table.symbolShape[static_cast<std::size_t>(s)] = "PREVIOUS";
    table.symbolVertexCount[static_cast<std::size_t>(s)] = 5;
  }
  table.symbolCount = 9;
  table.frameColour = 77;
  return table;
}

TEST(SymbolFile, EarlyEndKeepsTheEntriesReadSoFar) {
  // Symbol 0 complete, symbol 1 stops after its shape; symbol 2 and the colours keep theirs.
  const std::string text = "1 1\r\n2\r\n1 1 1\r\n2 2 2\r\nfcir\r\n1\r\n30 0\r\n3 3 3\r\n4 4 4\r\nsquare\r\n";
  SymbolTable table = previousTable();
  text::FileError error;
  EXPECT_EQ(readSymbolText(text, "default", table, error), SymbolReadResult::stopped);
  EXPECT_EQ(error.number, 62);
  EXPECT_EQ(error.text, "Input past end of file at line 11");
  EXPECT_EQ(table.symbolCount, 2);
  EXPECT_EQ(table.symbolShape[0], "FCIR");
  EXPECT_EQ(table.symbolVertex[0][0].x, 30);
  EXPECT_EQ(table.symbolShape[1], "SQUARE");
  EXPECT_EQ(table.symbolVertexCount[1], 5);
  EXPECT_EQ(table.symbolShape[2], "PREVIOUS");
  EXPECT_EQ(table.frameColour, 77);
}

TEST(SymbolFile, NonNumberStopsTheRead) {
  const std::string text = "1 1\n1\n1 1 1\n2 2 2\nsq\n1\n30 zero\n";
  SymbolTable table = previousTable();
  text::FileError error;
  EXPECT_EQ(readSymbolText(text, "default", table, error), SymbolReadResult::stopped);
  EXPECT_EQ(error.number, 13);
  EXPECT_EQ(error.text, "Type mismatch at line 7: \"zero\" is not a number");
  EXPECT_EQ(table.symbolShape[0], "SQ");
  EXPECT_EQ(table.symbolVertex[0][0].x, 30);
  EXPECT_EQ(table.symbolShape[1], "PREVIOUS");
}

TEST(SymbolFile, TooManySymbolsOrVerticesRefuseTheWholeFile) {
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"1 1\n47\n", "Subscript out of range: the highest symbol number must be 0 to 46, the file gives 47"},
      {"1 1\n-1\n", "Subscript out of range: the highest symbol number must be 0 to 46, the file gives -1"},
      {"1 1\n1\n0 0 0\n0 0 0\nsq\n0\n0 0 0\n0 0 0\nsq\n34\n",
       "Subscript out of range: symbol 1 has more vertices than the 33 allowed"},
      {"1 1\n0\n0 0 0\n0 0 0\nsq\n-2\n", "Subscript out of range: symbol 0 has a negative vertex count"},
  };
  for (const Case& c : cases) {
    SymbolTable table = previousTable();
    text::FileError error;
    EXPECT_EQ(readSymbolText(c.text, "default", table, error), SymbolReadResult::refused);
    EXPECT_EQ(error.number, 9);
    EXPECT_EQ(error.text, c.message);
    EXPECT_EQ(table.symbolCount, 9);
    EXPECT_EQ(table.symbolShape[0], "PREVIOUS");
  }
}

}  // namespace
}  // namespace lavix::diagram
