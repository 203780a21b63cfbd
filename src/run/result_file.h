#pragma once

#include <string>

#include "common/platform.h"
#include "run/result_row.h"

namespace tidemark {

// The Documents folder + the platform's separator + the file name + ".csv".
// Throws PlatformError when the Documents folder cannot be determined, so
// that no path relative to the current directory is ever written to.
std::string FormCsvPath(Platform& platform, const std::string& fileName);

// The result file of one run. Every write is one open-write-close; the file
// is never held open and never read back.
class ResultFile {
public:
    // Forms CsvPath; throws PlatformError as FormCsvPath does.
    ResultFile(Platform& platform, const std::string& fileName);

    const std::string& Path() const { return path_; }

    // Writes the two header lines in one write when there is no file yet;
    // true when it did. An existing file is not examined.
    bool WriteHeaderIfNew();

    // Whether another program holds the file; leaves it with normal attributes.
    bool InUse();

    // Appends the row, stamped with the local date and time of this moment;
    // answers that stamp as written.
    std::string AppendRow(const std::string& note, const ResultPairs& pairs);

private:
    Platform& platform_;
    std::string path_;
};

}  // namespace tidemark
