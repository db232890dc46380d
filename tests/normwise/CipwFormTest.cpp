// The cipw form model: reading samples, clearing, navigation, iron switch, calculation, reports.
#include <gtest/gtest.h>

#include <tuple>

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "common/ui/PrinterPort.h"
#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "normwise/CipwForm.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::normwise {
namespace {

using testing::TempFolder;

constexpr const char* basalts =
    "SAMPLE\tSiO2\tTiO2\tAl2O3\tFe2O3\tFeO\tMnO\tMgO\tCaO\tNa2O\tK2O\tP2O5\r\n"
    "B-1\t49.2\t1.8\t15.1\t2.5\t8.1\t0.17\t7.6\t10.9\t2.6\t0.45\t0.22\r\n"
    "B-2\t47.1\t2.4\t14.6\t3.1\t9.4\t0.19\t8.2\t11.3\t3.4\t1.2\t0.45\r\n";

class CipwFormTest : public ::testing::Test {
 protected:
  CipwFormTest() : prompts(transcript, folder.path()), form(prompts, printer, folder.path(), '.') {}

  // Runs one event with its dialog answers; fails the test on an unanswered prompt.
  void click(const std::string& control, std::vector<std::string> answers = {}, const std::string& item = "") {
    prompts.queueAnswers(answers);
    EXPECT_EQ(form.click(control, item), ui::EventResult::Done) << control;
    EXPECT_FALSE(prompts.failed()) << prompts.failure().text;
    EXPECT_EQ(prompts.pendingAnswers(), 0u);
  }
  std::string field(const std::string& control, int index = 0) { return form.text(control, index).value_or("?"); }
  bool shown(const std::string& line) {
    for (const auto& l : transcript.lines()) if (l == line) return true;
    return false;
  }
  void loadBasalts() {
    folder.write("basalts.txt", basalts);
    click("fileread", {"basalts.txt"});
  }

  TempFolder folder;
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts;
  ui::ScriptedPrinter printer{transcript};
  CipwForm form;
};

TEST_F(CipwFormTest, ReadsAFileAndPicksASample) {
  loadBasalts();
  EXPECT_TRUE(shown("file: open Roc & Text files (*.roc; *.txt)|*.roc;*.txt|All files (*.*)|*.*|"));
  EXPECT_TRUE(form.sampleMenuEnabled());
  EXPECT_EQ(form.sampleNames(), (std::vector<std::string>{"B-1", "B-2"}));
  click("psam", {}, "B-2");
  EXPECT_EQ(field("sample"), "B-2");
  EXPECT_EQ(field("inpt", 0), "47.10");
  EXPECT_EQ(field("inpt", 5), "0.19");
  EXPECT_EQ(field("inpt", 23), "0.00");
  click("psam", {}, "#1");
  EXPECT_EQ(field("sample"), "B-1");
  EXPECT_EQ(form.click("psam", "B-9"), ui::EventResult::UnknownItem);
}

TEST_F(CipwFormTest, CancelledOrFailedReadingChangesNothing) {
  form.setText("inpt", 0, "51");
  click("fileread", {"[cancel]"});
  EXPECT_EQ(field("inpt", 0), "51");
  click("fileread", {"missing.txt"});
  EXPECT_EQ(field("inpt", 0), "51");
  EXPECT_FALSE(form.sampleMenuEnabled());
  bool told = false;
  for (const auto& line : transcript.lines())
    told = told || (line.rfind("message: ", 0) == 0 && line.size() > 12 &&
                    line.compare(line.size() - 12, 12, " Check file!") == 0);
  EXPECT_TRUE(told);
}

TEST_F(CipwFormTest, AFileWithoutSamplesIsRefused) {
  folder.write("empty.txt", "SAMPLE\tSiO2\r\n");
  form.setText("inpt", 0, "51");
  click("fileread", {"empty.txt"});
  EXPECT_TRUE(shown("message: No samples found in this file. Check file!"));
  EXPECT_EQ(field("inpt", 0), "51");
}

TEST_F(CipwFormTest, ReadingANewFileClearsTheFieldsAndReplacesTheMenu) {
  loadBasalts();
  click("psam", {}, "#1");
  folder.write("other.txt", "ROCK\tSiO2\nx\t70\n");
  click("fileread", {"other.txt"});
  EXPECT_EQ(field("inpt", 0), "");
  EXPECT_EQ(form.sampleNames(), std::vector<std::string>{"noname"});
}

TEST_F(CipwFormTest, CalculationWithTooSmallATotalChangesNothing) {
  form.setText("inpt", 0, "9.99");
  form.setText("outpt", 0, "kept");
  click("calc");
  EXPECT_EQ(field("inpt", 24), "");
  EXPECT_EQ(field("outpt", 0), "kept");
  EXPECT_EQ(field("txtTempin"), "");
}

TEST_F(CipwFormTest, CalculationFillsNormTotalAndProperties) {
  loadBasalts();
  click("psam", {}, "B-1");
  click("calc");
  EXPECT_EQ(field("inpt", 24), "98.64");
  EXPECT_EQ(field("txtTempin"), "1200");  // an empty temperature becomes the default
  EXPECT_FALSE(field("outpt", 32).empty());
  EXPECT_FALSE(field("txtMgratio").empty());
  EXPECT_FALSE(field("txtTemp").empty());   // SiO2 49.2 lies in the basalt range
  EXPECT_FALSE(field("txtDensity").empty());
  EXPECT_EQ(field("txtEVisc"), "");
  EXPECT_NE(form.properties()[1].value, 0.0f);
  EXPECT_EQ(form.properties()[4].label, " Mg # ");

  // Changing the norm type does not recompute: the user presses calc again.
  const std::string weightTotal = field("outpt", 32);
  click("Option2");
  EXPECT_EQ(field("outpt", 32), weightTotal);
  click("calc");
  EXPECT_EQ(field("outpt", 32), "100.00");
}

TEST_F(CipwFormTest, WhatCannotBeNormedIsRefusedAndTheFormKept) {
  folder.write("noheader.txt", "B-1\t49.2\t1.8\r\nB-2\t47.1\t2.4\r\n");
  click("fileread", {"noheader.txt"});
  EXPECT_TRUE(shown("message: The first line of this file names none of the oxides (SiO2, TiO2 ...): a rock data "
                    "file begins with a line of column names. Check file!"));
  EXPECT_FALSE(form.sampleMenuEnabled());
  folder.write("nd.txt", std::string(basalts) + "B-3\t49\t1.8\t15\t2.5\t8\t0.2\tn.d.\t11\t2.6\t0.5\t0.2\r\n");
  click("fileread", {"nd.txt"});
  click("psam", {}, "B-1");
  click("calc");
  const std::string norm = field("outpt", 32);
  click("psam", {}, "B-3");
  EXPECT_TRUE(shown("message: Sample B-3: MgO \"n.d.\" is not a number; correct the file and open it again."));
  EXPECT_EQ(field("sample"), "B-1");
  const std::vector<std::tuple<const char*, int, const char*, const char*>> typed = {
      {"inpt", 7, "-1.5", "Sample B-1: MgO (-1.5) is negative; an analysis holds no negative amounts."},
      {"inpt", 1, "NaN", "Sample B-1: SiO2 \"NaN\" is not a number; enter a number, or leave the field empty when "
                         "there is none."},
      {"txtPress", 0, "-1e6", "The pressure must be from 0 to 100 kbar."}};
  for (const auto& [control, index, text, message] : typed) {
    const std::string before = form.text(control, index > 0 ? index - 1 : 0).value_or("");
    ASSERT_EQ(form.type(control, index, text), ui::EventResult::Done);
    click("calc");
    EXPECT_TRUE(shown(std::string("message: ") + message)) << message;
    EXPECT_EQ(field("outpt", 32), norm);
    form.type(control, index, before);
  }
}

// VG-2 with its iron as one total (Jarosewich et al. 1980, Geostandards Newsletter 4, 43-47, Table 1);
// its norm worked apart from this code with the oxide weights of this program: ol 3.146, hy 20.046,
// no Q; with Fe2O3 = TiO2 + 1.5 (FeO 8.83, Fe2O3 3.35): Q 2.666, mt 4.857.
TEST_F(CipwFormTest, TotalIronFillsTheFeoFieldAndTheIronSwitchSplitsIt) {
  folder.write("vg2.txt", "SAMPLE\tSiO2\tTiO2\tAl2O3\tFeO*\tMnO\tMgO\tCaO\tNa2O\tK2O\tP2O5\r\n"
                          "VG-2\t50.81\t1.85\t14.06\t11.84\t0.22\t6.71\t11.12\t2.62\t0.19\t0.20\r\n");
  click("fileread", {"vg2.txt"});
  EXPECT_TRUE(shown("message: The column FeO* holds total iron and is read into the FeO field; \"Fe2O3 = "
                    "TiO2+1.5\" splits it into FeO and Fe2O3."));
  click("psam", {}, "VG-2");
  EXPECT_EQ(field("inpt", 4), "11.84");
  click("calc");
  const auto entry = [&](int mineral) { return text::parseNumber(field("outpt", mineral - 1)); };
  EXPECT_NEAR(entry(12), 3.146, 0.006);   // ol
  EXPECT_NEAR(entry(10), 20.046, 0.006);  // hy
  EXPECT_EQ(field("outpt", 0), "");       // Q
  click("CheckFe");
  EXPECT_EQ(field("inpt", 4) + " " + field("inpt", 3), "8.83 3.35");
  click("calc");
  EXPECT_NEAR(entry(1), 2.666, 0.006);   // Q
  EXPECT_NEAR(entry(14), 4.857, 0.006);  // mt
}

TEST_F(CipwFormTest, ClearEmptiesOxideResultAndPropertyFields) {
  loadBasalts();
  click("psam", {}, "B-1");
  form.setText("txtPress", 0, "2");
  click("calc");
  click("Clear");
  for (int i = 0; i < kInputFields; ++i) EXPECT_EQ(field("inpt", i), "") << i;
  for (int i = 0; i < kOutputFields; ++i) EXPECT_EQ(field("outpt", i), "") << i;
  for (const char* name : {"txtMgratio", "txtTemp", "txtDensity", "txtVisc", "txtCP", "txtDI", "txtRkDen"})
    EXPECT_EQ(field(name), "") << name;
  EXPECT_EQ(field("txtPress"), "2");  // conditions are not results
  EXPECT_EQ(form.properties()[1].value, 0.0f);
}

TEST_F(CipwFormTest, IronSwitchAdjustsAndRestoresTheTypedTexts) {
  form.setText("inpt", 1, "1");      // TiO2
  form.setText("inpt", 3, "5.0");    // Fe2O3
  form.setText("inpt", 4, "6");      // FeO
  form.setText("inpt", 24, "99.00");
  click("CheckFe");
  EXPECT_TRUE(form.checkFe());
  EXPECT_EQ(field("inpt", 24), "");
  EXPECT_EQ(field("inpt", 3), "2.50");  // TiO2 + 1.5
  EXPECT_EQ(field("inpt", 4), "8.25");  // 6 + 0.8998 x (5 - 2.5)
  click("CheckFe");
  EXPECT_FALSE(form.checkFe());
  EXPECT_EQ(field("inpt", 3), "5.0");
  EXPECT_EQ(field("inpt", 4), "6");
}

TEST_F(CipwFormTest, IronSwitchLeavesBalancedIronAlone) {
  form.setText("inpt", 1, "1");
  form.setText("inpt", 3, "2");
  form.setText("inpt", 4, "6");
  click("CheckFe");
  EXPECT_TRUE(form.checkFe());
  EXPECT_EQ(field("inpt", 3), "2");
  EXPECT_EQ(field("inpt", 4), "6");
}

struct NavigationCase {
  const char* control;
  int index;
  const char* key;
  const char* toControl;
  int toIndex;
};

class NavigationTest : public CipwFormTest, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(NavigationTest, MovesTheFocus) {
  const NavigationCase& c = GetParam();
  ASSERT_TRUE(form.navigate(c.control, c.index, c.key));
  EXPECT_EQ(form.focus(), (Focus{c.toControl, c.toIndex}));
}

INSTANTIATE_TEST_SUITE_P(Keys, NavigationTest,
                         ::testing::Values(NavigationCase{"inpt", 0, "Enter", "inpt", 1},
                                           NavigationCase{"inpt", 5, "Down", "inpt", 6},
                                           NavigationCase{"inpt", 5, "Up", "inpt", 4},
                                           NavigationCase{"inpt", 23, "Down", "inpt", 0},
                                           NavigationCase{"inpt", 0, "Up", "inpt", 23},
                                           NavigationCase{"txtTempin", 0, "Enter", "txtPress", 0},
                                           NavigationCase{"txtPress", 0, "Down", "txtWater", 0},
                                           NavigationCase{"txtPress", 0, "Up", "txtTempin", 0},
                                           NavigationCase{"txtWater", 0, "Enter", "txtTempin", 0},
                                           NavigationCase{"txtTempin", 0, "Up", "txtWater", 0},
                                           NavigationCase{"sample", 0, "Enter", "inpt", 0},
                                           NavigationCase{"inpt", 3, "Left", "inpt", 3}));

TEST_F(CipwFormTest, ScriptEventsReachBoxesByPosition) {
  EXPECT_EQ(form.type("inpt", 1, "50"), ui::EventResult::Done);
  EXPECT_EQ(field("inpt", 0), "50");
  EXPECT_EQ(form.type("txtPress", 0, "3"), ui::EventResult::Done);
  EXPECT_EQ(form.type("inpt", 26, "1"), ui::EventResult::UnknownItem);
  EXPECT_EQ(form.type("inpt", 0, "1"), ui::EventResult::UnknownItem);
  EXPECT_EQ(form.type("nosuch", 0, "1"), ui::EventResult::UnknownControl);
  EXPECT_EQ(form.key("inpt", 24, "Down"), ui::EventResult::Done);  // position 24 is inpt(23)
  EXPECT_EQ(form.focus(), (Focus{"inpt", 0}));
  EXPECT_EQ(form.key("inpt", 25, "Up"), ui::EventResult::Done);
  EXPECT_EQ(form.focus(), (Focus{"inpt", 23}));
  EXPECT_EQ(form.enter("inpt", 25), ui::EventResult::Done);
  EXPECT_EQ(form.focus(), (Focus{"inpt", 0}));  // from the total field back to the first oxide
  EXPECT_EQ(form.click("calc", "extra"), ui::EventResult::UnknownItem);
  EXPECT_EQ(form.click("nosuch", ""), ui::EventResult::UnknownControl);
}

class EffectiveViscosityTest : public CipwFormTest {
 protected:
  void SetUp() override {
    loadBasalts();
    click("psam", {}, "B-1");
    click("calc");
  }
};

TEST_F(EffectiveViscosityTest, ComputesResidualAndEffectiveViscosity) {
  click("cmdEVisc", {"type entry #1 1", "type entry #2 20", "type entry #4 5", "click okbut"});
  EXPECT_TRUE(shown("window: inputNormwise"));
  EXPECT_FALSE(field("txtEVisc").empty());
  EXPECT_NE(form.properties()[8].value, 0.0f);
  EXPECT_EQ(form.properties()[8].label, "Eff. visc");
}

TEST_F(EffectiveViscosityTest, ZeroSizeCancelOrNoCrystalsEndSilently) {
  click("cmdEVisc", {"type entry #2 20", "click okbut"});
  click("cmdEVisc", {"type entry #1 1", "click okbut"});
  click("cmdEVisc", {"click canbut"});
  EXPECT_EQ(field("txtEVisc"), "");
  for (const auto& line : transcript.lines()) EXPECT_EQ(line.rfind("message:", 0), std::string::npos) << line;
}

class ReportTest : public CipwFormTest {
 protected:
  void SetUp() override {
    loadBasalts();
    click("psam", {}, "B-1");
    click("calc");
  }
};

TEST_F(ReportTest, AppendsCompleteBlocksToATextFile) {
  click("print", {"report.txt"});
  EXPECT_TRUE(shown("file: save Text files (*.TXT)|*.TXT|All files (*.*)|*.*|"));
  click("psam", {}, "B-2");
  click("Option2");
  click("calc");
  click("print", {"report.txt"});
  const std::string content = testing::readWholeFile(folder.path() + "/report.txt");
  EXPECT_EQ(content.find("Sample name: B-1\r\n"), 0u);
  const std::size_t second = content.find("Sample name: B-2\r\n");
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(content.find("CIPW Weight Norm\r\n"), std::string::npos);
  EXPECT_GT(content.find("CIPW Mole Norm\r\n"), second);
  EXPECT_EQ(content.substr(second - 4, 4), "\r\n\r\n");  // a blank line between the blocks
}

TEST_F(ReportTest, CancelledFileDialogWritesNothing) {
  click("print", {"[cancel]"});
  EXPECT_FALSE(text::fileExists(folder.path() + "/report.txt"));
}

TEST_F(ReportTest, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
  folder.write("sub/keep.txt", "x");
  click("print", {"sub"});  // a folder, not a file
  bool told = false;
  for (const auto& line : transcript.lines()) told = told || line.rfind("message: ", 0) == 0;
  EXPECT_TRUE(told);
}

class FailingPrinter : public ui::PrinterPort {
 public:
  std::optional<std::string> printText(const ui::TextPrintJob&) override { return "No printer is installed"; }
};

TEST(CipwFormPrinterTest, PrinterFailureIsShown) {
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts(transcript);
  FailingPrinter printer;
  CipwForm form(prompts, printer, ".", '.');
  EXPECT_EQ(form.click("menuPrint", ""), ui::EventResult::Done);
  EXPECT_EQ(transcript.lines().back(), "message: No printer is installed");
}

}  // namespace
}  // namespace lavix::normwise
