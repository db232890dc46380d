// The recent-file list Controls/filenames.ini: the captions of mLastFile1..mLastFile5.
#include "lavix/app/RecentFiles.h"

#include <filesystem>
#include <vector>

#include "common/text/Text.h"

namespace lavix::app {

const std::string& RecentFiles::caption(int entry) const {
  static const std::string none;
  if (entry < 1 || entry > recentFileCount) return none;
  return captions[static_cast<std::size_t>(entry - 1)];
}

void RecentFiles::setCaption(int entry, std::string text) {
  if (entry < 1 || entry > recentFileCount) return;
  captions[static_cast<std::size_t>(entry - 1)] = std::move(text);
}

namespace {

// Two spellings of one file ("./a.txt", "a.txt", a link) name it once.
bool sameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code ec;
  return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

void RecentFiles::bringToTop(const std::string& path) {
  int last = recentFileCount;
  for (int entry = 1; entry <= recentFileCount; ++entry)
    if (sameFile(caption(entry), path)) {
      last = entry;
      break;
    }
  for (int entry = last; entry > 1; --entry) setCaption(entry, caption(entry - 1));
  setCaption(1, path);
}

bool readRecentFiles(const std::string& path, RecentFiles& recent, text::FileError& error) {
  std::vector<std::string> lines;
  if (!text::readLines(path, lines, error)) return false;
  if (lines.size() > static_cast<std::size_t>(recentFileLinesRead)) lines.resize(recentFileLinesRead);

  RecentFiles read;
  for (std::size_t i = 0; i < lines.size() && i < read.captions.size(); ++i) {
    std::string entry = text::trim(lines[i]);
    if (entry.size() >= 2 && entry.front() == '"' && entry.back() == '"') entry = entry.substr(1, entry.size() - 2);
    read.captions[i] = std::move(entry);
  }
  recent = std::move(read);
  return true;
}

bool writeRecentFiles(const std::string& path, const RecentFiles& recent, text::FileError& error) {
  std::vector<std::string> lines(recent.captions.begin(), recent.captions.end());
  return text::writeFileAtomically(path, text::joinLinesCrLf(lines), error);
}

}  // namespace lavix::app
