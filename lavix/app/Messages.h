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
inline constexpr const char* noDataToSave = "No data to save";
inline constexpr const char* cantAddToNothing = "You can't Add to nothing, read a file first";
inline constexpr const char* appendsNewFile = "This appends a new file to current one";
inline constexpr const char* clipboardLoaded = "Clipboard is loaded";
inline constexpr const char* fileTooBig = " File too big, first ";
inline constexpr const char* charactersPlaced = " characters placed on clipboard.";
inline constexpr const char* errorNumber = " Error# ";
// The data entry grid that printing, modifying and entering need is not part of lavix yet.
inline constexpr const char* needsEntryGrid = " needs the data entry grid, which this version does not have yet.";
// After a load whose iron is one total column: "The column FeOT holds total iron ...".
inline constexpr const char* theColumn = "The column ";
inline constexpr const char* totalIronTaken = " holds total iron and is taken as FeO";
inline constexpr const char* totalIronConverted = " (Fe2O3 x 0.8998)";
inline constexpr const char* totalIronUse =
    " for the oxide total and the CIPW norm; answer Yes to the norm's question \"Adjust FeO and Fe2O3\" to split it.";

}  // namespace lavix::app::messages
