// The scripted prompt port: how each kind of prompt reads its answer and what it prints.
#include "common/ui/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/ui/FormEvent.h"

namespace lavix::ui {
namespace {

class ScriptedPromptsTest : public ::testing::Test {
 protected:
  ScriptedPrompts& answering(std::vector<std::string> answers) {
    prompts.queueAnswers(answers);
    return prompts;
  }
  std::string lastLine() const { return transcript.lines().empty() ? "" : transcript.lines().back(); }

  Transcript transcript;
  ScriptedPrompts prompts{transcript, "/scripts/run"};
};

TEST_F(ScriptedPromptsTest, MessageBoxTakesItsButtonInAnyCase) {
  const MessageRequest yesNoCancel{"Save changes?", "", MessageButtons::YesNoCancel, MessageIcon::Question};
  struct Case {
    std::string answer;
    MessageResult result;
  };
  for (const Case& c : {Case{"Yes", MessageResult::Yes}, Case{"no", MessageResult::No},
                        Case{" CANCEL ", MessageResult::Cancel}, Case{"[cancel]", MessageResult::Cancel}}) {
    answering({c.answer});
    EXPECT_EQ(prompts.message(yesNoCancel), c.result) << c.answer;
  }
  EXPECT_FALSE(prompts.failed());
  EXPECT_EQ(transcript.lines()[0], "message: Save changes?");
  EXPECT_EQ(transcript.lines()[1], "  > Yes");
}

TEST_F(ScriptedPromptsTest, OkOnlyBoxTakesNoAnswerAndShowsLineBreaksAndTitle) {
  answering({"for the next prompt"});
  EXPECT_EQ(prompts.message({"Line one\r\nLine two\nthree", "Warning", MessageButtons::Ok, MessageIcon::Warning}),
            MessageResult::Ok);
  EXPECT_EQ(prompts.pendingAnswers(), 1u);
  EXPECT_EQ(lastLine(), "message: Line one\\nLine two\\nthree | title: Warning");
}

TEST_F(ScriptedPromptsTest, UnfittingMessageAnswerFailsWithCancelLikeResult) {
  answering({"Maybe"});
  EXPECT_EQ(prompts.message({"Quit?", "", MessageButtons::YesNo, MessageIcon::Question}), MessageResult::No);
  EXPECT_EQ(prompts.failure().exitCode, 3);
  EXPECT_EQ(lastLine(), "error: \"Maybe\" is not a button of the message box (Yes, No)");
}

TEST_F(ScriptedPromptsTest, MissingAnswerFailsOnceAndLaterPromptsGetCancelResults) {
  EXPECT_EQ(prompts.input({"Name", "", ""}), std::nullopt);
  EXPECT_EQ(prompts.failure().exitCode, 3);
  EXPECT_EQ(prompts.failure().text, "no answer for the input box");
  // Answers queued after a failure are not matched any more: the run ends after this event.
  answering({"3"});
  EXPECT_EQ(prompts.buttons({"Pick", {"&One", "&Two", "&Quit"}, "otq"}), 3);
  EXPECT_EQ(prompts.pickList({"L", {" a", "*b"}, false}).listChoice, 0);
  EXPECT_EQ(prompts.pendingAnswers(), 1u);
  const auto errors = std::count_if(transcript.lines().begin(), transcript.lines().end(),
                                    [](const std::string& line) { return line.rfind("error:", 0) == 0; });
  EXPECT_EQ(errors, 1);
}

TEST_F(ScriptedPromptsTest, EndlessPromptingAfterFailureIsAborted) {
  prompts.input({"Name", "", ""});
  EXPECT_THROW(
      {
        for (int i = 0; i <= ScriptedPrompts::promptsAfterFailure; ++i) prompts.input({"Again", "", ""});
      },
      PromptsAborted);
}

TEST_F(ScriptedPromptsTest, InputBoxTakesTextVerbatimOrCancel) {
  answering({"  two blanks", "[cancel]"});
  EXPECT_EQ(prompts.input({"Formula", "Calculator", "SiO2"}), "  two blanks");
  EXPECT_EQ(transcript.lines()[0], "input: Formula = SiO2 | title: Calculator");
  EXPECT_EQ(prompts.input({"Formula", "", ""}), std::nullopt);
  EXPECT_EQ(transcript.lines()[2], "input: Formula");
  EXPECT_FALSE(prompts.failed());
}

TEST_F(ScriptedPromptsTest, NumericInputKeepsPresetsForEmptyAndMissingFields) {
  const NumbersRequest request{"Reset data matrix", {"# of rows (analyses)", "# of columns (elements)", "third"},
                               {"500", "60", "7"}};
  struct Case {
    std::string answer;
    std::vector<std::string> fields;
  };
  for (const Case& c : {Case{"1000, 80,9", {"1000", "80", "9"}}, Case{",90", {"500", "90", "7"}},
                        Case{"20", {"20", "60", "7"}}, Case{"", {"500", "60", "7"}}}) {
    answering({c.answer});
    EXPECT_EQ(prompts.numbers(request), c.fields) << c.answer;
  }
  EXPECT_EQ(transcript.lines()[0],
            "numbers: Reset data matrix | # of rows (analyses) = 500 | # of columns (elements) = 60 | third = 7");
  answering({"[cancel]"});
  EXPECT_EQ(prompts.numbers(request), std::nullopt);
  EXPECT_FALSE(prompts.failed());
  answering({"1,2,3,4"});
  EXPECT_EQ(prompts.numbers(request), std::nullopt);
  EXPECT_EQ(lastLine(), "error: \"1,2,3,4\" has more values than the numeric input has fields");
}

TEST_F(ScriptedPromptsTest, ButtonMenuByCaptionWithoutAcceleratorsOrPosition) {
  const ButtonsRequest request{"Normalize?", {"&Yes", "&No", "&Quit=No"}, ""};
  struct Case {
    std::string answer;
    int choice;
  };
  for (const Case& c : {Case{"Yes", 1}, Case{"&No", 2}, Case{"quit=no", 3}, Case{"#2", 2}, Case{"[cancel]", 3}}) {
    answering({c.answer});
    EXPECT_EQ(prompts.buttons(request), c.choice) << c.answer;
  }
  EXPECT_FALSE(prompts.failed());
  EXPECT_EQ(transcript.lines()[0], "buttons: Normalize? | &Yes | &No | &Quit=No");
}

TEST_F(ScriptedPromptsTest, ButtonMenuRejectsUnknownCaptionAndOutOfRangePosition) {
  for (const std::string answer : {"Maybe", "#4"}) {
    Transcript lines;
    ScriptedPrompts port(lines);
    port.queueAnswers({answer});
    EXPECT_EQ(port.buttons({"Bounds", {"endpoints", "x-axis", "&Quit"}, ""}), 3) << answer;
    EXPECT_EQ(lines.lines().back(), "error: \"" + answer + "\" is not a choice of the button menu");
  }
  answering({"[cancel]"});
  EXPECT_EQ(prompts.buttons({"Bounds", {"endpoints", "x-axis"}, ""}), 1);
  EXPECT_EQ(lastLine(), "error: the button menu has no Quit choice to cancel with");
}

TEST_F(ScriptedPromptsTest, ListPickerTogglesMarksAndRemembersLastClick) {
  const ListRequest request{"doubleclick on other elements to normalize (*)", {"*SiO2", " TiO2", " Al2O3", " MgO"}, false};
  struct Case {
    std::string answer;
    std::vector<std::string> items;
    int listChoice;
  };
  const std::vector<Case> cases = {
      {"TiO2", {"*SiO2", "*TiO2", " Al2O3", " MgO"}, 2},
      {"SiO2 | #4", {" SiO2", " TiO2", " Al2O3", "*MgO"}, 4},
      {"[all]", {"*SiO2", "*TiO2", "*Al2O3", "*MgO"}, 0},
      {"[clear] | Al2O3", {" SiO2", " TiO2", "*Al2O3", " MgO"}, 3},
      {"MgO | [quit]", {"*SiO2", " TiO2", " Al2O3", "*MgO"}, 0},
      {"[cancel]", {"*SiO2", " TiO2", " Al2O3", " MgO"}, 0},
      {"", {"*SiO2", " TiO2", " Al2O3", " MgO"}, 0},
  };
  for (const Case& c : cases) {
    answering({c.answer});
    const ListResult result = prompts.pickList(request);
    EXPECT_EQ(result.items, c.items) << c.answer;
    EXPECT_EQ(result.listChoice, c.listChoice) << c.answer;
  }
  EXPECT_FALSE(prompts.failed());
  EXPECT_EQ(transcript.lines()[0], "list: doubleclick on other elements to normalize (*) | *SiO2 |  TiO2 |  Al2O3 |  MgO");
}

TEST_F(ScriptedPromptsTest, ListPickerRejectsUnknownItemAndLeavesMarks) {
  answering({"TiO2 | FeO"});
  const ListResult result = prompts.pickList({"Select", {" SiO2", " TiO2"}, false});
  EXPECT_EQ(result.items, (std::vector<std::string>{" SiO2", " TiO2"}));
  EXPECT_EQ(result.listChoice, 0);
  EXPECT_EQ(lastLine(), "error: \"FeO\" is not an item of the list");
}

TEST_F(ScriptedPromptsTest, ListPicksAPaddedEntryByItsName) {
  const std::vector<std::string> records = {"TAS                 Total alkali-silica",
                                            "TAS Cox             Total alkali-silica (Cox)", "AFM  AFM"};
  answering({"TAS Cox", "TAS", "AFM", "#1", "tas"});  // names compare case-sensitively
  const int expected[] = {2, 1, 3, 1, 0};
  for (int position : expected)
    EXPECT_EQ(prompts.pickList({"Select diagram", records, true}).listChoice, position);
}

TEST_F(ScriptedPromptsTest, FileDialogsResolveAgainstScriptFolder) {
  answering({"Data Files/rocks.txt", "/abs/out.svg", "../up.txt", "[cancel]"});
  EXPECT_EQ(prompts.openFile({"Open", "Text|*.txt|", 1, "", "", false, false}), "/scripts/run/Data Files/rocks.txt");
  EXPECT_EQ(lastLine(), "  > Data Files/rocks.txt");
  EXPECT_EQ(transcript.lines()[0], "file: open Text|*.txt| | title: Open");
  EXPECT_EQ(prompts.saveFile({"", "SVG|*.svg|", 1, "", "plot.svg", false, true}), "/abs/out.svg");
  EXPECT_EQ(transcript.lines()[2], "file: save SVG|*.svg| | name: plot.svg");
  EXPECT_EQ(prompts.saveFile({}), "/scripts/up.txt");
  EXPECT_EQ(prompts.openFile({}), std::nullopt);
  EXPECT_FALSE(prompts.failed());
}

TEST_F(ScriptedPromptsTest, ColourAndFont) {
  answering({"255, 0,128", "[cancel]", "300,0,0"});
  const auto colour = prompts.colour("Symbol colour", {1, 2, 3});
  ASSERT_TRUE(colour);
  EXPECT_EQ(colour->red, 255);
  EXPECT_EQ(colour->blue, 128);
  EXPECT_EQ(transcript.lines()[0], "colour: Symbol colour | 1,2,3");
  EXPECT_EQ(prompts.colour("c", {}), std::nullopt);
  EXPECT_FALSE(prompts.failed());
  EXPECT_EQ(prompts.colour("c", {}), std::nullopt);
  EXPECT_EQ(lastLine(), "error: \"300,0,0\" is not a colour: r,g,b from 0 to 255");

  Transcript lines;
  ScriptedPrompts port(lines);
  port.queueAnswers({"Times, 12.5, bold, regular", ", , , italic", "[cancel]", "Arial, big"});
  const FontChoice initial{"Arial", 10, false, false};
  const auto first = port.font("Axis font", initial);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->name, "Times");
  EXPECT_EQ(first->size, 12.5);
  EXPECT_TRUE(first->bold);
  EXPECT_FALSE(first->italic);
  EXPECT_EQ(lines.lines()[0], "font: Axis font | Arial, 10, regular, regular");
  const auto second = port.font("Axis font", initial);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->name, "Arial");
  EXPECT_TRUE(second->italic);
  EXPECT_EQ(port.font("f", initial), std::nullopt);
  EXPECT_FALSE(port.failed());
  EXPECT_EQ(port.font("f", initial), std::nullopt);
  EXPECT_EQ(lines.lines().back(), "error: \"Arial, big\" is not a font: name, size, bold, italic");
}

// A modal window: a list of variables, a formula box and OK.
class VariableWindow : public FormModel {
 public:
  explicit VariableWindow(PromptPort& prompts) : prompts_(prompts) {}
  std::string formName() const override { return "varform"; }
  bool isOpen() const override { return open; }
  EventResult click(const std::string& control, const std::string& item) override {
    if (control == "varbut") {
      const int position = findItem({"SiO2", "TiO2"}, item);
      if (!position) return EventResult::UnknownItem;
      formula += position == 1 ? "SiO2" : "TiO2";
      return EventResult::Done;
    }
    if (control == "okbutt") {
      if (askYesNo(prompts_, "Use " + formula + "?")) open = false;
      return EventResult::Done;
    }
    return EventResult::UnknownControl;
  }
  EventResult type(const std::string& control, int index, const std::string& text) override {
    if (control != "Formula") return EventResult::UnknownControl;
    typedIndex = index;
    formula = text;
    return EventResult::Done;
  }
  EventResult enter(const std::string& control, int) override {
    if (control != "Formula") return EventResult::UnknownControl;
    open = false;
    return EventResult::Done;
  }
  std::vector<std::pair<std::string, std::string>> fields() const override { return {{"Formula", formula}}; }

  bool open = true;
  std::string formula;
  int typedIndex = -1;

 private:
  PromptPort& prompts_;
};

TEST_F(ScriptedPromptsTest, ModalWindowIsFedItsEventsUntilItCloses) {
  VariableWindow window(prompts);
  answering({"type Formula LOG(ZR) + ", "click varbut #2", "click okbutt", "No", "click okbutt", "Yes", "leftover"});
  prompts.runModal(window);
  EXPECT_FALSE(window.open);
  EXPECT_EQ(window.formula, "LOG(ZR) + TiO2");
  EXPECT_EQ(window.typedIndex, 0);
  EXPECT_EQ(prompts.pendingAnswers(), 1u);
  EXPECT_FALSE(prompts.failed());
  const std::vector<std::string> expected = {
      "window: varform",      "  > type Formula LOG(ZR) + ", "  > click varbut #2",
      "  > click okbutt",     "message: Use LOG(ZR) + TiO2?", "  > No",
      "  > click okbutt",     "message: Use LOG(ZR) + TiO2?", "  > Yes"};
  EXPECT_EQ(transcript.lines(), expected);
}

TEST_F(ScriptedPromptsTest, AListThatTakesOneItemHasNoAllButton) {
  ListRequest request{"Select Parent lava with doubleclick", {" A", " B"}, false};
  request.singleChoice = true;
  answering({"[all]"});
  EXPECT_EQ(prompts.pickList(request).listChoice, 0);
  EXPECT_EQ(lastLine(), "error: \"[all]\": this list takes one item and has no All button");
}

TEST_F(ScriptedPromptsTest, ModalWindowFailures) {
  struct Case {
    std::vector<std::string> answers;
    int exitCode;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{}, 3, "error: no answer for the window varform"},
      {{"Yes"}, 3, "error: \"Yes\" is not an event of window varform: unknown verb \"Yes\""},
      {{"click nobutton"}, 2, "error: unknown control nobutton"},
      {{"click varbut FeO"}, 2, "error: unknown item FeO of varbut"},
      {{"click okbutt"}, 3, "error: no answer for the message box"},
      {{"type Formula #2 x", "enter Formula #1"}, 0, ""},
  };
  for (const Case& c : cases) {
    Transcript lines;
    ScriptedPrompts port(lines);
    VariableWindow window(port);
    port.queueAnswers(c.answers);
    port.runModal(window);
    EXPECT_EQ(port.failure().exitCode, c.exitCode) << c.error;
    if (c.exitCode) {
      EXPECT_TRUE(window.open);
      EXPECT_EQ(lines.lines().back(), c.error);
    } else {
      EXPECT_EQ(window.typedIndex, 2);
      EXPECT_EQ(window.formula, "x");
    }
  }
}

}  // namespace
}  // namespace lavix::ui
