// A session with a small fixed data set loaded, for diagram commands and whole-recording checks.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "tests/startup/SessionFixture.h"

namespace lavix::testing {

// Eight rows in three symbol groups: basalts (1), andesites (2), rhyolites (3).
inline const char* const smallDataSet =
    "SAMPLE\tJCODE\tKCODE\tLCODE\tSiO2\tMgO\tCaO\tNa2O\tK2O\tZr\n"
    "A1\t0\t1\t0\t48.5\t9.1\t11.2\t2.5\t0.3\t80\n"
    "A2\t0\t1\t0\t50.2\t7.8\t10.5\t2.9\t0.5\t110\n"
    "A3\t0\t1\t0\t52\t6.2\t9.4\t3.1\t0.7\t140\n"
    "B1\t0\t2\t0\t56.1\t4\t7.2\t3.6\t1.1\t190\n"
    "B2\t0\t2\t0\t60.3\t2.5\t5.6\t4\t1.6\t240\n"
    "B3\t0\t2\t0\t64.8\t1.2\t3.9\t4.3\t2.2\t300\n"
    "C1\t0\t3\t0\t70.5\t0.5\t2\t4.1\t3.5\t360\n"
    "C2\t0\t3\t0\t74.9\t0.2\t1.1\t3.9\t4.4\t410\n";

class DiagramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    f.folder.write("Data Files/small.txt", smallDataSet);
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
