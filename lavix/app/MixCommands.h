// The mix command: mixing hyperbolas on an XY diagram (between two end members, or fitted to
// the plotted points) and the clipping of a ternary diagram ("Quad").
#pragma once

namespace lavix::app {

class Session;

void mix(Session& session);

}  // namespace lavix::app
