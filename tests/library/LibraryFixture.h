// A lavix session over a temporary program folder holding the test library records of
// tests/data/library (Diagrams/tas.txt, CMAS/three.txt, MIN/pyroxene.txt) over the shipped ones.
#pragma once

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/LavixSessions.h"

namespace lavix::testing {

class LibraryFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    copyTestRecords();
  }

  void copyTestRecords() {
    for (const char* file : {"Diagrams/tas.txt", "CMAS/three.txt", "MIN/pyroxene.txt"})
      f.folder.write(file, readWholeFile(testDataPath(std::string("library/") + file)));
  }

  // Loads a data file written from `content` (TAB-separated, header first).
  void load(const std::string& content) {
    f.folder.write("Data Files/test.txt", content);
    f.click("mOpen", {"Data Files/test.txt"});
    ASSERT_GT(session().data.rowCount, 0);
  }
  void loadExample() { f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"}); }

  // A library file of the test's own, below the program folder.
  void write(const std::string& relative, const std::string& content) { f.folder.write(relative, content); }

  app::Session& session() { return *f.session; }
  diagram::DiagramSettings& settings() { return f.session->diagram; }
  float x(int row) { return settings().plot.xValue[static_cast<std::size_t>(row)]; }
  float y(int row) { return settings().plot.yValue[static_cast<std::size_t>(row)]; }
  float z(int row) { return settings().plot.zValue[static_cast<std::size_t>(row)]; }

  template <typename Op>
  std::vector<Op> recorded() const {
    std::vector<Op> out;
    for (const graphics::Operation& op : f.session->recording.operations())
      if (const auto* found = std::get_if<Op>(&op)) out.push_back(*found);
    return out;
  }
  bool drawnText(const std::string& text) const {
    const auto texts = recorded<graphics::Text>();
    return std::any_of(texts.begin(), texts.end(), [&](const graphics::Text& t) { return t.text == text; });
  }

  SessionFixture f;
};

}  // namespace lavix::testing
