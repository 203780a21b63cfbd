#include "common/special_folder.h"

#include <optional>
#include <string_view>

#include "common/app_identity.h"
#include "common/file_checks.h"
#include "common/special_folder_keys.h"
#include "common/text.h"
#include "common/window_utils.h"

namespace tidemark {

namespace {

constexpr std::string_view kAddressLabel = "アドレス:";
constexpr std::string_view kUnresolved = "特殊フォルダの取得できませんでした。  FolderKey: ";

std::string Refuse(Platform& platform, const std::string& shownKey) {
    BringFormToFront(platform);
    platform.messageBoxes.Show(std::string(kUnresolved) + shownKey, kAppTitle, MessageButtons::Ok, MessageIcon::None);
    return "Error";
}

std::string Required(const std::optional<std::string>& folder, const std::string& what) {
    if (!folder) throw PlatformError(kPathNotFound, "the shell has no folder for " + what);
    return *folder;
}

std::string ResolveText(Platform& platform, const std::string& key) {
    const std::string cleaned = CleanFolderKey(key);
    if (CheckFolderExists(platform, cleaned) == "OK") return cleaned;
    const auto route = LookUpFolderKey(cleaned, platform.environment.Variable("USERNAME"));
    if (!route) return Refuse(platform, cleaned);
    SpecialFolders& folders = platform.specialFolders;
    switch (route->through) {
        case FolderRoute::Through::ScriptHost: return folders.ScriptHostFolder(cleaned);
        case FolderRoute::Through::ShellNumber:
            return Required(folders.ShellFolder(route->number), "number " + std::to_string(route->number));
        case FolderRoute::Through::ShellPath:
            return Required(folders.ShellPathFolder(std::string(route->shellPath)), std::string(route->shellPath));
    }
    return Refuse(platform, cleaned);
}

std::string ResolveNumber(Platform& platform, std::int16_t number) {
    if (IsAcceptedFolderNumber(number)) {
        try {
            if (auto folder = platform.specialFolders.ShellFolder(number)) return *folder;
        } catch (const PlatformError&) {
            // Refused below, like a number without a folder.
        }
    }
    return Refuse(platform, std::to_string(number));
}

}  // namespace

std::string CleanFolderKey(const std::string& key) {
    const std::string lowered = LowerAscii(key);
    const std::string label = LowerAscii(kAddressLabel);
    std::string kept;
    std::size_t from = 0;
    for (auto at = lowered.find(label); at != std::string::npos; at = lowered.find(label, from)) {
        kept += key.substr(from, at - from);
        from = at + label.size();
    }
    kept += key.substr(from);
    return TrimBlanks(kept);
}

std::string GetSpecialFolder(Platform& platform, const FolderKey& key) {
    if (const std::string* text = key.Text()) return ResolveText(platform, *text);
    if (const std::int16_t* number = key.Number()) return ResolveNumber(platform, *number);
    return Refuse(platform, key.Other()->shownAs);
}

}  // namespace tidemark
