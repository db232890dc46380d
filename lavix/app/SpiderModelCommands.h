// The spider branches of `model` and `mix`: they open the model window `spimod` and the
// mixing window `spimix`, then redraw.
#pragma once

namespace lavix::app {

class Session;

// "Select Model", the mode question, then `spimod`. The caller has checked that there are
// plotted samples.
void spiderModel(Session& session);

// `spimix`. The caller has checked that there are plotted samples.
void spiderMix(Session& session);

}  // namespace lavix::app
