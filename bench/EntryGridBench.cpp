// The grid of "modify" over the largest matrix (32767 rows x 150 columns): opening it, showing
// a screenful of rows at the end, and writing edits back.
#include <benchmark/benchmark.h>

#include <string>

#include "lavix/data/EntryGrid.h"

namespace {

using namespace lavix;

constexpr int rows = 32767;
constexpr int columns = 150;

const data::DataStore& fullMatrix() {
  static data::DataStore store;
  if (store.rowCount == 0) {
    store.allocate(rows, columns);
    store.columnCount = columns;
    for (int c = 1; c <= columns; ++c) store.columnName[static_cast<std::size_t>(c)] = "E" + std::to_string(c);
    for (int r = 1; r <= rows; ++r) {
      store.sampleName[static_cast<std::size_t>(r)] = "S-" + std::to_string(r);
      for (int c = 1; c <= columns; ++c) store.setCell(r, c, std::to_string((r * 31 + c * 7) % 1000) + ".25");
    }
    store.rowCount = rows;
  }
  return store;
}

// What the table view asks when it opens scrolled to the last samples: 40 rows of every column.
void BM_ModifyOpensAndShowsTheLastRows(benchmark::State& state) {
  const data::DataStore& store = fullMatrix();
  for (auto _ : state) {
    data::EntryGrid grid = data::EntryGrid::modify(store);
    std::size_t characters = 0;
    for (int r = rows - 39; r <= rows; ++r)
      for (int c = 1; c <= grid.columnCount(); ++c) characters += grid.cell(r, c).size();
    benchmark::DoNotOptimize(characters);
  }
}
BENCHMARK(BM_ModifyOpensAndShowsTheLastRows)->Unit(benchmark::kMicrosecond);

// A thousand cells typed over, then SAVE writes them into a copy of the matrix.
void BM_ModifySavesAThousandEdits(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    data::DataStore store = fullMatrix();
    data::EntryGrid grid = data::EntryGrid::modify(store);
    for (int i = 0; i < 1000; ++i) grid.setCell(1 + i * 32, 5 + i % 100, "1.5");
    state.ResumeTiming();
    grid.applyEdits(store);
    benchmark::DoNotOptimize(store.cell(1, 5));
  }
}
BENCHMARK(BM_ModifySavesAThousandEdits)->Unit(benchmark::kMicrosecond)->Iterations(5);

}  // namespace
