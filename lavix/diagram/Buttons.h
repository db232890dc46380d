// The main window's button row: captions and visibility per diagram kind.
#pragma once

#include <string>
#include <vector>

namespace lavix::diagram {

struct DiagramButton {
  std::string control;
  std::string caption;
  bool visible = true;
};

// The buttons left to right, as setButtonsForKind leaves them for `kind`. `statsCaptionOn`
// gives cmdRem its caption; `spiderGapMode` the spider caption of wrname.
std::vector<DiagramButton> setButtonsForKind(const std::string& kind, bool statsCaptionOn, bool spiderGapMode);

// While a library diagram is shown: `newx` reads "Next diag"; `newy`, `newz` and `SwitchXY` stay
// only for "XY"; the legend can be drawn on every library diagram.
void setLibraryButtons(std::vector<DiagramButton>& row, const std::string& kind);

}  // namespace lavix::diagram
