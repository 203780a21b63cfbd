#include "qt/linux_special_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <map>

#include "common/text.h"

namespace tidemark::qt {

namespace {

enum class Place {
    Documents,
    Desktop,
    Music,
    Videos,
    Pictures,
    Downloads,
    Templates,
    PublicShare,
    Home,
    UserProfiles,
    Applications,
    SystemApplications,
    Autostart,
    SystemAutostart,
    Fonts,
    Config,
    Data,
    SystemData,
    Cache,
};

std::string Writable(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

// The last of the standard locations is the system-wide one (/usr/share, /etc/xdg by default).
std::string SystemWide(QStandardPaths::StandardLocation location) {
    const QStringList all = QStandardPaths::standardLocations(location);
    return all.size() > 1 ? all.last().toStdString() : std::string();
}

std::string WithSub(const std::string& folder, const char* sub) { return folder.empty() ? folder : folder + "/" + sub; }

std::string PathOf(Place place) {
    using QSP = QStandardPaths;
    switch (place) {
        case Place::Documents: return Writable(QSP::DocumentsLocation);
        case Place::Desktop: return Writable(QSP::DesktopLocation);
        case Place::Music: return Writable(QSP::MusicLocation);
        case Place::Videos: return Writable(QSP::MoviesLocation);
        case Place::Pictures: return Writable(QSP::PicturesLocation);
        case Place::Downloads: return Writable(QSP::DownloadLocation);
        case Place::Templates: return Writable(QSP::TemplatesLocation);
        case Place::PublicShare: return Writable(QSP::PublicShareLocation);
        case Place::Home: return QDir::homePath().toStdString();
        case Place::UserProfiles: return QFileInfo(QDir::homePath()).absolutePath().toStdString();
        case Place::Applications: return Writable(QSP::ApplicationsLocation);
        case Place::SystemApplications: return SystemWide(QSP::ApplicationsLocation);
        case Place::Autostart: return WithSub(Writable(QSP::GenericConfigLocation), "autostart");
        case Place::SystemAutostart: return WithSub(SystemWide(QSP::GenericConfigLocation), "autostart");
        case Place::Fonts: return Writable(QSP::FontsLocation);
        case Place::Config: return Writable(QSP::GenericConfigLocation);
        case Place::Data: return Writable(QSP::GenericDataLocation);
        case Place::SystemData: return SystemWide(QSP::GenericDataLocation);
        case Place::Cache: return Writable(QSP::GenericCacheLocation);
    }
    return {};
}

const std::map<std::string, Place>& ScriptHostPlaces() {
    static const std::map<std::string, Place> places = {
        {"mydocuments", Place::Documents},
        {"desktop", Place::Desktop},
        {"programs", Place::Applications},
        {"startmenu", Place::Applications},
        {"startup", Place::Autostart},
        {"fonts", Place::Fonts},
        {"templates", Place::Templates},
        {"appdata", Place::Config},
        {"allusersprograms", Place::SystemApplications},
        {"allusersstartmenu", Place::SystemApplications},
        {"allusersstartup", Place::SystemAutostart},
    };
    return places;
}

const std::map<int, Place>& ShellPlaces() {
    static const std::map<int, Place> places = {
        {2, Place::Applications},
        {5, Place::Documents},
        {7, Place::Autostart},
        {11, Place::Applications},
        {13, Place::Music},
        {14, Place::Videos},
        {16, Place::Desktop},
        {20, Place::Fonts},
        {21, Place::Templates},
        {22, Place::SystemApplications},
        {23, Place::SystemApplications},
        {24, Place::SystemAutostart},
        {26, Place::Config},
        {28, Place::Data},
        {32, Place::Cache},
        {35, Place::SystemData},
        {39, Place::Pictures},
        {40, Place::Home},
        {46, Place::PublicShare},
    };
    return places;
}

const std::map<std::string, Place>& ShellPathPlaces() {
    static const std::map<std::string, Place> places = {
        {"shell:downloads", Place::Downloads},
        {"shell:userprofiles", Place::UserProfiles},
    };
    return places;
}

template <class Key>
std::optional<std::string> Find(const std::map<Key, Place>& places, const Key& key) {
    const auto found = places.find(key);
    if (found == places.end()) return std::nullopt;
    std::string path = PathOf(found->second);
    if (path.empty()) return std::nullopt;
    return path;
}

}  // namespace

std::string LinuxSpecialFolders::ScriptHostFolder(const std::string& key) {
    return Find(ScriptHostPlaces(), LowerAscii(key)).value_or(std::string());
}

std::optional<std::string> LinuxSpecialFolders::ShellFolder(int csidl) { return Find(ShellPlaces(), csidl); }

std::optional<std::string> LinuxSpecialFolders::ShellPathFolder(const std::string& shellPath) {
    return Find(ShellPathPlaces(), LowerAscii(shellPath));
}

}  // namespace tidemark::qt
