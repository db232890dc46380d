// What each command of lavix's main window does, as its menu item and button show it.
#include "lavix/app/CommandTips.h"

namespace lavix::app {

namespace {

struct Tip {
  const char* command;
  const char* tip;
};

constexpr Tip tips[] = {
    {"mOpen", "Open a rock data file (.txt, .roc) in place of the data in memory"},
    {"mSave", "Save the data in memory as a rock data file"},
    {"mLastFile1", "Open this recently used data file again"},
    {"mLastFile2", "Open this recently used data file again"},
    {"mLastFile3", "Open this recently used data file again"},
    {"mLastFile4", "Open this recently used data file again"},
    {"mLastFile5", "Open this recently used data file again"},
    {"mfilops", "Print a table, modify or enter data in a grid, clear, save, add a file, read or copy the clipboard"},
    {"mReset", "Change how many analyses (rows) and elements (columns) the data matrix holds; removes the data"},
    {"mExit", "Leave Lavix (asks first when the data in memory are not saved)"},
    {"mplot", "Diagrams of the data: XY, ternary, histogram and spider"},
    {"mxy", "Draw an XY diagram of two variables"},
    {"mtri", "Draw a ternary diagram of three variables"},
    {"mhist", "Draw a histogram of one variable"},
    {"mspider", "Draw samples as normalised trace-element patterns (spider diagram)"},
    {"mdiag", "Draw a classification diagram from the diagram library"},
    {"maddpara", "Calculate a new variable from the columns and add it as a column"},
    {"mcipw", "Add the CIPW norm of every sample as new columns"},
    {"mnorm", "Recalculate the analyses to 100 % volatile-free and set the iron oxidation state"},
    {"mpearce", "Add Pearce element ratios as new columns"},
    {"mextra", "Add extra parameters (anomalies, density, viscosity) as new columns"},
    {"mcmas", "Draw a CMAS projection"},
    {"mmin", "Draw a mineral projection"},
    {"mclassify", "Write each sample's field of the library diagram into a new column named after the diagram"},
    {"Legend", "Load a legend file of symbols and texts, choose where it is drawn, or remove it"},
    {"menuSymbols", "Choose which symbols are shown, their file, sizes and colours"},
    {"menuSelect", "Plot only the samples within numerical limits or with chosen values"},
    {"menuAspect", "Change the shape of the diagram frame"},
    {"menuPosition", "Choose where on the page the diagram is drawn"},
    {"menuZerosIn", "Plot and use values of zero"},
    {"menuZerosOut", "Leave out values of zero (missing values)"},
    {"menuWhite", "Draw on a white page"},
    {"menuColor", "Draw on the page colour of the symbol file"},
    {"menuVerticalY", "Write the Y axis title upright along the axis"},
    {"menuHorizY", "Write the Y axis title horizontally"},
    {"menuValues", "Write each sample's values beside its symbol"},
    {"menuField", "Write a field of each sample beside its symbol"},
    {"menuLabel", "Add a text label where you click on the diagram"},
    {"menuPrint", "Print the diagram, or keep the page open for more diagrams"},
    {"mnuSaveDiag", "Save the diagram as a Windows metafile (.wmf)"},
    {"mnuSaveDiaPage", "Save the diagram with its page as a Windows metafile (.wmf)"},
    {"mnuClipPage", "Copy the diagram with its page to the clipboard"},
    {"mnuClipnopage", "Copy the diagram without its page to the clipboard"},
    {"mnuExport", "Save the diagram as a PNG, SVG or PDF picture"},
    {"linRegress", "Fit a regression line through the plotted samples (histogram: a normal curve; spider: "
                   "normalise to a sample)"},
    {"poisson", "Draw a Poisson distribution over the histogram"},
    {"model", "Draw a fractionation, assimilation, melting or mixing model curve from two samples"},
    {"mix", "Draw a mixing hyperbola between two samples, or fit one through the plotted samples"},
    {"mview", "Set the data folder, symbol and normalisation files, font and other preferences"},
    {"newx", "Choose another variable for the X axis"},
    {"newy", "Choose another variable for the Y axis"},
    {"newz", "Choose the third variable, or change the axis ranges"},
    {"SwitchXY", "Exchange the X and Y axes"},
    {"fliporder", "Draw the samples in the opposite order"},
    {"cmdRem", "Show or hide the statistics caption"},
    {"Identify", "Click a symbol to name its sample; click again to stop"},
    {"Nextone", "Show the next identified sample (Ctrl+Right)"},
    {"prev", "Show the previous identified sample (Ctrl+Left)"},
    {"pick", "Pick an identified sample from a list"},
    {"wrname", "Write sample names beside their symbols (spider: full or dashed lines)"},
    {"lxpic", "The diagram: click to identify samples or place labels"},
};

constexpr Tip shortcuts[] = {{"mOpen", "Ctrl+O"}, {"mSave", "Ctrl+S"}, {"menuPrint", "Ctrl+P"}, {"mExit", "Ctrl+Q"}};

}  // namespace

void describeCommands(ui::CommandTable& commands) {
  for (const Tip& tip : tips) commands.setTip(tip.command, tip.tip);
  for (const Tip& keys : shortcuts) commands.setShortcut(keys.command, keys.tip);
}

}  // namespace lavix::app
