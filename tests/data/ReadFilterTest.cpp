// The read filter asked before a read: question, variable lists, limits and their presets.
#include <gtest/gtest.h>

#include "lavix/data/DataFileReader.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using testing::DataSession;
using Strings = std::vector<std::string>;

const char* const rocks =
    "SAMPLE\tKCODE\tSiO2\tBa\r\n"
    "A\t1\t44.9\t100\r\n"
    "B\t2\t45\t200\r\n"
    "C\t3\t48\t300\r\n"
    "D\t1\t52\t400\r\n"
    "E\t2\t52.1\t500\r\n";

Strings names(const DataStore& store) {
  Strings out;
  for (int r = 1; r <= store.rowCount; ++r) out.push_back(store.sampleName[static_cast<std::size_t>(r)]);
  return out;
}

TEST(ReadFilter, LimitsOnOneVariableKeepTheirEndsAndPresetTheFileRange) {
  DataSession s;
  s.readFilterOn = true;
  s.prompts.listAnswers = {ui::ListResult{{}, 5}, ui::ListResult{{}, 1}};  // SiO2, then "none"
  s.prompts.numberAnswers = {Strings{"45", "52"}};
  auto result = s.read(rocks);
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  ASSERT_EQ(s.prompts.listRequests.size(), 2u);
  EXPECT_EQ(s.prompts.listRequests[0].title, "Select First of two control variables");
  EXPECT_EQ(s.prompts.listRequests[0].items, (Strings{" none", " Jcode", " Kcode", " Lcode", " SiO2", " Ba"}));
  EXPECT_EQ(s.prompts.listRequests[1].title, "Select Second control variable");
  EXPECT_EQ(s.prompts.numberRequests[0].presets, (Strings{"44.9", "52.1"}));
  EXPECT_EQ(names(s.store), (Strings{"B", "C", "D"}));
  EXPECT_EQ(s.cell(3, 1), "52");
  EXPECT_EQ(s.cell(4, 1), "");  // rejected rows leave nothing behind
  EXPECT_FALSE(s.filter.active());  // the filter lasts one read
  EXPECT_FALSE(s.store.filterActive);
  EXPECT_EQ(result.title, "Lavix in.txt   3 rows by 2 columns");
}

TEST(ReadFilter, TwoControlVariablesMustBothHold) {
  DataSession s;
  s.readFilterOn = true;
  s.prompts.listAnswers = {ui::ListResult{{}, 6}, ui::ListResult{{}, 3}};  // Ba, then Kcode
  s.prompts.numberAnswers = {Strings{"150", "1000"}, Strings{"2", "2"}};
  s.read(rocks);
  EXPECT_EQ(s.prompts.numberRequests[1].title, "Upper and lower limits of Kcode");
  EXPECT_EQ(s.prompts.numberRequests[1].presets, (Strings{"1", "3"}));
  EXPECT_EQ(names(s.store), (Strings{"B", "E"}));
}

TEST(ReadFilter, NoneQuitOrCancelReadEveryRow) {
  struct Case {
    std::vector<ui::ListResult> lists;
    std::vector<std::optional<Strings>> numbers;
    Strings rows;
  };
  const Strings all = {"A", "B", "C", "D", "E"};
  for (const Case& c : {Case{{ui::ListResult{{}, 1}}, {}, all},           // "none"
                        Case{{ui::ListResult{{}, 0}}, {}, all},           // Quit
                        Case{{ui::ListResult{{}, 5}}, {std::nullopt}, all},  // QUIT in the limits
                        // second variable cancelled: the first stays
                        Case{{ui::ListResult{{}, 5}, ui::ListResult{{}, 6}}, {Strings{"45", "52"}, std::nullopt},
                             {"B", "C", "D"}}}) {
    DataSession s;
    s.readFilterOn = true;
    s.prompts.listAnswers.assign(c.lists.begin(), c.lists.end());
    s.prompts.numberAnswers.assign(c.numbers.begin(), c.numbers.end());
    s.read(rocks);
    EXPECT_EQ(names(s.store), c.rows);
  }
}

TEST(ReadFilter, AMergeFiltersOnTheAddedFilesColumns) {
  DataSession s;
  s.read("SAMPLE\tBa\tRb\r\nold\t1\t2\r\n");
  s.readFilterOn = true;
  s.prompts.listAnswers = {ui::ListResult{{}, 5}, ui::ListResult{{}, 1}};
  s.prompts.numberAnswers = {Strings{"50", "60"}};
  s.read(rocks, "A");
  EXPECT_EQ(names(s.store), (Strings{"old", "D", "E"}));
  EXPECT_EQ(s.cell(3, 1), "500");
}

}  // namespace
}  // namespace lavix::data
