// "Make Calculations" of the spider model window: the checks, the bulk coefficients, one model
// row per F and, when asked for, the residues.
#pragma once

#include <string>

namespace lavix::app {

class Session;

// What the window holds besides the session's model state.
struct SpiderModelRequest {
  std::string meltText;    // melttxt: the F's in percent, separated by commas
  std::string insituText;  // insituf: f in percent (in situ), or r (AFC)
  bool inverse = false;
};

// Runs the calculation of the session's model. False when a check refused it: its message
// has been shown and nothing changed. True when the rows were appended (the window closes).
bool makeSpiderModelRows(Session& session, const SpiderModelRequest& request);

}  // namespace lavix::app
