// mcipw on total iron: the published basaltic glass VG-2 normed by hand. The columns, questions
// and refusals of mcipw: the batch run of tests/norm/scripts/cipw_columns.lvb.
#include <gtest/gtest.h>

#include "common/text/Text.h"
#include "lavix/app/CipwColumns.h"
#include "lavix/app/DataLoading.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

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

}  // namespace
}  // namespace lavix::testing
