// The page layout Controls/page.txt: page size and the named plot positions.
#include "lavix/app/PageLayout.h"

#include <cmath>
#include <vector>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::app {

namespace {

bool integerField(const std::string& field, double low, double high, long& value) {
  double parsed = 0;
  if (!text::tryParseNumber(field, '.', parsed)) return false;
  parsed = std::round(parsed);
  if (parsed < low || parsed > high) return false;
  value = static_cast<long>(parsed);
  return true;
}

text::FileError lineError(int lineNo, const std::string& what) {
  return {13, "Type mismatch: line " + format::shortestText(lineNo) + " of page.txt " + what};
}

}  // namespace

bool readPageLayout(const std::string& path, PageLayout& layout, text::FileError& error) {
  std::vector<std::string> lines;
  if (!text::readLines(path, lines, error)) return false;

  PageLayout read;
  std::vector<std::string> fields;
  char delimiter = '\t';

  if (lines.size() < 2) {
    error = {62, "Input past end of file: page.txt needs the page size and the number of positions"};
    return false;
  }
  long width = 0, length = 0;
  delimiter = '\t';
  text::tokenizeLine(lines[0], delimiter, fields);
  if (fields.size() < 2 || !integerField(fields[0], 1, 2147483647.0, width) ||
      !integerField(fields[1], 1, 2147483647.0, length)) {
    error = lineError(1, "must hold the page width and length");
    return false;
  }
  read.pageWidth = static_cast<int32_t>(width);
  read.pageLength = static_cast<int32_t>(length);

  long count = 0;
  if (!integerField(text::trim(lines[1]), 0, 2147483647.0, count)) {
    error = lineError(2, "must hold the number of positions");
    return false;
  }
  if (count > maxPagePositions) count = maxPagePositions;
  read.positionCount = static_cast<int16_t>(count);

  for (int n = 1; n <= count; ++n) {
    const int lineNo = n + 2;
    if (static_cast<std::size_t>(lineNo) > lines.size()) {
      error = {62, "Input past end of file: page.txt ends after " + format::shortestText(n - 1) + " of " +
                       format::shortestText(count) + " positions"};
      return false;
    }
    delimiter = '\t';
    text::tokenizeLine(lines[static_cast<std::size_t>(lineNo - 1)], delimiter, fields);
    PagePosition& position = read.position[static_cast<std::size_t>(n)];
    long edge[4] = {0, 0, 0, 0};
    if (fields.size() < 5) {
      error = lineError(lineNo, "must hold a name and four numbers");
      return false;
    }
    for (int k = 0; k < 4; ++k) {
      if (!integerField(fields[static_cast<std::size_t>(k + 1)], -32768, 32767, edge[k])) {
        error = lineError(lineNo, "holds \"" + text::trim(fields[static_cast<std::size_t>(k + 1)]) +
                                      "\" where a whole number from -32768 to 32767 belongs");
        return false;
      }
    }
    position.name = text::trim(fields[0]);
    position.left = static_cast<int16_t>(edge[0]);
    position.bottom = static_cast<int16_t>(edge[1]);
    position.right = static_cast<int16_t>(edge[2]);
    position.top = static_cast<int16_t>(edge[3]);
    position.axesCode = fields.size() > 5 ? text::trim(fields[5]) : std::string();
  }

  layout = std::move(read);
  return true;
}

}  // namespace lavix::app
