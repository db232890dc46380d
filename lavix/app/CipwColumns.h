// The Calculate menu's "CIPW Norm" command: the norm of every row, appended as 26 columns.
#pragma once

namespace lavix::app {

class Session;

namespace cipwText {
inline constexpr const char* adjustIron = "Adjust FeO and Fe2O3 following Irvine and Baragar (1971)";
inline constexpr const char* normKind = "Calculate a weight Norm or a cation Norm  following Irvine and Baragar (1971)";
inline constexpr const char* normalise = "Normalize to 100, following Irvine and Baragar (1971)";
inline constexpr const char* noRoom =
    "The data matrix has no room for the 26 norm columns. Reset the data matrix with more columns to add them.";
}  // namespace cipwText

// Asks whether to adjust the iron, which norm and whether to normalise, then appends the
// 26 norm columns once per data set (a second run finds them and does nothing).
void mcipw(Session& session);

}  // namespace lavix::app
