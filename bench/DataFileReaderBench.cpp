// The rock data file reader on a file on disk, 1000 to 32767 rows × 150 columns: time, MB/s
// and the memory the cells take.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/TestDataFile.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/data/DataFileReader.h"

namespace {

using namespace lavix;

void readFile(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("lavix_bench_reader_" + std::to_string(getpid()) + ".txt")).string();
  const std::size_t bytes = bench::writeDataFile(path, rows);
  data::StandardTable standards;
  standards.stdName[1] = "SiO2";
  standards.stdName[4] = "Fe2O3";
  data::NormalisationTable normalisation;
  data::DataStore store;
  data::DialogExchange exchange;
  data::ReadFilter filter;
  ui::SilentPrompts prompts;
  store.allocate(bench::fullRows, 200);
  exchange.allocate(bench::fullRows);
  for (auto _ : state) {
    store.currentFile = path;
    data::ReadContext context{store, exchange, prompts, standards, normalisation, filter, false, 51};
    auto result = data::readDataFile(context, "");
    if (result.outcome != data::ReadOutcome::Read || store.rowCount != rows) state.SkipWithError("read failed");
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["cells_MB"] = static_cast<double>(store.cellBytes()) / 1e6;
  state.counters["cells_per_file"] = static_cast<double>(store.cellBytes()) / static_cast<double>(bytes);
}
BENCHMARK(readFile)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
