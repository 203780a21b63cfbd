#pragma once

#include <string>

namespace tidemark::qt {

// What "held by another program" means on Linux, which has no share modes:
// any process may open any file it has permission for, so a program that
// wants a file to itself says so with a lock. A file is held when
//  - it cannot be opened for writing at all (permission, a read-only volume);
//  - another process holds a lock that conflicts with a write lock on the
//    whole file: a POSIX record lock (what LibreOffice takes on a document it
//    has open) or an open file description lock, tried with F_OFD_SETLK; or
//    a flock() lock;
//  - the lock file a spreadsheet keeps beside it exists: LibreOffice writes
//    ".~lock.<name>#" in the same folder while the document is open. A lock
//    file left by a crash keeps the file "in use" until it is removed, as
//    LibreOffice itself then asks the user.
// The probe takes and drops its own locks at once, like the Windows open
// without sharing. True when the file could be opened and nobody holds it.
bool OpenExclusive(const std::string& path);

// ".~lock.<name>#" in the folder of the path.
std::string SpreadsheetLockFileOf(const std::string& path);

}  // namespace tidemark::qt
