// Writes the benchmarks' rock data file: make_data_file ROWS PATH (rows 1..32767).
#include <cstdio>
#include <cstdlib>

#include "bench/TestDataFile.h"

int main(int argc, char** argv) {
  const int rows = argc == 3 ? std::atoi(argv[1]) : 0;
  if (rows < 1 || rows > lavix::bench::fullRows) {
    std::fprintf(stderr, "usage: make_data_file ROWS PATH   (ROWS 1..32767)\n");
    return 2;
  }
  const std::size_t bytes = lavix::bench::writeDataFile(argv[2], rows);
  if (bytes == 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%s: %d rows x %d columns, %zu bytes\n", argv[2], rows, lavix::bench::fileColumns, bytes);
  return 0;
}
