// The main window's Reset data matrix command: new capacities for the data matrix.
#pragma once

#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/DialogExchange.h"

namespace lavix::data {

namespace resetText {
inline constexpr const char* title = "Redimension";
inline constexpr const char* inputTitle = "Reset data matrix";
inline constexpr const char* rowsPrompt = "# of rows (analyses)";
inline constexpr const char* columnsPrompt = "# of columns (elements)";
inline constexpr const char* tooLarge =
    "The data matrix can hold at most 32767 rows (analyses) and 32752 columns (elements). Nothing was changed.";
}  // namespace resetText

// Asks whether to redimension and for the new capacities; on success reallocates the
// matrix and the dialog exchange area, empty. Returns true when they were reallocated
// (the caller then clears its diagram state); false after No, Cancel or a refused entry,
// with everything as it was.
bool resetDataMatrix(DataStore& store, DialogExchange& exchange, ui::PromptPort& prompts);

}  // namespace lavix::data
