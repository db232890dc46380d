// The main window's file commands: Open, the recent files, File Operations, Reset.
#include <cmath>

#include <gtest/gtest.h>

#include "tests/startup/SessionFixture.h"

namespace lavix::testing {
namespace {

const std::string example = "Data Files/atacazo-ninahuilca.txt";

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(f.start(), app::StartupOutcome::Ready); }
  std::string examplePath() const { return f.folder.path() + "/" + example; }
  SessionFixture f;
};

TEST_F(MainWindowTest, OpenReadsTheFileAndShiftsTheRecentList) {
  f.session->recent.setCaption(5, "dropped");
  f.click("mOpen", {example});
  EXPECT_EQ(f.window->title(), "Lavix atacazo-ninahuilca.txt   109 rows by 34 columns");
  EXPECT_EQ(f.session->recent.caption(1), examplePath());
  EXPECT_NE(f.session->recent.caption(5), "dropped");
  EXPECT_TRUE(f.window->isVisible("mLastFile1"));
  EXPECT_TRUE(f.window->isEnabled("mLastFile1"));
}

TEST_F(MainWindowTest, ARecentFileIsReadWithoutReorderingTheList) {
  f.session->recent.setCaption(1, "first");
  f.session->recent.setCaption(3, examplePath());
  f.click("mLastFile3");
  EXPECT_EQ(f.session->data.rowCount, 109);
  EXPECT_EQ(f.session->recent.caption(1), "first");
  EXPECT_EQ(f.session->recent.caption(3), examplePath());
}

TEST_F(MainWindowTest, SaveWritesAFileThatReadsBackTheSame) {
  f.click("mOpen", {example});
  const std::string before(f.session->data.cell(7, 3));
  // The letter "s" of the menu is the fifth choice; a name without "." asks for an extension.
  f.click("mfilops", {"#5", "saved", ".roc", "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_TRUE(f.shown("buttons:  select filename extension | .txt | .roc | .min"));
  EXPECT_EQ(f.window->title(), "Lavix saved.roc   109 rows by 34 columns");
  f.click("mOpen", {"saved.roc"});
  EXPECT_EQ(f.session->data.rowCount, 109);
  EXPECT_EQ(f.session->data.columnCount, 34);
  EXPECT_EQ(f.session->data.sampleName[109], "NINA-54");
  EXPECT_EQ(std::string(f.session->data.cell(7, 3)), before);
  std::string written = readWholeFile(f.folder.path() + "/saved.roc");
  EXPECT_EQ(written.substr(0, 14), "SAMPLE\tKcode\tS");
  EXPECT_NE(written.find("\r\nATAC-4\t1\t57.28\t"), std::string::npos);
}

TEST_F(MainWindowTest, FileOperationsGuardsAndClipboard) {
  f.click("mfilops", {"Save file", "Add a file", "Quit"});
  EXPECT_TRUE(f.shown("message: No data to save"));
  EXPECT_TRUE(f.shown("message: You can't Add to nothing, read a file first"));
  f.click("mOpen", {example});
  f.click("mfilops", {"Copy file to clipbrd", "Clear all data", "OK", "Read the clipbrd", "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_TRUE(f.shown("message: Clipboard is loaded"));
  EXPECT_TRUE(f.shown("message: This will remove all data and formats"));
  auto copied = f.clipboard.text();
  ASSERT_TRUE(copied.has_value());
  EXPECT_LE(copied->size(), 62600u);
  EXPECT_EQ(copied->substr(copied->size() - 2), "\r\n");
  EXPECT_EQ(f.window->title(), "Lavix Clipboard   109 rows by 34 columns");
  EXPECT_EQ(f.session->data.currentFile, "Clipboard");
}

TEST_F(MainWindowTest, CopyingMoreThanTheClipboardTakesSaysHowMuchWasPlaced) {
  f.click("mOpen", {example});
  for (int round = 0; round < 4; ++round) f.click("mfilops", {"Add a file", example, "Quit"});
  ASSERT_EQ(f.session->data.rowCount, 545);
  f.click("mfilops", {"Copy file to clipbrd", "Quit"});
  auto copied = f.clipboard.text();
  ASSERT_TRUE(copied.has_value());
  EXPECT_LE(copied->size(), 62600u);
  EXPECT_TRUE(f.shown("message:  File too big, first " + std::to_string(copied->size()) +
                      " characters placed on clipboard."));
}

TEST_F(MainWindowTest, ClearAllDataEmptiesTheMatrix) {
  f.click("mOpen", {example});
  f.click("mfilops", {"Clear all data", "Cancel", "Clear all data", "OK", "Quit"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_EQ(f.session->data.rowCount, 0);
  EXPECT_EQ(f.session->data.columnCount, 0);
  EXPECT_EQ(f.window->title(), "Lavix ");
  EXPECT_EQ(f.session->data.currentFile, "");
}

TEST_F(MainWindowTest, ResetWithZeroRowsKeepsThemAndSetsColumns) {
  f.click("mOpen", {example});
  f.click("mReset", {"Yes", "0,80"});
  EXPECT_EQ(f.session->data.maxRows, 32767);
  EXPECT_EQ(f.session->data.maxColumns, 80);
  EXPECT_EQ(f.session->data.rowCount, 0);
  EXPECT_EQ(f.session->data.columnCount, 0);
}

TEST_F(MainWindowTest, MenusNameOnlyKnownCommandsAndLaterOnesAreDisabled) {
  for (const auto& menu : f.window->menus())
    for (const auto& entry : menu.entries) {
      if (!entry.command.empty()) {
        EXPECT_NE(f.window->commands().find(entry.command), nullptr) << entry.command;
      }
    }
  EXPECT_TRUE(f.window->isEnabled("mOpen"));
  EXPECT_FALSE(f.window->isEnabled("model"));  // no diagram yet
  EXPECT_EQ(f.window->click("model", ""), ui::EventResult::Disabled);
  EXPECT_EQ(f.window->click("nonsense", ""), ui::EventResult::UnknownControl);
}

TEST_F(MainWindowTest, NewVariableNeedsADiagramAndThenAppendsAColumn) {
  f.click("mOpen", {example});
  f.click("maddpara");  // no diagram yet: nothing happens
  EXPECT_FALSE(f.shown("window: varform"));
  f.session->diagram.diagramKind = "XY";
  f.click("maddpara", {"click varbut A/B", "click varbut Rb", "click varbut Sr", "click varbut Log",
                       "click varbut (Rb/Sr)", "click varbut Log (Rb/Sr)"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  const auto& data = f.session->data;
  ASSERT_EQ(data.columnCount, 35);
  EXPECT_EQ(data.columnName[35], "Log (Rb/Sr)");
  // ATAC-4: Rb 14.3, Sr 422
  EXPECT_NEAR(data.value(1, 35), std::log10(14.3 / 422.0), 1e-5);
  EXPECT_EQ(f.window->title(), "Lavix atacazo-ninahuilca.txt   109 rows by 35 columns");
}

TEST_F(MainWindowTest, ExitAsksTheFrontEndToClose) {
  EXPECT_FALSE(f.window->exitRequested());
  f.click("mOpen", {example});
  f.click("mExit");  // a file just read holds nothing unsaved
  EXPECT_FALSE(f.shown("Save them before leaving?"));
  EXPECT_TRUE(f.window->exitRequested());
}

TEST_F(MainWindowTest, ExitWithUnsavedDataAsksToSaveThemFirst) {
  f.click("mOpen", {example});
  f.session->data.setCell(1, 1, "58");
  f.click("mExit", {"Cancel"});
  EXPECT_TRUE(f.shown("message: The data in memory hold computed or edited values that are not saved.\\nSave them "
                      "before leaving?"));
  EXPECT_FALSE(f.window->exitRequested());
  f.click("mExit", {"Yes", "[cancel]"});  // a save that does not happen keeps the program open
  EXPECT_FALSE(f.window->exitRequested());
  f.click("mExit", {"Yes", "kept.txt"});
  EXPECT_TRUE(f.window->exitRequested());
  EXPECT_NE(readWholeFile(f.folder.path() + "/kept.txt").find("\tKcode\t"), std::string::npos);
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
}

TEST_F(MainWindowTest, EveryCommandSaysWhatItDoesAndTheCommonOnesHaveKeys) {
  for (const auto& command : f.window->commands().all())
    EXPECT_FALSE(f.window->commands().tip(command.name).empty()) << command.name;
  const std::pair<const char*, const char*> keys[] = {
      {"mOpen", "Ctrl+O"}, {"mSave", "Ctrl+S"}, {"menuPrint", "Ctrl+P"}, {"mExit", "Ctrl+Q"}};
  for (const auto& [command, sequence] : keys) EXPECT_EQ(f.window->commands().shortcut(command), sequence);
  EXPECT_TRUE(f.window->isEnabled("mview")) << "the Preferences the start-up message names";
}

TEST_F(MainWindowTest, AFileDroppedOnTheWindowIsOpened) {
  f.window->openDropped(examplePath());
  EXPECT_EQ(f.window->title(), "Lavix atacazo-ninahuilca.txt   109 rows by 34 columns");
  EXPECT_EQ(f.session->recent.caption(1), examplePath());
}

}  // namespace
}  // namespace lavix::testing

namespace lavix::testing {
namespace {

TEST(FileOperationsClipboard, ARefusedClipboardKeepsTheDataAndTheirTitle) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  f.clipboard.setText("just one field\r\n");
  f.click("mfilops", {"Read the clipbrd", "Quit"});
  EXPECT_TRUE(f.shown("message: incorrect data in clipbrd"));
  EXPECT_EQ(f.session->data.rowCount, 109);
  EXPECT_EQ(f.window->title(), "Lavix atacazo-ninahuilca.txt   109 rows by 34 columns");
}

}  // namespace
}  // namespace lavix::testing
