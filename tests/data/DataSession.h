// A small data session for the reader tests: store, exchange, tables, fake prompts.
#pragma once

#include <string>

#include "lavix/data/DataFileReader.h"
#include "tests/data/FakePrompts.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {

inline data::StandardTable testStandards() {
  data::StandardTable table;
  const char* names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                         "K2O", "P2O5", "H2O+", "H2O-", "CO2", "LOI", "Cr2O3", "NiO"};
  const char* elements[] = {"Si", "Ti", "Al", "Fe", "Fe", "Mn", "Mg", "Ca", "Na",
                            "K",  "P",  "H",  "H",  "C",  "LOI", "Cr", "Ni"};
  for (int k = 1; k <= data::standardCount; ++k) {
    table.stdName[k] = names[k - 1];
    table.stdElement[k] = elements[k - 1];
  }
  table.displayName = {"H[2]O{+}", "H[2]O{-}", "Fe[2]O[3]", "{87}Sr/{86}Sr"};
  return table;
}

struct DataSession {
  data::DataStore store;
  data::DialogExchange exchange;
  FakePrompts prompts;
  data::StandardTable standards = testStandards();
  data::NormalisationTable normalisation;
  data::ReadFilter filter;
  TempFolder folder;
  bool readFilterOn = false;

  explicit DataSession(int16_t rows = 50, int16_t columns = 20) {
    store.allocate(rows, columns);
    exchange.allocate(store.maxRows);
    normalisation.element = {"Ti", "Rb", "Sr", "K"};
    normalisation.value = {4500.0f, 0.35f, 11.8f, 120.0f};
  }

  data::ReadContext context() {
    return {store, exchange, prompts, standards, normalisation, filter, readFilterOn, 51};
  }

  // Writes `content` as a file and reads it.
  data::ReadResult read(const std::string& content, const std::string& mode = "", const std::string& name = "in.txt") {
    store.currentFile = folder.write(name, content);
    auto c = context();
    return data::readDataFile(c, mode);
  }

  std::string cell(int row, int column) const { return std::string(store.cell(row, column)); }
};

}  // namespace lavix::testing
