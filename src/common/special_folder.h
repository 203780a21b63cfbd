#pragma once

#include <string>

#include "common/folder_key.h"
#include "common/platform.h"

namespace tidemark {

// The path of a special folder, or "Error" after telling the user that the
// key could not be resolved. A text key that names an existing folder (also
// after "アドレス:" is taken out) passes through. Platform errors met while a
// text key from the table is resolved reach the caller.
std::string GetSpecialFolder(Platform& platform, const FolderKey& key);

// The text key without any "アドレス:" (letter case ignored) and without
// surrounding blanks.
std::string CleanFolderKey(const std::string& key);

}  // namespace tidemark
