// Tests of the spider choices: pattern list, sample marking, the Y-scale dialog and the row lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lavix/app/SpiderCommands.h"
#include "tests/startup/SessionFixture.h"

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
  bool chooseSamples(const std::string& answer) {
    return answered([this] { return chooseSpiderSamples(session(), spider); }, {answer});
  }

  testing::SessionFixture f;
  SpiderState spider;
};

TEST(SpiderChooser, LinesArePaddedToCommonWidthsAndEndWithQuit) {
  std::vector<diagram::SpiderPattern> patterns(2);
  patterns[0].name = "REE";
  patterns[0].reference = "Chondrite (Boynton 1984)";
  patterns[1].name = "Trace elements";
  patterns[1].reference = "OIB";
  EXPECT_EQ(spiderChooserLines(patterns), (std::vector<std::string>{"REE             Chondrite (Boynton 1984)",
                                                                    "Trace elements  OIB                     ",
                                                                    "QUIT"}));
}

TEST_F(SpiderCommandsTest, ChoosingAPatternSetsTitlesAxesAndColumns) {
  ASSERT_TRUE(choosePattern("#1"));
  EXPECT_TRUE(f.shown("list: Select Spider diagram |  Trace elements  Primitive mantle (test) |"));
  EXPECT_TRUE(spider.patternChosen);
  const diagram::DiagramSettings& d = session().diagram;
  EXPECT_EQ(d.plot.xTitle, "Trace elements");
  EXPECT_EQ(d.plot.yTitle, "Rock/Primitive mantle (test)");
  EXPECT_FLOAT_EQ(d.x.end, 5.0f);
  EXPECT_FLOAT_EQ(d.spiderYEnd, 1000.0f);
  EXPECT_FLOAT_EQ(d.y.start, -1.0f);
  EXPECT_FLOAT_EQ(d.y.end, 3.0f);
  EXPECT_EQ(spider.match.column, (std::vector<int16_t>{2, 3, 4, 5}));  // K through K2O
  EXPECT_EQ(spider.match.keyPosition, 2);
  EXPECT_FLOAT_EQ(spider.pattern.keyValue, 5.0f);
}

TEST_F(SpiderCommandsTest, QuitNoMatchAndMissingOrFaultyFiles) {
  session().diagram.plot.xTitle = "before";
  EXPECT_FALSE(choosePattern("QUIT"));
  EXPECT_FALSE(choosePattern("[quit]"));
  EXPECT_FALSE(choosePattern("#2"));  // a pattern without data
  EXPECT_TRUE(f.shown("message: None of the traces needed are in this file"));
  EXPECT_FALSE(spider.patternChosen);
  EXPECT_EQ(session().diagram.plot.xTitle, "before");

  // Whole records read before a fault are offered; a missing file offers nothing.
  f.folder.write("Controls/Spider.txt", std::string(patternFile) + "Broken Ref 3 none 1 10 La");
  EXPECT_TRUE(choosePattern("#1"));
  EXPECT_TRUE(f.shown("Pattern 3 (Broken) ends before element 2."));
  std::remove(f.folder.controls("Spider.txt").c_str());
  const std::size_t before = f.transcript.size();
  EXPECT_FALSE(answered([this] { return chooseSpiderPattern(session(), spider); }, {}));
  EXPECT_TRUE(f.transcript.contains(before, f.transcript.size(), "Spider.txt"));
  EXPECT_FALSE(f.transcript.contains(before, f.transcript.size(), "list:"));
}

TEST_F(SpiderCommandsTest, SampleChoiceMarksCandidatesAndKeepsListOrder) {
  ASSERT_TRUE(choosePattern("#1"));
  // A2 has no values; A3 has a hidden symbol.
  session().symbols.selectedSymbol[3] = diagram::hiddenSymbol;
  spider.selectedRows = {4};
  ASSERT_TRUE(chooseSamples("A1"));
  EXPECT_TRUE(f.shown("list: Select samples (*) with doubleclick |  A1 | *A4"));
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{1, 4}));
  EXPECT_FALSE(session().exchange.listDoneCaption);

  // Unmarking everything leaves no selection; no candidate at all empties it without a list.
  chooseSamples("[clear]");
  EXPECT_TRUE(spider.selectedRows.empty());
  spider.selectedRows = {1};
  session().symbols.selectedSymbol[1] = diagram::hiddenSymbol;
  EXPECT_FALSE(answered([this] { return chooseSpiderSamples(session(), spider); }, {}));
  EXPECT_TRUE(spider.selectedRows.empty());
}

TEST_F(SpiderCommandsTest, StateDecidesWhichChoicesRun) {
  startSpiderDiagram(session(), spider);
  EXPECT_EQ(spider.state, "NEW");
  EXPECT_EQ(session().diagram.diagramFamily, "SPI");
  EXPECT_EQ(session().diagram.plot.yLog, 1);
  ASSERT_TRUE(answered([this] { return runSpiderChoice(session(), spider); }, {"#1", "#1 | #3"}));
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{1, 4}));

  spider.state = "NEWSPI";  // pattern only: the samples stay
  ASSERT_TRUE(answered([this] { return runSpiderChoice(session(), spider); }, {"#1"}));
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{1, 4}));

  spider.state = "CONTINUE";  // samples only
  ASSERT_TRUE(answered([this] { return runSpiderChoice(session(), spider); }, {"A1"}));
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{4}));
}

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

TEST_F(SpiderCommandsTest, YScaleLogLinearAndCancel) {
  diagram::DiagramSettings& d = session().diagram;
  d.spiderYBegin = 1;
  d.spiderYEnd = 1000;
  d.plot.yLog = 1;
  const diagram::DiagramSettings before = d;
  auto yScale = [this](const std::vector<std::string>& answers) {
    return answered([this] { return spiderYScale(session()); }, answers);
  };

  // Cancelled at the range dialog: nothing changes.
  EXPECT_FALSE(yScale({"Log Scale", "[cancel]"}));
  EXPECT_EQ(d.y, before.y);
  EXPECT_TRUE(f.shown("buttons: Select scale type | Log Scale | Linear scale"));
  EXPECT_TRUE(f.shown("numbers: New Y-Axis range | Begin (must be >0) = 1 | End  (must be >0) = 1000"));

  // Log with a begin of 0: replaced by 1 as on every log axis.
  ASSERT_TRUE(yScale({"Log Scale", "0,100"}));
  EXPECT_EQ(d.spiderScale, "LOG");
  EXPECT_FLOAT_EQ(d.y.start, 0.0f);
  EXPECT_FLOAT_EQ(d.y.end, 2.0f);
  EXPECT_FLOAT_EQ(d.spiderYBegin, 1.0f);

  // Linear: the seven fields, prefilled with the raw range.
  ASSERT_TRUE(yScale({"Linear scale", "0,50,5,2,0,50,10"}));
  EXPECT_TRUE(f.shown("numbers: New Y-Axis range | Start of Y-axis = 1 | End of Y-axis = 100 |"));
  EXPECT_TRUE(f.shown("| Step of Y Numbers = "));
  EXPECT_EQ(d.spiderScale, "LIN");
  EXPECT_EQ(d.plot.yLog, 0);
  EXPECT_FLOAT_EQ(d.y.end, 50.0f);
  EXPECT_FLOAT_EQ(d.y.numberStep, 10.0f);
}

}  // namespace
}  // namespace lavix::app
