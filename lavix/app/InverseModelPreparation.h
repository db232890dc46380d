// The REE inverse model's preparation: every record of a library file whose path contains
// REEINVERSEMODEL drawn in turn and regressed without questions into the regression data file.
#pragma once

#include <string>

namespace lavix::app {

class Session;

// "Select scheme": the X-Y grid from the La and La/Yb ranges of the data (linear, chondrite-
// normalised) for every record, or each record's own axes. Then each record is drawn and its
// regression line kept and appended to the regression data file (asked for once). Ends at a
// record that is refused or not an X-Y record, or when no regression data file is chosen.
void prepareInverseModel(Session& session, const std::string& path);

}  // namespace lavix::app
