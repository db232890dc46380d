// The iron adjustment and the Cr/Ni lookup.
#include "lavix/recalc/IronAdjustment.h"

#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::recalc {

namespace {

constexpr int fe2o3 = 4, feo = 5;

// The non-compositional part of the Sack et al. relation; the offset is 273, not 273.15.
float ratioTerm(float tempC, float logFO2) {
  if (tempC + 273.0f == 0.0f) return 0.0f;
  return 13184.7f / (tempC + 273.0f) + logFO2 * 2.303f * 0.218f - 4.499f;
}

}  // namespace

void setFerricRatio(FerricRatio& ratio, data::DialogExchange& exchange, ui::PromptPort& prompts) {
  ratio.feRatioMode.clear();
  ratio.feRatioTerm = 0;
  const int choice = exchange.askButton(prompts, "Set the Ferric/Ferrous ratio (Sack et al.,1980)",
                                        {"Reset this ratio", "Leave it unchanged"}, "RL");
  if (choice != 1) {
    ratio.feLabel.clear();
    return;
  }
  ratio.feRatioMode = "R";
  if (!exchange.askNumbers(prompts, "Reset Temp and oxygen fugacity", {"Temp in degrees C", "Log10(fO2)"},
                           {ratio.feTempC, ratio.feLogFO2})) {
    ratio.feRatioMode.clear();
    ratio.feLabel.clear();
    return;
  }
  ratio.feTempC = exchange.fieldValue[1];
  ratio.feLogFO2 = exchange.fieldValue[2];
  ratio.feRatioTerm = ratioTerm(ratio.feTempC, ratio.feLogFO2);
  ratio.feLabel = "T=" + format::generalFormat(ratio.feTempC) + " fo2= " + format::generalFormat(ratio.feLogFO2);
}

void adjustIron(OxideWork& w, const FerricRatio& ratio, const data::StandardTable& standard) {
  const bool reset = ratio.feRatioMode == "R";
  if (reset) {
    w[feo] = w[fe2o3] * 0.8999f + w[feo];
    w[fe2o3] = 0;
  }
  float sum = 0;
  for (std::size_t k = 1; k <= 11; ++k) {
    const float weight = standard.molecularWeight[k];
    w[k] = weight != 0 ? w[k] / weight : 0.0f;
    sum += w[k];
  }
  if (!reset) return;
  if (sum == 0) sum = 1;
  double l = ratio.feRatioTerm;
  for (std::size_t k = 1; k <= 11; ++k) l += static_cast<double>(standard.ferricCoefficient[k]) * w[k] / sum;
  const float e = static_cast<float>(std::exp(l));  // the molar ratio Fe2O3 / FeO
  if (!std::isfinite(e)) return;
  w[feo] = w[feo] / (2 * e + 1);
  w[fe2o3] = e * w[feo];
}

CrNiColumns findCrNi(const data::DataStore& store) {
  CrNiColumns found;
  for (int c = 1; c <= store.columnCount && static_cast<std::size_t>(c) < store.columnName.size(); ++c) {
    const std::string name = text::normaliseName(store.columnName[static_cast<std::size_t>(c)]);
    const auto column = static_cast<int16_t>(c);
    if (name == "CR2O3") found.crColumn = column, found.crFactor = 1.0f;
    if (name == "NIO") found.niColumn = column, found.niFactor = 1.0f;
    if (name == "CR") found.crColumn = column, found.crFactor = 0.0001462f;
    if (name == "NI") found.niColumn = column, found.niFactor = 0.0001273f;
  }
  return found;
}

}  // namespace lavix::recalc
