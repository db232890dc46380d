// Interaction on the diagram: identify mode and its walk through the plotted rows, the texts
// written beside every point, free labels placed with the mouse, clicks on the picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/graphics/Recording.h"

namespace lavix::app {

class Session;

namespace interactionText {
inline constexpr const char* identifyOn = "ID ON";    // the caption while identify mode is off
inline constexpr const char* identifyOff = "ID OFF";  // ... and while it is on
inline constexpr const char* selectSample = "Select sample with dblclick";
inline constexpr const char* parameterToWrite = "Parameter to write";
inline constexpr const char* setFormatTitle = "Set Format";
inline constexpr const char* setFormatPrompt = "Set format for output string.";
inline constexpr const char* selectField = "Select String Field to write";
inline constexpr const char* labelTitle = "Label";
inline constexpr const char* labelPrompt =
    "Type label in text box.\nREMEMBER, after you click OK, move the mouse to where the lower left corner of the "
    "label should go, then Click.";
inline constexpr const char* labelTableFull = "No room for another label: the diagram holds at most 300.";
}  // namespace interactionText

struct InteractionState {
  bool identifyValuesAllowed = false;
  int16_t currentPick = 0;  // 1..count in the plotted-rows list
  bool highlightOn = false;
  bool writeNames = false;
  bool writeValues = false;
  std::string valueFormat;
  std::vector<float> valueOf;  // the parameter's value per row
  bool writeField = false;
  int16_t writeFieldColumn = 0;
  bool labelArmed = false;  // "ON" between menuLabel and the click that places the label
  std::string pendingLabel;
  graphics::Recording highlight;  // drawn over the recording, never part of it
};

// Identify off, run before every diagram command: leaving identify mode resets flipOrder.
void identifyOff(Session& session);

void identify(Session& session);  // Identify: on, or off again
void nextOne(Session& session);   // Nextone
void previous(Session& session);  // prev
void pick(Session& session);
void wrname(Session& session);    // names beside the points; the gap switch on a spider diagram
void menuValues(Session& session);
void menuField(Session& session);
void menuLabel(Session& session);

// A click on the picture at page point (x, y): places an armed label, or identifies the
// nearest plotted sample in identify mode; otherwise nothing.
void clickPicture(Session& session, int32_t x, int32_t y);

// The text the redraw writes beside a row under the write mode in force ("" for none).
std::string pointText(const Session& session, int row);
bool writeModeOn(const Session& session);

}  // namespace lavix::app
