// Inputs found by the configuration reader fuzzers (and hand-made hostile ones): each must read
// or be refused without a crash.
#include <gtest/gtest.h>

#include <string>

#include "lavix/app/PageLayout.h"
#include "lavix/app/Preferences.h"
#include "lavix/app/RecentFiles.h"
#include "lavix/app/StandardTableFile.h"
#include "lavix/calc/NormalisationFile.h"
#include "lavix/diagram/SymbolFile.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix {
namespace {

const std::string hostileInputs[] = {
    std::string("\0\0\0", 3),
    "\"",
    "\r\r\r\n\n,,,,",
    "1e38 1e38\n46\n",
    "3e38, 1\n0\n0 0 0\n0 0 0\n\"cir\n1\n3e38 -3e38\n",
    "1 1\n0\n-99999 99999 1e30\n",
    "8500\t11000\n20000000000\n",
    "99999999999\t1\n1\n",
    "#\n#\n",
};

TEST(ConfigFuzzRegression, HostileInputsNeverCrash) {
  testing::TempFolder folder;
  for (const std::string& input : hostileInputs) {
    const std::string path = folder.write("input.txt", input);
    text::FileError error;
    data::StandardTable standard;
    app::readStandardTable(path, standard, error, ',');
    app::Preferences preferences;
    app::readPreferences(path, preferences, error);
    EXPECT_GE(preferences.maxRows, 1);
    app::RecentFiles recent;
    app::readRecentFiles(path, recent, error);
    app::PageLayout layout;
    app::readPageLayout(path, layout, error);
    EXPECT_LE(layout.positionCount, app::maxPagePositions);
    data::NormalisationTable normalisation;
    calc::readNormalisationTable(path, normalisation, error, '.');
    diagram::SymbolTable symbols;
    diagram::readSymbolFile(path, "default", symbols, error);
    EXPECT_LE(symbols.symbolCount, diagram::maxSymbolNumber);
  }
}

}  // namespace
}  // namespace lavix
