#include "win32_services.h"

namespace tidemark::win32 {

Platform Win32Services::MakePlatform(FileSystem& files, SpecialFolders& specialFolders) {
    return Platform{
        clock,           sleeper,     pump,   keyboard,    settings, instanceLock,      messageBoxes, processStarter,
        browserLocation, windowOrder, beeper, environment, locale,   automationFactory, files,        specialFolders};
}

}  // namespace tidemark::win32
