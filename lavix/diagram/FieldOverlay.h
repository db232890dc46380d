// Drawing a library diagram's field lines, field labels and note into the redraw's recording.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/graphics/Recording.h"
#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/Overlays.h"

namespace lavix::diagram {

// A projected point farther than this from the page origin is not drawn.
inline constexpr double farthestFieldPoint = 30000;

struct FieldOverlayStyle {
  graphics::SelectFont labelFont;
  bool smallLabels = false;  // the record's SMALL option: labels at three quarters of the size
  int textYDirection = -1;   // as the redraw's markup texts take it
  graphics::Colour lineColour = 0;
  int32_t lineWidth = 1;
};

// The field lines (pen 0 starts a line, the first point always does) cut to the frame, or to
// the ternary outline, then the field labels with their lower-left corner at their point (of
// their last line).
void recordFieldOverlay(graphics::Recording& recording, const DiagramSettings& settings, const OverlayTable& table,
                        const FieldOverlayStyle& style);

// A field label's lines: "|" breaks a long name in a narrow field. Its field name, as Classify
// samples writes it, joins them with blanks (none after a line ending in "/"); a line ending in
// "-" is a word hyphenated at the break, joined without the hyphen (a name's own hyphen is
// never the place to break it).
std::vector<std::string> labelLines(const std::string& label);
std::string fieldName(const std::string& label);

// The diagram note, at the frame's left edge 1.5 text heights above its top (above the top of
// a ternary's outline), or a line higher over the statistics caption that sits there.
void recordDiagramNote(graphics::Recording& recording, const DiagramSettings& settings, const std::string& note,
                       const graphics::SelectFont& font, int textYDirection, bool overCaption = false);

}  // namespace lavix::diagram
