// The XY diagram of the largest data set (32767 rows): recorded, replayed into a 1600 × 1000
// image, written as placeable WMF, SVG, PNG and PDF.
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"
#include "lavix/data/DataStore.h"
#include "lavix/diagram/AxisRange.h"
#include "lavix/diagram/FrameLayout.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/SymbolFile.h"
#include "qtui/QtPicture.h"
#include "qtui/RecordingPlayer.h"

namespace {

using namespace lavix;

constexpr int rows = 32767;

struct LargeDiagram {
  data::DataStore data;
  diagram::SymbolTable symbols;
  data::SubsetCriteria subset;
  diagram::DiagramSettings settings;

  LargeDiagram() {
    data.allocate(rows, 4);
    data.rowCount = rows;
    data.columnCount = 2;
    settings.plot.allocate(rows);
    for (int row = 1; row <= rows; ++row) {
      data.symbolOf[static_cast<std::size_t>(row)] = static_cast<int16_t>(row % 12);
      data.sampleName[static_cast<std::size_t>(row)] = "S" + std::to_string(row);
      settings.plot.xValue[static_cast<std::size_t>(row)] = 45.0f + static_cast<float>(row % 997) * 0.03f;
      settings.plot.yValue[static_cast<std::size_t>(row)] = 0.2f + static_cast<float>(row % 389) * 0.01f;
    }
    settings.plot.plotRowCount = rows;
    settings.plot.xTitle = "SiO[2]";
    settings.plot.yTitle = "K[2]O";
    diagram::automaticRange(settings, diagram::Axis::x, rows, false);
    diagram::automaticRange(settings, diagram::Axis::y, rows, false);
    settings.diagramKind = settings.diagramFamily = "XY";
    text::FileError error;
    diagram::readSymbolFile(std::string(LAVIX_PROGRAMFOLDER_DIR) + "/Controls/default.sym", "default", symbols, error);
    for (int s = 0; s < diagram::symbolSlots; ++s) symbols.selectedSymbol[static_cast<std::size_t>(s)] = static_cast<int16_t>(s);
  }

  graphics::Recording record(diagram::OutputDevice device) {
    diagram::RedrawInput input{settings, data, symbols, subset};
    input.output.outputDevice = device;
    input.page.area = {1500, 1300, 10100, 7400, "XYL"};
    input.page.wmfArea = {1200, 1300, 5200, 4160, "XYL"};
    input.page.axesCode = "XYL";
    input.page.positionName = "Full page";
    graphics::Recording recording;
    diagram::redrawDiagram(input, recording);
    return recording;
  }
};

LargeDiagram& diagramOfAllRows() {
  static LargeDiagram large;
  return large;
}

void BM_RecordXYDiagram(benchmark::State& state) {
  LargeDiagram& large = diagramOfAllRows();
  for (auto _ : state) benchmark::DoNotOptimize(large.record(diagram::OutputDevice::Screen).size());
}
BENCHMARK(BM_RecordXYDiagram)->Unit(benchmark::kMillisecond);

void BM_ReplayInto1600x1000(benchmark::State& state) {
  const graphics::Recording recording = diagramOfAllRows().record(diagram::OutputDevice::Screen);
  for (auto _ : state) benchmark::DoNotOptimize(qtui::renderRecording(recording, {1600, 1000}, qtui::Mapping::Isotropic).width());
}
BENCHMARK(BM_ReplayInto1600x1000)->Unit(benchmark::kMillisecond);

void BM_WritePlaceableWmf(benchmark::State& state) {
  const graphics::Recording recording = diagramOfAllRows().record(diagram::OutputDevice::Wmf);
  for (auto _ : state) benchmark::DoNotOptimize(graphics::toPlaceableWmf(recording, 6000, 4500).size());
}
BENCHMARK(BM_WritePlaceableWmf)->Unit(benchmark::kMillisecond);

void BM_WriteSvg(benchmark::State& state) {
  const graphics::Recording recording = diagramOfAllRows().record(diagram::OutputDevice::Screen);
  for (auto _ : state) benchmark::DoNotOptimize(graphics::toSvg(recording, 11000, 8500).size());
}
BENCHMARK(BM_WriteSvg)->Unit(benchmark::kMillisecond);

// The picture files as lavix exports them (1600 pixels wide for PNG, a Letter page for PDF).
void BM_WritePng(benchmark::State& state) {
  const graphics::Recording recording = diagramOfAllRows().record(diagram::OutputDevice::Screen);
  const std::string path = std::filesystem::temp_directory_path() / "lavix_bench_redraw.png";
  for (auto _ : state)
    if (qtui::writePictureFile(recording, "png", path)) state.SkipWithError("the PNG was not written");
  std::filesystem::remove(path);
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State& state) {
  const graphics::Recording recording = diagramOfAllRows().record(diagram::OutputDevice::Screen);
  const std::string path = std::filesystem::temp_directory_path() / "lavix_bench_redraw.pdf";
  for (auto _ : state)
    if (qtui::writePictureFile(recording, "pdf", path)) state.SkipWithError("the PDF was not written");
  std::filesystem::remove(path);
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Text replay needs fonts, which need an application; no display is needed.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
