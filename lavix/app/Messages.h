// The fixed user texts of lavix's start-up and main window, in one place.
#pragma once

namespace lavix::app::messages {

inline constexpr const char* findPathFor = "Find a path\\file for ";
inline constexpr const char* setDefaultDirectory =
    "Set the default directory for your data files by clicking Preferences and then saving any changes";
inline constexpr const char* pressPreferences =
    "Press the Preferences button (next window), find a valid path to your data files, then press Save "
    "Preferences.";
inline constexpr const char* fatalError = " fatal error";
inline constexpr const char* bye = " Bye";
inline constexpr const char* openFilter =
    "Rock data (.roc; .txt)|*.roc;*.txt|Mineral data (*.min)|*.min|All Files (*.*)|*.*|";

inline constexpr const char* saveFilter =
    "Text Files (*.txt)|*.txt|Rock Files (*.roc)|*.roc|Mineral Files (*.min)|*.min|";
inline constexpr const char* selectExtension = " select filename extension";
inline constexpr const char* removeAllData = "This will remove all data and formats";
inline constexpr const char* partlyReadStart = "Only part of ";
inline constexpr const char* partlyReadEnd =
    " was read into the data matrix (its limits or the read filter left the rest out).\n"
    "Saving over it loses what was left out. Save over it anyway?";
inline constexpr const char* noDataToSave = "No data to save";
inline constexpr const char* cantAddToNothing = "You can't Add to nothing, read a file first";
inline constexpr const char* appendsNewFile = "This appends a new file to current one";
inline constexpr const char* clipboardLoaded = "Clipboard is loaded";
inline constexpr const char* fileTooBig = " File too big, first ";
inline constexpr const char* charactersPlaced = " characters placed on clipboard.";
inline constexpr const char* errorNumber = " Error# ";
// After a load whose iron is one total column: "The column FeOT holds total iron ...".
inline constexpr const char* theColumn = "The column ";
inline constexpr const char* totalIronTaken = " holds total iron and is taken as FeO";
inline constexpr const char* totalIronConverted = " (Fe2O3 x 0.8998)";
inline constexpr const char* totalIronUse =
    " for the oxide total and the CIPW norm; answer Yes to the norm's question \"Adjust FeO and Fe2O3\" to split it.";

// Configuration files that could not be written, followed by the system's reason.
inline constexpr const char* recentFilesNotSaved =
    "The list of recent files could not be saved to Controls/filenames.ini: ";
inline constexpr const char* preferencesNotSaved = "The preferences could not be saved to Controls/lxpref.ini: ";
// A preference outside its range: "lxpref.ini line 7: "0" is not a usable number of rows
// (10 to 32767), so the default, 32767, is used." at start-up; from the Misc. Controls dialog
// ""-1" is not a usable tick height (0.001 to 0.1); it stays 0.025."
inline constexpr const char* preferenceLine = "lxpref.ini line ";
inline constexpr const char* notAUsable = " is not a usable ";
inline constexpr const char* wholeNumberFrom = "a whole number from ";
inline constexpr const char* rangeTo = " to ";
inline constexpr const char* defaultIsUsed = ", so the default, ";
inline constexpr const char* isUsed = ", is used.";
inline constexpr const char* itStays = "; it stays ";
// The preferences as those messages name them.
inline constexpr const char* rowsName = "number of rows";
inline constexpr const char* columnsName = "number of columns";
inline constexpr const char* tickHeightName = "tick height";
inline constexpr const char* largeXTickName = "large X tick interval";
inline constexpr const char* largeYTickName = "large Y tick interval";
inline constexpr const char* feTemperatureName = "Fe-ratio temperature in degrees C";
inline constexpr const char* feLogFO2Name = "Fe-ratio log fO2";
inline constexpr const char* windowScaleName = "window scale";
// The item of a click on the picture, for a batch script that gives something else.
inline constexpr const char* pictureClickItem = "X Y, two numbers in page units";

// File Operations with the data entry grid.
inline constexpr const char* fileOperationsTitle = "Current file- ";
inline constexpr const char* warningInMemory =
    "WARNING: Data are now entered or modified only in memory (in RAM not disk)";
inline constexpr const char* selectSaveOption = "  If you want to save them select the Save option.";
inline constexpr const char* recalculatedColumns = " elements or oxides recalculated to 100 volatile free.";
inline constexpr const char* allFeAsFeO = "   All Fe as FeO";
inline constexpr const char* readAFileFirst = "Read a File first";
inline constexpr const char* enterDataTitle = "Enter data";
inline constexpr const char* enterReplacesData = "Enter data replaces the data in memory with the new data set.";
inline constexpr const char* fieldCountRange = "Enter a number of data fields from 1 to ";  // + maxColumns
inline constexpr const char* sampleCountRange = "Enter a number of samples from 1 to ";      // + maxRows
inline constexpr const char* untitled = "untitled";
inline constexpr const char* noDataToPrint = "No data to print";
inline constexpr const char* columnsTitle = "Specify # of columns";
inline constexpr const char* columnsPrompt =
    "Send table to a txt-File and edit with a wordprocessor using 'Courier New' or 'Courier' \n"
    "Screen allows 8 columns using 8 pt Courier New.\n"
    "For File, try ~8 columns in portrait or ~11 in landscape mode and adjust by trial and error.";
inline constexpr const char* outputDeviceTitle = "Select output device";
inline constexpr const char* printTableTitle = "Print a table";
inline constexpr const char* textFileFilter = "Text Files (*.txt)|*.txt|";

// Leaving with data that exist only in memory.
inline constexpr const char* unsavedOnExit =
    "The data in memory hold computed or edited values that are not saved.\nSave them before leaving?";

// The diagram library, its projections, the legend and the classification of samples.
inline constexpr const char* diagramFilter = "Diagram Files (*.txt)|*.txt|";
inline constexpr const char* cmasFilter = "CMAS Files (*.txt)|*.txt|";
inline constexpr const char* mineralFilter = "Min Files (*.txt)|*.txt|";
inline constexpr const char* libraryDefaultName = "*.txt";
inline constexpr const char* selectDiagram = "Select diagram";
inline constexpr const char* diagramFile = "Diagram file ";
inline constexpr const char* holdsNoDiagrams = " holds no diagrams";
inline constexpr const char* cannotBeEvaluated = " cannot be evaluated";
inline constexpr const char* legendFilter = "Legend File (.txt)|*.txt|All Files (*.*)|*.*|";
inline constexpr const char* legendFile = "Legend file ";
inline constexpr const char* legendPositionTitle = "Choose a Position for legend";
inline constexpr const char* classifyNeedsLibrary =
    "Classify samples works on a diagram of the library: choose one with Plot, Diagram first.";
inline constexpr const char* fieldsNotClosed = " are not closed by its lines, so no sample was classified: ";
inline constexpr const char* noColumnWritten = " (are its elements in the data?): no column was written.";
inline constexpr const char* replaceColumn = " exists already. Replace its contents with the fields of the samples?";
inline constexpr const char* noRoomForColumn = "There is no room for another column.";

}  // namespace lavix::app::messages
