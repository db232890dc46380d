// mcipw through a session: the three questions, the appended columns and the once-per-data-set rule.
#include <gtest/gtest.h>

#include "common/text/Text.h"
#include "lavix/app/CipwColumns.h"
#include "lavix/app/DataLoading.h"
#include "tests/startup/SessionFixture.h"

namespace lavix::testing {
namespace {

// Andesite ATAC-4 (Hidalgo et al. 2008) and a row with no oxides at all.
const std::string kRocks =
    "SAMPLE\tJCODE\tKCODE\tLCODE\tSiO2\tTiO2\tAl2O3\tFe2O3\tMnO\tMgO\tCaO\tNa2O\tK2O\tP2O5\tRb\r\n"
    "ATAC-4\t0\t1\t0\t57.28\t0.67\t16.5\t8.48\t0.12\t5.42\t7.12\t3.52\t0.76\t0.14\t12\r\n"
    "blank\t0\t1\t0\t\t\t\t\t\t\t\t\t\t\t5\r\n";

class CipwColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    const std::string path = f.folder.write("Data Files/rocks.txt", kRocks);
    app::openDataFile(*f.session, path);
    ASSERT_EQ(f.session->data.rowCount, 2);
    columnsBefore = f.session->data.columnCount;
  }
  void run(const std::vector<std::string>& answers) {
    f.prompts.queueAnswers(answers);
    app::mcipw(*f.session);
  }
  float value(int row, const std::string& column) const {
    const auto& d = f.session->data;
    for (int c = 1; c <= d.columnCount; ++c)
      if (d.columnName[static_cast<std::size_t>(c)] == column) return d.value(row, c);
    ADD_FAILURE() << "no column " << column;
    return 0;
  }
  SessionFixture f;
  int columnsBefore = 0;
};

TEST_F(CipwColumnsTest, WeightNormAppendsTheTwentySixNamedColumns) {
  run({"No", "Weight Norm", "No"});
  EXPECT_FALSE(f.prompts.failed());
  EXPECT_TRUE(f.shown("buttons: Adjust FeO and Fe2O3 following Irvine and Baragar (1971) | &No | &Yes | &Quit"));
  EXPECT_TRUE(f.shown("buttons: Calculate a weight Norm or a cation Norm  following Irvine and Baragar (1971) | "
                      "&Weight Norm | &Cation Norm"));
  EXPECT_TRUE(f.shown("buttons: Normalize to 100, following Irvine and Baragar (1971) | &No | &Yes"));
  const auto& d = f.session->data;
  ASSERT_EQ(d.columnCount, columnsBefore + 26);
  const char* names[] = {"An[pl]", "Q",  "or", "ab",  "an", "lc", "ne", "kal", "C",  "di",  "hy",  "wo",  "ol",
                         "ac",     "mt", "il", "hem", "tn", "ap", "cm", "pf",  "wus", "ru", "KS", "NaS", "CS"};
  for (int k = 0; k < 26; ++k) EXPECT_EQ(d.columnName[static_cast<std::size_t>(columnsBefore + 1 + k)], names[k]);
  // Same values as the row-norm tests (independent calculation), stored as shortest texts.
  EXPECT_NEAR(value(1, "An[pl]"), 47.525, 0.006);
  EXPECT_NEAR(value(1, "Q"), 12.562, 0.006);
  EXPECT_NEAR(value(1, "hem"), 8.481, 0.006);
  EXPECT_EQ(std::string(d.cell(1, columnsBefore + 6)), "0");  // lc
  EXPECT_EQ(std::string(d.cell(2, columnsBefore + 2)), "0");  // the empty row
  EXPECT_EQ(std::string(d.cell(1, 1)), "57.28");               // the data keep their values
}

TEST_F(CipwColumnsTest, AdjustedNormalisedAndCationVariants) {
  run({"Yes", "Weight Norm", "Yes"});
  EXPECT_NEAR(value(1, "Q"), 9.089, 0.006);
  EXPECT_NEAR(value(1, "mt"), 3.166, 0.006);
  EXPECT_EQ(std::string(f.session->data.cell(1, 4)), "8.48");  // Fe2O3 cell untouched by the adjustment
}

TEST_F(CipwColumnsTest, CationNorm) {
  run({"No", "Cation Norm", "No"});
  EXPECT_NEAR(value(1, "An[pl]"), 46.053, 0.006);
  EXPECT_NEAR(value(1, "hy"), 12.814, 0.006);
}

TEST_F(CipwColumnsTest, QuitOrAClosedDialogChangesNothing) {
  run({"Quit"});
  EXPECT_EQ(f.session->data.columnCount, columnsBefore);
  EXPECT_EQ(f.prompts.pendingAnswers(), 0u);
}

TEST_F(CipwColumnsTest, RunsOncePerDataSet) {
  run({"No", "Weight Norm", "No"});
  const int after = f.session->data.columnCount;
  const auto shownBefore = f.transcript.size();
  run({});
  EXPECT_EQ(f.session->data.columnCount, after);
  EXPECT_EQ(f.transcript.size(), shownBefore);  // no question asked
  EXPECT_FALSE(f.prompts.failed());
}

TEST_F(CipwColumnsTest, NoRoomIsReportedAndNothingIsAppended) {
  auto& d = f.session->data;
  d.columnCount = static_cast<int16_t>(d.matrixColumns() - 20);
  const int before = d.columnCount;
  run({"No", "Weight Norm", "No"});
  EXPECT_TRUE(f.shown(app::cipwText::noRoom));
  EXPECT_EQ(d.columnCount, before);
}

}  // namespace
}  // namespace lavix::testing
