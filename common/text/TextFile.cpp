// Whole-file text reading (CR LF or LF, UTF-8 or UTF-16) and atomic writing (CR LF).
#include "common/text/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace lavix::text {

namespace {

namespace fs = std::filesystem;

constexpr const char* notAFileText = "Not a file (a pipe, device or socket)";
constexpr const char* readOnlyText = "Permission denied: the file is read-only";
constexpr const char* fileTooLargeText = "File too large: ";

FileError errorFromErrno(int code, const std::string& path) {
  if (code == ENOENT) {
    std::error_code ignored;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty() && !fs::is_directory(parent, ignored)) return {76, "Path not found"};
    return {53, "File not found"};
  }
  if (code == ENOTDIR) return {76, "Path not found"};
  if (code == EACCES || code == EPERM) return {75, "Path/File access error"};
  if (code == EISDIR) return {75, "Path/File access error"};
  if (code == ENOSPC || code == EDQUOT) return {61, "Disk full"};
  return {57, std::string("Device I/O error: ") + std::strerror(code)};
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failure to write back shows.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

void appendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string fromUtf16(std::string_view bytes, bool littleEndian) {
  constexpr std::uint32_t replacement = 0xFFFD;
  auto unit = [&](std::size_t i) -> std::uint32_t {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    return littleEndian ? (a | b << 8) : (a << 8 | b);
  };
  auto isHigh = [](std::uint32_t u) { return u >= 0xD800 && u < 0xDC00; };
  auto isLow = [](std::uint32_t u) { return u >= 0xDC00 && u < 0xE000; };
  std::string out;
  out.reserve(bytes.size() / 2);
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    std::uint32_t c = unit(i);
    if (isHigh(c) && i + 3 < bytes.size() && isLow(unit(i + 2))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (isHigh(c) || isLow(c)) {
      c = replacement;
    }
    appendUtf8(out, c);
  }
  if (i < bytes.size()) appendUtf8(out, replacement);
  return out;
}

FileError tooLarge(const std::string& size, std::uint64_t limit) {
  return {fileTooLargeError, fileTooLargeText + size + " (at most " + byteSizeText(limit) + " can be read)"};
}

}  // namespace

std::string toUtf8(std::string bytes) {
  auto startsWith = [&](std::string_view mark) { return std::string_view(bytes).substr(0, mark.size()) == mark; };
  if (startsWith("\xEF\xBB\xBF")) return bytes.erase(0, 3);
  if (startsWith("\xFF\xFE")) return fromUtf16(std::string_view(bytes).substr(2), true);
  if (startsWith("\xFE\xFF")) return fromUtf16(std::string_view(bytes).substr(2), false);
  return bytes;
}

std::uint64_t tableFileLimit(int rows, int fields) {
  constexpr std::uint64_t bytesPerField = 64;
  constexpr std::uint64_t floor = 16ull << 20;
  const std::uint64_t table = static_cast<std::uint64_t>(rows > 0 ? rows : 0) *
                              static_cast<std::uint64_t>(fields > 0 ? fields : 0) * bytesPerField;
  return table > floor ? table : floor;
}

std::string byteSizeText(std::uint64_t bytes) {
  const char* units[] = {"bytes", "KB", "MB", "GB", "TB"};
  double size = static_cast<double>(bytes);
  int unit = 0;
  while (size >= 1024 && unit < 4) size /= 1024, ++unit;
  char text[32];
  std::snprintf(text, sizeof text, unit == 0 || size >= 10 ? "%.0f %s" : "%.1f %s", size, units[unit]);
  return text;
}

bool readFile(const std::string& path, std::string& content, FileError& error, const ReadLimits& limits) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer before the check below.
  const int flags = O_RDONLY | O_CLOEXEC | (limits.regularFileOnly ? O_NONBLOCK : 0);
  FileDescriptor fd(::open(path.c_str(), flags));
  if (fd.get() < 0) {
    error = errorFromErrno(errno, path);
    return false;
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) {
    error = errorFromErrno(errno, path);
    return false;
  }
  if (S_ISDIR(status.st_mode)) {
    error = {75, "Path/File access error"};
    return false;
  }
  const bool regular = S_ISREG(status.st_mode);
  if (!regular && limits.regularFileOnly) {
    error = {75, notAFileText};
    return false;
  }
  if (regular && static_cast<std::uint64_t>(status.st_size) > limits.maxBytes) {
    error = tooLarge(byteSizeText(static_cast<std::uint64_t>(status.st_size)), limits.maxBytes);
    return false;
  }
  // Read straight into the text: a regular file's size is known, a stream grows it by blocks.
  constexpr std::size_t block = 1 << 16;
  std::string bytes(regular ? static_cast<std::size_t>(status.st_size) + 1 : block, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(filled + std::max(block, filled / 2));
    const ssize_t count = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      error = errorFromErrno(errno, path);
      return false;
    }
    if (count == 0) break;
    filled += static_cast<std::size_t>(count);
    // A file that grows while it is read, or a stream, is held to the same limit.
    if (filled > limits.maxBytes) {
      error = tooLarge("more than " + byteSizeText(limits.maxBytes), limits.maxBytes);
      return false;
    }
  }
  bytes.resize(filled);
  content = toUtf8(std::move(bytes));
  return true;
}

std::vector<std::string_view> splitLineViews(std::string_view content) {
  std::vector<std::string_view> lines;
  const char* p = content.data();
  const char* const end = p + content.size();
  auto find = [](const char* from, const char* to, char c) {
    const void* at = std::memchr(from, c, static_cast<std::size_t>(to - from));
    return at ? static_cast<const char*>(at) : nullptr;
  };
  // Files end their lines in LF or CR LF: look for the LF first, then for CRs before it.
  while (p < end) {
    const char* lf = find(p, end, '\n');
    const char* lineEnd = lf ? lf : end;
    for (const char* cr = find(p, lineEnd, '\r'); cr; cr = find(p, lineEnd, '\r')) {
      if (cr + 1 == lf) {
        lineEnd = cr;
        break;
      }
      lines.emplace_back(p, static_cast<std::size_t>(cr - p));  // a lone CR ends a line too
      p = cr + 1;
    }
    if (!lf) {
      if (p < end) lines.emplace_back(p, static_cast<std::size_t>(end - p));
      break;
    }
    lines.emplace_back(p, static_cast<std::size_t>(lineEnd - p));
    p = lf + 1;
  }
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
  return writeFileAtomically(path, [content](const ContentPieces& write) { write(content); }, error);
}

bool writeFileAtomically(const std::string& path, const std::function<void(const ContentPieces&)>& produce,
                         FileError& error) {
  std::error_code ec;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    target = fs::weakly_canonical(target, ec);
    if (ec) {
      error = errorFromErrno(ec.value(), path);
      return false;
    }
  }
  // A new file gets what the user's umask gives any new file; an existing one keeps its own.
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  mode_t mode = 0;
  if (exists) {
    if (S_ISDIR(existing.st_mode)) {
      error = {75, "Path/File access error"};
      return false;
    }
    if (!S_ISREG(existing.st_mode)) {
      error = {75, notAFileText};
      return false;
    }
    // The write bits decide, for root too: a file made read-only is kept as it is.
    if ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
      error = {readOnlyFileError, readOnlyText};
      return false;
    }
    mode = existing.st_mode & 07777;
  } else if (errno != ENOENT) {
    error = errorFromErrno(errno, path);
    return false;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  FileDescriptor fd(::mkstemp(pattern.data()));
  if (fd.get() < 0) {
    error = errorFromErrno(errno, path);
    return false;
  }
  const std::string temporary = pattern;
  auto fail = [&](int code) {
    error = errorFromErrno(code, path);
    ::unlink(temporary.c_str());
    return false;
  };
  int writeError = 0;
  auto writeAll = [&](std::string_view bytes) {
    for (std::size_t written = 0; written < bytes.size() && writeError == 0;) {
      const ssize_t count = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) writeError = errno;
      else written += static_cast<std::size_t>(count);
    }
  };
  constexpr std::size_t blockSize = 1 << 18;
  std::string block;
  produce([&](std::string_view piece) {
    if (writeError != 0) return;
    if (block.size() + piece.size() > blockSize) {
      writeAll(block);
      block.clear();
    }
    if (piece.size() >= blockSize) writeAll(piece);
    else block.append(piece);
  });
  writeAll(block);
  if (writeError != 0) return fail(writeError);
  if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
    // Only root can give the file back to its owner; anyone else makes it their own, as any save does.
    if (::fchown(fd.get(), existing.st_uid, existing.st_gid) != 0) {
    }
  }
  if (::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0) return fail(errno);
  if (!fd.close()) return fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
  // The rename itself reaches the disk with the folder.
  FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
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
