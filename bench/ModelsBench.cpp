// The statistics and models at the largest data set (32767 rows) and the longest curve (1001 points).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "lavix/models/Hyperbola.h"
#include "lavix/models/Regression.h"
#include "lavix/models/XyModel.h"

namespace {

using namespace lavix::models;

constexpr int rows = 32767;

// Points scattered about a mixing hyperbola, Y = 0.704 + 0.002 / (X + 0.01).
const std::vector<XYPoint>& points() {
  static const std::vector<XYPoint> scattered = [] {
    std::vector<XYPoint> p;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> x(0.01, 0.5), noise(-1e-4, 1e-4);
    for (int i = 0; i < rows; ++i) {
      const double at = x(random);
      p.push_back({at, 0.704 + 0.002 / (at + 0.01) + noise(random)});
    }
    return p;
  }();
  return scattered;
}

void regressionOfEveryRow(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fitLine(points()));
}
BENCHMARK(regressionOfEveryRow);

void hyperbolaThroughEveryRow(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fitHyperbola(points()));
}
BENCHMARK(hyperbolaThroughEveryRow);

void afcCurveOf1001Points(benchmark::State& state) {
  const std::vector<float> f = fSteps(0, 200, 1).values;
  std::array<ModelComponent, componentCount> parts{};
  parts[0] = {ComponentKind::isotope, false, 28, 15, 1.5};
  parts[1] = {ComponentKind::reference, false, 40, 20, 1.5};
  parts[2] = {ComponentKind::column, false, 400, 150, 1.5};
  for (auto _ : state) benchmark::DoNotOptimize(modelCurve(Process::afc, f, parts, 0.3));
}
BENCHMARK(afcCurveOf1001Points);

}  // namespace
