// The data entry grid: its modes, the cursor, typed and pasted cells, and what SAVE hands back.
#include <gtest/gtest.h>

#include "common/ui/FormEvent.h"
#include "lavix/data/EntryGrid.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using Strings = std::vector<std::string>;
const Strings fields = {"Sample", "Jcode", "Kcode", "Lcode", "sio2", "Rb"};

ui::EventResult run(EntryGrid& grid, const std::string& line) {
  auto parsed = ui::parseFormEvent(line);
  if (!parsed.event) ADD_FAILURE() << line << ": " << parsed.error;
  return parsed.event ? ui::applyFormEvent(grid, *parsed.event) : ui::EventResult::UnknownControl;
}

std::pair<int, int> cursor(const EntryGrid& grid) { return {grid.cursorRow(), grid.cursorColumn()}; }

TEST(EntryGrid, FormKeepsTheSpecialFieldsAndRefusesNamesTheFilesCannotHold) {
  testing::FakePrompts prompts;
  EntryGrid grid = EntryGrid::form(2);
  grid.setPrompts(prompts);
  EXPECT_EQ(grid.infoLines().size(), 13U);
  EXPECT_EQ(grid.rowTexts(1), (Strings{"Sample", "Jcode", "Kcode", "Lcode", "", ""}));
  EXPECT_EQ(cursor(grid), (std::pair{1, 5}));
  grid.setCell(1, 2, "Xcode");
  EXPECT_EQ(grid.cell(1, 2), "Jcode");

  grid.setCell(1, 5, "SiO2");
  grid.save();
  EXPECT_TRUE(grid.isOpen());
  EXPECT_EQ(prompts.messageTexts().back(), "Every field needs a name: field 6 has none.");
  EXPECT_EQ(cursor(grid), (std::pair{1, 6}));
  for (const char* bad : {"Rb ppm", "Rb,ppm", "Rb-ppm"}) {
    grid.setCell(1, 6, bad);
    grid.save();
    EXPECT_TRUE(grid.isOpen()) << bad;
    EXPECT_EQ(prompts.messageTexts().back(), gridText::nameRule) << bad;
  }
  grid.setCell(1, 6, "Rb");
  grid.save();
  EXPECT_TRUE(grid.saved());
  EXPECT_EQ(grid.answer(), "");
}

TEST(EntryGrid, EntryOrderComesFromTheOrderRow) {
  const std::pair<Strings, std::vector<int>> cases[] = {
      {{"2", "1", "0", "3"}, {2, 1, 4}},  // 0 skips a field
      {{"1", "1", ""}, {1, 2}},           // ties keep their places
      {{"x", "2.0"}, {2}},                // no number reads 0
      {{"0", "0"}, {1, 2}},               // skipping every field leaves left to right
  };
  for (const auto& [row, order] : cases) EXPECT_EQ(entryOrderFromRow(row), order) << row[0];
  EntryGrid grid = EntryGrid::order(fields);
  EXPECT_EQ(grid.rowTexts(1), (Strings{"1", "2", "3", "4", "5", "6"}));
}

TEST(EntryGrid, EnterFollowsTheEntryOrderRowAfterRow) {
  EntryGrid grid = EntryGrid::enters(fields, 2, {1, 5, 6});
  EXPECT_EQ(cursor(grid), (std::pair{1, 1}));
  const std::pair<int, int> visits[] = {{1, 5}, {1, 6}, {2, 1}, {2, 5}, {2, 6}, {2, 6}};
  for (const auto& expected : visits) {
    grid.pressEnter();
    EXPECT_EQ(cursor(grid), expected);
  }
  // From a field the order skips, Enter goes on to the next visited field to its right.
  grid.pick(1, 3);
  grid.pressEnter();
  EXPECT_EQ(cursor(grid), (std::pair{1, 5}));
}

TEST(EntryGrid, KeysMoveTheCursorWithinTheGrid) {
  EntryGrid grid = EntryGrid::enters(fields, 30);
  const std::pair<const char*, std::pair<int, int>> moves[] = {
      {"Up", {1, 1}},      {"Left", {1, 1}},      {"Right", {1, 2}},  {"End", {1, 6}},    {"Tab", {2, 1}},
      {"Down", {3, 1}},    {"PageDown", {23, 1}}, {"PageDown", {30, 1}}, {"Home", {30, 1}}, {"PageUp", {10, 1}},
      {"Enter", {10, 2}},
  };
  for (const auto& [key, expected] : moves) {
    EXPECT_EQ(run(grid, std::string("key sgrid ") + key), ui::EventResult::Done) << key;
    EXPECT_EQ(cursor(grid), expected) << key;
  }
  EXPECT_EQ(run(grid, "key sgrid Insert"), ui::EventResult::UnknownItem);
}

TEST(EntryGrid, ABlockTypedWithTabsAndLineBreaksFillsTheCellsFromTheCursor) {
  EntryGrid grid = EntryGrid::enters(fields, 2);
  grid.pick(1, 5);
  grid.typeText("50.1\t12\tcut off\n61.2\r\n");
  EXPECT_EQ(grid.rowTexts(1), (Strings{"", "", "", "", "50.1", "12"}));
  EXPECT_EQ(grid.rowTexts(2), (Strings{"", "", "", "", "61.2", ""}));
  EXPECT_EQ(cursor(grid), (std::pair{1, 5}));
}

TEST(EntryGrid, NewDataSetReplacesTheOldOneWithStandardNames) {
  testing::DataSession s;
  s.read("SAMPLE\tKCODE\tA\tB\tC\nold\t5\t1\t2\t3\n");
  EntryGrid grid = EntryGrid::enters(fields, 3);
  grid.typeText("S-1\t\t2.6\t\t50.5\t12\nS-2\t1\t\t\t61.25\t");
  grid.save();
  ASSERT_TRUE(grid.saved());
  grid.storeNewDataSet(s.store, s.standards);
  EXPECT_EQ(s.store.rowCount, 2) << "the third row stayed empty";
  EXPECT_EQ(s.store.columnCount, 2);
  EXPECT_EQ(s.store.columnName[1], "SiO2");
  EXPECT_EQ(s.store.stdColumn[1], 1);
  EXPECT_EQ(s.store.columnName[2], "Rb");
  EXPECT_EQ(s.store.sampleTitle, "Sample");
  EXPECT_EQ(s.store.sampleName[2], "S-2");
  EXPECT_EQ(s.store.kcode[1], 3) << "2.6 rounds to 3";
  EXPECT_EQ(s.store.jcode[2], 1);
  EXPECT_EQ(s.cell(1, 1), "50.5");
  EXPECT_EQ(s.cell(2, 2), "");
  EXPECT_EQ(s.cell(1, 3), "") << "nothing of the old data set survives";
  EXPECT_TRUE(s.store.hasUnsavedChanges());
}

TEST(EntryGrid, ACodeBeyond16BitsIsRefusedAtSave) {
  testing::FakePrompts prompts;
  EntryGrid grid = EntryGrid::enters(fields, 2);
  grid.setPrompts(prompts);
  grid.setCell(2, 3, "40000");
  grid.setCell(1, 3, "n.d.");  // no number: 0
  grid.save();
  EXPECT_TRUE(grid.isOpen());
  EXPECT_EQ(prompts.messageTexts().back(), "Row 2: Kcode must be a whole number from -32768 to 32767.");
  EXPECT_EQ(cursor(grid), (std::pair{2, 3}));
}

TEST(EntryGrid, ModifyShowsTheDataAndWritesBackOnlyTheCellsTypedOver) {
  testing::DataSession s;
  s.read("SAMPLE\tJCODE\tKCODE\tSiO2\tRb\nA\t1\t2\t50\t10\nB\t0\t3\t60\t\n");
  EntryGrid grid = EntryGrid::modify(s.store);
  EXPECT_EQ(grid.columnCaption(5), "SiO2");
  EXPECT_EQ(grid.rowTexts(1), (Strings{"A", "1", "2", "0", "50", "10"}));
  grid.setCell(1, 5, "50");  // as it was: no edit
  grid.setCell(2, 6, "7.5");
  grid.setCell(2, 3, "4");
  grid.setCell(1, 1, "A-1");
  EXPECT_EQ(s.cell(2, 2), "") << "nothing reaches the data before SAVE";
  s.store.markSaved();
  grid.applyEdits(s.store);
  EXPECT_EQ(s.cell(2, 2), "7.5");
  EXPECT_EQ(s.cell(1, 1), "50");
  EXPECT_EQ(s.store.kcode[2], 4);
  EXPECT_EQ(s.store.sampleName[1], "A-1");
  EXPECT_TRUE(s.store.hasUnsavedChanges());
  // The dump shows the cursor's row and the cells typed over, not the whole matrix.
  grid.pick(1, 5);
  std::size_t cells = 0;
  for (const auto& [control, text] : grid.fields()) cells += control.rfind("sgrid(", 0) == 0 && control[6] != '0';
  EXPECT_EQ(cells, 6U + 2U);
}

TEST(EntryGrid, ScriptEventsAndTheAnswerAfterClosing) {
  testing::DataSession s;
  s.read("SAMPLE\tSiO[2]\tRb\nA\t50\t10\n");
  EntryGrid grid = EntryGrid::modify(s.store);
  EXPECT_EQ(run(grid, "click sgrid 1 SiO2"), ui::EventResult::Done) << "a column by its name without markup";
  EXPECT_EQ(cursor(grid), (std::pair{1, 5}));
  EXPECT_EQ(run(grid, "click sgrid 2 1"), ui::EventResult::UnknownItem);
  EXPECT_EQ(run(grid, "click sgrid 1 Zr"), ui::EventResult::UnknownItem);
  EXPECT_EQ(run(grid, "type sgrid #2 5"), ui::EventResult::UnknownItem);
  EXPECT_EQ(run(grid, "click OK"), ui::EventResult::UnknownControl);
  EXPECT_EQ(run(grid, "click CANCEL"), ui::EventResult::Done);
  EXPECT_EQ(grid.answer(), gridText::cancelAnswer);
  EXPECT_EQ(run(grid, "type sgrid 5"), ui::EventResult::Disabled);
}

TEST(EntryGrid, DecimalsAndTotalAskOneValuePerColumn) {
  EntryGrid decimals = EntryGrid::decimals({"SiO[2]", "Rb"}, 2);
  EXPECT_EQ(decimals.infoLines(), Strings{gridText::decimalsLine});
  EXPECT_EQ(decimals.rowTexts(1), (Strings{"2", "2"}));
  EXPECT_EQ(decimals.rowCaption(1), "Decimals");
  EntryGrid total = EntryGrid::total({"SiO[2]", "Rb"});
  EXPECT_EQ(total.infoLines(), Strings{gridText::totalLine});
  EXPECT_EQ(total.rowTexts(1), (Strings{"", ""}));
  EXPECT_EQ(gridWindowTitle(total.mode()), std::string("Print a table"));
}

}  // namespace
}  // namespace lavix::data
