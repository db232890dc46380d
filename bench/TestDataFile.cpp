// A rock data file of realistic content and any size for the benchmarks, the same on every run.
#include "bench/TestDataFile.h"

#include <array>
#include <fstream>
#include <random>

#include "common/format/NumberFormat.h"

namespace lavix::bench {

namespace {

struct Kind {
  const char* name;
  float low, high;
  const char* mask;
};

// Columns in the order of a typical compilation; names past the list are further traces.
const std::array<Kind, 42> kinds = {{
    {"SiO2", 38, 77, "#0.00"},      {"TiO2", 0.05f, 3.5f, "#0.00"}, {"Al2O3", 11, 21, "#0.00"},
    {"Fe2O3", 0.3f, 6, "#0.00"},    {"FeO", 0.5f, 11, "#0.00"},     {"MnO", 0.02f, 0.3f, "#0.000"},
    {"MgO", 0.05f, 14, "#0.00"},    {"CaO", 0.3f, 13, "#0.00"},     {"Na2O", 1.5f, 6, "#0.00"},
    {"K2O", 0.1f, 6, "#0.00"},      {"P2O5", 0.02f, 1.2f, "#0.00"}, {"H2O+", 0.1f, 3, "#0.00"},
    {"H2O-", 0.01f, 1, "#0.00"},    {"CO2", 0.01f, 1, "#0.00"},     {"LOI", 0.1f, 5, "#0.00"},
    {"Cr2O3", 0.001f, 0.2f, "0.000"}, {"NiO", 0.001f, 0.1f, "0.000"}, {"Rb", 1, 250, "##0.0"},
    {"Sr", 50, 1500, "###0"},       {"Ba", 20, 2500, "###0"},       {"Zr", 20, 800, "##0.0"},
    {"Nb", 1, 120, "##0.0"},        {"Y", 5, 90, "#0.0"},           {"La", 1, 150, "##0.00"},
    {"Ce", 2, 300, "##0.00"},       {"Pr", 0.3f, 35, "#0.000"},     {"Nd", 1, 120, "##0.00"},
    {"Sm", 0.3f, 25, "#0.000"},     {"Eu", 0.1f, 5, "#0.000"},      {"Gd", 0.3f, 22, "#0.000"},
    {"Tb", 0.05f, 3.5f, "0.000"},   {"Dy", 0.3f, 20, "#0.000"},     {"Ho", 0.05f, 4, "0.000"},
    {"Er", 0.2f, 12, "#0.000"},     {"Tm", 0.03f, 1.8f, "0.000"},   {"Yb", 0.2f, 11, "#0.000"},
    {"Lu", 0.03f, 1.7f, "0.000"},   {"Hf", 0.5f, 20, "#0.00"},      {"Ta", 0.05f, 8, "0.000"},
    {"Th", 0.1f, 40, "#0.00"},      {"U", 0.05f, 12, "#0.000"},     {"87Sr/86Sr", 0.7025f, 0.72f, "0.000000"},
}};

Kind kindOf(int column) {
  if (column < static_cast<int>(kinds.size())) return kinds[static_cast<std::size_t>(column)];
  return {nullptr, 0.1f, 2500, column % 3 == 0 ? "###0" : "###0.0"};
}

}  // namespace

std::string dataFileText(int rows) {
  std::mt19937 random(2024);
  std::string text = "SAMPLE\tJCODE\tKCODE\tLCODE";
  for (int c = 0; c < fileColumns; ++c) {
    const Kind kind = kindOf(c);
    text += '\t';
    if (kind.name) text += kind.name;
    else text += 'T' + std::to_string(c);
  }
  text += "\r\n";
  text.reserve(static_cast<std::size_t>(rows) * 800);
  for (int r = 1; r <= rows; ++r) {
    text += "PB-";
    text += std::to_string(1000 + r);
    for (int code : {r % 7, r % 13 + 1, r % 3}) {  // Jcode, Kcode, Lcode
      text += '\t';
      text += std::to_string(code);
    }
    for (int c = 0; c < fileColumns; ++c) {
      text += '\t';
      const unsigned draw = random() % 2000;
      if (draw < 166) continue;  // one in twelve: not analysed
      if (draw == 1999) {
        text += c % 2 ? "<0.5" : "n.d.";
        continue;
      }
      const Kind kind = kindOf(c);
      std::uniform_real_distribution<float> value(kind.low, kind.high);
      text += format::formatNumber(value(random), kind.mask);
    }
    text += "\r\n";
  }
  return text;
}

std::size_t writeDataFile(const std::string& path, int rows) {
  const std::string text = dataFileText(rows);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return out.good() ? text.size() : 0;
}

}  // namespace lavix::bench
