// The text cells of the data matrix, packed per row so that a full matrix costs about its text.
#include "lavix/data/CellStore.h"

#include <algorithm>
#include <limits>

namespace lavix::data {

namespace {

// Most cells are short numbers: a one-byte length covers them.
void appendLength(std::vector<char>& out, std::size_t length) {
  do {
    unsigned char byte = length & 0x7f;
    length >>= 7;
    if (length != 0) byte |= 0x80;
    out.push_back(static_cast<char>(byte));
  } while (length != 0);
}

std::size_t readLength(const char* p, std::size_t& headerBytes) {
  std::size_t length = 0;
  int shift = 0;
  headerBytes = 0;
  while (true) {
    unsigned char byte = static_cast<unsigned char>(p[headerBytes++]);
    length |= static_cast<std::size_t>(byte & 0x7f) << shift;
    if ((byte & 0x80) == 0) break;
    shift += 7;
  }
  return length;
}

std::size_t encodedSize(std::size_t length) {
  std::size_t bytes = 1;
  while (length >= 0x80) length >>= 7, ++bytes;
  return bytes;
}

constexpr std::size_t maxArena = std::numeric_limits<std::uint32_t>::max() - 16;
constexpr std::size_t minGarbageToCompact = 256;

}  // namespace

void CellStore::Row::widen() {
  wide.assign(narrow.begin(), narrow.end());
  narrow.clear();
  narrow.shrink_to_fit();
  isWide = true;
}

void CellStore::Row::setAt(std::size_t column, std::uint32_t position) {
  if (!isWide && position > 0xffff) widen();
  if (column >= slotCount()) {
    if (isWide) wide.resize(column + 1, 0);
    else narrow.resize(column + 1, 0);
  }
  if (isWide) wide[column] = position;
  else narrow[column] = static_cast<std::uint16_t>(position);
}

void CellStore::allocate(int rows, int columns) {
  rows_.clear();
  rows_.shrink_to_fit();
  rows_.resize(rows > 0 ? static_cast<std::size_t>(rows) : 0);
  columns_ = columns > 0 ? columns : 0;
}

std::size_t CellStore::recordSize(const Row& row, std::uint32_t at) {
  std::size_t header = 0;
  std::size_t length = readLength(row.text.data() + (at - 1), header);
  return header + length;
}

std::string_view CellStore::get(int row, int column) const {
  if (!inRange(row, column)) return {};
  const Row& r = rows_[static_cast<std::size_t>(row)];
  const std::uint32_t at = r.at(static_cast<std::size_t>(column));
  if (at == 0) return {};
  std::size_t header = 0;
  const char* p = r.text.data() + (at - 1);
  std::size_t length = readLength(p, header);
  return {p + header, length};
}

bool CellStore::set(int row, int column, std::string_view text) {
  if (!inRange(row, column)) return false;
  Row& r = rows_[static_cast<std::size_t>(row)];
  const auto c = static_cast<std::size_t>(column);
  const std::uint32_t old = r.at(c);

  if (text.empty()) {
    if (old == 0) return true;
    r.garbage += recordSize(r, old);
    r.setAt(c, 0);
  } else {
    std::size_t header = encodedSize(text.size());
    if (old != 0) {
      std::size_t oldHeader = 0;
      std::size_t oldLength = readLength(r.text.data() + (old - 1), oldHeader);
      if (oldLength == text.size()) {  // same size: rewrite in place
        std::copy(text.begin(), text.end(), r.text.begin() + (old - 1 + oldHeader));
        return true;
      }
    }
    if (text.size() > maxArena || r.text.size() + header + text.size() > maxArena) return false;
    if (old != 0) r.garbage += recordSize(r, old);
    r.setAt(c, static_cast<std::uint32_t>(r.text.size() + 1));
    appendLength(r.text, text.size());
    r.text.insert(r.text.end(), text.begin(), text.end());
  }
  if (r.garbage >= minGarbageToCompact && r.garbage > r.text.size() - r.garbage) compact(r);
  return true;
}

void CellStore::compact(Row& row) {
  Row packed;
  packed.text.reserve(row.text.size() - row.garbage);
  const std::size_t slotTotal = row.slotCount();
  std::size_t used = 0;
  for (std::size_t c = 0; c < slotTotal; ++c)
    if (row.at(c) != 0) used = c + 1;
  if (row.text.size() - row.garbage >= 0xffff) packed.widen();
  if (packed.isWide) packed.wide.reserve(used);
  else packed.narrow.reserve(used);
  for (std::size_t c = 0; c < used; ++c) {
    const std::uint32_t at = row.at(c);
    if (at == 0) {
      packed.setAt(c, 0);
      continue;
    }
    const std::size_t size = recordSize(row, at);
    packed.setAt(c, static_cast<std::uint32_t>(packed.text.size() + 1));
    packed.text.insert(packed.text.end(), row.text.begin() + (at - 1), row.text.begin() + (at - 1 + size));
  }
  row = std::move(packed);
}

void CellStore::clear() {
  for (Row& r : rows_) r = Row{};
}

void CellStore::clearRow(int row) {
  if (row < 0 || row >= rows()) return;
  rows_[static_cast<std::size_t>(row)] = Row{};
}

void CellStore::reserveRow(int row, int columns, std::size_t bytes) {
  if (row < 0 || row >= rows()) return;
  Row& r = rows_[static_cast<std::size_t>(row)];
  if (columns > columns_) columns = columns_;
  if (bytes <= maxArena) r.text.reserve(r.text.size() + bytes);
  if (r.text.capacity() >= 0xffff && !r.isWide) r.widen();
  if (columns > 0) {
    if (r.isWide) r.wide.reserve(static_cast<std::size_t>(columns));
    else r.narrow.reserve(static_cast<std::size_t>(columns));
  }
}

std::size_t CellStore::heapBytes() const {
  std::size_t bytes = rows_.capacity() * sizeof(Row);
  for (const Row& r : rows_)
    bytes += r.text.capacity() + r.narrow.capacity() * sizeof(std::uint16_t) + r.wide.capacity() * sizeof(std::uint32_t);
  return bytes;
}

}  // namespace lavix::data
