// A model or mixing curve put on the diagram and the keep-or-delete question that follows.
#pragma once

#include <string>
#include <vector>

#include "lavix/models/CurveEntries.h"

namespace lavix::app {

class Session;

enum class CurveOutcome { kept, deleted, noRoom };

// The keep-or-delete question of a new line: "Add this to plot" (true) or "Delete this line".
bool keepNewLine(Session& session, const std::string& title);

// The points (data units) go to the spare plotted entries and the diagram is redrawn with
// them; "Add this to plot" keeps them until the diagram is set up anew, "Delete this line"
// takes them off again. The question's title names the ticks ("Ticks in % of " + end member)
// when `tickList` is not empty. A curve that no longer fits is refused with a message.
CurveOutcome offerCurve(Session& session, const std::vector<models::CurvePoint>& points, const std::string& tickList,
                        const std::string& endMemberName);

}  // namespace lavix::app
