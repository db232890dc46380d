// Lays out the norm report exactly as both the text file and the printer receive it.
#include "normwise/NormReport.h"

#include "common/format/NumberFormat.h"
#include "normwise/NormwiseTexts.h"

namespace lavix::normwise {

namespace {

using format::formatNumber;
using format::formatText;

// Oxide rows 1..14 are padded flush to six places, the rest leave one blank after five.
constexpr const char* wideMask = "@@@@@@";
constexpr const char* narrowMask = "@@@@@ ";

void oxideRows(const ReportInput& in, int first, int last, const char* pad, std::vector<std::string>& out) {
  std::string names, values;
  for (int o = first; o <= last; ++o) {
    names += formatText(norm::kOxideNames[o - 1], pad);
    values += formatText(formatNumber(in.oxides[o - 1], "#0.00"), pad);
  }
  out.push_back(names);
  out.push_back(values);
}

void mineralRows(const ReportInput& in, int first, int last, const char* pad, std::vector<std::string>& out) {
  std::string names, values;
  for (int m = first; m <= last; ++m) {
    names += formatText(norm::kMineralLabels[m], pad);
    std::string value = formatNumber(in.normVector[m], "#0.00");
    if (value == "0.00") value = "  -  ";
    values += formatText(value, pad);
  }
  out.push_back(names);
  out.push_back(values);
}

std::string propertyLine(const PropertyList& properties, int first, int last, const char* mask) {
  std::string line;
  for (int p = first; p <= last; ++p) {
    const Property& property = properties[p];
    line += property.label + "=";
    if (property.value)
      line += formatNumber(*property.value, mask);
    else
      line += std::string(texts::notComputed) + (property.whyNot.empty() ? "" : " " + property.whyNot) + " ";
  }
  return line;
}

}  // namespace

std::vector<std::string> buildReport(const ReportInput& in) {
  std::vector<std::string> out;
  out.push_back("Sample name: " + in.sampleName);
  oxideRows(in, 1, 14, wideMask, out);
  out.emplace_back();
  oxideRows(in, 15, 24, narrowMask, out);
  out.push_back("Total " + formatText(formatNumber(in.oxideTotal, "#00.0"), wideMask));
  out.emplace_back();
  out.emplace_back(in.type == norm::NormType::Weight ? texts::weightNormTitle : texts::moleNormTitle);
  mineralRows(in, 1, 14, wideMask, out);
  out.emplace_back();
  mineralRows(in, 15, 28, narrowMask, out);
  out.emplace_back();
  mineralRows(in, 29, 32, narrowMask, out);
  out.push_back("Total " + formatNumber(in.normTotal, "#00.0") + "         Plag is An" +
                formatNumber(in.normVector[0], "#00.0"));
  out.push_back(propertyLine(in.properties, 1, 4, " ###0.000 "));
  out.push_back(propertyLine(in.properties, 5, 8, "###0.000 "));
  out.emplace_back();
  return out;
}

}  // namespace lavix::normwise
