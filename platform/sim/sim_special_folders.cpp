#include "sim/sim_special_folders.h"

#include <algorithm>
#include <cctype>

namespace tidemark::sim {

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const std::string kProfile = "C:\\Users\\user";
}  // namespace

SimSpecialFolders::SimSpecialFolders() {
    const std::string roaming = kProfile + "\\AppData\\Roaming";
    const std::string startMenu = roaming + "\\Microsoft\\Windows\\Start Menu";
    const std::string publicStartMenu = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu";
    scriptHost_ = {
        {"mydocuments", kProfile + "\\Documents"},
        {"desktop", kProfile + "\\Desktop"},
        {"favorites", kProfile + "\\Favorites"},
        {"appdata", roaming},
        {"programs", startMenu + "\\Programs"},
        {"startmenu", startMenu},
        {"startup", startMenu + "\\Programs\\Startup"},
        {"recent", roaming + "\\Microsoft\\Windows\\Recent"},
        {"sendto", roaming + "\\Microsoft\\Windows\\SendTo"},
        {"fonts", "C:\\Windows\\Fonts"},
        {"nethood", roaming + "\\Microsoft\\Windows\\Network Shortcuts"},
        {"printhood", roaming + "\\Microsoft\\Windows\\Printer Shortcuts"},
        {"templates", roaming + "\\Microsoft\\Windows\\Templates"},
        {"allusersstartmenu", publicStartMenu},
        {"allusersprograms", publicStartMenu + "\\Programs"},
        {"allusersstartup", publicStartMenu + "\\Programs\\Startup"},
        {"allusersdesktop", "C:\\Users\\Public\\Desktop"},
    };
    shell_ = {
        {2, startMenu + "\\Programs"},
        {5, kProfile + "\\Documents"},
        {6, kProfile + "\\Favorites"},
        {13, kProfile + "\\Music"},
        {14, kProfile + "\\Videos"},
        {16, kProfile + "\\Desktop"},
        {26, roaming},
        {28, kProfile + "\\AppData\\Local"},
        {36, "C:\\Windows"},
        {37, "C:\\Windows\\system32"},
        {38, "C:\\Program Files"},
        {39, kProfile + "\\Pictures"},
        {40, kProfile},
        {42, "C:\\Program Files (x86)"},
        {46, "C:\\Users\\Public\\Documents"},
    };
    shellPaths_ = {
        {"shell:downloads", kProfile + "\\Downloads"},
        {"shell:commondownloads", "C:\\Users\\Public\\Downloads"},
        {"shell:3d objects", kProfile + "\\3D Objects"},
        {"shell:userprofiles", "C:\\Users"},
    };
}

std::string SimSpecialFolders::ScriptHostFolder(const std::string& key) {
    lookups_.push_back("script:" + key);
    const auto found = scriptHost_.find(Lower(key));
    return found == scriptHost_.end() ? std::string() : found->second;
}

std::optional<std::string> SimSpecialFolders::ShellFolder(int csidl) {
    lookups_.push_back("csidl:" + std::to_string(csidl));
    const auto found = shell_.find(csidl);
    if (found == shell_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> SimSpecialFolders::ShellPathFolder(const std::string& shellPath) {
    lookups_.push_back(shellPath);
    const auto found = shellPaths_.find(Lower(shellPath));
    if (found == shellPaths_.end()) return std::nullopt;
    return found->second;
}

void SimSpecialFolders::SetScriptHostFolder(const std::string& key, const std::string& path) {
    scriptHost_[Lower(key)] = path;
}

void SimSpecialFolders::SetShellFolder(int csidl, std::optional<std::string> path) {
    if (path)
        shell_[csidl] = *path;
    else
        shell_.erase(csidl);
}

void SimSpecialFolders::SetShellPathFolder(const std::string& shellPath, const std::string& path) {
    shellPaths_[Lower(shellPath)] = path;
}

}  // namespace tidemark::sim
