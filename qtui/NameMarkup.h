// Variable names with markup ([ ] subscript, { } superscript) as the user reads them in widgets.
#pragma once

#include <QString>

#include <string>

namespace lavix::qtui {

// Rich text: "SiO[2]" becomes "SiO<sub>2</sub>"; for labels and tooltips.
QString markupToRichText(const std::string& name);

// Plain text for lists, headers and buttons, which show no rich text: digits, signs and the
// letters Unicode has as sub- and superscripts take those forms ("SiO₂", "H₂O⁺"); everything
// else is kept, without the brackets.
QString markupToDisplayText(const std::string& name);

}  // namespace lavix::qtui
