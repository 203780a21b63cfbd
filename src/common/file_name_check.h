#pragma once

#include <string>

namespace tidemark {

// "Error" when the name holds one of \ / : , ; * ? " < > |, else "OK".
std::string CheckFileNameChars(const std::string& name);

// Whether Windows takes the name (with or without an extension) for a
// device such as CON, NUL or COM1, so that a file of that name is never made.
bool IsWindowsDeviceName(const std::string& name);

}  // namespace tidemark
