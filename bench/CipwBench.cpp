// lavix's CIPW norm columns over 32767 rows: the row norm alone and the whole mcipw command.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "common/format/NumberFormat.h"
#include "common/norm/Cipw.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/app/CipwColumns.h"
#include "lavix/app/Session.h"

namespace {

using namespace lavix;

constexpr int rows = 32767;
constexpr int oxideColumns = 13;

// Answers the three questions with the given buttons.
class Answers : public ui::SilentPrompts {
 public:
  explicit Answers(int iron, int kind, int recast) : choices_{iron, kind, recast} {}
  int buttons(const ui::ButtonsRequest&) override { return choices_[next_++ % 3]; }

 private:
  int choices_[3];
  int next_ = 0;
};

class NoClipboard : public ui::ClipboardPort {
 public:
  std::optional<std::string> text() override { return std::nullopt; }
  void setText(const std::string&) override {}
};

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

void BM_Mcipw(benchmark::State& state) {
  Answers prompts(2, 1, 2);
  NoClipboard clipboard;
  app::Session session(prompts, clipboard, "/nonexistent/", '.');
  const char* names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                         "K2O",  "P2O5", "NiO",   "Cr2O3", "H2O", "LOI", "CO2", "SO3"};
  for (int k = 1; k <= 17; ++k) {
    session.standard.stdName[static_cast<std::size_t>(k)] = names[k - 1];
    session.standard.molecularWeight[static_cast<std::size_t>(k)] = kWeights[static_cast<std::size_t>(k - 1)];
  }
  session.data.allocate(rows, 40);
  session.allocateRowArrays();
  const auto data = randomRows();
  for (int c = 1; c <= oxideColumns; ++c) {
    session.data.columnName[static_cast<std::size_t>(c)] = names[c - 1];
    session.data.stdColumn[static_cast<std::size_t>(c)] = static_cast<int16_t>(c);
  }
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= oxideColumns; ++c)
      session.data.setCell(r, c, format::formatNumber(data[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)], "#0.00"));
  session.data.rowCount = rows;
  session.data.columnCount = oxideColumns;
  for (auto _ : state) {
    app::mcipw(session);
    state.PauseTiming();
    if (session.data.columnCount != oxideColumns + norm::kLavixNormColumns) state.SkipWithError("no columns appended");
    session.data.columnCount = oxideColumns;  // the next pass sees a data set without the norm
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_Mcipw)->Unit(benchmark::kMillisecond);

}  // namespace
