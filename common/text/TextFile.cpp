// Whole-file text reading (CR LF or LF) and atomic writing (CR LF).
#include "common/text/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace lavix::text {

namespace {

FileError errorFromErrno(int code, const std::string& path) {
  namespace fs = std::filesystem;
  if (code == ENOENT) {
    std::error_code ignored;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty() && !fs::is_directory(parent, ignored)) return {76, "Path not found"};
    return {53, "File not found"};
  }
  if (code == ENOTDIR) return {76, "Path not found"};
  if (code == EACCES || code == EPERM) return {75, "Path/File access error"};
  if (code == EISDIR) return {75, "Path/File access error"};
  if (code == ENOSPC) return {61, "Disk full"};
  return {57, std::string("Device I/O error: ") + std::strerror(code)};
}

}  // namespace

bool readFile(const std::string& path, std::string& content, FileError& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = {75, "Path/File access error"};
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = errorFromErrno(errno, path);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    error = {57, "Device I/O error"};
    return false;
  }
  content = std::move(buffer).str();
  return true;
}

std::vector<std::string_view> splitLineViews(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < content.size(); ++i) {
    char c = content[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(content.substr(start, i - start));
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < content.size()) lines.push_back(content.substr(start));
  return lines;
}

std::vector<std::string> splitLines(std::string_view content) {
  std::vector<std::string_view> views = splitLineViews(content);
  return std::vector<std::string>(views.begin(), views.end());
}

bool readLines(const std::string& path, std::vector<std::string>& lines, FileError& error) {
  std::string content;
  if (!readFile(path, content, error)) return false;
  lines = splitLines(content);
  return true;
}

bool writeFileAtomically(const std::string& path, std::string_view content, FileError& error) {
  namespace fs = std::filesystem;
  std::string temporary = path + ".tmp-lavix";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = errorFromErrno(errno, path);
      return false;
    }
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      error = {61, "Disk full"};
      out.close();
      std::remove(temporary.c_str());
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    error = errorFromErrno(ec.value(), path);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool directoryExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace lavix::text
