// Spider patterns: the pattern file, matching a pattern's elements to data columns, and the normalised line of one sample.
#include "lavix/diagram/SpiderPattern.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::diagram {

namespace {

bool isSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Splits the whole file into tokens; stops after `limit` tokens (and says so through `more`).
std::vector<std::string> tokenize(std::string_view s, std::size_t limit, bool& more) {
  std::vector<std::string> tokens;
  more = false;
  std::size_t pos = 0;
  while (true) {
    while (pos < s.size() && isSeparator(s[pos])) ++pos;
    if (pos >= s.size()) return tokens;
    if (tokens.size() == limit) {
      more = true;
      return tokens;
    }
    std::string token;
    if (s[pos] == '"') {
      // A quoted token ends at the closing quote or, when that is missing, at the line end.
      ++pos;
      while (pos < s.size() && s[pos] != '"' && s[pos] != '\r' && s[pos] != '\n') token.push_back(s[pos++]);
      if (pos < s.size() && s[pos] == '"') ++pos;
    } else {
      while (pos < s.size() && !isSeparator(s[pos])) token.push_back(s[pos++]);
    }
    tokens.push_back(std::move(token));
  }
}

std::string number(double value) { return format::shortestText(value); }

class RecordReader {
 public:
  RecordReader(const std::vector<std::string>& tokens, char decimalSeparator)
      : tokens_(tokens), decimalSeparator_(decimalSeparator) {}

  bool atEnd() const { return pos_ >= tokens_.size(); }

  // One record; false with `failure` set when it is bad or cut short.
  bool read(int recordNumber, SpiderPattern& pattern, std::string& failure) {
    label_ = "Pattern " + number(recordNumber);
    pattern = {};
    pattern.name = tokens_[pos_++];
    label_ += " (" + pattern.name + ")";
    if (!text(pattern.reference, "its reference name", failure)) return false;

    std::string countText;
    if (!text(countText, "its number of elements", failure)) return false;
    double count = 0;
    if (!text::tryParseNumber(countText, decimalSeparator_, count) || count != std::floor(count) || count < 1 ||
        count > maxSpiderElements) {
      failure = label_ + ": the number of elements \"" + countText + "\" is not a whole number from 1 to " +
                number(maxSpiderElements) + ".";
      return false;
    }

    std::string key;
    if (!text(key, "its key element", failure)) return false;
    // "Yb = 5" written with blanks arrives as separate tokens.
    if (key.find('=') == std::string::npos && !atEnd() && !tokens_[pos_].empty() && tokens_[pos_][0] == '=')
      key += tokens_[pos_++];
    if (!key.empty() && key.back() == '=' && !atEnd()) key += tokens_[pos_++];
    const auto equals = key.find('=');
    pattern.keyElement = text::trim(key.substr(0, equals));
    if (equals != std::string::npos) {
      const std::string valueText = text::trim(key.substr(equals + 1));
      double value = 0;
      if (!text::tryParseNumber(valueText, decimalSeparator_, value) || !(value > 0) ||
          !std::isfinite(static_cast<float>(value))) {
        failure = label_ + ": the key value \"" + valueText + "\" of key element " + pattern.keyElement +
                  " is not a number above 0.";
        return false;
      }
      pattern.keyValue = static_cast<float>(value);
    }

    if (!numberField(pattern.yBegin, "its Y-axis begin", failure)) return false;
    if (!numberField(pattern.yEnd, "its Y-axis end", failure)) return false;

    const auto n = static_cast<std::size_t>(count);
    pattern.elements.resize(n);
    for (std::size_t i = 0; i < n; ++i)
      if (!text(pattern.elements[i], "element " + number(static_cast<double>(i + 1)), failure)) return false;
    pattern.normalisers.resize(n);
    for (std::size_t i = 0; i < n; ++i)
      if (!numberField(pattern.normalisers[i], "the normalising value of " + pattern.elements[i], failure))
        return false;
    return true;
  }

 private:
  bool text(std::string& value, const std::string& what, std::string& failure) {
    if (atEnd()) {
      failure = label_ + " ends before " + what + ".";
      return false;
    }
    value = tokens_[pos_++];
    return true;
  }

  bool numberField(float& value, const std::string& what, std::string& failure) {
    std::string token;
    if (!text(token, what, failure)) return false;
    double parsed = 0;
    if (!text::tryParseNumber(token, decimalSeparator_, parsed) || !std::isfinite(static_cast<float>(parsed))) {
      failure = label_ + ": " + what + " \"" + token + "\" is not a number.";
      return false;
    }
    value = static_cast<float>(parsed);
    return true;
  }

  const std::vector<std::string>& tokens_;
  char decimalSeparator_;
  std::size_t pos_ = 0;
  std::string label_;
};

}  // namespace

SpiderReadResult readSpiderText(std::string_view content, std::vector<SpiderPattern>& patterns, std::string& failure,
                                char decimalSeparator) {
  patterns.clear();
  failure.clear();
  bool more = false;
  const auto tokens = tokenize(content, maxSpiderTokens, more);
  RecordReader reader(tokens, decimalSeparator);
  while (!reader.atEnd()) {
    if (patterns.size() == static_cast<std::size_t>(maxSpiderPatterns)) {
      failure = "The file holds more than " + number(maxSpiderPatterns) + " patterns; the first " +
                number(maxSpiderPatterns) + " were read.";
      return SpiderReadResult::stopped;
    }
    SpiderPattern pattern;
    if (!reader.read(static_cast<int>(patterns.size()) + 1, pattern, failure)) {
      // A record cut off by the entry limit is reported as such, not as a short record.
      if (more)
        failure = "The file holds more than " + number(maxSpiderTokens) + " entries; the patterns after entry " +
                  number(maxSpiderTokens) + " were not read.";
      return SpiderReadResult::stopped;
    }
    patterns.push_back(std::move(pattern));
  }
  if (more) {
    failure = "The file holds more than " + number(maxSpiderTokens) + " entries; the patterns after entry " +
              number(maxSpiderTokens) + " were not read.";
    return SpiderReadResult::stopped;
  }
  return SpiderReadResult::complete;
}

SpiderReadResult readSpiderFile(const std::string& path, std::vector<SpiderPattern>& patterns, std::string& failure,
                                char decimalSeparator) {
  patterns.clear();
  std::string content;
  text::FileError error;
  if (!text::readFile(path, content, error)) {
    failure = error.text;
    return SpiderReadResult::openFailed;
  }
  return readSpiderText(content, patterns, failure, decimalSeparator);
}

int SpiderMatch::matchedCount() const {
  return static_cast<int>(std::count_if(column.begin(), column.end(), [](int16_t c) { return c > 0; }));
}

SpiderMatch matchSpiderColumns(const SpiderPattern& pattern, const std::vector<std::string>& columnNames,
                               int columnCount, const SpiderOxides& oxides) {
  const std::size_t n = pattern.elements.size();
  SpiderMatch match;
  match.column.assign(n, 0);
  match.conversion.assign(n, 1.0f);
  std::vector<std::string> elementKey(n);
  for (std::size_t i = 0; i < n; ++i) elementKey[i] = text::normaliseName(pattern.elements[i]);
  std::vector<bool> direct(n, false);
  std::vector<std::string> oxideKey(oxides.oxideName.size());
  for (std::size_t k = 1; k < oxides.oxideName.size(); ++k) oxideKey[k] = text::normaliseName(oxides.oxideName[k]);

  const int lastColumn = std::min<int>(columnCount, static_cast<int>(columnNames.size()) - 1);
  for (int c = 1; c <= lastColumn; ++c) {
    const std::string name = text::normaliseName(columnNames[static_cast<std::size_t>(c)]);
    if (name.empty()) continue;
    std::string oxideElement;
    float factor = 1.0f;
    if (name.find('O') != std::string::npos) {
      for (std::size_t k = 1; k < oxideKey.size(); ++k) {
        if (oxideKey[k] != name) continue;
        if (k < oxides.element.size()) oxideElement = text::normaliseName(oxides.element[k]);
        factor = k < oxides.elementFactor.size() ? oxides.elementFactor[k] : 0.0f;
        break;
      }
    }
    for (std::size_t i = 0; i < n; ++i) {
      if (name == elementKey[i]) {
        match.column[i] = static_cast<int16_t>(c);
        match.conversion[i] = 1.0f;
        direct[i] = true;
      } else if (!oxideElement.empty() && oxideElement == elementKey[i] && !direct[i]) {
        match.column[i] = static_cast<int16_t>(c);
        match.conversion[i] = factor;
      }
    }
  }

  const std::string key = text::normaliseName(pattern.keyElement);
  for (std::size_t i = 0; i < n && !key.empty(); ++i) {
    if (elementKey[i] == key) {
      match.keyPosition = static_cast<int16_t>(i + 1);
      break;
    }
  }
  return match;
}

namespace {

// The row's value of element i in ppm of the element; 0 when the element has no column.
float elementValue(const SpiderMatch& match, const std::vector<float>& values, std::size_t i) {
  if (i >= match.column.size() || match.column[i] <= 0 || i >= values.size()) return 0.0f;
  const float conversion = i < match.conversion.size() ? match.conversion[i] : 1.0f;
  return values[i] * conversion;
}

}  // namespace

float spiderKeyFactor(const SpiderPattern& pattern, const SpiderMatch& match, const std::vector<float>& values) {
  if (match.keyPosition <= 0 || static_cast<std::size_t>(match.keyPosition) > pattern.normalisers.size()) return 1.0f;
  const auto k = static_cast<std::size_t>(match.keyPosition - 1);
  const float v = elementValue(match, values, k);
  if (!(v > 0)) return 1.0f;
  float keyNormaliser = pattern.normalisers[k];
  if (!(keyNormaliser > 0)) keyNormaliser = 1.0f;
  const float factor = pattern.keyValue / (v / keyNormaliser);
  // A tiny key value would blow every point up to infinity; such a row is drawn unscaled.
  return std::isfinite(factor) && factor > 0 ? factor : 1.0f;
}

std::vector<SpiderLine> spiderPatternLines(const SpiderPattern& pattern, const SpiderMatch& match,
                                           const std::vector<float>& values, bool logScale, bool gapMode) {
  std::vector<SpiderLine> lines;
  SpiderLine current;
  const float factor = spiderKeyFactor(pattern, match, values);
  for (std::size_t i = 0; i < pattern.elements.size(); ++i) {
    const float v = elementValue(match, values, i);
    const float normaliser = i < pattern.normalisers.size() ? pattern.normalisers[i] : 0.0f;
    float y = 0;
    bool usable = v > 0 && normaliser > 0;
    if (usable) {
      y = v / normaliser * factor;
      if (logScale) y = std::log10(y);
      usable = std::isfinite(y);
    }
    if (!usable) {
      if (gapMode && !current.empty()) lines.push_back(std::move(current)), current.clear();
      continue;
    }
    current.push_back({static_cast<float>(i + 1), y});
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

namespace {

bool onPage(SpiderPagePoint point, int32_t lowY, int32_t highY) {
  return point.y >= std::min(lowY, highY) && point.y <= std::max(lowY, highY);
}

}  // namespace

std::vector<std::vector<SpiderPagePoint>> splitProjectedSpiderLine(const std::vector<SpiderPagePoint>& points,
                                                                   int32_t lowY, int32_t highY, std::size_t buffer) {
  buffer = std::max<std::size_t>(buffer, 2);
  std::vector<std::vector<SpiderPagePoint>> pieces;
  std::vector<SpiderPagePoint> current;
  bool carried = false;  // `current` holds only the last point of the previous piece
  for (const auto& point : points) {
    if (!onPage(point, lowY, highY)) continue;
    current.push_back(point);
    carried = false;
    if (current.size() == buffer) {
      pieces.push_back(current);
      current.assign(1, point);
      carried = true;
    }
  }
  if (!current.empty() && !carried) pieces.push_back(std::move(current));
  return pieces;
}

std::vector<std::vector<SpiderPagePoint>> projectSpiderLines(
    const std::vector<SpiderLine>& lines, const std::function<SpiderPagePoint(float x, float y)>& project,
    int32_t lowY, int32_t highY) {
  std::vector<std::vector<SpiderPagePoint>> pieces;
  for (const auto& line : lines) {
    std::vector<SpiderPagePoint> page;
    page.reserve(line.size());
    for (const auto& point : line) page.push_back(project(point.x, point.y));
    for (auto& piece : splitProjectedSpiderLine(page, lowY, highY)) pieces.push_back(std::move(piece));
  }
  return pieces;
}

std::vector<SpiderPoint> keptSpiderPoints(const std::vector<SpiderLine>& lines,
                                          const std::function<SpiderPagePoint(float x, float y)>& project,
                                          int32_t lowY, int32_t highY) {
  std::vector<SpiderPoint> kept;
  for (const auto& line : lines)
    for (const auto& point : line)
      if (onPage(project(point.x, point.y), lowY, highY)) kept.push_back(point);
  return kept;
}

SpiderPen spiderPenOf(const SymbolTable& symbols, int16_t symbolOf, bool dataRow) {
  int symbol = dataRow && symbols.oneSymbol >= 0 ? symbols.oneSymbol : symbolOf;
  SpiderPen pen;
  pen.negative = symbol < 0;
  symbol = symbol < 0 ? -symbol : symbol;
  pen.symbol = static_cast<int16_t>(symbol > symbols.symbolCount ? 0 : symbol);
  return pen;
}

}  // namespace lavix::diagram
