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

}  // namespace lavix::diagram
