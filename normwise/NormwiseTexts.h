// The fixed user texts of normwise, in one place so tests can assert them word for word.
#pragma once

#include <array>
#include <string_view>

namespace lavix::normwise::texts {

inline constexpr std::string_view programTitle = "NormWise";
inline constexpr std::string_view openFilter = "Roc & Text files (*.roc; *.txt)|*.roc;*.txt|All files (*.*)|*.*|";
inline constexpr std::string_view reportFilter = "Text files (*.TXT)|*.TXT|All files (*.*)|*.*|";
inline constexpr std::string_view checkFile = " Check file!";
// Our own wording: the reader keeps the first samples instead of failing past the limit.
inline constexpr std::string_view tooManySamples = "Only the first 100 samples were read.";
inline constexpr std::string_view noSamples = "No samples found in this file.";
inline constexpr std::string_view noSampleName = "noname";
inline constexpr std::string_view noOxideColumns =
    "The first line of this file names none of the oxides (SiO2, TiO2 ...): a rock data file begins with a line "
    "of column names.";
// "The column FeOT holds total iron and is read into the FeO field ..."
inline constexpr std::string_view theColumn = "The column ";
inline constexpr std::string_view totalIronRead = " holds total iron and is read into the FeO field";
inline constexpr std::string_view totalIronConverted = " (Fe2O3 x 0.8998)";
inline constexpr std::string_view totalIronSplit = "; \"Fe2O3 = TiO2+1.5\" splits it into FeO and Fe2O3.";
// Refusals of an analysis that cannot be normed: "Sample X: MgO \"n.d.\" is not a number ...".
inline constexpr std::string_view samplePrefix = "Sample ";
inline constexpr std::string_view fileValueNotNumber = " is not a number; correct the file and open it again.";
inline constexpr std::string_view fieldNotNumber =
    " is not a number; enter a number, or leave the field empty when there is none.";
inline constexpr std::string_view negativeOxide = " is negative; an analysis holds no negative amounts.";
inline constexpr std::string_view pressureOutOfRange = "The pressure must be from 0 to 100 kbar.";

inline constexpr std::string_view weightNormTitle = "CIPW Weight Norm";
inline constexpr std::string_view moleNormTitle = "CIPW Mole Norm";
inline constexpr std::string_view printJobTitle = "NormWise report";
// A property the last calculation did not give, in the report: "Basalt Liq Temp= not computed (SiO2 outside 48-53)".
inline constexpr std::string_view notComputed = " not computed";
inline constexpr std::string_view liquidusOutOfRange = "(SiO2 outside 48-53)";

// Captions of the form's commands.
inline constexpr std::string_view calcCaption = "Calculate CIPW";
inline constexpr std::string_view evisCaption = "Eff. visc";
inline constexpr std::string_view printCaption = "Add to txt file";
inline constexpr std::string_view menuPrintCaption = "Print";
inline constexpr std::string_view clearCaption = "Clear Fields";
inline constexpr std::string_view openCaption = "Open File";
inline constexpr std::string_view quitCaption = "Quit";
inline constexpr std::string_view option1Caption = "Wt Norm";
inline constexpr std::string_view option2Caption = "Mole Norm";
inline constexpr std::array<std::string_view, 4> checkCaptions = {
    "Haunite present", "Cancrinite present", "Calcite present", "Calcite primary"};
inline constexpr std::string_view checkFeCaption = "Fe2O3 = TiO2+1.5";

}  // namespace lavix::normwise::texts
