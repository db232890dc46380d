// Line splitting, number parsing and name markup shared by every text reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lavix::text {

// Chooses TAB, comma or blank for a line: TAB unless commas outnumber both TABs and
// blanks (comma), or there is no TAB and blanks outnumber commas (blank).
char detectDelimiter(std::string_view line);

// Splits one line at `delimiter`; when `delimiter` is 0 on entry it is detected and
// returned. Two adjacent delimiters give an empty field; a delimiter at the end of the
// line gives no empty field after it; a last field "END" (any case) is dropped.
// Returns the number of fields.
int tokenizeLine(std::string_view line, char& delimiter, std::vector<std::string>& fields);
// The same fields as views into `line`.
int tokenizeLine(std::string_view line, char& delimiter, std::vector<std::string_view>& fields);

// The decimal separator of the user's locale (the fourth character of its text for
// 111.1111); "." when the locale cannot be read.
char systemDecimalSeparator();

// Reads a cell or a configuration value as a single-precision number. "." is accepted
// whatever the locale; empty, non-numeric, "<5", overflowing and non-finite texts
// read 0. Surrounding blanks are allowed.
float parseNumber(std::string_view text, char decimalSeparator = '.');

// Like parseNumber but tells whether the text held a number at all.
bool tryParseNumber(std::string_view text, char decimalSeparator, double& value);

// Removes the name markup characters "[", "]", "{", "}", "," and " ".
std::string stripMarkup(std::string_view name);

// stripMarkup, then upper case: the form in which names are compared.
std::string normaliseName(std::string_view name);

std::string toUpper(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
std::string trim(std::string_view text);

// A file's text quoted in a message: at most `longest` bytes, cut between UTF-8 characters,
// with "..." when cut.
std::string shortened(std::string_view text, std::size_t longest);

}  // namespace lavix::text
