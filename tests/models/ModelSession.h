// A lavix session on a small data set drawn as a spider diagram, with a partition-coefficient
// file in its PC folder: the ground the model and mixing windows are tested on.
#pragma once

#include <string>
#include <vector>

#include "common/text/Text.h"
#include "lavix/app/Session.h"
#include "tests/startup/SessionFixture.h"

namespace lavix::testing {

// Three samples; LAV has no Rb. Ratios normalised by 1, so the pattern shows the raw values.
inline constexpr const char* modelData =
    "SAMPLE\tJCODE\tKCODE\tLCODE\tLa\tCe\tSr\tRb\tYb\tNd\t87Sr/86Sr\t143Nd/144Nd\r\n"
    "SRC\t0\t1\t0\t10\t20\t100\t5\t2\t8\t0.7030\t0.5130\r\n"
    "CON\t0\t2\t0\t30\t60\t400\t50\t3\t20\t0.7100\t0.5120\r\n"
    "LAV\t0\t1\t0\t15\t25\t120\t\t1.8\t10\t0.7040\t0.5128\r\n";
inline constexpr const char* modelPattern =
    "\"Models\" \"Unit\" 6 none 0.01 10000\nLa Ce Sr Rb Yb Nd\n1 1 1 1 1 1\n";
// OL carries the D's of the modal tests (mode 100 % OL); CE has no Kd; NI has no column.
inline constexpr const char* modelCoefficients =
    "Unit test Kd\tOL\tCPX\r\n"
    "LA\t0.1\t0.1\r\n"
    "CE\t0\t0\r\n"
    "SR\t0.05\t0.2\r\n"
    "RB\t0.001\t0.01\r\n"
    "YB\t0.5\t2\r\n"
    "NI\t5\t2\r\n"
    "ND\t0.1\t0.3\r\n";

struct ModelSession : SessionFixture {
  ModelSession() {
    folder.write("Controls/Spider.txt", modelPattern);
    folder.write("Data Files/models.txt", modelData);
    folder.write("PC/unit.PC.txt", modelCoefficients);
    start();
    click("mOpen", {"Data Files/models.txt"});
    click("mspider", {"#1", "[all]"});
  }

  app::Session& s() { return *session; }
  std::string cell(int row, const std::string& column) const {
    for (int c = 1; c <= session->data.columnCount; ++c)
      if (text::normaliseName(session->data.columnName[static_cast<std::size_t>(c)]) == text::normaliseName(column))
        return std::string(session->data.cell(row, c));
    return "no column " + column;
  }
  const std::string& name(int row) const { return session->data.sampleName[static_cast<std::size_t>(row)]; }
  int rows() const { return session->data.rowCount; }
  std::vector<int> plotted() const {
    return {session->spider.selectedRows.begin(), session->spider.selectedRows.end()};
  }
  // The window events that read the unit file, set modal modes of 100 % OL and pick SRC.
  static std::vector<std::string> prepared(std::vector<std::string> more) {
    std::vector<std::string> events = {"click readpcs", "PC/unit.PC.txt", "click mantmode", "100,0",
                                       "click selsource", "SRC"};
    events.insert(events.end(), more.begin(), more.end());
    return events;
  }
};

}  // namespace lavix::testing
