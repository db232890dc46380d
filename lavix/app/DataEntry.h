// Typing data into the grid: a new data set (Enter data) or edits of the one in memory (Modify data).
#pragma once

namespace lavix::data {
class EntryGrid;
}

namespace lavix::app {

class Session;

// Shows the grid modally; the exchange area's `answer` becomes "cancel" unless it was saved.
// True after SAVE.
bool runGrid(Session& session, data::EntryGrid& grid);

// Modify data: the data in memory in the grid; after SAVE the cells typed over are written
// back and the data set is prepared again. With no data, "Read a File first". True when the
// data were changed.
bool modifyDataInGrid(Session& session);

// Enter data: the number of fields, their names ("form"), the number of samples, the entry
// order ("order", CANCEL keeps left to right) and the data ("enters"); SAVE replaces the data
// in memory by the new set and prepares it. True when a new data set was stored.
bool enterDataInGrid(Session& session);

}  // namespace lavix::app
