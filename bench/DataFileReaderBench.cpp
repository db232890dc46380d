// Reading a full-size rock data file (32767 rows x 150 columns): time, MB/s and memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "common/format/NumberFormat.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/data/DataFileReader.h"

namespace {

using namespace lavix;

// The reader shows nothing worth answering in a benchmark.
using QuietPrompts = ui::SilentPrompts;

constexpr int rows = 32767;
constexpr int columns = 150;

// Majors in wt% with two decimals, traces in ppm, a few isotope ratios; about one field
// in twelve empty, as in real compilations.
const std::string& fullSizeFile(std::size_t& bytes) {
  static std::string path;
  static std::size_t size = 0;
  if (path.empty()) {
    path = (std::filesystem::temp_directory_path() / "lavix_bench_32767x150.txt").string();
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> major(0.01f, 75.0f), trace(0.1f, 2500.0f), ratio(0.5f, 0.8f);
    std::string text = "SAMPLE\tJCODE\tKCODE\tLCODE";
    const char* majors[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O", "K2O", "P2O5"};
    for (int c = 1; c <= columns; ++c)
      text += std::string("\t") + (c <= 11 ? majors[c - 1] : "E" + std::to_string(c));
    text += "\r\n";
    for (int r = 1; r <= rows; ++r) {
      text += "S-" + std::to_string(r) + "\t" + std::to_string(r % 7) + "\t" + std::to_string(r % 13) + "\t0";
      for (int c = 1; c <= columns; ++c) {
        text += '\t';
        if (random() % 12 == 0) continue;
        const float v = c <= 11 ? major(random) : (c > 145 ? ratio(random) : trace(random));
        text += format::formatNumber(v, c <= 11 ? "#0.00" : (c > 145 ? "0.000000" : "###0.0"));
      }
      text += "\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    size = text.size();
  }
  bytes = size;
  return path;
}

long peakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void readFullSizeFile(benchmark::State& state) {
  std::size_t bytes = 0;
  const std::string& path = fullSizeFile(bytes);
  data::StandardTable standards;
  standards.stdName[1] = "SiO2";
  standards.stdName[4] = "Fe2O3";
  data::NormalisationTable normalisation;
  data::DataStore store;
  data::DialogExchange exchange;
  data::ReadFilter filter;
  QuietPrompts prompts;
  const long rssBefore = peakRssKb();
  for (auto _ : state) {
    store.allocate(rows, columns);
    exchange.allocate(rows);
    store.currentFile = path;
    data::ReadContext context{store, exchange, prompts, standards, normalisation, filter, false, 51};
    auto result = data::readDataFile(context, "");
    if (result.outcome != data::ReadOutcome::Read || store.rowCount != rows) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(store.rowCount);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["cells_MB"] = static_cast<double>(store.cellBytes()) / 1e6;
  state.counters["arrays_MB"] = static_cast<double>(store.arrayBytes()) / 1e6;
  state.counters["peak_rss_MB"] = static_cast<double>(peakRssKb()) / 1024.0;
  state.counters["rss_before_MB"] = static_cast<double>(rssBefore) / 1024.0;
}
BENCHMARK(readFullSizeFile)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
