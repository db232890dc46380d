// Everything one running lavix holds, grouped by subsystem; commands take what they need.
#pragma once

#include <string>

#include "common/graphics/Recording.h"
#include "common/ui/PicturePort.h"
#include "common/ui/PrinterPort.h"
#include "common/ui/Prompts.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/InverseModelState.h"
#include "lavix/app/PageLayout.h"
#include "lavix/app/Preferences.h"
#include "lavix/app/RecentFiles.h"
#include "lavix/app/SpiderCommands.h"
#include "lavix/app/SpiderModelState.h"
#include "lavix/app/StatisticsCommands.h"
#include "lavix/app/XyModelCommands.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/DialogExchange.h"
#include "lavix/data/NormalisationTable.h"
#include "lavix/data/ReadFilter.h"
#include "lavix/data/StandardTable.h"
#include "lavix/data/SubsetCriteria.h"
#include "lavix/diagram/Buttons.h"
#include "lavix/diagram/OutputState.h"
#include "lavix/diagram/Overlays.h"
#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/Legend.h"
#include "lavix/diagram/LibraryState.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/SymbolTable.h"
#include "lavix/recalc/RecalcState.h"

namespace lavix::app {

// Main-window state that is not owned by a subsystem library yet.
struct WindowState {
  std::string title = "Lavix";
  std::string dataName;  // what the title names: the file last read or saved, "merged files " ...
  std::string status;
  bool identifyMode = false;
  bool zerosIn = false;
  bool buttonRowVisible = false;
};

class Session {
 public:
  Session(ui::PromptPort& prompts, ui::ClipboardPort& clipboard, std::string baseFolder, char decimalSeparator);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Path of a configuration file below the program folder's Controls folder.
  std::string controlsPath(const std::string& name) const { return baseFolder + "Controls/" + name; }

  ui::PromptPort& prompts;
  ui::ClipboardPort& clipboard;
  // Printer, picture files and the clipboard's pictures; set by the front end after
  // construction. Without it those outputs are skipped.
  ui::PicturePort* picture = nullptr;
  // Where Print a table shows its table on the screen; without it the Screen output is skipped.
  ui::PrinterPort* tableWindow = nullptr;
  std::string clipboardState;  // "NOGS" after a metafile copy to the clipboard

  // Configuration (read at start-up).
  std::string baseFolder;  // always ends with "/"
  std::string dataFolder;
  char decimalSeparator;
  Preferences preferences;
  data::StandardTable standard;
  PageLayout page;
  RecentFiles recent;
  data::NormalisationTable normalisation;
  diagram::SymbolTable symbols;
  float feRatio = 0;  // the Fe-ratio term of the preferences

  // Data store and the dialogs that exchange through it.
  data::DataStore data;
  data::DialogExchange exchange;
  data::ReadFilter readFilter;

  // The per-row result of the last formula evaluated (rows 0..maxRows).
  std::vector<float> calcResult;
  diagram::DiagramSettings diagram;  // the current diagram, its plotted values among them
  // The current diagram as last drawn, in page units: what the screen, the printer and the
  // exporters replay. Empty until the first redraw.
  graphics::Recording recording;
  graphics::Recording printPage;        // the open printer page, diagrams added in order
  diagram::OutputState output;           // what the next redraw draws for
  data::SubsetCriteria subset;           // the selection window's criteria
  std::vector<int> plottedRows;          // the rows of the last redraw, in list order
  std::vector<std::string> plottedNames;
  diagram::DrawnPlot drawn;              // what the last redraw drew of the plotted values
  std::string statsCaption;              // the histogram or regression caption
  std::vector<diagram::DiagramButton> buttons;  // the button row as the kind sets it
  int32_t labelFontHeight = 0;           // of the last redraw, for labels added later
  std::string diagramStatus;             // the status line of the last redraw
  InteractionState interaction;          // identify mode, write modes, the armed label
  diagram::OverlayTable overlays;        // library fields and labels, the user's labels
  SpiderState spider;                    // the spider diagram's pattern, samples and line mode
  StatisticsState statistics;            // regression results and file, kept lines and curves
  XyModelState xyModel;                  // R and the coefficients of the last XY model
  SpiderModelState spiderModels;         // the spider models' coefficients, modes, source and settings
  InverseModelState inverseModel;        // the REE inverse model's regression data file and last rows
  recalc::RecalcState recalc;            // the recast to 100, the iron split, Pearce once per data set
  diagram::LibraryState library;         // the diagram library's file, records and shared page
  diagram::LegendTable legend;           // the legend, drawn on every redraw while loaded

  WindowState window;

  // The status label's text; shown (and written to a batch transcript) when it changes.
  void setStatus(const std::string& text);

  // (Re)allocates everything whose size follows the matrix capacity.
  void allocateRowArrays();
};

}  // namespace lavix::app
