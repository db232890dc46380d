// Evaluating a formula over the largest data set (32767 rows) against a hand-written loop.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/format/NumberFormat.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/calc/FormulaEvaluator.h"

namespace {

using namespace lavix;

using QuietPrompts = ui::SilentPrompts;

constexpr int rows = 32767;
constexpr const char* formula = "LOG(ZR/Y)+(SIO2+AL2O3)/2*\"87SR/86SR\"";
enum Column { siO2 = 1, al2O3, zr, y, sr87 };

// Basalts to rhyolites: the cells hold text as a data file would give them.
const data::DataStore& dataSet() {
  static data::DataStore store;
  if (store.rowCount == 0) {
    store.allocate(rows, 10);
    const char* names[] = {"SiO[2]", "Al[2]O[3]", "Zr", "Y", "{87}Sr/{86}Sr"};
    for (int c = 0; c < 5; ++c) store.columnName[c + 1] = names[c];
    store.columnCount = 5;
    store.rowCount = rows;
    store.stdColumn[1] = siO2;
    store.stdColumn[3] = al2O3;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> silica(45, 77), alumina(11, 19), zircon(40, 600), yttrium(8, 70),
        ratio(0.7025f, 0.7200f);
    for (int r = 1; r <= rows; ++r) {
      store.setCell(r, siO2, format::formatNumber(silica(random), "#0.00"));
      store.setCell(r, al2O3, format::formatNumber(alumina(random), "#0.00"));
      store.setCell(r, zr, format::formatNumber(zircon(random), "###0.0"));
      store.setCell(r, y, format::formatNumber(yttrium(random), "###0.0"));
      store.setCell(r, sr87, format::formatNumber(ratio(random), "0.000000"));
    }
  }
  return store;
}

// The same arithmetic as the evaluator with zeros out: double precision, and a row with a
// zero value or no logarithm is 0.
inline float sameFormula(double si, double al, double zrValue, double yValue, double sr) {
  if (si == 0 || al == 0 || zrValue == 0 || yValue == 0 || sr == 0) return 0.0f;
  const double quotient = zrValue / yValue;
  if (quotient <= 0) return 0.0f;
  return static_cast<float>(std::log10(quotient) + (si + al) / 2 * sr);
}

void BM_EvaluateFormula(benchmark::State& state) {
  const auto& store = dataSet();
  data::StandardTable standard;
  QuietPrompts prompts;
  const calc::FormulaContext context{store, standard, prompts, false, "U", {}};
  std::vector<float> calcResult(rows + 1);
  for (auto _ : state) {
    calc::evaluateFormula(context, formula, calcResult);
    benchmark::DoNotOptimize(calcResult.data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_EvaluateFormula)->Unit(benchmark::kMillisecond);

// Reads every cell through store.value() once per row, as the evaluator has to.
void BM_HandWrittenLoop(benchmark::State& state) {
  const auto& store = dataSet();
  std::vector<float> calcResult(rows + 1);
  for (auto _ : state) {
    for (int r = 1; r <= rows; ++r)
      calcResult[r] = sameFormula(store.value(r, siO2), store.value(r, al2O3), store.value(r, zr), store.value(r, y),
                                  store.value(r, sr87));
    benchmark::DoNotOptimize(calcResult.data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_HandWrittenLoop)->Unit(benchmark::kMillisecond);

// The arithmetic alone, over values parsed beforehand into float vectors.
void BM_HandWrittenLoopPreParsed(benchmark::State& state) {
  const auto& store = dataSet();
  std::vector<float> values[6];
  for (int c = siO2; c <= sr87; ++c) {
    values[c].resize(rows + 1);
    for (int r = 1; r <= rows; ++r) values[c][r] = store.value(r, c);
  }
  std::vector<float> calcResult(rows + 1);
  for (auto _ : state) {
    for (int r = 1; r <= rows; ++r)
      calcResult[r] = sameFormula(values[siO2][r], values[al2O3][r], values[zr][r], values[y][r], values[sr87][r]);
    benchmark::DoNotOptimize(calcResult.data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_HandWrittenLoopPreParsed)->Unit(benchmark::kMillisecond);

// The evaluator and the loop agree on every row.
void BM_CheckAgreement(benchmark::State& state) {
  const auto& store = dataSet();
  data::StandardTable standard;
  QuietPrompts prompts;
  const calc::FormulaContext context{store, standard, prompts, false, "U", {}};
  std::vector<float> calcResult(rows + 1);
  calc::evaluateFormula(context, formula, calcResult);
  int differing = 0;
  for (int r = 1; r <= rows; ++r) {
    const float expected = sameFormula(store.value(r, siO2), store.value(r, al2O3), store.value(r, zr),
                                       store.value(r, y), store.value(r, sr87));
    if (std::fabs(calcResult[r] - expected) > 1e-5f * std::fabs(expected)) ++differing;
  }
  for (auto _ : state) benchmark::DoNotOptimize(differing);
  state.counters["differingRows"] = differing;
}
BENCHMARK(BM_CheckAgreement)->Iterations(1);

}  // namespace
