// The partition-coefficient table and the mineral modes of the spider models, shared by the
// model window and the inverse model: reading a file into the table and entering the modes.
#pragma once

#include <string>

namespace lavix::app {

class Session;

// Reads the file at `path` into the spider models' table (at most ten minerals and 75
// elements); a mineral the new file also names keeps its modes. False, with the reason said
// and the table as it was, when the file cannot be read or is refused.
bool loadPartitionTable(Session& session, const std::string& path);

// "Enter mode of minerals for D's in %" (melt: "... P's ..."), one field per mineral preset
// with its mode, then the mode text rebuilt. "Read a PCS file" without a table. False when
// there is no table or the dialog was cancelled (nothing changed).
bool enterMineralModes(Session& session, bool melt);

}  // namespace lavix::app
