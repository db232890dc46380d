// The fixed user texts of mixing, in one place so tests can assert them word for word.
#pragma once

namespace lavix::mixing::messages {

inline constexpr const char* readPcFirst = "Read a Partition Coeff. (PC) file";
inline constexpr const char* readMineralFirst = "Read a Mineral file";
inline constexpr const char* readRockFirst = "Read a Rock file";
inline constexpr const char* blankLine = "blank line found in file";
inline constexpr const char* notMatched = " not matched with any mineral ID in PC file";
inline constexpr const char* countPrefix = "   N= ";

inline constexpr const char* pcTitle = "Select file for Partition Coefficients.";
inline constexpr const char* pcFilter = "Part. Coef. file (PC.txt) |*.PC.txt";
inline constexpr const char* weightTitle = "Select file with table of oxide weights";
inline constexpr const char* weightFilter = "Oxide weights (*.wt.txt)|*wt.txt|";
inline constexpr const char* weightDefault = "*.wt.txt";
inline constexpr const char* rockTitle = "Select file with rock analyses";
inline constexpr const char* rockFilter = "Rock Files (*.roc;*.txt)|*.roc;*.txt|All Files (*.*)|*.*";
inline constexpr const char* mineralTitle = "Select file with mineral data";
inline constexpr const char* mineralFilter = "Mineral data(Min.txt Files (*.txt)|*.txt|All Files (*.*)|*.*";

inline constexpr const char* redimTitle = "Redimension";
inline constexpr const char* redimInputTitle = "Redim";
inline constexpr const char* redimRows = "Number of rows (analyses)";
inline constexpr const char* redimColumns = "Number of columns (elements)";
inline constexpr const char* redimBadRows = "The number of rows must be a whole number from 201 to 32767";
inline constexpr const char* redimBadColumns = "The number of columns must be a whole number from 1 to 200";

inline constexpr const char* selectMinerals = "Select Minerals (*) with doubleclicks";
inline constexpr const char* selectDaughter = "Select Daughter lava with doubleclick";
inline constexpr const char* selectParent = "Select Parent lava with doubleclick";
inline constexpr const char* daughterIs = "daughter is ";
inline constexpr const char* parentIs = "parent is   ";
inline constexpr const char* selectHybrid = "Select the hybrid Lava with doubleclick";
inline constexpr const char* selectLavas = "Select Lavas (*) with doubleclicks";
inline constexpr const char* selectHybridKeys = "Select the Hybrid Lava with arrow and Enter keys";
inline constexpr const char* runFcFirst = "Run Fract Xtl option first";
inline constexpr const char* fcOnly = "This button is for Fract Xtl models only";

inline constexpr const char* pcHeading = "Partition Coefficients";
inline constexpr const char* weightsHeading = "  Weights for each oxide";

inline constexpr const char* textOutputTitle = "Select file for text output";
inline constexpr const char* textFilter = "Text Files (*.txt)|*.txt|";
inline constexpr const char* correctedTitle = "Select datafile";
inline constexpr const char* correctedPrefix = "Corrected";
inline constexpr const char* savedToFile = "Saved to file";
inline constexpr const char* dataSaved = "data saved";
inline constexpr const char* printFont = "Courier New";

// What the main window says is loaded: "12 rocks, 5 minerals; 9 oxides, 25 trace elements".
inline constexpr const char* rocksLoaded = " rocks, ";
inline constexpr const char* mineralsLoaded = " minerals; ";
inline constexpr const char* oxidesLoaded = " oxides, ";
inline constexpr const char* elementsLoaded = " trace elements";

// Refusals of files the fixed tables cannot hold; the file is not taken.
inline constexpr const char* pcFileEmpty = "The partition-coefficient file is empty";
inline constexpr const char* pcFileNoMinerals = "The first line of the partition-coefficient file names no mineral";
inline constexpr const char* pcFileTooManyMinerals = "The partition-coefficient file names more than 12 minerals";
inline constexpr const char* pcFileTooManyElements = "The partition-coefficient file has more than 100 elements";
inline constexpr const char* weightFileShort = "The weight file needs a line of oxide names and a line of weights";
inline constexpr const char* weightFileTooManyOxides = "The weight file names more than 15 oxides";
inline constexpr const char* noHeaderLine = "The file has no header line";
inline constexpr const char* tooManyColumns = "The matrix has too few columns for these oxides and elements: use Redimension";
inline constexpr const char* tooManyRocks = "The matrix has too few rows for these analyses: use Redimension";
inline constexpr const char* tooManyMinerals = "A mineral file holds at most 200 analyses";
inline constexpr const char* tooLargeForMatrix = "\nThat is more than the matrix could hold: use Redimension";
inline constexpr const char* noReport = "There is no report to save";
inline constexpr const char* noTarget = "There is no model result to save";

// A weight file that would take oxides out of the fit without saying so.
inline constexpr const char* weightFile = "The weight file";
inline constexpr const char* noUsableWeight = " has no usable weight for ";
inline constexpr const char* missingWeight = " (missing)";
inline constexpr const char* emptyWeight = " (empty)";
inline constexpr const char* giveEveryWeight = ": give every oxide a number on the second line.";
inline constexpr const char* allWeightsZero = " gives every oxide a weight of 0, so nothing would be fitted.";
// "The column FeOT holds total iron and is read as FeO."
inline constexpr const char* theColumn = "The column ";
inline constexpr const char* totalIronAsFeO = " holds total iron and is read as FeO.";
// A model whose phases cannot be told apart: nothing is reported and the last results stay.
inline constexpr const char* sameComposition = " have the same composition in the weighted oxides, so the model cannot tell them apart: leave one of them out.";
inline constexpr const char* notIndependent = " is a mixture of the other phases in the weighted oxides, so the model cannot separate it: leave it out or choose other phases.";
inline constexpr const char* andWord = " and ";
// A trace-element line whose comparison is left out: " CE   0.07  not analysed in ATAC-58".
inline constexpr const char* notAnalysedIn = "  not analysed in ";

// Report texts.
inline constexpr const char* mixtureAf = " MIXTURE OF ASSIMILATION AND FRACTIONATION";
inline constexpr const char* traceNotCalculated = " TRACE ELEMENTS NOT CALCULATED";
inline constexpr const char* addAndSubtract = " NOT REASONABLE TO ADD AND SUBTRACT MAGMAS";

}  // namespace lavix::mixing::messages
