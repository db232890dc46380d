// The symbol dialog `symform` and `menuSymbols` where a batch run cannot look: the scaled classes,
// closing without OK, the colours and sizes, symbol files, what the caller is told. The options,
// check boxes, one symbol, ties and line-only: tests/symbols/scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lavix/app/SymbolForm.h"
#include "tests/support/LavixSessions.h"

namespace lavix::app {
namespace {

using testing::SymbolSession;

TEST(SymbolForm, ScaledSymbolClasses) {
  struct Case {
    float p;
    int highest;
    int16_t expected;
  } cases[] = {{10.0f, 36, 6}, {9.99f, 36, 5}, {-1.0f, 36, 0}, {0.0f, 36, 1},
               {10.5f, 36, 0}, {10.0f, 6, 0}, {10.0f, 7, 6},   {2.0f, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(scaledSymbol(c.p, 0.0f, 10.0f, 5.0f, c.highest), c.expected) << c.p;
  EXPECT_EQ(scaledSymbol(10.0f, 0.0f, 10.0f, 0.0f, 36), 6);  // 0 steps count as 5
  EXPECT_FALSE(scaledSymbol(1.0f, 10.0f, 0.0f, 5.0f, 36));   // a step width not above 0
  EXPECT_FALSE(scaledSymbol(1.0f, 0.0f, 10.0f, -2.0f, 36));
}

TEST(SymbolForm, CheckBoxesAreTakenOverOnlyOnOk) {
  SymbolSession t;
  t.click("symbox", {}, "3");
  t.click("symbox", {}, "#1");
  EXPECT_FALSE(t.form.isChecked(3));
  EXPECT_FALSE(t.form.isChecked(0));
  EXPECT_EQ(t.s.symbols.selectedSymbol[3], 3);
  t.form.close();
  EXPECT_EQ(t.s.symbols.selectedSymbol[3], 3);
  EXPECT_EQ(t.form.click("symbox", "37"), ui::EventResult::UnknownItem);
}

TEST(SymbolForm, ColourDialogsChangeOnlyWhenAnswered) {
  SymbolSession t;
  const auto line5 = t.s.symbols.symbolLineColour[5];
  const auto fill5 = t.s.symbols.symbolFillColour[5];
  t.s.diagram.whitePage = 1;
  t.click("editsym", {}, "5");
  t.click("Colsym", {"[cancel]"});
  t.click("fillsym", {"255,0,0"});
  t.click("pagecolor", {"[cancel]"});
  EXPECT_EQ(t.s.symbols.symbolLineColour[5], line5);
  EXPECT_NE(fill5, 255);
  EXPECT_EQ(t.s.symbols.symbolFillColour[5], 255);
  EXPECT_EQ(t.s.diagram.whitePage, 1);  // the page colour was not chosen

  t.click("boxcolor", {"0,0,255"});
  EXPECT_EQ(t.s.symbols.boxColour, 0xFF0000);
  EXPECT_EQ(t.s.diagram.whitePage, 0);
  t.click("whitepage");
  t.click("tickcolor", {"1,2,3"});
  t.click("Font", {"4,5,6"});
  EXPECT_EQ(t.s.diagram.whitePage, 1);
  EXPECT_EQ(t.s.symbols.frameColour, 0x030201);
  EXPECT_EQ(t.s.symbols.textColour, 0x060504);
  EXPECT_TRUE(t.shown("colour: Symbol fill colour | "));
}

TEST(SymbolForm, ResizeAndLineWidthKeepTheColours) {
  SymbolSession t;
  const auto radius = t.s.symbols.symbolVertex[0][0].x;
  t.click("editsym", {}, "2");
  t.click("fillsym", {"1,2,3"});
  t.click("size", {"2"});
  t.click("symline", {"4"});
  EXPECT_EQ(t.s.symbols.symbolScale, 2.0f);
  EXPECT_EQ(t.s.symbols.symbolVertex[0][0].x, 2 * radius);
  EXPECT_EQ(t.s.symbols.symbolPenWidth, 4);
  EXPECT_EQ(t.s.symbols.symbolFillColour[2], 0x030201);
  EXPECT_TRUE(t.shown("input: enter a new size | title: Resize"));

  // "File colours" brings the file's colours back, sizes stay.
  t.click("defcol");
  EXPECT_NE(t.s.symbols.symbolFillColour[2], 0x030201);
  EXPECT_EQ(t.s.symbols.symbolVertex[0][0].x, 2 * radius);
}

TEST(SymbolForm, NewSymbolFileThatEndsEarlyKeepsTheRest) {
  SymbolSession t;
  const std::string path = t.folder.write("Controls/short.sym", "2, 8\n3\n1,2,3\n4,5,6\n\"filled circle\"\n1\n");
  const auto shape3 = t.s.symbols.symbolShape[3];
  const auto fill0 = t.s.symbols.symbolFillColour[0];
  t.s.symbols.blackSymbols = true;
  t.click("newsyms", {path});
  EXPECT_TRUE(t.shown("file: open Symbol files (.sym)|*.sym"));
  EXPECT_TRUE(t.shown("message: Input past end of file at line 7"));
  EXPECT_FALSE(t.s.symbols.blackSymbols);
  EXPECT_NE(t.s.symbols.symbolFillColour[0], fill0);
  EXPECT_EQ(t.s.symbols.symbolFillColour[0], 0x060504);
  EXPECT_EQ(t.s.symbols.symbolShape[3], shape3);
  EXPECT_EQ(t.s.symbols.symbolCount, 3);
  EXPECT_EQ(t.s.preferences.symbolFile, path);
}

TEST(SymbolForm, NewSymbolFileThatCannotBeUsedChangesNothing) {
  SymbolSession t;
  const std::string path = t.folder.write("Controls/big.sym", "1, 8\n47\n");
  const std::string before = t.s.preferences.symbolFile;
  t.click("newsyms", {path});
  t.click("newsyms", {"[cancel]"});
  EXPECT_TRUE(t.shown("message: Subscript out of range"));
  EXPECT_EQ(t.s.symbols.symbolCount, 36);
  EXPECT_EQ(t.s.preferences.symbolFile, before);
}

TEST(SymbolForm, MenuSymbolsTellsTheCallerWhatFollows) {
  struct Case {
    const char* kind;
    bool spider, histogram;
  } cases[] = {{"XY", false, false}, {"SPI", true, false}, {"HIST", false, true}};
  for (const Case& c : cases) {
    SymbolSession t;
    t.s.diagram.diagramKind = c.kind;
    t.s.window.identifyMode = true;
    t.prompts.queueAnswers({"click cmdOdds", "click OKbut"});
    const SymbolsOutcome outcome = menuSymbols(t.s);
    EXPECT_FALSE(t.prompts.failed()) << t.prompts.failure().text;
    EXPECT_TRUE(outcome.closedWithOk);
    EXPECT_TRUE(outcome.redraw);
    EXPECT_EQ(outcome.resetSpider, c.spider);
    EXPECT_EQ(outcome.rebuildHistogram, c.histogram);
    EXPECT_FALSE(t.s.window.identifyMode);
    EXPECT_EQ(t.s.symbols.selectedSymbol[2], diagram::hiddenSymbol);
  }
}

}  // namespace
}  // namespace lavix::app
