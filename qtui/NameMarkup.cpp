// Variable names with markup ([ ] subscript, { } superscript) as the user reads them in widgets.
#include "qtui/NameMarkup.h"

namespace lavix::qtui {

namespace {

QChar subscriptOf(QChar c) {
  static const QString from = QStringLiteral("0123456789+-=()aeoxhklmnpstijruv");
  static const QString to = QString::fromUtf8("₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎ₐₑₒₓₕₖₗₘₙₚₛₜᵢⱼᵣᵤᵥ");
  const qsizetype at = from.indexOf(c);
  return at < 0 ? c : to[at];
}

QChar superscriptOf(QChar c) {
  static const QString from = QStringLiteral("0123456789+-=()ni");
  static const QString to = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁼⁽⁾ⁿⁱ");
  const qsizetype at = from.indexOf(c);
  return at < 0 ? c : to[at];
}

}  // namespace

QString markupToRichText(const std::string& name) {
  QString html;
  int subscripts = 0, superscripts = 0;
  for (const QChar ch : QString::fromStdString(name)) {
    if (ch == u'[') {
      html += QStringLiteral("<sub>");
      ++subscripts;
    } else if (ch == u']' && subscripts > 0) {
      html += QStringLiteral("</sub>");
      --subscripts;
    } else if (ch == u'{') {
      html += QStringLiteral("<sup>");
      ++superscripts;
    } else if (ch == u'}' && superscripts > 0) {
      html += QStringLiteral("</sup>");
      --superscripts;
    } else {
      html += QString(ch).toHtmlEscaped();
    }
  }
  while (subscripts-- > 0) html += QStringLiteral("</sub>");
  while (superscripts-- > 0) html += QStringLiteral("</sup>");
  return html;
}

QString markupToDisplayText(const std::string& name) {
  QString shown;
  int subscripts = 0, superscripts = 0;
  for (const QChar ch : QString::fromStdString(name)) {
    if (ch == u'[') ++subscripts;
    else if (ch == u']' && subscripts > 0) --subscripts;
    else if (ch == u'{') ++superscripts;
    else if (ch == u'}' && superscripts > 0) --superscripts;
    else if (superscripts > 0) shown += superscriptOf(ch);
    else if (subscripts > 0) shown += subscriptOf(ch);
    else shown += ch;
  }
  return shown;
}

}  // namespace lavix::qtui
