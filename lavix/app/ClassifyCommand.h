// "Classify samples": each sample's field on the library diagram shown, written into a column
// named after the diagram.
#pragma once

namespace lavix::app {

class Session;

// Needs a library diagram. A diagram whose lines do not close its fields is said and nothing is
// written; an existing column of the diagram's name is replaced only after a Yes.
void mclassify(Session& session);

}  // namespace lavix::app
