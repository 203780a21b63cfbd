#pragma once

// How the layer reads a property value, as the platform's variants compare and convert.

#include <cstdint>
#include <string>

#include "uia/automation.h"

namespace tidemark::uia {

// False, 0 or nothing at all.
bool EqualsFalse(const PropertyValue& value);
// True (or the integer -1, which is how true is stored as a number).
bool EqualsTrue(const PropertyValue& value);
// The value as text: texts as they are, numbers in decimal, "True"/"False", nothing as "".
std::string ValueText(const PropertyValue& value);

}  // namespace tidemark::uia
