// The columns of the extra parameters: Eu*, Ce*, Nb*, Density and Viscosity of every analysis,
// and those that Controls/extra.txt or Controls/pearce.txt define by formulas.
#pragma once

#include <vector>

#include "lavix/calc/FormulaEvaluator.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"
#include "lavix/recalc/AppendColumns.h"
#include "lavix/recalc/ParameterFile.h"

namespace lavix::recalc {

// "Eu*", "Ce*", "Nb*" (ppm; "0" where a neighbour is missing), "Density" (g/cm3, the iron split
// with `feRatioTerm`) and "Viscosity" (log10 Pa s at 1273 K, 2 wt % water), "0" where they cannot
// be had. Numbers in the general number format (Viscosity in double precision).
std::vector<NamedColumn> builtInExtraColumns(const data::DataStore& store, const data::StandardTable& standard,
                                             float feRatioTerm);

// Each definition's formula evaluated for rows 1..rowCount in `context` (its basis, zeros
// and messages), in the general number format. A formula that the evaluator refuses gives
// 0 in every row. `calcResult` is the evaluator's output vector (rowCount + 1 entries at least).
std::vector<NamedColumn> evaluateParameters(const calc::FormulaContext& context,
                                            const std::vector<ParameterDefinition>& definitions,
                                            std::vector<float>& calcResult);

}  // namespace lavix::recalc
