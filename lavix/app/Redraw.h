// The session's redraw: builds what the diagram engine needs from the session, records the
// diagram for the current output device and keeps the plotted rows, status and buttons.
#pragma once

#include <optional>
#include <string>

#include "lavix/diagram/FrameLayout.h"

namespace lavix::app {

class Session;

// redrawDiagram for the session: into `recording` (screen, metafile) or onto the open printer
// page. Does nothing while no diagram kind is set.
void redrawDiagram(Session& session);

// The frame layout for the current page position and shape.
void layoutFrame(Session& session);
diagram::PositionArea currentArea(const Session& session);

// setButtonsForKind for the current kind, into the session's button row; shows the row.
void setButtonsForKind(Session& session);

// Writes the current diagram as SVG (the screen's recording) or placeable WMF (recorded for
// the metafile, then the screen again); the error text, or nullopt when written.
std::optional<std::string> exportRecording(Session& session, const std::string& format, const std::string& path);

}  // namespace lavix::app
