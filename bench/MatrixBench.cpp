// The data matrix of the largest data set through lavix's own commands: open a file from disk,
// append the CIPW columns, one new variable and the recalculations' columns, write a model row
// and grid edits over the cells as read, save the file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "bench/TestDataFile.h"
#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/app/CipwColumns.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/RecalcCommands.h"
#include "lavix/app/Session.h"
#include "lavix/app/Startup.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/data/DataFileWriter.h"
#include "lavix/data/EntryGrid.h"

namespace {

using namespace lavix;
namespace fs = std::filesystem;

// The first button of every question: no iron adjustment, the weight norm, no recasting.
class FirstButton : public ui::SilentPrompts {
 public:
  int buttons(const ui::ButtonsRequest&) override { return 1; }
};

class NoClipboard : public ui::ClipboardPort {
 public:
  std::optional<std::string> text() override { return std::nullopt; }
  void setText(const std::string&) override {}
};

// The files of each size, removed when the benchmark ends.
struct TemporaryFiles {
  std::map<int, std::string> paths;
  ~TemporaryFiles() {
    for (const auto& [rows, path] : paths) fs::remove(path);
  }
};

std::string dataPath(int rows) {
  static TemporaryFiles files;
  auto& path = files.paths[rows];
  if (path.empty()) {
    path = (fs::temp_directory_path() / ("lavix_bench_" + std::to_string(getpid()) + "_" + std::to_string(rows) +
                                         ".txt")).string();
    bench::writeDataFile(path, rows);
  }
  return path;
}

// A session started from the shipped program folder, with the file of `rows` rows open.
struct OpenSession {
  FirstButton prompts;
  NoClipboard clipboard;
  app::Session session{prompts, clipboard, std::string(LAVIX_PROGRAMFOLDER_DIR) + "/", '.'};

  explicit OpenSession(int rows) {
    app::startUp(session);
    open(rows);
  }
  void open(int rows) { app::openDataFile(session, dataPath(rows)); }
};

void BM_OpenFile(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  for (auto _ : state) open.open(rows);
  if (open.session.data.rowCount != rows) state.SkipWithError("the file was not read whole");
  state.counters["file_MB"] = static_cast<double>(fs::file_size(dataPath(rows))) / 1e6;
  state.counters["cells_MB"] = static_cast<double>(open.session.data.cellBytes()) / 1e6;
}

// The columns are appended to the file as read each time, not written over the last pass's.
void BM_CipwColumns(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  const int columns = open.session.data.columnCount;
  std::size_t before = 0, after = 0;
  for (auto _ : state) {
    state.PauseTiming();
    open.open(rows);
    before = open.session.data.cellBytes();
    state.ResumeTiming();
    app::mcipw(open.session);
    state.PauseTiming();
    after = open.session.data.cellBytes();
    if (open.session.data.columnCount != columns + 26) state.SkipWithError("no columns appended");
    state.ResumeTiming();
  }
  // What the new cells need: their text with a length byte each, and a 4-byte position per row.
  std::size_t needed = 0;
  for (int c = columns + 1; c <= columns + 26; ++c) {
    needed += 4 * static_cast<std::size_t>(rows + 1);
    for (int r = 1; r <= rows; ++r) needed += open.session.data.cell(r, c).size() + 1;
  }
  state.counters["grown_MB"] = static_cast<double>(after - before) / 1e6;
  state.counters["needed_MB"] = static_cast<double>(needed) / 1e6;
}

// "New Variable" from the calculator's panel: the Zr column copied as a new column.
void BM_NewVariable(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  auto& s = open.session;
  std::vector<float> calcResult(static_cast<std::size_t>(s.data.maxRows) + 1);
  diagram::PlotValues plot;
  const int columns = s.data.columnCount;
  for (auto _ : state) {
    state.PauseTiming();
    open.open(rows);  // appended to the file as read, not written over the last pass's column
    calc::CalculatorContext context{s.data, s.standard, s.exchange, s.prompts, calcResult, plot, false,
                                    &s.normalisation};
    calc::VariableCalculator calculator(context, "New Variable");
    state.ResumeTiming();
    calculator.click("varbut", "Zr");
  }
  if (s.data.columnCount != columns + 1) state.SkipWithError("no column appended");
}

// The least any new column costs: each cell read as a number and its text made.
void BM_NewVariableHandLoop(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  const auto& data = open.session.data;
  const int zr = 21;
  std::vector<std::string> cells(static_cast<std::size_t>(rows));
  for (auto _ : state) {
    for (int r = 1; r <= rows; ++r)
      cells[static_cast<std::size_t>(r - 1)] = format::shortestText(text::parseNumber(data.cell(r, zr)));
    benchmark::DoNotOptimize(cells.data());
  }
}

void BM_Save(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  const std::string path = dataPath(rows) + ".saved";
  for (auto _ : state) {
    text::FileError error;
    if (!data::writeDataFile(open.session.data, path, error)) state.SkipWithError("the save failed");
  }
  // The header takes the display names (SiO[2] for SiO2); the rows come back byte for byte.
  auto rowsOf = [](const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.substr(text.find('\n'));
  };
  if (rowsOf(path) != rowsOf(dataPath(rows))) state.SkipWithError("the saved rows differ from the file's");
  fs::remove(path);
}

// Normalize (FeO{t}), Pearce and extra parameters on the file as read, as the menu runs them:
// the first button of each question, the ferric ratio left as it is.
void measureRecalculation(benchmark::State& state, void (*command)(app::Session&)) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  const int columns = open.session.data.columnCount;
  for (auto _ : state) {
    state.PauseTiming();
    open.open(rows);
    state.ResumeTiming();
    command(open.session);
  }
  if (open.session.data.columnCount == columns) state.SkipWithError("no columns appended");
  state.counters["columns"] = open.session.data.columnCount - columns;
}
void BM_Normalize(benchmark::State& state) { measureRecalculation(state, app::mnorm); }
void BM_PearceParameters(benchmark::State& state) { measureRecalculation(state, app::mpearce); }
void BM_ExtraParameters(benchmark::State& state) { measureRecalculation(state, app::mextra); }

// Writes over the file as read: a spider model row with a value in every trace column, and a
// thousand cells typed in the grid; each should cost its own cells, not copies of columns.
void BM_ModelRow(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  auto& s = open.session;
  std::size_t before = 0, after = 0;
  for (auto _ : state) {
    state.PauseTiming();
    open.open(rows);
    before = s.data.cellBytes();
    state.ResumeTiming();
    const int row = app::appendModelRow(s, "model", 9, "F=5%");
    for (int c = 18; c <= s.data.columnCount; ++c) app::setModelValue(s, row, c, 1.5f + static_cast<float>(c));
    state.PauseTiming();
    after = s.data.cellBytes();
    state.ResumeTiming();
  }
  state.counters["grown_kB"] = static_cast<double>(after - before) / 1e3;
}

void BM_GridEdits(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  OpenSession open(rows);
  auto& data = open.session.data;
  std::size_t before = 0, after = 0;
  for (auto _ : state) {
    state.PauseTiming();
    open.open(rows);
    before = data.cellBytes();
    data::EntryGrid grid = data::EntryGrid::modify(data);
    for (int i = 0; i < 1000; ++i) grid.setCell(1 + (i * 31) % rows, 5 + i % 100, "1.5");
    state.ResumeTiming();
    grid.applyEdits(data);
    state.PauseTiming();
    after = data.cellBytes();
    state.ResumeTiming();
  }
  state.counters["grown_kB"] = static_cast<double>(after - before) / 1e3;
}

#define FILE_SIZES Arg(1000)->Arg(4000)->Arg(16000)->Arg(32767)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_OpenFile)->FILE_SIZES;
BENCHMARK(BM_CipwColumns)->FILE_SIZES->Iterations(8);
BENCHMARK(BM_NewVariable)->FILE_SIZES->Iterations(8);
BENCHMARK(BM_NewVariableHandLoop)->FILE_SIZES;
BENCHMARK(BM_Save)->FILE_SIZES;
BENCHMARK(BM_Normalize)->FILE_SIZES->Iterations(8);
BENCHMARK(BM_PearceParameters)->FILE_SIZES->Iterations(8);
BENCHMARK(BM_ExtraParameters)->FILE_SIZES->Iterations(8);
// The largest matrix has no room for a model row.
BENCHMARK(BM_ModelRow)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(32000)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_GridEdits)->FILE_SIZES->Iterations(8);

}  // namespace
