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

inline constexpr std::string_view weightNormTitle = "CIPW Weight Norm";
inline constexpr std::string_view moleNormTitle = "CIPW Mole Norm";
inline constexpr std::string_view printJobTitle = "NormWise report";

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
