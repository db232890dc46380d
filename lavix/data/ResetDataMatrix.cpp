// The main window's Reset data matrix command: new capacities for the data matrix.
#include "lavix/data/ResetDataMatrix.h"

#include <cmath>

#include "common/format/NumberFormat.h"

namespace lavix::data {

bool resetDataMatrix(DataStore& store, DialogExchange& exchange, ui::PromptPort& prompts) {
  const std::string question = "The data matrix has " + format::shortestText(store.maxRows) + " analyses (rows) and " +
                               format::shortestText(store.maxColumns) + " elements (columns) " +
                               ".  Redimensioning removes all existing rock or mineral data. " +
                               "Do you wish to proceed?";
  if (!ui::askYesNo(prompts, question, resetText::title)) return false;
  if (!exchange.askNumbers(prompts, resetText::inputTitle, {resetText::rowsPrompt, resetText::columnsPrompt},
                           {static_cast<float>(store.maxRows), static_cast<float>(store.maxColumns)}))
    return false;

  // An entry of 0 or less (or one that rounds to 0) keeps its capacity.
  int rows = store.maxRows, columns = store.maxColumns;
  const double enteredRows = std::nearbyint(static_cast<double>(exchange.fieldValue[1]));
  const double enteredColumns = std::nearbyint(static_cast<double>(exchange.fieldValue[2]));
  if (enteredRows > maxRowCapacity || enteredColumns > maxColumnCapacity) {
    ui::say(prompts, resetText::tooLarge, resetText::title);
    return false;
  }
  if (enteredRows >= 1) rows = static_cast<int>(enteredRows);
  if (enteredColumns >= 1) columns = static_cast<int>(enteredColumns);

  store.allocate(static_cast<int16_t>(rows), static_cast<int16_t>(columns));
  exchange.allocate(store.maxRows);
  return true;
}

}  // namespace lavix::data
