// Turns the system's file filter text ("Desc|*.a;*.b|Desc2|*.c|") into Qt name filters.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace lavix::qtui {

// One Qt name filter per description/pattern pair: "Desc (*.a *.b)". A description that
// already ends with the same pattern list in parentheses is kept as it is. A description
// without patterns (odd count) gets "*". Empty text gives no filters.
QStringList toQtFilters(std::string_view systemFilter);

// The filters joined with ";;", as QFileDialog takes them in one string.
QString toQtFilterString(std::string_view systemFilter);

// The filter at the 1-based position `filterIndex`, or the first one when out of range;
// empty when there are no filters.
QString selectedFilter(const QStringList& filters, int filterIndex);

}  // namespace lavix::qtui
