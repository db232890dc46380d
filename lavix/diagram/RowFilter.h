// Which rows a diagram plots: the symbol selection, the kind's zero and range tests, the subset.
#pragma once

#include <string_view>

#include "lavix/data/DataStore.h"
#include "lavix/data/SubsetCriteria.h"
#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

struct RowFilterContext {
  const DiagramSettings& settings;
  const data::DataStore& data;
  const SymbolTable& symbols;
  const data::SubsetCriteria& subset;
  bool zerosIn = false;
  const std::vector<int16_t>* normFlag = nullptr;  // columns the subset limits take recast to 100
};

// plotsRow: true when `row` is drawn in a diagram of `kind` ("XY", "TRI", "HIST"; any other
// kind applies only the symbol and subset tests). Rows beyond rowCount (model curves) always are.
bool plotsRow(const RowFilterContext& context, int row, std::string_view kind);

}  // namespace lavix::diagram
