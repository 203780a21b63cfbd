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
    const std::string windowsDir = GetWindowsDir(context.platform.environment);
    context.EdgePath = windowsDir.substr(0, 1) + ":\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";
}

}  // namespace tidemark
