// The session's redraw and the picture exports that need no window system.
#include "lavix/app/Redraw.h"

#include <algorithm>
#include <cstdlib>

#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/OutputCommands.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderDrawing.h"
#include "lavix/app/StatisticsDrawing.h"
#include "lavix/diagram/Redraw.h"

namespace lavix::app {

namespace {

const PagePosition* positionAt(const Session& s, int index) {
  if (index < 1 || index > s.page.positionCount) return nullptr;
  return &s.page.position[static_cast<std::size_t>(index)];
}

diagram::PositionArea areaOf(const PagePosition* p) {
  if (!p) return {};
  return {p->left, p->bottom, p->right, p->top, p->axesCode};
}

diagram::PageFrame pageFrame(const Session& s) {
  diagram::PageFrame page;
  const PagePosition* p = positionAt(s, s.diagram.pagePosition);
  if (p) {
    page.positionName = p->name;
    page.axesCode = p->axesCode;
    page.portrait = text::toUpper(p->name).find("POR") != std::string::npos;
  }
  page.pageLength = s.page.pageLength;
  page.pageWidth = s.page.pageWidth;
  page.area = currentArea(s);
  page.axesCode = page.area.axesCode;
  if (s.library.currentCell) page.positionName.clear();  // a cell of a library page is no page position
  page.wmfArea = areaOf(positionAt(s, 2));
  return page;
}

diagram::RedrawStyle redrawStyle(const Session& s) {
  const Preferences& p = s.preferences;
  return {p.labelFontName, p.labelFontSize, p.labelFontBold != 0, p.labelFontItalic != 0,
          p.tickHeight,    p.printerYAxisAngle, p.histRegLabelsOn != 0};
}

// The diagrams that share a library page with the current one, each in its cell, recorded
// before it; false when the current diagram is alone.
bool recordLibraryPage(Session& s, bool continuesPage, graphics::Recording& recording) {
  if (s.library.pageDiagrams.empty()) return false;
  // A metafile of the diagram alone holds the current diagram only.
  if (s.output.outputDevice == diagram::OutputDevice::Wmf && !s.output.withPage) return false;
  bool first = true;
  for (diagram::LibraryPageDiagram& d : s.library.pageDiagrams) {
    // The display switches are the page's, as the current diagram holds them.
    d.settings.whitePage = s.diagram.whitePage;
    d.settings.yLabelOrientation = s.diagram.yLabelOrientation;
    d.settings.flipOrder = s.diagram.flipOrder;
    diagram::RedrawInput input{d.settings, s.data, s.symbols, s.subset};
    input.zerosIn = d.zerosIn;
    input.output = s.output;
    input.style = redrawStyle(s);
    input.page = pageFrame(s);
    input.page.area = d.area;
    input.page.axesCode = d.area.axesCode;
    input.continuesPage = continuesPage || !first;
    input.overlays = &d.overlays;
    input.diagramNote = d.note;
    input.smallFieldLabels = d.smallLabels;
    graphics::Recording one;
    diagram::redrawDiagram(input, one);
    if (first) recording = std::move(one);
    else for (const graphics::Operation& op : one.operations()) recording.add(op);
    first = false;
  }
  return true;
}

}  // namespace

diagram::PositionArea currentArea(const Session& s) {
  if (s.library.currentCell) return *s.library.currentCell;
  return areaOf(positionAt(s, s.diagram.pagePosition));
}

void layoutFrame(Session& s) { diagram::layoutFrame(s.diagram, currentArea(s)); }

void setButtonsForKind(Session& s) {
  s.buttons = diagram::setButtonsForKind(s.diagram.diagramKind, s.diagram.statsCaptionOn, s.spider.gapMode);
  if (s.library.showing()) diagram::setLibraryButtons(s.buttons, s.diagram.diagramKind);
  s.window.buttonRowVisible = !s.diagram.diagramKind.empty();
}

void redrawDiagram(Session& s) {
  if (s.diagram.diagramKind.empty()) return;
  diagram::RedrawInput input{s.diagram, s.data, s.symbols, s.subset};
  input.zerosIn = s.window.zerosIn;
  input.normalised = s.recalc.recast.normOn == 1;
  input.normalisedColumns = recalc::recastSummary(s.data, s.recalc.recast);
  input.normFlag = s.recalc.recast.recastFlags();
  input.output = s.output;
  input.style = redrawStyle(s);
  input.page = pageFrame(s);
  input.statsCaption = s.statsCaption;
  const bool printing = s.output.outputDevice == diagram::OutputDevice::Print;
  input.continuesPage = printing && s.output.pageOpenCount > 1;
  input.overlays = &s.overlays;
  input.drawOverlays = [&s](graphics::Recording& recording) { drawStatisticsLines(s, recording); };
  if (s.library.showing()) input.diagramNote = s.library.diagramNote;
  input.smallFieldLabels = s.library.smallLabels;
  input.legend = &s.legend;
  if (writeModeOn(s)) input.pointText = [&s](int row) { return pointText(s, row); };
  if (s.diagram.diagramKind == "SPI") {
    input.spiderRows.assign(s.spider.selectedRows.begin(), s.spider.selectedRows.end());
    input.spiderElements = s.spider.pattern.elements;
    input.drawSpiderRow = [&s](graphics::Recording& recording, int row) { return drawSpiderPattern(s, recording, row); };
  }
  // A failed redraw must not leave half-changed settings behind.
  const diagram::DiagramSettings before = s.diagram;
  try {
    graphics::Recording recording, current;
    const bool sharedPage = recordLibraryPage(s, input.continuesPage, recording);
    if (sharedPage) input.continuesPage = true;
    diagram::RedrawResult result = diagram::redrawDiagram(input, sharedPage ? current : recording);
    for (const graphics::Operation& op : current.operations()) recording.add(op);
    s.plottedRows = std::move(result.plottedRows);
    s.plottedNames = std::move(result.plottedNames);
    s.drawn = std::move(result.drawn);
    s.labelFontHeight = result.labelFontHeight;
    s.diagramStatus = result.statusLine;
    s.setStatus(result.statusLine);
    s.interaction.highlight.clear();
    s.interaction.highlightOn = false;
    if (printing && input.continuesPage) {
      for (const graphics::Operation& op : recording.operations()) s.printPage.add(op);
    } else if (printing) {
      s.printPage = std::move(recording);
    } else {
      s.recording = std::move(recording);
    }
  } catch (const std::exception&) {
    s.diagram = before;
  }
}

std::optional<std::string> exportRecording(Session& s, const std::string& format, const std::string& path) {
  if (s.recording.empty()) return std::string("there is no diagram to export");
  std::string bytes;
  const graphics::Point extent = s.recording.windowExtent();
  const int32_t width = std::abs(extent.x), height = std::abs(extent.y);
  if (format == "svg") {
    bytes = graphics::toSvg(s.recording, width, height);
  } else if (format == "wmf") {
    // Exactly what the metafile menu writes.
    if (!writeDiagramMetafile(s, path)) return "cannot write " + path;
    return std::nullopt;
  } else {
    return "cannot export " + format + " without the window system";
  }
  text::FileError error;
  if (!text::writeFileAtomically(path, bytes, error)) return error.text;
  return std::nullopt;
}

}  // namespace lavix::app
