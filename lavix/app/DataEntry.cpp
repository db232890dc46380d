// Typing data into the grid: a new data set (Enter data) or edits of the one in memory (Modify data).
#include "lavix/app/DataEntry.h"

#include <cmath>
#include <optional>

#include "common/text/Text.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"
#include "lavix/data/DataFileReader.h"
#include "lavix/data/EntryGrid.h"

namespace lavix::app {

namespace {

// A whole number 1..most typed into an input box; nullopt (and why, unless cancelled) otherwise.
std::optional<int> askCount(Session& s, const char* prompt, const char* rangeText, int most) {
  const auto typed = s.prompts.input({prompt, messages::enterDataTitle, {}});
  if (!typed || text::trim(*typed).empty()) return std::nullopt;
  const double value = std::nearbyint(text::parseNumber(*typed, s.decimalSeparator));
  if (value < 1 || value > most) {
    ui::say(s.prompts, rangeText + std::to_string(most));
    return std::nullopt;
  }
  return static_cast<int>(value);
}

// After the grid changed the data: derived values again, identify off, a stale picture gone.
void afterGridSave(Session& s) {
  data::prepareDataset(s.data, s.standard, s.normalisation, "", static_cast<int16_t>(s.symbols.symbolCount));
  s.window.identifyMode = false;
  s.recording.clear();
  showDataTitle(s);
}

}  // namespace

bool runGrid(Session& s, data::EntryGrid& grid) {
  grid.setPrompts(s.prompts);
  grid.setDecimalSeparator(s.decimalSeparator);
  s.prompts.runModal(grid);
  s.exchange.answer = grid.answer();
  return grid.saved();
}

bool modifyDataInGrid(Session& s) {
  if (s.data.rowCount == 0) {
    ui::say(s.prompts, messages::readAFileFirst);
    return false;
  }
  data::EntryGrid grid = data::EntryGrid::modify(s.data);
  if (!runGrid(s, grid)) return false;
  grid.applyEdits(s.data);
  afterGridSave(s);
  return true;
}

bool enterDataInGrid(Session& s) {
  if (s.data.rowCount > 0 &&
      s.prompts.message({messages::enterReplacesData, {}, ui::MessageButtons::OkCancel, ui::MessageIcon::Warning}) !=
          ui::MessageResult::Ok)
    return false;
  const auto fieldCount = askCount(s, data::gridText::fieldCountPrompt, messages::fieldCountRange, s.data.maxColumns);
  if (!fieldCount) return false;
  data::EntryGrid form = data::EntryGrid::form(*fieldCount);
  if (!runGrid(s, form)) return false;
  std::vector<std::string> names = form.rowTexts(1);
  for (std::string& name : names) name = text::trim(name);

  const auto samples = askCount(s, data::gridText::rowCountPrompt, messages::sampleCountRange, s.data.maxRows);
  if (!samples) return false;
  data::EntryGrid order = data::EntryGrid::order(names);
  std::vector<int> entryOrder;
  if (runGrid(s, order)) entryOrder = data::entryOrderFromRow(order.rowTexts(1), s.decimalSeparator);

  data::EntryGrid enters = data::EntryGrid::enters(names, *samples, entryOrder);
  if (!runGrid(s, enters)) return false;
  enters.storeNewDataSet(s.data, s.standard);
  s.data.currentFile.clear();
  s.window.dataName = messages::untitled;
  s.spider.selectedRows.clear();  // row numbers of the old data set
  afterGridSave(s);
  return true;
}

}  // namespace lavix::app
