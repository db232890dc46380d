// The formula evaluator: one value per analysis from a formula over the data columns.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"

namespace lavix::calc {

// What a formula is evaluated against. The caller owns everything.
struct FormulaContext {
  const data::DataStore& store;
  const data::StandardTable& standard;
  ui::PromptPort& prompts;      // the evaluator's messages
  bool zerosIn = false;         // when off, a term that is 0 in a row makes the row's result 0
  // "U": column values as stored; "MA": for a standard-oxide column, molecularAmount(row,
  // standard index 1..17) (filled by the recalculations), 0 for other columns. In "MA" a
  // standard oxide's name (FE2O3) and an element symbol (FE: the sum over Fe2O3 and FeO)
  // also stand for those amounts, whether or not the data set has the column, and an element
  // symbol is taken before a column of that name (a K column in ppm does not hide K2O's K).
  std::string formulaBasis = "U";
  std::function<float(int row, int standardIndex)> molecularAmount;
  // "U": per column, 1 when its values are taken recast to 100 (times the row's totalFactor);
  // null: as stored.
  const std::vector<int16_t>* normFlag = nullptr;
};

// Evaluates `formula` for rows 1..store.rowCount into calcResult[1..rowCount] (calcResult
// must hold rowCount+1 entries; entry 0 is left alone). Messages go to context.prompts.
// Returns false when the formula was refused ("Parentheses don't match", or a working
// storage limit), in which case calcResult keeps its previous content.
bool evaluateFormula(const FormulaContext& context, const std::string& formula, std::vector<float>& calcResult);

}  // namespace lavix::calc
