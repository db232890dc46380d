// Reader of symbol files (.sym) into the symbol table.
#include "lavix/diagram/SymbolFile.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::diagram {

namespace {

// Reads values the way a sequential-input statement does: fields end at a comma or a line
// end (numbers also at a blank), a text may be quoted, blank lines between values are skipped.
class SequentialInput {
 public:
  SequentialInput(std::string_view content, char decimalSeparator)
      : s_(content), decimalSeparator_(decimalSeparator) {}

  enum class Status { ok, end, notNumber };

  Status number(double& value) {
    std::string field;
    if (!nextField(true, field)) return Status::end;
    if (text::trim(field).empty()) {
      value = 0;
      return Status::ok;
    }
    if (!text::tryParseNumber(field, decimalSeparator_, value)) {
      lastField_ = field;
      return Status::notNumber;
    }
    return Status::ok;
  }

  bool textValue(std::string& value) { return nextField(false, value); }

  int line() const { return fieldLine_; }
  const std::string& lastField() const { return lastField_; }

 private:
  bool atLineEnd() const { return pos_ < s_.size() && (s_[pos_] == '\r' || s_[pos_] == '\n'); }
  bool isBlank() const { return pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'); }

  void consumeLineEnd() {
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  bool nextField(bool isNumber, std::string& field) {
    while (isBlank() || atLineEnd()) {
      if (atLineEnd()) consumeLineEnd();
      else ++pos_;
    }
    fieldLine_ = line_;
    if (pos_ >= s_.size()) return false;
    field.clear();
    if (s_[pos_] == '"') {
      ++pos_;
      while (pos_ < s_.size() && s_[pos_] != '"' && !atLineEnd()) field.push_back(s_[pos_++]);
      if (pos_ < s_.size() && s_[pos_] == '"') ++pos_;
    } else {
      while (pos_ < s_.size() && s_[pos_] != ',' && !atLineEnd() && !(isNumber && isBlank()))
        field.push_back(s_[pos_++]);
      if (!isNumber) field = text::trim(field);
    }
    // The separator after the field: blanks, then one comma or one line end.
    while (isBlank()) ++pos_;
    if (pos_ < s_.size() && s_[pos_] == ',') ++pos_;
    else if (atLineEnd()) consumeLineEnd();
    return true;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int fieldLine_ = 1;
  char decimalSeparator_;
  std::string lastField_;
};

// Thrown inside the reader to end it; never leaves this file.
struct Stop {
  SymbolReadResult result;
  text::FileError error;
};

class Reader {
 public:
  Reader(std::string_view content, char decimalSeparator) : in_(content, decimalSeparator) {}

  double number() {
    double value = 0;
    switch (in_.number(value)) {
      case SequentialInput::Status::ok: return value;
      case SequentialInput::Status::end:
        throw Stop{SymbolReadResult::stopped, {62, "Input past end of file at line " + format::shortestText(in_.line())}};
      case SequentialInput::Status::notNumber:
        throw Stop{SymbolReadResult::stopped, {13, "Type mismatch at line " + format::shortestText(in_.line()) + ": \"" +
                                                      in_.lastField() + "\" is not a number"}};
    }
    return value;
  }

  int32_t integer(double low, double high) { return static_cast<int32_t>(std::clamp(std::round(number()), low, high)); }

  std::string textValue() {
    std::string value;
    if (!in_.textValue(value))
      throw Stop{SymbolReadResult::stopped, {62, "Input past end of file at line " + format::shortestText(in_.line())}};
    return value;
  }

  SymbolRgb rgb(bool black) {
    SymbolRgb colour;
    colour.red = static_cast<int16_t>(integer(0, 255));
    colour.green = static_cast<int16_t>(integer(0, 255));
    colour.blue = static_cast<int16_t>(integer(0, 255));
    return black ? SymbolRgb{} : colour;
  }

  int line() const { return in_.line(); }

 private:
  SequentialInput in_;
};

int32_t scaled(double value, float scale) {
  // Offsets beyond the 16-bit page are of no use and would overflow later arithmetic.
  const double product = static_cast<double>(static_cast<float>(value) * scale);
  return static_cast<int32_t>(std::trunc(std::clamp(product, -32767.0, 32767.0)));
}

}  // namespace

SymbolReadResult readSymbolText(std::string_view content, std::string_view mode, SymbolTable& table,
                                text::FileError& error, char decimalSeparator) {
  const bool takeColours = text::equalsIgnoreCase(mode, "default") || text::equalsIgnoreCase(mode, "symbol");
  SymbolTable read = table;
  Reader in(content, decimalSeparator);
  try {
    const float fileScale = static_cast<float>(in.number());
    read.symbolScale = read.pendingSymbolSize > 0.0f ? read.pendingSymbolSize : fileScale;
    const int32_t filePenWidth = in.integer(0, 32767);
    read.symbolPenWidth = read.symbolLineWidthOverride > 0 ? read.symbolLineWidthOverride : filePenWidth;

    const double n = std::round(in.number());
    if (n < 0 || n > maxSymbolNumber) {
      error = {9, "Subscript out of range: the highest symbol number must be 0 to " +
                      format::shortestText(maxSymbolNumber) + ", the file gives " +
                      format::shortestText(n)};
      return SymbolReadResult::refused;
    }
    read.symbolCount = static_cast<int16_t>(n);

    for (int s = 0; s <= read.symbolCount; ++s) {
      const auto slot = static_cast<std::size_t>(s);
      const SymbolRgb line = in.rgb(read.blackSymbols);
      if (takeColours) {
        read.symbolLineRGB[slot] = line;
        read.symbolLineColour[slot] = symbolColour(line);
      }
      const SymbolRgb fill = in.rgb(read.blackSymbols);
      if (takeColours) {
        read.symbolFillRGB[slot] = fill;
        read.symbolFillColour[slot] = symbolColour(fill);
      }
      read.symbolShape[slot] = text::toUpper(in.textValue());
      const double count = std::round(in.number());
      if (count < 0 || count > maxSymbolVertices) {
        error = {9, "Subscript out of range: symbol " + format::shortestText(s) + " has more vertices than the " +
                        format::shortestText(maxSymbolVertices) + " allowed"};
        if (count < 0) error.text = "Subscript out of range: symbol " + format::shortestText(s) + " has a negative vertex count";
        return SymbolReadResult::refused;
      }
      read.symbolVertexCount[slot] = static_cast<int32_t>(count);
      for (int v = 0; v < read.symbolVertexCount[slot]; ++v) {
        SymbolVertex& vertex = read.symbolVertex[slot][static_cast<std::size_t>(v)];
        vertex.x = scaled(in.number(), read.symbolScale);
        vertex.y = scaled(in.number(), read.symbolScale);
      }
    }

    // Frame, curve, page, box and text colours; only the first two numbers are widths.
    // Black symbols leave the page and box their colours: black on black would hide the
    // frame, the text and every symbol.
    for (int k = 1; k <= 5; ++k) {
      const auto slot = static_cast<std::size_t>(read.symbolCount + k);
      const SymbolRgb rgb = in.rgb(read.blackSymbols && k != 3 && k != 4);
      const int32_t width = in.integer(0, 32767);
      in.textValue();
      if (!takeColours) continue;
      read.symbolLineRGB[slot] = rgb;
      read.symbolFillRGB[slot] = rgb;
      read.symbolLineColour[slot] = read.symbolFillColour[slot] = symbolColour(rgb);
      switch (k) {
        case 1: read.frameColour = symbolColour(rgb); read.frameLineWidth = width; break;
        case 2: read.curveColour = symbolColour(rgb); read.curveLineWidth = width; break;
        case 3: read.pageColour = symbolColour(rgb); break;
        case 4: read.boxColour = symbolColour(rgb); break;
        case 5: read.textColour = symbolColour(rgb); break;
      }
    }
  } catch (const Stop& stop) {
    error = stop.error;
    table = std::move(read);
    return stop.result;
  }
  table = std::move(read);
  return SymbolReadResult::complete;
}

bool readSymbolFile(const std::string& path, std::string_view mode, SymbolTable& table, text::FileError& error,
                    char decimalSeparator, SymbolReadResult* result) {
  std::string content;
  SymbolReadResult outcome = SymbolReadResult::openFailed;
  if (text::readFile(path, content, error)) outcome = readSymbolText(content, mode, table, error, decimalSeparator);
  if (result) *result = outcome;
  return outcome == SymbolReadResult::complete;
}

}  // namespace lavix::diagram
