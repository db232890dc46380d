// The model command and the model window `spimod` driven as a user (or a batch script) would.
#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "common/text/TextFile.h"
#include "lavix/app/SpiderModelForm.h"
#include "tests/models/ModelSession.h"

namespace lavix::testing {
namespace {

using Events = std::vector<std::string>;

Events answers(std::initializer_list<std::string> head, const Events& window) {
  Events all(head);
  all.insert(all.end(), window.begin(), window.end());
  return all;
}

TEST(SpiderModelWindow, BatchMeltAppendsOneRowPerF) {
  ModelSession f;
  f.click("model", answers({"batch melt", "Modal"},
                           ModelSession::prepared({"type melttxt 5", "click calcs", "Skip calculation of residues"})));
  ASSERT_EQ(f.rows(), 4);
  // D = 0.1, F = 0.05, C0 = 10: 10 / (0.1 + 0.05 x 0.9).
  EXPECT_EQ(f.cell(4, "La"), " 68.96552");
  EXPECT_EQ(f.cell(4, "Sr"), " 1025.641");   // 100 / (0.05 + 0.05 x 0.95)
  EXPECT_EQ(f.cell(4, "Ce"), "0");           // bulk D 0
  EXPECT_EQ(f.cell(4, "87Sr/86Sr"), "0.7030");  // isotopes copied from the source
  EXPECT_EQ(f.name(4), "<SRC>F0 .05batch meltD 100ol ");
  EXPECT_EQ(f.s().data.symbolOf[4], 9);
  EXPECT_EQ(f.s().data.kcode[4], 9);
  EXPECT_EQ(f.plotted(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_TRUE(f.shown("message: D's\\n LA  0.100\\n CE  0.000\\n SR  0.050\\n RB  0.001\\n YB  0.500\\n NI  5.000\\n"
                      " ND  0.100\\n"));
  EXPECT_FALSE(f.shown("message: P's"));
  EXPECT_TRUE(f.shown("buttons: Residues | Add calculated residues | Skip calculation of residues"));
  // The curve is drawn with its label beside it.
  bool labelled = false;
  for (const auto& op : f.s().recording.operations())
    if (const auto* t = std::get_if<graphics::Text>(&op)) labelled = labelled || t->text == "F=5%";
  EXPECT_TRUE(labelled);
}

TEST(SpiderModelWindow, InverseRowsEndInIAndTakeNoResidues) {
  ModelSession f;
  f.click("model", answers({"batch melt", "Modal"},
                           ModelSession::prepared({"click Option1 Inverse", "type melttxt 5", "click calcs"})));
  ASSERT_EQ(f.rows(), 4);
  EXPECT_EQ(f.cell(4, "La"), " 1.45");  // 10 x (0.1 + 0.05 x 0.9)
  EXPECT_EQ(f.name(4).back(), 'I');
  EXPECT_FALSE(f.shown("buttons: Residues"));
}

TEST(SpiderModelWindow, MeltListKeepsValuesAboveZero) {
  ModelSession f;
  f.click("model", answers({"batch melt", "Modal"}, ModelSession::prepared({"type melttxt 0", "click calcs",
                                                                            "type melttxt 5,-1,10", "click calcs",
                                                                            "Skip calculation of residues"})));
  EXPECT_TRUE(f.shown("message: No valid F's found ( melt)"));
  ASSERT_EQ(f.rows(), 5);
  EXPECT_EQ(f.name(5).substr(0, 9), "<SRC>F0 .");
  EXPECT_EQ(f.name(5).substr(5, 6), "F0 .1b");
  EXPECT_EQ(f.s().data.symbolOf[5], -9);
}

TEST(SpiderModelWindow, FractionalMeltLeavesCellsEmptyWherePFExceedsD) {
  ModelSession f;
  // Yb: D = 0.5 (OL), P = 2 (CPX): G = 1 - 2 x 0.3 / 0.5 < 0 at F = 30 %.
  f.click("model", answers({"fractional melt", "Non Modal"},
                           ModelSession::prepared({"click meltmode", "0,100", "type melttxt 10,30", "click calcs"})));
  ASSERT_EQ(f.rows(), 5);
  EXPECT_NE(f.cell(4, "Yb"), "");
  EXPECT_EQ(f.cell(5, "Yb"), "");
  EXPECT_NE(f.cell(5, "La"), "");
  EXPECT_TRUE(f.shown("message: P's\\n LA  0.100\\n CE  0.000\\n SR  0.200\\n"));
  // Sr (G = 1 - 0.2 x 0.3 / 0.05) and Rb go the same way.
  EXPECT_TRUE(f.shown("message: No value, left empty: SR RB YB"));
  EXPECT_NE(f.name(4).find("P 100cpx "), std::string::npos);
}

TEST(SpiderModelWindow, ResiduesAndRemoveAllModels) {
  ModelSession f;
  f.click("model", answers({"batch melt", "Modal"},
                           ModelSession::prepared({"type melttxt 5,100", "click calcs", "Add calculated residues"})));
  ASSERT_EQ(f.rows(), 7);
  EXPECT_EQ(f.name(6), f.name(4) + "R");
  EXPECT_EQ(f.s().data.symbolOf[6], 25);
  EXPECT_EQ(f.s().data.symbolOf[7], -25);
  EXPECT_EQ(f.cell(6, "La"), " 6.896551");  // (10 - 68.96552 x 0.05) / 0.95
  EXPECT_EQ(f.cell(7, "La"), "0");          // F = 1
  EXPECT_EQ(f.cell(6, "Ce"), "0");          // its melt holds "0"
  EXPECT_EQ(f.cell(6, "87Sr/86Sr"), "0.7030");
  f.click("model", {"equi xtal", "click calcs", "Skip calculation of residues"});
  ASSERT_EQ(f.rows(), 10);
  f.click("model", {"equi xtal", "click clnup"});
  EXPECT_EQ(f.rows(), 3);
  EXPECT_EQ(f.plotted(), (std::vector<int>{1, 2, 3}));
}

TEST(SpiderModelWindow, ChecksComeInOrderAndChangeNothing) {
  ModelSession f;
  f.click("model", {"AFC", "click calcs", "click readpcs", "PC/unit.PC.txt", "click calcs", "click selsource", "SRC",
                    "click calcs", "click selcontam", "CON", "click calcs", "type insituf 0.5", "click quit"});
  EXPECT_TRUE(f.shown("message: Read a Par. Coeff. File first"));
  EXPECT_TRUE(f.shown("message: Select a source first"));
  EXPECT_TRUE(f.shown("message: Select a contaminant first"));
  EXPECT_TRUE(f.shown("message: Must select Minerals for d's"));
  f.click("model", {"batch melt", "Non Modal", "click mantmode", "100,0", "click calcs", "click quit"});
  EXPECT_TRUE(f.shown("message: Must select Minerals for p's"));
  EXPECT_EQ(f.rows(), 3);
}

TEST(SpiderModelWindow, AfcWithRatioOneStartsAtTwentyPercentAndCarriesIsotopes) {
  ModelSession f;
  f.click("model", answers({"AFC"}, ModelSession::prepared({"click selcontam", "CON", "type insituf 1", "@dump fields",
                                                            "click calcs"})));
  EXPECT_TRUE(f.shown("melttxt\t0,20,40,60,80,100"));
  EXPECT_TRUE(f.shown("insitu2\tr = dMa/dMc"));
  ASSERT_EQ(f.rows(), 8);
  EXPECT_EQ(f.name(4), "<SRC>F0 .2AFCD 100ol CON 1");
  // Sr: D = 0.05, h = e^-0.01; Cm = (400 / 0.05)(1 - h) + 100 h = 178.6063;
  // 87Sr/86Sr = 0.703 + (1 - 100 / 178.6063)(0.710 - 0.703) h = 0.7060501.
  EXPECT_NEAR(text::parseNumber(f.cell(4, "Sr")), 178.6063, 2e-3);
  EXPECT_NEAR(text::parseNumber(f.cell(4, "87Sr/86Sr")), 0.7060501, 1e-6);
  // Nd: D = 0.1, h = e^-0.02; Cm = 200 (1 - h) + 8 h = 11.80185;
  // 143Nd/144Nd = 0.513 + (1 - 8 / 11.80185)(0.512 - 0.513) h = 0.5126842.
  EXPECT_EQ(f.cell(4, "143Nd/144Nd"), " .5126842");
  EXPECT_FALSE(f.shown("buttons: Residues"));
}

TEST(SpiderModelWindow, HiddenControlsTakeNoEvents) {
  ModelSession f;
  f.click("model", {"batch melt", "Modal", "type insituf 20"});
  EXPECT_TRUE(f.prompts.failed());
  EXPECT_NE(f.prompts.failure().text.find("insituf is not available"), std::string::npos);
}

TEST(SpiderModelWindow, ModesFollowTheirMineralsIntoANewFile) {
  ModelSession f;
  f.folder.write("PC/other.PC.txt", "Other\tOL\tGT\tCPX\r\nLA\t0.2\t0.1\t0.3\r\n");
  f.click("model", {"batch melt", "Non Modal", "click readpcs", "PC/unit.PC.txt", "click mantmode", "60,40",
                    "click readpcs", "PC/other.PC.txt", "@dump fields", "click quit"});
  EXPECT_TRUE(f.shown("mdi\t 60ol  40cpx "));
  EXPECT_TRUE(f.shown("mpi\tSELECT"));
  EXPECT_EQ(f.s().spiderModels.modeD[1], 0.0f);
  EXPECT_EQ(f.s().spiderModels.modeD[2], 40.0f);
}

TEST(SpiderModelWindow, RefusedFilesLeaveTheTableAsItWas) {
  ModelSession f;
  f.folder.write("PC/wide.PC.txt", "Wide\tA\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK\r\nLA\t1\r\n");
  f.folder.write("PC/blank.PC.txt", "Blank\tOL\r\n\r\nLA\t0.1\r\n");
  f.click("model", {"batch melt", "Modal", "click readpcs", "PC/unit.PC.txt", "click readpcs", "PC/wide.PC.txt",
                    "click readpcs", "[cancel]", "click quit"});
  EXPECT_TRUE(f.shown("message: The model window takes a partition-coefficient file of at most 10 minerals"));
  EXPECT_EQ(f.s().spiderModels.pc.identifierCount(), 2);
  EXPECT_NE(f.s().spiderModels.pcFileName.find("unit.PC.txt"), std::string::npos);
  f.click("model", {"batch melt", "Modal", "click readpcs", "PC/blank.PC.txt", "click quit"});
  EXPECT_TRUE(f.shown("message: blank line found in file"));
  EXPECT_EQ(f.s().spiderModels.pc.elementCount(), 1);
}

TEST(SpiderModelWindow, CommandsNeedPlottedSamplesAndModelOffersTheModels) {
  ModelSession f;
  f.click("model", {"ZuZaDu", "[cancel]"});
  EXPECT_TRUE(f.shown("buttons: Select Model | batch melt | fractional melt | agg fract melt | continuous melt | ray "
                      "fract xtal | equi xtal | in situ xtal | ZuZaDu | AFC | &Quit"));
  EXPECT_TRUE(f.shown("title: Open file w/ regression data"));
  f.click("model", {"batch melt", "[cancel]"});
  EXPECT_FALSE(f.shown("window: spimod"));
  f.click("newx", {"[clear]"});
  f.click("model");
  EXPECT_TRUE(f.shown("message: No data points to model"));
  f.click("mix");
  EXPECT_TRUE(f.shown("message: No data points to mix"));
  EXPECT_FALSE(f.shown("window: spimix"));
}

// Every shipped file that fits the window's ten minerals reads without complaint.
TEST(SpiderModelWindow, ShippedPartitionCoefficientFilesRead) {
  namespace fs = std::filesystem;
  int read = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(LAVIX_PROGRAMFOLDER_DIR) / "PC")) {
    const std::string name = entry.path().filename().string();
    if (!name.ends_with(".PC.txt") || name == "dacite-rhyolite.PC.txt") continue;
    const auto r = partition::readPartitionTable(readWholeFile(entry.path().string()), {10, 75});
    EXPECT_TRUE(r.ok() && r.blankLines == 0) << name;
    EXPECT_GE(r.table.elementCount(), 25) << name;
    ++read;
  }
  EXPECT_EQ(read, 5);
}

}  // namespace
}  // namespace lavix::testing
