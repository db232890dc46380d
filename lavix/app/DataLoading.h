// Loading data files into the session: the reader plus the window-side steps after it.
#pragma once

#include <string>

namespace lavix::app {

class Session;

// Reads session.data.currentFile with the reader's mode ("A" merges), then updates the title
// and the window state as every load does.
void readCurrentFile(Session& session, const std::string& mode);

// Reads the clipboard table (replacing the data); true when data were read.
bool readClipboardTable(Session& session);

// Open's path: becomes the current file, is read (replacing the data) and goes to the top
// of the recent-file list.
void openDataFile(Session& session, const std::string& path);

// After columns were appended or taken off: the title's "rows by columns" follow the matrix,
// the rest of it (the file name, "merged files ") stays.
void showDataCounts(Session& session);

}  // namespace lavix::app
