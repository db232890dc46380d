// The list picker that chooses one sample: the end members of the XY models and mixing lines,
// the source and contaminant of the spider models, the components of a spider mix.
#pragma once

#include <string>
#include <vector>

namespace lavix::app {

class Session;

struct SamplePick {
  int row = 0;         // the sample chosen; 0 when none
  bool extra = false;  // the extra item was chosen instead
};

// The names of `rows` under `title`, each after a blank as every sample list shows them, and
// `extraItem` last when it is not empty.
SamplePick pickSample(Session& session, const std::string& title, const std::vector<int>& rows,
                      const std::string& extraItem = {});

}  // namespace lavix::app
