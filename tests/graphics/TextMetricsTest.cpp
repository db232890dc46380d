// Tests of the built-in text metrics and of the runs of titles with name markup.
#include "common/graphics/TextMetrics.h"

#include <gtest/gtest.h>

namespace lavix::graphics {
namespace {

TEST(TextMetrics, WidthsComeFromTheSansTable) {
  // S 635, i 278, O 787, 2 636 thousandths of the em (bold: 720, 343, 850, 696).
  EXPECT_EQ(textWidth("SiO2", -1000, false), 2336);
  EXPECT_EQ(textWidth("SiO2", -150, false), 350);
  EXPECT_EQ(textWidth("SiO2", -1000, true), 2609);
  EXPECT_EQ(textWidth("", -150, false), 0);
  EXPECT_EQ(textWidth(" ", -1000, false), 318);
  // A positive height is the cell: 1164 units hold an em of 1000.
  EXPECT_EQ(textWidth("SiO2", 1164, false), 2336);
  // Non-ASCII letters count once, as an "n"; control characters take no room.
  EXPECT_EQ(textWidth("\xC3\xA9", -1000, false), 634);
  EXPECT_EQ(textWidth("a\tb", -1000, false), textWidth("ab", -1000, false));
}

TEST(TextMetrics, HeightsFollowTheFontRequest) {
  EXPECT_EQ(emHeight(-150), 150);
  EXPECT_EQ(emHeight(1164), 1000);
  EXPECT_EQ(emHeight(0), 167);
  EXPECT_EQ(ascentOf(-1000), 928);
  EXPECT_EQ(descentOf(-1000), 236);
}

TEST(TextMetrics, SubscriptsAreSmallerAndLowered) {
  auto runs = splitMarkup("Fe[2]O[3]", -300, false);
  const std::vector<TextRun> expected = {
      {"Fe", RunKind::Normal, 0, 0, -300, 357},
      {"2", RunKind::Subscript, 357, 75, -200, 127},
      {"O", RunKind::Normal, 484, 0, -300, 236},
      {"3", RunKind::Subscript, 720, 75, -200, 127},
  };
  EXPECT_EQ(runs, expected);
  EXPECT_EQ(markupWidth("Fe[2]O[3]", -300, false), 847);
}

TEST(TextMetrics, UnbalancedMarkupNeverLosesText) {
  struct Case {
    const char* title;
    std::vector<std::pair<std::string, RunKind>> runs;
  };
  const Case cases[] = {
      {"", {}},
      {"SiO2", {{"SiO2", RunKind::Normal}}},
      {"V[2", {{"V", RunKind::Normal}, {"2", RunKind::Subscript}}},
      {"a]b}c", {{"abc", RunKind::Normal}}},
      {"[]{}", {}},
      {"x{2[3]}", {{"x", RunKind::Normal}, {"2", RunKind::Superscript}, {"3", RunKind::Subscript}}},
  };
  for (const auto& c : cases) {
    auto runs = splitMarkup(c.title, -150, false);
    std::vector<std::pair<std::string, RunKind>> got;
    for (const auto& r : runs) got.emplace_back(r.text, r.kind);
    EXPECT_EQ(got, c.runs) << c.title;
  }
}

}  // namespace
}  // namespace lavix::graphics
