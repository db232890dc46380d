// The diagram beyond the screen: the printer page, metafile files, the clipboard and picture exports.
#include "lavix/app/OutputCommands.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "common/graphics/SvgWriter.h"
#include "common/graphics/WmfWriter.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "common/ui/Prompts.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"

namespace lavix::app {

namespace {

using diagram::OutputDevice;

bool haveDiagram(const Session& s) {
  return s.data.rowCount != 0 && s.data.columnCount != 0 && !s.diagram.diagramKind.empty();
}

bool portraitPosition(const Session& s) {
  const int index = s.diagram.pagePosition;
  if (index < 1 || index > s.page.positionCount) return false;
  return text::toUpper(s.page.position[static_cast<std::size_t>(index)].name).find("POR") != std::string::npos;
}

std::string fileNamePart(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The metafile is recorded with page y growing downwards and a horizontal Y title (a turned
// title does not survive every metafile reader). The Y title's own setting is given back
// afterwards, so an output command leaves the screen as it found it.
int16_t recordForMetafile(Session& s) {
  const int16_t yLabelOrientation = s.diagram.yLabelOrientation;
  s.diagram.pageYSign = -1;
  s.diagram.yLabelOrientation = -1;
  s.output.outputDevice = OutputDevice::Wmf;
  // A failed redraw must not leave the screen's picture to be saved as the metafile.
  s.recording.clear();
  redrawDiagram(s);
  return yLabelOrientation;
}

void backToScreen(Session& s, int16_t yLabelOrientation) {
  s.diagram.pageYSign = 1;
  s.diagram.yLabelOrientation = yLabelOrientation;
  s.output.outputDevice = OutputDevice::Screen;
  redrawDiagram(s);
}

std::vector<std::uint8_t> placeableBytes(const Session& s) {
  const graphics::Point box = metafileBox(s);
  auto to16 = [](std::int32_t v) { return static_cast<std::int16_t>(std::clamp<std::int32_t>(v, 0, INT16_MAX)); };
  return graphics::toPlaceableWmf(s.recording, to16(box.x), to16(box.y));
}

// The user's labels are the last entries of the overlay table; library fields stay.
void clearUserLabels(diagram::OverlayTable& table) {
  const auto kept = static_cast<std::size_t>(std::max(0, table.fieldLines + table.fieldLabels));
  if (table.x.size() > kept) table.x.resize(kept);
  if (table.y.size() > kept) table.y.resize(kept);
  if (table.text.size() > kept) table.text.resize(kept);
  table.userLabels = 0;
}

std::string extensionOf(const std::string& path) {
  const std::string name = fileNamePart(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : text::toUpper(name.substr(dot + 1));
}

}  // namespace

std::string withWmfExtension(const std::string& name) {
  return fileNamePart(name).find('.') == std::string::npos ? name + ".wmf" : name;
}

graphics::Point metafileBox(const Session& s) {
  graphics::Point box{diagram::wmfWindowWidth, diagram::wmfWindowHeight};
  if (s.output.withPage) box = portraitPosition(s) ? graphics::Point{s.page.pageWidth, s.page.pageLength}
                                                   : graphics::Point{s.page.pageLength, s.page.pageWidth};
  // A legend outside the frame may have widened the picture past the page.
  box.x = std::max(box.x, std::abs(s.recording.windowExtent().x));
  return box;
}

bool isLandscape(const graphics::Recording& page) {
  const graphics::Point extent = page.windowExtent();
  return std::abs(extent.x) > std::abs(extent.y);
}

void menuPrint(Session& s) {
  if (!haveDiagram(s)) return;
  const std::string text = std::string(outputTexts::printQuestion) + "\n" + outputTexts::printExplanation;
  const ui::MessageResult answer =
      s.prompts.message({text, {}, ui::MessageButtons::YesNoCancel, ui::MessageIcon::Question});
  if (answer == ui::MessageResult::Yes) {
    ++s.output.pageOpenCount;
    s.recording.clear();
    s.output.outputDevice = OutputDevice::Print;
    redrawDiagram(s);
    std::optional<std::string> failure = std::string(outputTexts::noPrinter);
    if (s.picture) failure = s.picture->printPage(s.printPage, isLandscape(s.printPage), s.output.pageOpenCount);
    if (failure) ui::say(s.prompts, *failure);
    s.printPage.clear();
    s.output.pageOpenCount = 0;
  } else if (answer == ui::MessageResult::No) {
    if (s.output.pageOpenCount < INT16_MAX) ++s.output.pageOpenCount;
    s.output.outputDevice = OutputDevice::Print;
    redrawDiagram(s);
    clearUserLabels(s.overlays);
  } else {
    s.printPage.clear();
    s.output.pageOpenCount = 0;
  }
  s.output.outputDevice = OutputDevice::Screen;
  redrawDiagram(s);
}

void mnuSaveDiag(Session& s) {
  if (!haveDiagram(s)) return;
  s.output.withPage = false;
  SaveWMF(s);
}

void mnuSaveDiaPage(Session& s) {
  if (!haveDiagram(s)) return;
  s.output.withPage = true;
  SaveWMF(s);
}

void SaveWMF(Session& s) {
  if (!haveDiagram(s)) return;
  ui::FileRequest request;
  request.filter = outputTexts::wmfFilter;
  request.defaultName = outputTexts::wmfDefaultName;
  const std::optional<std::string> chosen = s.prompts.saveFile(request);
  if (!chosen || text::trim(*chosen).empty()) {
    ui::say(s.prompts, outputTexts::noFileName);
    return;
  }
  writeDiagramMetafile(s, withWmfExtension(*chosen));
}

bool writeDiagramMetafile(Session& s, const std::string& path) {
  if (!haveDiagram(s)) return false;
  const int16_t yLabelOrientation = recordForMetafile(s);
  const bool written = SaveTheMetafile(s, path);
  backToScreen(s, yLabelOrientation);
  return written;
}

bool SaveTheMetafile(Session& s, const std::string& path) {
  if (s.recording.empty()) return false;
  return graphics::writePlaceableWmf(path, placeableBytes(s));
}

void mnuClipnopage(Session& s) {
  if (!haveDiagram(s)) return;
  s.output.withPage = false;
  copytoclip(s);
}

void mnuClipPage(Session& s) {
  if (!haveDiagram(s)) return;
  s.output.withPage = true;
  copytoclip(s);
}

void copytoclip(Session& s) {
  if (!haveDiagram(s)) return;
  identifyOff(s);
  const int16_t yLabelOrientation = recordForMetafile(s);
  if (!s.recording.empty()) {
    // The clipboard gets the bytes the file holds; a program folder that cannot be written
    // to must not stop the copy.
    ui::ClipboardPicture picture;
    picture.wmf = placeableBytes(s);
    graphics::writePlaceableWmf(s.baseFolder + outputTexts::clipboardFile, picture.wmf);
    const graphics::Point box = metafileBox(s);
    picture.svg = graphics::toSvg(s.recording, box.x, box.y);
    picture.recording = &s.recording;
    if (s.picture) s.picture->copyPicture(picture);
  }
  backToScreen(s, yLabelOrientation);
}

void CopyToMetaClip(Session& s) {
  if (!haveDiagram(s)) return;
  copytoclip(s);
  s.clipboardState = outputTexts::metaClipMarker;
}

void mnuExport(Session& s) {
  if (!haveDiagram(s) || s.recording.empty()) return;
  ui::FileRequest request;
  request.title = outputTexts::exportTitle;
  request.filter = outputTexts::exportFilter;
  request.defaultName = outputTexts::exportDefaultName;
  const std::optional<std::string> chosen = s.prompts.saveFile(request);
  if (!chosen || text::trim(*chosen).empty()) return;
  std::string path = *chosen;
  std::string kind = extensionOf(path);
  if (fileNamePart(path).find('.') == std::string::npos) {
    path += ".png";
    kind = "PNG";
  }
  std::optional<std::string> failure;
  if (kind == "SVG") {
    const graphics::Point extent = s.recording.windowExtent();
    text::FileError error;
    const std::string svg = graphics::toSvg(s.recording, std::abs(extent.x), std::abs(extent.y));
    if (!text::writeFileAtomically(path, svg, error)) failure = error.text.empty() ? path : error.text;
  } else if (kind == "PNG" || kind == "PDF") {
    const std::string format = kind == "PNG" ? "png" : "pdf";
    failure = s.picture ? s.picture->writePicture(s.recording, format, path) : ui::noRasterText(format);
  } else {
    ui::say(s.prompts, outputTexts::exportKinds);
    return;
  }
  if (failure) ui::say(s.prompts, outputTexts::exportFailed + *failure);
}

}  // namespace lavix::app
