// Melt fractions, mineral modes and bulk partition coefficients of the spider models.
#include "lavix/models/ModelInputs.h"

#include <cctype>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::models {

std::vector<float> parseMeltFractions(std::string_view text, char decimalSeparator) {
  std::vector<float> fractions;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string_view piece = text.substr(start, comma == std::string_view::npos ? comma : comma - start);
    const float f = text::parseNumber(piece, decimalSeparator) / 100.0f;
    if (f > 0.0f) fractions.push_back(f);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fractions;
}

const char* afcMeltFractions(float r) {
  if (r == 1.0f) return "0,20,40,60,80,100";
  if (r < 1.0f) return "100,90,80,70,60,50,40";
  return "100,105,120,150,200";
}

float bulkCoefficient(const std::vector<float>& kd, const std::vector<float>& modes) {
  float sum = 0.0f;
  for (std::size_t m = 0; m < kd.size() && m < modes.size(); ++m) sum += kd[m] * modes[m] / 100.0f;
  return sum;
}

std::string modeText(const std::vector<std::string>& minerals, const std::vector<float>& modes) {
  std::string out;
  for (std::size_t m = 0; m < minerals.size() && m < modes.size(); ++m) {
    if (!(modes[m] > 0.0f)) continue;
    std::string name = minerals[m];
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    out += format::generalFormat(modes[m]) + name + " ";
  }
  return out;
}

}  // namespace lavix::models
