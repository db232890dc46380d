// The REE inverse model as the user drives it: the preparation from a REEINVERSEMODEL library
// file, then the ZuZaDu inversion on the spider diagram, with its refusals.
#include <filesystem>

#include <gtest/gtest.h>

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

// Batch melts (F = 2, 5, 10, 20 %) of a source La 2, Ce 4, Yb 3 with D(La) = P(La) = 0,
// Ce D 0.1 P 0.2 and Yb D 0.3 P 0.5: La/Ce = 0.025 La + 0.4 and La/Yb = 0.1 La + 1/3.
constexpr const char* melts =
    "SAMPLE\tJCODE\tKCODE\tLCODE\tLa\tCe\tYb\r\n"
    "F2\t0\t1\t0\t100\t34.48276\t9.677419\r\n"
    "F5\t0\t1\t0\t40\t28.57143\t9.230769\r\n"
    "F10\t0\t1\t0\t20\t22.22222\t8.571429\r\n"
    "F20\t0\t1\t0\t10\t15.38462\t7.5\r\n";
constexpr const char* prepFile = "Diagrams/test-ReeInverseModel.txt";
constexpr const char* records =
    "# ratios of the raw concentrations\n"
    "XY La/Ce d n La La La/Ce La/Ce 0 0 120 20 20 0 0 4 1 1 0 0\n"
    "XY La/Yb d n La La La/Yb La/Yb 0 0 120 20 20 0 0 12 2 2 0 0\n";
// P(Ce) = 0.4 x 50 % = 0.2; P(Yb) = 0.4 x 50 % + 1.2 x 25 % = 0.5.
constexpr const char* coefficients = "Unit\tCPX\tGT\r\nCE\t0.4\t0\r\nYB\t0.4\t1.2\r\n";
// The normalisers the rows are multiplied by: Ce 2, Yb 0.5.
constexpr const char* pattern = "\"REE\" \"Unit\" 3 none 0.01 1000\nLa Ce Yb\n1 2 0.5\n";

class InverseModelCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.folder.write("Data Files/melts.txt", melts);
    f.folder.write(prepFile, records);
    f.folder.write("PC/zuzadu.PC.txt", coefficients);
    f.folder.write("Controls/Spider.txt", pattern);
    f.start();
    f.click("mOpen", {"Data Files/melts.txt"});
  }
  app::Session& s() { return *f.session; }
  float value(int row, int column) { return s().data.value(row, column); }  // columns: 1 La, 2 Ce, 3 Yb
  void prepare() { f.click("mdiag", {prepFile, "Use presets for X-Y grid", "Data Files/ree.lx.txt"}); }
  void invert(std::vector<std::string> answers) {
    f.click("mspider", {"#1", "[all]"});
    answers.insert(answers.begin(), "ZuZaDu");
    f.click("model", answers);
  }

  SessionFixture f;
};

TEST_F(InverseModelCommandsTest, PreparationRegressesEveryRecordAndTheInversionAppendsSevenRows) {
  prepare();
  const std::vector<std::string> lines =
      text::splitLines(readWholeFile(f.folder.path() + "/Data Files/ree.lx.txt"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].rfind("La,La/Ce,  2.50", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("La,La/Yb,  1.0000", 0), 0u) << lines[2];
  EXPECT_EQ(s().library.currentName, "La/Yb");  // the last record stays, with its line
  EXPECT_EQ(s().statistics.keptLines.size(), 1u);
  EXPECT_FALSE(f.shown("buttons: Set bounds"));

  invert({"Data Files/ree.lx.txt", "50,25"});
  ASSERT_EQ(s().data.rowCount, 11);
  const char* names[] = {"PIs  50cpx  25gt ", "slope*Co (~D's)", "(1-Pi)/I (~source)", "-", "+", "-", "+"};
  const int16_t symbols[] = {14, 6, 4, 0, 0, 0, 0};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(s().data.sampleName[static_cast<std::size_t>(5 + k)], names[k]);
    EXPECT_EQ(s().data.kcode[static_cast<std::size_t>(5 + k)], symbols[k]);
  }
  // Times the normalisers: P 0.2 x 2 and 0.5 x 0.5; D 0.05 x 2 and 0.15 x 0.5; source 2 x 2 and 1.5 x 0.5.
  EXPECT_NEAR(value(5, 2), 0.4f, 1e-6f);
  EXPECT_NEAR(value(5, 3), 0.25f, 1e-6f);
  EXPECT_NEAR(value(6, 2), 0.1f, 1e-5f);
  EXPECT_NEAR(value(6, 3), 0.075f, 1e-5f);
  EXPECT_NEAR(value(7, 2), 4.0f, 1e-4f);
  EXPECT_NEAR(value(7, 3), 0.75f, 1e-4f);
  EXPECT_EQ(s().data.cell(7, 1), "");  // La has no line of its own
  EXPECT_EQ(s().spider.selectedRows.size(), 11u);
  EXPECT_FLOAT_EQ(s().diagram.spiderYBegin, 0.0001f);
  EXPECT_FLOAT_EQ(s().diagram.spiderYEnd, 100.0f);

  // The next inversion reads the same file; "Reject" takes the rows away before the modes.
  f.click("model", {"ZuZaDu", "Reject", "[cancel]"});
  EXPECT_TRUE(f.shown("buttons: Keep or reject Model just plotted | Keep | Reject"));
  EXPECT_EQ(s().data.rowCount, 4);
  EXPECT_EQ(s().spider.selectedRows.size(), 4u);
  f.click("model", {"ZuZaDu", "Reject", "[cancel]"});  // nothing left to reject: the data stay
  EXPECT_EQ(s().data.rowCount, 4);
}

// The grid from La and La/Yb: linear, from 0 to past 1.1 x the largest La[N] (464.1) and
// 1.2 x the largest La[N]/Yb[N] (100 x 4.219 / (9.677419 x 5.882) x 1.2 = 8.89). A cancelled
// regression data file ends the preparation after the first record.
TEST_F(InverseModelCommandsTest, GridFromTheDataAndACancelledFileStopsThePreparation) {
  f.click("mdiag", {prepFile, "Set X-Y grid from La and Yb/La ranges", "[cancel]"});
  EXPECT_EQ(s().library.currentName, "La/Ce");
  EXPECT_TRUE(s().statistics.regressionFile.empty());
  EXPECT_FLOAT_EQ(s().diagram.x.start, 0);
  EXPECT_FLOAT_EQ(s().diagram.x.end, 500);
  EXPECT_FLOAT_EQ(s().diagram.y.start, 0);
  EXPECT_FLOAT_EQ(s().diagram.y.end, 9);
  EXPECT_EQ(s().diagram.plot.xLog, 0);
}

TEST_F(InverseModelCommandsTest, RefusalsLeaveTheDataAsTheyWere) {
  f.folder.write("Data Files/odd.lx.txt",
                 "X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest\r\n"
                 "La,La/Ce,0.025,0.001,-0.4,0.01,.9,4,5\r\nLa,La/Yb,0.1,0.01,0,0.1,.9,4,5\r\nLa,La/Nd,0.1,0.01,1,0.1,.9,4,5\r\n");
  std::filesystem::remove(f.folder.path() + "/PC/zuzadu.PC.txt");
  invert({"Data Files/odd.lx.txt"});
  EXPECT_TRUE(f.shown("message:  CE have intercepts<0 "));
  EXPECT_TRUE(f.shown("message:  YB have intercepts=0"));
  EXPECT_TRUE(f.shown("message: Read a PCS file"));
  EXPECT_EQ(s().data.rowCount, 4);

  f.folder.write("PC/zuzadu.PC.txt", coefficients);
  f.click("model", {"ZuZaDu", "Keep", "0,0"});
  EXPECT_TRUE(f.shown("message: Not estimated, not in PC/zuzadu.PC.txt: ND"));
  ASSERT_EQ(s().data.rowCount, 11);
  EXPECT_NEAR(value(7, 2), -2.5f * 2, 1e-5f);  // (1 - 0)/-0.4, a negative source
  EXPECT_EQ(s().data.cell(7, 3), "");           // intercept 0: no source, only its bounds
  EXPECT_NEAR(value(8, 3), -5.0f, 1e-4f);       // its bounds: 1/(0 - 0.1) and 1/(0 + 0.1), times 0.5
  EXPECT_NEAR(value(9, 3), 5.0f, 1e-4f);

  // A kept file that is gone is said once and then asked for again.
  std::filesystem::remove(f.folder.path() + "/Data Files/odd.lx.txt");
  f.click("model", {"ZuZaDu", "Keep"});
  const std::size_t from = f.transcript.size();
  f.click("model", {"ZuZaDu", "[cancel]"});
  EXPECT_TRUE(f.transcript.contains(from, f.transcript.size(), "title: Open file w/ regression data"));
  EXPECT_EQ(s().data.rowCount, 11);
}

}  // namespace
}  // namespace lavix::testing
