// Start-up and shut-down of lavix over temporary program folders.
#include <filesystem>

#include <ostream>

#include <gtest/gtest.h>

#include "tests/startup/SessionFixture.h"

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
  EXPECT_EQ(s.standard.stdName[1], "SiO2");
  EXPECT_EQ(s.standard.stdName[14], "H2O");
  EXPECT_GT(s.symbols.symbolCount, 23);
  EXPECT_GT(s.page.positionCount, 2);
  float la = 0;
  EXPECT_TRUE(s.normalisation.find("LA", la));
  EXPECT_FLOAT_EQ(la, 0.237f);
  EXPECT_NEAR(s.feRatio, 0.4355f, 5e-5f);
  EXPECT_EQ(f.window->title(), "Lavix");
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(f.folder.path() + "/Data Files"));
}

TEST(Startup, DataFolderDefaultInAnyCaseGivesTheHint) {
  SessionFixture f;
  f.folder.write("Controls/lxpref.ini",
                 "900\r\n0\r\n1\r\n\"default\"\r\n\"DEFAULT\"\r\n\"DEFAULT\"\r\n500\r\n60\r\n10\r\n0\r\n0\r\n"
                 "\"DejaVu Sans\"\r\n.025\r\n-1\r\n0\r\n0\r\n1100\r\n-9\r\n");
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  EXPECT_TRUE(f.shown(setDefaultDirectory));
  EXPECT_EQ(f.session->data.maxRows, 500);
  EXPECT_EQ(f.session->preferences.histRegLabelsOn, 1);  // 18 lines: labels on
  EXPECT_EQ(f.session->diagram.yLabelOrientation, -1);
  EXPECT_TRUE(f.window->isChecked("menuHorizY"));
  EXPECT_FALSE(f.window->isChecked("menuVerticalY"));
}

TEST(Startup, AnUnusableDataFolderFallsBackToTheHomeFolder) {
  SessionFixture f;
  f.folder.write("Controls/lxpref.ini",
                 "900\r\n0\r\n1\r\n\"/no/such/folder\"\r\n\"DEFAULT\"\r\n\"DEFAULT\"\r\n500\r\n60\r\n10\r\n0\r\n0\r\n"
                 "\"DejaVu Sans\"\r\n.025\r\n1\r\n0\r\n0\r\n1200\r\n-8\r\n1\r\n");
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  EXPECT_TRUE(f.shown("message: Press the Preferences button (next window), find a valid path to your data "
                      "files, then press Save Preferences."));
  EXPECT_FALSE(f.shown(setDefaultDirectory));
  EXPECT_NE(f.session->dataFolder, "/no/such/folder");
}

struct MissingFile {
  const char* name;
  const char* filter;
};
// Readable test names (the default prints the bytes, pointers included).
void PrintTo(const MissingFile& c, std::ostream* os) { *os << c.name; }

class StartupRecovery : public ::testing::TestWithParam<MissingFile> {};

TEST_P(StartupRecovery, AMissingFileIsAskedForAndTheChosenOneIsRead) {
  SessionFixture f;
  const std::string name = GetParam().name;
  std::filesystem::rename(f.folder.controls(name), f.folder.path() + "/elsewhere-" + name);
  ASSERT_EQ(f.start({"elsewhere-" + name}), app::StartupOutcome::Ready);
  EXPECT_TRUE(f.shown(std::string("message: Find a path\\file for ") + GetParam().filter));
  EXPECT_TRUE(f.shown(std::string("file: open ") + GetParam().filter));
  EXPECT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_EQ(f.session->standard.stdName[1], "SiO2");
  EXPECT_GT(f.session->page.positionCount, 2);
}

TEST_P(StartupRecovery, ACancelledDialogStartsWithDefaults) {
  SessionFixture f;
  std::filesystem::remove(f.folder.controls(GetParam().name));
  EXPECT_EQ(f.start({"[cancel]"}), app::StartupOutcome::Ready);
  EXPECT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_GT(f.session->data.maxRows, 0);
}

INSTANTIATE_TEST_SUITE_P(ConfigurationFiles, StartupRecovery,
                         ::testing::Values(MissingFile{"lavix.data.txt", "lavix.data.txt|*.txt|"},
                                           MissingFile{"lxpref.ini", "lxpref.ini |*.ini|"},
                                           MissingFile{"filenames.ini", "filenames.ini |*.ini|"},
                                           MissingFile{"default.sym", "Symbols (*.sym)|*.sym|"},
                                           MissingFile{"page.txt", "page.txt |*.txt|"},
                                           MissingFile{"default.nrm.txt", "norm. files (*.nrm.txt|*.txt|"}));

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

TEST(Startup, AMatrixSizeTooSmallIsReportedAndTheDefaultUsed) {
  SessionFixture f;
  f.folder.write("Controls/lxpref.ini",
                 "900\r\n0\r\n1\r\n\"DEFAULT\"\r\n\"DEFAULT\"\r\n\"DEFAULT\"\r\n0\r\n60\r\n10\r\n0\r\n0\r\n"
                 "\"DejaVu Sans\"\r\n.025\r\n1\r\n0\r\n0\r\n1200\r\n-8\r\n1\r\n");
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  EXPECT_TRUE(f.shown("message: lxpref.ini line 7: \"0\" is not a usable number of rows (10 to 32767), so the "
                      "default, 32767, is used."));
  EXPECT_EQ(f.session->data.maxRows, 32767);
  EXPECT_EQ(f.session->data.maxColumns, 60);
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

namespace lavix::testing {
namespace {

TEST(Startup, AMalformedStandardTableEndsStartUp) {
  SessionFixture f;
  f.folder.write("Controls/lavix.data.txt", "SiO2\tTiO2\r\n");
  EXPECT_EQ(f.start(), app::StartupOutcome::Fatal);
  const std::string last = f.lastLine();
  EXPECT_EQ(last.rfind("message: ", 0), 0u) << last;
  EXPECT_NE(last.find(" fatal error Bye"), std::string::npos) << last;
}

TEST(Startup, ASymbolFileThatEndsEarlyKeepsWhatItReadAndSaysWhy) {
  SessionFixture f;
  f.folder.write("Controls/default.sym", "1, 10\r\n3\r\n0,0,0\r\n255,0,0\r\n\"FCIR\"\r\n1\r\n40,0\r\n");
  EXPECT_EQ(f.start(), app::StartupOutcome::Ready);
  EXPECT_TRUE(f.shown("message: Input past end of file"));
  EXPECT_FALSE(f.shown("Find a path"));
  EXPECT_EQ(f.session->symbols.symbolShape[0], "FCIR");
}

}  // namespace
}  // namespace lavix::testing
