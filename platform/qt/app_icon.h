#pragma once

#include <QIcon>

namespace tidemark::qt {

// Tidemark's icon from the desktop's icon theme, where the package installs
// it, or else the copy built into the program (run from a build folder).
QIcon ApplicationIcon();

// The built-in copy: every size the package installs into the hicolor theme.
QIcon BuiltInIcon();

}  // namespace tidemark::qt
