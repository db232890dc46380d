// The least-squares solver: weighting, closure row, normal equations, Gauss-Jordan, report.
#include "mixing/Solver.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "mixing/Messages.h"

namespace lavix::mixing {

namespace {

using format::formatNumber;
using format::formatText;

// Gauss-Jordan without row exchange; a pivot below 1e-6 is skipped and counted (the first in
// `firstSkipped`), so that runModel can refuse the singular system by the phase's name.
template <typename T>
int solveNormal(const std::vector<std::vector<double>>& a, int nph, int rows, std::vector<double>& b, int& firstSkipped) {
  std::vector<std::vector<T>> n(static_cast<std::size_t>(nph + 1), std::vector<T>(static_cast<std::size_t>(nph + 1), T(0)));
  b.assign(static_cast<std::size_t>(nph + 1), 0.0);
  const auto& target = a[static_cast<std::size_t>(nph + 1)];
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= nph; ++j) {
      const double aji = a[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
      for (int k = 1; k <= nph; ++k)
        n[j][k] += static_cast<T>(aji * a[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)]);
      b[static_cast<std::size_t>(j)] += aji * target[static_cast<std::size_t>(i)];
    }
  int skipped = 0;
  for (int p = 1; p <= nph; ++p) {
    const T pivot = n[p][p];
    if (std::fabs(static_cast<double>(pivot)) < 0.000001) {
      if (skipped++ == 0) firstSkipped = p;
      continue;
    }
    for (int k = 1; k <= nph; ++k) n[p][k] /= pivot;
    b[static_cast<std::size_t>(p)] /= static_cast<double>(pivot);
    for (int r = 1; r <= nph; ++r) {
      if (r == p) continue;
      const T factor = n[r][p];
      for (int k = 1; k <= nph; ++k) n[r][k] -= factor * n[p][k];
      b[static_cast<std::size_t>(r)] -= static_cast<double>(factor) * b[static_cast<std::size_t>(p)];
    }
  }
  return skipped;
}

// Columns j and k of the weighted system are the same phase as far as the fit can see.
bool sameColumn(const std::vector<std::vector<double>>& a, int j, int k, int rows) {
  for (int i = 1; i <= rows; ++i) {
    const double x = a[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
    const double y = a[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)];
    if (std::fabs(x - y) > 1e-5 * std::max({1.0, std::fabs(x), std::fabs(y)})) return false;
  }
  return true;
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& name : names) out += (out.empty() ? "" : ", ") + name;
  return out;
}

std::string coefficientText(double x) { return formatText(formatNumber(x, "#0.000"), "@@@@@@"); }

// A column of the composition table: 9 characters, right-aligned, so that a 100.00 still
// leaves a blank before it.
constexpr int compositionWidth = 9;
// A heading cell of `width` characters: the name cut to width - 1 and right-aligned, so a
// long phase name never runs into the next ("AMPH_ATAPLAG_SAZ").
std::string headingCell(const std::string& name, int width) {
  return formatText(name.substr(0, static_cast<std::size_t>(width - 1)), std::string(static_cast<std::size_t>(width), '@'));
}
std::string compositionCell(float value) {
  return formatText(formatNumber(value, "#0.00"), std::string(compositionWidth, '@'));
}

// Trace values: two decimals below 10, one (and a blank) from 10 on.
std::string traceValue(float v) {
  return formatText(formatNumber(v, v < 10 ? "###0.00" : "###0.0 "), "@@@@@@@@");
}

void signs(const std::vector<double>& x, std::size_t from, std::size_t to, bool& mixed) {
  bool negative = false, positive = false;
  for (std::size_t j = from; j < to; ++j) {
    if (x[j] < 0) negative = true;
    if (x[j] > 0) positive = true;
  }
  mixed = negative && positive;
}

}  // namespace

ModelResult runModel(const DataMatrix& matrix, const OxideTable& oxides, const PartitionTable& partition,
                     const ModelChoice& choice, NormalPrecision precision) {
  ModelResult r;
  r.model = choice.model;
  const int nel = oxides.count();
  const int ntr = partition.elementCount();

  std::vector<int> phases;  // data rows of columns 1..nph+1
  if (choice.model != Model::Mixing) phases = choice.minerals;
  r.nmin = static_cast<int>(phases.size());
  if (choice.model == Model::Fractionation) phases.push_back(choice.daughter);
  else phases.insert(phases.end(), choice.lavas.begin(), choice.lavas.end());
  r.nph = static_cast<int>(phases.size());
  phases.push_back(choice.target);
  const int nph = r.nph;
  const auto column = [&](int j) { return phases[static_cast<std::size_t>(j - 1)]; };
  for (int row : phases) r.phaseNames.push_back(matrix.name(row));

  // a[j][i]: oxide i of column j, weighted; row nel+1 the closure row.
  std::vector<std::vector<double>> a(static_cast<std::size_t>(nph + 2), std::vector<double>(static_cast<std::size_t>(nel + 2), 0.0));
  r.composition.assign(static_cast<std::size_t>(nph + 1), std::vector<double>(static_cast<std::size_t>(nel), 0.0));
  for (int j = 1; j <= nph + 1; ++j) {
    for (int i = 1; i <= nel; ++i) {
      const double v = matrix.value(i, column(j));
      r.composition[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(i - 1)] = v;
      a[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = v * oxides.weights[static_cast<std::size_t>(i - 1)];
    }
    a[static_cast<std::size_t>(j)][static_cast<std::size_t>(nel + 1)] = 100;
  }

  const auto nameOf = [&](int j) { return r.phaseNames[static_cast<std::size_t>(j - 1)]; };
  for (int j = 2; j <= nph; ++j)
    for (int k = 1; k < j; ++k)
      if (sameColumn(a, j, k, nel)) {
        r.refusal = nameOf(k) + messages::andWord + nameOf(j) + messages::sameComposition;
        return r;
      }
  std::vector<double> b;
  int firstSkipped = 0;
  r.skippedPivots = precision == NormalPrecision::Double ? solveNormal<double>(a, nph, nel + 1, b, firstSkipped)
                                                          : solveNormal<float>(a, nph, nel + 1, b, firstSkipped);
  if (r.skippedPivots > 0) {
    r.refusal = nameOf(firstSkipped) + messages::notIndependent;
    return r;
  }
  r.coefficients.assign(b.begin() + 1, b.end());
  const auto x = [&](int j) { return r.coefficients[static_cast<std::size_t>(j - 1)]; };

  const int ncoef = choice.model == Model::Mixing ? nph : r.nmin;
  double s = 0;
  for (int j = 1; j <= ncoef; ++j) s += x(j);
  r.proportions.assign(static_cast<std::size_t>(nph), 0.0F);
  for (int j = 1; j <= ncoef; ++j) r.proportions[static_cast<std::size_t>(j - 1)] = s == 0 ? 0.0F : static_cast<float>(x(j) / s);

  r.calculated.assign(static_cast<std::size_t>(nel), 0.0F);
  r.residuals.assign(static_cast<std::size_t>(nel), 0.0F);
  for (int i = 1; i <= nel; ++i) {
    const float w = oxides.weights[static_cast<std::size_t>(i - 1)];
    double calc = 0;
    for (int j = 1; j <= nph; ++j) calc += a[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] * x(j);
    const float residual = static_cast<float>(a[static_cast<std::size_t>(nph + 1)][static_cast<std::size_t>(i)] - calc);
    r.residuals[static_cast<std::size_t>(i - 1)] = residual;
    r.sumOfSquares += residual * residual;
    if (w != 0) {
      r.calculated[static_cast<std::size_t>(i - 1)] = static_cast<float>(calc) / w;
    } else {
      // A weighted-out oxide still shows what the solution predicts for it.
      double plain = 0;
      for (int j = 1; j <= nph; ++j) plain += r.composition[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(i - 1)] * x(j);
      r.calculated[static_cast<std::size_t>(i - 1)] = static_cast<float>(plain);
    }
  }

  if (choice.model != Model::Mixing) signs(r.coefficients, 0, static_cast<std::size_t>(r.nmin), r.mineralSignsMixed);
  if (choice.model != Model::Fractionation)
    signs(r.coefficients, static_cast<std::size_t>(r.nmin), static_cast<std::size_t>(nph), r.lavaSignsMixed);
  const bool signsPass = !r.mineralSignsMixed && !r.lavaSignsMixed;

  // Bulk D over the chosen minerals; melt fraction f with its exponent rule.
  std::vector<float> bulkD(static_cast<std::size_t>(ntr), 0.0F);
  for (int t = 1; t <= ntr; ++t) {
    float sum = 0;
    for (int m = 1; m <= r.nmin; ++m)
      sum += r.proportions[static_cast<std::size_t>(m - 1)] * partition.k(t, matrix.mineralId(column(m)));
    bulkD[static_cast<std::size_t>(t - 1)] = std::fabs(sum);
  }
  double lavaSum = 0;
  for (int j = r.nmin + 1; j <= nph; ++j) lavaSum += x(j);
  float f = choice.model == Model::Fractionation ? static_cast<float>(x(nph)) : static_cast<float>(lavaSum);
  const bool above1 = f > 1;
  if (above1) f = f / (2 * f - 1);
  r.meltFraction = f;
  const auto exponent = [&](float d) { return above1 ? d - 1 : 1 - d; };
  const auto traceOf = [&](int row, int t) { return matrix.value(nel + t, row); };
  // The analyses among `rows` without element t; the element's line says so instead of comparing.
  const auto lacking = [&](const std::vector<int>& rows, int t) {
    std::vector<std::string> names;
    for (int row : rows)
      if (matrix.missing(nel + t, row)) names.push_back(matrix.name(row));
    return joined(names);
  };
  std::vector<int> lavaRows;
  for (int j = r.nmin + 1; j <= nph; ++j) lavaRows.push_back(column(j));
  const auto notAnalysed = [&](int t, std::string missingIn) {
    TraceRow row;
    row.element = partition.elements[static_cast<std::size_t>(t - 1)];
    row.d = bulkD[static_cast<std::size_t>(t - 1)];
    row.missingIn = std::move(missingIn);
    return row;
  };

  if (choice.model == Model::Fractionation && x(nph) != 0 && ntr > 0 && signsPass) {
    r.traceTable = true;
    for (int t = 1; t <= ntr; ++t) {
      if (auto missingIn = lacking({choice.daughter, choice.target}, t); !missingIn.empty()) {
        r.trace.push_back(notAnalysed(t, std::move(missingIn)));
        continue;
      }
      const float daughter = traceOf(choice.daughter, t);
      if (!(daughter > 0)) continue;
      TraceRow row;
      row.element = partition.elements[static_cast<std::size_t>(t - 1)];
      row.d = bulkD[static_cast<std::size_t>(t - 1)];
      row.source = daughter;
      row.observed = traceOf(choice.target, t);
      row.calculated = std::pow(f, exponent(row.d)) * daughter;
      row.difference = row.observed - row.calculated;
      r.trace.push_back(row);
    }
  } else if (choice.model == Model::MixingAndFractionation && r.nmin > 0 && signsPass && lavaSum != 0) {
    r.traceTable = true;
    std::vector<int> sources = lavaRows;
    sources.push_back(choice.target);
    for (int t = 1; t <= ntr; ++t) {
      if (auto missingIn = lacking(sources, t); !missingIn.empty()) {
        r.trace.push_back(notAnalysed(t, std::move(missingIn)));
        continue;
      }
      double mixed = 0;
      for (int j = r.nmin + 1; j <= nph; ++j) mixed += x(j) * traceOf(column(j), t);
      const auto m = static_cast<float>(mixed / lavaSum);
      if (!(m > 0)) continue;
      TraceRow row;
      row.element = partition.elements[static_cast<std::size_t>(t - 1)];
      row.d = bulkD[static_cast<std::size_t>(t - 1)];
      row.source = m;
      row.observed = traceOf(choice.target, t);
      row.calculated = std::pow(f, exponent(row.d)) * m;
      row.difference = row.observed - row.calculated;
      r.trace.push_back(row);
    }
  } else if (choice.model == Model::Mixing && signsPass && ntr > 0) {
    r.traceTable = true;
    std::vector<int> sources = lavaRows;
    sources.push_back(choice.target);
    for (int t = 1; t <= ntr; ++t) {
      if (auto missingIn = lacking(sources, t); !missingIn.empty()) {
        r.trace.push_back(notAnalysed(t, std::move(missingIn)));
        continue;
      }
      double calc = 0;
      TraceRow row;
      for (int j = 1; j <= nph; ++j) {
        calc += x(j) * traceOf(column(j), t);
        row.lavas.push_back(traceOf(column(j), t));
      }
      row.calculated = static_cast<float>(calc);
      if (!(row.calculated > 0)) continue;
      row.element = partition.elements[static_cast<std::size_t>(t - 1)];
      row.observed = traceOf(choice.target, t);
      row.difference = row.observed - row.calculated;
      r.trace.push_back(row);
    }
  }

  // The report, line by line.
  auto& out = r.report;
  const std::string& targetName = r.phaseNames.back();
  switch (choice.model) {
    case Model::Fractionation: out.push_back("  The Parent magma(P) is  " + formatText(targetName, "!@@@@@@@@@@@@@@@")); break;
    case Model::Mixing: out.push_back("  The Hybrid(Hy) magma is  " + formatText(targetName, "!@@@@@@@@@@@@@@@")); break;
    case Model::MixingAndFractionation:
      out.push_back("  The Hybrid(Hy) magma is   " + formatText(targetName, "!@@@@@@@@@@@@@@@"));
      break;
  }
  out.emplace_back(choice.model == Model::Mixing ? "  Coef            Magma" : "  Coef   Solid    Min/Magma");
  const int coefficientLines = choice.model == Model::Fractionation ? r.nmin : nph;
  for (int j = 1; j <= coefficientLines; ++j)
    out.push_back(" " + coefficientText(x(j)) +
                  formatText(formatNumber(r.proportions[static_cast<std::size_t>(j - 1)] * 100.0F, "##00.0"), "@@@@@@@") +
                  "     " + r.phaseNames[static_cast<std::size_t>(j - 1)]);
  if (choice.model == Model::Fractionation)
    out.push_back(" " + coefficientText(x(nph)) + formatText("", "@@@@@@@") + "     " + r.phaseNames[static_cast<std::size_t>(nph - 1)] +
                  " Daughter(D)");

  // The phases across, one column each above its compositions; the target's name is in the
  // first line of the report.
  std::string heading = "        ";
  const int namedColumns = choice.model == Model::Fractionation ? r.nmin : nph;
  for (int j = 1; j <= namedColumns; ++j) heading += headingCell(r.phaseNames[static_cast<std::size_t>(j - 1)], compositionWidth);
  if (choice.model == Model::Fractionation)
    heading += headingCell("Daughter", compositionWidth) + headingCell("Parent", compositionWidth);
  else
    heading += headingCell("Hybrid", compositionWidth);
  out.push_back(heading);
  std::string obs = formatText(" Obs   ", " !@@@@@@@@"), calc = formatText(" Calc   ", " !@@@@@@@@"),
              diff = formatText(" Diff*Wt", " !@@@@@@@@");
  for (int i = 1; i <= nel; ++i) {
    if (i == oxides.hiddenFe2o3Row) continue;
    std::string line = formatText(text::stripMarkup(oxides.names[static_cast<std::size_t>(i - 1)]), "!@@@@@@@");
    for (int j = 1; j <= nph + 1; ++j)
      line += compositionCell(r.composition[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(i - 1)]);
    out.push_back(line);
    obs += formatText(formatNumber(r.composition[static_cast<std::size_t>(nph)][static_cast<std::size_t>(i - 1)], "#0.00"), "@@@@@@@");
    calc += formatText(formatNumber(r.calculated[static_cast<std::size_t>(i - 1)], "#0.00"), "@@@@@@@");
    diff += formatText(formatNumber(r.residuals[static_cast<std::size_t>(i - 1)], "#0.00"), "@@@@@@@");
  }
  out.push_back(obs);
  out.push_back(calc);
  out.push_back(diff);
  out.push_back(" Sum of squares of residuals= " + formatNumber(r.sumOfSquares, "##0.000"));
  if (r.mineralSignsMixed) {
    out.emplace_back(messages::mixtureAf);
    out.emplace_back(messages::traceNotCalculated);
  }
  if (r.lavaSignsMixed) {
    out.emplace_back(messages::addAndSubtract);
    out.emplace_back(messages::traceNotCalculated);
  }
  if (!r.traceTable) return r;

  const auto traceLine = [&](const TraceRow& row) {
    const std::string head = formatText(row.element, " !@@") + formatText(formatNumber(row.d, "#0.00"), "@@@@@@@");
    if (!row.missingIn.empty()) return head + messages::notAnalysedIn + row.missingIn;
    return head + traceValue(row.observed) + traceValue(row.calculated) + traceValue(row.difference) +
           traceValue(row.source);
  };
  if (choice.model == Model::Fractionation) {
    out.push_back("  " + r.phaseNames[static_cast<std::size_t>(nph - 1)] + "(D)" + "  F=" + formatNumber(f, "#0.000"));
    out.push_back(formatText("     D ", "@@@@@@@@") + formatText("Obs(P)", "@@@@@@@@") + formatText("Calc(P)", "@@@@@@@@") +
                  formatText("Diff", "@@@@@@@@"));
    for (const auto& row : r.trace) out.push_back(traceLine(row));
  } else if (choice.model == Model::MixingAndFractionation) {
    out.push_back(std::string("  ") + " Mix " + "  F=" + formatNumber(f, "#0.000"));
    out.push_back(formatText("     D ", "@@@@@@@@") + formatText("Obs-Hy", "@@@@@@@@") + formatText("Calc-Hy", "@@@@@@@@") +
                  formatText("Diff", "@@@@@@@@"));
    for (const auto& row : r.trace) out.push_back(traceLine(row));
  } else {
    std::string head = "    ";
    for (int j = 1; j <= nph; ++j) head += headingCell(r.phaseNames[static_cast<std::size_t>(j - 1)], 7);
    head += formatText("Obs", "@@@@@@@") + formatText("Calc", "@@@@@@@") + formatText("Resid", "@@@@@@@");
    out.push_back(head);
    for (const auto& row : r.trace) {
      std::string line = formatText(row.element, " !@@");
      if (!row.missingIn.empty()) {
        out.push_back(line + messages::notAnalysedIn + row.missingIn);
        continue;
      }
      for (float v : row.lavas) line += formatText(formatNumber(v, "###0.0"), "@@@@@@@");
      line += formatText(formatNumber(row.observed, "###0.0"), "@@@@@@@") + formatText(formatNumber(row.calculated, "###0.0"), "@@@@@@@") +
              formatText(formatNumber(row.difference, "###0.0"), "@@@@@@@");
      out.push_back(line);
    }
  }
  return r;
}

}  // namespace lavix::mixing
