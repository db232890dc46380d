// The diagram beyond the screen: the printer page, metafile files, the clipboard and picture exports.
#pragma once

#include <cstdint>
#include <string>

#include "common/graphics/Recording.h"

namespace lavix::app {

class Session;

namespace outputTexts {
inline constexpr const char* printQuestion = "Send current page to printer?";
inline constexpr const char* printExplanation =
    "Answer YES if page is complete.  Answer NO to leave page open for more plots";
inline constexpr const char* wmfFilter = "Windows MetaFiles (*.wmf)|*.wmf|";
inline constexpr const char* wmfDefaultName = "*.wmf";
inline constexpr const char* noFileName = "No file name, exiting";
inline constexpr const char* noPrinter = "No printer is installed";
inline constexpr const char* exportTitle = "Export picture";
inline constexpr const char* exportFilter =
    "PNG images (*.png)|*.png|SVG pictures (*.svg)|*.svg|PDF documents (*.pdf)|*.pdf|";
inline constexpr const char* exportDefaultName = "*.png";
inline constexpr const char* exportKinds = "Export the picture as a .png, .svg or .pdf file";
inline constexpr const char* exportFailed = "The picture could not be written: ";
inline constexpr const char* metaClipMarker = "NOGS";
inline constexpr const char* clipboardFile = "garb.wmf";
}  // namespace outputTexts

// Yes prints the open page with this diagram on it, No adds the diagram to the open page,
// Cancel discards the page; the screen is redrawn in every case.
void menuPrint(Session& session);

// withPage 0 / 1, then SaveWMF.
void mnuSaveDiag(Session& session);
void mnuSaveDiaPage(Session& session);
// Asks for a file name and writes the diagram there as a placeable metafile.
void SaveWMF(Session& session);
// The diagram recorded for the metafile (with or without its page, after withPage) and
// written to `path`, then drawn for the screen again; false when nothing was written.
bool writeDiagramMetafile(Session& session, const std::string& path);
// The placeable metafile of the current recording; false (and nothing written, the old file
// kept) when the file cannot be written.
bool SaveTheMetafile(Session& session, const std::string& path);

// withPage 0 / 1, then copytoclip.
void mnuClipnopage(Session& session);
void mnuClipPage(Session& session);
// The metafile goes to garb.wmf in the program folder and, with SVG and PNG of the same
// picture, to the clipboard.
void copytoclip(Session& session);
// copytoclip, then the clipboard state marker "NOGS".
void CopyToMetaClip(Session& session);

// The screen's picture as PNG, SVG or PDF, after the chosen name's ending.
void mnuExport(Session& session);

// ".wmf" appended to a file name without a dot (folders' dots do not count).
std::string withWmfExtension(const std::string& name);
// The placeable header's box: 6000 × 4500 for the diagram alone, else the page in the
// current position's orientation.
graphics::Point metafileBox(const Session& session);
// True for the page orientation of a printer page recording.
bool isLandscape(const graphics::Recording& page);

}  // namespace lavix::app
