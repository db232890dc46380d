// The model and mix commands dispatched by diagram kind, and the ternary branch of mix.
#include "lavix/app/ModelCommands.h"

#include <string>
#include <vector>

#include "lavix/app/DiagramCommands.h"
#include "lavix/app/HyperbolaCommands.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderModelCommands.h"
#include "lavix/app/XyModelCommands.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

// Identify off, then whether there are points to work on: on a spider diagram the samples
// chosen for it, elsewhere the rows the last redraw drew.
bool havePoints(Session& s, const char* noPoints) {
  if (!diagramCommandAllowed(s)) return false;
  const bool none = s.diagram.diagramKind == "SPI" ? plottedSamples(s).empty() : s.plottedRows.empty();
  if (none) ui::say(s.prompts, noPoints);
  return !none;
}

bool validClip(const std::vector<float>& v) {
  for (std::size_t i = 0; i < 6; i += 2)
    if (!(v[i] >= 0 && v[i] < v[i + 1] && v[i + 1] <= 1)) return false;
  return v[0] + v[2] + v[4] < 1;
}

// "Quad": limits for the three apexes, drawn as the part of the triangle they leave.
void clipTriangle(Session& s) {
  diagram::DiagramSettings& d = s.diagram;
  const std::vector<std::string> fields(std::begin(msg::clipFields), std::end(msg::clipFields));
  if (!s.exchange.askNumbers(s.prompts, msg::clipTitle, fields,
                             {d.xClipMin, d.xClipMax, d.yClipMin, d.yClipMax, d.zClipMin, d.zClipMax})) {
    redrawDiagram(s);
    return;
  }
  std::vector<float> v;
  for (std::size_t i = 1; i <= fields.size(); ++i) v.push_back(s.exchange.fieldValue[i]);
  // An empty or inverted region would leave no triangle to draw.
  if (!validClip(v)) {
    ui::say(s.prompts, msg::badClip);
    redrawDiagram(s);
    return;
  }
  d.xClipMin = v[0], d.xClipMax = v[1], d.yClipMin = v[2], d.yClipMax = v[3], d.zClipMin = v[4], d.zClipMax = v[5];
  d.diagramFamily = "QUAD";
  redrawDiagram(s);
}

}  // namespace

bool modelAvailable(const Session& s) {
  const std::string& kind = s.diagram.diagramKind;
  return kind == "SPI" || kind == "XY";
}

bool mixAvailable(const Session& s) { return modelAvailable(s) || s.diagram.diagramKind == "TRI"; }

void model(Session& s) {
  if (!modelAvailable(s) || !havePoints(s, msg::noPointsToModel)) return;
  if (s.diagram.diagramKind == "SPI") spiderModel(s);
  else xyModel(s);
}

void mix(Session& s) {
  if (!mixAvailable(s) || !havePoints(s, msg::noPointsToMix)) return;
  const std::string& kind = s.diagram.diagramKind;
  if (kind == "SPI") spiderMix(s);
  else if (kind == "XY") xyMix(s);
  else clipTriangle(s);
}

}  // namespace lavix::app
