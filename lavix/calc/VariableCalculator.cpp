// The variable calculator window `varform`: builds a variable from the data for an axis of
// the current diagram or as a new column, from its button panel or its formula box.
#include "lavix/calc/VariableCalculator.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/calc/FormulaEvaluator.h"
#include "lavix/data/DataFileReader.h"
#include "lavix/data/SubsetCriteria.h"

namespace lavix::calc {

namespace {

bool isAxisTarget(char letter) {
  return letter == 'X' || letter == 'H' || letter == 'Y' || letter == 'Z' || letter == 'P';
}

// Rows 1..rowCount of a per-row array, grown when it was never allocated that far.
std::vector<float>& rowsOf(std::vector<float>& values, int rowCount) {
  const auto needed = static_cast<std::size_t>(rowCount) + 1;
  if (values.size() < needed) values.resize(needed + diagram::spareCurveEntries, 0.0f);
  return values;
}

}  // namespace

VariableCalculator::VariableCalculator(CalculatorContext& context, std::string selectorTitle)
    : context_(context),
      selectorTitle_(std::move(selectorTitle)),
      target_(selectorTitle_.empty() ? '\0'
                                     : static_cast<char>(std::toupper(static_cast<unsigned char>(selectorTitle_[0])))),
      columns_(std::max<int>(context.store.columnCount, 0)),
      prompt_(varformText::selectAction) {
  workingName_.fill("0");
}

std::vector<std::string> VariableCalculator::captions() const {
  std::vector<std::string> result;
  result.reserve(static_cast<std::size_t>(buttonCount()));
  for (int c = 1; c <= columns_; ++c) result.push_back(nameOf({c, 0}));
  for (int j = 1; j <= workingCount; ++j) result.push_back(workingName_[static_cast<std::size_t>(j)]);
  for (const char* caption : operationCaptions) result.emplace_back(caption);
  return result;
}

std::vector<std::pair<std::string, std::string>> VariableCalculator::fields() const {
  std::vector<std::pair<std::string, std::string>> result;
  const auto all = captions();
  for (std::size_t i = 0; i < all.size(); ++i) result.emplace_back("varbut(" + std::to_string(i + 1) + ")", all[i]);
  result.emplace_back("inputlab", prompt_);
  result.emplace_back("Formula", formula_);
  return result;
}

ui::EventResult VariableCalculator::click(const std::string& control, const std::string& item) {
  if (control == "varbut") {
    const auto all = captions();
    int position = ui::findItem(all, item);
    // A script may name a column without its markup: Fe2O3 for Fe[2]O[3].
    if (position == 0 && !ui::itemPosition(item)) {
      const std::string wanted = text::normaliseName(text::trim(item));
      for (std::size_t i = 0; i < all.size() && position == 0; ++i)
        if (!wanted.empty() && text::normaliseName(all[i]) == wanted) position = static_cast<int>(i) + 1;
    }
    if (position == 0) return ui::EventResult::UnknownItem;
    if (!open_) return ui::EventResult::Disabled;
    clickButton(position);
    return ui::EventResult::Done;
  }
  if (text::equalsIgnoreCase(control, "cancel")) {
    if (!open_) return ui::EventResult::Disabled;
    cancel();
    return ui::EventResult::Done;
  }
  return ui::EventResult::UnknownControl;
}

ui::EventResult VariableCalculator::type(const std::string& control, int index, const std::string& text) {
  (void)index;
  if (control != "Formula") return ui::EventResult::UnknownControl;
  if (!open_) return ui::EventResult::Disabled;
  setFormula(text);
  return ui::EventResult::Done;
}

ui::EventResult VariableCalculator::enter(const std::string& control, int index) {
  (void)index;
  if (control != "Formula") return ui::EventResult::UnknownControl;
  if (!open_) return ui::EventResult::Disabled;
  enterFormula();
  return ui::EventResult::Done;
}

void VariableCalculator::clickButton(int position) {
  if (!open_ || position < 1 || position > buttonCount()) return;
  if (position > columns_ + workingCount) {
    operation(position - columns_ - workingCount - 1);
    return;
  }
  variable(variableAt(position));
}

void VariableCalculator::cancel() {
  if (!open_) return;
  label_.clear();
  close(varformText::cancelAnswer);
}

VariableCalculator::Variable VariableCalculator::variableAt(int position) const {
  if (position <= columns_) return {position, 0};
  const int working = position - columns_;
  return {columns_ + working, working};
}

std::string VariableCalculator::nameOf(const Variable& v) const {
  if (v.working > 0) return workingName_[static_cast<std::size_t>(v.working)];
  const auto& names = context_.store.columnName;
  return v.column >= 0 && v.column < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(v.column)]
                                                                    : std::string();
}

std::vector<float> VariableCalculator::valuesOf(const Variable& v, bool recast) const {
  const int rows = std::max<int>(context_.store.rowCount, 0);
  std::vector<float> values(static_cast<std::size_t>(rows), 0.0f);
  // A working variable that was never given a value is 0 whatever its spare column holds.
  if (v.working > 0 && !workingUsed_[static_cast<std::size_t>(v.working)]) return values;
  const std::vector<int16_t>* flags = recast && v.working == 0 ? context_.normFlag : nullptr;
  for (int row = 1; row <= rows; ++row)
    values[static_cast<std::size_t>(row - 1)] =
        data::variableValue(context_.store, static_cast<int16_t>(v.column), row, flags);
  return values;
}

bool VariableCalculator::hasRoom(int column) const {
  return column >= 1 && column < context_.store.matrixColumns() &&
         column < static_cast<int>(context_.store.columnName.size()) && column <= std::numeric_limits<int16_t>::max();
}

void VariableCalculator::idle() {
  state_ = State::Idle;
  operation_ = 0;
  prompt_ = varformText::selectAction;
}

void VariableCalculator::operation(int index) {
  if (index < 0 || index >= static_cast<int>(operationCaptions.size())) return;
  const char code = operationCodes[index];
  idle();  // an operation clicked while a variable was awaited starts afresh
  if (code == 'A') {
    constant();
    return;
  }
  if (code >= 'B' && code <= 'E') {
    if (!hasRoom(nextWorkingColumn())) {
      ui::say(context_.prompts, varformText::noRoomForWorking);
      return;
    }
    operation_ = code;
    state_ = State::ChooseA;
    prompt_ = varformText::selectA;
    return;
  }
  operation_ = code;
  state_ = State::ChooseT;
  prompt_ = varformText::selectTransform;
}

void VariableCalculator::variable(const Variable& v) {
  switch (state_) {
    case State::Idle:
      choose(v);
      return;
    case State::ChooseA:
      a_ = v;
      state_ = State::ChooseB;
      prompt_ = "A is " + nameOf(v) + varformText::selectB;
      return;
    case State::ChooseB: {
      const std::string built = combine(v);
      idle();
      if (!built.empty()) offerAsColumn(built);
      return;
    }
    case State::ChooseT: {
      const std::string built = transform(v);
      idle();
      if (!built.empty()) offerAsColumn(built);
      return;
    }
  }
}

bool VariableCalculator::storeWorking(const std::vector<std::string>& cells, const std::string& name) {
  const int column = nextWorkingColumn();
  if (!hasRoom(column)) {
    ui::say(context_.prompts, varformText::noRoomForWorking);
    return false;
  }
  context_.store.setColumn(column, 1, cells);
  workingName_[static_cast<std::size_t>(nextWorking_)] = name;
  workingUsed_[static_cast<std::size_t>(nextWorking_)] = true;
  nextWorking_ = nextWorking_ % workingCount + 1;
  return true;
}

void VariableCalculator::offerAsColumn(const std::string& name) {
  if (target_ == 'N') prompt_ = varformText::clickToAdd + name + varformText::toAddColumn;
}

void VariableCalculator::constant() {
  if (!hasRoom(nextWorkingColumn())) {
    ui::say(context_.prompts, varformText::noRoomForWorking);
    return;
  }
  const auto typed = context_.prompts.input({varformText::enterConstant, {}, {}});
  if (!typed) return;
  const std::string cell = format::shortestText(text::parseNumber(*typed, context_.store.decimalSeparator));
  if (storeWorking(std::vector<std::string>(static_cast<std::size_t>(std::max<int>(context_.store.rowCount, 0)), cell),
                   cell))
    offerAsColumn(cell);
}

std::string VariableCalculator::combine(const Variable& b) {
  const auto first = valuesOf(a_);
  const auto second = valuesOf(b);
  static constexpr char symbols[] = "+-*/";
  const char op = symbols[operation_ - 'B'];
  std::vector<std::string> cells(first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    float r = 0;
    switch (op) {
      case '+': r = first[i] + second[i]; break;
      case '-': r = first[i] - second[i]; break;
      case '*': r = first[i] * second[i]; break;
      default: r = first[i] / second[i]; break;
    }
    if (r == 0) r = 0.0f;  // no "-0" in the matrix
    // A division by 0 leaves the cell empty (a missing value), never "inf" text.
    cells[i] = format::shortestText(r);
  }
  const std::string name = "(" + nameOf(a_) + op + nameOf(b) + ")";
  return storeWorking(cells, name) ? name : std::string();
}

std::string VariableCalculator::transform(const Variable& v) {
  const std::string name = nameOf(v);
  const auto values = valuesOf(v, false);
  auto& store = context_.store;
  const auto& standard = context_.standard;
  std::vector<std::string> cells(values.size());
  std::string newName;

  switch (operation_) {
    case 'V': {  // ppm: wt% oxide to ppm element
      const int k = v.working > 0 ? 0 : standard.indexOfName(name);
      if (k == 0) {
        ui::say(context_.prompts, varformText::onlyOxides);
        return {};
      }
      const float factor = standard.elementFactor[static_cast<std::size_t>(k)];
      for (std::size_t i = 0; i < values.size(); ++i) cells[i] = format::shortestText(values[i] * factor);
      newName = standard.stdElement[static_cast<std::size_t>(k)];
      break;
    }
    case 'W': {  // S-norm: divided by the normalisation file's value
      float norm = 1;
      if (v.working == 0 && standard.indexOfName(name) == 0 && v.column < static_cast<int>(store.normValue.size()))
        norm = store.normValue[static_cast<std::size_t>(v.column)];
      if (norm == 1.0f || norm == 0.0f) {
        ui::say(context_.prompts, varformText::noNormalisingValue);
        return {};
      }
      for (std::size_t i = 0; i < values.size(); ++i) cells[i] = format::shortestText(values[i] / norm);
      newName = name + "[N]";
      break;
    }
    case 'X':  // Log: a value of 0 or less becomes 15
      for (std::size_t i = 0; i < values.size(); ++i)
        cells[i] = values[i] <= 0 ? std::string("15") : format::shortestText(std::log10(static_cast<double>(values[i])));
      newName = "Log " + name;
      break;
    case 'Y':
      for (std::size_t i = 0; i < values.size(); ++i) cells[i] = format::shortestText(values[i] * values[i]);
      newName = "(" + name + "){2}";
      break;
    case 'Z':  // a negative value counts as 0
      for (std::size_t i = 0; i < values.size(); ++i)
        cells[i] = format::shortestText(std::sqrt(static_cast<double>(std::max(values[i], 0.0f))));
      newName = "(" + name + "){.5}";
      break;
    default:
      return {};
  }

  store.setColumn(v.column, 1, cells);
  if (v.working > 0) {
    workingName_[static_cast<std::size_t>(v.working)] = newName;
    workingUsed_[static_cast<std::size_t>(v.working)] = true;
    return newName;
  }
  store.columnName[static_cast<std::size_t>(v.column)] = newName;
  // Its cells are no longer the analysis's, so they are not recast either.
  if (context_.normFlag && static_cast<std::size_t>(v.column) < context_.normFlag->size())
    (*context_.normFlag)[static_cast<std::size_t>(v.column)] = 0;
  // The column no longer holds the oxide in wt%: the recalculations must not take it for one.
  for (int k = 1; k <= data::standardCount; ++k) {
    if (store.stdColumn[static_cast<std::size_t>(k)] != v.column) continue;
    store.stdColumn[static_cast<std::size_t>(k)] = 0;
    if (store.feoStd == k) store.feoStd = 0;
    if (store.fe2o3Std == k) store.fe2o3Std = 0;
  }
  if (v.column < static_cast<int>(store.stdIndexOfColumn.size()))
    store.stdIndexOfColumn[static_cast<std::size_t>(v.column)] = 0;
  return {};
}

void VariableCalculator::choose(const Variable& v) {
  const std::string name = nameOf(v);
  if (target_ == 'N') {
    const int column = context_.store.columnCount + 1;
    if (!hasRoom(column)) {
      ui::say(context_.prompts, varformText::noRoomForColumn);
      return;
    }
    appendColumn(valuesOf(v, false), name);
  } else if (isAxisTarget(target_)) {
    toAxis(target_, valuesOf(v), name, v.working > 0 ? 0 : v.column, true);
  }
  label_ = name;
  close("");
}

bool VariableCalculator::appendColumn(const std::vector<float>& values, const std::string& name) {
  auto& store = context_.store;
  const int column = store.columnCount + 1;
  if (!hasRoom(column)) {
    ui::say(context_.prompts, varformText::noRoomForColumn);
    return false;
  }
  // Written a row at a time into room made for the longest cells, then fitted: the column
  // takes no more memory than its cells.
  store.reserveColumn(column, values.size() * (format::longestFloatText + 1));
  for (std::size_t i = 0; i < values.size(); ++i)
    store.setCell(static_cast<int>(i) + 1, column, format::shortestText(values[i]));
  store.fitColumn(column);
  const auto c = static_cast<std::size_t>(column);
  store.columnName[c] = name;
  if (c < store.stdIndexOfColumn.size()) store.stdIndexOfColumn[c] = 0;
  store.columnCount = static_cast<int16_t>(column);
  store.fileColumnCount = static_cast<int16_t>(store.fileColumnCount + 1);
  if (c < store.normValue.size())
    store.normValue[c] = context_.normalisation
                             ? data::normalisingValue(store, context_.standard, *context_.normalisation, column)
                             : 1.0f;
  return true;
}

void VariableCalculator::toAxis(char letter, const std::vector<float>& values, const std::string& title, int column,
                                bool panel) {
  auto& plot = context_.plot;
  const int rows = static_cast<int>(values.size());
  auto put = [&](std::vector<float>& target) {
    rowsOf(target, rows);
    for (int row = 1; row <= rows; ++row) target[static_cast<std::size_t>(row)] = values[static_cast<std::size_t>(row - 1)];
  };
  // A panel variable named "Log ..." already holds logarithms: the axis becomes logarithmic.
  const bool isLog = panel && title.rfind("Log ", 0) == 0;
  const std::string axisTitle = isLog ? title.substr(4) : title;
  auto setLog = [&](int16_t& flag) {
    if (panel) flag = isLog ? 1 : 0;
  };
  const auto plainColumn = static_cast<int16_t>(column);
  switch (letter) {
    case 'X':
    case 'H':
      put(plot.xValue);
      plot.xTitle = axisTitle;
      setLog(plot.xLog);
      plot.xColumn = plainColumn;
      break;
    case 'Y':
      put(plot.yValue);
      plot.yTitle = axisTitle;
      setLog(plot.yLog);
      plot.yColumn = plainColumn;
      break;
    case 'Z':
      put(plot.zValue);
      plot.zTitle = axisTitle;
      setLog(plot.zLog);
      break;
    case 'P':  // no log flag: the title keeps the whole name
      put(plot.pValue);
      plot.pTitle = title;
      break;
    default:
      return;
  }
  plot.plotRowCount = context_.store.rowCount;
}

void VariableCalculator::enterFormula() {
  if (!open_ || text::trim(formula_).empty()) return;
  const int rows = std::max<int>(context_.store.rowCount, 0);
  auto& result = context_.calcResult;
  if (result.size() < static_cast<std::size_t>(rows) + 1) result.resize(static_cast<std::size_t>(rows) + 1, 0.0f);
  FormulaContext formulaContext{context_.store, context_.standard, context_.prompts, context_.zerosIn, "U", {}};
  formulaContext.normFlag = context_.normFlag;
  // A refused formula has its message; the window stays open so that it can be corrected,
  // rather than storing whatever an earlier formula left in calcResult.
  if (!evaluateFormula(formulaContext, formula_, result)) return;
  std::vector<float> values(result.begin() + 1, result.begin() + 1 + rows);
  if (isAxisTarget(target_)) toAxis(target_, values, formula_, 0, false);
  // New Variable: the formula's values become a column named by the formula.
  if (target_ == 'N' && !appendColumn(values, text::trim(formula_))) return;
  label_ = formula_;
  close("");
}

void VariableCalculator::close(const std::string& result) {
  open_ = false;
  result_ = result;
  context_.exchange.answer = result;
}

SelectorOutcome selectVariable(CalculatorContext& context, const std::string& selectorTitle) {
  VariableCalculator calculator(context, selectorTitle);
  context.prompts.runModal(calculator);
  if (calculator.isOpen()) {
    context.exchange.answer = varformText::cancelAnswer;
    return {true, {}};
  }
  return {calculator.result() == varformText::cancelAnswer, calculator.label()};
}

}  // namespace lavix::calc
