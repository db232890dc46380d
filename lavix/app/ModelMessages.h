// The fixed user texts of the spider model window `spimod`, the spider mixing window `spimix`
// and the model and mix commands, in one place.
#pragma once

namespace lavix::app::modelText {

// The model and mix commands.
inline constexpr const char* noPointsToModel = "No data points to model";
inline constexpr const char* noPointsToMix = "No data points to mix";
inline constexpr const char* selectModelTitle = "Select Model";
inline constexpr const char* modalTitle = "Modal Pi=Di\nNonModal Pi<>Di";
inline constexpr const char* modal = "Modal";
inline constexpr const char* nonModal = "Non Modal";
inline constexpr const char* quit = "&Quit";
inline constexpr const char* inverseModelName = "ZuZaDu";
inline constexpr const char* inverseModelNotYet =
    "ZuZaDu, the REE inverse model, needs the diagram library, which this version does not have yet.";

// spimod.
inline constexpr const char* spimodTitle = "Melting and crystallisation models";
inline constexpr const char* select = "SELECT";
inline constexpr const char* pcOpenTitle = "Open file Partition Coeff.s";
inline constexpr const char* pcFilter = "Part. Coef. (.PC.txt)|*.PC.txt";
inline constexpr const char* blankLine = "blank line found in file";
inline constexpr const char* pcEmpty = "The partition-coefficient file is empty";
inline constexpr const char* pcNoMinerals = "The first line of the partition-coefficient file names no mineral";
inline constexpr const char* pcTooManyMinerals =
    "The model window takes a partition-coefficient file of at most 10 minerals";
inline constexpr const char* pcTooManyElements = "The partition-coefficient file has more than 75 elements";
inline constexpr const char* readPcsFile = "Read a PCS file";
inline constexpr const char* modeDTitle = "Enter mode of minerals for D's in %";
inline constexpr const char* modePTitle = "Enter mode of minerals for P's in %";
inline constexpr const char* selectSourceTitle = "Select Source with doubleclick";
inline constexpr const char* selectContaminantTitle = "Select Contaminant with doubleclick";
inline constexpr const char* readParCoeffFirst = "Read a Par. Coeff. File first";
inline constexpr const char* selectSourceFirst = "Select a source first";
inline constexpr const char* selectContaminantFirst = "Select a contaminant first";
inline constexpr const char* mustSelectD = "Must select Minerals for d's";
inline constexpr const char* mustSelectP = "Must select Minerals for p's";
inline constexpr const char* noValidF = "No valid F's found ( melt)";
inline constexpr const char* tooManyF = "At most 20 F's can be modelled at once";
inline constexpr const char* noRoom =
    "The data matrix has no room for the model rows: enlarge it with Reset data matrix";
inline constexpr const char* leftEmpty = "No value, left empty: ";  // + the cells, "La (F0 .1)" ...
inline constexpr const char* residuesTitle = "Residues";
inline constexpr const char* addResidues = "Add calculated residues";
inline constexpr const char* skipResidues = "Skip calculation of residues";
inline constexpr const char* meltList = "% liquid's (F's)";
inline constexpr const char* insituCaption = "\"in situ\"  f, % returned";
inline constexpr const char* afcRatioCaption = "r = dMa/dMc";
inline constexpr const char* inverseNote = "Inverse: the chosen sample is the product and the rows are its source.";

// spimix.
inline constexpr const char* spimixTitle = "Add mixes to data set";
inline constexpr const char* instructions =
    "Enter up to 5 components, coefficients can be percents, decimals, integers or whatever. All values will be "
    "divided by sum of coefficients. Pick components first.";
inline constexpr const char* selectComponent = "Select Component # ";
inline constexpr const char* readyFirst = "Ready for first mix";
inline constexpr const char* readyAnother = "Ready for another mix";

}  // namespace lavix::app::modelText
