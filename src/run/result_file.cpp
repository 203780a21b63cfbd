#include "run/result_file.h"

#include <cmath>

#include "common/file_checks.h"
#include "common/file_in_use.h"
#include "common/special_folder.h"

namespace tidemark {

std::string FormCsvPath(Platform& platform, const std::string& fileName) {
    const std::string documents = GetSpecialFolder(platform, "mydocuments");
    if (documents == "Error" || documents.empty())
        throw PlatformError(kPathNotFound, "the Documents folder cannot be determined");
    return documents + platform.files.PathSeparator() + fileName + ".csv";
}

ResultFile::ResultFile(Platform& platform, const std::string& fileName)
    : platform_(platform), path_(FormCsvPath(platform, fileName)) {}

bool ResultFile::WriteHeaderIfNew() {
    if (CheckFileExists(platform_, path_) == "OK") return false;
    platform_.files.Append(path_, ResultFileHeader());
    return true;
}

bool ResultFile::InUse() { return CheckFileInUse(platform_, path_, true); }

std::string ResultFile::AppendRow(const std::string& note, const ResultPairs& pairs) {
    LocalDateTime now = platform_.clock.Now();
    now.secondsSinceMidnight = std::floor(now.secondsSinceMidnight);
    const std::string stamp = platform_.locale.FormatGeneralDate(now);
    platform_.files.Append(path_, FormatResultRow(stamp, note, pairs));
    return stamp;
}

}  // namespace tidemark
