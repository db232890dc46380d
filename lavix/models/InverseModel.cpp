// The REE inverse model's regression data file and its estimates.
#include "lavix/models/InverseModel.h"

#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::models {

namespace {

// Fields separated by commas or TABs, each trimmed (the numbers are written with leading blanks).
std::vector<std::string> fieldsOf(std::string_view line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',' || c == '\t') fields.emplace_back();
    else fields.back() += c;
  }
  for (std::string& f : fields) f = text::trim(f);
  return fields;
}

bool readNumber(const std::string& field, float& out) {
  double value = 0;
  if (!text::tryParseNumber(field, '.', value)) return false;
  out = static_cast<float>(value);
  return true;
}

float nonZero(float denominator) { return denominator == 0.0f ? 0.00001f : denominator; }

}  // namespace

std::string ratioElement(std::string_view ratioName) {
  const std::size_t slash = ratioName.find('/');
  if (slash == std::string_view::npos) return {};
  return text::normaliseName(ratioName.substr(slash + 1, 2));
}

RegressionData readRegressionData(std::string_view content) {
  RegressionData out;
  const std::vector<std::string> lines = text::splitLines(content);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (text::trim(lines[i]).empty()) continue;
    if (static_cast<int>(out.lines.size()) == maxRegressionDataLines) {
      ++out.beyondLimit;
      continue;
    }
    const std::vector<std::string> f = fieldsOf(lines[i]);
    RatioRegression r;
    r.line = static_cast<int>(i + 1);
    const std::string yName = f.size() > 1 ? f[1] : f[0];
    r.element = f.size() > 1 ? ratioElement(f[1]) : std::string();
    const bool numbers = f.size() >= 6 && readNumber(f[2], r.slope) && readNumber(f[3], r.slopeError) &&
                         readNumber(f[4], r.intercept) && readNumber(f[5], r.interceptError);
    if (r.element.empty() || !numbers) {
      out.leftOut.push_back("line " + std::to_string(r.line) + " (" + yName + ")");
      continue;
    }
    out.lines.push_back(std::move(r));
  }
  return out;
}

InverseEstimate invertRegression(const RatioRegression& line, float p) {
  InverseEstimate e;
  e.p = p;
  const float melted = 1.0f - p;
  e.sourceLow = melted / nonZero(line.intercept - line.interceptError);
  e.sourceHigh = melted / nonZero(line.intercept + line.interceptError);
  if (line.intercept == 0.0f) return e;
  const float source = melted / line.intercept;
  e.source = source;
  e.d = line.slope * source;
  e.dLow = (line.slope - line.slopeError) * source;
  e.dHigh = (line.slope + line.slopeError) * source;
  return e;
}

}  // namespace lavix::models
