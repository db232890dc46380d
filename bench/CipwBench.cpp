// lavix's CIPW norm of one row, over 32767 rows.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "common/norm/Cipw.h"

namespace {

using namespace lavix;

constexpr int rows = 32767;
constexpr int oxideColumns = 13;

const norm::StdOxides kWeights = {60.0830f, 79.8650f, 101.9601f, 159.6870f, 71.8440f, 70.9370f,
                                  40.3040f, 56.0770f, 61.9785f,  94.1956f,  141.9425f, 74.6924f,
                                  151.9892f, 18.0150f, 0,        44.0090f,  80.0570f};

// Basalt-to-rhyolite compositions: silica 38 to 76 with the other oxides shared out at random.
std::vector<norm::StdOxides> randomRows() {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> silica(38, 76), share(0.05f, 1.0f);
  std::vector<norm::StdOxides> out(rows);
  for (auto& r : out) {
    r[0] = silica(random);
    const float rest = 100 - r[0];
    float sum = 0;
    for (int k = 1; k < oxideColumns; ++k) sum += (r[static_cast<std::size_t>(k)] = share(random));
    for (int k = 1; k < oxideColumns; ++k) r[static_cast<std::size_t>(k)] *= rest / sum;
  }
  return out;
}

void BM_RowNorm(benchmark::State& state) {
  const auto data = randomRows();
  const norm::LavixNormOptions options{true, state.range(0) == 1, true};
  for (auto _ : state) {
    for (const auto& row : data) benchmark::DoNotOptimize(norm::computeLavixNorm(row, kWeights, options));
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RowNorm)->Arg(0)->Arg(1)->ArgName("cation")->Unit(benchmark::kMillisecond);

// The whole command, appending to a file as read, is BM_CipwColumns of bench_matrix.

}  // namespace
