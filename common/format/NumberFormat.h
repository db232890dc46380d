// Numbers to text: classic "#0.00" / "@@@@" masks, the general number format and axis masks.
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace lavix::format {

// Formats a number through a mask of the classic BASIC kind:
//   '0' digit or zero, '#' digit if needed, '.' decimal point (always kept when present),
//   "E-" / "E+" scientific notation (E- writes the exponent sign only when negative),
//   anything else is a literal kept in place, '\x' writes x, "..." writes its content.
// Up to three sections "positive;negative;zero". With a negative section no sign is added;
// with one section a negative number gets a leading "-". Rounding is half away from zero
// on the decimal digits (15 significant for double, 7 for float); a negative value that
// rounds to zero is written as zero. Non-finite values give "".
std::string formatNumber(double value, std::string_view mask);
std::string formatNumber(float value, std::string_view mask);
template <std::integral T>
std::string formatNumber(T value, std::string_view mask) {
  return formatNumber(static_cast<double>(value), mask);
}

// Same as formatNumber; kept for callers that name the mask operation generically.
inline std::string formatMasked(double value, std::string_view mask) { return formatNumber(value, mask); }

// Formats a text through '@' placeholders: right-aligned and padded on the left with
// blanks; a '!' anywhere makes them fill from the left (padded on the right) and cuts the
// text to the number of placeholders. Other characters are literals. Without '!', a text
// longer than the placeholders is shown whole.
std::string formatText(std::string_view text, std::string_view mask);

// The general number format of stored numbers: a leading blank for non-negative numbers
// ("-" for negative), at most 7 (float) or 15 (double) significant digits, trailing zeros
// removed, no zero before the decimal point (" .1"), scientific when the decimal exponent
// is below -4 or at least the digit count (" 1.234568E+07", " 1E-05"). Non-finite: "".
std::string generalFormat(float value);
std::string generalFormat(double value);
template <std::integral T>
std::string generalFormat(T value) {
  return generalFormat(static_cast<double>(value));
}

// The longest shortestText of a float: "-1.234568E-05".
inline constexpr std::size_t longestFloatText = 13;

// The same digits as generalFormat without the leading blank and with the zero before the
// decimal point: "0.1", "-0.5", "1.234568E+07", "15". Non-finite: "".
std::string shortestText(float value);
std::string shortestText(double value);
template <std::integral T>
std::string shortestText(T value) {
  return shortestText(static_cast<double>(value));
}

// The number mask of an axis, built from the number end, the number step and the number
// start ("##0", "0.0", "#0.0" ...). Zero and non-finite inputs count as 1.
std::string axisNumberMask(float numberEnd, float step, float numberStart);

}  // namespace lavix::format
