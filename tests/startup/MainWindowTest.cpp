// The main window model where a batch run cannot look: its command table and the exit request.
// Its file commands are checked by the batch runs of tests/cli (file_commands, recent_files ...).
#include <gtest/gtest.h>

#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

TEST(MainWindowTest, MenusNameKnownCommandsThatSayWhatTheyDoAndTheCommonOnesHaveKeys) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  for (const auto& menu : f.window->menus()) {
    for (const auto& entry : menu.entries) {
      if (!entry.command.empty()) {
        EXPECT_NE(f.window->commands().find(entry.command), nullptr) << entry.command;
      }
    }
  }
  for (const auto& command : f.window->commands().all())
    EXPECT_FALSE(f.window->commands().tip(command.name).empty()) << command.name;
  const std::pair<const char*, const char*> keys[] = {
      {"mOpen", "Ctrl+O"}, {"mSave", "Ctrl+S"}, {"menuPrint", "Ctrl+P"}, {"mExit", "Ctrl+Q"}};
  for (const auto& [command, sequence] : keys) EXPECT_EQ(f.window->commands().shortcut(command), sequence);
  EXPECT_EQ(f.window->click("model", ""), ui::EventResult::Disabled);  // no diagram yet
}

TEST(MainWindowTest, ExitIsRequestedOnlyWhenNothingUnsavedIsLeftBehind) {
  SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  f.session->data.setCell(1, 1, "58");
  f.click("mExit", {"Cancel"});
  EXPECT_FALSE(f.window->exitRequested());
  f.click("mExit", {"Yes", "[cancel]"});  // a save that does not happen keeps the program open
  EXPECT_FALSE(f.window->exitRequested());
  f.click("mExit", {"Yes", "kept.txt"});
  EXPECT_TRUE(f.window->exitRequested());
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
}

}  // namespace
}  // namespace lavix::testing
