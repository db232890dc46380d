// The legend button: a legend file loaded, then its place chosen or the legend removed.
#pragma once

namespace lavix::app {

class Session;

// `Legend`: without a legend, the legend file dialog; with one, "Choose a Position for legend".
// A file that cannot be read is said (naming its line) and nothing is loaded.
void legend(Session& session);

}  // namespace lavix::app
