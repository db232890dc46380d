// Tests of lxpref.ini reading and writing and of the Fe-ratio term.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lavix/app/Preferences.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::app {
namespace {

using testing::TempFolder;

const std::vector<std::string> shippedLines = {"900", "0", "1", "\"DEFAULT\"", "\"DEFAULT\"", "\"DEFAULT\"", "32767",
                                               "200", "10", "0", "0", "\"DejaVu Sans\"", ".025", "1", "0", "0",
                                               "1200", "-8", "1"};

std::string join(const std::vector<std::string>& lines, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\r\n";
  return text;
}

Preferences readText(const std::string& content, bool expectRead = true, std::vector<std::string>* notices = nullptr) {
  TempFolder folder;
  Preferences preferences;
  text::FileError error;
  EXPECT_EQ(readPreferences(folder.write("lxpref.ini", content), preferences, error, notices), expectRead);
  return preferences;
}

TEST(Preferences, ReadsAndWritesTheNineteenValuesInTheShippedLayout) {
  EXPECT_EQ(preferencesText(Preferences{}), join(shippedLines, 19));
  // Every value differs from its default, so a line read into the wrong value shows.
  const std::vector<std::string> lines = {"2700", "1", ".8", "\"/data/rocks, 2024\"", "\"my.sym\"", "\"x.nrm.txt\"",
                                          "500", "40", "12", "1", "-1", "\"Noto Sans\"", ".05", "-1", "5", "2",
                                          "1100.5", "-9.25", "0"};
  const Preferences p = readText(join(lines, 19));
  EXPECT_EQ(p.dataFolder, "/data/rocks, 2024");
  EXPECT_EQ(p.maxColumns, 40);
  EXPECT_FLOAT_EQ(p.feRatioLogFO2, -9.25f);
  EXPECT_EQ(preferencesText(p), join(lines, 19));

  TempFolder folder;
  const std::string path = folder.path() + "/lxpref.ini";
  text::FileError error;
  ASSERT_TRUE(writePreferences(path, p, error));
  EXPECT_EQ(testing::readWholeFile(path), join(lines, 19));
}

TEST(Preferences, UnreadableMissingOrOutOfRangeValuesKeepDefaultsAndSizesAreClamped) {
  std::vector<std::string> lines = shippedLines;
  lines[0] = "ninety";
  lines[2] = "0";
  lines[6] = "100000";
  lines[7] = "-5";
  lines[8] = "0";
  lines[12] = "1e999";
  lines[14] = "-3";
  lines[15] = "2.6";
  lines[16] = "-300";
  lines[17] = "";
  std::vector<std::string> notices;
  Preferences p = readText(join(lines, 19), true, &notices);
  EXPECT_EQ(p.printerYAxisAngle, 900);
  EXPECT_FLOAT_EQ(p.windowScale, 1.0f);
  EXPECT_EQ(p.maxRows, 32767);
  EXPECT_EQ(p.maxColumns, 200);
  EXPECT_EQ(notices, (std::vector<std::string>{
                         "lxpref.ini line 8: \"-5\" is not a usable number of columns (10 to 32767), so the "
                         "default, 200, is used.",
                         "lxpref.ini line 13: \"1e999\" is not a usable tick height (0.001 to 0.1), so the default, "
                         "0.025, is used.",
                         "lxpref.ini line 15: \"-3\" is not a usable large X tick interval (a whole number from 0 to "
                         "100), so the default, 0, is used.",
                         "lxpref.ini line 16: \"2.6\" is not a usable large Y tick interval (a whole number from 0 to "
                         "100), so the default, 0, is used.",
                         "lxpref.ini line 17: \"-300\" is not a usable Fe-ratio temperature in degrees C (600 to "
                         "1700), so the default, 1200, is used."}));
  EXPECT_EQ(p.labelFontSize, 10);
  EXPECT_FLOAT_EQ(p.tickHeight, 0.025f);
  EXPECT_EQ(p.largeXTickEvery, 0);
  EXPECT_EQ(p.largeYTickEvery, 0);
  EXPECT_FLOAT_EQ(p.feRatioTemperature, 1200.0f);
  EXPECT_FLOAT_EQ(p.feRatioLogFO2, -8.0f);

  Preferences empty = readText("");
  EXPECT_EQ(empty.dataFolder, "DEFAULT");
  EXPECT_EQ(empty.maxRows, 32767);
  EXPECT_EQ(empty.histRegLabelsOn, 1);
}

TEST(Preferences, RangesHoldTheirEndsAsTypedOrRead) {
  struct Case {
    const PreferenceRange& range;
    double value;
    bool inside;
  };
  for (const Case& c : {Case{tickHeightRange, 0.001, true}, Case{tickHeightRange, 0.1, true},
                        Case{tickHeightRange, 0.1f, true}, Case{tickHeightRange, 0.1001, false},
                        Case{tickHeightRange, 0, false}, Case{largeXTickRange, 0, true},
                        Case{largeXTickRange, 2.6, false}, Case{feLogFO2Range, -25, true},
                        Case{feTemperatureRange, 1e300, false}, Case{matrixRowsRange, 32767, true},
                        Case{matrixColumnsRange, 32753, false}})
    EXPECT_EQ(c.range.contains(c.value), c.inside) << c.range.name << " " << c.value;
}

TEST(Preferences, FeRatioTermInSinglePrecision) {
  EXPECT_NEAR(feRatioTerm(1200.0f, -8.0f), 0.4355f, 0.00005f);
  // 273, not 273.15: 13184.7 / 1273 + (-10 × 2.303 × 0.218) − 4.499
  EXPECT_NEAR(feRatioTerm(1000.0f, -10.0f), 13184.7f / 1273.0f - 10.0f * 2.303f * 0.218f - 4.499f, 1e-6f);
  EXPECT_EQ(feRatioTerm(-273.0f, -8.0f), 0.0f);
}

}  // namespace
}  // namespace lavix::app
