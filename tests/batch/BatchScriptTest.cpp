// Reading batch scripts: verbs, answers grouped under their event, and unreadable lines.
#include "common/batch/BatchScript.h"

#include <gtest/gtest.h>

namespace lavix::batch {
namespace {

TEST(BatchScriptTest, GroupsAnswersUnderTheEventBeforeThem) {
  const auto parsed = parseBatchScript(
      "# start\r\n"
      "> startup one\n"
      "\n"
      "  click mOpen\n"
      "> Data Files/a b.txt\n"
      ">\n"
      "@expect rows by 34 columns\n"
      ">  two blanks\n"
      "click lxpic 1200 3400\n"
      "type inpt #3 LOG(ZR) \n"
      "type Formula SiO2\n"
      "enter inpt #1\n"
      "key List1 Down\n"
      "@export SVG out/plot.svg\n"
      "@dump matrix\n"
      "@echo   hello there\n");
  ASSERT_TRUE(parsed.script) << parsed.error;
  const BatchScript& script = *parsed.script;
  EXPECT_EQ(script.startUpAnswers, std::vector<std::string>{"startup one"});
  ASSERT_EQ(script.lines.size(), 10u);

  const ScriptLine& open = script.lines[0];
  EXPECT_EQ(open.lineNumber, 4);
  EXPECT_EQ(open.source, "click mOpen");
  EXPECT_EQ(open.event.control, "mOpen");
  EXPECT_EQ(open.event.text, "");
  EXPECT_EQ(open.answers, (std::vector<std::string>{"Data Files/a b.txt", "", " two blanks"}));
  EXPECT_EQ(script.lines[1].kind, ScriptLineKind::Expect);
  EXPECT_EQ(script.lines[1].text, "rows by 34 columns");

  EXPECT_EQ(script.lines[2].event.text, "1200 3400");
  EXPECT_TRUE(script.lines[2].answers.empty());
  EXPECT_EQ(script.lines[3].event.kind, ui::FormEventKind::Type);
  EXPECT_EQ(script.lines[3].event.index, 3);
  EXPECT_EQ(script.lines[3].event.text, "LOG(ZR) ");
  EXPECT_EQ(script.lines[4].event.index, 0);
  EXPECT_EQ(script.lines[4].event.text, "SiO2");
  EXPECT_EQ(script.lines[5].event.kind, ui::FormEventKind::Enter);
  EXPECT_EQ(script.lines[5].event.index, 1);
  EXPECT_EQ(script.lines[6].event.kind, ui::FormEventKind::Key);
  EXPECT_EQ(script.lines[6].event.text, "Down");
  EXPECT_EQ(script.lines[7].kind, ScriptLineKind::Export);
  EXPECT_EQ(script.lines[7].format, "svg");
  EXPECT_EQ(script.lines[7].text, "out/plot.svg");
  EXPECT_EQ(script.lines[8].kind, ScriptLineKind::Dump);
  EXPECT_EQ(script.lines[8].text, "matrix");
  EXPECT_EQ(script.lines[9].kind, ScriptLineKind::Echo);
  EXPECT_EQ(script.lines[9].text, "hello there");
}

TEST(BatchScriptTest, UnreadableLinesNameTheirLine) {
  struct Case {
    std::string script;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"click a\nclik mOpen\n", "line 2: unknown verb \"clik\""},
      {"@expected x\n", "line 1: unknown verb \"@expected\""},
      {"\n\n@expect\n", "line 3: @expect needs a text"},
      {"@dump\n", "line 1: @dump needs what to dump"},
      {"@export jpg a.jpg\n", "line 1: @export needs a format svg, wmf, png or pdf, not \"jpg\""},
      {"@export svg\n", "line 1: @export needs a path"},
      {"click\n", "line 1: click needs a control"},
      {"enter box extra\n", "line 1: enter takes a control and an optional #n only"},
      {"key List1\n", "line 1: key needs a key name"},
  };
  for (const Case& c : cases) {
    const auto parsed = parseBatchScript(c.script);
    EXPECT_FALSE(parsed.script) << c.script;
    EXPECT_EQ(parsed.error, c.error);
  }
}

}  // namespace
}  // namespace lavix::batch
