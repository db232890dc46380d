// mcipw through a session: the three questions, the appended columns and the once-per-data-set rule.
#include <gtest/gtest.h>

#include "common/text/Text.h"
#include "lavix/app/CipwColumns.h"
#include "lavix/app/DataLoading.h"
#include "tests/support/LavixSessions.h"

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

// Basaltic glass VG-2 (USNM 111240/52) as published, iron as one total FeO: Jarosewich, Nelen &
// Norberg (1980) Geostandards Newsletter 4, 43-47, Table 1. Its norm worked apart from this code
// (textbook CIPW order, all iron as FeO, the fixed formula weights): or 1.123, ab 22.171, an 26.044,
// di 23.122, hy 20.045, ol 3.147, il 3.515, ap 0.463, no Q; with the iron adjusted (Fe2O3 = TiO2 + 1.5
// = 3.35, FeO = 11.84 - 0.8998 x 3.35 = 8.826): Q 2.670, mt 4.858, hy 16.429, no ol.
TEST(CipwColumnsTotalIron, ATotalIronColumnIsTheIronOfTheNorm) {
  struct Case { const char *header, *iron, *adjust, *message; float q, hy, ol, mt; };
  const Case cases[] = {
      {"FeOT", "11.84", "No", "The column FeO{t} holds total iron and is taken as FeO for the oxide total and the "
       "CIPW norm; answer Yes to the norm's question \"Adjust FeO and Fe2O3\" to split it.", 0, 20.045f, 3.147f, 0},
      {"Fe[2]O[3](t)", "13.1585", "No", "taken as FeO (Fe2O3 x 0.8998) for", 0, 20.045f, 3.147f, 0},
      {"FeO*", "11.84", "Yes", "The column FeO* holds", 2.670f, 16.429f, 0, 4.858f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    SessionFixture f;
    ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
    app::openDataFile(*f.session, f.folder.write("Data Files/vg2.txt",
        std::string("SAMPLE\tSiO2\tTiO2\tAl2O3\t") + c.header + "\tMnO\tMgO\tCaO\tNa2O\tK2O\tP2O5\r\n"
        "VG-2\t50.81\t1.85\t14.06\t" + c.iron + "\t0.22\t6.71\t11.12\t2.62\t0.19\t0.20\r\n"));
    EXPECT_TRUE(f.shown(c.message));
    EXPECT_NEAR(f.session->data.totalFactor[1], 100 / 99.62, 1e-5);  // the iron counted once
    f.prompts.queueAnswers({c.adjust, "Weight Norm", "No"});
    app::mcipw(*f.session);
    const float expected[] = {c.q, 1.123f, 22.171f, 26.044f, c.hy, c.ol, c.mt, 3.515f, 0.463f};
    const int columns[] = {12, 13, 14, 15, 21, 23, 25, 26, 29};  // Q or ab an hy ol mt il ap
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(f.session->data.value(1, columns[k]), expected[k], 0.006) << columns[k];
    // A real FeO column (here where the total was) keeps the total an ordinary column.
    app::openDataFile(*f.session, f.folder.write("Data Files/both.txt", "SAMPLE\tA\tB\tC\tFeO\tFeOT\r\nA\t1\t1\t1\t7\t9\r\n"));
    EXPECT_NEAR(f.session->data.totalFactor[1], 100 / 7.0, 1e-4);
  }
}

TEST(CipwColumnsNoData, AsksToReadAFileFirst) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  app::mcipw(*f.session);
  EXPECT_TRUE(f.shown("message: Read a File first"));
  EXPECT_EQ(f.session->data.columnCount, 0);
}

}  // namespace
}  // namespace lavix::testing
