// The main window's commands that create a diagram, change its axes, shape, place and display
// switches, and redraw it.
#pragma once

namespace lavix::app {

class Session;

// "Read a File first" without data; otherwise resets what a new diagram starts from.
// Returns false when there are no data.
bool diagramGuard(Session& session);

// True when data are loaded and a diagram kind is set; switches identify mode off.
bool diagramCommandAllowed(Session& session);

// Creating commands: a cancelled variable choice leaves the settings as they were.
void mxy(Session& session);
void mtri(Session& session);
void mhist(Session& session);
void mspider(Session& session);

// The kind-dependent buttons (spider branches are the spider commands').
void newx(Session& session);
void newy(Session& session);
void newz(Session& session);
void switchXY(Session& session);

void menuAspect(Session& session);
void menuPosition(Session& session);
void setZerosIn(Session& session, bool on);          // menuZerosIn / menuZerosOut
void setWhitePage(Session& session, bool white);     // menuWhite / menuColor
void setYLabelOrientation(Session& session, int orientation);  // menuHorizY (-1) / menuVerticalY (1)
void flipOrder(Session& session);
void cmdRem(Session& session);
void mplot(Session& session);

// The histogram's counts, statistics, caption and frequency axis after its variable or bins change.
void rebuildHistogram(Session& session);

}  // namespace lavix::app
