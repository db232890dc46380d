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
// of the recent-file list, which holds each file once.
void openDataFile(Session& session, const std::string& path);

// The title "Lavix NAME   R rows by C columns" for the data in memory, shown when it changed.
// Every change of the matrix goes through here: the main window calls it after each command
// and File Operations after each of its actions, so the counts never lag behind.
void showDataTitle(Session& session);

// The last part of a path ("C:\data\a.txt" and "/data/a.txt" give "a.txt").
std::string fileNamePart(const std::string& path);

}  // namespace lavix::app
