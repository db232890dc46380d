// The REE inverse model's inversion: the "ZuZaDu" choice of the spider Model command.
#pragma once

namespace lavix::app {

class Session;

// After an earlier inversion, "Keep or reject Model just plotted" first ("Reject" removes its
// seven rows). Then the regression data file (asked for once), PC/zuzadu.PC.txt of the program
// folder and the melt modes give, per element of the file that the spider diagram shows, the
// bulk P, ~D and ~source with the bounds from the regression errors: seven rows appended and
// plotted on the spider diagram, Y from 0.0001 to 100. A cancel or a refusal ends it without
// rows. The caller has checked that the spider diagram has samples.
void inverseModel(Session& session);

}  // namespace lavix::app
