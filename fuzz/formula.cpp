// Fuzzes the formula evaluator: any bytes as formula text over a small data set.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/ui/SilentPrompts.h"
#include "lavix/calc/FormulaEvaluator.h"

namespace {

using namespace lavix;

// Answers every message with OK and counts nothing.
class QuietPrompts : public ui::SilentPrompts {
 public:
  ui::MessageResult message(const ui::MessageRequest&) override { return ui::MessageResult::Ok; }
  std::optional<std::string> input(const ui::InputRequest& r) override { return r.preset; }
  std::optional<std::vector<std::string>> numbers(const ui::NumbersRequest& r) override { return r.presets; }
};

struct Fixture {
  data::DataStore store;
  data::StandardTable standard;
  Fixture() {
    store.allocate(8, 10);
    const char* names[] = {"SiO[2]", "Al[2]O[3]", "Zr", "Y", "{87}Sr/{86}Sr", "TiO[2]"};
    const char* rows[4][6] = {{"50.1", "15", "200", "20", "0.7045", "1.5"},
                              {"60", "", "100", "0", "0.71", "0.8"},
                              {"-3", "1e30", "abc", "30", "0.706", "2"},
                              {"45.5", "17", "3e-30", "1", "", "0"}};
    for (int c = 0; c < 6; ++c) store.columnName[c + 1] = names[c];
    store.columnCount = 6;
    store.rowCount = 4;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 6; ++c) store.setCell(r + 1, c + 1, rows[r][c]);
    store.stdColumn[1] = 1;
    store.stdColumn[2] = 6;
    store.stdColumn[3] = 2;
    const char* elements[] = {"Si", "Ti", "Al", "Fe", "Fe", "Mn", "Mg", "Ca", "Na",
                              "K",  "P",  "Ni", "Cr", "H",  "LOI", "C", "S"};
    for (int k = 1; k <= data::standardCount; ++k) {
      standard.stdElement[k] = elements[k - 1];
      standard.elementFactor[k] = 5000.0f + static_cast<float>(k);
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const Fixture fixture;
  if (size == 0) return 0;
  QuietPrompts prompts;
  // The first byte picks zeros in/out and the basis; the rest is the formula.
  calc::FormulaContext context{fixture.store, fixture.standard, prompts, (data[0] & 1) != 0,
                               (data[0] & 2) ? "MA" : "U",
                               [](int row, int index) { return static_cast<float>(row * index) - 3.0f; }};
  const std::string formula(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<float> calcResult(fixture.store.rowCount + 1, 12345.0f);
  const bool accepted = calc::evaluateFormula(context, formula, calcResult);
  for (std::size_t r = 0; r < calcResult.size(); ++r) {
    if (!std::isfinite(calcResult[r])) std::abort();
    if ((!accepted || r == 0) && calcResult[r] != 12345.0f) std::abort();
  }
  return 0;
}
