// `menuSelect`: the selection window over the session's subset criteria.
#pragma once

namespace lavix::app {

class Session;

// What the caller still has to do once the window has closed. When `redraw` is set the
// caller first marks a spider plot to continue ("CONTINUE": same pattern, new samples) or
// recomputes the histogram, then redraws.
struct SelectOutcome {
  bool shown = false;            // false: no diagram kind or no data, nothing happened
  bool criteriaChanged = false;  // Done committed criteria that differ from the old ones
  bool redraw = false;
  bool continueSpider = false;
  bool rebuildHistogram = false;
};

// Does nothing without a diagram kind and data; otherwise identify off, the window modally.
// Only Done changes `session.subset`. A window closed any other way, or whose Done left the
// criteria as they were, asks for no redraw: the picture could not differ, and a spider
// redraw would ask for the samples again for nothing.
SelectOutcome menuSelect(Session& session);

}  // namespace lavix::app
