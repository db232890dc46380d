// Diagram library files (Diagrams/, CMAS/, MIN/): the token stream, the records it holds and
// the decoding of one record into axes, formulas, field lines and field labels.
//
// A file is one stream of tokens separated by blanks, commas, TABs and line ends; a line whose
// first character other than a blank is "#" is a comment (a header's citation). A record
// starts at its marker token: in diagram files a token beginning with "XY" or "TRI" (any
// case; the field name "Tristanite" is no marker), in CMAS files one beginning with "CTRI",
// in mineral files one beginning with "MTRI" or "XY". Its first two letters give its layout:
//   all:      marker, name, description, note
//   XY:       X title, X formula, Y title, Y formula, X log flag, X start, X end, X tick
//             interval, X number step, Y log flag, Y start, Y end, Y tick interval, Y number step
//   TR, MT:   X-left title, formula, Y-top title, formula, Z-right title, formula,
//             clip limits X min, X max, Y min, Y max, Z min, Z max (fractions)
//   CT:       per apex a title, a multiplier and a formula, then the six clip limits
//   then F, F field-line points (x, y, pen: 0 starts a line), L, L labels (x, y, text).
// The marker, upper-cased, carries options: ZEROSIN, NMX, NMY, SMALL, BOX, SLIDE and the name
// of a page position. A "_" in a shown text (titles, note, description, labels) stands for a
// blank, since a token cannot hold one.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lavix::diagram {

inline constexpr int maxLibraryTokens = 5000;
inline constexpr int maxLibraryRecords = 30;
// Field-line points and labels share the overlay table's 300 positions.
inline constexpr int maxFieldPositions = 300;
// The page position a record without one in its marker is drawn at.
inline constexpr int16_t defaultLibraryPosition = 2;

// Which markers start a record: the family of the command that opened the file.
enum class LibraryFamily { diagrams, cmas, minerals };

// "DDIAGS", "CDIAGS", "MDIAGS": the diagramFamily of a library diagram.
const char* familyName(LibraryFamily family);

struct LibraryRecordEntry {
  int start = 0;  // token index of the marker (0-based)
  std::string name;
  std::string description;
};

struct LibraryFile {
  std::vector<std::string> tokens;
  std::vector<int> tokenLines;  // the line of the file each token stands on, from 1
  std::vector<LibraryRecordEntry> records;
};

enum class RecordLayout { xy, tr, mt, ct };

struct FieldPoint {
  float x = 0, y = 0;  // raw values on log axes; the X-left and Y-top fractions on a ternary
  float pen = 0;       // 0 starts a new line here
};

struct FieldLabel {
  float x = 0, y = 0;  // the text's lower-left corner
  std::string text;    // with "_" turned into blanks
};

// One apex or axis: its title, formula and (CT only) multiplier.
struct LibraryAxis {
  std::string title;
  std::string formula;
  float multiplier = 1;
  // XY only; start and end as written (raw values on a log axis).
  int16_t log = 0;
  float start = 0, end = 0, tickInterval = 0, numberStep = 0;
};

struct LibraryRecord {
  RecordLayout layout = RecordLayout::xy;
  std::string marker, name, description, note;
  bool zerosIn = false;
  bool normaliseX = false;  // NMX: X values times the row's totalFactor
  bool normaliseY = false;  // NMY
  bool smallText = false;   // SMALL: field labels in the small size
  int16_t shapeChoice = 1;  // 1 Slide, 2 Box
  int16_t pagePosition = defaultLibraryPosition;
  std::array<LibraryAxis, 3> axis;  // X (X-left), Y (Y-top), Z (Z-right)
  std::array<float, 6> clip{0, 1, 0, 1, 0, 1};  // X min, X max, Y min, Y max, Z min, Z max
  std::vector<FieldPoint> points;
  std::vector<FieldLabel> labels;

  bool ternary() const { return layout != RecordLayout::xy; }
};

// Splits a file's text into tokens and finds its records. False, with `error` saying why, when
// the file holds more than 5000 tokens or more than 30 records; `file` is then left alone.
bool readLibraryText(std::string_view content, LibraryFamily family, LibraryFile& file, std::string& error);

// Decodes record `index` (0-based) of `file`. `pageNames` are the page positions 1..n in table
// order. False, with `error` saying what and where (without the file's name), when the record
// runs past the end of the tokens, a number is not a number, or its fields and labels would
// not fit the overlay table.
bool decodeLibraryRecord(const LibraryFile& file, std::size_t index, const std::vector<std::string>& pageNames,
                         LibraryRecord& record, std::string& error);

// The page position (1..n) that a marker names, the last of `pageNames` it contains winning;
// `otherwise` when it names none.
int16_t markerPosition(std::string_view marker, const std::vector<std::string>& pageNames, int16_t otherwise);

// The line of the record choice: the name padded with blanks to 20 characters (two blanks at
// least after a longer name), then the description; "_" shown as blanks.
std::string recordChoiceLine(const LibraryRecordEntry& entry);

// A shown text of a record: "_" stands for a blank.
std::string shownText(std::string_view token);

}  // namespace lavix::diagram
