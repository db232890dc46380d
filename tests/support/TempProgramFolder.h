// A temporary copy of the shipped program folder, removed when the test ends.
#pragma once

#include <string>

namespace lavix::testing {

class TempProgramFolder {
 public:
  TempProgramFolder();
  ~TempProgramFolder();
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  // The folder, without a trailing separator.
  const std::string& path() const { return path_; }
  std::string controls(const std::string& name) const { return path_ + "/Controls/" + name; }
  std::string dataFiles(const std::string& name) const { return path_ + "/Data Files/" + name; }
  // Writes a file below the folder (relative path), creating folders as needed.
  std::string write(const std::string& relative, const std::string& content) const;

 private:
  std::string path_;
};

// A fresh empty temporary folder, removed when the test ends.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string write(const std::string& relative, const std::string& content) const;

 private:
  std::string path_;
};

std::string readWholeFile(const std::string& path);
std::string testDataPath(const std::string& relative);

}  // namespace lavix::testing
