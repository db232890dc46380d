// The preferences window where a batch run cannot look: colours, the iron ratio, a failed write and
// the file Exit leaves alone. Its options, scale and fields: tests/cli (preferences*.lvb).
#include <gtest/gtest.h>

#include <filesystem>

#include "common/ui/FormEvent.h"
#include "lavix/app/PreferencesForm.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

class PreferencesForm : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(f.start(), app::StartupOutcome::Ready); }
  void run(app::PreferencesForm& form, const std::string& line) {
    const auto parsed = ui::parseFormEvent(line);
    ASSERT_TRUE(parsed.event) << line;
    EXPECT_EQ(ui::applyFormEvent(form, *parsed.event), ui::EventResult::Done) << line;
  }
  SessionFixture f;
};

TEST_F(PreferencesForm, ColourAndOptionsChangeInMemoryAndExitWritesNothing) {
  app::PreferencesForm form(*f.session);
  f.prompts.queueAnswers({"Serif, 12.4, bold, regular", "255,0,0"});
  for (const char* line : {"click cmdFont", "click ffo1", "click qebut"}) run(form, line);
  EXPECT_EQ(f.session->symbols.textColour, 255);
  EXPECT_EQ(f.session->preferences.readFilterOn, 1);
  EXPECT_FALSE(form.isOpen());
  EXPECT_EQ(readWholeFile(f.folder.controls("lxpref.ini")).substr(0, 8), "900\r\n0\r\n") << "Exit writes nothing";
}

TEST_F(PreferencesForm, MiscellaneousChangesTicksIronAndTheNextMatrix) {
  app::PreferencesForm form(*f.session);
  f.prompts.queueAnswers({"[cancel]"});
  run(form, "click miscp");
  EXPECT_EQ(f.session->preferences.largeXTickEvery, 0);
  const float before = f.session->feRatio;
  f.prompts.queueAnswers({".03,5,3,1100,-9,100,500"});
  run(form, "click miscp");
  EXPECT_TRUE(f.shown("numbers: Misc. Controls | Tick Height, .025 = 2.5% of axis = 0.025 | large X ticks every __ "
                      "tick, 0 for none = 0"));
  const app::Preferences& p = f.session->preferences;
  EXPECT_FLOAT_EQ(p.tickHeight, 0.03f);
  EXPECT_EQ(f.session->diagram.x.largeTickEvery, 5);
  EXPECT_EQ(p.largeYTickEvery, 3);
  EXPECT_EQ(p.maxColumns, 100);
  EXPECT_EQ(p.maxRows, 500);
  EXPECT_EQ(f.session->data.maxRows, 32767) << "the matrix in memory keeps its size";
  // 13184.7 / 1373 - 9 x 2.303 x 0.218 - 4.499
  EXPECT_NEAR(f.session->feRatio, 13184.7 / 1373.0 - 9 * 2.303 * 0.218 - 4.499, 1e-4);
  EXPECT_NE(f.session->feRatio, before);
}

TEST_F(PreferencesForm, AFailedWriteIsReportedAndTheWindowStaysOpen) {
  // A folder where the file should be: the file cannot be replaced.
  std::filesystem::remove(f.folder.controls("lxpref.ini"));
  f.folder.write("Controls/lxpref.ini/keep", "x");
  app::PreferencesForm form(*f.session);
  run(form, "click saveini");
  EXPECT_TRUE(form.isOpen());
  EXPECT_NE(f.lastLine().find("Error# "), std::string::npos) << f.lastLine();
  EXPECT_EQ(readWholeFile(f.folder.controls("lxpref.ini/keep")), "x");
}

}  // namespace
}  // namespace lavix::testing
