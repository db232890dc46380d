// A lavix session for the symbol dialog tests: the shipped symbols, one column "P", five rows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lavix/app/SymbolForm.h"
#include "lavix/diagram/SymbolFile.h"
#include "tests/startup/SessionFixture.h"

namespace lavix::testing {

using app::currentSymbolPath;
using app::Session;
using app::SymbolForm;

// A session on a copy of the program folder with the shipped symbols (N = 36) and one
// column "P" over five rows.
struct SymbolSession : SessionFixture {
  Session& s = bare();

  SymbolSession() {
    s.data.allocate(20, 5);
    s.allocateRowArrays();
    text::FileError error;
    EXPECT_TRUE(diagram::readSymbolFile(currentSymbolPath(s), "default", s.symbols, error)) << error.text;
    s.data.columnName[1] = "P";
    s.data.columnCount = 1;
    const char* p[] = {"10", "9.99", "-1", "0", "5"};
    const int16_t codes[][3] = {{1, 2, 3}, {40, -99, -40}, {-5, 36, 37}, {0, 0, 0}, {7, 8, 9}};
    s.data.rowCount = 5;
    for (int row = 1; row <= 5; ++row) {
      const auto r = static_cast<std::size_t>(row);
      s.data.setCell(row, 1, p[row - 1]);
      s.data.jcode[r] = codes[row - 1][0];
      s.data.kcode[r] = codes[row - 1][1];
      s.data.lcode[r] = codes[row - 1][2];
      s.data.symbolOf[r] = 33;
    }
  }

  // One click on the dialog with the answers of the prompts it raises; all must be used.
  void click(const std::string& control, const std::vector<std::string>& answers = {},
             const std::string& item = "") {
    prompts.queueAnswers(answers);
    EXPECT_EQ(form.click(control, item), ui::EventResult::Done) << control;
    EXPECT_FALSE(prompts.failed()) << prompts.failure().text;
    EXPECT_EQ(prompts.takeUnusedAnswers(), std::vector<std::string>{}) << control;
  }

  std::vector<int16_t> symbolOf() const {
    return {s.data.symbolOf.begin() + 1, s.data.symbolOf.begin() + 6};
  }
  SymbolForm form{s};
};

}  // namespace lavix::testing
