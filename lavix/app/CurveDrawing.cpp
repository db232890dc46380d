// Curves in the spare plotted entries, kept or deleted.
#include "lavix/app/CurveDrawing.h"

#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

bool keepNewLine(Session& s, const std::string& title) {
  return s.exchange.askButton(s.prompts, title, {msg::addToPlot, msg::deleteLine}, "ad") == 1;
}

CurveOutcome offerCurve(Session& s, const std::vector<models::CurvePoint>& points, const std::string& tickList,
                        const std::string& endMemberName) {
  diagram::PlotValues& plot = s.diagram.plot;
  const int before = plot.plotRowCount;
  const std::vector<models::CurveEntry> entries = models::curveEntries(points, s.diagram, s.symbols.symbolCount);
  if (!models::appendCurveEntries(plot, s.data.symbolOf, s.data.rowCount, entries)) {
    ui::say(s.prompts, msg::noRoomForCurve);
    redrawDiagram(s);
    return CurveOutcome::noRoom;
  }
  redrawDiagram(s);
  const std::string title = tickList.empty() ? std::string() : msg::ticksInPercentOf + endMemberName + "\n" + tickList;
  if (!keepNewLine(s, title)) {
    plot.plotRowCount = before;
    redrawDiagram(s);
    return CurveOutcome::deleted;
  }
  redrawDiagram(s);
  return CurveOutcome::kept;
}

}  // namespace lavix::app
