// Fuzz target: the diagram library reader in its three families, then each record's field lines
// drawn and its closed fields built and looked up, as Diagram and Classify samples do.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/graphics/Recording.h"
#include "lavix/diagram/FieldClassification.h"
#include "lavix/diagram/FieldOverlay.h"
#include "lavix/diagram/LibraryFile.h"

namespace {

using namespace lavix::diagram;

void drawAndClassify(const LibraryRecord& r, const uint8_t* data, size_t size) {
  DiagramSettings s;
  s.diagramKind = r.ternary() ? "TRI" : "XY";
  s.diagramFamily = "DDIAGS";
  s.frameLeft = 1500, s.frameRight = 10100, s.frameBottom = 1300, s.frameTop = 7400;
  s.frameWidth = 8600, s.frameHeight = 6100;
  if (r.ternary()) {
    s.xClipMin = r.clip[0], s.xClipMax = r.clip[1], s.yClipMin = r.clip[2];
    s.yClipMax = r.clip[3], s.zClipMin = r.clip[4], s.zClipMax = r.clip[5];
  } else {
    s.plot.xLog = r.axis[0].log, s.plot.yLog = r.axis[1].log;
    s.x.start = r.axis[0].start, s.x.end = r.axis[0].end;
    s.y.start = r.axis[1].start, s.y.end = r.axis[1].end;
    s.x.span = s.x.end - s.x.start, s.y.span = s.y.end - s.y.start;
  }
  OverlayTable t;
  for (const FieldPoint& p : r.points) t.x.push_back(p.x), t.y.push_back(p.y), t.pen.push_back(p.pen), t.text.emplace_back();
  for (const FieldLabel& l : r.labels) t.x.push_back(l.x), t.y.push_back(l.y), t.pen.push_back(0), t.text.push_back(l.text);
  t.fieldLines = static_cast<int16_t>(r.points.size());
  t.fieldLabels = static_cast<int16_t>(r.labels.size());
  lavix::graphics::Recording recording;
  recordFieldOverlay(recording, s, t, FieldOverlayStyle{});

  // A few rows placed by the input's bytes.
  const int rows = 4;
  s.plot.allocate(rows);
  for (int row = 1; row <= rows; ++row) {
    const auto byte = [&](std::size_t i) { return i < size ? static_cast<float>(data[i]) / 16.0f : 0.5f; };
    s.plot.xValue[static_cast<std::size_t>(row)] = byte(3 * static_cast<std::size_t>(row));
    s.plot.yValue[static_cast<std::size_t>(row)] = byte(3 * static_cast<std::size_t>(row) + 1);
    s.plot.zValue[static_cast<std::size_t>(row)] = byte(3 * static_cast<std::size_t>(row) + 2);
  }
  const FieldClassification c = classifyRows(s, t, rows, true);
  if (c.problem.empty() && c.fieldOf.size() != static_cast<std::size_t>(rows) + 1) __builtin_trap();
  if (!c.problem.empty() && c.classified != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> pages = {"Full page", "Left half", "Right half"};
  for (LibraryFamily family : {LibraryFamily::diagrams, LibraryFamily::cmas, LibraryFamily::minerals}) {
    LibraryFile file;
    std::string error;
    if (!readLibraryText(content, family, file, error)) {
      if (error.empty()) __builtin_trap();
      continue;
    }
    if (file.tokens.size() > static_cast<std::size_t>(maxLibraryTokens) ||
        file.records.size() > static_cast<std::size_t>(maxLibraryRecords))
      __builtin_trap();
    for (std::size_t k = 0; k < file.records.size(); ++k) {
      LibraryRecord r;
      if (!decodeLibraryRecord(file, k, pages, r, error)) {
        if (error.empty()) __builtin_trap();
        continue;
      }
      if (r.points.size() + r.labels.size() > static_cast<std::size_t>(maxFieldPositions)) __builtin_trap();
      if (r.pagePosition < 1 || r.pagePosition > 3) __builtin_trap();
      drawAndClassify(r, data, size);
    }
  }
  return 0;
}
