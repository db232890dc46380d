// Normalize, the ferric/ferrous dialog, Pearce and extra parameters through a session.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/text/Text.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/RecalcCommands.h"
#include "lavix/app/Redraw.h"
#include "lavix/data/SubsetCriteria.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

// Majors of row 1 total 80 (Fe2O3 as 0.8998 FeO): totalFactor 1.25, FeO{t} = 10 x 1.25. Row 2
// has Sm and Tb but no Gd.
const std::string kRocks =
    "SAMPLE\tKCODE\tSiO2\tTiO2\tAl2O3\tFe2O3\tFeO\tMnO\tMgO\tCaO\tNa2O\tK2O\tH2O\tLOI\tCO2\tRb\tSm\tGd\tTb\r\n"
    "B-1\t1\t40\t1\t12\t5\t5.501\t0.5\t7\t6\t2.5\t1\t2\t1.5\t0.3\t40\t1.53\t2.055\t\r\n"
    "B-2\t1\t60\t1\t16\t3\t3\t0.1\t3\t5\t4\t2\t\t\t\t80\t1.53\t\t0.374\r\n";

class RecalcCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(f.start(), app::StartupOutcome::Ready); }
  void open(const std::string& content = kRocks) {
    app::openDataFile(s(), f.folder.write("Data Files/rocks.txt", content));
    ASSERT_EQ(s().data.rowCount, 2);
  }
  app::Session& s() { return *f.session; }
  int column(const std::string& name) {
    for (int c = s().data.columnCount; c >= 1; --c)
      if (text::normaliseName(s().data.columnName[static_cast<std::size_t>(c)]) == text::normaliseName(name)) return c;
    return 0;
  }
  std::string cell(int row, const std::string& name) { return std::string(s().data.cell(row, column(name))); }
  bool flagged(const std::string& name) {
    return s().recalc.recast.normFlag[static_cast<std::size_t>(column(name))] == 1;
  }
  SessionFixture f;
};

TEST_F(RecalcCommandsTest, NormalizeTwiceAppendsTwoTotalIronColumnsAndRefusingTakesOffTheLast) {
  open();
  f.click("mnorm", {"Yes", "No"});
  f.click("mnorm", {"Yes", "No"});
  EXPECT_TRUE(f.shown("buttons: Normalize major oxides to 100 on a volatile free basis; Fe as FeO? | &Yes | &No | "
                      "&Quit=No"));
  EXPECT_TRUE(f.shown("buttons: Normalize trace elements also? | &Yes | &No | &Quit=No"));
  EXPECT_EQ(s().data.columnCount, 19);
  EXPECT_EQ(s().data.columnName[18], "FeO{t}");
  EXPECT_EQ(std::string(s().data.cell(1, 19)), " 12.5");
  EXPECT_EQ(f.window->title(), "Lavix rocks.txt   2 rows by 19 columns");
  for (const char* name : {"SiO2", "Fe2O3", "FeO", "K2O", "LOI"}) EXPECT_TRUE(flagged(name)) << name;
  for (const char* name : {"H2O", "CO2", "Rb", "FeO{t}"}) EXPECT_FALSE(flagged(name)) << name;
  EXPECT_EQ(f.window->statusText(),
            "/nm100 (SiO2 TiO2 Al2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O LOI recast to 100)");

  f.click("mnorm", {"Quit=No"});
  EXPECT_EQ(s().data.columnCount, 18);
  EXPECT_EQ(s().recalc.recast.normOn, 0);
  EXPECT_FALSE(flagged("SiO2"));
  EXPECT_EQ(f.window->statusText(), "");
  f.click("mnorm", {"No"});
  EXPECT_EQ(s().data.columnCount, 17);
  f.click("mnorm", {"No"});  // the file's columns stay
  EXPECT_EQ(s().data.columnCount, 17);
  EXPECT_FALSE(f.prompts.failed());
}

TEST_F(RecalcCommandsTest, AFileOwnTotalIronColumnIsNeverTakenOff) {
  open("SAMPLE\tSiO2\tFeOt\r\nA\t50\t8\r\nB\t60\t6\r\n");
  EXPECT_EQ(s().data.columnName[2], "FeO{t}");
  f.click("mnorm", {"No"});
  EXPECT_EQ(s().data.columnCount, 2);
}

TEST_F(RecalcCommandsTest, TheListSetsTheMarksAsLeftAndQuitChangesNothing) {
  open();
  f.click("mnorm", {"Yes", "Yes", "Rb | SiO2"});
  EXPECT_TRUE(f.shown("list: doubleclick on other elements to normalize (*) | *SiO2 | *TiO2"));
  EXPECT_TRUE(f.shown(" Rb |  Sm |  Gd |  Tb |  FeOt"));
  EXPECT_TRUE(flagged("Rb"));
  EXPECT_FALSE(flagged("SiO2"));
  f.click("mnorm", {"Yes", "Yes", "Rb | [quit]"});
  EXPECT_FALSE(flagged("Rb"));
  EXPECT_TRUE(flagged("SiO2"));
  EXPECT_FALSE(f.prompts.failed());
}

TEST_F(RecalcCommandsTest, DiagramsAndSubsetsTakeTheRecastValuesUntilTheNextLoad) {
  open();
  f.click("mnorm", {"Yes", "No"});
  f.click("mxy", {"click varbut SiO2", "click varbut Rb"});
  EXPECT_FLOAT_EQ(s().diagram.plot.xValue[1], 50.0f);
  EXPECT_FLOAT_EQ(s().diagram.plot.yValue[1], 40.0f);
  EXPECT_NE(f.window->statusText().find("/nm100 (SiO2 TiO2"), std::string::npos);
  s().subset.limits = {{static_cast<int16_t>(column("SiO2")), 49, 51}};  // 40 as stored
  app::redrawDiagram(s());
  EXPECT_EQ(s().plottedRows, std::vector<int>{1});
  open();
  EXPECT_EQ(s().recalc.recast.normOn, 0);
  EXPECT_EQ(s().recalc.recast.recastFlags(), nullptr);
}

TEST_F(RecalcCommandsTest, FerricRatioIsAskedCheckedAndKeptInThePreferences) {
  open();
  f.prompts.queueAnswers({"Reset this ratio", "-300,-9", "1100,1", "1100,-9"});
  app::setFerricRatio(s());
  EXPECT_TRUE(
      f.shown("buttons: Set the Ferric/Ferrous ratio (Sack et al.,1980) | Reset this ratio | Leave it unchanged"));
  EXPECT_TRUE(f.shown("numbers: Reset Temp and oxygen fugacity | Temp in degrees C = 1200 | Log10(fO2) = -8"));
  EXPECT_TRUE(f.shown("message: \"-300\" is not a usable Fe-ratio temperature in degrees C (600 to 1700)."));
  EXPECT_TRUE(f.shown("message: \"1\" is not a usable Fe-ratio log fO2 (-25 to 0)."));
  const recalc::IronState& iron = s().recalc.iron;
  EXPECT_EQ(iron.feRatioMode, "R");
  EXPECT_NEAR(iron.feRatioTerm, 13184.7 / 1373 - 9 * 2.303 * 0.218 - 4.499, 1e-5);
  EXPECT_EQ(iron.feLabel, "T= 1100 fo2= -9");
  const std::string written = readWholeFile(f.folder.controls("lxpref.ini"));
  EXPECT_NE(written.find("\r\n1100\r\n-9\r\n1\r\n"), std::string::npos) << written;

  f.prompts.queueAnswers({"Reset this ratio", "[cancel]"});
  app::setFerricRatio(s());
  EXPECT_EQ(iron.feRatioMode, "");
  EXPECT_EQ(iron.feLabel, "");

  std::filesystem::remove(f.folder.controls("lxpref.ini"));
  std::filesystem::create_directory(f.folder.controls("lxpref.ini"));
  f.prompts.queueAnswers({"Reset this ratio", "1000,-10"});
  app::setFerricRatio(s());
  EXPECT_TRUE(f.shown("message: The temperature and fO2 are used now, but could not be kept in " +
                      f.folder.controls("lxpref.ini")));
  EXPECT_EQ(iron.feTempC, 1000.0f);
  EXPECT_FALSE(f.prompts.failed());
}

TEST_F(RecalcCommandsTest, PearceAgreesWithAHandCalculationAndIsAppendedOnce) {
  f.click("mpearce");
  EXPECT_TRUE(f.shown("message: Read a File first"));
  open();
  f.click("mpearce", {"Leave it unchanged"});
  EXPECT_EQ(s().data.columnCount, 17 + 13);
  // n(Si) = 40 / 60.083, n(K) = 2 x 1 / 94.1956; n(Fe) = 2 x 5 / 159.687 + 5.501 / 71.844, n(Mg) = 7 / 40.304
  EXPECT_NEAR(s().data.value(1, column("Si/K")), 31.35516, 5e-5);
  EXPECT_NEAR(s().data.value(1, column("(Fe+Mg)/K")), 14.73555, 5e-5);
  EXPECT_EQ(s().recalc.pearceDone, true);
  f.click("mpearce");
  EXPECT_EQ(s().data.columnCount, 30);
  EXPECT_EQ(f.window->title(), "Lavix rocks.txt   2 rows by 30 columns");
  open();
  EXPECT_FALSE(s().recalc.pearceDone);
  EXPECT_FALSE(f.prompts.failed());
}

TEST_F(RecalcCommandsTest, ExtraParametersAgreeWithHandCalculations) {
  open();
  f.click("mextra", {"Leave it unchanged"});
  const char* names[] = {"Eu*", "Ce*", "Nb*", "Density", "Viscosity", "Eu/Eu*", "Ce/Ce*", "Nb/Nb*"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(s().data.columnName[static_cast<std::size_t>(18 + i)], names[i]);
  EXPECT_EQ(cell(1, "Eu*"), " .58");  // SmN = GdN = 10
  EXPECT_EQ(cell(2, "Eu*"), " .58");  // no Gd: SmN = TbN = 10
  EXPECT_EQ(cell(1, "Ce*"), "0");     // no La, no Nd
  // At the 1200 C and log fO2 -8 kept in the preferences: 2.665549 g/cm3; B = 5473.559,
  // C = 434.569, log eta = 1.978336.
  EXPECT_NEAR(s().data.value(1, column("Density")), 2.665549, 2e-6);
  EXPECT_NEAR(std::stod(cell(1, "Viscosity")), 1.978336, 2e-6);
  EXPECT_EQ(s().recalc.iron.feRatioMode, "");
  EXPECT_TRUE(f.shown("message: Did not match EU"));  // extra.txt's formulas report what is missing
}

TEST_F(RecalcCommandsTest, MissingFilesAndFullMatricesChangeNothing) {
  open();
  std::filesystem::remove(f.folder.controls("pearce.txt"));
  f.click("mpearce");
  EXPECT_TRUE(f.shown("message: File not found\\n" + f.folder.controls("pearce.txt")));
  f.folder.write("Controls/extra.txt", "Ratio\tA/B\r\nOdd\r\n");
  f.click("mextra");
  EXPECT_TRUE(f.shown(": the name Odd has no formula"));
  EXPECT_EQ(s().data.columnCount, 17);

  std::string eight;
  for (int i = 1; i <= 8; ++i) eight += "R" + std::to_string(i) + "\tSIO2/MGO\r\n";
  f.folder.write("Controls/extra.txt", eight);
  s().data.allocate(100, 17);  // 12 spare columns for 5 + 8
  s().allocateRowArrays();
  open();
  f.click("mextra");
  EXPECT_TRUE(f.shown("message: The data matrix has no room for the new columns."));
  EXPECT_EQ(s().data.columnCount, 17);
  EXPECT_FALSE(f.prompts.failed());
}

}  // namespace
}  // namespace lavix::testing
