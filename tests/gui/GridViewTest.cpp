// The grid window driven offscreen: the full matrix in "modify", Enter and typing, SAVE and CANCEL.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "lavix/data/EntryGrid.h"
#include "lavix/qt/GridView.h"
#include "tests/gui/QtTestApp.h"
#include "tests/gui/Screenshots.h"

namespace lavix::qt {
namespace {

using testing::qtApp;

// The largest data set the program allows: 32 767 samples of three columns.
data::DataStore fullMatrix() {
  data::DataStore store;
  store.allocate(data::maxRowCapacity, 3);
  store.columnCount = 3;
  store.columnName[1] = "SiO[2]";
  store.columnName[2] = "Rb";
  store.columnName[3] = "{87}Sr/{86}Sr";
  for (int row = 1; row <= data::maxRowCapacity; ++row) {
    store.sampleName[static_cast<std::size_t>(row)] = "S-" + std::to_string(row);
    store.setCell(row, 1, std::to_string(40 + row % 30));
  }
  store.rowCount = data::maxRowCapacity;
  return store;
}

TEST(GridView, ModifyOpensTheFullMatrixAndScrollsToItsLastSample) {
  qtApp();
  const data::DataStore store = fullMatrix();
  data::EntryGrid grid = data::EntryGrid::modify(store);
  GridView view(grid);
  view.resize(900, 600);
  view.show();
  QTableView* table = view.table();
  ASSERT_EQ(table->model()->rowCount(), 32767);
  EXPECT_EQ(table->model()->headerData(4, Qt::Horizontal).toString(), QString::fromUtf8("SiO₂"));
  EXPECT_EQ(table->model()->headerData(6, Qt::Horizontal).toString(), QString::fromUtf8("⁸⁷Sr/⁸⁶Sr"));
  EXPECT_EQ(view.infoLabel()->text(), QString("Click or DblClick to pick a cell.  Click Save when done."));
  table->setFocus();
  QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(grid.cursorRow(), 32767);
  EXPECT_EQ(table->verticalScrollBar()->value(), table->verticalScrollBar()->maximum());
  EXPECT_EQ(table->rowAt(table->viewport()->height() - 2), 32766);
  EXPECT_EQ(table->model()->data(table->model()->index(32766, 0)).toString(), QString("S-32767"));
  testing::saveScreenshot(view, "grid-modify.png");
}

TEST(GridView, TypingAndEnterFollowTheEntryOrderAndSaveCloses) {
  qtApp();
  data::EntryGrid grid = data::EntryGrid::enters({"Sample", "Jcode", "Kcode", "Lcode", "SiO2"}, 2, {1, 5});
  GridView view(grid);
  view.show();
  QTableView* table = view.table();
  table->setFocus();
  QTest::keyClicks(table, "A");  // any key opens the text box over the cell
  auto* box = table->findChild<QLineEdit*>("txtcell");
  ASSERT_NE(box, nullptr);
  QTest::keyClicks(box, "-1");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(grid.cell(1, 1), "A-1");
  EXPECT_EQ(grid.cursorColumn(), 5);
  EXPECT_EQ(table->currentIndex().column(), 4);
  QTest::keyClick(table, Qt::Key_Return);  // Enter on a cell that is not being typed moves on too
  EXPECT_EQ(grid.cursorRow(), 2);
  EXPECT_EQ(grid.cursorColumn(), 1);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_TRUE(grid.isOpen()) << "Escape throws nothing away";
  QTest::mouseClick(view.saveButton(), Qt::LeftButton);
  EXPECT_TRUE(grid.saved());
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST(GridView, CancelAndTheCloseBoxLeaveWithoutSaving) {
  qtApp();
  data::EntryGrid grid = data::EntryGrid::decimals({"SiO[2]", "Rb"}, 2);
  GridView view(grid);
  view.show();
  testing::saveScreenshot(view, "grid-decimals.png");
  view.close();
  EXPECT_FALSE(grid.isOpen());
  EXPECT_EQ(grid.answer(), "cancel");
}

// The other modes as the user meets them, for the screenshots of the documentation.
TEST(GridView, EveryModeShowsItsTexts) {
  qtApp();
  const std::vector<std::string> names = {"Sample", "Jcode", "Kcode", "Lcode", "SiO[2]", "Rb", "H[2]O{+}"};
  std::pair<data::EntryGrid, const char*> grids[] = {
      {data::EntryGrid::form(3), "grid-form.png"},
      {data::EntryGrid::order(names), "grid-order.png"},
      {data::EntryGrid::enters(names, 5), "grid-enters.png"},
      {data::EntryGrid::total({"SiO[2]", "Rb", "H[2]O{+}"}), "grid-total.png"}};
  for (auto& [grid, picture] : grids) {
    GridView view(grid);
    view.show();
    EXPECT_FALSE(view.infoLabel()->text().isEmpty()) << picture;
    EXPECT_EQ(view.table()->model()->columnCount(), grid.columnCount()) << picture;
    testing::saveScreenshot(view, picture);
  }
}

}  // namespace
}  // namespace lavix::qt
