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
  // "U": column values as stored; "MA": molecularAmount(row, standard index 1..17) are the
  // molecular proportions the recalculations hand over. A standard oxide's name (AL2O3) stands
  // for its molecular proportion, an element symbol (AL, FE) for its cation proportion: the
  // sum over its oxides of proportion x cations per formula unit (Fe = 2 Fe2O3 + FeO). Both
  // hold whether or not the data set has such a column and come before a column of that name
  // (a K column in ppm does not hide K2O's K); other columns read 0.
  std::string formulaBasis = "U";
  std::function<float(int row, int standardIndex)> molecularAmount;
  // "U": a standard oxide's name that no column bears and the data set lacks reads 0 without
  // "Did not match" (library records name FeO and Fe2O3 whichever of them the data hold).
  bool absentOxidesZero = false;
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
