// The main window's `model` and `mix` commands: one button each, doing what the diagram kind
// calls for.
#pragma once

namespace lavix::app {

class Session;

// model: "SPI" the spider models (`spimod`), "XY" the XY models; "No data points to model"
// without plotted points. Nothing on other kinds, where the button is hidden.
void model(Session& session);

// mix: "SPI" component mixing (`spimix`), "XY" the mixing hyperbola, "TRI" the clipping of the
// triangle ("Quad"); "No data points to mix" without plotted points. Nothing on a histogram.
void mix(Session& session);

// Whether the commands do something on the current diagram: the menu enables them by this.
bool modelAvailable(const Session& session);
bool mixAvailable(const Session& session);

}  // namespace lavix::app
