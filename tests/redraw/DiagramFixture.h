// A session with a small fixed data set loaded, for diagram commands and whole-recording checks.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "tests/startup/SessionFixture.h"

namespace lavix::testing {

// Eight rows in three symbol groups (basalts 1, andesites 2, rhyolites 3) of SiO2, MgO, CaO,
// Na2O, K2O and Zr: the file the batch scripts of tests/cli use too.
inline std::string smallDataSet() { return readWholeFile(testDataPath("../cli/scripts/files/eight.txt")); }

class DiagramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    f.folder.write("Data Files/small.txt", smallDataSet());
    f.click("mOpen", {"Data Files/small.txt"});
    ASSERT_EQ(f.session->data.rowCount, 8);
  }

  // Picks one variable of the calculator by its button.
  static std::string pick(const std::string& name) { return "click varbut " + name; }

  void xy(const std::string& x, const std::string& y) { f.click("mxy", {pick(x), pick(y)}); }

  app::Session& session() { return *f.session; }
  diagram::DiagramSettings& settings() { return f.session->diagram; }

  SessionFixture f;
};

}  // namespace lavix::testing
