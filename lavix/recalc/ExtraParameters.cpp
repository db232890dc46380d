// The columns of the extra parameters and of the parameter definition files.
#include "lavix/recalc/ExtraParameters.h"

#include <algorithm>

#include "common/format/NumberFormat.h"
#include "lavix/recalc/Anomalies.h"
#include "lavix/recalc/MeltParameters.h"

namespace lavix::recalc {

namespace {

std::string cellOf(double value) {
  return value == 0 ? std::string("0") : format::generalFormat(static_cast<float>(value));
}

std::size_t rowsOf(const data::DataStore& store) { return static_cast<std::size_t>(std::max<int>(store.rowCount, 0)); }

}  // namespace

std::vector<NamedColumn> builtInExtraColumns(const data::DataStore& store, const data::StandardTable& standard,
                                             float feRatioTerm) {
  const std::size_t rows = rowsOf(store);
  std::vector<NamedColumn> columns = {{"Eu*", std::vector<std::string>(rows)},
                                      {"Ce*", std::vector<std::string>(rows)},
                                      {"Nb*", std::vector<std::string>(rows)},
                                      {"Density", std::vector<std::string>(rows)},
                                      {"Viscosity", std::vector<std::string>(rows)}};
  const AnomalyColumns found = findAnomalyColumns(store);
  for (int row = 1; row <= store.rowCount; ++row) {
    store.prefetchRow(row + 2);
    const auto i = static_cast<std::size_t>(row - 1);
    auto value = [&](int16_t column) { return column > 0 ? static_cast<double>(store.value(row, column)) : 0.0; };
    columns[0].cells[i] = cellOf(euStar(value(found.sm), value(found.gd), value(found.tb)));
    columns[1].cells[i] = cellOf(ceStar(value(found.la), value(found.nd)));
    columns[2].cells[i] = cellOf(nbStar(value(found.k2o), value(found.u)));

    OxideWork oxides{};
    for (int k = 1; k <= ironModelOxides; ++k) oxides[static_cast<std::size_t>(k)] = store.stdValue(row, k);
    const auto density = meltDensity(oxides, standard, feRatioTerm);
    columns[3].cells[i] = density ? cellOf(*density) : "0";
    const auto viscosity = meltViscosity(oxides, standard);
    columns[4].cells[i] = viscosity ? format::generalFormat(*viscosity) : "0";
  }
  return columns;
}

std::vector<NamedColumn> evaluateParameters(const calc::FormulaContext& context,
                                            const std::vector<ParameterDefinition>& definitions,
                                            std::vector<float>& calcResult) {
  const std::size_t rows = rowsOf(context.store);
  if (calcResult.size() < rows + 1) calcResult.resize(rows + 1, 0.0f);
  std::vector<NamedColumn> columns;
  columns.reserve(definitions.size());
  for (const ParameterDefinition& definition : definitions) {
    // A refused formula leaves calcResult as it was: zeros, not the last formula's values.
    std::fill(calcResult.begin(), calcResult.begin() + static_cast<std::ptrdiff_t>(rows + 1), 0.0f);
    calc::evaluateFormula(context, definition.formula, calcResult);
    NamedColumn column{definition.name, std::vector<std::string>(rows)};
    for (std::size_t r = 1; r <= rows; ++r) column.cells[r - 1] = format::generalFormat(calcResult[r]);
    columns.push_back(std::move(column));
  }
  return columns;
}

}  // namespace lavix::recalc
