// The spider row values and lines, which no transcript shows. The choices of pattern and samples,
// the command states and the Y scale: tests/spider/scripts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lavix/app/SpiderCommands.h"
#include "tests/support/LavixSessions.h"

namespace lavix::app {
namespace {

const char* patternFile =
    "\"Trace elements\" \"Primitive mantle (test)\" 4 La=5 0.1 1000 K La Ce Nd 250 0.5 2 1\r\n"
    "Isotopes \"Nothing here\" 2 none 1 10 Os Ir 1 1\r\n";

const char* dataFile =
    "SAMPLE\tKCODE\tSiO2\tK2O\tLa\tCe\tNd\r\n"
    "A1\t1\t50\t1.2\t10\t20\t5\r\n"
    "A2\t2\t51\t\t\t\t\r\n"
    "A3\t3\t52\t0.5\t5\t0\t4\r\n"
    "A4\t1\t53\t0.8\t8\t16\t8\r\n";

class SpiderCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.folder.write("Controls/Spider.txt", patternFile);
    f.folder.write("Data Files/spider.txt", dataFile);
    ASSERT_EQ(f.start(), StartupOutcome::Ready);
    f.click("mOpen", {"Data Files/spider.txt"});
    ASSERT_EQ(session().data.rowCount, 4);
  }
  Session& session() { return *f.session; }
  // Runs a choice with the answers of its prompts; all must be used.
  template <typename Choice>
  bool answered(Choice choice, const std::vector<std::string>& answers) {
    f.prompts.queueAnswers(answers);
    const bool done = choice();
    EXPECT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
    EXPECT_EQ(f.prompts.takeUnusedAnswers(), std::vector<std::string>{});
    return done;
  }
  bool choosePattern(const std::string& answer) {
    return answered([this] { return chooseSpiderPattern(session(), spider); }, {answer});
  }

  testing::SessionFixture f;
  SpiderState spider;
};

TEST_F(SpiderCommandsTest, RowValuesRecastColumnsAndGaps) {
  ASSERT_TRUE(choosePattern("#1"));
  // Only K2O (column 2) is recast to 100 volatile-free.
  std::vector<int16_t> normFlag(static_cast<std::size_t>(session().data.columnCount) + 1, 0);
  normFlag[2] = 1;
  const float factor = session().data.totalFactor[1];
  ASSERT_NE(factor, 1.0f);
  const std::vector<float> values = spiderRowValues(session().data, spider.match, 1, &normFlag);
  EXPECT_FLOAT_EQ(values[0], 1.2f * factor);
  EXPECT_FLOAT_EQ(values[1], 10.0f);
  EXPECT_EQ(spiderRowValues(session().data, spider.match, 1), (std::vector<float>{1.2f, 10, 20, 5}));

  // A3's Ce is 0: joined in line mode, broken in gap mode.
  EXPECT_EQ(spiderRowLines(session(), spider, 3).size(), 1u);
  spider.gapMode = true;
  EXPECT_EQ(spiderRowLines(session(), spider, 3).size(), 2u);
}

}  // namespace
}  // namespace lavix::app
