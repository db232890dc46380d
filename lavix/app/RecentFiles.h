// The recent-file list Controls/filenames.ini: the captions of mLastFile1..mLastFile5.
#pragma once

#include <array>
#include <string>

#include "common/text/TextFile.h"

namespace lavix::app {

inline constexpr int recentFileCount = 5;
inline constexpr int recentFileLinesRead = 10;

struct RecentFiles {
  std::array<std::string, recentFileCount> captions{};

  // Entry 1..5; empty outside that range.
  const std::string& caption(int entry) const;
  void setCaption(int entry, std::string text);
  // `path` becomes entry 1; the entries above it shift down one place, so an entry already
  // naming the same file leaves the list rather than showing twice (else entry 5 drops out).
  void bringToTop(const std::string& path);
};

// Reads up to 10 lines, one path per line (a line is taken whole, so paths may hold commas);
// the first five become the captions, missing ones empty. Surrounding blanks and a pair
// of enclosing double quotes are removed. False with `error` filled, and `recent`
// unchanged, when the file cannot be read.
bool readRecentFiles(const std::string& path, RecentFiles& recent, text::FileError& error);

// Writes the five captions as plain lines, CR LF, atomically.
bool writeRecentFiles(const std::string& path, const RecentFiles& recent, text::FileError& error);

}  // namespace lavix::app
