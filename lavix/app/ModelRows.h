// The rows that the spider models and mixes append to the data matrix and to the spider
// diagram's plotted rows, and their removal.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lavix::app {

class Session;

// The spider diagram's plotted rows that the matrix holds (a list left from a larger data set
// may name rows that are gone): what the source, contaminant and component pickers offer.
std::vector<int> plottedSamples(const Session& session);

// True when the matrix can take `count` more rows.
bool haveRoomForRows(const Session& session, int count);

// Appends row rowCount + 1 with every cell empty, the name, the symbol number (also its Kcode;
// Jcode and Lcode 0) and the label written beside its pattern, and puts it on the plotted rows.
// The caller checks the room first. Returns the row.
int appendModelRow(Session& session, const std::string& name, int16_t symbol, const std::string& label);

// Stores a value in the general number format; a value that is not a finite number leaves
// the cell empty.
void setModelValue(Session& session, int row, int column, float value);

// The columns of the partition-coefficient elements (0 where the data set has none), matched
// as the spider diagram matches its elements, so a model row has a value wherever a pattern
// draws one: the element's own column, else the column of the standard oxide of that element.
std::vector<int16_t> elementColumns(const Session& session, const std::vector<std::string>& elements);

// The isotope-ratio columns a model copies from its source, 0 where the data set lacks one:
// 87SR/86SR, 143ND/144ND, 176HF/177HF, 187OS/186OS, 6LI/7LI, 206PB/204PB, 207PB/204PB, 208PB/204PB.
std::array<int16_t, 8> isotopeRatioColumns(const Session& session);

// "Remove all models": the rows after those of the last load leave the matrix, the plotted
// rows and the labels.
void removeModelRows(Session& session);

// The model rows after row `keep` leave the same way; data rows never do.
void removeRowsAfter(Session& session, int keep);

}  // namespace lavix::app
