// Fuzzes the spider model and mixing windows' inputs: the F list, the in situ fraction or AFC
// ratio, densities and porosity, the modes and the coefficients of a mix, and the partition-
// coefficient table, run through Make Calculations, the residues and Remove all models.
//
// Input: lines "model", "melttxt", "insituf", "liqdens", "soldens", "porosity", "modes",
// "mix coefficients", then the partition-coefficient file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/partition/PartitionFile.h"
#include "common/text/Text.h"
#include "common/ui/ScriptedPrompts.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderMixForm.h"
#include "lavix/app/SpiderModelForm.h"
#include "lavix/models/TraceElementModels.h"

namespace {

// Adds the residues when the first byte is odd.
class FuzzPrompts : public lavix::ui::SilentPrompts {
 public:
  int residues = 2;
  int buttons(const lavix::ui::ButtonsRequest&) override { return residues; }
};

std::vector<std::string> splitAt(std::string_view text, char separator, std::size_t parts) {
  std::vector<std::string> out;
  while (out.size() + 1 < parts) {
    const auto end = text.find(separator);
    if (end == std::string_view::npos) break;
    out.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  out.emplace_back(text);
  out.resize(parts);
  return out;
}

void checkCells(const lavix::app::Session& s) {
  if (s.data.rowCount > s.data.maxRows || s.data.rowCount < s.data.dataRowCount) __builtin_trap();
  for (int row = 1; row <= s.data.rowCount; ++row)
    for (int column = 1; column <= s.data.columnCount; ++column) {
      const std::string cell = lavix::text::toUpper(s.data.cell(row, column));
      if (cell.find("NAN") != std::string::npos || cell.find("INF") != std::string::npos) __builtin_trap();
    }
  for (int16_t row : s.spider.selectedRows)
    if (row < 1 || row > s.data.rowCount) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto field = splitAt(input, '\n', 9);
  FuzzPrompts prompts;
  prompts.residues = size > 0 && (data[0] & 1) ? 1 : 2;
  ui::ScriptedClipboard clipboard;
  app::Session s(prompts, clipboard, "/nonexistent", '.');
  s.data.allocate(40, 12);
  s.allocateRowArrays();
  const char* const columns[] = {"La", "Ce", "Sr", "Nd", "Rb", "K2O", "87Sr/86Sr", "143Nd/144Nd"};
  s.data.columnCount = 8;
  for (int c = 1; c <= 8; ++c) s.data.columnName[static_cast<std::size_t>(c)] = columns[c - 1];
  s.data.isotope.sr87Sr86 = 7;
  s.data.isotope.nd143Nd144 = 8;
  s.data.isotope.sr = 3;
  s.data.isotope.nd = 4;
  const char* const rows[][9] = {{"A", "10", "20", "100", "8", "5", "1.2", "0.703", "0.513"},
                                 {"B", "30", "", "400", "20", "-1", "0", "0.71", "0.512"},
                                 {"C", "0", "1e30", "1e-30", "x", "3", "2", "", "0.5128"}};
  for (int r = 1; r <= 3; ++r) {
    s.data.sampleName[static_cast<std::size_t>(r)] = rows[r - 1][0];
    for (int c = 1; c <= 8; ++c) s.data.setCell(r, c, rows[r - 1][c]);
  }
  s.data.rowCount = s.data.dataRowCount = 3;
  s.spider.selectedRows = {1, 2, 3};
  s.spider.match.column = {1, 2, 3, 4, 5, 6};

  app::SpiderModelState& m = s.spiderModels;
  const int choice = static_cast<int>(text::parseNumber(field[0]));
  m.modelName = models::traceModelName(models::allTraceModels[static_cast<unsigned>(choice) % 8u]);
  m.modelMode = choice % 2 ? "Modal" : "Non Modal";
  const auto read = partition::readPartitionTable(field[8], {app::maxModeMinerals, app::maxPcElements});
  m.pc = read.ok() ? read.table : partition::readPartitionTable("x\tOL\tCPX\nLA\t0.1\t0.2\nSR\t0.5\t2\n", {10, 75}).table;
  const auto modes = splitAt(field[6], ',', app::maxModeMinerals);
  for (int i = 0; i < app::maxModeMinerals; ++i) {
    m.modeD[static_cast<std::size_t>(i)] = text::parseNumber(modes[static_cast<std::size_t>(i)]);
    m.modeP[static_cast<std::size_t>(i)] = text::parseNumber(modes[static_cast<std::size_t>(app::maxModeMinerals - 1 - i)]);
  }
  m.sourceRow = static_cast<int16_t>(1 + choice % 3);
  m.contaminantRow = static_cast<int16_t>(1 + (choice / 3) % 3);

  for (int run = 0; run < 2; ++run) {
    app::SpiderModelForm window(s);
    window.setInverse(choice & 4);
    const char* const boxes[] = {"melttxt", "insituf", "liqdens", "soldens", "porosity"};
    for (int b = 0; b < 5; ++b)
      if (window.isVisible(boxes[b])) window.setText(boxes[b], field[static_cast<std::size_t>(b + 1)]);
    window.calcs();
    checkCells(s);
  }

  app::SpiderMixForm mix(s);
  const auto coefficients = splitAt(field[7], ',', app::mixSlots);
  for (int slot = 0; slot < app::mixSlots; ++slot) mix.setCoefficient(slot, coefficients[static_cast<std::size_t>(slot)]);
  mix.done();
  checkCells(s);
  app::removeModelRows(s);
  if (s.data.rowCount != 3 || s.spider.selectedRows.size() != 3) __builtin_trap();
  return 0;
}
