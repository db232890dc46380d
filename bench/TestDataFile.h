// A rock data file of realistic content and any size for the benchmarks, the same on every run.
#pragma once

#include <string>

namespace lavix::bench {

inline constexpr int fullRows = 32767;
inline constexpr int fileColumns = 150;

// SAMPLE, JCODE, KCODE, LCODE, then 150 columns: major oxides in wt %, volatiles, trace
// elements in ppm and isotope ratios; about one cell in twelve empty and one in two thousand
// not a number ("<0.5", "n.d."). Lines end in CR LF.
std::string dataFileText(int rows);

// Writes dataFileText(rows) to `path` once and returns its size in bytes (0 on failure).
std::size_t writeDataFile(const std::string& path, int rows);

}  // namespace lavix::bench
