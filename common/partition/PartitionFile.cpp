// Reader of the partition-coefficient file shared by mixing and lavix.
#include "common/partition/PartitionFile.h"

#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::partition {

namespace {

constexpr std::size_t unreadShown = 3;  // cells listed in the notice
constexpr std::size_t longestShown = 20;  // a cell's text is cut to this many characters there

// Each line is read as one "item": up to the first comma.
std::string_view firstItem(std::string_view line) {
  const auto comma = line.find(',');
  return comma == std::string_view::npos ? line : line.substr(0, comma);
}

std::vector<std::string> splitFields(std::string_view line) {
  char delimiter = 0;
  std::vector<std::string> fields;
  text::tokenizeLine(line, delimiter, fields);
  return fields;
}

}  // namespace

float PartitionTable::k(int element, int identifier) const {
  if (element < 1 || element > elementCount() || identifier < 1) return 0;
  const auto& row = values[static_cast<std::size_t>(element - 1)];
  if (identifier > static_cast<int>(row.size())) return 0;
  return row[static_cast<std::size_t>(identifier - 1)];
}

PartitionRead readPartitionTable(std::string_view content, PartitionLimits limits, char decimalSeparator) {
  PartitionRead result;
  const auto lines = text::splitLineViews(content);
  if (lines.empty() || text::trim(firstItem(lines[0])).empty()) {
    result.error = PartitionReadError::empty;
    return result;
  }
  const auto header = splitFields(firstItem(lines[0]));
  if (header.size() < 2) {
    result.error = PartitionReadError::noMinerals;
    return result;
  }
  if (static_cast<int>(header.size()) - 1 > limits.minerals) {
    result.error = PartitionReadError::tooManyMinerals;
    return result;
  }
  PartitionTable& table = result.table;
  table.identifiers.assign(header.begin() + 1, header.end());
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view item = firstItem(lines[i]);
    if (text::trim(item).empty()) {
      ++result.blankLines;
      continue;
    }
    if (table.elementCount() == limits.elements) {
      result.error = PartitionReadError::tooManyElements;
      return result;
    }
    const auto fields = splitFields(item);
    table.elements.push_back(text::toUpper(text::trim(fields.empty() ? std::string() : fields[0])));
    std::vector<float> row(table.identifiers.size(), 0.0F);
    for (std::size_t m = 0; m < row.size(); ++m) {
      const bool missing = m + 1 >= fields.size();
      double value = 0;
      if (!missing && text::tryParseNumber(fields[m + 1], decimalSeparator, value)) {
        row[m] = text::parseNumber(fields[m + 1], decimalSeparator);
        continue;
      }
      ++result.unreadCells;
      if (result.firstUnread.size() < unreadShown)
        result.firstUnread.push_back(
            {table.elements.back(), table.identifiers[m], missing ? std::string() : text::trim(fields[m + 1]), missing});
    }
    table.values.push_back(std::move(row));
  }
  return result;
}

std::string unreadCellsNotice(const PartitionRead& read) {
  if (read.unreadCells == 0) return {};
  std::string notice = read.unreadCells == 1 ? std::string(texts::oneUnreadCell)
                                             : std::to_string(read.unreadCells) + std::string(texts::unreadCells);
  for (const UnreadCell& cell : read.firstUnread)
    notice += "\n" + cell.element + std::string(texts::in) + cell.mineral + ": " +
              (cell.missing ? std::string(texts::missingCell)
               : cell.text.empty() ? std::string(texts::emptyCell)
                                   : text::shortened(cell.text, longestShown));
  if (read.unreadCells > static_cast<int>(read.firstUnread.size())) notice += "\n...";
  return notice;
}

}  // namespace lavix::partition
