// The diagram library at the largest data set (32767 rows): classifying every row by the TAS
// fields, and building the closed fields of a record at the overlay table's limit of 300 points.
#include <benchmark/benchmark.h>

#include <fstream>
#include <stdexcept>
#include <sstream>

#include "lavix/diagram/FieldClassification.h"
#include "lavix/diagram/FieldRegions.h"
#include "lavix/diagram/LibraryFile.h"

namespace {

using namespace lavix::diagram;

constexpr int rows = 32767;

struct TasDiagram {
  DiagramSettings settings;
  OverlayTable overlays;

  TasDiagram() {
    std::ifstream in(std::string(LAVIX_LIBRARY_RECORDS) + "/Diagrams/tas.txt", std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    LibraryFile file;
    LibraryRecord record;
    std::string error;
    if (!readLibraryText(content.str(), LibraryFamily::diagrams, file, error) ||
        !decodeLibraryRecord(file, 0, {}, record, error))
      throw std::runtime_error("tas.txt: " + error);
    settings.diagramKind = "XY";
    settings.x.start = record.axis[0].start, settings.x.end = record.axis[0].end;
    settings.y.start = record.axis[1].start, settings.y.end = record.axis[1].end;
    for (const FieldPoint& p : record.points)
      overlays.x.push_back(p.x), overlays.y.push_back(p.y), overlays.pen.push_back(p.pen), overlays.text.emplace_back();
    for (const FieldLabel& l : record.labels)
      overlays.x.push_back(l.x), overlays.y.push_back(l.y), overlays.pen.push_back(0), overlays.text.push_back(l.text);
    overlays.fieldLines = static_cast<int16_t>(record.points.size());
    overlays.fieldLabels = static_cast<int16_t>(record.labels.size());
    settings.plot.allocate(rows);
    for (int row = 1; row <= rows; ++row) {
      settings.plot.xValue[static_cast<std::size_t>(row)] = 37.0f + static_cast<float>(row % 997) * 0.04f;
      settings.plot.yValue[static_cast<std::size_t>(row)] = 0.5f + static_cast<float>(row % 389) * 0.04f;
    }
  }
};

void BM_ClassifyTas(benchmark::State& state) {
  const TasDiagram tas;
  for (auto _ : state) {
    FieldClassification c = classifyRows(tas.settings, tas.overlays, rows, false);
    benchmark::DoNotOptimize(c.classified);
  }
}
BENCHMARK(BM_ClassifyTas)->Unit(benchmark::kMillisecond);

// 300 points in 150 lines that cross each other: the planar subdivision at its largest.
void BM_FieldMapOf300Points(benchmark::State& state) {
  std::vector<std::pair<PlanePoint, PlanePoint>> lines;
  for (int i = 0; i < 150; ++i) {
    const double t = i / 150.0;
    lines.push_back({{t, 0.0}, {1.0 - t * 0.5, 1.0}});
  }
  const std::vector<PlanePoint> frame = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (auto _ : state) {
    FieldMap map(lines, frame);
    benchmark::DoNotOptimize(map.regions().size());
  }
}
BENCHMARK(BM_FieldMapOf300Points)->Unit(benchmark::kMillisecond);

}  // namespace
