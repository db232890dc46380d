// The XY branch of the model command: a magma's path under one of seven processes, drawn from a
// chosen parent (and assimilant) over a range of F.
#pragma once

#include <array>

#include "lavix/models/Components.h"
#include "lavix/models/XyModel.h"

namespace lavix::app {

class Session;

// What the next run starts from.
struct XyModelState {
  float r = 1;  // dMa/dMfc, the last value used
  std::array<float, models::componentCount> d{};  // the last coefficients, components 1..4
};

// The XY branch of `model`: the axes checked, "Select Model", then the run. The caller has
// checked that there are plotted points.
void xyModel(Session& session);

// One model run with its end members, coefficients, F range and "Select Option" loop.
void runXyModel(Session& session, models::Process process);

// True when an axis name can be modelled: none of "+*-#@&^", except the name FeO*.
bool modelledAxisName(const std::string& name);

}  // namespace lavix::app
