// Every record of every shipped library file (Diagrams, CMAS, MIN) is read and drawn on the
// example data without a message (but for trace elements the data lack), plots no point off its
// axes, and classifies samples where the README does not list its fields as open. A failure
// names the file and the record.
#include <algorithm>
#include <filesystem>
#include <set>

#include "common/graphics/TextMetrics.h"
#include "common/text/Text.h"
#include "lavix/diagram/FieldClassification.h"
#include "lavix/diagram/FieldOverlay.h"
#include "lavix/diagram/LibraryFile.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/Ternary.h"
#include "lavix/models/SegmentClip.h"
#include "tests/library/LibraryFixture.h"

namespace lavix::testing {
namespace {

namespace fs = std::filesystem;

// Whether segment ab runs through the box.
bool segmentMeetsBox(graphics::Point a, graphics::Point b, double left, double bottom, double right, double top) {
  return models::clipSegment({static_cast<double>(a.x), static_cast<double>(a.y)},
                             {static_cast<double>(b.x), static_cast<double>(b.y)}, left, right, bottom, top)
      .has_value();
}

struct LibraryFolder {
  const char* folder;
  diagram::LibraryFamily family;
  const char* command;
};
const LibraryFolder libraryFolders[] = {{"Diagrams", diagram::LibraryFamily::diagrams, "mdiag"},
                                        {"CMAS", diagram::LibraryFamily::cmas, "mcmas"},
                                        {"MIN", diagram::LibraryFamily::minerals, "mmin"}};

// The records the README lists as open, partly open or without fields: their lines need not
// close every labelled field.
const std::set<std::string> notClosing = {
    "TAS_Middlemost", "TAS_alkaline_divide", "TAS_Kuno_Macdonald", "Jensen", "Zr/TiO2-Nb/Y", "SiO2-Zr/TiO2",
    "TAS_plutonic", "R1-R2", "An-Ab-Or_Barker", "K2O-SiO2", "K2O-SiO2_extrap", "MgO-FeOt-Al2O3", "TiO2/Yb-Nb/Yb",
    "Ti-Zr_lavas", "K2O/Yb-Ta/Yb", "Th/Yb-Ta/Yb", "Ti/Y-Nb/Y", "Hf-Rb-Ta", "Sylvester", "Zr/Al2O3-TiO2/Al2O3",
    "Ce/P2O5-Zr/TiO2", "Zr/Al2O3-P2O5/Al2O3", "Ol->CS-MS-A", "En->M2S-C2S3-A2S3", "Di->C3A-M-S", "Di->Ol-An-Qz",
    "An->Ol-Di-Qz", "Qz->Ol-Pl-Cpx", "Pl->Ol-Cpx-Qz", "Cpx->Ol-Pl-Qz", "Plag->Ol-Cpx-Qtz", "Cpx->Ol-Plag-Qtz",
    "Pl->Ne-Di-Ol", "Garnet_Prp-Alm-Grs"};

class ShippedLibraryTest : public LibraryFixture {
 protected:
  void SetUp() override { ASSERT_EQ(f.start(), app::StartupOutcome::Ready); }

  // The field names of the diagram shown that a drawn line (field line, tick, frame or triangle
  // side) strikes through or that run out of the diagram: each name's box from its baseline to
  // the top of its capitals, in page units.
  std::vector<std::string> struckLabels(const std::vector<std::string>& only) {
    using graphics::Point;
    std::vector<std::pair<Point, Point>> lines;
    std::vector<Point> outline;
    if (settings().diagramKind == "TRI") {
      const diagram::TernaryGeometry g = diagram::ternaryGeometry(settings());
      for (const diagram::Fractions& c : g.outline) outline.push_back(g.project(c));
    } else {
      const auto& s = settings();
      outline = {{s.frameLeft, s.frameBottom}, {s.frameRight, s.frameBottom}, {s.frameRight, s.frameTop},
                 {s.frameLeft, s.frameTop}};
    }
    for (std::size_t i = 0; i < outline.size(); ++i) lines.emplace_back(outline[i], outline[(i + 1) % outline.size()]);
    // The lines of each label start at its anchor's page x.
    std::set<std::pair<std::string, int32_t>> names;
    const diagram::OverlayTable& o = session().overlays;
    for (int i = o.fieldLines; i < o.fieldLines + o.fieldLabels; ++i) {
      const auto at = static_cast<std::size_t>(i);
      if (!only.empty() && std::find(only.begin(), only.end(), o.text[at]) == only.end()) continue;
      const int32_t x = diagram::projectData(settings(), o.x[at], o.y[at]).x;
      for (const std::string& line : diagram::labelLines(o.text[at])) names.insert({line, x});
    }
    std::vector<std::string> struck;
    for (const graphics::Operation& op : session().recording.operations()) {
      if (const auto* l = std::get_if<graphics::Line>(&op)) lines.emplace_back(l->from, l->to);
      if (const auto* p = std::get_if<graphics::Polyline>(&op))
        for (std::size_t k = 1; k < p->points.size(); ++k) lines.emplace_back(p->points[k - 1], p->points[k]);
    }
    graphics::SelectFont font;
    for (const graphics::Operation& op : session().recording.operations()) {
      if (const auto* selected = std::get_if<graphics::SelectFont>(&op)) font = *selected;
      const auto* t = std::get_if<graphics::Text>(&op);
      if (!t || (names.count({t->text, t->at.x}) == 0 && names.count({t->text, t->at.x - 1}) == 0 &&
                 names.count({t->text, t->at.x + 1}) == 0))
        continue;
      const double left = t->at.x, bottom = t->at.y;
      const double right = left + graphics::textWidth(t->text, font.height, font.bold);
      const double top = bottom + 0.73 * graphics::emHeight(font.height);
      for (const auto& [a, b] : lines)
        if (segmentMeetsBox(a, b, left, bottom, right, top)) {
          struck.push_back(t->text);
          break;
        }
    }
    return struck;
  }

  int drawFile(const LibraryFolder& library, const std::string& name) {
    const std::string relative = std::string(library.folder) + "/" + name;
    diagram::LibraryFile file;
    std::string error;
    if (!diagram::readLibraryText(readWholeFile(f.folder.path() + "/" + relative), library.family, file, error)) {
      ADD_FAILURE() << relative << ": " << error;
      return 0;
    }
    if (file.records.empty()) ADD_FAILURE() << relative << " holds no diagrams";
    const bool everyRecordAtOnce = library.family != diagram::LibraryFamily::diagrams;
    if (everyRecordAtOnce) {
      std::vector<std::string> answers = {relative};
      if (library.family == diagram::LibraryFamily::cmas) answers.push_back("Leave it unchanged");
      if (!drawn(relative, "(every record)", library.command, answers)) return 0;
      EXPECT_EQ(session().library.pageDiagrams.size() + 1, file.records.size()) << relative;
    }
    int count = 0;
    for (std::size_t k = 0; k < file.records.size(); ++k) {
      const std::string record = file.records[k].name;
      const std::vector<std::string> pick = {"#" + std::to_string(k + 1)};
      if (!(everyRecordAtOnce ? drawn(relative, record, "newx", pick)
                              : drawn(relative, record, library.command, {relative, pick[0]})))
        continue;
      const std::string where = relative + ", record " + record;
      EXPECT_EQ(session().library.currentName, record) << where;
      expectOnItsAxes(where);
      const diagram::FieldClassification fields =
          diagram::classifyRows(settings(), session().overlays, session().data.rowCount, session().window.zerosIn);
      if (notClosing.count(record) == 0) {
        EXPECT_EQ(fields.problem, "") << where;
      }
      ++count;
    }
    return count;
  }

 private:
  // One command; false (and a failure naming the file and record) when it was refused or said
  // anything but the pyroxene check.
  bool drawn(const std::string& relative, const std::string& record, const char* command,
             const std::vector<std::string>& answers) {
    const std::size_t from = f.transcript.size();
    f.click(command, answers);
    const std::string where = relative + ", record " + record;
    if (f.prompts.failed()) {
      ADD_FAILURE() << where << ": " << f.prompts.failure().text;
      return false;
    }
    bool quiet = true;
    for (std::size_t i = from; i < f.transcript.size(); ++i) {
      const std::string& line = f.transcript.lines()[i];
      if (line.rfind("message: ", 0) == 0 && line.find("non-quad. comps.") == std::string::npos &&
          !absentElement(line)) {
        ADD_FAILURE() << where << ": " << line;
        quiet = false;
      }
    }
    if (session().recording.empty() || !session().library.showing()) {
      ADD_FAILURE() << where << ": nothing was drawn";
      return false;
    }
    return quiet;
  }

  // "Did not match" a trace element that the example data lack: the diagram is drawn empty.
  bool absentElement(const std::string& line) {
    const std::string prefix = "message: Did not match ";
    if (line.rfind(prefix, 0) != 0) return false;
    const std::string name = line.substr(prefix.size());
    if (session().standard.indexOfName(name) > 0) return false;
    for (int c = 1; c <= session().data.columnCount; ++c)
      if (text::normaliseName(session().data.columnName[static_cast<std::size_t>(c)]) == text::normaliseName(name))
        return false;
    return true;
  }

  // A plotted X-Y point lies within both axes (a zero on a log axis is left out, not drawn).
  void expectOnItsAxes(const std::string& where) {
    if (settings().diagramKind != "XY") return;
    auto within = [](float v, const diagram::AxisSettings& a) {
      return v >= std::min(a.start, a.end) - 1e-4f && v <= std::max(a.start, a.end) + 1e-4f;
    };
    for (int row : session().plottedRows)
      if (!within(x(row), settings().x) || !within(y(row), settings().y)) {
        ADD_FAILURE() << where << ": row " << row << " plotted at " << x(row) << ", " << y(row);
        return;
      }
  }
};

// Field names that once ran across the lines of their records (every name of the TAS record).
TEST_F(ShippedLibraryTest, FieldNamesReadClearOfTheLines) {
  loadExample();
  struct Audited {
    const char* file;
    const char* record;  // empty: the file's only diagram, drawn by mmin
    std::vector<std::string> labels;  // none: every label
  };
  const Audited audited[] = {
      {"Diagrams/volcanic-classification.txt", "TAS", {}},
      {"Diagrams/volcanic-classification.txt", "TAS_Middlemost",
       {"Picro-|basalt", "Tephri-|phonolite", "Sodalitite/|nephelinolith/|leucitolith", "Trachy-|andesite",
        "Trachy-|dacite", "Phono-|tephrite", "Andesite"}},
      {"Diagrams/volcanic-classification.txt", "Jensen", {}},
      {"Diagrams/plutonic-classification.txt", "R1-R2", {"Sy-gb", "Mz-di"}},
      {"Diagrams/basalt-tectonic-setting.txt", "Ti-Zr-Y", {}},
      {"Diagrams/immobile-element-classification.txt", "Th-Co", {}},
      {"MIN/feldspar.txt", "", {"Albite", "Oligoclase", "Andesine", "Labradorite", "Bytownite", "An"}}};
  for (const Audited& a : audited) {
    const std::string where = std::string(a.file) + " " + a.record;
    if (*a.record == 0) {
      f.click("mmin", {a.file});
    } else {
      diagram::LibraryFile library;
      std::string error;
      ASSERT_TRUE(diagram::readLibraryText(readWholeFile(f.folder.path() + "/" + a.file),
                                           diagram::LibraryFamily::diagrams, library, error));
      std::size_t k = 0;
      while (k < library.records.size() && library.records[k].name != a.record) ++k;
      ASSERT_LT(k, library.records.size()) << where;
      f.click("mdiag", {a.file, "#" + std::to_string(k + 1)});
    }
    ASSERT_TRUE(session().library.showing()) << where;
    EXPECT_EQ(struckLabels(a.labels), std::vector<std::string>()) << where;
  }
}

TEST_F(ShippedLibraryTest, EveryRecordIsDrawnQuietlyAndClassifiesWhereItsFieldsClose) {
  loadExample();
  int drawnRecords = 0;
  for (const LibraryFolder& library : libraryFolders) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(f.folder.path()) / library.folder))
      if (text::toUpper(entry.path().extension().string()) == ".TXT") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
      // Such a file is the inverse model's preparation, run as a whole: the CLI test inverse_model runs it.
      if (text::toUpper(name).find("REEINVERSEMODEL") == std::string::npos) drawnRecords += drawFile(library, name);
  }
  EXPECT_EQ(drawnRecords, 74 + 13 + 7);
}

}  // namespace
}  // namespace lavix::testing
