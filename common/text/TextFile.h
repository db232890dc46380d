// Whole-file text reading (CR LF or LF, UTF-8 or UTF-16) and atomic writing (CR LF).
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace lavix::text {

// A failure of the file system, worded as the user sees it ("File not found").
struct FileError {
  int number = 0;     // the classic run-time error number (53 file not found, 76 path not found ...)
  std::string text;   // the platform's report of the error
};

// The error numbers callers tell apart beyond the open failures.
inline constexpr int fileTooLargeError = 7;
inline constexpr int readOnlyFileError = 70;

// What readFile accepts.
struct ReadLimits {
  // A larger file is refused before anything of it is read.
  std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max();
  // Pipes, devices and sockets are refused: a pipe would wait forever for a writer, a
  // device may never end. Only a batch script may come from a pipe.
  bool regularFileOnly = true;
};

// Reads a whole file (links followed) as UTF-8 text (see toUtf8); false and `error` filled
// when it cannot be opened or read, is not a file, or passes `limits.maxBytes`.
bool readFile(const std::string& path, std::string& content, FileError& error, const ReadLimits& limits = {});

// A file's bytes as UTF-8: a UTF-8 byte-order mark is dropped, text with a UTF-16 mark (little
// or big endian) is converted; anything else is left as it is.
std::string toUtf8(std::string bytes);

// The size beyond which a table file of `rows` lines by `fields` fields cannot be meant for
// that table: every field at 64 characters, and never less than 16 MB.
std::uint64_t tableFileLimit(int rows, int fields);

// "820 bytes", "12 KB", "3.4 MB", "2.1 GB".
std::string byteSizeText(std::uint64_t bytes);

// Splits text into lines ended by CR LF, LF or a lone CR; a last line without an end
// counts, an empty text gives no lines.
std::vector<std::string> splitLines(std::string_view content);

// The same lines as views into `content`, which must outlive them.
std::vector<std::string_view> splitLineViews(std::string_view content);

// Reads a file's lines; false and `error` filled when it cannot be read.
bool readLines(const std::string& path, std::vector<std::string>& lines, FileError& error);

// Writes `content` to a new temporary file beside the target and renames it over the target
// once it is complete and on disk, so a failed write never destroys the old file. A read-only
// target is refused (readOnlyFileError); the target keeps its permissions; a link is written
// through, so the file it names changes and the link stays a link.
bool writeFileAtomically(const std::string& path, std::string_view content, FileError& error);

// The same, for content too large to hold twice: `produce` hands the content over piece by
// piece to the function it is given, which writes it out in large blocks.
using ContentPieces = std::function<void(std::string_view piece)>;
bool writeFileAtomically(const std::string& path, const std::function<void(const ContentPieces&)>& produce,
                         FileError& error);

// Joins lines, each ended by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

}  // namespace lavix::text
