// The XY branch of `mix`: the mixing hyperbola between two end members, or fitted to the
// plotted points by least squares.
#pragma once

namespace lavix::app {

class Session;

// "Calculate mixing hyperbola from:", the curve and its keep-or-delete question, then a redraw.
// The caller has checked that there are plotted points.
void xyMix(Session& session);

}  // namespace lavix::app
