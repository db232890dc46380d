// Fuzzes the rock data file reader: any bytes as a file (replace and merge) and as clipboard text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

#include "common/ui/SilentPrompts.h"
#include "lavix/data/DataFileReader.h"
#include "lavix/data/CellStore.h"
#include "lavix/data/DataFileWriter.h"

namespace {

using namespace lavix;

// Answers every prompt at once; the first input byte steers the read filter's choices.
class AutoPrompts : public ui::SilentPrompts {
 public:
  explicit AutoPrompts(unsigned steer) : steer_(steer) {}
  ui::MessageResult message(const ui::MessageRequest& r) override {
    return r.buttons == ui::MessageButtons::YesNo ? ui::MessageResult::Yes : ui::MessageResult::Ok;
  }
  std::optional<std::string> input(const ui::InputRequest& r) override { return r.preset; }
  std::optional<std::vector<std::string>> numbers(const ui::NumbersRequest& r) override {
    if (steer_ & 0x80) return std::nullopt;
    return r.presets;
  }
  int buttons(const ui::ButtonsRequest&) override { return 1; }
  ui::ListResult pickList(const ui::ListRequest& r) override {
    const int n = static_cast<int>(r.items.size());
    return {r.items, n == 0 ? 0 : static_cast<int>((steer_ >> 1) % static_cast<unsigned>(n + 1))};
  }

 private:
  unsigned steer_;
};

class FixedClipboard : public ui::ClipboardPort {
 public:
  explicit FixedClipboard(std::string text) : text_(std::move(text)) {}
  std::optional<std::string> text() override { return text_; }
  void setText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

// The same bytes as writes into a small cell store, checked against a plain map.
void exerciseCellStore(const std::uint8_t* data, std::size_t size) {
  data::CellStore cells;
  cells.allocate(4, 8);
  std::map<std::pair<int, int>, std::string> expected;
  std::size_t i = 0;
  while (i + 3 <= size) {
    const int row = data[i] % 5 - (data[i] == 255 ? 2 : 0), column = data[i + 1] % 9;
    std::size_t length = data[i + 2];
    if (length > 200) length = (length - 200) * 1500;  // long texts push rows past 64 KB
    i += 3;
    if (data[i - 3] == 254) {
      cells.clearRow(row);
      for (int c = 0; c < 8; ++c) expected.erase({row, c});
      continue;
    }
    std::string text(length, static_cast<char>('a' + (i % 26)));
    const bool inside = row >= 0 && row < 4 && column < 8;
    if (cells.set(row, column, text) != inside) __builtin_trap();
    if (inside) {
      if (text.empty()) expected.erase({row, column});
      else expected[{row, column}] = text;
    }
  }
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 8; ++c) {
      auto found = expected.find({r, c});
      if (cells.get(r, c) != (found == expected.end() ? std::string_view() : std::string_view(found->second)))
        __builtin_trap();
    }
}

std::string tempPath() { return "/tmp/fuzz_data_file_reader_" + std::to_string(getpid()) + ".txt"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const unsigned steer = size > 0 ? data[0] : 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = tempPath();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  data::StandardTable standards;
  const char* names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                         "K2O", "P2O5", "H2O+", "H2O-", "CO2", "LOI", "Cr2O3", "NiO"};
  for (int k = 1; k <= data::standardCount; ++k) standards.stdName[k] = names[k - 1];
  standards.stdElement[1] = "Si";
  standards.displayName = {"H[2]O{+}", "H[2]O{-}", "Fe[2]O[3]", "87Sr/86Sr"};
  data::NormalisationTable normalisation;
  normalisation.element = {"Si", "Rb", "Sr"};
  normalisation.value = {1.0f, 0.5f, 20.0f};

  data::DataStore store;
  store.allocate(200, 40);
  data::DialogExchange exchange;
  exchange.allocate(store.maxRows);
  data::ReadFilter filter;
  AutoPrompts prompts(steer);
  data::ReadContext context{store, exchange, prompts, standards, normalisation, filter, (steer & 1) != 0, 51};

  store.currentFile = path;
  data::readDataFile(context, "");
  // Cells written over loaded ones, then a merge into those columns.
  store.setCell(1, 1, "x");
  store.setColumn(2, 1, std::vector<std::string>{"a", "", "bc"});
  store.currentFile = path;
  data::readDataFile(context, "A");
  (void)data::dataFileLines(store);

  FixedClipboard clipboard(bytes);
  data::readClipboard(context, clipboard);
  (void)data::dataFileLines(store);
  std::remove(path.c_str());
  exerciseCellStore(data, size);
  return 0;
}
