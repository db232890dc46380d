// Line splitting, number parsing and name markup shared by every text reader.
#include "common/text/Text.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>

namespace lavix::text {

char detectDelimiter(std::string_view line) {
  int tabs = 0, commas = 0, blanks = 0;
  for (char c : line) {
    if (c == '\t') ++tabs;
    else if (c == ',') ++commas;
    else if (c == ' ') ++blanks;
  }
  if (commas > tabs && commas > blanks) return ',';
  if (tabs == 0 && blanks > commas) return ' ';
  return '\t';
}

int tokenizeLine(std::string_view line, char& delimiter, std::vector<std::string_view>& fields) {
  if (delimiter == 0) delimiter = detectDelimiter(line);
  fields.clear();
  if (line.empty()) return 0;
  const char* p = line.data();
  const char* const end = p + line.size();
  while (p < end) {
    const auto* at = static_cast<const char*>(std::memchr(p, delimiter, static_cast<std::size_t>(end - p)));
    const char* fieldEnd = at ? at : end;
    fields.emplace_back(p, static_cast<std::size_t>(fieldEnd - p));
    if (!at) break;
    p = at + 1;
  }
  if (!fields.empty() && equalsIgnoreCase(fields.back(), "END")) fields.pop_back();
  return static_cast<int>(fields.size());
}

int tokenizeLine(std::string_view line, char& delimiter, std::vector<std::string>& fields) {
  std::vector<std::string_view> views;
  tokenizeLine(line, delimiter, views);
  fields.assign(views.begin(), views.end());
  return static_cast<int>(fields.size());
}

char systemDecimalSeparator() {
  try {
    const std::locale user("");
    return std::use_facet<std::numpunct<char>>(user).decimal_point();
  } catch (const std::exception&) {
    return '.';
  }
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Parses sign, digits, one decimal point and an exponent; the whole text must be used.
bool parsePlainNumber(std::string_view s, double& value) {
  if (s.empty()) return false;
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::size_t i = 0, digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++expDigits;
    if (expDigits == 0) return false;
    i = j;
  }
  if (i != s.size()) return false;
  std::string text(s);
  // from_chars does not take a bare leading "." or a trailing "."; pad them.
  if (text.front() == '.') text.insert(text.begin(), '0');
  std::size_t dot = text.find('.');
  if (dot != std::string::npos && (dot + 1 == text.size() || !std::isdigit(static_cast<unsigned char>(text[dot + 1]))))
    text.insert(dot + 1, 1, '0');
  double parsed = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (result.ec == std::errc::result_out_of_range) {
    // Underflow reads as 0 like any tiny value; overflow is refused.
    bool tiny = text.find("e-") != std::string::npos || text.find("E-") != std::string::npos;
    if (!tiny) return false;
    parsed = 0;
  } else if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return false;
  }
  value = negative ? -parsed : parsed;
  return true;
}

// Most cells are "[-]digits[.digits]" with at most 15 digits: the integer of the digits over an
// exact power of ten is then the correctly rounded double, the same number from_chars gives,
// for a fraction of its cost. Anything else goes the long way.
bool parseShortDecimal(std::string_view s, char decimalSeparator, double& value) {
  static constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::uint64_t mantissa = 0;
  int digits = 0, decimals = 0;
  bool anyDigit = false, point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (point) ++decimals;
      if (mantissa == 0 && c == '0') continue;
      if (++digits > 15) return false;
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    } else if (!point && (c == '.' || c == decimalSeparator)) {
      point = true;
    } else {
      return false;
    }
  }
  if (!anyDigit || decimals > 22) return false;
  value = static_cast<double>(mantissa) / powersOfTen[decimals];
  if (negative) value = -value;
  return true;
}

}  // namespace

bool tryParseNumber(std::string_view text, char decimalSeparator, double& value) {
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  if (parseShortDecimal(text.substr(first, last - first), decimalSeparator, value)) return true;
  std::string s(text.substr(first, last - first));
  if (s.empty()) return false;
  if (decimalSeparator != '.') {
    if (s.find(decimalSeparator) == std::string::npos) {
      // Already "." notation: nothing to translate.
    } else {
      if (s.find('.') != std::string::npos) return false;  // grouping marks are not read
      s[s.find(decimalSeparator)] = '.';
      if (s.find(decimalSeparator) != std::string::npos) return false;
    }
  }
  double parsed = 0;
  if (!parsePlainNumber(s, parsed)) return false;
  if (!std::isfinite(parsed) || std::fabs(parsed) > FLT_MAX) return false;
  value = parsed;
  return true;
}

float parseNumber(std::string_view text, char decimalSeparator) {
  double value = 0;
  if (!tryParseNumber(text, decimalSeparator, value)) return 0.0f;
  return static_cast<float>(value);
}

std::string stripMarkup(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    if (c == '[' || c == ']' || c == '{' || c == '}' || c == ',' || c == ' ') continue;
    out.push_back(c);
  }
  return out;
}

std::string toUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string normaliseName(std::string_view name) { return toUpper(stripMarkup(name)); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string trim(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  return std::string(text.substr(first, last - first));
}

std::string shortened(std::string_view text, std::size_t longest) {
  std::size_t cut = std::min(text.size(), longest);
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + (cut < text.size() ? "..." : "");
}

}  // namespace lavix::text
