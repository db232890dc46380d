// The fixed user texts of the statistics, the XY models and the mixing lines, in one place.
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

}  // namespace lavix::models::messages
