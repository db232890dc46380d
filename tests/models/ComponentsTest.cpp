// Axis components: what an axis name stands for and the values read for it.
#include <gtest/gtest.h>

#include "lavix/models/Components.h"

namespace lavix::models {
namespace {

class ComponentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.allocate(5, 20);
    const std::vector<std::string> names = {"Rb",          "Sr",          "87Sr/86Sr",   "Nd",          "143Nd/144Nd",
                                            "Pb",          "206Pb/204Pb", "207Pb/204Pb", "208Pb/204Pb", "TiO[2]",
                                            "La",          "Log Zr",      "d18O"};
    const std::vector<std::string> row = {"20", "400", "0.7045", "10", "0.5128", "5", "18.5", "15.6", "38.4",
                                          "1.2", "8",   "2",      "6.5"};
    for (std::size_t c = 0; c < names.size(); ++c) {
      store.columnName[c + 1] = names[c];
      store.setCell(1, static_cast<int>(c) + 1, row[c]);
    }
    store.columnCount = static_cast<int16_t>(names.size());
    store.rowCount = 2;  // row 2 has no values at all
    store.normValue[11] = 0.25f;  // La
    standard.stdElement[2] = "Ti";
    standard.elementFactor[2] = 5995;
    store.stdColumn[2] = 10;
  }

  AxisComponents find(const std::string& x, const std::string& y) { return findComponents(x, y, store, standard); }
  std::optional<double> value(const Component& c, int row = 1) { return componentValue({store, nullptr}, c, row); }

  data::DataStore store;
  data::StandardTable standard;
};

TEST_F(ComponentsTest, RatioAxisAgainstIsotopeRatio) {
  const AxisComponents c = find("(Rb/Sr)", "87Sr/86Sr");
  ASSERT_TRUE(c.error.empty()) << c.error;
  EXPECT_EQ(c.parts[0].kind, ComponentKind::column);
  EXPECT_EQ(c.parts[1].name, "Sr");
  EXPECT_EQ(c.parts[2].kind, ComponentKind::isotope);
  EXPECT_EQ(c.parts[3].kind, ComponentKind::reference);
  EXPECT_EQ(c.parts[2].name, "Sr");  // both isotopes share the element's coefficient
  // 86Sr = Sr/(r + 9.432), 87Sr = that times r.
  EXPECT_NEAR(*value(c.parts[3]), 400 / (0.7045 + 9.432), 1e-4);
  EXPECT_NEAR(*value(c.parts[2]) / *value(c.parts[3]), 0.7045, 1e-6);
  EXPECT_FALSE(value(c.parts[2], 2));  // no ratio in that row
}

TEST_F(ComponentsTest, NeodymiumAndLeadReferenceIsotopes) {
  // 144Nd = Nd/(1 + 6.256157635·r); 204Pb = Pb/(1 + 206/204 + 207/204 + 208/204).
  const AxisComponents c = find("143Nd/144Nd", "206Pb/204Pb");
  ASSERT_TRUE(c.error.empty()) << c.error;
  EXPECT_NEAR(*value(c.parts[1]), 10 / (1 + 6.256157635 * 0.5128), 1e-5);
  EXPECT_NEAR(*value(c.parts[3]), 5 / (1 + 18.5 + 15.6 + 38.4), 1e-6);
}

TEST_F(ComponentsTest, ElementsNormalisedLoggedOxideAndConstant) {
  const AxisComponents c = find("La[N]/Ti", "1/Zr");
  ASSERT_TRUE(c.error.empty()) << c.error;
  EXPECT_NEAR(*value(c.parts[0]), 8 / 0.25, 1e-5);     // divided by La's normalising value
  EXPECT_NEAR(*value(c.parts[1]), 1.2 * 5995, 1e-2);  // Ti from TiO2
  EXPECT_EQ(c.parts[2].kind, ComponentKind::constant);
  EXPECT_DOUBLE_EQ(*value(c.parts[2]), 1);
  EXPECT_NEAR(*value(c.parts[3]), 100, 1e-9);  // the column was replaced by log10 Zr
}

TEST_F(ComponentsTest, SingleVariablesAbsentPartsAndOxygen) {
  const AxisComponents c = find("d18O", "Sr");
  ASSERT_TRUE(c.error.empty());
  EXPECT_TRUE(c.parts[0].oxygen);
  EXPECT_FALSE(c.parts[2].oxygen);
  EXPECT_EQ(c.parts[1].kind, ComponentKind::absent);
  EXPECT_DOUBLE_EQ(*value(c.parts[1]), 1);
  EXPECT_DOUBLE_EQ(*value(c.parts[0]), 6.5);
}

TEST_F(ComponentsTest, MissingDataIsNamed) {
  EXPECT_EQ(find("(Rb/Cs)", "Sr").error, "did not find data for Cs");
  EXPECT_EQ(find("Rb", "176Hf/177Hf").error, "did not find data for 176Hf/177Hf");
}

}  // namespace
}  // namespace lavix::models
