// What the diagram library keeps while its diagrams are shown: the open file's records, the
// sequence flag, the note, the molecular proportions of the projections, and the other
// diagrams of a page that CMAS and mineral files fill with all their diagrams.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/FrameLayout.h"
#include "lavix/diagram/LibraryFile.h"
#include "lavix/diagram/Overlays.h"

namespace lavix::diagram {

// Per row, entries 1..13 by standard oxide index: molecular proportions (entry 0 unused).
using MoleAmounts = std::array<float, 18>;

// A diagram drawn on the page before the current one.
struct LibraryPageDiagram {
  DiagramSettings settings;
  OverlayTable overlays;
  std::string note;
  bool smallLabels = false;
  bool zerosIn = false;
  PositionArea area;
};

struct LibraryState {
  LibraryFamily family = LibraryFamily::diagrams;
  std::string libraryFile;   // the path the token stream was read from
  LibraryFile file;          // libraryRecordStart, libraryName, libraryDescription
  std::string librarySequence;  // "YES" while a library diagram is shown
  std::string diagramNote;
  bool smallLabels = false;
  std::string currentName;   // the record shown
  std::vector<MoleAmounts> moleAmount;  // rows 0..rowCount for MT and CT records

  // The diagrams drawn before the current one on a shared page, and the current one's cell.
  std::vector<LibraryPageDiagram> pageDiagrams;
  std::optional<PositionArea> currentCell;

  bool showing() const { return librarySequence == "YES"; }
  void endPage() {
    pageDiagrams.clear();
    currentCell.reset();
  }
};

}  // namespace lavix::diagram
