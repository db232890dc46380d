// The main window's commands that create a diagram and choose its variables.
#pragma once

namespace lavix::app {

class Session;

// "Read a File first" without data; otherwise resets what a new diagram starts from.
// Returns false when there are no data.
bool diagramGuard(Session& session);

// An XY diagram: X and Y variables from the calculator, automatic ranges and number
// formats, Slide shape, the frame at the current page position. A cancelled variable
// choice leaves the diagram settings as they were.
void mxy(Session& session);

}  // namespace lavix::app
