// The text cells of the data matrix, held so that a full matrix costs about its file's size.
#include "lavix/data/CellStore.h"

#include <algorithm>
#include <cstring>
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

std::size_t recordSize(std::string_view cell) { return cell.empty() ? 0 : encodedSize(cell.size()) + cell.size(); }

constexpr std::size_t maxArena = std::numeric_limits<std::uint32_t>::max() - 16;
constexpr std::size_t minGarbageToCompact = 256;
constexpr std::size_t maxFieldOffset = std::numeric_limits<std::uint16_t>::max() - 1;

}  // namespace

std::string_view CellStore::Column::record(std::uint32_t position) const {
  std::size_t header = 0;
  const char* p = text.data() + (position - 1);
  const std::size_t length = readLength(p, header);
  return {p + header, length};
}

void CellStore::Column::cover(std::size_t row) {
  if (at.empty()) {
    first = row;
    at.push_back(0);
  } else if (row < first) {
    at.insert(at.begin(), first - row, 0);
    first = row;
  } else if (row - first >= at.size()) {
    at.resize(row - first + 1, 0);
  }
}

void CellStore::Column::append(std::size_t row, std::string_view cell) {
  cover(row);
  at[row - first] = static_cast<std::uint32_t>(text.size() + 1);
  appendLength(text, cell.size());
  text.insert(text.end(), cell.begin(), cell.end());
}

void CellStore::Column::drop(std::size_t row) {
  const std::uint32_t old = recordAt(row);
  if (old == 0) return;
  garbage += recordSize(record(old));
  at[row - first] = 0;
  compactIfWasteful();
}

bool CellStore::Column::set(std::size_t row, std::string_view cell) {
  // A cell copied from this very column would move under its own feet as the text grows.
  const auto from = reinterpret_cast<std::uintptr_t>(cell.data()), base = reinterpret_cast<std::uintptr_t>(text.data());
  if (!cell.empty() && from >= base && from < base + text.size()) return set(row, std::string(cell));
  const std::uint32_t old = recordAt(row);
  const std::string_view oldCell = old == 0 ? std::string_view() : record(old);
  if (old != 0 && oldCell.size() == cell.size()) {  // same size: rewrite in place
    std::memcpy(text.data() + (oldCell.data() - text.data()), cell.data(), cell.size());
    return true;
  }
  if (cell.size() > maxArena || text.size() + recordSize(cell) > maxArena) return false;
  garbage += recordSize(oldCell);
  append(row, cell);
  compactIfWasteful();
  return true;
}

void CellStore::Column::compactIfWasteful() {
  if (garbage < minGarbageToCompact || garbage <= text.size() - garbage) return;
  Column packed;
  packed.text.reserve(text.size() - garbage);
  packed.first = first;
  packed.at.assign(at.size(), 0);
  for (std::size_t i = 0; i < at.size(); ++i)
    if (at[i] != 0) packed.append(first + i, record(at[i]));
  *this = std::move(packed);
}

CellStore::CellStore(const CellStore& other)
    : rows_(other.rows_),
      columns_(other.columns_),
      texts_(other.texts_),
      lines_(other.lines_),
      fieldAt_(other.fieldAt_),
      loadedRows_(other.loadedRows_),
      width_(other.width_),
      writtenCount_(other.writtenCount_) {
  written_.reserve(other.written_.size());
  for (const auto& own : other.written_) written_.push_back(own ? std::make_unique<Column>(*own) : nullptr);
}

CellStore& CellStore::operator=(const CellStore& other) {
  if (this != &other) *this = CellStore(other);
  return *this;
}

void CellStore::allocate(int rows, int columns) {
  rows_ = std::max(rows, 0);
  columns_ = std::max(columns, 0);
  clear();
  written_.clear();
  written_.shrink_to_fit();
  written_.resize(static_cast<std::size_t>(columns_));
}

std::string_view CellStore::loaded(int row, int column) const {
  if (row >= loadedRows_ || column >= width_) return {};
  const std::uint16_t at = fieldAt_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                                    static_cast<std::size_t>(column)];
  if (at == 0) return {};
  const Line& line = lines_[static_cast<std::size_t>(row)];
  const char* start = line.start + (at - 1);
  const std::size_t rest = line.length - (at - 1u);
  // Fields are a few characters: a plain scan beats a call to memchr here.
  std::size_t length = 0;
  while (length < rest && start[length] != '\t') ++length;
  return {start, length};
}

void CellStore::prefetch(int row, int column) const {
  if (row < 0 || column < 0 || row >= loadedRows_ || column >= width_) return;
  const std::uint16_t at = fieldAt_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                                    static_cast<std::size_t>(column)];
  if (at != 0) __builtin_prefetch(lines_[static_cast<std::size_t>(row)].start + (at - 1));
}

void CellStore::prefetchRow(int row) const {
  if (row < 0 || row >= loadedRows_) return;
  const Line& line = lines_[static_cast<std::size_t>(row)];
  for (std::uint32_t at = 0; at < line.length; at += 64) __builtin_prefetch(line.start + at);
}

void CellStore::clearLoaded(int row, int column) {
  if (row < loadedRows_ && column < width_)
    fieldAt_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(column)] = 0;
}

std::string_view CellStore::get(int row, int column) const {
  if (!inRange(row, column)) return {};
  if (const Column* own = written_[static_cast<std::size_t>(column)].get())
    if (const std::uint32_t at = own->recordAt(static_cast<std::size_t>(row)); at != 0) return own->record(at);
  return loaded(row, column);
}

CellStore::Column& CellStore::written(int column) {
  std::unique_ptr<Column>& own = written_[static_cast<std::size_t>(column)];
  if (!own) {
    own = std::make_unique<Column>();
    ++writtenCount_;
  }
  return *own;
}

bool CellStore::set(int row, int column, std::string_view text) {
  if (!inRange(row, column)) return false;
  if (text.empty()) {
    clearLoaded(row, column);
    if (Column* own = written_[static_cast<std::size_t>(column)].get()) own->drop(static_cast<std::size_t>(row));
    return true;
  }
  return written(column).set(static_cast<std::size_t>(row), text);
}

bool CellStore::setColumn(int column, int firstRow, std::span<const std::string> cells) {
  if (column < 0 || column >= columns_ || firstRow < 0 ||
      static_cast<std::size_t>(firstRow) + cells.size() > static_cast<std::size_t>(rows_))
    return false;
  const auto first = static_cast<std::size_t>(firstRow);
  const std::size_t end = first + cells.size();
  const Column* old = written_[static_cast<std::size_t>(column)].get();
  std::size_t low = first, high = end;
  if (old && !old->at.empty()) low = std::min(low, old->first), high = std::max(high, old->first + old->at.size());
  // Rows outside the new cells keep what they have written; the loaded cells under them stay.
  auto cellAt = [&](std::size_t row) -> std::string_view {
    if (row >= first && row < end) return cells[row - first];
    const std::uint32_t at = old ? old->recordAt(row) : 0;
    return at == 0 ? std::string_view() : old->record(at);
  };
  std::size_t bytes = 0;
  for (std::size_t row = low; row < high; ++row) bytes += recordSize(cellAt(row));
  if (bytes > maxArena) return false;
  auto fresh = std::make_unique<Column>();
  fresh->text.reserve(bytes);
  fresh->first = low;
  fresh->at.assign(high - low, 0);
  for (std::size_t row = low; row < high; ++row) {
    const std::string_view cell = cellAt(row);
    if (!cell.empty()) fresh->append(row, cell);
    else if (row >= first && row < end) clearLoaded(static_cast<int>(row), column);
  }
  if (!old) ++writtenCount_;
  written_[static_cast<std::size_t>(column)] = std::move(fresh);
  return true;
}

void CellStore::clearColumn(int column) {
  if (column < 0 || column >= columns_) return;
  if (written_[static_cast<std::size_t>(column)]) {
    written_[static_cast<std::size_t>(column)].reset();
    --writtenCount_;
  }
  if (column < width_)
    for (int row = 0; row < loadedRows_; ++row) clearLoaded(row, column);
}

void CellStore::reserveColumn(int column, std::size_t bytes) {
  if (column < 0 || column >= columns_ || bytes > maxArena) return;
  Column& own = written(column);
  own.text.reserve(own.text.size() + bytes);
  own.at.reserve(static_cast<std::size_t>(rows_));
}

void CellStore::fitColumn(int column) {
  if (column < 0 || column >= columns_ || !written_[static_cast<std::size_t>(column)]) return;
  Column& own = *written_[static_cast<std::size_t>(column)];
  own.text.shrink_to_fit();
  own.at.shrink_to_fit();
}

void CellStore::keepText(std::shared_ptr<const std::string> text) {
  if (text) texts_.push_back(std::move(text));
}

void CellStore::addLoadedRows(int rows, int columns) {
  if (width_ == 0) width_ = std::clamp(columns, 0, columns_);
  rows = std::clamp(rows, 0, rows_);
  if (rows <= loadedRows_) return;
  loadedRows_ = rows;
  lines_.resize(static_cast<std::size_t>(rows));
  fieldAt_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width_), 0);
}

void CellStore::loadRow(int row, std::string_view line, std::span<const LoadedField> fields) {
  if (row < 0 || row >= rows_) return;
  addLoadedRows(row + 1, columns_);
  clearRow(row);
  const bool indexable = line.size() <= std::numeric_limits<std::uint32_t>::max();
  if (indexable) lines_[static_cast<std::size_t>(row)] = {line.data(), static_cast<std::uint32_t>(line.size())};
  std::uint16_t* slots = fieldAt_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_);
  for (const LoadedField& field : fields) {
    if (field.column < 0 || field.column >= columns_) continue;
    const auto offset = static_cast<std::size_t>(field.text.data() - line.data());
    const std::size_t end = offset + field.text.size();
    // The usual field goes into the index; a later field of the same column replaces an
    // earlier one, wherever that went.
    if (field.column < width_ && offset < maxFieldOffset && indexable && (end == line.size() || line[end] == '\t')) {
      slots[field.column] = field.text.empty() ? std::uint16_t{0} : static_cast<std::uint16_t>(offset + 1);
      if (writtenCount_ != 0)
        if (Column* own = written_[static_cast<std::size_t>(field.column)].get()) own->drop(static_cast<std::size_t>(row));
      continue;
    }
    clearLoaded(row, field.column);
    set(row, field.column, field.text);
  }
}

void CellStore::clear() {
  texts_.clear();
  lines_.clear();
  lines_.shrink_to_fit();
  fieldAt_.clear();
  fieldAt_.shrink_to_fit();
  loadedRows_ = width_ = 0;
  for (auto& own : written_) own.reset();
  writtenCount_ = 0;
}

void CellStore::clearRow(int row) {
  if (row < 0 || row >= rows_) return;
  if (row < loadedRows_) {
    auto* slots = fieldAt_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_);
    std::fill(slots, slots + width_, std::uint16_t{0});
    lines_[static_cast<std::size_t>(row)] = {};
  }
  if (writtenCount_ == 0) return;
  for (auto& own : written_)
    if (own) own->drop(static_cast<std::size_t>(row));
}

std::size_t CellStore::heapBytes() const {
  std::size_t bytes = written_.capacity() * sizeof(written_[0]) + lines_.capacity() * sizeof(Line) +
                      fieldAt_.capacity() * sizeof(std::uint16_t);
  for (const auto& text : texts_) bytes += text->capacity();
  for (const auto& own : written_)
    if (own) bytes += sizeof(Column) + own->text.capacity() + own->at.capacity() * sizeof(std::uint32_t);
  return bytes;
}

}  // namespace lavix::data
