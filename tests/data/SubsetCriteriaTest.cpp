// The subset row test: limits, MATCH and EXCLUDE texts, codes, normalised columns, the switch.
#include <gtest/gtest.h>

#include "lavix/data/SubsetCriteria.h"

namespace lavix::data {
namespace {

// Rows 1..6: SiO2, rock type and Fe2O3 cells, Kcode.
struct Rocks {
  DataStore store;
  Rocks() {
    store.allocate(20, 10);
    store.columnCount = 3;
    store.columnName[1] = "SiO2";
    store.columnName[2] = "Type";
    store.columnName[3] = "Fe[2]O[3]";
    const char* sio2[] = {"44.9", "45", "48", "52", "52.1", ""};
    const char* type[] = {"Basalt", "basalt", " Basalt", "1", "1.0", ""};
    const int16_t kcode[] = {1, 2, 3, -3, 2, 0};
    for (int r = 1; r <= 6; ++r) {
      store.setCell(r, 1, sio2[r - 1]);
      store.setCell(r, 2, type[r - 1]);
      store.setCell(r, 3, "2");
      store.kcode[static_cast<std::size_t>(r)] = kcode[r - 1];
      store.totalFactor[static_cast<std::size_t>(r)] = 1;
    }
    store.rowCount = 6;
  }
  std::vector<bool> selected(const SubsetCriteria& c, const std::vector<int16_t>* normFlag = nullptr) const {
    std::vector<bool> out;
    for (int r = 1; r <= store.rowCount; ++r) out.push_back(rowSelected(c, store, r, normFlag));
    return out;
  }
};

using Rows = std::vector<bool>;
constexpr bool T = true, F = false;

TEST(SubsetCriteria, RowTestFollowsLimitsMatchAndExclude) {
  struct Case {
    const char* what;
    SubsetCriteria criteria;
    Rows expected;
  };
  const std::vector<Case> cases = {
      {"no criteria", {}, {T, T, T, T, T, T}},
      {"limit keeps both ends", {{{1, 45, 52}}, {}, {}}, {F, T, T, T, F, F}},
      {"an empty cell reads 0", {{{1, -1, 1}}, {}, {}}, {F, F, F, F, F, T}},
      {"match is case and blank exact", {{}, {{2, "Basalt"}}, {}}, {T, F, F, F, F, F}},
      {"match 1 is not 1.0", {{}, {{2, "1"}}, {}}, {F, F, F, T, F, F}},
      {"any match entry will do", {{}, {{2, "1"}, {2, "1.0"}}, {}}, {F, F, F, T, T, F}},
      {"codes compare as integer text", {{}, {{kcodeVariable, "-3"}, {kcodeVariable, "2"}}, {}}, {F, T, F, T, T, F}},
      {"a code is never 2.0", {{}, {{kcodeVariable, "2.0"}}, {}}, {F, F, F, F, F, F}},
      {"exclude alone", {{}, {}, {{kcodeVariable, "2"}}}, {T, F, T, T, F, T}},
      {"limits and exclude with no match",
       {{{1, 45, 52}}, {}, {{2, "basalt"}}},
       {F, F, T, T, F, F}},
      {"all three",
       {{{kcodeVariable, 1, 3}}, {{2, "Basalt"}, {2, "basalt"}, {2, "1.0"}}, {{1, "45"}}},
       {T, F, F, F, T, F}},
      {"limit on a code", {{{kcodeVariable, -3, 1}}, {}, {}}, {T, F, F, T, F, T}},
  };
  Rocks rocks;
  for (const auto& c : cases) EXPECT_EQ(rocks.selected(c.criteria), c.expected) << c.what;
}

TEST(SubsetCriteria, SwitchOffSelectsEveryRow) {
  Rocks rocks;
  SubsetCriteria c{{{1, 100, 200}}, {{2, "none"}}, {{kcodeVariable, "1"}}};
  EXPECT_EQ(rocks.selected(c), (Rows{F, F, F, F, F, F}));
  c.active = false;
  EXPECT_EQ(rocks.selected(c), (Rows{T, T, T, T, T, T}));
}

TEST(SubsetCriteria, FlaggedColumnsAreTestedRecastToTheRowTotal) {
  Rocks rocks;
  rocks.store.totalFactor[3] = 1.1f;  // 48 -> 52.8
  rocks.store.totalFactor[2] = 0.9f;  // 45 -> 40.5
  const SubsetCriteria c{{{1, 45, 52}}, {}, {}};
  std::vector<int16_t> normFlag(14, 0);
  EXPECT_EQ(rocks.selected(c, &normFlag), (Rows{F, T, T, T, F, F}));
  normFlag[1] = 1;
  EXPECT_EQ(rocks.selected(c, &normFlag), (Rows{F, F, F, T, F, F}));
  EXPECT_FLOAT_EQ(variableValue(rocks.store, 1, 3, &normFlag), 52.8f);
  // MATCH still compares the text as stored.
  EXPECT_EQ(rocks.selected({{}, {{1, "48"}}, {}}, &normFlag), (Rows{F, F, T, F, F, F}));
}

}  // namespace
}  // namespace lavix::data
