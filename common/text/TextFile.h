// Whole-file text reading (CR LF or LF) and atomic writing (CR LF).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lavix::text {

// A failure of the file system, worded as the user sees it ("File not found").
struct FileError {
  int number = 0;     // the classic run-time error number (53 file not found, 76 path not found ...)
  std::string text;   // the platform's report of the error
};

// Reads a whole file; false and `error` filled when it cannot be opened or read.
bool readFile(const std::string& path, std::string& content, FileError& error);

// Splits text into lines ended by CR LF, LF or a lone CR; a last line without an end
// counts, an empty text gives no lines.
std::vector<std::string> splitLines(std::string_view content);

// The same lines as views into `content`, which must outlive them.
std::vector<std::string_view> splitLineViews(std::string_view content);

// Reads a file's lines; false and `error` filled when it cannot be read.
bool readLines(const std::string& path, std::vector<std::string>& lines, FileError& error);

// Writes `content` to a temporary file beside `path` and renames it over `path`, so a
// failed write never destroys the old file.
bool writeFileAtomically(const std::string& path, std::string_view content, FileError& error);

// Joins lines, each ended by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

}  // namespace lavix::text
