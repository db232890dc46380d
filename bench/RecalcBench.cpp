// The recalculations over the largest data set (32767 rows): the recast's FeO{t} column, the
// Pearce parameters of the shipped pearce.txt, and the extra parameters with extra.txt. Each
// iteration starts from the data as read and computes and appends the columns.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "common/format/NumberFormat.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/app/StandardTableFile.h"
#include "lavix/recalc/AppendColumns.h"
#include "lavix/recalc/MolecularProportions.h"
#include "lavix/recalc/ExtraParameters.h"
#include "lavix/recalc/RecastTo100.h"

namespace {

using namespace lavix;

constexpr int rows = 32767;
const char* const names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O", "K2O", "P2O5",
                             "Cr",   "Ni",   "La",    "Ce",    "Nd",  "Sm",  "Eu",  "Gd",  "Tb",   "Nb",  "Th",  "U"};
constexpr int columns = sizeof(names) / sizeof(names[0]);

std::string controls(const char* file) { return std::string(LAVIX_PROGRAMFOLDER_DIR) + "/Controls/" + file; }

const data::StandardTable& standardTable() {
  static const data::StandardTable table = [] {
    data::StandardTable t;
    text::FileError error;
    app::readStandardTable(controls("lavix.data.txt"), t, error, '.');
    return t;
  }();
  return table;
}

// Basalts to rhyolites with traces; cells as text, as a data file gives them.
const data::DataStore& dataAsRead() {
  static data::DataStore store;
  if (store.rowCount == 0) {
    store.allocate(rows, 60);
    for (int c = 1; c <= columns; ++c) store.columnName[c] = names[c - 1];
    store.columnCount = columns;
    store.rowCount = rows;
    for (int k = 1; k <= 11; ++k) store.stdColumn[k] = static_cast<int16_t>(k);
    std::mt19937 random(11);
    std::uniform_real_distribution<float> share(0.5f, 1.5f);
    const float typical[] = {58, 0.8f, 16, 3, 4, 0.12f, 4, 6.5f, 3.5f, 1.5f, 0.2f,
                             80, 30,   15, 32, 16, 3.5f, 1.1f, 3.4f, 0.5f, 6, 3, 1};
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= columns; ++c)
        store.setCell(r, c, format::formatNumber(typical[c - 1] * share(random), "##0.000"));
      store.totalFactor[static_cast<std::size_t>(r)] = 1.01f;
    }
  }
  return store;
}

// A fresh copy of the data for the next iteration, not timed.
void freshData(benchmark::State& state, data::DataStore& store) {
  state.PauseTiming();
  store = dataAsRead();
  state.ResumeTiming();
}

std::vector<recalc::ParameterDefinition> definitions(const char* file) {
  std::vector<recalc::ParameterDefinition> defs;
  std::string failure;
  recalc::readParameterFile(controls(file), defs, failure);
  return defs;
}

void BM_TotalIronColumn(benchmark::State& state) {
  data::DataStore store;
  for (auto _ : state) {
    freshData(state, store);
    recalc::RecastState recast;
    recalc::clearFlags(store, recast);
    recalc::appendTotalIronColumn(store, recast);
    recalc::flagStandardOxides(store, recast);
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_TotalIronColumn)->Unit(benchmark::kMillisecond);

void BM_PearceParameters(benchmark::State& state) {
  data::DataStore store;
  ui::SilentPrompts prompts;
  const auto defs = definitions("pearce.txt");
  std::vector<float> calcResult(rows + 1);
  recalc::IronState iron;
  recalc::resetFerricRatio(iron, 1200, -8);
  for (auto _ : state) {
    freshData(state, store);
    const auto moles = recalc::molecularProportions(store, standardTable(), recalc::findCrNi(store), &iron);
    calc::FormulaContext context{store, standardTable(), prompts, false, "MA", {}};
    context.molecularAmount = [&moles](int row, int k) {
      return moles[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)];
    };
    recalc::appendColumns(store, recalc::evaluateParameters(context, defs, calcResult));
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_PearceParameters)->Unit(benchmark::kMillisecond);

void BM_ExtraParameters(benchmark::State& state) {
  data::DataStore store;
  ui::SilentPrompts prompts;
  const auto defs = definitions("extra.txt");
  std::vector<float> calcResult(rows + 1);
  for (auto _ : state) {
    freshData(state, store);
    recalc::appendColumns(store, recalc::builtInExtraColumns(store, standardTable(), recalc::feRatioTerm(1200, -8)));
    const calc::FormulaContext context{store, standardTable(), prompts, true, "U", {}};
    recalc::appendColumns(store, recalc::evaluateParameters(context, defs, calcResult));
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ExtraParameters)->Unit(benchmark::kMillisecond);

}  // namespace
