// Tests of the spider choices: pattern list, sample marking, the Y-scale dialog and the row lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/SilentPrompts.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderCommands.h"
#include "lavix/app/Startup.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::app {
namespace {

// Answers each dialog from a queue and remembers what was shown.
class RecordingPrompts : public ui::SilentPrompts {
 public:
  std::vector<std::string> messages;
  std::vector<ui::ListRequest> lists;
  std::vector<ui::NumbersRequest> numberDialogs;
  std::vector<ui::ButtonsRequest> buttonDialogs;
  std::deque<std::function<ui::ListResult(const ui::ListRequest&)>> listAnswers;
  std::deque<std::optional<std::vector<std::string>>> numberAnswers;
  std::deque<int> buttonAnswers;

  ui::MessageResult message(const ui::MessageRequest& request) override {
    messages.push_back(request.text);
    return ui::SilentPrompts::message(request);
  }
  ui::ListResult pickList(const ui::ListRequest& request) override {
    lists.push_back(request);
    if (listAnswers.empty()) return {request.items, 0};
    auto answer = listAnswers.front();
    listAnswers.pop_front();
    return answer(request);
  }
  std::optional<std::vector<std::string>> numbers(const ui::NumbersRequest& request) override {
    numberDialogs.push_back(request);
    if (numberAnswers.empty()) return std::nullopt;
    auto answer = numberAnswers.front();
    numberAnswers.pop_front();
    return answer;
  }
  int buttons(const ui::ButtonsRequest& request) override {
    buttonDialogs.push_back(request);
    if (buttonAnswers.empty()) return 0;
    const int answer = buttonAnswers.front();
    buttonAnswers.pop_front();
    return answer;
  }
};

// Clicks item `n` (1-based) and closes with OK.
std::function<ui::ListResult(const ui::ListRequest&)> click(int n) {
  return [n](const ui::ListRequest& request) { return ui::ListResult{request.items, n}; };
}

// Toggles the marks of the given items and closes with OK.
std::function<ui::ListResult(const ui::ListRequest&)> toggle(std::vector<int> items) {
  return [items](const ui::ListRequest& request) {
    ui::ListResult result{request.items, 0};
    for (int n : items) {
      std::string& item = result.items[static_cast<std::size_t>(n - 1)];
      item[0] = item[0] == '*' ? ' ' : '*';
      result.listChoice = n;
    }
    return result;
  };
}

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
    folder.write("Controls/Spider.txt", patternFile);
    const std::string data = folder.write("Data Files/spider.txt", dataFile);
    session = std::make_unique<Session>(prompts, clipboard, folder.path() + "/", '.');
    ASSERT_EQ(startUp(*session), StartupOutcome::Ready);
    openDataFile(*session, data);
    ASSERT_EQ(session->data.rowCount, 4);
    prompts.messages.clear();
  }

  testing::TempProgramFolder folder;
  RecordingPrompts prompts;
  ui::ScriptedClipboard clipboard;
  std::unique_ptr<Session> session;
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
  prompts.listAnswers.push_back(click(1));
  ASSERT_TRUE(chooseSpiderPattern(*session, spider));
  ASSERT_EQ(prompts.lists.size(), 1u);
  EXPECT_EQ(prompts.lists[0].title, "Select Spider diagram");
  EXPECT_EQ(prompts.lists[0].items.back(), " QUIT");
  EXPECT_TRUE(spider.patternChosen);
  EXPECT_EQ(session->diagram.plot.xTitle, "Trace elements");
  EXPECT_EQ(session->diagram.plot.yTitle, "Rock/Primitive mantle (test)");
  EXPECT_FLOAT_EQ(session->diagram.x.start, 0.0f);
  EXPECT_FLOAT_EQ(session->diagram.x.end, 5.0f);
  EXPECT_FLOAT_EQ(session->diagram.spiderYBegin, 0.1f);
  EXPECT_FLOAT_EQ(session->diagram.spiderYEnd, 1000.0f);
  EXPECT_FLOAT_EQ(session->diagram.y.start, -1.0f);
  EXPECT_FLOAT_EQ(session->diagram.y.end, 3.0f);
  EXPECT_EQ(spider.match.column, (std::vector<int16_t>{2, 3, 4, 5}));  // K through K2O
  EXPECT_EQ(spider.match.keyPosition, 2);
  EXPECT_FLOAT_EQ(spider.pattern.keyValue, 5.0f);
}

TEST_F(SpiderCommandsTest, QuitNoMatchAndMissingFileChangeNothing) {
  session->diagram.plot.xTitle = "before";
  prompts.listAnswers.push_back(click(3));  // QUIT
  prompts.listAnswers.push_back(click(0));  // the Quit button
  prompts.listAnswers.push_back(click(2));  // a pattern without data
  EXPECT_FALSE(chooseSpiderPattern(*session, spider));
  EXPECT_FALSE(chooseSpiderPattern(*session, spider));
  EXPECT_FALSE(chooseSpiderPattern(*session, spider));
  EXPECT_EQ(prompts.messages, (std::vector<std::string>{"None of the traces needed are in this file"}));
  EXPECT_FALSE(spider.patternChosen);
  EXPECT_EQ(session->diagram.plot.xTitle, "before");

  std::remove(folder.controls("Spider.txt").c_str());
  prompts.messages.clear();
  EXPECT_FALSE(chooseSpiderPattern(*session, spider));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("Spider.txt"), std::string::npos);
  EXPECT_EQ(prompts.lists.size(), 3u);  // no list without a file
}

TEST_F(SpiderCommandsTest, AFaultyFileOffersThePatternsReadBeforeTheFault) {
  folder.write("Controls/Spider.txt", std::string(patternFile) + "Broken Ref 3 none 1 10 La");
  prompts.listAnswers.push_back(click(1));
  EXPECT_TRUE(chooseSpiderPattern(*session, spider));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("Pattern 3 (Broken) ends before element 2."), std::string::npos);
  EXPECT_EQ(prompts.lists[0].items.size(), 3u);
}

TEST_F(SpiderCommandsTest, SampleChoiceMarksCandidatesAndKeepsListOrder) {
  prompts.listAnswers.push_back(click(1));
  ASSERT_TRUE(chooseSpiderPattern(*session, spider));
  // A2 has no values; A3 has a hidden symbol.
  session->symbols.selectedSymbol[3] = diagram::hiddenSymbol;
  spider.selectedRows = {4};
  prompts.listAnswers.push_back(toggle({1}));
  ASSERT_TRUE(chooseSpiderSamples(*session, spider));
  const ui::ListRequest& list = prompts.lists.back();
  EXPECT_EQ(list.title, "Select samples (*) with doubleclick");
  EXPECT_TRUE(list.okCaptionDone);
  EXPECT_EQ(list.items, (std::vector<std::string>{" A1", "*A4"}));
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{1, 4}));
  EXPECT_FALSE(session->exchange.listDoneCaption);

  // Unmarking everything leaves no selection; no candidate at all empties it without a list.
  prompts.listAnswers.push_back(toggle({1, 2}));
  chooseSpiderSamples(*session, spider);
  EXPECT_TRUE(spider.selectedRows.empty());
  spider.selectedRows = {1};
  session->symbols.selectedSymbol[1] = diagram::hiddenSymbol;
  const std::size_t listsBefore = prompts.lists.size();
  EXPECT_FALSE(chooseSpiderSamples(*session, spider));
  EXPECT_TRUE(spider.selectedRows.empty());
  EXPECT_EQ(prompts.lists.size(), listsBefore);
}

TEST_F(SpiderCommandsTest, StateDecidesWhichChoicesRun) {
  startSpiderDiagram(*session, spider);
  EXPECT_EQ(spider.state, "NEW");
  EXPECT_EQ(session->diagram.diagramFamily, "SPI");
  EXPECT_EQ(session->diagram.plot.yLog, 1);
  prompts.listAnswers.push_back(click(1));
  prompts.listAnswers.push_back(toggle({1, 3}));
  ASSERT_TRUE(runSpiderChoice(*session, spider));
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{1, 4}));
  EXPECT_EQ(prompts.lists.size(), 2u);

  spider.state = "NEWSPI";  // pattern only: the samples stay
  prompts.listAnswers.push_back(click(1));
  ASSERT_TRUE(runSpiderChoice(*session, spider));
  EXPECT_EQ(prompts.lists.size(), 3u);
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{1, 4}));

  spider.state = "CONTINUE";  // samples only
  prompts.listAnswers.push_back(toggle({1}));
  ASSERT_TRUE(runSpiderChoice(*session, spider));
  EXPECT_EQ(prompts.lists.size(), 4u);
  EXPECT_EQ(prompts.lists.back().title, "Select samples (*) with doubleclick");
  EXPECT_EQ(spider.selectedRows, (std::vector<int16_t>{4}));
}

TEST_F(SpiderCommandsTest, RowValuesRecastColumnsAndGaps) {
  prompts.listAnswers.push_back(click(1));
  ASSERT_TRUE(chooseSpiderPattern(*session, spider));
  // Only K2O (column 2) is recast to 100 volatile-free.
  std::vector<int16_t> normFlag(static_cast<std::size_t>(session->data.columnCount) + 1, 0);
  normFlag[2] = 1;
  const float factor = session->data.totalFactor[1];
  ASSERT_NE(factor, 1.0f);
  const std::vector<float> values = spiderRowValues(session->data, spider.match, 1, &normFlag);
  EXPECT_FLOAT_EQ(values[0], 1.2f * factor);
  EXPECT_FLOAT_EQ(values[1], 10.0f);
  EXPECT_EQ(spiderRowValues(session->data, spider.match, 1), (std::vector<float>{1.2f, 10, 20, 5}));

  // A3's Ce is 0: joined in line mode, broken in gap mode.
  EXPECT_EQ(spiderRowLines(*session, spider, 3).size(), 1u);
  spider.gapMode = true;
  EXPECT_EQ(spiderRowLines(*session, spider, 3).size(), 2u);
}

TEST_F(SpiderCommandsTest, YScaleLogLinearAndCancel) {
  session->diagram.spiderYBegin = 1;
  session->diagram.spiderYEnd = 1000;
  session->diagram.plot.yLog = 1;
  const diagram::DiagramSettings before = session->diagram;

  // Cancelled at the button menu and at the range dialog: nothing changes.
  prompts.buttonAnswers = {0, 1};
  EXPECT_FALSE(spiderYScale(*session));
  EXPECT_FALSE(spiderYScale(*session));
  EXPECT_EQ(session->diagram.y, before.y);
  ASSERT_EQ(prompts.buttonDialogs.size(), 2u);
  EXPECT_EQ(prompts.buttonDialogs[0].title, "Select scale type");
  EXPECT_EQ(prompts.buttonDialogs[0].choices, (std::vector<std::string>{"Log Scale", "Linear scale"}));
  EXPECT_EQ(prompts.buttonDialogs[0].keyLetters[0], 'G');
  ASSERT_EQ(prompts.numberDialogs.size(), 1u);
  EXPECT_EQ(prompts.numberDialogs[0].title, "New Y-Axis range");
  EXPECT_EQ(prompts.numberDialogs[0].prompts, (std::vector<std::string>{"Begin (must be >0)", "End  (must be >0)"}));
  EXPECT_EQ(prompts.numberDialogs[0].presets, (std::vector<std::string>{"1", "1000"}));

  // Log with a begin of 0: replaced by 1 as on every log axis.
  prompts.buttonAnswers = {1};
  prompts.numberAnswers = {std::vector<std::string>{"0", "100"}};
  ASSERT_TRUE(spiderYScale(*session));
  EXPECT_EQ(session->diagram.spiderScale, "LOG");
  EXPECT_FLOAT_EQ(session->diagram.y.start, 0.0f);
  EXPECT_FLOAT_EQ(session->diagram.y.end, 2.0f);
  EXPECT_FLOAT_EQ(session->diagram.spiderYBegin, 1.0f);

  // Linear: the seven fields, prefilled with the raw range.
  prompts.buttonAnswers = {2};
  prompts.numberAnswers = {std::vector<std::string>{"0", "50", "5", "2", "0", "50", "10"}};
  ASSERT_TRUE(spiderYScale(*session));
  const ui::NumbersRequest& linear = prompts.numberDialogs.back();
  EXPECT_EQ(linear.title, "New Y-Axis range");
  ASSERT_EQ(linear.prompts.size(), 7u);
  EXPECT_EQ(linear.prompts[0], "Start of Y-axis");
  EXPECT_EQ(linear.prompts[6], "Step of Y Numbers");
  EXPECT_EQ(linear.presets[0], "1");
  EXPECT_EQ(linear.presets[1], "100");
  EXPECT_EQ(session->diagram.spiderScale, "LIN");
  EXPECT_EQ(session->diagram.plot.yLog, 0);
  EXPECT_FLOAT_EQ(session->diagram.y.end, 50.0f);
  EXPECT_FLOAT_EQ(session->diagram.y.numberStep, 10.0f);
}

}  // namespace
}  // namespace lavix::app
