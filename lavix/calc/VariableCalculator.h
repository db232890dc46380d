// The variable calculator window `varform`: builds a variable from the data for an axis of
// the current diagram or as a new column, from its button panel or its formula box.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"
#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/DialogExchange.h"
#include "lavix/data/NormalisationTable.h"
#include "lavix/data/StandardTable.h"
#include "lavix/diagram/PlotValues.h"

namespace lavix::calc {

// The user texts of the calculator, in one place.
namespace varformText {
inline constexpr const char* selectAction = "Select action or variable";
inline constexpr const char* selectA = "Select Variable for A";
inline constexpr const char* selectB = ".  Select Variable for B";  // after "A is " + name
inline constexpr const char* selectTransform = "Select Variable to Transform";
inline constexpr const char* enterConstant = "Enter a constant";
inline constexpr const char* onlyOxides = "Can only transform oxides";
inline constexpr const char* noNormalisingValue = "didn't find normalizing value";
inline constexpr const char* noRoomForColumn =
    "The data matrix has no room for another column. Reset the data matrix with more columns to add one.";
inline constexpr const char* noRoomForWorking =
    "The data matrix has no room for the calculator's working variables. Reset the data matrix with more "
    "columns to use them.";
inline constexpr const char* cancelAnswer = "CANCEL";
}  // namespace varformText

// What the calculator works on; the caller (the session) owns all of it.
struct CalculatorContext {
  data::DataStore& store;
  const data::StandardTable& standard;
  data::DialogExchange& exchange;  // `answer` becomes "CANCEL" after Cancel, "" after a choice
  ui::PromptPort& prompts;
  std::vector<float>& calcResult;  // the formula evaluator's output, rows 0..maxRows
  diagram::PlotValues& plot;
  bool zerosIn = false;
  // Gives a column appended for "New Variable" its normValue; null: 1 (none).
  const data::NormalisationTable* normalisation = nullptr;
};

class VariableCalculator : public ui::FormModel {
 public:
  static constexpr int workingCount = 5;
  static constexpr std::array<const char*, 10> operationCaptions = {
      "const.", "A+B", "A-B", "A*B", "A/B", "ppm", "S-norm", "Log", "square", "sqr. root"};
  static constexpr const char* operationCodes = "ABCDEVWXYZ";

  enum class State { Idle, ChooseA, ChooseB, ChooseT };

  // `selectorTitle`: "New Variable", "X-Axis Variable" ...; its first letter picks the target.
  VariableCalculator(CalculatorContext& context, std::string selectorTitle);

  std::string formName() const override { return "varform"; }
  bool isOpen() const override { return open_; }

  // Controls: varbut ITEM (caption or #n), cancel; Formula takes type and enter.
  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  ui::EventResult enter(const std::string& control, int index) override;
  // varbut(1..n), inputlab, Formula.
  std::vector<std::pair<std::string, std::string>> fields() const override;

  // The events themselves, for the views.
  void clickButton(int position);  // 1-based position in the panel
  void cancel();
  void setFormula(const std::string& formula) { formula_ = formula; }
  void enterFormula();

  const std::string& selectorTitle() const { return selectorTitle_; }
  char target() const { return target_; }
  State state() const { return state_; }
  const std::string& prompt() const { return prompt_; }  // `inputlab`
  const std::string& formula() const { return formula_; }
  // The panel's captions in order: columns, working variables, operations.
  std::vector<std::string> captions() const;
  int buttonCount() const { return columns_ + workingCount + static_cast<int>(operationCaptions.size()); }
  int columnButtons() const { return columns_; }

  // "CANCEL" after Cancel, "" after a choice (and while open).
  const std::string& result() const { return result_; }
  // The chosen variable's name or the formula text.
  const std::string& label() const { return label_; }

 private:
  // A variable of the panel: a data column (1..columns_) or working variable 1..5.
  struct Variable {
    int column = 0;   // matrix column
    int working = 0;  // 1..5 for a working variable, else 0
  };

  Variable variableAt(int position) const;
  std::string nameOf(const Variable& v) const;
  float valueOf(const Variable& v, int row) const;
  std::vector<float> valuesOf(const Variable& v) const;
  bool hasRoom(int column) const;
  int nextWorkingColumn() const { return columns_ + nextWorking_; }
  void storeWorking(const std::vector<std::string>& cells, const std::string& name);

  void operation(int index);  // 0..9
  void variable(const Variable& v);
  void constant();
  void combine(const Variable& b);
  void transform(const Variable& v);
  void choose(const Variable& v);
  void toAxis(char letter, const std::vector<float>& values, const std::string& title, int column, bool panel);
  void toNewColumn(const Variable& v);
  void close(const std::string& result);
  void idle();

  CalculatorContext& context_;
  std::string selectorTitle_;
  char target_;
  int columns_;  // columnCount when the window opened
  State state_ = State::Idle;
  char operation_ = 0;  // the code letter of the pending operation
  Variable a_;
  int nextWorking_ = 1;
  std::array<std::string, workingCount + 1> workingName_;  // 1..5; "0" until used
  std::array<bool, workingCount + 1> workingUsed_{};
  std::string prompt_;
  std::string formula_;
  bool open_ = true;
  std::string result_;
  std::string label_;
};

struct SelectorOutcome {
  bool cancelled = true;
  std::string label;  // the chosen variable's name or the formula text
};

// Opens the calculator modally through the prompt port; a window that closes without a
// choice (or cannot be shown) counts as cancelled.
SelectorOutcome selectVariable(CalculatorContext& context, const std::string& selectorTitle);

}  // namespace lavix::calc
