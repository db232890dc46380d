// The diagram library: Diagram (`mdiag`), Next diag (`newx` while a library diagram is shown)
// and the record reader that the CMAS and mineral projections share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lavix/diagram/LibraryFile.h"
#include "lavix/diagram/LibraryState.h"

namespace lavix::app {

class Session;

// A file of the program folder's Diagrams folder; its records offered in "Select diagram".
// Without data it ends silently; a cancel changes nothing.
void mdiag(Session& session);

// The record choice again on the file last opened; the chosen record is drawn alone.
void nextDiag(Session& session);

struct OpenedLibrary {
  std::string path;
  diagram::LibraryFamily family = diagram::LibraryFamily::diagrams;
  diagram::LibraryFile file;
};

// The open-file dialog starting in the program folder's `folder` ("Diagrams", "CMAS", "MIN");
// nullopt when cancelled.
std::optional<std::string> chooseLibraryFile(Session& session, const std::string& folder, const char* filter);

// The file read and its records found; nullopt after a file that cannot be read, breaks a
// limit or holds no diagram (said, naming the file).
std::optional<OpenedLibrary> readLibraryFile(Session& session, const std::string& path,
                                             diagram::LibraryFamily family);

// Linear X and Y axes that stand for an X-Y record's own (the inverse model's grid).
struct GivenAxes {
  diagram::AxisSettings x, y;
};

// Record `index` (0-based) drawn alone as the current diagram, on its own axes or on `axes`.
// False, with nothing changed, when the record is refused (said, naming the file and the record).
bool drawRecord(Session& session, const OpenedLibrary& opened, std::size_t index,
                const std::optional<GivenAxes>& axes = std::nullopt);

// Every record of a CMAS or mineral file, drawn from `moleAmounts` on one page (one record: at
// the Full page position, when the page layout has one; more: in the cells of a grid).
// `ironLabel` follows the note of "CT" records. False, with nothing changed, when a record is
// refused (said, naming the file and the record).
bool drawEveryRecord(Session& session, const OpenedLibrary& opened, std::vector<diagram::MoleAmounts> moleAmounts,
                     const std::string& ironLabel);

}  // namespace lavix::app
