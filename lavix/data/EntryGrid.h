// The data entry grid `blank`: field names, entry order, new data, edits of the data in memory
// and the per-column options of a printed table, typed into the grid `sgrid`.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"
#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"

namespace lavix::data {

// The user texts of the grid window, in one place.
namespace gridText {
inline constexpr const char* formLines[] = {
    "Create format of file: enter field names.",
    "Lavix files begin with 4 special fields.",
    "SAMPLE or Sample is a string variable.",
    "Jcode, Kcode and Lcode are integers that key the symbols.",
    "Jcode, Kcode and Lcode will not be saved if all values are zero or blank.",
    "Kcode is the default control for symbols.",
    "All other fields are string variables. They can be in any order.",
    "Count these fields and make a list in the order you want them saved.",
    "Field names should not include any spaces ( ) or commas (,) or dashes(-)",
    "To add subscripts to names use [ ] e.g. V[2]O[5]",
    "To addsuperscripts to names use { } e.g. km{3}",
    "Super/Sub-script markers not needed for the major oxides and Sr, Nd and Pb isos.",
    "Lavix adds these super/subs automatically."};
inline constexpr const char* orderLines[] = {
    "Set data entry order: For the first field enter a 1, for next a 2, etc. Enter 0 to skip a field.",
    "Sometimes a data table is not in the order you want the data saved in.",
    " To facilitate data entry you can specify this different order by ",
    "entering the appropriate integer for each field.",
    "Press CANCEL button on next grid form to skip this"};
inline constexpr const char* entersLine =
    "Enter new data using arrow keys, click, double click and Enter. Click Save when done.";
inline constexpr const char* modifyLine = "Click or DblClick to pick a cell.  Click Save when done.";
inline constexpr const char* decimalsLine = "For each field enter the number of decimal places.";
inline constexpr const char* totalLine =
    "Calculate a Total: Enter 1 to include in Total, enter 0 or blank to exclude.";
inline constexpr const char* fieldCountPrompt =
    "Enter the # of data fields not counting Sample, Jcode, Kcode or Lcode.";
inline constexpr const char* rowCountPrompt = "Enter the number of new samples you will type in";
inline constexpr const char* nameRule = formLines[8];
inline constexpr const char* unnamedField = "Every field needs a name: field ";  // + number + " has none."
inline constexpr const char* hasNone = " has none.";
inline constexpr const char* codeRange = " must be a whole number from -32768 to 32767.";  // "Row 3: Kcode" + ...
inline constexpr const char* cancelAnswer = "cancel";
}  // namespace gridText

enum class GridMode { Form, Order, Enters, Modify, Decimals, Total };

// The mode's name as the caller sets it: "form", "order", "enters", "modify", "decimals", "total".
const char* gridModeName(GridMode mode);
// The window's caption: the File Operations choice that opened it.
const char* gridWindowTitle(GridMode mode);

// The grid has a header row (column captions) and a header column (row captions); its cells
// are rows 1..rowCount() by columns 1..columnCount(). In "modify" it shows the data in memory
// (Sample, Jcode, Kcode, Lcode, then the columns) and keeps only the cells typed over, so the
// full matrix opens at once; nothing reaches the matrix before SAVE.
//
// Controls (script names):
//   click sgrid R C      pick a cell (C: a number or the column's caption); a double click
//                        picks it too
//   type sgrid TEXT      the text box over the current cell; a TEXT with TABs or line breaks
//                        fills the cells from the current one, as pasting a table would
//   enter sgrid          Enter: the cursor moves to the next field in the entry order
//   key sgrid KEY        Up, Down, Left, Right, Home, End, PageUp, PageDown, Enter, Tab
//   click SAVE           checks and closes keeping the cells; click CANCEL closes without
class EntryGrid : public ui::FormModel {
 public:
  // "form": one row of field names, the four special fields first and fixed.
  static EntryGrid form(int dataFieldCount);
  // "order": one row with the entry number of each field, preset 1, 2, 3 ...
  static EntryGrid order(const std::vector<std::string>& fieldNames);
  // "enters": `rows` empty rows under the field names; the cursor visits the fields in
  // `entryOrder` (field numbers from 1; empty: left to right).
  static EntryGrid enters(const std::vector<std::string>& fieldNames, int rows, std::vector<int> entryOrder = {});
  // "modify": the data in memory, which must outlive the grid.
  static EntryGrid modify(const DataStore& store);
  // "decimals" and "total": one row, one cell per column.
  static EntryGrid decimals(const std::vector<std::string>& columnNames, int preset);
  static EntryGrid total(const std::vector<std::string>& columnNames);

  // Where SAVE reports a refused cell (a field without a name, a code out of range); without
  // it SAVE refuses silently.
  void setPrompts(ui::PromptPort& prompts) { prompts_ = &prompts; }
  // The locale's decimal separator for the codes typed ("modify" takes the store's).
  void setDecimalSeparator(char separator) { separator_ = separator; }

  std::string formName() const override { return "blank"; }
  bool isOpen() const override { return open_; }
  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  ui::EventResult enter(const std::string& control, int index) override;
  ui::EventResult key(const std::string& control, int index, const std::string& keyName) override;
  // mode, lblInfo(i), cursor "R C", txtcell, sgrid(0,c) captions, then sgrid(r,c) cells: every
  // cell, or in "modify" the cursor's row and the cells typed over.
  std::vector<std::pair<std::string, std::string>> fields() const override;

  GridMode mode() const { return mode_; }
  const std::vector<std::string>& infoLines() const { return info_; }
  int rowCount() const { return rows_; }
  int columnCount() const { return static_cast<int>(captions_.size()); }
  std::string columnCaption(int column) const;
  std::string rowCaption(int row) const;
  std::string cell(int row, int column) const;
  bool isEditable(int row, int column) const;
  int cursorRow() const { return cursorRow_; }
  int cursorColumn() const { return cursorColumn_; }

  // The events, for the views.
  void pick(int row, int column);
  void setCell(int row, int column, const std::string& text);
  void typeText(const std::string& text);  // into the current cell, or pasted from it
  void pressEnter();
  bool pressKey(const std::string& keyName);  // false for a key the grid does not know
  void save();
  void cancel();

  bool saved() const { return saved_; }
  // "cancel" once closed without SAVE, "" otherwise.
  std::string answer() const { return saved_ || open_ ? std::string() : gridText::cancelAnswer; }
  // The texts of one row, columns 1..columnCount().
  std::vector<std::string> rowTexts(int row) const;
  // Field numbers (1-based) in the order the cursor visits them.
  const std::vector<int>& entryOrder() const { return entryOrder_; }

  // After "enters" was saved: a new data set in `store` (cells, names, codes, counts), the old
  // one cleared. The four special fields come first in the grid; a field named like a
  // standard oxide takes the standard name's form and its place in stdColumn, as on a read.
  void storeNewDataSet(DataStore& store, const StandardTable& standards) const;
  // After "modify" was saved: the cells typed over, written back into `store`.
  void applyEdits(DataStore& store) const;

 private:
  EntryGrid(GridMode mode, std::vector<std::string> captions, int rows);
  long long cellKey(int row, int column) const { return static_cast<long long>(row) * (columnCount() + 1) + column; }
  std::string baseCell(int row, int column) const;
  bool inGrid(int row, int column) const { return row >= 1 && row <= rows_ && column >= 1 && column <= columnCount(); }
  int columnOf(const std::string& text) const;
  void moveTo(int row, int column);
  std::optional<std::pair<std::string, std::pair<int, int>>> firstRefusal() const;
  std::optional<std::pair<std::string, std::pair<int, int>>> codeRefusal(int row, int column) const;
  bool isCodeColumn(int column) const;

  GridMode mode_;
  std::vector<std::string> captions_;
  std::vector<std::string> info_;
  int rows_ = 0;
  const DataStore* source_ = nullptr;       // "modify": what the cells show until typed over
  std::map<long long, std::string> typed_;  // cells typed (or preset), by key(row, column)
  std::vector<int> entryOrder_;
  int cursorRow_ = 1;
  int cursorColumn_ = 1;
  bool open_ = true;
  bool saved_ = false;
  char separator_ = '.';
  ui::PromptPort* prompts_ = nullptr;
};

// The entry order from the "order" grid's row: fields with a number above 0, by that number
// (ties left to right); an order that skips every field counts as left to right.
std::vector<int> entryOrderFromRow(const std::vector<std::string>& orderRow, char decimalSeparator = '.');

}  // namespace lavix::data
