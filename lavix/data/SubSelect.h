// The selection window `SubSelect`: edits the subset criteria through its LIMITS, MATCH and
// EXCLUDE lists; Done commits them, closing any other way leaves them as they were.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"
#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/SubsetCriteria.h"

namespace lavix::data {

// The user texts of the selection window, in one place.
namespace subSelectText {
inline constexpr const char* caption = "Selection window";
inline constexpr const char* limitsHeading = "Set Numerical Limits";
inline constexpr const char* matchHint = "Click a value in the Values list to add it to the MATCH List";
inline constexpr const char* excludeHint = "Click a value in the Values list to add  it to the EXCLUDE List";
inline constexpr const char* removeHint = "DoubleClick an item to remove it";
inline constexpr const char* limitsFull = "The LIMITS list is full: it holds at most 30 entries.";
inline constexpr const char* matchFull = "The MATCH list is full: it holds at most 30 entries.";
inline constexpr const char* excludeFull = "The EXCLUDE list is full: it holds at most 30 entries.";
inline constexpr const char* noVariable = "Click a variable in the Variables list first.";
inline constexpr const char* minNotNumber = "Min= must be a number.";
inline constexpr const char* maxNotNumber = "Max= must be a number.";
inline constexpr const char* entryIndent = "        ";
inline constexpr const char* samplesOf = " of ";  // "45 of 109 samples selected"
inline constexpr const char* samplesSelected = " samples selected";
}  // namespace subSelectText

// Controls (script names):
//   List1 ITEM      variables: "Jcode", "Kcode", "Lcode", then the column names (a column may
//                   also be named without its markup)
//   List2 ITEM      the chosen variable's distinct values; adds one to MATCH or EXCLUDE
//   List3 ITEM      LIMITS entries (selects one for Edit/Delete Limit)
//   List4 / List5   MATCH / EXCLUDE entries (selects one)
//   key List3|List4|List5 [#n] Delete   removes entry n (or the selected one): the GUI's
//                   double-click on an entry maps to this
//   optMatch, optExclude            where a click in List2 goes
//   activeOn, activeOff             the "active" switch
//   cmdAddLimits, cmdEditLimit, cmdDeleteLimit, cmdClearAll, cmdDone, close
//   type Text2 / Text3 TEXT         the Min= and Max= boxes
class SubSelect : public ui::FormModel {
 public:
  // `normFlag`: per column, 1 when its values are recast to 100 volatile-free; null: none.
  SubSelect(const DataStore& store, SubsetCriteria& criteria, ui::PromptPort& prompts,
            const std::vector<int16_t>* normFlag = nullptr);
  SubSelect(const SubSelect&) = delete;
  SubSelect& operator=(const SubSelect&) = delete;

  std::string formName() const override { return "SubSelect"; }
  std::string caption() const { return subSelectText::caption; }
  bool isOpen() const override { return open_; }

  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  ui::EventResult key(const std::string& control, int index, const std::string& keyName) override;
  // List1(n) .. List5(n) (n from 1), Text2, Text3, hint, optMatch, optExclude, activeOn,
  // activeOff (options as 1 or 0), labCount (how many samples the lists select).
  std::vector<std::pair<std::string, std::string>> fields() const override;

  const ui::CommandTable& commands() const { return commands_; }

  // The events themselves, for the views; positions are 1-based.
  void clickVariable(int position);
  void clickValue(int position);
  void selectEntry(int list, int position);  // list 3, 4 or 5
  void removeEntry(int list, int position);  // the double-click
  void chooseExclude(bool exclude);
  void setActive(bool active) { active_ = active; }
  void setMinText(const std::string& text) { minText_ = text; }
  void setMaxText(const std::string& text) { maxText_ = text; }
  void addLimits();
  void editLimit();
  void deleteLimit();
  void clearAll();
  void done();
  void close() { open_ = false; }

  const std::vector<std::string>& variables() const { return variables_; }
  const std::vector<std::string>& values() const { return values_; }
  const std::vector<std::string>& limitsList() const { return lists_[0]; }
  const std::vector<std::string>& matchList() const { return lists_[1]; }
  const std::vector<std::string>& excludeList() const { return lists_[2]; }
  const std::string& minText() const { return minText_; }
  const std::string& maxText() const { return maxText_; }
  const char* hint() const { return exclude_ ? subSelectText::excludeHint : subSelectText::matchHint; }
  bool excludeChosen() const { return exclude_; }
  bool active() const { return active_; }
  std::optional<int16_t> currentVariable() const { return current_; }
  // How many samples the criteria as the lists now show them select, and the label saying so.
  int selectedCount() const;
  std::string selectedCountText() const;

  // The list texts of one criterion, and back; nullopt when the text names no variable
  // of the data set or its numbers do not read.
  static std::string limitText(const std::string& name, float minimum, float maximum);
  static std::string valueText(const std::string& name, const std::string& value);
  std::optional<LimitCriterion> parseLimit(const std::string& entry) const;
  std::optional<ValueCriterion> parseValue(const std::string& entry) const;

 private:
  std::vector<std::string>& list(int number) { return lists_[static_cast<std::size_t>(number - 3)]; }
  int& selected(int number) { return selected_[static_cast<std::size_t>(number - 3)]; }
  void showVariable(int16_t variable);
  void presetRange(int16_t variable);
  int16_t variableAt(int position) const;
  SubsetCriteria criteriaShown() const;

  const DataStore& store_;
  SubsetCriteria& criteria_;
  ui::PromptPort& prompts_;
  const std::vector<int16_t>* normFlag_;
  ui::CommandTable commands_;

  std::vector<std::string> variables_;               // List1
  std::vector<std::string> values_;                  // List2
  std::vector<std::string> lists_[3];                // List3 LIMITS, List4 MATCH, List5 EXCLUDE
  int selected_[3] = {0, 0, 0};                      // chosen entry of each, 0 none
  std::optional<int16_t> current_;                   // the variable List2 shows
  std::string minText_, maxText_;                    // Text2, Text3
  bool exclude_ = false;
  bool active_ = true;
  bool open_ = true;
};

// The distinct non-empty texts of a variable over rows 1..rowCount, numerically ascending
// when every one reads as a number (equal values by text), else in byte order.
std::vector<std::string> distinctValues(const DataStore& store, int16_t variable);

}  // namespace lavix::data
