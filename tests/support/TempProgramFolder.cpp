// A temporary copy of the shipped program folder, removed when the test ends.
#include "tests/support/TempProgramFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace lavix::testing {

namespace fs = std::filesystem;

namespace {
std::string makeUniqueFolder(const char* stem) {
  static std::atomic<int> counter{0};
  fs::path base = fs::temp_directory_path();
  for (;;) {
    fs::path candidate = base / (std::string(stem) + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) return candidate.string();
  }
}

std::string writeBelow(const std::string& root, const std::string& relative, const std::string& content) {
  fs::path target = fs::path(root) / relative;
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write test file " + target.string());
  return target.string();
}
}  // namespace

TempProgramFolder::TempProgramFolder() : path_(makeUniqueFolder("lavix-base-")) {
  fs::copy(LAVIX_PROGRAMFOLDER_DIR, path_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

TempProgramFolder::~TempProgramFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempProgramFolder::write(const std::string& relative, const std::string& content) const {
  return writeBelow(path_, relative, content);
}

TempFolder::TempFolder() : path_(makeUniqueFolder("lavix-tmp-")) {}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempFolder::write(const std::string& relative, const std::string& content) const {
  return writeBelow(path_, relative, content);
}

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::string testDataPath(const std::string& relative) { return std::string(LAVIX_TEST_DATA_DIR) + "/" + relative; }

}  // namespace lavix::testing
