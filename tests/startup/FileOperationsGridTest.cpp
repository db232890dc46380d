// File Operations through the grid: entering and modifying data, printing a table, copying picked rows.
#include <gtest/gtest.h>

#include "common/ui/PrinterPort.h"
#include "lavix/app/FileOperations.h"
#include "lavix/app/PrintTable.h"
#include "tests/startup/SessionFixture.h"

namespace lavix::testing {
namespace {

using Strings = std::vector<std::string>;

const char* const smallFile =
    "SAMPLE\tKCODE\tSiO2\tRb\tNote\r\nA-1\t1\t50.123\t12\tx\r\nB-22\t0\t7.5\t\tn.d.\r\nC-3\t2\t100\t3.25\t\r\n";

class FileOperationsGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    f.session->tableWindow = &screen;
    f.folder.write("small.txt", smallFile);
  }
  // The transcript from the first line that starts with `start`.
  Strings linesFrom(const std::string& start) const {
    const auto& lines = f.transcript.lines();
    auto at = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    return Strings(at, lines.end());
  }
  SessionFixture f;
  ui::ScriptedPrinter screen{f.transcript};
};

TEST_F(FileOperationsGrid, EnterDataStoresTheSamplesTypedAndWarnsUntilTheyAreSaved) {
  f.click("mfilops", {"Enter data", "2",                                             // fields
                      "click sgrid 1 5", "type sgrid SiO2", "enter sgrid", "type sgrid Rb", "click SAVE",
                      "2",                                                           // samples
                      "click CANCEL",                                                // entry order: left to right
                      "type sgrid S-1\t0\t3\t0\t50.5\t12", "click sgrid 2 1", "type sgrid S-2", "enter sgrid",
                      "enter sgrid", "type sgrid 4", "key sgrid End", "type sgrid 61.25", "click SAVE",
                      "Save file", "entered.txt", "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  const auto& data = f.session->data;
  EXPECT_EQ(data.rowCount, 2);
  EXPECT_EQ(data.columnName[1], "SiO[2]");
  EXPECT_EQ(data.kcode[2], 4);
  EXPECT_FLOAT_EQ(data.totalFactor[1], 100.0f / 50.5f) << "the new data set is prepared as a read one";
  EXPECT_TRUE(f.shown("message: WARNING: Data are now entered or modified only in memory (in RAM not disk)  If you "
                      "want to save them select the Save option."));
  EXPECT_TRUE(f.shown("title: Lavix untitled   2 rows by 2 columns"));
  EXPECT_EQ(readWholeFile(f.folder.path() + "/entered.txt"),
            "Sample\tKcode\tSiO[2]\tRb\r\nS-1\t3\t50.5\t12\r\nS-2\t4\t\t61.25\r\n");
  EXPECT_FALSE(data.hasUnsavedChanges());
}

TEST_F(FileOperationsGrid, EnterDataCancelledAnywhereKeepsTheDataInMemory) {
  f.click("mOpen", {"small.txt"});
  f.click("mfilops", {"Enter data", "OK", "1", "click CANCEL", "Enter data", "Cancel", "Enter data", "OK", "0",
                      "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_TRUE(f.shown("message: Enter data replaces the data in memory with the new data set."));
  EXPECT_TRUE(f.shown("message: Enter a number of data fields from 1 to 200"));
  EXPECT_EQ(f.session->data.rowCount, 3);
  EXPECT_FALSE(f.shown("WARNING"));
}

TEST_F(FileOperationsGrid, ModifyDataChangesOneCellOnlyAfterSave) {
  f.click("mOpen", {"small.txt"});
  f.click("mfilops", {"Modify data", "click sgrid 2 Rb", "type sgrid 9.9", "click CANCEL",
                      "Modify data", "click sgrid 2 Rb", "type sgrid 9.9", "click SAVE", "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_EQ(std::string(f.session->data.cell(2, 2)), "9.9");
  EXPECT_EQ(std::string(f.session->data.cell(1, 2)), "12");
  EXPECT_EQ(f.window->title(), "Lavix small.txt   3 rows by 3 columns");
  EXPECT_TRUE(f.session->data.hasUnsavedChanges());
}

TEST_F(FileOperationsGrid, ModifyWithoutDataSaysSo) {
  f.click("mfilops", {"Modify data", "Print a table", "Quit"});
  EXPECT_TRUE(f.shown("message: Read a File first"));
  EXPECT_TRUE(f.shown("message: No data to print"));
}

// Blocks of two samples; SiO2 with 1 decimal, Rb with 2, both totalled. Every field is 12
// characters and two blanks; decimal points stand one above the other.
TEST_F(FileOperationsGrid, PrintATableToTheScreenWithDecimalsAndATotal) {
  f.click("mOpen", {"small.txt"});
  f.click("mfilops", {"Print a table", "2", "type sgrid 1\t2", "click SAVE", "type sgrid 1\t1", "click SAVE",
                      "Screen", "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_TRUE(f.shown("input: Send table to a txt-File and edit with a wordprocessor using 'Courier New' or 'Courier' "
                      "\\nScreen allows 8 columns using 8 pt Courier New.\\nFor File, try ~8 columns in portrait or "
                      "~11 in landscape mode and adjust by trial and error. = 8 | title: Specify # of columns"));
  const Strings printed = linesFrom("print: Print a table");
  ASSERT_GE(printed.size(), 16U);
  const std::string file = f.folder.path() + "/small.txt";
  const Strings expected = {"print: Print a table",
                            "",
                            "File name " + file,
                            "Sample        A-1           B-22",
                            "Kcode             1             0",
                            "SiO2             50.1           7.5",
                            "Rb               12.00",
                            "Note              x             n.d.",
                            "Total            62.12          7.50",
                            "",
                            "File name " + file,
                            "Sample        C-3",
                            "Kcode             2",
                            "SiO2            100.0",
                            "Rb                3.25",
                            "Note",
                            "Total           103.25"};
  EXPECT_EQ(Strings(printed.begin(), printed.begin() + 17), expected);
}

TEST_F(FileOperationsGrid, PrintATableToATextFileOfThePickedSamples) {
  f.click("mOpen", {"small.txt"});
  f.session->spider.selectedRows = {3};
  f.click("mfilops", {"Print a table", "", "Print a table", "0", "click SAVE", "click SAVE", "TextFile", "table.txt",
                      "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  const std::string table = readWholeFile(f.folder.path() + "/table.txt");
  EXPECT_NE(table.find("\r\nSample        C-3\r\n"), std::string::npos);
  EXPECT_EQ(table.find("A-1"), std::string::npos);
  EXPECT_NE(table.find("\r\nSiO2            100.00\r\n"), std::string::npos) << "decimals preset 2";
  EXPECT_EQ(table.find("Total"), std::string::npos);
}

TEST_F(FileOperationsGrid, CopyToTheClipboardTakesThePickedSamplesInTheirOrder) {
  f.click("mOpen", {"small.txt"});
  f.session->spider.selectedRows = {3, 1};
  f.click("mfilops", {"Copy file to clipbrd", "Quit"});
  EXPECT_EQ(f.clipboard.text().value_or(""),
            "SAMPLE\tKcode\tSiO[2]\tRb\tNote\r\nC-3\t2\t100\t3.25\t\r\nA-1\t1\t50.123\t12\tx\r\n");
}

TEST_F(FileOperationsGrid, RecalculatedColumnsAreAskedAboutBeforeSaveAndPrint) {
  f.click("mOpen", {"small.txt"});
  const std::vector<int16_t> flags = {0, 1, 0, 0};
  f.prompts.queueAnswers({"Cancel"});
  EXPECT_FALSE(app::saveDataFile(*f.session, &flags));
  EXPECT_TRUE(f.shown("message: 1 elements or oxides recalculated to 100 volatile free.   All Fe as FeO"));
  f.session->data.totalFactor[1] = 2;
  f.prompts.queueAnswers({"OK", "recast.txt"});
  EXPECT_TRUE(app::saveDataFile(*f.session, &flags));
  EXPECT_NE(readWholeFile(f.folder.path() + "/recast.txt").find("\r\nA-1\t1\t100.246\t12\tx\r\n"), std::string::npos);
  f.prompts.queueAnswers({"Cancel"});
  app::printDataTable(*f.session, &flags, nullptr);
  EXPECT_EQ(f.prompts.pendingAnswers(), 0U);
  EXPECT_FALSE(f.shown("title: Specify # of columns"));
}

}  // namespace
}  // namespace lavix::testing
