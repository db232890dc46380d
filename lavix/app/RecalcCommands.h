// The Calculate menu's recalculations: Normalize (the recast to 100 and FeO{t}), Pearce and
// extra parameters, and the ferric/ferrous dialog they share with the projections.
#pragma once

namespace lavix::app {

class Session;

namespace recalcText {
inline constexpr const char* normaliseMajors = "Normalize major oxides to 100 on a volatile free basis; Fe as FeO?";
inline constexpr const char* normaliseTraces = "Normalize trace elements also?";
inline constexpr const char* yes = "&Yes";
inline constexpr const char* no = "&No";
inline constexpr const char* quitNo = "&Quit=No";
inline constexpr const char* pickTraces = "doubleclick on other elements to normalize (*)";
inline constexpr const char* ferricTitle = "Set the Ferric/Ferrous ratio (Sack et al.,1980)";
inline constexpr const char* resetRatio = "Reset this ratio";
inline constexpr const char* leaveRatio = "Leave it unchanged";
inline constexpr const char* ferricInputTitle = "Reset Temp and oxygen fugacity";
inline constexpr const char* temperaturePrompt = "Temp in degrees C";
inline constexpr const char* fo2Prompt = "Log10(fO2)";
inline constexpr const char* ferricNotKept = "The temperature and fO2 are used now, but could not be kept in ";
inline constexpr const char* noRoom =
    "The data matrix has no room for the new columns. Reset the data matrix with more columns to add them.";
inline constexpr const char* pearceFile = "pearce.txt";
inline constexpr const char* extraFile = "extra.txt";
}  // namespace recalcText

// Normalize: asks whether to recast the major oxides to 100 volatile-free (appending FeO{t})
// and whether to flag other columns as well, or takes the last FeO{t} off again; then clears
// the diagram area so that the next diagram is drawn with the new values.
void mnorm(Session& session);

// The ferric/ferrous dialog: "Reset this ratio" asks for T and log fO2 (preset from the
// preferences) and keeps changed values in Controls/lxpref.ini; "Leave it unchanged" or a
// cancelled entry means no iron adjustment. Sets session.recalc.iron.
void setFerricRatio(Session& session);

// Pearce parameters: the formulas of Controls/pearce.txt on the cation proportions of every
// analysis, appended once per data set.
void mpearce(Session& session);

// Extra parameters: Eu*, Ce*, Nb*, Density and Viscosity, then the formulas of Controls/extra.txt.
void mextra(Session& session);

}  // namespace lavix::app
