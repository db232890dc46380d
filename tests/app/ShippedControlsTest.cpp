// Reads every shipped file of the program folder's Controls and checks its key figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "common/text/Text.h"
#include "lavix/app/PageLayout.h"
#include "lavix/app/Preferences.h"
#include "lavix/app/StandardTableFile.h"
#include "lavix/calc/NormalisationFile.h"
#include "lavix/diagram/SymbolFile.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::app {
namespace {

std::string controls(const std::string& name) { return std::string(LAVIX_PROGRAMFOLDER_DIR) + "/Controls/" + name; }

TEST(ShippedControls, EveryFileIsKnownAndEndsLinesWithCrLf) {
  const std::set<std::string> known = {"lavix.data.txt", "lxpref.ini",      "filenames.ini", "page.txt",
                                       "default.sym",    "default.nrm.txt", "README.txt",
                                       "pearce.txt",     "extra.txt"};
  for (const auto& entry : std::filesystem::directory_iterator(std::string(LAVIX_PROGRAMFOLDER_DIR) + "/Controls")) {
    const std::string name = entry.path().filename().string();
    if (!known.count(name)) continue;  // files that other parts of the program ship
    const std::string content = testing::readWholeFile(entry.path().string());
    for (std::size_t i = 0; i < content.size(); ++i) {
      if (content[i] == '\n') {
        ASSERT_TRUE(i > 0 && content[i - 1] == '\r') << name << " byte " << i;
      }
    }
  }
}

TEST(ShippedControls, StandardTable) {
  data::StandardTable table;
  text::FileError error;
  ASSERT_TRUE(readStandardTable(controls("lavix.data.txt"), table, error, '.')) << error.text;
  const char* names[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                         "K2O",  "P2O5", "NiO",   "Cr2O3", "H2O", "LOI", "CO2", "SO3"};
  for (int k = 1; k <= data::standardCount; ++k) EXPECT_EQ(table.stdName[k], names[k - 1]);
  EXPECT_NEAR(table.molecularWeight[1], 60.083f, 1e-4f);
  EXPECT_NEAR(table.molecularWeight[10], 94.1956f, 1e-4f);
  EXPECT_EQ(table.molecularWeight[15], 0.0f);
  EXPECT_EQ(table.cations[3], 2);
  EXPECT_EQ(table.cations[15], 0);
  EXPECT_EQ(table.stdElement[4], "Fe");
  EXPECT_EQ(table.stdElement[5], "Fe");
  EXPECT_EQ(table.stdElement[10], "K");
  EXPECT_NEAR(table.elementFactor[10], 8301.5f, 0.05f);
  EXPECT_NEAR(table.elementFactor[12], 7858.015f, 0.01f);
  EXPECT_NEAR(table.molarVolume[1], 26.86f, 1e-5f);
  EXPECT_NEAR(table.molarVolume[10], 46.07f, 1e-5f);
  EXPECT_EQ(table.molarVolume[6], 0.0f);
  EXPECT_NEAR(table.molarVolume[12], 26.68f, 1e-5f);
  EXPECT_EQ(table.normColumnName[1], "An[pl]");
  EXPECT_EQ(table.normColumnName[26], "CS");
  EXPECT_NEAR(table.ferricCoefficient[1], -2.15036f, 1e-6f);
  EXPECT_NEAR(table.ferricCoefficient[8], 0.073113f, 1e-7f);
  EXPECT_NEAR(table.ferricCoefficient[12], 0.21813f, 1e-6f);
  EXPECT_NEAR(table.ferricCoefficient[13], 13184.7f, 1e-3f);
  EXPECT_NEAR(table.ferricCoefficient[14], -4.49933f, 1e-6f);
  EXPECT_GE(table.displayName.size(), 21u);
  EXPECT_LE(table.displayName.size(), static_cast<std::size_t>(maxDisplayNames));
  for (const char* display : {"SiO[2]", "P[2]O[5]", "H[2]O{+}", "{87}Sr/{86}Sr", "FeO{t}"}) {
    EXPECT_NE(std::find(table.displayName.begin(), table.displayName.end(), display), table.displayName.end())
        << display;
  }
  EXPECT_EQ(table.indexOfName("Fe[2]O[3]"), 4);
}

TEST(ShippedControls, Preferences) {
  Preferences p;
  p.maxRows = 1;
  text::FileError error;
  ASSERT_TRUE(readPreferences(controls("lxpref.ini"), p, error));
  EXPECT_EQ(preferencesText(p), testing::readWholeFile(controls("lxpref.ini")));
  EXPECT_EQ(p.maxRows, 32767);
  EXPECT_EQ(p.labelFontName, "DejaVu Sans");
  EXPECT_NEAR(feRatioTerm(p.feRatioTemperature, p.feRatioLogFO2), 0.4355f, 0.00005f);
}

TEST(ShippedControls, PageLayoutFramesFitTheirPages) {
  PageLayout layout;
  text::FileError error;
  ASSERT_TRUE(readPageLayout(controls("page.txt"), layout, error)) << error.text;
  EXPECT_EQ(layout.pageWidth, 8500);
  EXPECT_EQ(layout.pageLength, 11000);
  int portrait = 0;
  std::set<std::string> codes;
  for (int n = 1; n <= layout.positionCount; ++n) {
    const PagePosition& p = layout.position[static_cast<std::size_t>(n)];
    const bool isPortrait = text::toUpper(p.name).find("POR") != std::string::npos;
    portrait += isPortrait;
    codes.insert(p.axesCode);
    const int pageX = isPortrait ? layout.pageWidth : layout.pageLength;
    const int pageY = isPortrait ? layout.pageLength : layout.pageWidth;
    const bool yRight = p.axesCode == "XYR" || p.axesCode == "-YR";
    // Room for the Y numbers and title beside the frame, the X numbers and title below it,
    // and a caption above it.
    EXPECT_GE(p.left, yRight ? 300 : 1000) << p.name;
    EXPECT_LE(p.right + (yRight ? 1000 : 300), pageX) << p.name;
    EXPECT_GE(p.bottom, p.axesCode[0] == 'X' ? 1200 : 0) << p.name;
    EXPECT_LE(p.top + 300, pageY) << p.name;
    EXPECT_LT(p.bottom, p.top) << p.name;
  }
  EXPECT_EQ(text::toUpper(layout.position[1].name).find("POR"), std::string::npos);
  EXPECT_GE(portrait, 2);
  EXPECT_EQ(codes, (std::set<std::string>{"XYL", "XYR", "-YR"}));
  // A metafile of the diagram alone uses position 2 in a 6000 x 4500 window.
  EXPECT_LE(layout.position[2].right, 6000);
  EXPECT_LE(layout.position[2].top + 300, 4500);
}

TEST(ShippedControls, DefaultSymbols) {
  diagram::SymbolTable table;
  text::FileError error;
  ASSERT_TRUE(diagram::readSymbolFile(controls("default.sym"), "default", table, error)) << error.text;
  EXPECT_GE(table.symbolCount, 24);
  EXPECT_LE(table.symbolCount, diagram::maxSymbolNumber);
  std::set<std::pair<std::string, int32_t>> looks;
  for (int s = 1; s <= table.symbolCount; ++s) {
    const auto slot = static_cast<std::size_t>(s);
    looks.insert({table.symbolShape[slot], table.isFilled(s) ? table.symbolFillColour[slot] : table.symbolLineColour[slot]});
    int32_t across = 0;
    if (table.isCircle(s)) {
      across = 2 * table.symbolVertex[slot][0].x;
    } else {
      int32_t low = 0, high = 0;
      for (int v = 0; v < table.symbolVertexCount[slot]; ++v) {
        low = std::min(low, table.symbolVertex[slot][static_cast<std::size_t>(v)].x);
        high = std::max(high, table.symbolVertex[slot][static_cast<std::size_t>(v)].x);
      }
      across = high - low;
    }
    EXPECT_GE(across, 60) << s;
    EXPECT_LE(across, 90) << s;
  }
  EXPECT_EQ(looks.size(), static_cast<std::size_t>(table.symbolCount)) << "two symbols look alike";
  EXPECT_EQ(table.pageColour, 0xFFFFFF);
  EXPECT_EQ(table.frameColour, 0);
}

TEST(ShippedControls, DefaultNormalisation) {
  data::NormalisationTable table;
  text::FileError error;
  ASSERT_TRUE(calc::readNormalisationTable(controls("default.nrm.txt"), table, error, '.'));
  EXPECT_NE(table.title.find("Sun"), std::string::npos);
  EXPECT_NE(table.title.find("doi:10.1144/GSL.SP.1989.042.01.19"), std::string::npos);
  EXPECT_EQ(table.element.size(), 36u);
  float value = 0;
  ASSERT_TRUE(table.find("La", value));
  EXPECT_FLOAT_EQ(value, 0.237f);
  ASSERT_TRUE(table.find("K", value));
  EXPECT_FLOAT_EQ(value, 545.0f);
}

}  // namespace
}  // namespace lavix::app
