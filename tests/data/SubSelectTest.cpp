// The selection window: its lists, boxes and options, Done's parsing, and scripted events.
#include <gtest/gtest.h>

#include "common/ui/FormEvent.h"
#include "lavix/data/SubSelect.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using Strings = std::vector<std::string>;
namespace txt = subSelectText;

struct Window {
  DataStore store;
  SubsetCriteria criteria;
  testing::FakePrompts prompts;

  explicit Window(int columns = 3) {
    store.allocate(40, static_cast<int16_t>(std::max(columns, 3)));
    store.columnCount = static_cast<int16_t>(columns);
    store.columnName[1] = "SiO2";
    store.columnName[2] = "Type";
    store.columnName[3] = "Fe[2]O[3]";
    for (int c = 4; c <= columns; ++c) store.columnName[static_cast<std::size_t>(c)] = "V" + std::to_string(c);
    const char* sio2[] = {"100", "9.5", "45", "", "45", "1E1"};
    const char* type[] = {"basalt", "Andesite", "1", "andesite", "Basalt", "basalt"};
    for (int r = 1; r <= 6; ++r) {
      store.setCell(r, 1, sio2[r - 1]);
      store.setCell(r, 2, type[r - 1]);
      store.kcode[static_cast<std::size_t>(r)] = static_cast<int16_t>(r % 3 - 1);
      store.totalFactor[static_cast<std::size_t>(r)] = 1;
    }
    store.rowCount = 6;
  }

  // Runs one script line on the window and returns its outcome.
  static ui::EventResult run(SubSelect& form, const std::string& line) {
    auto parsed = ui::parseFormEvent(line);
    if (!parsed.event) ADD_FAILURE() << line << ": " << parsed.error;
    return parsed.event ? ui::applyFormEvent(form, *parsed.event) : ui::EventResult::UnknownControl;
  }
};

TEST(SubSelect, VariablesListCodesThenColumnsAndShowsValuesInOrder) {
  Window w;
  SubSelect form(w.store, w.criteria, w.prompts);
  EXPECT_EQ(form.formName(), "SubSelect");
  EXPECT_EQ(form.caption(), "Selection window");
  EXPECT_EQ(form.variables(), (Strings{"Jcode", "Kcode", "Lcode", "SiO2", "Type", "Fe[2]O[3]"}));

  // Numbers ascend by value, blanks are not offered, the range skips them.
  EXPECT_EQ(Window::run(form, "click List1 SiO2"), ui::EventResult::Done);
  EXPECT_EQ(form.values(), (Strings{"9.5", "1E1", "45", "100"}));
  EXPECT_EQ(form.minText(), "9.5");
  EXPECT_EQ(form.maxText(), "100");
  // One text among them: byte order.
  EXPECT_EQ(Window::run(form, "click List1 #5"), ui::EventResult::Done);
  EXPECT_EQ(form.values(), (Strings{"1", "Andesite", "Basalt", "andesite", "basalt"}));
  // Codes as integers; a column named without its markup.
  EXPECT_EQ(Window::run(form, "click List1 Kcode"), ui::EventResult::Done);
  EXPECT_EQ(form.values(), (Strings{"-1", "0", "1"}));
  EXPECT_EQ(form.minText(), "-1");
  EXPECT_EQ(form.maxText(), "1");
  EXPECT_EQ(Window::run(form, "click List1 Fe2O3"), ui::EventResult::Done);
  EXPECT_EQ(form.currentVariable(), 3);
  EXPECT_TRUE(form.values().empty());
  EXPECT_EQ(form.minText(), "");
  EXPECT_EQ(Window::run(form, "click List1 MgO"), ui::EventResult::UnknownItem);
}

TEST(SubSelect, DoneParsesTheListsBackIntoTheCriteria) {
  Window w;
  w.store.columnCount = 5;
  w.store.columnName[4] = "Age: Ma to Ga";  // a name that holds both separators
  w.store.columnName[5] = "a = b";
  const SubsetCriteria before{{{3, 0.5f, 12.25f}, {kcodeVariable, -3, 7}, {4, -1e-05f, 1234567}},
                              {{2, " Basalt "}, {jcodeVariable, "-2"}, {5, "x = y"}},
                              {{lcodeVariable, "0"}, {1, ""}},
                              false};
  w.criteria = before;
  SubSelect form(w.store, w.criteria, w.prompts);
  EXPECT_EQ(form.limitsList(), (Strings{"        Fe[2]O[3]:0.5 to 12.25", "        Kcode:-3 to 7",
                                        "        Age: Ma to Ga:-1E-05 to 1234567"}));
  EXPECT_EQ(form.matchList(), (Strings{"        Type =  Basalt ", "        Jcode = -2", "        a = b = x = y"}));
  EXPECT_EQ(form.excludeList(), (Strings{"        Lcode = 0", "        SiO2 = "}));
  EXPECT_FALSE(form.active());
  EXPECT_EQ(Window::run(form, "click cmdDone"), ui::EventResult::Done);
  EXPECT_FALSE(form.isOpen());
  EXPECT_EQ(w.criteria, before);
  EXPECT_EQ(Window::run(form, "click cmdClearAll"), ui::EventResult::Disabled);
}

TEST(SubSelect, LimitsAreEditedDeletedAndCleared) {
  Window w;
  w.criteria = {{{1, 40, 50}, {kcodeVariable, 0, 1}}, {{2, "1"}}, {{2, "basalt"}}};
  SubSelect form(w.store, w.criteria, w.prompts);
  // Clicking a variable with a limit shows that limit rather than the range.
  Window::run(form, "click List1 Kcode");
  EXPECT_EQ(form.minText(), "0");
  EXPECT_EQ(form.maxText(), "1");
  EXPECT_EQ(Window::run(form, "click List3 #1"), ui::EventResult::Done);
  EXPECT_EQ(Window::run(form, "click cmdEditLimit"), ui::EventResult::Done);
  EXPECT_EQ(form.currentVariable(), 1);
  EXPECT_EQ(form.minText(), "40");
  EXPECT_EQ(form.maxText(), "50");
  Window::run(form, "type Text3 60.5");
  Window::run(form, "click cmdAddLimits");
  EXPECT_EQ(form.limitsList(), (Strings{"        SiO2:40 to 60.5", "        Kcode:0 to 1"}));
  Window::run(form, "click List3         Kcode:0 to 1");
  Window::run(form, "click cmdDeleteLimit");
  EXPECT_EQ(form.limitsList(), (Strings{"        SiO2:40 to 60.5"}));
  Window::run(form, "click cmdDeleteLimit");  // nothing chosen any more
  EXPECT_EQ(form.limitsList().size(), 1u);
  Window::run(form, "click cmdClearAll");
  EXPECT_TRUE(form.limitsList().empty());
  EXPECT_TRUE(form.matchList().empty());
  EXPECT_TRUE(form.excludeList().empty());
  EXPECT_EQ(form.minText(), "");
  EXPECT_EQ(form.maxText(), "");
}

TEST(SubSelect, DeleteKeyRemovesAnEntryAsTheDoubleClickDoes) {
  Window w;
  w.criteria = {{}, {{2, "1"}, {2, "basalt"}, {2, "Basalt"}}, {{1, "45"}}};
  SubSelect form(w.store, w.criteria, w.prompts);
  EXPECT_EQ(Window::run(form, "key List4 #2 Delete"), ui::EventResult::Done);
  EXPECT_EQ(form.matchList(), (Strings{"        Type = 1", "        Type = Basalt"}));
  EXPECT_EQ(Window::run(form, "key List4 Delete"), ui::EventResult::UnknownItem);  // none chosen
  Window::run(form, "click List4 Type = Basalt");
  EXPECT_EQ(Window::run(form, "key List4 Delete"), ui::EventResult::Done);
  EXPECT_EQ(form.matchList(), (Strings{"        Type = 1"}));
  EXPECT_EQ(Window::run(form, "key List5 #2 Delete"), ui::EventResult::UnknownItem);
  EXPECT_EQ(Window::run(form, "key List5 #1 Up"), ui::EventResult::UnknownItem);
  form.removeEntry(5, 1);
  EXPECT_TRUE(form.excludeList().empty());
  EXPECT_EQ(Window::run(form, "key List2 Delete"), ui::EventResult::UnknownControl);
}

TEST(SubSelect, FullListsRefuseTheThirtyFirstEntry) {
  Window w(30);  // 33 variables
  for (int r = 1; r <= 31; ++r) w.store.jcode[static_cast<std::size_t>(r)] = static_cast<int16_t>(r);
  w.store.rowCount = 31;
  SubSelect form(w.store, w.criteria, w.prompts);
  for (int v = 1; v <= 31; ++v) {
    Window::run(form, "click List1 #" + std::to_string(v));
    Window::run(form, "type Text2 0");
    Window::run(form, "type Text3 1");
    Window::run(form, "click cmdAddLimits");
  }
  EXPECT_EQ(form.limitsList().size(), 30u);
  EXPECT_EQ(w.prompts.messageTexts(), (Strings{"The LIMITS list is full: it holds at most 30 entries."}));
  // Changing a limit already listed still works when the list is full.
  Window::run(form, "click List1 #1");
  Window::run(form, "type Text3 5");
  Window::run(form, "click cmdAddLimits");
  EXPECT_EQ(form.limitsList().front(), "        Jcode:0 to 5");
  EXPECT_EQ(w.prompts.messages.size(), 1u);

  Window::run(form, "click List1 Jcode");
  for (int v = 1; v <= 31; ++v) Window::run(form, "click List2 " + std::to_string(v));
  EXPECT_EQ(form.matchList().size(), 30u);
  Window::run(form, "click optExclude");
  for (int v = 1; v <= 31; ++v) Window::run(form, "click List2 " + std::to_string(v));
  EXPECT_EQ(form.excludeList().size(), 30u);
  EXPECT_EQ(w.prompts.messageTexts(), (Strings{"The LIMITS list is full: it holds at most 30 entries.",
                                               "The MATCH list is full: it holds at most 30 entries.",
                                               "The EXCLUDE list is full: it holds at most 30 entries."}));
}

TEST(SubSelect, BadBoxesAreRefusedWithAMessage) {
  struct Case {
    const char* variable;  // "" for none
    const char* minimum;
    const char* maximum;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"", "1", "2", "Click a variable in the Variables list first."},
      {"SiO2", "abc", "2", "Min= must be a number."},
      {"SiO2", "", "2", "Min= must be a number."},
      {"SiO2", "1", "<5", "Max= must be a number."},
      {"SiO2", "1", "1E39", "Max= must be a number."},
  };
  for (const auto& c : cases) {
    Window w;
    SubSelect form(w.store, w.criteria, w.prompts);
    if (*c.variable) Window::run(form, std::string("click List1 ") + c.variable);
    form.setMinText(c.minimum);
    form.setMaxText(c.maximum);
    form.addLimits();
    EXPECT_TRUE(form.limitsList().empty()) << c.message;
    EXPECT_EQ(w.prompts.messageTexts(), (Strings{c.message}));
  }
}

TEST(SubSelect, FieldsDumpListsBoxesAndOptions) {
  Window w;
  w.store.columnCount = 1;
  w.criteria = {{{1, 45, 52}}, {{kcodeVariable, "1"}}, {}};
  SubSelect form(w.store, w.criteria, w.prompts);
  Window::run(form, "click List1 Kcode");
  Window::run(form, "click optExclude");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"List1(1)", "Jcode"},
      {"List1(2)", "Kcode"},
      {"List1(3)", "Lcode"},
      {"List1(4)", "SiO2"},
      {"List2(1)", "-1"},
      {"List2(2)", "0"},
      {"List2(3)", "1"},
      {"List3(1)", "        SiO2:45 to 52"},
      {"List4(1)", "        Kcode = 1"},
      {"Text2", "-1"},
      {"Text3", "1"},
      {"hint", "Click a value in the Values list to add  it to the EXCLUDE List"},
      {"optMatch", "0"},
      {"optExclude", "1"},
      {"activeOn", "1"},
      {"activeOff", "0"},
      // Row 5 alone has SiO2 within 45..52 and Kcode 1.
      {"labCount", "1 of 6 samples selected"},
  };
  EXPECT_EQ(form.fields(), expected);
  EXPECT_EQ(Window::run(form, "click cmdNothing"), ui::EventResult::UnknownControl);
  EXPECT_EQ(Window::run(form, "type Text9 1"), ui::EventResult::UnknownControl);
  EXPECT_EQ(form.commands().find("cmdAddLimits")->caption, "Add to limits");
}

}  // namespace
}  // namespace lavix::data
