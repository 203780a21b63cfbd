#pragma once

#include <string>
#include <string_view>

#include "common/platform.h"

namespace tidemark {

// Whether the text converts to a number under the user's locale: blanks
// around it, a leading sign, digits with digit-group separators and one
// decimal separator, an exponent. Empty or blank texts, texts with other
// characters and numbers beyond the range of a double are not numeric.
bool IsNumericText(Locale& locale, const std::string& text);

// The value of the number the text begins with, after leading blanks; the
// parse stops at the first character that cannot continue the number. Group
// separators continue it only when one is given. 0 when the text begins with
// no number; infinite beyond the range of a double.
double LeadingNumber(std::string_view text, std::string_view decimalSeparator = ".",
                     std::string_view groupSeparator = {});

}  // namespace tidemark
