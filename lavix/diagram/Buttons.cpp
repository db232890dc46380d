// Button captions per diagram kind.
#include "lavix/diagram/Buttons.h"

namespace lavix::diagram {

std::vector<DiagramButton> setButtonsForKind(const std::string& kind, bool statsCaptionOn, bool spiderGapMode) {
  std::vector<DiagramButton> row = {
      {"newx", "New X"},        {"newy", "New Y"},       {"newz", "New Z"},     {"SwitchXY", "XY-YX"},
      {"fliporder", "1-n n-1"}, {"Identify", "ID ON"},  {"Nextone", "Next"},  {"prev", "Prev."},
      {"pick", "Pick"},         {"wrname", "Name"},      {"linRegress", "Regress"}, {"mix", "Mix"},
      {"model", "Model"},       {"Legend", "Legend", false},
      {"cmdRem", statsCaptionOn ? "NB off" : "NB on"}};
  auto find = [&](const char* control) -> DiagramButton& {
    for (DiagramButton& b : row)
      if (b.control == control) return b;
    return row.front();
  };
  auto hide = [&](std::initializer_list<const char*> controls) {
    for (const char* c : controls) find(c).visible = false;
  };
  if (kind == "XY") {
    find("newz").caption = "Axes";
    find("Legend").visible = true;
  } else if (kind == "TRI") {
    find("mix").caption = "Quad";
    hide({"linRegress", "model"});
  } else if (kind == "HIST") {
    find("newz").caption = "Y-Axis";
    find("newy").caption = "Bins";
    find("linRegress").caption = "Distrib.";
    hide({"mix", "model", "wrname", "Identify", "pick", "Nextone", "prev", "SwitchXY", "fliporder"});
  } else if (kind == "SPI") {
    find("newx").caption = "Repick";
    find("newy").caption = "NewSpi";
    find("newz").caption = "Y-scale";
    find("linRegress").caption = "Nrm to Samp";
    find("wrname").caption = spiderGapMode ? "full line" : "dash line";
    find("Legend").visible = true;
  }
  return row;
}

void setLibraryButtons(std::vector<DiagramButton>& row, const std::string& kind) {
  for (DiagramButton& b : row) {
    if (b.control == "newx") b.caption = "Next diag";
    if (kind != "XY" && (b.control == "newy" || b.control == "newz" || b.control == "SwitchXY")) b.visible = false;
    if (b.control == "Legend") b.visible = true;
  }
}

}  // namespace lavix::diagram
