#include "common/edge_path.h"

#include "common/text.h"

namespace tidemark {

std::string TrimAtNull(const std::string& text) {
    const auto nul = text.find('\0');
    return TrimBlanks(nul == std::string::npos ? text : text.substr(0, nul));
}

std::string GetWindowsDir(Environment& environment) {
    return TrimBlanks(TrimAtNull(environment.WindowsDirectoryBuffer()));
}

void GetEdgePath(Context& context) {
    Platform& platform = context.platform;
    const std::string windowsDir = GetWindowsDir(platform.environment);
    const std::string standardPath =
        windowsDir.substr(0, 1) + ":\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";
    context.EdgePath = standardPath;
    if (platform.files.FindFirst(standardPath) == FoundEntry::File) return;
    // Edge may live elsewhere (a 64-bit install, another drive); a path that
    // never exists would fail every run, so ask where it is registered.
    if (const auto installed = platform.browserLocation.FindInstalled()) context.EdgePath = *installed;
}

}  // namespace tidemark
