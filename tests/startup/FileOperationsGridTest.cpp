// File Operations asking about recalculated columns before they save or print them: the flags
// come from the callers, which no batch run sets. The grid's commands run as tests/cli scripts
// (enter_data, enter_typed, modify_data, grid_guards, print_table, picked_rows).
#include <gtest/gtest.h>

#include "lavix/app/FileOperations.h"
#include "lavix/app/PrintTable.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

TEST(FileOperationsGrid, RecalculatedColumnsAreAskedAboutBeforeSaveAndPrint) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  f.folder.write("small.txt", readWholeFile(testDataPath("../cli/scripts/files/small.txt")));
  f.click("mOpen", {"small.txt"});
  const std::vector<int16_t> flags = {0, 1, 0, 0};
  f.prompts.queueAnswers({"Cancel"});
  EXPECT_FALSE(app::saveDataFile(*f.session, &flags));
  EXPECT_TRUE(f.shown("message: 1 elements or oxides recalculated to 100 volatile free.   All Fe as FeO"));
  f.session->data.totalFactor[1] = 2;
  f.prompts.queueAnswers({"OK", "recast.txt"});
  EXPECT_TRUE(app::saveDataFile(*f.session, &flags));
  EXPECT_NE(readWholeFile(f.folder.path() + "/recast.txt").find("\r\nA-1\t1\t100.246\t12\tx\r\n"), std::string::npos);
  f.prompts.queueAnswers({"Cancel"});
  app::printDataTable(*f.session, &flags, nullptr);
  EXPECT_EQ(f.prompts.pendingAnswers(), 0U);
  EXPECT_FALSE(f.shown("title: Specify # of columns"));
}

}  // namespace
}  // namespace lavix::testing
