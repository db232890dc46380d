// A small calculator session for the varform tests: store, tables, scripted prompts, plot.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "lavix/calc/VariableCalculator.h"

namespace lavix::testing {

inline data::StandardTable calculatorStandards() {
  data::StandardTable table;
  const char* names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                         "K2O",  "P2O5", "NiO",   "Cr2O3", "H2O", "LOI", "CO2", "SO3"};
  const char* elements[] = {"Si", "Ti", "Al", "Fe", "Fe", "Mn", "Mg", "Ca", "Na",
                            "K",  "P",  "Ni", "Cr", "H",  "LOI", "C", "S"};
  for (int k = 1; k <= data::standardCount; ++k) {
    table.stdName[static_cast<std::size_t>(k)] = names[k - 1];
    table.stdElement[static_cast<std::size_t>(k)] = elements[k - 1];
    table.elementFactor[static_cast<std::size_t>(k)] = 1000.0f * static_cast<float>(k);
  }
  table.elementFactor[2] = 5995.0f;  // Ti per wt% TiO2
  return table;
}

// Columns SiO2, TiO2, Zr, Rb over three rows; SiO2 and TiO2 are standard columns 1 and 2.
struct CalculatorSession {
  data::DataStore store;
  data::StandardTable standard = calculatorStandards();
  data::DialogExchange exchange;
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript};
  std::vector<float> calcResult;
  diagram::PlotValues plot;
  calc::CalculatorContext context{store, standard, exchange, prompts, calcResult, plot, false, nullptr};

  explicit CalculatorSession(int16_t maxColumns = 20) {
    store.allocate(30, maxColumns);
    exchange.allocate(store.maxRows);
    plot.allocate(store.maxRows);
    calcResult.assign(static_cast<std::size_t>(store.maxRows) + 1, 0.0f);
    setColumns({"SiO2", "TiO2", "Zr", "Rb"});
    const std::vector<std::vector<std::string>> rows = {
        {"50", "1.5", "100", "4"}, {"60", "0.5", "200", ""}, {"", "2", "0", "-1"}};
    store.rowCount = static_cast<int16_t>(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        store.setCell(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    store.stdColumn[1] = 1;
    store.stdColumn[2] = 2;
    store.stdIndexOfColumn[1] = 1;
    store.stdIndexOfColumn[2] = 2;
  }

  void setColumns(const std::vector<std::string>& names) {
    for (std::size_t c = 0; c < names.size(); ++c) store.columnName[c + 1] = names[c];
    store.columnCount = store.fileColumnCount = static_cast<int16_t>(names.size());
  }

  std::string cell(int row, int column) const { return std::string(store.cell(row, column)); }
  std::vector<std::string> columnCells(int column) const {
    std::vector<std::string> cells;
    for (int row = 1; row <= store.rowCount; ++row) cells.push_back(cell(row, column));
    return cells;
  }
  bool said(const std::string& text) const {
    const auto& lines = transcript.lines();
    return std::find(lines.begin(), lines.end(), "message: " + text) != lines.end();
  }
};

// Clicks panel buttons by caption (or #n), failing the test for an unknown one.
inline void clickAll(calc::VariableCalculator& calculator, const std::vector<std::string>& items) {
  for (const auto& item : items) {
    const auto result = calculator.click("varbut", item);
    if (result != ui::EventResult::Done) ADD_FAILURE() << "click varbut " << item;
  }
}

}  // namespace lavix::testing
