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

TEST(Preferences, ReadsTheNineteenValues) {
  std::vector<std::string> lines = {"2700", "1", ".8", "\"/data/rocks\"", "\"my.sym\"", "\"x.nrm.txt\"", "500",
                                    "40", "12", "1", "-1", "\"Noto Sans\"", ".05", "-1", "5", "2", "1100.5",
                                    "-9.25", "0"};
  Preferences p = readText(join(lines, 19));
  EXPECT_EQ(p.printerYAxisAngle, 2700);
  EXPECT_EQ(p.readFilterOn, 1);
  EXPECT_FLOAT_EQ(p.windowScale, 0.8f);
  EXPECT_EQ(p.dataFolder, "/data/rocks");
  EXPECT_EQ(p.symbolFile, "my.sym");
  EXPECT_EQ(p.normalisationFile, "x.nrm.txt");
  EXPECT_EQ(p.maxRows, 500);
  EXPECT_EQ(p.maxColumns, 40);
  EXPECT_EQ(p.labelFontSize, 12);
  EXPECT_EQ(p.labelFontBold, 1);
  EXPECT_EQ(p.labelFontItalic, -1);
  EXPECT_EQ(p.labelFontName, "Noto Sans");
  EXPECT_FLOAT_EQ(p.tickHeight, 0.05f);
  EXPECT_EQ(p.yLabelOrientation, -1);
  EXPECT_EQ(p.largeXTickEvery, 5);
  EXPECT_EQ(p.largeYTickEvery, 2);
  EXPECT_FLOAT_EQ(p.feRatioTemperature, 1100.5f);
  EXPECT_FLOAT_EQ(p.feRatioLogFO2, -9.25f);
  EXPECT_EQ(p.histRegLabelsOn, 0);
}

TEST(Preferences, EighteenLinesTurnLabelsOn) {
  std::vector<std::string> lines = shippedLines;
  lines[18] = "0";
  EXPECT_EQ(readText(join(lines, 19)).histRegLabelsOn, 0);
  EXPECT_EQ(readText(join(lines, 18)).histRegLabelsOn, 1);
}

TEST(Preferences, UnreadableOrMissingValuesKeepDefaultsAndSizesAreClamped) {
  std::vector<std::string> lines = shippedLines;
  lines[0] = "ninety";
  lines[2] = "0";
  lines[6] = "100000";
  lines[7] = "-5";
  lines[8] = "0";
  lines[12] = "1e999";
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
                         "default, 200, is used."}));
  EXPECT_EQ(p.labelFontSize, 10);
  EXPECT_FLOAT_EQ(p.tickHeight, 0.025f);
  EXPECT_FLOAT_EQ(p.feRatioTemperature, 1200.0f);
  EXPECT_FLOAT_EQ(p.feRatioLogFO2, -8.0f);

  Preferences empty = readText("");
  EXPECT_EQ(empty.dataFolder, "DEFAULT");
  EXPECT_EQ(empty.maxRows, 32767);
  EXPECT_EQ(empty.histRegLabelsOn, 1);
}

TEST(Preferences, DefaultInAnyCaseIsKeptAsWritten) {
  std::vector<std::string> lines = shippedLines;
  lines[3] = "\"default\"";
  lines[4] = "Default";  // unquoted texts are read too
  Preferences p = readText(join(lines, 19));
  EXPECT_EQ(p.dataFolder, "default");
  EXPECT_EQ(p.symbolFile, "Default");
}

TEST(Preferences, MissingFileReportsTheOpenFailureAndKeepsValues) {
  TempFolder folder;
  Preferences p;
  p.maxRows = 77;
  text::FileError error;
  EXPECT_FALSE(readPreferences(folder.path() + "/lxpref.ini", p, error));
  EXPECT_EQ(error.number, 53);
  EXPECT_EQ(p.maxRows, 77);
}

TEST(Preferences, WritesTheShippedLayoutAndReadsItBack) {
  Preferences defaults;
  EXPECT_EQ(preferencesText(defaults), join(shippedLines, 19));

  Preferences changed;
  changed.dataFolder = "/home/geo/data, 2024";
  changed.tickHeight = 0.0125f;
  changed.feRatioLogFO2 = -10.5f;
  changed.yLabelOrientation = -1;
  TempFolder folder;
  std::string path = folder.path() + "/lxpref.ini";
  text::FileError error;
  ASSERT_TRUE(writePreferences(path, changed, error));
  Preferences back;
  ASSERT_TRUE(readPreferences(path, back, error));
  EXPECT_EQ(back.dataFolder, changed.dataFolder);
  EXPECT_FLOAT_EQ(back.tickHeight, 0.0125f);
  EXPECT_FLOAT_EQ(back.feRatioLogFO2, -10.5f);
  EXPECT_EQ(back.yLabelOrientation, -1);
  EXPECT_EQ(testing::readWholeFile(path), preferencesText(changed));
}

TEST(Preferences, FailedWriteLeavesTheOldFile) {
  TempFolder folder;
  text::FileError error;
  EXPECT_FALSE(writePreferences(folder.path() + "/no such folder/lxpref.ini", Preferences{}, error));
  EXPECT_NE(error.number, 0);
}

TEST(Preferences, FeRatioTermInSinglePrecision) {
  EXPECT_NEAR(feRatioTerm(1200.0f, -8.0f), 0.4355f, 0.00005f);
  // 273, not 273.15: 13184.7 / 1273 + (-10 × 2.303 × 0.218) − 4.499
  EXPECT_NEAR(feRatioTerm(1000.0f, -10.0f), 13184.7f / 1273.0f - 10.0f * 2.303f * 0.218f - 4.499f, 1e-6f);
  EXPECT_EQ(feRatioTerm(-273.0f, -8.0f), 0.0f);
}

}  // namespace
}  // namespace lavix::app
