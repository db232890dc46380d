// Diagram library files: tokens, records, and the decoding of one record.
#include "lavix/diagram/LibraryFile.h"

#include <cmath>

#include "common/text/Text.h"

namespace lavix::diagram {

namespace {

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n'; }

bool startsWith(const std::string& upperToken, std::string_view prefix) {
  return upperToken.compare(0, prefix.size(), prefix) == 0;
}

bool isMarker(const std::string& token, LibraryFamily family) {
  const std::string upper = text::toUpper(token);
  switch (family) {
    case LibraryFamily::cmas: return startsWith(upper, "CTRI");
    // Some mineral diagrams plot formula ratios against each other: X-Y records on wt %.
    case LibraryFamily::minerals: return startsWith(upper, "MTRI") || startsWith(upper, "XY");
    case LibraryFamily::diagrams: break;
  }
  // A field of the TAS diagram, not the start of a ternary record.
  if (token == "Tristanite") return false;
  return startsWith(upper, "TRI") || startsWith(upper, "XY");
}

// Marker options and page names are compared upper-cased without blanks or "_", since a
// token holds no blank and a page name may ("Left half" is written LEFT_HALF or LEFTHALF).
std::string squeezed(std::string_view text) {
  std::string out;
  for (char c : text::toUpper(text))
    if (c != ' ' && c != '_') out += c;
  return out;
}

// Reads the tokens of one record in order, remembering where it is for messages.
class RecordReader {
 public:
  RecordReader(const LibraryFile& file, int start) : tokens_(file.tokens), lines_(file.tokenLines), at_(start) {}

  bool text(std::string& out) {
    if (!available()) return false;
    out = tokens_[static_cast<std::size_t>(at_++)];
    return true;
  }
  bool number(float& out) {
    std::string token;
    if (!text(token)) return false;
    double value = 0;
    if (!text::tryParseNumber(token, '.', value)) {
      error_ = where() + " (\"" + token + "\") is not a number";
      return false;
    }
    out = static_cast<float>(value);
    return true;
  }
  bool count(int& out, const char* what) {
    float value = 0;
    if (!number(value)) return false;
    if (value < 0 || value != std::floor(value) || value > maxFieldPositions) {
      error_ = "the " + std::string(what) + " count " + tokens_[static_cast<std::size_t>(at_ - 1)] + " (" + where() +
               ") is not a whole number from 0 to " + std::to_string(maxFieldPositions);
      return false;
    }
    out = static_cast<int>(value);
    return true;
  }
  const std::string& error() const { return error_; }

 private:
  // The token just read, by its line (what an editor shows) and its place in the file.
  std::string where() const {
    const auto index = static_cast<std::size_t>(at_ - 1);
    const std::string token = "token " + std::to_string(at_);
    return index < lines_.size() ? "line " + std::to_string(lines_[index]) + ", " + token : token;
  }
  bool available() {
    if (at_ < static_cast<int>(tokens_.size())) return true;
    if (error_.empty()) error_ = "the record runs past the end of the file";
    return false;
  }

  const std::vector<std::string>& tokens_;
  const std::vector<int>& lines_;
  int at_;
  std::string error_;
};

void applyMarkerOptions(const std::vector<std::string>& pageNames, LibraryRecord& r) {
  const std::string upper = text::toUpper(r.marker);
  r.zerosIn = upper.find("ZEROSIN") != std::string::npos;
  r.normaliseX = upper.find("NMX") != std::string::npos;
  r.normaliseY = upper.find("NMY") != std::string::npos;
  r.smallText = upper.find("SMALL") != std::string::npos;
  r.shapeChoice = 1;
  r.pagePosition = defaultLibraryPosition;
  if (r.marker.size() < 3) return;
  if (upper.find("BOX") != std::string::npos) r.shapeChoice = 2;
  if (upper.find("SLIDE") != std::string::npos) r.shapeChoice = 1;
  r.pagePosition = markerPosition(r.marker, pageNames, r.pagePosition);
}

bool readAxes(RecordReader& in, LibraryRecord& r) {
  auto titled = [&](LibraryAxis& a) {
    if (!in.text(a.title)) return false;
    a.title = shownText(a.title);
    return true;
  };
  if (r.layout == RecordLayout::xy) {
    for (LibraryAxis* a : {&r.axis[0], &r.axis[1]})
      if (!titled(*a) || !in.text(a->formula)) return false;
    for (LibraryAxis* a : {&r.axis[0], &r.axis[1]}) {
      float log = 0;
      if (!in.number(log) || !in.number(a->start) || !in.number(a->end) || !in.number(a->tickInterval) ||
          !in.number(a->numberStep))
        return false;
      a->log = log == 1 ? 1 : 0;
    }
    return true;
  }
  for (LibraryAxis& a : r.axis) {
    if (!titled(a)) return false;
    if (r.layout == RecordLayout::ct && !in.number(a.multiplier)) return false;
    if (!in.text(a.formula)) return false;
  }
  for (float& limit : r.clip)
    if (!in.number(limit)) return false;
  return true;
}

bool readFields(RecordReader& in, LibraryRecord& r, std::string& error) {
  int points = 0, labels = 0;
  if (!in.count(points, "field point")) return false;
  r.points.resize(static_cast<std::size_t>(points));
  for (FieldPoint& p : r.points)
    if (!in.number(p.x) || !in.number(p.y) || !in.number(p.pen)) return false;
  if (!in.count(labels, "label")) return false;
  if (points + labels > maxFieldPositions) {
    error = std::to_string(points) + " field points and " + std::to_string(labels) +
            " labels do not fit: a diagram holds at most " + std::to_string(maxFieldPositions);
    return false;
  }
  r.labels.resize(static_cast<std::size_t>(labels));
  for (FieldLabel& l : r.labels) {
    if (!in.number(l.x) || !in.number(l.y) || !in.text(l.text)) return false;
    l.text = shownText(l.text);
  }
  return true;
}

}  // namespace

const char* familyName(LibraryFamily family) {
  switch (family) {
    case LibraryFamily::cmas: return "CDIAGS";
    case LibraryFamily::minerals: return "MDIAGS";
    case LibraryFamily::diagrams: break;
  }
  return "DDIAGS";
}

bool readLibraryText(std::string_view content, LibraryFamily family, LibraryFile& file, std::string& error) {
  LibraryFile read;
  std::string token;
  int line = 1, tokenLine = 1;
  auto finish = [&] {
    if (token.empty()) return true;
    if (static_cast<int>(read.tokens.size()) == maxLibraryTokens) {
      error = "the file holds more than " + std::to_string(maxLibraryTokens) + " tokens";
      return false;
    }
    read.tokens.push_back(std::move(token));
    read.tokenLines.push_back(tokenLine);
    token.clear();
    return true;
  };
  bool lineStart = true, comment = false;
  for (char c : content) {
    if (c == '\n') ++line;
    if (c == '\r' || c == '\n') {
      lineStart = true;
      comment = false;
    } else if (lineStart && c == '#') {
      comment = true;  // the citation and notes of a header, never tokens
    } else if (c != ' ' && c != '\t') {
      lineStart = false;
    }
    if (comment) continue;
    if (!isSeparator(c)) {
      if (token.empty()) tokenLine = line;
      token += c;
    } else if (!finish()) {
      return false;
    }
  }
  if (!finish()) return false;

  for (std::size_t i = 0; i < read.tokens.size(); ++i) {
    if (!isMarker(read.tokens[i], family)) continue;
    if (static_cast<int>(read.records.size()) == maxLibraryRecords) {
      error = "the file holds more than " + std::to_string(maxLibraryRecords) + " diagrams";
      return false;
    }
    LibraryRecordEntry entry;
    entry.start = static_cast<int>(i);
    if (i + 1 < read.tokens.size()) entry.name = read.tokens[i + 1];
    if (i + 2 < read.tokens.size()) entry.description = read.tokens[i + 2];
    read.records.push_back(std::move(entry));
  }
  file = std::move(read);
  return true;
}

bool decodeLibraryRecord(const LibraryFile& file, std::size_t index, const std::vector<std::string>& pageNames,
                         LibraryRecord& record, std::string& error) {
  if (index >= file.records.size()) {
    error = "there is no diagram " + std::to_string(index + 1);
    return false;
  }
  LibraryRecord r;
  RecordReader in(file, file.records[index].start);
  std::string note;
  bool read = in.text(r.marker) && in.text(r.name) && in.text(r.description) && in.text(note);
  if (read) {
    const std::string type = text::toUpper(r.marker.substr(0, 2));
    r.layout = type == "XY" ? RecordLayout::xy
               : type == "MT" ? RecordLayout::mt
               : type == "CT" ? RecordLayout::ct
                              : RecordLayout::tr;
    r.description = shownText(r.description);
    r.note = r.layout == RecordLayout::tr ? std::string() : shownText(note);
    applyMarkerOptions(pageNames, r);
    read = readAxes(in, r) && readFields(in, r, error);
  }
  if (!read) {
    if (error.empty()) error = in.error();
    return false;
  }
  record = std::move(r);
  return true;
}

int16_t markerPosition(std::string_view marker, const std::vector<std::string>& pageNames, int16_t otherwise) {
  const std::string squeezedMarker = squeezed(marker);
  for (std::size_t p = 0; p < pageNames.size(); ++p) {
    const std::string name = squeezed(pageNames[p]);
    if (!name.empty() && squeezedMarker.find(name) != std::string::npos) otherwise = static_cast<int16_t>(p + 1);
  }
  return otherwise;
}

std::string recordChoiceLine(const LibraryRecordEntry& entry) {
  std::string line = shownText(entry.name);
  // Two blanks at least, so that the name stays apart from the description.
  line.append(line.size() < 18 ? 20 - line.size() : 2, ' ');
  return line + shownText(entry.description);
}

std::string shownText(std::string_view token) {
  std::string out(token);
  for (char& c : out)
    if (c == '_') c = ' ';
  return out;
}

}  // namespace lavix::diagram
