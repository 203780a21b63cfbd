#pragma once

namespace tidemark {

// The main window's caption, the settings' application name and the
// caption of the program's own messages.
inline constexpr const char* kAppTitle = "Tidemark";

}  // namespace tidemark
