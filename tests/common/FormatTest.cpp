// Unit tests of number masks, text masks, the general number format and axis masks.
#include "common/format/NumberFormat.h"

#include <ostream>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace lavix::format {
namespace {

struct MaskCase {
  double value;
  const char* mask;
  const char* expected;
};
// Readable test names (the default prints the bytes, pointers included).
void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.mask << " " << c.value; }

class NumberMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(NumberMask, Formats) {
  const MaskCase& c = GetParam();
  EXPECT_EQ(formatNumber(c.value, c.mask), c.expected) << c.value << " through \"" << c.mask << "\"";
}

// Expected texts worked out by hand from the mask rules.
INSTANTIATE_TEST_SUITE_P(
    Fixed, NumberMask,
    ::testing::Values(
        MaskCase{12.345, "#0.00", "12.35"}, MaskCase{0.5, "#0.00", "0.50"}, MaskCase{-3.14159, "#0.00", "-3.14"},
        MaskCase{-0.001, "#0.00", "0.00"}, MaskCase{-0.125, "#0.00", "-0.13"},
        MaskCase{1e20, "#0.00", "100000000000000000000.00"}, MaskCase{1234.5, "##0.000", "1234.500"},
        MaskCase{5.5, "#00.00", "05.50"}, MaskCase{0.25, "##00.0", "00.3"}, MaskCase{4.5, "###0.", "5."},
        MaskCase{0, "###0.", "0."}, MaskCase{2.675, "##0.00", "2.68"}, MaskCase{0.000005, "0.00000", "0.00001"},
        MaskCase{9.999, "###0.00", "10.00"}, MaskCase{123.45, "###0.0 ", "123.5 "},
        MaskCase{2.5, " ###0.000 ", " 2.500 "}, MaskCase{-1.5, " ##0.00", "- 1.50"},
        MaskCase{5551234, "###-####", "555-1234"}));

INSTANTIATE_TEST_SUITE_P(
    OptionalDigits, NumberMask,
    ::testing::Values(
        MaskCase{0.5, "#.##", ".5"}, MaskCase{0.5, "0.##", "0.5"}, MaskCase{0.001, "#.##", "."},
        MaskCase{2, " #0.##", " 2."}, MaskCase{12.345, " #0.##", " 12.35"}, MaskCase{0.5, "##.00", ".50"},
        MaskCase{12.5, "#####", "13"}, MaskCase{0, "#####", ""}, MaskCase{25, "#### ", "25 "},
        MaskCase{123456.7, "###.##", "123456.7"}, MaskCase{99.96, "###.#", "100."},
        MaskCase{-0.8765, "#.###", "-.877"}, MaskCase{5, "#0.0#", "5.0"}, MaskCase{5.255, "#0.0#", "5.26"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, NumberMask,
    ::testing::Values(
        MaskCase{1234.5, "#.000E-00; -#.000E-00", "1.235E03"},
        MaskCase{-0.0123, "#.000E-00; -#.000E-00", " -1.230E-02"},
        MaskCase{0, "#.000E-00; -#.000E-00", ".000E00"},
        MaskCase{9.9996, "#.000E-00; -#.000E-00", "1.000E01"},
        MaskCase{-1234.5, "  #.000E-00; -#.000E-00", " -1.235E03"},
        MaskCase{0.000123456, "  #.00000E-00; -#.00000E-00", "  1.23456E-04"},
        MaskCase{1234, "0.00E+00", "1.23E+03"}, MaskCase{0.01, "0.00E+00", "1.00E-02"},
        MaskCase{1e-120, "0.0E-00", "1.0E-120"}, MaskCase{-2e5, "0.0E-0", "-2.0E5"}));

INSTANTIATE_TEST_SUITE_P(
    Sections, NumberMask,
    ::testing::Values(MaskCase{1.5, "0.00;(0.00);\"nil\"", "1.50"}, MaskCase{-1.5, "0.00;(0.00);\"nil\"", "(1.50)"},
                      MaskCase{-0.001, "0.00;(0.00);\"nil\"", "nil"}, MaskCase{0.001, "0.00;(0.00);\"nil\"", "0.00"},
                      MaskCase{-5, "0;;zero", "-5"}, MaskCase{0, "0;;zero", "zero"}, MaskCase{5, "\\#0", "#5"}));

TEST(NumberMaskTest, FloatCarriesSevenDigitsSoTypedHalvesRoundUp) {
  EXPECT_EQ(formatNumber(2.675f, "0.00"), "2.68");
  EXPECT_EQ(formatNumber(static_cast<double>(2.675f), "0.00"), "2.67");
  EXPECT_EQ(formatNumber(0.1f, "0.000000000"), "0.100000000");
  EXPECT_EQ(formatNumber(-0.004f, "0.00"), "0.00");
}

TEST(NumberMaskTest, IntegersAndNonFiniteValues) {
  EXPECT_EQ(formatNumber(static_cast<std::int16_t>(42), "#####"), "42");
  EXPECT_EQ(formatNumber(-7, "####"), "-7");
  EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "#0.00"), "");
  EXPECT_EQ(formatNumber(std::numeric_limits<float>::infinity(), "#0.00"), "");
  EXPECT_EQ(formatNumber(1.5, ""), "1.5");
  EXPECT_EQ(formatMasked(-2.5, "#0.0"), "-2.5");
}

struct TextCase {
  const char* text;
  const char* mask;
  const char* expected;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.mask << " " << c.text; }

class TextMask : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextMask, Formats) {
  const TextCase& c = GetParam();
  EXPECT_EQ(formatText(c.text, c.mask), c.expected) << "\"" << c.text << "\" through \"" << c.mask << "\"";
}

// "!" takes no place of its own: "!@@@@@@@@@@@" shows 11 characters.
INSTANTIATE_TEST_SUITE_P(
    Placeholders, TextMask,
    ::testing::Values(TextCase{"SiO2", "@@@@@@", "  SiO2"}, TextCase{"Al2O3", "@@@@@@", " Al2O3"},
                      TextCase{"1234.567", "@@@@@@", "1234.567"}, TextCase{"", "@@@@@@@", "       "},
                      TextCase{"Na2O", "@@@@@ ", " Na2O "}, TextCase{"12.34", "@@@@@@", " 12.34"},
                      TextCase{"Ce", " @@  ", " Ce  "}, TextCase{"Y", " @@  ", "  Y  "},
                      TextCase{"Rb2", " @@  ", " Rb2  "}, TextCase{"Sample1", "!@@@@@@@@@@@", "Sample1    "},
                      TextCase{"ALongSampleName1", "!@@@@@@@@@@@", "ALongSample"},
                      TextCase{"BAS-12", "!@@@@@@@@@@@@@@@", "BAS-12         "},
                      TextCase{"Y", " !@@", " Y "}, TextCase{"Yb", " !@@", " Yb"},
                      TextCase{" Obs   ", " !@@@@@@@@", "  Obs    "}, TextCase{"\xC2\xB5g", "@@@", " \xC2\xB5g"},
                      TextCase{"abc", "x", "xabc"}));

struct GeneralCase {
  float value;
  const char* general;
  const char* shortest;
};
void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.value; }

class FloatGeneral : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FloatGeneral, Formats) {
  const GeneralCase& c = GetParam();
  EXPECT_EQ(generalFormat(c.value), c.general) << c.value;
  EXPECT_EQ(shortestText(c.value), c.shortest) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    SevenDigits, FloatGeneral,
    ::testing::Values(GeneralCase{0.1f, " .1", "0.1"}, GeneralCase{-0.5f, "-.5", "-0.5"},
                      GeneralCase{12345678.f, " 1.234568E+07", "1.234568E+07"},
                      GeneralCase{0.00001f, " 1E-05", "1E-05"}, GeneralCase{0.0001f, " .0001", "0.0001"},
                      GeneralCase{15.f, " 15", "15"}, GeneralCase{0.f, " 0", "0"}, GeneralCase{-0.f, " 0", "0"},
                      GeneralCase{1234567.f, " 1234567", "1234567"},
                      GeneralCase{10000000.f, " 1E+07", "1E+07"}, GeneralCase{60.f, " 60", "60"},
                      GeneralCase{2.675f, " 2.675", "2.675"}, GeneralCase{1.f / 3.f, " .3333333", "0.3333333"},
                      GeneralCase{-123.456f, "-123.456", "-123.456"},
                      GeneralCase{-1.5e-7f, "-1.5E-07", "-1.5E-07"},
                      GeneralCase{1e-45f, " 1.401298E-45", "1.401298E-45"}));

// shortestText of a float takes a short cut where no exponent is written; it must give the
// general format's digits for every float, exact ties of the seventh digit included.
TEST(GeneralFormatTest, FloatShortestTextIsTheGeneralFormatsDigits) {
  auto fromGeneral = [](float v) {
    std::string g = generalFormat(v);
    if (!g.empty() && g[0] == ' ') g.erase(0, 1);
    const std::size_t first = !g.empty() && g[0] == '-' ? 1 : 0;
    if (first < g.size() && g[first] == '.') g.insert(first, "0");
    return g;
  };
  std::vector<float> values;
  for (int e = -6; e <= 8; ++e) {  // ulp by ulp across every power of ten near the plain range
    float v = std::pow(10.0f, static_cast<float>(e));
    for (int i = 0; i < 1500; ++i) v = std::nextafter(v, 0.0f);
    for (int i = 0; i < 3000; ++i, v = std::nextafter(v, 1e30f)) values.push_back(v);
  }
  for (int n = 1000000; n < 8388608; n += 97) values.push_back(static_cast<float>(n) + 0.5f);
  for (float v : {9999999.5f, 999999.94f, 0.99999994f, 9.9999995e-5f, 1e-4f}) values.push_back(v);
  std::mt19937 random(5);
  for (int i = 0; i < 300000; ++i) {
    const std::uint32_t bits = static_cast<std::uint32_t>(random());
    float v = 0;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
  }
  int differing = 0;
  for (float v : values)
    for (float signedValue : {v, -v})
      if (shortestText(signedValue) != fromGeneral(signedValue) && ++differing <= 5)
        ADD_FAILURE() << signedValue << ": " << shortestText(signedValue) << " against " << fromGeneral(signedValue);
  EXPECT_EQ(differing, 0);
}

TEST(GeneralFormatTest, DoubleCarriesFifteenDigits) {
  EXPECT_EQ(generalFormat(0.1), " .1");
  EXPECT_EQ(generalFormat(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(generalFormat(static_cast<double>(0.1f)), " .100000001490116");
  EXPECT_EQ(generalFormat(123456789012345.0), " 123456789012345");
  EXPECT_EQ(generalFormat(1e15), " 1E+15");
  EXPECT_EQ(generalFormat(1e100), " 1E+100");
  EXPECT_EQ(generalFormat(-2.5e-7), "-2.5E-07");
  EXPECT_EQ(shortestText(-0.25), "-0.25");
  EXPECT_EQ(shortestText(1.0 / 3.0), "0.333333333333333");
}

TEST(GeneralFormatTest, IntegersAndNonFiniteValues) {
  EXPECT_EQ(generalFormat(static_cast<std::int16_t>(5)), " 5");
  EXPECT_EQ(generalFormat(-3), "-3");
  EXPECT_EQ(shortestText(static_cast<std::int16_t>(-12)), "-12");
  EXPECT_EQ(generalFormat(std::numeric_limits<float>::quiet_NaN()), "");
  EXPECT_EQ(generalFormat(-std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(shortestText(std::numeric_limits<float>::infinity()), "");
}

struct AxisCase {
  float numberEnd;
  float step;
  float numberStart;
  const char* expected;
};
void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.numberEnd << " " << c.step << " " << c.numberStart; }

class AxisMask : public ::testing::TestWithParam<AxisCase> {};

TEST_P(AxisMask, Builds) {
  const AxisCase& c = GetParam();
  EXPECT_EQ(axisNumberMask(c.numberEnd, c.step, c.numberStart), c.expected)
      << "end " << c.numberEnd << " step " << c.step << " start " << c.numberStart;
}

INSTANTIATE_TEST_SUITE_P(
    Rule, AxisMask,
    ::testing::Values(AxisCase{150, 20, 0, "##0"}, AxisCase{1.5f, 0.2f, 0, "0.0"}, AxisCase{-40, 10, -40, "##0"},
                      AxisCase{0.5f, 0.1f, 0, "#0.0"}, AxisCase{100, 5, 2.5f, "##0.0"},
                      // Equal values of 5: limits 5.0 and 5.1 with number step 0.02.
                      AxisCase{5.1f, 0.02f, 5.0f, "0.00"}, AxisCase{90, 20, 0, "#0"},
                      AxisCase{0, 0, 0, "0"}, AxisCase{1000, 200, -200, "####0"},
                      AxisCase{0.05f, 0.01f, 0, "0.00"}, AxisCase{10, 1, 1.05f, "#0.00"},
                      AxisCase{std::numeric_limits<float>::infinity(), 1, 0, "0"}));

}  // namespace
}  // namespace lavix::format
