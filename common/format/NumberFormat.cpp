// Numbers to text: classic "#0.00" / "@@@@" masks, the general number format and axis masks.
#include "common/format/NumberFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace lavix::format {

namespace {

// Significant decimal digits carried for each precision before any rounding, so that
// a float shows the digits the user typed (2.675f rounds up like 2.675).
constexpr int floatDigits = 7;
constexpr int doubleDigits = 15;

// A non-negative magnitude as decimal digits: value = 0.d1d2d3... x 10^pointPos.
// No leading or trailing zeros in `digits`; empty for zero.
struct Decimal {
  std::string digits;
  int pointPos = 0;
};

void trimTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.pointPos = 0;
}

// to_chars, not printf: the C locale of a GUI process may use "," as decimal point.
Decimal toDecimal(double magnitude, int significant) {
  Decimal d;
  if (magnitude == 0) return d;
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                              significant - 1);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  std::size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') d.digits.push_back(c);
  int exponent = 0;
  const char* exponentText = text.data() + e + 1;
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, text.data() + text.size(), exponent);
  d.pointPos = exponent + 1;
  trimTrailingZeros(d);
  return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the decimal text.
void roundToLength(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d = Decimal{};
    return;
  }
  bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') d.digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.pointPos;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  trimTrailingZeros(d);
}

// `count` digits of `d` starting at digit position `from` (0 = first digit after the
// point when pointPos is 0), zero-filled outside the stored digits.
std::string digitRange(const Decimal& d, int from, int count) {
  std::string out;
  for (int i = from; i < from + count; ++i)
    out.push_back(i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0');
  return out;
}

// ---- masks ----

enum class Kind { Zero, Hash, Point, Exponent, Literal };

struct Token {
  Kind kind;
  std::string text;  // literal text, or "E-" / "E+" for an exponent
};

using Section = std::vector<Token>;

bool isPlaceholder(const Token& t) { return t.kind == Kind::Zero || t.kind == Kind::Hash; }

std::vector<Section> parseMask(std::string_view mask) {
  std::vector<Section> sections(1);
  for (std::size_t i = 0; i < mask.size(); ++i) {
    char c = mask[i];
    Section& s = sections.back();
    if (c == ';') {
      sections.emplace_back();
    } else if (c == '\\' && i + 1 < mask.size()) {
      s.push_back({Kind::Literal, std::string(1, mask[++i])});
    } else if (c == '"') {
      std::size_t close = mask.find('"', i + 1);
      if (close == std::string_view::npos) close = mask.size();
      s.push_back({Kind::Literal, std::string(mask.substr(i + 1, close - i - 1))});
      i = close;
    } else if (c == '0') {
      s.push_back({Kind::Zero, {}});
    } else if (c == '#') {
      s.push_back({Kind::Hash, {}});
    } else if (c == '.' && std::none_of(s.begin(), s.end(), [](const Token& t) {
                 return t.kind == Kind::Point || t.kind == Kind::Exponent;
               })) {
      s.push_back({Kind::Point, {}});
    } else if ((c == 'E' || c == 'e') && i + 1 < mask.size() && (mask[i + 1] == '-' || mask[i + 1] == '+') &&
               std::none_of(s.begin(), s.end(), [](const Token& t) { return t.kind == Kind::Exponent; })) {
      s.push_back({Kind::Exponent, std::string{c, mask[i + 1]}});
      ++i;
    } else {
      s.push_back({Kind::Literal, std::string(1, c)});
    }
  }
  return sections;
}

struct Rendered {
  std::string text;
  bool zero = false;  // the shown digits are all zero
};

// Writes the integer part right to left so that digits fill the rightmost placeholders;
// the leftmost placeholder takes every digit that did not fit.
void renderInteger(const Section& s, std::size_t end, const std::string& digits, std::string& out) {
  int placeholders = 0;
  for (std::size_t i = 0; i < end; ++i)
    if (isPlaceholder(s[i])) ++placeholders;
  std::vector<std::string> pieces;  // in reverse order
  int remaining = static_cast<int>(digits.size());
  int seen = 0;
  for (std::size_t i = end; i-- > 0;) {
    const Token& t = s[i];
    if (!isPlaceholder(t)) {
      pieces.push_back(t.text);
      continue;
    }
    ++seen;
    if (seen == placeholders) {
      if (remaining > 0) pieces.push_back(digits.substr(0, static_cast<std::size_t>(remaining)));
      else if (t.kind == Kind::Zero) pieces.push_back("0");
      remaining = 0;
    } else if (remaining > 0) {
      pieces.push_back(std::string(1, digits[static_cast<std::size_t>(--remaining)]));
    } else if (t.kind == Kind::Zero) {
      pieces.push_back("0");
    }
  }
  for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) out += *it;
  // A mask such as ".00" still shows the integer digits, just before the point.
  if (placeholders == 0) out += digits;
}

// Writes the decimals left to right; '#' places after the last '0' drop trailing zeros.
void renderFraction(const Section& s, std::size_t begin, std::size_t end, std::string digits, std::string& out) {
  std::size_t keep = 0, index = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (!isPlaceholder(s[i])) continue;
    ++index;
    if (s[i].kind == Kind::Zero) keep = index;
  }
  while (digits.size() > keep && digits.back() == '0') digits.pop_back();
  index = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (!isPlaceholder(s[i])) {
      out += s[i].text;
    } else if (index < digits.size()) {
      out += digits[index++];
    }
  }
}

Rendered renderSection(const Section& s, double magnitude, int significant) {
  const std::size_t n = s.size();
  std::size_t point = n, exponent = n;
  for (std::size_t i = 0; i < n; ++i) {
    if (s[i].kind == Kind::Point && point == n) point = i;
    if (s[i].kind == Kind::Exponent) exponent = i;
  }
  if (point > exponent) point = n;
  const std::size_t intEnd = std::min(point, exponent);
  const std::size_t fracBegin = point == n ? intEnd : point + 1;
  const std::size_t fracEnd = exponent;
  int intPlaces = 0, fracPlaces = 0;
  for (std::size_t i = 0; i < intEnd; ++i) intPlaces += isPlaceholder(s[i]);
  for (std::size_t i = fracBegin; i < fracEnd; ++i) fracPlaces += isPlaceholder(s[i]);

  Rendered r;
  if (std::none_of(s.begin(), s.end(), isPlaceholder) && point == n && exponent == n) {
    // A section of literals only (for instance a zero section "nil").
    for (const Token& t : s) r.text += t.text;
    r.zero = magnitude == 0;
    return r;
  }

  Decimal d = toDecimal(magnitude, significant);
  std::string intDigits, fracDigits;
  int exponentValue = 0;
  if (exponent == n) {
    roundToLength(d, d.pointPos + fracPlaces);
    if (d.pointPos > 0) intDigits = digitRange(d, 0, d.pointPos);
    fracDigits = digitRange(d, d.pointPos, fracPlaces);
  } else {
    const int mantissaInt = std::max(intPlaces, 1);
    roundToLength(d, mantissaInt + fracPlaces);
    if (!d.digits.empty()) {
      exponentValue = d.pointPos - mantissaInt;
      intDigits = digitRange(d, 0, mantissaInt);
    }
    fracDigits = digitRange(d, mantissaInt, fracPlaces);
  }
  r.zero = d.digits.empty();

  renderInteger(s, intEnd, intDigits, r.text);
  if (point != n) r.text += '.';
  renderFraction(s, fracBegin, fracEnd, fracDigits, r.text);
  if (exponent == n) return r;

  r.text += s[exponent].text[0];
  if (exponentValue < 0) r.text += '-';
  else if (s[exponent].text[1] == '+') r.text += '+';
  std::string expDigits = std::to_string(std::abs(exponentValue));
  std::size_t zeros = 0;
  for (std::size_t i = exponent + 1; i < n; ++i) zeros += s[i].kind == Kind::Zero;
  if (expDigits.size() < zeros) expDigits.insert(0, zeros - expDigits.size(), '0');
  bool written = false;
  for (std::size_t i = exponent + 1; i < n; ++i) {
    if (!isPlaceholder(s[i])) {
      r.text += s[i].text;
    } else if (!written) {
      r.text += expDigits;
      written = true;
    }
  }
  if (!written) r.text += expDigits;
  return r;
}

std::string formatWithDigits(double value, std::string_view mask, int significant) {
  if (!std::isfinite(value)) return {};
  if (mask.empty()) return significant == floatDigits ? shortestText(static_cast<float>(value)) : shortestText(value);
  const std::vector<Section> sections = parseMask(mask);
  if (!(value < 0)) {
    if (value == 0 && sections.size() >= 3 && !sections[2].empty()) return renderSection(sections[2], 0, significant).text;
    return renderSection(sections[0], value, significant).text;
  }
  const bool ownSection = sections.size() >= 2 && !sections[1].empty();
  Rendered r = renderSection(ownSection ? sections[1] : sections[0], -value, significant);
  if (r.zero) return formatWithDigits(0.0, mask, significant);  // never "-0.00"
  return ownSection ? r.text : "-" + r.text;
}

// Splits UTF-8 text into characters so that a multi-byte letter fills one placeholder.
std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t len = 1;
    while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80) ++len;
    out.push_back(text.substr(i, len));
    i += len;
  }
  return out;
}

// A float's seven significant digits, trailing zeros dropped, and its point position (as in
// Decimal), held without a string.
struct FloatDigits {
  char digits[floatDigits + 1] = {};
  int length = 0;
  int pointPos = 0;
  std::string_view view() const { return {digits, static_cast<std::size_t>(length)}; }
};

// The seven digits without to_chars: the float times an exact-enough power of ten (a relative
// error of 2e-16 against a margin of 1e-6 in the last digit), rounded to an integer. False,
// for to_chars to decide, when the value lies that close to a rounding tie.
bool fastFloatDigits(float magnitude, FloatDigits& d) {
  static constexpr int lowest = -40, highest = 53;
  static const auto powers = [] {
    std::array<double, highest - lowest + 1> table{};
    for (int k = lowest; k <= highest; ++k) {
      char text[8];
      const auto end = std::to_chars(text, text + sizeof text, k).ptr;
      std::string literal = "1e" + std::string(text, end);
      std::from_chars(literal.data(), literal.data() + literal.size(), table[static_cast<std::size_t>(k - lowest)]);
    }
    return table;
  }();
  const double x = magnitude;
  // floor(log10 x) or one less, from the binary exponent: 78913 / 2^18 is log10 2 to 6 digits.
  const auto bits = std::bit_cast<std::uint32_t>(magnitude);
  const int binaryExponent = static_cast<int>(bits >> 23) - 127;
  if (binaryExponent == -127) return false;  // subnormal: to_chars
  int exponent = (binaryExponent * 78913) >> 18;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int scale = floatDigits - 1 - exponent;
    if (scale < lowest || scale > highest) return false;
    const double y = x * powers[static_cast<std::size_t>(scale - lowest)];
    if (!(y < 1e9)) return false;
    const auto whole = static_cast<std::uint32_t>(y);  // y > 0: truncation is the floor
    const double fraction = y - whole;
    if (std::fabs(fraction - 0.5) < 1e-6) return false;
    std::uint32_t rounded = whole + (fraction > 0.5 ? 1 : 0);
    if (rounded < 1000000) {
      --exponent;
      continue;
    }
    if (rounded > 10000000) {
      ++exponent;
      continue;
    }
    d.pointPos = exponent + 1;
    if (rounded == 10000000) rounded = 1000000, ++d.pointPos;
    for (int i = floatDigits - 1; i >= 0; --i, rounded /= 10) d.digits[i] = static_cast<char>('0' + rounded % 10);
    d.length = floatDigits;
    while (d.digits[d.length - 1] == '0') --d.length;
    return true;
  }
  return false;
}

FloatDigits floatDigitsOf(float magnitude) {
  FloatDigits d;
  if (magnitude == 0 || fastFloatDigits(magnitude, d)) return d;
  const Decimal slow = toDecimal(magnitude, floatDigits);
  d.length = static_cast<int>(slow.digits.copy(d.digits, floatDigits));
  d.pointPos = slow.pointPos;
  return d;
}

// The general format's text, or with `shortest` the same without the leading blank and with a
// zero before a leading point. Built in a buffer: every stored number of a recalculation
// passes through here.
std::string layout(bool negative, std::string_view digits, int pointPos, int significant, bool shortest) {
  if (digits.empty()) return shortest ? "0" : " 0";
  char out[64];
  std::size_t n = 0;
  auto put = [&](char c) { out[n++] = c; };
  auto putAll = [&](std::string_view text) {
    for (char c : text) put(c);
  };
  auto zeros = [&](int count) {
    for (int i = 0; i < count; ++i) put('0');
  };
  if (negative) put('-');
  else if (!shortest) put(' ');
  const int len = static_cast<int>(digits.size());
  const int exponent = pointPos - 1;
  if (exponent < -4 || exponent >= significant) {
    put(digits[0]);
    if (len > 1) {
      put('.');
      putAll(digits.substr(1));
    }
    putAll(exponent < 0 ? "E-" : "E+");
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) put('0');
    char e[8];
    putAll(std::string_view(e, static_cast<std::size_t>(std::to_chars(e, e + sizeof e, magnitude).ptr - e)));
  } else if (pointPos <= 0) {
    if (shortest) put('0');
    put('.');
    zeros(-pointPos);
    putAll(digits);
  } else if (pointPos >= len) {
    putAll(digits);
    zeros(pointPos - len);
  } else {
    putAll(digits.substr(0, static_cast<std::size_t>(pointPos)));
    put('.');
    putAll(digits.substr(static_cast<std::size_t>(pointPos)));
  }
  return std::string(out, n);
}

std::string doubleText(double value, bool shortest) {
  if (!std::isfinite(value)) return {};
  const Decimal d = toDecimal(std::fabs(value), doubleDigits);
  return layout(value < 0, d.digits, d.pointPos, doubleDigits, shortest);
}

std::string floatText(float value, bool shortest) {
  if (!std::isfinite(value)) return {};
  const FloatDigits d = floatDigitsOf(std::fabs(value));
  return layout(value < 0, d.view(), d.pointPos, floatDigits, shortest);
}

double magnitudeOrOne(double v) {
  double a = std::fabs(v);
  return (a == 0 || !std::isfinite(a)) ? 1.0 : a;
}

// -floor(log10(x) + 0.001): the decimals needed to show x; the 0.001 absorbs float noise.
int decimalsFor(double x) { return -static_cast<int>(std::floor(std::log10(x) + 0.001)); }

}  // namespace

std::string formatNumber(double value, std::string_view mask) { return formatWithDigits(value, mask, doubleDigits); }

std::string formatNumber(float value, std::string_view mask) {
  return formatWithDigits(static_cast<double>(value), mask, floatDigits);
}

std::string formatText(std::string_view text, std::string_view mask) {
  const std::vector<std::string_view> chars = characters(text);
  const bool leftAligned = mask.find('!') != std::string_view::npos;
  const std::size_t places = static_cast<std::size_t>(std::count(mask.begin(), mask.end(), '@'));
  std::string out;
  std::size_t next = 0;
  if (leftAligned) {
    for (char c : mask) {
      if (c == '!') continue;
      if (c != '@') out += c;
      else if (next < chars.size()) out += chars[next++];
      else out += ' ';
    }
    return out;
  }
  const std::size_t pad = places > chars.size() ? places - chars.size() : 0;
  const std::size_t extra = chars.size() > places ? chars.size() - places : 0;
  std::size_t place = 0;
  for (char c : mask) {
    if (c != '@') {
      out += c;
      continue;
    }
    if (place == 0)
      for (; next < extra; ++next) out += chars[next];
    if (place++ < pad) out += ' ';
    else out += chars[next++];
  }
  for (; next < chars.size(); ++next) out += chars[next];  // a mask without '@'
  return out;
}

std::string generalFormat(float value) { return floatText(value, false); }
std::string generalFormat(double value) { return doubleText(value, false); }
std::string shortestText(float value) { return floatText(value, true); }
std::string shortestText(double value) { return doubleText(value, true); }

std::string axisNumberMask(float numberEnd, float step, float numberStart) {
  std::string mask;
  if (numberEnd < 0 || numberStart < 0) mask += '#';
  const int integerDigits = 1 - decimalsFor(magnitudeOrOne(numberEnd));
  if (integerDigits > 1) mask.append(static_cast<std::size_t>(integerDigits - 1), '#');
  mask += '0';
  int decimals = decimalsFor(magnitudeOrOne(step));
  const double start = numberStart;
  double fraction = std::isfinite(start) ? std::fabs(start - std::floor(start)) : 0.0;
  decimals = std::max(decimals, decimalsFor(fraction == 0 ? 1.0 : fraction));
  if (decimals < 1) return mask;
  if (integerDigits == 0) mask.insert(0, "#");
  mask += '.';
  mask.append(static_cast<std::size_t>(decimals), '0');
  return mask;
}

}  // namespace lavix::format
