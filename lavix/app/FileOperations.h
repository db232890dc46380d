// The File Operations menu (`mfilops`): print, modify, enter, clear, save, add a file, clipboard.
#pragma once

#include <cstdint>
#include <vector>

namespace lavix::app {

class Session;

// Runs the nine-choice menu until Quit.
void runFileOperations(Session& session);

// The recalculated-column flags (`normFlag`) that Save and Print read: per column, 1 when its
// values are recast to 100 % volatile-free. Null while no column is; the normalisation to
// 100 % sets them.
const std::vector<int16_t>* recalculatedColumns(const Session& session);

// When some of `recalculated` are set: "N elements or oxides recalculated ..." with OK and
// Cancel. False after Cancel (the caller abandons); `writeRecalculated` tells OK from none.
bool askRecalculated(Session& session, const std::vector<int16_t>* recalculated, bool& writeRecalculated);

// Save file: every row to a file chosen in the save dialog. True once written; the data then
// count as saved, the file becomes the current file and the title names it.
bool saveDataFile(Session& session, const std::vector<int16_t>* recalculated);

}  // namespace lavix::app
