// Classify samples: each sample's field on the library diagram shown, samples inside fields, on
// boundaries and off the diagram, and diagrams whose lines do not close their fields.
#include "tests/library/LibraryFixture.h"

namespace lavix::testing {
namespace {

class ClassificationTest : public LibraryFixture {
 protected:
  std::string fieldOf(int row) {
    const int column = session().data.columnCount;
    return std::string(session().data.cell(row, column));
  }
};

TEST_F(ClassificationTest, ShippedTasSamplesGetTheirFieldsAndBoundariesTheFieldAboveOrRight) {
  // SiO2 and Na2O + K2O (K2O 1 in every row, so that no term is 0); Al2O3 makes each analysis
  // total 100, so that the record's recast to 100 leaves the points where they are.
  struct Sample {
    const char* name;
    int silica, alkalis;
    const char* field;
  };
  const Sample samples[] = {
      {"basalt", 48, 3, "Basalt"},          {"bas-andesite", 54, 3, "Basaltic andesite"},
      {"andesite", 60, 4, "Andesite"},      {"dacite", 66, 4, "Dacite"},
      {"rhyolite", 74, 9, "Rhyolite"},      {"foidite", 38, 5, "Foidite"},
      {"trachyte", 64, 13, "Trachyte/trachydacite"}, {"phonolite", 55, 15, "Phonolite"},
      {"tephrite", 42, 5, "Tephrite/basanite"},      {"bta", 53, 7, "Basaltic trachyandesite"},
      // Names hyphenated over two lines.
      {"picrobasalt", 43, 2, "Picrobasalt"},         {"trachybasalt", 48, 6, "Trachybasalt"},
      {"trachyandesite", 58, 9, "Trachyandesite"},   {"tephriphonolite", 53, 12, "Tephriphonolite"},
      {"off", 85, 4, ""},                   {"no-silica", 0, 5, ""},
      // On a vertical boundary: the field on its right.
      {"on-52", 52, 3, "Basaltic andesite"}, {"on-45", 45, 2, "Basalt"},
      {"on-69", 69, 12, "Rhyolite"},
      // On a horizontal or sloping boundary ((69, 8) to (77, 0)) and on a corner: the field above.
      {"on-43", 43, 3, "Tephrite/basanite"}, {"on-slope", 73, 4, "Rhyolite"},
      {"on-corner", 41, 7, "Foidite"},
      // On the frame's right and top edges: the field inside.
      {"on-right", 80, 5, "Rhyolite"},      {"on-top", 50, 16, "Phonolite"},
  };
  std::string data = "SAMPLE\tKCODE\tSiO2\tAl2O3\tNa2O\tK2O\n";
  for (const Sample& s : samples)
    data += std::string(s.name) + "\t1\t" + std::to_string(s.silica) + "\t" +
            std::to_string(100 - s.silica - s.alkalis) + "\t" + std::to_string(s.alkalis - 1) + "\t1\n";
  load(data);
  f.click("mdiag", {"Diagrams/volcanic-classification.txt", "TAS"});
  f.click("mclassify");
  ASSERT_EQ(session().data.columnName[static_cast<std::size_t>(session().data.columnCount)], "TAS");
  for (std::size_t i = 0; i < std::size(samples); ++i)
    EXPECT_EQ(fieldOf(static_cast<int>(i) + 1), samples[i].field) << samples[i].name;
  EXPECT_TRUE(f.shown("message: 22 of 24 samples lie in a field of TAS; their field names are in the column TAS."));

  // Again: the column is replaced only after a Yes.
  const int columns = session().data.columnCount;
  f.click("mclassify", {"No"});
  EXPECT_TRUE(f.shown("message: A column TAS exists already. Replace its contents with the fields of the samples?"));
  f.click("mclassify", {"Yes"});
  EXPECT_EQ(session().data.columnCount, columns);
  EXPECT_EQ(fieldOf(1), "Basalt");
}

TEST_F(ClassificationTest, TernaryFieldsOfTheShippedAfmOnTotalIron) {
  // Total iron as FeOT only: the record's (FeO+0.8998*Fe2O3) takes it without a message.
  load("SAMPLE\tKCODE\tFeOT\tMgO\tNa2O\tK2O\n"
       "calc-alkaline\t1\t7.63\t5.42\t3.52\t0.76\n"
       "tholeiite\t1\t10\t5\t1.5\t0.5\n");
  f.click("mdiag", {"Diagrams/magma-series.txt", "AFM"});
  f.click("mclassify");
  EXPECT_EQ(fieldOf(1), "Calc-alkaline");
  EXPECT_EQ(fieldOf(2), "Tholeiitic");
  EXPECT_FALSE(f.shown("message: Did not match"));
}

TEST_F(ClassificationTest, FieldsThatTheLinesDoNotCloseAreSaidAndNothingIsWritten) {
  load("SAMPLE\tKCODE\tSiO2\tNa2O\n" "a\t1\t2\t2\n");
  // One line from the bottom edge to the middle: both labels lie in the one region.
  write("Diagrams/open.txt", "XY Open d n x SIO2 y NA2O 0 0 10 1 2 0 0 10 1 2 2 5 0 0 5 5 1 2 2 2 A 8 2 B");
  f.click("mdiag", {"Diagrams/open.txt", "#1"});
  const int columns = session().data.columnCount;
  f.click("mclassify");
  EXPECT_TRUE(f.shown("message: The fields of Open are not closed by its lines, so no sample was classified: the "
                      "labels \"A\" and \"B\" lie in one region."));
  EXPECT_EQ(session().data.columnCount, columns);
}

TEST_F(ClassificationTest, NeedsALibraryDiagram) {
  load("SAMPLE\tKCODE\tSiO2\tNa2O\n" "a\t1\t2\t2\n");
  f.click("mxy", {"click varbut SiO2", "click varbut Na2O"});
  f.click("mclassify");
  EXPECT_TRUE(f.shown("message: Classify samples works on a diagram of the library: choose one with Plot, Diagram first."));
}

}  // namespace
}  // namespace lavix::testing
