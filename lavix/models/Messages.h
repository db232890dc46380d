// The fixed user texts of the statistics and the models (XY models, mixing lines, spider models and
// component mixing with their windows spimod and spimix), in one place.
#pragma once

namespace lavix::models::messages {

// Regression and distributions.
inline constexpr const char* needThreePoints = "Need at least 3 points";
inline constexpr const char* sameX = "All points have the same X: no line can be fitted";
inline constexpr const char* lineBoundsTitle = "Set bounds of plotted line at";
inline constexpr const char* boundsEndpoints = "endpoints";
inline constexpr const char* boundsXAxis = "x-axis";
inline constexpr const char* regressionTitle = "Regression";
inline constexpr const char* pressOk = "Press OK";
inline constexpr const char* writeParametersTitle = "Write regression parameters onto:";
inline constexpr const char* writeDiagram = "Diagram";
inline constexpr const char* writeRegressionFile = "file-ZuzaDu prep file";
inline constexpr const char* writeStatsFile = "file-stats.txt";
inline constexpr const char* quit = "Quit";
inline constexpr const char* regressionFileFilter = "ZuZaDu .lx.txt file (.lx.txt)|*.lx.txt|";
inline constexpr const char* regressionFileDefault = "*.lx.txt";
inline constexpr const char* statsFileName = "stats.txt";
inline constexpr const char* removeOrKeep = "Remove or keep new line";
inline constexpr const char* keepTheLine = "Keep the Line";
inline constexpr const char* removeLine = "Remove Line";
inline constexpr const char* addToPlot = "Add this to plot";
inline constexpr const char* deleteLine = "Delete this line";
inline constexpr const char* noNormalCurve = "The values do not vary: there is no normal curve to draw";
inline constexpr const char* enterLambda = "enter lamda";
inline constexpr const char* lambdaTitle = "wavelength";
inline constexpr const char* negativeLambda = "lamda must not be negative";
inline constexpr const char* noPoissonHistogram = "The Poisson curve goes on a histogram";
inline constexpr const char* rockOver = "Rock/";

// XY models.
inline constexpr const char* noPointsToModel = "No data points to model";
inline constexpr const char* xNotSuitable = "X-parameter not suitable";
inline constexpr const char* yNotSuitable = "Y-parameter not suitable";
inline constexpr const char* notModelled = "+*-#@&^";  // an axis name with any of these is not modelled
inline constexpr const char* selectModel = "Select Model";
inline constexpr const char* modelKeys = "afezrmbq";
inline constexpr const char* limitForm = "dom = eqn6b";
inline constexpr const char* selectParent = "Select Parent (Co)";
inline constexpr const char* selectAssimilant = "Select Assimilant (Ca)";
inline constexpr const char* newAnalysisItem = "Type in a new analysis";
inline constexpr const char* toAddAnalysis = "To Add a new analysis:\n1. Quit to Main Menu\n2. Select Fileops\n3. Type in new data";
inline constexpr const char* dFor = "D for ";
inline constexpr const char* noComponent = "---";
inline constexpr const char* oxygenField = "del O by min/melt fract. (usually -1 to +1)";
inline constexpr const char* ratioField = "R=dMa/dMfc";
inline constexpr const char* fStart = "Start of F range";
inline constexpr const char* fEnd = "End of F range";
inline constexpr const char* fStep = "Step of F";
inline constexpr const char* selectOption = "Select Option";
inline constexpr const char* newCoefficients = "New D F R's";
inline constexpr const char* changeEndMembers = "Change Co or Ca ";
inline constexpr const char* zeroStep = "The step of F must be above 0";
inline constexpr const char* tooManySteps = "This F range needs more than 1001 points: take a larger step";
inline constexpr const char* noRoomForCurve =
    "There is no room for another curve on this diagram: set the diagram up anew to draw more";

// Mixing.
inline constexpr const char* noPointsToMix = "No data points to mix";
inline constexpr const char* clipTitle =
    "Clip the triangle by specifying limits\n for the Left, Top and Right apexes.\n Plot will expand, if possible.\n"
    " Min and Max values are between 0 and 1 -  default is  0, 1";
inline constexpr const char* clipFields[] = {" Min for the Left apex", " Max for the Left apex", " Min for the Top apex",
                                             " Max for the Top apex",  " Min for the Right apex", " Max for the Right apex"};
inline constexpr const char* badClip =
    "Each Min must be below its Max, all between 0 and 1, and the three Mins must add up to less than 1";
inline constexpr const char* hyperbolaFrom = "Calculate mixing hyperbola from:";
inline constexpr const char* twoEndpoints = "Two endpoints";
inline constexpr const char* leastSquares = "Least squares fit";
inline constexpr const char* quitChoice = "&Quit";
inline constexpr const char* selectFirst = "Select first endpoint";
inline constexpr const char* selectSecond = "Select second endpoint";
inline constexpr const char* isotopeUnreadable = "did not read isotope value correctly";
inline constexpr const char* notFoundFor = "did not find data for ";
inline constexpr const char* needThreeForHyperbola = " Need at least three points to fit a hyperbola";
inline constexpr const char* noHyperbola = "These points define no hyperbola";
inline constexpr const char* tickSchemeTitle = "Select tick scheme\nin % of ";
inline constexpr const char* tickSchemes[] = {"e-  n*20%", "s-  n*.5%", "t-  n*.1%", "N-  none", "Other"};
inline constexpr const char* enterTicks = "Enter ticks in % of \n";
inline constexpr const char* separateTicks = "Separate tick values with commas";
inline constexpr const char* equalX = "X values are equal, no mix possible";
inline constexpr const char* mixBoundsTitle = "Set bounds of mixing line at";
inline constexpr const char* ticksInPercentOf = "Ticks in % of ";

// Spider models: the model list and the mode question.
inline constexpr const char* modalTitle = "Modal Pi=Di\nNonModal Pi<>Di";
inline constexpr const char* modal = "Modal";
inline constexpr const char* nonModal = "Non Modal";
inline constexpr const char* inverseModelName = "ZuZaDu";

// The spider model window spimod.
inline constexpr const char* spimodTitle = "Melting and crystallisation models";
inline constexpr const char* selectLabel = "SELECT";
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
inline constexpr const char* noRoomForRows =
    "The data matrix has no room for the model rows: enlarge it with Reset data matrix";
inline constexpr const char* leftEmpty = "No value, left empty: ";  // + the cells, "La (F0 .1)" ...
inline constexpr const char* residuesTitle = "Residues";
inline constexpr const char* addResidues = "Add calculated residues";
inline constexpr const char* skipResidues = "Skip calculation of residues";
inline constexpr const char* meltList = "% liquid's (F's)";
inline constexpr const char* insituCaption = "\"in situ\"  f, % returned";
inline constexpr const char* afcRatioCaption = "r = dMa/dMc";
inline constexpr const char* inverseNote = "Inverse: the chosen sample is the product and the rows are its source.";

// The REE inverse model: its preparation from a library file and the inversion.
inline constexpr const char* selectScheme = "Select scheme";
inline constexpr const char* gridFromRanges = "Set X-Y grid from La and Yb/La ranges";
inline constexpr const char* presetGrid = "Use presets for X-Y grid";
inline constexpr const char* notAnXyRecord = "The inverse model regresses X-Y diagrams only, and this is none: ";
inline constexpr const char* keepOrReject = "Keep or reject Model just plotted";
inline constexpr const char* keepModel = "Keep";
inline constexpr const char* rejectModel = "Reject";
inline constexpr const char* regressionDataTitle = "Open file w/ regression data";
inline constexpr const char* regressionDataFilter = "Regression Data (*.lx.txt)|*.lx.txt|";
inline constexpr const char* linesLeftOut =
    "These lines of the regression data file name no element after a \"/\" or lack a number, and are left out:";
inline constexpr const char* linesBeyondLimit = " more lines of the regression data file are left out: at most 30 are used";
inline constexpr const char* noRegressionLines = "The regression data file holds no regression line to invert: ";
inline constexpr const char* interceptsBelowZero = " have intercepts<0 ";
inline constexpr const char* interceptsZero = " have intercepts=0: no source or D estimate, only bounds ";
inline constexpr const char* notInCoefficients = "Not estimated, not in PC/zuzadu.PC.txt:";
inline constexpr const char* notOnDiagram = "Not estimated, not on the spider diagram or not in the data:";
inline constexpr const char* inverseCoefficientFile = "PC/zuzadu.PC.txt";
inline constexpr const char* pRowName = "PIs ";  // + modePText
inline constexpr const char* dRowName = "slope*Co (~D's)";
inline constexpr const char* sourceRowName = "(1-Pi)/I (~source)";
inline constexpr const char* lowBoundName = "-";
inline constexpr const char* highBoundName = "+";
inline constexpr const char* inverseFormNote =
    "ZuZaDu: source = (1-P)/I and D = slope x source take the source's La[N] as 1: both are relative to it";

// The component mixing window spimix.
inline constexpr const char* spimixTitle = "Add mixes to data set";
inline constexpr const char* spimixInstructions =
    "Enter up to 5 components, coefficients can be percents, decimals, integers or whatever. All values will be "
    "divided by sum of coefficients. Pick components first.";
inline constexpr const char* selectComponent = "Select Component # ";
inline constexpr const char* readyFirst = "Ready for first mix";
inline constexpr const char* readyAnother = "Ready for another mix";

}  // namespace lavix::models::messages
