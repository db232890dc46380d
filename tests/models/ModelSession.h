// A lavix session on a small data set drawn as a spider diagram, with a partition-coefficient
// file in its PC folder: the ground the model and mixing views are tested on.
#pragma once

#include <string>

#include "lavix/app/Session.h"
#include "tests/startup/SessionFixture.h"

namespace lavix::testing {

// The files of the model scripts (tests/models/scripts/files): three samples, LAV without Rb; a
// pattern that normalises by 1, so it shows the raw values; partition coefficients where OL carries
// the D's of the modal tests (mode 100 % OL), CE has no Kd and NI no column.
inline std::string modelFile(const std::string& name) {
  return readWholeFile(testDataPath("../models/scripts/files/" + name));
}

struct ModelSession : SessionFixture {
  ModelSession() {
    folder.write("Controls/Spider.txt", modelFile("Spider.txt"));
    folder.write("Data Files/models.txt", modelFile("models.txt"));
    folder.write("PC/unit.PC.txt", modelFile("unit.PC.txt"));
    start();
    click("mOpen", {"Data Files/models.txt"});
    click("mspider", {"#1", "[all]"});
  }

  app::Session& s() { return *session; }
  const std::string& name(int row) const { return session->data.sampleName[static_cast<std::size_t>(row)]; }
  int rows() const { return session->data.rowCount; }
};

}  // namespace lavix::testing
