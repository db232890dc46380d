// Every record of every library file is read and drawn on the example data: the shipped
// Diagrams, CMAS and MIN folders, and this suite's own records. A failure names the file and
// the record.
#include <algorithm>
#include <filesystem>

#include "common/text/Text.h"
#include "lavix/diagram/LibraryFile.h"
#include "tests/library/LibraryFixture.h"

namespace lavix::testing {
namespace {

namespace fs = std::filesystem;

struct LibraryFolder {
  const char* folder;
  diagram::LibraryFamily family;
  const char* command;
};
const LibraryFolder libraryFolders[] = {{"Diagrams", diagram::LibraryFamily::diagrams, "mdiag"},
                                        {"CMAS", diagram::LibraryFamily::cmas, "mcmas"},
                                        {"MIN", diagram::LibraryFamily::minerals, "mmin"}};

class ShippedLibraryTest : public LibraryFixture {
 protected:
  // The program folder as shipped: the test records are copied only where a test asks.
  void SetUp() override { ASSERT_EQ(f.start(), app::StartupOutcome::Ready); }

  // Draws every record below the session's program folder; returns how many were drawn.
  int drawEveryRecord() {
    loadExample();
    int drawn = 0;
    for (const LibraryFolder& library : libraryFolders) {
      const fs::path dir = fs::path(f.folder.path()) / library.folder;
      if (!fs::is_directory(dir)) continue;
      std::vector<std::string> names;
      for (const auto& entry : fs::directory_iterator(dir))
        if (text::toUpper(entry.path().extension().string()) == ".TXT") names.push_back(entry.path().filename().string());
      std::sort(names.begin(), names.end());
      for (const std::string& name : names) drawn += drawFile(library, name);
    }
    return drawn;
  }

 private:
  int drawFile(const LibraryFolder& library, const std::string& name) {
    const std::string upper = text::toUpper(name);
    if (upper.find("README") != std::string::npos || upper.find("REEINVERSEMODEL") != std::string::npos) return 0;
    const std::string relative = std::string(library.folder) + "/" + name;
    diagram::LibraryFile file;
    std::string error;
    if (!diagram::readLibraryText(readWholeFile(f.folder.path() + "/" + relative), library.family, file, error)) {
      ADD_FAILURE() << relative << ": " << error;
      return 0;
    }
    if (file.records.empty()) ADD_FAILURE() << relative << " holds no diagrams";
    int drawn = 0;
    const bool everyRecordAtOnce = library.family != diagram::LibraryFamily::diagrams;
    if (everyRecordAtOnce) {
      std::vector<std::string> answers = {relative};
      if (library.family == diagram::LibraryFamily::cmas) answers.push_back("Leave it unchanged");
      if (!drawn1(relative, "(every record)", library.command, answers)) return 0;
      if (session().library.pageDiagrams.size() + 1 != file.records.size())
        ADD_FAILURE() << relative << ": " << session().library.pageDiagrams.size() + 1 << " diagrams drawn of "
                      << file.records.size();
    }
    for (std::size_t k = 0; k < file.records.size(); ++k) {
      const std::string record = file.records[k].name;
      const std::string pick = "#" + std::to_string(k + 1);
      const bool ok = everyRecordAtOnce ? drawn1(relative, record, "newx", {pick})
                                        : drawn1(relative, record, library.command, {relative, pick});
      if (!ok) continue;
      diagram::LibraryRecord decoded;
      std::vector<std::string> pages;
      for (int p = 1; p <= session().page.positionCount; ++p) pages.push_back(session().page.position[static_cast<std::size_t>(p)].name);
      if (!diagram::decodeLibraryRecord(file, k, pages, decoded, error)) continue;
      EXPECT_EQ(session().library.currentName, record) << relative << ", record " << record;
      EXPECT_EQ(session().overlays.fieldLines, static_cast<int>(decoded.points.size())) << relative << ", " << record;
      EXPECT_EQ(session().overlays.fieldLabels, static_cast<int>(decoded.labels.size())) << relative << ", " << record;
      ++drawn;
    }
    return drawn;
  }

  // One command; false (and a failure naming the file and record) when the library refused it.
  bool drawn1(const std::string& relative, const std::string& record, const char* command,
              const std::vector<std::string>& answers) {
    const std::size_t from = f.transcript.size();
    f.click(command, answers);
    if (f.prompts.failed()) {
      ADD_FAILURE() << relative << ", record " << record << ": " << f.prompts.failure().text;
      return false;
    }
    for (std::size_t i = from; i < f.transcript.size(); ++i)
      if (f.transcript.lines()[i].rfind("message: Diagram file", 0) == 0) {
        ADD_FAILURE() << relative << ", record " << record << ": " << f.transcript.lines()[i];
        return false;
      }
    if (session().recording.empty() || !session().library.showing()) {
      ADD_FAILURE() << relative << ", record " << record << ": nothing was drawn";
      return false;
    }
    return true;
  }
};

TEST_F(ShippedLibraryTest, EveryShippedRecordIsDrawn) {
  const int drawn = drawEveryRecord();
  RecordProperty("records", drawn);
}

TEST_F(ShippedLibraryTest, EveryTestRecordIsDrawn) {
  copyTestRecords();
  EXPECT_GE(drawEveryRecord(), 8);
}

}  // namespace
}  // namespace lavix::testing
