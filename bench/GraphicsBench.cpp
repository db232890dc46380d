// Benchmark of recording 32767 symbols (the largest data set) and writing them as metafile and SVG.
#include <benchmark/benchmark.h>

#include "common/graphics/Recording.h"
#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"

namespace {

using namespace lavix::graphics;

constexpr int rows = 32767;

// One pen and brush per symbol as the redraw selects them, alternating circles and triangles.
Recording recordSymbols() {
  Recording r;
  r.reserve(3 * rows);
  for (int row = 0; row < rows; ++row) {
    int x = 1000 + (row * 37) % 4000;
    int y = 500 + (row * 53) % 3500;
    r.selectPen(rgb(row % 7 * 30, 0, 0), 10);
    r.selectBrush(rgb(0, row % 5 * 40, 0));
    if (row % 2 == 0) {
      r.circle(x, y, 40);
    } else {
      r.polygon({{x, y - 40}, {x + 35, y + 20}, {x - 35, y + 20}});
    }
  }
  return r;
}

void BM_RecordSymbols(benchmark::State& state) {
  for (auto _ : state) {
    Recording r = recordSymbols();
    benchmark::DoNotOptimize(r.size());
  }
}
BENCHMARK(BM_RecordSymbols)->Unit(benchmark::kMillisecond);

void BM_WriteWmf(benchmark::State& state) {
  Recording r = recordSymbols();
  for (auto _ : state) {
    auto bytes = toPlaceableWmf(r, 6000, 4500);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_WriteWmf)->Unit(benchmark::kMillisecond);

void BM_WriteSvg(benchmark::State& state) {
  Recording r = recordSymbols();
  for (auto _ : state) {
    auto text = toSvg(r, 6000, 4500);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_WriteSvg)->Unit(benchmark::kMillisecond);

}  // namespace
