// File filter conversion for the Qt file dialogs.
#include "qtui/FileFilter.h"

namespace lavix::qtui {

namespace {

QString patternsOf(const QString& systemPatterns) {
  QStringList parts;
  for (const QString& part : systemPatterns.split(u';', Qt::SkipEmptyParts)) {
    const QString trimmed = part.trimmed();
    if (!trimmed.isEmpty()) parts << trimmed;
  }
  if (parts.isEmpty()) parts << QStringLiteral("*");
  return parts.join(u' ');
}

}  // namespace

QStringList toQtFilters(std::string_view systemFilter) {
  const QString text = QString::fromUtf8(systemFilter.data(), static_cast<qsizetype>(systemFilter.size()));
  QStringList pieces = text.split(u'|');
  // The system's text ends with "|", which leaves one empty piece behind.
  if (!pieces.isEmpty() && pieces.back().isEmpty()) pieces.removeLast();

  QStringList filters;
  for (qsizetype i = 0; i < pieces.size(); i += 2) {
    const QString description = pieces[i].trimmed();
    const QString patterns = patternsOf(i + 1 < pieces.size() ? pieces[i + 1] : QString());
    const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
    if (description.isEmpty())
      filters << suffix;
    else if (description.endsWith(suffix))
      filters << description;
    else
      filters << description + u' ' + suffix;
  }
  return filters;
}

QString toQtFilterString(std::string_view systemFilter) { return toQtFilters(systemFilter).join(QStringLiteral(";;")); }

QString selectedFilter(const QStringList& filters, int filterIndex) {
  if (filters.isEmpty()) return {};
  if (filterIndex < 1 || filterIndex > filters.size()) return filters.front();
  return filters[filterIndex - 1];
}

}  // namespace lavix::qtui
