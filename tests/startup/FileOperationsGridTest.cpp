// File Operations through the grid: what the batch runs of tests/cli (enter_data, modify_data,
// grid_guards, print_table) do not reach: the entry order and a paste, the file a new data set
// saves, tables and copies of the picked samples, and the question about recalculated columns.
#include <gtest/gtest.h>

#include "common/ui/PrinterPort.h"
#include "lavix/app/FileOperations.h"
#include "lavix/app/PrintTable.h"
#include "tests/startup/SessionFixture.h"

namespace lavix::testing {
namespace {

const char* const smallFile =
    "SAMPLE\tKCODE\tSiO2\tRb\tNote\r\nA-1\t1\t50.123\t12\tx\r\nB-22\t0\t7.5\t\tn.d.\r\nC-3\t2\t100\t3.25\t\r\n";

class FileOperationsGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    f.session->tableWindow = &screen;
    f.folder.write("small.txt", smallFile);
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
