// Start-up and shut-down of lavix over temporary program folders: the session the shipped folder
// gives, the files written at the end. Start-ups over other Controls files: tests/cli (startup_*).
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

constexpr const char* setDefaultDirectory =
    "message: Set the default directory for your data files by clicking Preferences and then saving any changes";

TEST(Startup, ShippedFolderStartsWithTheDataFolderHint) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  EXPECT_TRUE(f.shown(setDefaultDirectory));
  EXPECT_FALSE(f.shown("Find a path"));
  EXPECT_FALSE(f.prompts.failed());
  const app::Session& s = *f.session;
  EXPECT_EQ(s.dataFolder, f.folder.path() + "/Data Files");
  EXPECT_EQ(s.data.maxRows, 32767);
  EXPECT_EQ(s.data.maxColumns, 200);
  EXPECT_EQ(s.data.rowCount, 0);
  EXPECT_EQ(s.standard.stdName[1], "SiO2");  // the shipped files' figures: ShippedControls
  EXPECT_GT(s.symbols.symbolCount, 23);
  EXPECT_GT(s.page.positionCount, 2);
  EXPECT_EQ(f.window->title(), "Lavix");
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(f.folder.path() + "/Data Files"));
}

TEST(Startup, ShutDownWritesTheRecentFiles) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  app::shutDown(*f.session);
  std::string written = readWholeFile(f.folder.controls("filenames.ini"));
  std::string path = f.folder.path() + "/Data Files/atacazo-ninahuilca.txt";
  // Opened twice, listed once.
  EXPECT_EQ(written.substr(0, path.size() + 2), path + "\r\n");
  EXPECT_EQ(written.find(path, 1), std::string::npos);
}

TEST(Startup, FailedWritesOfTheControlsFilesAreReported) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  for (const char* name : {"filenames.ini", "lxpref.ini"})
    std::filesystem::permissions(f.folder.controls(name), std::filesystem::perms::owner_read);
  app::shutDown(*f.session);
  EXPECT_FALSE(app::savePreferences(*f.session));
  EXPECT_TRUE(f.shown("message: The list of recent files could not be saved to Controls/filenames.ini: Permission "
                      "denied: the file is read-only"));
  EXPECT_TRUE(f.shown("message: The preferences could not be saved to Controls/lxpref.ini: Permission denied: the "
                      "file is read-only"));
}

TEST(Startup, TwoSessionsDoNotShareState) {
  SessionFixture first, second;
  ASSERT_EQ(first.start(), app::StartupOutcome::Ready);
  ASSERT_EQ(second.start(), app::StartupOutcome::Ready);
  first.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  EXPECT_EQ(first.session->data.rowCount, 109);
  EXPECT_EQ(second.session->data.rowCount, 0);
  EXPECT_EQ(second.window->title(), "Lavix");
}

}  // namespace
}  // namespace lavix::testing
