// The main window's `model` and `mix` commands: on a spider diagram they open the model
// window `spimod` and the mixing window `spimix`, then redraw.
#pragma once

namespace lavix::app {

class Session;

// True where the commands do something: a spider diagram (the XY and ternary branches are
// not part of this version).
bool modelCommandsAvailable(const Session& session);

// "Select Model", the mode question, then `spimod`; "No data points to model" without
// plotted samples.
void model(Session& session);

// `spimix`; "No data points to mix" without plotted samples.
void mix(Session& session);

}  // namespace lavix::app
