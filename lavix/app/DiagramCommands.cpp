// The main window's commands that create a diagram and choose its variables.
#include "lavix/app/DiagramCommands.h"

#include "lavix/app/Session.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/diagram/AxisRange.h"
#include "lavix/diagram/FrameLayout.h"

namespace lavix::app {

namespace {

constexpr const char* readAFileFirst = "Read a File first";

calc::CalculatorContext calculatorContext(Session& s) {
  return calc::CalculatorContext{s.data,       s.standard,        s.exchange,
                                 s.prompts,    s.calcResult,      s.diagram.plot,
                                 s.window.zerosIn, &s.normalisation};
}

// The variable of one axis, then its automatic range; false when the choice was cancelled.
bool chooseAxis(Session& s, diagram::Axis axis, const char* title) {
  calc::CalculatorContext context = calculatorContext(s);
  if (calc::selectVariable(context, title).cancelled) return false;
  diagram::RangeResult range = diagram::automaticRange(s.diagram, axis, s.data.rowCount, s.window.zerosIn);
  if (!range.message.empty()) ui::say(s.prompts, range.message);
  return true;
}

diagram::PositionArea currentArea(const Session& s) {
  diagram::PositionArea area;
  const int position = s.diagram.pagePosition;
  if (position >= 1 && position <= s.page.positionCount) {
    const PagePosition& p = s.page.position[static_cast<std::size_t>(position)];
    area = {p.left, p.bottom, p.right, p.top, p.axesCode};
  }
  return area;
}

}  // namespace

bool diagramGuard(Session& s) {
  if (s.data.rowCount == 0 || s.data.columnCount == 0) {
    ui::say(s.prompts, readAFileFirst);
    return false;
  }
  s.diagram.plot.plotRowCount = s.data.rowCount;
  s.window.zerosIn = false;
  s.diagram.pageYSign = 1;
  s.window.identifyMode = false;
  s.diagram.flipOrder = false;
  return true;
}

void mxy(Session& s) {
  if (!diagramGuard(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  if (!chooseAxis(s, diagram::Axis::x, "X-Axis Variable") || !chooseAxis(s, diagram::Axis::y, "Y-Axis Variable")) {
    s.diagram = before;
    return;
  }
  s.diagram.shapeChoice = 1;
  s.diagram.diagramFamily = "XY";
  diagram::layoutFrame(s.diagram, currentArea(s));
  s.diagram.diagramKind = "XY";
}

}  // namespace lavix::app
